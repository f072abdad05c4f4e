#include "ui/qt/KWQTComboBox.h"

#include "base/Globals.h"
#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Listener : IKWComboBoxEvent, KWCallRecorder {
    void SelectChanged(int id, int index) override { Record("SelectChanged", id, index); }
};

constexpr UINT kId = 320;

// Face rows of the test strip, one colour each, every row 17 high with a
// one-pixel seam of its own colour under it: reading one row too many shows
// the seam.
const QColor kSeam(255, 0, 255);
const QColor kNormal(200, 0, 0);
const QColor kHover(0, 200, 0);
const QColor kOpenDown(0, 0, 200);
const QColor kOpenUp(200, 200, 0);
const QColor kDisabled(0, 200, 200);

ImageComboBoxStyle StripSkin(const QString& folder)
{
    QImage strip(134, 90, QImage::Format_ARGB32);
    strip.fill(kSeam);
    const QColor rows[] = { kNormal, kHover, kOpenDown, kOpenUp, kDisabled };
    for (int i = 0; i < 5; ++i) {
        for (int y = i * 18; y < i * 18 + 17; ++y) {
            for (int x = 0; x < 134; ++x) {
                strip.setPixelColor(x, y, rows[i]);
            }
        }
    }
    strip.save(folder + QStringLiteral("strip.png"));
    ImageComboBoxStyle style;
    style.strImage = L"strip.png";
    const wchar_t* rects[] = { L"0,0,134,17", L"0,18,134,17", L"0,36,134,17", L"0,54,134,17", L"0,72,134,17",
        L"0,0,134,17", L"0,28,134,17" };
    for (int i = 0; i < 7; ++i) {
        style.strRect[i] = rects[i];
    }
    return style;
}

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.reset(static_cast<CKWQTComboBox*>(CreateKWComboBox(&listener)));
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->Create(WS_VISIBLE, RECT { 10, 20, 144, 37 }, parent.Handle(), kId), 1);
        for (const wchar_t* text : { L"alpha", L"beta", L"gamma" }) {
            box->AddString(text);
        }
        parent.show();
    }

    std::vector<std::wstring> Items() const
    {
        std::vector<std::wstring> items;
        for (int i = 0; i < box->GetCount(); ++i) {
            WCHAR buffer[64] = {};
            box->GetLBText(i, buffer);
            items.emplace_back(buffer);
        }
        return items;
    }

    Listener listener;
    KWEventSinkWidget parent;
    std::unique_ptr<CKWQTComboBox> box; // released before the parent
};

TEST_F(ComboBoxTest, ProgrammaticChangesNeverReport)
{
    struct Row {
        const char* what;
        std::function<void(CKWQTComboBox&)> act;
        int count;
        int current;
    };
    const Row rows[] = {
        { "AddString", [](CKWQTComboBox& b) { b.AddString(L"delta"); }, 4, 0 },
        { "SetCurSel", [](CKWQTComboBox& b) { b.SetCurSel(2); }, 3, 2 },
        { "DeleteString of the current item", [](CKWQTComboBox& b) { b.DeleteString(0); }, 2, 0 },
        { "SetLBText", [](CKWQTComboBox& b) { b.SetLBText(0, const_cast<WCHAR*>(L"A")); }, 3, 0 },
        { "Clear", [](CKWQTComboBox& b) { b.Clear(); }, 0, -1 },
        { "ResetContent", [](CKWQTComboBox& b) { b.ResetContent(); }, 0, -1 },
        { "first item of an empty box",
            [](CKWQTComboBox& b) {
                b.Clear();
                b.AddString(L"only");
            },
            1, 0 },
    };
    for (const Row& row : rows) {
        box->Clear();
        for (const wchar_t* text : { L"alpha", L"beta", L"gamma" }) {
            box->AddString(text);
        }
        listener.Clear();
        row.act(*box);
        EXPECT_EQ(box->GetCount(), row.count) << row.what;
        EXPECT_EQ(box->GetCurSel(), row.current) << row.what;
        EXPECT_EQ(listener.calls.size(), 0u) << row.what;
    }
}

