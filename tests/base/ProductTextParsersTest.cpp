#include "base/ProductTextParsers.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// The fixtures are GBK bytes, as the catalogue texts come out of StripTags:
// \xA1\xB1 right double quotation mark, \xA1\xC1 multiplication sign,
// \xA1\xE3 degree sign, \xA3\xA9 full-width closing parenthesis,
// \xD6\xD0 and \xCE\xC4 two Chinese characters.

TEST(ProductTextParsers, StripTagsRemovesMarkupAndConvertsToGbk)
{
    struct Row {
        const char* name;
        std::wstring text;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"tags removed", L"<p>Image<b>Sensor</b></p>", "ImageSensor"},
        {"Chinese text becomes GBK", L"<td>\u4E2D\u6587</td>\u00D7\u00B0", "\xD6\xD0\xCE\xC4\xA1\xC1\xA1\xE3"},
        {"unclosed tag removes the rest", L"keep<span class=x", "keep"},
        {"run ends at the first '>'", L"x<<a>b>y", "xb>y"},
        {"'>' without '<' stays", L"a>b", "a>b"},
        {"no tags", L"plain", "plain"},
        {"empty", L"", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(StripTags(row.text), row.expected) << row.name;
    }
}

TEST(ProductTextParsers, StripTagsTakesTimeInProportionToTheText)
{
    // 65,536 tags in a row take seconds where each one removed moves the
    // whole rest of the text.
    std::wstring text;
    for (int i = 0; i < 262144; ++i) {
        text += L"<a>";
    }
    text += L"end";
    const double start = KWThreadCpuSeconds();
    EXPECT_EQ(StripTags(text), "end");
    EXPECT_LT(KWThreadCpuSeconds() - start, 0.25);
}

TEST(ProductTextParsers, StripWhitespaceRemovesTabsLineBreaksAndBlanks)
{
    EXPECT_EQ(StripWhitespace(" Image\tSensor\r\n 1/2.8\" \xD6\xD0 "), "ImageSensor1/2.8\"\xD6\xD0");
    EXPECT_EQ(StripWhitespace(" \t\r\n"), "");
}

TEST(ProductTextParsers, ParseImageSensorReadsUpToTheInchMark)
{
    struct Row {
        const char* name;
        std::string text, expected;
    };
    const std::vector<Row> rows = {
        {"ASCII inch mark", "ModelX:ImageSensor1/2.8\"ProgressiveScanCMOS", "1/2.8"},
        {"GBK right quotation mark", "\xD6\xD0ImageSensor1/3\xA1\xB1" "CMOS", "1/3"},
        {"nearer of the two marks", "xImageSensor1/2.7\"CMOS\xA1\xB1", "1/2.7"},
        {"a mark before the marker is not the end", "\"xImageSensor1/4\"CMOS", "1/4"},
        {"marker at the very start", "ImageSensor1/2.8\"CMOS", ""},
        {"no inch mark", "xImageSensor1/2.8CMOS", ""},
        {"truncated after the marker", "xImageSensor", ""},
        {"no marker", "xSensor1/2.8\"", ""},
        {"marker beyond 2000 bytes", std::string(2000, 'y') + "ImageSensor1/2.8\"", ""},
        {"marker just below 2000 bytes", std::string(1999, 'y') + "ImageSensor1/2.8\"", "1/2.8"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ParseImageSensor(row.text), row.expected) << row.name;
    }
}

TEST(ProductTextParsers, ParseEffectivePixelsSplitsAtTheMultiplicationSign)
{
    struct Row {
        const char* name;
        std::string text, horizontal, vertical;
    };
    const std::string untouched = "keep";
    const std::vector<Row> rows = {
        {"ASCII x", "EffectivePixels1920(H)x1080(V)FrameRate", "1920", "1080"},
        {"GBK sign", "xEffectivePixels2592(H)\xA1\xC1" "1944(V)", "2592", "1944"},
        {"x before the sign wins", "EffectivePixels1280(H)x720(V)\xA1\xC1", "1280", "720"},
        {"sign before an x", "EffectivePixels704(H)\xA1\xC1" "576(V)x", "704", "576"},
        {"no (V) after the marker", "EffectivePixels1920(H)x1080", untouched, untouched},
        {"no sign", "EffectivePixels1920(H)1080(V)", untouched, untouched},
        {"no marker", "Pixels1920(H)x1080(V)", untouched, untouched},
        {"sign right after the marker", "EffectivePixelsx1080(V)", "", "1080"},
        {"truncated", "EffectivePixels", untouched, untouched},
        {"empty", "", untouched, untouched},
    };
    for (const Row& row : rows) {
        std::string h = untouched;
        std::string v = untouched;
        ParseEffectivePixels(row.text, h, v);
        EXPECT_EQ(h, row.horizontal) << row.name;
        EXPECT_EQ(v, row.vertical) << row.name;
    }
}

