#include "base/KWStreamConvert.h"

#include "base/platform/KWCodePage.h"

#include <cstring>
#include <cwchar>

namespace KW_SOFT_BASE {

namespace {

    template <typename Char> std::unique_ptr<Char[]> Terminated(const Char* text, size_t n)
    {
        std::unique_ptr<Char[]> buffer(new Char[n + 1]);
        if (n > 0) {
            std::memcpy(buffer.get(), text, n * sizeof(Char));
        }
        buffer[n] = Char(0);
        return buffer;
    }

} // namespace

CKWStreamConvert::CKWStreamConvert() = default;

CKWStreamConvert::CKWStreamConvert(const wchar_t* text, UINT codePage)
{
    SetW(text, codePage);
}

CKWStreamConvert::CKWStreamConvert(const char* text, UINT codePage)
{
    SetA(text, codePage);
}

CKWStreamConvert::~CKWStreamConvert() = default;

std::string CKWStreamConvert::GetString() const
{
    return m_narrow ? std::string(m_narrow.get(), m_narrowLength) : std::string();
}

std::wstring CKWStreamConvert::GetWString() const
{
    return m_wide ? std::wstring(m_wide.get(), m_wideLength) : std::wstring();
}

// The new buffers are built before the old ones go, so a text taken from this
// same object (SetW(GetW(), ...)) is still alive while it is read.
const char* CKWStreamConvert::SetW(const wchar_t* text, UINT codePage)
{
    const wchar_t* source = text != nullptr ? text : L"";
    const size_t wideLength = std::wcslen(source);
    std::unique_ptr<wchar_t[]> wide = Terminated(source, wideLength);

    // An unknown code page leaves the conversion empty, never null.
    std::string converted;
    KwWideCharToMultiByte(codePage, source, wideLength, converted);

    m_wide = std::move(wide);
    m_wideLength = wideLength;
    m_narrowLength = converted.size();
    m_narrow = Terminated(converted.data(), m_narrowLength);
    return m_narrow.get();
}

const wchar_t* CKWStreamConvert::SetA(const char* text, UINT codePage)
{
    const char* source = text != nullptr ? text : "";
    const size_t narrowLength = std::strlen(source);
    std::unique_ptr<char[]> narrow = Terminated(source, narrowLength);

    std::wstring converted;
    KwMultiByteToWideChar(codePage, source, narrowLength, converted);

    m_narrow = std::move(narrow);
    m_narrowLength = narrowLength;
    m_wideLength = converted.size();
    m_wide = Terminated(converted.data(), m_wideLength);
    return m_wide.get();
}

void CKWStreamConvert::Clear()
{
    m_narrow.reset();
    m_wide.reset();
    m_narrowLength = 0;
    m_wideLength = 0;
}

} // namespace KW_SOFT_BASE
