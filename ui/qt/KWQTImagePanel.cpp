#include "ui/qt/KWQTImagePanel.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <new>
#include <string>

namespace {

const QColor kSelectedFrame(69, 136, 255);
const QColor kInfoBackground(92, 101, 118);

const char* const kLabels[CKWQTImagePanel::DETAIL_ROWS] = { "Type", "Name", "Start Time", "End Time" };

// Framework strings live until the program ends.
std::wstring& HotImagePathBuffer()
{
    static std::wstring path;
    return path;
}

} // namespace

CKWImagePanel* CreateKWImagePanel(IKWImagePanelEvent* listener)
{
    return new (std::nothrow) CKWQTImagePanel(listener);
}

CKWQTImagePanel::CKWQTImagePanel(IKWImagePanelEvent* listener)
    : QWidget(nullptr)
    , CKWImagePanel(listener)
    , m_scrollBar(new QScrollBar(Qt::Horizontal, this))
{
    m_scrollBar->hide();
    setAttribute(Qt::WA_MouseTracking);
}

CKWQTImagePanel::~CKWQTImagePanel() = default;

int CKWQTImagePanel::Create(LPCWSTR /*text*/, const RECT& rect, void* parent, UINT /*id*/)
{
    KWPlaceInParent(this, parent, rect);
    ComputeLayout();
    m_scrollBar->setPageStep(width());
    m_scrollBar->setSingleStep(width() / 10);
    m_scrollBar->show();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &CKWQTImagePanel::OnScrollBarChanged,
        Qt::UniqueConnection);
    return 0;
}

void CKWQTImagePanel::SetCursor() { }

int CKWQTImagePanel::SetSkin(UIImagePanelStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    m_backgroundColor = ColorFromHexString(style->strStripColor);
    m_secondColor = ColorFromHexString(style->strSecondColor);
    m_cellRect = QRect(QPoint(0, 0), QPoint(style->nThumbWidth - 1, style->nThumbHeight - 1));
    m_margin = style->nMargin;
    m_topOffset = style->nTopOffset;
    m_spacing = style->nSpacing;
    update();
    return 0;
}

void CKWQTImagePanel::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTImagePanel::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left + 1, rect->bottom - rect->top + 1);
    }
}

void CKWQTImagePanel::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTImagePanel::GetCount() const
{
    return static_cast<int>(m_items.size());
}

int CKWQTImagePanel::AddItem(LPCWSTR path, LPCWSTR name, LPCWSTR type, LPCWSTR startTime, LPCWSTR endTime)
{
    Item item;
    item.path = KWToQString(path);
    item.name = KWToQString(name);
    const bool known = std::any_of(m_items.begin(), m_items.end(),
        [&item](const Item& other) { return other.path == item.path && other.name == item.name; });
    if (known) {
        return 0;
    }
    item.type = KWToQString(type);
    item.startTime = KWToQString(startTime);
    item.endTime = KWToQString(endTime);
    KWLoadPicture(item.path, item.pixmap);
    m_items.push_back(std::move(item));
    UpdateScrollRange();
    update();
    return 1;
}

void CKWQTImagePanel::ClearItems()
{
    m_items.clear();
    m_hotIndex = -1;
    m_selectedIndex = -1;
    UpdateScrollRange();
    update();
}

void CKWQTImagePanel::DelByItemName(LPCWSTR name)
{
    const QString key = KWToQString(name);
    // The hot and selected marks follow their items; a removed item loses its
    // mark rather than passing it to whichever item moves into its place.
    std::vector<Item> kept;
    int hot = -1;
    int selected = -1;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].name == key) {
            continue;
        }
        if (static_cast<int>(i) == m_hotIndex) {
            hot = static_cast<int>(kept.size());
        }
        if (static_cast<int>(i) == m_selectedIndex) {
            selected = static_cast<int>(kept.size());
        }
        kept.push_back(std::move(m_items[i]));
    }
    m_items = std::move(kept);
    m_hotIndex = hot;
    m_selectedIndex = selected;
    UpdateScrollRange();
    update();
}

void CKWQTImagePanel::SetScrollType(DISPLAY_TYPE /*type*/) { }

LPCWSTR CKWQTImagePanel::GetHotImagePath()
{
    std::wstring& buffer = HotImagePathBuffer();
    if (m_selectedIndex >= 0 && m_selectedIndex < GetCount()) {
        buffer = KWFromQString(m_items[static_cast<size_t>(m_selectedIndex)].path);
    } else {
        buffer.clear();
    }
    return buffer.c_str();
}

