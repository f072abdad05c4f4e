#include "app/MsgBoxLayout.h"

#include "base/ScaledLength.h"

#include <algorithm>
#include <utility>

namespace {

struct Metrics {
    int titleBand;
    int gap;
    int margin;
    CKWRect dialog;
    CKWRect button;
};

Metrics MetricsFor(float scale)
{
    const double s = scale;
    return Metrics { Trunc(35 * s), Trunc(20 * s), Trunc(10 * s),
        CKWRect(0, 0, Trunc(320 * s), Trunc(100 * s)), CKWRect(0, 0, Trunc(80 * s), Trunc(24 * s)) };
}

} // namespace

CKWRect MsgBoxInitialTextRect(float scale)
{
    const double s = scale;
    const Metrics m = MetricsFor(scale);
    return CKWRect(Trunc(20 * s), m.titleBand + m.margin, Trunc(m.dialog.right - 20 * s),
        m.dialog.bottom - (m.button.Height() + m.margin));
}

MsgBoxLayout ComputeMsgBoxLayout(int layout, int textWidth, int textHeight, float scale)
{
    const double s = scale;
    const Metrics m = MetricsFor(scale);
    MsgBoxLayout out;
    CKWRect text = MsgBoxInitialTextRect(scale);
    text.right = text.left + textWidth;
    text.bottom = Trunc(text.top + textHeight + 10 * s);
    const int floor = Trunc(30 * s);
    if (text.Height() < floor) {
        text.bottom = text.top + floor;
    }
    out.text = text;

    CKWRect button = m.button;
    const int dialogWidth = std::max(m.dialog.Width(), text.right + text.left);
    switch (layout) {
    case kMsgLayoutOK:
        button.MoveToXY((dialogWidth - button.Width()) / 2, text.bottom + m.margin);
        out.ok = button;
        out.showOK = true;
        break;
    case kMsgLayoutOKCancel:
        button.MoveToXY((dialogWidth - 2 * button.Width() - m.gap) / 2, text.bottom + m.margin);
        out.ok = button;
        button.OffsetRect(button.Width() + m.gap, 0);
        out.cancel = button;
        out.showOK = true;
        out.showCancel = true;
        break;
    case kMsgLayoutNoButton:
        button.MoveToY(text.bottom - m.margin);
        out.hideClose = true;
        break;
    default:
        break;
    }
    out.dialog = m.dialog;
    out.dialog.right = out.dialog.left + dialogWidth;
    out.dialog.bottom = button.bottom + 2 * m.margin;
    return out;
}

namespace {

// The frame's shadow on each side, with room to spare.
int Outside(float scale)
{
    return Trunc(20 * static_cast<double>(scale));
}

// The line of the text with the most characters: [begin, end).
std::pair<size_t, size_t> LongestLine(const std::wstring& text)
{
    std::pair<size_t, size_t> longest { 0, 0 };
    for (size_t begin = 0; begin <= text.size();) {
        const size_t end = std::min(text.find(L'\n', begin), text.size());
        if (end - begin > longest.second - longest.first) {
            longest = { begin, end };
        }
        begin = end + 1;
    }
    return longest;
}

} // namespace

int MsgBoxMaxTextWidth(int workAreaWidth, float scale)
{
    const CKWRect first = MsgBoxInitialTextRect(scale);
    return std::max(first.Width(), workAreaWidth - 2 * (first.left + Outside(scale)));
}

int MsgBoxMaxTextHeight(int workAreaHeight, float scale)
{
    // Everything of the OK box but its text, measured with a text above the
    // height floor.
    constexpr int kTall = 100000;
    const int around = ComputeMsgBoxLayout(kMsgLayoutOK, 0, kTall, scale).dialog.Height() - kTall;
    return std::max(MsgBoxInitialTextRect(scale).Height(), workAreaHeight - around - 2 * Outside(scale));
}

size_t LongestLineLength(const std::wstring& text)
{
    const auto [begin, end] = LongestLine(text);
    return end - begin;
}

std::wstring ElideLongestLine(const std::wstring& text, size_t keep)
{
    const auto [begin, end] = LongestLine(text);
    if (end - begin <= keep) {
        return text;
    }
    const size_t head = (keep + 1) / 2;
    const size_t tail = keep - head;
    return text.substr(0, begin + head) + L"\u2026" + text.substr(end - tail);
}
