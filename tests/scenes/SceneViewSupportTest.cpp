// What every scene view draws its labels and lines with, at a UI scale.

#include "ui/scenes/KWSceneViewSupport.h"

#include <gtest/gtest.h>

#include <QGraphicsLineItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QTextDocument>

namespace {

TEST(SceneViewSupport, LabelsAndLinesFollowTheScale)
{
    const struct {
        double times;
        int pixels;
        double margin;
        double penWidth;
    } rows[] = {
        { 1.0, 12, 4.0, 1.0 },
        { 2.0, 24, 8.0, 2.0 },
        { 1.5, 18, 6.0, 1.5 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.times);
        QGraphicsTextItem label(QStringLiteral("55.21"));
        KWSetLabelScale(&label, row.times);
        EXPECT_EQ(label.font().pixelSize(), row.pixels);
        EXPECT_DOUBLE_EQ(label.document()->documentMargin(), row.margin) << "the text's inset";
        EXPECT_DOUBLE_EQ(KWScenePen(Qt::black, row.times).widthF(), row.penWidth);
        QGraphicsLineItem line;
        line.setPen(QPen(Qt::red, 1.0, Qt::DashLine));
        KWScalePen(&line, row.times);
        EXPECT_DOUBLE_EQ(line.pen().widthF(), row.penWidth);
        EXPECT_EQ(line.pen().style(), Qt::DashLine) << "only the width changes";
        EXPECT_EQ(line.pen().color(), QColor(Qt::red));
    }
    QGraphicsTextItem tiny(QStringLiteral("x"));
    const int before = tiny.font().pixelSize();
    KWSetLabelScale(&tiny, 0.05);
    EXPECT_EQ(tiny.font().pixelSize(), before) << "a scale that gives no pixel leaves the label";
}

} // namespace
