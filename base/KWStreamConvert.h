#pragma once
// Wide <-> 8-bit text in a chosen code page: 65001 for everything that goes to
// or comes from Qt, XML and database text; 0 for the local character set of
// 8-bit file paths. Usually a temporary: construct from the text, read GetA or
// GetW, let it go. A returned pointer lives until the object is reset or gone.

#include "base/platform/KWWinTypes.h"

#include <cstddef>
#include <memory>
#include <string>

namespace KW_SOFT_BASE {

class CKWStreamConvert {
public:
    // Both buffers null.
    CKWStreamConvert();
    // Keeps a copy of the text and its conversion. A null text converts as an
    // empty one; a code page not known here gives an empty conversion.
    CKWStreamConvert(const wchar_t* text, UINT codePage);
    CKWStreamConvert(const char* text, UINT codePage);
    virtual ~CKWStreamConvert();

    // Two owners of one buffer would free it twice.
    CKWStreamConvert(const CKWStreamConvert&) = delete;
    CKWStreamConvert& operator=(const CKWStreamConvert&) = delete;

    // Null when empty-constructed or cleared.
    const char* GetA() const { return m_narrow.get(); }
    const wchar_t* GetW() const { return m_wide.get(); }

    // Empty when empty-constructed or cleared.
    std::string GetString() const;
    std::wstring GetWString() const;

    // Replace the content as the matching constructor would; return the
    // converted buffer.
    const char* SetW(const wchar_t* text, UINT codePage);
    const wchar_t* SetA(const char* text, UINT codePage);

    void Clear();

private:
    std::unique_ptr<char[]> m_narrow;
    std::unique_ptr<wchar_t[]> m_wide;
    size_t m_narrowLength = 0;
    size_t m_wideLength = 0;
};

} // namespace KW_SOFT_BASE
