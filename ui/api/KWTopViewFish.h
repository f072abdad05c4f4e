#pragma once
// The fisheye calculator's top view: rings of equal pixel density around the camera.

#include "base/platform/KWWinTypes.h"

#include <map>
#include <string>

// The fisheye top view reports nothing; its listener has no operations.
class IKWTopViewFishEvent {
public:
protected:
    // Listeners are never deleted through their interface.
    ~IKWTopViewFishEvent() = default;
};

class CKWTopViewFish {
public:
    explicit CKWTopViewFish(IKWTopViewFishEvent* listener) : m_pListener(listener) {}
    CKWTopViewFish(const CKWTopViewFish&) = default;
    CKWTopViewFish& operator=(const CKWTopViewFish&) = default;
    virtual ~CKWTopViewFish() = default;

    virtual int Create(DWORD /*style*/, const RECT& /*rect*/, void* /*parent*/, UINT /*id*/) { return 0; }
    virtual void ShowWindow(int /*show*/) {}
    virtual void MoveWindow(RECT* /*rect*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    virtual int SetImage(LPCWSTR /*camera*/, LPCWSTR /*person*/, LPCWSTR /*sector*/) { return 0; }
    virtual void SetParam(double /*angle*/, double /*width*/) {}
    // rings: ring radius in metres -> its label text
    virtual void SetRadiusPPM(std::map<double, std::wstring> /*rings*/, bool /*refresh*/) {}
    virtual void SetInstWay(bool /*ceiling*/) {}
    virtual void OnView_ChangeUnit(int /*metric*/) {}
    virtual void SetRectTimes(double /*times*/) {}

protected:
    IKWTopViewFishEvent* m_pListener; // not owned
};

// Made by the control's Qt implementation; null when it cannot be made.
CKWTopViewFish* CreateKWTopViewFish(IKWTopViewFishEvent* listener);
