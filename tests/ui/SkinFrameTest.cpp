#include "tests/common/KWTestKit.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWSkinFrame.h"
#include "ui/qt/KWSkinFrameFunctions.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

// Twelve 4x4 pieces side by side, piece i in its own colour.
QColor PieceColour(int i)
{
    return QColor::fromHsv(i * 30, 255, 255).toRgb();
}

QPixmap PieceStrip()
{
    QPixmap strip(48, 4);
    QPainter painter(&strip);
    for (int i = 0; i < 12; ++i) {
        painter.fillRect(4 * i, 0, 4, 4, PieceColour(i));
    }
    return strip;
}

KWFramePieces StripPieces()
{
    KWFramePieces pieces;
    for (int i = 0; i < 12; ++i) {
        pieces[i] = QRect(4 * i, 0, 4, 4);
    }
    return pieces;
}

TEST(SkinFrameFunctions, ComposedBackgroundPlacesEveryPieceAndTilesTheEdges)
{
    const QImage image
        = KWComposeFrameBackground(PieceStrip(), QPixmap(), Qt::blue, StripPieces(), QSize(17, 24)).toImage();
    ASSERT_EQ(image.size(), QSize(17, 24));
    struct Row {
        int x, y, piece; // piece -1: the interior colour
        const char* what;
    };
    const Row rows[] = {
        { 1, 1, 0, "top-left corner" },
        { 5, 1, 1, "first top tile" },
        { 12, 1, 1, "last top tile overruns its limit" },
        { 13, 1, 2, "top-right corner covers the overrun" },
        { 16, 3, 2, "top-right corner" },
        { 1, 5, 3, "left upper end" },
        { 1, 9, 4, "left middle tile" },
        { 1, 13, 4, "left middle tile repeated" },
        { 1, 17, 5, "left lower end" },
        { 14, 5, 6, "right upper end" },
        { 14, 9, 7, "right middle tile" },
        { 14, 17, 8, "right lower end" },
        { 1, 21, 9, "bottom-left corner" },
        { 5, 21, 10, "bottom tile" },
        { 12, 23, 10, "last bottom tile" },
        { 13, 21, 11, "bottom-right corner" },
        { 8, 10, -1, "interior" },
    };
    for (const Row& row : rows) {
        const QColor expected = row.piece < 0 ? QColor(Qt::blue) : PieceColour(row.piece);
        EXPECT_EQ(image.pixel(row.x, row.y), expected.rgba()) << row.what;
    }
}

TEST(SkinFrameFunctions, InteriorImageIsScaledOverTheWholeBackground)
{
    QPixmap interior(2, 2);
    interior.fill(Qt::red);
    KWFramePieces none;
    none.fill(QRect());
    const QImage image
        = KWComposeFrameBackground(PieceStrip(), interior, Qt::blue, none, QSize(30, 20)).toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(29, 19), QColor(Qt::red));
    EXPECT_TRUE(KWComposeFrameBackground(PieceStrip(), interior, Qt::blue, none, QSize(0, 5)).isNull());
}

TEST(SkinFrameFunctions, HitRectanglesFollowTheRightEdge)
{
    struct Row {
        QRect hit;
        int newWidth, oldWidth;
        int expectedLeft;
        const char* what;
    };
    const Row rows[] = {
        { QRect(-40, 5, 20, 20), 400, -1, 360, "a negative left is anchored to the right edge" },
        { QRect(360, 5, 20, 20), 500, 400, 460, "then it follows every width change" },
        { QRect(300, 5, 20, 20), 400, -1, 701, "first resize of a window without size moves by W+1" },
        { QRect(300, 5, 20, 20), 350, 400, 250, "shrinking moves it left" },
    };
    for (const Row& row : rows) {
        const QRect moved = KWRelocateHitRect(row.hit, row.newWidth, row.oldWidth);
        EXPECT_EQ(moved.left(), row.expectedLeft) << row.what;
        EXPECT_EQ(moved.size(), row.hit.size()) << row.what;
    }
    EXPECT_EQ(KWRelocateHitRect(QRect(QPoint(0, 0), QPoint(-1, -1)), 400, 100),
        QRect(QPoint(0, 0), QPoint(-1, -1)));
}

TEST(SkinFrameFunctions, MaskCutsTheCornersAlongQuarterEllipses)
{
    const QRegion rounded(KWRoundedFrameMask(QSize(40, 30), 8, 8));
    for (const QPoint corner : { QPoint(0, 0), QPoint(39, 0), QPoint(0, 29), QPoint(39, 29) }) {
        EXPECT_FALSE(rounded.contains(corner)) << corner.x() << "," << corner.y();
    }
    for (const QPoint inside : { QPoint(8, 8), QPoint(31, 21), QPoint(20, 0), QPoint(0, 15) }) {
        EXPECT_TRUE(rounded.contains(inside)) << inside.x() << "," << inside.y();
    }
    const QRegion square(KWRoundedFrameMask(QSize(40, 30), 0, 0));
    EXPECT_EQ(square, QRegion(0, 0, 40, 30));
}

