#include "ui/qt/KWQTGraphicList.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTGraphicsListItem.h"

#include <QDragEnterEvent>
#include <QGraphicsScene>
#include <QMimeData>
#include <QResizeEvent>

#include <algorithm>

CKWQTGraphicList::CKWQTGraphicList(IKWGraphicListEvent* listener)
    : QGraphicsView(static_cast<QWidget*>(nullptr))
    , CKWGraphicList(listener)
    , m_scene(new QGraphicsScene(this))
{
    setScene(m_scene);
    setAcceptDrops(true);
    setAttribute(Qt::WA_MouseTracking);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

CKWQTGraphicList::~CKWQTGraphicList()
{
    // The scene deletes the entries; nothing may reach them afterwards.
    m_items.clear();
}

int CKWQTGraphicList::Create(DWORD style, const RECT& rect, void* parent, UINT /*id*/)
{
    KWPlaceInParent(this, parent, rect);
    m_scene->setSceneRect(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    setBackgroundBrush(QBrush(QColor(36, 36, 36)));
    KWShowByStyle(this, style);
    return 1;
}

int CKWQTGraphicList::SetSkin(LPCWSTR /*skin*/)
{
    return 1;
}

int CKWQTGraphicList::Total() const
{
    return static_cast<int>(m_items.size()) * (m_itemHeight + GAP);
}

void* CKWQTGraphicList::AddListItem(tagGListItem_Info& info)
{
    auto* entry = new CKWQTGraphicsListItem(m_itemWidth, m_itemHeight, m_scale);
    entry->Setup(info, m_buttonImages);
    entry->setPos(0, static_cast<int>(m_items.size()) * (m_itemHeight + GAP));
    m_scene->addItem(entry);
    m_items.append(entry);
    m_scene->setSceneRect(0, 0, width(), std::max(Total(), height()));
    return nullptr;
}

void CKWQTGraphicList::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTGraphicList::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTGraphicList::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQTGraphicList::SetItemSize(int width, int height)
{
    m_itemWidth = width;
    m_itemHeight = height;
}

void CKWQTGraphicList::RemoveItemAt(int index)
{
    CKWQTGraphicsListItem* entry = m_items.takeAt(index);
    m_scene->removeItem(entry);
    delete entry;
}

void CKWQTGraphicList::PlaceItems()
{
    for (int i = 0; i < m_items.size(); ++i) {
        m_items[i]->setPos(0, i * (m_itemHeight + GAP));
    }
}

void CKWQTGraphicList::Relayout()
{
    PlaceItems();
    const int total = Total();
    if (total >= height() - m_fitMargin) {
        m_scene->setSceneRect(0, 0, width(), total);
    } else {
        m_scene->setSceneRect(0, 0, width(), height() - m_fitMargin);
    }
    viewport()->update();
}

void CKWQTGraphicList::DeleteListItem(int id)
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->ID() == id) {
            RemoveItemAt(i);
            Relayout();
            return;
        }
    }
}

void CKWQTGraphicList::DeleteAllListItem()
{
    while (!m_items.isEmpty()) {
        RemoveItemAt(static_cast<int>(m_items.size()) - 1);
    }
    m_scene->setSceneRect(0, 0, width(), height());
}

tagGListItem_Info CKWQTGraphicList::GetItemInfoByID(int id)
{
    for (const CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == id) {
            return entry->Info();
        }
    }
    return tagGListItem_Info();
}

int CKWQTGraphicList::GetItemNumber()
{
    return static_cast<int>(m_items.size());
}

void CKWQTGraphicList::SetItemPicture(int id, std::wstring picture)
{
    for (CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == id) {
            entry->SetPicture(picture);
        }
    }
}

void CKWQTGraphicList::SetItemFileTime(int id, std::wstring time)
{
    for (CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == id) {
            entry->SetLine2(time);
        }
    }
}

void CKWQTGraphicList::SetItemFileSize(int id, std::wstring size)
{
    for (CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == id) {
            entry->SetLine3(size);
        }
    }
}

void CKWQTGraphicList::SetItemProgressPos(int id, int pos)
{
    for (CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == id) {
            entry->SetProgress(pos);
        }
    }
}

void CKWQTGraphicList::ChangeOthersSelectedState(int id)
{
    for (CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() != id) {
            entry->SetSelected(false);
        }
    }
}

void CKWQTGraphicList::DeleteSelectedItem()
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->IsSelected()) {
            RemoveItemAt(i);
            Relayout();
            return;
        }
    }
}

int CKWQTGraphicList::SetItemBtnSkin(ImageButtonStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    m_buttonImages = { style->strNormal, style->strHover, style->strPressed };
    return 1;
}

int CKWQTGraphicList::IsItemIDExist(UINT id)
{
    for (const CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == static_cast<int>(id)) {
            return 1;
        }
    }
    return 0;
}

void CKWQTGraphicList::Set4KSize(int large)
{
    m_scale = large;
}

void CKWQTGraphicList::SetItemSelected(int id, bool selected)
{
    for (CKWQTGraphicsListItem* entry : m_items) {
        if (entry->ID() == id) {
            entry->SetSelected(selected);
        }
    }
}

void CKWQTGraphicList::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    m_scene->setSceneRect(0, 0, size.width(), std::max(size.height(), Total()));
    PlaceItems();
    QGraphicsView::resizeEvent(event);
}

void CKWQTGraphicList::dragEnterEvent(QDragEnterEvent* event)
{
    const QString path = KWFirstDroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    if (m_pListener != nullptr) {
        const std::wstring wide = KWFromQString(path);
        m_pListener->OnListDragEnterEvent(wide.c_str());
    }
    QGraphicsView::dragEnterEvent(event);
}
