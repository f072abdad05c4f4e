#pragma once
// Picture loaded from a file; an interface without a Qt implementation. It reports
// through the picture control's listener.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWPictureCtrl.h"

class CKWPictureEx {
public:
    explicit CKWPictureEx(IKWPictureCtrlEvent* listener = nullptr) : m_pListener(listener) {}
    CKWPictureEx(const CKWPictureEx&) = default;
    CKWPictureEx& operator=(const CKWPictureEx&) = default;
    virtual ~CKWPictureEx() = default;

    virtual int Create(LPCWSTR /*text*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void SetCursor() {}
    virtual int SetSkin() { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int Draw() { return 0; }
    virtual int Load(LPCWSTR /*path*/, int /*flag*/) { return 0; }

protected:
    IKWPictureCtrlEvent* m_pListener; // not owned
};
