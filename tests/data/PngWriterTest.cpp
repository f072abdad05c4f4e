// The skin tool's PNG writer: what it writes reads back as the pixels Qt's
// own writer keeps, at the same density, with every row unfiltered.

#include "PngRowFilters.h"

#include "PngWriter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace
{

QImage ThroughQtsWriter(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    EXPECT_TRUE(writer.write(image));
    return QImage::fromData(buffer.data(), "png");
}

QImage Premultiplied(QSize size, const std::function<void(QPainter&)>& paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

TEST(PngWriter, KeepsThePixelsOfQtsWriterWithEveryRowUnfiltered)
{
    QLinearGradient fade(0, 0, 40, 30);
    fade.setColorAt(0, QColor(255, 0, 0, 255));
    fade.setColorAt(1, QColor(0, 0, 255, 3));
    QImage dense
        = Premultiplied(QSize(5, 3), [](QPainter& p) { p.fillRect(0, 0, 5, 3, QColor(9, 99, 199, 77)); });
    dense.setDotsPerMeterX(7874);
    dense.setDotsPerMeterY(3937);
    QImage opaque(9, 4, QImage::Format_RGB32);
    opaque.fill(QColor(12, 200, 99));
    const struct
    {
        const char* what;
        QImage image;
    } rows[] = {
        {"transparent", Premultiplied(QSize(7, 5), [](QPainter&) {})},
        {"faint and antialiased edges",
            Premultiplied(QSize(40, 30),
                [&fade](QPainter& p) {
                    p.setBrush(fade);
                    p.setPen(QPen(QColor(0, 0, 0, 120), 1.5));
                    p.drawEllipse(QRectF(2.5, 3.5, 33, 21));
                })},
        {"its own density", dense},
        {"opaque", opaque},
        {"one pixel",
            Premultiplied(QSize(1, 1), [](QPainter& p) { p.fillRect(0, 0, 1, 1, QColor(1, 2, 3, 4)); })},
    };
    for (const auto& row : rows) {
        const QByteArray png = MkAppData::EncodePng(row.image);
        const QImage read = QImage::fromData(png, "png");
        const QImage reference = ThroughQtsWriter(row.image);
        ASSERT_FALSE(read.isNull()) << row.what;
        EXPECT_EQ(
            read.convertToFormat(QImage::Format_ARGB32), reference.convertToFormat(QImage::Format_ARGB32))
            << row.what;
        EXPECT_EQ(read.dotsPerMeterX(), reference.dotsPerMeterX()) << row.what;
        EXPECT_EQ(read.dotsPerMeterY(), reference.dotsPerMeterY()) << row.what;
        const std::vector<int> filters = PngRowFilters(png);
        EXPECT_EQ(filters.size(), static_cast<size_t>(row.image.height())) << row.what;
        EXPECT_TRUE(std::all_of(filters.begin(), filters.end(), [](int f) { return f == 0; })) << row.what;
    }
}

TEST(PngWriter, WritesTheFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    const QImage image = Premultiplied(QSize(3, 2), [](QPainter& p) { p.fillRect(0, 0, 3, 2, Qt::red); });
    QString error;
    const QString path = dir.filePath(QStringLiteral("pic.PNG"));
    ASSERT_TRUE(MkAppData::WritePng(image, path, &error)) << error.toStdString();
    EXPECT_EQ(
        QImage(path).convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32))
        << "a .PNG name is PNG too";

    EXPECT_FALSE(MkAppData::WritePng(image, dir.filePath(QStringLiteral("no/such/dir/pic.png")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("pic.png"))) << error.toStdString();
    error.clear();
    EXPECT_FALSE(MkAppData::WritePng(QImage(), dir.filePath(QStringLiteral("empty.png")), &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
