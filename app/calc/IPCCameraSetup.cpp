#include "app/calc/IPCCameraSetup.h"

#include "app/NumberText.h"
#include "app/calc/IPCCalc.h"
#include "base/KWStreamConvert.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

using KW_SOFT_BASE::CKWStreamConvert;

namespace {

// The local code page for record texts, UTF-8 for the sensor table's
// formats: the two are stored differently.
constexpr UINT kLocalCodePage = 0;
constexpr UINT kUtf8CodePage = 65001;

double FocalAt(const std::map<int, std::string>& focals, int serial)
{
    const auto it = focals.find(serial);
    return it != focals.end() ? TextToDouble(it->second.c_str()) : 0.0;
}

} // namespace

bool VarifocalRangeOf(const std::map<int, std::string>& focals, IPCFocalRange* range)
{
    if (focals.size() != 2) {
        return false;
    }
    const double a = FocalAt(focals, 1);
    const double b = FocalAt(focals, 2);
    range->low = b > a ? a : b;
    range->high = b > a ? b : a;
    range->sliderLow = FocalToSliderPos(range->low);
    range->sliderHigh = FocalToSliderPos(range->high);
    range->lowText = FocalRangeText(range->low);
    range->highText = FocalRangeText(range->high);
    return true;
}

std::vector<std::wstring> FixedFocalItems(const std::map<int, std::string>& focals)
{
    std::vector<std::wstring> items;
    items.reserve(focals.size());
    for (const auto& entry : focals) {
        items.push_back(RecordText(entry.second));
    }
    return items;
}

std::vector<std::wstring> SensorFormatsOf(const std::vector<SensorRow>& rows, const std::wstring& mode)
{
    std::vector<std::wstring> formats;
    for (const SensorRow& row : rows) {
        // Both arrays are terminated by the database manager; bound the reads anyway.
        const std::wstring rowMode(row.mode, wcsnlen(row.mode, std::size(row.mode)));
        if (rowMode != mode) {
            continue;
        }
        const std::string target(row.target, strnlen(row.target, std::size(row.target)));
        std::wstring format = CKWStreamConvert(target.c_str(), kUtf8CodePage).GetWString();
        if (std::find(formats.begin(), formats.end(), format) == formats.end()) {
            formats.push_back(std::move(format));
        }
    }
    return formats;
}

std::wstring RecordText(const std::string& text)
{
    return CKWStreamConvert(text.c_str(), kLocalCodePage).GetWString();
}

std::wstring ResolutionText(const ModelRecord& model)
{
    return RecordText(model.strFBx + "*" + model.strFBy);
}
