#pragma once
// The fisheye tool's parameter panel: the fisheye model, ceiling or wall
// mounting, the mount height, the target's height and its distance. It
// passes them to the fisheye views and computes the pixel density on the
// target and the rings of equal density.

#include "app/calc/FishCalc.h"
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

#include <memory>

class CKWPictureCtrl;
class CKWStatic;
class CFish3DViewEventImp;
class CFishSideViewEventImp;
class CMainFrameEventImp;

// Control ids; the marker buttons' commands reach the message map.
constexpr UINT kFishIdModelCombo = 100;
constexpr UINT kFishIdInstallHeight = 103;
constexpr UINT kFishIdInstallHeightMarker = 104;
constexpr UINT kFishIdObjectHeight = 107;
constexpr UINT kFishIdObjectHeightMarker = 108;
constexpr UINT kFishIdSlider = 112;
constexpr UINT kFishIdCeilingRadio = 114;
constexpr UINT kFishIdWallRadio = 115;
constexpr UINT kFishIdObjectDistance = 124;
constexpr UINT kFishIdObjectDistanceMarker = 125;

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
    static boost::shared_ptr<CFishParameterSettingEventImp> CreateInstance(
        const boost::weak_ptr<CMainFrameEventImp>& mainFrame);
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
    // Metre/foot switch: non-zero metric is metres.
    void OnView_ChangeUnit(int metric);
    void SetHeightAxisMax(double max);
    // The stored lengths, in the panel's unit (metres or feet).
    double GetInstallHeight() const { return m_installHeight; }
    double GetObjectHeight() const { return m_objectHeight; }
    double GetObjectDistance() const { return m_objectDistance; }
    bool IsMetric() const { return m_metric; }

    // The panel's controls, for tests (null before OnCreate).
    CKWRadioBox* GetCeilingRadio() const { return m_pCeilingRadio; }
    CKWRadioBox* GetWallRadio() const { return m_pWallRadio; }
    CKWComboBox* GetModelCombo() const { return m_pModelCombo; }
    CKWDoubleSpiner* GetInstallHeightSpin() const { return m_pInstallHeightSpin; }
    CKWDoubleSpiner* GetObjectHeightSpin() const { return m_pObjectHeightSpin; }
    CKWDoubleSpiner* GetObjectDistanceSpin() const { return m_pObjectDistanceSpin; }
    CKWStatic* GetInstallHeightUnit() const { return m_pInstallHeightUnit; }
    CKWStatic* GetModelLabel() const { return m_pModelLabel; }
    CKWStatic* GetObjectDistanceLabel() const { return m_pObjectDistanceLabel; }

    // Density on the target to the main frame's display while the fisheye
    // tool is the current one; rings of equal density to the top view.
    // Virtual so that a test can see which handler runs which.
    virtual void CalcTargetPPM();
    virtual void CalcRingPPM();

    KW_BEGIN_MSGMAP(CFishParameterSettingEventImp)
        KW_COMMAND(kFishIdInstallHeightMarker, OnInstallHeightMarker)
        KW_COMMAND(kFishIdObjectHeightMarker, OnObjectHeightMarker)
        KW_COMMAND(kFishIdObjectDistanceMarker, OnObjectDistanceMarker)
    KW_END_MSGMAP()

private:
    // The panel's values as the calculations read them.
    FishInputs CurrentInputs() const;
    // The lens table of the chosen model, as the database manager holds it;
    // null while the fisheye tool is not shown.
    std::shared_ptr<const FishLensTable> CurrentLensTable(
        const boost::shared_ptr<CMainFrameEventImp>& mainFrame, int modelIndex) const;
    // The mount type to the three fisheye views and the density display.
    void ApplyMountType(bool ceiling);
    void SetUnitTexts();
    // Ceiling mount: the person can be no taller than the camera is high.
    void ClampObjectHeightToCeiling();
    void CalcAll();
    boost::shared_ptr<CFish3DViewEventImp> Fish3DView() const;
    boost::shared_ptr<CFishSideViewEventImp> FishSideView() const;

    bool m_metric = true;
    CKWStatic* m_pTitleBar = nullptr;
    CKWStatic* m_pTitleCap = nullptr;
    CKWView* m_view = nullptr;
    CKWRadioBox* m_pCeilingRadio = nullptr;
    CKWRadioBox* m_pWallRadio = nullptr;
    CKWPictureCtrl* m_pCeilingPicture = nullptr;
    CKWPictureCtrl* m_pWallPicture = nullptr;
    CKWStatic* m_pModelLabel = nullptr;
    CKWComboBox* m_pModelCombo = nullptr;
    CKWStatic* m_pInstallHeightLabel = nullptr;
    CKWDoubleSpiner* m_pInstallHeightSpin = nullptr;
    CKWStatic* m_pInstallHeightUnit = nullptr;
    CKWButton* m_pInstallHeightMarker = nullptr;
    CKWStatic* m_pObjectHeightLabel = nullptr;
    CKWDoubleSpiner* m_pObjectHeightSpin = nullptr;
    CKWStatic* m_pObjectHeightUnit = nullptr;
    CKWButton* m_pObjectHeightMarker = nullptr;
    CKWStatic* m_pSliderMinLabel = nullptr;
    CKWStatic* m_pSliderMaxLabel = nullptr;
    CKWSliderCtrl* m_pSlider = nullptr;
    CKWStatic* m_pObjectDistanceLabel = nullptr;
    CKWDoubleSpiner* m_pObjectDistanceSpin = nullptr;
    CKWStatic* m_pObjectDistanceUnit = nullptr;
    CKWButton* m_pObjectDistanceMarker = nullptr;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
    double m_installHeight = 2.0;
    double m_objectHeight = 1.7;
    double m_objectDistance = 2.0;
};
