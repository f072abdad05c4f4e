// The six view controllers as widgets, without a main frame: each container
// is created under a test window, so the calls that need the main frame are
// skipped and what is left is the controller's own work (title, scene,
// layout, skin, pushes into the scene).

#include "app/calc/3DViewEventImp.h"
#include "app/calc/Fish3DViewEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/FishTopViewEventImp.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTStatic.h"
#include "ui/scenes/KWQT3DView.h"
#include "ui/scenes/KWQTSideSceneFish.h"
#include "ui/scenes/KWQTTopView.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QImage>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t* const kDefaultCameraPicture =
#include "DefaultCameraPicture.inc"
    ;

const QColor kDefaultModel(20, 60, 200);
const QColor kChosenModel(200, 40, 40);
const QColor kCeiling(30, 160, 60);
const QColor kWall(160, 120, 30);

// Saves and restores the process-wide UI scale.
class ScaleGuard {
public:
    explicit ScaleGuard(float scale) : m_saved(g_uiScale) { g_uiScale = scale; }
    ~ScaleGuard() { g_uiScale = m_saved; }
    ScaleGuard(const ScaleGuard&) = delete;
    ScaleGuard& operator=(const ScaleGuard&) = delete;

private:
    float m_saved;
};

// One controller of any kind, as the tests need it.
struct Made {
    boost::shared_ptr<CViewControllerBase> controller;
    std::function<QWidget*()> scene;
};

template <class T>
Made Make(void* parent)
{
    boost::shared_ptr<T> controller = boost::make_shared<T>(boost::shared_ptr<CMainFrameEventImp>());
    controller->CreateContainerView(parent);
    T* raw = controller.get();
    return { controller, [raw]() { return dynamic_cast<QWidget*>(raw->GetScene()); } };
}

QWidget* Widget(CKWView* view)
{
    return dynamic_cast<QWidget*>(view);
}

QColor CentreColour(const QGraphicsPixmapItem* item)
{
    const QImage image = item->pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

class ViewControllers : public ::testing::Test {
protected:
    ViewControllers()
        : skin { { QString::fromWCharArray(kDefaultCameraPicture), kDefaultModel, QSize(410, 267) },
            { QStringLiteral("Two_Words.png"), kChosenModel, QSize(410, 267) },
            { QStringLiteral("3d_dingzhuang_nor.png"), kCeiling, QSize(410, 267) },
            { QStringLiteral("3d_bizhuang_nor.png"), kWall, QSize(280, 248) },
            { QStringLiteral("3dpicpeople_nor.png"), Qt::black, QSize(12, 26) } }
    {
        parent = std::make_unique<QWidget>();
        parent->resize(1200, 800);
        parent->show();
    }

    // The container of a controller at (0, 0), cx x cy.
    static void Resize(CViewControllerBase& controller, int cx, int cy)
    {
        RECT area { 0, 0, cx - 1, cy - 1 };
        controller.GetView()->MoveWindow(&area);
    }

    void* Parent() { return static_cast<void*>(parent.get()); }

    // A controller kept until the end of the test.
    template <class T>
    T& Add()
    {
        made.push_back(Make<T>(Parent()));
        return static_cast<T&>(*made.back().controller);
    }

    KWTempSkinDir skin;
    std::vector<Made> made;
    // Declared last: the windows go before the controllers they report to.
    std::unique_ptr<QWidget> parent;
};

} // namespace

