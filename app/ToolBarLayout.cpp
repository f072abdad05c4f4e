#include "app/ToolBarLayout.h"

ToolBarLayout ComputeToolBarLayout(int cx, int cy, float scale)
{
    const float s = scale;
    ToolBarLayout layout;

    CKWRect logo(0, 0, static_cast<int>(148 * s - 1), static_cast<int>(29 * s - 1));
    logo.MoveToXY(static_cast<int>(28 * s), (cy - logo.Height()) / 2);
    layout.logo = logo;

    CKWRect name(0, 0, static_cast<int>(250 * s), static_cast<int>(30 * s));
    name.MoveToXY(static_cast<int>(logo.right + 15 * s), (cy - name.Height()) / 2 + 6);
    layout.productName = name;

    const int gap = static_cast<int>(12 * s);
    CKWRect button(0, 0, static_cast<int>(16 * s - 1), static_cast<int>(16 * s - 1));
    button.MoveToXY(cx - button.Width() - gap, static_cast<int>((cy - button.Height()) / 2 - 5 * s));
    const int step = button.Width() + gap;
    layout.closeButton = button;
    button.OffsetRect(-step, 0);
    layout.minButton = button;
    button.OffsetRect(-step, 0);
    layout.settingButton = button;
    button.OffsetRect(-step, 0);

    CKWRect radio(0, 0, static_cast<int>(17 * s - 1), static_cast<int>(17 * s - 1));
    radio.MoveToXY(static_cast<int>(button.left - 8 * s), static_cast<int>(button.top - 2 * s));
    layout.unitRadio = radio;

    layout.bottomLine = CKWRect(0, cy - 1, cx, cy);
    return layout;
}
