#include "ui/qt/KWQTStatic.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>

#include <algorithm>
#include <string>

namespace {

class StaticTest : public ::testing::Test {
protected:
    void SetUp() override { parent.show(); }
    // A label on white, so that every other pixel is its text.
    void Make(CKWQTStatic& label, const std::wstring& text, const RECT& rect, DWORD style = WS_VISIBLE)
    {
        label.Create(text.c_str(), style, rect, parent.Handle(), 1);
        label.SetBgColor(RGB(255, 255, 255), 1);
    }
    QRect Ink(CKWQTStatic& label) { return KWInkBox(KWGrabImage(&label), Qt::white); }
    // What a fresh label measures and paints with: its font at 12 pixels.
    static QFontMetrics Metrics(const QWidget& label)
    {
        QFont font = label.font();
        font.setPixelSize(12);
        return QFontMetrics(font);
    }

    KWEventSinkWidget parent;
};

TEST_F(StaticTest, CreateGrowsToItsTextButNeverBelowTheRequestedSize)
{
    struct Row {
        std::wstring text;
        int wrap;
        QRect requested;
    };
    const Row rows[] = {
        { L"Installation height of the camera", 1, QRect(10, 20, 100, 20) }, // two lines in a 20-pixel row
        { L"Horizontal distance", 0, QRect(10, 20, 30, 20) },
        { L"m", 0, QRect(10, 20, 200, 60) },
    };
    for (const Row& row : rows) {
        CKWQTStatic label;
        label.SetWordWrap(row.wrap);
        const QRect& r = row.requested;
        Make(label, row.text, RECT { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() });
        const int flags = Qt::AlignVCenter | (row.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QSize text = Metrics(label).boundingRect(r, flags, QString::fromStdWString(row.text)).size();
        EXPECT_EQ(label.geometry(), QRect(r.topLeft(), r.size().expandedTo(text)));
    }
    CKWQTStatic hidden;
    Make(hidden, L"x", RECT { 0, 0, 50, 20 }, WS_CHILD);
    EXPECT_FALSE(hidden.isVisible());
}

TEST_F(StaticTest, DrawTextFormatBitsBecomeQtFlags)
{
    struct Row {
        UINT format;
        UINT qt;
    };
    const Row rows[] = {
        { 0x0, 0x1 }, // left and top, neither single line nor wrap
        { 0x1, 0x4 }, { 0x3, 0x2 }, // right wins over centre
        { 0x4, 0x81 }, { 0x14, 0x1281 }, // word break: wrap without clipping
        { 0x31, 0x304 }, // single line wins over word break
    };
    CKWQTStatic label;
    EXPECT_EQ(label.GetTextAlignFlag(), 0x181U);
    for (const Row& row : rows) {
        label.SetTextAlignFlag(row.format);
        EXPECT_EQ(label.GetTextAlignFlag(), row.qt) << row.format;
    }
}

TEST_F(StaticTest, TextIsPaintedWhereItsAlignmentAndOffsetPutIt)
{
    CKWQTStatic label;
    Make(label, L"HHHH", RECT { 0, 0, 200, 40 });
    const int textWidth = Metrics(label).horizontalAdvance(QStringLiteral("HHHH"));
    const int slack = 3; // side bearings and antialiasing

    label.SetTextAlignFlag(0x0);
    EXPECT_LE(Ink(label).left(), slack);
    EXPECT_LT(Ink(label).bottom(), Metrics(label).height());
    label.SetTextAlignFlag(0x2 | 0x4);
    EXPECT_GE(Ink(label).right(), 199 - slack);
    EXPECT_NEAR(Ink(label).center().y(), 20, slack);
    label.SetTextAlignFlag(0x1 | 0x4);
    EXPECT_NEAR(Ink(label).center().x(), 100, slack);
    EXPECT_NEAR(Ink(label).width(), textWidth, 2 * slack);
    label.SetTextAlignFlag(0x4);
    label.SetTextOffset(30);
    EXPECT_NEAR(Ink(label).left(), 30 + slack / 2, slack / 2 + 1);
}

TEST_F(StaticTest, WordWrapBreaksBetweenWordsAndWrapAnywhereInsideThem)
{
    struct Row {
        QString text;
        int wordWrap;
        int anywhere;
        bool severalLines;
    };
    const Row rows[] = {
        { QStringLiteral("aaa bbb ccc ddd eee"), 0, 0, false },
        { QStringLiteral("aaa bbb ccc ddd eee"), 1, 0, true },
        { QStringLiteral("WWWWWWWWWWWWWWWW"), 1, 0, false },
        { QStringLiteral("WWWWWWWWWWWWWWWW"), 1, 1, true },
    };
    for (const Row& row : rows) {
        CKWQTStatic label;
        label.SetTextAlignFlag(0x0);
        label.SetWordWrap(row.wordWrap);
        label.SetWrapAnywhere(row.anywhere);
        Make(label, row.text.toStdWString(), RECT { 0, 0, 60, 100 });
        const int lines = Metrics(label)
                              .boundingRect(QRect(0, 0, 60, 100), int(label.GetTextAlignFlag()), row.text)
                              .height()
            / Metrics(label).lineSpacing();
        EXPECT_EQ(lines > 1, row.severalLines) << row.text.toStdString();
        EXPECT_GT(Ink(label).height(), (lines - 1) * Metrics(label).lineSpacing());
        EXPECT_LE(Ink(label).bottom(), lines * Metrics(label).lineSpacing());
    }
}

TEST_F(StaticTest, FittingTextKeepsTheTopLeftOfACentredLabel)
{
    CKWQTStatic label;
    label.SetTextAlignFlag(0x1 | 0x4);
    Make(label, L"PPM", RECT { 10, 20, 210, 80 });
    for (const wchar_t* text : { L"12", L"345", L"6" }) {
        label.SetStaticText(text, true);
        EXPECT_EQ(label.geometry(), QRect(10, 20, 200, 60));
    }
    const QString wide(80, QLatin1Char('W'));
    label.SetStaticText(wide.toStdWString().c_str(), true);
    EXPECT_EQ(label.geometry().topLeft(), QPoint(10, 20));
    const QSize text
        = Metrics(label).boundingRect(QRect(10, 20, 200, 60), int(label.GetTextAlignFlag()), wide).size();
    EXPECT_EQ(label.geometry().size(), text.expandedTo(QSize(200, 60)));
}

TEST_F(StaticTest, MoveWindowIsExclusiveAndTheGettersInclusive)
{
    CKWQTStatic label;
    Make(label, L"", RECT { 10, 20, 110, 40 });
    RECT rect { 5, 6, 105, 26 };
    label.MoveWindow(&rect);
    label.SetStaticText(L"a much longer text than the label", false);
    const RECT geometry = label.GetGeometry();
    EXPECT_EQ(QRect(QPoint(geometry.left, geometry.top), QPoint(geometry.right, geometry.bottom)),
        QRect(5, 6, 100, 20));
    int width = 0;
    int height = 0;
    label.GetTextSize(width, height);
    EXPECT_EQ(QSize(width, height), QSize(100, 20));
}

TEST_F(StaticTest, EnablingPaintsBlackWhateverColourCameBefore)
{
    CKWQTStatic label;
    Make(label, L"HHHH", RECT { 0, 0, 120, 40 });
    label.SetTextSize(30); // stems wide enough for pixels of the pure colour
    label.SetTextColor(RGB(255, 0, 0));
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&label), Qt::red));
    label.EnableWindow(0);
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&label), QColor(188, 188, 188)));
    label.EnableWindow(1);
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&label), Qt::black));
    EXPECT_FALSE(KWHasPixel(KWGrabImage(&label), Qt::red));
}

