#pragma once
// The IPC calculator's side view: the installation in vertical section, with
// draggable handles for the camera height, blind distance, target distance and
// target height.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

// Reports of the IPC side view. Lengths are in the view's current unit, angles in
// degrees.
class IKWVerticalSceneCEvent {
public:
    virtual void OnBlindDistanceChanged(double /*blindDistance*/, double /*lengthMaximum*/) {}
    // Never called.
    virtual void Reserved1(double /*value1*/, double /*value2*/, double /*value3*/, double /*value4*/) {}
    virtual void OnInstallChanged(double /*installAngle*/, double /*installHeight*/) {}
    // Never called.
    virtual void Reserved3(double /*value*/) {}
    virtual void OnHeightAxisMaxChanged(double /*heightMaximum*/) {}
    virtual void OnLengthAxisRangeChanged(double /*minimumDistance*/, double /*lengthMaximum*/) {}
    virtual void OnTarHDistanceChanged(double /*targetDistance*/) {}
    virtual void OnTargetViewHeightsChanged(double /*top*/, double /*bottom*/) {}
    virtual void OnTargetHeightChanged(double /*targetHeight*/) {}

protected:
    // Listeners are never deleted through their interface.
    ~IKWVerticalSceneCEvent() = default;
};

class CKWVerticalSceneC {
public:
    explicit CKWVerticalSceneC(IKWVerticalSceneCEvent* listener = nullptr) : m_pListener(listener) {}
    CKWVerticalSceneC(const CKWVerticalSceneC&) = default;
    CKWVerticalSceneC& operator=(const CKWVerticalSceneC&) = default;
    virtual ~CKWVerticalSceneC() = default;

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
    virtual void SetParam(double /*verticalAngle*/, double /*targetDistance*/, double /*installHeight*/, double /*installAngle*/, double /*unused*/) {}
    virtual void SetInstAngle(double /*angle*/) {}
    virtual void SetTarHDistance(double /*distance*/) {}
    virtual void OnView_ChangeUnit(int /*metric*/) {}
    virtual void SetRectTimes(double /*times*/) {}
    virtual void ChangeXYLangage(LPCWSTR /*heightCaption*/, LPCWSTR /*lengthCaption*/) {}

protected:
    IKWVerticalSceneCEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWVerticalSceneC* CreateKWVerticalSceneC(IKWVerticalSceneCEvent* listener);
