#include "app/calc/ParameterSettingEventImp.h"

#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/ModelSelectDlgEventImp.h"
#include "app/NumberText.h"
#include "app/calc/3DViewEventImp.h"
#include "app/calc/ComboItems.h"
#include "app/calc/IPCCalc.h"
#include "app/calc/IPCCameraSetup.h"
#include "app/calc/IPCPanelControlMaker.h"
#include "app/calc/IPCPanelLayout.h"
#include "app/calc/PanelControls.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "base/KWRoundToHundredths.h"
#include "base/KWStreamConvert.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWStatic.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct BuiltInModel {
    const wchar_t* name;
    int id;
};

// The camera models the model combo offers, generated from the product
// catalogue. One name is listed twice; the map keeps its first id.
const BuiltInModel kBuiltInModels[] = {
#include "BuiltInModels.inc"
};

constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
constexpr UINT kHeaderColour = 0xE2D7D0;
// Both texts the 3D view's resolution marker was designed for; the marker
// shows its own picture and takes no number.
constexpr double kResolutionMarkerWidth = 3687.0;

// The child the main frame's getter gives, or empty when the main frame is
// gone or has not made that child yet: the call is then skipped.
template <class T>
boost::shared_ptr<T> ChildOf(const boost::weak_ptr<CMainFrameEventImp>& owner,
    boost::shared_ptr<T> (CMainFrameEventImp::*getter)() const)
{
    const boost::shared_ptr<CMainFrameEventImp> frame = owner.lock();
    return frame ? ((*frame).*getter)() : boost::shared_ptr<T>();
}

void SetText(CKWStatic* label, const wchar_t* text)
{
    if (label != nullptr) {
        label->SetStaticText(text, false);
    }
}

void SetText(CKWStatic* label, const std::wstring& text)
{
    SetText(label, text.c_str());
}

} // namespace

CParameterSettingEventImp::CParameterSettingEventImp(const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
    m_model.FLtype = "3";
    m_model.value = { { 1, "0.5" }, { 2, "100" } };
    std::memset(&m_userSensor, 0, sizeof(m_userSensor));
    for (const BuiltInModel& model : kBuiltInModels) {
        m_modelTable.insert({ model.name, model.id });
        m_longestModelName = std::max(m_longestModelName, std::wcslen(model.name));
    }
}

// The controls belong to their Qt parent and went with the main window
// before the panel is released.
CParameterSettingEventImp::~CParameterSettingEventImp()
{
    m_view = nullptr;
}

boost::shared_ptr<CParameterSettingEventImp> CParameterSettingEventImp::CreateInstance(
    const boost::shared_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CParameterSettingEventImp> panel
        = boost::make_shared<CParameterSettingEventImp>(mainFrame);
    panel->CreatePanelView();
    return panel;
}

void CParameterSettingEventImp::CreatePanelView()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    m_view = CreateKWView(this);
    if (m_view == nullptr) {
        return;
    }
    m_view->SetBGClr(0xFFFFFFu);
    m_view->Create(
        nullptr, L"", kVisibleChild, CKWRect(0, 0, 100, 500), mainFrame->GetUIWnd(), static_cast<UINT>(-2));
}

void CParameterSettingEventImp::Trace(const char* call) const
{
    if (m_callTrace) {
        m_callTrace(call);
    }
}

