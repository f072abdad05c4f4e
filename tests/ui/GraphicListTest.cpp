#include "ui/qt/KWQTGraphicList.h"

#include "tests/common/KWTestKit.h"
#include "ui/qt/KWQTGraphicsListItem.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsTextItem>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include <memory>

namespace {

struct Listener : IKWGraphicListEvent, KWCallRecorder {
    void OnListItemClick(int id) override { Record("OnListItemClick", id); }
    void OnListItemDelete(int id) override
    {
        Record("OnListItemDelete", id);
        // What the application does in answer.
        if (list != nullptr) {
            list->DeleteListItem(id);
        }
    }
    void OnListItemDbClick(int id) override { Record("OnListItemDbClick", id); }
    void OnListDragEnterEvent(LPCWSTR path) override { RecordText("OnListDragEnterEvent", path); }
    CKWGraphicList* list = nullptr;
};

tagGListItem_Info Info(int id, const wchar_t* path = L"/videos/clip.mp4")
{
    tagGListItem_Info info;
    info.nID = id;
    info.strPicture = L"thumb.png";
    info.strFilePath = path;
    info.strLine2 = L"2026-01-02 10:00";
    info.strLine3 = L"12MB";
    return info;
}

class GraphicListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(400, 400);
        list = std::make_unique<CKWQTGraphicList>(&listener);
        ASSERT_EQ(list->Create(WS_VISIBLE, RECT { 0, 0, 300, 200 }, parent.Handle(), 5), 1);
        ImageButtonStyle buttons;
        buttons.strNormal = L"del_n.png";
        buttons.strHover = L"del_h.png";
        buttons.strPressed = L"del_p.png";
        ASSERT_EQ(list->SetItemBtnSkin(&buttons), 1);
        list->SetItemSize(280, 50);
        parent.show();
    }

    void Add(int id, const wchar_t* path = L"/videos/clip.mp4")
    {
        tagGListItem_Info info = Info(id, path);
        EXPECT_EQ(list->AddListItem(info), nullptr);
    }
    std::vector<double> Ys() const
    {
        std::vector<double> ys;
        for (const CKWQTGraphicsListItem* entry : list->Items()) {
            ys.push_back(entry->pos().y());
        }
        return ys;
    }
    // A point of entry i, in scene coordinates.
    QPointF At(int index, const QPointF& local) const { return list->Items()[index]->mapToScene(local); }

    KWTempSkinDir skin { { QStringLiteral("thumb.png"), QColor(0, 0, 255), QSize(30, 20) },
        { QStringLiteral("del_n.png"), QColor(255, 0, 0), QSize(12, 12) },
        { QStringLiteral("del_h.png"), QColor(0, 255, 0), QSize(12, 12) },
        { QStringLiteral("del_p.png"), QColor(255, 255, 0), QSize(12, 12) } };
    KWEventSinkWidget parent;
    Listener listener;
    std::unique_ptr<CKWQTGraphicList> list;
};

TEST_F(GraphicListTest, EntriesStackWithAGapAndCloseUpAfterADeletion)
{
    Add(1);
    Add(2);
    Add(3);
    EXPECT_EQ(Ys(), (std::vector<double> { 0, 52, 104 }));
    EXPECT_EQ(list->GetItemNumber(), 3);
    EXPECT_EQ(list->Scene()->sceneRect(), QRectF(0, 0, list->width(), std::max(156, list->height())));
    list->DeleteListItem(2);
    EXPECT_EQ(Ys(), (std::vector<double> { 0, 52 }));
    EXPECT_EQ(list->Scene()->sceneRect().height(), list->height() - 2);
    list->DeleteListItem(99);
    EXPECT_EQ(list->GetItemNumber(), 2);

    list->DeleteAllListItem();
    EXPECT_EQ(list->GetItemNumber(), 0);
    EXPECT_EQ(list->Scene()->sceneRect(), QRectF(0, 0, list->width(), list->height()));
}

TEST_F(GraphicListTest, ADuplicateIdIsSetTogetherAndDeletedOneAtATime)
{
    Add(7, L"/a/first.mp4");
    Add(7, L"/a/second.mp4");
    Add(8);
    list->SetItemFileTime(7, L"yesterday");
    list->SetItemFileSize(7, L"3KB");
    list->SetItemProgressPos(7, 40);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list->Items()[i]->Line2Item()->toPlainText(), QStringLiteral("yesterday"));
        EXPECT_EQ(list->Items()[i]->Line3Item()->toPlainText(), QStringLiteral("3KB"));
        EXPECT_EQ(list->Items()[i]->Progress(), 40);
    }
    EXPECT_EQ(list->Items()[2]->Progress(), 0);
    EXPECT_EQ(list->GetItemInfoByID(7).strFilePath, L"/a/first.mp4");
    EXPECT_EQ(list->GetItemInfoByID(99).strFilePath, L"");
    EXPECT_EQ(list->GetItemInfoByID(99).nID, 0);
    EXPECT_EQ(list->IsItemIDExist(8), 1);
    EXPECT_EQ(list->IsItemIDExist(9), 0);

    list->DeleteListItem(7);
    EXPECT_EQ(list->GetItemInfoByID(7).strFilePath, L"/a/second.mp4");
    EXPECT_EQ(list->GetItemNumber(), 2);
}

