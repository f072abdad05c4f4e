#pragma once
// Skinned drop-down list.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class IKWComboBoxEvent {
public:
    virtual void SelectChanged(int /*id*/, int /*index*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWComboBoxEvent() = default;
};

class CKWComboBox {
public:
    explicit CKWComboBox(IKWComboBoxEvent* listener) : m_pListener(listener) {}
    CKWComboBox(const CKWComboBox&) = default;
    CKWComboBox& operator=(const CKWComboBox&) = default;
    virtual ~CKWComboBox() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageComboBoxStyle* /*style*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int AddString(LPCWSTR /*text*/) { return 0; }
    virtual int DeleteString(UINT /*index*/) { return 0; }
    virtual int GetLBText(int /*index*/, WCHAR* /*buffer*/) const { return 0; }
    virtual int SetLBText(int /*index*/, WCHAR* /*text*/) { return 0; }
    virtual int GetCurSel() const { return -1; }
    virtual int SetCurSel(int /*index*/) { return 0; }
    virtual int GetCount() const { return 0; }
    virtual void EnableWindow(int /*enable*/) {}
    virtual void SetOriginStyle(int /*native*/) {}
    virtual void Clear() {}
    virtual void ResetContent() {}

protected:
    IKWComboBoxEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWComboBox* CreateKWComboBox(IKWComboBoxEvent* listener);
