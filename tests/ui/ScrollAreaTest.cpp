#include "ui/qt/KWQTScrollArea.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QPropertyAnimation>
#include <QScrollBar>

#include <memory>

namespace {

struct Listener : IKWScrollAreaEvent, KWCallRecorder {
    void OnChange(int id, UINT position, UINT maximum) override { Record("OnChange", id, position, maximum); }
};

constexpr UINT kId = 41;

class ScrollAreaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        area = std::make_unique<CKWQTScrollArea>(&listener);
        ASSERT_EQ(area->Create(WS_VISIBLE, RECT { 10, 20, 110, 220 }, 100, 1000, parent.Handle(), kId), 1);
        parent.resize(300, 300);
        parent.show();
    }

    QScrollBar* Bar() { return area->verticalScrollBar(); }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTScrollArea> area; // released before the parent
};

TEST_F(ScrollAreaTest, CreateGivesAVerticallyScrollingContentWidget)
{
    EXPECT_EQ(area->geometry(), QRect(10, 20, 100, 200));
    EXPECT_TRUE(area->IsWindowVisible());
    EXPECT_EQ(area->IsWindow(), 1);
    EXPECT_EQ(area->GetUIWnd(), static_cast<void*>(area->ContentWidget()));
    EXPECT_EQ(area->widget(), area->ContentWidget());
    EXPECT_EQ(area->ContentWidget()->minimumSize(), QSize(100, 1000));
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_GT(Bar()->maximum(), 0);

    area->ResizeScrollArea(80, 400);
    EXPECT_EQ(area->ContentWidget()->minimumSize(), QSize(80, 400));

    RECT moved { 0, 0, 50, 60 };
    area->MoveWindow(&moved);
    EXPECT_EQ(area->geometry(), QRect(0, 0, 51, 61));

    area->SetEnableScrollBar(1);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    area->SetEnableScrollBar(0);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    CKWQTScrollArea hidden(nullptr);
    hidden.Create(0, RECT { 0, 0, 10, 10 }, 10, 10, parent.Handle(), 2);
    EXPECT_EQ(hidden.IsWindowVisible(), 0);
    hidden.ShowWindow(1);
    EXPECT_EQ(hidden.IsWindowVisible(), 1);
    hidden.setParent(nullptr);
}

TEST_F(ScrollAreaTest, StepsKeepTheirStepWhileTheBarResetsItsOwn)
{
    area->SetRange(0, 1000, 10);
    EXPECT_EQ(Bar()->singleStep(), 10);
    listener.Clear();

    area->SetUPNextValue(); // at the top: nothing
    EXPECT_TRUE(listener.calls.empty());
    area->SetDownNextValue();
    area->SetDownNextValue();
    EXPECT_EQ(Bar()->singleStep(), CKWQTScrollArea::kBarSingleStep);
    area->SetUPNextValue();
    EXPECT_EQ(listener.ArgsOf("OnChange"),
        (std::vector<std::vector<double>> { { kId, 10, 1000 }, { kId, 20, 1000 }, { kId, 10, 1000 } }));

    area->SetValue(1000, false);
    listener.Clear();
    area->SetDownNextValue(); // at the bottom: nothing
    EXPECT_TRUE(listener.calls.empty());
    area->SrollToTop(99);
    EXPECT_EQ(area->GetCurValue(), 0);
}

TEST_F(ScrollAreaTest, AnimatedMoveBouncesToAtMostTheMaximum)
{
    area->SetRange(0, 300, 10);
    area->SetValue(100, false);
    area->SetValue(500, true);
    QPropertyAnimation* animation = area->CurrentAnimation();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->propertyName(), QByteArray("CurValue"));
    EXPECT_EQ(animation->duration(), CKWQTScrollArea::kAnimationMs);
    EXPECT_EQ(animation->easingCurve().type(), QEasingCurve::OutBounce);
    EXPECT_EQ(animation->keyValueAt(0.0).toInt(), 100);
    EXPECT_EQ(animation->keyValueAt(0.5).toInt(), 200);
    EXPECT_EQ(animation->keyValueAt(1.0).toInt(), 300);
    EXPECT_EQ(animation->state(), QAbstractAnimation::Running);

    // Downwards the middle truncates toward the start.
    area->SetValue(0, true);
    QPropertyAnimation* back = area->CurrentAnimation();
    ASSERT_NE(back, animation);
    EXPECT_EQ(back->keyValueAt(0.5).toInt(), back->keyValueAt(0.0).toInt() / 2 + back->keyValueAt(0.0).toInt() % 2);
    back->setCurrentTime(CKWQTScrollArea::kAnimationMs);
    EXPECT_EQ(area->GetCurValue(), 0);
    EXPECT_EQ(listener.ArgsOf("OnChange").back(), (std::vector<double> { kId, 0, 300 }));
}

TEST_F(ScrollAreaTest, DisabledAreaRefusesANewMoveWhileOneRuns)
{
    area->SetRange(0, 300, 10);
    area->SetValue(300, true);
    QPropertyAnimation* running = area->CurrentAnimation();
    area->SetEnabled(0);
    EXPECT_FALSE(area->isEnabled());
    area->SetValue(0, true);
    EXPECT_EQ(area->CurrentAnimation(), running);
    running->setCurrentTime(CKWQTScrollArea::kAnimationMs);
    EXPECT_EQ(area->GetCurValue(), 300);
    area->SetValue(0, true); // finished: a new one may start
    EXPECT_NE(area->CurrentAnimation(), running);
}

TEST_F(ScrollAreaTest, SkinPaintsTheContentBackground)
{
    KWTempSkinDir skin({ { QStringLiteral("scroll_bg.png"), QColor(10, 120, 30), QSize(8, 8) } });
    area->SetSkin(nullptr);
    ScrollAreaStyle empty;
    area->SetSkin(&empty);
    EXPECT_TRUE(area->BackgroundImagePath().isEmpty());

    ScrollAreaStyle style;
    style.strBackground = L"scroll_bg.png";
    area->SetSkin(&style);
    EXPECT_EQ(area->BackgroundImagePath(), skin.Path() + QStringLiteral("scroll_bg.png"));
    const QBrush brush = area->ContentWidget()->palette().brush(QPalette::Inactive, area->backgroundRole());
    EXPECT_EQ(brush.texture().toImage().pixelColor(3, 3), QColor(10, 120, 30));
    EXPECT_EQ(KWPixelAt(area.get(), 20, 20), QColor(10, 120, 30));

    area->SetToolTipText(L"Ansicht \u00f6");
    EXPECT_EQ(area->toolTip(), QStringLiteral("Ansicht \u00f6"));
}

} // namespace
