// The IPC tool's angle and density arithmetic, without a window.

#include "app/NumberText.h"
#include "app/calc/IPCCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

ModelRecord Model(const char* focalType, std::map<int, std::string> focals, std::map<int, std::string> h = {},
                  std::map<int, std::string> v = {})
{
    ModelRecord m;
    m.strFBx = "1920";
    m.strFBy = "1080";
    m.PixelSize = "2.9";
    m.FLtype = focalType;
    m.value = std::move(focals);
    m.ViewH = std::move(h);
    m.ViewV = std::move(v);
    return m;
}

// The worked installation: 7 m high, target 10 m away, the camera seeing the
// target from the ground to 2 m, the target 1.7 m tall, f 4 mm, 2 um pixels.
IPCDensityInput WorkedInstallation()
{
    IPCDensityInput in;
    in.metric = true;
    in.installHeight = 7.0;
    in.targetDistance = 10.0;
    in.installAngle = 55.21;
    in.verticalAngle = 40.0;
    in.targetTop = 2.0;
    in.targetBottom = 0.0;
    in.targetHeight = 1.7;
    in.focalKnown = true;
    in.focal = 4.0;
    in.pixelSize = 2.0;
    return in;
}

TEST(NumberText, ReadsLeadingNumbersLikeTheCLibraryInTheCLocale)
{
    struct Row {
        const char* text;
        double number;
        int integer;
    } rows[] = {
        {"2.8", 2.8, 2}, {" 12abc", 12.0, 12}, {"", 0.0, 0}, {"abc", 0.0, 0}, {"-3", -3.0, -3}, {"4.0MP", 4.0, 4},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(TextToDouble(row.text), row.number) << row.text;
        EXPECT_EQ(TextToInt(row.text), row.integer) << row.text;
    }
}

TEST(NumberText, OnlyAFiniteDecimalNumberStartsAText)
{
    struct Row {
        const char* text;
        bool parsed;
        double number; // what *value holds afterwards; 7 is the value before
    } rows[] = {
        {"inf", false, 7.0}, {"nan", false, 7.0}, {"-infinity", false, 7.0}, {"NAN(123)", false, 7.0},
        {" +INF", false, 7.0}, {"1e309", false, 7.0}, {"-1e309", false, 7.0}, {".", false, 7.0},
        {".e1", false, 7.0}, {"-", false, 7.0}, {".5", true, 0.5}, {" -.5x", true, -0.5},
        {"+2.8mm", true, 2.8}, {"1e-400", true, 0.0}, {"0x10", true, 0.0}, {"1e3", true, 1000.0},
    };
    for (const Row& row : rows) {
        double value = 7.0;
        EXPECT_EQ(ParseLeadingDouble(row.text, &value), row.parsed) << row.text;
        EXPECT_DOUBLE_EQ(value, row.number) << row.text;
        EXPECT_DOUBLE_EQ(TextToDouble(row.text), row.parsed ? row.number : 0.0) << row.text;
    }
}

TEST(NumberText, DoubleTextReadsBackAsTheSameDoubleOrAsNoNumber)
{
    const double numbers[] = {0.0, -0.0, 2.8, -1e-300, 5e-324, 1.7976931348623157e308, 0.1 + 0.2};
    for (const double number : numbers) {
        const std::string text = DoubleToText(number);
        double value = 7.0;
        ASSERT_TRUE(ParseLeadingDouble(text.c_str(), &value)) << text;
        EXPECT_EQ(std::memcmp(&value, &number, sizeof value), 0) << text;
    }
    // Without a text of their own, these read as no number to any reader, so
    // that a setting holding one reads back as its default.
    for (const double number : {kInf, -kInf, kNaN}) {
        const std::string text = DoubleToText(number);
        char* end = nullptr;
        std::strtod(text.c_str(), &end);
        EXPECT_EQ(end - text.c_str(), 0) << "\"" << text << "\" starts with a number";
    }
}

TEST(IPCViewAngles, FormulaGivesTheWorkedExample)
{
    const IPCSensorSize sensor = SensorSizeMm(1920, 1080, 2.9);
    EXPECT_FLOAT_EQ(sensor.width, 5.568f);
    EXPECT_FLOAT_EQ(sensor.height, 3.132f);
    const IPCViewAngles angles = FormulaViewAngles(sensor, 4.0);
    EXPECT_NEAR(angles.horizontal, 69.6758, 1e-4);
    EXPECT_NEAR(angles.vertical, 42.7607, 1e-4);
}

