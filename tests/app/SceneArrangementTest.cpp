// The labels and handles of the scene views with values at their limits, on
// grabbed pixels and real mouse and key events at both scales: no two labels
// closer than two pixels (four at scale 2), each beside what it labels and
// clearly nearer its own handle than any other (and a fisheye number than
// the camera, wherever the person stands), the handles that mark places
// on the ground on it, no handle more than half under another and a press on
// what shows of a handle grabs it; the top view's target, and the fisheye
// camera and person, recognisable under the labels; the labels of scale 2
// where those of scale 1 are, twice as far out; and an axis box that stays
// under the pointer while it is clicked.

#include "app/MainFrameEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "tests/common/KWSceneDrawingKit.h"
#include "tests/common/KWSceneHandle.h"
#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTDoubleSpiner.h"
#include "ui/scenes/KWQTGraphicsLineItem.h"
#include "ui/scenes/KWQTSideSceneFish.h"
#include "ui/scenes/KWQTTopView.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWQTVerticalSceneC.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The box of the pixels that pick, and how many.
QRect BoxOf(const QImage& image, const std::function<bool(QRgb)>& pick, int* count = nullptr)
{
    QRect box;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (pick(row[x])) {
                box |= QRect(x, y, 1, 1);
                ++n;
            }
        }
    }
    if (count != nullptr) {
        *count = n;
    }
    return box;
}

// A glyph pixel: clearly darker or more coloured than the halo's white.
bool Glyph(QRgb pixel)
{
    return qAlpha(pixel) >= 128 && std::min({ qRed(pixel), qGreen(pixel), qBlue(pixel) }) < 160;
}

