#include "ui/api/KWButton.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWEventBase.h"
#include "ui/api/KWMessageMap.h"
#include "ui/api/KWView.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

void NoOp(CKWEventBase*, WPARAM, LPARAM) {}

// Entries whose handler is irrelevant: only which entry the lookup returns.
constexpr KW_MSGMAP_ENTRY Entry(UINT message, UINT code, UINT first, UINT last, UINT sig = KWSig_v)
{
    return {message, code, first, last, sig, 0, &NoOp};
}
constexpr KW_MSGMAP_ENTRY kEnd = {0, 0, 0, 0, KWSig_end, 0, nullptr};

TEST(FindMessageEntry, LookupRules)
{
    const KW_MSGMAP_ENTRY terminatorOnly[] = {kEnd};
    const KW_MSGMAP_ENTRY table[] = {
        Entry(WM_COMMAND, 0, 20, 29),   // 0: a range
        Entry(WM_COMMAND, 0, 25, 25),   // 1: a single id inside the earlier range
        Entry(WM_COMMAND, 0, 40, 40),   // 2: duplicated below
        Entry(WM_COMMAND, 0, 40, 40),   // 3
        Entry(WM_NOTIFY, 2, 40, 40),    // 4: same id, other message and code
        kEnd,
        Entry(WM_COMMAND, 0, 50, 50),   // past the terminator: never examined
    };
    struct Case {
        const char* name;
        const KW_MSGMAP_ENTRY* entries;
        UINT message, code, id;
        int expected; // index into table, -1 no match
    };
    const Case cases[] = {
        {"terminator-only map never matches", terminatorOnly, WM_COMMAND, 0, 0, -1},
        {"null table matches nothing", nullptr, WM_COMMAND, 0, 20, -1},
        {"first id of a range", table, WM_COMMAND, 0, 20, 0},
        {"last id of a range", table, WM_COMMAND, 0, 29, 0},
        {"one past the range", table, WM_COMMAND, 0, 30, -1},
        {"one before the range", table, WM_COMMAND, 0, 19, -1},
        {"earlier range beats later single id", table, WM_COMMAND, 0, 25, 0},
        {"of duplicates the first wins", table, WM_COMMAND, 0, 40, 2},
        {"message and code both compared", table, WM_NOTIFY, 2, 40, 4},
        {"wrong code", table, WM_NOTIFY, 3, 40, -1},
        {"lookup stops at the terminator", table, WM_COMMAND, 0, 50, -1},
    };
    for (const Case& c : cases) {
        const KW_MSGMAP_ENTRY* found = FindMessageEntry(c.entries, c.message, c.code, c.id);
        if (c.expected < 0) {
            EXPECT_EQ(found, nullptr) << c.name;
        } else {
            EXPECT_EQ(found, &table[c.expected]) << c.name;
        }
    }
}

// A handler shaped like the application's main frame: several interfaces,
// the event base not at the start of the object.
class FrameHandler : public IKWButtonEvent, public IKWDialogEvent, public std::enable_shared_from_this<FrameHandler> {
public:
    std::vector<std::string> calls;
    const void* lastThis = nullptr;
    NMHDR* lastHeader = nullptr;
    LRESULT* lastResult = nullptr;
    WPARAM lastWParam = 0;
    LPARAM lastLParam = 0;

    void OnDlgCreate(bool) override {}

    void OnClose() { Record("close"); }
    void OnRange() { Record("range"); }
    void OnShadowed() { Record("shadowed"); }
    void OnRowClick(NMHDR* header, LRESULT* result)
    {
        Record("rowclick");
        lastHeader = header;
        lastResult = result;
        *result = 42; // a handler may always write its result
    }
    void OnRowDblClick() noexcept { Record("rowdblclick"); }
    void OnTick(WPARAM wParam, LPARAM lParam)
    {
        Record("tick");
        lastWParam = wParam;
        lastLParam = lParam;
    }
    void OnOtherTick(WPARAM, LPARAM) { Record("othertick"); }

    KW_BEGIN_MSGMAP(FrameHandler)
        KW_COMMAND(202, OnClose)
        KW_COMMAND_RANGE(20, 29, OnRange)
        KW_COMMAND(25, OnShadowed)
        KW_NOTIFY(2, 30, OnRowClick)
        KW_NOTIFY_VOID(3, 30, OnRowDblClick)
        KW_UIMESSAGE(275, 2, OnTick)
        KW_UIMESSAGE_RANGE(275, 7, 9, OnOtherTick)
    KW_END_MSGMAP()

private:
    void Record(const char* name)
    {
        calls.emplace_back(name);
        lastThis = this;
    }
};

