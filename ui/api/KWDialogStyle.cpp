#include "ui/api/KWDialogStyle.h"

#include "ui/api/KWRecordStrings.h"

namespace {

using DialogString = std::wstring DialogStyle::*;

const DialogString kDialogStrings[DialogStyle::kStringCount] = {
    &DialogStyle::strSkinImage,
    &DialogStyle::strInteriorImage,
    &DialogStyle::strSkinImageMode,
    &DialogStyle::strInteriorColor,
    &DialogStyle::strPieceR0,
    &DialogStyle::strPieceR0Mode,
    &DialogStyle::strPieceR1,
    &DialogStyle::strPieceR1Mode,
    &DialogStyle::strPieceR2,
    &DialogStyle::strPieceR2Mode,
    &DialogStyle::strPieceR3,
    &DialogStyle::strPieceR3Mode,
    &DialogStyle::strPieceR4,
    &DialogStyle::strPieceR4Mode,
    &DialogStyle::strPieceR5,
    &DialogStyle::strPieceR5Mode,
    &DialogStyle::strPieceR9,
    &DialogStyle::strPieceR9Mode,
    &DialogStyle::strPieceR10,
    &DialogStyle::strPieceR10Mode,
    &DialogStyle::strPieceR11,
    &DialogStyle::strPieceR11Mode,
    &DialogStyle::strPieceR8,
    &DialogStyle::strPieceR8Mode,
    &DialogStyle::strPieceR7,
    &DialogStyle::strPieceR7Mode,
    &DialogStyle::strPieceR6,
    &DialogStyle::strPieceR6Mode,
    &DialogStyle::strBtn4SrcNormal,
    &DialogStyle::strBtn4SrcOver,
    &DialogStyle::strBtn4SrcDown,
    &DialogStyle::strBtn3SrcNormal,
    &DialogStyle::strBtn3SrcOver,
    &DialogStyle::strBtn3SrcDown,
    &DialogStyle::strBtn2SrcNormal,
    &DialogStyle::strBtn2SrcOver,
    &DialogStyle::strBtn2SrcDown,
    &DialogStyle::strBtn1SrcNormal,
    &DialogStyle::strBtn1SrcOver,
    &DialogStyle::strBtn1SrcDown,
    &DialogStyle::strReserved40,
    &DialogStyle::strBtn4Hit,
    &DialogStyle::strBtn3Hit,
    &DialogStyle::strBtn2Hit,
    &DialogStyle::strBtn1Hit,
    &DialogStyle::strTitleFont,
    &DialogStyle::strTitleFontSize,
    &DialogStyle::strTitleFontWeight,
    &DialogStyle::strTitleColor,
    &DialogStyle::strTitleColor2,
    &DialogStyle::strReserved50,
    &DialogStyle::strReserved51,
    &DialogStyle::strReserved52,
    &DialogStyle::strTitleAlign,
    &DialogStyle::strCaptionRect,
    &DialogStyle::strReservedRect,
    &DialogStyle::strRoundCorner,
    &DialogStyle::strWindowSize,
    &DialogStyle::strBtn1ImgNormal,
    &DialogStyle::strBtn1ImgOver,
    &DialogStyle::strBtn1ImgDown,
    &DialogStyle::strBtn3ImgNormal,
    &DialogStyle::strBtn3ImgOver,
    &DialogStyle::strBtn3ImgDown,
    &DialogStyle::strBtn2ImgNormal,
    &DialogStyle::strBtn2ImgOver,
    &DialogStyle::strBtn2ImgDown,
    &DialogStyle::strBtn4ImgNormal,
    &DialogStyle::strBtn4ImgOver,
    &DialogStyle::strBtn4ImgDown};

} // namespace

std::wstring& DialogStyle::Str(int i)
{
    return KWRecordString(*this, kDialogStrings, i);
}

const std::wstring& DialogStyle::Str(int i) const
{
    return KWRecordString(*this, kDialogStrings, i);
}
