#pragma once
// The fisheye tool's pixel densities as plain functions of the panel's
// values and a lens table: the density on the target that the main frame
// shows, and the rings of equal density that the top view draws.
//
// Angles, image heights, slice densities and their sums are single precision
// on purpose: the densities shown must match the numbers this tool has always
// shown, truncation included.

#include <map>
#include <optional>
#include <string>
#include <vector>

// Incidence angle (degrees) -> image height on the sensor (millimetres).
using FishLensTable = std::map<float, float>;
// Ring radius in metres -> its label.
using FishRingMap = std::map<double, std::wstring>;

constexpr double kFishFeetPerMetre = 3.2808399;
// Ground samples of the ceiling rings: 0.1 m apart, out to 10 m.
constexpr int kFishRingSampleCount = 100;
constexpr int kFishRingLevelCount = 4;
constexpr int kFishWallRingCount = 5;
// The value that the density display shows as "N/A".
constexpr int kFishNoDensity = -1;

// What the calculations read from the panel. Lengths are in the panel's
// unit: metres when metric, feet otherwise.
struct FishInputs {
    bool ceiling = true;
    double installHeight = 2.0;
    double objectHeight = 1.7;
    double objectDistance = 2.0;
    bool metric = true;
    int modelIndex = 0;
};

// Metres per pixel of each model's sensor; 0 for an index without a model.
// The target density of model 0 uses a different pitch from its rings.
float FishTargetPixelPitch(int modelIndex);
float FishRingPixelPitch(int modelIndex);

// Slices of 0.1 m in an object of the given height in metres (the height
// rounded to tenths); 0 for a height that rounds to nothing or is not a
// usable number.
int FishSliceCount(double objectHeight);

// Image height of a ray `angle` degrees off the optical axis: the first entry
// whose angle is at least `angle`, exactly or interpolated from the entry
// before it (the origin before the first). No value past the last entry or
// for an angle that is not a number. A binary search: a table of millions
// of points costs a few steps more than one of a hundred.
std::optional<float> FishImageHeight(const FishLensTable& table, float angle);

// Pixels per metre on an upright target T metres high at D metres from a
// camera H metres up, with pixel pitch p. No value when the target has no
// slices, the pitch is not positive, one of its points lies at an angle
// beyond the lens table's last or the result is not finite. A ceiling result
// may be negative (a camera below the target's top mirrors its angles).
std::optional<float> FishWallDensity(const FishLensTable& table, double H, double T, double D, float pitch);
std::optional<float> FishCeilingDensity(
    const FishLensTable& table, double H, double T, double D, float pitch);

// The density on the target for the display: pixels per metre or per foot,
// truncated toward zero; kFishNoDensity when it cannot be computed or would
// be negative, and without a lens table.
int FishTargetPPM(const FishInputs& inputs, const FishLensTable& table);

// Ceiling rings: the density (per metre or per foot, as the inputs' unit) on
// a target at 0.1, 0.2 ... 10.0 m; not a number for a sample that cannot be
// computed (its far edge beyond the lens table). Empty when the target has no
// slices.
std::vector<float> FishCeilingRingSamples(const FishInputs& inputs, const FishLensTable& table);

// Where the samples first fall below `level`, interpolated from the sample
// before (the origin before the first), as a radius in metres. No value when
// the samples never reach the level, never fall below it, or come to a sample
// that is not a number before they do.
std::optional<double> FishRingCrossing(const std::vector<float>& samples, double level);

// Density levels of the four ceiling rings, per metre or per foot.
int FishRingLevel(int ring, bool metric);

// The rings for the top view, labelled with the given words for "Area" and
// "distance". None without a lens table.
FishRingMap FishRingPPM(const FishInputs& inputs, const FishLensTable& table, const std::wstring& area,
    const std::wstring& distance);
