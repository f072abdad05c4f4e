#include "ui/qt/KWQTCheckBox.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>

#include <memory>

namespace {

struct Listener : IKWCheckBoxEvent, KWCallRecorder {
    void BTN_OnLButtonDown() override { Record("BTN_OnLButtonDown"); }
    void BTN_OnLButtonUp() override
    {
        Record("BTN_OnLButtonUp");
        commandsBeforeUp = parent != nullptr ? parent->events.size() : 0;
    }
    void BTN_OnMouseMove() override { Record("BTN_OnMouseMove"); }
    KWEventSinkWidget* parent = nullptr;
    size_t commandsBeforeUp = 0;
};

constexpr UINT kId = 321;

// One colour per picture, 16 x 16, in the record's field order.
const QColor kColours[] = {
    QColor(200, 0, 0),
    QColor(0, 200, 0),
    QColor(0, 0, 200),
    QColor(200, 200, 0),
    QColor(0, 200, 200),
    QColor(200, 0, 200),
    QColor(100, 0, 0),
    QColor(0, 100, 0),
};

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        listener.parent = &parent;
        std::wstring* fields[] = { &style.strCheckedNormal, &style.strCheckedHover, &style.strCheckedPressed,
            &style.strUncheckedNormal, &style.strUncheckedHover, &style.strUncheckedPressed,
            &style.strCheckedDisabled, &style.strUncheckedDisabled };
        for (int i = 0; i < CKWQTCheckBox::PIC_COUNT; ++i) {
            const QString name = QStringLiteral("pic%1.png").arg(i);
            skin.Add(name, kColours[i]);
            // Paths as given: the box does not prefix the skin directory.
            *fields[i] = (skin.Path() + name).toStdWString();
        }
        box.reset(static_cast<CKWQTCheckBox*>(CreateKWCheckBox(&listener)));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->Create("", 0, RECT { 10, 20, 26, 36 }, parent.Handle(), kId), 1);
        ASSERT_EQ(box->SetSkin(&style), 1);
        parent.resize(200, 100);
        parent.show();
    }

    QColor Face() { return KWPixelAt(box.get(), 8, 8); }
    int Checked()
    {
        int checked = -1;
        EXPECT_EQ(box->GetCheck(&checked), 0);
        return checked;
    }

    KWTempSkinDir skin;
    ImageCheckBox style;
    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTCheckBox> box; // released before the parent
};

TEST_F(CheckBoxTest, CreatePlacesExclusiveMovesInclusiveAndIgnoresTheVisibleBit)
{
    EXPECT_EQ(box->geometry(), QRect(10, 20, 16, 16));
    EXPECT_TRUE(box->isVisible()); // style 0, but shown with its parent
    RECT rect { 1, 2, 20, 22 };
    box->MoveWindow(&rect);
    EXPECT_EQ(box->geometry(), QRect(1, 2, 20, 21));
    box->MoveWindow(3, 4, 16, 16);
    EXPECT_EQ(box->geometry(), QRect(3, 4, 16, 16));
    box->ShowWindow(0);
    EXPECT_FALSE(box->isVisible());
}

TEST_F(CheckBoxTest, ClickReportsTogglesThenSendsTheCommand)
{
    QTest::mouseClick(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Checked(), 1);
    ASSERT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(listener.calls[0].name, "BTN_OnLButtonDown");
    EXPECT_EQ(listener.calls[1].name, "BTN_OnLButtonUp");
    EXPECT_EQ(listener.commandsBeforeUp, 0u);
    ASSERT_EQ(parent.events.size(), 1u);
    EXPECT_EQ(parent.events[0].message, WM_COMMAND);
    EXPECT_EQ(parent.events[0].wParam, 0u);
    EXPECT_EQ(parent.events[0].lParam, 0);
    EXPECT_EQ(parent.events[0].id, kId);
    EXPECT_EQ(box->VisualState(), CKWQTCheckBox::STATE_HOVER);
}

