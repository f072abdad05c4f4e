#pragma once
// Where the IPC panel's controls stand at a UI scale. Positions do not depend
// on the panel's size. Rows are laid out top-down, each row's controls
// centred on its label; every size and offset is a design value times the
// scale, truncated, so that the 4K panel is the normal one at twice the size.

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
