#include "ui/qt/KWQTListCtrl.h"

#include "tests/common/KWTestKit.h"
#include "ui/api/KWCustomEvent.h"
#include "ui/qt/KWQTButton.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr UINT kId = 4321;

struct Listener : IKWListCtrlEvent, KWCallRecorder {
    void OnLVKeyPress(UINT modifiers, UINT key) override { Record("OnLVKeyPress", modifiers, key); }
};

// A parent window that copies each notification record while it is valid
// (it lives on the list's stack only during dispatch).
struct Received {
    UINT message;
    UINT code;
    UINT id;
    NMITEMACTIVATE record;
};

class RecordingParent : public QWidget {
public:
    void* Handle() { return static_cast<void*>(static_cast<QWidget*>(this)); }
    std::vector<Received> events;
    int Count(UINT message, UINT code) const
    {
        int n = 0;
        for (const Received& e : events) {
            n += e.message == message && e.code == code ? 1 : 0;
        }
        return n;
    }

protected:
    void customEvent(QEvent* event) override
    {
        if (event->type() != KWCustomEventType()) {
            return;
        }
        const auto* custom = static_cast<CKWCustomEvent*>(event);
        Received r { custom->GetMessageID(), static_cast<UINT>(custom->GetWParam()), custom->GetControlID(), {} };
        if (r.message == WM_NOTIFY) {
            r.record = *reinterpret_cast<const NMITEMACTIVATE*>(custom->GetLParam());
        }
        events.push_back(r);
    }
};

std::wstring CellText(const CKWQTListCtrl& list, int row, int column)
{
    WCHAR buffer[64] = {};
    const int n = list.GetItemText(row, column, buffer, 63);
    return n < 0 ? L"<none>" : std::wstring(buffer, static_cast<size_t>(n));
}

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(500, 400);
        list.reset(static_cast<CKWQTListCtrl*>(CreateKWListCtrl(&listener)));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->Create(WS_VISIBLE, RECT { 0, 0, 400, 300 }, parent.Handle(), kId, true), 1);
        parent.show();
    }

    // Three columns, rows of "r<n>" in column 0.
    void Fill(int rows)
    {
        for (const wchar_t* caption : { L"Name", L"IP", L"Port" }) {
            list->InsertColumn(list->columnCount(), caption, 0, 100, 0);
        }
        for (int r = 0; r < rows; ++r) {
            list->InsertItem(r, (L"r" + std::to_wstring(r)).c_str());
        }
    }

    QPoint CellCentre(int row, int column)
    {
        return list->visualItemRect(list->item(row, column)).center();
    }

    RecordingParent parent;
    Listener listener;
    std::unique_ptr<CKWQTListCtrl> list;
};

TEST_F(ListCtrlTest, InsertColumnAppendsRefusesGapsAndSharesTheWidthEqually)
{
    EXPECT_EQ(list->InsertColumn(1, L"gap", 0, 50, 0), -1);
    EXPECT_EQ(list->InsertColumn(-1, L"neg", 0, 50, 0), -1);
    EXPECT_EQ(list->InsertColumn(0, L"B", 0, 50, 0), 0);
    EXPECT_EQ(list->InsertColumn(0, L"A", 0, 77, 0), 0);
    EXPECT_EQ(list->InsertColumn(2, L"C", 0, 10, 0), 2);
    EXPECT_EQ(list->InsertColumn(4, L"E", 0, 10, 0), -1);
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), QStringLiteral("A"));
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), QStringLiteral("B"));
    EXPECT_EQ(list->horizontalHeaderItem(2)->text(), QStringLiteral("C"));
    EXPECT_EQ(list->columnWidth(0), list->width() / 3);
    EXPECT_EQ(list->columnWidth(1), list->width() / 3);

    // The captions go, the columns stay until the next insertion.
    EXPECT_EQ(list->DeleteAllColumns(), 1);
    EXPECT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->InsertColumn(0, L"Only", 0, 10, 0), 0);
    EXPECT_EQ(list->columnCount(), 1);
}

