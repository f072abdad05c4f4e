#include "ui/qt/KWQTListCtrl.h"

#include "base/KWQtText.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTButton.h"
#include "ui/qt/KWQTView.h"
#include "ui/qt/KWQtSupport.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>

#include <new>
#include <string>

namespace {

// Qt's item-data role for the row's data and the background role.
constexpr int kDataRole = Qt::UserRole;
// The column whose cell widgets DeleteAllItems removes by hand: where the
// application puts its cell buttons.
constexpr int kButtonColumn = 7;

// Win32 DrawText format flags read by SetColumnTextAlign.
constexpr UINT kDtCenter = 0x1;
constexpr UINT kDtRight = 0x2;
constexpr UINT kDtVCenter = 0x4;
constexpr UINT kDtWordBreak = 0x10;
constexpr UINT kDtSingleLine = 0x20;

} // namespace

CKWListCtrl* CreateKWListCtrl(IKWListCtrlEvent* listener)
{
    return new (std::nothrow) CKWQTListCtrl(listener);
}

CKWQTListCtrl::CKWQTListCtrl(IKWListCtrlEvent* listener)
    : QTableWidget(nullptr)
    , CKWListCtrl(listener)
{
    setHorizontalHeader(new QHeaderView(Qt::Horizontal, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setStretchLastSection(true);
    setFocusPolicy(Qt::NoFocus);
    m_buttonRows.clear();
    connect(this, &QTableWidget::itemDoubleClicked, this, &CKWQTListCtrl::OnItemDBClicked);
    connect(this, &QTableWidget::itemClicked, this, &CKWQTListCtrl::OnItemClicked);
}

CKWQTListCtrl::~CKWQTListCtrl() = default;

int CKWQTListCtrl::Create(DWORD /*style*/, const RECT& rect, void* parent, UINT id, bool checkable)
{
    KWPlaceInParent(this, parent, rect);
    m_id = id;
    m_checkable = checkable;
    return 1;
}

void CKWQTListCtrl::SetCursor() { }

int CKWQTListCtrl::SetSkin(ListCtrlStyle* style)
{
    if (style == nullptr) {
        return 0;
    }
    // A picture that does not load leaves a null image; the rest still runs.
    m_skinImage = QPixmap();
    KWLoadSkinPixmap(style->strImage, m_skinImage);
    for (int k = 0; k < SKIN_ENTRIES; ++k) {
        const std::wstring& rectText = style->strRect[k];
        if (rectText.empty()) {
            continue;
        }
        // The last two sub-images are stored the other way round.
        int entry = k;
        if (k == 18) {
            entry = 19;
        } else if (k == 19) {
            entry = 18;
        }
        SkinEntry& target = m_skin[static_cast<size_t>(entry)];
        target.rect = WStringToRect(rectText);
        target.present = 1;
        target.stretch = style->strMode[k] == L"stretch" ? 1 : 0;
    }
    m_headerHeight = style->nHeaderHeight;
    m_rowHeight = style->nRowHeight;
    m_evenColor = ColorFromHexString(style->strEvenRowColor);
    m_oddColor = ColorFromHexString(style->strOddRowColor);
    horizontalHeader()->setFixedHeight(m_headerHeight);
    return 1;
}

void CKWQTListCtrl::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTListCtrl::MoveWindow(RECT* rect)
{
    KWMoveInclusive(this, rect);
}

void CKWQTListCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTListCtrl::GetCheck(int /*row*/) const
{
    return 0;
}

int CKWQTListCtrl::GetColumn(int /*column*/, void* /*info*/) const
{
    return 0;
}

int CKWQTListCtrl::GetItemCount() const
{
    return rowCount();
}

DWORD CKWQTListCtrl::GetItemData(int row) const
{
    const QTableWidgetItem* cell = RowInRange(row) ? item(row, 0) : nullptr;
    if (cell == nullptr) {
        return static_cast<DWORD>(-1);
    }
    return cell->data(kDataRole).toUInt();
}

int CKWQTListCtrl::GetItemText(int row, int column, WCHAR* buffer, int size) const
{
    if (!RowInRange(row) || !ColumnInRange(column)) {
        return -1;
    }
    const QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        return -1;
    }
    return KWCopyWideTextUnterminated(cell->text(), buffer, size);
}

void* CKWQTListCtrl::GetFirstSelectedItemPosition() const
{
    return nullptr;
}

int CKWQTListCtrl::GetNextSelectedItem(void*& /*position*/) const
{
    return -1;
}

DWORD CKWQTListCtrl::GetExtendedStyle()
{
    return 0;
}

int CKWQTListCtrl::SetCheck(int row, int check)
{
    if (!RowInRange(row)) {
        return 0;
    }
    if (QCheckBox* box = RowCheckBox(row)) {
        box->setChecked(check != 0);
    }
    return 1;
}

int CKWQTListCtrl::SetItemData(int row, DWORD data)
{
    QTableWidgetItem* cell = RowInRange(row) ? item(row, 0) : nullptr;
    if (cell == nullptr) {
        return 0;
    }
    cell->setData(kDataRole, QVariant::fromValue(static_cast<unsigned int>(data)));
    return 1;
}

int CKWQTListCtrl::SetItemText(int row, int column, LPCWSTR text)
{
    if (!RowInRange(row) || !ColumnInRange(column)) {
        return 0;
    }
    auto* cell = new QTableWidgetItem(KWToQString(text));
    if (m_align.contains(column)) {
        cell->setData(Qt::TextAlignmentRole, m_align.value(column));
    }
    setItem(row, column, cell);
    ColourAllRows();
    return 1;
}

int CKWQTListCtrl::SubItemHitTest(void* /*info*/)
{
    return -1;
}

int CKWQTListCtrl::InsertColumn(int column, LPCWSTR heading, int /*format*/, int /*width*/, int /*subItem*/)
{
    if (column < 0 || column > m_captions.size()) {
        return -1;
    }
    m_captions.insert(column, KWToQString(heading));
    const int count = static_cast<int>(m_captions.size());
    setColumnCount(count);
    const int share = width() / count;
    for (int c = 0; c < count; ++c) {
        QTableWidget::setColumnWidth(c, share);
    }
    setHorizontalHeaderLabels(m_captions);
    return column;
}

int CKWQTListCtrl::InsertColumnCheck(int column, ImageRadioBox& /*style*/)
{
    const int result = InsertColumn(column, L"", 0, 0, 0);
    if (result == 0) {
        // A second header box would lie over the first one.
        delete m_headerHolder;
        m_headerHolder = new QWidget(this);
        m_headerCheck = new QCheckBox(m_headerHolder);
        connect(m_headerCheck, &QCheckBox::clicked, this, &CKWQTListCtrl::allCheck);
        auto* layout = new QHBoxLayout(m_headerHolder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_headerCheck);
        m_headerHolder->setGeometry(5, 5, 15, 20);
        m_headerHolder->show();
    }
    return result;
}

int CKWQTListCtrl::InsertItem(int row, LPCWSTR text)
{
    if (row < 0 || row > rowCount()) {
        return -1;
    }
    setRowCount(rowCount() + 1);
    auto* cell = new QTableWidgetItem(KWToQString(text));
    if (m_align.contains(0)) {
        cell->setData(Qt::TextAlignmentRole, m_align.value(0));
    }
    setItem(row, 0, cell);
    setRowHeight(row, m_rowHeight);
    ColourAllRows();
    return row;
}

DWORD CKWQTListCtrl::SetExtendedStyle(DWORD /*style*/)
{
    return 0;
}

int CKWQTListCtrl::DeleteAllItems()
{
    for (int row = 0; row < rowCount(); ++row) {
        removeCellWidget(row, kButtonColumn);
    }
    m_buttonRows.clear();
    m_buttonIds.clear();
    setRowCount(0);
    if (m_headerCheck != nullptr) {
        m_headerCheck->setChecked(false);
    }
    repaint();
    return 1;
}

int CKWQTListCtrl::DeleteAllColumns()
{
    m_captions.clear();
    return 1;
}

int CKWQTListCtrl::SetColumnWidth(int column, int width)
{
    QTableWidget::setColumnWidth(column, width);
    return 1;
}

int CKWQTListCtrl::SetColumnHidden(int column, bool hidden)
{
    QTableWidget::setColumnHidden(column, hidden);
    return 1;
}

void CKWQTListCtrl::SetColumnTextAlign(int column, UINT format)
{
    format %= 256;
    int flags = Qt::AlignLeft;
    if (format & kDtRight) {
        flags = Qt::AlignRight;
    } else if (format & kDtCenter) {
        flags = Qt::AlignHCenter;
    }
    if (format & kDtVCenter) {
        flags |= Qt::AlignVCenter;
    }
    if (format & kDtWordBreak) {
        flags |= Qt::TextWrapAnywhere | Qt::TextDontClip;
    }
    if (format & kDtSingleLine) {
        flags |= Qt::TextSingleLine;
    }
    m_align.insert(column, flags);
}

CKWQTButton* CKWQTListCtrl::MakeCellButton(QWidget* container, UINT id, const wchar_t* image, const QString& tip)
{
    auto* button = new CKWQTButton(nullptr);
    button->setMinimumSize(CELL_BUTTON_SIZE, CELL_BUTTON_SIZE);
    button->setMaximumSize(CELL_BUTTON_SIZE, CELL_BUTTON_SIZE);
    button->Create(L"", WS_VISIBLE | 0x10000, RECT { 0, 0, CELL_BUTTON_SIZE, CELL_BUTTON_SIZE },
        KWHandleFromWidget(container), id);
    ImageButtonStyle skin;
    skin.strNormal = image;
    skin.strHover = image;
    skin.strPressed = image;
    skin.strDisabled = image;
    button->SetSkin(&skin);
    button->setToolTip(tip);
    return button;
}

void CKWQTListCtrl::SetItemWidget(int row, int column, void* /*widget*/)
{
    // A cell that does not exist would leave the buttons floating over the
    // list's corner.
    if (!RowInRange(row) || !ColumnInRange(column)) {
        return;
    }
    const int offset = (m_rowHeight - CELL_BUTTON_SIZE) / 2;
    auto* container = new CKWQTView(nullptr);
    container->setParent(this);

    CKWQTButton* config = MakeCellButton(container, KW_LIST_BTN_CONFIG, L"icon_set.png", tr("config"));
    m_buttonRows.insert(config, row);
    m_buttonIds.insert(config, KW_LIST_BTN_CONFIG);
    CKWQTButton* login = MakeCellButton(container, KW_LIST_BTN_LOGIN, L"icon_weblogin.png", tr("login"));
    m_buttonRows.insert(login, row);
    m_buttonIds.insert(login, KW_LIST_BTN_LOGIN);

    container->SetRowTop(offset);
    container->AddRowChild3(config);
    container->AddRowChild3(login);
    connect(config, &QPushButton::clicked, this, &CKWQTListCtrl::OnClicked);
    connect(login, &QPushButton::clicked, this, &CKWQTListCtrl::OnClicked);
    setCellWidget(row, column, container);
}

void CKWQTListCtrl::SetItemIcon(int row, int column, LPCWSTR icon)
{
    if (QTableWidgetItem* cell = item(row, column)) {
        QPixmap picture;
        KWLoadPicture(KWToQString(icon), picture);
        cell->setIcon(QIcon(picture));
    }
}

void CKWQTListCtrl::SetObjectName(LPCWSTR name)
{
    const QString text = KWToQString(name);
    setObjectName(text);
    horizontalHeader()->setObjectName(text);
}

void CKWQTListCtrl::SetHorizontalHeaderVisible(int visible)
{
    horizontalHeader()->setVisible(visible != 0);
}

void CKWQTListCtrl::ScrollToBottom()
{
    scrollToBottom();
}

void CKWQTListCtrl::ScrollToTop()
{
    scrollToTop();
}

void CKWQTListCtrl::SetToolTipText(int row, int column, LPCWSTR text)
{
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        return;
    }
    cell->setData(Qt::TextAlignmentRole, m_align.value(column, 0));
    cell->setToolTip(KWToQString(text));
}

