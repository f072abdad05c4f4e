#pragma once

// PNG files that the program decodes quickly: every row stored unfiltered and
// the pixel data deflated at the fastest level. Qt's own writer lets libpng
// pick a row filter per row; undoing those filters is most of the time a
// skin picture takes to load, while unfiltered rows at fast compression come
// out at about the same size. The pixels are those Qt's writer would store:
// 8-bit RGBA, not premultiplied.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace MkAppData
{

QByteArray EncodePng(const QImage& image);

bool WritePng(const QImage& image, const QString& path, QString* error);

}  // namespace MkAppData
