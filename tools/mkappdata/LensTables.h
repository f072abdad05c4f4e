#pragma once

// The four fisheye lens-distortion tables, computed from stated projection
// models instead of measured data:
//   type 0 "FL13" variant B: equisolid, f = 1.36 mm, with a barrel term
//          r * (1 + 0.01 (theta / 90 deg)^2) that the B variant adds;
//   type 1 "FL13":           equisolid      r = 2 f sin(theta / 2), f = 1.36 mm
//                            (image circle about 3.85 mm, which fills a
//                            1944-pixel sensor of 1.98 um pitch);
//   type 2 "FL12":           equidistant    r = f theta,            f = 1.20 mm;
//   type 3 "FL09":           stereographic  r = 2 f tan(theta / 2), f = 0.95 mm.
// Each file lists "angle,height" (degrees, millimetres) from 0 to 100 degrees
// in steps of 0.5 degree, past the 90 degrees the density calculations look up.

#include <QString>

namespace MkAppData
{

enum class LensProjection
{
    Equisolid,
    EquisolidBarrel,  // equisolid with the variant's small barrel term
    Equidistant,
    Stereographic,
};

struct LensModel
{
    int lensType;
    LensProjection projection;
    double focalMm;
    bool quotedFields;  // one table quotes its fields, as some exported tables do
};

constexpr double kLensTableStepDeg = 0.5;
constexpr double kLensTableLastDeg = 100.0;

const LensModel& LensModelOf(int lensType);  // lensType 0..3

// Image height in millimetres of a ray `thetaDeg` off the optical axis.
double LensImageHeightMm(const LensModel& lens, double thetaDeg);

// Writes the four tables into `directory` under the names of
// app/LensTableNames.h.
bool WriteLensTables(const QString& directory, QString* error);

}  // namespace MkAppData