TEST(ProductTextParsers, ParseAngleOfViewReadsBothAnglesUpToTheDegreeMark)
{
    struct Row {
        const char* name;
        std::string text, h, v;
    };
    const std::vector<Row> rows = {
        {"GBK degree signs", "AngleofViewH:92.5\xA1\xE3V:50.1\xA1\xE3", "92.5", "50.1"},
        {"lost degree signs", "LensAngleofViewH:101?V:54?", "101", "54"},
        {"ranges", "AngleofViewH:100.5\xA1\xE3~28.3\xA1\xE3V:55\xA1\xE3~16\xA1\xE3", "100.5", "55"},
        {"no V", "AngleofViewH:80\xA1\xE3", "80", "0"},
        {"V without degree mark", "AngleofViewH:80\xA1\xE3V:45", "80", "0"},
        {"H without degree mark", "AngleofViewH:80", "0", "0"},
        {"no marker", "AngleofView:80\xA1\xE3V:45\xA1\xE3", "0", "0"},
        {"marker beyond 2000 bytes", std::string(2000, 'y') + "AngleofViewH:80?V:45?", "0", "0"},
        {"empty", "", "0", "0"},
    };
    for (const Row& row : rows) {
        std::string h = "stale";
        std::string v = "stale";
        ParseAngleOfView(row.text, h, v);
        EXPECT_EQ(h, row.h) << row.name;
        EXPECT_EQ(v, row.v) << row.name;
    }
}

TEST(ProductTextParsers, ParseLensSpecTellsTheLensKind)
{
    struct Row {
        const char* name;
        std::string text, type;
        std::map<int, std::string> focals;
    };
    const std::map<int, std::string> untouched = {{9, "keep"}};
    const std::vector<Row> rows = {
        {"not available", "FocalLength:N/AMaxAperture", "1", untouched},
        {"optional lenses", "FocalLength:2.8mm(4mm/6mm/8mmoptional)Max.ApertureF2.0",
            "2", {{0, ":2.8"}, {1, "4"}, {2, "6"}, {3, "8"}, {9, "keep"}}},
        {"Optional with full-width parenthesis", "FocalLength2.8mm(6mm\xA3\xA8Optional\xA3\xA9MaxAperture",
            "2", {{0, "2.8"}, {1, "6"}, {9, "keep"}}},
        {"range with dash", "FocalLength2.8-12mmMaxApertureF1.4", "3", {{0, "2.8"}, {1, "12"}, {9, "keep"}}},
        {"range with tilde", "FocalLength2.8mm~12mmMax.Aperture", "3", {{0, "2.8"}, {1, "12"}, {9, "keep"}}},
        {"fixed lens", "FocalLength4mmMaxAperture", "4", {{0, "4"}, {9, "keep"}}},
        {"fixed lens without unit", "FocalLength4MaxAperture", "4", {{0, "4"}, {9, "keep"}}},
        {"N/A at the start is not a mark", "FocalLengthN/AMaxAperture", "4", {{0, "N/A"}, {9, "keep"}}},
        {"no aperture after it", "FocalLength2.8-12mm", "old", untouched},
        {"aperture only before it", "MaxApertureF2FocalLength4mm", "old", untouched},
        {"truncated", "FocalLength", "old", untouched},
        {"no marker", "Focal4mmMaxAperture", "old", untouched},
    };
    for (const Row& row : rows) {
        std::string type = "old";
        std::map<int, std::string> focals = untouched;
        ParseLensSpec(row.text, type, focals);
        EXPECT_EQ(type, row.type) << row.name;
        EXPECT_EQ(focals, row.focals) << row.name;
    }
}

TEST(ProductTextParsers, ParseLensSpecMarksBeyondTheFieldLimitDoNotCount)
{
    std::string type;
    std::map<int, std::string> focals;
    ParseLensSpec("FocalLength4mm" + std::string(200, 'z') + "-8mmMaxAperture", type, focals);
    EXPECT_EQ(type, "4");
    EXPECT_EQ(focals.at(0), "4");
}

TEST(ProductTextParsers, MarkersFromByte2000OnDoNotCount)
{
    const auto pixels = [](const std::string& text) {
        std::string h = "keep";
        std::string v = "keep";
        ParseEffectivePixels(text, h, v);
        return h + "x" + v;
    };
    const auto lens = [](const std::string& text) {
        std::string result = "keep";
        std::map<int, std::string> focals;
        ParseLensSpec(text, result, focals);
        for (const auto& [serial, focal] : focals) {
            result += " " + std::to_string(serial) + ":" + focal;
        }
        return result;
    };
    struct Row {
        const char* name;
        std::string (*parse)(const std::string&);
        std::string text, expected;
    };
    const std::string resolution = "EffectivePixels1920(H)x1080(V)";
    const std::vector<Row> rows = {
        {"pixels marker at 2000", pixels, std::string(2000, 'a') + resolution, "keepxkeep"},
        {"(V) at 2008", pixels, std::string(1980, 'a') + resolution, "keepxkeep"},
        {"(V) at 1997", pixels, std::string(1970, 'a') + resolution, "1920x1080"},
        {"lens marker at 2000", lens, std::string(2000, 'a') + "FocalLength4mmMaxAperture", "keep"},
        {"aperture at 2000", lens, std::string(1986, 'a') + "FocalLength4mmMaxAperture", "keep"},
        {"aperture at 1999", lens, std::string(1985, 'a') + "FocalLength4mmMaxAperture", "4 0:4"},
        {"Max.Aperture at 2000", lens, std::string(1986, 'a') + "FocalLength4mmMax.Aperture", "keep"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.parse(row.text), row.expected) << row.name;
    }
}
