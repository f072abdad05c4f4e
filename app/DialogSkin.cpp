#include "app/DialogSkin.h"

#include "base/ScaledLength.h"
#include "ui/qt/KWFrameShadow.h"

namespace {

// Strings 4 to 27 hold the pieces as {rectangle, mode} pairs.
constexpr int kFirstPieceString = 4;

} // namespace

void FillDialogLook(DialogStyle* style, const DialogLook& look, const DialogFramePieces& pieces)
{
    style->strSkinImage = look.skinImage;
    style->strInteriorImage = look.interiorImage;
    style->strSkinImageMode = look.skinImageMode;
    style->strInteriorColor = look.interiorColour;
    for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
        style->Str(kFirstPieceString + 2 * i) = pieces[static_cast<size_t>(i)].rect;
        style->Str(kFirstPieceString + 2 * i + 1) = pieces[static_cast<size_t>(i)].mode;
    }
    style->strTitleFont = look.titleFont;
    style->strTitleFontSize = look.titleFontSize;
    style->strTitleFontWeight = look.titleFontWeight;
    style->strTitleColor = look.titleColour;
    style->strTitleColor2 = look.titleColour2;
    style->strTitleAlign = look.titleAlign;
}

int DialogTitleTop(double scale)
{
    return Trunc(scale * 8.0 + kKWFrameShadowMargin);
}
