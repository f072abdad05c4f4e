#include "ui/qt/KWQTEditCtrl.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QValidator>

#include <string>
#include <vector>

namespace {

constexpr UINT kId = 116;

struct Listener : IKWEditCtrlEvent, KWCallRecorder {
    void EDIT_OnTextChange(UINT id, WCHAR* text) override { RecordText("EDIT_OnTextChange", text, id); }
    void EDIT_OnEditingFinished(UINT id, WCHAR* text) override
    {
        RecordText("EDIT_OnEditingFinished", text, id);
    }
    void EDIT_OnEditclicked(UINT id) override { Record("EDIT_OnEditclicked", id); }
    void edit_FocusOutEvent(UINT id, WCHAR* text) override { RecordText("edit_FocusOutEvent", text, id); }
    void OnDlgKeyDown(UINT modifiers, UINT key) override { Record("OnDlgKeyDown", modifiers, key); }

    // The focus and key reports, in order.
    std::vector<std::string> FocusAndKeys() const
    {
        std::vector<std::string> out;
        for (const KWRecordedCall& call : calls) {
            if (call.name == "edit_FocusOutEvent" || call.name == "OnDlgKeyDown") {
                out.push_back(call.name);
            }
        }
        return out;
    }
};

TEST(EditCtrl, CreateIsExclusiveMoveWindowInclusiveAndStartsEmpty)
{
    KWEventSinkWidget parent;
    CKWEditCtrl* edit = CreateKWEditCtrl(nullptr);
    ASSERT_NE(edit, nullptr);
    edit->Create(WS_VISIBLE, RECT { 10, 20, 110, 45 }, parent.Handle(), kId);
    CKWQTEditCtrl hidden;
    hidden.Create(WS_CHILD, RECT { 10, 50, 110, 75 }, parent.Handle(), kId);
    parent.show();
    auto* widget = dynamic_cast<CKWQTEditCtrl*>(edit);
    EXPECT_EQ(widget->geometry(), QRect(10, 20, 100, 25));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_TRUE(widget->text().isEmpty());

    RECT rect { 10, 20, 110, 45 };
    edit->MoveWindow(&rect);
    EXPECT_EQ(widget->geometry(), QRect(10, 20, 101, 26));
}

TEST(EditCtrl, NumberOnlyFieldTakesOneToSixDigitsWithoutALeadingZero)
{
    struct Row {
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        { "0", "" },
        { "012", "12" },
        { "1234567", "123456" },
        { "999999", "999999" },
        { "1a2", "12" },
    };
    KWEventSinkWidget parent;
    CKWQTEditCtrl edit;
    edit.Create(WS_VISIBLE, RECT { 0, 0, 100, 24 }, parent.Handle(), kId);
    parent.show();
    edit.InputNumberOnly();
    edit.InputNumberOnly(); // replaces the first validator
    EXPECT_EQ(edit.findChildren<QValidator*>().size(), 1);
    ASSERT_NE(edit.validator(), nullptr);
    EXPECT_EQ(edit.validator()->parent(), &edit);
    for (const Row& row : rows) {
        edit.clear();
        QTest::keyClicks(&edit, QString::fromLatin1(row.typed));
        EXPECT_EQ(edit.text(), QString::fromLatin1(row.kept)) << row.typed;
    }
}

TEST(EditCtrl, SetWindowTextReportsAChangeOnlyWhenTheTextDiffers)
{
    Listener listener;
    KWEventSinkWidget parent;
    CKWQTEditCtrl edit(&listener);
    edit.Create(WS_VISIBLE, RECT { 0, 0, 100, 24 }, parent.Handle(), kId);
    edit.SetWindowTextW(L"DS-2CD");
    edit.SetWindowTextW(L"DS-2CD");
    ASSERT_EQ(listener.Count("EDIT_OnTextChange"), 1);
    EXPECT_EQ(listener.calls[0].text, L"DS-2CD");
    EXPECT_EQ(listener.calls[0].args, (std::vector<double> { kId }));
    EXPECT_TRUE(parent.events.empty()) << "the edit never writes to its parent";
}

TEST(EditCtrl, LeftPressReportsAClick)
{
    Listener listener;
    KWEventSinkWidget parent;
    CKWQTEditCtrl edit(&listener);
    edit.Create(WS_VISIBLE, RECT { 0, 0, 100, 24 }, parent.Handle(), kId);
    parent.show();
    QTest::mousePress(&edit, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&edit, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(listener.Count("EDIT_OnEditclicked"), 0);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(listener.ArgsOf("EDIT_OnEditclicked"), (std::vector<std::vector<double>> { { kId } }));
}

TEST(EditCtrl, ReturnAndEnterReachTheDialogAndDropTheFocus)
{
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> calls;
    };
    const Row rows[] = {
        { Qt::Key_Return, Qt::NoModifier, { "edit_FocusOutEvent", "OnDlgKeyDown", "edit_FocusOutEvent" } },
        { Qt::Key_Enter, Qt::KeypadModifier, { "OnDlgKeyDown", "edit_FocusOutEvent" } },
    };
    KWEventSinkWidget parent;
    Listener listener;
    CKWQTEditCtrl edit(&listener);
    edit.Create(WS_VISIBLE, RECT { 0, 0, 100, 24 }, parent.Handle(), kId);
    parent.show();
    parent.activateWindow();
    if (!QTest::qWaitForWindowActive(&parent)) {
        GTEST_SKIP() << "this platform gives no window the focus";
    }
    for (const Row& row : rows) {
        edit.setFocus();
        if (!edit.hasFocus()) {
            GTEST_SKIP() << "this platform gives no widget the focus";
        }
        edit.SetWindowTextW(L"42");
        listener.Clear();
        QTest::keyClick(&edit, row.key, row.modifiers);
        EXPECT_EQ(listener.FocusAndKeys(), row.calls) << row.key;
        // Qt finishes editing both on the focus loss and on the key itself.
        EXPECT_GE(listener.Count("EDIT_OnEditingFinished"), 1) << row.key;
        EXPECT_EQ(listener.ArgsOf("OnDlgKeyDown"),
            (std::vector<std::vector<double>> {
                { static_cast<double>(row.modifiers.toInt()), static_cast<double>(row.key) } }));
        for (const KWRecordedCall& call : listener.calls) {
            if (!call.args.empty() && call.name != "OnDlgKeyDown") {
                EXPECT_EQ(call.args[0], kId) << call.name;
                EXPECT_EQ(call.text, L"42") << call.name;
            }
        }
    }
}

TEST(EditCtrl, ReadOnlyEnablesAndPositionIsInParentCoordinates)
{
    KWEventSinkWidget parent;
    parent.move(300, 200);
    CKWQTEditCtrl edit;
    edit.Create(WS_VISIBLE, RECT { 20, 30, 120, 54 }, parent.Handle(), kId);
    parent.show();
    edit.EnableWindow(0);
    edit.SetReadOnly(1);
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_TRUE(edit.isReadOnly());
    edit.SetReadOnly(0);
    EXPECT_FALSE(edit.isReadOnly());

    int x = 0;
    int y = 0;
    edit.GetmapToGlobal(x, y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 30);
}

TEST(EditCtrl, SkinSetsTheBaseBrushAndANullNameChangesNothing)
{
    KWTempSkinDir skins { { "search.png", Qt::red, QSize(4, 4) } };
    CKWQTEditCtrl edit;
    const QPalette before = edit.palette();
    EXPECT_EQ(edit.SetSkin(nullptr), 0);
    EXPECT_EQ(edit.palette(), before);
    EXPECT_EQ(edit.SetSkin(L"search.png"), 1);
    const QImage base = edit.palette().brush(QPalette::Active, QPalette::Base).textureImage();
    ASSERT_FALSE(base.isNull());
    EXPECT_EQ(base.pixelColor(0, 0), QColor(Qt::red));
}

TEST(EditCtrl, GetWindowTextCountsTheTerminatorInTheCapacity)
{
    struct Row {
        const wchar_t* text;
        int capacity;
        std::wstring copied;
        int returned;
    };
    const Row rows[] = {
        { L"abcdef", 3, L"ab", 2 },
        { L"ab", 3, L"ab", 2 },
        { L"abc", 1, L"", 0 },
    };
    CKWQTEditCtrl edit;
    for (const Row& row : rows) {
        edit.SetWindowTextW(row.text);
        WCHAR buffer[6] = { L'#', L'#', L'#', L'#', L'#', L'#' };
        EXPECT_EQ(edit.GetWindowTextW(buffer, row.capacity), row.returned) << row.text;
        EXPECT_EQ(std::wstring(buffer), row.copied) << row.text;
        EXPECT_EQ(buffer[row.capacity], L'#') << "nothing written past the capacity: " << row.text;
    }
}

} // namespace
