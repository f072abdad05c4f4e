// What the playback timeline's drawing surface paints, read back from its
// pixels.

#include "tests/video/PlayProgressTestKit.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>

namespace {

const QColor kBand(50, 50, 50);
const QColor kMajor(100, 100, 100);
const QColor kFrame(56, 182, 255);

::testing::AssertionResult Near(const QColor& a, const QColor& b, int tolerance = 3)
{
    if (std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
        << "(" << a.red() << "," << a.green() << "," << a.blue() << ") is not near (" << b.red() << ","
        << b.green() << "," << b.blue() << ")";
}

// src with its alpha over an opaque colour.
QColor Over(const QColor& src, const QColor& dst)
{
    const double a = src.alphaF();
    auto mix = [a](int s, int d) { return static_cast<int>(s * a + d * (1.0 - a) + 0.5); };
    return QColor(mix(src.red(), dst.red()), mix(src.green(), dst.green()), mix(src.blue(), dst.blue()));
}

QColor OverBand(const QColor& src)
{
    return Over(src, kBand);
}

int CountOnLine(const QImage& image, int y, int x0, int x1, const QColor& colour)
{
    int count = 0;
    for (int x = x0; x <= x1; ++x) {
        count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

int CountInRect(const QImage& image, const QRect& rect, const QColor& colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        count += CountOnLine(image, y, rect.left(), rect.right(), colour);
    }
    return count;
}

class PlayPaintTest : public ::testing::Test, public PlayPanelFixture {
protected:
    void SetUp() override
    {
        // Row 0: channel 1, highlighted, position 06:00; row 1: channel 2.
        AddTwoChannels();
    }
    QImage Grab()
    {
        QImage image = KWGrabImage(Surface()).convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("KW_DUMP")) {
            static int n = 0;
            image.save(QStringLiteral("/tmp/u6_grab%1.png").arg(n++));
        }
        return image;
    }
};

TEST_F(PlayPaintTest, RowsShowBandSegmentsFrameAndPosition)
{
    const QImage image = Grab();
    // An empty row is the bare band.
    EXPECT_EQ(image.pixelColor(800, 70), kBand);
    EXPECT_EQ(image.pixelColor(800, 60), kMajor); // separator at row 2's top
    // 09:36 on channel 1: the lower third of the row is recorded, the rest is not.
    EXPECT_TRUE(Near(image.pixelColor(500, 36), OverBand(QColor(250, 2, 3, 176))));
    EXPECT_TRUE(Near(image.pixelColor(500, 34), OverBand(QColor(250, 2, 3, 176))));
    EXPECT_EQ(image.pixelColor(500, 33), kBand);
    EXPECT_EQ(image.pixelColor(120, 36), kBand); // before 06:00
    // The highlighted row's frame, one pixel inside the track.
    EXPECT_EQ(image.pixelColor(101, 30), kFrame);
    EXPECT_EQ(image.pixelColor(1098, 30), kFrame);
    EXPECT_NE(image.pixelColor(101, 50), kFrame);
    // Channel 1's position line at 06:00 with its label box on the left.
    const QColor box = OverBand(QColor(255, 165, 59, 76));
    EXPECT_EQ(image.pixelColor(350, 38), QColor(Qt::white));
    EXPECT_TRUE(Near(image.pixelColor(349, 38), box));
    EXPECT_TRUE(Near(image.pixelColor(351, 38), OverBand(QColor(250, 2, 3, 176))));
    int boxWidth = 0;
    for (int x = 349; x > 200 && Near(image.pixelColor(x, 38), box); --x) {
        ++boxWidth;
    }
    EXPECT_GT(boxWidth, 30);
    EXPECT_GT(CountInRect(image, QRect(300, 21, 50, 18), QColor(0, 255, 64)), 0);
    // Names in white in the name column.
    EXPECT_GT(CountInRect(image, QRect(4, 21, 95, 18), QColor(Qt::white)), 0);
    EXPECT_GT(CountInRect(image, QRect(4, 41, 95, 18), QColor(Qt::white)), 0);
    EXPECT_EQ(CountInRect(image, QRect(4, 61, 95, 38), QColor(Qt::white)), 0);
}

TEST_F(PlayPaintTest, PositionLabelNearTheLeftEdgeStandsOnTheRight)
{
    panel.SetPosition(1, kPlayDay0 + 6 * kPlayHour + 5); // refused: before the span
    panel.SetPositionOffset(1, 0);
    panel.SetZoom(4);
    panel.SetViewTime(kPlayDay0 + 6 * kPlayHour);
    const QImage image = Grab();
    // The box starts at the line and runs right, over the recorded bar.
    const QColor bar = OverBand(QColor(250, 2, 3, 176));
    EXPECT_TRUE(Near(image.pixelColor(130, 38), Over(QColor(255, 165, 59, 76), bar)));
    EXPECT_TRUE(Near(image.pixelColor(300, 38), bar));
}

TEST_F(PlayPaintTest, AxisDrawsHoursAtZoomOneAndSecondsAtZoomHundred)
{
    QImage image = Grab();
    // Level 7: a line each hour, no dots.
    // 0 h to 23 h, and the end of the day on the track's last column.
    EXPECT_EQ(CountOnLine(image, 70, 100, 1099, kMajor), 25);
    EXPECT_EQ(image.pixelColor(1099, 70), kMajor);
    EXPECT_EQ(image.pixelColor(100 + 250, 70), kMajor);
    EXPECT_EQ(CountOnLine(image, 29, 100, 1099, QColor(Qt::black)), 0);

    // Level 1 at 03:00: a line every minute, a dot every 12 seconds.
    panel.SetZoom(100);
    panel.SetViewTime(kPlayDay0 + 3 * kPlayHour);
    image = Grab();
    const int lines = CountOnLine(image, 70, 100, 1099, kMajor);
    EXPECT_GE(lines, 14);
    EXPECT_LE(lines, 15);
    EXPECT_GE(CountOnLine(image, 29, 100, 1099, QColor(Qt::black)), 40);
}

TEST_F(PlayPaintTest, DayButtonsShowWhetherADayIsAvailable)
{
    const QSize size(16, 16);
    KWTempSkinDir skins { { "pn.png", Qt::red, size }, { "pa.png", Qt::green, size },
        { "nn.png", Qt::blue, size }, { "na.png", Qt::yellow, size } };
    ImagePlayProgressPicStyle pictures;
    pictures.strField[45] = L"pn.png";
    pictures.strField[46] = L"pa.png";
    pictures.strField[47] = L"nn.png";
    pictures.strField[48] = L"na.png";
    panel.SetSkinPictures(&pictures);
    QImage image = Grab();
    EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(1092, 8), QColor(Qt::yellow));

    Release(1092, 8);
    image = Grab();
    EXPECT_EQ(image.pixelColor(8, 8), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(1092, 8), QColor(Qt::blue));

    panel.RemoveChannel(2);
    image = Grab();
    EXPECT_NE(image.pixelColor(8, 8), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(8, 8), QColor(Qt::green));
    EXPECT_NE(image.pixelColor(1092, 8), QColor(Qt::blue));
}

TEST_F(PlayPaintTest, CommonCursorReplacesTheChannelPositions)
{
    panel.SetCommonCursor(true);
    panel.SetPosition(-1, kPlayDay0 + 12 * kPlayHour);
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(600, 90), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(600, 22), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(350, 30), QColor(Qt::white));
}