void CParameterSettingEventImp::CreateControls()
{
    const IPCPanelLayout l = ComputeIPCPanelLayout(g_uiScale);
    CIPCPanelControlMaker make(this, GetUIWnd());

    m_pUserDefinedRadio = make.Radio(translate(L"  UserDefined"), l.radios, kIdUserDefinedRadio);
    m_pModelSelectRadio = make.Radio(translate(L"  ModelSelect"), l.radios, kIdModelSelectRadio);
    m_defaultModelLabel = true;
    m_pModelLabel = make.Static(translate(L"ModelSelect"), l.modelLabel, true);
    m_pHeader = make.Static(translate(L"Camera Information"), l.header, true);
    if (m_pHeader != nullptr) {
        m_pHeader->SetBgColor(kHeaderColour, 1);
    }
    m_pHeaderSquare = make.Static(translate(L""), l.headerSquare, true);
    if (m_pHeaderSquare != nullptr) {
        m_pHeaderSquare->SetBgColor(kHeaderColour, 1);
    }

    m_pModelCombo = make.Combo(l.modelCombo, kIdModelCombo, true, true);
    if (m_pModelCombo != nullptr) {
        for (const auto& entry : m_modelTable) {
            m_pModelCombo->AddString(entry.first.c_str());
        }
        m_pModelCombo->SetCurSel(0);
    }

    m_pCameraModeLabel = make.Static(translate(L"CameraMode:"), l.cameraModeLabel, true);
    m_pCameraModeCombo = make.Combo(l.cameraModeLabel, kIdCameraModeCombo, false);
    if (m_pCameraModeCombo != nullptr) {
        for (const wchar_t* mode : { L"12.0MP", L"8.0MP", L"6.0MP", L"5.0MP", L"4.0MP", L"3.0MP", L"2.0MP",
                 L"1.3MP", L"1.0MP", L"4.0MP", L"1.3MP" }) {
            m_pCameraModeCombo->AddString(mode);
        }
        m_pCameraModeCombo->SetCurSel(8);
        m_pCameraModeCombo->EnableWindow(0);
    }
    m_pMegapixel = make.Static(L"1.3MP", l.megapixel, true);

    m_pTargetLabel = make.Static(translate(L"Target:"), l.targetLabel, true);
    m_pSensorFormatCombo = make.Combo(l.sensorCombo, kIdSensorFormatCombo, true);
    if (m_pSensorFormatCombo != nullptr) {
        m_pSensorFormatCombo->AddString(L"1/2.8");
        m_pSensorFormatCombo->SetCurSel(0);
        m_pSensorFormatCombo->EnableWindow(0);
    }

    m_pResolutionLabel = make.Static(translate(L"Resolution:"), l.cameraModeLabel, false);
    m_pResolution = make.Static(translate(L"1280*720"), l.resolution, true);
    m_pResolutionMarker = make.Marker(l.resolutionMarker, kIdResolutionMarker);

    m_pInstallHeightLabel = make.Static(translate(L"InstallH:"), l.installHeightLabel, true);
    m_pInstallHeightSpin
        = make.Spin(l.installHeightSpin, kIdInstallHeightSpin, true, m_installHeightMin, m_heightAxisMax);
    if (m_pInstallHeightSpin != nullptr) {
        m_pInstallHeightSpin->SetCurrentNum(m_installHeight);
    }
    m_pInstallHeightUnit = make.Static(translate(L"m"), l.installHeightUnit, true, 12);
    m_pInstallHeightMarker = make.Marker(l.installHeightMarker, kIdInstallHeightMarker);

    m_pInstallAngleLabel = make.Static(translate(L"InstallA:"), l.installAngleLabel, true);
    m_pInstallAngleSpin = make.Spin(l.installAngleSpin, kIdInstallAngleSpin, true, 0.0, 180.0);
    if (m_pInstallAngleSpin != nullptr) {
        m_pInstallAngleSpin->SetCurrentNum(m_installAngle);
    }
    m_pDegree = make.Static(translate(L"°"), l.degree, true, 12);
    m_pInstallAngleMarker = make.Marker(l.installAngleMarker, kIdInstallAngleMarker);
    m_pAngleNote = make.Static(translate(L"(The angle of the vertical direction)"), l.angleNote, true, 12);

    m_pDistanceLabel = make.Static(translate(L"HDistance:"), l.distanceLabel, true);
    m_pDistanceSpin = make.Spin(l.distanceSpin, kIdDistanceSpin, true, m_lengthAxisMin, m_lengthAxisMax);
    if (m_pDistanceSpin != nullptr) {
        m_pDistanceSpin->SetCurrentNum(m_targetDistance);
    }
    m_pDistanceUnit = make.Static(translate(L"m"), l.distanceUnit, true, 12);
    m_pDistanceMarker = make.Marker(l.distanceMarker, kIdDistanceMarker);

    // The vertical-distance row is made but never shown or placed.
    m_pVDistanceLabel = make.Static(translate(L"VDistance:"), l.distanceLabel, false);
    m_pVDistanceSpin = make.Spin(l.distanceSpin, kIdVDistanceSpin, false, 0.0, 100.0);
    m_pVDistanceUnit = make.Static(translate(L"m"), l.distanceUnit, false);
    m_pVDistanceMarker = make.Marker(l.distanceMarker, kIdVDistanceMarker);

    m_pFocalLabel = make.Static(translate(L"FDistance:"), l.focalLabel, true);
    m_pFocalCombo = make.Combo(l.focalSpin, kIdFocalCombo, false);
    if (m_pFocalCombo != nullptr) {
        m_pFocalCombo->AddString(L"3.0");
        m_pFocalCombo->SetCurSel(0);
    }
    m_pFocalSpin = make.Spin(l.focalSpin, kIdFocalSpin, false, 0.5, 100.0);
    if (m_pFocalSpin != nullptr) {
        m_pFocalSpin->SetDecimals(1);
        m_pFocalSpin->SetCurrentNum(3.0);
    }
    m_pFixedFocalCombo = make.Combo(l.fixedFocalCombo, kIdFixedFocalCombo, true);
    if (m_pFixedFocalCombo != nullptr) {
        m_pFixedFocalCombo->AddString(L"3.0");
        m_pFixedFocalCombo->SetCurSel(0);
        m_longestFixedFocal = 3;
    }
    m_pMmUnit = make.Static(L"mm", l.mmUnit, true, 12);
    m_pMinFocal = make.Static(translate(L"0.5mm"), l.minFocal, true, 14, 6);
    m_pMaxFocal = make.Static(translate(L"100mm"), l.maxFocal, true);
    m_pFocalSlider = make.Slider(l.focalSlider, kIdFocalSlider);
    if (m_pFocalSlider != nullptr) {
        // The spin box beside it shows the focal length; a percentage of the
        // slider's travel would tell the user nothing.
        m_pFocalSlider->SetTooltipEnable(0, 1, 0);
        m_pFocalSlider->SetRange(50, 10000, 1);
        m_pFocalSlider->SetPos(300);
    }
}

