#pragma once
// The title buttons of both framed windows driven as a person drives them:
// steps of mouse events, each with the state buttons 2 and 3 then show, and
// clicks, each with the window state it leads to (alike in both windows).

#include "tests/common/KWTestKit.h"
#include "ui/api/KWDialog.h"
#include "ui/api/KWDialogStyle.h"
#include "ui/qt/KWSkinFrame.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <initializer_list>
#include <string>
#include <vector>

// Buttons 2 and 3, normal, over and down: the colours of their pictures of
// their own (what the dialog paints) and of their pieces of the skin image
// (what the main window paints).
inline const QColor KW_TITLE_BUTTON_PICTURES[2][3]
    = { { QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200) },
          { QColor(200, 200, 0), QColor(0, 200, 200), QColor(200, 0, 200) } };
inline const QColor KW_TITLE_BUTTON_PIECES[2][3]
    = { { QColor(100, 0, 0), QColor(0, 100, 0), QColor(0, 0, 100) },
          { QColor(100, 100, 0), QColor(0, 100, 100), QColor(100, 0, 100) } };

// A 300 x 200 window, white inside, with buttons 2 and 3 anchored 60 and 90
// pixels from the right edge, so that they follow the window's size; their
// pieces side by side in the skin image and their pictures as files.
inline DialogStyle KWTitleButtonSkin(KWTempSkinDir& skins)
{
    DialogStyle style;
    style.strSkinImage = L"buttons.png";
    style.strInteriorColor = L"FFFFFF";
    style.strWindowSize = L"300,200";
    style.strBtn2Hit = L"-60,5,20,20";
    style.strBtn3Hit = L"-90,5,20,20";
    std::wstring* const sources[2][3]
        = { { &style.strBtn2SrcNormal, &style.strBtn2SrcOver, &style.strBtn2SrcDown },
              { &style.strBtn3SrcNormal, &style.strBtn3SrcOver, &style.strBtn3SrcDown } };
    std::wstring* const pictures[2][3]
        = { { &style.strBtn2ImgNormal, &style.strBtn2ImgOver, &style.strBtn2ImgDown },
              { &style.strBtn3ImgNormal, &style.strBtn3ImgOver, &style.strBtn3ImgDown } };
    QPixmap skin(24, 4);
    QPainter painter(&skin);
    for (int b = 0; b < 2; ++b) {
        for (int state = 0; state < 3; ++state) {
            const int piece = 3 * b + state;
            painter.fillRect(4 * piece, 0, 4, 4, KW_TITLE_BUTTON_PIECES[b][state]);
            *sources[b][state] = QString::asprintf("%d,0,4,4", 4 * piece).toStdWString();
            const QString name = QString::asprintf("title%d.png", piece);
            skins.Add(name, KW_TITLE_BUTTON_PICTURES[b][state]);
            *pictures[b][state] = name.toStdWString();
        }
    }
    painter.end();
    skin.save(skins.Path() + "buttons.png", "png");
    return style;
}

// The window with that skin, shown.
inline void KWShowWithTitleButtonSkin(CKWDialog* window)
{
    KWTempSkinDir skins;
    DialogStyle style = KWTitleButtonSkin(skins);
    window->SetSkin(&style);
    window->ShowWindow(1);
}
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

// Starts from the shown window at rest, both buttons normal.
inline void KWRunTitleButtonSteps(QWidget* window, const CKWSkinFrame& frame, const QColor (&colours)[2][3],
    std::initializer_list<KWTitleButtonStep> steps)
{
    ASSERT_EQ(window->size(), QSize(300, 200));
    std::vector<KWTitleButtonStep> all { { "at rest", QEvent::None, 0, Qt::NoButton, 0, 0 } };
    all.insert(all.end(), steps);
    for (const KWTitleButtonStep& step : all) {
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
