#include "ui/qt/KWQTTreeCtrl.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <new>

namespace {

constexpr int kDataRole = Qt::UserRole;

bool IsChecked(const QTreeWidgetItem* item)
{
    return item->checkState(0) == Qt::Checked;
}

} // namespace

CKWTreeCtrl* CreateKWTreeCtrl(IKWTreeCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTTreeCtrl(listener);
}

CKWQTTreeCtrl::QuietSection::QuietSection(CKWQTTreeCtrl& tree)
    : m_tree(tree)
{
    m_tree.Disconnect();
}

CKWQTTreeCtrl::QuietSection::~QuietSection()
{
    m_tree.Connect();
}

CKWQTTreeCtrl::CKWQTTreeCtrl(IKWTreeCtrlEvent* listener)
    : QTreeWidget(nullptr)
    , CKWTreeCtrl(listener)
{
    m_highlights.clear();
    setColumnCount(1);
    setHeaderHidden(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setFocusPolicy(Qt::NoFocus);
    setAnimated(true);
    setIconSize(QSize(50, 50));
    setAttribute(Qt::WA_MouseTracking);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    Connect();
}

CKWQTTreeCtrl::~CKWQTTreeCtrl()
{
    // The items go with the Qt base; nothing must be reported meanwhile.
    Disconnect();
}

void CKWQTTreeCtrl::Connect()
{
    Disconnect();
    m_connections[0] = connect(this, &QTreeWidget::itemChanged, this, &CKWQTTreeCtrl::OnItemChanged);
    m_connections[1] = connect(this, &QTreeWidget::itemClicked, this, &CKWQTTreeCtrl::OnItemClick);
    m_connections[2] = connect(this, &QTreeWidget::currentItemChanged, this, &CKWQTTreeCtrl::OnCurItemChanged);
}

void CKWQTTreeCtrl::Disconnect()
{
    for (QMetaObject::Connection& connection : m_connections) {
        disconnect(connection);
    }
}

QTreeWidgetItem* CKWQTTreeCtrl::ItemOf(void* handle)
{
    if (handle == TVI_ROOT || handle == TVI_LAST) {
        return nullptr;
    }
    return static_cast<QTreeWidgetItem*>(handle);
}

int CKWQTTreeCtrl::Create(DWORD style, const RECT& rect, void* parent, UINT id, int checkBoxes)
{
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    m_checkBoxes = checkBoxes != 0;
    KWShowByStyle(this, style);
    return 1;
}

void CKWQTTreeCtrl::SetCursor() { }

int CKWQTTreeCtrl::SetSkin(UITreeCtrlStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    m_normalColor = ColorFromHexString(style->strTextColor);
    m_highlightColor = ColorFromHexString(style->strHighlightColor);
    KWLoadSkinPixmap(style->strStateIcon1, m_stateIcon1);
    KWLoadSkinPixmap(style->strStateIcon2, m_stateIcon2);
    m_skinNumber = style->nSkinNumber;
    return 1;
}

void CKWQTTreeCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTTreeCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTTreeCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void* CKWQTTreeCtrl::GetChildItem(void* item) const
{
    if (item == TVI_ROOT) {
        return topLevelItem(0);
    }
    QTreeWidgetItem* node = ItemOf(item);
    return node != nullptr ? node->child(0) : nullptr;
}

UINT CKWQTTreeCtrl::GetCount() const
{
    UINT count = 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = topLevelItem(i);
        ++count;
        for (int j = 0; j < top->childCount(); ++j) {
            count += 1 + static_cast<UINT>(top->child(j)->childCount());
        }
    }
    return count;
}

UINT CKWQTTreeCtrl::GetChildrenCount(void* item) const
{
    const QTreeWidgetItem* node = ItemOf(item);
    return node != nullptr ? static_cast<UINT>(node->childCount()) : 0;
}

void* CKWQTTreeCtrl::GetImageList(UINT /*kind*/) const
{
    return nullptr;
}

DWORD CKWQTTreeCtrl::GetItemData(void* item) const
{
    const QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return static_cast<DWORD>(-1);
    }
    return node->data(0, kDataRole).toUInt();
}

int CKWQTTreeCtrl::GetTreeItemText(void* item, WCHAR* buffer, int size)
{
    const QTreeWidgetItem* node = item == TVI_ROOT ? static_cast<QTreeWidgetItem*>(GetRootItem()) : ItemOf(item);
    if (node == nullptr) {
        return -1;
    }
    return KWCopyWideText(node->text(0), buffer, size);
}

void* CKWQTTreeCtrl::GetNextItem(void* /*item*/, UINT /*code*/) const
{
    return nullptr;
}

