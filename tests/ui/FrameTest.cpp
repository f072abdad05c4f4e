#include "ui/qt/KWQTFrame.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Listener : IKWFrameEvent {
    int OnFrameCreate() override { return ++created; }
    void OnDistroy() override { ++destroyed; }
    int created = 0;
    int destroyed = 0;
};

TEST(Frame, ListenerHandleIsTheFrameWidgetWhileItLives)
{
    Listener listener;
    {
        std::unique_ptr<CKWFrameWnd> frame(CreateKWFrameWnd(&listener));
        ASSERT_NE(frame, nullptr);
        auto* widget = dynamic_cast<CKWQTFrame*>(frame.get());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(frame->GetUIWnd(), static_cast<void*>(static_cast<QWidget*>(widget)));
    }
    EXPECT_EQ(listener.GetUIWnd(), nullptr);
    EXPECT_EQ(listener.created + listener.destroyed, 0);
    EXPECT_EQ(CKWQTFrame(nullptr).GetUIWnd(), nullptr);
}

TEST(Frame, CreateSetsTitleAndGeometryButNotVisibility)
{
    KWEventSinkWidget parent;
    parent.show();
    CKWQTFrame frame(nullptr);
    EXPECT_EQ(frame.Create(L"Cls", L"Fenster \u00e4", WS_VISIBLE, RECT { 10, 20, 110, 45 }, parent.Handle(), L"menu", 0,
                  nullptr),
        1);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Fenster \u00e4"));
    EXPECT_EQ(frame.geometry(), QRect(10, 20, 100, 25));
    EXPECT_EQ(frame.parentWidget(), &parent);
    EXPECT_FALSE(frame.isVisible());
    frame.ShowWindow(1);
    EXPECT_TRUE(frame.isVisible());
    frame.ShowWindow(0);
    EXPECT_FALSE(frame.isVisible());

    EXPECT_EQ(frame.CreateChildWnd(), nullptr);
    RECT dock { 0, 0, 5, 5 };
    frame.DockControlBar(nullptr, 1, &dock);
    frame.UIEnableDocking(0xF);
    DialogStyle style;
    frame.SetSkin(&style);
    EXPECT_EQ(frame.geometry(), QRect(10, 20, 100, 25));
    frame.setParent(nullptr);
}

} // namespace
