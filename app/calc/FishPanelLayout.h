#pragma once
// Where the fisheye panel's controls stand at a UI scale. Positions do not
// depend on the panel's size. The three rows of lengths are alike: a label,
// the spin box and the unit to its right, and the marker button after the
// unit, each centred on the label or the unit; every size and offset is a
// design value times the scale, truncated.

#include "ui/api/KWRect.h"

struct FishPanelRow {
    CKWRect label;
    CKWRect spin;
    CKWRect unit;
    CKWRect marker;
};

struct FishPanelLayout {
    CKWRect titleCap;
    CKWRect titleBar;
    CKWRect modelLabel;
    CKWRect modelCombo;
    CKWRect ceilingRadio;
    CKWRect ceilingPicture;
    CKWRect wallRadio;
    CKWRect wallPicture;
    FishPanelRow installHeight; // buttons 103, 104
    CKWRect sliderMinLabel; // the hidden slider and its labels
    CKWRect slider;
    CKWRect sliderMaxLabel;
    FishPanelRow objectHeight; // buttons 107, 108
    FishPanelRow objectDistance; // buttons 124, 125
};

FishPanelLayout ComputeFishPanelLayout(float scale);
