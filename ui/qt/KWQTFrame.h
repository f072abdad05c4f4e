#pragma once
// Frame window: a titled Qt frame. Docking, skins and child windows are not
// offered; it tells its listener nothing.

#include "ui/api/KWFrameWnd.h"

#include <QFrame>

class CKWQTFrame : public QFrame, public CKWFrameWnd {
    Q_OBJECT

public:
    // The listener's window handle becomes this frame (and null again when
    // the frame goes), so that CKWFrameWnd::GetUIWnd can parent controls.
    explicit CKWQTFrame(IKWFrameEvent* listener = nullptr);
    ~CKWQTFrame() override;

    // Title and exclusive geometry; the class name, style, menu, extended
    // style and creation parameter are not used, and visibility is left to
    // ShowWindow.
    int Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, void* parent, LPCWSTR menuName,
        DWORD exStyle, void* createParam) override;
    // No child windows are made here: always null.
    CKWChildWnd* CreateChildWnd() override;
    void ShowWindow(int show) override;
    void DockControlBar(void* bar, UINT side, const RECT* rect) override;
    void UIEnableDocking(DWORD sides) override;
    void SetSkin(DialogStyle* style) override;
};
