// Both side views under the hand, dragged as the user drags, one device
// pixel a step, at scales 1 and 2: the dragged handle stays under the
// pointer and never moves across its travel; every other handle steps aside
// by at most its own size and a gap between two steps and travels nowhere
// else; no label leaps away from its handle and back.

#include "app/MainFrameEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "tests/common/KWSceneDrawingKit.h"
#include "tests/common/KWSceneHandle.h"
#include "tests/common/KWTestKit.h"
#include "ui/scenes/KWHandleClearance.h"
#include "ui/scenes/KWQTSideSceneFish.h"
#include "ui/scenes/KWQTVSliderItem.h"
#include "ui/scenes/KWQTVerticalSceneC.h"

#include <gtest/gtest.h>

#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A handle and the label of its value, as a view holds them.
struct Tracked {
    CKWQTVSliderItem* handle;
    QGraphicsTextItem* label;
};

// Centres in units of scale 1.
struct Frame {
    std::vector<QPointF> handles;
    std::vector<QPointF> labels; // from their handles
};

Frame FrameOf(const std::vector<Tracked>& items, int scale)
{
    Frame frame;
    for (const Tracked& t : items) {
        const QPointF handle = t.handle->sceneBoundingRect().center() / scale;
        frame.handles.push_back(handle);
        frame.labels.push_back(t.label->sceneBoundingRect().center() / scale - handle);
    }
    return frame;
}

double Apart(const QPointF& a, const QPointF& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// What a drag of one handle must keep to, checked step by step.
struct DragCheck {
    std::vector<Tracked> items;
    size_t dragged;
    int scale;
    // Where the person crosses under a ceiling camera its handles go to the
    // other side: the one change of sides that stays.
    std::function<bool()> crossed = [] { return false; };

    void Run(QGraphicsScene* scene, const QPointF& to)
    {
        CKWQTVSliderItem* handle = items[dragged].handle;
        const QPointF from = handle->sceneBoundingRect().center();
        const int steps = static_cast<int>(
            std::lround(std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()))));
        ASSERT_GT(steps, 0);
        KWScenePress(scene, from);
        Frame last = FrameOf(items, scale);
        const double across = handle->IsVertical() ? last.handles[dragged].x() : last.handles[dragged].y();
        // Each label's leaps: where it stood from its handle before and after.
        std::vector<std::vector<std::pair<QPointF, QPointF>>> leaps(items.size());
        for (int step = 1; step <= steps; ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            const QPointF pointer = from + (to - from) * (static_cast<double>(step) / steps);
            const bool wasCrossed = crossed();
            KWSceneMove(scene, pointer);
            const Frame now = FrameOf(items, scale);
            const QPointF held = now.handles[dragged];
            EXPECT_DOUBLE_EQ(handle->IsVertical() ? held.x() : held.y(), across)
                << "the held handle moved across";
            // It follows the pointer, its value taken at two decimals, or
            // rests at the end of its travel.
            const double along = handle->IsVertical() ? held.y() : held.x();
            const double wasAlong
                = handle->IsVertical() ? last.handles[dragged].y() : last.handles[dragged].x();
            const double pointed = (handle->IsVertical() ? pointer.y() : pointer.x()) / scale;
            EXPECT_TRUE(std::abs(along - pointed) <= 1.0 || std::abs(along - wasAlong) <= 0.5)
                << "the held handle at " << along << " left the pointer at " << pointed;
            for (size_t i = 0; i < items.size(); ++i) {
                if (i != dragged && crossed() == wasCrossed) {
                    EXPECT_LE(Apart(now.handles[i], last.handles[i]), KW_HANDLE_STEP + 0.5)
                        << "handle " << items[i].handle->GetSliderId() << " leapt";
                }
                if (Apart(now.labels[i], last.labels[i]) > kLeap && crossed() == wasCrossed) {
                    for (const auto& [before, after] : leaps[i]) {
                        EXPECT_GT(Apart(now.labels[i], before), kLeap)
                            << items[i].label->toPlainText().toStdString() << " leapt away and back";
                    }
                    leaps[i].emplace_back(last.labels[i], now.labels[i]);
                }
            }
            last = now;
        }
        KWSceneRelease(scene, to);
    }

    // More than this between two steps is a leap of a label from its handle.
    static constexpr double kLeap = 20.0;
};

// ---- The fisheye side view -------------------------------------------------

struct FishDrag {
    const char* name;
    bool wall;
    const char* mount;
    const char* person;
    const char* distance;
    int handle;
    double to; // metres: the height or the distance dragged to
};

void PrintTo(const FishDrag& row, std::ostream* os)
{
    *os << row.name;
}

class FishDragTest : public ::testing::TestWithParam<FishDrag> { };

