#pragma once

// The product catalogue seeds: resources/data/sensors.csv and models.csv.
// Every artefact that depends on the camera models (the encrypted database,
// the built-in model list of the IPC panel, the per-model 3D pictures) is made
// from these two files, so they always agree.

#include <QString>

#include <string>
#include <vector>

namespace MkAppData
{

// One row of sensors.csv: a camera-mode class ("2.0MP"), a sensor format
// written without the inch mark ("1/2.8"), its resolution and pixel pitch.
struct SensorSeed
{
    std::string mode;
    std::string target;
    int hres = 0;
    int vres = 0;
    double pixelUm = 0.0;
    std::string pixelText;  // the pitch as written in the seed, e.g. "2.9"
};

// One row of models.csv. The same name may appear twice in the list (the
// built-in list repeats one entry); everything else is unique per name.
struct ModelSeed
{
    int id = 0;
    std::string name;
    std::string form;    // bullet, dome, turret, box, ptz: how its picture is drawn
    std::string sensor;  // sensor format; with hres and vres the key into the sensor table
    int hres = 0;
    int vres = 0;
    std::string flType;  // "2" choice of lenses, "3" varifocal, "4" one fixed lens
    std::vector<double> focals;
};

struct SeedData
{
    std::vector<SensorSeed> sensors;
    std::vector<ModelSeed> models;  // in id order, ids 1..n
};

// Reads both files and checks them (see ValidateSeeds). On failure returns
// false and says why in *error.
bool LoadSeeds(const QString& sensorsCsv, const QString& modelsCsv, SeedData* seeds, QString* error);

// The rules the application relies on: ids 1..133 in order; 132 distinct
// printable ASCII names of at most 24 characters, the 133rd repeating the
// 66th; the id-1 name first in wide-character order; a known form; focal type
// 2, 3 or 4 with one focal length for 4, two or more for 2 and exactly two for
// 3; every (sensor, width, height) present in the sensor table, whose rows are
// unique by that key and use the nine camera-mode classes; picture names that
// stay distinct once blanks become '_'.
bool ValidateSeeds(const SeedData& seeds, QString* error);

// The models with the duplicate entries left out, in id order.
std::vector<const ModelSeed*> DistinctModels(const SeedData& seeds);

const SensorSeed* FindSensor(const SeedData& seeds, const std::string& target, int hres, int vres);

// The 3D picture of a model: every blank becomes '_', then ".png".
QString ModelPictureName(const std::string& modelName);

// Full angle of view in degrees across `pixels` of pitch `pixelUm` behind a
// lens of focal length `focalMm` (distortion-free pinhole model).
double AngleOfViewDeg(int pixels, double pixelUm, double focalMm);

// Locale-independent texts as they are stored in the database.
std::string FormatAngle(double degrees);  // two decimals, "89.72"
std::string FormatFocal(double mm);       // shortest form, "2.8", "4", "13.5"

// The nine camera-mode classes of the IPC panel, in its order.
const std::vector<std::string>& CameraModeClasses();

}  // namespace MkAppData
