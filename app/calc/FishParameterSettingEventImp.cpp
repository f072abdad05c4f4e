#include "app/calc/FishParameterSettingEventImp.h"

#include "app/ControlSkin.h"
#include "app/DatabaseManager.h"
#include "app/MainFrameEventImp.h"
#include "app/WindowStyles.h"
#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/FishPanelLayout.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "app/calc/PanelControls.h"
#include "app/calc/PanelSkin.h"
#include "base/Globals.h"
#include "base/ScaledLength.h"
#include "base/Translate.h"
#include "ui/api/KWPictureCtrl.h"
#include "ui/api/KWRect.h"
#include "ui/api/KWStatic.h"
#include "ui/api/KWView.h"

#include <boost/make_shared.hpp>

namespace {

// The two models of the combo box, in lens-type order; short enough for
// the combo's face at both scales.
const wchar_t* const kFishModelNames[] = {
    L"VX Fish 12F13B",
    L"VX Fish 5F13",
};

constexpr UINT kTitleColour = 0xE2D7D0u;
constexpr UINT kLabelId = static_cast<UINT>(-1);
// Label alignment: vertically centred, left; the hidden slider's minimum
// label is right-aligned.
constexpr UINT kAlignLabel = 4;
constexpr UINT kAlignSliderMin = 6;
// Below this an object or a camera height means nothing.
constexpr double kMinHeight = 0.1;

// Spin boxes do not report what code sets, so a clamp shown here does not
// come back as a change.
void ShowValue(CKWDoubleSpiner* spin, double value)
{
    if (spin != nullptr) {
        spin->SetCurrentNum(value);
    }
}

const SpinSkinNames kSpinSkin = { L"kuang2_nor.png", L"spiner_down_n.png", L"spiner_down_h.png",
    L"spiner_down_p.png", L"spiner_down_d.png", L"spiner_up_n.png", L"spiner_up_h.png", L"spiner_up_p.png",
    L"spiner_up_d.png" };
const wchar_t* const kMarkerSkin = L"help_nor.png";
// The combo box has pictures for the two design scales only.
const ComboFace kCombo1 = { L"ComboBox.png",
    { L"0,0,134,17", L"0,18,134,17", L"0,54,134,17", L"0,36,134,17", L"0,36,134,17", L"0,0,134,17",
        L"0,28,134,17" } };
const ComboFace kCombo2 = { L"ComboBox_268.png",
    { L"0,0,268,34", L"0,36,268,34", L"0,108,268,34", L"0,72,268,34", L"0,72,268,34", L"0,0,268,34",
        L"0,28,268,34" } };
// The hidden slider has one face at every scale.
const SliderFace kSlider = { L"slidingblock.png",
    { L"108,0,100,18", L"0,0,100,18", L"215,0,16,16", L"236,0,16,16", L"256,0,16,16", L"215,0,16,16" } };

// Moves each control of a row that exists.
void MoveRow(
    const FishPanelRow& row, CKWStatic* label, CKWDoubleSpiner* spin, CKWStatic* unit, CKWButton* marker)
{
    Move(label, row.label);
    Move(spin, row.spin);
    Move(unit, row.unit);
    Move(marker, row.marker);
}

} // namespace

CFishParameterSettingEventImp::CFishParameterSettingEventImp(
    const boost::weak_ptr<CMainFrameEventImp>& mainFrame)
    : m_mainFrame(mainFrame)
{
}

// The controls belong to their Qt parent and went with the main window
// before the panel is released.
CFishParameterSettingEventImp::~CFishParameterSettingEventImp()
{
    m_view = nullptr;
}

