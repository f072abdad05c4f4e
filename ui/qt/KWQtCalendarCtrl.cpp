#include "ui/qt/KWQtCalendarCtrl.h"

#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQtSupport.h"

#include <QDate>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

QDate ToQDate(UINT year, UINT month, UINT day)
{
    return QDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
}

// The month buttons are Qt's own children, found by the names Qt gives them.
void SetMonthButtonIcon(QCalendarWidget* calendar, const char* buttonName, const QString& pictureName)
{
    auto* button = calendar->findChild<QToolButton*>(QString::fromLatin1(buttonName));
    if (button == nullptr) {
        return;
    }
    QPixmap picture;
    KWLoadSkinPixmap(pictureName, picture);
    button->setIcon(QIcon(picture));
}

} // namespace

CKWQtCalendarCtrl::CKWQtCalendarCtrl(IKWCalendarCtrlEvent* listener)
    : QCalendarWidget(nullptr)
    , CKWCalendarCtrl(listener)
{
}

CKWQtCalendarCtrl::~CKWQtCalendarCtrl() = default;

QString CKWQtCalendarCtrl::CalendarStyleSheet()
{
    return QStringLiteral(" QWidget{background-color:qlineargradient(x1:0, y1:0, x2:0, y2:1, stop: 0 #cccccc, "
                          "stop: 1 #333333);}QAbstractItemView {selection-color:white;selection-background-color: "
                          "rgb(203, 2, 2);background-color: rgb(208, 208, 208);}QListView "
                          "{background-color:rgb(208, 208, 208);}");
}

void CKWQtCalendarCtrl::SetDate(UINT year, UINT month, UINT day, int /*flag*/)
{
    const QDate date = ToQDate(year, month, day);
    setDateTextFormat(date, QTextCharFormat());
    setCurrentPage(static_cast<int>(year), static_cast<int>(month));
    setSelectedDate(date);
    update();
}

int CKWQtCalendarCtrl::Create(DWORD /*style*/, const RECT& rect, void* parent, UINT id)
{
    m_id = id;
    setGeometry(KWExclusiveRect(rect));
    setWindowFlags(Qt::WindowStaysOnTopHint);
    hide();
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    setGridVisible(true);
    setFocusPolicy(Qt::NoFocus);
    setParent(KWWidgetFromHandle(parent));
    connect(this, &QCalendarWidget::clicked, this, &CKWQtCalendarCtrl::ok);
    setStyleSheet(CalendarStyleSheet());
    // The skin directory already ends with its separator; the pictures sit
    // right in it.
    SetMonthButtonIcon(this, "qt_calendar_prevmonth", QStringLiteral("prevMonth.ico"));
    SetMonthButtonIcon(this, "qt_calendar_nextmonth", QStringLiteral("nextMonth.ico"));
    return 0;
}

void CKWQtCalendarCtrl::MoveWindow(int x, int y, int width, int height)
{
    setGeometry(x, y, width, height);
}

void CKWQtCalendarCtrl::ClearSelData(UINT year, UINT month, UINT day)
{
    const QDate date = ToQDate(year, month, day);
    QTextCharFormat format = dateTextFormat(date);
    format.setBackground(Qt::white);
    setDateTextFormat(date, format);
}

void CKWQtCalendarCtrl::GetDate(UINT& year, UINT& month, UINT& day)
{
    const QDate date = selectedDate();
    year = static_cast<UINT>(date.year());
    month = static_cast<UINT>(date.month());
    day = static_cast<UINT>(date.day());
}

void CKWQtCalendarCtrl::SetEditDate(UINT year, UINT month, UINT /*day*/)
{
    setCurrentPage(static_cast<int>(year), static_cast<int>(month));
}

void CKWQtCalendarCtrl::ShowWindow(int show)
{
    if (show != 0) {
        Show();
    } else {
        hide();
    }
}

void CKWQtCalendarCtrl::SetLanguage(int language)
{
    if (language == 0) {
        setLocale(QLocale(QLocale::English, QLocale::AnyTerritory));
    } else if (language == 1) {
        setLocale(QLocale(QLocale::Chinese, QLocale::AnyTerritory));
    }
}

void CKWQtCalendarCtrl::Show()
{
    show();
    setFocus(Qt::OtherFocusReason);
}

void CKWQtCalendarCtrl::ok()
{
    if (m_pListener == nullptr) {
        return;
    }
    const QDate date = selectedDate();
    m_pListener->SelectionChanged(m_id, date.year(), date.month(), date.day());
}
