#pragma once
// IPv4 address editor; an interface without a Qt implementation.

#include "base/platform/KWWinTypes.h"

// Nothing fires its operations.
class IKWIPAddressCtrlEvent {
public:
    virtual void IPADDR_OnLButtonDown() = 0;
    virtual void IPADDR_OnLButtonUp() = 0;
    virtual void IPADDR_OnMouseMove() = 0;

protected:
    // Listeners are never deleted through their interface.
    ~IKWIPAddressCtrlEvent() = default;
};

class CKWIPAddressCtrl {
public:
    explicit CKWIPAddressCtrl(IKWIPAddressCtrlEvent* listener) : m_pListener(listener) {}
    CKWIPAddressCtrl(const CKWIPAddressCtrl&) = default;
    CKWIPAddressCtrl& operator=(const CKWIPAddressCtrl&) = default;
    virtual ~CKWIPAddressCtrl() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetAddress(DWORD /*address*/) {}
    virtual void SetAddress(BYTE /*field0*/, BYTE /*field1*/, BYTE /*field2*/, BYTE /*field3*/) {}
    virtual int GetAddress(DWORD& /*address*/) { return 0; }
    virtual int GetAddress(BYTE& /*field0*/, BYTE& /*field1*/, BYTE& /*field2*/, BYTE& /*field3*/) { return 0; }
    virtual void ClearAddress() {}

protected:
    IKWIPAddressCtrlEvent* m_pListener; // not owned
};