boost::shared_ptr<CFishParameterSettingEventImp> CFishParameterSettingEventImp::CreateInstance(
    const boost::weak_ptr<CMainFrameEventImp>& mainFrame)
{
    boost::shared_ptr<CFishParameterSettingEventImp> panel
        = boost::make_shared<CFishParameterSettingEventImp>(mainFrame);
    const boost::shared_ptr<CMainFrameEventImp> owner = mainFrame.lock();
    if (!owner) {
        return panel;
    }
    panel->m_view = CreateKWView(panel.get());
    if (panel->m_view == nullptr) {
        return panel;
    }
    panel->m_view->SetBGClr(0xFFFFFFu);
    panel->m_view->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CKWRect(0, 0, 100, 500), owner->GetUIWnd(),
        static_cast<UINT>(-2));
    return panel;
}

int CFishParameterSettingEventImp::OnCreate()
{
    void* parent = GetUIWnd();
    const CKWRect none(0, 0, 0, 0);
    const int labelSize = Scaled(14);
    const int unitSize = Scaled(12);

    const auto makeLabel = [&](const wchar_t* text, DWORD style, UINT align, int size) {
        CKWStatic* label = CreateKWStatic(nullptr);
        if (label != nullptr) {
            label->Create(text, style, none, parent, kLabelId);
            label->SetTextSize(size);
            label->SetTextAlignFlag(align);
        }
        return label;
    };
    const auto makeSpin = [&](UINT id, double minimum, double maximum, double value) {
        CKWDoubleSpiner* spin = CreateKWDoubleSpiner(this);
        if (spin != nullptr) {
            spin->SetRectTimes(g_uiScale);
            ImageNumSpinerStyle skin;
            FillSpinSkin(&skin, kSpinSkin);
            spin->SetSkin(&skin);
            spin->Create(L"", none, parent, id);
            spin->SetRange(minimum, maximum);
            spin->SetCurrentNum(value);
        }
        return spin;
    };
    const auto makeMarker = [&](UINT id) {
        CKWButton* button = CreateKWButton(this);
        if (button != nullptr) {
            ImageButtonStyle skin = ButtonSkin(kMarkerSkin, kMarkerSkin, kMarkerSkin, kMarkerSkin);
            button->SetSkin(&skin);
            button->Create(L"", WS_VISIBLE | kWsTabStop, none, parent, id);
        }
        return button;
    };
    const auto makeRadio = [&](const wchar_t* key, UINT id, int check) {
        CKWRadioBox* radio = CreateKWRadioBox(this);
        if (radio != nullptr) {
            radio->Create(translate(key), WS_VISIBLE, none, parent, id);
            ImageRadioBox skin = RadioSkin(L"check_nor.png", L"check_nor.png", L"check_nor.png",
                L"uncheck_nor.png", L"uncheck_nor.png", L"uncheck_nor.png", L"check_nor.png");
            radio->SetSkin(&skin);
            radio->SetCheck(check);
            radio->SetTextSize(labelSize);
        }
        return radio;
    };
    const auto makePicture = [&](const wchar_t* image) {
        CKWPictureCtrl* picture = CreateKWPictureCtrl(nullptr);
        if (picture != nullptr) {
            picture->Create(L"", WS_VISIBLE, none, parent, kLabelId);
            picture->SetImage(image);
        }
        return picture;
    };

    m_pCeilingRadio = makeRadio(L"TopInstall", kFishIdCeilingRadio, 1);
    m_pWallRadio = makeRadio(L"SideInstall", kFishIdWallRadio, 0);
    m_pCeilingPicture = makePicture(L"dingzhuang_nor.png");
    m_pWallPicture = makePicture(L"bizhuang_nor.png");
    m_pModelLabel = makeLabel(translate(L"FishDevice:"), WS_VISIBLE, kAlignLabel, labelSize);
    m_pTitleBar = makeLabel(translate(L"Camera Information"), WS_VISIBLE, kAlignLabel, labelSize);
    if (m_pTitleBar != nullptr) {
        m_pTitleBar->SetBgColor(kTitleColour, 1);
    }
    m_pTitleCap = makeLabel(L"", WS_VISIBLE, kAlignLabel, labelSize);
    if (m_pTitleCap != nullptr) {
        m_pTitleCap->SetBgColor(kTitleColour, 1);
    }

    m_pModelCombo = CreateKWComboBox(this);
    if (m_pModelCombo != nullptr) {
        ImageComboBoxStyle skin;
        FillComboSkin(&skin, FaceForScale(g_uiScale, kCombo1, kCombo2));
        m_pModelCombo->SetSkin(&skin);
        m_pModelCombo->Create(WS_CHILD | WS_VISIBLE | kWsTabStop, none, parent, kFishIdModelCombo);
        for (const wchar_t* name : kFishModelNames) {
            m_pModelCombo->AddString(name);
        }
        m_pModelCombo->SetCurSel(0);
    }

    m_pInstallHeightLabel = makeLabel(translate(L"InstallH:"), WS_VISIBLE, kAlignLabel, labelSize);
    m_pInstallHeightSpin = makeSpin(kFishIdInstallHeight, 0.3, 5.0, 2.0);
    m_pInstallHeightUnit = makeLabel(translate(L"m"), WS_VISIBLE, kAlignLabel, unitSize);
    m_pInstallHeightMarker = makeMarker(kFishIdInstallHeightMarker);

    m_pObjectHeightLabel = makeLabel(translate(L"ObjectHeight:"), WS_VISIBLE, kAlignLabel, labelSize);
    m_pObjectHeightSpin = makeSpin(kFishIdObjectHeight, 0.1, 5.0, 1.7);
    m_pObjectHeightUnit = makeLabel(translate(L"m"), WS_VISIBLE, kAlignLabel, unitSize);
    m_pObjectHeightMarker = makeMarker(kFishIdObjectHeightMarker);

    // A focal-length slider the fisheye models have no use for: it stays
    // hidden with its two labels.
    m_pSliderMinLabel = makeLabel(translate(L"0.5mm"), 0, kAlignSliderMin, labelSize);
    m_pSliderMaxLabel = makeLabel(translate(L"100mm"), 0, kAlignLabel, labelSize);
    m_pSlider = CreateKWSliderCtrl(this);
    if (m_pSlider != nullptr) {
        m_pSlider->Create(0, none, parent, kFishIdSlider, SLIDER_RESPONSE_MODE { 0 });
        ImageSliderStyle skin;
        FillSliderSkin(&skin, &kSlider);
        m_pSlider->SetSkin(&skin);
        m_pSlider->SetTooltipEnable(0, 1, 0);
        m_pSlider->SetRange(50, 10000, 0);
    }

    m_pObjectDistanceLabel = makeLabel(translate(L"ObjectDis:"), WS_VISIBLE, kAlignLabel, labelSize);
    m_pObjectDistanceSpin = makeSpin(kFishIdObjectDistance, 0.0, 10.0, 2.0);
    m_pObjectDistanceUnit = makeLabel(translate(L"m"), WS_VISIBLE, kAlignLabel, unitSize);
    m_pObjectDistanceMarker = makeMarker(kFishIdObjectDistanceMarker);
    return 1;
}

