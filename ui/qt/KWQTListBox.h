#pragma once
// Plain list of text items. The mouse is only reported to the listener: it
// never selects, scrolls or drags here, so the current row changes through
// SetCurSel and the keyboard alone. It sends nothing to its parent.

#include "ui/api/KWListBox.h"

#include <QListWidget>

class CKWQTListBox : public QListWidget, public CKWListBox {
    Q_OBJECT

public:
    explicit CKWQTListBox(IKWListBoxEvent* listener = nullptr);
    ~CKWQTListBox() override;

    // The id is not kept: the list reports nothing that would carry it.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // No skin: always 0.
    int SetSkin() override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    int GetCount() const override;
    // The buffer has no stated capacity: it must hold the whole text, which is
    // copied without a terminating NUL (clear the buffer first). -1 for an
    // index out of range; otherwise the text's length. A null buffer copies
    // nothing.
    int GetText(int index, WCHAR* buffer) const override;
    // -1 when there is none.
    int GetCurSel() const override;
    // -1 (and the current row kept) for an index out of range; otherwise the
    // new current row.
    int SetCurSel(int index) override;
    // The index of the new, last item.
    int AddString(LPCWSTR text) override;
    // Removes the item when the index is in range; the count afterwards.
    int DeleteString(UINT index) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
