// No text of a scene view lies under one of its pictures or handles: with
// the values the tools start with, every label that meets a picture is
// drawn above it, in each view of both tools. And every label stays legible
// over the dark pictures and lines it may lie on.
//
// On the grabbed side views, at both scales, with values typed to their
// limits: every glyph of every label shows whole inside its view, under no
// box, no handle and no other label; every handle, the camera and the person
// show wherever no label stands over them. And at the first screens, the
// pictures under a label keep their colour outside its glyphs and halo.

#include "app/MainFrameEventImp.h"
#include "base/Globals.h"
#include "tests/common/KWSceneDrawingKit.h"
#include "ui/scenes/KWQTVSliderItem.h"

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

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

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
// through its glyphs. A label over nothing (the fisheye legend) needs none.
QStringList LabelsWithoutBacking(QWidget* window)
{
    QStringList bare;
    for (QGraphicsTextItem* label : Labels(window)) {
        if (label->collidingItems(Qt::IntersectsItemBoundingRect).isEmpty()) {
            continue;
        }
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

void PrintTo(const Tool& tool, std::ostream* os)
{
    *os << tool.name;
}

class SceneLabelTest : public ::testing::TestWithParam<Tool> {
protected:
    // The window with the tool chosen, at each scale, for check.
    void AtBothScales(const std::function<void(QWidget*)>& check)
    {
        KWOnBothScales(g_languageIndex, [&check](CMainFrameEventImp& frame, int) {
            GetParam().choose(frame);
            QCoreApplication::processEvents();
            check(dynamic_cast<QWidget*>(frame.GetDlg()));
        });
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

// ---- Grabbed pixels ----------------------------------------------------------

// Room around a view's holder for what an item paints outside it.
constexpr int kPad = 64;
// Colours this close count as the same: a pixel drawn again in another
// painting differs by no more than rounding.
constexpr int kSameColour = 48;

bool SameColour(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= kSameColour && std::abs(a.green() - b.green()) <= kSameColour
        && std::abs(a.blue() - b.blue()) <= kSameColour;
}

// Whether the grab shows the colour at a pixel of the view, or within reach
// of it.
bool Shows(const KWSceneDrawing& d, const QPoint& at, const QColor& colour, int reach)
{
    if (!d.port.contains(at)) {
        return false;
    }
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint near = at + QPoint(dx, dy);
            if (d.port.contains(near) && SameColour(d.grab.pixelColor(near), colour)) {
                return true;
            }
        }
    }
    return false;
}

// Of the pixels an item paints alone that `wanted` picks and nothing in
// `under` covers: how many the grab does not show in their colour within
// reach, those outside the view counted too.
int Unseen(const KWSceneDrawing& d, const QImage& alone, const std::function<bool(const QColor&)>& wanted,
    const QImage& under = QImage(), int reach = 0)
{
    int unseen = 0;
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = 0; x < alone.width(); ++x) {
            const QColor colour = alone.pixelColor(x, y);
            if (!wanted(colour) || (!under.isNull() && qAlpha(under.pixel(x, y)) > 0)) {
                continue;
            }
            unseen += Shows(d, QPoint(x - d.margin, y - d.margin), colour, reach) ? 0 : 1;
        }
    }
    return unseen;
}

QString NameOf(QGraphicsItem* item)
{
    if (auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(item)) {
        return QStringLiteral("label ") + label->toPlainText();
    }
    if (auto* handle = dynamic_cast<CKWQTVSliderItem*>(item)) {
        return QStringLiteral("handle %1").arg(handle->GetSliderId());
    }
    return QStringLiteral("picture at %1,%2")
        .arg(item->sceneBoundingRect().x())
        .arg(item->sceneBoundingRect().y());
}

// A label's glyphs: solid pixels of its text colour.
std::function<bool(const QColor&)> GlyphOf(QGraphicsTextItem* label)
{
    const QColor text = label->defaultTextColor();
    return [text](const QColor& colour) { return colour.alpha() == 255 && SameColour(colour, text); };
}

bool Solid(const QColor& colour)
{
    return colour.alpha() == 255;
}

