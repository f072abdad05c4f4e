#include "ui/qt/KWQTTreeCtrl.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

#include <memory>

namespace {

constexpr UINT kId = 77;

struct Listener : IKWTreeCtrlEvent, KWCallRecorder {
    void OnTreeItemDbClick(void* item, POINT& pt) override
    {
        Record("OnTreeItemDbClick", pt.x, pt.y);
        items.push_back(item);
    }
    int OnItemClick(void* item, UINT flags) override
    {
        Record("OnItemClick", flags);
        items.push_back(item);
        return 1;
    }
    void OnItemCheckStateChanged(void* item, int state) override
    {
        Record("OnItemCheckStateChanged", state);
        changed.push_back(item);
    }
    void OnItemCheckBoxClick(void* item, UINT flags) override
    {
        Record("OnItemCheckBoxClick", flags);
        items.push_back(item);
    }
    void OnDlgKeyDown(UINT modifiers, UINT key) override { Record("OnDlgKeyDown", modifiers, key); }
    std::vector<void*> items;
    std::vector<void*> changed;
};

class TreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(400, 400);
        tree.reset(static_cast<CKWQTTreeCtrl*>(CreateKWTreeCtrl(&listener)));
        ASSERT_NE(tree, nullptr);
        ASSERT_EQ(tree->Create(WS_VISIBLE, RECT { 0, 0, 300, 380 }, parent.Handle(), kId, 1), 1);
        parent.show();
    }

    void* Add(const wchar_t* text, void* under = TVI_ROOT) { return tree->InsertItem(text, under, TVI_LAST); }

    // root: a (a1 (a1x), a2), b
    void Build()
    {
        a = Add(L"a");
        a1 = Add(L"a1", a);
        a1x = Add(L"a1x", a1);
        a2 = Add(L"a2", a);
        b = Add(L"b");
        tree->expandAll();
    }

    static QTreeWidgetItem* Item(void* handle) { return static_cast<QTreeWidgetItem*>(handle); }

    // A press and release on the item's check box, as the user makes them.
    void ClickBox(void* item)
    {
        const QRect row = tree->visualItemRect(Item(item));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 10, row.center().y()));
    }
    void ClickText(void* item)
    {
        const QRect row = tree->visualItemRect(Item(item));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 40, row.center().y()));
    }

    KWEventSinkWidget parent;
    Listener listener;
    std::unique_ptr<CKWQTTreeCtrl> tree;
    void *a = nullptr, *a1 = nullptr, *a1x = nullptr, *a2 = nullptr, *b = nullptr;
};

TEST_F(TreeCtrlTest, InsertPlacesItemsSilentlyWithUncheckedBoxes)
{
    void* first = Add(L"first");
    void* last = Add(L"last");
    void* front = tree->InsertItem(L"front", TVI_ROOT, nullptr);
    void* middle = tree->InsertItem(L"middle", TVI_ROOT, first);
    void* child = Add(L"child", first);
    void* notSibling = tree->InsertItem(L"front2", TVI_ROOT, child);
    EXPECT_EQ(tree->InsertItem(L"none", nullptr, TVI_LAST), nullptr);

    const void* order[] = { notSibling, front, first, middle, last };
    ASSERT_EQ(tree->topLevelItemCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tree->topLevelItem(i), order[i]) << i;
    }
    EXPECT_EQ(Item(child)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Item(child)->foreground(0).color(), QColor(Qt::white));
    EXPECT_TRUE(listener.calls.empty());

    CKWQTTreeCtrl plain(nullptr);
    plain.Create(0, RECT { 0, 0, 10, 10 }, nullptr, 1, 0);
    void* noBox = plain.InsertItem(L"x", TVI_ROOT, TVI_LAST);
    EXPECT_FALSE(Item(noBox)->data(0, Qt::CheckStateRole).isValid());
}

