// Where the side-view controllers send each report, checked against
// stand-ins for the main frame, the panels and the top view that write every
// call they get into one journal, so that the order across receivers shows.

#include "app/calc/ViewRoutes.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct FakePanel {
    KWCallRecorder* journal;
    void SetInstallFromView(double angle, double height) { journal->Record("panel.SetInstallFromView", angle, height); }
    void SetHeightAxisMax(double max) { journal->Record("panel.SetHeightAxisMax", max); }
    void SetLengthAxisRange(double min, double max) { journal->Record("panel.SetLengthAxisRange", min, max); }
    void SetTarHDistance(double distance) { journal->Record("panel.SetTarHDistance", distance); }
    void SetTargetViewHeights(double top, double bottom) { journal->Record("panel.SetTargetViewHeights", top, bottom); }
    void SetTargetHeight(double height) { journal->Record("panel.SetTargetHeight", height); }
    void CalcViewAngles() { journal->Record("panel.CalcViewAngles"); }
};

struct FakeTopView {
    KWCallRecorder* journal;
    void SetVirtulXaxisMax(double blind, double max) { journal->Record("top.SetVirtulXaxisMax", blind, max); }
    void SetLengthAxisMax(double max) { journal->Record("top.SetLengthAxisMax", max); }
    void UpdateVisibleWidth(double distance) { journal->Record("top.UpdateVisibleWidth", distance); }
};

struct FakeFishPanel {
    KWCallRecorder* journal;
    double installHeight;
    double objectHeight;
    void SetObjectHeight(double height) { journal->Record("fish.SetObjectHeight", height); }
    void SetInstallHeight(double height) { journal->Record("fish.SetInstallHeight", height); }
    void SetObjectDistance(double distance) { journal->Record("fish.SetObjectDistance", distance); }
    void CalcRingPPM() { journal->Record("fish.CalcRingPPM"); }
    double GetInstallHeight() const { return installHeight; }
    double GetObjectHeight() const { return objectHeight; }
};

// The main frame's getters; any of them may come back empty.
struct FakeOwner {
    std::shared_ptr<FakePanel> panel;
    std::shared_ptr<FakeTopView> top;
    std::shared_ptr<FakeFishPanel> fish;
    std::shared_ptr<FakePanel> GetParameterSetting() const { return panel; }
    std::shared_ptr<FakeTopView> GetTopView() const { return top; }
    std::shared_ptr<FakeFishPanel> GetFishParameterSetting() const { return fish; }
};

struct Call {
    std::string name;
    std::vector<double> args;
};

std::vector<Call> Calls(const KWCallRecorder& journal)
{
    std::vector<Call> calls;
    for (const KWRecordedCall& c : journal.calls) {
        calls.push_back({ c.name, c.args });
    }
    return calls;
}

void ExpectCalls(const KWCallRecorder& journal, const std::vector<Call>& expected)
{
    const std::vector<Call> actual = Calls(journal);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].name, expected[i].name) << "call " << i;
        EXPECT_EQ(actual[i].args, expected[i].args) << "call " << i;
    }
}

struct Route {
    const char* name;
    std::function<void(const FakeOwner&)> report;
    std::vector<Call> withEverything;
    // What still arrives while the top view controller is missing.
    std::vector<Call> withoutTopView;
};

