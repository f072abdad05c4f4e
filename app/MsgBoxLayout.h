#pragma once
// The message box's geometry as a plain function, so that it can be checked
// without a window.

#include "ui/api/KWRect.h"

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
MsgBoxLayout ComputeMsgBoxLayout(int layout, int textWidth, int textHeight, float scale);
