#include "app/calc/PanelSkin.h"

#include <algorithm>

namespace {

template <std::size_t N>
void AssignFace(std::wstring* image, std::wstring (&rects)[N], const SkinFace<N>* face)
{
    if (face != nullptr) {
        *image = face->image;
        std::copy(face->parts.begin(), face->parts.end(), rects);
    }
}

} // namespace

void FillSpinSkin(ImageNumSpinerStyle* skin, const SpinSkinNames& names)
{
    std::wstring* const fields[] = { &skin->strFrame, &skin->strDownNormal, &skin->strDownHover,
        &skin->strDownPressed, &skin->strDownDisabled, &skin->strUpNormal, &skin->strUpHover,
        &skin->strUpPressed, &skin->strUpDisabled };
    for (std::size_t i = 0; i < names.size(); ++i) {
        *fields[i] = names[i];
    }
}

void FillComboSkin(ImageComboBoxStyle* skin, const ComboFace* face)
{
    AssignFace(&skin->strImage, skin->strRect, face);
}

void FillSliderSkin(ImageSliderStyle* skin, const SliderFace* face)
{
    AssignFace(&skin->strImage, skin->strRect, face);
}
