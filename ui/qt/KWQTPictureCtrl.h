#pragma once
// Picture label: one skin picture stretched over the control, with a centred
// caption on top. It reports nothing to its listener or parent, and other
// controls may use it as their parent window.

#include "ui/api/KWPictureCtrl.h"

#include <QLabel>
#include <QPixmap>
#include <QString>

class CKWQTPictureCtrl : public QLabel, public CKWPictureCtrl {
    Q_OBJECT

public:
    explicit CKWQTPictureCtrl(IKWPictureCtrlEvent* listener = nullptr);
    ~CKWQTPictureCtrl() override;

    // The text is the caption. The style is not read: like any new child the
    // control shows with its parent, until ShowWindow says otherwise.
    int Create(LPCWSTR text, DWORD style, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    int SetSkin() override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Skin directory + name; a name that does not load leaves no picture,
    // and the caption alone is painted.
    void SetImage(LPCWSTR name) override;
    void SetDrawPicture(int draw) override;
    // The handle of this control, for other controls' Create.
    void* GetHWnd() override;
    void SetPictureCtrlText(LPCWSTR text) override;

    const QPixmap& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    UINT m_id = static_cast<UINT>(-1);
    QPixmap m_picture;
    QString m_caption;
};
