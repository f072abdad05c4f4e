#pragma once
// The IPC tool's parameter panel: the camera (model, resolution, sensor
// format, focal length) and the installation (mount height, tilt, distance to
// the target). It answers its controls, takes the values the user drags in
// the side view, and computes the angles of view and the pixel density.

#include "app/DatabaseRecords.h"
#include "app/IModelSelectDlgOwner.h"
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

#include <functional>
#include <map>
#include <string>
#include <vector>

class CKWStatic;
class CMainFrameEventImp;
class CModelSelectDlgEventImp;

// Control ids of the panel.
constexpr UINT kIdCameraModeCombo = 100;
constexpr UINT kIdSensorFormatCombo = 101;
constexpr UINT kIdResolutionMarker = 102;
constexpr UINT kIdInstallHeightSpin = 103;
constexpr UINT kIdInstallHeightMarker = 104;
constexpr UINT kIdInstallAngleSpin = 105;
constexpr UINT kIdInstallAngleMarker = 106;
constexpr UINT kIdDistanceSpin = 107;
constexpr UINT kIdDistanceMarker = 108;
constexpr UINT kIdVDistanceSpin = 109;
constexpr UINT kIdVDistanceMarker = 110;
constexpr UINT kIdFocalSpin = 111;
constexpr UINT kIdFocalSlider = 112;
constexpr UINT kIdUserDefinedRadio = 114;
constexpr UINT kIdModelSelectRadio = 115;
constexpr UINT kIdFixedFocalCombo = 121;
constexpr UINT kIdModelCombo = 320;
constexpr UINT kIdFocalCombo = 321;

