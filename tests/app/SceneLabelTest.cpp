// No text of a scene view lies under one of its pictures or handles: with
// the values the tools start with, every label that meets a picture is
// drawn above it, in each view of both tools. And every label stays legible
// over the dark pictures and lines it may lie on.

#include "app/MainFrameEventImp.h"
#include "base/Globals.h"
#include "tests/app/ScreenLook.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QStyleOptionGraphicsItem>
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

// The visible labels of the window's visible views.
QList<QGraphicsTextItem*> Labels(QWidget* window)
{
    QList<QGraphicsTextItem*> labels;
    for (QGraphicsView* view : window->findChildren<QGraphicsView*>()) {
        if (!view->isVisibleTo(window) || view->scene() == nullptr) {
            continue;
        }
        for (QGraphicsItem* item : view->scene()->items()) {
            auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            if (label != nullptr && label->isVisible() && !label->toPlainText().isEmpty()) {
                labels << label;
            }
        }
    }
    return labels;
}

// The labels that, painted on black, show no light backing: black text
// there would be lost on a dark picture, and a line through it would run on
// through its glyphs.
QStringList LabelsWithoutBacking(QWidget* window)
{
    QStringList bare;
    for (QGraphicsTextItem* label : Labels(window)) {
        const QRectF bounds = label->boundingRect();
        QImage image(bounds.size().toSize(), QImage::Format_ARGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            painter.translate(-bounds.topLeft());
            QStyleOptionGraphicsItem option;
            option.exposedRect = bounds;
            label->paint(&painter, &option, nullptr);
        }
        int light = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                light += qGray(image.pixel(x, y)) >= 200 ? 1 : 0;
            }
        }
        if (light == 0) {
            bare << label->toPlainText();
        }
    }
    return bare;
}

struct Tool {
    const char* name;
    std::function<void(CMainFrameEventImp&)> choose;
};

class SceneLabelTest : public ::testing::TestWithParam<Tool> {
protected:
    // The window with the tool chosen, at each scale, for check.
    void AtBothScales(const std::function<void(QWidget*)>& check)
    {
        for (int scale : { 1, 2 }) {
            SCOPED_TRACE(scale);
            const ScreenLook look(scale);
            boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
            auto* window = dynamic_cast<QWidget*>(frame->GetDlg());
            GetParam().choose(*frame);
            QCoreApplication::processEvents();
            check(window);
        }
    }
};

TEST_P(SceneLabelTest, NoLabelLiesUnderAPictureOrHandle)
{
    AtBothScales([](QWidget* window) {
        const QStringList hidden = HiddenLabels(window);
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(QStringLiteral(", ")).toStdString();
    });
}

TEST_P(SceneLabelTest, EveryLabelStandsOnTheBackgroundColour)
{
    AtBothScales([](QWidget* window) {
        EXPECT_GE(Labels(window).size(), 5);
        const QStringList bare = LabelsWithoutBacking(window);
        EXPECT_TRUE(bare.isEmpty()) << bare.join(QStringLiteral(", ")).toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Tools, SceneLabelTest,
    ::testing::Values(Tool { "ipc", [](CMainFrameEventImp& frame) { frame.OnIPCToolClicked(); } },
        Tool { "fisheye", [](CMainFrameEventImp& frame) { frame.OnFishToolClicked(); } }),
    [](const ::testing::TestParamInfo<Tool>& info) { return std::string(info.param.name); });

} // namespace
