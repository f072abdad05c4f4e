#pragma once

// Renders the whole skin: every manifest picture into Skin/ and Skin/4K/, one
// 3D picture per camera model, and a contact sheet of the scale-1 pictures
// for people to review (written to the build folder, not beside the program).

#include "SeedData.h"

#include <QString>

namespace MkAppData
{

bool WriteSkins(const QString& skinDir, const SeedData& seeds, QString* error);

bool WriteContactSheet(const QString& pngPath, const SeedData& seeds, QString* error);

}  // namespace MkAppData
