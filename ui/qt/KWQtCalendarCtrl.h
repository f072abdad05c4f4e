#pragma once
// Month calendar that pops up over its parent, created hidden, and reports
// the day the user clicks. Hiding it again is the owner's business.

#include "ui/api/KWCalendarCtrl.h"

#include <QCalendarWidget>
#include <QString>

class CKWQtCalendarCtrl : public QCalendarWidget, public CKWCalendarCtrl {
    Q_OBJECT

public:
    explicit CKWQtCalendarCtrl(IKWCalendarCtrlEvent* listener = nullptr);
    ~CKWQtCalendarCtrl() override;

    // Shows that date's month, selects it and gives its cell back the plain
    // look. The flag is not read.
    void SetDate(UINT year, UINT month, UINT day, int flag) override;
    // Exclusive rectangle; hidden whatever the style. Returns 0.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Gives that date's cell a white background.
    void ClearSelData(UINT year, UINT month, UINT day) override;
    void GetDate(UINT& year, UINT& month, UINT& day) override;
    // Shows that date's month without selecting anything.
    void SetEditDate(UINT year, UINT month, UINT day) override;
    // Nonzero shows the calendar and gives it the keyboard focus.
    void ShowWindow(int show) override;
    // 0 English, 1 Chinese; other values change nothing.
    void SetLanguage(int language) override;

    // The fixed style sheet Create gives the calendar.
    static QString CalendarStyleSheet();

    UINT Id() const { return m_id; }

public slots:
    void Show();
    // The clicked (and so selected) day goes to the listener.
    void ok();

private:
    UINT m_id = 0;
};
