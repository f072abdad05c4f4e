#include "app/calc/PanelSkin.h"

#include <algorithm>

namespace {

template <std::size_t N>
void AssignInOrder(std::wstring* const (&fields)[N], const std::array<const wchar_t*, N>& names)
{
    for (std::size_t i = 0; i < N; ++i) {
        *fields[i] = names[i];
    }
}

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
    AssignInOrder(fields, names);
}

void FillRadioSkin(ImageRadioBox* skin, const RadioSkinNames& names)
{
    std::wstring* const fields[] = { &skin->strCheckedNormal, &skin->strCheckedHover,
        &skin->strCheckedPressed, &skin->strUncheckedNormal, &skin->strUncheckedHover,
        &skin->strUncheckedPressed, &skin->strCheckedDisabled };
    AssignInOrder(fields, names);
}

void FillComboSkin(ImageComboBoxStyle* skin, const ComboFace* face)
{
    AssignFace(&skin->strImage, skin->strRect, face);
}

void FillSliderSkin(ImageSliderStyle* skin, const SliderFace* face)
{
    AssignFace(&skin->strImage, skin->strRect, face);
}