TEST_F(ListCtrlTest, InsertItemAddsARowAtTheEndAndWritesTheGivenRow)
{
    Fill(3);
    EXPECT_EQ(list->InsertItem(0, L"new"), 0);
    EXPECT_EQ(list->GetItemCount(), 4);
    EXPECT_EQ(CellText(*list, 0, 0), L"new");
    EXPECT_EQ(CellText(*list, 3, 0), L"<none>");
    EXPECT_EQ(list->rowHeight(0), CKWQTListCtrl::DEFAULT_ROW_HEIGHT);
    EXPECT_EQ(list->InsertItem(5, L"x"), -1);
    EXPECT_EQ(list->InsertItem(-1, L"x"), -1);
    EXPECT_EQ(list->InsertItem(4, L"last"), 4);
    EXPECT_EQ(list->GetItemCount(), 5);
}

TEST_F(ListCtrlTest, CellAccessRefusesOutOfRangeAndMissingCells)
{
    Fill(2);
    WCHAR buffer[8];
    struct Row {
        const char* name;
        int row, column;
    };
    for (const Row& r : { Row { "row below", -1, 0 }, Row { "row past end", 2, 0 }, Row { "column past end", 0, 3 },
             Row { "empty cell", 0, 1 } }) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(list->GetItemText(r.row, r.column, buffer, 8), -1);
    }
    EXPECT_EQ(list->SetItemText(2, 0, L"x"), 0);
    EXPECT_EQ(list->SetItemText(0, 3, L"x"), 0);
    EXPECT_EQ(list->SetItemData(2, 5), 0);
    EXPECT_EQ(list->GetItemData(-1), static_cast<DWORD>(-1));
    EXPECT_EQ(list->GetItemData(2), static_cast<DWORD>(-1));
    EXPECT_EQ(list->SetCheck(2, 1), 0);
    EXPECT_EQ(list->SetCheck(-1, 1), 0);
    EXPECT_EQ(list->InsertRow(-1), -1);
}

TEST_F(ListCtrlTest, GetItemTextCopiesAtMostMaxWithoutTerminator)
{
    Fill(1);
    ASSERT_EQ(list->SetItemText(0, 1, L"abcdef"), 1);
    WCHAR buffer[8] = { L'z', L'z', L'z', L'z', L'z', L'z', L'z', L'z' };
    EXPECT_EQ(list->GetItemText(0, 1, buffer, 3), 3);
    EXPECT_EQ(std::wstring(buffer, 4), L"abcz");
}

TEST_F(ListCtrlTest, RowDataIsLostWhenTheFirstCellIsReplaced)
{
    Fill(2);
    ASSERT_EQ(list->SetItemData(1, 0xFFFFFFF0u), 1);
    EXPECT_EQ(list->GetItemData(1), 0xFFFFFFF0u);
    ASSERT_EQ(list->SetItemText(1, 2, L"other column"), 1);
    EXPECT_EQ(list->GetItemData(1), 0xFFFFFFF0u);
    ASSERT_EQ(list->SetItemText(1, 0, L"replaced"), 1);
    EXPECT_EQ(list->GetItemData(1), 0u);
}

TEST_F(ListCtrlTest, RowsAreColouredAlternatelyAgainAfterEveryWrite)
{
    Fill(3);
    list->SetItemText(1, 2, L"x");
    list->SetRowColor(1, 200, 10, 20);
    EXPECT_EQ(list->item(1, 0)->background().color(), QColor(200, 10, 20));
    EXPECT_EQ(list->item(1, 2)->background().color(), QColor(200, 10, 20));
    list->InsertItem(3, L"r3");
    for (int row = 0; row < 4; ++row) {
        const QColor expected = row % 2 == 0 ? QColor(92, 101, 118) : QColor(101, 110, 129);
        EXPECT_EQ(list->item(row, 0)->background().color(), expected) << row;
    }
    EXPECT_EQ(list->item(1, 2)->background().color(), QColor(101, 110, 129));
}

