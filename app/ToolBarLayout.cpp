#include "app/ToolBarLayout.h"

#include "base/ScaledLength.h"

ToolBarLayout ComputeToolBarLayout(int cx, int cy, float scale)
{
    const float s = scale;
    ToolBarLayout layout;

    CKWRect logo(0, 0, Trunc(148 * s - 1), Trunc(29 * s - 1));
    logo.MoveToXY(Trunc(28 * s), (cy - logo.Height()) / 2);
    layout.logo = logo;

    CKWRect name(0, 0, Trunc(250 * s), Trunc(30 * s));
    name.MoveToXY(Trunc(logo.right + 15 * s), (cy - name.Height()) / 2 + 6);
    layout.productName = name;

    const int gap = Trunc(12 * s);
    CKWRect button(0, 0, Trunc(16 * s - 1), Trunc(16 * s - 1));
    button.MoveToXY(cx - button.Width() - gap, Trunc((cy - button.Height()) / 2 - 5 * s));
    const int step = button.Width() + gap;
    layout.closeButton = button;
    button.OffsetRect(-step, 0);
    layout.minButton = button;
    button.OffsetRect(-step, 0);
    layout.settingButton = button;
    button.OffsetRect(-step, 0);

    CKWRect radio(0, 0, Trunc(17 * s - 1), Trunc(17 * s - 1));
    radio.MoveToXY(Trunc(button.left - 8 * s), Trunc(button.top - 2 * s));
    layout.unitRadio = radio;

    layout.bottomLine = CKWRect(0, cy - 1, cx, cy);
    return layout;
}