void CFishParameterSettingEventImp::OnDestroy() { }

// Laid out from the top-left corner whatever the view's size.
void CFishParameterSettingEventImp::OnSize(UINT /*type*/, int /*cx*/, int /*cy*/)
{
    const FishPanelLayout l = ComputeFishPanelLayout(g_uiScale);
    Move(m_pTitleCap, l.titleCap);
    Move(m_pTitleBar, l.titleBar);
    Move(m_pModelLabel, l.modelLabel);
    Move(m_pModelCombo, l.modelCombo);
    Move(m_pCeilingRadio, l.ceilingRadio);
    Move(m_pCeilingPicture, l.ceilingPicture);
    Move(m_pWallRadio, l.wallRadio);
    Move(m_pWallPicture, l.wallPicture);
    MoveRow(l.installHeight, m_pInstallHeightLabel, m_pInstallHeightSpin, m_pInstallHeightUnit,
        m_pInstallHeightMarker);
    Move(m_pSliderMinLabel, l.sliderMinLabel);
    Move(m_pSlider, l.slider);
    Move(m_pSliderMaxLabel, l.sliderMaxLabel);
    MoveRow(l.objectHeight, m_pObjectHeightLabel, m_pObjectHeightSpin, m_pObjectHeightUnit,
        m_pObjectHeightMarker);
    MoveRow(l.objectDistance, m_pObjectDistanceLabel, m_pObjectDistanceSpin, m_pObjectDistanceUnit,
        m_pObjectDistanceMarker);
}

