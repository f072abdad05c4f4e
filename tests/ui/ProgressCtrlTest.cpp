#include "ui/qt/KWQTProgressCtrl.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Listener : IKWProgressCtrlEvent, KWCallRecorder {
    void PROGRESS_OnLButtonDown() override { Record("PROGRESS_OnLButtonDown"); }
    void PROGRESS_OnLButtonUp() override { Record("PROGRESS_OnLButtonUp"); }
    void PROGRESS_OnMouseMove() override { Record("PROGRESS_OnMouseMove"); }
};

class ProgressCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar.reset(static_cast<CKWQTProgressCtrl*>(CreateKWProgressCtrl(&listener)));
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(bar->Create(WS_VISIBLE, RECT { 10, 20, 110, 45 }, parent.Handle(), 7), 1);
        parent.resize(200, 100);
        parent.show();
    }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTProgressCtrl> bar; // released before the parent
};

TEST_F(ProgressCtrlTest, CreatePlacesExclusiveAndMoveIsInclusive)
{
    EXPECT_EQ(bar->geometry(), QRect(10, 20, 100, 25));
    EXPECT_EQ(bar->parentWidget(), &parent);
    EXPECT_EQ(bar->GetId(), 7u);
    EXPECT_TRUE(bar->isVisible());
    RECT moved { 5, 6, 55, 16 };
    bar->MoveWindow(&moved);
    EXPECT_EQ(bar->geometry(), QRect(5, 6, 51, 11));
    bar->MoveWindow(1, 2, 30, 40);
    EXPECT_EQ(bar->geometry(), QRect(1, 2, 30, 40));

    CKWQTProgressCtrl hidden(nullptr);
    hidden.Create(0x40000000, RECT { 0, 0, 10, 10 }, parent.Handle(), 8);
    EXPECT_FALSE(hidden.isVisible());
    hidden.ShowWindow(1);
    EXPECT_TRUE(hidden.isVisible());
    hidden.setParent(nullptr);
}

TEST_F(ProgressCtrlTest, PositionFollowsQtRulesAndStepsDoNothing)
{
    int minimum = -1;
    int maximum = -1;
    bar->GetRange(minimum, maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 100);

    bar->SetRange(10, 50);
    bar->GetRange(minimum, maximum);
    EXPECT_EQ(minimum, 10);
    EXPECT_EQ(maximum, 50);
    bar->SetPos(30);
    EXPECT_EQ(bar->GetPos(), 30);
    bar->SetPos(80); // outside the range: ignored
    EXPECT_EQ(bar->GetPos(), 30);
    EXPECT_EQ(bar->SetStep(5), 0);
    EXPECT_EQ(bar->StepIt(), 0);
    EXPECT_EQ(bar->GetPos(), 30);
    EXPECT_EQ(bar->ModifyStyleEx(1, 2, 3), 1);

    bar->SetTextVisible(0);
    EXPECT_FALSE(bar->isTextVisible());
    bar->SetTextVisible(2);
    EXPECT_TRUE(bar->isTextVisible());
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_TRUE(parent.events.empty());
}

TEST_F(ProgressCtrlTest, SkinGivesTheDarkLookWhateverTheRecordHolds)
{
    EXPECT_EQ(bar->SetSkin(nullptr), 0);
    EXPECT_TRUE(bar->styleSheet().isEmpty());

    ImageProgressCtrlStyle style;
    style.strBarImage = L"bar.png";
    style.strChunkImage = L"chunk.png";
    EXPECT_EQ(bar->SetSkin(&style), 1);
    EXPECT_EQ(bar->styleSheet(), QString::fromLatin1(CKWQTProgressCtrl::kStyleSheet));

    bar->SetTextVisible(0);
    bar->SetPos(50);
    const QImage image = KWGrabImage(bar.get());
    EXPECT_EQ(image.pixelColor(20, 12), QColor(203, 2, 2)) << "chunk";
    EXPECT_EQ(image.pixelColor(80, 12), QColor(17, 17, 17)) << "bar";
}

} // namespace
