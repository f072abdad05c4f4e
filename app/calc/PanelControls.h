#pragma once
// Placing and showing a panel's controls. A control that could not be made
// is null and passed over, so that a panel without one still lays out the
// rest.

#include "ui/api/KWRadioBox.h"
#include "ui/api/KWRect.h"

template <class Control>
void Move(Control* control, CKWRect rect)
{
    if (control != nullptr) {
        control->MoveWindow(rect);
    }
}

// A radio box takes a second argument.
inline void Move(CKWRadioBox* radio, CKWRect rect)
{
    if (radio != nullptr) {
        radio->MoveWindow(rect, 0);
    }
}

template <class Control>
void Show(Control* control, bool show)
{
    if (control != nullptr) {
        control->ShowWindow(show ? 1 : 0);
    }
}
