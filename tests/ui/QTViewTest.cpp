#include "base/Globals.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/api/KWView.h"
#include "ui/qt/KWQTView.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QRegion>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

class ViewListener : public IKWViewEvent, public KWCallRecorder {
public:
    void* handleAtDestroy = reinterpret_cast<void*>(1);

    int OnCreate() override
    {
        Record("OnCreate");
        return 0;
    }
    void OnDestroy() override
    {
        Record("OnDestroy");
        handleAtDestroy = GetUIWnd();
    }
    void OnSize(UINT, int width, int height) override { Record("OnSize", width, height); }
    void OnLButtonDown(UINT, POINT point) override { Record("OnLButtonDown", point.x, point.y); }
    void OnLButtonDblClk(UINT, POINT point) override { Record("OnLButtonDblClk", point.x, point.y); }
    void OnEnter() override { Record("OnEnter"); }
    void OnLeave() override { Record("OnLeave"); }
    void OnApply() { Record("command 300"); }

    KW_BEGIN_MSGMAP(ViewListener)
    KW_COMMAND(300, OnApply)
    KW_END_MSGMAP()
};

// A parent that counts the presses reaching it.
class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class QTViewTest : public ::testing::Test {
protected:
    CKWQTView* Make(DWORD style, const RECT& rect)
    {
        CKWView* view = CreateKWView(&listener);
        view->Create(L"", L"panel", style, rect, static_cast<QWidget*>(&parent), 7);
        return static_cast<CKWQTView*>(view);
    }

    // Listeners must outlive their views, which go with the parent.
    ViewListener listener;
    PressCounter parent;
};

TEST_F(QTViewTest, CreateTakesTheRectangleInclusiveAndKeepsVisibilityAcrossMoves)
{
    parent.resize(300, 200);
    parent.show();
    CKWQTView* hidden = Make(0, RECT { 0, 0, 99, 49 });
    EXPECT_EQ(listener.GetUIWnd(), static_cast<void*>(static_cast<QWidget*>(hidden)));
    EXPECT_EQ(hidden->size(), QSize(100, 50));
    EXPECT_EQ(hidden->GetID(), 7u);
    EXPECT_EQ(listener.calls.front().name, "OnCreate");
    EXPECT_FALSE(hidden->isVisible());
    hidden->MoveWindow(10, 20, 100, 50);
    EXPECT_EQ(hidden->geometry(), QRect(10, 20, 100, 50));
    EXPECT_FALSE(hidden->isVisible());

    ViewListener other;
    auto* shown = static_cast<CKWQTView*>(CreateKWView(&other));
    shown->Create(L"", L"", WS_VISIBLE, RECT { 0, 0, 9, 9 }, &parent, 8);
    EXPECT_TRUE(shown->isVisible());
    RECT rect { 5, 5, 54, 24 };
    shown->MoveWindow(&rect);
    EXPECT_EQ(shown->geometry(), QRect(5, 5, 50, 20));
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(other.ArgsOf("OnSize").back(), (std::vector<double> { 50, 20 }));
    delete shown;
}

TEST_F(QTViewTest, SeparatorAndFrameKeepTheirPlaceAndThicknessAtEveryScale)
{
    const float saved = g_uiScale;
    const struct {
        float scale;
        QRect separator; // the white rectangle
        int frame; // thickness of the frame
    } rows[] = {
        { 1.0f, QRect(183, 26, 1, 20), 1 },
        { 2.0f, QRect(366, 52, 2, 40), 2 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scale);
        g_uiScale = row.scale;
        CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 399, 99 });
        view->SetBGClr(0x00FF0000u);
        view->SetFrameClr(0x0000FF00u, 255, 1);
        const QImage image = KWGrabImage(view);
        const QRect around = row.separator.adjusted(-1, -1, 1, 1);
        for (const QPoint p : { row.separator.topLeft(), row.separator.bottomRight() }) {
            EXPECT_EQ(image.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
        }
        for (const QPoint p : { around.topLeft(), around.bottomRight() }) {
            EXPECT_EQ(image.pixelColor(p), QColor(0, 0, 255)) << p.x() << "," << p.y();
        }
        EXPECT_EQ(image.pixelColor(row.frame - 1, 50), QColor(0, 255, 0));
        EXPECT_EQ(image.pixelColor(row.frame, 50), QColor(0, 0, 255));
        EXPECT_EQ(image.pixelColor(400 - 2 * row.frame, 50), QColor(0, 255, 0)) << "right edge";
        EXPECT_EQ(image.pixelColor(399, 50), QColor(0, 0, 255));
        delete view;
    }
    g_uiScale = saved;
}