TEST(MessageMapMacros, DispatchReachesTheHandlerObjectThroughMultipleInheritance)
{
    FrameHandler handler;
    CKWEventBase* base = &handler;
    ASSERT_NE(static_cast<void*>(base), static_cast<void*>(&handler)); // the adjustment is really exercised

    base->Dlg_OnCommand(202);
    base->Dlg_OnCommand(25);
    base->Dlg_OnCommand(30); // no command entry for 30
    NMHDR header{nullptr, 30, 2};
    LRESULT result = 0;
    base->OnNotifyClick(2, 30, &header, &result);
    base->OnNotifyClick(3, 30, &header, &result);
    base->OnUIMessage(275, 2, 11, -12);
    base->OnUIMessage(275, 8, 0, 0);

    EXPECT_EQ(handler.calls, (std::vector<std::string>{"close", "range", "rowclick", "rowdblclick", "tick", "othertick"}));
    EXPECT_EQ(handler.lastThis, &handler);
    EXPECT_EQ(handler.lastHeader, &header);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(handler.lastWParam, 11u);
    EXPECT_EQ(handler.lastLParam, -12);
}

TEST(MessageMapMacros, NotifyWithoutResultSlotStillGivesTheHandlerOne)
{
    FrameHandler handler;
    NMHDR header{nullptr, 30, 2};
    handler.OnNotifyClick(2, 30, &header, nullptr);
    ASSERT_EQ(handler.calls, std::vector<std::string>{"rowclick"});
    EXPECT_NE(handler.lastResult, nullptr);
}

TEST(MessageMapMacros, TimerIdsAreCollectedOnceInMapOrder)
{
    FrameHandler handler;
    int* ids = handler.GetThisMessageIDs();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(ids[1], 7);
    EXPECT_EQ(ids[2], -1);
    EXPECT_EQ(handler.GetThisMessageIDs(), ids);
}

class EmptyMapHandler : public IKWViewEvent {
public:
    KW_BEGIN_MSGMAP(EmptyMapHandler)
    KW_END_MSGMAP()
};

// The designer window's map: one UI-message entry for id 2.
class DesignerHandler : public IKWDialogEvent {
public:
    void OnDlgCreate(bool) override {}
    void OnProgress(WPARAM, LPARAM) {}
    KW_BEGIN_MSGMAP(DesignerHandler)
        KW_UIMESSAGE(275, 2, OnProgress)
    KW_END_MSGMAP()
};

TEST(MessageMapMacros, TimerIdArrayNullWithoutTimerEntriesAndSharedWithTheDialog)
{
    EmptyMapHandler empty;
    EXPECT_EQ(empty.GetThisMessageIDs(), nullptr);
    EXPECT_EQ(empty.GetThisMessageIDs(), nullptr);
    ASSERT_NE(empty.GetKWMessageMap(), nullptr);
    EXPECT_EQ(empty.GetKWMessageMap()->lpEntries[0].nSig, static_cast<UINT>(KWSig_end));

    DesignerHandler designer;
    struct Dialog : CKWDialog {
        using CKWDialog::CKWDialog;
    };
    Dialog dialog(&designer);
    int* ids = dialog.GetThisMessageIDs();
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids[0], 2);
    EXPECT_EQ(ids[1], -1);
    EXPECT_EQ(designer.GetThisMessageIDs(), ids);
    EXPECT_EQ(Dialog(nullptr).GetThisMessageIDs(), nullptr);
}

const KW_MSGMAP_ENTRY kBaseEntries[] = {Entry(WM_COMMAND, 0, 5, 5), kEnd};
const KW_MSGMAP kBaseMap = {kBaseEntries, nullptr};

class DerivedMapHandler : public IKWViewEvent {
public:
    int closes = 0;
    void OnClose() { ++closes; }
    KW_BEGIN_MSGMAP_BASE(DerivedMapHandler, &kBaseMap)
        KW_COMMAND(202, OnClose)
    KW_END_MSGMAP()
};

TEST(MessageMapMacros, BaseMapIsKeptButNeverFollowed)
{
    DerivedMapHandler handler;
    const KW_MSGMAP* map = handler.GetKWMessageMap();
    EXPECT_EQ(map->pBaseMap, &kBaseMap);
    EXPECT_EQ(handler.GetKWMessageMap(), map); // built once
    EXPECT_EQ(FindMessageEntry(map->lpEntries, WM_COMMAND, 0, 5), nullptr);
    handler.Dlg_OnCommand(5);
    handler.Dlg_OnCommand(202);
    EXPECT_EQ(handler.closes, 1);
}

// A hand-written table whose entries pair messages with signature kinds the
// dispatchers must refuse.
class MismatchHandler : public IKWViewEvent {
public:
    int notifies = 0;
    int plain = 0;
    void OnNotify(NMHDR*, LRESULT*) { ++notifies; }
    void OnPlain() { ++plain; }
    const KW_MSGMAP* GetKWMessageMap() const override
    {
        static const KW_MSGMAP_ENTRY entries[] = {
            {WM_COMMAND, 0, 5, 5, KWSig_notify, 0, &KWThunkNotify<MismatchHandler, &MismatchHandler::OnNotify>},
            {WM_TIMER, 0, 6, 6, KWSig_v, 0, &KWThunkVoid<MismatchHandler, &MismatchHandler::OnPlain>},
            {WM_NOTIFY, 0, 7, 7, KWSig_wl, 0, &KWThunkVoid<MismatchHandler, &MismatchHandler::OnPlain>},
            {WM_COMMAND, 0, 8, 8, KWSig_v, 0, nullptr},
            kEnd,
        };
        static const KW_MSGMAP map = {entries, nullptr};
        return &map;
    }
};

