#include "ui/scenes/KWQTGraphicsLineItem.h"

#include <gtest/gtest.h>

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPen>

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

TEST(GraphicsLineItem, StartsWithoutTheParentItGiven)
{
    QGraphicsRectItem parent;
    CKWQTGraphicsLineItem line(&parent);
    EXPECT_EQ(line.parentItem(), nullptr);
    EXPECT_TRUE(parent.childItems().isEmpty());
}

} // namespace
