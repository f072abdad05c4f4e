#include "ui/scenes/KWTopViewGeometry.h"

#include <cmath>

namespace {

// A line shorter than the space between the margins by no more than this is
// taken as filling it.
constexpr double kFitTolerance = 1e-06;

} // namespace

KWTopViewFrame KWMakeTopViewFrame(int width, int height, int cameraHeight, double rectTimes)
{
    return KWTopViewFrame { static_cast<double>(width), static_cast<double>(height), 10.0 * rectTimes,
        static_cast<double>(height - cameraHeight) };
}

double KWTopViewVisibleWidth(double angle, double distance)
{
    return 2.0 * distance * std::tan(KWSceneRadians(angle / 2.0));
}

KWTopViewWidthLine KWTopViewWidthLineAt(
    const KWTopViewFrame& frame, double angle, double distance, double axisMaximum)
{
    // The axis maximum is what the full sector height stands for; without a
    // positive one a distance has no pixel position at all.
    if (!(axisMaximum > 0.0)) {
        return KWTopViewWidthLine { false, 0.0, 0.0, 0.0 };
    }
    const double fromApex = (frame.apexY - frame.margin) * distance / axisMaximum;
    const double length = 2.0 * std::tan(KWSceneRadians(angle / 2.0)) * fromApex;
    const double room = frame.width - 2.0 * frame.margin;
    KWTopViewWidthLine line { true, frame.apexY - fromApex, frame.margin, frame.width - frame.margin };
    if (room - length > kFitTolerance) {
        line.x1 = frame.margin + (room - length) / 2.0;
        line.x2 = line.x1 + length;
    }
    return line;
}

KWTopViewSector KWTopViewSectorFor(const KWTopViewFrame& frame, double angle)
{
    const double halfAngle = angle / 2.0;
    const double tanHalf = std::tan(KWSceneRadians(halfAngle));
    const double m = frame.margin;
    const double w = frame.width;
    const KWScenePoint apex { frame.ApexX(), frame.apexY };
    // The direction from the apex to the top corners of the margin box.
    const double cornerAngle = KWSceneDegrees(std::atan((frame.ApexX() - m) / (frame.apexY - m)));

    KWTopViewSector sector;
    sector.throughSides = cornerAngle <= halfAngle;
    if (sector.throughSides) {
        const double yEdge = frame.apexY - (frame.ApexX() - m) / tanHalf;
        sector.leftEnd = KWScenePoint { m, yEdge };
        sector.rightEnd = KWScenePoint { w - m, yEdge };
        sector.outline = { apex, sector.leftEnd, { m, m }, { w - m, m }, sector.rightEnd };
    } else {
        const double xLeft = frame.ApexX() - tanHalf * (frame.apexY - m);
        sector.leftEnd = KWScenePoint { xLeft, m };
        sector.rightEnd = KWScenePoint { w - xLeft, m };
        sector.outline = { apex, sector.leftEnd, sector.rightEnd };
    }
    return sector;
}