TEST(MessageDispatch, EachDispatcherRunsOnlyItsOwnSignatureKinds)
{
    MismatchHandler handler;
    handler.Dlg_OnCommand(5);                      // sig 2 through the command path
    handler.OnUIMessage(0, 6, 0, 0);                // sig 1 through the UI-message path
    handler.OnNotifyClick(0, 7, nullptr, nullptr);  // sig 3 through the notify path
    handler.Dlg_OnCommand(8);                       // an entry without a handler
    EXPECT_EQ(handler.notifies, 0);
    EXPECT_EQ(handler.plain, 0);
}

class NullMapHandler : public IKWViewEvent {
public:
    const KW_MSGMAP* GetKWMessageMap() const override { return nullptr; }
};

TEST(MessageDispatch, HandlerWithoutMapIgnoresEverything)
{
    NullMapHandler handler;
    handler.Dlg_OnCommand(1);
    handler.OnNotifyClick(2, 1, nullptr, nullptr);
    handler.OnUIMessage(275, 1, 0, 0);
    EXPECT_EQ(handler.GetThisMessageIDs(), nullptr);
    CKWCustomEvent event(WM_COMMAND, 0, 0, 1);
    EXPECT_EQ(KWDispatchCustomEvent(&handler, &event), 0);
    EXPECT_EQ(KWDispatchCustomEvent(nullptr, &event), 0);
}

// A window that dispatches custom events through its listener, as dialogs,
// views and the main window do.
class DispatchingWindow : public QWidget {
public:
    explicit DispatchingWindow(CKWEventBase* listener) : m_listener(listener) {}
    int dispatched = 0;

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == KWCustomEventType()) {
            dispatched += KWDispatchCustomEvent(m_listener, static_cast<CKWCustomEvent*>(event));
        }
    }

private:
    CKWEventBase* m_listener;
};

TEST(CustomEvent, TypeIsRegisteredOnceInTheUserRange)
{
    const int type = KWCustomEventType();
    EXPECT_GE(type, static_cast<int>(QEvent::User));
    EXPECT_LE(type, static_cast<int>(QEvent::MaxUser));
    EXPECT_EQ(KWCustomEventType(), type);
    CKWCustomEvent event(WM_NOTIFY, 11, -5, 77);
    EXPECT_EQ(static_cast<int>(event.type()), type);
    EXPECT_EQ(event.GetMessageID(), WM_NOTIFY);
    EXPECT_EQ(event.GetWParam(), 11u);
    EXPECT_EQ(event.GetLParam(), -5);
    EXPECT_EQ(event.GetControlID(), 77u);
}

TEST(CustomEvent, ChildReachesParentHandlerSynchronouslyWithFieldsIntact)
{
    FrameHandler handler;
    DispatchingWindow window(&handler);
    QWidget* child = new QWidget(&window);

    EXPECT_EQ(KWSendToParent(child, WM_COMMAND, 0, 0, 202), 1);
    ASSERT_EQ(handler.calls, std::vector<std::string>{"close"}); // ran before the send returned

    // A notification carries the address of a record on the sender's stack.
    NMHDR header{nullptr, 30, 2};
    EXPECT_EQ(KWSendToParent(child, WM_NOTIFY, 2, reinterpret_cast<LPARAM>(&header), 30), 1);
    ASSERT_EQ(handler.calls.back(), "rowclick");
    EXPECT_EQ(handler.lastHeader, &header);
    EXPECT_NE(handler.lastResult, nullptr);
    EXPECT_NE(reinterpret_cast<intptr_t>(handler.lastResult), 30); // never the control id

    // A UI message hands the handler (lParam, id); a pointer-sized lParam survives.
    const LPARAM wide = static_cast<LPARAM>(0x123456789ABCLL);
    EXPECT_EQ(KWSendToParent(child, WM_TIMER, 275, wide, 2), 1);
    ASSERT_EQ(handler.calls.back(), "tick");
    EXPECT_EQ(handler.lastWParam, static_cast<WPARAM>(wide));
    EXPECT_EQ(handler.lastLParam, 2);

    EXPECT_EQ(window.dispatched, 3);
    KWSendToParent(child, WM_COMMAND, 0, 0, 999); // no entry: nothing runs
    EXPECT_EQ(window.dispatched, 3);
}

TEST(CustomEvent, SenderWithoutParentSendsNothing)
{
    QWidget orphan;
    EXPECT_EQ(KWSendToParent(&orphan, WM_COMMAND, 0, 0, 202), 0);
    EXPECT_EQ(KWSendToParent(nullptr, WM_COMMAND, 0, 0, 202), 0);
}

TEST(CustomEvent, CodeWiderThan32BitsMatchesNoEntry)
{
    FrameHandler handler;
    CKWCustomEvent event(WM_NOTIFY, (static_cast<WPARAM>(1) << 32) | 2, 0, 30);
    EXPECT_EQ(KWDispatchCustomEvent(&handler, &event), 0);
    EXPECT_TRUE(handler.calls.empty());
}

} // namespace
