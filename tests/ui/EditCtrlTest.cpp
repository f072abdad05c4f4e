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
    void EDIT_OnTextChange(UINT id, WCHAR* text) override { RecordText("change", text, id); }
    void EDIT_OnEditingFinished(UINT id, WCHAR* text) override { RecordText("finished", text, id); }
    void edit_FocusOutEvent(UINT id, WCHAR* text) override { RecordText("focusOut", text, id); }
    void OnDlgKeyDown(UINT modifiers, UINT key) override { Record("key", modifiers, key); }
};

class EditCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.move(300, 200);
        edit.Create(WS_VISIBLE, RECT { 20, 30, 120, 55 }, parent.Handle(), kId);
        parent.show();
    }

    Listener listener;
    KWEventSinkWidget parent;
    CKWQTEditCtrl edit { &listener };
};

TEST_F(EditCtrlTest, CreateIsExclusiveMoveWindowInclusiveAndPositionIsInParentCoordinates)
{
    CKWQTEditCtrl hidden;
    hidden.Create(WS_CHILD, RECT { 0, 0, 10, 10 }, parent.Handle(), kId);
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.geometry(), QRect(20, 30, 100, 25));
    int x = 0;
    int y = 0;
    edit.GetmapToGlobal(x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(20, 30));
    RECT rect { 20, 30, 120, 55 };
    edit.MoveWindow(&rect);
    EXPECT_EQ(edit.geometry(), QRect(20, 30, 101, 26));
}

TEST_F(EditCtrlTest, NumberOnlyFieldTakesOneToSixDigitsWithoutALeadingZero)
{
    edit.InputNumberOnly();
    edit.InputNumberOnly(); // replaces the first validator
    EXPECT_EQ(edit.findChildren<QValidator*>().size(), 1);
    for (const auto& [typed, kept] : { std::pair { "0", "" }, std::pair { "012", "12" },
             std::pair { "1234567", "123456" }, std::pair { "1a2", "12" } }) {
        edit.clear();
        QTest::keyClicks(&edit, QString::fromLatin1(typed));
        EXPECT_EQ(edit.text(), QString::fromLatin1(kept)) << typed;
    }
}

TEST_F(EditCtrlTest, SetWindowTextReportsAChangeOnlyWhenTheTextDiffers)
{
    edit.SetWindowTextW(L"DS-2CD");
    edit.SetWindowTextW(L"DS-2CD");
    ASSERT_EQ(listener.calls.size(), 1U);
    EXPECT_EQ(listener.calls[0].text, L"DS-2CD");
    EXPECT_EQ(listener.calls[0].args, (std::vector<double> { kId }));
    EXPECT_TRUE(parent.events.empty()) << "the edit never writes to its parent";
}

TEST_F(EditCtrlTest, ReturnAndEnterReachTheDialogAndDropTheFocus)
{
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> calls;
    };
    const Row rows[] = {
        { Qt::Key_Return, Qt::NoModifier, { "focusOut", "key", "focusOut" } },
        { Qt::Key_Enter, Qt::KeypadModifier, { "key", "focusOut" } },
    };
    parent.activateWindow();
    for (const Row& row : rows) {
        edit.setFocus();
        if (!QTest::qWaitForWindowActive(&parent) || !edit.hasFocus()) {
            GTEST_SKIP() << "this platform gives no widget the focus";
        }
        edit.SetWindowTextW(L"42");
        listener.Clear();
        QTest::keyClick(&edit, row.key, row.modifiers);
        std::vector<std::string> focusAndKeys;
        for (const KWRecordedCall& call : listener.calls) {
            if (call.name == "key") {
                EXPECT_EQ(
                    call.args, (std::vector<double> { double(row.modifiers.toInt()), double(row.key) }));
            } else {
                EXPECT_EQ(call.text, L"42") << call.name;
            }
            // Qt finishes editing on the key and on the focus loss alike.
            if (call.name != "finished") {
                focusAndKeys.push_back(call.name);
            }
        }
        EXPECT_EQ(focusAndKeys, row.calls) << row.key;
        EXPECT_GE(listener.Count("finished"), 1) << row.key;
    }
}

TEST_F(EditCtrlTest, ReadOnlyEnablesAndANullSkinChangesNothing)
{
    edit.EnableWindow(0);
    edit.SetReadOnly(1);
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_TRUE(edit.isReadOnly());

    KWTempSkinDir skins { { "search.png", Qt::red, QSize(4, 4) } };
    const QPalette before = edit.palette();
    EXPECT_EQ(edit.SetSkin(nullptr), 0);
    EXPECT_EQ(edit.palette(), before);
    EXPECT_EQ(edit.SetSkin(L"search.png"), 1);
    const QImage base = edit.palette().brush(QPalette::Active, QPalette::Base).textureImage();
    ASSERT_FALSE(base.isNull());
    EXPECT_EQ(base.pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(EditCtrlTest, GetWindowTextCountsTheTerminatorInTheCapacity)
{
    for (const auto& [text, copied] : { std::pair { L"abcdef", L"ab" }, std::pair { L"ab", L"ab" } }) {
        edit.SetWindowTextW(text);
        WCHAR buffer[4] = { L'#', L'#', L'#', L'#' };
        EXPECT_EQ(edit.GetWindowTextW(buffer, 3), 2) << text;
        EXPECT_EQ(std::wstring(buffer), copied);
        EXPECT_EQ(buffer[3], L'#') << "nothing past the capacity";
    }
}

} // namespace
