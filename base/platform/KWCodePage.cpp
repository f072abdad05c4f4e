#include "base/platform/KWCodePage.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace {

constexpr uint32_t kReplacement = 0xFFFD;
const char* const kUtf8 = "UTF-8";

bool IsUtf8Name(const std::string& charset)
{
    return charset == kUtf8;
}

// Appends the code point to out as UTF-8; what no UTF-8 text may carry
// (surrogates, values past U+10FFFF, a negative wchar_t) becomes U+FFFD.
void AppendUtf8(uint32_t c, std::string& out)
{
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        c = kReplacement;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Strict UTF-8 decoding: overlong forms, surrogates and values past U+10FFFF
// are refused. Each maximal ill-formed part becomes one U+FFFD, so a broken
// lead byte never swallows the valid text after it.
void DecodeUtf8(const unsigned char* s, size_t n, std::wstring& out)
{
    out.reserve(n);
    size_t i = 0;
    while (i < n) {
        const unsigned lead = s[i];
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        int need = 0;
        uint32_t cp = 0;
        unsigned lo = 0x80;
        unsigned hi = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            need = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            need = 2;
            cp = lead & 0x0F;
            if (lead == 0xE0) {
                lo = 0xA0; // shorter forms are overlong
            } else if (lead == 0xED) {
                hi = 0x9F; // U+D800..U+DFFF are surrogates
            }
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            need = 3;
            cp = lead & 0x07;
            if (lead == 0xF0) {
                lo = 0x90;
            } else if (lead == 0xF4) {
                hi = 0x8F; // nothing past U+10FFFF
            }
        } else {
            out += static_cast<wchar_t>(kReplacement);
            ++i;
            continue;
        }
        size_t j = i + 1;
        int got = 0;
        while (got < need && j < n && s[j] >= lo && s[j] <= hi) {
            cp = (cp << 6) | (s[j] & 0x3F);
            lo = 0x80;
            hi = 0xBF;
            ++got;
            ++j;
        }
        out += static_cast<wchar_t>(got == need ? cp : kReplacement);
        i = j;
    }
}

// Runs src (srcBytes bytes, in units of `unit` bytes) through an open
// conversion. A unit that does not convert is replaced by `replacement` and
// skipped; a cut-off sequence at the end is replaced once.
void IconvRun(iconv_t cd, const char* src, size_t srcBytes, size_t unit, const std::string& replacement,
    std::string& out)
{
    char buf[4096];
    char* in = const_cast<char*>(src); // iconv's signature; the input is not written
    size_t inLeft = srcBytes;
    while (inLeft > 0) {
        char* o = buf;
        size_t oLeft = sizeof buf;
        const size_t r = ::iconv(cd, &in, &inLeft, &o, &oLeft);
        const int err = errno;
        out.append(buf, static_cast<size_t>(o - buf));
        if (r != static_cast<size_t>(-1) || err == E2BIG) {
            continue;
        }
        out += replacement;
        if (err != EILSEQ) {
            break; // EINVAL: the text ends inside a sequence
        }
        const size_t skip = std::min(unit, inLeft);
        in += skip;
        inLeft -= skip;
    }
}

// Opens the conversion, lets feed(cd) run text through it, and ends it. False
// when iconv has no such conversion.
template <typename Feed>
bool IconvConvert(const std::string& to, const std::string& from, std::string& out, Feed feed)
{
    iconv_t cd = ::iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    feed(cd);
    // Stateful encodings may owe a closing shift sequence.
    char buf[64];
    char* o = buf;
    size_t oLeft = sizeof buf;
    ::iconv(cd, nullptr, nullptr, &o, &oLeft);
    out.append(buf, static_cast<size_t>(o - buf));
    ::iconv_close(cd);
    return true;
}

// The language tags U+E0000..U+E007F.
bool IsTagCharacter(wchar_t c)
{
    return (static_cast<uint32_t>(c) >> 7) == (0xE0000u >> 7);
}

// Wide text into an open conversion, each character the target cannot hold
// written as '?'. glibc's converters silently drop a language tag that the
// target cannot hold, where they report any other such character; so each
// tag goes through on its own, and one that gives no bytes becomes '?'.
void IconvRunWide(iconv_t cd, const wchar_t* src, size_t n, std::string& out)
{
    const auto run = [cd, src, &out](size_t from, size_t to) {
        const char* bytes = reinterpret_cast<const char*>(src + from);
        IconvRun(cd, bytes, (to - from) * sizeof(wchar_t), sizeof(wchar_t), "?", out);
    };
    size_t start = 0;
    for (size_t i = 0; i < n; ++i) {
        if (!IsTagCharacter(src[i])) {
            continue;
        }
        run(start, i);
        const size_t before = out.size();
        run(i, i + 1);
        if (out.size() == before) {
            out += '?';
        }
        start = i + 1;
    }
    run(start, n);
}