TEST_F(CheckBoxTest, ReleaseOutsideTogglesWithoutCommand)
{
    QTest::mousePress(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent drag(QEvent::MouseMove, QPointF(60, 5), box->mapToGlobal(QPointF(60, 5)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box.get(), &drag);
    QTest::mouseRelease(box.get(), Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_EQ(Checked(), 1);
    EXPECT_EQ(listener.Count("BTN_OnMouseMove"), 1);
    EXPECT_EQ(listener.Count("BTN_OnLButtonUp"), 1);
    EXPECT_TRUE(parent.events.empty());
}

TEST_F(CheckBoxTest, SetCheckIsSilent)
{
    box->SetCheck(7);
    EXPECT_EQ(Checked(), 1);
    box->SetCheck(0);
    EXPECT_EQ(Checked(), 0);
    EXPECT_EQ(box->GetCheck(nullptr), 0);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_TRUE(parent.events.empty());
}

TEST_F(CheckBoxTest, PicturePerStateAndCheck)
{
    for (int checked : { 1, 0 }) {
        const int base = checked ? 0 : 3;
        box->SetCheck(checked);
        EXPECT_EQ(Face(), kColours[base]) << "normal " << checked;
        KWSendEnter(box.get());
        EXPECT_EQ(Face(), kColours[base + 1]) << "hover " << checked;
        KWSendLeave(box.get());
        EXPECT_EQ(box->VisualState(), CKWQTCheckBox::STATE_NORMAL);
        QTest::mousePress(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(Face(), kColours[base + 2]) << "pressed " << checked;
        QTest::mouseRelease(box.get(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(box->VisualState(), CKWQTCheckBox::STATE_HOVER);
        KWSendLeave(box.get());
        box->SetCheck(checked);
        box->setEnabled(false);
        EXPECT_EQ(Face(), kColours[checked ? 6 : 7]) << "disabled " << checked;
        box->setEnabled(true);
    }
}

TEST_F(CheckBoxTest, TextRoundTripsAndDisabledTextIsGreyAndCentred)
{
    box->SetWindowTextW(L"Ein \u00c4");
    WCHAR buffer[16];
    EXPECT_EQ(box->GetWindowTextW(buffer, 16), 5);
    EXPECT_EQ(std::wstring(buffer), L"Ein \u00c4");
    EXPECT_EQ(box->GetWindowTextW(buffer, 3), 2);
    EXPECT_EQ(std::wstring(buffer), L"Ei");

    box->MoveWindow(0, 0, 16, 16);
    box->SetWindowTextW(L"\u2588\u2588\u2588\u2588\u2588\u2588");
    box->setEnabled(false);
    const QImage image = KWGrabImage(box.get());
    EXPECT_TRUE(KWHasPixel(image, QColor(0x6B, 0x6B, 0x6B)));
    const QRect ink = KWInkBox(image, kColours[7]);
    ASSERT_FALSE(ink.isNull());
    // Centred: as much picture left of the text as right of it, give or take
    // the rounding of the halves.
    EXPECT_LE(std::abs(ink.left() - (image.width() - 1 - ink.right())), 2);
}

TEST_F(CheckBoxTest, MissingPicturePaintsAsPlainButtonAndNullSkinIsRefused)
{
    CKWQTCheckBox plain(nullptr);
    plain.Create("Plain", 0, RECT { 30, 20, 90, 44 }, parent.Handle(), 2);
    ImageCheckBox broken;
    broken.strUncheckedNormal = L"/no/such/picture.png";
    EXPECT_EQ(plain.SetSkin(&broken), 1);
    EXPECT_TRUE(plain.Picture(CKWQTCheckBox::PIC_UNCHECKED_NORMAL).isNull());
    EXPECT_FALSE(KWGrabImage(&plain).isNull());
    EXPECT_EQ(plain.SetSkin(nullptr), 0);
    plain.setParent(nullptr);
}

// A 20 x 20 picture whose every column has its own red value (x * 10) and
// every row its own green value (y * 10).
QPixmap Gradient()
{
    QImage image(20, 20, QImage::Format_ARGB32);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            image.setPixelColor(x, y, QColor(x * 10, y * 10, 0));
        }
    }
    return QPixmap::fromImage(image);
}

TEST(CheckBoxStretch, CornersStayEdgesAndCentreRepeatTheMiddle)
{
    struct Row {
        const char* what;
        QSize size;
        QPoint at;
        QPoint source;
    };
    const Row rows[] = {
        { "left half kept", QSize(60, 20), QPoint(9, 3), QPoint(9, 3) },
        { "middle column repeated", QSize(60, 20), QPoint(30, 3), QPoint(10, 3) },
        { "middle column up to the right corner", QSize(60, 20), QPoint(50, 15), QPoint(10, 15) },
        { "right half kept", QSize(60, 20), QPoint(51, 15), QPoint(11, 15) },
        { "top half kept when taller", QSize(20, 50), QPoint(4, 9), QPoint(4, 9) },
        { "middle row repeated", QSize(20, 50), QPoint(4, 25), QPoint(4, 10) },
        { "bottom half kept", QSize(20, 50), QPoint(15, 49), QPoint(15, 19) },
        { "centre is the middle pixel", QSize(60, 50), QPoint(30, 25), QPoint(10, 10) },
        { "bottom right corner", QSize(60, 50), QPoint(59, 49), QPoint(19, 19) },
    };
    const QImage source = Gradient().toImage();
    for (const Row& row : rows) {
        const QImage result = CKWQTCheckBox::StretchByCorners(Gradient(), row.size).toImage();
        ASSERT_EQ(result.size(), row.size) << row.what;
        EXPECT_EQ(result.pixelColor(row.at), source.pixelColor(row.source)) << row.what;
    }
    EXPECT_TRUE(CKWQTCheckBox::StretchByCorners(QPixmap(), QSize(40, 40)).isNull());
}

TEST_F(CheckBoxTest, ResizeStretchesLargerAndCropsSmaller)
{
    box->MoveWindow(10, 20, 40, 16);
    for (int i = 0; i < CKWQTCheckBox::PIC_COUNT; ++i) {
        EXPECT_EQ(box->Picture(i).size(), QSize(40, 16)) << i;
    }
    EXPECT_EQ(KWPixelAt(box.get(), 39, 15), kColours[CKWQTCheckBox::PIC_UNCHECKED_NORMAL]);
    box->MoveWindow(10, 20, 12, 10);
    for (int i = 0; i < CKWQTCheckBox::PIC_COUNT; ++i) {
        EXPECT_EQ(box->Picture(i).size(), QSize(12, 10)) << i;
    }
}

} // namespace
