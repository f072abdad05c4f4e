#include "ui/qt/KWQTComboBox.h"

#include "base/KWDiagnostics.h"
#include "base/KWQtText.h"
#include "base/ScaledLength.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <limits>
#include <new>

CKWComboBox* CreateKWComboBox(IKWComboBoxEvent* listener)
{
    return new (std::nothrow) CKWQTComboBox(listener);
}

CKWQTComboBox::CKWQTComboBox(IKWComboBoxEvent* listener)
    : QComboBox(nullptr)
    , CKWComboBox(listener)
{
    setFrame(false);
    view()->viewport()->setFocusPolicy(Qt::NoFocus);
    setMaxVisibleItems(VISIBLE_ROWS);

    QPixmap clear(1, RowHeight());
    clear.fill(Qt::transparent);
    m_rowIcon = QIcon(clear);
    setIconSize(QSize(1, RowHeight()));

    connect(this, &QComboBox::currentIndexChanged, this, &CKWQTComboBox::OnSelectChanged);
}

CKWQTComboBox::~CKWQTComboBox() = default;

int CKWQTComboBox::Create(DWORD style, const RECT& rect, void* parent, UINT id)
{
    KWPlaceInParent(this, parent, rect);
    m_id = static_cast<int>(id);
    KWShowByStyle(this, style);
    return 1;
}

int CKWQTComboBox::RowHeight()
{
    return Scaled(ROW_HEIGHT);
}

QString CKWQTComboBox::DropDownStyleSheet()
{
    // combobox-popup 0: the list drops down under (or over) the box with at
    // most maxVisibleItems rows and a scroll bar. Left to the style, a
    // styled box opens a pop-up that may be as tall as the screen. Its
    // three borders are solid: an outset border draws its left side in a
    // lighter shade, white on this colour, and the list's edge melts into
    // the white panel beside it.
    return QStringLiteral(
        "QComboBox {subcontrol-position: bottom;color: black;font:%1px;combobox-popup: 0;}"
        "QComboBox QAbstractItemView {border: %2px solid rgb(228,235,245);border-top-width: "
        "0px;outline:0px;border-radius:0px;"
        "background-color: white;color: black;selection-background-color: "
        "rgb(228,235,245);selection-color:black;"
        "subcontrol-origin: content;"
        "position: absolute;}")
        .arg(Scaled(12))
        .arg(std::max(1, Scaled(1)));
}

QRect CKWQTComboBox::TextRect() const
{
    return rect().adjusted(Scaled(10), 0, -height(), 0);
}

int CKWQTComboBox::SetSkin(ImageComboBoxStyle* style)
{
    if (style == nullptr || m_native != 0) {
        return 0;
    }
    KWLoadSkinPixmap(style->strImage, m_skin);
    for (size_t i = 0; i < m_subImages.size(); ++i) {
        if (style->strRect[i].empty()) {
            continue;
        }
        SubImage& part = m_subImages[i];
        part.present = true;
        // x, y, w, h takes exactly w x h pixels: the strip's rows are drawn
        // to that size, and one more row would show the next face's edge.
        part.source = KWExclusiveRect(WStringToRect(style->strRect[i]));
        part.stretch = style->strMode[i] == L"stretch";
    }
    setStyleSheet(DropDownStyleSheet());
    // The list was made for the style's pop-up, which scrolls by arrows and
    // turns the scroll bar off; the list that drops down scrolls by its bar.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return 1;
}

void CKWQTComboBox::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTComboBox::MoveWindow(RECT* rect)
{
    if (rect != nullptr) {
        const QRect target = KWInclusiveRect(*rect);
        MoveWindow(target.x(), target.y(), target.width(), target.height());
    }
}

void CKWQTComboBox::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTComboBox::AddString(LPCWSTR text)
{
    {
        // The first item becomes current: that is not the user's choice.
        CKWScopedSilence silence(m_silent);
        addItem(m_rowIcon, KWToQString(text));
    }
    return GetCount() - 1;
}

int CKWQTComboBox::DeleteString(UINT index)
{
    if (index >= static_cast<UINT>(count())) {
        return -1;
    }
    {
        CKWScopedSilence silence(m_silent);
        removeItem(static_cast<int>(index));
    }
    return GetCount();
}

int CKWQTComboBox::GetLBText(int index, WCHAR* buffer) const
{
    if (index < 0 || index >= count() || buffer == nullptr) {
        return -1;
    }
    // No capacity comes with the buffer: it is trusted to hold the text and
    // its NUL, so the copy is bounded by the text alone.
    return KWCopyWideText(itemText(index), buffer, std::numeric_limits<int>::max());
}

int CKWQTComboBox::SetLBText(int index, WCHAR* text)
{
    if (index < 0 || index >= count()) {
        return -1;
    }
    setItemText(index, KWToQString(text));
    return 0;
}

int CKWQTComboBox::GetCurSel() const
{
    return currentIndex();
}

int CKWQTComboBox::SetCurSel(int index)
{
    if (index < 0 || index >= count()) {
        return -1;
    }
    {
        CKWScopedSilence silence(m_silent);
        setCurrentIndex(index);
    }
    return GetCurSel();
}