int CParameterSettingEventImp::OnCreate()
{
    CreateControls();
    ShowFocalControls(true);

    const auto first = std::find_if(
        m_modelTable.begin(), m_modelTable.end(), [](const auto& entry) { return entry.second == 1; });
    if (first != m_modelTable.end()) {
        m_modelName = first->first;
    }
    LoadModelRecord();
    if (m_model.FLtype != "3") {
        m_fixedFocal = true;
    }
    ShowMegapixel(m_model.Pixel);
    ShowSensorFormat(m_model.strBM);
    SetupFocalControls();

    const auto serial0 = m_model.ViewH.find(0);
    const double horizontal = serial0 != m_model.ViewH.end() ? TextToDouble(serial0->second.c_str()) : 0.0;
    if (const auto top = ChildOf(m_mainFrame, &CMainFrameEventImp::GetTopView)) {
        Trace("UpdateVisualAngle");
        top->UpdateVisualAngle(horizontal);
    }
    return 1;
}

void CParameterSettingEventImp::OnDestroy() { }

void CParameterSettingEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/)
{
    const IPCPanelLayout l = ComputeIPCPanelLayout(g_uiScale);
    Move(m_pHeader, l.header);
    Move(m_pHeaderSquare, l.headerSquare);
    Move(m_pUserDefinedRadio, l.radios);
    Move(m_pModelSelectRadio, l.radios);
    Move(m_pModelLabel, l.modelLabel);
    Move(m_pModelCombo, l.modelCombo);
    Move(m_pCameraModeLabel, l.cameraModeLabel);
    Move(m_pMegapixel, l.megapixel);
    Move(m_pResolution, l.resolution);
    Move(m_pResolutionMarker, l.resolutionMarker);
    Move(m_pTargetLabel, l.targetLabel);
    Move(m_pSensorFormatCombo, l.sensorCombo);
    Move(m_pInstallHeightLabel, l.installHeightLabel);
    Move(m_pInstallHeightSpin, l.installHeightSpin);
    Move(m_pInstallHeightUnit, l.installHeightUnit);
    Move(m_pInstallHeightMarker, l.installHeightMarker);
    Move(m_pDistanceLabel, l.distanceLabel);
    Move(m_pDistanceSpin, l.distanceSpin);
    Move(m_pDistanceUnit, l.distanceUnit);
    Move(m_pDistanceMarker, l.distanceMarker);
    Move(m_pInstallAngleLabel, l.installAngleLabel);
    Move(m_pInstallAngleSpin, l.installAngleSpin);
    Move(m_pDegree, l.degree);
    Move(m_pInstallAngleMarker, l.installAngleMarker);
    Move(m_pAngleNote, l.angleNote);
    Move(m_pFocalLabel, l.focalLabel);
    Move(m_pFocalCombo, l.focalSpin);
    Move(m_pFocalSpin, l.focalSpin);
    Move(m_pFixedFocalCombo, l.fixedFocalCombo);
    Move(m_pMmUnit, l.mmUnit);
    Move(m_pMinFocal, l.minFocal);
    Move(m_pFocalSlider, l.focalSlider);
    Move(m_pMaxFocal, l.maxFocal);
}

