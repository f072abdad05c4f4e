#include "ui/qt/KWQTDateTimeCtrl.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

struct DateTimeListener : IKWDateTimeCtrlEvent, KWCallRecorder {
    void DTN_DropDownMonthCal(UINT id) override { Record("DTN_DropDownMonthCal", id); }
    void DTN_DateTimeChange(UINT id, _KW_SYSTEMTIME t) override
    {
        Record("DTN_DateTimeChange", id, t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond,
            t.wMilliseconds);
    }
};

_KW_SYSTEMTIME Stamp(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms)
{
    _KW_SYSTEMTIME t {};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    t.wMilliseconds = ms;
    return t;
}

QString Shown(CKWQTDateTimeCtrl& control)
{
    return control.findChild<QLineEdit*>()->text();
}

} // namespace

TEST(DateTimeCtrl, ModeChoosesTheDisplayedFormatAndTheTimeEditorStillHasADate)
{
    CKWQTDateTimeCtrl dateEdit(nullptr, 1);
    _KW_SYSTEMTIME date = Stamp(2024, 2, 29, 0, 0, 0, 0);
    dateEdit.SetDate(&date);
    EXPECT_EQ(Shown(dateEdit), QStringLiteral("2024-02-29"));

    CKWQTDateTimeCtrl timeEdit(nullptr, 0);
    _KW_SYSTEMTIME time = Stamp(0, 0, 0, 7, 3, 2, 0);
    timeEdit.SetTime(&time);
    EXPECT_EQ(Shown(timeEdit), QStringLiteral("7:03:02"));
    _KW_SYSTEMTIME out = Stamp(1, 1, 1, 1, 1, 1, 1);
    timeEdit.SetDate(&date);
    EXPECT_EQ(timeEdit.GetDate(&out), 0);
    EXPECT_EQ(out.wYear, 2024);
    EXPECT_EQ(out.wMonth, 2);
    EXPECT_EQ(out.wDay, 29);
    EXPECT_EQ(out.wHour, 1) << "GetDate leaves the time fields";
}

TEST(DateTimeCtrl, SecondsAreTheFinestUnitAndEachGetterFillsOnlyItsFields)
{
    CKWQTDateTimeCtrl control(nullptr, 0);
    _KW_SYSTEMTIME in = Stamp(2030, 5, 6, 13, 5, 9, 750);
    control.SetTime(&in);
    EXPECT_EQ(Shown(control), QStringLiteral("13:05:09"));

    _KW_SYSTEMTIME out = Stamp(11, 12, 13, 0, 0, 0, 999);
    out.wDayOfWeek = 3;
    EXPECT_EQ(control.GetTime(&out), 0);
    EXPECT_EQ(out.wHour, 13);
    EXPECT_EQ(out.wMinute, 5);
    EXPECT_EQ(out.wSecond, 9);
    EXPECT_EQ(out.wMilliseconds, 0);
    EXPECT_EQ(out.wYear, 11);
    EXPECT_EQ(out.wDayOfWeek, 3);

    EXPECT_EQ(control.Clear(), 0);
    control.GetTime(&out);
    EXPECT_EQ(out.wHour + out.wMinute + out.wSecond, 0);
    // Null records are passed over.
    EXPECT_EQ(control.GetTime(nullptr), 0);
    EXPECT_EQ(control.SetDate(nullptr), 0);
}

TEST(DateTimeCtrl, AnImpossibleDateLeavesTheValue)
{
    CKWQTDateTimeCtrl control(nullptr, 1);
    _KW_SYSTEMTIME good = Stamp(2023, 7, 14, 0, 0, 0, 0);
    control.SetDate(&good);
    _KW_SYSTEMTIME bad = Stamp(2023, 2, 30, 0, 0, 0, 0);
    control.SetDate(&bad);
    _KW_SYSTEMTIME out {};
    control.GetDate(&out);
    EXPECT_EQ(out.wMonth, 7);
    EXPECT_EQ(out.wDay, 14);
}

