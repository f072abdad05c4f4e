#include "tests/common/KWTestKit.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWSkinFrame.h"
#include "ui/qt/KWSkinFrameFunctions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include <QImage>
#include <QMouseEvent>
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

// Where the pieces land in a 17 x 24 window: a pixel of each, with the piece
// that must show there (-1: the interior).
struct PiecePlace {
    int x, y, piece;
    const char* what;
};
const PiecePlace kPiecePlaces[] = {
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

TEST(SkinFrameFunctions, ComposedBackgroundPlacesEveryPieceAndTilesTheEdges)
{
    const QImage image
        = KWComposeFrameBackground(PieceStrip(), QPixmap(), Qt::blue, StripPieces(), QSize(17, 24)).toImage();
    ASSERT_EQ(image.size(), QSize(17, 24));
    for (const PiecePlace& place : kPiecePlaces) {
        const QColor expected = place.piece < 0 ? QColor(Qt::blue) : PieceColour(place.piece);
        EXPECT_EQ(image.pixel(place.x, place.y), expected.rgba()) << place.what;
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

// A resizable window keeps every pixel the resize-band hit test answers in
// its mask, with or without a compositor and rounded corners; one that is not
// resizable loses the shadow margin where nothing blends it.
TEST(SkinFrame, ResizeBandsStayInsideTheMask)
{
    KWTempSkinDir skins;
    PieceStrip().save(skins.Path() + "strip.png", "png");
    const struct {
        bool composited;
        const wchar_t* radii;
        QSize size;
    } rows[] = {
        { false, L"0,0", QSize(120, 90) },
        { false, L"8,8", QSize(120, 90) },
        { true, L"8,8", QSize(60, 50) },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "composited " << row.composited << ", radii "
                                        << QString::fromWCharArray(row.radii).toStdString());
        KWStandInCompositor compositor(row.composited);
        QWidget window;
        window.resize(row.size);
        CKWSkinFrame frame(CKWSkinFrame::Variant::Dialog, &window);
        DialogStyle style;
        style.Str(0) = L"strip.png";
        style.Str(4) = L"0,0,4,4";
        style.Str(56) = row.radii;
        frame.SetSkin(&style);
        frame.SetFrameShadow(true);
        ASSERT_TRUE(frame.Resize(row.size, QSize(-1, -1)));
        EXPECT_EQ(window.mask().contains(QPoint(7, 45)), row.composited) << "not resizable: the left band";

        frame.SetResizeBands(true);
        const QRegion mask = window.mask();
        int bands = 0;
        for (int y = 0; y < row.size.height(); ++y) {
            for (int x = 0; x < row.size.width(); ++x) {
                if (KWFrameHitTest(x, y, row.size.width(), row.size.height(), false).handled) {
                    ++bands;
                    ASSERT_TRUE(mask.contains(QPoint(x, y))) << x << "," << y;
                }
            }
        }
        EXPECT_GT(bands, 0);
        frame.SetResizeBands(false);
        EXPECT_EQ(window.mask().contains(QPoint(7, 45)), row.composited) << "bands off again";
    }
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

// ---- Which string of the record feeds which part of the frame -------------
// The frame pieces in the colours of the strip, every title-button source and
// picture and the interior picture in colours of their own: a string read
// into the wrong part puts its colour in the wrong place.
QColor MappingColour(int k)
{
    return QColor(20 + 5 * k, 128, 235 - 5 * k);
}

constexpr int kSourceColour = 0; // + (button - 1) * 3 + state
constexpr int kImageColour = 12; // + (button - 1) * 3 + state
constexpr int kInteriorImageColour = 24;
constexpr int kInteriorColour = 25;
const QSize kMappingWindow(17, 24);

// Named fields in R0..R11 order, and per title button 1..4 its hit
// rectangle and its three sources and pictures (normal, over, down).
using Field = std::wstring DialogStyle::*;
const Field kPieces[12] = { &DialogStyle::strPieceR0, &DialogStyle::strPieceR1, &DialogStyle::strPieceR2,
    &DialogStyle::strPieceR3, &DialogStyle::strPieceR4, &DialogStyle::strPieceR5, &DialogStyle::strPieceR6,
    &DialogStyle::strPieceR7, &DialogStyle::strPieceR8, &DialogStyle::strPieceR9, &DialogStyle::strPieceR10,
    &DialogStyle::strPieceR11 };
struct TitleButtonFields {
    Field hit;
    Field source[3];
    Field image[3];
};
// Button n's fields, named as the record names them.
// clang-format off
#define TITLE_BUTTON_FIELDS(n) \
    { &DialogStyle::strBtn##n##Hit, \
        { &DialogStyle::strBtn##n##SrcNormal, &DialogStyle::strBtn##n##SrcOver, \
            &DialogStyle::strBtn##n##SrcDown }, \
        { &DialogStyle::strBtn##n##ImgNormal, &DialogStyle::strBtn##n##ImgOver, \
            &DialogStyle::strBtn##n##ImgDown } }
// clang-format on
const TitleButtonFields kButtons[4]
    = { TITLE_BUTTON_FIELDS(1), TITLE_BUTTON_FIELDS(2), TITLE_BUTTON_FIELDS(3), TITLE_BUTTON_FIELDS(4) };
#undef TITLE_BUTTON_FIELDS
// Title button b's hit rectangle: 3 x 3, side by side across the window.
QRect ButtonHit(int b)
{
    return QRect(1 + 4 * (b - 1), 10, 3, 3);
}

std::wstring RectText(const QRect& rect)
{
    return QString::asprintf("%d,%d,%d,%d", rect.x(), rect.y(), rect.width(), rect.height()).toStdWString();
}

// The skin image: row 0 the strip of frame pieces R0..R11, row 1 the
// title-button sources, each 4 x 4; the title-button pictures and the
// interior picture as files of their own.
DialogStyle MappingSkin(KWTempSkinDir& skins)
{
    QPixmap skin(48, 8);
    {
        QPainter painter(&skin);
        painter.drawPixmap(0, 0, PieceStrip());
        for (int j = 0; j < 12; ++j) {
            painter.fillRect(4 * j, 4, 4, 4, MappingColour(kSourceColour + j));
        }
    }
    skin.save(skins.Path() + "mapping.png", "png");
    skins.Add("interior.png", MappingColour(kInteriorImageColour), QSize(2, 2));

    DialogStyle style;
    style.strSkinImage = L"mapping.png";
    style.strInteriorImage = L"interior.png";
    style.strInteriorColor
        = QString::asprintf("%06X", MappingColour(kInteriorColour).rgb() & 0xFFFFFF).toStdWString();
    const KWFramePieces pieces = StripPieces();
    for (int i = 0; i < 12; ++i) {
        style.*kPieces[i] = RectText(pieces[i]);
    }
    for (int b = 0; b < 4; ++b) {
        style.*kButtons[b].hit = RectText(ButtonHit(b + 1));
        for (int s = 0; s < 3; ++s) {
            const int j = 3 * b + s;
            style.*kButtons[b].source[s] = RectText(QRect(4 * j, 4, 4, 4));
            const QString image = QString::asprintf("button%d.png", j);
            skins.Add(image, MappingColour(kImageColour + j), QSize(3, 3));
            style.*kButtons[b].image[s] = image.toStdWString();
        }
    }
    style.strRoundCorner = L"6,3";
    return style;
}

void SendToFrame(CKWSkinFrame& frame, QEvent::Type type, const QPoint& pos)
{
    QMouseEvent event(type, QPointF(pos), QPointF(pos), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    if (type == QEvent::MouseButtonPress) {
        frame.MousePress(&event, false);
    } else {
        frame.MouseMove(&event, false);
    }
}

// The background as the next paint leaves it, title buttons painted in.
QImage PaintedBackground(CKWSkinFrame& frame)
{
    QImage canvas(kMappingWindow, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    frame.Paint(painter, QRegion(QRect(QPoint(0, 0), kMappingWindow)));
    return frame.Background().toImage();
}

TEST(SkinFrame, EveryStringOfTheRecordFeedsItsOwnPartOfTheFrame)
{
    for (const auto variant : { CKWSkinFrame::Variant::Dialog, CKWSkinFrame::Variant::MainWindow }) {
        const bool dialog = variant == CKWSkinFrame::Variant::Dialog;
        const char* const name = dialog ? "dialog" : "main window";
        KWTempSkinDir skins;
        const DialogStyle style = MappingSkin(skins);
        QWidget window;
        window.resize(kMappingWindow);
        CKWSkinFrame frame(variant, &window);
        frame.SetSkin(&style);
        ASSERT_TRUE(frame.Resize(kMappingWindow, kMappingWindow)) << name;
        EXPECT_EQ(frame.Radii(), QSize(6, 3)) << name;

        const QImage background = frame.Background().toImage();
        for (const PiecePlace& place : kPiecePlaces) {
            const QColor expected
                = place.piece < 0 ? MappingColour(kInteriorImageColour) : PieceColour(place.piece);
            EXPECT_EQ(background.pixel(place.x, place.y), expected.rgba()) << name << ": " << place.what;
        }

        // Each button in turn pressed (down), then hovered with the button
        // held (over); the others stay normal. The dialog paints the
        // buttons' own pictures, the main window always the skin's pieces.
        const int first = dialog ? kImageColour : kSourceColour;
        for (int hot = 1; hot <= 4; ++hot) {
            ASSERT_EQ(frame.HitRect(hot), ButtonHit(hot)) << name;
            for (const auto& [type, state] :
                { std::pair { QEvent::MouseButtonPress, 2 }, std::pair { QEvent::MouseMove, 1 } }) {
                SendToFrame(frame, type, ButtonHit(hot).center());
                const QImage painted = PaintedBackground(frame);
                for (int b = 1; b <= 4; ++b) {
                    const int expected = first + 3 * (b - 1) + (b == hot ? state : 0);
                    EXPECT_EQ(painted.pixelColor(ButtonHit(b).center()), MappingColour(expected))
                        << name << ": button " << b << " while button " << hot << " is in state " << state;
                }
            }
        }
    }
}

TEST(SkinFrame, InteriorColourWithoutAPictureAndTitleAlignmentByName)
{
    KWTempSkinDir skins;
    DialogStyle style = MappingSkin(skins);
    style.strInteriorImage.clear();
    QWidget window;
    CKWSkinFrame dialog(CKWSkinFrame::Variant::Dialog, &window);
    CKWSkinFrame main(CKWSkinFrame::Variant::MainWindow, &window);
    dialog.SetSkin(&style);
    ASSERT_TRUE(dialog.Resize(kMappingWindow, kMappingWindow));
    EXPECT_EQ(dialog.Background().toImage().pixelColor(8, 10), MappingColour(kInteriorColour));

    struct Row {
        const wchar_t* text;
        int alignment;
    };
    for (const Row& row : { Row { L"left", 0 }, Row { L"center", 1 }, Row { L"right", 2 },
             Row { L"Right", 0 }, Row { L"", 0 } }) {
        style.strTitleAlign = row.text;
        dialog.SetSkin(&style);
        main.SetSkin(&style);
        EXPECT_EQ(dialog.TitleAlignment(), row.alignment) << QString::fromWCharArray(row.text).toStdString();
        EXPECT_EQ(main.TitleAlignment(), 0) << "the main window reads no alignment";
    }
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
