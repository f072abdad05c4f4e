#include "tests/common/KWTextFit.h"

#include "ui/qt/KWQTButton.h"
#include "ui/qt/KWQTComboBox.h"
#include "ui/qt/KWQTDialog.h"
#include "ui/qt/KWQTMainWindow.h"
#include "ui/qt/KWQTRadioBox.h"
#include "ui/qt/KWQTStatic.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QFontMetrics>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// QLineEdit keeps this much room on either side of its text.
constexpr int kLineEditMargin = 2;

QString Describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("\"%1\" (%2 at %3,%4 %5x%6)")
        .arg(text, QLatin1String(widget->metaObject()->className()))
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

// The part of the window that is seen: inside the shadow margin of a
// skinned window, the whole widget otherwise.
QRect VisibleFrame(QWidget* window)
{
    int margin = 0;
    if (const auto* dialog = dynamic_cast<const CKWQTDialog*>(window)) {
        margin = dialog->Frame().ShadowWidth();
    } else if (const auto* mainWindow = dynamic_cast<const CKWQTMainWindow*>(window)) {
        margin = mainWindow->Frame().ShadowWidth();
    }
    return window->rect().adjusted(margin, margin, -margin, -margin);
}

// What of widget's own rectangle can be seen, in window coordinates: every
// ancestor clips it.
QRect VisibleArea(QWidget* widget, QWidget* window)
{
    QRect area = VisibleFrame(window);
    for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        area &= QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    }
    return area;
}

bool Shown(QWidget* widget, QWidget* window)
{
    return widget == window ? widget->isVisible() : widget->isVisibleTo(window);
}

void AddPlace(std::vector<KWTextPlace>& places, QWidget* widget, const QString& text, const QFont& font,
    const QRect& room, int flags)
{
    if (!text.isEmpty()) {
        places.push_back(KWTextPlace { widget, text, font, room, flags });
    }
}

