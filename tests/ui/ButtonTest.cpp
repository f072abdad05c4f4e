#include "ui/qt/KWQTButton.h"

#include "tests/common/KWTestKit.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWEventBase.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
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
    void BTN_OnLButtonDown(int id, UINT, POINT) override { Record("BTN_OnLButtonDown", id); }
    void BTN_OnLButtonUp(int id, UINT, POINT) override { Record("BTN_OnLButtonUp", id); }
    void BTN_OnMouseMove(int id, UINT, POINT) override { Record("BTN_OnMouseMove", id); }
    void BTN_OnMouseMoveX(int id, UINT, int dx) override { Record("BTN_OnMouseMoveX", id, dx); }
    void BTN_OnMouseLeave(int id, UINT, LONG) override { Record("BTN_OnMouseLeave", id); }
    void BTN_OnClicked(int id) override { Record("BTN_OnClicked", id); }
    void OnCommand() { Record("command"); }

    // Calls of these names, in order; enter/leave/move noise left out.
    std::vector<std::string> Sequence() const
    {
        std::vector<std::string> out;
        for (const KWRecordedCall& call : calls) {
            if (call.name == "BTN_OnLButtonDown" || call.name == "BTN_OnLButtonUp"
                || call.name == "BTN_OnClicked" || call.name == "command") {
                out.push_back(call.name);
            }
        }
        return out;
    }

    KW_BEGIN_MSGMAP(Handler)
    KW_COMMAND(kId, OnCommand)
    KW_END_MSGMAP()
};

// The dialog side of the path: custom events go through the handler's map.
class MapWindow : public QWidget {
public:
    explicit MapWindow(CKWEventBase* handler)
        : m_handler(handler)
    {
        resize(300, 200);
    }
    void* Handle() { return static_cast<void*>(static_cast<QWidget*>(this)); }

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() == static_cast<QEvent::Type>(KWCustomEventType())) {
            KWDispatchCustomEvent(m_handler, static_cast<CKWCustomEvent*>(event));
        }
    }

private:
    CKWEventBase* m_handler;
};

TEST(Button, OneClickReachesTheListenerThenTheParentsMessageMap)
{
    Handler handler;
    MapWindow window(&handler);
    CKWButton* button = CreateKWButton(&handler);
    ASSERT_NE(button, nullptr);
    button->Create(L"OK", WS_VISIBLE, RECT { 10, 10, 110, 40 }, window.Handle(), kId);
    window.show();
    auto* widget = dynamic_cast<QWidget*>(button);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));

    EXPECT_EQ(handler.Sequence(),
        (std::vector<std::string> { "BTN_OnLButtonDown", "BTN_OnLButtonUp", "BTN_OnClicked", "command" }));
    EXPECT_EQ(handler.ArgsOf("BTN_OnClicked"), (std::vector<std::vector<double>> { { kId } }));
}

TEST(Button, CommandCarriesTheIdAndAButtonWithoutParentOnlyTellsItsListener)
{
    Handler handler;
    KWEventSinkWidget parent;
    CKWQTButton button(&handler);
    button.Create(L"OK", WS_VISIBLE, RECT { 0, 0, 80, 30 }, parent.Handle(), kId);
    parent.show();
    button.click();
    ASSERT_EQ(parent.events.size(), 1U);
    EXPECT_EQ(parent.events[0].message, WM_COMMAND);
    EXPECT_EQ(parent.events[0].wParam, 0U);
    EXPECT_EQ(parent.events[0].lParam, 0);
    EXPECT_EQ(parent.events[0].id, kId);

    Handler alone;
    CKWQTButton orphan(&alone);
    orphan.Create(L"OK", 0, RECT { 0, 0, 80, 30 }, nullptr, 5);
    orphan.click();
    EXPECT_EQ(alone.ArgsOf("BTN_OnClicked"), (std::vector<std::vector<double>> { { 5 } }));
}