TEST_F(ViewControllers, TitleAndSceneAreLaidOutForTheUiScale)
{
    const struct {
        const char* name;
        std::function<Made(void*)> make;
        const wchar_t* titleKey;
        bool side;
    } kinds[] = {
        { "IPC 3D", Make<C3DViewEventImp>, L"3D View", false },
        { "IPC side", Make<CSideViewEventImp>, L"Side View", true },
        { "IPC top", Make<CTopViewEventImp>, L"Top View", false },
        { "fisheye 3D", Make<CFish3DViewEventImp>, L"3D View", false },
        { "fisheye side", Make<CFishSideViewEventImp>, L"Side View", true },
        { "fisheye top", Make<CFishTopViewEventImp>, L"Top View", false },
    };
    const struct {
        float scale;
        int cx, cy;
        QRect title;
        int textSize;
        int sceneTop;
        int sideMargin;
    } scales[] = {
        { 1.0f, 474, 300, QRect(5, 1, 200, 22), 14, 24, 1 },
        { 2.0f, 948, 600, QRect(10, 2, 400, 44), 28, 48, 2 },
    };
    for (const auto& s : scales) {
        const ScaleGuard scale(s.scale);
        for (const auto& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + " at scale " + std::to_string(s.scale));
            made.push_back(kind.make(Parent()));
            const Made& one = made.back();
            ASSERT_NE(one.controller->GetView(), nullptr);
            Resize(*one.controller, s.cx, s.cy);

            auto* title = dynamic_cast<CKWQTStatic*>(one.controller->GetTitle());
            ASSERT_NE(title, nullptr);
            EXPECT_EQ(title->geometry(), s.title);
            EXPECT_EQ(title->TextFont().pixelSize(), s.textSize);
            EXPECT_EQ(title->text().toStdWString(), std::wstring(translate(kind.titleKey)));
            EXPECT_EQ(title->parentWidget(), Widget(one.controller->GetView()));

            QWidget* scene = one.scene();
            ASSERT_NE(scene, nullptr);
            EXPECT_EQ(scene->parentWidget(), Widget(one.controller->GetView()));
            // The scenes take the rectangle with its right and bottom inside.
            const int bottom = kind.side ? s.cy - s.sideMargin : s.cy;
            EXPECT_EQ(scene->geometry(), QRect(QPoint(0, s.sceneTop), QPoint(s.cx, bottom)));
        }
    }
}

TEST_F(ViewControllers, ModelPictureIsShownAndKeptAcrossResizes)
{
    auto& controller = Add<C3DViewEventImp>();
    auto* scene = dynamic_cast<CKWQT3DView*>(controller.GetScene());
    ASSERT_NE(scene, nullptr);
    Resize(controller, 474, 300);
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kDefaultModel);

    controller.SetBgImageByName(L"Two Words");
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kChosenModel);
    Resize(controller, 600, 320);
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kChosenModel);
    // The resize also puts the person back at 10 m on a 22.91 m axis.
    EXPECT_DOUBLE_EQ(scene->GetObjectPos(), 10.0);
    EXPECT_DOUBLE_EQ(scene->GetAxisMax(), 22.9133858);
}

TEST_F(ViewControllers, FisheyeMountTypeSwapsThe3DPicture)
{
    auto& controller = Add<CFish3DViewEventImp>();
    auto* scene = dynamic_cast<CKWQT3DView*>(controller.GetScene());
    ASSERT_NE(scene, nullptr);
    Resize(controller, 474, 300);
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kCeiling);

    controller.SetInstWay(false);
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kWall);
    // A resize leaves the mount's picture alone.
    Resize(controller, 600, 320);
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kWall);
    controller.SetInstWay(true);
    EXPECT_EQ(CentreColour(scene->GetBackgroundItem()), kCeiling);
}

// Before the IPC panel exists the top view shows its start values, and the
// side view's reports go nowhere without a main frame.
TEST_F(ViewControllers, WithoutThePanelsTheStartValuesStand)
{
    auto& top = Add<CTopViewEventImp>();
    auto* topScene = dynamic_cast<CKWQTTopView*>(top.GetScene());
    ASSERT_NE(topScene, nullptr);
    Resize(top, 304, 205);
    EXPECT_EQ(topScene->GetAngleLabel()->toPlainText(), QStringLiteral("101.93") + QChar(0x00B0));

    auto& sideController = Add<CSideViewEventImp>();
    Resize(sideController, 690, 327);
    sideController.OnTarHDistanceChanged(5.0);
    sideController.OnLengthAxisRangeChanged(0.0, 30.0);
    sideController.OnInstallChanged(50.0, 6.0);
    sideController.SetParam(60.0, 8.0, 6.0, 50.0, 19.0);
    EXPECT_EQ(topScene->GetAngleLabel()->toPlainText(), QStringLiteral("101.93") + QChar(0x00B0));
}

// Without the fisheye panel a resize draws the heights the panel starts
// with, not whatever the scene was last given.
TEST_F(ViewControllers, FisheyeSideResizeWithoutThePanelDrawsTheStartHeights)
{
    auto& side = Add<CFishSideViewEventImp>();
    auto* scene = dynamic_cast<CKWQTSideSceneFish*>(side.GetScene());
    ASSERT_NE(scene, nullptr);
    side.SetVirtualHeight(3.5);
    side.SetObjectHeight(1.2);
    Resize(side, 690, 327);
    EXPECT_DOUBLE_EQ(scene->GetValues().installHeight, 2.0);
    EXPECT_DOUBLE_EQ(scene->GetValues().objectHeight, 1.7);
}