TEST_F(GraphicListTest, EntryLayoutFollowsSizeAndScale)
{
    struct Row {
        const char* name;
        int scale;
    };
    for (const Row& r : { Row { "1x", 1 }, Row { "4K", 2 } }) {
        SCOPED_TRACE(r.name);
        list->Set4KSize(r.scale);
        list->SetItemSize(400, 100);
        Add(r.scale);
        const CKWQTGraphicsListItem* entry = list->Items().back();
        const int s = r.scale;
        EXPECT_EQ(entry->boundingRect(), QRectF(0, 0, 400, 100));
        // 12 x 12 button, 18 x s from the right, centred.
        EXPECT_EQ(entry->ButtonRect(), QRect(400 - 18 * s - 12, (100 - 12) / 2 + 1, 12, 12));
        EXPECT_EQ(entry->PictureItem()->pos(), QPointF(10 * s, (100 - 20) / 2));
        const int textX = 30 + 20 * s;
        const int top = (100 - 60 * s) / 2 + 20 * s - 20 * s + 1;
        EXPECT_EQ(entry->TitleItem()->pos(), QPointF(textX, top));
        EXPECT_EQ(entry->Line2Item()->pos(), QPointF(textX, top + 20 * s));
        EXPECT_EQ(entry->Line3Item()->pos(), QPointF(textX, top + 35 * s));
        EXPECT_EQ(entry->TitleItem()->font().pixelSize(), 14 * s);
        EXPECT_EQ(entry->Line2Item()->font().pixelSize(), 12 * s);
        EXPECT_EQ(entry->TitleItem()->defaultTextColor(), QColor(255, 255, 255));
        EXPECT_EQ(entry->Line3Item()->defaultTextColor(), QColor(145, 145, 145));
        EXPECT_EQ(entry->TitleItem()->toPlainText(), QStringLiteral("clip.mp4"));
    }
}

TEST_F(GraphicListTest, TitlesTooWideKeepSixCharactersAtEachEnd)
{
    struct Row {
        const char* name;
        const wchar_t* path;
        int width;
        QString title;
    };
    const Row rows[] = {
        { "fits", L"/d/short.mp4", 400, QStringLiteral("short.mp4") },
        { "no slash", L"plain.avi", 400, QStringLiteral("plain.avi") },
        { "too wide", L"/d/camera_front_01.mp4", 150, QStringLiteral("camera...01.mp4") },
        { "too short to elide", L"/d/abcdefghij", 111, QStringLiteral("abcdefghij") },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        list->SetItemSize(r.width, 50);
        Add(1, r.path);
        EXPECT_EQ(list->Items().back()->TitleItem()->toPlainText(), r.title);
    }
}

TEST_F(GraphicListTest, ClicksSelectAndReportButNeverDeleteByThemselves)
{
    Add(1);
    Add(2);
    KWScenePress(list->Scene(), At(1, QPointF(50, 25)));
    KWSceneRelease(list->Scene(), At(1, QPointF(50, 25)));
    EXPECT_EQ(listener.ArgsOf("OnListItemClick"), (std::vector<std::vector<double>> { { 2 } }));
    EXPECT_TRUE(list->Items()[1]->IsSelected());
    EXPECT_FALSE(list->Items()[0]->IsSelected());

    // A user's double click: a click, then the double-click press.
    KWScenePress(list->Scene(), At(0, QPointF(50, 25)));
    KWSceneRelease(list->Scene(), At(0, QPointF(50, 25)));
    QGraphicsSceneMouseEvent dbl(QEvent::GraphicsSceneMouseDoubleClick);
    dbl.setScenePos(At(0, QPointF(50, 25)));
    dbl.setButton(Qt::LeftButton);
    dbl.setButtons(Qt::LeftButton);
    QCoreApplication::sendEvent(list->Scene(), &dbl);
    KWSceneRelease(list->Scene(), At(0, QPointF(50, 25)));
    EXPECT_EQ(listener.ArgsOf("OnListItemDbClick"), (std::vector<std::vector<double>> { { 1 } }));

    // The application keeps one selection.
    list->ChangeOthersSelectedState(1);
    EXPECT_TRUE(list->Items()[0]->IsSelected());
    EXPECT_FALSE(list->Items()[1]->IsSelected());
    list->SetItemSelected(1, false);
    EXPECT_FALSE(list->Items()[0]->IsSelected());
    list->SetItemSelected(2, true);
    list->DeleteSelectedItem();
    ASSERT_EQ(list->GetItemNumber(), 1);
    EXPECT_EQ(list->Items()[0]->ID(), 1);
}

