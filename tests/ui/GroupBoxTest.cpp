#include "ui/qt/KWQTGroupBox.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTListBox.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Listener : IKWGroupBoxEvent {
};

class GroupBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.reset(static_cast<CKWQTGroupBox*>(CreateKWGroupBox(&listener)));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->Create(L"Lens", WS_VISIBLE, RECT { 10, 20, 110, 90 }, parent.Handle(), 5), 1);
        parent.resize(300, 300);
        parent.show();
    }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTGroupBox> box; // released before the parent
};

TEST_F(GroupBoxTest, ContentWidgetAlwaysCoversTheBox)
{
    EXPECT_EQ(box->geometry(), QRect(10, 20, 100, 70));
    EXPECT_EQ(box->title(), QStringLiteral("Lens"));
    QWidget* content = box->ContentWidget();
    EXPECT_EQ(box->GetUIWnd(), static_cast<void*>(content));
    EXPECT_EQ(content->geometry(), QRect(0, 0, 100, 70));
    EXPECT_EQ(content->minimumSize(), QSize(100, 70));

    RECT moved { 5, 5, 65, 45 };
    box->MoveWindow(&moved);
    EXPECT_EQ(box->geometry(), QRect(5, 5, 60, 40));
    EXPECT_EQ(content->geometry(), QRect(0, 0, 60, 40));
    box->MoveWindow(0, 0, 150, 120);
    EXPECT_EQ(box->geometry(), QRect(0, 0, 150, 120));
    EXPECT_EQ(content->geometry(), QRect(0, 0, 150, 120));
    EXPECT_EQ(content->minimumSize(), QSize(150, 120));
}

TEST_F(GroupBoxTest, ControlsPlacedInTheGroupAreShownWithIt)
{
    CKWQTListBox* inner = static_cast<CKWQTListBox*>(CreateKWListBox(nullptr));
    inner->Create(WS_VISIBLE, RECT { 5, 15, 60, 50 }, box->GetUIWnd(), 6);
    EXPECT_TRUE(inner->isVisible());
    EXPECT_EQ(inner->mapTo(&parent, QPoint(0, 0)), QPoint(15, 35));
    // Freed with the box, as every control placed in it.
}

TEST_F(GroupBoxTest, TextBorderAndInertMembers)
{
    box->SetWindowTextW(L"Objektiv \u00fc");
    EXPECT_EQ(box->title(), QStringLiteral("Objektiv \u00fc"));
    WCHAR buffer[16] = { L'x', 0 };
    EXPECT_EQ(box->GetWindowTextW(buffer, 16), -1);
    EXPECT_EQ(buffer[0], L'x');

    box->SetBorderColor(0x0000FF);
    EXPECT_EQ(box->styleSheet(), QStringLiteral("QGroupBox{border: 1px solid rgb(255,0,0)}"));
    box->SetBorderColor(0x332211);
    EXPECT_EQ(box->styleSheet(), QStringLiteral("QGroupBox{border: 1px solid rgb(17,34,51)}"));

    box->ShowWindow(0);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->SetSkin(), 0);

    CKWQTGroupBox hidden(nullptr);
    hidden.Create(L"", 0, RECT { 0, 0, 10, 10 }, parent.Handle(), 7);
    EXPECT_FALSE(hidden.isVisible());
    hidden.setParent(nullptr);
}

} // namespace
