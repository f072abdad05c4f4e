#pragma once
// Makes the IPC panel's controls, all children of the panel's view, each
// with the panel's skin: its own pictures at scale 1.0 and 2.0, empty
// records at any other scale. Texts, ids and values are the panel's.

#include "base/platform/KWWinTypes.h"
#include "ui/api/KWSkinRecords.h"

class CKWButton;
class CKWComboBox;
class CKWDoubleSpiner;
class CKWRadioBox;
class CKWSliderCtrl;
class CKWStatic;
class CParameterSettingEventImp;

class CIPCPanelControlMaker {
public:
    // The owner listens to every control but the statics.
    CIPCPanelControlMaker(CParameterSettingEventImp* owner, void* parent);

    // Text size is a design size at the UI scale.
    CKWStatic* Static(const wchar_t* text, const RECT& rect, bool visible, int size = 14, UINT align = 4);
    // Hidden and unchecked.
    CKWRadioBox* Radio(const wchar_t* text, const RECT& rect, UINT id);
    // The wide face is the model combo's.
    CKWComboBox* Combo(const RECT& rect, UINT id, bool visible, bool wide = false);
    CKWDoubleSpiner* Spin(const RECT& rect, UINT id, bool visible, double low, double high);
    // Hidden.
    CKWButton* Marker(const RECT& rect, UINT id);
    CKWSliderCtrl* Slider(const RECT& rect, UINT id);

private:
    CParameterSettingEventImp* m_owner;
    void* m_parent;
    ImageNumSpinerStyle m_spinStyle;
    ImageComboBoxStyle m_wideCombo;
    ImageComboBoxStyle m_narrowCombo;
    ImageRadioBox m_radioStyle;
    ImageButtonStyle m_buttonStyle;
    ImageSliderStyle m_sliderStyle;
};
