#pragma once
// Reference counting of the display-surface layer's objects: each holder
// owns one reference and gives it back with Release exactly once; the last
// Release deletes the object.

#include "base/platform/KWWinTypes.h"

#include <atomic>

class CKWDDrawObject {
public:
    CKWDDrawObject() = default;
    CKWDDrawObject(const CKWDDrawObject&) = delete;
    CKWDDrawObject& operator=(const CKWDDrawObject&) = delete;

    ULONG AddRef() { return ++m_refs; }
    ULONG Release()
    {
        const ULONG left = --m_refs;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    virtual ~CKWDDrawObject() = default;

private:
    std::atomic<ULONG> m_refs {1};
};