std::vector<Route> Routes()
{
    using namespace KWViewRoutes;
    return {
        { "blind distance goes to the top view only",
            [](const FakeOwner& o) { BlindDistanceChanged(o, 1.25, 22.5); },
            { { "top.SetVirtulXaxisMax", { 1.25, 22.5 } } }, {} },
        { "install angle and height go to the panel in that order",
            [](const FakeOwner& o) { InstallChanged(o, 55.21, 7.0); },
            { { "panel.SetInstallFromView", { 55.21, 7.0 } } },
            { { "panel.SetInstallFromView", { 55.21, 7.0 } } } },
        { "height axis maximum goes to the panel",
            [](const FakeOwner& o) { HeightAxisMaxChanged(o, 12.0); },
            { { "panel.SetHeightAxisMax", { 12.0 } } }, { { "panel.SetHeightAxisMax", { 12.0 } } } },
        { "length range: panel first, then the top view's no-op",
            [](const FakeOwner& o) { LengthAxisRangeChanged(o, 0.0, 30.0); },
            { { "panel.SetLengthAxisRange", { 0.0, 30.0 } }, { "top.SetLengthAxisMax", { 30.0 } } },
            { { "panel.SetLengthAxisRange", { 0.0, 30.0 } } } },
        { "target distance: panel first, then the top view's width",
            [](const FakeOwner& o) { TarHDistanceChanged(o, 12.5); },
            { { "panel.SetTarHDistance", { 12.5 } }, { "top.UpdateVisibleWidth", { 12.5 } } },
            { { "panel.SetTarHDistance", { 12.5 } } } },
        { "view heights keep their order and sign",
            [](const FakeOwner& o) { TargetViewHeightsChanged(o, -0.5, 0.0); },
            { { "panel.SetTargetViewHeights", { -0.5, 0.0 } } },
            { { "panel.SetTargetViewHeights", { -0.5, 0.0 } } } },
        { "target height goes to the panel",
            [](const FakeOwner& o) { TargetHeightChanged(o, 1.7); },
            { { "panel.SetTargetHeight", { 1.7 } } }, { { "panel.SetTargetHeight", { 1.7 } } } },
        { "resize recalculation runs the panel's angles",
            [](const FakeOwner& o) { RecalcViewAngles(o); },
            { { "panel.CalcViewAngles", {} } }, { { "panel.CalcViewAngles", {} } } },
        { "fisheye object height", [](const FakeOwner& o) { ObjectHeightChanged(o, 1.6); },
            { { "fish.SetObjectHeight", { 1.6 } } }, { { "fish.SetObjectHeight", { 1.6 } } } },
        { "fisheye camera height is the panel's install height",
            [](const FakeOwner& o) { VirtualHeightChanged(o, 3.5); },
            { { "fish.SetInstallHeight", { 3.5 } } }, { { "fish.SetInstallHeight", { 3.5 } } } },
        { "fisheye object distance", [](const FakeOwner& o) { ObjectDistanceChanged(o, 4.0); },
            { { "fish.SetObjectDistance", { 4.0 } } }, { { "fish.SetObjectDistance", { 4.0 } } } },
        { "fisheye rings", [](const FakeOwner& o) { RecalcRingPPM(o); }, { { "fish.CalcRingPPM", {} } },
            { { "fish.CalcRingPPM", {} } } },
    };
}

} // namespace

TEST(ViewRoutes, EachReportReachesItsReceiversInOrderWithItsValues)
{
    for (const Route& route : Routes()) {
        SCOPED_TRACE(route.name);
        KWCallRecorder journal;
        FakeOwner owner;
        owner.panel = std::make_shared<FakePanel>(FakePanel { &journal });
        owner.top = std::make_shared<FakeTopView>(FakeTopView { &journal });
        owner.fish = std::make_shared<FakeFishPanel>(FakeFishPanel { &journal, 2.0, 1.7 });
        route.report(owner);
        ExpectCalls(journal, route.withEverything);
    }
}

// During start-up the IPC controllers exist before the panels, and a report
// or a resize may come before the rest of the set: nothing is called then.
TEST(ViewRoutes, MissingReceiversAreSkipped)
{
    for (const Route& route : Routes()) {
        SCOPED_TRACE(route.name);
        KWCallRecorder journal;
        FakeOwner withoutTop;
        withoutTop.panel = std::make_shared<FakePanel>(FakePanel { &journal });
        withoutTop.fish = std::make_shared<FakeFishPanel>(FakeFishPanel { &journal, 2.0, 1.7 });
        route.report(withoutTop);
        ExpectCalls(journal, route.withoutTopView);

        journal.Clear();
        route.report(FakeOwner {});
        EXPECT_TRUE(journal.calls.empty());
    }
}

TEST(ViewRoutes, FishHeightsAreThePanelsOrNothing)
{
    KWCallRecorder journal;
    FakeOwner owner;
    owner.fish = std::make_shared<FakeFishPanel>(FakeFishPanel { &journal, 3.25, 1.2 });
    double install = -1.0;
    double object = -1.0;
    ASSERT_TRUE(KWViewRoutes::FishHeights(owner, &install, &object));
    EXPECT_EQ(install, 3.25);
    EXPECT_EQ(object, 1.2);

    install = object = -1.0;
    EXPECT_FALSE(KWViewRoutes::FishHeights(FakeOwner {}, &install, &object));
    EXPECT_EQ(install, -1.0);
    EXPECT_EQ(object, -1.0);
}
