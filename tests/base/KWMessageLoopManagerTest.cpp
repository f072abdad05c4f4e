#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWMessageLoop.h"
#include "base/msgloop/KWMessageLoopManager.h"
#include "base/platform/KWPlatform.h"

#include <gtest/gtest.h>

#include <boost/weak_ptr.hpp>

#include <thread>

using namespace CorvinaBase;

namespace {

// The registry is process-wide: each test leaves its ids empty.
class LoopRegistry : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const int id : { ML_HELPER, ML_TEST, ML_EXPORT }) {
            m_registry->RegisterLoop(boost::shared_ptr<CKWMessageLoop>(), id);
        }
    }

    const boost::shared_ptr<CKWMessageLoopManager> m_registry = CKWMessageLoopManager::Instance();
};

} // namespace

TEST_F(LoopRegistry, UnregisteredIdHasNoLoopAndNoThread)
{
    EXPECT_FALSE(m_registry->GetLoop(ML_EXPORT));
    EXPECT_FALSE(m_registry->GetLoop(12345));
    EXPECT_FALSE(m_registry->IsCurrentLoopThread(ML_EXPORT));
}

TEST_F(LoopRegistry, RegisteringAgainReplacesTheLoopButItsHoldersKeepIt)
{
    auto first = CKWMessageLoop::Create(0);
    const boost::weak_ptr<CKWMessageLoop> watchFirst = first;
    auto second = CKWMessageLoop::Create(0);
    const boost::weak_ptr<CKWMessageLoop> watchSecond = second;

    m_registry->RegisterLoop(first, ML_TEST);
    EXPECT_EQ(m_registry->GetLoop(ML_TEST), first);
    m_registry->RegisterLoop(second, ML_TEST);
    EXPECT_EQ(m_registry->GetLoop(ML_TEST), second);
    EXPECT_FALSE(watchFirst.expired()) << "the test still holds the old loop";
    first.reset();
    EXPECT_TRUE(watchFirst.expired());

    second.reset();
    EXPECT_FALSE(watchSecond.expired()) << "the registry holds the new loop";
    m_registry->RegisterLoop(boost::shared_ptr<CKWMessageLoop>(), ML_TEST);
    EXPECT_FALSE(m_registry->GetLoop(ML_TEST));
    EXPECT_TRUE(watchSecond.expired());
}

TEST_F(LoopRegistry, CurrentLoopThreadIsTheThreadRecordedInThatLoop)
{
    auto here = CKWMessageLoop::Create(0);
    here->SetThreadId(KwGetCurrentThreadId());
    m_registry->RegisterLoop(here, ML_HELPER);
    m_registry->RegisterLoop(CKWMessageLoop::Create(0), ML_TEST); // thread not yet known

    EXPECT_TRUE(m_registry->IsCurrentLoopThread(ML_HELPER));
    EXPECT_FALSE(m_registry->IsCurrentLoopThread(ML_TEST));
    bool elsewhere = true;
    std::thread([&] { elsewhere = m_registry->IsCurrentLoopThread(ML_HELPER); }).join();
    EXPECT_FALSE(elsewhere);
}