void CFishParameterSettingEventImp::OnCurrentNumChanged(UINT id, double value)
{
    const bool ceiling = IsTopInstall();
    double H = m_pInstallHeightSpin != nullptr ? m_pInstallHeightSpin->GetCurrentNum() : m_installHeight;
    double T = m_pObjectHeightSpin != nullptr ? m_pObjectHeightSpin->GetCurrentNum() : m_objectHeight;
    const boost::shared_ptr<CFishSideViewEventImp> sideView = FishSideView();

    if (id == kFishIdInstallHeight) {
        // On the ceiling the camera cannot hang below the top of the person.
        if (ceiling && T > H) {
            H = T;
            ShowValue(m_pInstallHeightSpin, H);
        }
        if (H < kMinHeight) {
            H = kMinHeight;
            ShowValue(m_pInstallHeightSpin, H);
        }
        m_installHeight = H;
        if (sideView) {
            sideView->SetVirtualHeight(H);
        }
    } else if (id == kFishIdObjectHeight) {
        if (ceiling && T > H) {
            T = H;
            ShowValue(m_pObjectHeightSpin, T);
        }
        if (T < kMinHeight) {
            T = kMinHeight;
            ShowValue(m_pObjectHeightSpin, T);
        }
        m_objectHeight = T;
        if (sideView) {
            sideView->SetObjectHeight(T);
        }
    } else if (id == kFishIdObjectDistance) {
        m_objectDistance = value;
        if (sideView) {
            sideView->SetObjectDistance(value);
        }
    }
    CalcAll();
}

void CFishParameterSettingEventImp::RADIO_OnClicked(int checked, int id, POINT /*point*/)
{
    const auto check = [](CKWRadioBox* radio, int state) {
        if (radio != nullptr) {
            radio->SetCheck(state);
        }
    };
    if (checked != 0) {
        check(m_pCeilingRadio, 0);
        check(m_pWallRadio, 0);
    }
    // A click on the radio already checked unchecks it; it is checked again,
    // since one mount is always chosen.
    if (id == static_cast<int>(kFishIdCeilingRadio)) {
        check(m_pCeilingRadio, 1);
        ApplyMountType(true);
        if (checked != 0 && IsTopInstall()) {
            ClampObjectHeightToCeiling();
        }
    } else if (id == static_cast<int>(kFishIdWallRadio)) {
        check(m_pWallRadio, 1);
        ApplyMountType(false);
    }
    CalcAll();
}

void CFishParameterSettingEventImp::SelectChanged(int id, int /*sel*/)
{
    if (id == static_cast<int>(kFishIdModelCombo)) {
        CalcAll();
    }
}

// The slider is never shown; its value would be a mount height in
// hundredths. Nothing is recalculated for it.
void CFishParameterSettingEventImp::KW_OnSliderPos(int /*id*/, int pos)
{
    m_installHeight = static_cast<float>(pos / 100.0);
    ShowValue(m_pInstallHeightSpin, m_installHeight);
}

void CFishParameterSettingEventImp::OnInstallHeightMarker()
{
    const boost::shared_ptr<CFish3DViewEventImp> view = Fish3DView();
    if (view) {
        view->AddInstallHeight();
    }
}

void CFishParameterSettingEventImp::OnObjectHeightMarker()
{
    const boost::shared_ptr<CFish3DViewEventImp> view = Fish3DView();
    if (view) {
        view->AddObjHeight();
    }
}