void* CKWQTTreeCtrl::GetNextSiblingItem(void* item) const
{
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return nullptr;
    }
    if (QTreeWidgetItem* parent = node->parent()) {
        return parent->child(parent->indexOfChild(node) + 1);
    }
    const int index = indexOfTopLevelItem(node);
    return index < 0 ? nullptr : topLevelItem(index + 1);
}

void* CKWQTTreeCtrl::GetParentItem(void* item) const
{
    const QTreeWidgetItem* node = ItemOf(item);
    return node != nullptr ? node->parent() : nullptr;
}

void* CKWQTTreeCtrl::GetPrevSiblingItem(void* item) const
{
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return nullptr;
    }
    if (QTreeWidgetItem* parent = node->parent()) {
        const int index = parent->indexOfChild(node);
        return index > 0 ? parent->child(index - 1) : nullptr;
    }
    const int index = indexOfTopLevelItem(node);
    return index > 0 ? topLevelItem(index - 1) : nullptr;
}

void* CKWQTTreeCtrl::GetRootItem() const
{
    return topLevelItem(0);
}

void CKWQTTreeCtrl::ExpandTreeItem(void* item, UINT code)
{
    QTreeWidgetItem* node = ItemOf(item);
    if (node != nullptr && node->treeWidget() != nullptr) {
        node->setExpanded(code != 0);
    }
}

void* CKWQTTreeCtrl::FindChildItem(LPCWSTR text, void* parent) const
{
    const QString wanted = KWToQString(text);
    if (parent == TVI_ROOT) {
        for (int i = 0; i < topLevelItemCount(); ++i) {
            if (topLevelItem(i)->text(0) == wanted) {
                return topLevelItem(i);
            }
        }
        return nullptr;
    }
    const QTreeWidgetItem* node = ItemOf(parent);
    if (node == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* child = node->child(i);
        if (child->text(0) == wanted) {
            return child;
        }
        for (int j = 0; j < child->childCount(); ++j) {
            if (child->child(j)->text(0) == wanted) {
                return child->child(j);
            }
        }
    }
    return nullptr;
}

void* CKWQTTreeCtrl::SetImageList(void* /*images*/, int /*kind*/)
{
    return nullptr;
}

int CKWQTTreeCtrl::SetItemData(void* item, DWORD data)
{
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return 0;
    }
    node->setData(0, kDataRole, QVariant::fromValue(static_cast<unsigned int>(data)));
    return 1;
}

void CKWQTTreeCtrl::DeleteTree(QTreeWidgetItem* item)
{
    // Deepest first, so that no item outlives its parent.
    while (item->childCount() > 0) {
        DeleteTree(item->child(item->childCount() - 1));
    }
    m_highlights.remove(item);
    delete item;
}

int CKWQTTreeCtrl::DeleteAllItems()
{
    while (topLevelItemCount() > 0) {
        DeleteTree(topLevelItem(topLevelItemCount() - 1));
    }
    m_highlights.clear();
    return 1;
}

void CKWQTTreeCtrl::SetItemImage(void* /*item*/, int /*image*/, int /*selectedImage*/) { }

int CKWQTTreeCtrl::GetItemImage(void* /*item*/, int& /*image*/, int& /*selectedImage*/) const
{
    return 1;
}

int CKWQTTreeCtrl::DeleteItem(void* item)
{
    QuietSection quiet(*this);
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return 0;
    }
    // Deleting a Qt item takes it from its parent or from the top level.
    DeleteTree(node);
    return 1;
}

void* CKWQTTreeCtrl::InsertItem(LPCWSTR text, void* parent, void* after)
{
    QuietSection quiet(*this);
    if (parent == nullptr || parent == TVI_LAST) {
        return nullptr;
    }
    auto* node = new QTreeWidgetItem();
    if (m_checkBoxes) {
        node->setCheckState(0, Qt::Unchecked);
    }
    node->setText(0, KWToQString(text));
    node->setForeground(0, QBrush(m_normalColor));
    // indexOf* only compare addresses, so a handle that is not a sibling
    // gives -1, and the item goes to the front.
    if (parent == TVI_ROOT) {
        if (after == TVI_LAST) {
            addTopLevelItem(node);
        } else {
            insertTopLevelItem(indexOfTopLevelItem(static_cast<QTreeWidgetItem*>(after)) + 1, node);
        }
    } else {
        QTreeWidgetItem* owner = static_cast<QTreeWidgetItem*>(parent);
        if (after == TVI_LAST) {
            owner->addChild(node);
        } else {
            owner->insertChild(owner->indexOfChild(static_cast<QTreeWidgetItem*>(after)) + 1, node);
        }
    }
    return node;
}