void CKWQTListCtrl::SetShowGrid(int show)
{
    setShowGrid(show != 0);
}

int CKWQTListCtrl::GetFirstSelectedRow()
{
    const QList<QTableWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) {
        return -1;
    }
    return selected.first()->row();
}

int CKWQTListCtrl::InsertRow(int count)
{
    if (count < 0) {
        return -1;
    }
    setRowCount(count);
    return 0;
}

int CKWQTListCtrl::SetItemCheckBox(int row)
{
    if (!RowInRange(row)) {
        return 0;
    }
    auto* holder = new QWidget(this);
    // The layout is made first so that the box is the holder's second
    // child, where RowCheckBox looks for it.
    auto* layout = new QHBoxLayout(holder);
    auto* box = new QCheckBox(holder);
    connect(box, &QCheckBox::clicked, this, &CKWQTListCtrl::ckboxclicked);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(box, 0, Qt::AlignLeft);
    setCellWidget(row, 0, holder);
    return 0;
}

int CKWQTListCtrl::SetAllCheck()
{
    if (m_headerCheck != nullptr) {
        m_headerCheck->setChecked(IsAllCheck() != 0);
    }
    return 1;
}

void CKWQTListCtrl::SetRowColor(int row, int red, int green, int blue)
{
    if (rowCount() < 1 || !RowInRange(row)) {
        return;
    }
    const QColor colour(red, green, blue, 255);
    for (int column = 0; column < columnCount(); ++column) {
        if (QTableWidgetItem* cell = item(row, column)) {
            cell->setData(Qt::BackgroundRole, colour);
        }
    }
}

