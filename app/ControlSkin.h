#pragma once
// A button's and a radio box's skin records from their pictures, given in
// the record's order. An empty name leaves that state's picture unset.

#include "ui/api/KWSkinRecords.h"

// Normal, hover, pressed and disabled.
inline ImageButtonStyle ButtonSkin(
    const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed, const wchar_t* disabled = L"")
{
    return ImageButtonStyle { normal, hover, pressed, disabled, {}, {}, {}, {} };
}

// Checked normal, hover and pressed; unchecked normal, hover and pressed;
// checked disabled and unchecked disabled.
inline ImageRadioBox RadioSkin(const wchar_t* checkedNormal, const wchar_t* checkedHover,
    const wchar_t* checkedPressed, const wchar_t* uncheckedNormal, const wchar_t* uncheckedHover,
    const wchar_t* uncheckedPressed, const wchar_t* checkedDisabled, const wchar_t* uncheckedDisabled = L"")
{
    return ImageRadioBox { checkedNormal, checkedHover, checkedPressed, uncheckedNormal, uncheckedHover,
        uncheckedPressed, checkedDisabled, uncheckedDisabled, {} };
}
