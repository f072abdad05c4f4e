#pragma once
// Where the tool bar's controls go for a bar of a given size and UI scale.
// Kept apart from the tool bar itself so that the numbers can be checked
// without a window.

#include "ui/api/KWRect.h"

struct ToolBarLayout {
    CKWRect logo;
    CKWRect productName;
    CKWRect closeButton;
    CKWRect minButton;
    CKWRect settingButton;
    // The unit switch's place, left of Setting. The tool switch shares it:
    // the unit switch is never shown, so the tool switch takes its place.
    CKWRect unitRadio;
    CKWRect bottomLine;
};

// cx and cy: the bar's size. The window buttons sit on the right, from the
// right edge inwards: Close, Min, Setting, then the shared switch place.
ToolBarLayout ComputeToolBarLayout(int cx, int cy, float scale);
