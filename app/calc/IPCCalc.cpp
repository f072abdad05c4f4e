#include "app/calc/IPCCalc.h"

#include "app/NumberText.h"

#include <QString>

#include <climits>
#include <cmath>

IPCFocalSource FocalSourceFor(bool userDefined, int focalType)
{
    if (userDefined || focalType == kFocalTypeVarifocal) {
        return IPCFocalSource::Spin;
    }
    if (focalType == kFocalTypeChoice || focalType == kFocalTypeFixed) {
        return IPCFocalSource::Combo;
    }
    return IPCFocalSource::None;
}

bool PickFocalLength(bool userDefined, int focalType, double spinValue, double comboValue, double* focal)
{
    switch (FocalSourceFor(userDefined, focalType)) {
    case IPCFocalSource::Spin:
        *focal = spinValue;
        return true;
    case IPCFocalSource::Combo:
        *focal = comboValue;
        return true;
    case IPCFocalSource::None:
        break;
    }
    return false;
}

IPCSensorSize SensorSizeMm(double horizontalPixels, double verticalPixels, double pixelSizeUm)
{
    IPCSensorSize size;
    size.width = static_cast<float>(horizontalPixels * pixelSizeUm / 1000.0);
    size.height = static_cast<float>(verticalPixels * pixelSizeUm / 1000.0);
    return size;
}

namespace {

bool IsPositive(double value)
{
    return value > 0.0 && std::isfinite(value);
}

double FiniteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

double FormulaAngleDeg(float sensorSideMm, double focalMm)
{
    if (!IsPositive(focalMm) || !std::isfinite(sensorSideMm)) {
        return 0.0;
    }
    // The quotient is formed in double from the single-precision size.
    const double half = static_cast<double>(sensorSideMm) * 0.5 / focalMm;
    return std::atan(half) * 360.0 / kIPCAnglePi;
}

IPCViewAngles FormulaViewAngles(const IPCSensorSize& sensor, double focalMm)
{
    IPCViewAngles angles;
    angles.vertical = FormulaAngleDeg(sensor.height, focalMm);
    angles.horizontal = FormulaAngleDeg(sensor.width, focalMm);
    return angles;
}

namespace {

const std::string& TextAt(const std::map<int, std::string>& texts, int serial)
{
    static const std::string kEmpty;
    const auto it = texts.find(serial);
    return it != texts.end() ? it->second : kEmpty;
}

} // namespace

IPCViewAngles RecordViewAngles(const ModelRecord& model, double focalMm, bool* matched)
{
    IPCViewAngles angles;
    bool any = false;
    // No early exit: a focal length listed twice takes the later serial's angles.
    for (const auto& [serial, focalText] : model.value) {
        if (TextToDouble(focalText.c_str()) == focalMm) {
            angles.horizontal = TextToDouble(TextAt(model.ViewH, serial).c_str());
            angles.vertical = TextToDouble(TextAt(model.ViewV, serial).c_str());
            any = true;
        }
    }
    if (matched != nullptr) {
        *matched = any;
    }
    return angles;
}

bool ComputeViewAngles(bool userDefined, const SensorRow& userSensor, const ModelRecord& model, double spinValue,
                       double comboValue, IPCViewAngles* out)
{
    if (userDefined) {
        const IPCSensorSize sensor = SensorSizeMm(userSensor.horizontal, userSensor.vertical, userSensor.pixelSize);
        *out = FormulaViewAngles(sensor, spinValue);
        return true;
    }
    const int focalType = TextToInt(model.FLtype.c_str());
    double focal = 0.0;
    if (!PickFocalLength(false, focalType, spinValue, comboValue, &focal)) {
        return false;
    }
    const double pixelSize = TextToDouble(model.PixelSize.c_str());
    const IPCSensorSize sensor =
        SensorSizeMm(TextToDouble(model.strFBx.c_str()), TextToDouble(model.strFBy.c_str()), pixelSize);
    bool matched = false;
    IPCViewAngles angles = RecordViewAngles(model, focal, &matched);
    // Only a varifocal lens has angles between the listed focal lengths; a
    // fixed lens that is not listed has none.
    if (!matched && focalType == kFocalTypeVarifocal) {
        angles = FormulaViewAngles(sensor, focal);
    }
    // The views cannot draw an angle that is not a number.
    out->horizontal = FiniteOrZero(angles.horizontal);
    out->vertical = FiniteOrZero(angles.vertical);
    return true;
}

int TruncToIntOr(double value, int fallback)
{
    if (!std::isfinite(value)) {
        return fallback;
    }
    const double whole = std::trunc(value);
    if (whole < static_cast<double>(INT_MIN) || whole > static_cast<double>(INT_MAX)) {
        return fallback;
    }
    return static_cast<int>(whole);
}

IPCDensityResult ComputeDensity(const IPCDensityInput& in)
{
    IPCDensityResult result;
    result.targetTop = in.targetTop;

    const double heightM = in.metric ? in.installHeight : in.installHeight / kFeetPerMetre;
    const double distanceM = in.metric ? in.targetDistance : in.targetDistance / kFeetPerMetre;

    // A top edge that looks past the zenith never meets the target's plane
    // above the ground: the whole target height is in view.
    if (result.targetTop < 0.0 && in.verticalAngle / 2.0 + in.installAngle > 180.0) {
        result.targetTop = in.targetHeight;
    }
    if (in.targetHeight <= in.targetBottom || result.targetTop <= 0.0) {
        return result;
    }
    if (!in.focalKnown || !IsPositive(in.focal) || !IsPositive(in.pixelSize)) {
        return result;
    }

    const double top = result.targetTop;
    const double span = in.targetHeight >= top ? top - in.targetBottom : in.targetHeight - in.targetBottom;
    double sum = 0.0;
    // Ten samples from the bottom up; the upper end itself is never sampled.
    for (int i = 0; i < 10; ++i) {
        const double y = (heightM - in.targetBottom) - i * span / 10.0;
        const double d = std::sqrt(y * y + distanceM * distanceM);
        double density = (in.focal * 1000.0 / d) / in.pixelSize;
        if (!in.metric) {
            density /= kFeetPerMetre;
        }
        sum += density;
    }
    const double mean = sum / 10.0;
    result.value = TruncToIntOr(mean, kNoDensity);
    // Across 180 mm at the horizontal distance; never per foot.
    if (distanceM > 0.0) {
        const double count = (in.focal * 180.0) / ((in.pixelSize / 1000.0) * distanceM * 1000.0);
        result.pixelCount = TruncToIntOr(count, 0);
    }
    return result;
}

int FocalToSliderPos(double focalMm)
{
    const double hundredths = std::round(focalMm * 100.0);
    return TruncToIntOr(hundredths, 0);
}

double SliderPosToFocal(int pos)
{
    return static_cast<float>(pos / 100.0);
}

std::wstring FocalRangeText(double focalMm)
{
    return QString::asprintf("%.1fmm", focalMm).toStdWString();
}
