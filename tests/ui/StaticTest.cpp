#include "ui/qt/KWQTStatic.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>

#include <algorithm>
#include <string>

namespace {

// The font a fresh label paints with: its widget font at 12 pixels.
QFont DefaultTextFont(const QWidget& label)
{
    QFont font = label.font();
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

TEST(Static, CreateGrowsToItsTextButNeverBelowTheRequestedSize)
{
    struct Row {
        const char* what;
        std::wstring text;
        int wrap;
        RECT rect;
    };
    const Row rows[] = {
        { "two wrapped lines in a 20-pixel row", L"Installation height of the camera", 1,
            { 10, 20, 110, 40 } },
        { "one long line in a narrow box", L"Horizontal distance", 0, { 10, 20, 40, 40 } },
        { "short text in a large box", L"m", 0, { 10, 20, 210, 80 } },
    };
    KWEventSinkWidget parent;
    for (const Row& row : rows) {
        CKWQTStatic label;
        label.SetWordWrap(row.wrap);
        label.Create(row.text.c_str(), WS_VISIBLE, row.rect, parent.Handle(), 3);
        const QRect requested(
            row.rect.left, row.rect.top, row.rect.right - row.rect.left, row.rect.bottom - row.rect.top);
        const int flags
            = Qt::AlignLeft | Qt::AlignVCenter | (row.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRect text = QFontMetrics(DefaultTextFont(label))
                               .boundingRect(requested, flags, QString::fromStdWString(row.text));
        EXPECT_EQ(label.geometry(),
            QRect(requested.topLeft(),
                QSize(
                    std::max(requested.width(), text.width()), std::max(requested.height(), text.height()))))
            << row.what;
        EXPECT_TRUE(label.isVisibleTo(&parent)) << row.what;
    }
    CKWQTStatic hidden;
    hidden.Create(L"x", 0, RECT { 0, 0, 50, 20 }, parent.Handle(), 4);
    EXPECT_FALSE(hidden.isVisibleTo(&parent));
}

TEST(Static, DrawTextFormatBitsBecomeQtFlags)
{
    struct Row {
        UINT format;
        UINT qt;
        const char* what;
    };
    const Row rows[] = {
        { 0x0, 0x1, "nothing: left and top, neither single line nor wrap" },
        { 0x1, 0x4, "centre" },
        { 0x3, 0x2, "right wins over centre" },
        { 0x4, 0x81, "vertical centre" },
        { 0x14, 0x1281, "word break: wrap without clipping" },
        { 0x31, 0x304, "single line wins over word break" },
        { 0x25, 0x184, "the application's centred single line" },
    };
    CKWQTStatic label;
    EXPECT_EQ(label.GetTextAlignFlag(), 0x181U) << "start";
    for (const Row& row : rows) {
        label.SetTextAlignFlag(row.format);
        EXPECT_EQ(label.GetTextAlignFlag(), row.qt) << row.what;
    }
}

TEST(Static, TextIsPaintedWhereItsAlignmentAndOffsetPutIt)
{
    KWEventSinkWidget parent;
    CKWQTStatic label;
    label.Create(L"HHHH", WS_VISIBLE, RECT { 0, 0, 200, 40 }, parent.Handle(), 1);
    label.SetBgColor(RGB(255, 255, 255), 1);
    parent.show();
    const QFontMetrics metrics(DefaultTextFont(label));
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("HHHH"));
    const int slack = 3; // side bearings and antialiasing

    label.SetTextAlignFlag(0x0);
    QRect ink = KWInkBox(KWGrabImage(&label), Qt::white);
    EXPECT_LE(ink.left(), slack);
    EXPECT_LT(ink.bottom(), metrics.height());

    label.SetTextAlignFlag(0x2 | 0x4);
    ink = KWInkBox(KWGrabImage(&label), Qt::white);
    EXPECT_GE(ink.right(), 199 - slack);
    EXPECT_NEAR(ink.center().y(), 20, slack);

    label.SetTextAlignFlag(0x1 | 0x4);
    ink = KWInkBox(KWGrabImage(&label), Qt::white);
    EXPECT_NEAR(ink.center().x(), 100, slack);
    EXPECT_NEAR(ink.width(), textWidth, 2 * slack);

    label.SetTextAlignFlag(0x4);
    label.SetTextOffset(30);
    ink = KWInkBox(KWGrabImage(&label), Qt::white);
    EXPECT_GE(ink.left(), 30);
    EXPECT_LE(ink.left(), 30 + slack);
}

TEST(Static, WordWrapBreaksBetweenWordsAndWrapAnywhereInsideThem)
{
    struct Row {
        const char* what;
        QString text;
        int wordWrap;
        int anywhere;
    };
    const Row rows[] = {
        { "words, no wrap", QStringLiteral("aaa bbb ccc ddd eee"), 0, 0 },
        { "words, wrap", QStringLiteral("aaa bbb ccc ddd eee"), 1, 0 },
        { "one long word, wrap", QStringLiteral("WWWWWWWWWWWWWWWW"), 1, 0 },
        { "one long word, wrap anywhere", QStringLiteral("WWWWWWWWWWWWWWWW"), 1, 1 },
    };
    KWEventSinkWidget parent;
    parent.show();
    for (const Row& row : rows) {
        CKWQTStatic label;
        label.SetTextAlignFlag(0x0);
        label.SetWordWrap(row.wordWrap);
        label.SetWrapAnywhere(row.anywhere);
        EXPECT_EQ(label.GetWordWrap(), row.wordWrap);
        EXPECT_EQ(label.GetWrapAnywher(), row.anywhere);
        label.Create(L"", WS_VISIBLE, RECT { 0, 0, 60, 100 }, parent.Handle(), 1);
        label.SetStaticText(row.text.toStdWString().c_str(), false);
        label.SetBgColor(RGB(255, 255, 255), 1);

        const QFontMetrics metrics(DefaultTextFont(label));
        const QRect laidOut = metrics.boundingRect(
            QRect(0, 0, 60, 100), static_cast<int>(label.GetTextAlignFlag()), row.text);
        const int lines = laidOut.height() / metrics.lineSpacing();
        const QRect ink = KWInkBox(KWGrabImage(&label), Qt::white);
        EXPECT_GT(ink.height(), (lines - 1) * metrics.lineSpacing()) << row.what;
        EXPECT_LE(ink.bottom(), lines * metrics.lineSpacing()) << row.what;
        EXPECT_EQ(lines > 1, row.wordWrap == 1 && (row.anywhere == 1 || row.text.contains(' '))) << row.what;
    }
}

TEST(Static, FittingTextKeepsTheTopLeftOfACentredLabel)
{
    KWEventSinkWidget parent;
    CKWQTStatic label;
    label.SetTextAlignFlag(0x1 | 0x4);
    label.Create(L"PPM", WS_VISIBLE, RECT { 10, 20, 210, 80 }, parent.Handle(), 1);
    for (const wchar_t* text : { L"12", L"345", L"6" }) {
        label.SetStaticText(text, true);
        EXPECT_EQ(label.geometry(), QRect(10, 20, 200, 60));
    }
    const QString wide(80, QLatin1Char('W'));
    label.SetStaticText(wide.toStdWString().c_str(), true);
    const int needed = QFontMetrics(DefaultTextFont(label)).horizontalAdvance(wide);
    EXPECT_EQ(label.geometry().topLeft(), QPoint(10, 20));
    EXPECT_GE(label.width(), needed);
    EXPECT_EQ(label.height(), 60);
}

TEST(Static, GeometryGettersAreInclusiveAndMoveWindowExclusive)
{
    KWEventSinkWidget parent;
    CKWQTStatic label;
    label.Create(L"", WS_VISIBLE, RECT { 10, 20, 110, 40 }, parent.Handle(), 1);
    RECT rect { 5, 6, 105, 26 };
    label.MoveWindow(&rect);
    EXPECT_EQ(label.geometry(), QRect(5, 6, 100, 20));
    RECT pos {};
    label.GetStaticCtrolPos(pos);
    const RECT geometry = label.GetGeometry();
    for (const RECT& r : { pos, geometry }) {
        EXPECT_EQ(r.left, 5);
        EXPECT_EQ(r.top, 6);
        EXPECT_EQ(r.right, 104);
        EXPECT_EQ(r.bottom, 25);
    }
    int width = 0;
    int height = 0;
    label.SetStaticText(L"a much longer text than before", false);
    label.GetTextSize(width, height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 20);
}

TEST(Static, EnablingPaintsBlackWhateverColourCameBefore)
{
    KWEventSinkWidget parent;
    CKWQTStatic label;
    label.Create(L"HHHH", WS_VISIBLE, RECT { 0, 0, 120, 40 }, parent.Handle(), 1);
    label.SetBgColor(RGB(255, 255, 255), 1);
    label.SetTextSize(30); // stems wide enough for pixels of the pure colour
    parent.show();
    label.SetTextColor(RGB(255, 0, 0));
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&label), Qt::red));
    label.EnableWindow(0);
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&label), QColor(188, 188, 188)));
    label.EnableWindow(1);
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&label), Qt::black));
    EXPECT_FALSE(KWHasPixel(KWGrabImage(&label), Qt::red));
}

