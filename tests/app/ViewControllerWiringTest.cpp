// The view controllers inside the running calculator: the main frame with
// both panels and all six controllers, on the product database and skins
// beside the test program. What is checked is what crosses a controller:
// reports of the side scenes reaching the panels and the top view, and what
// a resize pushes into the scenes.

#include "app/MainFrameEventImp.h"
#include "app/StartupScale.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "tests/app/EnglishFrame.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWSceneHandle.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWComboBox.h"
#include "ui/api/KWDoubleSpiner.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWQtSupport.h"
#include "ui/scenes/KWQTSideSceneFish.h"
#include "ui/scenes/KWQTTopView.h"
#include "ui/scenes/KWQTTopViewFish.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWQTVerticalSceneC.h"

#include <gtest/gtest.h>

#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <string>
#include <utility>

namespace {

class ViewControllerWiring : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedLanguage = g_languageIndex;
        frame = StartEnglishFrame();
        ASSERT_NE(frame->GetDlg(), nullptr);
        Layout(1020, 720);
    }

    void TearDown() override
    {
        frame.reset();
        g_languageIndex = m_savedLanguage;
    }

    void Layout(int width, int height) { frame->OnDlgSize(0, width, height); }

    CKWQTSideSceneFish* FishSideScene() const
    {
        return dynamic_cast<CKWQTSideSceneFish*>(frame->GetFishSideView()->GetScene());
    }
    CKWQTTopViewFish* FishTopScene() const
    {
        return dynamic_cast<CKWQTTopViewFish*>(frame->GetFishTopView()->GetScene());
    }

    boost::shared_ptr<CMainFrameEventImp> frame;

private:
    int m_savedLanguage = 0;
};

QPointF Centre(const CKWQTVSliderItem* handle)
{
    return handle->sceneBoundingRect().center();
}

} // namespace

// Each drag report lands in its own setter, and each setter runs both
// fisheye calculations: the density display and the rings are redone.
TEST_F(ViewControllerWiring, FisheyeReportsReachTheFisheyePanel)
{
    frame->OnFishToolClicked();
    const boost::shared_ptr<CFishParameterSettingEventImp> panel = frame->GetFishParameterSetting();
    const boost::shared_ptr<CFishSideViewEventImp> side = frame->GetFishSideView();
    const struct {
        const char* name;
        void (CFishSideViewEventImp::*report)(double);
        double value;
        double (CFishParameterSettingEventImp::*stored)() const;
    } rows[] = {
        { "camera height", &CFishSideViewEventImp::OnVirtualHeightChanged, 3.5,
            &CFishParameterSettingEventImp::GetInstallHeight },
        { "object height", &CFishSideViewEventImp::OnObjectHeightChanged, 1.2,
            &CFishParameterSettingEventImp::GetObjectHeight },
        { "object distance", &CFishSideViewEventImp::OnObjectDistanceChanged, 4.0,
            &CFishParameterSettingEventImp::GetObjectDistance },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        frame->GetDensityValue()->SetStaticText(L"stale", false);
        frame->GetFishTopView()->SetRadiusPPM({ { 1.0, L"stale" } });
        ((*side).*row.report)(row.value);
        EXPECT_DOUBLE_EQ(((*panel).*row.stored)(), row.value);
        EXPECT_NE(TextOf(frame->GetDensityValue()), L"stale");
        EXPECT_NE(FishTopScene()->GetLabel(1)->toPlainText(), QStringLiteral("stale"));
    }
}

TEST_F(ViewControllerWiring, FisheyeCameraDragSetsThePanelsHeight)
{
    frame->OnFishToolClicked();
    QGraphicsScene* scene = FishSideScene()->GetScene();
    CKWQTVSliderItem* handle = KWSceneHandle(scene, CKWQTSideSceneFish::CameraHandleId);
    ASSERT_NE(handle, nullptr);
    const QPointF from = Centre(handle);
    KWSceneDrag(scene, from, { from + QPointF(0, 40) });
    const double dragged = FishSideScene()->GetValues().installHeight;
    ASSERT_LT(dragged, 2.0);
    EXPECT_DOUBLE_EQ(frame->GetFishParameterSetting()->GetInstallHeight(), dragged);
}

