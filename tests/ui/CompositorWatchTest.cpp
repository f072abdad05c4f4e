// A compositing manager that starts or stops while the windows are open: the
// X server's notice of a new owner of its selection, and the frames that
// re-decide their shadow on it. A stand-in plays the owner.

#include "tests/common/KWTestKit.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWCompositorWatch.h"
#include "ui/qt/KWSkinFrame.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace {

TEST(CompositorWatch, OnlyANewOwnerOfTheSelectionCounts)
{
    constexpr uint8_t kFirst = 87; // XFixes' first event as a server may number it
    constexpr uint32_t kSelection = 300;
    const struct {
        const char* what;
        uint8_t type;
        uint32_t selection;
        bool counts;
    } rows[] = {
        { "the compositor's selection", kFirst + XCB_XFIXES_SELECTION_NOTIFY, kSelection, true },
        { "sent by another client", 0x80 | (kFirst + XCB_XFIXES_SELECTION_NOTIFY), kSelection, true },
        { "another selection (the clipboard)", kFirst + XCB_XFIXES_SELECTION_NOTIFY, kSelection + 1, false },
        { "XFixes' cursor notice", kFirst + XCB_XFIXES_CURSOR_NOTIFY, kSelection, false },
        { "a core event", XCB_PROPERTY_NOTIFY, kSelection, false },
    };
    for (const auto& row : rows) {
        xcb_xfixes_selection_notify_event_t event {};
        event.response_type = row.type;
        event.selection = row.selection;
        EXPECT_EQ(CKWCompositorWatch::IsOwnerChange(&event, kFirst, kSelection), row.counts) << row.what;
    }
}

// A frame of 120 x 90 with its shadow on, for each variant, as the owner of
// the selection comes and goes.
TEST(CompositorWatch, FramesRedecideTheirShadowWhenTheOwnerChanges)
{
    KWTempSkinDir skins { { QStringLiteral("frame.png"), QColor(0, 128, 0), QSize(8, 8) } };
    DialogStyle style;
    style.Str(0) = L"frame.png";
    style.Str(4) = L"0,0,4,4";
    KWStandInCompositor owner(true);
    for (const auto variant : { CKWSkinFrame::Variant::Dialog, CKWSkinFrame::Variant::MainWindow }) {
        QWidget window;
        window.resize(120, 90);
        CKWSkinFrame frame(variant, &window);
        frame.SetSkin(&style);
        ASSERT_TRUE(frame.Resize(QSize(120, 90), QSize(-1, -1)));
        frame.SetFrameShadow(true);
        const struct {
            const char* what;
            bool owned;
            bool shadow;
            int inset;
        } rows[] = {
            { "a compositor at the start", true, true, 0 },
            { "it stops: the margin is cut away", false, false, 10 },
            { "it stops again: nothing changes", false, false, 10 },
            { "another starts: the shadow is back", true, true, 0 },
        };
        for (const auto& row : rows) {
            owner.Set(row.owned);
            EXPECT_EQ(frame.ShadowPlan().paintShadow, row.shadow) << row.what;
            EXPECT_EQ(frame.ShadowPlan().maskInset, row.inset) << row.what;
            EXPECT_EQ(window.mask().contains(QPoint(3, 45)), row.inset == 0) << row.what << ": the margin";
            EXPECT_TRUE(window.mask().contains(QPoint(60, 45))) << row.what << ": the frame";
        }
    }
}

} // namespace
