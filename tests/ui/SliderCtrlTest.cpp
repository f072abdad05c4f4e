#include "ui/qt/KWQTSliderCtrl.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWSliderMapping.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCommonStyle>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include <cmath>
#include <memory>

namespace {

struct Listener : IKWSliderCtrlEvent, KWCallRecorder {
    void BTN_OnLButtonDown(int id, float f) override { Record("BTN_OnLButtonDown", id, f); }
    void BTN_OnLButtonUp(int id, float f) override { Record("BTN_OnLButtonUp", id, f); }
    void BTN_OnLButtonDownCutMode(int which, float start, float end) override
    {
        Record("BTN_OnLButtonDownCutMode", which, start, end);
    }
    void KW_OnSliderPos(int id, int pos) override { Record("KW_OnSliderPos", id, pos); }
    void KW_OnSliderPosF(int id, float f) override { Record("KW_OnSliderPosF", id, f); }
};

constexpr UINT kId = 112;

const QColor kFilled(0, 160, 0);
const QColor kEmpty(150, 150, 150);
const QColor kHandle(200, 0, 0);
const QColor kHover(0, 0, 200);
const QColor kPressed(200, 200, 0);

// A strip laid out as the application's: grooves 100 x 18 at x 108 (filled)
// and 0 (empty), handles 16 x 16 at x 215, 236, 256.
ImageSliderStyle StripSkin(const QString& folder)
{
    QImage strip(272, 18, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.fillRect(QRect(0, 0, 100, 18), kEmpty);
    painter.fillRect(QRect(108, 0, 100, 18), kFilled);
    painter.fillRect(QRect(215, 0, 16, 16), kHandle);
    painter.fillRect(QRect(236, 0, 16, 16), kHover);
    painter.fillRect(QRect(256, 0, 16, 16), kPressed);
    painter.end();
    strip.save(folder + QStringLiteral("slidingblock.png"));

    ImageSliderStyle style;
    style.strImage = L"slidingblock.png";
    const wchar_t* rects[]
        = { L"108,0,100,18", L"0,0,100,18", L"215,0,16,16", L"236,0,16,16", L"256,0,16,16", L"215,0,16,16" };
    for (int i = 0; i < 6; ++i) {
        style.strRect[i] = rects[i];
    }
    return style;
}

void SendMouse(
    QWidget* widget, QEvent::Type type, int x, Qt::MouseButton button, Qt::MouseButtons buttons, int y = 9)
{
    const QPointF local(x, y);
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
void Press(QWidget* w, int x, Qt::MouseButton b = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonPress, x, b, b);
}
void Drag(QWidget* w, int x)
{
    SendMouse(w, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
}
void Release(QWidget* w, int x, Qt::MouseButton b = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonRelease, x, b, Qt::NoButton);
}

class SliderCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        style = StripSkin(skin.Path());
        slider.reset(static_cast<CKWQTSliderCtrl*>(CreateKWSliderCtrl(&listener)));
        ASSERT_NE(slider, nullptr);
        ASSERT_EQ(
            slider->Create(WS_VISIBLE, RECT { 0, 0, 100, 18 }, parent.Handle(), kId, SLIDER_RESPONSE_MODE {}),
            1);
        ASSERT_EQ(slider->SetSkin(&style), 1);
        slider->SetTooltipEnable(0, 0, 0);
        parent.show();
    }

    KWTempSkinDir skin;
    ImageSliderStyle style;
    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTSliderCtrl> slider; // released before the parent
};

