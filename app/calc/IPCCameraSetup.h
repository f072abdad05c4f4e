#pragma once
// What a camera model record means for the IPC panel's camera controls, as
// plain values: the focal range of a varifocal lens, the lens choices of a
// fixed-focal model, the list of sensor formats of a camera mode, the
// resolution text.

#include "app/DatabaseRecords.h"

#include <map>
#include <string>
#include <vector>

// A varifocal lens's range, in the units of each control.
struct IPCFocalRange {
    double low = 0.0; // mm, spin box
    double high = 0.0;
    int sliderLow = 0; // hundredths of a mm, slider
    int sliderHigh = 0;
    std::wstring lowText; // "2.8mm"
    std::wstring highText;
};

// The range between the focal lengths of serials 1 and 2 (an absent serial
// reads as 0), whichever is larger being the top. False, *range untouched,
// unless the map holds exactly two entries: the controls then keep the
// previous model's range.
bool VarifocalRangeOf(const std::map<int, std::string>& focals, IPCFocalRange* range);

// The fixed-focal combo's items: the focal texts as stored, in serial order.
std::vector<std::wstring> FixedFocalItems(const std::map<int, std::string>& focals);

// The sensor formats of the rows whose mode is exactly the given text, each
// once, in the order of its first row.
std::vector<std::wstring> SensorFormatsOf(const std::vector<SensorRow>& rows, const std::wstring& mode);

// A record text as wide text (the database's texts are in the local code page).
std::wstring RecordText(const std::string& text);
// "1920*1080".
std::wstring ResolutionText(const ModelRecord& model);
