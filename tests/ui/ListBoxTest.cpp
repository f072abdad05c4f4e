#include "ui/qt/KWQTListBox.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

namespace {

struct Listener : IKWListBoxEvent, KWCallRecorder {
    void LISTBOX_OnLButtonDown() override { Record("LISTBOX_OnLButtonDown"); }
    void LISTBOX_OnLButtonUp() override { Record("LISTBOX_OnLButtonUp"); }
    void LISTBOX_OnMouseMove() override { Record("LISTBOX_OnMouseMove"); }
};

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.reset(static_cast<CKWQTListBox*>(CreateKWListBox(&listener)));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->Create(WS_VISIBLE, RECT { 10, 20, 110, 120 }, parent.Handle(), 3), 1);
        EXPECT_EQ(list->AddString(L"first"), 0);
        EXPECT_EQ(list->AddString(L"zweite \u00e9t\u00e9 \u4e2d"), 1);
        parent.resize(200, 200);
        parent.show();
    }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTListBox> list; // released before the parent
};

TEST_F(ListBoxTest, GeometryAndVisibility)
{
    EXPECT_EQ(list->geometry(), QRect(10, 20, 100, 100));
    EXPECT_TRUE(list->isVisible());
    RECT moved { 0, 0, 50, 60 };
    list->MoveWindow(&moved);
    EXPECT_EQ(list->geometry(), QRect(0, 0, 51, 61));
    list->ShowWindow(0);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(list->SetSkin(), 0);

    CKWQTListBox hidden(nullptr);
    hidden.Create(0, RECT { 0, 0, 10, 10 }, parent.Handle(), 4);
    EXPECT_FALSE(hidden.isVisible());
    hidden.setParent(nullptr);
}

TEST_F(ListBoxTest, TextIsCopiedWholeWithoutTerminator)
{
    WCHAR buffer[32];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(list->GetText(1, buffer), 12);
    EXPECT_EQ(std::wstring(buffer, 12), L"zweite \u00e9t\u00e9 \u4e2d");
    EXPECT_EQ(buffer[12], L'#');

    struct Row {
        int index;
        int result;
    };
    for (const Row& row : { Row { -1, -1 }, Row { 2, -1 }, Row { 0, 5 } }) {
        EXPECT_EQ(list->GetText(row.index, buffer), row.result) << row.index;
    }
    EXPECT_EQ(list->GetText(0, nullptr), 5);
}

TEST_F(ListBoxTest, SelectionAndDeletionStayInRange)
{
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->SetCurSel(1), 1);
    EXPECT_EQ(list->SetCurSel(2), -1);
    EXPECT_EQ(list->SetCurSel(-1), -1);
    EXPECT_EQ(list->GetCurSel(), 1);

    EXPECT_EQ(list->DeleteString(5), 2);
    EXPECT_EQ(list->DeleteString(0), 1);
    EXPECT_EQ(list->GetCount(), 1);
    WCHAR buffer[32] = {};
    EXPECT_EQ(list->GetText(0, buffer), 12);
    EXPECT_EQ(list->DeleteString(0), 0);
    EXPECT_EQ(list->GetCurSel(), -1);
}

TEST_F(ListBoxTest, MouseIsReportedButNeverSelects)
{
    const QRect second = list->visualItemRect(list->item(1));
    ASSERT_TRUE(second.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QMouseEvent move(QEvent::MouseMove, QPointF(second.center()), QPointF(list->viewport()->mapToGlobal(second.center())),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);

    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_GE(listener.Count("LISTBOX_OnLButtonDown"), 2);
    EXPECT_EQ(listener.Count("LISTBOX_OnLButtonUp"), 1);
    EXPECT_EQ(listener.Count("LISTBOX_OnMouseMove"), 1);
    EXPECT_EQ(listener.calls.front().name, "LISTBOX_OnLButtonDown");
    EXPECT_TRUE(parent.events.empty());
}

} // namespace
