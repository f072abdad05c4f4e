#include "base/KWMutex.h"

#include <gtest/gtest.h>

#include <thread>

using namespace KW_SOFT_BASE;

namespace {

// TryLock from a second thread; releases at once when it got the mutex.
template <typename Mutex>
bool FreeForOtherThread(Mutex& mutex)
{
    bool taken = false;
    std::thread other([&] {
        taken = mutex.TryLock() != 0;
        if (taken) {
            mutex.Unlock();
        }
    });
    other.join();
    return taken;
}

template <typename Mutex>
class KWMutexTest : public ::testing::Test { };

using MutexTypes = ::testing::Types<CKWMutex, CKWToolMutex>;
TYPED_TEST_SUITE(KWMutexTest, MutexTypes);

} // namespace

TYPED_TEST(KWMutexTest, OwnerMayLockAgainAndMustUnlockAsOften)
{
    TypeParam mutex;
    mutex.Lock();
    mutex.Lock();
    EXPECT_NE(mutex.TryLock(), 0) << "the owner takes it again";
    mutex.Unlock();
    EXPECT_FALSE(FreeForOtherThread(mutex));
    mutex.Unlock();
    EXPECT_FALSE(FreeForOtherThread(mutex)) << "one level is still held";
    mutex.Unlock();
    EXPECT_TRUE(FreeForOtherThread(mutex));
}