void CFishParameterSettingEventImp::OnObjectDistanceMarker()
{
    const boost::shared_ptr<CFish3DViewEventImp> view = Fish3DView();
    if (view) {
        view->AddObjDistance();
    }
}

void CFishParameterSettingEventImp::RetranslateTexts()
{
    if (m_pCeilingRadio != nullptr) {
        m_pCeilingRadio->SetWindowTextW(translate(L"TopInstall"));
    }
    if (m_pWallRadio != nullptr) {
        m_pWallRadio->SetWindowTextW(translate(L"SideInstall"));
    }
    const std::pair<CKWStatic*, const wchar_t*> labels[] = {
        { m_pModelLabel, L"FishDevice:" },
        { m_pInstallHeightLabel, L"InstallH:" },
        { m_pObjectHeightLabel, L"ObjectHeight:" },
        { m_pObjectDistanceLabel, L"ObjectDis:" },
        { m_pTitleBar, L"Camera Information" },
    };
    for (const auto& [label, key] : labels) {
        if (label != nullptr) {
            label->SetStaticText(translate(key));
        }
    }
    SetUnitTexts();
    // The ring labels carry words of the language too.
    CalcRingPPM();
}

bool CFishParameterSettingEventImp::IsTopInstall() const
{
    // The panel starts on the ceiling mount.
    return m_pCeilingRadio == nullptr || m_pCeilingRadio->GetCheck() != 0;
}

void CFishParameterSettingEventImp::SetInstallHeight(double height)
{
    ShowValue(m_pInstallHeightSpin, height);
    m_installHeight = height;
    CalcAll();
}

void CFishParameterSettingEventImp::SetObjectHeight(double height)
{
    ShowValue(m_pObjectHeightSpin, height);
    m_objectHeight = height;
    CalcAll();
}

void CFishParameterSettingEventImp::SetObjectDistance(double distance)
{
    ShowValue(m_pObjectDistanceSpin, distance);
    m_objectDistance = distance;
    CalcAll();
}

// Converts on every call: the caller switches only when the unit changes.
void CFishParameterSettingEventImp::OnView_ChangeUnit(int metric)
{
    m_metric = metric != 0;
    const double factor = m_metric ? 1.0 / kFishFeetPerMetre : kFishFeetPerMetre;
    const std::pair<CKWDoubleSpiner*, double*> rows[] = {
        { m_pInstallHeightSpin, &m_installHeight },
        { m_pObjectHeightSpin, &m_objectHeight },
        { m_pObjectDistanceSpin, &m_objectDistance },
    };
    for (const auto& [spin, stored] : rows) {
        *stored *= factor;
        if (spin == nullptr) {
            continue;
        }
        double minimum = 0.0;
        double maximum = 0.0;
        spin->GetRange(minimum, maximum);
        // The range first, so that the converted value is not clamped by the
        // old one.
        spin->SetRange(minimum * factor, maximum * factor);
        spin->SetCurrentNum(*stored);
    }
    SetUnitTexts();
    CalcAll();
}

void CFishParameterSettingEventImp::SetHeightAxisMax(double max)
{
    if (m_pInstallHeightSpin != nullptr) {
        m_pInstallHeightSpin->SetRange(0.5, max);
    }
}

void CFishParameterSettingEventImp::CalcTargetPPM()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    const FishInputs inputs = CurrentInputs();
    const std::shared_ptr<const FishLensTable> table = CurrentLensTable(mainFrame, inputs.modelIndex);
    // The display belongs to whichever tool is shown.
    if (table) {
        mainFrame->SetPPMValue(FishTargetPPM(inputs, *table), m_metric, 0);
    }
}

