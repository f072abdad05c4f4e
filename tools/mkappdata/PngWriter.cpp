#include "PngWriter.h"

#include <QFile>
#include <QtEndian>

#include <array>

namespace MkAppData
{

namespace
{

// PNG chunk checksum: CRC-32 (ISO 3309), which Qt does not offer.
quint32 Crc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        c = table[(c ^ static_cast<quint8>(byte)) & 0xFFu] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    QByteArray body(type, 4);
    body += data;
    AppendBigEndian(out, static_cast<quint32>(data.size()));
    out += body;
    AppendBigEndian(out, Crc32(body));
}

}  // namespace

QByteArray EncodePng(const QImage& image)
{
    // Qt unpremultiplies here with the arithmetic its own writer uses.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const qsizetype rowBytes = qsizetype(rgba.width()) * 4;
    QByteArray rows;
    rows.reserve((rowBytes + 1) * rgba.height());
    for (int y = 0; y < rgba.height(); ++y) {
        rows.append('\0');  // filter type None
        rows.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rowBytes);
    }
    // qCompress puts the uncompressed length before the zlib stream PNG wants.
    const QByteArray deflated = qCompress(rows, 1).mid(4);

    QByteArray header;
    AppendBigEndian(header, static_cast<quint32>(rgba.width()));
    AppendBigEndian(header, static_cast<quint32>(rgba.height()));
    header.append("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter set, not interlaced

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        QByteArray density;
        AppendBigEndian(density, static_cast<quint32>(image.dotsPerMeterX()));
        AppendBigEndian(density, static_cast<quint32>(image.dotsPerMeterY()));
        density.append('\x01');  // per metre
        AppendChunk(png, "pHYs", density);
    }
    AppendChunk(png, "IDAT", deflated);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

bool WritePng(const QImage& image, const QString& path, QString* error)
{
    if (image.isNull()) {
        *error = QStringLiteral("cannot write %1: no picture").arg(path);
        return false;
    }
    QFile file(path);
    const QByteArray png = EncodePng(image);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(png) != png.size()
        || !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace MkAppData
