#include "base/KWAutoMutexLock.h"

#include "tests/base/MutexProbe.h"

#include <gtest/gtest.h>

#include <string>

using namespace KW_SOFT_BASE;
using mutex_test::FreeForOtherThread;

namespace {

template <typename Mutex, typename Lock>
struct LockPair {
    using MutexType = Mutex;
    using LockType = Lock;
};

template <typename Pair>
class KWAutoMutexLockTest : public ::testing::Test { };

using LockPairs = ::testing::Types<LockPair<CKWMutex, CKWAutoMutexLock>, LockPair<CKWToolMutex, CKWToolAutoMutexLock>>;
TYPED_TEST_SUITE(KWAutoMutexLockTest, LockPairs);

} // namespace

// Each row: calls made on the scoped lock ('U' Unlock, 'L' Lock), whether the
// lock holds the mutex afterwards. After the scope the mutex must always be
// free again: no level leaks and none is released twice.
TYPED_TEST(KWAutoMutexLockTest, AnyUnlockLockSequenceLeavesMutexFreeAfterScope)
{
    struct Row {
        const char* calls;
        bool heldAfterCalls;
    };
    const Row rows[] = {
        { "", true },
        { "U", false },
        { "UU", false },
        { "UL", true },
        { "L", true },
        { "LU", false },
        { "ULU", false },
        { "ULUL", true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("calls: \"") + row.calls + "\"");
        typename TypeParam::MutexType mutex;
        {
            typename TypeParam::LockType lock(mutex);
            for (const char* c = row.calls; *c != '\0'; ++c) {
                if (*c == 'U') {
                    lock.Unlock();
                } else {
                    lock.Lock();
                }
            }
            EXPECT_EQ(lock.IsLocked(), row.heldAfterCalls);
            EXPECT_EQ(FreeForOtherThread(mutex), !row.heldAfterCalls);
        }
        EXPECT_TRUE(FreeForOtherThread(mutex));
    }
}

TYPED_TEST(KWAutoMutexLockTest, PointerConstructorLocksAndNullLocksNothing)
{
    typename TypeParam::MutexType mutex;
    {
        typename TypeParam::LockType lock(&mutex);
        EXPECT_FALSE(FreeForOtherThread(mutex));
    }
    EXPECT_TRUE(FreeForOtherThread(mutex));

    typename TypeParam::LockType none(static_cast<typename TypeParam::MutexType*>(nullptr));
    EXPECT_FALSE(none.IsLocked());
    none.Unlock();
    none.Lock();
    EXPECT_FALSE(none.IsLocked());
}
