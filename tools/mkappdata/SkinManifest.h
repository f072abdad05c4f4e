#pragma once

// Every skin picture the application loads from Skin/ and Skin/4K/: its exact
// file name (".png" and ".PNG" differ), its size in each set and what it
// shows. Sizes follow the rectangles the controls cut or stretch the picture
// into, per scale; pictures cut at fixed source rectangles keep one layout in
// both sets.

#include "SkinArt.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace MkAppData
{

using SkinPainterFn = void (*)(QPainter&, const SkinArtContext&);

struct SkinEntry
{
    const char* name;
    QSize normalSize;
    QSize largeSize;
    const char* shows;
    SkinPainterFn paint;
    int variant;

    QSize SizeIn(SkinSet set) const { return set == SkinSet::Normal ? normalSize : largeSize; }
};

const std::vector<SkinEntry>& SkinManifest();

// The manifest entry of a file name, or nullptr.
const SkinEntry* FindSkin(const QString& name);

// Every per-model 3D picture: 410 x 267 design pixels, camera on its pole,
// ground and the watched area where the 3D view draws its markers.
QSize ModelPictureSize(SkinSet set);

QImage RenderSkin(const SkinEntry& entry, SkinSet set);
QImage RenderModelPicture(const ModelSeed& model, SkinSet set);

}  // namespace MkAppData