TEST_P(FishDragTest, TheDraggedHandleStaysUnderThePointerAndNothingLeaps)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int scale) {
        const FishDrag& row = GetParam();
        KWTypeFish(frame, row.wall, nullptr, "0.5");
        KWTypeFish(frame, row.wall, row.mount, row.person, row.distance);
        auto* fish = dynamic_cast<CKWQTSideSceneFish*>(frame.GetFishSideView()->GetScene());
        using Id = CKWQTSideSceneFish;
        const std::vector<Tracked> items = { { fish->GetHandle(Id::CameraHandleId), fish->GetCameraLabel() },
            { fish->GetHandle(Id::ObjectHandleId), fish->GetHeightLabel() },
            { fish->GetHandle(Id::DistanceHandleId), fish->GetDistanceLabel() } };
        const size_t dragged = row.handle == Id::CameraHandleId ? 0
            : row.handle == Id::ObjectHandleId                  ? 1
                                                                : 2;
        DragCheck check { items, dragged, scale };
        check.crossed = [fish] { return !fish->GetValues().rightSide; };
        const KWFishSideLayout& l = fish->GetLayout();
        const KWFishSideValues& v = fish->GetValues();
        const QPointF from = items[dragged].handle->sceneBoundingRect().center();
        const QPointF to = items[dragged].handle->IsVertical()
            ? QPointF(from.x(), l.originY - row.to * l.axisHeight / v.heightMax)
            : QPointF(l.originX + row.to * l.axisWidth / v.lengthMax, from.y());
        check.Run(fish->GetScene(), to);
    });
}

using Fish = CKWQTSideSceneFish;

INSTANTIATE_TEST_SUITE_P(Drags, FishDragTest,
    ::testing::Values(FishDrag { "wall_person_walked_in_under_the_camera", true, "1", "0.9", "4",
                          Fish::DistanceHandleId, 0.0 },
        FishDrag { "wall_camera_raised_past_the_head", true, "0.6", "1", "0.6", Fish::CameraHandleId, 1.6 },
        FishDrag { "wall_person_grown_past_the_camera", true, "1", "0.6", "0.6", Fish::ObjectHandleId, 1.6 },
        FishDrag { "ceiling_person_grown_to_the_camera", false, "2", "1", "0.6", Fish::ObjectHandleId, 2.0 },
        FishDrag {
            "ceiling_camera_lowered_to_the_head", false, "3", "1.7", "0.6", Fish::CameraHandleId, 1.5 },
        FishDrag {
            "ceiling_person_walked_in_and_across", false, "2", "1.7", "4", Fish::DistanceHandleId, -3.5 }),
    [](const ::testing::TestParamInfo<FishDrag>& info) { return std::string(info.param.name); });

// ---- The IPC side view -------------------------------------------------------

struct IPCDrag {
    const char* name;
    const char* mount;
    const char* tilt;
    const char* distance;
    int handle;
    QPointF by; // units of scale 1
};

void PrintTo(const IPCDrag& row, std::ostream* os)
{
    *os << row.name;
}

class IPCDragTest : public ::testing::TestWithParam<IPCDrag> { };

TEST_P(IPCDragTest, TheDraggedHandleStaysUnderThePointerAndNothingLeaps)
{
    KWOnBothScales(0, [](CMainFrameEventImp& frame, int scale) {
        const IPCDrag& row = GetParam();
        KWTypeIPC(frame, row.mount, row.tilt, row.distance);
        CKWQTVerticalSceneC* side = KWIPCSideScene(frame);
        std::vector<Tracked> items;
        size_t dragged = 0;
        for (int id : { CKWQTVerticalSceneC::HeightHandleId, CKWQTVerticalSceneC::BlindDistanceHandleId,
                 CKWQTVerticalSceneC::TargetDistanceHandleId, CKWQTVerticalSceneC::TargetHeightHandleId }) {
            dragged = id == row.handle ? items.size() : dragged;
            items.push_back({ KWSceneHandle(side->GetScene(), id), side->GetValueLabel(id) });
        }
        DragCheck check { items, dragged, scale };
        check.Run(side->GetScene(), items[dragged].handle->sceneBoundingRect().center() + row.by * scale);
    });
}

using IPC = CKWQTVerticalSceneC;

INSTANTIATE_TEST_SUITE_P(Drags, IPCDragTest,
    ::testing::Values(IPCDrag { "blind_zone_along_the_ground_past_the_target", "1", "60", "3",
                          IPC::BlindDistanceHandleId, { 250, 0 } },
        IPCDrag { "blind_zone_off_the_target", "3", "30", "1", IPC::BlindDistanceHandleId, { 150, 0 } },
        IPCDrag { "target_height_up", "3", "30", "1", IPC::TargetHeightHandleId, { 0, -150 } },
        IPCDrag {
            "target_height_down_onto_the_ground", "3", "30", "1", IPC::TargetHeightHandleId, { 0, 60 } },
        IPCDrag { "target_distance_out", "3", "30", "1", IPC::TargetDistanceHandleId, { 150, 0 } },
        IPCDrag { "target_distance_in_past_the_blind_zone", "3", "30", "1", IPC::TargetDistanceHandleId,
            { -40, 0 } },
        IPCDrag { "camera_down_to_the_target", "3", "30", "1", IPC::HeightHandleId, { 0, 120 } }),
    [](const ::testing::TestParamInfo<IPCDrag>& info) { return std::string(info.param.name); });

} // namespace
