#include "ui/api/KWEventBase.h"

#include <cstddef>

CKWEventBase::~CKWEventBase() = default;

int* CKWEventBase::GetThisMessageIDs()
{
    return nullptr;
}

void CKWEventBase::ClearThisMessageIDs()
{
    m_pMessageIDs.reset();
}

int* CKWEventBase::BuildThisMessageIDs()
{
    if (m_pMessageIDs) {
        return m_pMessageIDs.get();
    }
    const KW_MSGMAP* map = GetKWMessageMap();
    if (map == nullptr || map->lpEntries == nullptr) {
        return nullptr;
    }
    std::size_t count = 0;
    for (const KW_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != KWSig_end; ++entry) {
        if (entry->nMessage == WM_TIMER) {
            ++count;
        }
    }
    if (count == 0) {
        return nullptr;
    }
    std::unique_ptr<int[]> ids(new int[count + 1]);
    std::size_t next = 0;
    for (const KW_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != KWSig_end; ++entry) {
        if (entry->nMessage == WM_TIMER) {
            ids[next++] = static_cast<int>(entry->nID);
        }
    }
    ids[next] = -1;
    m_pMessageIDs = std::move(ids);
    return m_pMessageIDs.get();
}

namespace {

const KW_MSGMAP_ENTRY* FindInOwnMap(const CKWEventBase& handler, UINT message, UINT code, UINT id)
{
    const KW_MSGMAP* map = handler.GetKWMessageMap();
    if (map == nullptr) {
        return nullptr;
    }
    const KW_MSGMAP_ENTRY* entry = FindMessageEntry(map->lpEntries, message, code, id);
    if (entry == nullptr || entry->pfn == nullptr) {
        return nullptr;
    }
    return entry;
}

} // namespace

void CKWEventBase::Dlg_OnCommand(UINT id)
{
    const KW_MSGMAP_ENTRY* entry = FindInOwnMap(*this, WM_COMMAND, 0, id);
    if (entry != nullptr && entry->nSig == KWSig_v) {
        entry->pfn(this, 0, 0);
    }
}

void CKWEventBase::OnNotifyClick(UINT code, UINT id, NMHDR* header, LRESULT* result)
{
    const KW_MSGMAP_ENTRY* entry = FindInOwnMap(*this, WM_NOTIFY, code, id);
    if (entry == nullptr) {
        return;
    }
    if (entry->nSig == KWSig_v) {
        entry->pfn(this, 0, 0);
    } else if (entry->nSig == KWSig_notify) {
        // A caller without a result slot still gets one: the handler may
        // write its result unconditionally.
        LRESULT localResult = 0;
        LRESULT* target = result != nullptr ? result : &localResult;
        entry->pfn(this, reinterpret_cast<WPARAM>(header), reinterpret_cast<LPARAM>(target));
    }
}

void CKWEventBase::OnUIMessage(UINT code, UINT id, WPARAM wParam, LPARAM lParam)
{
    const KW_MSGMAP_ENTRY* entry = FindInOwnMap(*this, WM_TIMER, code, id);
    if (entry != nullptr && entry->nSig == KWSig_wl) {
        entry->pfn(this, wParam, lParam);
    }
}
