#include "ui/qt/KWQTButton.h"

#include "tests/common/KWTestKit.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/qt/KWControlKit.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT kId = 122;

// A window's handler as the application writes one: it hears the button
// directly and through its message map, into one log.
class Handler : public IKWDialogEvent, public IKWButtonEvent, public KWCallRecorder {
public:
    void OnDlgCreate(bool) override { }
    void BTN_OnLButtonDown(int id, UINT, POINT) override { Record("down", id); }
    void BTN_OnLButtonUp(int id, UINT, POINT) override { Record("up", id); }
    void BTN_OnMouseMoveX(int id, UINT, int dx) override { Record("dx", id, dx); }
    void BTN_OnClicked(int id) override { Record("clicked", id); }
    void OnCommand() { Record("command"); }

    KW_BEGIN_MSGMAP(Handler)
    KW_COMMAND(kId, OnCommand)
    KW_END_MSGMAP()
};

// The dialog side: custom events go through the handler's map.
class MapWindow : public QWidget {
public:
    explicit MapWindow(CKWEventBase* handler)
        : m_handler(handler)
    {
        resize(300, 200);
        move(40, 50);
    }
    void customEvent(QEvent* event) override
    {
        KWDispatchCustomEvent(m_handler, static_cast<CKWCustomEvent*>(event));
    }

private:
    CKWEventBase* m_handler;
};

// One solid colour per state picture, so that a pixel tells which is shown.
class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override { Make(button, L"", RECT { 10, 10, 110, 40 }, kId); }
    void Make(CKWQTButton& made, const std::wstring& text, const RECT& rect, UINT id)
    {
        ImageButtonStyle skin { L"nor.png", L"hov.png", L"pre.png", L"dis.png", L"", L"", L"", L"" };
        ASSERT_EQ(made.SetSkin(&skin), 1);
        made.Create(text.c_str(), WS_VISIBLE, rect, KWHandleFromWidget(&window), id);
        window.show();
    }
    QColor Shown() { return KWPixelAt(&button, 50, 15); }

    static constexpr QSize kSize { 8, 8 };
    KWTempSkinDir skins { { "nor.png", Qt::red, kSize }, { "hov.png", Qt::green, kSize },
        { "pre.png", Qt::blue, kSize }, { "dis.png", Qt::gray, kSize }, { "other.png", Qt::yellow, kSize },
        { "hand_pointing.png", Qt::black, kSize } };
    Handler handler;
    MapWindow window { &handler };
    CKWQTButton button { &handler };
};

TEST_F(ButtonTest, OneClickReachesTheListenerThenTheParentsMessageMap)
{
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    std::vector<std::string> names;
    for (const KWRecordedCall& call : handler.calls) {
        names.push_back(call.name);
    }
    EXPECT_EQ(names, (std::vector<std::string> { "down", "up", "clicked", "command" }));
}

TEST_F(ButtonTest, RightPressShowsPressedWithoutLButtonDownAndClicksNothing)
{
    QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(Shown(), QColor(Qt::blue));
    QTest::mouseRelease(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(handler.Count("down"), 0);
    EXPECT_EQ(handler.Count("up"), 1);
    EXPECT_EQ(handler.Count("clicked") + handler.Count("command"), 0);
}

TEST_F(ButtonTest, DragReportsTheDistanceFromThePressPoint)
{
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    for (const int x : { 25, 4 }) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), button.mapToGlobal(QPointF(x, 5)), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &move);
    }
    EXPECT_EQ(handler.ArgsOf("dx"), (std::vector<std::vector<double>> { { kId, 15 }, { kId, -6 } }));
}

TEST_F(ButtonTest, CreateIsExclusiveMoveWindowInclusiveAndTheWindowRectIsOnScreen)
{
    CKWQTButton hidden;
    hidden.Create(L"", WS_CHILD, RECT { 10, 10, 110, 40 }, KWHandleFromWidget(&window), 1);
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_TRUE(button.isVisible());
    EXPECT_EQ(button.geometry(), QRect(10, 10, 100, 30));

    RECT rect { 10, 10, 110, 40 };
    button.MoveWindow(&rect);
    EXPECT_EQ(button.geometry(), QRect(10, 10, 101, 31));
    RECT onScreen {};
    button.GetBTNWindowRect(&onScreen);
    const QPoint origin = button.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(QRect(QPoint(onScreen.left, onScreen.top), QPoint(onScreen.right, onScreen.bottom)),
        QRect(origin, QSize(101, 31)));
}

