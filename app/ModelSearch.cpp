#include "app/ModelSearch.h"

#include "base/CommonUtils.h"
#include "base/KWStreamConvert.h"

#include <algorithm>

namespace {

constexpr unsigned kCodePageUtf8 = 65001;

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string CutUtf8(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) {
        return text;
    }
    // Back up to the lead byte of the character that the cut would split.
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuationByte(text[end])) {
        --end;
    }
    return text.substr(0, end);
}

std::wstring ModelSearchText(const std::wstring& text, std::size_t maxBytes)
{
    const KW_SOFT_BASE::CKWStreamConvert utf8(text.c_str(), kCodePageUtf8);
    std::string cut = CutUtf8(utf8.GetString(), maxBytes);
    // Only ASCII: a locale's idea of case must not change what is found.
    for (char& c : cut) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return Utf8ToWide(cut.c_str());
}

std::wstring ModelSearchKey(const std::wstring& name)
{
    return ModelSearchText(name, kModelKeyBytes);
}

std::wstring ModelSearchQuery(const std::wstring& text)
{
    return ModelSearchText(text, kModelQueryBytes);
}

std::vector<std::wstring> FindModels(
    const std::vector<std::wstring>& names, const std::vector<std::wstring>& keys, const std::wstring& query)
{
    std::vector<std::wstring> found;
    const std::size_t count = std::min(names.size(), keys.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (keys[i].find(query) != std::wstring::npos) {
            found.push_back(names[i]);
        }
    }
    return found;
}

int ModelPageEntryCount(std::size_t listSize, int page)
{
    if (page < 1) {
        return 0;
    }
    const std::size_t first = static_cast<std::size_t>(page - 1) * kModelPageSize;
    if (first >= listSize) {
        return 0;
    }
    return static_cast<int>(std::min<std::size_t>(listSize - first, kModelPageSize));
}

bool ModelPageHasNext(std::size_t listSize, int page)
{
    return page >= 0 && static_cast<std::size_t>(page) * kModelPageSize < listSize;
}
