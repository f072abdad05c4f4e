#pragma once
// Filling the skin records of the parameter panels' controls. Each panel
// keeps its own tables of picture names and part rectangles; these copy a
// table into a record, field by field in the record's order.

#include "ui/api/KWSkinRecords.h"

#include <array>
#include <cstddef>

// Frame; the down button's normal, hover, pressed and disabled pictures;
// then the up button's.
using SpinSkinNames = std::array<const wchar_t*, 9>;

// A control's face picture and the rectangles of its parts, in the record's
// order.
template <std::size_t PartCount>
struct SkinFace {
    const wchar_t* image;
    std::array<const wchar_t*, PartCount> parts;
};
using ComboFace = SkinFace<7>;
using SliderFace = SkinFace<6>;

void FillSpinSkin(ImageNumSpinerStyle* skin, const SpinSkinNames& names);
// A null face leaves the record as it is.
void FillComboSkin(ImageComboBoxStyle* skin, const ComboFace* face);
void FillSliderSkin(ImageSliderStyle* skin, const SliderFace* face);

// The pictures are drawn for the two design scales only: the face for
// exactly 1.0 or exactly 2.0, and none at any other scale.
template <class Face>
const Face* FaceForScale(float scale, const Face& at1, const Face& at2)
{
    if (scale == 1.0f) {
        return &at1;
    }
    return scale == 2.0f ? &at2 : nullptr;
}