bool Solid(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

// Pixels between two boxes along the axis that parts them most; negative
// when they overlap.
int GapBetween(const QRect& a, const QRect& b)
{
    return std::max({ b.left() - a.right() - 1, a.left() - b.right() - 1, b.top() - a.bottom() - 1,
        a.top() - b.bottom() - 1 });
}

// How far apart two boxes are, corner to corner where they stand diagonally.
double DistanceBetween(const QRect& a, const QRect& b)
{
    const int dx = std::max({ 0, b.left() - a.right() - 1, a.left() - b.right() - 1 });
    const int dy = std::max({ 0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1 });
    return std::hypot(dx, dy);
}

std::string Text(QGraphicsTextItem* label)
{
    return label->toPlainText().toStdString();
}

// ---- The drawing at a limit -----------------------------------------------------

// The target-height handle dragged as far down as it goes.
void LowestTarget(CMainFrameEventImp& frame)
{
    frame.OnIPCToolClicked();
    QGraphicsScene* scene = KWIPCSideScene(frame)->GetScene();
    const QPointF from
        = KWSceneHandle(scene, CKWQTVerticalSceneC::TargetHeightHandleId)->sceneBoundingRect().center();
    KWSceneDrag(scene, from, { from + QPointF(0, 400 * g_uiScale) });
}

class SceneArrangementTest : public ::testing::TestWithParam<KWSceneLimit> {
protected:
    void AtBothScales(const std::function<void(const KWSceneDrawing&, int)>& check)
    {
        KWAtLimitOnBothScales(GetParam(), 0, check);
    }
};

TEST_P(SceneArrangementTest, LabelsStandApartAndBesideWhatTheyLabel)
{
    AtBothScales([](const KWSceneDrawing& d, int scale) {
        const QList<QGraphicsTextItem*> labels = d.Visible<QGraphicsTextItem>();
        std::vector<QRect> glyphs;
        for (QGraphicsTextItem* label : labels) {
            glyphs.push_back(BoxOf(d.Alone(label), Glyph));
        }
        for (qsizetype a = 0; a < labels.size(); ++a) {
            for (qsizetype b = a + 1; b < labels.size(); ++b) {
                EXPECT_GE(GapBetween(glyphs[a], glyphs[b]), 2 * scale)
                    << Text(labels[a]) << " and " << Text(labels[b]);
            }
        }
        for (const KWSceneLimit::Owner& owner : GetParam().owners) {
            const auto label = std::find_if(labels.begin(), labels.end(), [&owner](QGraphicsTextItem* l) {
                return l->toPlainText() == QString::fromUtf8(owner.label);
            });
            ASSERT_NE(label, labels.end()) << owner.label;
            const QRect glyph = glyphs[label - labels.begin()];
            const double own
                = DistanceBetween(glyph, BoxOf(d.Alone(KWSceneHandle(d.view->scene(), owner.handle)), Solid));
            EXPECT_LE(own, 20 * scale) << owner.label << " beside handle " << owner.handle;
            for (CKWQTVSliderItem* other : d.Visible<CKWQTVSliderItem>()) {
                EXPECT_LE(own, DistanceBetween(glyph, BoxOf(d.Alone(other), Solid)) + scale)
                    << owner.label << " nearer handle " << other->GetSliderId() << " than its own";
            }
        }
    });
}

TEST_P(SceneArrangementTest, EveryHandleShowsAtLeastHalfAndAPressOnItGrabsIt)
{
    AtBothScales([](const KWSceneDrawing& d, int) {
        for (CKWQTVSliderItem* handle : d.Visible<CKWQTVSliderItem>()) {
            SCOPED_TRACE("handle " + std::to_string(handle->GetSliderId()));
            const QImage alone = d.Alone(handle);
            int solid = 0;
            BoxOf(alone, Solid, &solid);
            // What the grab shows of it: its own colour at its own pixels.
            QImage shown(alone.size(), QImage::Format_ARGB32);
            shown.fill(Qt::transparent);
            for (int y = 0; y < alone.height(); ++y) {
                for (int x = 0; x < alone.width(); ++x) {
                    if (Solid(alone.pixel(x, y)) && alone.pixel(x, y) == d.grab.pixel(x, y)) {
                        shown.setPixel(x, y, alone.pixel(x, y));
                    }
                }
            }
            int visible = 0;
            const QRect part = BoxOf(shown, Solid, &visible);
            ASSERT_GT(solid, 0);
            EXPECT_GE(visible * 2, solid) << visible << " of " << solid << " pixels show";
            ASSERT_GT(visible, 0);
            // Pressed at the shown pixel nearest the middle of what shows.
            QPoint at = part.center();
            for (int r = 0; !Solid(shown.pixel(at)) && r < part.width() + part.height(); ++r) {
                for (int dy = -r; dy <= r && !Solid(shown.pixel(at)); ++dy) {
                    for (int dx = -r; dx <= r; ++dx) {
                        const QPoint near = part.center() + QPoint(dx, dy);
                        if (shown.rect().contains(near) && Solid(shown.pixel(near))) {
                            at = near;
                            break;
                        }
                    }
                }
            }
            QWidget* port = d.view->viewport();
            QTest::mousePress(port, Qt::LeftButton, {}, at - d.port.topLeft());
            EXPECT_EQ(d.view->scene()->mouseGrabberItem(), handle)
                << "pressed at " << at.x() << "," << at.y();
            QTest::mouseRelease(port, Qt::LeftButton, {}, at - d.port.topLeft());
        }
    });
}

// The arrangement of scale 2 is that of scale 1 drawn twice as large: every
// label stands twice as far from the scene's corner, give or take the pixel
// by which the views of scale 2 are not quite twice as large.
TEST_P(SceneArrangementTest, LabelsOfScaleTwoStandWhereThoseOfScaleOneDo)
{
    std::vector<std::vector<std::pair<std::string, QPointF>>> places;
    AtBothScales([&places](const KWSceneDrawing& d, int scale) {
        places.emplace_back();
        for (QGraphicsTextItem* label : d.Visible<QGraphicsTextItem>()) {
            places.back().emplace_back(Text(label), label->pos() / scale);
        }
    });
    ASSERT_EQ(places[0].size(), places[1].size());
    for (size_t i = 0; i < places[0].size(); ++i) {
        EXPECT_EQ(places[1][i].first, places[0][i].first);
        const QPointF apart = places[1][i].second - places[0][i].second;
        EXPECT_LE(std::max(std::abs(apart.x()), std::abs(apart.y())), 1.0)
            << places[0][i].first << " at " << places[0][i].second.x() << "," << places[0][i].second.y()
            << " at scale 1, " << places[1][i].second.x() << "," << places[1][i].second.y()
            << " at scale 2 halved";
    }
}

using Id = CKWQTVerticalSceneC;

INSTANTIATE_TEST_SUITE_P(Limits, SceneArrangementTest,
    ::testing::Values(KWSceneLimit { "ipc_defaults_pt", 2,
                          [](CMainFrameEventImp& f) { KWTypeIPC(f, nullptr); }, KWIPCSideDrawing, "58.44°",
                          { { "7.00m", Id::HeightHandleId }, { "10.00m", Id::TargetDistanceHandleId } } },
        KWSceneLimit { "ipc_mount_10_es", 3, [](CMainFrameEventImp& f) { KWTypeIPC(f, "10"); },
            KWIPCSideDrawing, "10.00m", {} },
        KWSceneLimit { "ipc_target_lowest", 0, LowestTarget, KWIPCSideDrawing, "0.10m",
            { { "0.10m", Id::TargetHeightHandleId }, { "10.00m", Id::TargetDistanceHandleId } } },
        KWSceneLimit { "ipc_target_lowest_tilt_90_mount_10", 0,
            [](CMainFrameEventImp& f) {
                LowestTarget(f);
                KWTypeIPC(f, nullptr, "90");
                KWTypeIPC(f, "10");
            },
            KWIPCSideDrawing, "12.51m",
            { { "12.51m", Id::BlindDistanceHandleId }, { "0.10m", Id::TargetHeightHandleId } } },
        KWSceneLimit { "ipc_mount_2_height_2", 0,
            [](CMainFrameEventImp& f) {
                KWTypeIPC(f, "2");
                KWTypeAndEnter(KWIPCSideScene(f)->GetHeightBox(), QStringLiteral("2"));
            },
            KWIPCSideDrawing, "3.41m", { { "3.41m", Id::BlindDistanceHandleId } } },
        KWSceneLimit { "ipc_top_defaults", 0, [](CMainFrameEventImp& f) { KWTypeIPC(f, nullptr); },
            KWIPCTopDrawing, "89.67°", {} },
        KWSceneLimit { "fish_defaults", 0, [](CMainFrameEventImp& f) { KWTypeFish(f, false, nullptr); },
            KWFishSideDrawing, "1.70m", {} },
        KWSceneLimit { "fish_ceiling_mount_0", 0, [](CMainFrameEventImp& f) { KWTypeFish(f, false, "0"); },
            KWFishSideDrawing, "1.70m", {} },
        KWSceneLimit { "fish_wall_low_and_near", 0,
            [](CMainFrameEventImp& f) { KWTypeFish(f, true, "0.3", "0.1", "0"); }, KWFishSideDrawing, "0.00m",
            {} }),
    [](const ::testing::TestParamInfo<KWSceneLimit>& info) { return std::string(info.param.name); });

// ---- Each number read with what it measures -------------------------------------

// What each visible handle shows, by id.
std::vector<std::pair<int, QRect>> HandleBoxes(const KWSceneDrawing& d)
{
    std::vector<std::pair<int, QRect>> boxes;
    for (CKWQTVSliderItem* handle : d.Visible<CKWQTVSliderItem>()) {
        boxes.emplace_back(handle->GetSliderId(), BoxOf(d.Alone(handle), Solid));
    }
    return boxes;
}

// The pixels a picture shows.
std::vector<QPoint> ShownPixels(const QImage& alone)
{
    std::vector<QPoint> shown;
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = 0; x < alone.width(); ++x) {
            if (Solid(alone.pixel(x, y))) {
                shown.emplace_back(x, y);
            }
        }
    }
    return shown;
}

