#pragma once

// Writes the two include files through which the application takes the
// built-in camera model list, so that the list and Product.db come from the
// same seed:
//   BuiltInModels.inc        {L"name", id}, entries of every seed row in id order
//                            (the repeated entry included), for a brace
//                            initialiser of {const wchar_t*, int} pairs;
//   DefaultCameraPicture.inc the 3D picture of the id-1 model as a wide
//                            literal, the picture the IPC 3D view shows first.

#include "SeedData.h"

#include <QString>

namespace MkAppData
{

bool WriteModelList(const QString& directory, const SeedData& seeds, QString* error);

}  // namespace MkAppData