TEST_F(GraphicListTest, TheDeleteButtonReportsAndTheAnswerMayDeleteTheEntry)
{
    listener.list = list.get();
    Add(1);
    Add(2);
    const QPointF button = At(0, list->Items()[0]->ButtonRect().center());
    KWScenePress(list->Scene(), button);
    EXPECT_EQ(list->Items()[0]->HoverState(), CKWQTGraphicsListItem::HOVER_PRESSED);
    KWSceneRelease(list->Scene(), button);
    EXPECT_EQ(listener.ArgsOf("OnListItemDelete"), (std::vector<std::vector<double>> { { 1 } }));
    EXPECT_EQ(listener.Count("OnListItemClick"), 0);
    ASSERT_EQ(list->GetItemNumber(), 1);
    EXPECT_FALSE(list->Items()[0]->IsSelected());
    EXPECT_EQ(Ys(), (std::vector<double> { 0 }));
}

TEST_F(GraphicListTest, HoverShowsTheButtonAndTheFilePath)
{
    Add(1);
    CKWQTGraphicsListItem* entry = list->Items()[0];
    KWSceneMove(list->Scene(), At(0, QPointF(50, 25)), false);
    EXPECT_EQ(entry->HoverState(), CKWQTGraphicsListItem::HOVER_ENTRY);
    EXPECT_EQ(entry->toolTip(), QStringLiteral("/videos/clip.mp4"));
    KWSceneMove(list->Scene(), At(0, entry->ButtonRect().center()), false);
    EXPECT_EQ(entry->HoverState(), CKWQTGraphicsListItem::HOVER_BUTTON);
    KWSceneMove(list->Scene(), QPointF(5, 150), false);
    EXPECT_EQ(entry->HoverState(), CKWQTGraphicsListItem::HOVER_NONE);
    EXPECT_TRUE(entry->toolTip().isEmpty());
}

TEST_F(GraphicListTest, ProgressFillsTheLeftPartOfTheEntry)
{
    Add(1);
    list->SetItemProgressPos(1, 50);
    QImage image(280, 50, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    list->Items()[0]->paint(&painter, nullptr, nullptr);
    painter.end();
    EXPECT_EQ(QColor(image.pixel(10, 2)), QColor(88, 78, 72));
    EXPECT_EQ(QColor(image.pixel(200, 2)), QColor(48, 48, 48));

    list->SetItemProgressPos(1, 100);
    image.fill(Qt::black);
    painter.begin(&image);
    list->Items()[0]->paint(&painter, nullptr, nullptr);
    painter.end();
    EXPECT_EQ(QColor(image.pixel(200, 2)), QColor(Qt::black));
}

TEST_F(GraphicListTest, OnlyADragOfALocalFileIsReported)
{
    struct Row {
        const char* name;
        QList<QUrl> urls;
        int reports;
    };
    const Row rows[] = {
        { "no url", {}, 0 },
        { "not local", { QUrl(QStringLiteral("http://example.com/a.mp4")) }, 0 },
        { "local file", { QUrl::fromLocalFile(QStringLiteral("/tmp/a b.mp4")) }, 1 },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        listener.Clear();
        QMimeData data;
        if (!r.urls.isEmpty()) {
            data.setUrls(r.urls);
        } else {
            data.setText(QStringLiteral("text"));
        }
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &enter);
        EXPECT_EQ(listener.Count("OnListDragEnterEvent"), r.reports);
    }
    EXPECT_EQ(listener.calls.back().text, L"/tmp/a b.mp4");
}

TEST_F(GraphicListTest, ResizingReplacesEntriesAndGrowsTheScene)
{
    for (int id = 1; id <= 5; ++id) {
        Add(id);
    }
    // The view hears the resizes of its viewport, the area inside frame
    // and scroll bar.
    list->resize(200, 100);
    QCoreApplication::processEvents();
    const QSize small = list->viewport()->size();
    EXPECT_EQ(list->Scene()->sceneRect(), QRectF(0, 0, small.width(), 5 * 52));
    list->resize(200, 400);
    QCoreApplication::processEvents();
    const QSize large = list->viewport()->size();
    EXPECT_EQ(list->Scene()->sceneRect(), QRectF(0, 0, large.width(), large.height()));
    EXPECT_EQ(Ys(), (std::vector<double> { 0, 52, 104, 156, 208 }));
}

} // namespace
