#pragma once
// A second side view the framework declares beside CKWVerticalSceneC; an
// interface without a Qt implementation. It reports through the IPC side
// view's listener.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"
#include "ui/api/KWVerticalSceneC.h"

class CKWVerticalScene {
public:
    explicit CKWVerticalScene(IKWVerticalSceneCEvent* listener = nullptr) : m_pListener(listener) {}
    CKWVerticalScene(const CKWVerticalScene&) = default;
    CKWVerticalScene& operator=(const CKWVerticalScene&) = default;
    virtual ~CKWVerticalScene() = default;

    virtual int Create(LPCWSTR /*name*/, DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 1; }
    virtual void SetCursor() {}
    virtual int SetSkin(ImageVericalStyle* /*style*/) { return 1; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual void SetObjectDW(int /*distance*/, int /*width*/) {}
    virtual void SetRealXY(int /*x*/, int /*y*/) {}
    virtual void SetVirtualHeight(double /*height*/) {}
    virtual void SetRes(int /*horizontal*/, int /*vertical*/) {}

protected:
    IKWVerticalSceneCEvent* m_pListener; // not owned
};
