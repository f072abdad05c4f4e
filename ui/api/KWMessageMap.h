#pragma once
// Message maps: the second path by which controls reach the window that holds
// them. A control sends its parent a (message, code, id) triple; the parent
// looks the triple up in its listener's map and calls the member the map
// names. The records keep the Win32-like shape the handler classes are
// written against; the handler itself is a thunk made per member (see
// KWEventBase.h), so the map stays constant data.

#include "base/platform/KWWinTypes.h"

class CKWEventBase;

// How an entry's handler is called. 0 ends the map.
enum KWMsgSignature : UINT {
    KWSig_end = 0,    // terminator
    KWSig_v = 1,      // handler()
    KWSig_notify = 2, // handler(NMHDR* header, LRESULT* result)
    KWSig_wl = 3,     // handler(WPARAM wParam, LPARAM lParam)
};

// The call through which every entry reaches its member. For KWSig_notify the
// header travels in wParam and the result pointer in lParam.
using KW_PMSG = void (*)(CKWEventBase* self, WPARAM wParam, LPARAM lParam);

struct KW_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND (273), WM_NOTIFY (78) or WM_TIMER (275)
    UINT nCode;    // notification code; 0 for commands
    UINT nID;      // first control id of the range
    UINT nLastID;  // last control id of the range (nID for one control)
    UINT nSig;     // KWMsgSignature
    UINT nReserved;
    KW_PMSG pfn;
};

struct KW_MSGMAP {
    const KW_MSGMAP_ENTRY* lpEntries;
    const KW_MSGMAP* pBaseMap; // kept for the handlers that name one; lookup never follows it
};

// The first entry before the terminator whose message and code are equal and
// whose id range holds id; null when there is none. A null table matches
// nothing.
const KW_MSGMAP_ENTRY* FindMessageEntry(const KW_MSGMAP_ENTRY* entries, UINT message, UINT code, UINT id);