// How much nearer a value label's glyphs stand to its own handle than to the
// nearest other one and than to the nearest pixel a picture shows, in
// pixels, on what the drawing shows.
struct Leads {
    double overHandles = 1e9;
    double overPicture = 1e9;
};

Leads LeadsOf(const QRect& glyph, int own, const std::vector<std::pair<int, QRect>>& handles,
    const std::vector<QPoint>& picture = {})
{
    double ownApart = 0.0;
    double otherApart = 1e9;
    for (const auto& [id, box] : handles) {
        const double apart = DistanceBetween(glyph, box);
        if (id == own) {
            ownApart = apart;
        } else {
            otherApart = std::min(otherApart, apart);
        }
    }
    double pictureApart = 1e9;
    for (const QPoint& pixel : picture) {
        pictureApart = std::min(pictureApart, DistanceBetween(glyph, QRect(pixel, QSize(1, 1))));
    }
    return { otherApart - ownApart, pictureApart - ownApart };
}

double LeadOverOtherHandles(const KWSceneDrawing& d, QGraphicsTextItem* label, int own)
{
    return LeadsOf(BoxOf(d.Alone(label), Glyph), own, HandleBoxes(d)).overHandles;
}

// A reader pairs a number with the handle it stands nearest: each stands
// nearer its own by at least this many pixels at scale 1.
constexpr double kOwnerLead = 5.0;

