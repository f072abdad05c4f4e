#pragma once

#include <string>

// File names of the fisheye lens-distortion tables beside the executable.
// Shared by the generator that writes them and the loader that reads them,
// so the two can never disagree on a name.
//
// A table of lens type t is "<application directory>/disdate" followed by the
// suffix of t and ".csv". Types 0 and 1 are the same lens (type 0 its B
// variant); types 2 and 3 are two other lenses.

namespace KWLensTables
{

constexpr int kLensTypeCount = 4;

constexpr const char* kFilePrefix = "disdate";

constexpr const char* kFileExtension = ".csv";

// Indexed by lens type; without the extension.
constexpr const char* kLensSuffixes[kLensTypeCount] = {
    "-FL13-B",
    "-FL13",
    "-FL12",
    "-FL09",
};

// Suffix of a lens type, or nullptr for a type outside 0..3.
constexpr const char* LensSuffix(int lensType)
{
    return (lensType >= 0 && lensType < kLensTypeCount) ? kLensSuffixes[lensType] : nullptr;
}

// "disdate-FL13-B.csv" and so on: the file name without a directory, or an
// empty text for a type outside 0..3.
inline std::string LensTableFileName(int lensType)
{
    const char* suffix = LensSuffix(lensType);
    if (suffix == nullptr) {
        return std::string();
    }
    return std::string(kFilePrefix) + suffix + kFileExtension;
}

}  // namespace KWLensTables