void CParameterSettingEventImp::OnCurrentNumChanged(UINT id, double value)
{
    switch (id) {
    case kIdInstallHeightSpin:
        m_installHeight = value;
        if (const auto side = ChildOf(m_mainFrame, &CMainFrameEventImp::GetSideView)) {
            Trace("SetVirtualHeight");
            side->SetVirtualHeight(value);
        }
        break;
    case kIdInstallAngleSpin:
        m_installAngle = value;
        if (const auto side = ChildOf(m_mainFrame, &CMainFrameEventImp::GetSideView)) {
            Trace("SetInstAngle");
            side->SetInstAngle(value);
        }
        break;
    case kIdDistanceSpin:
        m_targetDistance = value;
        if (const auto side = ChildOf(m_mainFrame, &CMainFrameEventImp::GetSideView)) {
            Trace("SetTarHDistance");
            side->SetTarHDistance(value);
        }
        if (const auto top = ChildOf(m_mainFrame, &CMainFrameEventImp::GetTopView)) {
            Trace("UpdateVisibleWidth");
            top->UpdateVisibleWidth(value);
        }
        break;
    case kIdFocalSpin:
        // Setting the position does not call the panel back.
        if (m_pFocalSlider != nullptr) {
            m_pFocalSlider->SetPos(FocalToSliderPos(value));
        }
        break;
    default:
        break;
    }
    CalcViewAngles();
    CalcPPM();
}

void CParameterSettingEventImp::KW_OnSliderPos(int /*id*/, int pos)
{
    // Setting the box's value does not come back through OnCurrentNumChanged.
    if (m_pFocalSpin != nullptr) {
        m_pFocalSpin->SetCurrentNum(SliderPosToFocal(pos));
    }
    CalcViewAngles();
    CalcPPM();
}

void CParameterSettingEventImp::SelectChanged(int id, int index)
{
    if (id == static_cast<int>(kIdCameraModeCombo)) {
        FillSensorFormats();
    } else if (id == static_cast<int>(kIdModelCombo)) {
        const std::wstring name = ComboItem(m_pModelCombo, index, m_longestModelName);
        if (const auto view3D = ChildOf(m_mainFrame, &CMainFrameEventImp::Get3DView)) {
            Trace("SetBgImageByName");
            view3D->SetBgImageByName(name.c_str());
        }
        m_modelName = name;
        LoadModelRecord();
        ShowMegapixel(m_model.Pixel);
        ShowSensorFormat(m_model.strBM);
        SetupFocalControls();
    }
    CalcViewAngles();
    CalcPPM();
}

void CParameterSettingEventImp::LoadModelRecord()
{
    if (const auto database = ChildOf(m_mainFrame, &CMainFrameEventImp::GetDatabaseManager)) {
        database->GetModelInfo(m_modelName, &m_model);
    }
    SetText(m_pResolution, ResolutionText(m_model));
}

void CParameterSettingEventImp::OnInstallHeightMarker()
{
    if (const auto view3D = ChildOf(m_mainFrame, &CMainFrameEventImp::Get3DView)) {
        view3D->AddInstallHeight();
    }
}

void CParameterSettingEventImp::OnResolutionMarker()
{
    if (const auto view3D = ChildOf(m_mainFrame, &CMainFrameEventImp::Get3DView)) {
        view3D->AddResolution(kResolutionMarkerWidth);
    }
}

void CParameterSettingEventImp::OnInstallAngleMarker()
{
    if (const auto view3D = ChildOf(m_mainFrame, &CMainFrameEventImp::Get3DView)) {
        view3D->AddInstAngle();
    }
}

void CParameterSettingEventImp::OnHDistanceMarker()
{
    if (const auto view3D = ChildOf(m_mainFrame, &CMainFrameEventImp::Get3DView)) {
        view3D->AddHDistance();
    }
}

