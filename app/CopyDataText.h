#pragma once
// The text another process hands the main window in a WM_COPYDATA record.

#include "base/platform/KWWinTypes.h"

#include <string>

// The record's bytes up to the first NUL as text in the local code page, with
// every '\\' made '/'. The sender need not terminate its text, so the bytes
// are read no further than the record's byte count. Empty for a null record
// or null data.
std::wstring CopyDataText(const COPYDATASTRUCT* record);
