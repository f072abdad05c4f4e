#include "base/KWMutex.h"

#include "tests/base/MutexProbe.h"

#include <gtest/gtest.h>

using namespace KW_SOFT_BASE;
using mutex_test::FreeForOtherThread;

namespace {

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