void CParameterSettingEventImp::SetHeightAxisMax(double max)
{
    m_heightAxisMax = max;
    if (m_pInstallHeightSpin != nullptr) {
        m_pInstallHeightSpin->SetRange(m_installHeightMin, max);
    }
}

void CParameterSettingEventImp::SetLengthAxisRange(double min, double max)
{
    m_lengthAxisMax = max;
    m_lengthAxisMin = min;
    // The distance is brought into the range as its field holds it, at two
    // decimals: a bound with more would leave the panel computing with a
    // distance the field does not show.
    const double shownMin = KWRoundToHundredths(min);
    const double shownMax = KWRoundToHundredths(max);
    if (shownMin > m_targetDistance) {
        m_targetDistance = shownMin;
    }
    if (shownMax < m_targetDistance) {
        m_targetDistance = shownMax;
    }
    if (m_pDistanceSpin != nullptr) {
        m_pDistanceSpin->SetRange(min, max);
    }
}

void CParameterSettingEventImp::SetInstallFromView(double angle, double height)
{
    if (height != m_installHeight) {
        m_installHeight = height;
        if (m_pInstallHeightSpin != nullptr) {
            m_pInstallHeightSpin->SetCurrentNum(height);
        }
    }
    if (angle != m_installAngle) {
        if (m_pInstallAngleSpin != nullptr) {
            m_pInstallAngleSpin->SetCurrentNum(angle);
        }
        m_installAngle = angle;
    }
    CalcPPM();
}

void CParameterSettingEventImp::SetTarHDistance(double distance)
{
    m_targetDistance = distance;
    if (m_pDistanceSpin != nullptr) {
        m_pDistanceSpin->SetCurrentNum(distance);
    }
    CalcPPM();
}

void CParameterSettingEventImp::SetTargetViewHeights(double top, double bottom)
{
    // The target's heights are kept in metres whatever the display unit.
    m_targetTop = m_isMetric ? top : top / kFeetPerMetre;
    m_targetBottom = m_isMetric ? bottom : bottom / kFeetPerMetre;
    CalcPPM();
}

void CParameterSettingEventImp::SetTargetHeight(double height)
{
    m_targetHeight = m_isMetric ? height : height / kFeetPerMetre;
    CalcPPM();
}

void CParameterSettingEventImp::OnView_ChangeUnit(int metric)
{
    m_isMetric = metric != 0;
    // Called only when the unit flips, so every call converts.
    const auto convert
        = [metric](double value) { return metric != 0 ? value / kFeetPerMetre : value * kFeetPerMetre; };

    m_installHeight = convert(m_installHeight);
    m_targetDistance = convert(m_targetDistance);
    if (m_pInstallHeightSpin != nullptr) {
        m_pInstallHeightSpin->SetRange(convert(m_installHeightMin), convert(m_heightAxisMax));
    }
    m_installHeightMin = convert(m_installHeightMin);
    m_heightAxisMax = convert(m_heightAxisMax);
    if (m_pInstallHeightSpin != nullptr) {
        m_pInstallHeightSpin->SetCurrentNum(m_installHeight);
    }
    if (m_pDistanceSpin != nullptr) {
        m_pDistanceSpin->SetRange(convert(m_lengthAxisMin), convert(m_lengthAxisMax));
    }
    m_lengthAxisMin = convert(m_lengthAxisMin);
    m_lengthAxisMax = convert(m_lengthAxisMax);
    if (m_pDistanceSpin != nullptr) {
        m_pDistanceSpin->SetCurrentNum(m_targetDistance);
    }
    const wchar_t* unit = translate(m_isMetric ? L"m" : L"ft");
    SetText(m_pInstallHeightUnit, unit);
    SetText(m_pDistanceUnit, unit);
    CalcViewAngles();
    CalcPPM();
}