TEST_F(StaticTest, ShortcutKeyLabelFramesItselfByFocusOnlyWhenItCanTakeFocus)
{
    const QString idle = QStringLiteral("QLabel{border: 1px solid rgb(239,83,49);background: rgb(17,17,17)}");
    CKWQTStatic key;
    key.Create(L"F1", WS_VISIBLE | 0x10000, RECT { 0, 0, 40, 20 }, parent.Handle(), 1);
    key.SetObjectName(L"ShortcutKey");
    EXPECT_EQ(key.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(key.styleSheet(), idle);
    EXPECT_EQ(KWPixelAt(&key, 0, 0), QColor(239, 83, 49));
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&key, &in);
    EXPECT_EQ(KWPixelAt(&key, 0, 0), QColor(Qt::white));
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(&key, &out);
    EXPECT_EQ(key.styleSheet(), idle);

    CKWQTStatic plain;
    plain.Create(L"F2", WS_VISIBLE, RECT { 0, 30, 40, 50 }, parent.Handle(), 2);
    EXPECT_EQ(plain.focusPolicy(), Qt::NoFocus);
}

TEST_F(StaticTest, GetStaticTextStopsAtTheCapacityAndReturnsZero)
{
    CKWQTStatic label;
    Make(label, L"Height", RECT { 0, 0, 80, 20 });
    WCHAR buffer[8] = { L'#', L'#', L'#', L'#', L'#', L'#', L'#', L'#' };
    EXPECT_EQ(label.GetStaticText(buffer, 4), 0);
    EXPECT_EQ(std::wstring(buffer), L"Hei");
    EXPECT_EQ(buffer[4], L'#');
}

} // namespace
