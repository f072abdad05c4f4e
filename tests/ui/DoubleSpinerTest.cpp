#include "ui/qt/KWQTDoubleSpiner.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

struct Listener : IKWDoubleSpinerEvent, KWCallRecorder {
    void OnCurrentNumChanged(UINT id, double value) override { Record("OnCurrentNumChanged", id, value); }
};

constexpr UINT kId = 1100;

class DoubleSpinerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.reset(static_cast<CKWQTDoubleSpiner*>(CreateKWDoubleSpiner(&listener)));
        ASSERT_NE(box, nullptr);
        box->SetRange(0.0, 100.0);
        box->SetCurrentNum(10.0);
        ASSERT_EQ(box->Create(L"ignored", RECT { 10, 20, 110, 45 }, parent.Handle(), kId), 1);
        parent.show();
    }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTDoubleSpiner> box; // released before the parent
};

TEST_F(DoubleSpinerTest, ProgrammaticChangesAreSilentAndUserChangesReportOnceWithTheCreateId)
{
    struct Row {
        const char* what;
        std::function<void(CKWQTDoubleSpiner&)> act;
        int reports;
        double value;
    };
    const Row rows[] = {
        { "SetCurrentNum", [](CKWQTDoubleSpiner& b) { b.SetCurrentNum(42.5); }, 0, 42.5 },
        { "SetRange clamping the value", [](CKWQTDoubleSpiner& b) { b.SetRange(0.0, 5.0); }, 0, 5.0 },
        { "StepUp", [](CKWQTDoubleSpiner& b) { b.StepUp(); }, 1, 11.0 },
        { "StepDown", [](CKWQTDoubleSpiner& b) { b.StepDown(); }, 1, 9.0 },
        { "wheel up", [](CKWQTDoubleSpiner& b) { KWSendWheel(&b, 120); }, 1, 11.0 },
        { "up-arrow key", [](CKWQTDoubleSpiner& b) { QTest::keyClick(&b, Qt::Key_Up); }, 1, 11.0 },
        { "typing a value and Enter", [](CKWQTDoubleSpiner& b) { KWTypeAndEnter(&b, QStringLiteral("7")); },
            1, 7.0 },
        // Half typed, a number is no value: a listener that clamped it would
        // write into the box under the user's cursor.
        { "typing without Enter",
            [](CKWQTDoubleSpiner& b) {
                b.selectAll();
                QTest::keyClicks(&b, QStringLiteral("6"));
            },
            0, 10.0 },
        { "typing above the maximum takes the maximum, not the first digit",
            [](CKWQTDoubleSpiner& b) { KWTypeAndEnter(&b, QStringLiteral("300")); }, 1, 100.0 },
        { "typing far above it", [](CKWQTDoubleSpiner& b) { KWTypeAndEnter(&b, QStringLiteral("99999")); }, 1,
            100.0 },
    };
    for (const Row& row : rows) {
        box->SetRange(0.0, 100.0);
        box->SetCurrentNum(10.0);
        listener.Clear();
        row.act(*box);
        EXPECT_DOUBLE_EQ(box->GetCurrentNum(), row.value) << row.what;
        ASSERT_EQ(listener.Count("OnCurrentNumChanged"), row.reports) << row.what;
        if (row.reports == 1) {
            EXPECT_EQ(listener.calls[0].args, (std::vector<double> { kId, row.value })) << row.what;
        }
    }
}

TEST_F(DoubleSpinerTest, UserStepAfterASilentClampReportsFromTheClampedValue)
{
    box->SetCurrentNum(50.0);
    box->SetRange(0.0, 20.0);
    EXPECT_EQ(listener.Count("OnCurrentNumChanged"), 0);
    box->StepDown();
    EXPECT_EQ(listener.ArgsOf("OnCurrentNumChanged"), (std::vector<std::vector<double>> { { kId, 19.0 } }));
}