TEST_F(TreeCtrlTest, NavigationCountsAndSearchFollowTheLevels)
{
    Build();
    Add(L"deep", a1x); // fourth level
    EXPECT_EQ(tree->GetCount(), 5u);
    EXPECT_EQ(tree->GetRootItem(), a);
    EXPECT_EQ(tree->GetChildItem(TVI_ROOT), a);
    EXPECT_EQ(tree->GetChildItem(a), a1);
    EXPECT_EQ(tree->GetChildItem(b), nullptr);
    EXPECT_EQ(tree->GetChildItem(nullptr), nullptr);
    EXPECT_EQ(tree->GetNextSiblingItem(a1), a2);
    EXPECT_EQ(tree->GetNextSiblingItem(a2), nullptr);
    EXPECT_EQ(tree->GetNextSiblingItem(a), b);
    EXPECT_EQ(tree->GetPrevSiblingItem(b), a);
    EXPECT_EQ(tree->GetPrevSiblingItem(a), nullptr);
    EXPECT_EQ(tree->GetPrevSiblingItem(a2), a1);
    EXPECT_EQ(tree->GetParentItem(a1x), a1);
    EXPECT_EQ(tree->GetParentItem(a), nullptr);
    EXPECT_EQ(tree->GetChildrenCount(a), 2u);
    EXPECT_EQ(tree->ItemHasChildren(TVI_ROOT), 2);
    EXPECT_EQ(tree->ItemHasChildren(nullptr), 0);

    struct Row {
        const char* name;
        const wchar_t* text;
        void* under;
        void* expected;
    };
    const Row rows[] = {
        { "child", L"a2", a, a2 },
        { "grandchild", L"a1x", a, a1x },
        { "great-grandchild is too deep", L"deep", a, nullptr },
        { "root finds top level", L"b", TVI_ROOT, b },
        { "root does not look deeper", L"a1", TVI_ROOT, nullptr },
        { "exact comparison", L"A2", a, nullptr },
        { "null parent", L"a", nullptr, nullptr },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(tree->FindChildItem(r.text, r.under), r.expected);
    }
}

TEST_F(TreeCtrlTest, TextDataAndNullHandles)
{
    Build();
    WCHAR buffer[8];
    EXPECT_EQ(tree->GetTreeItemText(a1x, buffer, 8), 3);
    EXPECT_EQ(std::wstring(buffer), L"a1x");
    EXPECT_EQ(tree->GetTreeItemText(TVI_ROOT, buffer, 8), 1);
    EXPECT_EQ(std::wstring(buffer), L"a");
    void* longItem = Add(L"0123456789");
    EXPECT_EQ(tree->GetTreeItemText(longItem, buffer, 4), 3);
    EXPECT_EQ(std::wstring(buffer), L"012");
    EXPECT_EQ(tree->GetTreeItemText(nullptr, buffer, 8), -1);

    EXPECT_EQ(tree->GetItemData(a1), 0u);
    EXPECT_EQ(tree->SetItemData(a1, 0xFFFFFFFEu), 1);
    EXPECT_EQ(tree->GetItemData(a1), 0xFFFFFFFEu);
    EXPECT_EQ(tree->GetItemData(nullptr), static_cast<DWORD>(-1));
    EXPECT_EQ(tree->GetItemData(TVI_ROOT), static_cast<DWORD>(-1));
    EXPECT_EQ(tree->SetItemData(nullptr, 1), 0);
    EXPECT_EQ(tree->GetItemState(nullptr, 0), static_cast<UINT>(-1));
    EXPECT_EQ(tree->GetItemState(a, 0), 0u);
    Item(a)->setSelected(true);
    EXPECT_EQ(tree->GetItemState(a, 0), 1u);
    EXPECT_EQ(tree->SetCheck(nullptr, 1), 0);
    EXPECT_EQ(tree->GetCheck(nullptr), 0);
    EXPECT_EQ(tree->DeleteItem(nullptr), 0);
}

