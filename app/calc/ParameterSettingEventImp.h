#pragma once
// The IPC tool's parameter panel: the camera (model, resolution, sensor
// format, focal length) and the installation (mount height, tilt, distance to
// the target). It answers its controls, takes the values the user drags in
// the side view, and computes the angles of view and the pixel density.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KW3DView.h"
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
class CModelSelectDlgEventImp;

class CParameterSettingEventImp : public IKWViewEvent,
                                  public IKWDoubleSpinerEvent,
                                  public IKWButtonEvent,
                                  public IKWRadioBoxEvent,
                                  public IKWComboBoxEvent,
                                  public IKWSliderCtrlEvent,
                                  public IKW3DViewEvent,
                                  public boost::enable_shared_from_this<CParameterSettingEventImp> {
public:
    explicit CParameterSettingEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
    ~CParameterSettingEventImp() override;

    CParameterSettingEventImp(const CParameterSettingEventImp&) = delete;
    CParameterSettingEventImp& operator=(const CParameterSettingEventImp&) = delete;

    // make_shared, then CreatePanelView.
    static boost::shared_ptr<CParameterSettingEventImp> CreateInstance(const boost::shared_ptr<CMainFrameEventImp>& mainFrame);
    // Creates the panel's view as a visible child of the main window; the
    // view's creation runs OnCreate.
    void CreatePanelView();
    CKWView* GetView() const { return m_view; }

    // IKWViewEvent
    int OnCreate() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    // IKWDoubleSpinerEvent
    void OnCurrentNumChanged(UINT id, double value) override;
    // IKWRadioBoxEvent
    void RADIO_OnClicked(int selected, int id, POINT point) override;
    // IKWComboBoxEvent
    void SelectChanged(int id, int index) override;
    // IKWSliderCtrlEvent
    void KW_OnSliderPos(int id, int pos) override;

    // Commands of the 3D-view marker buttons
    void OnInstallHeightMarker();
    void OnResolutionMarker();
    void OnInstallAngleMarker();
    void OnHDistanceMarker();

    // Reports of the side view, in the display unit.
    void SetHeightAxisMax(double max);
    void SetLengthAxisRange(double min, double max);
    void SetInstallFromView(double angle, double height);
    void SetTarHDistance(double distance);
    void SetTargetViewHeights(double top, double bottom);
    void SetTargetHeight(double height);

    // Metre/foot switch: non-zero metric is metres.
    void OnView_ChangeUnit(int metric);
    void RetranslateTexts();

    // Angles of view to the side and top views; pixel density to the main
    // frame's display while the IPC tool is the current one.
    void CalcViewAngles();
    void CalcPPM();

    // The model the model selection dialog confirmed.
    void ApplyModelName(const wchar_t* name);
    boost::shared_ptr<CModelSelectDlgEventImp> GetModelSelectDlg() const { return m_modelSelectDlg; }

    KW_BEGIN_MSGMAP(CParameterSettingEventImp)
        KW_COMMAND(104, OnInstallHeightMarker)
        KW_COMMAND(102, OnResolutionMarker)
        KW_COMMAND(106, OnInstallAngleMarker)
        KW_COMMAND(108, OnHDistanceMarker)
    KW_END_MSGMAP()

private:
    CKWView* m_view = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
    boost::shared_ptr<CModelSelectDlgEventImp> m_modelSelectDlg;
};
