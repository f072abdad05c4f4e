#pragma once
// A unit of work for a message loop: derive, put the work in Run, and post a
// shared pointer to the loop. The task is released once it has run.

#include "base/msgloop/KWTaskBase.h"

namespace CorvinaBase {

class CKWTask : public CTaskBase {
public:
    CKWTask() = default;
    // Writes the destroy trace at trace level 2.
    ~CKWTask() override;

    // The work, run on the loop's thread. The result is not used.
    virtual int Run() = 0;
};

} // namespace CorvinaBase
