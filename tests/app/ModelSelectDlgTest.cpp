#include "app/ModelSelectDlgEventImp.h"

#include "base/Globals.h"
#include "base/Translate.h"
#include "tests/app/ShownText.h"
#include "tests/common/KWTestKit.h"
#include "ui/api/KWStatic.h"
#include "ui/qt/KWControlKit.h"
#include "ui/qt/KWQTRadioBox.h"
#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class FakeOwner : public IModelSelectDlgOwner {
public:
    void* GetModelSelectParentWnd() override { return parent; }
    void ApplyModelName(const wchar_t* name) override { applied.emplace_back(name); }

    void* parent = nullptr;
    std::vector<std::wstring> applied;
};

struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    void* parent;
};

std::vector<std::wstring> MakeNames(int count)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i) {
        wchar_t name[32] = {};
        std::swprintf(name, 32, L"CAM-%03d", i);
        names.emplace_back(name);
    }
    return names;
}

QWidget* WidgetOf(CKWButton* control)
{
    return dynamic_cast<QWidget*>(control);
}
QWidget* WidgetOf(CKWRadioBox* control)
{
    return dynamic_cast<QWidget*>(control);
}
QWidget* WidgetOf(CKWEditCtrl* control)
{
    return dynamic_cast<QWidget*>(control);
}
QWidget* WidgetOf(CKWStatic* control)
{
    return dynamic_cast<QWidget*>(control);
}

std::wstring RadioText(CKWRadioBox* radio)
{
    WCHAR buffer[64] = {};
    radio->GetWindowTextW(buffer, 63);
    return buffer;
}

class ModelSelectDlgTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_previousSkin = GetSkinPath().toStdWString();
        m_previousScale = g_uiScale;
        g_uiScale = 1.0f;
        SetKWSkinPath((GetKWAppDirPath() + L"/Skin/").c_str());
        owner = boost::make_shared<FakeOwner>();
        dlg = CModelSelectDlgEventImp::CreateInstance(owner);
        ASSERT_TRUE(dlg);
        dlg->SetMessageBox([this](const std::wstring& text, const std::wstring& caption, void* parent) {
            messages.push_back({ text, caption, parent });
            return 1;
        });
    }

    void TearDown() override
    {
        dlg.reset();
        g_uiScale = m_previousScale;
        SetKWSkinPath(m_previousSkin.c_str());
    }

    QWidget* Window() const { return KWWidgetFromHandle(dlg->GetUIWnd()); }

    // Shown without a modal loop, for the tests that only click around.
    void Show(int modelCount)
    {
        names = MakeNames(modelCount);
        dlg->SetModelList(names);
        dlg->GetDlg()->ShowWindow(1);
    }

    // Runs the dialog modally; `during` runs once the loop is going. A run
    // that `during` fails to end is cancelled after a while.
    int RunModal(const std::function<void()>& during)
    {
        QTimer::singleShot(0, Window(), during);
        QTimer::singleShot(5000, Window(), [this] { dlg->GetDlg()->MFCCancel(); });
        return dlg->GetDlg()->DoModalDlg();
    }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void ClickRadio(int position) { Click(WidgetOf(dlg->GetRadio(position))); }

    std::vector<std::wstring> ShownNames() const
    {
        std::vector<std::wstring> shown;
        for (int i = 0; i < CModelSelectDlgEventImp::kRadioCount; ++i) {
            CKWRadioBox* radio = dlg->GetRadio(i);
            if (!WidgetOf(radio)->isHidden()) {
                shown.push_back(RadioText(radio));
            }
        }
        return shown;
    }

    std::vector<int> CheckedPositions() const
    {
        std::vector<int> checked;
        for (int i = 0; i < CModelSelectDlgEventImp::kRadioCount; ++i) {
            if (dlg->GetRadio(i)->GetCheck() != 0) {
                checked.push_back(i);
            }
        }
        return checked;
    }

    QColor ActiveColour(int position) const
    {
        return dynamic_cast<CKWQTRadioBox*>(dlg->GetRadio(position))->ActiveTextColour();
    }

    std::vector<std::wstring> Slice(size_t from, size_t to) const
    {
        return std::vector<std::wstring>(
            names.begin() + static_cast<long>(from), names.begin() + static_cast<long>(to));
    }

    boost::shared_ptr<FakeOwner> owner;
    boost::shared_ptr<CModelSelectDlgEventImp> dlg;
    std::vector<ShownMessage> messages;
    std::vector<std::wstring> names;

