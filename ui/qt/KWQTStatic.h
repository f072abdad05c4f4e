#pragma once
// Text label that paints its own text: colour, weight, pixel size, alignment
// and an optional background fill. It can grow to hold its text, and a label
// named "ShortcutKey" frames itself according to its focus. It reports
// nothing to its listener or parent.

#include "ui/api/KWStatic.h"

#include <QColor>
#include <QFont>
#include <QLabel>

class CKWQTStatic : public QLabel, public CKWStatic {
    Q_OBJECT

public:
    explicit CKWQTStatic(IKWStaticEvent* listener = nullptr);
    ~CKWQTStatic() override;

    // Never smaller than the rectangle asked for; grows right and down to
    // hold the text. WS_TABSTOP (0x10000) lets the label take focus.
    int Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    int SetSkin() override;
    void ShowWindow(int show) override;
    // Exclusive, as in Create.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // size counts the terminator: at most size - 1 units are copied. Returns
    // 0 whatever was copied, as the framework's callers expect.
    int GetStaticText(WCHAR* buffer, int size) const override;
    // With fit the label grows to its text, its top-left staying put.
    void SetStaticText(LPCWSTR text, bool fit) override;
    // Windows DT_* bits in, Qt alignment and text flags kept.
    void SetTextAlignFlag(UINT format) override;
    // The Qt flags, not the bits given to SetTextAlignFlag.
    UINT GetTextAlignFlag() override;
    // 0x00BBGGRR.
    void SetTextColor(UINT colour) override;
    void SetTextBold(int bold) override;
    // The label's own size, not its text's.
    void GetTextSize(int& width, int& height) override;
    // The background is filled only when fill is exactly 1.
    void SetBgColor(UINT colour, int fill) override;
    void SetObjectName(LPCWSTR name) override;
    // Replaces the label's style sheet with the font size, even for a size
    // that is not kept (0 or below).
    void SetTextSize(int pixels) override;
    // Parent coordinates, right and bottom inclusive.
    void GetStaticCtrolPos(RECT& rect) override;
    // Left edge of the text within the label.
    void SetTextOffset(int offset) override;
    void SetWordWrap(int wrap) override;
    int GetWordWrap() override;
    void SetWrapAnywhere(int wrap) override;
    int GetWrapAnywher() override;
    void SetToolTipText(LPCWSTR text) override;
    // Kept; tooltips show regardless.
    void SetTooltipEnable(int enable) override;
    RECT GetGeometry() override;
    // Black when enabled, grey 0xBCBCBC when disabled; an earlier colour is
    // not restored.
    void EnableWindow(int enable) override;

    // The font the text is measured and painted with.
    QFont TextFont() const;
    // Where the text is drawn, and how.
    QRect TextRect() const;
    int TextFlags() const { return m_textFlags; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // area at its own top-left, grown (never shrunk) to hold the text as
    // laid out in it.
    QRect FitToText(const QRect& area) const;

    UINT m_id = static_cast<UINT>(-1);
    int m_bold = 0;
    QColor m_textColor = QColor(Qt::black);
    QColor m_bgColor = QColor(Qt::white);
    int m_textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    // 0: the widget's own font, which follows the UI scale.
    int m_pixelSize = 0;
    int m_fillBackground = 0;
    int m_textOffset = 0;
    int m_wordWrap = 0;
    int m_wrapAnywhere = 0;
    int m_tooltipEnable = 1;
};
