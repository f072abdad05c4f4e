#include "ui/qt/KWQTImagePanel.h"

#include "tests/common/KWTestKit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include <string>

namespace {

struct PanelListener : IKWImagePanelEvent, KWCallRecorder {
    void IMGPNL_OnPlayImage(LPCWSTR path) override { RecordText("IMGPNL_OnPlayImage", path); }
};

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& local)
{
    QMouseEvent event(type, QPointF(local), widget->mapToGlobal(QPointF(local)), Qt::LeftButton,
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

UIImagePanelStyle Skin(int cellWidth, int cellHeight, int margin, int topOffset, int spacing)
{
    UIImagePanelStyle style;
    style.strStripColor = L"00FF00";
    style.strSecondColor = L"123456";
    style.nThumbWidth = cellWidth;
    style.nThumbHeight = cellHeight;
    style.nMargin = margin;
    style.nTopOffset = topOffset;
    style.nSpacing = spacing;
    return style;
}

// A panel 800 x 200 (strip 600 wide) skinned with 100 x 60 thumbnails,
// margin 5, top offset 10, spacing 10; the pictures are solid red.
class ImagePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_parent.resize(900, 300);
        UIImagePanelStyle style = Skin(100, 60, 5, 10, 10);
        m_panel.SetSkin(&style);
        m_panel.Create(L"", RECT { 0, 0, 800, 200 }, m_parent.Handle(), 9);
        m_parent.show();
    }
    std::wstring Picture() const { return (m_skins.Path() + "red.png").toStdWString(); }
    void AddNumbered(int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::wstring n = std::to_wstring(i);
            m_panel.AddItem(Picture().c_str(), (L"item" + n).c_str(), L"Video", L"08:00", L"09:00");
        }
    }

    KWTempSkinDir m_skins { { "red.png", Qt::red, QSize(8, 8) } };
    PanelListener m_listener;
    KWEventSinkWidget m_parent;
    CKWQTImagePanel m_panel { &m_listener };
};

} // namespace

TEST(ImagePanelPlacement, ThumbnailsAreCentredWhenTheyFitAndStopAtTheStripEdge)
{
    const QRect strip(QPoint(0, 0), QPoint(599, 185));
    const QRect cell(QPoint(0, 0), QPoint(99, 59));
    struct Row {
        const char* name;
        int count;
        int scroll;
        size_t placed;
        int firstLeft;
        int lastLeft;
    };
    const Row rows[] = {
        { "three centred", 3, 0, 3, 140, 360 },
        { "one centred", 1, 0, 1, 250, 250 },
        { "too many start at the margin", 10, 0, 6, 5, 555 },
        { "scrolled by 200", 10, 200, 8, -195, 575 },
        { "none", 0, 0, 0, 0, 0 },
    };
    for (const Row& row : rows) {
        const auto placed = CKWQTImagePanel::PlaceItems(row.count, strip, cell, 5, 10, 10, row.scroll);
        ASSERT_EQ(placed.size(), row.placed) << row.name;
        if (!placed.empty()) {
            EXPECT_EQ(placed.front().left(), row.firstLeft) << row.name;
            EXPECT_EQ(placed.back().left(), row.lastLeft) << row.name;
            EXPECT_EQ(placed.front().top(), 10) << row.name;
            EXPECT_EQ(placed.front().size(), QSize(100, 60)) << row.name;
        }
    }
}

TEST(ImagePanelPlacement, ScrollMaximumIsTheContentBeyondTheStrip)
{
    EXPECT_EQ(CKWQTImagePanel::ScrollMaximum(3, 600, 100, 5, 10), 0);
    EXPECT_EQ(CKWQTImagePanel::ScrollMaximum(10, 600, 100, 5, 10), 1100 - 600);
    EXPECT_EQ(CKWQTImagePanel::ScrollMaximum(0, 600, 100, 5, 10), 0);
}

