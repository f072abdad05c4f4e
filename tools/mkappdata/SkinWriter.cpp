#include "SkinWriter.h"

#include "PngWriter.h"
#include "SkinDraw.h"
#include "SkinManifest.h"
#include "SkinStyle.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <set>
#include <vector>

namespace MkAppData
{

namespace
{

struct Tile
{
    QString name;
    QImage image;
};

}  // namespace

bool WriteSkins(const QString& skinDir, const SeedData& seeds, QString* error)
{
    const QString dirs[2] = {skinDir, skinDir + QStringLiteral("/4K")};
    const SkinSet sets[2] = {SkinSet::Normal, SkinSet::Large};
    for (int i = 0; i < 2; ++i) {
        if (!QDir().mkpath(dirs[i])) {
            *error = QStringLiteral("cannot create %1").arg(dirs[i]);
            return false;
        }
        for (const SkinEntry& entry : SkinManifest()) {
            if (!WritePng(RenderSkin(entry, sets[i]), dirs[i] + QLatin1Char('/') + QLatin1String(entry.name), error)) {
                return false;
            }
        }
        for (const ModelSeed* model : DistinctModels(seeds)) {
            if (!WritePng(RenderModelPicture(*model, sets[i]),
                      dirs[i] + QLatin1Char('/') + ModelPictureName(model->name), error)) {
                return false;
            }
        }
    }
    return true;
}

bool WriteContactSheet(const QString& pngPath, const SeedData& seeds, QString* error)
{
    std::vector<Tile> tiles;
    for (const SkinEntry& entry : SkinManifest()) {
        tiles.push_back({QLatin1String(entry.name), RenderSkin(entry, SkinSet::Normal)});
    }
    // One model picture per camera form: the others differ only in their caption.
    std::set<std::string> forms;
    for (const ModelSeed* model : DistinctModels(seeds)) {
        if (forms.insert(model->form).second) {
            tiles.push_back({ModelPictureName(model->name), RenderModelPicture(*model, SkinSet::Normal)});
        }
    }

    // Rows in manifest order, so that the states of one control stay side by
    // side; each slot is as wide as its picture or its label.
    constexpr int kSheetWidth = 1800;
    constexpr int kGap = 12;
    constexpr int kLabel = 14;
    const QFont font = SkinDraw::UiFont(10);
    const QFontMetrics metrics(font);
    std::vector<QPoint> positions;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    for (const Tile& t : tiles) {
        const int w = std::max(t.image.width(), metrics.horizontalAdvance(t.name));
        if (x + w + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kLabel + kGap;
            rowHeight = 0;
        }
        positions.emplace_back(x, y);
        x += w + kGap;
        rowHeight = std::max(rowHeight, t.image.height());
    }
    const int height = y + rowHeight + kLabel + kGap;

    QImage sheet(kSheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xFA, 0xFA, 0xFA));
    QPainter p(&sheet);
    for (size_t i = 0; i < tiles.size(); ++i) {
        const Tile& t = tiles[i];
        const QRect area(positions[i], t.image.size());
        // A mid-grey checkerboard under each picture shows what is transparent
        // and keeps white glyphs visible.
        for (int cy = area.top(); cy < area.bottom(); cy += 8) {
            for (int cx = area.left(); cx < area.right(); cx += 8) {
                const bool dark = (((cx - area.left()) / 8) + ((cy - area.top()) / 8)) % 2 != 0;
                p.fillRect(QRect(cx, cy, 8, 8).intersected(area), dark ? QColor(0x9A, 0xA3, 0xAE) : QColor(0xB8, 0xBF, 0xC8));
            }
        }
        p.drawImage(area.topLeft(), t.image);
        p.setFont(font);
        p.setPen(SkinStyle::kInk);
        p.drawText(QRect(area.left(), area.bottom() + 2, metrics.horizontalAdvance(t.name) + 2, kLabel),
                   Qt::AlignLeft | Qt::AlignTop, t.name);
    }
    p.end();
    QDir().mkpath(QFileInfo(pngPath).absolutePath());
    return WritePng(sheet, pngPath, error);
}

}  // namespace MkAppData
