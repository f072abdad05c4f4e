#pragma once
// Titled group box. Controls placed in the group take GetUIWnd, an inner
// content widget covering the whole box, as their parent. It reports nothing
// to its listener or parent.

#include "ui/api/KWGroupBox.h"

#include <QGroupBox>

class CKWQTGroupBox : public QGroupBox, public CKWGroupBox {
    Q_OBJECT

public:
    explicit CKWQTGroupBox(IKWGroupBoxEvent* listener = nullptr);
    ~CKWQTGroupBox() override;

    // The id is not kept: the box reports nothing that would carry it.
    int Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // No skin: always 0.
    int SetSkin() override;
    // Does nothing: the box's visibility is set by Create only.
    void ShowWindow(int show) override;
    // Exclusive, as in Create.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void SetWindowTextW(LPCWSTR text) override;
    // The title is not handed out: -1, nothing copied.
    int GetWindowTextW(WCHAR* buffer, int size) const override;
    // 0x00BBGGRR, drawn as a one-pixel border.
    void SetBorderColor(UINT colour) override;
    void* GetUIWnd() override;

    QWidget* ContentWidget() const { return m_content; }

private:
    void FitContent(int width, int height);

    QWidget* m_content; // child of the box, deleted with it
};
