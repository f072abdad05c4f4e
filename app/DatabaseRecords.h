#pragma once
// Records filled from the product database.

#include <map>
#include <string>

// One camera model. Texts are as stored (UTF-8); the maps are keyed by the
// focal length's serial number.
struct ModelRecord {
    int id = 0;
    std::string name; // the caller's; the database manager never writes it
    std::string strBM; // sensor format, e.g. "1/2.8"
    std::string strFBx; // horizontal resolution in pixels
    std::string strFBy; // vertical resolution in pixels
    std::string FLtype; // focal type as stored
    std::map<int, std::string> value; // focal length per serial
    std::map<int, std::string> ViewH; // horizontal angle of view per serial
    std::map<int, std::string> ViewV; // vertical angle of view per serial
    std::string Pixel;
    std::string PixelSize;
};

// One row of the sensor table.
struct SensorRow {
    wchar_t mode[256]; // camera mode, at most 255 characters, terminated
    char target[50]; // sensor format (UTF-8), at most 49 bytes, terminated
    int horizontal;
    int vertical;
    double pixelSize;
};