TEST_F(ComboBoxTest, UserChoicesReportOnceWithIdAndIndex)
{
    QTest::keyClick(box.get(), Qt::Key_Down);
    EXPECT_EQ(listener.ArgsOf("SelectChanged"), (std::vector<std::vector<double>> { { kId, 1 } }));
    EXPECT_EQ(parent.events.size(), 0u);

    listener.Clear();
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible());
    const QRect row = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(box->GetCurSel(), 2);
    EXPECT_EQ(listener.ArgsOf("SelectChanged"), (std::vector<std::vector<double>> { { kId, 2 } }));
}

TEST_F(ComboBoxTest, TheWheelNeverChangesTheSelection)
{
    box->SetCurSel(1);
    KWSendWheel(box.get(), -120);
    KWSendWheel(box.get(), 120);
    EXPECT_EQ(box->GetCurSel(), 1);
    EXPECT_EQ(listener.calls.size(), 0u);
}

TEST_F(ComboBoxTest, IndexesOutOfRangeGiveMinusOneAndChangeNothing)
{
    box->SetCurSel(1);
    WCHAR buffer[16] = { L'x', L'x', 0 };
    EXPECT_EQ(box->DeleteString(static_cast<UINT>(-1)), -1);
    EXPECT_EQ(box->DeleteString(3), -1);
    EXPECT_EQ(box->GetLBText(-1, buffer), -1);
    EXPECT_EQ(box->GetLBText(3, buffer), -1);
    EXPECT_EQ(box->GetLBText(0, nullptr), -1);
    EXPECT_EQ(std::wstring(buffer), L"xx");
    EXPECT_EQ(box->SetLBText(-1, const_cast<WCHAR*>(L"no")), -1);
    EXPECT_EQ(box->SetLBText(3, const_cast<WCHAR*>(L"no")), -1);
    EXPECT_EQ(box->SetCurSel(-1), -1);
    EXPECT_EQ(box->SetCurSel(3), -1);
    EXPECT_EQ(box->GetCurSel(), 1);
    EXPECT_EQ(Items(), (std::vector<std::wstring> { L"alpha", L"beta", L"gamma" }));
}

TEST_F(ComboBoxTest, ItemOperationsReturnIndexesAndCounts)
{
    EXPECT_EQ(box->AddString(L"delta"), 3);
    EXPECT_EQ(box->DeleteString(1), 3);
    EXPECT_EQ(box->SetLBText(0, const_cast<WCHAR*>(L"\u00e9t\u00e9")), 0);
    EXPECT_EQ(box->SetCurSel(2), 2);
    EXPECT_EQ(Items(), (std::vector<std::wstring> { L"\u00e9t\u00e9", L"gamma", L"delta" }));
    // Every row is held 25 pixels high by its icon.
    EXPECT_EQ(box->iconSize(), QSize(1, CKWQTComboBox::ROW_HEIGHT));
    EXPECT_FALSE(box->itemIcon(2).isNull());
}

TEST_F(ComboBoxTest, GetLBTextTerminatesRightAfterTheText)
{
    WCHAR buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(box->GetLBText(2, buffer), 5);
    EXPECT_EQ(std::wstring(buffer), L"gamma");
    EXPECT_EQ(buffer[6], L'#');
}

TEST_F(ComboBoxTest, ResetContentDeletesFromTheLastItemDown)
{
    struct Recording : CKWQTComboBox {
        using CKWQTComboBox::CKWQTComboBox;
        int DeleteString(UINT index) override
        {
            deleted.push_back(index);
            return CKWQTComboBox::DeleteString(index);
        }
        std::vector<UINT> deleted;
    };
    Recording recording(&listener);
    for (const wchar_t* text : { L"a", L"b", L"c" }) {
        recording.AddString(text);
    }
    recording.ResetContent();
    EXPECT_EQ(recording.deleted, (std::vector<UINT> { 2, 1, 0 }));
    EXPECT_EQ(recording.GetCount(), 0);
    EXPECT_EQ(listener.calls.size(), 0u);
}