void AddWidgetPlaces(std::vector<KWTextPlace>& places, QWidget* widget)
{
    if (auto* label = dynamic_cast<CKWQTStatic*>(widget)) {
        AddPlace(places, label, label->text(), label->TextFont(), label->TextRect(), label->TextFlags());
    } else if (auto* button = dynamic_cast<CKWQTButton*>(widget)) {
        AddPlace(places, button, button->text(), button->font(), button->TextRect(), button->TextFlags());
    } else if (auto* radio = dynamic_cast<CKWQTRadioBox*>(widget)) {
        AddPlace(places, radio, radio->text(), radio->TextFont(), radio->TextRect(), radio->TextFlags());
    } else if (auto* combo = dynamic_cast<CKWQTComboBox*>(widget)) {
        AddPlace(places, combo, combo->currentText(), combo->font(), combo->TextRect(),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
        const QRect room = edit->contentsRect().marginsRemoved(edit->textMargins()).adjusted(
            kLineEditMargin, 0, -kLineEditMargin, 0);
        AddPlace(places, edit, text, edit->font(), room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        AddPlace(places, label, label->text(), label->font(), label->contentsRect(),
            static_cast<int>(label->alignment()) | wrap);
    } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
        for (QAction* action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator()) {
                AddPlace(places, menu, action->text().remove(QLatin1Char('&')), menu->font(),
                    menu->actionGeometry(action), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
            }
        }
    }
}

// The smallest rectangle of pixels with any coverage.
QRect AlphaBox(const QImage& image)
{
    int left = image.width();
    int right = -1;
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The ink of a text drawn in room with font and flags, unclipped, in the
// room's coordinates; null for a text without ink.
QRect InkOf(const KWTextPlace& place)
{
    const QFontMetrics metrics(place.font);
    const int pad = metrics.height();
    const QRect area = place.room.united(metrics.boundingRect(place.room, place.flags, place.text))
                           .adjusted(-pad, -pad, pad, pad);
    QImage canvas(area.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(place.font);
    painter.setPen(Qt::black);
    // Unclipped, to see how far the text would reach: the control clips it.
    painter.drawText(place.room.translated(-area.topLeft()), place.flags | Qt::TextDontClip, place.text);
    painter.end();
    const QRect ink = AlphaBox(canvas);
    return ink.isNull() ? ink : ink.translated(area.topLeft());
}

QString Where(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What is drawn of a text (in window coordinates) must be seen whole.
void CheckSeen(const QString& what, const QRect& drawn, const QRect& seen, QStringList& faults)
{
    if (!drawn.isNull() && !seen.adjusted(-1, -1, 1, 1).contains(drawn)) {
        faults << QStringLiteral("%1 runs out of sight: drawn %2, seen %3").arg(what, Where(drawn), Where(seen));
    }
}

void CheckPlace(const KWTextPlace& place, QWidget* window, QStringList& faults)
{
    const QRect ink = InkOf(place);
    if (ink.isNull()) {
        return;
    }
    const QString what = Describe(place.widget, place.text);
    // An anti-aliased edge or a letter's overhang may reach one pixel out.
    if (!place.room.adjusted(-1, -1, 1, 1).contains(ink)) {
        faults << QStringLiteral("%1 at %2 px needs %3, has %4")
                      .arg(what)
                      .arg(QFontInfo(place.font).pixelSize())
                      .arg(Where(ink), Where(place.room));
        return;
    }
    CheckSeen(what, QRect(place.widget->mapTo(window, ink.topLeft()), ink.size()),
        VisibleArea(place.widget, window), faults);
}

void CheckSceneTexts(QGraphicsView* view, QWidget* window, QStringList& faults)
{
    if (view->scene() == nullptr) {
        return;
    }
    const QRect seen = VisibleArea(view->viewport(), window);
    for (QGraphicsItem* item : view->scene()->items()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty()) {
            continue;
        }
        const QString what = QStringLiteral("scene text \"%1\"").arg(text->toPlainText());
        QTextDocument* document = text->document();
        if (text->textWidth() > 0 && document->idealWidth() > text->textWidth()) {
            faults << QStringLiteral("%1 wraps: %2 px wide in %3")
                          .arg(what)
                          .arg(document->idealWidth())
                          .arg(text->textWidth());
        }
        QImage canvas(document->size().toSize(), QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        document->drawContents(&painter);
        painter.end();
        const QRect ink = AlphaBox(canvas);
        if (ink.isNull()) {
            continue;
        }
        const QRect onViewport = view->mapFromScene(text->mapRectToScene(QRectF(ink))).boundingRect();
        CheckSeen(what, QRect(view->viewport()->mapTo(window, onViewport.topLeft()), onViewport.size()), seen,
            faults);
    }
}

// Mean grey level of the columns [from, to) over the middle half of the rows.
double ColumnGrey(const QImage& image, int from, int to)
{
    double sum = 0;
    int count = 0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
        for (int x = std::max(0, from); x < std::min(image.width(), to); ++x) {
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return count > 0 ? sum / count : 0.0;
}

// A combo face is cut from its strip as a whole: its right end, where the
// arrow sits, shows the same frame as its left end.
void CheckComboFace(CKWQTComboBox* combo, QStringList& faults)
{
    const QImage face = combo->grab().toImage();
    const int edge = std::max(2, combo->height() / 8);
    const double left = ColumnGrey(face, 0, edge);
    const double right = ColumnGrey(face, face.width() - edge, face.width());
    if (std::abs(left - right) > 24) {
        faults << QStringLiteral("%1 is drawn without its right end (edge grey %2 left, %3 right)")
                      .arg(Describe(combo, combo->currentText()))
                      .arg(left)
                      .arg(right);
    }
}

} // namespace

std::vector<KWTextPlace> KWTextPlaces(QWidget* window)
{
    std::vector<KWTextPlace> places;
    if (window == nullptr) {
        return places;
    }
    QList<QWidget*> widgets { window };
    widgets += window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!Shown(widget, window) || (widget != window && widget->isWindow())) {
            continue;
        }
        // A spin box's number is its line edit's text.
        if (qobject_cast<QAbstractSpinBox*>(widget) != nullptr) {
            continue;
        }
        AddWidgetPlaces(places, widget);
    }
    return places;
}

QStringList KWTextFitFaults(QWidget* window)
{
    QStringList faults;
    if (window == nullptr) {
        return faults;
    }
    for (const KWTextPlace& place : KWTextPlaces(window)) {
        CheckPlace(place, window, faults);
        if (auto* combo = dynamic_cast<CKWQTComboBox*>(place.widget)) {
            CheckComboFace(combo, faults);
        }
    }
    for (QGraphicsView* view : window->findChildren<QGraphicsView*>()) {
        if (Shown(view, window)) {
            CheckSceneTexts(view, window, faults);
        }
    }
    return faults;
}
