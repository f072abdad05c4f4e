#pragma once
// Where the IPC panel's controls stand at a UI scale. Positions do not depend
// on the panel's size. Rows are laid out top-down, each row's controls
// centred on its label; sizes and offsets are design values times the scale,
// truncated, apart from the header square, the angle note's size and a few
// offsets, which keep their pixel values.

#include "ui/api/KWRect.h"

struct IPCPanelLayout {
    CKWRect header;
    CKWRect headerSquare;
    CKWRect radios; // both radios share one place
    CKWRect modelLabel;
    CKWRect modelCombo;
    CKWRect cameraModeLabel;
    CKWRect megapixel;
    CKWRect resolution;
    CKWRect resolutionMarker; // button 102
    CKWRect targetLabel;
    CKWRect sensorCombo;
    CKWRect installHeightLabel;
    CKWRect installHeightSpin;
    CKWRect installHeightUnit;
    CKWRect installHeightMarker; // button 104
    CKWRect distanceLabel;
    CKWRect distanceSpin;
    CKWRect distanceUnit;
    CKWRect distanceMarker; // button 108
    CKWRect installAngleLabel;
    CKWRect installAngleSpin;
    CKWRect degree;
    CKWRect installAngleMarker; // button 106
    CKWRect angleNote;
    CKWRect focalLabel;
    CKWRect focalSpin; // also combo 321
    CKWRect fixedFocalCombo;
    CKWRect mmUnit;
    CKWRect minFocal;
    CKWRect focalSlider;
    CKWRect maxFocal;
};

IPCPanelLayout ComputeIPCPanelLayout(float scale);