TEST(ComboBoxFace, SubImageFollowsTheStateAndWhereTheListOpens)
{
    struct Row {
        const char* what;
        int state, top, count;
        int expected;
    };
    // Box 17 high, at most 10 rows shown, screen bottom at 599.
    const Row rows[] = {
        { "closed", CKWQTComboBox::FACE_NORMAL, 300, 3, 1 },
        { "hovered", CKWQTComboBox::FACE_HOVER, 300, 3, 2 },
        { "disabled", CKWQTComboBox::FACE_DISABLED, 590, 3, 5 },
        { "open high up", CKWQTComboBox::FACE_OPEN, 100, 3, 3 },
        { "open, list ends on the last row", CKWQTComboBox::FACE_OPEN, 599 - 75 - 17, 3, 3 },
        { "open, list one pixel past the bottom", CKWQTComboBox::FACE_OPEN, 599 - 75 - 17 + 1, 3, 4 },
        { "open, only the visible rows count", CKWQTComboBox::FACE_OPEN, 599 - 250 - 17, 40, 3 },
        { "open, empty list", CKWQTComboBox::FACE_OPEN, 582, 0, 3 },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CKWQTComboBox::FaceSubImage(row.state, row.top, 17, row.count, 10, 599), row.expected)
            << row.what;
    }
}

TEST_F(ComboBoxTest, FaceIsCutExactlyFromTheStripForEachState)
{
    KWTempSkinDir skin;
    ImageComboBoxStyle style = StripSkin(skin.Path());
    ASSERT_EQ(box->SetSkin(&style), 1);
    box->SetCurSel(0);

    // The box is as large as one face: a cut one row too tall would put
    // the seam in the bottom row.
    EXPECT_EQ(KWPixelAt(box.get(), 3, 1), kNormal);
    EXPECT_EQ(KWPixelAt(box.get(), 3, 16), kNormal);
    EXPECT_EQ(KWPixelAt(box.get(), 130, 16), kNormal);

    KWSendEnter(box.get());
    EXPECT_EQ(KWPixelAt(box.get(), 3, 16), kHover);
    KWSendLeave(box.get());
    EXPECT_EQ(KWPixelAt(box.get(), 3, 16), kNormal);

    box->EnableWindow(0);
    EXPECT_EQ(KWPixelAt(box.get(), 3, 16), kDisabled);
    box->EnableWindow(1);

    const int screenBottom = QGuiApplication::primaryScreen()->geometry().bottom();
    struct Place {
        const char* what;
        int globalTop;
        QColor face;
    };
    const Place places[] = {
        { "high up", 20, kOpenDown },
        { "at the bottom of the screen", screenBottom - 40, kOpenUp },
    };
    for (const Place& place : places) {
        parent.setGeometry(QRect(QPoint(0, place.globalTop - box->y()), parent.size()));
        ASSERT_EQ(box->mapToGlobal(QPoint(0, 0)).y(), place.globalTop) << place.what;
        box->showPopup();
        EXPECT_EQ(KWPixelAt(box.get(), 3, 16), place.face) << place.what;
        box->hidePopup();
        EXPECT_EQ(KWPixelAt(box.get(), 3, 16), kNormal) << place.what;
    }
}