TEST_F(SliderCtrlTest, PressOnTheCurrentValueIsQuietButTheFollowingDragMovesAndReports)
{
    slider->SetPos(50);
    Press(slider.get(), 50);
    EXPECT_EQ(slider->GetPos(), 50);
    EXPECT_TRUE(listener.calls.empty());

    Drag(slider.get(), 92);
    EXPECT_EQ(slider->GetPos(), 100);
    ASSERT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(listener.calls[0].name, "KW_OnSliderPos");
    EXPECT_EQ(listener.calls[0].args, (std::vector<double> { kId, 100 }));
    EXPECT_EQ(listener.calls[1].name, "KW_OnSliderPosF");
    EXPECT_EQ(listener.calls[1].args, (std::vector<double> { kId, KWSliderFraction(92, 100) }));

    listener.Clear();
    Drag(slider.get(), 95); // the same value: nothing
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(SliderCtrlTest, PressJumpsAndReportsReleaseReportsUpThenThePosition)
{
    Press(slider.get(), 29);
    EXPECT_EQ(slider->GetPos(), 25);
    EXPECT_EQ(listener.ArgsOf("BTN_OnLButtonDown"),
        (std::vector<std::vector<double>> { { kId, KWSliderFraction(29, 100) } }));

    listener.Clear();
    Release(slider.get(), 29);
    ASSERT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(listener.calls[0].name, "BTN_OnLButtonUp");
    EXPECT_EQ(listener.calls[1].name, "KW_OnSliderPos");
    EXPECT_EQ(listener.calls[1].args, (std::vector<double> { kId, 25 }));

    // After the release a move with the button up drags nothing.
    listener.Clear();
    SendMouse(slider.get(), QEvent::MouseMove, 80, Qt::NoButton, Qt::NoButton);
    Drag(slider.get(), 80);
    EXPECT_EQ(slider->GetPos(), 25);
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(SliderCtrlTest, ResponseModeOneMovesOnPressOnlyAndReportsNothing)
{
    CKWQTSliderCtrl quiet(&listener);
    quiet.Create(WS_VISIBLE, RECT { 0, 20, 100, 38 }, parent.Handle(), kId, SLIDER_RESPONSE_MODE { 1 });
    quiet.SetSkin(&style);
    Press(&quiet, 50);
    EXPECT_EQ(quiet.GetPos(), 50);
    Drag(&quiet, 92);
    EXPECT_EQ(quiet.GetPos(), 50);
    Release(&quiet, 92);
    KWSendWheel(&quiet, 120);
    EXPECT_EQ(quiet.GetPos(), 50);
    EXPECT_TRUE(listener.calls.empty());

    // A vertical slider follows the drag whatever the mode.
    quiet.SetOrientation(0);
    quiet.MoveWindow(0, 0, 18, 100);
    SendMouse(&quiet, QEvent::MouseButtonPress, 9, Qt::LeftButton, Qt::LeftButton, 50);
    SendMouse(&quiet, QEvent::MouseMove, 9, Qt::NoButton, Qt::LeftButton, 8);
    EXPECT_EQ(quiet.GetPos(), 0);
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(SliderCtrlTest, SetPosIsSilentTheWheelReportsArrowKeysDoNothing)
{
    slider->SetPos(40);
    EXPECT_TRUE(listener.calls.empty());

    KWSendWheel(slider.get(), 120);
    EXPECT_GT(slider->GetPos(), 40);
    EXPECT_EQ(listener.ArgsOf("KW_OnSliderPos"),
        (std::vector<std::vector<double>> { { kId, 1.0 * slider->GetPos() } }));

    listener.Clear();
    const int before = slider->GetPos();
    for (Qt::Key key : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down }) {
        QTest::keyClick(slider.get(), key);
    }
    EXPECT_EQ(slider->GetPos(), before);
    // Other keys are Qt's and are not reported.
    QTest::keyClick(slider.get(), Qt::Key_PageUp);
    EXPECT_EQ(slider->GetPos(), before + slider->pageStep());
    EXPECT_TRUE(listener.calls.empty());
}

TEST_F(SliderCtrlTest, GuardedGeometriesGiveTheMinimumAndFiniteFractions)
{
    struct Row {
        const char* what;
        int width, minimum, maximum;
        int expected;
    };
    const Row rows[] = {
        { "as wide as the handle", 16, 10, 90, 10 },
        { "one pixel wide", 1, 10, 90, 10 },
        { "empty range", 100, 7, 7, 7 },
    };
    for (const Row& row : rows) {
        slider->MoveWindow(0, 0, row.width, 18);
        slider->SetRange(row.minimum, row.maximum, 1);
        slider->SetPos(row.maximum);
        slider->SetTooltipEnable(1, 0, 0);
        listener.Clear();
        Press(slider.get(), 12);
        Drag(slider.get(), 0);
        Release(slider.get(), 0);
        EXPECT_EQ(slider->GetPos(), row.expected) << row.what;
        for (const KWRecordedCall& call : listener.calls) {
            for (double arg : call.args) {
                EXPECT_TRUE(std::isfinite(arg)) << row.what << " " << call.name;
            }
        }
    }
}

TEST_F(SliderCtrlTest, CutModePressMovesTheNearerMarkerTiesGoToTheEnd)
{
    slider->MoveWindow(0, 0, 101, 18);
    slider->SetSliderMode(CKWQTSliderCtrl::MODE_CUT);
    slider->SetPos(30);
    Press(slider.get(), 50); // exactly halfway between 0 and 1
    EXPECT_FLOAT_EQ(slider->CutEnd(), 0.5f);
    Press(slider.get(), 20);
    EXPECT_FLOAT_EQ(slider->CutStart(), 0.2f);
    EXPECT_EQ(listener.ArgsOf("BTN_OnLButtonDownCutMode"),
        (std::vector<std::vector<double>> { { 1, 0.0f, 0.5f }, { 0, 0.2f, 0.5f } }));
    EXPECT_EQ(slider->GetPos(), 30);

    // Painted as a red span over a dark track.
    const QImage image = KWGrabImage(slider.get());
    EXPECT_EQ(image.pixelColor(10, 1), QColor(29, 29, 29));
    EXPECT_EQ(image.pixelColor(10, 6), QColor(49, 49, 49));
    EXPECT_GT(image.pixelColor(35, 6).red(), 180); // 203 at alpha 235 over 49
    EXPECT_LT(image.pixelColor(35, 6).green(), 10);
    EXPECT_EQ(image.pixelColor(60, 6), QColor(49, 49, 49));

    slider->SetSliderMode(0);
    EXPECT_EQ(slider->GetSliderMode(), 0);
    slider->SetSliderMode(CKWQTSliderCtrl::MODE_CUT);
    EXPECT_FLOAT_EQ(slider->CutStart(), 0.0f);
    EXPECT_FLOAT_EQ(slider->CutEnd(), 1.0f);
}

TEST(SliderCtrl, CutPositionsByTimeKeepMarkersInsideTheirLimits)
{
    struct Row {
        const char* what;
        int keep;
        float start, startLimit, end, endLimit;
        float expectedStart, expectedEnd;
    };
    // Markers start at 0.3 and 0.7.
    const Row rows[] = {
        { "set outright", 0, 0.1f, 0.2f, 0.9f, 1.0f, 0.1f, 0.9f },
        { "both inside: kept", 1, 0.2f, 0.5f, 0.6f, 0.8f, 0.3f, 0.7f },
        { "start before the new start", 1, 0.4f, 0.5f, 0.6f, 0.8f, 0.4f, 0.7f },
        { "start at its limit", 1, 0.1f, 0.3f, 0.6f, 0.7f, 0.1f, 0.6f },
    };
    for (const Row& row : rows) {
        CKWQTSliderCtrl slider;
        slider.SetSliderMode(CKWQTSliderCtrl::MODE_CUT);
        slider.SetCutPosByTime(0, 0.3f, 0.0f, 0.7f, 0.0f);
        slider.SetCutPosByTime(row.keep, row.start, row.startLimit, row.end, row.endLimit);
        EXPECT_FLOAT_EQ(slider.CutStart(), row.expectedStart) << row.what;
        EXPECT_FLOAT_EQ(slider.CutEnd(), row.expectedEnd) << row.what;
    }
}

TEST_F(SliderCtrlTest, TooltipShowsTheTimeOfDayAboveTheSlider)
{
    slider->SetTimeRange(0, 86399);
    slider->SetTooltipEnable(1, KW_SLIDER_TIP_TIME, 0);
    Press(slider.get(), 50);
    Drag(slider.get(), 99);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("23:59:59"));
    slider->SetTooltipEnable(1, KW_SLIDER_TIP_HUNDREDTHS, 0);
    slider->SetRange(50, 10000, 0);
    Release(slider.get(), 50);
    EXPECT_EQ(QToolTip::text(), QString::number(slider->GetPos() / 100.0));
    QToolTip::hideText();
}

TEST_F(SliderCtrlTest, SkinCutsGroovesAndHandlesAndTheMetricsFollow)
{
    EXPECT_EQ(slider->Image(CKWQTSliderCtrl::IMG_GROOVE_FILLED).size(), QSize(100, 18));
    EXPECT_EQ(slider->Image(CKWQTSliderCtrl::IMG_GROOVE_EMPTY).size(), QSize(100, 18));
    for (int i = CKWQTSliderCtrl::IMG_HANDLE_NORMAL; i <= CKWQTSliderCtrl::IMG_HANDLE_DISABLED; ++i) {
        EXPECT_EQ(slider->Image(i).size(), QSize(16, 16)) << i;
    }
    QStyle* style = slider->style();
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderThickness, nullptr, slider.get()), 18);
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderControlThickness, nullptr, slider.get()), 16);
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, slider.get()), 100);
    EXPECT_EQ(style->styleHint(QStyle::SH_Slider_AbsoluteSetButtons, nullptr, slider.get()), Qt::LeftButton);
    EXPECT_TRUE(slider->testAttribute(Qt::WA_Hover));

    slider->ResizeImg(60, 10);
    EXPECT_EQ(slider->Image(CKWQTSliderCtrl::IMG_GROOVE_FILLED).size(), QSize(60, 10));
    EXPECT_EQ(slider->Image(CKWQTSliderCtrl::IMG_HANDLE_NORMAL).size(), QSize(16, 16));

    EXPECT_EQ(slider->SetSkin(nullptr), 0);
    EXPECT_EQ(slider->Image(CKWQTSliderCtrl::IMG_GROOVE_EMPTY).size(), QSize(60, 10));

    // Without pictures the metrics are the common style's.
    ImageSliderStyle missing = this->style;
    missing.strImage = L"absent.png";
    EXPECT_EQ(slider->SetSkin(&missing), 1);
    EXPECT_TRUE(slider->Image(CKWQTSliderCtrl::IMG_GROOVE_EMPTY).isNull());
    QCommonStyle common;
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, slider.get()),
        common.pixelMetric(QStyle::PM_SliderLength));
}