void CParameterSettingEventImp::RetranslateTexts()
{
    if (m_pUserDefinedRadio != nullptr) {
        m_pUserDefinedRadio->SetWindowTextW(translate(L"  UserDefined"));
    }
    // A model name confirmed in the model dialog is not a text to translate.
    if (m_pModelSelectRadio != nullptr && m_defaultModelLabel) {
        m_pModelSelectRadio->SetWindowTextW(translate(L"  ModelSelect"));
    }
    SetText(m_pCameraModeLabel, translate(L"CameraMode:"));
    SetText(m_pTargetLabel, translate(L"Target:"));
    SetText(m_pResolutionLabel, translate(L"Resolution:"));
    SetText(m_pInstallHeightLabel, translate(L"InstallH:"));
    SetText(m_pInstallAngleLabel, translate(L"InstallA:"));
    SetText(m_pDegree, translate(L"°"));
    SetText(m_pDistanceLabel, translate(L"HDistance:"));
    SetText(m_pFocalLabel, translate(L"FDistance:"));
    SetText(m_pAngleNote, translate(L"(The angle of the vertical direction)"));
    SetText(m_pModelLabel, translate(L"ModelSelect"));
    SetText(m_pHeader, translate(L"Camera Information"));
}

bool CParameterSettingEventImp::IsUserDefined() const
{
    return m_pUserDefinedRadio != nullptr && m_pUserDefinedRadio->GetCheck() != 0;
}

double CParameterSettingEventImp::FixedFocalValue() const
{
    if (m_pFixedFocalCombo == nullptr) {
        return 0.0;
    }
    const std::wstring item
        = ComboItem(m_pFixedFocalCombo, m_pFixedFocalCombo->GetCurSel(), m_longestFixedFocal);
    return TextToDouble(KW_SOFT_BASE::CKWStreamConvert(item.c_str(), 65001).GetString().c_str());
}

void CParameterSettingEventImp::CalcViewAngles()
{
    Trace("CalcViewAngles");
    const double height = m_installHeight;
    const double angle = m_installAngle;
    const double distance = m_targetDistance;
    const double spinValue = m_pFocalSpin != nullptr ? m_pFocalSpin->GetCurrentNum() : 0.0;
    const double comboValue = FixedFocalValue();

    IPCViewAngles angles;
    if (!ComputeViewAngles(IsUserDefined(), m_userSensor, m_model, spinValue, comboValue, &angles)) {
        return;
    }
    m_verticalAngle = angles.vertical;
    if (const auto side = ChildOf(m_mainFrame, &CMainFrameEventImp::GetSideView)) {
        Trace("SetParam");
        side->SetParam(angles.vertical, distance, height, angle, 19.0);
    }
    if (const auto top = ChildOf(m_mainFrame, &CMainFrameEventImp::GetTopView)) {
        Trace("UpdateVisualAngle");
        top->UpdateVisualAngle(angles.horizontal);
    }
    if (const auto top = ChildOf(m_mainFrame, &CMainFrameEventImp::GetTopView)) {
        Trace("UpdateVisibleWidth");
        top->UpdateVisibleWidth(distance);
    }
}

void CParameterSettingEventImp::CalcPPM()
{
    Trace("CalcPPM");
    const bool userDefined = IsUserDefined();
    IPCDensityInput in;
    in.metric = m_isMetric;
    in.installHeight = m_installHeight;
    in.targetDistance = m_targetDistance;
    in.installAngle = m_installAngle;
    in.verticalAngle = m_verticalAngle;
    in.targetTop = m_targetTop;
    in.targetBottom = m_targetBottom;
    in.targetHeight = m_targetHeight;
    const double spinValue = m_pFocalSpin != nullptr ? m_pFocalSpin->GetCurrentNum() : 0.0;
    in.focalKnown = PickFocalLength(
        userDefined, TextToInt(m_model.FLtype.c_str()), spinValue, FixedFocalValue(), &in.focal);
    in.pixelSize = userDefined ? m_userSensor.pixelSize : TextToDouble(m_model.PixelSize.c_str());

    const IPCDensityResult result = ComputeDensity(in);
    m_targetTop = result.targetTop;

    const boost::shared_ptr<CMainFrameEventImp> frame = m_mainFrame.lock();
    if (frame && frame->GetToolMode() != kToolModeFish) {
        Trace("SetPPMValue");
        frame->SetPPMValue(result.value, m_isMetric, result.pixelCount);
    }
}

void CParameterSettingEventImp::ShowMegapixel(const std::string& text)
{
    SetText(m_pMegapixel, RecordText(text));
}

