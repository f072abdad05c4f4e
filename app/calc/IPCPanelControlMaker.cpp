#include "app/calc/IPCPanelControlMaker.h"

#include "app/ControlSkin.h"
#include "app/calc/PanelSkin.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "base/Globals.h"
#include "base/ScaledLength.h"
#include "ui/api/KWStatic.h"

namespace {

constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kHiddenChild = WS_CHILD;
constexpr UINT kStaticId = static_cast<UINT>(-1);

const SpinSkinNames kSpinSkin = { L"kuang2_nor.png", L"spiner_down_n.png", L"spiner_down_h.png",
    L"spiner_down_p.png", L"spiner_down_d.png", L"spiner_up_n.png", L"spiner_up_h.png", L"spiner_up_p.png",
    L"spiner_up_d.png" };
const wchar_t* const kMarkerSkin = L"help_nor.png";

// Each combo face is cut as wide as its picture, which ends in the arrow.
const ComboFace kWideCombo1 = { L"ComboBox.png",
    { L"0,0,134,17", L"0,18,134,17", L"0,54,134,17", L"0,36,134,17", L"0,36,134,17", L"0,0,134,17",
        L"0,28,134,17" } };
const ComboFace kWideCombo2 = { L"ComboBox_268.png",
    { L"0,0,268,34", L"0,36,268,34", L"0,108,268,34", L"0,72,268,34", L"0,72,268,34", L"0,0,268,34",
        L"0,28,268,34" } };
const ComboFace kNarrowCombo1 = { L"ComboBox_100.png",
    { L"0,0,100,17", L"0,18,100,17", L"0,54,100,17", L"0,36,100,17", L"0,36,100,17", L"0,0,100,17",
        L"0,28,100,17" } };
const ComboFace kNarrowCombo2 = { L"ComboBox.png",
    { L"0,0,200,34", L"0,36,200,34", L"0,108,200,34", L"0,72,200,34", L"0,72,200,34", L"0,0,200,34",
        L"0,28,200,34" } };
const SliderFace kSlider1 = { L"slidingblock.png",
    { L"108,0,100,18", L"0,0,100,18", L"215,0,16,16", L"236,0,16,16", L"256,0,16,16", L"215,0,16,16" } };
const SliderFace kSlider2 = { L"slidingblock.png",
    { L"215,0,200,36", L"0,0,200,36", L"428,0,35,35", L"470,0,35,35", L"512,0,35,35", L"428,0,35,35" } };

} // namespace

CIPCPanelControlMaker::CIPCPanelControlMaker(CParameterSettingEventImp* owner, void* parent)
    : m_owner(owner)
    , m_parent(parent)
{
    FillSpinSkin(&m_spinStyle, kSpinSkin);
    FillComboSkin(&m_wideCombo, FaceForScale(g_uiScale, kWideCombo1, kWideCombo2));
    FillComboSkin(&m_narrowCombo, FaceForScale(g_uiScale, kNarrowCombo1, kNarrowCombo2));
    m_radioStyle = RadioSkin(L"check_nor.png", L"check_nor.png", L"check_nor.png", L"uncheck_nor.png",
        L"uncheck_nor.png", L"uncheck_nor.png", L"check_nor.png");
    m_buttonStyle = ButtonSkin(kMarkerSkin, kMarkerSkin, kMarkerSkin, kMarkerSkin);
    FillSliderSkin(&m_sliderStyle, FaceForScale(g_uiScale, kSlider1, kSlider2));
}

CKWStatic* CIPCPanelControlMaker::Static(
    const wchar_t* text, const RECT& rect, bool visible, int size, UINT align)
{
    CKWStatic* label = CreateKWStatic(nullptr);
    if (label == nullptr) {
        return nullptr;
    }
    label->Create(text, visible ? kVisibleChild : kHiddenChild, rect, m_parent, kStaticId);
    label->SetTextAlignFlag(align);
    label->SetTextSize(Scaled(size));
    return label;
}

CKWRadioBox* CIPCPanelControlMaker::Radio(const wchar_t* text, const RECT& rect, UINT id)
{
    CKWRadioBox* radio = CreateKWRadioBox(m_owner);
    if (radio == nullptr) {
        return nullptr;
    }
    radio->Create(text, kHiddenChild, rect, m_parent, id);
    radio->SetSkin(&m_radioStyle);
    radio->SetCheck(0);
    return radio;
}

CKWComboBox* CIPCPanelControlMaker::Combo(const RECT& rect, UINT id, bool visible, bool wide)
{
    CKWComboBox* combo = CreateKWComboBox(m_owner);
    if (combo == nullptr) {
        return nullptr;
    }
    combo->Create(visible ? kVisibleChild : kHiddenChild, rect, m_parent, id);
    combo->SetSkin(wide ? &m_wideCombo : &m_narrowCombo);
    return combo;
}

CKWDoubleSpiner* CIPCPanelControlMaker::Spin(const RECT& rect, UINT id, bool visible, double low, double high)
{
    CKWDoubleSpiner* spin = CreateKWDoubleSpiner(m_owner);
    if (spin == nullptr) {
        return nullptr;
    }
    spin->Create(L"", rect, m_parent, id);
    spin->SetRectTimes(g_uiScale);
    spin->SetSkin(&m_spinStyle);
    spin->SetRange(low, high);
    // The box has no style bits: its visibility is set here.
    spin->ShowWindow(visible ? 1 : 0);
    return spin;
}

CKWButton* CIPCPanelControlMaker::Marker(const RECT& rect, UINT id)
{
    CKWButton* button = CreateKWButton(m_owner);
    if (button == nullptr) {
        return nullptr;
    }
    button->Create(L"", kHiddenChild, rect, m_parent, id);
    button->SetSkin(&m_buttonStyle);
    return button;
}

CKWSliderCtrl* CIPCPanelControlMaker::Slider(const RECT& rect, UINT id)
{
    CKWSliderCtrl* slider = CreateKWSliderCtrl(m_owner);
    if (slider == nullptr) {
        return nullptr;
    }
    slider->Create(kVisibleChild, rect, m_parent, id, SLIDER_RESPONSE_MODE { 0 });
    slider->SetSkin(&m_sliderStyle);
    return slider;
}
