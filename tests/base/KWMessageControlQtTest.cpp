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
#include <QTimer>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

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

TEST_F(QtPump, WithoutAMainLoopTheTimerStopsAndTasksWait)
{
    CKWMessageLoopManager::Instance()->RegisterLoop(boost::shared_ptr<CKWMessageLoop>(), ML_MAIN);
    bool ran = false;
    m_loop->PostTask(MakeTask([&ran] { ran = true; }));
    EXPECT_TRUE(ProcessEventsUntil([this] { return !m_pump->GetTimer()->isActive(); }));
    EXPECT_FALSE(ran);

    CKWMessageLoopManager::Instance()->RegisterLoop(m_loop, ML_MAIN);
    m_loop->GetControl()->Notify();
    EXPECT_TRUE(ProcessEventsUntil([&] { return ran; }));
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
