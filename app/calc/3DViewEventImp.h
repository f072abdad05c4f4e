#pragma once
// Holds the IPC tool's 3D picture in a container view with a title line and
// forwards the panel's marker commands and model picture to it.

#include "app/calc/3DViewControllerBase.h"
#include "base/platform/KWWinTypes.h"

#include <boost/shared_ptr.hpp>

#include <string>

class CMainFrameEventImp;

class C3DViewEventImp : public C3DViewControllerBase {
public:
    explicit C3DViewEventImp(const boost::shared_ptr<CMainFrameEventImp>& owner);
    ~C3DViewEventImp() override;

    C3DViewEventImp(const C3DViewEventImp&) = delete;
    C3DViewEventImp& operator=(const C3DViewEventImp&) = delete;

    // make_shared, then CreateContainerView.
    static boost::shared_ptr<C3DViewEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& owner);

    // IKWViewEvent
    int OnCreate() override;
    void OnSize(UINT type, int cx, int cy) override;

    // Forwarders to the scene, besides the shared ones
    void AddResolution(double value);
    void AddInstAngle();
    // Shows the picture named after the model: blanks become '_', ".png" is appended.
    void SetBgImageByName(const wchar_t* name);

    KW_BEGIN_MSGMAP(C3DViewEventImp)
    KW_END_MSGMAP()

protected:
    const wchar_t* TitleText() const override;

private:
    // The picture of the model last chosen (the first model's until then),
    // shown again after every resize.
    std::wstring m_modelPicture;
};