TEST_F(PlayPaintTest, CutSelectionSpansTheMarks)
{
    panel.EnableCut(true);
    panel.SetCutTime(1, kPlayDay0 + 6 * kPlayHour);
    panel.SetCutTime(0, kPlayDay0 + 12 * kPlayHour);
    const QImage image = Grab();
    for (int x : { 350, 351, 598, 599 }) {
        EXPECT_EQ(image.pixelColor(x, 90), QColor(Qt::white)) << x;
    }
    EXPECT_TRUE(Near(image.pixelColor(450, 90), OverBand(QColor(255, 165, 59, 76))));
    EXPECT_EQ(image.pixelColor(349, 90), kBand);
    EXPECT_EQ(image.pixelColor(601, 90), kBand);
}

TEST_F(PlayPaintTest, SegmentAcrossMidnightShowsOnBothDays)
{
    panel.RemoveChannel(1);
    panel.RemoveChannel(2);
    Add(PlayChannel(5, { { 51, kPlayDay0 + 23 * kPlayHour, kPlayDay0 + 25 * kPlayHour, 0 } }));
    const QColor recorded = OverBand(QColor(250, 2, 3, 176));
    QImage image = Grab();
    EXPECT_TRUE(Near(image.pixelColor(100 + 980, 36), recorded));
    EXPECT_EQ(image.pixelColor(100 + 20, 36), kBand);
    Release(1092, 8);
    image = Grab();
    EXPECT_TRUE(Near(image.pixelColor(100 + 20, 36), recorded));
    EXPECT_EQ(image.pixelColor(100 + 980, 36), kBand);
}

TEST_F(PlayPaintTest, SingleChannelShowsPercentagesAndTheElapsedTime)
{
    panel.SetSingleChannelMode(2, true);
    panel.SetPosition(2, kPlayDay0 + 9 * kPlayHour + 1800);
    const QImage image = Grab();
    const QColor gray(Qt::darkGray);
    EXPECT_EQ(image.pixelColor(200, 25), gray); // 10%: long tick
    EXPECT_EQ(image.pixelColor(200, 33), gray);
    EXPECT_EQ(image.pixelColor(150, 25), gray); // 5%: short tick
    EXPECT_NE(image.pixelColor(150, 27), gray);
    // Half of the current segment has played.
    EXPECT_EQ(image.pixelColor(600, 95), gray);
    EXPECT_EQ(image.pixelColor(601, 95), gray);
    EXPECT_NE(image.pixelColor(602, 95), gray);
    // No rows in this view: no segment bars, no separators.
    EXPECT_EQ(CountOnLine(image, 60, 100, 1099, kMajor), 0);
    // The channel's name in the name column.
    EXPECT_GT(CountInRect(image, QRect(4, 20, 95, 80), QColor(Qt::white)), 0);
}

} // namespace
