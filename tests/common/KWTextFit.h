#pragma once
// Whether every text of a window fits: each text is measured with the font
// its control paints it with (the widget's font after the style sheets, or
// the control's own text font) against the rectangle the control draws it
// in, and what is drawn must lie inside every ancestor and inside the
// window's visible frame. Scene texts are measured against their view.

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

struct KWTextPlace {
    QWidget* widget = nullptr;
    QString text;
    QFont font;
    QRect room; // in the widget's coordinates
    int flags = 0;
};

// The texts the visible controls under window (the window included) draw:
// labels, buttons, radio boxes, combo faces, spin-box and edit fields, menu
// entries.
std::vector<KWTextPlace> KWTextPlaces(QWidget* window);

// One line per text that does not fit its room, runs out of a parent or out
// of the window's visible frame, or (scene texts) out of its view, and per
// combo box whose face is not drawn whole.
QStringList KWTextFitFaults(QWidget* window);
