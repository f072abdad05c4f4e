#include "base/KWEvent.h"
#include "base/KWThread.h"
#include "base/platform/KWPlatform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <pthread.h>

using namespace KW_SOFT_BASE;

namespace {

struct Job {
    CKWEvent release; // the thread waits for this before it ends
    std::atomic<int> runs { 0 };
    std::atomic<DWORD> threadId { 0 };
    std::atomic<bool> finished { false };
    size_t stackSize = 0;

    Job() { release.Create(0, 1); }
};

DWORD RunJob(void* context)
{
    auto* job = static_cast<Job*>(context);
    job->threadId = KwGetCurrentThreadId();
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) == 0) {
        pthread_attr_getstacksize(&attr, &job->stackSize);
        pthread_attr_destroy(&attr);
    }
    ++job->runs;
    job->release.Wait(INFINITE);
    job->finished = true;
    return 0;
}

} // namespace

TEST(KWThread, CreateRunsProcedureOnceAndReportsItsId)
{
    Job job;
    CKWThread thread;
    DWORD id = 0;
    ASSERT_EQ(thread.Create(0, &RunJob, &job, 0, &id), 1);
    EXPECT_EQ(thread.Create(0, &RunJob, &job, 0, nullptr), 1) << "already running: nothing new";
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_NE(id, KwGetCurrentThreadId());

    EXPECT_EQ(thread.Wait(30), WAIT_TIMEOUT);
    EXPECT_TRUE(thread.IsRunning()) << "a timed-out wait keeps the handle";

    job.release.SetEvent();
    EXPECT_EQ(thread.Wait(INFINITE), WAIT_OBJECT_0);
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.GetImpl()->thread, nullptr);
    EXPECT_EQ(job.runs.load(), 1);
    EXPECT_EQ(job.threadId.load(), id);
    EXPECT_EQ(thread.Wait(0), WAIT_FAILED);
}

TEST(KWThread, RefusedRequestsStartNothing)
{
    Job job;
    CKWThread thread;
    EXPECT_EQ(thread.Create(0, nullptr, &job, 0, nullptr), 0);
    EXPECT_EQ(thread.Create(0, &RunJob, &job, CREATE_SUSPENDED, nullptr), 0);
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.Terminate(1), 0);
    EXPECT_EQ(KwWaitForThread(nullptr, 0), WAIT_FAILED);
    EXPECT_EQ(job.runs.load(), 0);
}

TEST(KWThread, LargeStackSizeIsHonoured)
{
    Job job;
    job.release.SetEvent();
    CKWThread thread;
    constexpr DWORD size = 64u * 1024 * 1024;
    ASSERT_EQ(thread.Create(size, &RunJob, &job, 0, nullptr), 1);
    ASSERT_EQ(thread.Wait(INFINITE), WAIT_OBJECT_0);
    EXPECT_GE(job.stackSize, size);
}

// A copy of the handle outlives the CKWThread, or the other way round; either
// way the wait works and nothing is freed twice (the sanitizer build checks).
TEST(KWThread, CopiedHandleMayBeClosedBeforeOrAfterTheThreadObject)
{
    for (const bool copyFirst : { true, false }) {
        SCOPED_TRACE(copyFirst ? "copy closed first" : "thread object destroyed first");
        Job job;
        auto thread = std::make_unique<CKWThread>();
        ASSERT_EQ(thread->Create(0, &RunJob, &job, 0, nullptr), 1);
        HANDLE copy = KwDuplicateThreadHandle(thread->GetImpl()->thread);
        ASSERT_NE(copy, nullptr);
        if (copyFirst) {
            job.release.SetEvent();
            EXPECT_EQ(KwWaitForThread(copy, INFINITE), WAIT_OBJECT_0);
            EXPECT_EQ(KwCloseThreadHandle(copy), TRUE);
            EXPECT_EQ(thread->Wait(INFINITE), WAIT_OBJECT_0);
            thread.reset();
        } else {
            thread.reset(); // the thread keeps running
            EXPECT_EQ(KwWaitForThread(copy, 20), WAIT_TIMEOUT);
            job.release.SetEvent();
            EXPECT_EQ(KwWaitForThread(copy, INFINITE), WAIT_OBJECT_0);
            EXPECT_EQ(KwCloseThreadHandle(copy), TRUE);
        }
        EXPECT_TRUE(job.finished.load());
    }
}
