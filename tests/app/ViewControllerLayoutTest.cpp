#include "app/calc/ViewControllerLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Box {
    int l, t, r, b;
};

::testing::AssertionResult IsBox(const RECT& actual, Box expected)
{
    if (actual.left == expected.l && actual.top == expected.t && actual.right == expected.r
        && actual.bottom == expected.b) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", "
                                         << actual.bottom << ") instead of (" << expected.l << ", " << expected.t
                                         << ", " << expected.r << ", " << expected.b << ")";
}

} // namespace

TEST(ViewControllerLayout, ModelPictureNameReplacesEveryBlankAndAppendsPng)
{
    const struct {
        const wchar_t* name;
        const wchar_t* picture;
    } cases[] = {
        { L"Two Words", L"Two_Words.png" },
        { L"NoBlank-2.8", L"NoBlank-2.8.png" },
        { L" lead and  double ", L"_lead_and__double_.png" },
        // Only blanks change: the picture files keep every other character.
        { L"Tab\there", L"Tab\there.png" },
        { L"相机 一", L"相机_一.png" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModelPictureName(c.name), std::wstring(c.picture));
    }
    EXPECT_EQ(ModelPictureName(nullptr), std::wstring());
}

TEST(ViewControllerLayout, TitleAndSceneScaleWithTheUi)
{
    const struct {
        const char* name;
        double scale;
        int cx, cy;
        bool side;
        Box title;
        int textSize;
        Box scene;
    } cases[] = {
        { "scale 1, 3D or top view", 1.0, 474, 300, false, { 5, 1, 205, 23 }, 14, { 0, 24, 474, 300 } },
        { "scale 1, side view keeps a pixel", 1.0, 690, 327, true, { 5, 1, 205, 23 }, 14, { 0, 24, 690, 326 } },
        { "scale 2: 400 x 44 at (10, 2)", 2.0, 948, 600, false, { 10, 2, 410, 46 }, 28, { 0, 48, 948, 600 } },
        { "scale 2, side view", 2.0, 1380, 654, true, { 10, 2, 410, 46 }, 28, { 0, 48, 1380, 652 } },
        // Each product is truncated on its own, and so is bottom + scale.
        { "scale 1.5 truncates", 1.5, 300, 201, true, { 7, 1, 307, 34 }, 21, { 0, 35, 300, 199 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CKWRect title = ViewTitleRect(c.scale);
        EXPECT_TRUE(IsBox(title, c.title));
        EXPECT_EQ(ViewTitleTextSize(c.scale), c.textSize);
        EXPECT_TRUE(IsBox(ViewSceneRect(title, c.cx, c.cy, c.scale, c.side), c.scene));
    }
}