TEST(Static, BackgroundIsFilledOnlyWhenTheFlagIsExactlyOne)
{
    KWEventSinkWidget parent;
    CKWQTStatic label;
    label.Create(L"", WS_VISIBLE, RECT { 0, 0, 40, 20 }, parent.Handle(), 1);
    parent.show();
    label.SetBgColor(RGB(0, 0, 255), 1);
    EXPECT_EQ(KWPixelAt(&label, 20, 10), QColor(Qt::blue));
    label.SetBgColor(RGB(0, 0, 255), 2);
    EXPECT_NE(KWPixelAt(&label, 20, 10), QColor(Qt::blue));
}

TEST(Static, ShortcutKeyLabelFramesItselfByFocusOnlyWhenItCanTakeFocus)
{
    const QString idle = QStringLiteral("QLabel{border: 1px solid rgb(239,83,49);background: rgb(17,17,17)}");
    const QString focused
        = QStringLiteral("QLabel{border: 1px solid rgb(255,255,255);background: rgb(17,17,17)}");
    KWEventSinkWidget parent;
    CKWQTStatic key;
    key.Create(L"F1", WS_VISIBLE | 0x10000, RECT { 0, 0, 40, 20 }, parent.Handle(), 1);
    key.SetObjectName(L"ShortcutKey");
    parent.show();
    EXPECT_EQ(key.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(key.styleSheet(), idle);
    EXPECT_EQ(KWPixelAt(&key, 0, 0), QColor(239, 83, 49));
    EXPECT_EQ(KWPixelAt(&key, 20, 1), QColor(17, 17, 17));

    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&key, &in);
    EXPECT_EQ(key.styleSheet(), focused);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&key, &out);
    EXPECT_EQ(key.styleSheet(), idle);

    CKWQTStatic plain;
    plain.Create(L"F2", WS_VISIBLE, RECT { 0, 30, 40, 50 }, parent.Handle(), 2);
    plain.SetObjectName(L"ShortcutKey");
    EXPECT_EQ(plain.focusPolicy(), Qt::NoFocus);

    CKWQTStatic other;
    other.Create(L"F3", WS_VISIBLE | 0x10000, RECT { 0, 60, 40, 80 }, parent.Handle(), 3);
    other.SetObjectName(L"Title");
    QCoreApplication::sendEvent(&other, &in);
    EXPECT_TRUE(other.styleSheet().isEmpty());
}

TEST(Static, TextSizeKeepsOnlyPositiveSizesButAlwaysWritesTheSheet)
{
    CKWQTStatic label;
    label.SetTextSize(16);
    EXPECT_EQ(label.TextFont().pixelSize(), 16);
    EXPECT_EQ(label.styleSheet(), QStringLiteral("QLabel {font-size:16px;}"));
    label.SetTextSize(-1);
    EXPECT_EQ(label.TextFont().pixelSize(), 16);
    EXPECT_EQ(label.styleSheet(), QStringLiteral("QLabel {font-size:-1px;}"));
}

TEST(Static, GetStaticTextStopsAtTheCapacityAndReturnsZero)
{
    KWEventSinkWidget parent;
    CKWQTStatic label;
    label.Create(L"Height", 0, RECT { 0, 0, 80, 20 }, parent.Handle(), 1);
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(label.GetStaticText(buffer, 4), 0);
    EXPECT_EQ(std::wstring(buffer), L"Hei");
    EXPECT_EQ(buffer[4], L'#');
    EXPECT_EQ(label.GetStaticText(buffer, 8), 0);
    EXPECT_EQ(std::wstring(buffer), L"Height");
}

} // namespace
