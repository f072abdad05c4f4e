// The panels' skin tables name the pictures in the order their records are
// read; a filler that put one name into another field would give a control
// the wrong picture in one state only.

#include "app/calc/PanelSkin.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelSkin, EachNameLandsInItsField)
{
    const SpinSkinNames spinNames = { L"frame", L"dn", L"dh", L"dp", L"dd", L"un", L"uh", L"up", L"ud" };
    ImageNumSpinerStyle spin;
    FillSpinSkin(&spin, spinNames);
    const std::wstring spinFields[]
        = { spin.strFrame, spin.strDownNormal, spin.strDownHover, spin.strDownPressed, spin.strDownDisabled,
              spin.strUpNormal, spin.strUpHover, spin.strUpPressed, spin.strUpDisabled };
    for (std::size_t i = 0; i < spinNames.size(); ++i) {
        EXPECT_EQ(spinFields[i], spinNames[i]) << "spin field " << i;
    }
    EXPECT_TRUE(spin.strReserved1.empty() && spin.strReserved2.empty() && spin.strReserved3.empty());
}

TEST(PanelSkin, FacesExistForTheTwoDesignScalesOnly)
{
    const SliderFace at1 = { L"one", { L"a", L"b", L"c", L"d", L"e", L"f" } };
    const SliderFace at2 = { L"two", { L"A", L"B", L"C", L"D", L"E", L"F" } };
    const struct {
        float scale;
        const wchar_t* image;
        const wchar_t* lastPart;
    } rows[] = { { 1.0f, L"one", L"f" }, { 2.0f, L"two", L"F" }, { 1.5f, L"", L"" } };
    for (const auto& row : rows) {
        ImageSliderStyle slider;
        FillSliderSkin(&slider, FaceForScale(row.scale, at1, at2));
        EXPECT_EQ(slider.strImage, row.image) << row.scale;
        EXPECT_EQ(slider.strRect[5], row.lastPart) << row.scale;
    }
}

} // namespace