TEST(DoubleSpiner, ReportsCarryMinusOneBeforeCreateAndANullListenerHearsNothing)
{
    Listener listener;
    CKWQTDoubleSpiner box(&listener);
    box.StepUp();
    EXPECT_EQ(
        listener.ArgsOf("OnCurrentNumChanged"), (std::vector<std::vector<double>> { { 4294967295.0, 1.0 } }));

    CKWQTDoubleSpiner silent(nullptr);
    silent.StepUp();
    EXPECT_DOUBLE_EQ(silent.GetCurrentNum(), 1.0);
}

// The program's numbers, not the system's: shown with '.', read with '.'
// or ',' typed as the decimal point, under whatever locale the system has.
TEST(DoubleSpiner, ShowsAndReadsADecimalPointInEveryLocaleAndTakesATypedCommaForIt)
{
    struct DefaultLocale {
        QLocale saved;
        ~DefaultLocale() { QLocale::setDefault(saved); }
    } restore;
    for (const QLocale& system : { QLocale::c(), QLocale(QLocale::Portuguese, QLocale::Brazil),
             QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Arabic, QLocale::Egypt) }) {
        QLocale::setDefault(system);
        for (const char* typed : { "3,5", "3.5" }) {
            Listener listener;
            KWEventSinkWidget parent;
            CKWQTDoubleSpiner box(&listener);
            box.Create(nullptr, RECT { 0, 0, 100, 24 }, parent.Handle(), kId);
            box.SetRange(0.0, 2000.0);
            box.SetCurrentNum(1234.5);
            parent.show();
            const std::string where = system.name().toStdString() + " " + typed;
            EXPECT_EQ(box.text(), QStringLiteral("1234.50")) << where;
            KWTypeAndEnter(&box, QString::fromLatin1(typed));
            EXPECT_EQ(box.text(), QStringLiteral("3.50")) << where;
            EXPECT_EQ(
                listener.ArgsOf("OnCurrentNumChanged"), (std::vector<std::vector<double>> { { kId, 3.5 } }))
                << where;
        }
    }
}

TEST(DoubleSpiner, KeepsStepOneAndTwoDecimalsUntilSetAndWrapsWhenAsked)
{
    CKWQTDoubleSpiner box;
    EXPECT_DOUBLE_EQ(box.GetStep(), 1.0);
    EXPECT_EQ(box.decimals(), 2);
    box.SetCircleStep(1);
    box.SetRange(-2.0, 3.0);
    box.SetCurrentNum(3.0);
    box.StepUp();
    EXPECT_DOUBLE_EQ(box.GetCurrentNum(), -2.0);
}

TEST_F(DoubleSpinerTest, MoveWindowReadsTheRectangleInclusiveCreateExclusive)
{
    EXPECT_EQ(box->geometry(), QRect(10, 20, 100, 25));
    EXPECT_EQ(box->parentWidget(), &parent);
    RECT rect { 10, 20, 110, 45 };
    box->MoveWindow(&rect);
    EXPECT_EQ(box->geometry(), QRect(10, 20, 101, 26));
    box->MoveWindow(1, 2, 30, 40);
    EXPECT_EQ(box->geometry(), QRect(1, 2, 30, 40));
    box->MoveWindow(nullptr);
    EXPECT_EQ(box->geometry(), QRect(1, 2, 30, 40));
}

TEST(DoubleSpiner, CreateLeavesVisibilityToTheCaller)
{
    KWEventSinkWidget parent;
    CKWQTDoubleSpiner shown;
    CKWQTDoubleSpiner hidden;
    hidden.ShowWindow(0);
    shown.Create(nullptr, RECT { 0, 0, 50, 20 }, parent.Handle(), 1);
    hidden.Create(nullptr, RECT { 0, 30, 50, 50 }, parent.Handle(), 2);
    parent.show();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_FALSE(hidden.isVisible());
    hidden.ShowWindow(1);
    EXPECT_TRUE(hidden.isVisible());
    hidden.EnableWindow(0);
    EXPECT_FALSE(hidden.isEnabled());
}