void CParameterSettingEventImp::ShowSensorFormat(const std::string& text)
{
    if (m_pSensorFormatCombo == nullptr) {
        return;
    }
    m_pSensorFormatCombo->Clear();
    m_pSensorFormatCombo->AddString(RecordText(text).c_str());
    m_pSensorFormatCombo->SetCurSel(0);
}

void CParameterSettingEventImp::FillSensorFormats()
{
    if (m_pSensorFormatCombo != nullptr) {
        m_pSensorFormatCombo->Clear();
    }
    // The megapixel class as shown, at most 50 characters.
    WCHAR mode[51] = {};
    if (m_pMegapixel != nullptr) {
        m_pMegapixel->GetStaticText(mode, static_cast<int>(std::size(mode)));
    }
    std::vector<SensorRow> rows;
    if (const auto database = ChildOf(m_mainFrame, &CMainFrameEventImp::GetDatabaseManager)) {
        database->GetSensorTable(&rows);
    }
    if (m_pSensorFormatCombo != nullptr) {
        for (const std::wstring& format : SensorFormatsOf(rows, mode)) {
            m_pSensorFormatCombo->AddString(format.c_str());
        }
    }
}

void CParameterSettingEventImp::SetupFocalControls()
{
    const int focalType = TextToInt(m_model.FLtype.c_str());
    if (focalType == kFocalTypeChoice || focalType == kFocalTypeFixed) {
        m_fixedFocal = true;
        ShowFocalControls(true);
        SetComboItems(m_pFixedFocalCombo, FixedFocalItems(m_model.value), &m_longestFixedFocal);
        if (m_pFixedFocalCombo != nullptr) {
            m_pFixedFocalCombo->SetCurSel(0);
        }
    } else if (focalType == kFocalTypeVarifocal) {
        m_fixedFocal = false;
        ShowFocalControls(true);
        IPCFocalRange range;
        // Any other number of focal lengths keeps the previous model's range.
        if (VarifocalRangeOf(m_model.value, &range)) {
            if (m_pFocalSpin != nullptr) {
                m_pFocalSpin->SetRange(range.low, range.high);
            }
            if (m_pFocalSlider != nullptr) {
                m_pFocalSlider->SetRange(range.sliderLow, range.sliderHigh, 1);
            }
            SetText(m_pMinFocal, range.lowText);
            SetText(m_pMaxFocal, range.highText);
            if (m_pFocalSpin != nullptr) {
                m_pFocalSpin->SetCurrentNum(range.low);
            }
            if (m_pFocalSlider != nullptr) {
                m_pFocalSlider->SetPos(range.sliderLow);
            }
        }
    }
    SetText(m_pMmUnit, L"mm");
}

void CParameterSettingEventImp::ShowFocalControls(bool show)
{
    Show(m_pFixedFocalCombo, m_fixedFocal && show);
    const bool varifocal = !m_fixedFocal && show;
    Show(m_pFocalSpin, varifocal);
    Show(m_pFocalSlider, varifocal);
    Show(m_pMinFocal, varifocal);
    Show(m_pMaxFocal, varifocal);
}

void CParameterSettingEventImp::SelectUserDefinedCamera()
{
    if (m_pCameraModeCombo != nullptr) {
        m_pCameraModeCombo->EnableWindow(1);
    }
    if (m_pSensorFormatCombo != nullptr) {
        m_pSensorFormatCombo->EnableWindow(1);
    }
    if (m_pUserDefinedRadio != nullptr) {
        m_pUserDefinedRadio->SetCheck(1);
    }
    SelectChanged(static_cast<int>(kIdCameraModeCombo), 0);
    ShowFocalControls(false);
}

