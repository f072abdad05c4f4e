#pragma once
// Plain child window: a titled Qt widget. It tells its listener nothing.

#include "ui/api/KWChildWnd.h"

#include <QWidget>

class CKWQTChildWnd : public QWidget, public CKWChildWnd {
    Q_OBJECT

public:
    // The listener's window handle becomes this widget (and null again when
    // it goes), so that CKWChildWnd::GetUIWnd can parent controls.
    explicit CKWQTChildWnd(IKWChildWndEvent* listener = nullptr);
    ~CKWQTChildWnd() override;

    // title is UTF-8; shown when show is non-zero. The id is not used.
    int Create(UINT id, const char* title, int show) override;
    void ShowWindow(int show) override;
};
