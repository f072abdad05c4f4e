#pragma once
// The style sheet both skinned spin boxes set: the frame picture with the
// text colour, padding and font size, then the up and down buttons with their width and
// their normal, hover, pressed and disabled pictures.

#include "ui/api/KWSkinRecords.h"

#include <QString>

// boxClass is the Qt class the rules select ("QSpinBox", "QDoubleSpinBox");
// every picture is folder + its name, folder ending with '/'. The number is
// drawn fontPx high: its own rule, since the box's sheet would otherwise leave
// it at the default font's size whatever the scale.
QString KWSpinBoxStyleSheet(const QString& boxClass, const QString& textColour, int paddingPx,
    int buttonWidthPx, int fontPx, const ImageNumSpinerStyle& style, const QString& folder);
