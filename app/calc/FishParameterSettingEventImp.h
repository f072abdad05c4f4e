#pragma once
// The fisheye tool's parameter panel: the fisheye model, ceiling or wall
// mounting, the mount height, the target's height and its distance. It
// passes them to the fisheye views and computes the pixel density on the
// target and the rings of equal density.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWButton.h"
#include "ui/api/KWComboBox.h"
#include "ui/api/KWDoubleSpiner.h"
#include "ui/api/KWRadioBox.h"
#include "ui/api/KWSliderCtrl.h"
#include "ui/api/KWView.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

class CMainFrameEventImp;

class CFishParameterSettingEventImp : public IKWViewEvent,
                                      public IKWDoubleSpinerEvent,
                                      public IKWButtonEvent,
                                      public IKWRadioBoxEvent,
                                      public IKWComboBoxEvent,
                                      public IKWSliderCtrlEvent,
                                      public boost::enable_shared_from_this<CFishParameterSettingEventImp> {
public:
    explicit CFishParameterSettingEventImp(const boost::weak_ptr<CMainFrameEventImp>& mainFrame);
    ~CFishParameterSettingEventImp() override;

    CFishParameterSettingEventImp(const CFishParameterSettingEventImp&) = delete;
    CFishParameterSettingEventImp& operator=(const CFishParameterSettingEventImp&) = delete;

    // make_shared, then the panel's view as a visible child of the main
    // window; the view's creation runs OnCreate.
    static boost::shared_ptr<CFishParameterSettingEventImp> CreateInstance(const boost::weak_ptr<CMainFrameEventImp>& mainFrame);
    CKWView* GetView() const { return m_view; }

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    // IKWDoubleSpinerEvent
    void OnCurrentNumChanged(UINT id, double value) override;
    // IKWRadioBoxEvent
    void RADIO_OnClicked(int checked, int id, POINT point) override;
    // IKWComboBoxEvent
    void SelectChanged(int id, int sel) override;
    // IKWSliderCtrlEvent
    void KW_OnSliderPos(int id, int pos) override;

    // Commands of the 3D-view marker buttons
    void OnInstallHeightMarker();
    void OnObjectHeightMarker();
    void OnObjectDistanceMarker();

    void RetranslateTexts();
    // True while the ceiling mount is chosen.
    bool IsTopInstall() const;
    // Reports of the fisheye side view, in the panel's unit.
    void SetInstallHeight(double height);
    void SetObjectHeight(double height);
    void SetObjectDistance(double distance);
    // The mount and object heights the panel holds, in its unit.
    double GetInstallHeight() const;
    double GetObjectHeight() const;
    // Metre/foot switch: non-zero metric is metres.
    void OnView_ChangeUnit(int metric);
    void SetHeightAxisMax(double max);

    // Density on the target to the main frame's display while the fisheye
    // tool is the current one; rings of equal density to the top view.
    void CalcTargetPPM();
    void CalcRingPPM();

    KW_BEGIN_MSGMAP(CFishParameterSettingEventImp)
        KW_COMMAND(104, OnInstallHeightMarker)
        KW_COMMAND(108, OnObjectHeightMarker)
        KW_COMMAND(125, OnObjectDistanceMarker)
    KW_END_MSGMAP()

private:
    CKWView* m_view = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
};