void CKWQTListCtrl::SetItemSelected(int row, int column, bool selected)
{
    QTableWidgetItem* cell = item(row, column);
    if (cell != nullptr && cell->tableWidget() != nullptr) {
        cell->setSelected(selected);
    }
}

QCheckBox* CKWQTListCtrl::RowCheckBox(int row) const
{
    const QWidget* holder = RowInRange(row) ? cellWidget(row, 0) : nullptr;
    if (holder == nullptr) {
        return nullptr;
    }
    const QObjectList& children = holder->children();
    return children.size() > 1 ? qobject_cast<QCheckBox*>(children.at(1)) : nullptr;
}

void CKWQTListCtrl::ColourAllRows()
{
    // Only cells that hold an item: colouring an empty cell would make an
    // item of it, and an empty cell must keep answering "no item".
    for (int row = 0; row < rowCount(); ++row) {
        const QColor& colour = row % 2 == 0 ? m_evenColor : m_oddColor;
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem* cell = item(row, column)) {
                cell->setData(Qt::BackgroundRole, colour);
            }
        }
    }
}

void CKWQTListCtrl::SetAllRowChecks(bool checked)
{
    for (int row = 0; row < rowCount(); ++row) {
        if (QCheckBox* box = RowCheckBox(row)) {
            box->setChecked(checked);
        }
    }
}

