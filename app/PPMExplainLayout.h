#pragma once
// The pixel-density explanation dialog's geometry and texts as plain
// functions, so that they can be checked without a window.

#include "ui/api/KWRect.h"

// Rows of the dialog, one per density level.
constexpr int kPPMExplainRowCount = 4;

// Where OnDlgSize puts the controls in a client area of cx x cy: the rows
// form a two-by-two grid.
struct PPMExplainLayout {
    CKWRect close;
    CKWRect picture[kPPMExplainRowCount];
    CKWRect title[kPPMExplainRowCount];
    CKWRect description[kPPMExplainRowCount];
    CKWRect ok;
};

PPMExplainLayout ComputePPMExplainLayout(int cx, int cy, float scale);

// The texts of row 0..3: title in pixels per metre or per foot, and the
// description as created and as set by a retranslation.
const wchar_t* PPMExplainTitleKey(int row, bool metric);
const wchar_t* PPMExplainDescriptionKey(int row, bool retranslated);
// The skin picture of row 0..3.
const wchar_t* PPMExplainPicture(int row);
