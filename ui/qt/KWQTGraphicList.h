#pragma once
// Vertical list of file entries on a graphics scene, each identified by an
// id the application chooses. The list reports clicks, delete-button clicks,
// double clicks and files dragged onto it, and changes nothing by itself in
// answer: the application deletes and selects through the setters.

#include "ui/api/KWGraphicList.h"

#include <QGraphicsView>
#include <QList>

#include <array>
#include <string>

class CKWQTGraphicsListItem;
class QGraphicsScene;

class CKWQTGraphicList : public QGraphicsView, public CKWGraphicList {
    Q_OBJECT

public:
    static constexpr int GAP = 2;

    explicit CKWQTGraphicList(IKWGraphicListEvent* listener);
    ~CKWQTGraphicList() override;

    // Right and bottom exclusive; the id is not kept.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    int SetSkin(LPCWSTR skin) override;
    // Always returns null.
    void* AddListItem(tagGListItem_Info& info) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // For entries made afterwards.
    void SetItemSize(int width, int height) override;
    // The first entry with the id only.
    void DeleteListItem(int id) override;
    void DeleteAllListItem() override;
    // A default record when no entry has the id.
    tagGListItem_Info GetItemInfoByID(int id) override;
    int GetItemNumber() override;
    // The remaining setters act on every entry with the id.
    void SetItemPicture(int id, std::wstring picture) override;
    void SetItemFileTime(int id, std::wstring time) override;
    void SetItemFileSize(int id, std::wstring size) override;
    void SetItemProgressPos(int id, int pos) override;
    void ChangeOthersSelectedState(int id) override;
    void DeleteSelectedItem() override;
    // Normal, hover and pressed images of the delete button, for entries
    // made afterwards.
    int SetItemBtnSkin(ImageButtonStyle* style) override;
    int IsItemIDExist(UINT id) override;
    // Scale of fonts and margins, for entries made afterwards.
    void Set4KSize(int large) override;
    // Gives the entries with the id the selected state; the others keep
    // theirs.
    void SetItemSelected(int id, bool selected) override;

    IKWGraphicListEvent* Listener() const { return m_pListener; }
    // For inspection: the entries, top to bottom.
    const QList<CKWQTGraphicsListItem*>& Items() const { return m_items; }
    QGraphicsScene* Scene() const { return m_scene; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    void PlaceItems();
    void Relayout();
    void RemoveItemAt(int index);
    int Total() const;

    QGraphicsScene* m_scene; // child of the view
    int m_scale = 1;
    int m_itemWidth = 10;
    int m_itemHeight = 10;
    int m_fitMargin = 2;
    QList<CKWQTGraphicsListItem*> m_items; // owned by the scene
    std::array<std::wstring, 3> m_buttonImages;
};
