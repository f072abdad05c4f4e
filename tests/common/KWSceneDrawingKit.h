#pragma once
// How the application tests look at the scene views of the running program:
// the program shown in a language at scales 1 and 2, values typed into the
// tools' panels as the user types them, a view's drawing grabbed with what
// each of its items paints by itself, and values at a limit of the views
// set at both scales. Linked into the application tests only.

#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <ostream>
#include <vector>

class CKWDoubleSpiner;
class CKWQTVerticalSceneC;
class CMainFrameEventImp;

// A drawing view, the widget holding it with the controls laid over it (the
// view itself for a top view), and what the holder paints now.
struct KWSceneDrawing {
    // Grabbed once the events waiting have run. What the items paint alone
    // has `margin` clear pixels around the holder on every side, for what an
    // item paints outside it.
    KWSceneDrawing(QGraphicsView* view, QWidget* holder, int margin = 0);

    // What the visible ones of the items paint by themselves where they
    // stand: the holder's pixels, `margin` from the image's top left.
    QImage Alone(const QList<QGraphicsItem*>& items) const;
    QImage Alone(QGraphicsItem* item) const { return Alone(QList<QGraphicsItem*> { item }); }

    // The visible items of a kind, topmost first; a label only while it
    // shows a text.
    template <class Item> QList<Item*> Visible() const
    {
        QList<Item*> found;
        for (QGraphicsItem* item : view->scene()->items(Qt::DescendingOrder)) {
            auto* typed = dynamic_cast<Item*>(item);
            auto* label = dynamic_cast<QGraphicsTextItem*>(item);
            if (typed != nullptr && item->isVisible()
                && (label == nullptr || !label->toPlainText().isEmpty())) {
                found << typed;
            }
        }
        return found;
    }
    // The texts of the visible labels, topmost first.
    QStringList Texts() const;

    QGraphicsView* view = nullptr;
    QWidget* holder = nullptr;
    QImage grab;
    QRect port; // the view's viewport in the holder
    int margin = 0;
};

// The drawings of the IPC tool's side and top views and of the fisheye
// tool's side view.
KWSceneDrawing KWIPCSideDrawing(CMainFrameEventImp& frame, int margin = 0);
KWSceneDrawing KWIPCTopDrawing(CMainFrameEventImp& frame, int margin = 0);
KWSceneDrawing KWFishSideDrawing(CMainFrameEventImp& frame, int margin = 0);
CKWQTVerticalSceneC* KWIPCSideScene(CMainFrameEventImp& frame);

// A number typed into a box and entered, as the user enters it.
void KWType(CKWDoubleSpiner* box, const char* text);
// The IPC tool chosen, and its mount height, tilt and target distance typed
// in that order; a null one is left as it is.
void KWTypeIPC(CMainFrameEventImp& frame, const char* height, const char* tilt = nullptr,
    const char* distance = nullptr);
// The fisheye tool chosen, on the wall or the ceiling, and its mount height,
// the person's height and the person's distance typed in that order; a null
// one is left as it is.
void KWTypeFish(CMainFrameEventImp& frame, bool wall, const char* height, const char* personHeight = nullptr,
    const char* distance = nullptr);

// The program started in a language and shown, at scale 1 and then at
// scale 2 (the look of a 1920 x 1040 and of a 3840 x 2160 screen), for `use`
// with the scale; the language the tests run in comes back after each.
void KWOnBothScales(int language, const std::function<void(CMainFrameEventImp&, int scale)>& use);

// Values set to a limit of the views, in a language, and the drawing that
// shows them. `shown` is a text of the drawing that proves the limit was
// reached; `owners` are labels that stand beside a handle, by its id.
struct KWSceneLimit {
    struct Owner {
        const char* label;
        int handle;
    };
    const char* name;
    int language;
    std::function<void(CMainFrameEventImp&)> set;
    std::function<KWSceneDrawing(CMainFrameEventImp&, int margin)> drawing;
    const char* shown;
    std::vector<Owner> owners {};
};

void PrintTo(const KWSceneLimit& limit, std::ostream* os);

// The limit set at both scales: its drawing for check, once its texts show
// that the limit was reached.
void KWAtLimitOnBothScales(const KWSceneLimit& limit, int margin,
    const std::function<void(const KWSceneDrawing&, int scale)>& check);
