#include "app/calc/FishPanelLayout.h"

#include "app/LayoutRect.h"
#include "base/ScaledLength.h"

FishPanelLayout ComputeFishPanelLayout(float scale)
{
    const auto s = [scale](double design) { return Trunc(design * scale); };
    const auto row = [&s](int left, int top) {
        FishPanelRow r;
        r.label = RectAt(left, top, s(150), s(22));
        const int spinHeight = s(18);
        r.spin = RectAt(r.label.right + s(5), CentredTop(r.label, spinHeight), s(100), spinHeight);
        r.unit = RectAt(r.spin.right + s(5), r.label.top, s(25), s(22));
        const int markerSize = s(17) - 1;
        r.marker = RectAt(r.unit.right, CentredTop(r.unit, markerSize), markerSize, markerSize);
        return r;
    };
    FishPanelLayout l;

    l.titleCap = RectAt(0, 0, s(15), s(24));
    l.titleBar = RectAt(s(15), 0, s(506), s(24));
    l.modelLabel = RectAt(s(30), s(30), s(150), s(22));
    const int comboHeight = s(17);
    l.modelCombo
        = RectAt(l.modelLabel.right + s(5), CentredTop(l.modelLabel, comboHeight), s(134), comboHeight);

    const int pictureSize = s(19);
    l.ceilingRadio = RectAt(s(30), l.modelCombo.bottom + s(20), s(80), s(22));
    l.ceilingPicture = RectAt(l.ceilingRadio.right, l.ceilingRadio.top, pictureSize, pictureSize);
    l.wallRadio = RectAt(l.ceilingPicture.right + s(40), l.ceilingRadio.top, s(80), s(22));
    l.wallPicture = RectAt(l.wallRadio.right, l.ceilingRadio.top, pictureSize, pictureSize);

    l.installHeight = row(s(30), l.wallPicture.bottom + s(30));
    l.sliderMinLabel = RectAt(l.installHeight.unit.right + s(10), l.installHeight.label.top, s(150), s(22));
    l.slider = RectAt(l.sliderMinLabel.left + s(50) + s(5), l.sliderMinLabel.top + s(2), s(100), s(18));
    l.sliderMaxLabel = RectAt(l.slider.right + s(5), l.sliderMinLabel.top, s(150), s(22));

    l.objectHeight = row(s(30), l.installHeight.spin.bottom + s(20));
    l.objectDistance = row(s(30), l.objectHeight.spin.bottom + s(20));
    return l;
}
