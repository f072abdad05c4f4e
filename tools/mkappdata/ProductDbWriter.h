#pragma once

// Writes the encrypted product database Product.db from the seeds.
//
// Tables, as the application reads them:
//   newdata1 (id, name, strBM, strFBx, strFBy, FLtype, FLnum, ViewH, ViewV)
//     one row per distinct model; ViewH/ViewV are the widest angles of view;
//   newdata2 (name, serial, value, ViewH, ViewV)
//     one row per focal length, serials from 1, angles computed from the
//     sensor and that focal length;
//   newdata3 (id, Pixel, Target, Horizontal, Vertical, PixelSize)
//     one row per sensor; the application reads it with "select *" and takes
//     the cells after the id in this order, so the physical column order is
//     part of the format.
// All cells but the ids are text.

#include "SeedData.h"

#include <QString>

namespace MkAppData
{

// Replaces `path` with a new database keyed with the application's
// passphrase. Written under a temporary name and renamed, so an interrupted
// run never leaves a half-written Product.db behind.
bool WriteProductDatabase(const QString& path, const SeedData& seeds, QString* error);

}  // namespace MkAppData