void CKWQTListCtrl::SendNotify(UINT code, int item, int subItem, LPARAM lParam)
{
    NMITEMACTIVATE record {};
    // The sender's handle and id let a handler shared by several lists tell
    // them apart.
    record.hdr.hwndFrom = KWHandleFromWidget(this);
    record.hdr.idFrom = m_id;
    record.hdr.code = code;
    record.iItem = item;
    record.iSubItem = subItem;
    record.lParam = lParam;
    KWSendToParent(this, WM_NOTIFY, code, reinterpret_cast<LPARAM>(&record), m_id);
}

void CKWQTListCtrl::OnItemDBClicked(QTableWidgetItem* cell)
{
    if (cell == nullptr) {
        return;
    }
    SendNotify(KW_LVN_DBLCLICK, cell->row(), cell->column(), cell->data(kDataRole).toInt());
}

void CKWQTListCtrl::OnItemClicked(QTableWidgetItem* cell)
{
    if (cell == nullptr) {
        return;
    }
    SendNotify(KW_LVN_CLICK, cell->row(), cell->column(), cell->data(kDataRole).toInt());
}

void CKWQTListCtrl::OnClicked()
{
    auto* button = qobject_cast<CKWQTButton*>(sender());
    if (button == nullptr || !m_buttonRows.contains(button)) {
        return;
    }
    const int row = m_buttonRows.value(button);
    const UINT id = m_buttonIds.value(button);
    const QTableWidgetItem* cell = item(row, 0);
    // The parent's handler may delete the list.
    QPointer<CKWQTListCtrl> alive(this);
    SendNotify(KW_LVN_CLICK, row, 0, cell != nullptr ? cell->data(kDataRole).toInt() : 0);
    if (alive.isNull()) {
        return;
    }
    KWSendToParent(this, WM_COMMAND, 0, 0, id);
}

