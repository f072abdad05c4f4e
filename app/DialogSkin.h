#pragma once
// What every window's skin record starts with: the background pictures, the
// twelve frame pieces cut from the skin image, and the title's font and
// colours. Each window keeps its own values and fills the rest of its record
// (caption, flags, sizes, title buttons) itself.

#include "ui/api/KWDialogStyle.h"

#include <array>

// A frame piece: its rectangle in the skin image and its draw mode, empty
// for none.
struct DialogFramePiece {
    const wchar_t* rect;
    const wchar_t* mode;
};
// In the record's order.
using DialogFramePieces = std::array<DialogFramePiece, 12>;

// Empty texts leave a field empty.
struct DialogLook {
    const wchar_t* skinImage;
    const wchar_t* interiorImage;
    const wchar_t* skinImageMode;
    const wchar_t* interiorColour;
    const wchar_t* titleFont;
    const wchar_t* titleFontSize;
    const wchar_t* titleFontWeight;
    const wchar_t* titleColour;
    const wchar_t* titleColour2;
    const wchar_t* titleAlign;
};

void FillDialogLook(DialogStyle* style, const DialogLook& look, const DialogFramePieces& pieces);

// The title's top in a dialog with a title band: 8 design pixels under the
// band's top, the band itself starting under the frame's shadow margin of 10
// pixels (at every scale, composited or not). Measured from the window's
// top, a title would otherwise begin in the margin, which the window's mask
// leaves out where no compositing manager blends it.
int DialogTitleTop(double scale);
