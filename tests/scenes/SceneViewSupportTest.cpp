// What every scene view draws its labels and lines with, at a UI scale.

#include "ui/scenes/KWQTSceneLabel.h"
#include "ui/scenes/KWSceneViewSupport.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QGraphicsLineItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QSignalSpy>
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

// Laying a label out again costs more than the rest of an update: the same
// text or scale again leaves its layout alone.
TEST(SceneViewSupport, TheSameTextOrScaleAgainLaysNothingOut)
{
    QGraphicsTextItem label;
    KWSetLabelScale(&label, 2.0);
    KWSetLabelText(&label, QStringLiteral("12.50m"));
    QSignalSpy layouts(label.document()->documentLayout(), &QAbstractTextDocumentLayout::update);
    const struct {
        const char* what;
        const char* text;
        double times;
        bool laidOut;
    } rows[] = {
        { "the same text and scale", "12.50m", 2.0, false },
        { "a new text", "12.60m", 2.0, true },
        { "a new scale", "12.60m", 1.0, true },
        { "both the same again", "12.60m", 1.0, false },
    };
    for (const auto& row : rows) {
        layouts.clear();
        KWSetLabelScale(&label, row.times);
        KWSetLabelText(&label, QString::fromLatin1(row.text));
        EXPECT_EQ(!layouts.isEmpty(), row.laidOut) << row.what;
        EXPECT_EQ(label.toPlainText(), QString::fromLatin1(row.text)) << row.what;
        EXPECT_EQ(label.font().pixelSize(), KWScaledLabelPixelSize(row.times)) << row.what;
    }
}

} // namespace
