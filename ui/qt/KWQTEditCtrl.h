#pragma once
// Frameless single-line field on a white background. Text changes, the end
// of editing, left clicks, focus loss and Return/Enter go to the listener;
// nothing is sent to the parent window.

#include "ui/api/KWEditCtrl.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

class QValidator;

class CKWQTEditCtrl : public QLineEdit, public CKWEditCtrl {
    Q_OBJECT

public:
    explicit CKWQTEditCtrl(IKWEditCtrlEvent* listener = nullptr);
    ~CKWQTEditCtrl() override;

    // Starts empty.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // The picture (skin directory + name) becomes the field's base brush.
    // A null name: 0 and nothing changes.
    int SetSkin(LPCWSTR name) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // size counts the terminator: at most size - 1 units are copied. Returns
    // the number copied.
    int GetWindowTextW(WCHAR* buffer, int size) const override;
    // Reports EDIT_OnTextChange only when the text differs.
    void SetWindowTextW(LPCWSTR text) override;
    void SetPlaceholderText(LPCWSTR text) override;
    void EnableWindow(int enable) override;
    // Only 1 to 999999 can be typed from then on.
    void InputNumberOnly() override;
    // The position in the parent, not on the screen.
    void GetmapToGlobal(int& x, int& y) override;
    void SetMaxLenth(int length) override;
    // Also enables the field.
    void SetReadOnly(int readOnly) override;

signals:
    void clicked();

public slots:
    void OnTextChange(const QString& text);
    void OnEditingFinished();
    void OnEditclicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    UINT m_id = static_cast<UINT>(-1);
    // Made by InputNumberOnly, a child of the field; a second call replaces it.
    QPointer<QValidator> m_numberValidator;
};
