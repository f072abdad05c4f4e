#include "ui/api/KWMessageMap.h"

const KW_MSGMAP_ENTRY* FindMessageEntry(const KW_MSGMAP_ENTRY* entries, UINT message, UINT code, UINT id)
{
    if (entries == nullptr) {
        return nullptr;
    }
    // Walk up to the terminator only: tables are written by hand and a lookup
    // must never read past the end of one.
    for (const KW_MSGMAP_ENTRY* entry = entries; entry->nSig != KWSig_end; ++entry) {
        if (entry->nMessage == message && entry->nCode == code && entry->nID <= id && id <= entry->nLastID) {
            return entry;
        }
    }
    return nullptr;
}
