#include "base/KWEvent.h"
#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/msgloop/KWMessageLoopManager.h"
#include "base/msgloop/KWTask.h"
#include "base/msgloop/KWThreadExQt.h"
#include "base/platform/KWPlatform.h"

#include "MsgLoopTestTask.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <boost/weak_ptr.hpp>

#include <atomic>
#include <functional>

using namespace CorvinaBase;
using msgloop_test::MakeTask;
using KW_SOFT_BASE::CKWEvent;

namespace {

// Runs the work on the loop and waits for it.
bool RunOnLoop(const boost::shared_ptr<CKWMessageLoop>& loop, std::function<void()> work)
{
    auto done = std::make_shared<CKWEvent>();
    done->Create(0, 1);
    loop->PostTask(MakeTask([done, work] {
        work();
        done->SetEvent();
    }));
    return done->Wait(5000) == WAIT_OBJECT_0;
}

} // namespace

TEST(KWThreadExQt, StartReturnsOnceTheThreadRunsAndTasksRunOnIt)
{
    const auto thread = CKWThreadEx_Qt::Create(0);
    ASSERT_EQ(thread->Start(), 1);
    const auto loop = thread->GetLoop();
    const DWORD worker = loop->GetThreadId();
    EXPECT_NE(worker, 0u) << "the body has begun before Start returns";
    EXPECT_NE(worker, KwGetCurrentThreadId());
    EXPECT_EQ(thread->Start(), 1) << "a second start changes nothing";
    EXPECT_EQ(loop->GetThreadId(), worker);

    const auto registry = CKWMessageLoopManager::Instance();
    registry->RegisterLoop(loop, ML_TEST);
    DWORD ranOn = 0;
    bool recognised = false;
    ASSERT_TRUE(RunOnLoop(loop, [&] {
        ranOn = KwGetCurrentThreadId();
        recognised = registry->IsCurrentLoopThread(ML_TEST);
    }));
    EXPECT_EQ(ranOn, worker);
    EXPECT_TRUE(recognised);
    EXPECT_FALSE(registry->IsCurrentLoopThread(ML_TEST));

    registry->RegisterLoop(boost::shared_ptr<CKWMessageLoop>(), ML_TEST);
    loop->Quit();
}

TEST(KWThreadExQt, ThreadKeepsItsObjectAliveUntilQuitHasJoinedIt)
{
    auto thread = CKWThreadEx_Qt::Create(0);
    ASSERT_EQ(thread->Start(), 1);
    const auto loop = thread->GetLoop();
    const boost::weak_ptr<CKWThreadEx_Qt> watch = thread;
    thread.reset();
    EXPECT_FALSE(watch.expired()) << "the running thread holds the object";

    int runs = 0;
    ASSERT_TRUE(RunOnLoop(loop, [&runs] { ++runs; }));
    EXPECT_EQ(runs, 1);

    loop->Quit();
    EXPECT_TRUE(watch.expired()) << "Quit returns after the thread has let go and ended";
}

TEST(KWThreadExQt, StopEndsTheThread)
{
    const auto thread = CKWThreadEx_Qt::Create(0);
    ASSERT_EQ(thread->Start(), 1);
    const auto loop = thread->GetLoop();
    thread->Stop();
    loop->Quit(); // only joins now
    bool ran = false;
    loop->PostTask(MakeTask([&ran] { ran = true; }));
    EXPECT_FALSE(ran);
    EXPECT_FALSE(loop->IsIdle()) << "nothing drains a stopped loop";
}