UINT CKWQTTreeCtrl::GetItemState(void* item, UINT /*mask*/) const
{
    const QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return static_cast<UINT>(-1);
    }
    return node->isSelected() ? 1 : 0;
}

int CKWQTTreeCtrl::SetCheck(void* item, int check)
{
    QuietSection quiet(*this);
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return 0;
    }
    node->setCheckState(0, check != 0 ? Qt::Checked : Qt::Unchecked);
    return 1;
}

int CKWQTTreeCtrl::GetCheck(void* item) const
{
    const QTreeWidgetItem* node = ItemOf(item);
    return node != nullptr && node->checkState(0) != Qt::Unchecked ? 1 : 0;
}

void CKWQTTreeCtrl::SetItemHilight(void* item, int highlight)
{
    QuietSection quiet(*this);
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return;
    }
    if (highlight != 0) {
        node->setForeground(0, QBrush(m_highlightColor));
        m_highlights.insert(node, m_highlightColor);
        scrollToItem(node);
    } else {
        node->setForeground(0, QBrush(m_normalColor));
        m_highlights.remove(node);
    }
}

int CKWQTTreeCtrl::IsItemHilight(void* item)
{
    QTreeWidgetItem* node = ItemOf(item);
    return node != nullptr && m_highlights.contains(node) ? 1 : 0;
}

int CKWQTTreeCtrl::IsAnyChildItemHilight(void* item)
{
    if (item == TVI_ROOT) {
        for (int i = 0; i < topLevelItemCount(); ++i) {
            if (m_highlights.contains(topLevelItem(i))) {
                return 1;
            }
        }
        return 0;
    }
    const QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return 0;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (m_highlights.contains(node->child(i))) {
            return 1;
        }
    }
    return 0;
}

void CKWQTTreeCtrl::SetDescendantsState(QTreeWidgetItem* item, Qt::CheckState state)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (child->checkState(0) != state) {
            child->setCheckState(0, state);
        }
        SetDescendantsState(child, state);
    }
}

void CKWQTTreeCtrl::SetAllItemCheck(int check)
{
    const Qt::CheckState state = check != 0 ? Qt::Checked : Qt::Unchecked;
    QPointer<CKWQTTreeCtrl> alive(this);
    for (int i = 0; i < topLevelItemCount(); ++i) {
        topLevelItem(i)->setCheckState(0, state);
        if (alive.isNull()) {
            return;
        }
    }
    for (int i = 0; i < topLevelItemCount(); ++i) {
        SetDescendantsState(topLevelItem(i), state);
    }
}

int CKWQTTreeCtrl::IsAllItemCheck()
{
    if (topLevelItemCount() == 0) {
        return 0;
    }
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->checkState(0) == Qt::Unchecked) {
            return 0;
        }
    }
    return 1;
}

int CKWQTTreeCtrl::ItemHasChildren(void* item) const
{
    if (item == TVI_ROOT) {
        return topLevelItemCount();
    }
    const QTreeWidgetItem* node = ItemOf(item);
    return node != nullptr ? node->childCount() : 0;
}

int CKWQTTreeCtrl::SetItemIcon(void* item, LPCWSTR icon)
{
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return 0;
    }
    QPixmap picture;
    KWLoadSkinPixmap(icon, picture);
    node->setIcon(0, QIcon(picture));
    return 1;
}

int CKWQTTreeCtrl::SetItemIcon(DWORD data, int state)
{
    const auto matches = [data](const QTreeWidgetItem* node) { return node->data(0, kDataRole).toUInt() == data; };
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < topLevelItemCount() && found == nullptr; ++i) {
        QTreeWidgetItem* top = topLevelItem(i);
        if (matches(top)) {
            found = top;
            break;
        }
        for (int j = 0; j < top->childCount(); ++j) {
            if (matches(top->child(j))) {
                found = top->child(j);
                break;
            }
        }
    }
    if (found == nullptr) {
        return 0;
    }
    found->setIcon(0, QIcon(state != 0 ? m_stateIcon1 : m_stateIcon2));
    return 1;
}

void CKWQTTreeCtrl::GetClientRect(RECT* rect)
{
    KWClientRectOf(this, rect);
}

void CKWQTTreeCtrl::SetEnable(int enable)
{
    setEnabled(enable != 0);
    if (enable == 1) {
        setFocus(Qt::OtherFocusReason);
    }
}

void CKWQTTreeCtrl::SetUserCheckableTree(QTreeWidgetItem* item, int checkable)
{
    SetItemUserCheckable(item, checkable);
    for (int i = 0; i < item->childCount(); ++i) {
        SetUserCheckableTree(item->child(i), checkable);
    }
}

