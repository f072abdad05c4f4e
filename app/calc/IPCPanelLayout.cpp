#include "app/calc/IPCPanelLayout.h"

#include "app/LayoutRect.h"
#include "base/ScaledLength.h"

IPCPanelLayout ComputeIPCPanelLayout(float scale)
{
    const auto s = [scale](double design) { return Trunc(design * scale); };
    IPCPanelLayout l;

    const int labelLeft = s(15);
    const int labelWidth = s(135);
    const int rowHeight = s(22);
    const int fieldLeft = s(167);
    const int fieldWidth = s(100);
    const int spinHeight = s(18);
    const int comboHeight = s(17);
    const int unitLeft = s(272);
    const int unitWidth = s(25);
    const int markerSize = s(16.5);
    const auto label = [&](int top) { return RectAt(labelLeft, top, labelWidth, rowHeight); };
    const auto marker = [&](int left, const CKWRect& row) {
        return RectAt(left, CentredTop(row, markerSize), markerSize, markerSize);
    };

    l.header = RectAt(s(15), 0, s(506), s(24));
    l.headerSquare = CKWRect(0, 0, s(15), s(24));
    l.radios = RectAt(s(15), s(20), s(150), s(22));
    l.modelLabel = RectAt(s(15), s(30), s(150), s(20));
    l.modelCombo = RectAt(l.modelLabel.right, l.modelLabel.top + s(1), s(189), s(18));

    l.cameraModeLabel = label(s(62));
    l.megapixel = RectAt(fieldLeft, CentredTop(l.cameraModeLabel, s(17)), s(70), s(17));
    l.resolution = RectAt(l.megapixel.right, l.cameraModeLabel.top, s(80), rowHeight);
    l.resolutionMarker = marker(l.resolution.right + s(40), l.cameraModeLabel);

    l.targetLabel = label(l.cameraModeLabel.bottom + s(17.5));
    l.sensorCombo = RectAt(fieldLeft, CentredTop(l.targetLabel, comboHeight), fieldWidth, comboHeight);

    l.installHeightLabel = label(l.targetLabel.bottom + s(17.5));
    l.installHeightSpin
        = RectAt(fieldLeft, CentredTop(l.installHeightLabel, spinHeight), fieldWidth, spinHeight);
    l.installHeightUnit = RectAt(unitLeft, l.installHeightLabel.top, unitWidth, rowHeight);
    l.installHeightMarker = marker(l.installHeightUnit.right, l.installHeightLabel);

    l.distanceLabel = label(l.installHeightLabel.bottom + s(18));
    l.distanceSpin = RectAt(fieldLeft, CentredTop(l.distanceLabel, spinHeight), fieldWidth, spinHeight);
    l.distanceUnit = RectAt(unitLeft, l.distanceLabel.top, unitWidth, rowHeight);
    l.distanceMarker = marker(l.distanceUnit.right, l.distanceLabel);

    l.installAngleLabel = label(l.distanceLabel.bottom + s(20));
    l.installAngleSpin
        = RectAt(fieldLeft, CentredTop(l.installAngleLabel, spinHeight), fieldWidth, spinHeight);
    l.degree = RectAt(unitLeft, l.installAngleLabel.top, unitWidth, rowHeight);
    l.installAngleMarker = marker(l.degree.right, l.installAngleLabel);
    l.angleNote = RectAt(l.installAngleMarker.right + s(5), l.installAngleLabel.top, s(210), s(22));

    l.focalLabel = label(l.installAngleLabel.bottom + s(20));
    l.focalSpin = RectAt(fieldLeft, CentredTop(l.focalLabel, spinHeight), fieldWidth, spinHeight);
    l.fixedFocalCombo = RectAt(fieldLeft, l.focalSpin.top, fieldWidth, comboHeight);
    l.mmUnit = RectAt(s(274), l.focalLabel.top, unitWidth, rowHeight);
    l.minFocal = RectAt(s(300), l.focalLabel.top, s(55), rowHeight);
    l.focalSlider = RectAt(s(356), l.focalSpin.top, s(100), spinHeight);
    l.maxFocal = RectAt(l.focalSlider.right + s(1), l.focalLabel.top, s(65), rowHeight);
    return l;
}
