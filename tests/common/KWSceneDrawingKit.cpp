#include "tests/common/KWSceneDrawingKit.h"

#include "app/MainFrameEventImp.h"
#include "app/calc/FishParameterSettingEventImp.h"
#include "app/calc/FishSideViewEventImp.h"
#include "app/calc/ParameterSettingEventImp.h"
#include "app/calc/SideViewEventImp.h"
#include "app/calc/TopViewEventImp.h"
#include "base/Globals.h"
#include "tests/common/KWTestKit.h"
#include "tests/common/ScreenLook.h"
#include "ui/scenes/KWQTVerticalSceneC.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QString>
#include <QStyleOptionGraphicsItem>
#include <QTransform>

#include <string>
#include <utility>

KWSceneDrawing::KWSceneDrawing(QGraphicsView* view, QWidget* holder, int margin)
    : view(view)
    , holder(holder)
    , margin(margin)
{
    QCoreApplication::processEvents();
    grab = holder->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    port = QRect(view->viewport()->mapTo(holder, QPoint(0, 0)), view->viewport()->size());
}

QImage KWSceneDrawing::Alone(const QList<QGraphicsItem*>& items) const
{
    QImage image(holder->size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(view->renderHints());
    const QTransform toImage
        = view->viewportTransform() * QTransform::fromTranslate(port.x() + margin, port.y() + margin);
    for (QGraphicsItem* item : items) {
        if (!item->isVisible()) {
            continue;
        }
        painter.setTransform(item->sceneTransform() * toImage);
        QStyleOptionGraphicsItem option;
        option.exposedRect = item->boundingRect();
        item->paint(&painter, &option, nullptr);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QStringList KWSceneDrawing::Texts() const
{
    QStringList texts;
    for (QGraphicsTextItem* label : Visible<QGraphicsTextItem>()) {
        texts << label->toPlainText();
    }
    return texts;
}

namespace {

// A side view is a widget holding its drawing's view with the controls laid
// over it.
KWSceneDrawing HeldDrawing(QWidget* holder, int margin)
{
    return KWSceneDrawing(holder->findChild<QGraphicsView*>(), holder, margin);
}

} // namespace

KWSceneDrawing KWIPCSideDrawing(CMainFrameEventImp& frame, int margin)
{
    return HeldDrawing(dynamic_cast<QWidget*>(frame.GetSideView()->GetScene()), margin);
}

KWSceneDrawing KWIPCTopDrawing(CMainFrameEventImp& frame, int margin)
{
    auto* view = dynamic_cast<QGraphicsView*>(frame.GetTopView()->GetScene());
    return KWSceneDrawing(view, view, margin);
}

KWSceneDrawing KWFishSideDrawing(CMainFrameEventImp& frame, int margin)
{
    return HeldDrawing(dynamic_cast<QWidget*>(frame.GetFishSideView()->GetScene()), margin);
}

CKWQTVerticalSceneC* KWIPCSideScene(CMainFrameEventImp& frame)
{
    return dynamic_cast<CKWQTVerticalSceneC*>(frame.GetSideView()->GetScene());
}

void KWType(CKWDoubleSpiner* box, const char* text)
{
    KWTypeAndEnter(dynamic_cast<QWidget*>(box), QString::fromLatin1(text));
    QCoreApplication::processEvents();
}

namespace {

void TypeInTurn(std::initializer_list<std::pair<CKWDoubleSpiner*, const char*>> values)
{
    for (const auto& [box, text] : values) {
        if (text != nullptr) {
            KWType(box, text);
        }
    }
}

} // namespace

void KWTypeIPC(CMainFrameEventImp& frame, const char* height, const char* tilt, const char* distance)
{
    frame.OnIPCToolClicked();
    const boost::shared_ptr<CParameterSettingEventImp> panel = frame.GetParameterSetting();
    TypeInTurn({ { panel->GetInstallHeightSpin(), height }, { panel->GetInstallAngleSpin(), tilt },
        { panel->GetDistanceSpin(), distance } });
}

void KWTypeFish(
    CMainFrameEventImp& frame, bool wall, const char* height, const char* personHeight, const char* distance)
{
    frame.OnFishToolClicked();
    const boost::shared_ptr<CFishParameterSettingEventImp> panel = frame.GetFishParameterSetting();
    if (wall) {
        panel->RADIO_OnClicked(1, static_cast<int>(kFishIdWallRadio), POINT { 0, 0 });
    }
    TypeInTurn({ { panel->GetInstallHeightSpin(), height }, { panel->GetObjectHeightSpin(), personHeight },
        { panel->GetObjectDistanceSpin(), distance } });
}

void KWOnBothScales(int language, const std::function<void(CMainFrameEventImp&, int scale)>& use)
{
    for (int scale : { 1, 2 }) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        const int testsLanguage = std::exchange(g_languageIndex, language);
        {
            const ScreenLook look(scale);
            const boost::shared_ptr<CMainFrameEventImp> frame = CMainFrameEventImp::CreateInstance();
            dynamic_cast<QWidget*>(frame->GetDlg())->show();
            QCoreApplication::processEvents();
            use(*frame, scale);
        }
        g_languageIndex = testsLanguage;
    }
}

void PrintTo(const KWSceneLimit& limit, std::ostream* os)
{
    *os << limit.name;
}

void KWAtLimitOnBothScales(
    const KWSceneLimit& limit, int margin, const std::function<void(const KWSceneDrawing&, int scale)>& check)
{
    KWOnBothScales(limit.language, [&](CMainFrameEventImp& frame, int scale) {
        limit.set(frame);
        const KWSceneDrawing drawing = limit.drawing(frame, margin);
        ASSERT_TRUE(drawing.Texts().contains(QString::fromUtf8(limit.shown)))
            << drawing.Texts().join(' ').toStdString();
        check(drawing, scale);
    });
}