// Tilts 60 to 89 at mount 7, typed, then the blind-distance handle dragged
// onto the target: every value label stands clearly nearer its own handle,
// and the two handles marking places on the ground stay on it, rising at
// most a handle's height (26 pixels at scale 1) off the ground line.
TEST(SceneArrangement, EveryIPCValueLabelStandsNearerItsOwnHandleAndGroundHandlesStayOnTheGround)
{
    std::vector<std::pair<std::string, std::function<void(CMainFrameEventImp&)>>> steps;
    for (int tilt = 60; tilt <= 89; ++tilt) {
        steps.emplace_back("tilt " + std::to_string(tilt), [tilt](CMainFrameEventImp& f) {
            KWType(f.GetParameterSetting()->GetInstallAngleSpin(), std::to_string(tilt).c_str());
        });
    }
    steps.emplace_back("blind handle dragged onto the target", [](CMainFrameEventImp& f) {
        QGraphicsScene* scene = KWIPCSideScene(f)->GetScene();
        const QPointF target = KWSceneHandle(scene, Id::TargetDistanceHandleId)->sceneBoundingRect().center();
        const QPointF blind = KWSceneHandle(scene, Id::BlindDistanceHandleId)->sceneBoundingRect().center();
        KWSceneDrag(scene, blind, { (blind + target) / 2.0, QPointF(target.x(), blind.y()) });
    });
    KWOnBothScales(0, [&steps](CMainFrameEventImp& frame, int scale) {
        KWTypeIPC(frame, "7");
        for (const auto& [name, step] : steps) {
            SCOPED_TRACE(name);
            step(frame);
            const KWSceneDrawing d = KWIPCSideDrawing(frame);
            CKWQTVerticalSceneC* side = KWIPCSideScene(frame);
            for (int id : { Id::HeightHandleId, Id::BlindDistanceHandleId, Id::TargetDistanceHandleId,
                     Id::TargetHeightHandleId }) {
                QGraphicsTextItem* label = side->GetValueLabel(id);
                EXPECT_GE(LeadOverOtherHandles(d, label, id), kOwnerLead * scale)
                    << Text(label) << " of handle " << id;
            }
            for (int id : { Id::BlindDistanceHandleId, Id::TargetDistanceHandleId }) {
                const double centre = KWSceneHandle(side->GetScene(), id)->sceneBoundingRect().center().y();
                EXPECT_GE(centre, side->GetModel().originY - 26.0 * scale) << "handle " << id << " rose";
            }
        }
    });
}

struct FishCase {
    const char* name;
    std::function<void(CMainFrameEventImp&)> set;
};

void PrintTo(const FishCase& c, std::ostream* os)
{
    *os << c.name;
}

class FishLabelsTest : public ::testing::TestWithParam<FishCase> { };