TEST_F(ViewControllerWiring, FisheyeResizeKeepsThePanelsHeights)
{
    frame->OnFishToolClicked();
    const boost::shared_ptr<CFishParameterSettingEventImp> panel = frame->GetFishParameterSetting();
    // As the user types them: the box holds the value, then reports it.
    panel->GetInstallHeightSpin()->SetCurrentNum(3.5);
    panel->OnCurrentNumChanged(103, 3.5);
    panel->GetObjectHeightSpin()->SetCurrentNum(1.2);
    panel->OnCurrentNumChanged(107, 1.2);
    ASSERT_DOUBLE_EQ(panel->GetInstallHeight(), 3.5);
    Layout(1100, 760);
    EXPECT_DOUBLE_EQ(FishSideScene()->GetValues().installHeight, 3.5);
    EXPECT_DOUBLE_EQ(FishSideScene()->GetValues().objectHeight, 1.2);
}

// The main frame lays the side view out before the top view, and the top
// view's own start values must not be the last word: after a model change,
// a distance typed and a resize, the top view still shows the angle and the
// distance the panel computed.
TEST_F(ViewControllerWiring, IPCTopViewKeepsThePanelsAngleAndDistanceAcrossAResize)
{
    frame->OnIPCToolClicked();
    const boost::shared_ptr<CParameterSettingEventImp> panel = frame->GetParameterSetting();
    ASSERT_TRUE(panel);
    CKWComboBox* models = panel->GetModelCombo();
    ASSERT_NE(models, nullptr);
    ASSERT_GT(models->GetCount(), 1);
    models->SetCurSel(1);
    panel->SelectChanged(kIdModelCombo, 1);
    panel->GetDistanceSpin()->SetCurrentNum(15.0);
    panel->OnCurrentNumChanged(kIdDistanceSpin, 15.0);
    ASSERT_DOUBLE_EQ(panel->GetTargetDistance(), 15.0);

    auto* top = dynamic_cast<CKWQTTopView*>(frame->GetTopView()->GetScene());
    ASSERT_NE(top, nullptr);
    const QString angle = top->GetAngleLabel()->toPlainText();
    const QString width = top->GetWidthLabel()->toPlainText();
    const QString defaultAngle = QStringLiteral("101.93") + QChar(0x00B0);
    ASSERT_NE(angle, defaultAngle);

    for (const auto& size : { std::pair(1100, 760), std::pair(1020, 720) }) {
        SCOPED_TRACE(size.first);
        Layout(size.first, size.second);
        EXPECT_EQ(top->GetAngleLabel()->toPlainText(), angle);
        EXPECT_EQ(top->GetWidthLabel()->toPlainText(), width);
        EXPECT_TRUE(top->GetWidthLabel()->isVisible());
    }
}

// Reports of the IPC side view in the running calculator: a target distance
// reaches the panel and the top view's width; a new length range reaches the
// panel and leaves the top view as it was.
TEST_F(ViewControllerWiring, IPCSideReportsReachThePanelAndTheTopView)
{
    frame->OnIPCToolClicked();
    const boost::shared_ptr<CParameterSettingEventImp> panel = frame->GetParameterSetting();
    const boost::shared_ptr<CSideViewEventImp> side = frame->GetSideView();
    auto* top = dynamic_cast<CKWQTTopView*>(frame->GetTopView()->GetScene());
    ASSERT_TRUE(panel);
    ASSERT_NE(top, nullptr);

    const QString widthBefore = top->GetWidthLabel()->toPlainText();
    side->OnTarHDistanceChanged(12.0);
    EXPECT_DOUBLE_EQ(panel->GetTargetDistance(), 12.0);
    EXPECT_DOUBLE_EQ(panel->GetDistanceSpin()->GetCurrentNum(), 12.0);
    const QString width = top->GetWidthLabel()->toPlainText();
    EXPECT_NE(width, widthBefore);

    const QString angle = top->GetAngleLabel()->toPlainText();
    side->OnLengthAxisRangeChanged(3.0, 40.0);
    EXPECT_DOUBLE_EQ(panel->GetLengthAxisMin(), 3.0);
    EXPECT_DOUBLE_EQ(panel->GetLengthAxisMax(), 40.0);
    EXPECT_EQ(top->GetWidthLabel()->toPlainText(), width);
    EXPECT_EQ(top->GetAngleLabel()->toPlainText(), angle);
}