// Every glyph of every label shows whole inside the view; every handle shows
// where no other handle lies; every picture where no label or handle lies.
QStringList HiddenParts(const KWSceneDrawing& d)
{
    QList<QGraphicsItem*> labels;
    QList<QGraphicsItem*> handles;
    QList<QGraphicsItem*> pictures;
    for (QGraphicsItem* item : d.view->scene()->items()) {
        auto* label = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (!item->isVisible() || (label != nullptr && label->toPlainText().isEmpty())) {
            continue;
        }
        if (label != nullptr) {
            labels << item;
        } else if (dynamic_cast<CKWQTVSliderItem*>(item) != nullptr) {
            handles << item;
        } else if (auto* picture = dynamic_cast<QGraphicsPixmapItem*>(item);
                   picture && !picture->pixmap().isNull()) {
            pictures << item;
        }
    }
    QStringList hidden;
    const auto count = [&hidden](QGraphicsItem* item, int unseen) {
        if (unseen > 0) {
            hidden << QStringLiteral("%1: %2 pixels unseen").arg(NameOf(item)).arg(unseen);
        }
    };
    for (QGraphicsItem* label : labels) {
        count(label, Unseen(d, d.Alone({ label }), GlyphOf(qgraphicsitem_cast<QGraphicsTextItem*>(label))));
    }
    for (QGraphicsItem* handle : handles) {
        QList<QGraphicsItem*> others = handles;
        others.removeOne(handle);
        count(handle, Unseen(d, d.Alone({ handle }), Solid, d.Alone(others)));
    }
    // A turned picture's edge may fall a pixel aside in another painting.
    const QImage labelsAndHandles = d.Alone(labels + handles);
    for (QGraphicsItem* picture : pictures) {
        count(picture, Unseen(d, d.Alone({ picture }), Solid, labelsAndHandles, 1));
    }
    return hidden;
}

// The camera at the top of the height axis, in a language.
KWSceneLimit AtFullHeight(const char* name, int language)
{
    return KWSceneLimit { name, language, [](CMainFrameEventImp& f) { KWTypeIPC(f, "10", nullptr, "10"); },
        KWIPCSideDrawing, "48.06°" };
}

class SceneLabelLimitTest : public ::testing::TestWithParam<KWSceneLimit> { };

TEST_P(SceneLabelLimitTest, EveryLabelHandleAndPictureShowsWhole)
{
    KWAtLimitOnBothScales(GetParam(), kPad, [](const KWSceneDrawing& drawing, int) {
        const QStringList hidden = HiddenParts(drawing);
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(QStringLiteral("; ")).toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Limits, SceneLabelLimitTest,
    ::testing::Values(
        // The tilt at the top edge, the vertical angle against the height box
        // and its title, whose width depends on the language.
        AtFullHeight("ipc_height_10_en", 0), AtFullHeight("ipc_height_10_zh", 1),
        AtFullHeight("ipc_height_10_pt", 2), AtFullHeight("ipc_height_10_es", 3),
        KWSceneLimit { "ipc_height_9_6", 0, [](CMainFrameEventImp& f) { KWTypeIPC(f, "9.6", nullptr, "10"); },
            KWIPCSideDrawing, "9.60m" },
        KWSceneLimit { "ipc_height_9_8", 0, [](CMainFrameEventImp& f) { KWTypeIPC(f, "9.8", nullptr, "10"); },
            KWIPCSideDrawing, "9.80m" },
        // The camera turned level at the top, against the height box.
        KWSceneLimit { "ipc_height_10_tilt_89", 0,
            [](CMainFrameEventImp& f) { KWTypeIPC(f, "10", "89", "10"); }, KWIPCSideDrawing, "89.00°" },
        // The blind distance beyond the target, its label at the target's handle.
        KWSceneLimit { "ipc_height_7_tilt_89", 0,
            [](CMainFrameEventImp& f) { KWTypeIPC(f, "7", "89", "10"); }, KWIPCSideDrawing, "12.02m" },
        // The person at the end of the length axis, under the length box.
        KWSceneLimit { "ipc_target_at_axis_end", 0,
            [](CMainFrameEventImp& f) { KWTypeIPC(f, "7", nullptr, "99"); }, KWIPCSideDrawing, "22.91m" },
        KWSceneLimit { "fish_ceiling_far_target", 0,
            [](CMainFrameEventImp& f) { KWTypeFish(f, false, nullptr, nullptr, "99"); }, KWFishSideDrawing,
            "10.00m" },
        KWSceneLimit { "fish_wall_far_target", 0,
            [](CMainFrameEventImp& f) { KWTypeFish(f, true, nullptr, nullptr, "99"); }, KWFishSideDrawing,
            "10.00m" }),
    [](const ::testing::TestParamInfo<KWSceneLimit>& info) { return std::string(info.param.name); });

// ---- Pictures under labels ------------------------------------------------------

// A label's glyphs, their soft edges included (what it paints solid in
// another colour than its halo's white), grown by `grow` pixels for the halo
// and its soft edge: a mask of the Alone pixels, and the glyphs' box.
struct GlyphArea {
    QImage mask;
    QRect box;
};

GlyphArea GrownGlyphs(const KWSceneDrawing& d, QGraphicsTextItem* label, int grow)
{
    const QImage alone = d.Alone({ label });
    GlyphArea area { QImage(alone.size(), QImage::Format_ARGB32), QRect() };
    area.mask.fill(Qt::transparent);
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = 0; x < alone.width(); ++x) {
            const QColor colour = alone.pixelColor(x, y);
            if (colour.alpha() < 255 || SameColour(colour, Qt::white)) {
                continue;
            }
            area.box |= QRect(x, y, 1, 1);
            for (int dy = -grow; dy <= grow; ++dy) {
                for (int dx = -grow; dx <= grow; ++dx) {
                    if (area.mask.rect().contains(x + dx, y + dy)) {
                        area.mask.setPixel(x + dx, y + dy, qRgba(0, 0, 0, 255));
                    }
                }
            }
        }
    }
    return area;
}