// The camera and the person show whole under the labels, every pixel of
// theirs that a label could hide, and each label stands nearer its own
// handle.
TEST_P(FishLabelsTest, LeaveTheCameraAndThePersonWholeAndStandNearerTheirOwnHandles)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int scale) {
        GetParam().set(frame);
        const KWSceneDrawing d = KWFishSideDrawing(frame);
        auto* fish = dynamic_cast<CKWQTSideSceneFish*>(frame.GetFishSideView()->GetScene());
        const std::pair<QGraphicsTextItem*, int> labels[] = {
            { fish->GetCameraLabel(), CKWQTSideSceneFish::CameraHandleId },
            { fish->GetHeightLabel(), CKWQTSideSceneFish::ObjectHandleId },
            { fish->GetDistanceLabel(), CKWQTSideSceneFish::DistanceHandleId },
        };
        for (QGraphicsPixmapItem* picture :
            { fish->GetCeilingPicture(), fish->GetWallPicture(), fish->GetPersonPicture() }) {
            if (!picture->isVisible()) {
                continue;
            }
            const QImage shown = d.Alone(picture);
            for (const auto& [label, own] : labels) {
                const QImage over = d.Alone(label);
                int hidden = 0;
                for (int y = 0; y < shown.height(); ++y) {
                    for (int x = 0; x < shown.width(); ++x) {
                        hidden += Solid(shown.pixel(x, y)) && qAlpha(over.pixel(x, y)) > 0 ? 1 : 0;
                    }
                }
                EXPECT_EQ(hidden, 0) << Text(label) << " over a picture";
            }
        }
        for (const auto& [label, own] : labels) {
            EXPECT_GE(LeadOverOtherHandles(d, label, own), kOwnerLead * scale) << Text(label);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Mounts, FishLabelsTest,
    ::testing::Values(
        FishCase { "ceiling_defaults", [](CMainFrameEventImp& f) { KWTypeFish(f, false, nullptr); } },
        FishCase { "wall_lowest", [](CMainFrameEventImp& f) { KWTypeFish(f, true, "0"); } },
        FishCase { "ceiling_mount_0", [](CMainFrameEventImp& f) { KWTypeFish(f, false, "0"); } }),
    [](const ::testing::TestParamInfo<FishCase>& info) { return std::string(info.param.name); });

// The fisheye tool's values typed as the user types them, on the ceiling or
// the wall, the person first dragged to the camera's left where asked, at
// every mount height, person height (or height under the mount) and
// distance of the table (a person typed taller than a ceiling camera stands
// level with it):
// - every value label stands clearly nearer its own handle than any other
//   handle, and the person's than what shows of the camera too (the
//   camera's own may stand by its camera);
// - the person's labels hide none of the camera or the person, and neither
//   the camera's pole nor the floor runs through their digits;
// - the camera's handle stands within two handles' widths of its camera.
struct FishReading {
    const char* name;
    bool wall;
    bool left;
    std::vector<const char*> mounts;
    std::vector<const char*> persons;
    std::vector<const char*> distances;
    // Where set, the persons are so much shorter than the mount instead.
    std::vector<double> under {};
};

void PrintTo(const FishReading& row, std::ostream* os)
{
    *os << row.name;
}

// The arrangement keeps its margin (KW_LABEL_OWNER_MARGIN, 6 units) between
// a label's ink with its halo and a handle's whole picture; on the grab, the
// halo, the glyphs' soft edges and a handle's clear rim take up to two.
constexpr double kReadLead = 4.0;

// How many solid pixels of the picture the image paints over.
int Hidden(const QImage& picture, const QImage& over)
{
    int hidden = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            hidden += Solid(picture.pixel(x, y)) && qAlpha(over.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return hidden;
}

class FishReadingTest : public ::testing::TestWithParam<FishReading> { };

TEST_P(FishReadingTest, EveryValueLabelStandsNearerItsOwnHandleThanTheCameraOrAnotherHandle)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int scale) {
        const FishReading& row = GetParam();
        KWTypeFish(frame, row.wall, nullptr);
        auto* fish = dynamic_cast<CKWQTSideSceneFish*>(frame.GetFishSideView()->GetScene());
        if (row.left) {
            const QPointF from = KWSceneHandle(fish->GetScene(), CKWQTSideSceneFish::DistanceHandleId)
                                     ->sceneBoundingRect()
                                     .center();
            KWSceneDrag(
                fish->GetScene(), from, { QPointF(fish->GetLayout().originX - 60.0 * scale, from.y()) });
        }
        QGraphicsPixmapItem* camera = row.wall ? fish->GetWallPicture() : fish->GetCeilingPicture();
        const size_t persons = row.under.empty() ? row.persons.size() : row.under.size();
        for (const char* mount : row.mounts) {
            for (size_t p = 0; p < persons; ++p) {
                const std::string person = row.under.empty()
                    ? row.persons[p]
                    : QString::number(std::atof(mount) - row.under[p], 'f', 2).toStdString();
                // The person first, so that a ceiling camera may come down.
                KWTypeFish(frame, row.wall, nullptr, person.c_str());
                KWTypeFish(frame, row.wall, mount, person.c_str());
                for (const char* distance : row.distances) {
                    KWTypeFish(frame, row.wall, nullptr, nullptr, distance);
                    SCOPED_TRACE(
                        std::string("mount ") + mount + ", person " + person + ", distance " + distance);
                    ASSERT_EQ(fish->GetValues().rightSide, !row.left);
                    const KWSceneDrawing d = KWFishSideDrawing(frame);
                    const std::pair<QGraphicsTextItem*, int> labels[] = {
                        { fish->GetCameraLabel(), CKWQTSideSceneFish::CameraHandleId },
                        { fish->GetHeightLabel(), CKWQTSideSceneFish::ObjectHandleId },
                        { fish->GetDistanceLabel(), CKWQTSideSceneFish::DistanceHandleId },
                    };
                    const auto handles = HandleBoxes(d);
                    const QImage cameraAlone = d.Alone(camera);
                    const QImage personAlone = d.Alone(fish->GetPersonPicture());
                    const std::vector<QPoint> shown = ShownPixels(cameraAlone);
                    const QRect cameraBox = BoxOf(cameraAlone, Solid);
                    for (const auto& [id, box] : handles) {
                        if (id == CKWQTSideSceneFish::CameraHandleId) {
                            EXPECT_LE(DistanceBetween(box, cameraBox), 52.0 * scale)
                                << "the camera's handle strays";
                        }
                    }
                    std::vector<QRect> lines;
                    for (int line = 0; line < KW_FISH_LINE_COUNT; ++line) {
                        lines.push_back(
                            BoxOf(d.Alone(fish->GetLine(static_cast<KWFishLineIndex>(line))), Solid));
                    }
                    for (const auto& [label, own] : labels) {
                        const QImage ink = d.Alone(label);
                        const QRect glyph = BoxOf(ink, Glyph);
                        const Leads leads = LeadsOf(glyph, own, handles, shown);
                        EXPECT_GE(leads.overHandles, kReadLead * scale)
                            << Text(label) << " read with another handle";
                        if (own == CKWQTSideSceneFish::CameraHandleId) {
                            continue;
                        }
                        EXPECT_GE(leads.overPicture, kReadLead * scale)
                            << Text(label) << " read with the camera";
                        EXPECT_EQ(Hidden(cameraAlone, ink) + Hidden(personAlone, ink), 0)
                            << Text(label) << " over a picture";
                        for (const QRect& line : lines) {
                            EXPECT_FALSE(glyph.intersects(line))
                                << Text(label) << " on a line of the drawing";
                        }
                    }
                }
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Mounts, FishReadingTest,
    ::testing::Values(FishReading { "ceiling_first_screen_person_walked_in", false, false, { "2" }, { "1.7" },
                          { "2", "1.6", "1.3", "1", "0.8", "0.6" } },
        FishReading { "wall_person_level_with_camera", true, false, { "1" }, { "1" }, { "0.6", "1" } },
        FishReading { "ceiling", false, false, { "1", "2", "3.5" }, { "0.5", "1", "1.7", "5" },
            { "0", "0.5", "1", "2", "3.5" } },
        FishReading { "ceiling_person_left", false, true, { "1", "2", "3.5" }, { "0.5", "1", "1.7", "5" },
            { "0", "0.5", "1", "2", "3.5" } },
        FishReading { "wall", true, false, { "1", "2", "3.5" }, { "0.5", "1", "1.7", "2", "3.5" },
            { "0", "0.5", "1", "2", "3.5" } },
        FishReading { "ceiling_head_just_under_or_level", false, false, { "1", "2", "3" }, {},
            { "0", "0.6", "1", "2" }, { 0.1, 0.05, 0.0 } },
        FishReading { "wall_head_just_under_or_level", true, false, { "1", "1.5", "2" }, {},
            { "0", "0.6", "1", "1.5", "2" }, { 0.1, 0.05, 0.0 } },
        FishReading { "ceiling_head_well_under", false, false, { "3", "1.25" }, { "2.2", "0.8" },
            { "0.6", "1.5", "2", "2.5" } },
        FishReading { "ceiling_low_mount_short_person", false, false, { "0.5" }, { "0.1", "0.3" },
            { "0", "0.6", "1.5" } },
        FishReading { "wall_low_mount_short_person", true, false, { "0.3", "0.5" }, { "0.1", "0.3" },
            { "1", "1.5", "2" } }),
    [](const ::testing::TestParamInfo<FishReading>& info) { return std::string(info.param.name); });

// The same values give the same drawing: at scale 2 that of scale 1 twice
// as large, places within two pixels of scale 1, and whatever was drawn
// before, to the digit.
struct FishInstallation {
    bool wall;
    const char* mount;
    const char* person;
    const char* distance;
};

// The handles' and labels' places, in pixels of scale 1.
std::vector<QPointF> FishPlaces(CKWQTSideSceneFish* fish, int scale)
{
    std::vector<QPointF> places;
    for (int id : { CKWQTSideSceneFish::CameraHandleId, CKWQTSideSceneFish::ObjectHandleId,
             CKWQTSideSceneFish::DistanceHandleId }) {
        places.push_back(fish->GetHandle(id)->offset() / scale);
    }
    for (QGraphicsTextItem* label :
        { fish->GetCameraLabel(), fish->GetHeightLabel(), fish->GetDistanceLabel() }) {
        places.push_back(label->pos() / scale);
    }
    return places;
}

TEST(SceneArrangement, TheFisheyeSideViewDrawsTheSameValuesAlikeAtBothScalesAndAfterAnyOther)
{
    const FishInstallation rows[] = {
        { false, "2", "1.7", "2" },
        { true, "2", "1.7", "2" },
        { false, "0.5", "0.3", "1.5" },
        { true, "0.5", "1.7", "1" },
        { true, "1", "1", "0.6" },
        { true, "1", "0.9", "2" },
        { false, "2", "1.9", "1" },
        { false, "3", "2.2", "1.5" },
        { true, "0.3", "0.1", "2" },
    };
    std::vector<std::vector<QPointF>> atScaleOne;
    KWOnBothScales(0, [&](CMainFrameEventImp& frame, int scale) {
        auto* fish = dynamic_cast<CKWQTSideSceneFish*>(frame.GetFishSideView()->GetScene());
        for (size_t i = 0; i < std::size(rows); ++i) {
            const FishInstallation& row = rows[i];
            SCOPED_TRACE(std::string(row.wall ? "wall " : "ceiling ") + row.mount + "/" + row.person + " at "
                + row.distance);
            KWTypeFish(frame, row.wall, nullptr, "0.1");
            KWTypeFish(frame, row.wall, row.mount, row.person, row.distance);
            const std::vector<QPointF> places = FishPlaces(fish, scale);
            // Another installation drawn in between, then this one again.
            KWTypeFish(frame, row.wall, nullptr, "0.5", "4");
            KWTypeFish(frame, row.wall, row.mount, row.person, row.distance);
            EXPECT_EQ(FishPlaces(fish, scale), places) << "drawn otherwise after another";
            if (scale == 1) {
                atScaleOne.push_back(places);
                continue;
            }
            for (size_t item = 0; item < places.size(); ++item) {
                const QPointF apart = places[item] - atScaleOne[i][item];
                EXPECT_LE(std::max(std::abs(apart.x()), std::abs(apart.y())), 2.0)
                    << "item " << item << " stands apart from where scale 1 has it";
            }
        }
        // In feet, where the handles' places from the drawing in metres
        // differ from the new ones in their last digits only.
        KWTypeFish(frame, false, "2", "1.7", "2");
        fish->OnView_ChangeUnit(0);
        KWTypeFish(frame, false, nullptr, "1.75");
        const std::vector<QPointF> inFeet = FishPlaces(fish, scale);
        fish->SetObjectHeight(1.75);
        EXPECT_EQ(FishPlaces(fish, scale), inFeet) << "drawn otherwise in feet";
        fish->OnView_ChangeUnit(1);
    });
}

// A wall mount 3 m high: the distance handle dragged to 3.10, 4.00 and
// 5.20 m keeps the person's height label right of the person at both
// scales, as a typed distance below 5.5 m does.
TEST(SceneArrangement, TheWallPersonsLabelTakesTheSameSideAtBothScalesAfterADrag)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int) {
        KWTypeFish(frame, true, "3");
        auto* fish = dynamic_cast<CKWQTSideSceneFish*>(frame.GetFishSideView()->GetScene());
        for (double metres : { 3.1, 4.0, 5.2 }) {
            SCOPED_TRACE(std::to_string(metres) + " m");
            const KWFishSideLayout& layout = fish->GetLayout();
            const QPointF from = KWSceneHandle(fish->GetScene(), CKWQTSideSceneFish::DistanceHandleId)
                                     ->sceneBoundingRect()
                                     .center();
            const double x = layout.originX + metres / fish->GetValues().lengthMax * layout.axisWidth;
            KWSceneDrag(fish->GetScene(), from, { QPointF(x, from.y()) });
            const KWSceneDrawing d = KWFishSideDrawing(frame);
            const QRect person = BoxOf(d.Alone(fish->GetPersonPicture()), Solid);
            const QRect label = BoxOf(d.Alone(fish->GetHeightLabel()), Glyph);
            EXPECT_GT(label.left(), person.right()) << Text(fish->GetHeightLabel());
        }
    });
}