TEST_F(ImagePanelTest, LayoutSplitsTheStripTheScrollBarAndTheDetailsColumn)
{
    EXPECT_EQ(m_panel.StripRect(), QRect(QPoint(0, 0), QPoint(599, 185)));
    EXPECT_EQ(m_panel.InfoRect(), QRect(QPoint(599, 0), QPoint(799, 199)));
    EXPECT_EQ(m_panel.ScrollBar()->geometry(), QRect(QPoint(0, 185), QPoint(599, 199)));
    EXPECT_TRUE(m_panel.ScrollBar()->isVisible());
    EXPECT_EQ(m_panel.ScrollBar()->maximum(), 0);
    EXPECT_EQ(m_panel.ScrollBar()->pageStep(), 800);
    EXPECT_EQ(m_panel.ScrollBar()->singleStep(), 80);

    // The strip takes the skin's colour; the details column its own grey.
    EXPECT_EQ(KWPixelAt(&m_panel, 3, 3), QColor(0, 255, 0));
    EXPECT_EQ(KWPixelAt(&m_panel, 795, 150), QColor(92, 101, 118));

    RECT rect { 10, 20, 500, 120 };
    m_panel.MoveWindow(&rect);
    EXPECT_EQ(m_panel.geometry(), QRect(10, 20, 491, 101));
}

TEST_F(ImagePanelTest, AnItemIsKeyedByPathAndName)
{
    EXPECT_EQ(m_panel.AddItem(Picture().c_str(), L"a", L"t", L"s", L"e"), 1);
    EXPECT_EQ(m_panel.AddItem(Picture().c_str(), L"a", L"other", L"s", L"e"), 0);
    EXPECT_EQ(m_panel.AddItem(Picture().c_str(), L"b", L"t", L"s", L"e"), 1);
    EXPECT_EQ(m_panel.AddItem(L"/elsewhere.png", L"a", L"t", L"s", L"e"), 1);
    EXPECT_EQ(m_panel.GetCount(), 3);

    m_panel.DelByItemName(L"a");
    EXPECT_EQ(m_panel.GetCount(), 1);
    m_panel.ClearItems();
    EXPECT_EQ(m_panel.GetCount(), 0);
}

TEST_F(ImagePanelTest, ThreeThumbnailsAreDrawnCentredWithNoScrolling)
{
    AddNumbered(3);
    EXPECT_EQ(m_panel.ScrollBar()->maximum(), 0);
    const QImage image = KWGrabImage(&m_panel);
    EXPECT_EQ(image.pixelColor(139, 40), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(140, 40), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(239, 40), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(245, 40), QColor(0, 255, 0)) << "spacing between thumbnails";
}

TEST_F(ImagePanelTest, TheDetailsNameTheThumbnailUnderTheMouseAndNothingElsewhere)
{
    m_panel.AddItem(Picture().c_str(), L"front door", L"Alarm", L"10:00:00", L"10:05:00");
    KWGrabImage(&m_panel);
    for (int row = 0; row < CKWQTImagePanel::DETAIL_ROWS; ++row) {
        EXPECT_TRUE(m_panel.ValueText(row).isEmpty());
    }

    SendMouse(&m_panel, QEvent::MouseMove, QPoint(300, 40));
    EXPECT_EQ(m_panel.HotIndex(), 0);
    KWGrabImage(&m_panel);
    EXPECT_EQ(m_panel.ValueText(0), QStringLiteral("Alarm"));
    EXPECT_EQ(m_panel.ValueText(1), QStringLiteral("front door"));
    EXPECT_EQ(m_panel.ValueText(2), QStringLiteral("10:00:00"));
    EXPECT_EQ(m_panel.ValueText(3), QStringLiteral("10:05:00"));

    SendMouse(&m_panel, QEvent::MouseMove, QPoint(20, 150));
    EXPECT_EQ(m_panel.HotIndex(), -1);
    KWGrabImage(&m_panel);
    EXPECT_TRUE(m_panel.ValueText(1).isEmpty());
}

