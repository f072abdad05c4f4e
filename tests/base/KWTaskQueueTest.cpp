#include "base/msgloop/KWTask.h"
#include "base/msgloop/KWTaskQueue.h"

#include "MsgLoopTestTask.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <boost/weak_ptr.hpp>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace CorvinaBase;
using msgloop_test::MakeTask;

TEST(KWTaskQueue, RunsOneTaskPerCallInPushOrderAndReportsWhenEmpty)
{
    CKWTaskQueue queue;
    EXPECT_EQ(queue.ProcessOne(), 0);
    EXPECT_TRUE(queue.IsEmpty());

    std::string order;
    for (const char name : std::string("abc")) {
        queue.Push(MakeTask([&order, name] { order += name; }));
    }
    EXPECT_FALSE(queue.IsEmpty());
    EXPECT_EQ(queue.ProcessOne(), 1);
    EXPECT_EQ(order, "a");
    EXPECT_EQ(queue.ProcessOne(), 1);
    EXPECT_EQ(queue.ProcessOne(), 1);
    EXPECT_EQ(order, "abc");
    EXPECT_EQ(queue.ProcessOne(), 0);
}

TEST(KWTaskQueue, TasksPushedDuringABatchRunAfterTheWholeBatch)
{
    CKWTaskQueue queue;
    std::string order;
    bool emptyWhileBatchRuns = false;
    queue.Push(MakeTask([&] {
        order += 'a';
        // "b" is already swapped into the running batch, so nothing waits.
        emptyWhileBatchRuns = queue.IsEmpty();
        queue.Push(MakeTask([&order] { order += 'c'; }));
    }));
    queue.Push(MakeTask([&order] { order += 'b'; }));

    while (queue.ProcessOne() != 0) {
    }
    EXPECT_EQ(order, "abc");
    EXPECT_TRUE(emptyWhileBatchRuns);
}

TEST(KWTaskQueue, TaskIsReleasedAsSoonAsItHasRun)
{
    CKWTaskQueue queue;
    boost::shared_ptr<CTaskBase> task = MakeTask([] { });
    const boost::weak_ptr<CTaskBase> watch = task;
    queue.Push(task);
    task.reset();
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(queue.ProcessOne(), 1);
    EXPECT_TRUE(watch.expired());
}

TEST(KWTaskQueue, RecordWithoutWorkIsReleasedWithoutRunning)
{
    CKWTaskQueue queue;
    auto record = boost::make_shared<CTaskBase>();
    const boost::weak_ptr<CTaskBase> watch = record;
    queue.Push(record);
    record.reset();
    EXPECT_EQ(queue.ProcessOne(), 1);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(queue.ProcessOne(), 0);
}

TEST(KWTaskQueue, ClearReleasesWaitingAndSwappedTasksAlike)
{
    int runs = 0;
    std::vector<boost::weak_ptr<CTaskBase>> watches;
    {
        CKWTaskQueue queue;
        for (int i = 0; i < 3; ++i) {
            auto task = MakeTask([&runs] { ++runs; });
            watches.push_back(task);
            queue.Push(task);
        }
        EXPECT_EQ(queue.ProcessOne(), 1); // two tasks now wait in the swapped batch
        auto late = MakeTask([&runs] { ++runs; });
        watches.push_back(late);
        queue.Push(late);
        late.reset();

        queue.Clear();
        EXPECT_TRUE(queue.IsEmpty());
        EXPECT_EQ(queue.ProcessOne(), 0);
        for (const auto& watch : watches) {
            EXPECT_TRUE(watch.expired());
        }

        // The destructor releases what is still queued.
        auto leftover = MakeTask([&runs] { ++runs; });
        watches.push_back(leftover);
        queue.Push(leftover);
    }
    EXPECT_TRUE(watches.back().expired());
    EXPECT_EQ(runs, 1);
}

TEST(KWTaskQueue, ConcurrentPostsAllRunExactlyOnceInEachPostersOrder)
{
    constexpr int kPosters = 4;
    constexpr int kPerPoster = 2000;
    CKWTaskQueue queue;
    std::vector<int> lastSeen(kPosters, -1);
    std::atomic<bool> ordered { true };
    std::atomic<int> runs { 0 };

    std::vector<std::thread> posters;
    for (int p = 0; p < kPosters; ++p) {
        posters.emplace_back([&, p] {
            for (int i = 0; i < kPerPoster; ++i) {
                queue.Push(MakeTask([&, p, i] {
                    if (lastSeen[p] != i - 1) {
                        ordered = false;
                    }
                    lastSeen[p] = i;
                    ++runs;
                }));
            }
        });
    }
    // Drain while the posters are still at work.
    while (runs.load() < kPosters * kPerPoster) {
        if (queue.ProcessOne() == 0) {
            std::this_thread::yield();
        }
    }
    for (auto& poster : posters) {
        poster.join();
    }
    EXPECT_EQ(queue.ProcessOne(), 0);
    EXPECT_EQ(runs.load(), kPosters * kPerPoster);
    EXPECT_TRUE(ordered.load());
}