TEST_F(TreeCtrlTest, CheckingTheLastSiblingChecksTheAncestorsUpward)
{
    Build();
    tree->SetCheck(a2, 1);
    listener.Clear();
    ClickBox(a1x);
    EXPECT_EQ(Item(a1x)->checkState(0), Qt::Checked);
    EXPECT_EQ(Item(a1)->checkState(0), Qt::Checked);
    EXPECT_EQ(Item(a)->checkState(0), Qt::Checked);
    EXPECT_EQ(Item(b)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(listener.Count("OnItemCheckBoxClick"), 1);
    EXPECT_EQ(listener.ArgsOf("OnItemCheckBoxClick")[0][0], 1.0);
    EXPECT_EQ(listener.changed, (std::vector<void*> { a1x, a1, a }));
    EXPECT_EQ(listener.Count("OnItemClick"), 0);

    // Unchecking the leaf unchecks every checked ancestor.
    listener.Clear();
    listener.changed.clear();
    ClickBox(a1x);
    EXPECT_EQ(Item(a1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Item(a)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Item(a2)->checkState(0), Qt::Checked);
    EXPECT_EQ(listener.changed, (std::vector<void*> { a1x, a1, a }));
}

TEST_F(TreeCtrlTest, CheckingAParentByItsBoxChecksEveryDescendant)
{
    Build();
    tree->SetCheck(a1x, 1);
    ClickBox(a);
    for (void* item : { a, a1, a1x, a2 }) {
        EXPECT_EQ(Item(item)->checkState(0), Qt::Checked);
    }
    // a1x was checked already: not reported again.
    EXPECT_EQ(listener.changed, (std::vector<void*> { a, a1, a2 }));

    // The setter touches the parent alone and reports nothing.
    listener.changed.clear();
    EXPECT_EQ(tree->SetCheck(a, 0), 1);
    EXPECT_EQ(Item(a)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(Item(a1)->checkState(0), Qt::Checked);
    EXPECT_TRUE(listener.changed.empty());
}

TEST_F(TreeCtrlTest, AClickOnTheTextAfterABoxClickIsAnOrdinaryClick)
{
    Build();
    ClickBox(b);
    EXPECT_EQ(listener.Count("OnItemClick"), 0);
    ClickText(b);
    ASSERT_EQ(listener.Count("OnItemClick"), 1);
    EXPECT_EQ(listener.items.back(), b);
    EXPECT_EQ(Item(b)->checkState(0), Qt::Checked);
}

TEST_F(TreeCtrlTest, UserCheckableChangesAreSilentAndTheNextChangeIsHeard)
{
    Build();
    tree->SetUserCheckable(0);
    EXPECT_FALSE(tree->UserCheckable());
    EXPECT_FALSE(Item(a1x)->flags().testFlag(Qt::ItemIsUserCheckable));
    EXPECT_TRUE(listener.changed.empty());

    // The box of a non-checkable item is reported as such and toggles
    // nothing.
    ClickBox(b);
    EXPECT_EQ(listener.ArgsOf("OnItemCheckBoxClick").back()[0], 0.0);
    EXPECT_EQ(Item(b)->checkState(0), Qt::Unchecked);

    tree->SetUserCheckable(1);
    EXPECT_TRUE(Item(a1x)->flags().testFlag(Qt::ItemIsUserCheckable));
    // Unchanged flags must not leave the notification swallowed.
    tree->SetItemUserCheckable(a, 1);
    listener.changed.clear();
    Item(b)->setText(0, QStringLiteral("b2"));
    EXPECT_EQ(listener.changed, (std::vector<void*> { b }));
}

TEST_F(TreeCtrlTest, SetAllItemCheckReportsEachChange)
{
    Build();
    EXPECT_EQ(tree->IsAllItemCheck(), 0);
    tree->SetCheck(a2, 1);
    tree->SetAllItemCheck(1);
    EXPECT_EQ(listener.Count("OnItemCheckStateChanged"), 4); // a, b, a1, a1x
    EXPECT_EQ(tree->IsAllItemCheck(), 1);
    tree->SetCheck(a1x, 0);
    EXPECT_EQ(tree->IsAllItemCheck(), 1); // top level only
    tree->SetCheck(b, 0);
    EXPECT_EQ(tree->IsAllItemCheck(), 0);

    CKWQTTreeCtrl empty(nullptr);
    EXPECT_EQ(empty.IsAllItemCheck(), 0);
}

TEST_F(TreeCtrlTest, HighlightsAreSilentAndForgottenWithTheirItems)
{
    Build();
    tree->SetItemHilight(a1, 1);
    EXPECT_EQ(Item(a1)->foreground(0).color(), QColor(0, 255, 0));
    EXPECT_EQ(tree->IsItemHilight(a1), 1);
    EXPECT_EQ(tree->IsAnyChildItemHilight(a), 1);
    EXPECT_EQ(tree->IsAnyChildItemHilight(TVI_ROOT), 0);
    EXPECT_EQ(tree->IsItemHilight(nullptr), 0);
    tree->SetItemHilight(b, 1);
    EXPECT_EQ(tree->IsAnyChildItemHilight(TVI_ROOT), 1);
    tree->SetItemHilight(b, 0);
    EXPECT_EQ(Item(b)->foreground(0).color(), QColor(Qt::white));
    EXPECT_EQ(tree->IsItemHilight(b), 0);
    EXPECT_TRUE(listener.changed.empty());

    EXPECT_EQ(tree->DeleteItem(a), 1);
    EXPECT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->IsAnyChildItemHilight(TVI_ROOT), 0);
    EXPECT_TRUE(listener.changed.empty());
    EXPECT_EQ(tree->DeleteAllItems(), 1);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
}

TEST_F(TreeCtrlTest, SkinColoursAndStateIconsGoToLaterItems)
{
    KWTempSkinDir skin { { QStringLiteral("on.png"), QColor(255, 0, 0), QSize(8, 8) },
        { QStringLiteral("off.png"), QColor(0, 0, 255), QSize(9, 9) } };
    Build();
    UITreeCtrlStyle style;
    style.nSkinNumber = 3;
    style.strTextColor = L"112233";
    style.strHighlightColor = L"445566";
    style.strStateIcon1 = L"on.png";
    style.strStateIcon2 = L"off.png";
    EXPECT_EQ(tree->SetSkin(nullptr), 0);
    ASSERT_EQ(tree->SetSkin(&style), 1);
    EXPECT_EQ(tree->SkinNumber(), 3);
    EXPECT_EQ(tree->StateIcon(0).size(), QSize(8, 8));
    EXPECT_EQ(tree->StateIcon(1).size(), QSize(9, 9));
    EXPECT_EQ(Item(a)->foreground(0).color(), QColor(Qt::white));
    EXPECT_EQ(Item(Add(L"c"))->foreground(0).color(), QColor(0x11, 0x22, 0x33));
    tree->SetItemHilight(b, 1);
    EXPECT_EQ(Item(b)->foreground(0).color(), QColor(0x44, 0x55, 0x66));

    tree->SetItemData(a1x, 5); // third level: out of reach
    EXPECT_EQ(tree->SetItemIcon(5u, 1), 0);
    tree->SetItemData(a2, 5);
    EXPECT_EQ(tree->SetItemIcon(5u, 1), 1);
    EXPECT_FALSE(Item(a2)->icon(0).isNull());
    EXPECT_EQ(tree->SetItemIcon(a1, L"on.png"), 1);
    EXPECT_FALSE(Item(a1)->icon(0).isNull());
    EXPECT_EQ(tree->SetItemIcon(nullptr, L"on.png"), 0);
}

TEST_F(TreeCtrlTest, DoubleClicksAndKeysGoToTheListenerOnly)
{
    Build();
    const QRect row = tree->visualItemRect(Item(a));
    const QPoint text(row.left() + 40, row.center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, text);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, text);
    ASSERT_EQ(listener.Count("OnTreeItemDbClick"), 1);
    EXPECT_EQ(listener.ArgsOf("OnTreeItemDbClick")[0], (std::vector<double> { double(text.x()), double(text.y()) }));
    EXPECT_TRUE(Item(a)->isExpanded()); // not collapsed by it

    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 5, row.center().y()));
    EXPECT_EQ(listener.Count("OnTreeItemDbClick"), 1);

    tree->setCurrentItem(Item(a));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::ControlModifier);
    QCoreApplication::sendEvent(tree.get(), &press);
    ASSERT_EQ(listener.Count("OnDlgKeyDown"), 1);
    EXPECT_EQ(listener.ArgsOf("OnDlgKeyDown")[0],
        (std::vector<double> { double(Qt::ControlModifier), double(Qt::Key_Down) }));
    EXPECT_EQ(tree->currentItem(), Item(a));
}

} // namespace