private:
    std::wstring m_previousSkin;
    float m_previousScale = 1.0f;
};

TEST_F(ModelSelectDlgTest, NextPageIsEnabledOnlyWhenTheListPassesOnePage)
{
    const struct {
        int count;
        bool next;
    } cases[] = { { 0, false }, { 1, false }, { 36, false }, { 37, true }, { 100, true } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " names");
        Show(c.count);
        EXPECT_EQ(WidgetOf(dlg->GetNextPageButton())->isEnabled(), c.next);
        EXPECT_FALSE(WidgetOf(dlg->GetPrevPageButton())->isEnabled());
        EXPECT_EQ(ShownNames(), Slice(0, static_cast<size_t>(std::min(c.count, 36))));
        EXPECT_EQ(TextOf(dlg->GetPageNumberStatic()), L"1");
    }
}

TEST_F(ModelSelectDlgTest, ControlsStandInThePlacesOfTheDesign)
{
    Show(36);
    ASSERT_EQ(Window()->size(), QSize(754, 494));
    const struct {
        const char* name;
        QWidget* widget;
        QPoint topLeft;
    } cases[] = {
        { "first radio", WidgetOf(dlg->GetRadio(0)), { 30, 60 } },
        { "third radio ends the row", WidgetOf(dlg->GetRadio(2)), { 490, 60 } },
        { "fourth radio starts the next row", WidgetOf(dlg->GetRadio(3)), { 30, 92 } },
        { "last radio", WidgetOf(dlg->GetRadio(35)), { 490, 412 } },
        { "search field", WidgetOf(dlg->GetSearchEdit()), { 125, 18 } },
        { "page number", WidgetOf(dlg->GetPageNumberStatic()), { 515, 454 } },
        { "previous page", WidgetOf(dlg->GetPrevPageButton()), { 580, 450 } },
        { "next page", WidgetOf(dlg->GetNextPageButton()), { 608, 450 } },
        { "OK", WidgetOf(dlg->GetOKButton()), { 641, 450 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.widget->geometry().topLeft(), c.topLeft);
    }
    EXPECT_EQ(WidgetOf(dlg->GetPrevPageButton())->size(), QSize(24, 24));
    EXPECT_EQ(WidgetOf(dlg->GetOKButton())->width(), 81);
}

TEST_F(ModelSelectDlgTest, SearchNarrowsTheListAndAnEmptyFieldRestoresIt)
{
    names = MakeNames(40);
    names[3] = L"IPC-T2040-Z";
    names[17] = L"ipc-b2040-f";
    names[38] = L"Dome-IPC-Ceiling";
    dlg->SetModelList(names);
    dlg->GetDlg()->ShowWindow(1);

    QWidget* edit = WidgetOf(dlg->GetSearchEdit());
    QTest::keyClicks(edit, "IPC");
    EXPECT_EQ(ShownNames(), (std::vector<std::wstring> { names[3], names[17], names[38] }));
    EXPECT_FALSE(WidgetOf(dlg->GetNextPageButton())->isEnabled());

    QTest::keyClicks(edit, "-b");
    EXPECT_EQ(ShownNames(), (std::vector<std::wstring> { names[17] }));

    // Search button: the same search again.
    Click(WidgetOf(dlg->GetSearchButton()));
    EXPECT_EQ(dlg->GetCurrentList(), (std::vector<std::wstring> { names[17] }));

    dlg->GetSearchEdit()->SetWindowTextW(L"");
    EXPECT_EQ(dlg->GetCurrentList(), names);
    EXPECT_EQ(ShownNames(), Slice(0, 36));
    EXPECT_TRUE(WidgetOf(dlg->GetNextPageButton())->isEnabled());
}

TEST_F(ModelSelectDlgTest, PagingForwardAndBackKeepsTheChoiceOnItsPosition)
{
    Show(46);
    ClickRadio(30);
    EXPECT_EQ(dlg->GetChosenName(), names[30]);

    Click(WidgetOf(dlg->GetNextPageButton()));
    EXPECT_EQ(dlg->GetCurrentPage(), 2);
    EXPECT_EQ(TextOf(dlg->GetPageNumberStatic()), L"2");
    EXPECT_EQ(ShownNames(), Slice(36, 46));
    // The last page holds 10 names: the choice moves to its last radio.
    EXPECT_EQ(CheckedPositions(), std::vector<int> { 9 });
    EXPECT_EQ(dlg->GetChosenName(), names[45]);
    EXPECT_EQ(dlg->GetSelectedModel(), names[45]);
    EXPECT_EQ(ActiveColour(9), ColorFromColorRef(CModelSelectDlgEventImp::kChosenColour));
    EXPECT_TRUE(WidgetOf(dlg->GetPrevPageButton())->isEnabled());
    EXPECT_FALSE(WidgetOf(dlg->GetNextPageButton())->isEnabled());

    Click(WidgetOf(dlg->GetPrevPageButton()));
    EXPECT_EQ(dlg->GetCurrentPage(), 1);
    EXPECT_EQ(ShownNames(), Slice(0, 36));
    EXPECT_EQ(CheckedPositions(), std::vector<int> { 9 });
    EXPECT_EQ(dlg->GetChosenName(), names[9]);
    EXPECT_FALSE(WidgetOf(dlg->GetPrevPageButton())->isEnabled());
    EXPECT_TRUE(WidgetOf(dlg->GetNextPageButton())->isEnabled());
}

TEST_F(ModelSelectDlgTest, PagingWithoutAChoiceChoosesNothing)
{
    Show(80);
    Click(WidgetOf(dlg->GetNextPageButton()));
    Click(WidgetOf(dlg->GetNextPageButton()));
    EXPECT_EQ(dlg->GetCurrentPage(), 3);
    EXPECT_EQ(ShownNames(), Slice(72, 80));
    EXPECT_TRUE(CheckedPositions().empty());
    EXPECT_TRUE(dlg->GetChosenName().empty());
    // Past the last page nothing moves.
    dlg->OnNextPage();
    EXPECT_EQ(dlg->GetCurrentPage(), 3);
}

TEST_F(ModelSelectDlgTest, ARadioClickChoosesItAloneAndASecondClickKeepsIt)
{
    Show(10);
    ClickRadio(2);
    ClickRadio(4);
    EXPECT_EQ(CheckedPositions(), std::vector<int> { 4 });
    EXPECT_EQ(dlg->GetChosenName(), names[4]);
    EXPECT_EQ(ActiveColour(4), ColorFromColorRef(CModelSelectDlgEventImp::kFirstClickColour));

    // The radio unchecks itself on the second click; the dialog keeps it.
    ClickRadio(4);
    EXPECT_EQ(CheckedPositions(), std::vector<int> { 4 });
    EXPECT_EQ(dlg->GetChosenName(), names[4]);
    EXPECT_EQ(ActiveColour(4), ColorFromColorRef(CModelSelectDlgEventImp::kChosenColour));

    // Ids of no radio choose nothing.
    dlg->RADIO_OnClicked(1, 299, POINT { 0, 0 });
    dlg->RADIO_OnClicked(1, 336, POINT { 0, 0 });
    EXPECT_EQ(CheckedPositions(), std::vector<int> { 4 });
    EXPECT_EQ(dlg->GetChosenName(), names[4]);
}

TEST_F(ModelSelectDlgTest, TypingForgetsTheChoice)
{
    Show(10);
    ClickRadio(1);
    QTest::keyClicks(WidgetOf(dlg->GetSearchEdit()), "cam");
    EXPECT_TRUE(dlg->GetChosenName().empty());
    EXPECT_TRUE(CheckedPositions().empty());
    EXPECT_EQ(ShownNames(), names);
}

TEST_F(ModelSelectDlgTest, OkWithoutAChoiceShowsTheMessageAndStaysOpen)
{
    names = MakeNames(5);
    dlg->SetModelList(names);
    bool openAfterOk = false;
    const int result = RunModal([&] {
        Click(WidgetOf(dlg->GetOKButton()));
        openAfterOk = Window()->isVisible();
        QTest::keyClick(Window(), Qt::Key_Escape);
    });
    EXPECT_TRUE(openAfterOk);
    EXPECT_NE(result, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, translate(L"Please select a device model."));
    EXPECT_EQ(messages[0].caption, translate(L"Attention"));
    EXPECT_EQ(messages[0].parent, dlg->GetUIWnd());
    EXPECT_TRUE(owner->applied.empty());
}

TEST_F(ModelSelectDlgTest, OkWithAChoiceTellsTheOwnerAndAccepts)
{
    names = MakeNames(50);
    dlg->SetModelList(names);
    int result = RunModal([&] {
        ClickRadio(5);
        Click(WidgetOf(dlg->GetOKButton()));
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(owner->applied, std::vector<std::wstring> { names[5] });
    EXPECT_EQ(dlg->GetSelectedModel(), names[5]);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Window()->isVisible());

    // The next run finds the choice where it was left.
    result = RunModal([&] { Click(WidgetOf(dlg->GetOKButton())); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(owner->applied, (std::vector<std::wstring> { names[5], names[5] }));
}

TEST_F(ModelSelectDlgTest, EscapeAndCloseCancel)
{
    names = MakeNames(5);
    dlg->SetModelList(names);
    const struct {
        const char* name;
        std::function<void()> action;
    } cases[] = {
        { "Escape", [this] { QTest::keyClick(Window(), Qt::Key_Escape); } },
        { "Escape in the search field",
            [this] { QTest::keyClick(WidgetOf(dlg->GetSearchEdit()), Qt::Key_Escape); } },
        { "close button", [this] { Click(WidgetOf(dlg->GetCloseButton())); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = RunModal([&] {
            ClickRadio(2);
            c.action();
        });
        EXPECT_NE(result, 1);
        EXPECT_FALSE(Window()->isVisible());
        EXPECT_TRUE(owner->applied.empty());
    }
    // Other keys leave the dialog open.
    dlg->GetDlg()->ShowWindow(1);
    QTest::keyClick(Window(), Qt::Key_Return);
    EXPECT_TRUE(Window()->isVisible());
}

// Whatever was shown, searched or chosen: the radios stay hidden and neither
// paging button leads anywhere until the list is shown again.
TEST_F(ModelSelectDlgTest, ResetHidesEveryRadioAndDisablesBothPagingButtons)
{
    const struct {
        const char* name;
        std::function<void()> before;
    } cases[] = {
        { "whole list", [this] { Show(40); } },
        { "after a search and a choice",
            [this] {
                Show(40);
                QTest::keyClicks(WidgetOf(dlg->GetSearchEdit()), "cam-00");
                ClickRadio(2);
            } },
        { "chosen on the second page",
            [this] {
                Show(80);
                ClickRadio(5);
                Click(WidgetOf(dlg->GetNextPageButton()));
            } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        ASSERT_FALSE(ShownNames().empty());
        dlg->ResetRadios();
        EXPECT_TRUE(ShownNames().empty());
        EXPECT_TRUE(CheckedPositions().empty());
        EXPECT_EQ(ActiveColour(2), ColorFromColorRef(CModelSelectDlgEventImp::kPlainTextColour));
        EXPECT_TRUE(dlg->GetChosenName().empty());
        EXPECT_EQ(dlg->GetCurrentPage(), 1);
        EXPECT_EQ(TextOf(dlg->GetPageNumberStatic()), L"1");
        EXPECT_FALSE(WidgetOf(dlg->GetPrevPageButton())->isEnabled());
        EXPECT_FALSE(WidgetOf(dlg->GetNextPageButton())->isEnabled());
        EXPECT_TRUE(qobject_cast<QLineEdit*>(WidgetOf(dlg->GetSearchEdit()))->text().isEmpty());
    }
    // Typing shows the list again.
    QTest::keyClicks(WidgetOf(dlg->GetSearchEdit()), "cam");
    EXPECT_EQ(ShownNames(), Slice(0, 36));
    EXPECT_TRUE(WidgetOf(dlg->GetNextPageButton())->isEnabled());
}

TEST_F(ModelSelectDlgTest, RetranslationRereadsEveryTextOfTheDialog)
{
    const struct {
        const char* name;
        std::function<std::wstring()> shown;
        const wchar_t* key;
    } rows[] = {
        { "title", [this] { return TextOf(dlg->GetTitleStatic()); }, L"ModelSelect" },
        { "word before the page number", [this] { return TextOf(dlg->GetPageTheStatic()); }, L"the" },
        { "word after the page number", [this] { return TextOf(dlg->GetPageWordStatic()); }, L"page" },
        { "OK", [this] { return TextOf(dlg->GetOKButton()); }, L"OK" },
        { "search placeholder",
            [this] {
                return qobject_cast<QLineEdit*>(WidgetOf(dlg->GetSearchEdit()))
                    ->placeholderText()
                    .toStdWString();
            },
            L"Search" },
    };
    const int language = g_languageIndex;
    std::vector<std::wstring> shown[2];
    for (int next : { 1, 0, 1 }) {
        g_languageIndex = next;
        dlg->RetranslateTexts();
        shown[next].clear();
        for (const auto& row : rows) {
            shown[next].push_back(row.shown());
            EXPECT_EQ(shown[next].back(), std::wstring(translate(row.key))) << row.name << " in " << next;
        }
    }
    g_languageIndex = language;
    // Every text differs between English and Chinese, so none can pass by
    // keeping the text it had.
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_NE(shown[0][i], shown[1][i]) << rows[i].name;
    }
}

TEST_F(ModelSelectDlgTest, NamesStartRightOfTheirMark)
{
    names = { L"WWWWWWWW" };
    dlg->SetModelList(names);
    dlg->GetDlg()->ShowWindow(1);
    QWidget* radio = WidgetOf(dlg->GetRadio(0));
    dynamic_cast<CKWQTRadioBox*>(dlg->GetRadio(0))->SetTextColor(0x0000FF, 0);
    const QImage image = KWGrabImage(radio);
    const QRect ink = KWInkBox(
        image.copy(16, 0, image.width() - 16, image.height()), image.pixelColor(image.width() - 1, 0));
    ASSERT_FALSE(ink.isNull());
    // The whole name is drawn, just right of the 16-pixel mark.
    EXPECT_GT(ink.left(), 0);
    EXPECT_LT(ink.left(), 12);
}

TEST(ModelSelectDlgLifetime, EitherTheDialogOrItsHandlerMayGoFirst)
{
    auto owner = boost::make_shared<FakeOwner>();
    auto parent = std::make_unique<QWidget>();
    owner->parent = KWHandleFromWidget(parent.get());

    // The parent window takes the dialog with it; the handler stays usable.
    auto first = CModelSelectDlgEventImp::CreateInstance(owner);
    ASSERT_TRUE(first);
    parent.reset();
    EXPECT_EQ(first->GetDlg(), nullptr);
    int shown = 0;
    first->SetMessageBox([&shown](const std::wstring&, const std::wstring&, void*) { return ++shown; });
    first->SetModelList(MakeNames(3));
    first->OnOK();
    EXPECT_EQ(shown, 1);
    first.reset();

    // The handler takes its dialog with it.
    owner->parent = nullptr;
    auto second = CModelSelectDlgEventImp::CreateInstance(owner);
    ASSERT_TRUE(second);
    QPointer<QWidget> window = KWWidgetFromHandle(second->GetUIWnd());
    ASSERT_FALSE(window.isNull());
    second.reset();
    EXPECT_TRUE(window.isNull());
}

} // namespace
