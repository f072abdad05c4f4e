// No text of a scene view lies under one of its pictures or handles: with
// the values the tools start with, every label that meets a picture is
// drawn above it, in each view of both tools.

#include "app/MainFrameEventImp.h"
#include "base/Globals.h"
#include "tests/app/ScreenLook.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>

namespace {

// The labels of the window's visible views that a picture or handle covers.
QStringList HiddenLabels(QWidget* window)
{
    QStringList hidden;
    for (QGraphicsView* view : window->findChildren<QGraphicsView*>()) {
        if (!view->isVisibleTo(window) || view->scene() == nullptr) {
            continue;
        }
        // Topmost first: what comes earlier is drawn over what comes later.
        const QList<QGraphicsItem*> stack = view->scene()->items(Qt::DescendingOrder);
        for (qsizetype t = 0; t < stack.size(); ++t) {
            auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(stack[t]);
            if (label == nullptr || !label->isVisible() || label->toPlainText().isEmpty()) {
                continue;
            }
            for (qsizetype above = 0; above < t; ++above) {
                auto* picture = dynamic_cast<QGraphicsPixmapItem*>(stack[above]);
                if (picture != nullptr && picture->isVisible() && !picture->pixmap().isNull()
                    && picture->collidesWithItem(label, Qt::IntersectsItemBoundingRect)) {
                    hidden << label->toPlainText();
                }
            }
        }
    }
    return hidden;
}

struct Tool {
    const char* name;
    std::function<void(CMainFrameEventImp&)> choose;
};

class SceneLabelTest : public ::testing::TestWithParam<Tool> { };

TEST_P(SceneLabelTest, NoLabelLiesUnderAPictureOrHandle)
{
    for (int scale : { 1, 2 }) {
        SCOPED_TRACE(scale);
        const ScreenLook look(scale);
        boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
        auto* window = dynamic_cast<QWidget*>(frame->GetDlg());
        GetParam().choose(*frame);
        QCoreApplication::processEvents();
        const QStringList hidden = HiddenLabels(window);
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(QStringLiteral(", ")).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, SceneLabelTest,
    ::testing::Values(Tool { "ipc", [](CMainFrameEventImp& frame) { frame.OnIPCToolClicked(); } },
        Tool { "fisheye", [](CMainFrameEventImp& frame) { frame.OnFishToolClicked(); } }),
    [](const ::testing::TestParamInfo<Tool>& info) { return std::string(info.param.name); });

} // namespace
