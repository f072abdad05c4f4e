#include "base/ProductTextParsers.h"

#include "base/KWStreamConvert.h"

#include <algorithm>

namespace {

constexpr unsigned kGbkCodePage = 936;

// The descriptions are read only this far; a marker further on is not theirs.
constexpr size_t kTextLimit = 2000;
// How far into the lens field its marks may stand.
constexpr size_t kLensFieldLimit = 200;

constexpr size_t npos = std::string::npos;

const char kGbkRightQuote[] = "\xA1\xB1";
const char kGbkMultiply[] = "\xA1\xC1";
const char kGbkDegree[] = "\xA1\xE3";
const char kGbkClosingParen[] = "\xA3\xA9";

// Position of the needle at or after `from`, or npos when it is missing or
// stands at or beyond `limit`.
size_t FindBelow(const std::string& text, const std::string& needle, size_t from, size_t limit)
{
    const size_t at = text.find(needle, from);
    return at < limit ? at : npos;
}

size_t Nearer(size_t a, size_t b)
{
    return std::min(a, b);
}

// The text from `from` up to `to`; empty when the range is not inside it.
std::string Between(const std::string& text, size_t from, size_t to)
{
    if (from > to || to > text.size()) {
        return std::string();
    }
    return text.substr(from, to - from);
}

// The text before the first `mark`, or all of it when there is none.
std::string UpTo(const std::string& text, const std::string& mark)
{
    return text.substr(0, text.find(mark));
}

} // namespace

std::string StripTags(const std::wstring& text)
{
    const std::string bytes = KW_SOFT_BASE::CKWStreamConvert(text.c_str(), kGbkCodePage).GetString();
    // GBK trail bytes start at 0x40, so a '<' or '>' byte is always the ASCII sign.
    // The text between the runs is copied once, in one pass: erasing each run
    // in place would move the rest of the text every time, and the texts
    // come from outside.
    std::string kept;
    kept.reserve(bytes.size());
    size_t from = 0;
    while (from < bytes.size()) {
        const size_t open = bytes.find('<', from);
        kept.append(bytes, from, open == npos ? npos : open - from);
        if (open == npos) {
            break;
        }
        const size_t close = bytes.find('>', open);
        if (close == npos) {
            break;
        }
        from = close + 1;
    }
    return kept;
}

std::string StripWhitespace(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != '\t' && c != '\n' && c != '\r' && c != ' ') {
            result.push_back(c);
        }
    }
    return result;
}

std::string ParseImageSensor(const std::string& text)
{
    static const std::string marker = "ImageSensor";
    const size_t at = FindBelow(text, marker, 0, kTextLimit);
    if (at == npos || at == 0) {
        return std::string();
    }
    const size_t start = at + marker.size();
    const size_t end = Nearer(text.find(kGbkRightQuote, start), text.find('"', start));
    if (end == npos) {
        return std::string();
    }
    return Between(text, start, end);
}

void ParseEffectivePixels(const std::string& text, std::string& horizontal, std::string& vertical)
{
    static const std::string marker = "EffectivePixels";
    static const std::string verticalMark = "(V)";
    // Marks of the horizontal count, e.g. the "(H)" before the sign.
    constexpr size_t kHorizontalSuffix = 3;

    const size_t at = FindBelow(text, marker, 0, kTextLimit);
    if (at == npos) {
        return;
    }
    const size_t start = at + marker.size();
    const size_t vAt = FindBelow(text, verticalMark, start, kTextLimit);
    if (vAt == npos) {
        return;
    }
    const std::string seg = text.substr(start, vAt + verticalMark.size() - start);
    const size_t segV = seg.size() - verticalMark.size();

    const size_t x = seg.find('x');
    const size_t sign = seg.find(kGbkMultiply);
    size_t signAt = npos;
    size_t signSize = 0;
    if (x != npos && (sign == npos || x < sign)) {
        signAt = x;
        signSize = 1;
    } else if (sign != npos) {
        signAt = sign;
        signSize = 2;
    } else {
        return;
    }
    horizontal = seg.substr(0, signAt >= kHorizontalSuffix ? signAt - kHorizontalSuffix : 0);
    vertical = Between(seg, signAt + signSize, segV);
}

void ParseAngleOfView(const std::string& text, std::string& h, std::string& v)
{
    static const std::string marker = "AngleofViewH:";
    static const std::string verticalMarker = "V:";
    h = "0";
    v = "0";

    const auto degreeMark = [&text](size_t from) {
        return Nearer(FindBelow(text, kGbkDegree, from, kTextLimit), FindBelow(text, "?", from, kTextLimit));
    };

    const size_t at = FindBelow(text, marker, 0, kTextLimit);
    if (at == npos) {
        return;
    }
    const size_t hStart = at + marker.size();
    const size_t hEnd = degreeMark(hStart);
    if (hEnd == npos) {
        return;
    }
    h = text.substr(hStart, hEnd - hStart);

    const size_t vAt = FindBelow(text, verticalMarker, hEnd, kTextLimit);
    if (vAt == npos) {
        return;
    }
    const size_t vStart = vAt + verticalMarker.size();
    const size_t vEnd = degreeMark(vStart);
    if (vEnd == npos) {
        return;
    }
    v = text.substr(vStart, vEnd - vStart);
}

void ParseLensSpec(const std::string& text, std::string& lensType, std::map<int, std::string>& focalLengths)
{
    static const std::string marker = "FocalLength";
    static const std::string lensListOpen = "mm(";
    static const std::string mm = "mm";
    // A listed length is followed by "mm" and one separator ('/', ',' ...).
    constexpr size_t kListStep = 3;

    const size_t at = FindBelow(text, marker, 0, kTextLimit);
    if (at == npos) {
        return;
    }
    const size_t start = at + marker.size();
    const size_t end = Nearer(
        FindBelow(text, "Max.Aperture", start, kTextLimit), FindBelow(text, "MaxAperture", start, kTextLimit));
    if (end == npos) {
        return;
    }
    const std::string seg = text.substr(start, end - start);

    const size_t notAvailable = seg.find("N/A");
    size_t optional = npos;
    for (const std::string& mark : {std::string("optional)"), std::string("Optional)"),
             std::string("Optional") + kGbkClosingParen, std::string("optional") + kGbkClosingParen}) {
        optional = FindBelow(seg, mark, 0, kTextLimit);
        if (optional != npos) {
            break;
        }
    }
    const size_t dash = Nearer(seg.find('-'), seg.find('~'));

    const auto inField = [](size_t pos) { return pos != npos && pos > 0 && pos < kLensFieldLimit; };

    if (inField(notAvailable)) {
        lensType = "1";
    } else if (inField(optional)) {
        lensType = "2";
        const size_t open = seg.find(lensListOpen);
        focalLengths[0] = seg.substr(0, std::min(open, optional));
        std::string rest = open != npos ? Between(seg, open + lensListOpen.size(), optional) : std::string();
        int serial = 1;
        for (size_t m = FindBelow(rest, mm, 0, kLensFieldLimit); m != npos; m = FindBelow(rest, mm, 0, kLensFieldLimit)) {
            focalLengths[serial++] = rest.substr(0, m);
            rest = m + kListStep < rest.size() ? rest.substr(m + kListStep) : std::string();
        }
    } else if (inField(dash)) {
        lensType = "3";
        focalLengths[0] = UpTo(seg.substr(0, dash), mm);
        focalLengths[1] = UpTo(seg.substr(dash + 1), mm);
    } else {
        lensType = "4";
        focalLengths[0] = UpTo(seg, mm);
    }
}