TEST(DateTimeCtrl, EveryChangeReachesTheListenerWithItsIdAndWholeSeconds)
{
    DateTimeListener listener;
    KWEventSinkWidget parent;
    CKWQTDateTimeCtrl control(&listener, 0);
    _KW_SYSTEMTIME before = Stamp(0, 0, 0, 1, 0, 0, 0);
    control.SetTime(&before);
    ASSERT_EQ(listener.Count("DTN_DateTimeChange"), 1);
    EXPECT_EQ(listener.ArgsOf("DTN_DateTimeChange")[0][0], static_cast<double>(static_cast<UINT>(-1)))
        << "no id before Create";

    control.Create(0, RECT { 0, 0, 120, 24 }, parent.Handle(), 77);
    _KW_SYSTEMTIME t = Stamp(2001, 3, 4, 9, 8, 7, 600);
    control.SetDate(&t);
    control.SetTime(&t);
    const auto calls = listener.ArgsOf("DTN_DateTimeChange");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2], (std::vector<double> { 77, 2001, 3, 0, 4, 9, 8, 7, 0 }));

    // The user stepping the hour up reports as well.
    parent.show();
    control.setCurrentSection(QDateTimeEdit::HourSection);
    control.stepBy(1);
    EXPECT_EQ(listener.ArgsOf("DTN_DateTimeChange").back()[5], 10);
    EXPECT_EQ(listener.Count("DTN_DropDownMonthCal"), 0);
}

TEST(DateTimeCtrl, CreateIsExclusiveMoveWindowInclusiveAndTheOwnRectStartsAtZero)
{
    KWEventSinkWidget parent;
    CKWQTDateTimeCtrl control;
    EXPECT_EQ(control.Create(0, RECT { 10, 10, 110, 40 }, parent.Handle(), 3), 0);
    parent.show();
    EXPECT_EQ(control.geometry(), QRect(10, 10, 100, 30));
    EXPECT_TRUE(control.isVisible()) << "the style is not read";

    RECT rect { 10, 10, 110, 40 };
    control.MoveWindow(&rect);
    EXPECT_EQ(control.geometry(), QRect(10, 10, 101, 31));
    RECT own {};
    control.GetWindowRect(&own);
    EXPECT_EQ(own.left, 0);
    EXPECT_EQ(own.top, 0);
    EXPECT_EQ(own.right, 100);
    EXPECT_EQ(own.bottom, 30);

    control.EnableWindow(0);
    EXPECT_FALSE(control.isEnabled());
    control.ShowWindow(0);
    EXPECT_FALSE(control.isVisible());
}

TEST(DateTimeCtrl, SkinSheetUsesTheRecordsFieldsInItsOrderUnlessTheNativeLookIsKept)
{
    // A picture that does not load would be left out of the sheet.
    KWTempSkinDir skins;
    for (const char* name : { "field.png", "dn.png", "dh.png", "dd.png", "un.png", "uh.png", "ud.png" }) {
        ASSERT_TRUE(skins.Add(QString::fromLatin1(name), Qt::gray));
    }
    ImageDateTimeStyle style;
    style.strReserved1 = L"r1.png";
    style.strFieldBackground = L"field.png";
    style.strDownNormal = L"dn.png";
    style.strReserved4 = L"r4.png";
    style.strDownHover = L"dh.png";
    style.strDownDisabled = L"dd.png";
    style.strUpNormal = L"un.png";
    style.strReserved8 = L"r8.png";
    style.strUpHover = L"uh.png";
    style.strUpDisabled = L"ud.png";

    CKWQTDateTimeCtrl native;
    native.SetOriginStyle(1);
    EXPECT_EQ(native.SetSkin(&style), 0);
    EXPECT_TRUE(native.styleSheet().isEmpty());

    // The factory's editor edits dates.
    std::unique_ptr<CKWDateTimeCtrl> made(CreateKWDateTimeCtrl(nullptr));
    auto& skinned = dynamic_cast<CKWQTDateTimeCtrl&>(*made);
    EXPECT_EQ(skinned.displayFormat(), QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(skinned.SetSkin(&style), 0);
    const QString sheet = skinned.styleSheet();
    const QString d = skins.Path();
    EXPECT_TRUE(
        sheet.startsWith("QDateTimeEdit { padding: 0 8px; border-image: url(\"" + d + "field.png\");}"));
    EXPECT_TRUE(
        sheet.contains("QDateTimeEdit::up-button {width: 18px; border-image: url(\"" + d + "un.png\");}"));
    EXPECT_TRUE(
        sheet.contains("QDateTimeEdit::down-button:pressed {border-image: url(\"" + d + "dh.png\");}"));
    EXPECT_TRUE(sheet.endsWith("QDateTimeEdit#CutVideo { color:rgb(255,255,255);}"));
    EXPECT_FALSE(sheet.contains("r1.png") || sheet.contains("r4.png") || sheet.contains("r8.png"));
    EXPECT_EQ(sheet.count("url("), 9);
}
