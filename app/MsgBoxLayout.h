#pragma once
// The message box's geometry as a plain function, so that it can be checked
// without a window.

#include "ui/api/KWRect.h"

#include <cstddef>
#include <string>

// Layout numbers.
constexpr int kMsgLayoutOK = 0;
constexpr int kMsgLayoutOKCancel = 1;
constexpr int kMsgLayoutNoButton = 5;

// Where the box puts its controls, given the size the text label reports
// once it holds the text.
struct MsgBoxLayout {
    CKWRect dialog;
    CKWRect text;
    CKWRect ok;
    CKWRect cancel;
    bool showOK = false;
    bool showCancel = false;
    bool hideClose = false;
};

// The label's first rectangle, before its text is measured.
CKWRect MsgBoxInitialTextRect(float scale);
// The box is as wide as the first rectangle asks, or as its text asks when
// that is wider (a path that cannot break where a word may).
MsgBoxLayout ComputeMsgBoxLayout(int layout, int textWidth, int textHeight, float scale);

// The widest and the tallest the text may be for the box, with its margins,
// title band, buttons and frame shadow, to stay within a work area of that
// width and height.
int MsgBoxMaxTextWidth(int workAreaWidth, float scale);
int MsgBoxMaxTextHeight(int workAreaHeight, float scale);
// The text with its longest line shortened to `keep` characters, its
// beginning and end, an ellipsis standing for its middle: a path keeps its
// first folders and its file name. A line of at most keep characters stays.
std::wstring ElideLongestLine(const std::wstring& text, size_t keep);
// The characters of the text's longest line.
size_t LongestLineLength(const std::wstring& text);
