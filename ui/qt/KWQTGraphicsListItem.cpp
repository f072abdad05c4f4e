#include "ui/qt/KWQTGraphicsListItem.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTGraphicList.h"
#include "ui/qt/KWQtSupport.h"

#include <QFont>
#include <QFontMetrics>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPainter>

namespace {

const QColor kTitleColour(255, 255, 255);
const QColor kLineColour(145, 145, 145);
const QColor kProgressBack(48, 48, 48);
const QColor kProgressFill(88, 78, 72);
const QColor kHighlight(89, 89, 89, 100);

// The title keeps this many characters at each end when it is too wide.
constexpr int kTitleKeep = 6;

QFont PixelFont(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

} // namespace

CKWQTGraphicsListItem::CKWQTGraphicsListItem(int width, int height, int scale)
    : m_width(width)
    , m_height(height)
    , m_scale(scale)
    , m_title(new QGraphicsTextItem(this))
    , m_line2(new QGraphicsTextItem(this))
    , m_line3(new QGraphicsTextItem(this))
    , m_pictureItem(new QGraphicsPixmapItem(this))
{
    m_title->setDefaultTextColor(kTitleColour);
    m_title->setFont(PixelFont(14 * m_scale));
    m_line2->setDefaultTextColor(kLineColour);
    m_line2->setFont(PixelFont(12 * m_scale));
    m_line3->setDefaultTextColor(kLineColour);
    m_line3->setFont(PixelFont(12 * m_scale));
    setAcceptHoverEvents(true);
}

CKWQTGraphicsListItem::~CKWQTGraphicsListItem() = default;

void CKWQTGraphicsListItem::Setup(const tagGListItem_Info& info, const std::array<std::wstring, 3>& buttonImages)
{
    const int s = m_scale;
    m_info = info;

    m_picture = QPixmap();
    KWLoadSkinPixmap(m_info.strPicture, m_picture);
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i] = QPixmap();
        KWLoadSkinPixmap(buttonImages[i], m_buttons[i]);
    }

    // 18 x s from the right edge, centred vertically; a missing image gives
    // an empty rectangle that no click can hit.
    const QSize buttonSize = m_buttons[0].size();
    m_buttonRect = QRect(QPoint(0, 0), buttonSize);
    m_buttonRect.moveLeft(m_width - 18 * s - buttonSize.width());
    m_buttonRect.moveBottom((m_height - buttonSize.height()) / 2 + buttonSize.height());

    m_pictureItem->setPixmap(m_picture);
    m_pictureItem->setPos(10 * s, (m_height - m_picture.height()) / 2);

    const int textX = m_picture.width() + 20 * s;
    QRect box(textX, 0, 120, 20 * s);
    box.moveBottom((m_height - 60 * s) / 2 + 20 * s);

    const int titleWidth = m_width - 110 * s;
    const QString path = KWToQString(m_info.strFilePath);
    QString title = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    // Eliding a title of twelve characters or fewer would not shorten it.
    if (QFontMetrics(m_title->font()).horizontalAdvance(title) >= titleWidth && title.size() > 2 * kTitleKeep) {
        title = title.left(kTitleKeep) + QStringLiteral("...") + title.right(kTitleKeep);
    }
    m_title->setTextWidth(titleWidth);
    m_title->setPlainText(title);
    m_title->setPos(box.topLeft());

    box.translate(0, 20 * s);
    m_line2->setPlainText(KWToQString(m_info.strLine2));
    m_line2->setPos(box.topLeft());
    box.translate(0, 15 * s);
    m_line3->setPlainText(KWToQString(m_info.strLine3));
    m_line3->setPos(box.topLeft());
}

QRectF CKWQTGraphicsListItem::boundingRect() const
{
    return QRectF(0, 0, m_width, m_height);
}

void CKWQTGraphicsListItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* /*widget*/)
{
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect whole(0, 0, m_width, m_height);
    if (m_progress > 0 && m_progress < 100) {
        painter->fillRect(whole, kProgressBack);
        painter->fillRect(QRect(0, 0, m_width * m_progress / 100, m_height), kProgressFill);
    }
    if (m_hover != HOVER_NONE) {
        painter->fillRect(whole, kHighlight);
        const QPixmap& button = m_buttons[static_cast<size_t>(m_hover - 1)];
        if (!button.isNull()) {
            painter->drawPixmap(m_buttonRect, button);
        }
    } else if (m_selected) {
        painter->fillRect(whole, kHighlight);
    }
}

void CKWQTGraphicsListItem::SetPicture(const std::wstring& path)
{
    m_picture = QPixmap();
    KWLoadPicture(KWToQString(path), m_picture);
    m_pictureItem->setPixmap(m_picture);
}

void CKWQTGraphicsListItem::SetLine2(const std::wstring& text)
{
    m_line2->setPlainText(KWToQString(text));
}

void CKWQTGraphicsListItem::SetLine3(const std::wstring& text)
{
    m_line3->setPlainText(KWToQString(text));
}

void CKWQTGraphicsListItem::SetProgress(int pos)
{
    m_progress = pos;
    update();
}

void CKWQTGraphicsListItem::SetSelected(bool selected)
{
    m_selected = selected;
    update();
}

IKWGraphicListEvent* CKWQTGraphicsListItem::Listener() const
{
    if (scene() == nullptr || scene()->views().isEmpty()) {
        return nullptr;
    }
    const auto* list = qobject_cast<const CKWQTGraphicList*>(scene()->views().first());
    return list != nullptr ? list->Listener() : nullptr;
}

void CKWQTGraphicsListItem::SetHover(int state)
{
    m_hover = state;
    update();
}

void CKWQTGraphicsListItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // Accepted, so that the release comes here too.
    event->accept();
    if (m_buttonRect.contains(event->pos().toPoint())) {
        SetHover(HOVER_PRESSED);
    }
}

void CKWQTGraphicsListItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    IKWGraphicListEvent* listener = Listener();
    if (listener == nullptr) {
        return;
    }
    // The listener may delete this entry: each call is the last use of it.
    const int id = m_info.nID;
    if (m_buttonRect.contains(event->pos().toPoint())) {
        listener->OnListItemDelete(id);
        return;
    }
    SetSelected(true);
    listener->OnListItemClick(id);
}

void CKWQTGraphicsListItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_buttonRect.contains(event->pos().toPoint())) {
        return;
    }
    if (IKWGraphicListEvent* listener = Listener()) {
        listener->OnListItemDbClick(m_info.nID);
    }
}

void CKWQTGraphicsListItem::hoverEnterEvent(QGraphicsSceneHoverEvent* /*event*/)
{
    setToolTip(KWToQString(m_info.strFilePath));
    SetHover(HOVER_ENTRY);
}

void CKWQTGraphicsListItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    if (m_buttonRect.contains(event->pos().toPoint())) {
        SetHover(HOVER_BUTTON);
        return;
    }
    setToolTip(KWToQString(m_info.strFilePath));
    SetHover(HOVER_ENTRY);
}

void CKWQTGraphicsListItem::hoverLeaveEvent(QGraphicsSceneHoverEvent* /*event*/)
{
    setToolTip(QString());
    SetHover(HOVER_NONE);
}
