#include "ui/api/KWRecordStrings.h"

std::wstring& KWRecordScratchString()
{
    static thread_local std::wstring scratch;
    scratch.clear();
    return scratch;
}

const std::wstring& KWRecordEmptyString()
{
    static const std::wstring empty;
    return empty;
}
