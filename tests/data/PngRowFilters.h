#pragma once

// The row filter types of an 8-bit RGBA PNG, read from its pixel data: one
// entry a row, or none when the file is not such a PNG.

#include <QByteArray>
#include <QtEndian>

#include <vector>

inline std::vector<int> PngRowFilters(const QByteArray& png)
{
    if (!png.startsWith("\x89PNG\r\n\x1a\n")) {
        return {};
    }
    quint32 width = 0;
    quint32 height = 0;
    QByteArray deflated;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray type = png.mid(at + 4, 4);
        const char* data = png.constData() + at + 8;
        if (type == "IHDR" && length >= 13) {
            width = qFromBigEndian<quint32>(data);
            height = qFromBigEndian<quint32>(data + 4);
            if (data[8] != 8 || data[9] != 6) {
                return {};
            }
        } else if (type == "IDAT") {
            deflated.append(data, length);
        }
        at += 12 + qsizetype(length);
    }
    const quint32 rowBytes = width * 4 + 1;
    // qUncompress wants the length of the data ahead of the zlib stream.
    char expected[4];
    qToBigEndian(rowBytes * height, expected);
    const QByteArray rows = qUncompress(QByteArray(expected, 4) + deflated);
    if (height == 0 || rows.size() != qsizetype(rowBytes) * height) {
        return {};
    }
    std::vector<int> filters;
    for (quint32 y = 0; y < height; ++y) {
        filters.push_back(static_cast<quint8>(rows[qsizetype(y) * rowBytes]));
    }
    return filters;
}