void CParameterSettingEventImp::RADIO_OnClicked(int selected, int id, POINT /*point*/)
{
    if (m_pUserDefinedRadio != nullptr) {
        m_pUserDefinedRadio->SetCheck(0);
    }
    if (m_pModelSelectRadio != nullptr) {
        m_pModelSelectRadio->SetCheck(0);
    }
    const auto resetModelLabel = [this]() {
        if (m_pModelSelectRadio != nullptr) {
            m_pModelSelectRadio->SetWindowTextW(translate(L"  ModelSelect"));
        }
        // The label shows the default text again, so a language switch must
        // translate it again.
        m_defaultModelLabel = true;
    };

    if (id == static_cast<int>(kIdUserDefinedRadio)) {
        SelectUserDefinedCamera();
        if (m_pFocalSpin != nullptr) {
            m_pFocalSpin->SetRange(0.5, 100.0);
            m_pFocalSpin->SetCurrentNum(3.0);
        }
        if (m_pFocalSlider != nullptr) {
            m_pFocalSlider->SetRange(50, 10000, 1);
            m_pFocalSlider->SetPos(300);
        }
        SetText(m_pMinFocal, translate(L"0.5mm"));
        SetText(m_pMaxFocal, translate(L"100mm"));
        m_model.FLtype = "3";
        m_model.value.clear();
        m_model.value = { { 1, "0.5" }, { 2, "100" } };
        resetModelLabel();
        m_fixedFocal = true;
    } else if (id == static_cast<int>(kIdModelSelectRadio)) {
        if (m_pCameraModeCombo != nullptr) {
            m_pCameraModeCombo->EnableWindow(0);
        }
        if (m_pSensorFormatCombo != nullptr) {
            m_pSensorFormatCombo->EnableWindow(0);
        }
        if (m_pModelSelectRadio != nullptr) {
            m_pModelSelectRadio->SetCheck(1);
        }
        std::wstring model;
        if (RunModelSelectDialog(&model) == 1) {
            m_modelName = model;
            LoadModelRecord();
            ShowMegapixel(m_model.Pixel);
            ShowSensorFormat(m_model.strBM);
            SetupFocalControls();
        } else if (selected != 0) {
            SelectUserDefinedCamera();
            SetText(m_pMinFocal, translate(L"0.5mm"));
            SetText(m_pMaxFocal, translate(L"100mm"));
            resetModelLabel();
            m_fixedFocal = true;
            if (m_pUserDefinedRadio != nullptr) {
                m_pUserDefinedRadio->SetCheck(1);
            }
            if (m_pModelSelectRadio != nullptr) {
                m_pModelSelectRadio->SetCheck(0);
            }
        }
    }
    CalcViewAngles();
    CalcPPM();
}

int CParameterSettingEventImp::RunModelSelectDialog(std::wstring* model)
{
    // The handler is made on first use and kept; a dialog that cannot be
    // made counts as cancelled.
    if (!m_modelSelectDlg) {
        m_modelSelectDlg = CModelSelectDlgEventImp::CreateInstance(shared_from_this());
        if (m_modelSelectDlg) {
            std::vector<std::wstring> names;
            names.reserve(m_modelTable.size());
            for (const auto& entry : m_modelTable) {
                names.push_back(entry.first);
            }
            m_modelSelectDlg->SetModelList(names);
        }
    }
    CKWDialog* dialog = m_modelSelectDlg ? m_modelSelectDlg->GetDlg() : nullptr;
    if (dialog == nullptr) {
        return 0;
    }
    // Centred on the main window.
    const boost::shared_ptr<CMainFrameEventImp> frame = m_mainFrame.lock();
    CKWDialog* mainWindow = frame ? frame->GetDlg() : nullptr;
    if (mainWindow != nullptr) {
        CKWRect mainRect(0, 0, 0, 0);
        CKWRect dialogRect(0, 0, 0, 0);
        mainWindow->GetDlgWindowRect(mainRect);
        dialog->GetDlgWindowRect(dialogRect);
        const int width = dialogRect.Width();
        const int height = dialogRect.Height();
        dialogRect.left = mainRect.left + (mainRect.Width() - width) / 2;
        dialogRect.top = mainRect.top + (mainRect.Height() - height) / 2;
        dialogRect.right = dialogRect.left + width;
        dialogRect.bottom = dialogRect.top + height;
        dialog->MoveWindow(dialogRect);
    }
    const int result = dialog->DoModalDlg();
    if (result == 1) {
        *model = m_modelSelectDlg->GetSelectedModel();
    }
    return result;
}

void* CParameterSettingEventImp::GetModelSelectParentWnd()
{
    const boost::shared_ptr<CMainFrameEventImp> frame = m_mainFrame.lock();
    return frame ? frame->GetUIWnd() : nullptr;
}

void CParameterSettingEventImp::ApplyModelName(const wchar_t* name)
{
    if (name == nullptr || *name == L'\0') {
        return;
    }
    if (m_pModelSelectRadio != nullptr) {
        m_pModelSelectRadio->SetWindowTextW((std::wstring(L"  ") + name).c_str());
    }
    m_defaultModelLabel = false;
}
