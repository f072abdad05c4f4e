#pragma once
// The process-wide registry of message loops by number, so that code can
// post to a loop it did not create.

#include "base/KWMutex.h"

#include <boost/shared_ptr.hpp>

#include <map>

namespace CorvinaBase {

class CKWMessageLoop;

class CKWMessageLoopManager {
public:
    // The one registry, made on the first call and released at exit.
    static boost::shared_ptr<CKWMessageLoopManager> Instance();

    CKWMessageLoopManager() = default;
    virtual ~CKWMessageLoopManager();

    CKWMessageLoopManager(const CKWMessageLoopManager&) = delete;
    CKWMessageLoopManager& operator=(const CKWMessageLoopManager&) = delete;

    // Empty when no loop is registered under the id.
    boost::shared_ptr<CKWMessageLoop> GetLoop(int id);
    // Replaces the loop registered under the id; the old loop lives on while
    // someone else holds it. A null loop just removes the entry.
    void RegisterLoop(const boost::shared_ptr<CKWMessageLoop>& loop, int id);
    // Whether the calling thread is the one that runs the loop of that id.
    bool IsCurrentLoopThread(int id);

private:
    std::map<int, boost::shared_ptr<CKWMessageLoop>> m_loops;
    KW_SOFT_BASE::CKWToolMutex m_mutex;
};

} // namespace CorvinaBase