void CKWQTTreeCtrl::SetUserCheckable(int checkable)
{
    m_userCheckable = checkable != 0;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        SetUserCheckableTree(topLevelItem(i), checkable);
    }
}

void CKWQTTreeCtrl::SetItemUserCheckable(void* item, int checkable)
{
    QTreeWidgetItem* node = ItemOf(item);
    if (node == nullptr) {
        return;
    }
    Qt::ItemFlags flags = node->flags();
    flags.setFlag(Qt::ItemIsUserCheckable, checkable != 0);
    // The flag is held only while the change is reported: a change that Qt
    // does not report (an item outside a tree) must not leave it up to
    // swallow the next real notification.
    m_suppress = true;
    node->setFlags(flags);
    m_suppress = false;
}

void CKWQTTreeCtrl::SetToolTipText(void* item, LPCWSTR text)
{
    if (QTreeWidgetItem* node = ItemOf(item)) {
        node->setToolTip(0, KWToQString(text));
    }
}

void CKWQTTreeCtrl::OnItemChanged(QTreeWidgetItem* item, int /*column*/)
{
    if (m_pListener != nullptr && !m_suppress) {
        m_pListener->OnItemCheckStateChanged(item, item != nullptr && IsChecked(item) ? 1 : 0);
    } else {
        m_suppress = false;
    }
}

void CKWQTTreeCtrl::PropagateCheck(QTreeWidgetItem* item)
{
    const bool checked = IsChecked(item);
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    SetDescendantsState(item, state);

    QTreeWidgetItem* current = item;
    while (QTreeWidgetItem* parent = current->parent()) {
        if (!checked) {
            if (!IsChecked(parent)) {
                break;
            }
            parent->setCheckState(0, Qt::Unchecked);
        } else {
            if (IsChecked(parent)) {
                break;
            }
            bool allChecked = true;
            for (int i = 0; i < parent->childCount(); ++i) {
                if (parent->child(i) != current && !IsChecked(parent->child(i))) {
                    allChecked = false;
                    break;
                }
            }
            if (!allChecked) {
                break;
            }
            parent->setCheckState(0, Qt::Checked);
        }
        current = parent;
    }
}

void CKWQTTreeCtrl::OnItemClick(QTreeWidgetItem* item, int /*column*/)
{
    if (item == nullptr) {
        return;
    }
    if (item == m_pressedCheckItem) {
        m_pressedCheckItem = nullptr;
        PropagateCheck(item);
        return;
    }
    if (m_pListener != nullptr) {
        m_pListener->OnItemClick(item, 0);
    }
}

void CKWQTTreeCtrl::OnCurItemChanged(QTreeWidgetItem* /*current*/, QTreeWidgetItem* /*previous*/) { }

void CKWQTTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    // Only the click that follows this press may carry a check state: a
    // later click on the item's text is an ordinary click.
    m_pressedCheckItem = nullptr;
    if (event->button() == Qt::LeftButton) {
        const QPoint point = event->position().toPoint();
        QTreeWidgetItem* node = itemAt(point);
        if (node != nullptr) {
            const QRect row = visualItemRect(node);
            const QRect box(row.left(), row.top(), CHECK_AREA_WIDTH, row.height());
            if (box.contains(point)) {
                const bool checkable = node->flags().testFlag(Qt::ItemIsUserCheckable);
                if (checkable) {
                    m_pressedCheckItem = node;
                }
                if (m_pListener != nullptr) {
                    QPointer<CKWQTTreeCtrl> alive(this);
                    m_pListener->OnItemCheckBoxClick(node, checkable ? 1 : 0);
                    if (alive.isNull()) {
                        return;
                    }
                }
            }
        }
    }
    QTreeWidget::mousePressEvent(event);
}

void CKWQTTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not passed on: a double click neither expands nor collapses.
    if (event->button() != Qt::LeftButton || m_pListener == nullptr) {
        return;
    }
    const QPoint point = event->position().toPoint();
    QTreeWidgetItem* node = itemAt(point);
    if (node == nullptr) {
        return;
    }
    const QRect text = visualItemRect(node).adjusted(CHECK_AREA_WIDTH, 0, 0, 0);
    if (text.contains(point)) {
        POINT pt { point.x(), point.y() };
        m_pListener->OnTreeItemDbClick(node, pt);
    }
}

void CKWQTTreeCtrl::keyPressEvent(QKeyEvent* event)
{
    if (m_pListener != nullptr) {
        m_pListener->OnDlgKeyDown(static_cast<UINT>(event->modifiers().toInt()), static_cast<UINT>(event->key()));
    }
    event->accept();
}
