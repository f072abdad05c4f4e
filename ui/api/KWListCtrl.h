#pragma once
// Table of rows and columns with check boxes and cell widgets.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

// The record every list notification (message 78) points to; it lives on the
// sender's stack while the event is dispatched. Fields a code does not name
// are zero.
struct tagNMITEMACTIVATE {
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
    UINT uKeyFlags;
};
using NMITEMACTIVATE = tagNMITEMACTIVATE;
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

// Notification codes of the list.
constexpr UINT KW_LVN_CLICK = 2;
constexpr UINT KW_LVN_DBLCLICK = 3;
constexpr UINT KW_LVN_ROWCHECK = 10;
constexpr UINT KW_LVN_ALLCHECK = 11;
// Ids of the two cell buttons, carried by their commands (message 273).
constexpr UINT KW_LIST_BTN_CONFIG = 2134;
constexpr UINT KW_LIST_BTN_LOGIN = 2135;

class IKWListCtrlEvent {
public:
    virtual void OnLVKeyPress(UINT /*modifiers*/, UINT /*key*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWListCtrlEvent() = default;
};

class CKWListCtrl {
public:
    explicit CKWListCtrl(IKWListCtrlEvent* listener) : m_pListener(listener) {}
    CKWListCtrl(const CKWListCtrl&) = default;
    CKWListCtrl& operator=(const CKWListCtrl&) = default;
    virtual ~CKWListCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/, bool /*checkable*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ListCtrlStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int GetCheck(int /*row*/) const { return 0; }
    virtual int GetColumn(int /*column*/, void* /*info*/) const { return 0; }
    virtual int GetItemCount() const { return 0; }
    virtual DWORD GetItemData(int /*row*/) const { return 0; }
    virtual int GetItemText(int /*row*/, int /*column*/, WCHAR* /*buffer*/, int /*size*/) const { return 0; }
    virtual void* GetFirstSelectedItemPosition() const { return nullptr; }
    virtual int GetNextSelectedItem(void*& /*position*/) const { return 0; }
    virtual DWORD GetExtendedStyle() { return 0; }
    virtual int SetCheck(int /*row*/, int /*check*/) { return 0; }
    virtual int SetItemData(int /*row*/, DWORD /*data*/) { return 0; }
    virtual int SetItemText(int /*row*/, int /*column*/, LPCWSTR /*text*/) { return 0; }
    virtual int SubItemHitTest(void* /*info*/) { return 0; }
    virtual int InsertColumn(int /*column*/, LPCWSTR /*heading*/, int /*format*/, int /*width*/, int /*subItem*/) { return 0; }
    virtual int InsertColumnCheck(int /*column*/, ImageRadioBox& /*style*/) { return 0; }
    virtual int InsertItem(int /*row*/, LPCWSTR /*text*/) { return 0; }
    virtual DWORD SetExtendedStyle(DWORD /*style*/) { return 0; }
    virtual int DeleteAllItems() { return 0; }
    virtual int DeleteAllColumns() { return 0; }
    virtual int SetColumnWidth(int /*column*/, int /*width*/) { return 0; }
    virtual int SetColumnHidden(int /*column*/, bool /*hidden*/) { return 0; }
    virtual void SetColumnTextAlign(int /*column*/, UINT /*format*/) {}
    virtual void SetItemWidget(int /*row*/, int /*column*/, void* /*widget*/) {}
    virtual void SetItemIcon(int /*row*/, int /*column*/, LPCWSTR /*icon*/) {}
    virtual void SetObjectName(LPCWSTR /*name*/) {}
    virtual void SetHorizontalHeaderVisible(int /*visible*/) {}
    virtual void ScrollToBottom() {}
    virtual void ScrollToTop() {}
    virtual void SetToolTipText(int /*row*/, int /*column*/, LPCWSTR /*text*/) {}
    virtual void SetShowGrid(int /*show*/) {}
    virtual int GetFirstSelectedRow() { return -1; }
    virtual int InsertRow(int /*row*/) { return 0; }
    virtual int SetItemCheckBox(int /*row*/) { return 0; }
    virtual int SetAllCheck() { return 1; }
    virtual void SetRowColor(int /*row*/, int /*red*/, int /*green*/, int /*blue*/) {}
    virtual void SetItemSelected(int /*row*/, int /*column*/, bool /*selected*/) {}

protected:
    IKWListCtrlEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWListCtrl* CreateKWListCtrl(IKWListCtrlEvent* listener);
