#include "ui/qt/KWControlKit.h"

#include "base/Globals.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(ControlKit, CreateRectanglesAreExclusiveAndContainerRectanglesInclusive)
{
    struct Row {
        RECT rect;
        QRect exclusive;
        QRect inclusive;
    };
    const Row rows[] = {
        { { 10, 20, 110, 45 }, QRect(10, 20, 100, 25), QRect(10, 20, 101, 26) },
        { { 0, 0, 0, 0 }, QRect(0, 0, 0, 0), QRect(0, 0, 1, 1) },
        { { -5, -5, 5, 5 }, QRect(-5, -5, 10, 10), QRect(-5, -5, 11, 11) },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KWExclusiveRect(row.rect), row.exclusive);
        EXPECT_EQ(KWInclusiveRect(row.rect), row.inclusive);
    }
}

TEST(ControlKit, PlacingInAParentUsesTheExclusiveRectangleAndStyleDecidesVisibility)
{
    KWEventSinkWidget parent;
    QLabel control;
    KWPlaceInParent(&control, parent.Handle(), RECT { 10, 20, 110, 45 });
    EXPECT_EQ(control.parentWidget(), &parent);
    EXPECT_EQ(control.geometry(), QRect(10, 20, 100, 25));

    parent.show();
    KWShowByStyle(&control, 0x40000000);
    EXPECT_FALSE(control.isVisible());
    KWShowByStyle(&control, WS_VISIBLE | 0x40000000);
    EXPECT_TRUE(control.isVisible());

    const RECT move { 1, 2, 11, 12 };
    KWMoveInclusive(&control, &move);
    EXPECT_EQ(control.geometry(), QRect(1, 2, 11, 11));
    KWMoveExclusive(&control, &move);
    EXPECT_EQ(control.geometry(), QRect(1, 2, 10, 10));
    KWMoveInclusive(&control, nullptr);
    EXPECT_EQ(control.geometry(), QRect(1, 2, 10, 10));
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A child 40 x 30 at (10, 20) of a window at (100, 50): every rectangle the
// controls report is right and bottom inclusive.
TEST(ControlKit, WidgetRectanglesOnTheScreenAndInTheWidget)
{
    QWidget window;
    window.setGeometry(100, 50, 300, 200);
    QLabel child(&window);
    child.setGeometry(10, 20, 40, 30);
    window.show();
    ASSERT_EQ(child.mapToGlobal(QPoint(0, 0)), QPoint(110, 70));

    RECT screen {}, client {}, mapped { 110, 70, 149, 99 };
    POINT point { 115, 71 };
    KWScreenRectOf(&child, &screen);
    KWClientRectOf(&child, &client);
    KWScreenToClient(&child, &mapped);
    KWScreenToClient(&child, &point);
    struct Row {
        const char* name;
        RECT got, expected;
    };
    const Row rows[] = {
        { "on the screen", screen, { 110, 70, 149, 99 } },
        { "in the widget", client, { 0, 0, 39, 29 } },
        { "screen rectangle mapped into the widget", mapped, { 0, 0, 39, 29 } },
        { "screen point mapped into the widget", { point.x, point.y, 0, 0 }, { 5, 1, 0, 0 } },
        { "a QRect keeps its inclusive corners", KWToRECT(QRect(3, 4, 10, 20)), { 3, 4, 12, 23 } },
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(row.got == row.expected) << row.name << ": " << row.got.left << "," << row.got.top << ","
                                             << row.got.right << "," << row.got.bottom;
    }
    KWScreenRectOf(&child, nullptr);
    KWClientRectOf(nullptr, &client);
    KWScreenToClient(&child, static_cast<POINT*>(nullptr));
    EXPECT_TRUE(client == (RECT { 0, 0, 39, 29 })) << "a null widget writes nothing";
}

// The abstract part sits after the widget, as in every CKWQTxxx.
struct AbstractPart {
    virtual ~AbstractPart() = default;
    int field = 0;
};
struct TwoBases : QLabel, AbstractPart { };

TEST(ControlKit, HandlesAreTheWidgetAddressWhateverTheMultipleInheritance)
{
    TwoBases control;
    AbstractPart* abstract = &control;
    void* handle = KWHandleFromWidget(&control);
    EXPECT_EQ(handle, static_cast<void*>(static_cast<QWidget*>(&control)));
    EXPECT_NE(handle, static_cast<void*>(abstract));
    EXPECT_EQ(KWWidgetFromHandle(handle), &control);
    EXPECT_EQ(KWWidgetFromHandle(nullptr), nullptr);
}

TEST(ControlKit, WideTextCopyHonoursTheCapacityWithItsTerminator)
{
    struct Row {
        const char* name;
        QString text;
        int capacity;
        const wchar_t* expected;
        int copied;
    };
    const Row rows[] = {
        { "fits", QStringLiteral("abc"), 8, L"abc", 3 },
        { "exactly fits with the NUL", QStringLiteral("abc"), 4, L"abc", 3 },
        { "cut to leave room for the NUL", QStringLiteral("abcdef"), 4, L"abc", 3 },
        { "capacity one holds only the NUL", QStringLiteral("abc"), 1, L"", 0 },
        { "empty text", QString(), 5, L"", 0 },
        { "a character outside the BMP is one unit", QString::fromUtf8("x\xF0\x9F\x93\xB7y"), 3,
            L"x\U0001F4F7", 2 },
    };
    for (const Row& row : rows) {
        wchar_t buffer[10];
        std::wmemset(buffer, L'#', 10);
        EXPECT_EQ(KWCopyWideText(row.text, buffer, row.capacity), row.copied) << row.name;
        EXPECT_STREQ(buffer, row.expected) << row.name;
        EXPECT_EQ(buffer[row.capacity], L'#') << row.name << ": wrote past the capacity";
    }
    wchar_t untouched[2] = { L'#', L'#' };
    EXPECT_EQ(KWCopyWideText(QStringLiteral("abc"), untouched, 0), 0);
    EXPECT_EQ(untouched[0], L'#');
    EXPECT_EQ(KWCopyWideText(QStringLiteral("abc"), nullptr, 5), 0);
}

TEST(ControlKit, SkinPicturesLoadFromTheSkinDirectoryAndAnEmptyNameKeepsTheOldOne)
{
    KWTempSkinDir skin { { QStringLiteral("red.png"), Qt::red, QSize(5, 3) } };
    QPixmap picture;
    EXPECT_TRUE(KWLoadSkinPixmap(L"red.png", picture));
    EXPECT_EQ(picture.size(), QSize(5, 3));
    EXPECT_EQ(picture.toImage().pixelColor(0, 0), QColor(Qt::red));

    EXPECT_FALSE(KWLoadSkinPixmap(std::wstring(), picture));
    EXPECT_FALSE(KWLoadSkinPixmap(static_cast<LPCWSTR>(nullptr), picture));
    EXPECT_EQ(picture.size(), QSize(5, 3));

    EXPECT_FALSE(KWLoadSkinPixmap(QStringLiteral("missing.png"), picture));
    EXPECT_TRUE(picture.isNull());
}

// Whether a file was opened: the kernel queues the event before open
// returns, and merges it with one of its kind not read yet.
class OpenWatch {
public:
    explicit OpenWatch(const QString& path)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        ::inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN);
    }
    ~OpenWatch() { ::close(m_fd); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    // Since the last time asked.
    bool Opened() const
    {
        inotify_event events[64];
        bool opened = false;
        while (::read(m_fd, events, sizeof(events)) > 0) {
            opened = true;
        }
        return opened;
    }

private:
    int m_fd;
};