ImageNumSpinerStyle SpinerSkin()
{
    ImageNumSpinerStyle style;
    style.strFrame = L"kuang2_nor.png";
    style.strDownNormal = L"spiner_down_n.png";
    style.strDownHover = L"spiner_down_h.png";
    style.strDownPressed = L"spiner_down_p.png";
    style.strDownDisabled = L"spiner_down_d.png";
    style.strReserved1 = style.strReserved2 = style.strReserved3 = L"unread.png";
    style.strUpNormal = L"spiner_up_n.png";
    style.strUpHover = L"spiner_up_h.png";
    style.strUpPressed = L"spiner_up_p.png";
    style.strUpDisabled = L"spiner_up_d.png";
    return style;
}

TEST(DoubleSpiner, StyleSheetSizesFollowTheRectTimesSetBeforeTheSkin)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Skin/");
    struct Row {
        float times;
        int padding;
        int width;
        int font;
    };
    for (const Row& row : { Row { 1.0f, 8, 21, 12 }, Row { 1.5f, 16, 42, 18 }, Row { 2.0f, 16, 42, 24 },
             Row { 0.5f, 16, 42, 6 } }) {
        CKWQTDoubleSpiner box;
        ImageNumSpinerStyle skin = SpinerSkin();
        box.SetRectTimes(row.times);
        EXPECT_EQ(box.SetSkin(&skin), 1);
        const QString expected = QStringLiteral(
            "QDoubleSpinBox { color:black; padding: 0 %1px; font-size: %4px; border-image: "
            "url(\"%3kuang2_nor.png\");}"
            "QDoubleSpinBox::up-button {width: %2px; border-image: url(\"%3spiner_up_n.png\");}"
            "QDoubleSpinBox::up-button:hover {border-image: url(\"%3spiner_up_h.png\");}"
            "QDoubleSpinBox::up-button:pressed {border-image: url(\"%3spiner_up_p.png\");}"
            "QDoubleSpinBox::up-button:disabled {border-image: url(\"%3spiner_up_d.png\");}"
            "QDoubleSpinBox::down-button {width: %2px; border-image: url(\"%3spiner_down_n.png\");}"
            "QDoubleSpinBox::down-button:hover {border-image: url(\"%3spiner_down_h.png\");}"
            "QDoubleSpinBox::down-button:pressed {border-image: url(\"%3spiner_down_p.png\");}"
            "QDoubleSpinBox::down-button:disabled {border-image: url(\"%3spiner_down_d.png\");}")
                                     .arg(row.padding)
                                     .arg(row.width)
                                     .arg(folder)
                                     .arg(row.font);
        EXPECT_EQ(box.styleSheet(), expected) << row.times;
    }

    CKWQTDoubleSpiner late;
    ImageNumSpinerStyle skin = SpinerSkin();
    late.SetSkin(&skin);
    const QString before = late.styleSheet();
    late.SetRectTimes(2.0f);
    EXPECT_EQ(late.styleSheet(), before) << "rect times reach only the next SetSkin";
    EXPECT_TRUE(before.contains(QStringLiteral("width: 21px")));
}

TEST(DoubleSpiner, PicturesComeFromTheProgramsSkinFolderWhateverTheWorkingDirectoryAndSkinDirectory)
{
    KWTempSkinDir otherSkin; // a 4K or other skin directory must not be used
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
    CKWQTDoubleSpiner box;
    ImageNumSpinerStyle skin = SpinerSkin();
    box.SetSkin(&skin);
    QDir::setCurrent(saved);
    const QString sheet = box.styleSheet();
    EXPECT_TRUE(
        sheet.contains(QCoreApplication::applicationDirPath() + QStringLiteral("/Skin/kuang2_nor.png")));
    EXPECT_FALSE(sheet.contains(otherSkin.Path()));
    EXPECT_FALSE(sheet.contains(QStringLiteral("./Skin/")));
}

TEST_F(DoubleSpinerTest, RightClickOpensNoMenu)
{
    bool menuShown = false;
    // Should a menu open, its own event loop runs this and closes it again.
    QTimer::singleShot(0, [&menuShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(box.get(), &event);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menuShown);
}

} // namespace
