#include "app/calc/FishCalc.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <limits>
#include <tuple>

namespace {

constexpr double kDegreesPerRadian = 180.0 / 3.1415926535;
constexpr double kMetresPerMillimetre = 0.001;
// The ceiling target is half a metre wide, centred on the object distance.
constexpr double kHalfWidth = 0.25;
constexpr float kSlicesPerMetre = 10.0f;

const int kRingLevels[kFishRingLevelCount][2] = {
    // per metre, per foot
    { 250, 76 },
    { 125, 38 },
    { 63, 19 },
    { 25, 8 },
};

const char* const kCeilingLabelsMetric[kFishRingLevelCount] = {
    "%1 #1: %2m, PPM:250",
    "%1 #2: %2m, PPM:125",
    "%1 #3: %2m, PPM:63",
    "%1 #4: %2m, PPM:25",
};

const char* const kCeilingLabelsFeet[kFishRingLevelCount] = {
    "%1 #1: %2ft, PPF:76",
    "%1 #2: %2ft, PPF:38",
    "%1 #3: %2ft, PPF:19",
    "%1 #4: %2ft, PPF:8",
};

float Degrees(double radians)
{
    return static_cast<float>(radians * kDegreesPerRadian);
}

// The image height of a point of the target. An undefined angle (0/0, a point
// on the optical axis seen from distance 0) adds nothing; an angle beyond the
// table's last has no image height, and a density that needs it cannot be
// computed.
std::optional<float> TargetImageHeight(const FishLensTable& table, float angle)
{
    if (std::isnan(angle)) {
        return 0.0f;
    }
    return FishImageHeight(table, angle);
}

// The inputs in metres.
struct Metres {
    double H;
    double T;
    double D;
};

Metres ToMetres(const FishInputs& inputs)
{
    if (inputs.metric) {
        return { inputs.installHeight, inputs.objectHeight, inputs.objectDistance };
    }
    return { inputs.installHeight / kFishFeetPerMetre, inputs.objectHeight / kFishFeetPerMetre,
        inputs.objectDistance / kFishFeetPerMetre };
}

QString Text(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

} // namespace

float FishTargetPixelPitch(int modelIndex)
{
    switch (modelIndex) {
    case 0:
        return 1.98e-6f;
    case 1:
        return 1.62e-6f;
    case 2:
        return 1.85e-6f;
    case 3:
        return 2.0e-6f;
    default:
        return 0.0f;
    }
}

float FishRingPixelPitch(int modelIndex)
{
    return modelIndex == 0 ? 1.85e-6f : FishTargetPixelPitch(modelIndex);
}

int FishSliceCount(double objectHeight)
{
    const double slices = std::floor(10.0 * objectHeight + 0.5);
    // Also refuses NaN and heights no slice loop could walk.
    if (!(slices > 0.0 && slices < static_cast<double>(INT_MAX))) {
        return 0;
    }
    return static_cast<int>(slices);
}

std::optional<float> FishImageHeight(const FishLensTable& table, float angle)
{
    // No key compares at least NaN, yet lower_bound would take the first
    // entry for it: an undefined angle finds nothing. The table holds only
    // finite angles, so for any other angle the search is exact.
    if (std::isnan(angle)) {
        return std::nullopt;
    }
    const auto at = table.lower_bound(angle);
    if (at == table.end()) {
        return std::nullopt;
    }
    const auto [k, v] = *at;
    float kp = 0.0f;
    float vp = 0.0f;
    if (at != table.begin()) {
        std::tie(kp, vp) = *std::prev(at);
    }
    if (k == angle || k == kp) {
        return v;
    }
    return (v - vp) * (angle - kp) / (k - kp) + vp;
}

std::optional<float> FishWallDensity(const FishLensTable& table, double H, double T, double D, float pitch)
{
    const int n = FishSliceCount(T);
    if (n <= 0 || !(pitch > 0.0f)) {
        return std::nullopt;
    }
    const auto angleOf = [&](float y) { return Degrees(std::atan(std::fabs(y - H) / D)); };
    const double sliceHeight = T / n;
    const std::optional<float> rFirst = TargetImageHeight(table, angleOf(static_cast<float>(T)));
    if (!rFirst) {
        return std::nullopt;
    }
    float rTop = *rFirst;
    float sum = 0.0f;
    for (int i = 0; i < n; ++i) {
        const float yTop = static_cast<float>(T - i / kSlicesPerMetre);
        const float yBot = static_cast<float>(T - (i + 1) / kSlicesPerMetre);
        const std::optional<float> rBotAt = TargetImageHeight(table, angleOf(yBot));
        if (!rBotAt) {
            return std::nullopt;
        }
        const float rBot = *rBotAt;
        const float eTop = static_cast<float>(yTop - H);
        const float eBot = static_cast<float>(yBot - H);
        // A slice across the camera's height has its edges on both sides of
        // the image centre, so their distances from it add up.
        const double extent = (eTop * eBot >= 0.0f)
            ? rBot * kMetresPerMillimetre - rTop * kMetresPerMillimetre
            : rBot * kMetresPerMillimetre + rTop * kMetresPerMillimetre;
        const float slice = static_cast<float>(extent / sliceHeight / pitch);
        sum += std::fabs(slice);
        rTop = rBot;
    }
    const float result = sum / static_cast<float>(n);
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

std::optional<float> FishCeilingDensity(const FishLensTable& table, double H, double T, double D, float pitch)
{
    const int n = FishSliceCount(T);
    if (n <= 0 || !(pitch > 0.0f)) {
        return std::nullopt;
    }
    const double s = T / n;
    float sumFar = 0.0f;
    float sumNear = 0.0f;
    for (int i = 0; i < n; ++i) {
        // Beyond the half-width the far edge is seen at the slice's top; closer
        // in, both edges are taken at its bottom.
        const double farBase = D > kHalfWidth ? H - s * (i + 1) : H - s * i;
        const double nearBase = H - s * i;
        sumFar += std::fabs(Degrees(std::atan((D + kHalfWidth) / farBase)));
        sumNear += std::fabs(Degrees(std::atan((D - kHalfWidth) / nearBase)));
    }
    const float meanFar = sumFar / static_cast<float>(n);
    const float meanNear = sumNear / static_cast<float>(n);
    const std::optional<float> rFarAt = TargetImageHeight(table, meanFar);
    const std::optional<float> rNearAt = TargetImageHeight(table, meanNear);
    if (!rFarAt || !rNearAt) {
        return std::nullopt;
    }
    const float rFar = *rFarAt;
    const float rNear = *rNearAt;
    // A target straddling the axis has its edges on both sides of the image
    // centre.
    const double extent = D >= kHalfWidth ? rFar * kMetresPerMillimetre - rNear * kMetresPerMillimetre
                                          : rFar * kMetresPerMillimetre + rNear * kMetresPerMillimetre;
    const float result = static_cast<float>(extent / (2 * kHalfWidth) / pitch);
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

int FishTargetPPM(const FishInputs& inputs, const FishLensTable& table)
{
    // Without a lens table every image height would count as 0, and 0 PPM
    // would pass for a result.
    if (table.empty()) {
        return kFishNoDensity;
    }
    const Metres m = ToMetres(inputs);
    const float pitch = FishTargetPixelPitch(inputs.modelIndex);
    const std::optional<float> density = inputs.ceiling ? FishCeilingDensity(table, m.H, m.T, m.D, pitch)
                                                        : FishWallDensity(table, m.H, m.T, m.D, pitch);
    if (!density) {
        return kFishNoDensity;
    }
    float result = *density;
    if (!inputs.metric) {
        result = static_cast<float>(result / kFishFeetPerMetre);
    }
    // A negative density (a camera below the target's top mirrors its angles)
    // means nothing; it must not show as 0 after truncation either.
    if (!(result >= 0.0f)) {
        return kFishNoDensity;
    }
    if (result >= static_cast<float>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(result);
}

std::vector<float> FishCeilingRingSamples(const FishInputs& inputs, const FishLensTable& table)
{
    const Metres m = ToMetres(inputs);
    if (FishSliceCount(m.T) <= 0) {
        return {};
    }
    const float pitch = FishRingPixelPitch(inputs.modelIndex);
    std::vector<float> samples;
    samples.reserve(kFishRingSampleCount);
    for (int k = 0; k < kFishRingSampleCount; ++k) {
        const double x = (k + 1) * (1 / 10.0);
        // Not a number where the target's far edge lies beyond the lens table.
        float v
            = FishCeilingDensity(table, m.H, m.T, x, pitch).value_or(std::numeric_limits<float>::quiet_NaN());
        if (!inputs.metric) {
            v = static_cast<float>(v / kFishFeetPerMetre);
        }
        samples.push_back(v);
    }
    return samples;
}

std::optional<double> FishRingCrossing(const std::vector<float>& samples, double level)
{
    float maximum = 0.0f;
    for (const float v : samples) {
        if (std::isfinite(v)) {
            maximum = std::max(maximum, v);
        }
    }
    if (maximum < level) {
        return std::nullopt;
    }
    int kp = 0;
    double vp = 0.0;
    for (int k = 0; k < static_cast<int>(samples.size()); ++k) {
        // A search that runs past the lens table before the density falls
        // below the level cannot say where it would: no ring.
        if (!std::isfinite(samples[k])) {
            return std::nullopt;
        }
        const double v = samples[k];
        if (v < level) {
            // Equal densities on both sides (only a zero first sample after the
            // origin) would be 0/0: the crossing is then the sample itself.
            const double R = (vp == v) ? k : kp + (k - kp) * (vp - level) / (vp - v);
            return (R + 1) / 10.0;
        }
        kp = k;
        vp = v;
    }
    return std::nullopt;
}

int FishRingLevel(int ring, bool metric)
{
    if (ring < 0 || ring >= kFishRingLevelCount) {
        return 0;
    }
    return kRingLevels[ring][metric ? 0 : 1];
}

FishRingMap FishRingPPM(const FishInputs& inputs, const FishLensTable& table, const std::wstring& area,
    const std::wstring& distance)
{
    FishRingMap rings;
    // No lens, no densities: no ring and no label may suggest one.
    if (table.empty()) {
        return rings;
    }
    if (inputs.ceiling) {
        const std::vector<float> samples = FishCeilingRingSamples(inputs, table);
        if (samples.empty()) {
            return rings;
        }
        for (int j = 0; j < kFishRingLevelCount; ++j) {
            const std::optional<double> radius = FishRingCrossing(samples, FishRingLevel(j, inputs.metric));
            if (!radius) {
                continue;
            }
            const double shown = inputs.metric ? *radius : *radius * kFishFeetPerMetre;
            const char* format = inputs.metric ? kCeilingLabelsMetric[j] : kCeilingLabelsFeet[j];
            // Keys stay in metres whatever the unit: the top view draws in metres.
            rings[*radius]
                = QString::fromLatin1(format).arg(Text(area), QString::number(shown, 'f', 2)).toStdWString();
        }
        return rings;
    }

    const Metres m = ToMetres(inputs);
    const float pitch = FishRingPixelPitch(inputs.modelIndex);
    for (int r = 0; r < kFishWallRingCount; ++r) {
        const double d = 2.0 * (r + 1);
        std::optional<float> density = FishWallDensity(table, m.H, m.T, d, pitch);
        if (density && !inputs.metric) {
            density = static_cast<float>(*density / kFishFeetPerMetre);
        }
        const double shown = inputs.metric ? d : d * kFishFeetPerMetre;
        const QString value = density ? QString::number(*density, 'f', 0) : QStringLiteral("N/A");
        const char* format = inputs.metric ? "%1: %2m, PPM:%3" : "%1: %2ft, PPF:%3";
        rings[d] = QString::fromLatin1(format)
                       .arg(Text(distance), QString::number(shown, 'f', 1), value)
                       .toStdWString();
    }
    return rings;
}
