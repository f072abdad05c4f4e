#include "app/MsgBoxLayout.h"

#include "base/ScaledLength.h"

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
    const int dialogWidth = m.dialog.Width();
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
    out.dialog.bottom = button.bottom + 2 * m.margin;
    return out;
}