TEST(SkinFrameFunctions, DragAndReleaseClampsKeepTheWindowReachable)
{
    const QRect work(0, 30, 800, 570); // bottom 599
    EXPECT_EQ(KWClampDragTarget(QPoint(50, 10), work), QPoint(50, 20)) << "above the work area: its top - 10";
    EXPECT_EQ(KWClampDragTarget(QPoint(50, 589), work), QPoint(50, 579))
        << "10 above the bottom: bottom - 20";
    EXPECT_EQ(KWClampDragTarget(QPoint(50, 300), work), QPoint(50, 300));

    const QRect screen(0, 0, 1000, 800);
    const QRect inner(100, 40, 800, 700); // left 100, right 899, bottom 739, margin 40
    struct Row {
        QPoint target;
        QRect workArea;
        bool applied;
        QPoint expected;
        const char* what;
    };
    const Row rows[] = {
        { QPoint(300, 720), inner, true, QPoint(300, 699), "(a) below the work area" },
        { QPoint(-100, 300), inner, true, QPoint(-60, 300), "(b) left of the work area" },
        { QPoint(870, 300), inner, true, QPoint(859, 300), "(c) right of the work area" },
        { QPoint(300, 300), inner, false, QPoint(300, 300), "inside" },
        { QPoint(-500, 790), screen, false, QPoint(-500, 790), "work area as large as the screen" },
    };
    for (const Row& row : rows) {
        QPoint target = row.target;
        EXPECT_EQ(KWClampReleaseTarget(target, 200, row.workArea, screen), row.applied) << row.what;
        EXPECT_EQ(target, row.expected) << row.what;
    }
}

TEST(SkinFrameFunctions, HitTestAnswersTheResizeBands)
{
    struct Row {
        int x, y;
        bool child;
        bool handled;
        LRESULT code;
        const char* what;
    };
    // Window 400 x 300.
    const Row rows[] = {
        { 7, 100, true, true, HTLEFT, "left band over a child" },
        { 20, 20, true, false, HTNOWHERE, "over a child elsewhere" },
        { 20, 20, false, false, HTCAPTION, "caption is left to the window" },
        { 100, 32, false, true, HTTOP, "top band" },
        { 100, 32, true, false, HTNOWHERE, "top band over a child" },
        { 405, 100, false, true, HTRIGHT, "right band beyond the width" },
        { 200, 327, false, true, HTBOTTOM, "bottom band beyond the height" },
        { 7, 7, false, true, HTTOPLEFT, "top-left corner" },
        { 7, 327, false, true, HTBOTTOMLEFT, "bottom-left corner" },
        { 405, 327, false, true, HTBOTTOMRIGHT, "bottom-right corner" },
        { 405, 7, false, true, HTRIGHT, "no top-right band" },
        { 7, 32, false, true, HTTOP, "top band wins over the left band" },
    };
    for (const Row& row : rows) {
        const KWFrameHit hit = KWFrameHitTest(row.x, row.y, 400, 300, row.child);
        EXPECT_EQ(hit.handled, row.handled) << row.what;
        if (row.handled) {
            EXPECT_EQ(hit.code, row.code) << row.what;
        }
    }
    EXPECT_EQ(KWFrameHitEdges(HTBOTTOMLEFT), Qt::BottomEdge | Qt::LeftEdge);
    EXPECT_EQ(KWFrameHitEdges(HTCAPTION), Qt::Edges());
}

TEST(SkinFrameFunctions, CentringClampsToTheScreenOrTheBaseSize)
{
    const QRect area(0, 0, 800, 600);
    const QSize available(800, 600);
    struct Row {
        QSize stored, base;
        QPoint expected;
        const char* what;
    };
    const Row rows[] = {
        { QSize(400, 300), QSize(0, 0), QPoint(200, 150), "centred" },
        { QSize(401, 301), QSize(0, 0), QPoint(199, 149), "halves truncate" },
        { QSize(900, 500), QSize(0, 0), QPoint(0, 50), "too wide counts as the screen's width" },
        { QSize(1040, 740), QSize(1040, 740), QPoint(0, 0), "a larger base size does not fit: top-left" },
        { QSize(-1, -1), QSize(-1, -1), QPoint(400, 300), "a dialog that was never sized" },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KWCenterPosition(area, row.stored, available, row.base), row.expected) << row.what;
    }
    EXPECT_EQ(
        KWCenterPosition(QRect(100, 50, 200, 100), QSize(100, 50), available, QSize()), QPoint(150, 75));
}

