#include "base/KWEvent.h"
#include "base/KWThread.h"
#include "base/msgloop/KWMessageControlDefault.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/msgloop/KWTask.h"
#include "base/platform/KWPlatform.h"

#include "MsgLoopTestTask.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace CorvinaBase;
using msgloop_test::MakeTask;
using KW_SOFT_BASE::CKWEvent;
using KW_SOFT_BASE::CKWThread;

namespace {

// A worker pump on a plain thread, stopped and joined at the end.
class PumpThread {
public:
    explicit PumpThread(boost::shared_ptr<CKWMessageLoop> loop)
        : m_loop(std::move(loop))
        , m_thread([this] { m_loop->Run(); })
    {
    }
    ~PumpThread()
    {
        m_loop->Quit();
        m_thread.join();
    }

private:
    boost::shared_ptr<CKWMessageLoop> m_loop;
    std::thread m_thread;
};

// Posts a task that signals when the loop reaches it.
bool WaitUntilDrained(const boost::shared_ptr<CKWMessageLoop>& loop, bool lowPriority = true)
{
    auto reached = std::make_shared<CKWEvent>();
    reached->Create(0, 1);
    auto task = MakeTask([reached] { reached->SetEvent(); });
    if (lowPriority) {
        loop->PostLowPriorityTask(task);
    } else {
        loop->PostTask(task);
    }
    return reached->Wait(5000) == WAIT_OBJECT_0;
}

} // namespace

TEST(KWMessageLoop, CreateMakesAPumpOfTheKindAndRefusesOtherKinds)
{
    const auto worker = CKWMessageLoop::Create(CKWMessageLoop::KIND_DEFAULT);
    ASSERT_TRUE(worker);
    EXPECT_NE(dynamic_cast<CKWMessageControl_Default*>(worker->GetControl().get()), nullptr);
    EXPECT_EQ(worker->GetThreadId(), 0u);
    EXPECT_EQ(worker->ProcessSpare(), 0);
    EXPECT_TRUE(worker->IsIdle());
    EXPECT_FALSE(CKWMessageLoop::Create(2));
    EXPECT_FALSE(CKWMessageLoop::Create(-1));
}

TEST(KWMessageLoop, NullTaskIsIgnored)
{
    const auto loop = CKWMessageLoop::Create(0);
    loop->PostTask(boost::shared_ptr<CTaskBase>());
    loop->PostLowPriorityTask(boost::shared_ptr<CTaskBase>());
    EXPECT_TRUE(loop->IsIdle());
    EXPECT_EQ(loop->ProcessQueueA(), 0);
    EXPECT_EQ(loop->ProcessQueueB(), 0);
}

TEST(KWMessageLoop, NormalTasksRunBeforeLowPriorityTasks)
{
    const auto loop = CKWMessageLoop::Create(0);
    std::string order;
    for (const char name : std::string("xy")) {
        loop->PostLowPriorityTask(MakeTask([&order, name] { order += name; }));
    }
    for (const char name : std::string("abc")) {
        loop->PostTask(MakeTask([&order, name] { order += name; }));
    }
    {
        PumpThread pump(loop);
        ASSERT_TRUE(WaitUntilDrained(loop));
    }
    EXPECT_EQ(order, "abcxy");
}

TEST(KWMessageLoop, LowPriorityTaskWaitsWhileNormalTasksKeepArriving)
{
    const auto loop = CKWMessageLoop::Create(0);
    std::string order;
    loop->PostLowPriorityTask(MakeTask([&order] { order += 'L'; }));
    // Each normal task posts the next one, so queue A is never empty at the
    // start of a pass until the chain ends.
    std::function<void(int)> chain = [&](int left) {
        order += 'n';
        if (left > 0) {
            loop->PostTask(MakeTask([&chain, left] { chain(left - 1); }));
        }
    };
    loop->PostTask(MakeTask([&chain] { chain(4); }));
    {
        PumpThread pump(loop);
        ASSERT_TRUE(WaitUntilDrained(loop));
    }
    EXPECT_EQ(order, "nnnnnL");
}

