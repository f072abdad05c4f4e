#pragma once
// A button's skin record from its pictures, in the record's order.

#include "ui/api/KWSkinRecords.h"

// Normal, hover, pressed and disabled; an empty name leaves that state's
// picture unset.
inline ImageButtonStyle ButtonSkin(
    const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed, const wchar_t* disabled = L"")
{
    ImageButtonStyle skin;
    skin.strNormal = normal;
    skin.strHover = hover;
    skin.strPressed = pressed;
    skin.strDisabled = disabled;
    return skin;
}