TEST_F(SliderCtrlTest, PaintsTheGrooveSplitAtTheHandleAndTheHandleByState)
{
    // The application's style sheet puts Qt's style-sheet style in front of
    // the slider's own; the pictures must still be what is painted.
    const QString previous = qApp->styleSheet();
    qApp->setStyleSheet(QStringLiteral("QToolTip { color: #333333; } QMenu { padding: 4px 0px; }"));
    {
        CKWQTSliderCtrl painted(&listener);
        painted.Create(WS_VISIBLE, RECT { 0, 20, 100, 38 }, parent.Handle(), kId, SLIDER_RESPONSE_MODE {});
        painted.SetSkin(&style);
        painted.SetPos(50);
        EXPECT_TRUE(painted.style()->inherits("QStyleSheetStyle"));

        const QImage image = KWGrabImage(&painted);
        EXPECT_EQ(image.pixelColor(20, 9), kFilled);
        EXPECT_EQ(image.pixelColor(41, 9), kFilled);
        EXPECT_EQ(image.pixelColor(42, 9), kHandle);
        EXPECT_EQ(image.pixelColor(57, 9), kHandle);
        EXPECT_EQ(image.pixelColor(58, 9), kEmpty);
        EXPECT_EQ(image.pixelColor(80, 17), kEmpty);

        painted.setAttribute(Qt::WA_UnderMouse, true);
        EXPECT_EQ(KWPixelAt(&painted, 50, 9), kHover);
        Press(&painted, 50);
        EXPECT_EQ(KWPixelAt(&painted, 50, 9), kPressed);
        Release(&painted, 50);
        EXPECT_EQ(KWPixelAt(&painted, 50, 9), kHover);
        painted.setAttribute(Qt::WA_UnderMouse, false);
        painted.EnableWindow(0);
        EXPECT_EQ(KWPixelAt(&painted, 50, 9), kHandle); // the disabled picture is the normal one here

        painted.SetPos(100);
        EXPECT_EQ(KWPixelAt(&painted, 83, 9), kFilled);
        EXPECT_EQ(KWPixelAt(&painted, 99, 9), kHandle);
    }
    qApp->setStyleSheet(previous);
}

} // namespace
