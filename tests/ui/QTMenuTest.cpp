#include "ui/api/KWMenu.h"
#include "ui/qt/KWQTMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <memory>
#include <vector>

namespace {

class MenuListener : public IKWMenuEvent {
public:
    struct Call {
        int id;
        bool checkedBefore;
    };
    std::vector<Call> calls;
    CKWMenu* menu = nullptr;
    int watchedId = 0;

    void Menu_OnAction(int id) override
    {
        bool checked = false;
        if (menu != nullptr) {
            menu->IsActionChecked(watchedId, checked);
        }
        calls.push_back({ id, checked });
    }
};

void SendMouse(QWidget* target, QEvent::Type type, const QPoint& pos, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void ClickAction(QMenu* menu, QAction* action, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint centre = menu->actionGeometry(action).center();
    SendMouse(menu, QEvent::MouseButtonPress, centre, button);
    SendMouse(menu, QEvent::MouseButtonRelease, centre, button);
}

void PressKey(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
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
    ASSERT_EQ(listener.calls.size(), 1u);
    EXPECT_EQ(listener.calls[0].id, 11);
    EXPECT_FALSE(listener.calls[0].checkedBefore) << "the listener runs before the toggle";
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
    PressKey(menu.get(), Qt::Key_Return);
    ASSERT_EQ(listener.calls.size(), 1u);
    EXPECT_EQ(listener.calls[0].id, 11);
    EXPECT_FALSE(listener.calls[0].checkedBefore);
    EXPECT_TRUE(french->isChecked());

    menu->Popup(100, 100);
    PressKey(menu.get(), Qt::Key_O, "o"); // mnemonic of "&Other"
    ASSERT_EQ(listener.calls.size(), 2u);
    EXPECT_EQ(listener.calls[1].id, 12);

    menu->Popup(100, 100);
    menu->SetActionEnable(10, false);
    menu->setActiveAction(english);
    PressKey(menu.get(), Qt::Key_Enter);
    PressKey(menu.get(), Qt::Key_Down); // moves, chooses nothing
    EXPECT_EQ(listener.calls.size(), 2u);
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

    auto* plain = static_cast<QMenu*>(menu->AddMenu(L"Plain"));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->menuAction()->data().toInt(), 0);

    sub->Popup(150, 150);
    ClickAction(sub.get(), spanish);
    ASSERT_EQ(subListener.calls.size(), 1u);
    EXPECT_EQ(subListener.calls[0].id, 21);
    EXPECT_TRUE(listener.calls.empty());
}

} // namespace