TEST(Button, RightPressShowsPressedWithoutLButtonDownAndClicksNothing)
{
    Handler handler;
    KWEventSinkWidget parent;
    CKWQTButton button(&handler);
    button.Create(L"", WS_VISIBLE, RECT { 0, 0, 80, 30 }, parent.Handle(), kId);
    parent.show();
    QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(button.GetVisualState(), CKWQTButton::StatePressed);
    QTest::mouseRelease(&button, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(handler.Sequence(), (std::vector<std::string> { "BTN_OnLButtonUp" }));
    EXPECT_TRUE(parent.events.empty());
}

TEST(Button, DragReportsTheDistanceFromThePressPoint)
{
    Handler handler;
    KWEventSinkWidget parent;
    CKWQTButton button(&handler);
    button.Create(L"", WS_VISIBLE, RECT { 0, 0, 100, 30 }, parent.Handle(), kId);
    parent.show();
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    for (const int x : { 25, 4 }) {
        const QPointF at(x, 5);
        QMouseEvent move(
            QEvent::MouseMove, at, button.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &move);
    }
    const QPointF at(50, 5);
    QMouseEvent hover(
        QEvent::MouseMove, at, button.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &hover);
    EXPECT_EQ(
        handler.ArgsOf("BTN_OnMouseMoveX"), (std::vector<std::vector<double>> { { kId, 15 }, { kId, -6 } }));
}

TEST(Button, CreateIsExclusiveMoveWindowInclusiveAndTheWindowRectIsOnScreen)
{
    KWEventSinkWidget parent;
    parent.move(40, 50);
    CKWQTButton hidden;
    hidden.Create(L"", WS_CHILD, RECT { 10, 10, 110, 40 }, parent.Handle(), 1);
    CKWQTButton button;
    button.Create(L"", WS_VISIBLE | WS_CHILD, RECT { 10, 10, 110, 40 }, parent.Handle(), 2);
    parent.show();
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_TRUE(button.isVisible());
    EXPECT_EQ(button.geometry(), QRect(10, 10, 100, 30));

    RECT rect { 10, 10, 110, 40 };
    button.MoveWindow(&rect);
    EXPECT_EQ(button.geometry(), QRect(10, 10, 101, 31));

    RECT onScreen {};
    button.GetBTNWindowRect(&onScreen);
    const QPoint origin = button.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(onScreen.left, origin.x());
    EXPECT_EQ(onScreen.top, origin.y());
    EXPECT_EQ(onScreen.right, origin.x() + 100);
    EXPECT_EQ(onScreen.bottom, origin.y() + 30);
}

// One solid colour per state picture, so that a pixel tells which is shown.
class ButtonSkin : public ::testing::Test {
protected:
    static ImageButtonStyle SolidSkin()
    {
        ImageButtonStyle skin;
        skin.strNormal = L"nor.png";
        skin.strHover = L"hov.png";
        skin.strPressed = L"pre.png";
        skin.strDisabled = L"dis.png";
        return skin;
    }

    KWTempSkinDir skins { { "nor.png", Qt::red, QSize(8, 8) }, { "hov.png", Qt::green, QSize(8, 8) },
        { "pre.png", Qt::blue, QSize(8, 8) }, { "dis.png", Qt::gray, QSize(8, 8) },
        { "other.png", Qt::yellow, QSize(8, 8) }, { "hand_pointing.png", Qt::black, QSize(16, 16) } };
};

TEST_F(ButtonSkin, EachStateShowsItsPictureAndDisabledWinsOverEveryState)
{
    KWEventSinkWidget parent;
    CKWQTButton button;
    ImageButtonStyle skin = SolidSkin();
    ASSERT_EQ(button.SetSkin(&skin), 1);
    button.Create(L"", WS_VISIBLE, RECT { 0, 0, 60, 20 }, parent.Handle(), 1);
    parent.show();

    struct Row {
        const char* what;
        std::function<void(CKWQTButton&)> act;
        int state;
        QColor colour;
    };
    const Row rows[] = {
        { "start", [](CKWQTButton&) {}, CKWQTButton::StateNormal, Qt::red },
        { "enter", [](CKWQTButton& b) { KWSendEnter(&b); }, CKWQTButton::StateHover, Qt::green },
        { "press", [](CKWQTButton& b) { QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3)); },
            CKWQTButton::StatePressed, Qt::blue },
        { "release: normal, not hover",
            [](CKWQTButton& b) { QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(3, 3)); },
            CKWQTButton::StateNormal, Qt::red },
        { "checked borrows the hover picture", [](CKWQTButton& b) { b.SetChecked(true); },
            CKWQTButton::StateChecked, Qt::green },
        { "entering keeps the checked look", [](CKWQTButton& b) { KWSendEnter(&b); },
            CKWQTButton::StateChecked, Qt::green },
        { "leaving returns to checked", [](CKWQTButton& b) { KWSendLeave(&b); }, CKWQTButton::StateChecked,
            Qt::green },
        { "unchecked", [](CKWQTButton& b) { b.SetChecked(false); }, CKWQTButton::StateNormal, Qt::red },
        { "disabled", [](CKWQTButton& b) { b.EnableWindow(0); }, CKWQTButton::StateNormal, Qt::gray },
        { "disabled and checked", [](CKWQTButton& b) { b.SetChecked(true); }, CKWQTButton::StateChecked,
            Qt::gray },
        { "enabled again", [](CKWQTButton& b) { b.EnableWindow(1); }, CKWQTButton::StateChecked, Qt::green },
        { "leave",
            [](CKWQTButton& b) {
                b.SetChecked(false);
                KWSendLeave(&b);
            },
            CKWQTButton::StateNormal, Qt::red },
    };
    for (const Row& row : rows) {
        row.act(button);
        EXPECT_EQ(button.GetVisualState(), row.state) << row.what;
        EXPECT_EQ(KWPixelAt(&button, 30, 10), row.colour) << row.what;
    }
    EXPECT_EQ(button.cursor().shape(), Qt::BitmapCursor) << "the hand from the skin";
}