// Every control of a kind asks for the same pictures: one that failed is
// neither read nor named again until its file changes.
TEST(ControlKit, APictureThatFailedIsReadAndNamedOnceUntilItsFileChanges)
{
    KWTempSkinDir skin;
    const QString path = skin.Path() + QStringLiteral("damaged.png");
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("\x89PNG not really") > 0);
    damaged.close();
    KWWarningCatcher catcher;
    const OpenWatch watch(path);
    QPixmap picture;
    EXPECT_FALSE(KWLoadPicture(path, picture));
    EXPECT_TRUE(watch.Opened());
    EXPECT_FALSE(KWLoadPicture(path, picture));
    EXPECT_FALSE(KWReadPicture(path, picture));
    EXPECT_EQ(KWPictureStyleUrl(path), QStringLiteral("none"));
    EXPECT_FALSE(watch.Opened()) << "read again";
    EXPECT_EQ(catcher.Warnings().filter(path).size(), 1) << catcher.Warnings().join("; ").toStdString();

    ASSERT_TRUE(skin.Add(QStringLiteral("damaged.png"), Qt::red));
    EXPECT_TRUE(KWLoadPicture(path, picture)) << "the file changed";
}

// Reading a pipe would wait for a writer: one where a picture should be is
// refused at once and named. Should a load wait on it after all, the test
// sets it free by opening and closing its other end.
TEST(ControlKit, APipeAsAPictureIsRefusedWithoutWaiting)
{
    KWTempSkinDir skin;
    const QString path = skin.Path() + QStringLiteral("pipe.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    std::atomic<bool> loaded { false };
    std::atomic<bool> waited { false };
    std::thread freer([&] {
        const QByteArray name = QFile::encodeName(path);
        for (QDeadlineTimer patience(3000); !loaded;
             std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
            const int fd = patience.hasExpired() ? ::open(name.constData(), O_WRONLY | O_NONBLOCK) : -1;
            if (fd >= 0) {
                waited = true;
                ::close(fd);
            }
        }
    });
    KWWarningCatcher catcher;
    QPixmap picture;
    EXPECT_FALSE(KWLoadPicture(path, picture));
    loaded = true;
    freer.join();
    EXPECT_FALSE(waited) << "the load waited on the pipe";
    const QStringList named = catcher.Warnings().filter(path);
    ASSERT_EQ(named.size(), 1) << catcher.Warnings().join("; ").toStdString();
    EXPECT_TRUE(named.front().contains(QStringLiteral("not a regular file"))) << named.front().toStdString();
}

TEST(ControlKit, HandCursorHotSpotFollowsTheScaleOfTheSkin)
{
    KWTempSkinDir skin { { QString::fromLatin1(KW_HAND_CURSOR_NAME), Qt::blue, QSize(32, 32) } };
    const float saved = g_uiScale;
    struct Row {
        float scale;
        QPoint hotSpot;
    };
    for (const Row& row : { Row { 1.0f, QPoint(13, 7) }, Row { 2.0f, QPoint(26, 14) } }) {
        g_uiScale = row.scale;
        EXPECT_EQ(KWHandCursorHotSpot(), row.hotSpot);
        QLabel widget;
        ASSERT_TRUE(KWSetHandCursor(&widget));
        EXPECT_EQ(widget.cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(widget.cursor().hotSpot(), row.hotSpot);
    }
    g_uiScale = saved;

    KWTempSkinDir emptySkin;
    QLabel widget;
    widget.setCursor(Qt::IBeamCursor);
    EXPECT_FALSE(KWSetHandCursor(&widget));
    EXPECT_EQ(widget.cursor().shape(), Qt::IBeamCursor) << "a missing picture leaves the cursor as it was";
}

TEST(ControlKit, SilenceGuardsNestAndRestoreTheFlag)
{
    bool silent = false;
    {
        CKWScopedSilence outer(silent);
        EXPECT_TRUE(silent);
        {
            CKWScopedSilence inner(silent);
            EXPECT_TRUE(silent);
        }
        EXPECT_TRUE(silent) << "the inner guard must not lift the outer one's silence";
    }
    EXPECT_FALSE(silent);
}

// Later controls react to these in their overrides; the kit's events must
// reach Qt 6's handlers.
struct Hoverable : QLabel {
    int enters = 0;
    int leaves = 0;
    void enterEvent(QEnterEvent*) override { ++enters; }
    void leaveEvent(QEvent*) override { ++leaves; }
};

TEST(ControlKit, EnterAndLeaveHelpersReachTheWidgetsHandlers)
{
    Hoverable widget;
    KWSendEnter(&widget);
    KWSendLeave(&widget);
    EXPECT_EQ(widget.enters, 1);
    EXPECT_EQ(widget.leaves, 1);
}

} // namespace
