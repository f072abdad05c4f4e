#include "ui/scenes/KWQTGraphicsLineItem.h"

#include <gtest/gtest.h>

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <map>
#include <set>

namespace {

// The distinct grey levels a black line leaves on white, painted by a
// painter that was not asked for antialiasing.
std::set<int> GreyLevels(QGraphicsLineItem* line)
{
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 50, 20);
    line->setLine(2, 2, 45, 15);
    line->setPen(QPen(Qt::black, 1.0));
    scene.addItem(line);
    QImage image(50, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 50, 20), QRectF(0, 0, 50, 20));
    }
    scene.removeItem(line);
    std::set<int> levels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            levels.insert(qGray(image.pixel(x, y)));
        }
    }
    return levels;
}

TEST(GraphicsLineItem, PaintsAntialiasedWhateverThePainterWasAskedFor)
{
    QGraphicsLineItem plain;
    CKWQTGraphicsLineItem smooth;
    EXPECT_EQ(GreyLevels(&plain), (std::set<int> { 0, 255 }));
    EXPECT_GT(GreyLevels(&smooth).size(), 3u)
        << "a slanted antialiased line has shades between black and white";
}

// The rows (columns for a vertical line) a black line of the scale's width
// darkens on white, each with its darkest grey: a line on whole pixels
// darkens `scale` of them to black.
std::map<int, int> DarkenedRows(const QLineF& line, double scale, bool vertical)
{
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 60, 60);
    auto* item = new CKWQTGraphicsLineItem();
    item->setLine(line);
    item->setPen(QPen(Qt::black, scale));
    scene.addItem(item);
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 60, 60), QRectF(0, 0, 60, 60));
    }
    std::map<int, int> rows;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (grey < 255) {
                const int row = vertical ? x : y;
                rows[row] = rows.count(row) != 0 ? std::min(rows[row], grey) : grey;
            }
        }
    }
    return rows;
}

TEST(GraphicsLineItem, HorizontalAndVerticalLinesCoverWholePixels)
{
    const struct {
        const char* what;
        QLineF line;
        double scale;
        bool vertical;
        std::map<int, int> rows;
    } rows[] = {
        { "horizontal at 1x: one black row", QLineF(10, 30, 50, 30), 1.0, false, { { 30, 0 } } },
        { "vertical at 1x: one black column", QLineF(20, 5, 20, 55), 1.0, true, { { 20, 0 } } },
        { "between pixels at 1x: the nearest row", QLineF(10, 30.4, 50, 30.4), 1.0, false, { { 30, 0 } } },
        { "horizontal at 2x: two black rows", QLineF(10, 30, 50, 30), 2.0, false, { { 29, 0 }, { 30, 0 } } },
        { "vertical at 2x: two black columns", QLineF(20, 5, 20, 55), 2.0, true, { { 19, 0 }, { 20, 0 } } },
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DarkenedRows(row.line, row.scale, row.vertical), row.rows) << row.what;
    }
    // Its ends too: from x 10 to 50 the square cap takes x 10 to 50 whole.
    QGraphicsScene scene;
    auto* item = new CKWQTGraphicsLineItem();
    item->setLine(10, 30, 50, 30);
    scene.addItem(item);
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, 60, 60), QRectF(0, 0, 60, 60));
    }
    EXPECT_EQ(image.pixelColor(9, 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 30), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(50, 30), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(51, 30), QColor(Qt::white));
}

TEST(GraphicsLineItem, StartsWithoutTheParentItGiven)
{
    QGraphicsRectItem parent;
    CKWQTGraphicsLineItem line(&parent);
    EXPECT_EQ(line.parentItem(), nullptr);
    EXPECT_TRUE(parent.childItems().isEmpty());
}

} // namespace
