#include "tests/common/KWTestKit.h"
#include "ui/api/KWMenu.h"
#include "ui/qt/KWQTMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// Records each report with the watched entry's check state at that moment.
class MenuListener : public IKWMenuEvent, public KWCallRecorder {
public:
    CKWMenu* menu = nullptr;
    int watchedId = 0;

    void Menu_OnAction(int id) override
    {
        bool checked = false;
        if (menu != nullptr) {
            menu->IsActionChecked(watchedId, checked);
        }
        Record("Menu_OnAction", id, checked);
    }
    std::vector<std::vector<double>> Reports() const { return ArgsOf("Menu_OnAction"); }
};

void ClickAction(QMenu* menu, QAction* action, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(menu, button, {}, menu->actionGeometry(action).center());
}

class QTMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu.reset(static_cast<CKWQTMenu*>(CreateKWMenu(&listener)));
        listener.menu = menu.get();
        english = static_cast<QAction*>(menu->AddAction(L"&English", 10));
        french = static_cast<QAction*>(menu->AddAction(L"&French", 11));
        menu->AddSeparator();
        other = static_cast<QAction*>(menu->AddAction(L"", L"&Other", 12));
        for (const int id : { 10, 11 }) {
            menu->SetActionCheckable(id, true);
        }
        listener.watchedId = 11;
        menu->Popup(100, 100);
    }

    MenuListener listener;
    std::unique_ptr<CKWQTMenu> menu;
    QAction* english = nullptr;
    QAction* french = nullptr;
    QAction* other = nullptr;
};

TEST_F(QTMenuTest, LeftClickReportsTheIdBeforeTheEntryToggles)
{
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(100, 100));
    ClickAction(menu.get(), french);
    EXPECT_EQ(listener.Reports(), (std::vector<std::vector<double>> { { 11, 0 } }))
        << "the listener runs before the toggle";
    bool checked = false;
    menu->IsActionChecked(11, checked);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(QTMenuTest, RightButtonAndDisabledEntriesReportNothing)
{
    ClickAction(menu.get(), french, Qt::RightButton);
    EXPECT_FALSE(french->isChecked()) << "nothing the listener did not hear of";
    EXPECT_TRUE(menu->SetActionEnable(10, false));
    ClickAction(menu.get(), english);
    EXPECT_TRUE(listener.calls.empty());
    EXPECT_FALSE(english->isChecked());
}

TEST_F(QTMenuTest, KeyboardActivationReportsOnceBeforeTheToggle)
{
    menu->setActiveAction(french);
    QTest::keyClick(menu.get(), Qt::Key_Return);
    EXPECT_TRUE(french->isChecked());

    menu->Popup(100, 100);
    QTest::keyClick(menu.get(), Qt::Key_O); // mnemonic of "&Other"

    menu->Popup(100, 100);
    menu->SetActionEnable(10, false);
    menu->setActiveAction(english);
    QTest::keyClick(menu.get(), Qt::Key_Enter);
    QTest::keyClick(menu.get(), Qt::Key_Down); // moves, chooses nothing
    EXPECT_EQ(listener.Reports(), (std::vector<std::vector<double>> { { 11, 0 }, { 12, 1 } }));
}

TEST_F(QTMenuTest, IdsAddressTheLatestEntryAndUnknownIdsChangeNothing)
{
    QAction* later = static_cast<QAction*>(menu->AddAction(L"Later", 10));
    menu->SetActionText(10, L"Renamed");
    EXPECT_EQ(later->text(), "Renamed");
    EXPECT_EQ(english->text(), "&English");

    EXPECT_FALSE(menu->SetActionEnable(99, false));
    bool untouched = true;
    menu->IsActionChecked(99, untouched);
    EXPECT_TRUE(untouched);
    menu->SetActionVisible(99, false);
    menu->SetActionChecked(99, true);
    for (QAction* action : menu->actions()) {
        EXPECT_TRUE(action->isVisible());
        EXPECT_FALSE(action->isChecked());
    }

    menu->SetActionVisible(11, false);
    EXPECT_FALSE(french->isVisible());
    EXPECT_EQ(menu->AddMenu(nullptr, L"", L"None", 40), nullptr);
}

TEST_F(QTMenuTest, SubMenusReportThroughTheirOwnListener)
{
    MenuListener subListener;
    std::unique_ptr<CKWQTMenu> sub(static_cast<CKWQTMenu*>(CreateKWMenu(&subListener)));
    QAction* spanish = static_cast<QAction*>(sub->AddAction(L"Spanish", 21));
    QAction* entry = static_cast<QAction*>(menu->AddMenu(sub.get(), L"", L"Language", 20));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->menu(), sub.get());
    EXPECT_EQ(entry->data().toInt(), 20);
    // Opened from this menu, so its child, still a pop-up (Wayland refuses a
    // pop-up parented elsewhere).
    EXPECT_EQ(sub->parentWidget(), menu.get());
    EXPECT_EQ(sub->windowType(), Qt::Popup);

    auto* plain = static_cast<QMenu*>(menu->AddMenu(L"Plain"));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->menuAction()->data().toInt(), 0);

    sub->Popup(150, 150);
    ClickAction(sub.get(), spanish);
    EXPECT_EQ(subListener.Reports(), (std::vector<std::vector<double>> { { 21, 0 } }));
    EXPECT_TRUE(listener.calls.empty());
}

} // namespace