// A long list drops down under its box, or opens over it near the bottom of
// the screen, with a bounded number of rows and a scroll bar, at both scales,
// leaving the box's border row in view and drawing its own three borders.
TEST(ComboBoxList, OpensBelowOrAboveItsBoxWithBoundedRows)
{
    const float savedScale = g_uiScale;
    KWTempSkinDir skin;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const struct {
        float scale;
        bool nearBottom;
    } rows[] = { { 1.0f, false }, { 1.0f, true }, { 2.0f, false }, { 2.0f, true } };
    for (const auto& row : rows) {
        SCOPED_TRACE(
            testing::Message() << "scale " << row.scale << (row.nearBottom ? ", near the bottom" : ""));
        g_uiScale = row.scale;
        ImageComboBoxStyle style = StripSkin(skin.Path());
        KWEventSinkWidget parent;
        CKWQTComboBox box;
        const int boxHeight = static_cast<int>(18 * row.scale);
        box.Create(WS_VISIBLE, RECT { 10, 0, 10 + static_cast<int>(135 * row.scale), boxHeight },
            parent.Handle(), 1);
        ASSERT_EQ(box.SetSkin(&style), 1);
        for (int i = 0; i < 40; ++i) {
            box.AddString(QStringLiteral("model %1").arg(i).toStdWString().c_str());
        }
        const int top = row.nearBottom ? screen.bottom() - 2 * boxHeight : screen.top() + 20;
        parent.setGeometry(screen.left(), top, 400, 2 * boxHeight);
        parent.show();
        box.showPopup();
        QWidget* list = box.view()->window();
        ASSERT_TRUE(list->isVisible());
        const QRect listRect = list->geometry();
        const QRect boxRect(box.mapToGlobal(QPoint(0, 0)), box.size());
        const int rowHeight = box.view()->visualRect(box.model()->index(0, 0)).height();
        EXPECT_GE(rowHeight, CKWQTComboBox::RowHeight());
        // Clear of the box's border row on the side it opens to.
        EXPECT_EQ(listRect.top() == boxRect.bottom() + 1, !row.nearBottom) << "below the box";
        EXPECT_EQ(listRect.bottom() == boxRect.top() - 1, row.nearBottom) << "above the box";
        // Its border on the left, the right and the bottom, none on top.
        const QImage shown = list->grab().toImage();
        const QColor border(228, 235, 245);
        const int width = std::max(1, static_cast<int>(row.scale));
        const int middleY = shown.height() / 2;
        const int middleX = shown.width() / 2;
        for (int i = 0; i < width; ++i) {
            EXPECT_EQ(shown.pixelColor(i, middleY), border) << "left";
            EXPECT_EQ(shown.pixelColor(shown.width() - 1 - i, middleY), border) << "right";
            EXPECT_EQ(shown.pixelColor(middleX, shown.height() - 1 - i), border) << "bottom";
        }
        EXPECT_NE(shown.pixelColor(width, middleY), border) << "one border wide";
        EXPECT_NE(shown.pixelColor(middleX, 0), border) << "no border on top";
        EXPECT_EQ(listRect.height() / rowHeight, CKWQTComboBox::VISIBLE_ROWS);
        EXPECT_TRUE(screen.contains(listRect));
        EXPECT_TRUE(box.view()->verticalScrollBar()->isVisible()) << "the other rows scroll";
        box.hidePopup();
    }
    g_uiScale = savedScale;
}

TEST_F(ComboBoxTest, SkinSetsTheExactListStyleSheetAndNativeLookRefuses)
{
    KWTempSkinDir skin;
    ImageComboBoxStyle style = StripSkin(skin.Path());
    EXPECT_EQ(box->SetSkin(nullptr), 0);
    EXPECT_TRUE(box->styleSheet().isEmpty());
    ASSERT_EQ(box->SetSkin(&style), 1);
    EXPECT_EQ(box->styleSheet(),
        QStringLiteral(
            "QComboBox {subcontrol-position: bottom;color: black;font:12px;combobox-popup: 0;}"
            "QComboBox QAbstractItemView {border: 1px solid rgb(228,235,245);border-top-width: 0px;"
            "outline:0px;border-radius:0px;"
            "background-color: white;color: black;selection-background-color: rgb(228,235,245);"
            "selection-color:black;subcontrol-origin: content;position: absolute;}"));

    CKWQTComboBox native(&listener);
    native.SetOriginStyle(1);
    EXPECT_EQ(native.SetSkin(&style), 0);
    EXPECT_TRUE(native.styleSheet().isEmpty());
}

TEST_F(ComboBoxTest, TextIsDrawnOverTheFaceAndGreyWhenDisabled)
{
    KWTempSkinDir skin;
    ImageComboBoxStyle style = StripSkin(skin.Path());
    ASSERT_EQ(box->SetSkin(&style), 1);
    box->SetLBText(0, const_cast<WCHAR*>(L"\u2588\u2588\u2588\u2588\u2588\u2588\u2588\u2588"));
    box->SetCurSel(0);

    auto countIn = [](const QImage& image, const QRect& area, const QColor& colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return n;
    };
    // Text starts 10 pixels in and keeps out of the arrow's square.
    const QRect textArea(10, 0, 134 - 10 - 17, 17);
    const QColor black(0, 0, 0);
    const QImage enabled = KWGrabImage(box.get());
    EXPECT_GT(countIn(enabled, textArea, black), 0);
    EXPECT_EQ(countIn(enabled, QRect(0, 0, 10, 17), black), 0);
    EXPECT_EQ(countIn(enabled, QRect(134 - 17, 0, 17, 17), black), 0);

    box->EnableWindow(0);
    const QImage disabled = KWGrabImage(box.get());
    EXPECT_GT(countIn(disabled, textArea, QColor(182, 190, 207)), 0);
    EXPECT_EQ(countIn(disabled, textArea, black), 0);
}

} // namespace
