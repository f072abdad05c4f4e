#include "ui/scenes/KWQTSceneLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

// The font size at which the backing reaches one pixel beyond the text.
constexpr double kFontPixelsPerPixel = 12.0;
// Enough to make black text legible on the darkest picture, yet the picture
// under a label (the dome of the fisheye side view lies under its height
// label) still shows through instead of vanishing.
constexpr double kBackingOpacity = 0.85;

} // namespace

CKWQTSceneLabel::CKWQTSceneLabel(const QString& text, const QColor& backing)
    : QGraphicsTextItem(text)
    , m_backing(backing)
{
}

CKWQTSceneLabel::~CKWQTSceneLabel() = default;

QRectF CKWQTSceneLabel::BackingRect() const
{
    QRectF text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; layout != nullptr && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.naturalTextWidth() > 0.0) {
                text |= line.naturalTextRect().translated(layout->position());
            }
        }
    }
    if (text.isEmpty()) {
        return text;
    }
    const int pixels = font().pixelSize();
    const double reach = pixels > 0 ? std::max(1.0, pixels / kFontPixelsPerPixel) : 1.0;
    return text.adjusted(-reach, -reach, reach, reach);
}

void CKWQTSceneLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QRectF backing = BackingRect();
    if (!backing.isEmpty()) {
        QColor veil = m_backing;
        veil.setAlphaF(kBackingOpacity);
        painter->fillRect(backing, veil);
    }
    QGraphicsTextItem::paint(painter, option, widget);
}