TEST(KWMessageLoop, IdlePumpWakesForPostsFromManyThreadsAndRunsThemOnItsOwnThread)
{
    constexpr int kPosters = 4;
    constexpr int kPerPoster = 500;
    const auto loop = CKWMessageLoop::Create(0);
    std::atomic<int> runs { 0 };
    std::atomic<int> offPumpThread { 0 };
    std::atomic<DWORD> pumpThread { 0 };
    loop->PostTask(MakeTask([&pumpThread] { pumpThread = KwGetCurrentThreadId(); }));
    {
        PumpThread pump(loop);
        std::vector<std::thread> posters;
        for (int p = 0; p < kPosters; ++p) {
            posters.emplace_back([&, p] {
                for (int i = 0; i < kPerPoster; ++i) {
                    auto task = MakeTask([&] {
                        offPumpThread += KwGetCurrentThreadId() != pumpThread.load() ? 1 : 0;
                        ++runs;
                    });
                    (i + p) % 3 == 0 ? loop->PostLowPriorityTask(task) : loop->PostTask(task);
                    if (i % 100 == 0) { // let the pump fall idle now and then
                        std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    }
                }
            });
        }
        for (auto& poster : posters) {
            poster.join();
        }
        ASSERT_TRUE(WaitUntilDrained(loop));
    }
    EXPECT_EQ(runs.load(), kPosters * kPerPoster);
    EXPECT_EQ(offPumpThread.load(), 0);
    EXPECT_NE(pumpThread.load(), KwGetCurrentThreadId());
}

TEST(KWMessageLoop, StoppedPumpIsNotRestarted)
{
    const auto loop = CKWMessageLoop::Create(0);
    loop->Quit();
    bool ran = false;
    loop->PostTask(MakeTask([&ran] { ran = true; }));
    loop->Run(); // returns at once
    EXPECT_FALSE(ran);
    auto* pump = dynamic_cast<CKWMessageControl_Default*>(loop->GetControl().get());
    ASSERT_NE(pump, nullptr);
    EXPECT_FALSE(pump->IsRunning());
}

namespace {

struct ThreadRun {
    boost::shared_ptr<CKWMessageLoop> loop;
    std::atomic<bool> ended { false };
};

DWORD RunLoopThenLinger(void* context)
{
    auto* run = static_cast<ThreadRun*>(context);
    run->loop->SetThreadId(KwGetCurrentThreadId());
    run->loop->Run();
    // Quit must wait for this too, not only for the pump to leave Run.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    run->ended = true;
    return 0;
}

} // namespace

TEST(KWMessageLoop, QuitWaitsForTheRecordedThreadToEnd)
{
    ThreadRun run;
    run.loop = CKWMessageLoop::Create(0);
    {
        CKWThread thread;
        ASSERT_EQ(thread.Create(0, &RunLoopThenLinger, &run, 0, nullptr), 1);
        run.loop->SetThreadHandle(thread.GetImpl()->thread);
    } // the loop keeps its own reference to the thread
    ASSERT_TRUE(WaitUntilDrained(run.loop, false));
    run.loop->Quit();
    EXPECT_TRUE(run.ended.load());
}

TEST(KWMessageLoop, QuitFromATaskOnTheLoopsOwnThreadDoesNotWaitForItself)
{
    ThreadRun run;
    run.loop = CKWMessageLoop::Create(0);
    CKWThread thread;
    ASSERT_EQ(thread.Create(0, &RunLoopThenLinger, &run, 0, nullptr), 1);
    run.loop->SetThreadHandle(thread.GetImpl()->thread);
    const boost::weak_ptr<CKWMessageLoop> weakLoop = run.loop;
    run.loop->PostTask(MakeTask([weakLoop] {
        if (auto loop = weakLoop.lock()) {
            loop->Quit();
        }
    }));
    EXPECT_EQ(thread.Wait(5000), WAIT_OBJECT_0);
    EXPECT_TRUE(run.ended.load());
}