TEST_F(ImagePanelTest, DoubleClickSelectsFramesAndAsksToPlay)
{
    EXPECT_EQ(std::wstring(m_panel.GetHotImagePath()), L"");
    AddNumbered(2);
    // Two thumbnails: centred, the first from 195 to 294, the second from 305.
    SendMouse(&m_panel, QEvent::MouseButtonDblClick, QPoint(320, 40));
    EXPECT_EQ(m_panel.SelectedIndex(), 1);
    ASSERT_EQ(m_listener.Count("IMGPNL_OnPlayImage"), 1);
    EXPECT_EQ(m_listener.calls.back().text, Picture());
    EXPECT_EQ(std::wstring(m_panel.GetHotImagePath()), Picture());

    const QImage image = KWGrabImage(&m_panel);
    EXPECT_EQ(image.pixelColor(305, 40), QColor(69, 136, 255));
    EXPECT_EQ(image.pixelColor(306, 40), QColor(Qt::red));

    // A double click on the background clears the selection and plays nothing.
    SendMouse(&m_panel, QEvent::MouseButtonDblClick, QPoint(20, 150));
    EXPECT_EQ(m_panel.SelectedIndex(), -1);
    EXPECT_EQ(m_listener.Count("IMGPNL_OnPlayImage"), 1);
    EXPECT_EQ(std::wstring(m_panel.GetHotImagePath()), L"");
}

TEST_F(ImagePanelTest, SelectionFollowsItsItemThroughRemovals)
{
    AddNumbered(3);
    m_panel.AddItem(L"/other.png", L"item2b", L"", L"", L"");
    // Four thumbnails, centred: 85, 195, 305, 415.
    SendMouse(&m_panel, QEvent::MouseButtonDblClick, QPoint(420, 40));
    ASSERT_EQ(m_panel.SelectedIndex(), 3);

    m_panel.DelByItemName(L"item0");
    EXPECT_EQ(m_panel.SelectedIndex(), 2);
    EXPECT_EQ(std::wstring(m_panel.GetHotImagePath()), L"/other.png");

    m_panel.DelByItemName(L"item2b");
    EXPECT_EQ(m_panel.SelectedIndex(), -1);
    EXPECT_EQ(std::wstring(m_panel.GetHotImagePath()), L"");

    SendMouse(&m_panel, QEvent::MouseButtonDblClick, QPoint(320, 40));
    ASSERT_GE(m_panel.SelectedIndex(), 0);
    m_panel.ClearItems();
    EXPECT_EQ(std::wstring(m_panel.GetHotImagePath()), L"");
}

TEST_F(ImagePanelTest, TheWheelScrollsTheStripAndAResizeStopsScrollingUntilTheItemsChange)
{
    AddNumbered(10);
    EXPECT_EQ(m_panel.ScrollBar()->maximum(), 500);
    EXPECT_TRUE(KWSendWheel(&m_panel, -120, QPointF(300, 40)));
    QApplication::processEvents();
    const int scrolled = m_panel.ScrollBar()->value();
    EXPECT_GT(scrolled, 0);
    const auto placed = CKWQTImagePanel::PlaceItems(10, m_panel.StripRect(), QRect(0, 0, 100, 60), 5, 10, 10, scrolled);
    EXPECT_EQ(m_panel.HitTest(placed[1].center()), 1);

    m_panel.MoveWindow(0, 0, 700, 200);
    EXPECT_EQ(m_panel.ScrollBar()->maximum(), 0);
    m_panel.DelByItemName(L"item9");
    EXPECT_EQ(m_panel.ScrollBar()->maximum(), 990 - 500);
}

TEST(ImagePanel, ItemsAddedBeforeTheFirstShowStayScrollable)
{
    KWEventSinkWidget parent;
    CKWImagePanel* panel = CreateKWImagePanel(nullptr);
    ASSERT_NE(panel, nullptr);
    UIImagePanelStyle style = Skin(100, 60, 5, 10, 10);
    panel->SetSkin(&style);
    panel->Create(L"", RECT { 0, 0, 800, 200 }, parent.Handle(), 1);
    for (int i = 0; i < 10; ++i) {
        panel->AddItem(L"/none.png", std::to_wstring(i).c_str(), L"", L"", L"");
    }
    parent.show();
    EXPECT_EQ(static_cast<CKWQTImagePanel*>(panel)->ScrollBar()->maximum(), 500);
}
