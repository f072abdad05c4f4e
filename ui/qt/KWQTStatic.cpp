#include "ui/qt/KWQTStatic.h"

#include "base/KWQtText.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <new>

namespace {

constexpr DWORD kTabStopStyle = 0x00010000; // WS_TABSTOP

// DrawText format bits this label understands.
constexpr UINT kCenter = 0x1; // DT_CENTER
constexpr UINT kRight = 0x2; // DT_RIGHT
constexpr UINT kVCenter = 0x4; // DT_VCENTER
constexpr UINT kWordBreak = 0x10; // DT_WORDBREAK
constexpr UINT kSingleLine = 0x20; // DT_SINGLELINE

// A shortcut-key label: an orange-red frame, white while it has the focus.
constexpr QLatin1String kShortcutKeyName("ShortcutKey");
constexpr QLatin1String kShortcutKeySheet(
    "QLabel{border: 1px solid rgb(239,83,49);background: rgb(17,17,17)}");
constexpr QLatin1String kShortcutKeyFocusSheet(
    "QLabel{border: 1px solid rgb(255,255,255);background: rgb(17,17,17)}");

constexpr COLORREF kEnabledTextColour = 0x000000;
constexpr COLORREF kDisabledTextColour = 0xBCBCBC;

void SetTextFlag(int& flags, int flag, bool on)
{
    if (on) {
        flags |= flag;
    } else {
        flags &= ~flag;
    }
}

} // namespace

CKWStatic* CreateKWStatic(IKWStaticEvent* listener)
{
    return new (std::nothrow) CKWQTStatic(listener);
}

CKWQTStatic::CKWQTStatic(IKWStaticEvent* listener)
    : QLabel(nullptr)
    , CKWStatic(listener)
{
}

CKWQTStatic::~CKWQTStatic() = default;

QFont CKWQTStatic::TextFont() const
{
    QFont textFont = font();
    textFont.setWeight(m_bold != 0 ? QFont::Bold : QFont::Normal);
    if (m_pixelSize > 0) {
        textFont.setPixelSize(m_pixelSize);
    }
    return textFont;
}

QRect CKWQTStatic::TextRect() const
{
    QRect textRect = rect();
    textRect.setLeft(m_textOffset);
    return textRect;
}

QRect CKWQTStatic::FitToText(const QRect& area) const
{
    // Only the size follows the text. Taking the measured rectangle's corner
    // as well would push a centred label further down (or sideways) on
    // every update with a shorter text.
    const QRect needed = QFontMetrics(TextFont()).boundingRect(area, m_textFlags, text());
    return QRect(area.topLeft(),
        QSize(std::max(area.width(), needed.width()), std::max(area.height(), needed.height())));
}

int CKWQTStatic::Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id)
{
    setParent(KWWidgetFromHandle(parent));
    setText(KWToQString(text));
    setGeometry(FitToText(KWExclusiveRect(rect)));
    KWShowByStyle(this, style);
    setFocusPolicy((style & kTabStopStyle) != 0 ? Qt::StrongFocus : Qt::NoFocus);
    m_id = id;
    return 1;
}

void CKWQTStatic::SetCursor() { }

int CKWQTStatic::SetSkin()
{
    return 1;
}

void CKWQTStatic::ShowWindow(int show)
{
    setVisible(show != 0);
}

void CKWQTStatic::MoveWindow(RECT* rect)
{
    KWMoveExclusive(this, rect);
}

void CKWQTStatic::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

int CKWQTStatic::GetStaticText(WCHAR* buffer, int size) const
{
    KWCopyWideText(text(), buffer, size);
    return 0;
}

void CKWQTStatic::SetStaticText(LPCWSTR text, bool fit)
{
    setText(KWToQString(text));
    if (fit) {
        setGeometry(FitToText(geometry()));
    }
}