struct LabelOverPicture {
    // The first screen, in English, its drawing, and the label (`shown`)
    // over or beside the picture.
    KWSceneLimit screen;
    // How far from its glyphs the picture is looked at, in pixels at scale
    // 1: over the picture, where a box behind the text would reach; beside
    // it, as far as the label may stand from what it labels.
    int near;
};

void PrintTo(const LabelOverPicture& row, std::ostream* os)
{
    *os << row.screen.name;
}

class SceneLabelOverPictureTest : public ::testing::TestWithParam<LabelOverPicture> { };

// The first screens: a label standing over or beside a picture cuts into it
// only with its glyphs and their halo; the rest of the picture near it keeps
// its colour, and the digits theirs.
TEST_P(SceneLabelOverPictureTest, ThePictureKeepsItsColourOutsideTheGlyphsAndTheirHalo)
{
    KWAtLimitOnBothScales(GetParam().screen, kPad, [](const KWSceneDrawing& d, int scale) {
        QGraphicsTextItem* label = nullptr;
        QList<QGraphicsItem*> pictures;
        for (QGraphicsItem* item : d.view->scene()->items()) {
            auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            auto* picture = dynamic_cast<QGraphicsPixmapItem*>(item);
            if (text != nullptr && text->toPlainText() == QString::fromUtf8(GetParam().screen.shown)) {
                label = text;
            } else if (picture != nullptr && picture->isVisible()
                && dynamic_cast<CKWQTVSliderItem*>(item) == nullptr) {
                pictures << item;
            }
        }
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(Unseen(d, d.Alone({ label }), GlyphOf(label)), 0) << "the digits show in their colour";

        // The halo is a pixel at scale 1.
        const int reach = GetParam().near * scale;
        const GlyphArea glyphs = GrownGlyphs(d, label, 1 + scale);
        const QRect near = glyphs.box.adjusted(-reach, -reach, reach, reach);
        int under = 0;
        int kept = 0;
        for (QGraphicsItem* picture : pictures) {
            const QImage alone = d.Alone({ picture });
            for (int y = near.top(); y <= near.bottom(); ++y) {
                for (int x = near.left(); x <= near.right(); ++x) {
                    const QColor colour = alone.pixelColor(x, y);
                    if (colour.alpha() < 255 || qAlpha(glyphs.mask.pixel(x, y)) > 0) {
                        continue;
                    }
                    ++under;
                    kept += Shows(d, QPoint(x - d.margin, y - d.margin), colour, 0) ? 1 : 0;
                }
            }
        }
        EXPECT_GE(under, 8) << "the label stands near the picture";
        EXPECT_GE(kept, under * 9 / 10)
            << kept << " of " << under << " pixels under the label keep their colour";
    });
}

INSTANTIATE_TEST_SUITE_P(FirstScreens, SceneLabelOverPictureTest,
    ::testing::Values(
        LabelOverPicture { { "top_view_target", 0, [](CMainFrameEventImp& f) { f.OnIPCToolClicked(); },
                               KWIPCTopDrawing, "89.67°" },
            16 },
        LabelOverPicture { { "fisheye_side_person", 0, [](CMainFrameEventImp& f) { f.OnFishToolClicked(); },
                               KWFishSideDrawing, "1.70m" },
            16 }),
    [](const ::testing::TestParamInfo<LabelOverPicture>& info) {
        return std::string(info.param.screen.name);
    });

INSTANTIATE_TEST_SUITE_P(Tools, SceneLabelTest,
    ::testing::Values(Tool { "ipc", [](CMainFrameEventImp& frame) { frame.OnIPCToolClicked(); } },
        Tool { "fisheye", [](CMainFrameEventImp& frame) { frame.OnFishToolClicked(); } }),
    [](const ::testing::TestParamInfo<Tool>& info) { return std::string(info.param.name); });

} // namespace