void CKWQTListCtrl::OnCellChanged(int /*row*/, int /*column*/, int /*previous*/)
{
    repaint();
}

void CKWQTListCtrl::OnHeaderPosChanged(int pos)
{
    if (m_headerHolder != nullptr) {
        m_headerHolder->setVisible(pos == 0);
    }
}

BOOL CKWQTListCtrl::IsAllCheck()
{
    for (int row = 0; row < rowCount(); ++row) {
        const QCheckBox* box = RowCheckBox(row);
        if (box != nullptr && !box->isChecked()) {
            return 0;
        }
    }
    return 1;
}

void CKWQTListCtrl::allboxclicked(bool on)
{
    SetAllRowChecks(on);
}

void CKWQTListCtrl::ckboxclicked()
{
    int row = 0;
    for (; row < rowCount(); ++row) {
        if (RowCheckBox(row) == sender()) {
            break;
        }
    }
    const auto* box = qobject_cast<QCheckBox*>(sender());
    const bool checked = box != nullptr && box->isChecked();
    if (parentWidget() == nullptr) {
        return;
    }
    if (m_headerCheck != nullptr) {
        if (!checked) {
            m_headerCheck->setChecked(false);
        } else if (IsAllCheck() != 0) {
            m_headerCheck->setChecked(true);
        }
    }
    SendNotify(KW_LVN_ROWCHECK, checked ? 1 : 0, row, 0);
}

void CKWQTListCtrl::allCheck()
{
    if (parentWidget() == nullptr || m_headerCheck == nullptr) {
        return;
    }
    const bool checked = m_headerCheck->isChecked();
    SetAllRowChecks(checked);
    SendNotify(KW_LVN_ALLCHECK, checked ? 1 : 0, 0, 0);
}

void CKWQTListCtrl::keyPressEvent(QKeyEvent* event)
{
    // Not passed on: keys neither move nor change the selection.
    if (m_pListener != nullptr) {
        m_pListener->OnLVKeyPress(static_cast<UINT>(event->modifiers().toInt()), static_cast<UINT>(event->key()));
    }
    event->accept();
}

void CKWQTListCtrl::focusInEvent(QFocusEvent* /*event*/) { }

void CKWQTListCtrl::focusOutEvent(QFocusEvent* /*event*/) { }