std::vector<QRect> CKWQTImagePanel::PlaceItems(
    int count, const QRect& strip, const QRect& cell, int margin, int topOffset, int spacing, int scrollPos)
{
    std::vector<QRect> placed;
    if (count <= 0) {
        return placed;
    }
    const int cw = cell.width();
    const int centre = std::max(0, (strip.width() - 2 * margin - (count - 1) * spacing - count * cw) / 2);
    QRect next = cell.translated(centre + margin - scrollPos, topOffset);
    for (int i = 0; i < count; ++i) {
        if (next.left() >= strip.right()) {
            break;
        }
        placed.push_back(next);
        next.translate(cw + spacing, 0);
    }
    return placed;
}

int CKWQTImagePanel::ScrollMaximum(int count, int stripWidth, int cellWidth, int margin, int spacing)
{
    const int content = std::max((count - 1) * spacing + count * cellWidth + 2 * margin, stripWidth);
    return content - stripWidth;
}

QString CKWQTImagePanel::ValueText(int row) const
{
    return row >= 0 && row < DETAIL_ROWS ? m_values[static_cast<size_t>(row)] : QString();
}

std::vector<QRect> CKWQTImagePanel::PlacedRects() const
{
    return PlaceItems(GetCount(), m_stripRect, m_cellRect, m_margin, m_topOffset, m_spacing, m_scrollBar->value());
}

int CKWQTImagePanel::HitTest(const QPoint& point) const
{
    const std::vector<QRect> placed = PlacedRects();
    for (size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].contains(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CKWQTImagePanel::ComputeLayout()
{
    const QRect all = rect();
    const int infoLeft = all.right() - m_infoWidth;
    m_scrollBar->setGeometry(QRect(QPoint(all.left(), all.bottom() - 14), QPoint(infoLeft, all.bottom())));
    m_stripRect = QRect(QPoint(all.left(), all.top()), QPoint(infoLeft, all.bottom() - 14));
    m_infoRect = QRect(QPoint(infoLeft, all.top()), QPoint(all.right(), all.bottom()));
    const int x0 = width() - m_infoWidth;
    for (int row = 0; row < DETAIL_ROWS; ++row) {
        const int top = 5 + 20 * row;
        m_labelRects[static_cast<size_t>(row)] = QRect(QPoint(x0, top), QPoint(x0 + 69, top + 19));
        m_valueRects[static_cast<size_t>(row)] = QRect(QPoint(x0 + 74, top), QPoint(x0 + 193, top + 19));
    }
    m_scrollBar->setRange(0, 0);
    m_laidOutSize = size();
}

void CKWQTImagePanel::UpdateScrollRange()
{
    m_scrollBar->setRange(
        0, ScrollMaximum(GetCount(), m_stripRect.width(), m_cellRect.width(), m_margin, m_spacing));
}

void CKWQTImagePanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(m_stripRect, m_backgroundColor);
    for (QString& value : m_values) {
        value.clear();
    }

    const std::vector<QRect> placed = PlacedRects();
    for (size_t i = 0; i < placed.size(); ++i) {
        const Item& item = m_items[i];
        QRect drawn = placed[i];
        if (static_cast<int>(i) == m_hotIndex) {
            drawn.adjust(-m_spacing, -m_spacing, m_spacing, m_spacing);
            m_values = { item.type, item.name, item.startTime, item.endTime };
        }
        painter.drawPixmap(drawn, item.pixmap);
        if (static_cast<int>(i) == m_selectedIndex) {
            // The picture drawn again one pixel in leaves a blue frame.
            painter.fillRect(drawn, kSelectedFrame);
            painter.drawPixmap(drawn.adjusted(1, 1, -1, -1), item.pixmap);
        }
    }

    painter.fillRect(m_infoRect, kInfoBackground);
    for (size_t row = 0; row < DETAIL_ROWS; ++row) {
        painter.drawText(m_labelRects[row], Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(kLabels[row]));
        painter.drawText(m_valueRects[row], Qt::AlignHCenter | Qt::AlignVCenter, m_values[row]);
    }
}

void CKWQTImagePanel::resizeEvent(QResizeEvent* event)
{
    // Qt delivers a hidden widget's geometry change when it is first shown;
    // that is no resize, and must not take away the range the items need.
    if (event->size() != m_laidOutSize) {
        ComputeLayout();
    }
    QWidget::resizeEvent(event);
}

void CKWQTImagePanel::mouseMoveEvent(QMouseEvent* event)
{
    m_hotIndex = HitTest(event->position().toPoint());
    update();
}

void CKWQTImagePanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_selectedIndex = HitTest(event->position().toPoint());
    if (m_pListener != nullptr && m_selectedIndex >= 0) {
        const std::wstring path = KWFromQString(m_items[static_cast<size_t>(m_selectedIndex)].path);
        m_pListener->IMGPNL_OnPlayImage(path.c_str());
    }
    update();
}

void CKWQTImagePanel::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::postEvent(m_scrollBar, event->clone());
    event->accept();
}

void CKWQTImagePanel::OnScrollBarChanged(int /*value*/)
{
    update();
}