std::string Upper(std::string s)
{
    std::transform(
        s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// Windows code pages the C library knows by another name than "CP<n>".
const char* AliasOf(UINT codePage)
{
    struct Alias {
        UINT codePage;
        const char* name;
    };
    static const Alias aliases[] = {
        { 20127, "ASCII" },
        { 20866, "KOI8-R" },
        { 21866, "KOI8-U" },
        { 28591, "ISO-8859-1" },
        { 28592, "ISO-8859-2" },
        { 28593, "ISO-8859-3" },
        { 28594, "ISO-8859-4" },
        { 28595, "ISO-8859-5" },
        { 28596, "ISO-8859-6" },
        { 28597, "ISO-8859-7" },
        { 28598, "ISO-8859-8" },
        { 28599, "ISO-8859-9" },
        { 28603, "ISO-8859-13" },
        { 28605, "ISO-8859-15" },
        { 51932, "EUC-JP" },
        { 51949, "EUC-KR" },
        { 54936, "GB18030" },
    };
    for (const Alias& a : aliases) {
        if (a.codePage == codePage) {
            return a.name;
        }
    }
    return nullptr;
}

bool IconvKnows(const std::string& charset)
{
    iconv_t cd = ::iconv_open(charset.c_str(), "WCHAR_T");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    ::iconv_close(cd);
    return true;
}

} // namespace

std::string KwLocaleCharset(const char* localeName)
{
    locale_t loc
        = ::newlocale(LC_CTYPE_MASK, localeName != nullptr ? localeName : "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) {
        return kUtf8;
    }
    const char* codeset = ::nl_langinfo_l(CODESET, loc);
    std::string name = Upper(codeset != nullptr ? codeset : "");
    ::freelocale(loc);
    if (name.empty() || name == "ANSI_X3.4-1968" || name == "ASCII" || name == "US-ASCII" || name == "646"
        || name == "UTF-8" || name == "UTF8") {
        return kUtf8;
    }
    return name;
}

namespace {

// The name iconv would know the code page by; whether it does is found out
// when the conversion is opened.
std::string CharsetName(UINT codePage)
{
    if (codePage == CP_UTF8) {
        return kUtf8;
    }
    if (codePage == CP_ACP) {
        // Decided once: a locale change later in the run must not make the
        // same path convert two ways.
        static const std::string localCharset = KwLocaleCharset("");
        return localCharset;
    }
    if (const char* alias = AliasOf(codePage)) {
        return alias;
    }
    return "CP" + std::to_string(codePage);
}

} // namespace

std::string KwCodePageCharset(UINT codePage)
{
    const std::string name = CharsetName(codePage);
    return IsUtf8Name(name) || IconvKnows(name) ? name : std::string();
}

bool KwMultiByteToWideChar(UINT codePage, const char* src, size_t n, std::wstring& out)
{
    out.clear();
    const std::string charset = CharsetName(codePage);
    if (src == nullptr || n == 0) {
        return IsUtf8Name(charset) || IconvKnows(charset);
    }
    if (IsUtf8Name(charset)) {
        DecodeUtf8(reinterpret_cast<const unsigned char*>(src), n, out);
        return true;
    }
    const wchar_t fffd = static_cast<wchar_t>(kReplacement);
    const std::string replacement(reinterpret_cast<const char*>(&fffd), sizeof fffd);
    std::string bytes;
    const auto feed = [&](iconv_t cd) { IconvRun(cd, src, n, 1, replacement, bytes); };
    if (!IconvConvert("WCHAR_T", charset, bytes, feed)) {
        return false;
    }
    out.resize(bytes.size() / sizeof(wchar_t));
    std::memcpy(&out[0], bytes.data(), out.size() * sizeof(wchar_t));
    return true;
}

bool KwWideCharToMultiByte(UINT codePage, const wchar_t* src, size_t n, std::string& out)
{
    out.clear();
    const std::string charset = CharsetName(codePage);
    if (src == nullptr || n == 0) {
        return IsUtf8Name(charset) || IconvKnows(charset);
    }
    if (IsUtf8Name(charset)) {
        out.reserve(n);
        for (size_t i = 0; i < n; ++i) {
            AppendUtf8(static_cast<uint32_t>(src[i]), out);
        }
        return true;
    }
    return IconvConvert(charset, "WCHAR_T", out, [&](iconv_t cd) { IconvRunWide(cd, src, n, out); });
}