TEST_F(ButtonSkin, SkinWithoutAHoverNameKeepsHoverAndCheckedPictures)
{
    KWEventSinkWidget parent;
    CKWQTButton button;
    button.Create(L"", WS_VISIBLE, RECT { 0, 0, 60, 20 }, parent.Handle(), 1);
    parent.show();
    ImageButtonStyle skin = SolidSkin();
    button.SetSkin(&skin);
    ImageButtonStyle partial;
    partial.strNormal = L"other.png";
    EXPECT_EQ(button.SetSkin(&partial), 1);
    EXPECT_EQ(button.SetSkin(nullptr), 0);

    EXPECT_EQ(KWPixelAt(&button, 30, 10), QColor(Qt::yellow));
    KWSendEnter(&button);
    EXPECT_EQ(KWPixelAt(&button, 30, 10), QColor(Qt::green));
    button.SetChecked(true);
    EXPECT_EQ(KWPixelAt(&button, 30, 10), QColor(Qt::green));
}

TEST(Button, DisabledTextIsGreyEvenWhilePressed)
{
    KWTempSkinDir skins { { "white.png", Qt::white, QSize(8, 8) } };
    KWEventSinkWidget parent;
    CKWQTButton button;
    ImageButtonStyle skin;
    skin.strNormal = skin.strHover = skin.strPressed = skin.strDisabled = L"white.png";
    button.SetSkin(&skin);
    button.Create(L"HHHH", WS_VISIBLE, RECT { 0, 0, 100, 30 }, parent.Handle(), 1);
    button.SetTextColor(RGB(255, 0, 0));
    parent.show();
    const QColor grey = QColor::fromRgba(0xFF6B6B6B);

    EXPECT_TRUE(KWHasPixel(KWGrabImage(&button), Qt::red));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
    button.EnableWindow(0);
    const QImage disabled = KWGrabImage(&button);
    EXPECT_TRUE(KWHasPixel(disabled, grey));
    EXPECT_FALSE(KWHasPixel(disabled, Qt::red));
}

TEST(Button, EndEllipsisElidesALongTextWhileCentringOnlyClipsIt)
{
    const std::wstring longText(40, L'W');
    KWEventSinkWidget parent;
    parent.show();
    auto make = [&parent](const std::wstring& text, UINT align) {
        auto* button = new CKWQTButton;
        button->Create(text.c_str(), WS_VISIBLE, RECT { 0, 0, 80, 24 }, parent.Handle(), 1);
        button->SetTextAlign(align);
        return button;
    };
    CKWQTButton* elided = make(longText, 0x8001);
    CKWQTButton* clipped = make(longText, 1);
    const QString expected = elided->fontMetrics().elidedText(
        QString::fromStdWString(longText), Qt::ElideRight, elided->width() - 4);
    ASSERT_TRUE(expected.endsWith(QChar(0x2026)));
    CKWQTButton* reference = make(expected.toStdWString(), 1);

    EXPECT_EQ(KWGrabImage(elided), KWGrabImage(reference));
    EXPECT_NE(KWGrabImage(clipped), KWGrabImage(reference));
    elided->SetTextAlign(1); // no call switches eliding off again
    EXPECT_EQ(KWGrabImage(elided), KWGrabImage(reference));
}

TEST(Button, TransparencyPropertyFadesThePicture)
{
    KWTempSkinDir skins { { "nor.png", Qt::red, QSize(8, 8) } };
    KWEventSinkWidget parent;
    CKWQTButton button;
    ImageButtonStyle skin;
    skin.strNormal = L"nor.png";
    button.SetSkin(&skin);
    button.Create(L"", WS_VISIBLE, RECT { 0, 0, 60, 20 }, parent.Handle(), 1);
    parent.show();
    ASSERT_TRUE(button.setProperty("picTransparence", 0.0F));
    EXPECT_FLOAT_EQ(button.property("picTransparence").toFloat(), 0.0F);
    EXPECT_NE(KWPixelAt(&button, 30, 10), QColor(Qt::red));
    button.setProperty("picTransparence", 1.0F);
    EXPECT_EQ(KWPixelAt(&button, 30, 10), QColor(Qt::red));
}

TEST(Button, GetWindowTextStopsAtTheCapacityWithItsTerminator)
{
    CKWQTButton button;
    button.SetWindowTextW(L"Cancel");
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(button.GetWindowTextW(buffer, 4), 3);
    EXPECT_EQ(std::wstring(buffer), L"Can");
    EXPECT_EQ(buffer[4], L'#');
    EXPECT_EQ(button.GetWindowTextW(buffer, 8), 6);
    EXPECT_EQ(std::wstring(buffer), L"Cancel");
}

} // namespace