TEST_F(ListCtrlTest, ColumnTextFormatsMapToQtFlags)
{
    struct Row {
        const char* name;
        UINT format;
        int flags;
    };
    const Row rows[] = {
        { "left by default", 0, Qt::AlignLeft },
        { "centre", 0x1, Qt::AlignHCenter },
        { "right wins over centre", 0x3, Qt::AlignRight },
        { "vertical centre", 0x5, Qt::AlignHCenter | Qt::AlignVCenter },
        { "wrap", 0x10, Qt::AlignLeft | Qt::TextWrapAnywhere | Qt::TextDontClip },
        { "single line", 0x24, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine },
        { "only the low byte counts", 0x101, Qt::AlignHCenter },
    };
    Fill(1);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list->SetColumnTextAlign(1, r.format);
        EXPECT_EQ(list->ColumnAlignment(1), r.flags);
        list->SetItemText(0, 1, L"t");
        EXPECT_EQ(list->item(0, 1)->data(Qt::TextAlignmentRole).toInt(), r.flags);
    }
    EXPECT_EQ(list->ColumnAlignment(2), -1);
}

TEST_F(ListCtrlTest, ClicksAreNotifiedWithRowColumnAndData)
{
    Fill(2);
    list->SetItemData(1, 77);
    list->SetItemText(1, 2, L"port");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(1, 0));
    // A user's double click is a click followed by the double-click press.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, CellCentre(1, 2));

    ASSERT_EQ(parent.events.size(), 3u);
    const Received& click = parent.events.front();
    EXPECT_EQ(click.message, WM_NOTIFY);
    EXPECT_EQ(click.code, KW_LVN_CLICK);
    EXPECT_EQ(click.id, kId);
    EXPECT_EQ(click.record.iItem, 1);
    EXPECT_EQ(click.record.iSubItem, 0);
    EXPECT_EQ(click.record.lParam, 77);
    EXPECT_EQ(click.record.hdr.idFrom, kId);
    EXPECT_EQ(click.record.hdr.code, KW_LVN_CLICK);

    ASSERT_EQ(parent.Count(WM_NOTIFY, KW_LVN_DBLCLICK), 1);
    const Received& dbl = parent.events.back();
    EXPECT_EQ(dbl.code, KW_LVN_DBLCLICK);
    EXPECT_EQ(dbl.record.iItem, 1);
    EXPECT_EQ(dbl.record.iSubItem, 2);
    EXPECT_EQ(dbl.record.lParam, 0);
}

TEST(ListCtrlOrphan, ClicksOnAListWithoutParentGoNowhere)
{
    CKWQTListCtrl orphan(nullptr);
    orphan.InsertColumn(0, L"A", 0, 0, 0);
    orphan.InsertItem(0, L"a");
    orphan.SetItemCheckBox(0);
    orphan.resize(200, 100);
    orphan.show();
    QTest::mouseClick(orphan.viewport(), Qt::LeftButton, {}, orphan.visualItemRect(orphan.item(0, 0)).center());
    orphan.RowCheckBox(0)->click();
    EXPECT_TRUE(orphan.RowCheckBox(0)->isChecked());
}

