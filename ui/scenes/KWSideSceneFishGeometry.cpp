#include "ui/scenes/KWSideSceneFishGeometry.h"

#include "base/KWRoundToHundredths.h"

namespace {

bool AxesHaveLength(const KWFishSideLayout& layout)
{
    return layout.axisWidth > 0.0 && layout.axisHeight > 0.0;
}

double HeightLabelX(const KWFishSideValues& v, double objectX, bool across)
{
    const bool right = (v.ceiling ? !v.rightSide : v.rightSide) != across;
    return right ? objectX + 20.0 * v.rectTimes : objectX - 60.0 * v.rectTimes;
}

} // namespace

KWFishSideLayout KWFishSideLayoutFor(const KWFishSideValues& v, int sceneWidth, int sceneHeight)
{
    const double t = v.rectTimes;
    const double margin = 20.0 * t;
    const double w = sceneWidth;
    const double h = sceneHeight;
    KWFishSideLayout l;

    if (v.ceiling) {
        l.originX = w * 0.5;
        l.axisWidth = w * 0.5 - margin;
    } else {
        l.originX = margin;
        l.axisWidth = w - 2.0 * margin;
    }
    l.originY = h - margin;
    l.axisHeight = h - 2.0 * margin;

    l.cameraY = (v.heightMax - v.installHeight) / v.heightMax * l.axisHeight;
    l.objectPx = v.objectHeight * l.axisHeight / v.heightMax;
    l.distancePx = v.objectDistance / v.lengthMax * l.axisWidth;
    const double minObjectPx = v.minObjectHeight * l.axisHeight / v.heightMax;
    l.objectX = (!v.ceiling || v.rightSide) ? l.originX + l.distancePx : l.originX - l.distancePx;

    const double cameraTop = margin + l.cameraY;
    l.lines[KW_FISH_LINE_ABOVE_CAMERA] = { { l.originX, margin }, { l.originX, cameraTop } };
    l.lines[KW_FISH_LINE_BELOW_CAMERA] = { { l.originX, cameraTop }, { l.originX, l.originY } };
    l.lines[KW_FISH_LINE_TO_PERSON] = { { l.originX, l.originY }, { l.originX + l.distancePx, l.originY } };
    l.lines[KW_FISH_LINE_BEYOND_PERSON]
        = { { l.originX + l.distancePx, l.originY }, { l.originX + l.axisWidth, l.originY } };
    l.lines[KW_FISH_LINE_LEFT_FLOOR] = { { margin, l.originY }, { l.originX, l.originY } };

    l.cameraLabel = { l.originX + 60.0 * t, cameraTop - 13.0 * t };
    l.cameraHandle = { l.originX + 30.0 * t, cameraTop - 13.0 * t };
    l.cameraRange = KWFishCameraRange(v, l, l.objectPx);
    l.cameraPicture = { l.originX - 24.0 * t, cameraTop - 24.0 * t };

    l.person = KWFishPersonAt(v, l, l.objectPx);
    l.objectHandle = { l.objectX - 13.0 * t, l.originY - l.objectPx - 13.0 * t };
    l.distanceHandle = { l.objectX - 13.0 * t, l.originY - 13.0 * t };
    l.distanceRange = { margin, l.originX + l.axisWidth };
    // On a ceiling mount the person can not be taller than the camera hangs.
    l.objectRange = v.ceiling ? KWSceneRange { cameraTop, l.originY - minObjectPx }
                              : KWSceneRange { l.originY - l.axisHeight, l.originY - minObjectPx };

    l.distanceLabel = { l.objectX - 22.0 * t, l.originY + 8.0 * t };
    l.heightLabel = { KWFishHeightLabelX(v, l.objectX), l.originY - l.objectPx - 13.0 * t };
    return l;
}

KWSceneRange KWFishCameraRange(const KWFishSideValues& v, const KWFishSideLayout& l, double objectPx)
{
    const double minInstallPx = v.minInstallHeight * l.axisHeight / v.heightMax;
    double lowest = l.originY - minInstallPx;
    if (v.ceiling && l.originY - objectPx < lowest) {
        lowest = l.originY - objectPx;
    }
    return { 20.0 * v.rectTimes, lowest };
}

KWFishPerson KWFishPersonAt(const KWFishSideValues& v, const KWFishSideLayout& l, double objectPx)
{
    const double t = v.rectTimes;
    KWFishPerson person;
    person.scaleY = objectPx / (t * KW_FISH_PERSON_HEIGHT);
    person.scaleX = person.scaleY > KW_FISH_PERSON_MAX_SCALE_X ? KW_FISH_PERSON_MAX_SCALE_X : person.scaleY;
    person.pos = { l.objectX - t * KW_FISH_PERSON_WIDTH * person.scaleX * 0.5, l.originY - objectPx };
    return person;
}

double KWFishHeightLabelX(const KWFishSideValues& v, double objectX)
{
    return HeightLabelX(v, objectX, false);
}

double KWFishHeightLabelAcrossX(const KWFishSideValues& v, double objectX)
{
    return HeightLabelX(v, objectX, true);
}

bool KWFishHeightAtY(const KWFishSideValues& v, const KWFishSideLayout& l, double y, double& height)
{
    if (!AxesHaveLength(l)) {
        return false;
    }
    height = KWRoundToHundredths((l.originY - y) / l.axisHeight * v.heightMax);
    return true;
}

double KWFishYAtHeight(const KWFishSideValues& v, const KWFishSideLayout& l, double height)
{
    return l.originY - height * l.axisHeight / v.heightMax;
}

bool KWFishDistanceAtX(
    const KWFishSideValues& v, const KWFishSideLayout& l, double x, double& distance, bool& rightSide)
{
    if (!AxesHaveLength(l)) {
        return false;
    }
    const double d = x - l.originX;
    if (d >= 1e-6) {
        // Pixels at scale 1, so that a place on the drawing gives the same
        // side at every scale.
        rightSide = v.ceiling || d <= KW_FISH_WALL_LABEL_SWITCH_PX * v.rectTimes;
        distance = KWRoundToHundredths(d / l.axisWidth * v.lengthMax);
    } else {
        // A wall mount has nothing left of the wall; a ceiling mount puts
        // the person on the camera's left.
        rightSide = !v.ceiling;
        distance = KWRoundToHundredths((l.originX - x) / l.axisWidth * v.lengthMax);
    }
    return true;
}

bool KWFishSideForDistance(const KWFishSideValues& v, double distance)
{
    if (v.ceiling || distance == 0.0) {
        return v.rightSide;
    }
    return distance < KW_FISH_WALL_LABEL_SWITCH_LENGTH;
}

bool KWFishSideForMount(const KWFishSideValues& v)
{
    if (v.ceiling) {
        return v.rightSide;
    }
    return v.objectDistance < KW_FISH_WALL_LABEL_SWITCH_LENGTH;
}
