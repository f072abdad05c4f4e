#pragma once
// The title buttons of both framed windows driven as a person drives them:
// steps of mouse events, each with the state buttons 2 and 3 then show, and
// clicks, each with the window state it leads to (alike in both windows).
// The skin gives buttons 2 and 3 one colour per state (normal, over, down).

#include "ui/qt/KWSkinFrame.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <initializer_list>

struct KWTitleButtonStep {
    const char* name;
    QEvent::Type type; // QEvent::Leave: the mouse leaves; QEvent::None: nothing happens
    int button; // where, 0: away from every button
    Qt::MouseButtons held;
    int state2, state3; // 0 normal, 1 over, 2 down
};

// A mouse event at a point of the window with its screen position; the left
// button is the one that changed for a press or a release.
inline void KWSendTitleMouse(QWidget* window, QEvent::Type type, const QPoint& at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

// What the window shows of a point of its background, which it draws scaled
// into itself less the shadow margin of 10 pixels.
inline QColor KWShownAt(QWidget* window, const QPoint& point)
{
    const int w = window->width();
    const int h = window->height();
    return window->grab().toImage().pixelColor(10 + point.x() * (w - 20) / w, 10 + point.y() * (h - 20) / h);
}

inline void KWRunTitleButtonSteps(QWidget* window, const CKWSkinFrame& frame, const QColor (&colours)[2][3],
    std::initializer_list<KWTitleButtonStep> steps)
{
    for (const KWTitleButtonStep& step : steps) {
        if (step.type == QEvent::Leave) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(window, &leave);
        } else if (step.type != QEvent::None) {
            const QPoint away(window->width() / 2, window->height() * 3 / 4);
            KWSendTitleMouse(
                window, step.type, step.button == 0 ? away : frame.HitRect(step.button).center(), step.held);
        }
        EXPECT_EQ(KWShownAt(window, frame.HitRect(2).center()), colours[0][step.state2]) << step.name;
        EXPECT_EQ(KWShownAt(window, frame.HitRect(3).center()), colours[1][step.state3]) << step.name;
    }
}

// Button 2 maximises and restores, button 3 restores a maximised window and
// minimises a normal one. The requests are queued: each is looked at once
// the events have been processed.
inline void KWRunTitleButtonClicks(QWidget* window, const CKWSkinFrame& frame)
{
    struct Click {
        const char* name;
        int button;
        Qt::WindowStates state;
    };
    const Click clicks[] = {
        { "2 maximises", 2, Qt::WindowMaximized },
        { "2 restores", 2, Qt::WindowNoState },
        { "2 maximises again", 2, Qt::WindowMaximized },
        { "3 on a maximised window restores", 3, Qt::WindowNoState },
        { "3 minimises", 3, Qt::WindowMinimized },
    };
    for (const Click& click : clicks) {
        const QPoint at = frame.HitRect(click.button).center();
        KWSendTitleMouse(window, QEvent::MouseButtonPress, at, Qt::LeftButton);
        KWSendTitleMouse(window, QEvent::MouseButtonRelease, at, Qt::NoButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->windowState(), click.state) << click.name;
    }
}
