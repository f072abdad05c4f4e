#pragma once
// Tree of checkable items; items are opaque handles.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

#include <cstdint>

// Special item handles: the invisible root, and "append" as the item to
// insert after.
inline void* const TVI_ROOT = reinterpret_cast<void*>(static_cast<uintptr_t>(0xFFFF0000u));
inline void* const TVI_LAST = reinterpret_cast<void*>(static_cast<uintptr_t>(0xFFFF0002u));

class IKWTreeCtrlEvent {
public:
    virtual void OnTreeItemDbClick(void* /*item*/, POINT& /*point*/) {}
    virtual int OnItemClick(void* /*item*/, UINT /*flags*/) { return 1; }
    virtual void OnItemCheckStateChanged(void* /*item*/, int /*state*/) {}
    virtual void OnItemCheckBoxClick(void* /*item*/, UINT /*flags*/) {}
    virtual void OnDlgKeyDown(UINT /*modifiers*/, UINT /*key*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWTreeCtrlEvent() = default;
};

class CKWTreeCtrl {
public:
    explicit CKWTreeCtrl(IKWTreeCtrlEvent* listener) : m_pListener(listener) {}
    CKWTreeCtrl(const CKWTreeCtrl&) = default;
    CKWTreeCtrl& operator=(const CKWTreeCtrl&) = default;
    virtual ~CKWTreeCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/, int /*checkable*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(UITreeCtrlStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void* GetChildItem(void* /*item*/) const { return nullptr; }
    virtual UINT GetCount() const { return 0; }
    virtual UINT GetChildrenCount(void* /*item*/) const { return 0; }
    virtual void* GetImageList(UINT /*kind*/) const { return nullptr; }
    virtual DWORD GetItemData(void* /*item*/) const { return 0; }
    virtual int GetTreeItemText(void* /*item*/, WCHAR* /*buffer*/, int /*size*/) { return 0; }
    virtual void* GetNextItem(void* /*item*/, UINT /*code*/) const { return nullptr; }
    virtual void* GetNextSiblingItem(void* /*item*/) const { return nullptr; }
    virtual void* GetParentItem(void* /*item*/) const { return nullptr; }
    virtual void* GetPrevSiblingItem(void* /*item*/) const { return nullptr; }
    virtual void* GetRootItem() const { return nullptr; }
    virtual void ExpandTreeItem(void* /*item*/, UINT /*code*/) {}
    virtual void* FindChildItem(LPCWSTR /*text*/, void* /*parent*/) const { return nullptr; }
    virtual void* SetImageList(void* /*images*/, int /*kind*/) { return nullptr; }
    virtual int SetItemData(void* /*item*/, DWORD /*data*/) { return 0; }
    virtual int DeleteAllItems() { return 0; }
    virtual void SetItemImage(void* /*item*/, int /*image*/, int /*selectedImage*/) {}
    virtual int GetItemImage(void* /*item*/, int& /*image*/, int& /*selectedImage*/) const { return 0; }
    virtual int DeleteItem(void* /*item*/) { return 0; }
    virtual void* InsertItem(LPCWSTR /*text*/, void* /*parent*/, void* /*after*/) { return nullptr; }
    virtual UINT GetItemState(void* /*item*/, UINT /*mask*/) const { return 0; }
    virtual int SetCheck(void* /*item*/, int /*check*/) { return 0; }
    virtual int GetCheck(void* /*item*/) const { return 0; }
    virtual void SetItemHilight(void* /*item*/, int /*highlight*/) {}
    virtual int IsItemHilight(void* /*item*/) { return 0; }
    virtual int IsAnyChildItemHilight(void* /*item*/) { return 0; }
    virtual void SetAllItemCheck(int /*check*/) {}
    virtual int IsAllItemCheck() { return 0; }
    virtual int ItemHasChildren(void* /*item*/) const { return 0; }
    virtual int SetItemIcon(void* /*item*/, LPCWSTR /*icon*/) { return 0; }
    virtual int SetItemIcon(DWORD /*data*/, int /*icon*/) { return 0; }
    virtual void GetClientRect(RECT* /*rect*/) {}
    virtual void SetEnable(int /*enable*/) {}
    virtual void SetUserCheckable(int /*checkable*/) {}
    virtual void SetItemUserCheckable(void* /*item*/, int /*checkable*/) {}
    virtual void SetToolTipText(void* /*item*/, LPCWSTR /*text*/) {}

protected:
    IKWTreeCtrlEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWTreeCtrl* CreateKWTreeCtrl(IKWTreeCtrlEvent* listener);