void CFishParameterSettingEventImp::CalcRingPPM()
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    const FishInputs inputs = CurrentInputs();
    const std::shared_ptr<const FishLensTable> table = CurrentLensTable(mainFrame, inputs.modelIndex);
    if (!table) {
        return;
    }
    // Copied at once: translate's buffers are reused.
    const std::wstring area = translate(L"Area");
    const std::wstring distance = translate(L"distance");
    FishRingMap rings = FishRingPPM(inputs, *table, area, distance);
    const boost::shared_ptr<CFishTopViewEventImp> topView = mainFrame->GetFishTopView();
    if (topView) {
        topView->SetRadiusPPM(std::move(rings));
    }
}

FishInputs CFishParameterSettingEventImp::CurrentInputs() const
{
    FishInputs inputs;
    inputs.ceiling = IsTopInstall();
    inputs.installHeight = m_installHeight;
    inputs.objectHeight = m_objectHeight;
    inputs.objectDistance = m_objectDistance;
    inputs.metric = m_metric;
    inputs.modelIndex = m_pModelCombo != nullptr ? m_pModelCombo->GetCurSel() : 0;
    return inputs;
}

std::shared_ptr<const FishLensTable> CFishParameterSettingEventImp::CurrentLensTable(
    const boost::shared_ptr<CMainFrameEventImp>& mainFrame, int modelIndex) const
{
    // A table may hold millions of points and take seconds to read: none is
    // read while the fisheye tool is not shown, whoever asks (a resize of the
    // hidden views, a language switched from the IPC tool), since opening the
    // tool works its numbers out anyway.
    if (mainFrame->GetToolMode() != kToolModeFish) {
        return nullptr;
    }
    const boost::shared_ptr<CDatabaseManager> database = mainFrame->GetDatabaseManager();
    return database ? database->DistortionTable(modelIndex) : std::make_shared<const FishLensTable>();
}

void CFishParameterSettingEventImp::ApplyMountType(bool ceiling)
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    if (!mainFrame) {
        return;
    }
    if (const boost::shared_ptr<CFish3DViewEventImp> view = mainFrame->GetFish3DView()) {
        view->SetInstWay(ceiling);
    }
    if (const boost::shared_ptr<CFishTopViewEventImp> view = mainFrame->GetFishTopView()) {
        view->SetInstWay(ceiling);
    }
    if (const boost::shared_ptr<CFishSideViewEventImp> view = mainFrame->GetFishSideView()) {
        view->SetInstWay(ceiling);
    }
    mainFrame->LayoutPPMArea(ceiling);
}

void CFishParameterSettingEventImp::SetUnitTexts()
{
    const wchar_t* unit = m_metric ? translate(L"m") : translate(L"ft");
    for (CKWStatic* label : { m_pInstallHeightUnit, m_pObjectHeightUnit, m_pObjectDistanceUnit }) {
        if (label != nullptr) {
            label->SetStaticText(unit);
        }
    }
}

void CFishParameterSettingEventImp::ClampObjectHeightToCeiling()
{
    double T = m_objectHeight;
    if (T > m_installHeight) {
        T = m_installHeight;
        ShowValue(m_pObjectHeightSpin, T);
    }
    if (T < kMinHeight) {
        T = kMinHeight;
        ShowValue(m_pObjectHeightSpin, T);
    }
    m_objectHeight = T;
    const boost::shared_ptr<CFishSideViewEventImp> sideView = FishSideView();
    if (sideView) {
        sideView->SetObjectHeight(T);
    }
}

// A view controller not made yet (during start-up) is passed over.
boost::shared_ptr<CFish3DViewEventImp> CFishParameterSettingEventImp::Fish3DView() const
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    return mainFrame ? mainFrame->GetFish3DView() : boost::shared_ptr<CFish3DViewEventImp>();
}

boost::shared_ptr<CFishSideViewEventImp> CFishParameterSettingEventImp::FishSideView() const
{
    const boost::shared_ptr<CMainFrameEventImp> mainFrame = m_mainFrame.lock();
    return mainFrame ? mainFrame->GetFishSideView() : boost::shared_ptr<CFishSideViewEventImp>();
}

void CFishParameterSettingEventImp::CalcAll()
{
    CalcTargetPPM();
    CalcRingPPM();
}
