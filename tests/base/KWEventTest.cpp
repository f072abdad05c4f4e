#include "base/KWEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace KW_SOFT_BASE;

TEST(KWEvent, WaitWithoutEventFails)
{
    CKWEvent event;
    EXPECT_EQ(event.Wait(0), WAIT_FAILED);
    event.SetEvent(); // nothing to set; must not crash
    ASSERT_EQ(event.Create(1, 1), 1);
    EXPECT_EQ(event.Close(), 1);
    EXPECT_EQ(event.Wait(0), WAIT_FAILED);
    EXPECT_EQ(event.Close(), 1);
}

TEST(KWEvent, TimedWaitOnUnsetEventTimesOut)
{
    CKWEvent event;
    ASSERT_EQ(event.Create(0, 0), 1);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(event.Wait(50), WAIT_TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(45));
}

TEST(KWEvent, SignalFromAnotherThreadEndsTimedWait)
{
    CKWEvent event;
    ASSERT_EQ(event.Create(0, 0), 1);
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        event.SetEvent();
    });
    EXPECT_EQ(event.Wait(10000), WAIT_OBJECT_0);
    setter.join();
    EXPECT_EQ(event.Wait(0), WAIT_TIMEOUT) << "auto reset: the wait consumed it";
}

TEST(KWEvent, ManualResetReleasesEveryWaiterAndStaysSet)
{
    CKWEvent event;
    ASSERT_EQ(event.Create(0, 1), 1);
    std::atomic<int> released { 0 };
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i) {
        waiters.emplace_back([&] {
            if (event.Wait(10000) == WAIT_OBJECT_0) {
                ++released;
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    event.SetEvent();
    for (auto& t : waiters) {
        t.join();
    }
    EXPECT_EQ(released.load(), 3);
    EXPECT_EQ(event.Wait(0), WAIT_OBJECT_0);
    event.ResetEvent();
    EXPECT_EQ(event.Wait(0), WAIT_TIMEOUT);
}

TEST(KWEvent, AutoResetReleasesOneWaiterPerSignal)
{
    CKWEvent event;
    ASSERT_EQ(event.Create(0, 0), 1);
    std::atomic<int> released { 0 };
    std::vector<std::thread> waiters;
    for (int i = 0; i < 2; ++i) {
        waiters.emplace_back([&] {
            if (event.Wait(1000) == WAIT_OBJECT_0) {
                ++released;
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    event.SetEvent();
    for (auto& t : waiters) {
        t.join();
    }
    EXPECT_EQ(released.load(), 1);
    EXPECT_EQ(event.Wait(0), WAIT_TIMEOUT);
}

TEST(KWEvent, SecondCreateReplacesFirstEvent)
{
    CKWEvent event;
    ASSERT_EQ(event.Create(1, 1), 1);
    ASSERT_EQ(event.Create(0, 0), 1);
    EXPECT_EQ(event.Wait(0), WAIT_TIMEOUT) << "the new event's initial state holds";
}
