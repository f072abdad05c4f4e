#pragma once
// The IPC tool's numbers without a window: which focal length applies, the
// angles of view of a camera, and the pixel density on the target. The panel
// reads its controls and fields into these and sends what comes out.

#include "app/DatabaseRecords.h"

#include <string>

// Focal types of a model record.
constexpr int kFocalTypeChoice = 2; // a choice of fixed lenses
constexpr int kFocalTypeVarifocal = 3;
constexpr int kFocalTypeFixed = 4; // one fixed lens

constexpr double kFeetPerMetre = 3.2808399;
// The angle formula divides by this literal, not by full-precision pi, so
// that the angles agree with the ones the product data were made with.
constexpr double kIPCAnglePi = 3.1415926535;
// What the display takes for "no density" (shown as "N/A").
constexpr int kNoDensity = -1;

// Where the focal length comes from: the spin box, the fixed-focal combo, or
// nowhere (a focal type that names no lens kind).
enum class IPCFocalSource { None, Spin, Combo };
IPCFocalSource FocalSourceFor(bool userDefined, int focalType);
// The focal length the rule picks; false for IPCFocalSource::None.
bool PickFocalLength(bool userDefined, int focalType, double spinValue, double comboValue, double* focal);

// Sensor size in millimetres from the pixel counts and the pixel pitch in
// micrometres, each kept in single precision.
struct IPCSensorSize {
    float width = 0.0f;
    float height = 0.0f;
};
IPCSensorSize SensorSizeMm(double horizontalPixels, double verticalPixels, double pixelSizeUm);

// Degrees.
struct IPCViewAngles {
    double horizontal = 0.0;
    double vertical = 0.0;
};
// Full angle across a sensor side behind the focal length: atan(size / 2 / f)
// in degrees, times two. A focal length that is not a positive number, or a
// sensor side that is not finite (a pixel size of NaN, a size too large for
// a float), gives 0 rather than 180 degrees or a NaN that the views would
// have to draw.
double FormulaAngleDeg(float sensorSideMm, double focalMm);
IPCViewAngles FormulaViewAngles(const IPCSensorSize& sensor, double focalMm);

// The record's angles for the focal length: every serial whose focal text
// reads as exactly f sets both angles, so the last such serial wins.
// matched tells whether any did; without one the angles are 0.
IPCViewAngles RecordViewAngles(const ModelRecord& model, double focalMm, bool* matched);

// The whole angle calculation of the panel. The user-defined camera uses its
// sensor row and the formula. A model: a varifocal lens takes the record's
// angles for the spin box value and falls back to the formula; a fixed lens
// takes the record's angles for the combo's focal length or 0. An angle that
// would not be finite is 0. False (and *out untouched) for a model whose
// focal type names no lens kind.
bool ComputeViewAngles(bool userDefined, const SensorRow& userSensor, const ModelRecord& model, double spinValue,
                       double comboValue, IPCViewAngles* out);

// Everything the density depends on, as the panel holds it.
struct IPCDensityInput {
    bool metric = true;
    double installHeight = 0.0; // display unit
    double targetDistance = 0.0; // display unit, horizontal
    double installAngle = 0.0; // degrees from the vertical
    double verticalAngle = 0.0; // degrees, the last one computed
    double targetTop = 0.0; // metres: where the view's edges cross the target's plane
    double targetBottom = 0.0;
    double targetHeight = 0.0; // metres
    bool focalKnown = false; // false: the focal type names no lens kind
    double focal = 0.0; // mm
    double pixelSize = 0.0; // micrometres
};

struct IPCDensityResult {
    int value = kNoDensity; // pixels per metre (per foot in feet mode), truncated
    int pixelCount = 0; // pixels across 180 mm at the horizontal distance
    double targetTop = 0.0; // the input's, or the target height when the view's top edge looks past the zenith
};

// The mean density over ten samples of the visible part of the target.
// Nothing here divides by zero or turns a non-finite number into an int: a
// target that is not visible, an unknown focal type, a focal length or pixel
// size that is not positive give kNoDensity with pixel count 0; a horizontal
// distance that is not positive gives pixel count 0; a mean or count that is
// not finite or does not fit an int gives kNoDensity or 0.
IPCDensityResult ComputeDensity(const IPCDensityInput& in);

// toward zero; fallback when value is not finite or its integer part does not
// fit an int.
int TruncToIntOr(double value, int fallback);

// The focal slider works in hundredths of a millimetre. Rounded to nearest:
// 2.3 mm is 230, although 2.3 * 100 is 229.99999... in binary.
int FocalToSliderPos(double focalMm);
// Back to millimetres, in single precision as the spin box is given it.
double SliderPosToFocal(int pos);
// "2.8mm", "12.0mm": one decimal, no locale, no length limit.
std::wstring FocalRangeText(double focalMm);
