// A compositing manager that starts or stops while the windows are open: the
// X server's notice of a new owner of its selection, and the frames that
// re-decide their shadow on it. A stand-in plays the owner; where an X
// server can be reached, a client of the test's own also plays it there, on
// a selection of the test's, for the watch's subscription to hear.

#include "tests/common/KWTestKit.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWCompositorWatch.h"
#include "ui/qt/KWSkinFrame.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

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
        // changes: how often the watch tells the frames to re-decide.
        const struct {
            const char* what;
            bool owned;
            bool shadow;
            int inset;
            int changes;
        } rows[] = {
            { "a compositor at the start", true, true, 0, 0 },
            { "it stops: the margin is cut away", false, false, 10, 1 },
            { "it stops again: nothing changes", false, false, 10, 0 },
            { "another starts: the shadow is back", true, true, 0, 1 },
        };
        for (const auto& row : rows) {
            QSignalSpy changed(CKWCompositorWatch::Instance(), &CKWCompositorWatch::Changed);
            owner.Set(row.owned);
            EXPECT_EQ(changed.count(), row.changes) << row.what;
            EXPECT_EQ(frame.ShadowPlan().paintShadow, row.shadow) << row.what;
            EXPECT_EQ(frame.ShadowPlan().maskInset, row.inset) << row.what;
            EXPECT_EQ(window.mask().contains(QPoint(3, 45)), row.inset == 0) << row.what << ": the margin";
            EXPECT_TRUE(window.mask().contains(QPoint(60, 45))) << row.what << ": the frame";
        }
    }
}

// ---- On a real X server ------------------------------------------------------

// Waits until the X server has handled every request sent on the connection,
// and reads the events it sent before.
void RoundTrip(xcb_connection_t* connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// A client of its own that takes a selection and lets it go, as a compositing
// manager does with its own. The selections are the test's, so that a
// compositing manager running on the display is never disturbed.
class StandInOwnerOnX {
public:
    StandInOwnerOnX()
        : m_connection(xcb_connect(nullptr, nullptr))
        , m_window(MakeWindow())
    {
    }
    ~StandInOwnerOnX() { Quit(); }
    StandInOwnerOnX(const StandInOwnerOnX&) = delete;
    StandInOwnerOnX& operator=(const StandInOwnerOnX&) = delete;

    uint32_t Atom(const QByteArray& name)
    {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(m_connection,
                xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(name.size()), name.constData()),
                nullptr),
            &std::free);
        return atom ? atom->atom : uint32_t { XCB_ATOM_NONE };
    }
    void Take(uint32_t selection) { SetOwner(selection, m_window); }
    void LetGo(uint32_t selection) { SetOwner(selection, XCB_WINDOW_NONE); }
    // Destroys the window that owns the selection and makes another.
    void LoseWindow()
    {
        xcb_destroy_window(m_connection, m_window);
        m_window = MakeWindow();
        RoundTrip(m_connection);
    }
    void Quit()
    {
        if (m_connection != nullptr) {
            xcb_disconnect(m_connection);
            m_connection = nullptr;
        }
    }

private:
    // An unseen window on the first screen: a selection's owner is a window.
    xcb_window_t MakeWindow()
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, 0, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
            XCB_COPY_FROM_PARENT, 0, nullptr);
        return window;
    }

    void SetOwner(uint32_t selection, xcb_window_t window)
    {
        xcb_set_selection_owner(m_connection, window, selection, XCB_CURRENT_TIME);
        RoundTrip(m_connection);
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_window;
};

// The notices of a new owner that reached the connection, waiting up to two
// seconds for `expected` of them: a client that quits is handled by the
// server in its own time.
int OwnerChangesHeard(
    xcb_connection_t* connection, const CKWCompositorWatch::Subscription& subscription, int expected)
{
    int heard = 0;
    QElapsedTimer waited;
    waited.start();
    do {
        RoundTrip(connection);
        while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection)) {
            heard
                += CKWCompositorWatch::IsOwnerChange(event, subscription.firstEvent, subscription.selection);
            std::free(event);
        }
    } while (heard < expected && waited.elapsed() < 2000);
    return heard;
}

TEST(CompositorWatch, TheXServerTellsTheSubscriptionOfEachNewOwner)
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> program(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(program.get()) != 0) {
        GTEST_SKIP() << "No X server at DISPLAY \"" << qgetenv("DISPLAY").toStdString()
                     << "\": the XFixes subscription runs only against a real one";
    }
    const QByteArray name = "_KW_TEST_CM_S" + QByteArray::number(QCoreApplication::applicationPid());
    const std::optional<CKWCompositorWatch::Subscription> subscription
        = CKWCompositorWatch::SubscribeToOwnerChanges(program.get(), name);
    if (!subscription) {
        GTEST_SKIP() << "The X server has no XFixes";
    }
    StandInOwnerOnX owner;
    ASSERT_EQ(owner.Atom(name), subscription->selection);
    const uint32_t selection = subscription->selection;
    const uint32_t other = owner.Atom(name + "_OTHER");
    const struct {
        const char* what;
        std::function<void()> act;
        int notices;
    } rows[] = {
        { "a manager starts: it takes the selection", [&] { owner.Take(selection); }, 1 },
        { "another selection changes hands", [&] { owner.Take(other); }, 0 },
        { "it lets the selection go", [&] { owner.LetGo(selection); }, 1 },
        { "it takes it again and loses its window",
            [&] {
                owner.Take(selection);
                owner.LoseWindow();
            },
            2 },
        { "it takes it again and quits",
            [&] {
                owner.Take(selection);
                owner.Quit();
            },
            2 },
    };
    for (const auto& row : rows) {
        row.act();
        EXPECT_EQ(OwnerChangesHeard(program.get(), *subscription, row.notices), row.notices) << row.what;
    }
}

} // namespace