int CKWQTComboBox::GetCount() const
{
    return count();
}

void CKWQTComboBox::EnableWindow(int enable)
{
    setEnabled(enable != 0);
}

void CKWQTComboBox::SetOriginStyle(int native)
{
    m_native = native;
}

void CKWQTComboBox::Clear()
{
    CKWScopedSilence silence(m_silent);
    clear();
}

void CKWQTComboBox::ResetContent()
{
    for (int index = GetCount() - 1; index >= 0; --index) {
        DeleteString(static_cast<UINT>(index));
    }
}

int CKWQTComboBox::FaceSubImage(
    int state, int globalTop, int boxHeight, int count, int maxVisible, int screenBottom)
{
    switch (state) {
    case FACE_HOVER:
        return 2;
    case FACE_DISABLED:
        return 5;
    case FACE_OPEN: {
        const long long rows = std::max(0, std::min(count, maxVisible));
        const long long listBottom = static_cast<long long>(globalTop) + RowHeight() * rows + boxHeight;
        return listBottom > screenBottom ? 4 : 3;
    }
    default:
        return 1;
    }
}

void CKWQTComboBox::OnSelectChanged(int index)
{
    if (m_silent || m_pListener == nullptr) {
        return;
    }
    m_pListener->SelectChanged(m_id, index);
}

void CKWQTComboBox::paintEvent(QPaintEvent* event)
{
    if (m_native != 0) {
        QComboBox::paintEvent(event);
        return;
    }
    int state = FACE_NORMAL;
    if (!isEnabled()) {
        state = FACE_DISABLED;
    } else if (m_popupShown != 0) {
        state = FACE_OPEN;
    } else if (m_faceState == FACE_HOVER) {
        state = FACE_HOVER;
    }

    QPainter painter(this);
    const RECT screen = GetScreenRect();
    const int sub = FaceSubImage(state, mapToGlobal(QPoint(0, 0)).y(), height(), count(), maxVisibleItems(),
        static_cast<int>(screen.bottom));
    const SubImage& part = m_subImages[static_cast<size_t>(sub - 1)];
    if (!m_skin.isNull() && part.present) {
        painter.drawPixmap(rect(), m_skin, part.source);
    }

    painter.setPen(isEnabled() ? QColor(0, 0, 0) : QColor(182, 190, 207));
    painter.drawText(TextRect(), Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

void CKWQTComboBox::SetFaceState(int state)
{
    if (m_faceState != state) {
        m_faceState = state;
        update();
    }
}

bool CKWQTComboBox::ListIsActiveWindow() const
{
    const QWidget* list = view()->window();
    return list != nullptr && list->isActiveWindow();
}

void CKWQTComboBox::mousePressEvent(QMouseEvent* event)
{
    m_faceState = FACE_OPEN;
    update();
    QComboBox::mousePressEvent(event);
}

void CKWQTComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    m_faceState = FACE_NORMAL;
    update();
    QComboBox::mouseReleaseEvent(event);
}

void CKWQTComboBox::enterEvent(QEnterEvent* event)
{
    if (!ListIsActiveWindow()) {
        SetFaceState(FACE_HOVER);
    }
    QComboBox::enterEvent(event);
}

void CKWQTComboBox::leaveEvent(QEvent* event)
{
    if (!ListIsActiveWindow() && m_faceState != FACE_NORMAL) {
        qCDebug(KWDiagnostics) << "leave";
        SetFaceState(FACE_NORMAL);
    }
    QComboBox::leaveEvent(event);
}

void CKWQTComboBox::focusInEvent(QFocusEvent* event)
{
    SetFaceState(FACE_NORMAL);
    m_popupShown = 0;
    QComboBox::focusInEvent(event);
}

void CKWQTComboBox::wheelEvent(QWheelEvent* /*event*/) { }

void CKWQTComboBox::showPopup()
{
    SetFaceState(FACE_OPEN);
    m_popupShown = 1;
    QComboBox::showPopup();
    ClearBoxEdge();
}

void CKWQTComboBox::ClearBoxEdge()
{
    // Only the list that drops down, which SetSkin's style sheet asks for;
    // the style's own pop-up stands over the box on purpose.
    QWidget* list = view()->window();
    if (styleSheet().isEmpty() || list == nullptr || list == window() || !list->isVisible()) {
        return;
    }
    // Qt lays that list over the box's last row (its first, when the list
    // opens upward), where the face draws its border.
    const QRect box(mapToGlobal(QPoint(0, 0)), size());
    QRect placed = list->geometry();
    if (placed.top() >= box.top() && placed.top() <= box.bottom()) {
        placed.moveTop(box.bottom() + 1);
    } else if (placed.top() < box.top() && placed.bottom() >= box.top()) {
        placed.moveBottom(box.top() - 1);
    } else {
        return;
    }
    // A list that just fitted the screen keeps to it, one pixel shorter.
    if (const QScreen* screen = list->screen()) {
        placed = placed.intersected(screen->geometry());
    }
    list->setGeometry(placed);
}

void CKWQTComboBox::hidePopup()
{
    SetFaceState(FACE_NORMAL);
    m_popupShown = 0;
    QComboBox::hidePopup();
}