void CKWQTStatic::SetTextAlignFlag(UINT format)
{
    int flags = 0;
    if ((format & kRight) != 0) {
        flags |= Qt::AlignRight;
    } else if ((format & kCenter) != 0) {
        flags |= Qt::AlignHCenter;
    } else {
        flags |= Qt::AlignLeft;
    }
    if ((format & kVCenter) != 0) {
        flags |= Qt::AlignVCenter;
    }
    if ((format & kWordBreak) != 0) {
        flags &= ~Qt::TextSingleLine;
        flags |= Qt::TextWordWrap | Qt::TextDontClip;
    }
    // After the word break, so that single line wins when both are given.
    if ((format & kSingleLine) != 0) {
        flags &= ~Qt::TextWordWrap;
        flags |= Qt::TextSingleLine;
    }
    m_textFlags = flags;
    update();
}

UINT CKWQTStatic::GetTextAlignFlag()
{
    return static_cast<UINT>(m_textFlags);
}

void CKWQTStatic::SetTextColor(UINT colour)
{
    m_textColor = ColorFromColorRef(colour);
    update();
}

void CKWQTStatic::SetTextBold(int bold)
{
    m_bold = bold;
    update();
}

void CKWQTStatic::GetTextSize(int& width, int& height)
{
    width = this->width();
    height = this->height();
}

void CKWQTStatic::SetBgColor(UINT colour, int fill)
{
    m_fillBackground = fill;
    m_bgColor = ColorFromColorRef(colour);
    update();
}

void CKWQTStatic::SetObjectName(LPCWSTR name)
{
    const QString objectName = KWToQString(name);
    setObjectName(objectName);
    if (objectName == kShortcutKeyName) {
        setStyleSheet(kShortcutKeySheet);
    }
}

void CKWQTStatic::SetTextSize(int pixels)
{
    if (pixels > 0) {
        m_pixelSize = pixels;
    }
    setStyleSheet(QStringLiteral("QLabel {font-size:%1px;}").arg(pixels));
}

void CKWQTStatic::GetStaticCtrolPos(RECT& rect)
{
    rect = KWToRECT(geometry());
}

void CKWQTStatic::SetTextOffset(int offset)
{
    m_textOffset = offset;
    update();
}

void CKWQTStatic::SetWordWrap(int wrap)
{
    m_wordWrap = wrap;
    SetTextFlag(m_textFlags, Qt::TextWordWrap, wrap != 0);
    setWordWrap(wrap != 0);
}

int CKWQTStatic::GetWordWrap()
{
    return m_wordWrap;
}

void CKWQTStatic::SetWrapAnywhere(int wrap)
{
    m_wrapAnywhere = wrap;
    SetTextFlag(m_textFlags, Qt::TextWrapAnywhere, wrap != 0);
}

int CKWQTStatic::GetWrapAnywher()
{
    return m_wrapAnywhere;
}

void CKWQTStatic::SetToolTipText(LPCWSTR text)
{
    setToolTip(KWToQString(text));
}

void CKWQTStatic::SetTooltipEnable(int enable)
{
    m_tooltipEnable = enable;
}

RECT CKWQTStatic::GetGeometry()
{
    return KWToRECT(geometry());
}

void CKWQTStatic::EnableWindow(int enable)
{
    setEnabled(enable != 0);
    // Through the interface, so that a derived label's colour rule runs.
    SetTextColor(enable != 0 ? kEnabledTextColour : kDisabledTextColour);
}

void CKWQTStatic::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (m_fillBackground == 1) {
        painter.fillRect(rect(), m_bgColor);
    }
    painter.setFont(TextFont());
    painter.setPen(m_textColor);
    painter.drawText(TextRect(), m_textFlags, text());
}

void CKWQTStatic::focusInEvent(QFocusEvent* event)
{
    if (objectName() == kShortcutKeyName) {
        setStyleSheet(kShortcutKeyFocusSheet);
    }
    QLabel::focusInEvent(event);
}

void CKWQTStatic::focusOutEvent(QFocusEvent* event)
{
    if (objectName() == kShortcutKeyName) {
        setStyleSheet(kShortcutKeySheet);
    }
    QLabel::focusOutEvent(event);
}