TEST_F(ButtonTest, EachStateShowsItsPictureAndDisabledWinsOverEveryState)
{
    struct Row {
        const char* what;
        std::function<void(CKWQTButton&)> act;
        QColor colour;
    };
    const Row rows[] = {
        { "start", [](CKWQTButton&) {}, Qt::red },
        { "enter", [](CKWQTButton& b) { KWSendEnter(&b); }, Qt::green },
        { "press", [](CKWQTButton& b) { QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3)); },
            Qt::blue },
        { "release: normal, not hover",
            [](CKWQTButton& b) { QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(3, 3)); }, Qt::red },
        { "checked borrows the hover picture", [](CKWQTButton& b) { b.SetChecked(true); }, Qt::green },
        { "leaving returns to checked", [](CKWQTButton& b) { KWSendLeave(&b); }, Qt::green },
        { "disabled while checked", [](CKWQTButton& b) { b.EnableWindow(0); }, Qt::gray },
        { "enabled, unchecked",
            [](CKWQTButton& b) {
                b.EnableWindow(1);
                b.SetChecked(false);
            },
            Qt::red },
        { "pressed again", [](CKWQTButton& b) { QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3)); },
            Qt::blue },
        { "disabled while pressed", [](CKWQTButton& b) { b.EnableWindow(0); }, Qt::gray },
    };
    for (const Row& row : rows) {
        row.act(button);
        EXPECT_EQ(Shown(), row.colour) << row.what;
    }
    EXPECT_EQ(button.cursor().shape(), Qt::BitmapCursor) << "the hand from the skin";
    button.EnableWindow(1);
    KWSendLeave(&button);

    ImageButtonStyle partial { L"other.png", L"", L"", L"", L"", L"", L"", L"" };
    EXPECT_EQ(button.SetSkin(&partial), 1);
    EXPECT_EQ(button.SetSkin(nullptr), 0);
    EXPECT_EQ(Shown(), QColor(Qt::yellow));
    KWSendEnter(&button);
    EXPECT_EQ(Shown(), QColor(Qt::green)) << "an empty hover name keeps the hover picture";
}

TEST_F(ButtonTest, DisabledTextIsGreyEvenWhilePressed)
{
    button.SetWindowTextW(L"HHHH");
    button.SetTextColor(RGB(255, 255, 0));
    EXPECT_TRUE(KWHasPixel(KWGrabImage(&button), Qt::yellow));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
    button.EnableWindow(0);
    const QImage disabled = KWGrabImage(&button);
    EXPECT_TRUE(KWHasPixel(disabled, QColor::fromRgba(0xFF6B6B6B)));
    EXPECT_FALSE(KWHasPixel(disabled, Qt::yellow));
}

TEST_F(ButtonTest, EndEllipsisElidesALongTextWhileCentringOnlyClipsIt)
{
    const std::wstring longText(40, L'W');
    CKWQTButton clipped;
    Make(clipped, longText, RECT { 10, 50, 110, 80 }, 1);
    clipped.SetTextAlign(1);
    const QString expected = button.fontMetrics().elidedText(
        QString::fromStdWString(longText), Qt::ElideRight, button.width() - 4);
    ASSERT_TRUE(expected.endsWith(QChar(0x2026)));
    CKWQTButton reference;
    Make(reference, expected.toStdWString(), RECT { 10, 90, 110, 120 }, 2);
    reference.SetTextAlign(1);

    button.SetWindowTextW(longText.c_str());
    button.SetTextAlign(0x8001);
    EXPECT_EQ(KWGrabImage(&button), KWGrabImage(&reference));
    EXPECT_NE(KWGrabImage(&clipped), KWGrabImage(&reference));
    button.SetTextAlign(1); // no call switches eliding off again
    EXPECT_EQ(KWGrabImage(&button), KWGrabImage(&reference));
}

TEST_F(ButtonTest, GetWindowTextStopsAtTheCapacityWithItsTerminator)
{
    button.SetWindowTextW(L"Cancel");
    WCHAR buffer[8] = { L'#', L'#', L'#', L'#', L'#', L'#', L'#', L'#' };
    EXPECT_EQ(button.GetWindowTextW(buffer, 4), 3);
    EXPECT_EQ(std::wstring(buffer), L"Can");
    EXPECT_EQ(buffer[4], L'#');
}

} // namespace
