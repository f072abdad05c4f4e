#pragma once
// Root of the two listener interfaces that carry a message map (dialogs and
// views). It dispatches commands, notifications and UI messages through the
// handler's own map, caches the ids of the map's timer entries, and keeps the
// handle of the Qt window that the handler drives.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWMessageMap.h"

#include <memory>
#include <tuple>
#include <type_traits>

class CKWEventBase {
public:
    CKWEventBase() = default;
    CKWEventBase(const CKWEventBase&) = delete;
    CKWEventBase& operator=(const CKWEventBase&) = delete;
    virtual ~CKWEventBase();

    virtual const KW_MSGMAP* GetKWMessageMap() const = 0;
    // The ids of the map's timer entries ended by -1, or null. The array
    // belongs to this object: callers never free it.
    virtual int* GetThisMessageIDs();

    // Look (273, 0, id) up in the map; a KWSig_v entry runs.
    void Dlg_OnCommand(UINT id);
    // Look (78, code, id) up; KWSig_v runs handler(), KWSig_notify
    // handler(header, result).
    void OnNotifyClick(UINT code, UINT id, NMHDR* header, LRESULT* result);
    // Look (275, code, id) up; KWSig_wl runs handler(wParam, lParam).
    void OnUIMessage(UINT code, UINT id, WPARAM wParam, LPARAM lParam);

    // The Qt widget this handler drives, written by that widget when it is
    // constructed with this handler as its listener.
    void* GetUIWnd() const { return m_hUIWnd; }
    void SetUIWnd(void* window) { m_hUIWnd = window; }

    // Forget the cached id array; the next GetThisMessageIDs builds it anew.
    void ClearThisMessageIDs();

protected:
    // The body every map-declaring class gives GetThisMessageIDs: build the
    // array on the first call that finds timer entries, then return the cache.
    int* BuildThisMessageIDs();

private:
    std::unique_ptr<int[]> m_pMessageIDs;
    void* m_hUIWnd = nullptr;
};

// Thunks: one function per (class, member) pair, so that an entry calls the
// member on the right sub-object whatever the handler's other bases are. The
// static_asserts reject a member whose parameters do not fit the entry kind.
namespace KWMsgMapDetail {

template <class M>
struct MemberFn {
    static constexpr bool valid = false;
};

template <class C, class R, class... A>
struct MemberFn<R (C::*)(A...)> {
    static constexpr bool valid = true;
    using Class = C;
    using Args = std::tuple<A...>;
};

template <class C, class R, class... A>
struct MemberFn<R (C::*)(A...) noexcept> : MemberFn<R (C::*)(A...)> {};

template <class T, auto Pmf, class... Expected>
constexpr bool CheckHandler()
{
    using Traits = MemberFn<decltype(Pmf)>;
    static_assert(Traits::valid, "a message handler must be a non-const member function");
    if constexpr (Traits::valid) {
        static_assert(std::is_base_of_v<typename Traits::Class, T>, "the handler must be a member of the map's class");
        static_assert(std::is_same_v<typename Traits::Args, std::tuple<Expected...>>,
                      "the handler's parameters do not match the entry kind");
    }
    static_assert(std::is_base_of_v<CKWEventBase, T>, "a message map belongs to a class derived from CKWEventBase");
    return true;
}

} // namespace KWMsgMapDetail

template <class T, auto Pmf>
void KWThunkVoid(CKWEventBase* self, WPARAM, LPARAM)
{
    static_assert(KWMsgMapDetail::CheckHandler<T, Pmf>());
    (static_cast<T*>(self)->*Pmf)();
}

template <class T, auto Pmf>
void KWThunkNotify(CKWEventBase* self, WPARAM wParam, LPARAM lParam)
{
    static_assert(KWMsgMapDetail::CheckHandler<T, Pmf, NMHDR*, LRESULT*>());
    (static_cast<T*>(self)->*Pmf)(reinterpret_cast<NMHDR*>(wParam), reinterpret_cast<LRESULT*>(lParam));
}

