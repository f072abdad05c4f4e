// The button and radio records are given their pictures in the record's
// order; a name in another state's field would show the wrong picture in
// that state only.

#include "app/ControlSkin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ControlSkin, EachPictureLandsInItsState)
{
    const ImageRadioBox radio = RadioSkin(L"cn", L"ch", L"cp", L"un", L"uh", L"up", L"cd", L"ud");
    const std::pair<std::wstring, const wchar_t*> radioStates[]
        = { { radio.strCheckedNormal, L"cn" }, { radio.strCheckedHover, L"ch" },
              { radio.strCheckedPressed, L"cp" }, { radio.strUncheckedNormal, L"un" },
              { radio.strUncheckedHover, L"uh" }, { radio.strUncheckedPressed, L"up" },
              { radio.strCheckedDisabled, L"cd" }, { radio.strUncheckedDisabled, L"ud" } };
    for (const auto& [field, name] : radioStates) {
        EXPECT_EQ(field, name);
    }
    EXPECT_TRUE(radio.strOverlay.empty());
    EXPECT_TRUE(RadioSkin(L"a", L"b", L"c", L"d", L"e", L"f", L"g").strUncheckedDisabled.empty());

    const ImageButtonStyle button = ButtonSkin(L"n", L"h", L"p", L"d");
    const std::pair<std::wstring, const wchar_t*> buttonStates[] = { { button.strNormal, L"n" },
        { button.strHover, L"h" }, { button.strPressed, L"p" }, { button.strDisabled, L"d" } };
    for (const auto& [field, name] : buttonStates) {
        EXPECT_EQ(field, name);
    }
    EXPECT_TRUE(ButtonSkin(L"n", L"h", L"p").strDisabled.empty());
}

} // namespace
