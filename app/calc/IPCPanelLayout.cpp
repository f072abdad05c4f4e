#include "app/calc/IPCPanelLayout.h"

namespace {

class Scaler {
public:
    explicit Scaler(float scale) : m_scale(scale) {}
    int operator()(double design) const { return static_cast<int>(design * static_cast<double>(m_scale)); }

private:
    float m_scale;
};

CKWRect Box(int left, int top, int width, int height)
{
    return CKWRect(left, top, left + width, top + height);
}

// A control of the given height centred on its row's label.
int CentredTop(const CKWRect& label, int height)
{
    return label.top + (label.Height() - height) / 2;
}

} // namespace

IPCPanelLayout ComputeIPCPanelLayout(float scale)
{
    const Scaler s(scale);
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
    const auto label = [&](int top) { return Box(labelLeft, top, labelWidth, rowHeight); };
    const auto marker = [&](int left, const CKWRect& row) {
        return Box(left, CentredTop(row, markerSize), markerSize, markerSize);
    };

    l.header = Box(s(15), 0, s(506), s(24));
    l.headerSquare = CKWRect(0, 0, s(15), s(24));
    l.radios = Box(s(15), s(20), s(150), s(22));
    l.modelLabel = Box(s(15), s(30), s(150), s(20));
    l.modelCombo = Box(l.modelLabel.right, l.modelLabel.top + s(1), s(189), s(18));

    l.cameraModeLabel = label(s(62));
    l.megapixel = Box(fieldLeft, CentredTop(l.cameraModeLabel, s(17)), s(70), s(17));
    l.resolution = Box(l.megapixel.right, l.cameraModeLabel.top, s(80), rowHeight);
    l.resolutionMarker = marker(l.resolution.right + s(40), l.cameraModeLabel);

    l.targetLabel = label(l.cameraModeLabel.bottom + s(17.5));
    l.sensorCombo = Box(fieldLeft, CentredTop(l.targetLabel, comboHeight), fieldWidth, comboHeight);

    l.installHeightLabel = label(l.targetLabel.bottom + s(17.5));
    l.installHeightSpin = Box(fieldLeft, CentredTop(l.installHeightLabel, spinHeight), fieldWidth, spinHeight);
    l.installHeightUnit = Box(unitLeft, l.installHeightLabel.top, unitWidth, rowHeight);
    l.installHeightMarker = marker(l.installHeightUnit.right, l.installHeightLabel);

    l.distanceLabel = label(l.installHeightLabel.bottom + s(18));
    l.distanceSpin = Box(fieldLeft, CentredTop(l.distanceLabel, spinHeight), fieldWidth, spinHeight);
    l.distanceUnit = Box(unitLeft, l.distanceLabel.top, unitWidth, rowHeight);
    l.distanceMarker = marker(l.distanceUnit.right, l.distanceLabel);

    l.installAngleLabel = label(l.distanceLabel.bottom + s(20));
    l.installAngleSpin = Box(fieldLeft, CentredTop(l.installAngleLabel, spinHeight), fieldWidth, spinHeight);
    l.degree = Box(unitLeft, l.installAngleLabel.top, unitWidth, rowHeight);
    l.installAngleMarker = marker(l.degree.right, l.installAngleLabel);
    l.angleNote = Box(l.installAngleMarker.right + s(5), l.installAngleLabel.top, s(210), s(22));

    l.focalLabel = label(l.installAngleLabel.bottom + s(20));
    l.focalSpin = Box(fieldLeft, CentredTop(l.focalLabel, spinHeight), fieldWidth, spinHeight);
    l.fixedFocalCombo = Box(fieldLeft, l.focalSpin.top, fieldWidth, comboHeight);
    l.mmUnit = Box(s(274), l.focalLabel.top, unitWidth, rowHeight);
    l.minFocal = Box(s(300), l.focalLabel.top, s(55), rowHeight);
    l.focalSlider = Box(s(356), l.focalSpin.top, s(100), spinHeight);
    l.maxFocal = Box(l.focalSlider.right + s(1), l.focalLabel.top, s(65), rowHeight);
    return l;
}
