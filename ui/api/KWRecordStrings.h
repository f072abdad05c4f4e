#pragma once
// Skin records that are filled and read by number keep a table of member
// pointers to their wide strings, in declaration order; string i is reached
// through that table. A bad index reaches no field: the writable form gets a
// scratch string, emptied on every such call, and the read-only form an empty
// string that nothing can write, so what it gives stays empty.

#include <cstddef>
#include <string>

std::wstring& KWRecordScratchString();
const std::wstring& KWRecordEmptyString();

template <class Record, std::size_t N>
std::wstring& KWRecordString(Record& record, std::wstring Record::*const (&table)[N], int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= N) {
        return KWRecordScratchString();
    }
    return record.*table[i];
}

template <class Record, std::size_t N>
const std::wstring& KWRecordString(const Record& record, std::wstring Record::*const (&table)[N], int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= N) {
        return KWRecordEmptyString();
    }
    return record.*table[i];
}
