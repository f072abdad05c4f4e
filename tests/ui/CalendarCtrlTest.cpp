#include "ui/qt/KWQtCalendarCtrl.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

struct CalendarListener : IKWCalendarCtrlEvent, KWCallRecorder {
    void SelectionChanged(UINT id, int year, int month, int day) override
    {
        Record("SelectionChanged", id, year, month, day);
    }
};

// Clicks the cell that shows the day number (15 is unique on every page).
void ClickDay(CKWQtCalendarCtrl& calendar, int day)
{
    auto* view = calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(view, nullptr);
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index, Qt::DisplayRole).toString() == QString::number(day)) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
                return;
            }
        }
    }
    FAIL() << "day not shown";
}

} // namespace

TEST(CalendarCtrl, CreateLeavesItHiddenAndShowingGivesItBack)
{
    KWEventSinkWidget parent;
    parent.resize(400, 300);
    CKWQtCalendarCtrl calendar(nullptr);
    EXPECT_EQ(calendar.Create(WS_VISIBLE, RECT { 10, 20, 250, 200 }, parent.Handle(), 5), 0);
    parent.show();
    EXPECT_FALSE(calendar.isVisible());
    EXPECT_EQ(calendar.parentWidget(), &parent);
    EXPECT_EQ(calendar.geometry(), QRect(10, 20, 240, 180));

    calendar.ShowWindow(1);
    EXPECT_TRUE(calendar.isVisible());
    calendar.ShowWindow(0);
    EXPECT_FALSE(calendar.isVisible());
}

TEST(CalendarCtrl, MonthButtonsTakeTheirPicturesFromTheSkinDirectory)
{
    KWTempSkinDir skins { { "prevMonth.ico", Qt::red, QSize(16, 16) } };
    KWEventSinkWidget parent;
    CKWQtCalendarCtrl calendar(nullptr);
    calendar.Create(0, RECT { 0, 0, 250, 200 }, parent.Handle(), 1);
    auto* prev = calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
    ASSERT_NE(prev, nullptr);
    // The skin kit writes PNG data; the loader reads the format from the
    // contents, so the ".ico" name still loads.
    EXPECT_FALSE(prev->icon().isNull());
    auto* next = calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(next->icon().isNull()) << "a missing picture leaves no icon";
}

TEST(CalendarCtrl, DatesSelectShowAndMarkCells)
{
    CKWQtCalendarCtrl calendar(nullptr);
    calendar.Create(0, RECT { 0, 0, 250, 200 }, nullptr, 1);
    calendar.SetDate(2022, 11, 3, 0);
    UINT y = 0, m = 0, d = 0;
    calendar.GetDate(y, m, d);
    EXPECT_EQ(y, 2022u);
    EXPECT_EQ(m, 11u);
    EXPECT_EQ(d, 3u);
    EXPECT_EQ(calendar.monthShown(), 11);

    calendar.SetEditDate(2019, 4, 9);
    EXPECT_EQ(calendar.yearShown(), 2019);
    EXPECT_EQ(calendar.monthShown(), 4);
    calendar.GetDate(y, m, d);
    EXPECT_EQ(y, 2022u) << "only the page moves";

    calendar.ClearSelData(2022, 11, 4);
    EXPECT_EQ(calendar.dateTextFormat(QDate(2022, 11, 4)).background().color(), QColor(Qt::white));
    calendar.ClearSelData(2022, 11, 3);
    calendar.SetDate(2022, 11, 3, 0);
    EXPECT_EQ(calendar.dateTextFormat(QDate(2022, 11, 3)).background().style(), Qt::NoBrush)
        << "selecting a date gives it the plain look again";
}

TEST(CalendarCtrl, LanguageSwitchesDayNamesOnlyForEnglishAndChinese)
{
    CKWQtCalendarCtrl calendar(nullptr);
    calendar.SetLanguage(0);
    EXPECT_EQ(calendar.locale().language(), QLocale::English);
    calendar.SetLanguage(1);
    EXPECT_EQ(calendar.locale().language(), QLocale::Chinese);
    calendar.SetLanguage(2);
    EXPECT_EQ(calendar.locale().language(), QLocale::Chinese);
    calendar.SetLanguage(0);
    calendar.SetLanguage(-1);
    EXPECT_EQ(calendar.locale().language(), QLocale::English);
}

TEST(CalendarCtrl, ClickingADayReportsItOnceAndLeavesTheCalendarShown)
{
    CalendarListener listener;
    KWEventSinkWidget parent;
    parent.resize(400, 300);
    CKWQtCalendarCtrl calendar(&listener);
    calendar.Create(0, RECT { 0, 0, 300, 240 }, parent.Handle(), 42);
    calendar.SetDate(2021, 6, 1, 0);
    parent.show();
    calendar.ShowWindow(1);
    ClickDay(calendar, 15);
    ASSERT_EQ(listener.Count("SelectionChanged"), 1);
    EXPECT_EQ(listener.ArgsOf("SelectionChanged")[0], (std::vector<double> { 42, 2021, 6, 15 }));
    EXPECT_TRUE(calendar.isVisible());
}
