#pragma once
// A task that runs a function, for the message-loop tests.

#include "base/msgloop/KWTask.h"

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include <functional>
#include <utility>

namespace msgloop_test {

class FunctionTask final : public CorvinaBase::CKWTask {
public:
    explicit FunctionTask(std::function<void()> work)
        : m_work(std::move(work))
    {
    }
    int Run() override
    {
        m_work();
        return 0;
    }

private:
    std::function<void()> m_work;
};

inline boost::shared_ptr<CorvinaBase::CTaskBase> MakeTask(std::function<void()> work)
{
    return boost::make_shared<FunctionTask>(std::move(work));
}

} // namespace msgloop_test