TEST(IPCViewAngles, FormulaWithoutAPositiveFocalLengthGivesZero)
{
    for (double focal : {0.0, -2.0, kNaN, kInf}) {
        EXPECT_EQ(FormulaAngleDeg(5.568f, focal), 0.0) << focal;
    }
    EXPECT_EQ(FormulaAngleDeg(0.0f, 4.0), 0.0);
}

TEST(IPCViewAngles, RecordWalk)
{
    const IPCViewAngles formula = FormulaViewAngles(SensorSizeMm(1920, 1080, 2.9), 4.0);
    struct Row {
        const char* name;
        ModelRecord model;
        double spin;
        double combo;
        bool computed;
        double h;
        double v;
    } rows[] = {
        {"varifocal match", Model("3", {{1, "2.8"}, {2, "12"}}, {{1, "100.1"}, {2, "30.2"}}, {{1, "55.5"}, {2, "17.1"}}),
         12.0, 0.0, true, 30.2, 17.1},
        {"duplicate focal length: the larger serial wins",
         Model("3", {{1, "4"}, {2, "4"}}, {{1, "70"}, {2, "71"}}, {{1, "40"}, {2, "41"}}), 4.0, 0.0, true, 71.0, 41.0},
        {"varifocal without a match: formula", Model("3", {{1, "2.8"}, {2, "12"}}, {{1, "1"}}, {{1, "1"}}), 4.0, 0.0,
         true, formula.horizontal, formula.vertical},
        {"varifocal takes the spin box, not the combo", Model("3", {{1, "4"}}, {{1, "9"}}, {{1, "8"}}), 4.0, 6.0, true,
         9.0, 8.0},
        {"fixed lens match from the combo", Model("2", {{1, "4"}, {2, "6"}}, {{1, "70"}, {2, "50"}}, {{1, "40"}, {2, "30"}}),
         4.0, 6.0, true, 50.0, 30.0},
        {"fixed lens without a match: zero", Model("2", {{1, "4"}}, {{1, "70"}}, {{1, "40"}}), 4.0, 8.0, true, 0.0, 0.0},
        {"single fixed lens", Model("4", {{1, "2.8"}}, {{1, "98.5"}}, {{1, "52.1"}}), 9.0, 2.8, true, 98.5, 52.1},
        {"empty focal type: nothing", Model("", {{1, "4"}}, {{1, "70"}}, {{1, "40"}}), 4.0, 4.0, false, -1.0, -1.0},
        {"unknown focal type: nothing", Model("1", {{1, "4"}}, {{1, "70"}}, {{1, "40"}}), 4.0, 4.0, false, -1.0, -1.0},
    };
    SensorRow user {};
    for (const Row& row : rows) {
        IPCViewAngles out;
        out.horizontal = out.vertical = -1.0;
        EXPECT_EQ(ComputeViewAngles(false, user, row.model, row.spin, row.combo, &out), row.computed) << row.name;
        EXPECT_DOUBLE_EQ(out.horizontal, row.h) << row.name;
        EXPECT_DOUBLE_EQ(out.vertical, row.v) << row.name;
    }
}