// A translucent outline is as dark at its corners as along its edges.
TEST_F(QTViewTest, TranslucentFrameCoversEveryPixelOnce)
{
    const float saved = g_uiScale;
    for (const float scale : { 1.0f, 2.0f }) {
        SCOPED_TRACE(scale);
        g_uiScale = scale;
        CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 99, 59 });
        view->SetBGClr(0x00FFFFFFu);
        view->SetFrameClr(0x00000000u, 128, 1);
        const QImage image = KWGrabImage(view);
        const int t = static_cast<int>(scale);
        const QColor edge = image.pixelColor(50, 0);
        EXPECT_NE(edge, QColor(Qt::white));
        // The outline's corners are (0, 0) to (width - 2, height - 2).
        for (const QPoint corner : { QPoint(0, 0), QPoint(99 - t, 0), QPoint(0, 59 - t),
                 QPoint(99 - t, 59 - t), QPoint(t - 1, t - 1) }) {
            EXPECT_EQ(image.pixelColor(corner), edge) << corner.x() << "," << corner.y();
        }
        for (const QPoint side : { QPoint(0, 30), QPoint(99 - t, 30), QPoint(50, 59 - t) }) {
            EXPECT_EQ(image.pixelColor(side), edge) << side.x() << "," << side.y();
        }
        delete view;
    }
    g_uiScale = saved;
}

TEST_F(QTViewTest, BackgroundColourCarriesTransparencyInItsTopByte)
{
    CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 49, 49 });
    view->SetBGClr(0x00FF0000u);
    QImage image = KWGrabImage(view);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 0, 255, 255));
    EXPECT_EQ(image.pixelColor(183 % 50, 30), QColor(0, 0, 255, 255)) << "the separator lies at x 183 only";

    view->SetBGClr(0xFF000000u);
    image = KWGrabImage(view);
    EXPECT_EQ(qAlpha(image.pixel(5, 5)), 0);

    view->SetBGClr(0x00000000u);
    view->SetFrameClr(0x0000FF00u, 255, 1);
    image = KWGrabImage(view);
    EXPECT_EQ(image.pixelColor(0, 10), QColor(0, 255, 0, 255)) << "frame";
    EXPECT_EQ(image.pixelColor(48, 10), QColor(0, 255, 0, 255)) << "frame's right edge at width - 2";
    EXPECT_EQ(image.pixelColor(49, 10), QColor(0, 0, 0, 255));
}

TEST_F(QTViewTest, PressGoesOnToTheParentOnlyWithThePassOnFlag)
{
    parent.resize(300, 200);
    parent.show();
    CKWQTView* view = Make(WS_VISIBLE, RECT { 20, 30, 119, 79 });
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(parent.presses, 1);
    EXPECT_EQ(listener.ArgsOf("OnLButtonDown").back(), (std::vector<double> { 25, 36 }))
        << "in the parent's coordinates";
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5, 6));
    view->SetBar(0);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(parent.presses, 1);
    EXPECT_EQ(listener.Count("OnLButtonDown"), 2);
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(parent.presses, 1);
    EXPECT_EQ(listener.ArgsOf("OnLButtonDblClk").back(), (std::vector<double> { 7, 8 }));
}

TEST_F(QTViewTest, EnterAndLeaveAreSilentUntilEnabled)
{
    CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 49, 49 });
    KWSendEnter(view);
    KWSendLeave(view);
    EXPECT_EQ(listener.Count("OnEnter") + listener.Count("OnLeave"), 0);
    view->SetFocusEnable();
    KWSendEnter(view);
    KWSendLeave(view);
    EXPECT_EQ(listener.Count("OnEnter"), 1);
    EXPECT_EQ(listener.Count("OnLeave"), 1);
}

TEST_F(QTViewTest, ChildCommandsRunTheListenersMap)
{
    CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 49, 49 });
    auto* child = new QWidget(view);
    KWSendToParent(child, WM_COMMAND, 0, 0, 300);
    KWSendToParent(child, WM_COMMAND, 0, 0, 301);
    EXPECT_EQ(listener.Count("command 300"), 1);
}

TEST_F(QTViewTest, RowChildrenLineUpTenPixelsApart)
{
    CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 199, 49 });
    view->SetRowTop(5);
    auto* first = new QWidget;
    auto* second = new QWidget;
    first->resize(16, 16);
    second->resize(16, 16);
    view->AddRowChild3(first);
    view->AddRowChild3(second);
    EXPECT_EQ(first->parentWidget(), view);
    EXPECT_EQ(first->geometry(), QRect(10, 5, 16, 16));
    EXPECT_EQ(second->geometry(), QRect(35, 5, 16, 16));
    EXPECT_EQ(view->RowChildren(3).size(), 2);
    EXPECT_TRUE(view->RowChildren(1).isEmpty());
}

TEST_F(QTViewTest, RoundedCornersAndDestruction)
{
    parent.show(); // resize events reach shown widgets only
    CKWQTView* view = Make(WS_VISIBLE, RECT { 0, 0, 49, 49 });
    view->SetRoundCornerRadius(8);
    view->MoveWindow(0, 0, 60, 40);
    EXPECT_FALSE(view->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(view->mask().contains(QPoint(30, 20)));

    delete view;
    EXPECT_EQ(listener.calls.back().name, "OnDestroy");
    EXPECT_EQ(listener.handleAtDestroy, static_cast<void*>(static_cast<QWidget*>(view)))
        << "the listener hears of it first";
    EXPECT_EQ(listener.GetUIWnd(), nullptr);
}

} // namespace