template <class T, auto Pmf>
void KWThunkWL(CKWEventBase* self, WPARAM wParam, LPARAM lParam)
{
    static_assert(KWMsgMapDetail::CheckHandler<T, Pmf, WPARAM, LPARAM>());
    (static_cast<T*>(self)->*Pmf)(wParam, lParam);
}

// Declaring a handler's map inside its class:
//
//     class CMyDlg : public IKWDialogEvent, public IKWButtonEvent {
//         ...
//         KW_BEGIN_MSGMAP(CMyDlg)
//             KW_COMMAND(202, OnClose)
//         KW_END_MSGMAP()
//     };
//
// The block overrides GetKWMessageMap and GetThisMessageIDs and leaves the
// class in public access. The table is built on the first call (a
// function-local static) and lives until the program ends.
#define KW_BEGIN_MSGMAP(theClass) KW_BEGIN_MSGMAP_BASE(theClass, nullptr)

// The same with a base map (kept in the map, never followed by a lookup).
#define KW_BEGIN_MSGMAP_BASE(theClass, pBaseMap)                                                                       \
public:                                                                                                                \
    const KW_MSGMAP* GetKWMessageMap() const override { return theClass::KWGetThisMessageMap(); }                     \
    int* GetThisMessageIDs() override { return BuildThisMessageIDs(); }                                                \
    static const KW_MSGMAP* KWGetBaseMessageMap() { return (pBaseMap); }                                               \
    static const KW_MSGMAP* KWGetThisMessageMap()                                                                      \
    {                                                                                                                  \
        using KWThisClass = theClass;                                                                                  \
        static const KW_MSGMAP_ENTRY s_kwEntries[] = {

// Command 273 from one control or a range of controls: handler().
#define KW_COMMAND(id, fn) KW_COMMAND_RANGE(id, id, fn)
#define KW_COMMAND_RANGE(idFirst, idLast, fn)                                                                          \
    {WM_COMMAND, 0, static_cast<UINT>(idFirst), static_cast<UINT>(idLast), KWSig_v, 0,                                 \
     &KWThunkVoid<KWThisClass, &KWThisClass::fn>},

// Notification 78 with its code: handler(NMHDR* header, LRESULT* result).
#define KW_NOTIFY(code, id, fn) KW_NOTIFY_RANGE(code, id, id, fn)
#define KW_NOTIFY_RANGE(code, idFirst, idLast, fn)                                                                     \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(idFirst), static_cast<UINT>(idLast), KWSig_notify, 0,       \
     &KWThunkNotify<KWThisClass, &KWThisClass::fn>},

// Notification 78 with its code, handled without arguments: handler().
#define KW_NOTIFY_VOID(code, id, fn)                                                                                   \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), KWSig_v, 0,                     \
     &KWThunkVoid<KWThisClass, &KWThisClass::fn>},

// UI message 275 with its code: handler(WPARAM, LPARAM). Its id also goes
// into the array GetThisMessageIDs returns.
#define KW_UIMESSAGE(code, id, fn) KW_UIMESSAGE_RANGE(code, id, id, fn)
#define KW_UIMESSAGE_RANGE(code, idFirst, idLast, fn)                                                                  \
    {WM_TIMER, static_cast<UINT>(code), static_cast<UINT>(idFirst), static_cast<UINT>(idLast), KWSig_wl, 0,            \
     &KWThunkWL<KWThisClass, &KWThisClass::fn>},

#define KW_END_MSGMAP()                                                                                                \
    {0, 0, 0, 0, KWSig_end, 0, nullptr}                                                                                \
    }                                                                                                                  \
    ;                                                                                                                  \
    static_assert(std::is_base_of_v<CKWEventBase, KWThisClass>, "a message map belongs to a CKWEventBase");         \
    static const KW_MSGMAP s_kwMap = {s_kwEntries, KWThisClass::KWGetBaseMessageMap()};                               \
    return &s_kwMap;                                                                                                   \
    }