class CParameterSettingEventImp : public IKWViewEvent,
                                  public IKWDoubleSpinerEvent,
                                  public IKWButtonEvent,
                                  public IKWRadioBoxEvent,
                                  public IKWComboBoxEvent,
                                  public IKWSliderCtrlEvent,
                                  public IKW3DViewEvent,
                                  public IModelSelectDlgOwner,
                                  public boost::enable_shared_from_this<CParameterSettingEventImp> {
public:
    // Names every call the panel makes to a view or to the display, and every
    // calculation it starts, in order. For tests and diagnostics.
    using CallTrace = std::function<void(const char* call)>;

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

    // IModelSelectDlgOwner: the model selection dialog lives under the main
    // window and reports the model the user confirmed.
    void* GetModelSelectParentWnd() override;
    void ApplyModelName(const wchar_t* name) override;
    boost::shared_ptr<CModelSelectDlgEventImp> GetModelSelectDlg() const { return m_modelSelectDlg; }

    // Camera set-up from m_model.
    void FillSensorFormats();
    void ShowMegapixel(const std::string& text);
    void ShowSensorFormat(const std::string& text);
    void SetupFocalControls();
    void ShowFocalControls(bool show);

    void SetCallTrace(CallTrace trace) { m_callTrace = std::move(trace); }

    // State, for the main frame and for tests.
    const std::wstring& GetModelName() const { return m_modelName; }
    const ModelRecord& GetModel() const { return m_model; }
    const std::map<std::wstring, int>& GetModelTable() const { return m_modelTable; }
    bool IsMetric() const { return m_isMetric; }
    bool IsFixedFocal() const { return m_fixedFocal; }
    bool HasDefaultModelLabel() const { return m_defaultModelLabel; }
    double GetInstallHeight() const { return m_installHeight; }
    double GetInstallHeightMin() const { return m_installHeightMin; }
    double GetInstallAngle() const { return m_installAngle; }
    double GetTargetDistance() const { return m_targetDistance; }
    double GetHeightAxisMax() const { return m_heightAxisMax; }
    double GetLengthAxisMin() const { return m_lengthAxisMin; }
    double GetLengthAxisMax() const { return m_lengthAxisMax; }
    double GetVerticalAngle() const { return m_verticalAngle; }
    double GetTargetTop() const { return m_targetTop; }
    double GetTargetBottom() const { return m_targetBottom; }
    double GetTargetHeight() const { return m_targetHeight; }

    // The controls, for tests (null before OnCreate).
    CKWRadioBox* GetUserDefinedRadio() const { return m_pUserDefinedRadio; }
    CKWRadioBox* GetModelSelectRadio() const { return m_pModelSelectRadio; }
    CKWComboBox* GetModelCombo() const { return m_pModelCombo; }
    CKWComboBox* GetCameraModeCombo() const { return m_pCameraModeCombo; }
    CKWStatic* GetMegapixelStatic() const { return m_pMegapixel; }
    CKWComboBox* GetSensorFormatCombo() const { return m_pSensorFormatCombo; }
    CKWStatic* GetResolutionStatic() const { return m_pResolution; }
    CKWDoubleSpiner* GetInstallHeightSpin() const { return m_pInstallHeightSpin; }
    CKWDoubleSpiner* GetInstallAngleSpin() const { return m_pInstallAngleSpin; }
    CKWDoubleSpiner* GetDistanceSpin() const { return m_pDistanceSpin; }
    CKWStatic* GetInstallHeightUnit() const { return m_pInstallHeightUnit; }
    CKWStatic* GetDistanceUnit() const { return m_pDistanceUnit; }
    CKWDoubleSpiner* GetFocalSpin() const { return m_pFocalSpin; }
    CKWComboBox* GetFixedFocalCombo() const { return m_pFixedFocalCombo; }
    CKWStatic* GetMmStatic() const { return m_pMmUnit; }
    CKWStatic* GetMinFocalStatic() const { return m_pMinFocal; }
    CKWStatic* GetMaxFocalStatic() const { return m_pMaxFocal; }
    CKWSliderCtrl* GetFocalSlider() const { return m_pFocalSlider; }
    CKWStatic* GetHeaderStatic() const { return m_pHeader; }

    KW_BEGIN_MSGMAP(CParameterSettingEventImp)
        KW_COMMAND(104, OnInstallHeightMarker)
        KW_COMMAND(102, OnResolutionMarker)
        KW_COMMAND(106, OnInstallAngleMarker)
        KW_COMMAND(108, OnHDistanceMarker)
    KW_END_MSGMAP()

private:
    void Trace(const char* call) const;
    void CreateControls();
    // Loads m_modelName's record and shows its resolution.
    void LoadModelRecord();
    // Back to the user-defined camera's controls after radio 114 or a
    // cancelled model dialog.
    void SelectUserDefinedCamera();
    // Runs the model selection dialog centred on the main window; its result
    // (1 when a model was confirmed) and the model. Without a dialog handler
    // this is a cancelled dialog.
    int RunModelSelectDialog(std::wstring* model);
    // The focal length the fixed-focal combo shows, as a number.
    double FixedFocalValue() const;
    bool IsUserDefined() const;

    std::wstring m_modelName;
    ModelRecord m_model;
    SensorRow m_userSensor;
    double m_targetTop = 0.0;
    double m_targetBottom = 0.0;
    double m_targetHeight = 0.0;
    double m_verticalAngle = 101.9289749;
    bool m_isMetric = true;

    CKWStatic* m_pHeader = nullptr;
    CKWStatic* m_pHeaderSquare = nullptr;
    CKWView* m_view = nullptr;
    CKWRadioBox* m_pUserDefinedRadio = nullptr;
    CKWRadioBox* m_pModelSelectRadio = nullptr;
    CKWComboBox* m_pModelCombo = nullptr;
    CKWStatic* m_pModelLabel = nullptr;
    CKWStatic* m_pCameraModeLabel = nullptr;
    CKWComboBox* m_pCameraModeCombo = nullptr;
    CKWStatic* m_pMegapixel = nullptr;
    CKWStatic* m_pTargetLabel = nullptr;
    CKWComboBox* m_pSensorFormatCombo = nullptr;
    CKWStatic* m_pResolutionLabel = nullptr;
    CKWStatic* m_pResolution = nullptr;
    CKWButton* m_pResolutionMarker = nullptr;
    CKWStatic* m_pInstallHeightLabel = nullptr;
    CKWDoubleSpiner* m_pInstallHeightSpin = nullptr;
    CKWStatic* m_pInstallHeightUnit = nullptr;
    CKWButton* m_pInstallHeightMarker = nullptr;
    CKWStatic* m_pInstallAngleLabel = nullptr;
    CKWDoubleSpiner* m_pInstallAngleSpin = nullptr;
    CKWStatic* m_pDegree = nullptr;
    CKWButton* m_pInstallAngleMarker = nullptr;
    CKWStatic* m_pAngleNote = nullptr;
    CKWStatic* m_pDistanceLabel = nullptr;
    CKWDoubleSpiner* m_pDistanceSpin = nullptr;
    CKWStatic* m_pDistanceUnit = nullptr;
    CKWButton* m_pDistanceMarker = nullptr;
    CKWStatic* m_pVDistanceLabel = nullptr;
    CKWDoubleSpiner* m_pVDistanceSpin = nullptr;
    CKWStatic* m_pVDistanceUnit = nullptr;
    CKWButton* m_pVDistanceMarker = nullptr;
    CKWStatic* m_pFocalLabel = nullptr;
    CKWComboBox* m_pFocalCombo = nullptr;
    CKWDoubleSpiner* m_pFocalSpin = nullptr;
    CKWComboBox* m_pFixedFocalCombo = nullptr;
    CKWStatic* m_pMmUnit = nullptr;
    CKWStatic* m_pMinFocal = nullptr;
    CKWStatic* m_pMaxFocal = nullptr;
    CKWSliderCtrl* m_pFocalSlider = nullptr;

    bool m_fixedFocal = true;
    boost::weak_ptr<CMainFrameEventImp> m_mainFrame;
    boost::shared_ptr<CModelSelectDlgEventImp> m_modelSelectDlg;
    bool m_defaultModelLabel = true;

    double m_lengthAxisMax = 22.9133858;
    double m_lengthAxisMin = 0.39;
    double m_targetDistance = 10.0;
    double m_heightAxisMax = 10.0;
    double m_installHeightMin = 0.5;
    double m_installHeight = 7.0;
    double m_installAngle = 55.21;

    std::map<std::wstring, int> m_modelTable;

    // GetLBText copies without a bound: buffers are sized to the longest
    // item each combo was given.
    size_t m_longestModelName = 0;
    size_t m_longestFixedFocal = 0;
    CallTrace m_callTrace;
};
