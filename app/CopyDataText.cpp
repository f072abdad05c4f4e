#include "app/CopyDataText.h"

#include "base/CommonUtils.h"
#include "base/KWStreamConvert.h"

#include <algorithm>

std::wstring CopyDataText(const COPYDATASTRUCT* record)
{
    if (record == nullptr || record->lpData == nullptr || record->cbData == 0) {
        return std::wstring();
    }
    // The record comes from another process: its text need not be terminated,
    // so it is read no further than its byte count.
    const char* bytes = static_cast<const char*>(record->lpData);
    const size_t length = static_cast<size_t>(std::find(bytes, bytes + record->cbData, '\0') - bytes);
    const std::string text(bytes, length);
    const KW_SOFT_BASE::CKWStreamConvert convert(text.c_str(), 0);
    return ReplaceAll(convert.GetWString(), L"\\", L"/");
}