TEST(SkinFrameFunctions, ShadowRingsFadeOutAndTitleAligns)
{
    const int expected[] = { 90, 60, 47, 38, 30, 22, 16, 10, 5, 0, 0, 0 };
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(KWShadowAlpha(i), expected[i]) << "ring " << i;
    }
    EXPECT_EQ(KWTitleLeft(1, 12, 300, 102), 99);
    EXPECT_EQ(KWTitleLeft(0, 12, 300, 102), 12);
    EXPECT_EQ(KWTitleLeft(2, 12, 300, 102), 198);
}

TEST(SkinFrameFunctions, ShadowRingsArePaintedOnlyForRegionsThatReachThem)
{
    const QSize size(100, 80);
    const int s = 10;
    const QRect clear(12, 12, 76, 56);
    const struct {
        QRegion region;
        bool reaches;
        const char* what;
    } rows[] = {
        { QRegion(clear), false, "the whole area the rings leave clear" },
        { QRegion(40, 30, 20, 10) + QRegion(15, 60, 5, 5), false, "children inside the frame" },
        { QRegion(clear.adjusted(-1, 0, 0, 0)), true, "one column into the rings' antialiasing" },
        { QRegion(clear.adjusted(0, 0, 0, 1)), true, "one row into the rings' antialiasing" },
        { QRegion(0, 0, 3, 3), true, "a corner" },
        { QRegion(40, 30, 20, 10) + QRegion(95, 40, 5, 5), true, "a child and the right edge" },
        { QRegion(QRect(QPoint(0, 0), size)), true, "the whole window" },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(KWRegionReachesShadowRings(row.region, size, s), row.reaches) << row.what;
    }

    // Leaving the rings out changes no pixel of the area they leave clear.
    QImage full(size, QImage::Format_ARGB32_Premultiplied);
    full.fill(Qt::transparent);
    QImage inside = full;
    {
        QPainter painter(&full);
        KWPaintFrameShadow(painter, size, s, QRegion(QRect(QPoint(0, 0), size)));
    }
    {
        QPainter painter(&inside);
        KWPaintFrameShadow(painter, size, s, QRegion(clear));
    }
    EXPECT_NE(full, inside);
    EXPECT_EQ(full.copy(clear), inside.copy(clear));
}

TEST(SkinFrame, MainWindowCropsASkinAtLeastAsLargeAsTheWindow)
{
    KWTempSkinDir skins;
    QPixmap large(100, 80);
    large.fill(Qt::green);
    {
        QPainter painter(&large);
        painter.fillRect(40, 30, 10, 10, Qt::red);
    }
    large.save(skins.Path() + "large.png", "png");
    PieceStrip().save(skins.Path() + "strip.png", "png");

    QWidget window;
    CKWSkinFrame frame(CKWSkinFrame::Variant::MainWindow, &window);
    DialogStyle style;
    style.Str(0) = L"large.png";
    style.Str(4) = L"0,0,4,4";
    frame.SetSkin(&style);
    EXPECT_EQ(frame.BaseSize(), QSize(100, 80)) << "the base size comes from the skin without a size string";
    ASSERT_TRUE(frame.Resize(QSize(50, 40), QSize(-1, -1)));
    EXPECT_EQ(frame.Background().size(), QSize(50, 40));
    EXPECT_EQ(frame.Background().toImage().pixelColor(45, 35), QColor(Qt::red)) << "cut, not composed";
    EXPECT_EQ(frame.CaptionRect().left(), 0);

    style.Str(0) = L"strip.png";
    style.Str(3) = L"0000FF";
    frame.SetSkin(&style);
    ASSERT_TRUE(frame.Resize(QSize(60, 40), QSize(50, 40)));
    const QImage composed = frame.Background().toImage();
    EXPECT_EQ(composed.pixel(1, 1), PieceColour(0).rgba());
    EXPECT_EQ(composed.pixelColor(30, 20), QColor(Qt::blue));
}

TEST(SkinFrame, EmptySkinLeavesTheFrameInert)
{
    QWidget window;
    CKWSkinFrame frame(CKWSkinFrame::Variant::Dialog, &window);
    DialogStyle empty;
    frame.SetSkin(&empty);
    EXPECT_EQ(frame.StoredSize(), QSize(-1, -1));
    EXPECT_FALSE(frame.Resize(QSize(200, 100), QSize(-1, -1)));
    EXPECT_TRUE(frame.Background().isNull());
    for (int button = 1; button <= 4; ++button) {
        EXPECT_FALSE(frame.HitRect(button).isValid());
    }
}

} // namespace