TEST(IPCViewAngles, NonFiniteInputsGiveZeroAngles)
{
    const IPCViewAngles worked = FormulaViewAngles(SensorSizeMm(1920, 1080, 2.9), 4.0);
    const auto withTexts = [](const char* fbx, const char* pixelSize, const char* viewH, const char* viewV) {
        ModelRecord m = Model("3", {{1, "8"}}, {{1, viewH}}, {{1, viewV}}); // 8 mm: the record's angles
        m.strFBx = fbx;
        m.PixelSize = pixelSize;
        return m;
    };
    const ModelRecord noMatch = Model("3", {{1, "2.8"}});
    struct Row {
        const char* name;
        bool userDefined;
        double userPixelSize;
        ModelRecord model;
        double spin;
        double h;
        double v;
    } rows[] = {
        {"user-defined pixel size NaN", true, kNaN, noMatch, 4.0, 0.0, 0.0},
        {"user-defined pixel size infinite", true, kInf, noMatch, 4.0, 0.0, 0.0},
        {"record pixel size nan", false, 0.0, withTexts("1920", "nan", "", ""), 4.0, 0.0, 0.0},
        {"record pixel count 1e309", false, 0.0, withTexts("1e309", "2.9", "", ""), 4.0, 0.0,
         worked.vertical},
        {"sensor side too large for a float", false, 0.0, withTexts("1e45", "2.9", "", ""), 4.0, 0.0,
         worked.vertical},
        {"record angles nan and 1e309", false, 0.0, withTexts("1920", "2.9", "nan", "1e309"), 8.0, 0.0, 0.0},
        {"record angles -inf and NAN(1)", false, 0.0, withTexts("1920", "2.9", "-inf", "NAN(1)"), 8.0, 0.0,
         0.0},
        {"focal length NaN", false, 0.0, noMatch, kNaN, 0.0, 0.0},
    };
    for (const Row& row : rows) {
        SensorRow user {};
        user.horizontal = 1920;
        user.vertical = 1080;
        user.pixelSize = row.userPixelSize;
        IPCViewAngles out;
        ASSERT_TRUE(ComputeViewAngles(row.userDefined, user, row.model, row.spin, 0.0, &out)) << row.name;
        EXPECT_DOUBLE_EQ(out.horizontal, row.h) << row.name;
        EXPECT_DOUBLE_EQ(out.vertical, row.v) << row.name;
    }
}

TEST(IPCDensity, WorkedExampleInMetresAndFeet)
{
    IPCDensityInput in = WorkedInstallation();
    IPCDensityResult r = ComputeDensity(in);
    EXPECT_EQ(r.value, 169);
    EXPECT_EQ(r.pixelCount, 36);

    in.metric = false;
    in.installHeight = 7.0 * kFeetPerMetre;
    in.targetDistance = 10.0 * kFeetPerMetre;
    r = ComputeDensity(in);
    EXPECT_EQ(r.value, 51);
    EXPECT_EQ(r.pixelCount, 36);
}

TEST(IPCDensity, TargetTopRule)
{
    struct Row {
        const char* name;
        double top;
        double verticalAngle;
        double angle;
        double expectedTop;
        bool density;
    } rows[] = {
        {"top edge past the zenith: the whole target", -0.5, 60.0, 160.0, 1.7, true},
        {"exactly 180: not replaced, not visible", -0.5, 60.0, 150.0, -0.5, false},
        {"initial vertical angle, just past 180", -0.5, 101.9289749, 129.1, 1.7, true},
        {"initial vertical angle, just short of 180", -0.5, 101.9289749, 129.0, -0.5, false},
        {"a positive top is kept", 1.2, 60.0, 160.0, 1.2, true},
    };
    for (const Row& row : rows) {
        IPCDensityInput in = WorkedInstallation();
        in.targetTop = row.top;
        in.verticalAngle = row.verticalAngle;
        in.installAngle = row.angle;
        const IPCDensityResult r = ComputeDensity(in);
        EXPECT_DOUBLE_EQ(r.targetTop, row.expectedTop) << row.name;
        if (row.density) {
            EXPECT_GT(r.value, 0) << row.name;
        } else {
            EXPECT_EQ(r.value, kNoDensity) << row.name;
            EXPECT_EQ(r.pixelCount, 0) << row.name;
        }
    }
}

TEST(IPCDensity, VisibleSpanIsTheLowerOfTopAndTargetHeight)
{
    IPCDensityInput whole = WorkedInstallation();
    whole.targetTop = 1.7; // top == target height: top - bottom
    IPCDensityInput higher = WorkedInstallation();
    higher.targetTop = 3.0; // above the target: target height - bottom
    EXPECT_EQ(ComputeDensity(whole).value, ComputeDensity(higher).value);

    IPCDensityInput lower = WorkedInstallation();
    lower.targetTop = 0.5;
    lower.targetBottom = 0.2;
    // Samples 7 - 0.2 - i * 0.03 m above the target's sample points: the
    // mean slant distance and with it the density differ from the whole span.
    double sum = 0.0;
    for (int i = 0; i < 10; ++i) {
        const double y = 6.8 - i * 0.03;
        sum += (4000.0 / std::sqrt(y * y + 100.0)) / 2.0;
    }
    EXPECT_EQ(ComputeDensity(lower).value, static_cast<int>(sum / 10.0));
}

