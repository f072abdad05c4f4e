#pragma once
// What a static or a button shows the user, as a wide string; empty for a
// control that was not made.

#include "ui/api/KWButton.h"
#include "ui/api/KWStatic.h"

#include <string>

inline std::wstring TextOf(const CKWStatic* label)
{
    WCHAR buffer[256] = {};
    if (label != nullptr) {
        label->GetStaticText(buffer, 256);
    }
    return buffer;
}

inline std::wstring TextOf(const CKWButton* button)
{
    WCHAR buffer[256] = {};
    if (button != nullptr) {
        button->GetWindowTextW(buffer, 256);
    }
    return buffer;
}
