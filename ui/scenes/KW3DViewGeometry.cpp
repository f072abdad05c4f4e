#include "ui/scenes/KW3DViewGeometry.h"

#include <cmath>

namespace {

KW3DMarkerPart LinePart(KW3DSlot slot, KW3DRgb colour, KWScenePoint from, KWScenePoint to)
{
    KW3DMarkerPart part;
    part.slot = slot;
    part.isLine = true;
    part.line = { from, to };
    part.colour = colour;
    return part;
}

KW3DMarkerPart IconPart(KW3DSlot slot, KW3DPicture picture, KWScenePoint topLeft)
{
    KW3DMarkerPart part;
    part.slot = slot;
    part.picture = picture;
    part.topLeft = topLeft;
    return part;
}

} // namespace

double KW3DPathFraction(double position, double axisMax)
{
    if (!(axisMax > 0.0)) {
        return 0.0;
    }
    return position / axisMax;
}

KWScenePoint KW3DOrigin(double widgetWidth, double widgetHeight, double rectTimes)
{
    return { (widgetWidth - KW3D_DESIGN_WIDTH * rectTimes) / 2.0,
        (widgetHeight - KW3D_DESIGN_HEIGHT * rectTimes) / 2.0 };
}

KWScenePoint KW3DToPixels(KWScenePoint origin, double rectTimes, KWScenePoint design)
{
    return { origin.x + design.x * rectTimes, origin.y + design.y * rectTimes };
}

KWScenePoint KW3DBackgroundPos(double widgetWidth, double widgetHeight, double rectTimes, bool ceiling,
    double pictureWidth, double pictureHeight)
{
    if (ceiling) {
        return { (widgetWidth - pictureWidth) / 2.0, (widgetHeight - pictureHeight) / 2.0 };
    }
    return { (widgetWidth - KW3D_WALL_WIDTH * rectTimes) / 2.0,
        (widgetHeight - KW3D_WALL_HEIGHT * rectTimes) / 2.0 };
}

KWScenePoint KW3DPersonPos(KWScenePoint origin, double rectTimes, double position, double axisMax)
{
    // The path rises 50 px over 86 px; t is how far right of its start the
    // person stands, and 0.58 the path's slope.
    const double pathLength = rectTimes * std::sqrt(86.0 * 86.0 + 50.0 * 50.0);
    const double along = pathLength * KW3DPathFraction(position, axisMax);
    const double right = along / std::sqrt(1.34);
    return { origin.x + 93.0 * rectTimes + right - 6.0 * rectTimes,
        origin.y + 185.0 * rectTimes - 0.58 * right - 13.0 * rectTimes };
}

KWSceneLine KW3DHDistanceLine(double position, double axisMax)
{
    // The moving end starts one pixel left of the fixed one, so the line
    // never collapses to nothing.
    const double fraction = KW3DPathFraction(position, axisMax);
    return { { 95.0, 207.0 }, { 94.0 + 99.0 * fraction, 207.0 - 54.0 * fraction } };
}

std::vector<KW3DMarkerPart> KW3DMarkerParts(KW3DMarker marker, const KW3DMarkerMode& mode)
{
    switch (marker) {
    case KW3DMarker::InstallHeight:
        if (!mode.fisheye) {
            return { LinePart(
                         KW3D_SLOT_INSTALL_HEIGHT_LINE, KW3D_INSTALL_HEIGHT_COLOUR, { 87, 164 }, { 87, 194 }),
                IconPart(KW3D_SLOT_INSTALL_HEIGHT_ICON, KW3D_PICTURE_HEIGHT, { 58, 172 }) };
        }
        if (mode.ceiling) {
            return { LinePart(KW3D_SLOT_INSTALL_HEIGHT_LINE, KW3D_INSTALL_HEIGHT_COLOUR, { 209, 28 },
                         { 209, 215 }),
                IconPart(KW3D_SLOT_INSTALL_HEIGHT_ICON, KW3D_PICTURE_HEIGHT, { 172, 123 }) };
        }
        return { LinePart(
                     KW3D_SLOT_INSTALL_HEIGHT_LINE, KW3D_INSTALL_HEIGHT_COLOUR, { 90, 140 }, { 90, 196 }),
            IconPart(KW3D_SLOT_INSTALL_HEIGHT_ICON, KW3D_PICTURE_HEIGHT, { 65, 160 }) };
    case KW3DMarker::Resolution:
        return { LinePart(KW3D_SLOT_RESOLUTION_LINE, KW3D_SIZE_COLOUR, { 153, 65 }, { 233, 105 }),
            LinePart(KW3D_SLOT_VERTICAL_LINE, KW3D_SIZE_COLOUR, { 234, 108 }, { 234, 169 }),
            IconPart(KW3D_SLOT_WIDTH_ICON, KW3D_PICTURE_WIDTH, { 195, 69 }),
            IconPart(KW3D_SLOT_SECOND_HEIGHT_ICON, KW3D_PICTURE_SECOND_HEIGHT, { 241, 135 }) };
    case KW3DMarker::HDistance: {
        const KWSceneLine line = KW3DHDistanceLine(mode.position, mode.axisMax);
        return { LinePart(KW3D_SLOT_DISTANCE_LINE, KW3D_DISTANCE_COLOUR, line.from, line.to),
            IconPart(KW3D_SLOT_DISTANCE_ICON, KW3D_PICTURE_DISTANCE, { 160, 184 }) };
    }
    case KW3DMarker::InstAngle:
        return { IconPart(KW3D_SLOT_ANGLE_ICON, KW3D_PICTURE_ANGLE, { 98, 155 }) };
    case KW3DMarker::ObjDistance:
        if (mode.ceiling) {
            return { LinePart(KW3D_SLOT_DISTANCE_LINE, KW3D_DISTANCE_COLOUR, { 213, 215 }, { 234, 215 }),
                IconPart(KW3D_SLOT_DISTANCE_ICON, KW3D_PICTURE_DISTANCE, { 215, 221 }) };
        }
        return { LinePart(KW3D_SLOT_DISTANCE_LINE, KW3D_DISTANCE_COLOUR, { 90, 196 }, { 207, 196 }),
            IconPart(KW3D_SLOT_DISTANCE_ICON, KW3D_PICTURE_DISTANCE, { 135, 200 }) };
    case KW3DMarker::ObjHeight:
        if (mode.ceiling) {
            return { LinePart(KW3D_SLOT_VERTICAL_LINE, KW3D_SIZE_COLOUR, { 250, 174 }, { 250, 210 }),
                IconPart(KW3D_SLOT_SECOND_HEIGHT_ICON, KW3D_PICTURE_SECOND_HEIGHT, { 260, 184 }) };
        }
        return { LinePart(KW3D_SLOT_VERTICAL_LINE, KW3D_SIZE_COLOUR, { 220, 157 }, { 220, 191 }),
            IconPart(KW3D_SLOT_SECOND_HEIGHT_ICON, KW3D_PICTURE_SECOND_HEIGHT, { 230, 160 }) };
    }
    return {};
}

const std::array<KW3DSlot, 6>& KW3DSlotsClearedByPicture()
{
    static const std::array<KW3DSlot, 6> cleared { KW3D_SLOT_INSTALL_HEIGHT_LINE,
        KW3D_SLOT_INSTALL_HEIGHT_ICON, KW3D_SLOT_DISTANCE_LINE, KW3D_SLOT_DISTANCE_ICON,
        KW3D_SLOT_VERTICAL_LINE, KW3D_SLOT_SECOND_HEIGHT_ICON };
    return cleared;
}