// ---- The top view's target -------------------------------------------------------

TEST(SceneArrangement, TheTopViewsTargetShowsAtLeastTwoThirdsOfItsDarkPixels)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int) {
        frame.OnIPCToolClicked();
        const KWSceneDrawing d = KWIPCTopDrawing(frame);
        const auto* target = dynamic_cast<CKWQTTopView*>(frame.GetTopView()->GetScene())->GetTargetIcon();
        ASSERT_NE(target, nullptr);
        const QImage icon = d.Alone(const_cast<QGraphicsPixmapItem*>(target));
        QImage labels(icon.size(), QImage::Format_ARGB32);
        labels.fill(Qt::transparent);
        {
            QPainter painter(&labels);
            for (QGraphicsTextItem* label : d.Visible<QGraphicsTextItem>()) {
                painter.drawImage(0, 0, d.Alone(label));
            }
        }
        int dark = 0;
        int under = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                if (Solid(icon.pixel(x, y)) && qGray(icon.pixel(x, y)) < 128) {
                    ++dark;
                    under += qAlpha(labels.pixel(x, y)) > 0 ? 1 : 0;
                }
            }
        }
        ASSERT_GT(dark, 20);
        EXPECT_LE(under * 3, dark) << under << " of " << dark << " dark pixels under a label";
    });
}

// ---- An axis box under the pointer ------------------------------------------

// The camera at the top of a 10 m Height axis: each click on the box's up
// arrow raises the axis by one, and the box stays where the pointer is.
TEST(SceneArrangement, FourClicksOnTheHeightBoxsArrowAtOnePlaceRaiseTheAxisByFour)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int scale) {
        KWTypeIPC(frame, "10");
        CKWQTVerticalSceneC* side = KWIPCSideScene(frame);
        CKWQTDoubleSpiner* box = side->GetHeightBox();
        ASSERT_DOUBLE_EQ(box->value(), 10.0);
        const QPoint arrow = box->mapTo(side, QPoint(box->width() - 4 * scale, box->height() / 4));
        for (int click = 0; click < 4; ++click) {
            QWidget* under = side->childAt(arrow);
            ASSERT_NE(under, nullptr);
            QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(side, arrow));
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(box->text(), QStringLiteral("14.00"));
        EXPECT_DOUBLE_EQ(side->GetModel().heightMaximum, 14.0);
    });
}

} // namespace
