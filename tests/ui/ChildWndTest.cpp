#include "ui/qt/KWQTChildWnd.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Listener : IKWChildWndEvent {
    void Dlg_OnCommand(UINT) override { ++calls; }
    int OnCreate() override { return ++calls; }
    void OnDestroy() override { ++calls; }
    int calls = 0;
};

TEST(ChildWnd, ListenerHandleIsTheWidgetWhileItLives)
{
    Listener listener;
    {
        std::unique_ptr<CKWChildWnd> child(CreateKWChildWnd(&listener));
        ASSERT_NE(child, nullptr);
        auto* widget = dynamic_cast<CKWQTChildWnd*>(child.get());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(child->GetUIWnd(), static_cast<void*>(static_cast<QWidget*>(widget)));
        EXPECT_EQ(child->Create(9, "Kind \xc3\xa4", 1), 1);
        EXPECT_EQ(widget->windowTitle(), QStringLiteral("Kind \u00e4"));
        EXPECT_TRUE(widget->isVisible());
        child->ShowWindow(0);
        EXPECT_FALSE(widget->isVisible());
    }
    EXPECT_EQ(listener.GetUIWnd(), nullptr);
    EXPECT_EQ(listener.calls, 0);
}

TEST(ChildWnd, CreateHiddenAndNullTitle)
{
    CKWQTChildWnd child(nullptr);
    EXPECT_EQ(child.Create(1, nullptr, 0), 1);
    EXPECT_TRUE(child.windowTitle().isEmpty());
    EXPECT_FALSE(child.isVisible());
    child.ShowWindow(3);
    EXPECT_TRUE(child.isVisible());
    EXPECT_EQ(child.GetUIWnd(), nullptr);
}

} // namespace