TEST(IPCDensity, NoDensityCases)
{
    struct Row {
        const char* name;
        void (*change)(IPCDensityInput&);
        int pixelCount;
    } rows[] = {
        {"target height at the bottom", [](IPCDensityInput& in) { in.targetHeight = in.targetBottom = 0.6; }, 0},
        {"target height below the bottom", [](IPCDensityInput& in) { in.targetBottom = 1.8; }, 0},
        {"top at 0", [](IPCDensityInput& in) { in.targetTop = 0.0; }, 0},
        {"unknown focal type", [](IPCDensityInput& in) { in.focalKnown = false; }, 0},
        {"focal length 0 (empty combo)", [](IPCDensityInput& in) { in.focal = 0.0; }, 0},
        {"negative focal length", [](IPCDensityInput& in) { in.focal = -4.0; }, 0},
        {"focal length not a number", [](IPCDensityInput& in) { in.focal = kNaN; }, 0},
        {"pixel size 0 (no database)", [](IPCDensityInput& in) { in.pixelSize = 0.0; }, 0},
        {"negative pixel size", [](IPCDensityInput& in) { in.pixelSize = -2.0; }, 0},
        {"infinite pixel size", [](IPCDensityInput& in) { in.pixelSize = kInf; }, 0},
        {"density too large for an int", [](IPCDensityInput& in) { in.pixelSize = 1e-300; }, 0},
        {"camera at the sample point, no distance",
         [](IPCDensityInput& in) {
             in.installHeight = 0.0;
             in.targetDistance = 0.0;
         },
         0},
    };
    for (const Row& row : rows) {
        IPCDensityInput in = WorkedInstallation();
        row.change(in);
        const IPCDensityResult r = ComputeDensity(in);
        EXPECT_EQ(r.value, kNoDensity) << row.name;
        EXPECT_EQ(r.pixelCount, row.pixelCount) << row.name;
    }
}

TEST(IPCDensity, NoHorizontalDistanceGivesNoPixelCountButADensity)
{
    IPCDensityInput in = WorkedInstallation();
    in.targetDistance = 0.0;
    const IPCDensityResult r = ComputeDensity(in);
    // Slant distances 7 m down to 5.47 m straight below the camera.
    double sum = 0.0;
    for (int i = 0; i < 10; ++i) {
        sum += 2000.0 / (7.0 - i * 0.17);
    }
    EXPECT_EQ(r.value, static_cast<int>(sum / 10.0));
    EXPECT_EQ(r.pixelCount, 0);
}

TEST(IPCDensity, PixelCountTooLargeForAnIntIsZero)
{
    IPCDensityInput in = WorkedInstallation();
    in.targetDistance = 1e-9;
    in.installHeight = 1e6; // keeps the density itself small
    const IPCDensityResult r = ComputeDensity(in);
    EXPECT_GE(r.value, 0);
    EXPECT_EQ(r.pixelCount, 0);
}

TEST(IPCNumbers, FocalSliderPositionsRoundToNearest)
{
    struct Row {
        double focal;
        int pos;
    } rows[] = {{2.3, 230}, {4.1, 410}, {8.2, 820}, {12.3, 1230}, {2.8, 280}, {12.0, 1200}, {0.5, 50}, {100.0, 10000},
                {kNaN, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(FocalToSliderPos(row.focal), row.pos) << row.focal;
    }
    for (int tenths = 5; tenths <= 1000; ++tenths) {
        const double focal = TextToDouble(std::to_string(tenths / 10.0).c_str());
        EXPECT_EQ(FocalToSliderPos(focal), tenths * 10) << focal;
    }
    EXPECT_EQ(SliderPosToFocal(1234), static_cast<double>(12.34f));
}

TEST(IPCNumbers, FocalRangeTextHasOneDecimalAndNoLengthLimit)
{
    EXPECT_EQ(FocalRangeText(2.8), L"2.8mm");
    EXPECT_EQ(FocalRangeText(12.0), L"12.0mm");
    EXPECT_EQ(FocalRangeText(0.5), L"0.5mm");
    EXPECT_EQ(FocalRangeText(100000.04), L"100000.0mm");
}

} // namespace