TEST_F(ListCtrlTest, KeysGoToTheListenerAndDoNotMoveTheRow)
{
    Fill(3);
    list->setCurrentCell(1, 0);
    // Sent by hand: QTest would press the Shift key first, as a key of its own.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    QCoreApplication::sendEvent(list.get(), &press);
    ASSERT_EQ(listener.Count("OnLVKeyPress"), 1);
    EXPECT_EQ(listener.ArgsOf("OnLVKeyPress")[0],
        (std::vector<double> { static_cast<double>(Qt::ShiftModifier), static_cast<double>(Qt::Key_Down) }));
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(ListCtrlTest, RowAndHeaderCheckBoxesFollowEachOther)
{
    ImageRadioBox unused;
    ASSERT_EQ(list->InsertColumnCheck(0, unused), 0);
    list->InsertColumn(1, L"Name", 0, 0, 0);
    for (int r = 0; r < 3; ++r) {
        list->InsertItem(r, L"");
        list->SetItemCheckBox(r);
    }
    QCheckBox* header = list->HeaderCheckBox();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(list->HeaderCheckHolder()->geometry(), QRect(5, 5, 15, 20));
    for (int r = 0; r < 3; ++r) {
        ASSERT_NE(list->RowCheckBox(r), nullptr) << r;
    }

    // Silent setters.
    EXPECT_EQ(list->SetCheck(0, 1), 1);
    EXPECT_EQ(list->SetCheck(1, 1), 1);
    EXPECT_TRUE(list->RowCheckBox(1)->isChecked());
    EXPECT_TRUE(parent.events.empty());
    EXPECT_EQ(list->SetAllCheck(), 1);
    EXPECT_FALSE(header->isChecked());

    // The last unchecked row checks the header.
    list->RowCheckBox(2)->click();
    ASSERT_EQ(parent.Count(WM_NOTIFY, KW_LVN_ROWCHECK), 1);
    EXPECT_EQ(parent.events.back().record.iItem, 1);
    EXPECT_EQ(parent.events.back().record.iSubItem, 2);
    EXPECT_TRUE(header->isChecked());

    // Any row unchecked unchecks it.
    list->RowCheckBox(0)->click();
    EXPECT_EQ(parent.events.back().record.iItem, 0);
    EXPECT_EQ(parent.events.back().record.iSubItem, 0);
    EXPECT_FALSE(header->isChecked());

    // The header sets every row with one notification.
    parent.events.clear();
    header->click();
    ASSERT_EQ(parent.events.size(), 1u);
    EXPECT_EQ(parent.events[0].code, KW_LVN_ALLCHECK);
    EXPECT_EQ(parent.events[0].record.iItem, 1);
    for (int r = 0; r < 3; ++r) {
        EXPECT_TRUE(list->RowCheckBox(r)->isChecked()) << r;
    }
    header->click();
    EXPECT_EQ(parent.events.back().record.iItem, 0);
    EXPECT_FALSE(list->RowCheckBox(1)->isChecked());

    list->SetCheck(0, 1);
    header->setChecked(true);
    EXPECT_EQ(list->DeleteAllItems(), 1);
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_FALSE(header->isChecked());
    EXPECT_EQ(list->IsAllCheck(), 1);
}

TEST_F(ListCtrlTest, CellButtonsNotifyTheirRowThenSendTheirCommand)
{
    KWTempSkinDir skin { { QStringLiteral("icon_set.png"), QColor(255, 0, 0), QSize(16, 16) },
        { QStringLiteral("icon_weblogin.png"), QColor(0, 255, 0), QSize(16, 16) } };
    Fill(3);
    list->SetItemData(2, 9);
    list->SetItemWidget(2, 1, nullptr);
    list->SetItemWidget(9, 1, nullptr); // no such row: nothing made
    QWidget* container = list->cellWidget(2, 1);
    ASSERT_NE(container, nullptr);
    const QList<CKWQTButton*> buttons = container->findChildren<CKWQTButton*>();
    ASSERT_EQ(buttons.size(), 2);
    const int offset = (CKWQTListCtrl::DEFAULT_ROW_HEIGHT - 16) / 2;
    EXPECT_EQ(buttons[0]->geometry(), QRect(10, offset, 16, 16));
    EXPECT_EQ(buttons[1]->geometry(), QRect(35, offset, 16, 16));
    EXPECT_EQ(buttons[0]->toolTip(), QStringLiteral("config"));
    EXPECT_EQ(buttons[1]->toolTip(), QStringLiteral("login"));

    const UINT ids[] = { KW_LIST_BTN_CONFIG, KW_LIST_BTN_LOGIN };
    for (int b = 0; b < 2; ++b) {
        parent.events.clear();
        buttons[b]->click();
        ASSERT_EQ(parent.events.size(), 2u) << b;
        EXPECT_EQ(parent.events[0].message, WM_NOTIFY);
        EXPECT_EQ(parent.events[0].code, KW_LVN_CLICK);
        EXPECT_EQ(parent.events[0].record.iItem, 2);
        EXPECT_EQ(parent.events[0].record.iSubItem, 0);
        EXPECT_EQ(parent.events[0].record.lParam, 9);
        EXPECT_EQ(parent.events[1].message, WM_COMMAND);
        EXPECT_EQ(parent.events[1].code, 0u);
        EXPECT_EQ(parent.events[1].id, ids[b]);
    }
}

TEST_F(ListCtrlTest, SkinFillsEntriesColoursAndHeights)
{
    EXPECT_EQ(list->SetSkin(nullptr), 0);
    KWTempSkinDir skin { { QStringLiteral("list.png"), QColor(1, 2, 3), QSize(40, 30) } };
    ListCtrlStyle style;
    style.strImage = L"list.png";
    style.strRect[0] = L"1,2,3,4";
    style.strMode[0] = L"stretch";
    style.strRect[5] = L"5,6,7,8";
    style.strMode[5] = L"tile";
    style.strRect[18] = L"9,9,9,9";
    style.strRect[19] = L"20,20,20,20";
    style.strMode[19] = L"stretch";
    style.strEvenRowColor = L"102030";
    style.strOddRowColor = L"A0B0C0";
    style.nHeaderHeight = 33;
    style.nRowHeight = 31;
    ASSERT_EQ(list->SetSkin(&style), 1);

    EXPECT_EQ(list->SkinImage().size(), QSize(40, 30));
    struct Row {
        int entry;
        int present, stretch, left;
    };
    for (const Row& r : { Row { 0, 1, 1, 1 }, Row { 1, 0, 0, 0 }, Row { 5, 1, 0, 5 }, Row { 18, 1, 1, 20 },
             Row { 19, 1, 0, 9 } }) {
        SCOPED_TRACE(r.entry);
        const CKWQTListCtrl::SkinEntry& e = list->SkinEntryAt(r.entry);
        EXPECT_EQ(e.present, r.present);
        EXPECT_EQ(e.stretch, r.stretch);
        EXPECT_EQ(e.rect.left, r.left);
    }
    EXPECT_EQ(list->EvenRowColor(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(list->OddRowColor(), QColor(0xA0, 0xB0, 0xC0));
    EXPECT_EQ(list->horizontalHeader()->height(), 33);
    list->InsertColumn(0, L"A", 0, 0, 0);
    list->InsertItem(0, L"a");
    EXPECT_EQ(list->rowHeight(0), 31);
    EXPECT_EQ(list->item(0, 0)->background().color(), QColor(0x10, 0x20, 0x30));
}

TEST_F(ListCtrlTest, SelectionToolTipsIconsAndRowCount)
{
    Fill(3);
    EXPECT_EQ(list->GetFirstSelectedRow(), -1);
    list->SetItemSelected(2, 0, true);
    EXPECT_EQ(list->GetFirstSelectedRow(), 2);
    list->SetItemSelected(2, 1, true); // no item there: ignored
    list->SetColumnTextAlign(0, 0x1);
    list->SetToolTipText(1, 0, L"tip");
    EXPECT_EQ(list->item(1, 0)->toolTip(), QStringLiteral("tip"));
    EXPECT_EQ(list->item(1, 0)->data(Qt::TextAlignmentRole).toInt(), static_cast<int>(Qt::AlignHCenter));
    list->SetToolTipText(1, 1, L"tip"); // no item: ignored
    EXPECT_EQ(list->item(1, 1), nullptr);
    EXPECT_EQ(list->InsertRow(5), 0);
    EXPECT_EQ(list->GetItemCount(), 5);
    EXPECT_EQ(list->InsertRow(1), 0);
    EXPECT_EQ(list->GetItemCount(), 1);
    list->SetObjectName(L"devices");
    EXPECT_EQ(list->objectName(), QStringLiteral("devices"));
    EXPECT_EQ(list->horizontalHeader()->objectName(), QStringLiteral("devices"));
}

} // namespace
