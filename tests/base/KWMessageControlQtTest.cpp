#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWMessageControlQt.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/msgloop/KWMessageLoopManager.h"
#include "base/msgloop/KWTask.h"
#include "base/platform/KWPlatform.h"

#include "MsgLoopTestTask.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <time.h>

using namespace CorvinaBase;
using msgloop_test::MakeTask;

namespace {

// Spins Qt's event loop until the condition holds or two seconds pass.
bool ProcessEventsUntil(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

double ProcessCpuSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Processor time of the whole process while Qt's event loop runs for a second
// with nothing to do.
double ProcessCpuSecondsOfIdleSecond()
{
    const double start = ProcessCpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(1000, &idle, &QEventLoop::quit);
    idle.exec();
    return ProcessCpuSeconds() - start;
}

// A GUI-thread loop registered as the main loop for one test.
class QtPump : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_loop = CKWMessageLoop::Create(CKWMessageLoop::KIND_QT);
        ASSERT_TRUE(m_loop);
        m_pump = dynamic_cast<CKWMessageControl_Qt*>(m_loop->GetControl().get());
        ASSERT_NE(m_pump, nullptr);
        CKWMessageLoopManager::Instance()->RegisterLoop(m_loop, ML_MAIN);
        // The first tick after construction finds nothing and stops the timer.
        ASSERT_TRUE(ProcessEventsUntil([this] { return !m_pump->GetTimer()->isActive(); }));
    }
    void TearDown() override
    {
        CKWMessageLoopManager::Instance()->RegisterLoop(boost::shared_ptr<CKWMessageLoop>(), ML_MAIN);
    }

    boost::shared_ptr<CKWMessageLoop> m_loop;
    CKWMessageControl_Qt* m_pump = nullptr;
};

} // namespace

TEST_F(QtPump, RunsNormalTasksFirstOnTheGuiThreadThenStopsItsTimer)
{
    std::string order;
    DWORD ranOn = 0;
    for (const char name : std::string("xy")) {
        m_loop->PostLowPriorityTask(MakeTask([&order, name] { order += name; }));
    }
    for (const char name : std::string("abc")) {
        m_loop->PostTask(MakeTask([&order, &ranOn, name] {
            order += name;
            ranOn = KwGetCurrentThreadId();
        }));
    }
    EXPECT_TRUE(ProcessEventsUntil([&] { return order.size() == 5; }));
    EXPECT_EQ(order, "abcxy");
    EXPECT_EQ(ranOn, KwGetCurrentThreadId());
    EXPECT_TRUE(ProcessEventsUntil([this] { return !m_pump->GetTimer()->isActive(); }))
        << "an idle pump keeps no timer running";
}

TEST_F(QtPump, PostFromAWorkerThreadWakesTheIdlePump)
{
    std::atomic<DWORD> ranOn { 0 };
    std::thread([this, &ranOn] { m_loop->PostTask(MakeTask([&ranOn] { ranOn = KwGetCurrentThreadId(); })); }).join();
    EXPECT_TRUE(ProcessEventsUntil([&] { return ranOn.load() != 0; }));
    EXPECT_EQ(ranOn.load(), KwGetCurrentThreadId());
}

TEST_F(QtPump, StopHaltsTheTimerUntilTheNextPost)
{
    bool ran = false;
    m_loop->PostTask(MakeTask([&ran] { ran = true; }));
    m_loop->Quit();
    EXPECT_FALSE(m_pump->GetTimer()->isActive());
    // The wake-up event of the post is still queued and restarts the pump.
    EXPECT_TRUE(ProcessEventsUntil([&] { return ran; }));
}

TEST_F(QtPump, ALoopThatIsNotTheMainLoopRunsItsOwnTasks)
{
    CKWMessageLoopManager::Instance()->RegisterLoop(boost::shared_ptr<CKWMessageLoop>(), ML_MAIN);
    bool ran = false;
    m_loop->PostTask(MakeTask([&ran] { ran = true; }));
    EXPECT_TRUE(ProcessEventsUntil([&] { return ran; }));
    EXPECT_TRUE(ProcessEventsUntil([this] { return !m_pump->GetTimer()->isActive(); }));
}

// A pump whose timer is left running spins the GUI thread: a spinning second
// costs about a second of processor time, an idle one a few milliseconds.
TEST_F(QtPump, TheEventLoopIdlesAfterEachWayOfStoppingOrDrivingAPump)
{
    // Each row is a second Qt loop beside the main one, with what a worker
    // thread does to it first.
    const struct {
        const char* name;
        std::function<void(CKWMessageLoop&)> onWorker;
    } rows[] = {
        { "nothing", nullptr },
        { "Quit while the timer runs", [](CKWMessageLoop& loop) { loop.Quit(); } },
        { "a pass, as a thread that owns a Qt loop runs one", [](CKWMessageLoop& loop) { loop.Run(); } },
    };
    for (const auto& row : rows) {
        const boost::shared_ptr<CKWMessageLoop> loop = CKWMessageLoop::Create(CKWMessageLoop::KIND_QT);
        if (row.onWorker) {
            std::thread([&] { row.onWorker(*loop); }).join();
        }
        bool ran = false;
        loop->PostTask(MakeTask([&ran] { ran = true; }));
        EXPECT_LT(ProcessCpuSecondsOfIdleSecond(), 0.25) << row.name;
        EXPECT_TRUE(ran) << row.name << ": the loop's own timer runs its task";
    }
}

TEST_F(QtPump, NativeMessagesDriveOnePassExceptTheExcludedOnes)
{
    const struct {
        UINT message;
        bool drives;
    } rows[] = {
        { 7, false }, { 8, false }, { 10, false }, { 15, false }, { 16, false }, { 18, false }, { 20, false },
        { 21, false }, { 24, false }, { 26, false }, { WM_NULL, true }, { WM_TIMER, true }, { WM_USER, true },
    };
    for (const auto& row : rows) {
        int runs = 0;
        m_loop->PostTask(MakeTask([&runs] { ++runs; }));
        MSG message {};
        message.message = row.message;
        EXPECT_FALSE(CKWMessageControl_Qt::FilterNativeMessage(&message));
        EXPECT_EQ(runs, row.drives ? 1 : 0) << "message " << row.message;
        // Drain what the excluded message left, before the next row.
        while (m_loop->ProcessQueueA() != 0) {
        }
    }
    EXPECT_FALSE(CKWMessageControl_Qt::FilterNativeMessage(nullptr));
}
