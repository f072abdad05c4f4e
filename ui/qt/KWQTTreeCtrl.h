#pragma once
// One-column tree of items with optional check boxes. Checking an item by its
// box carries the new state down to every descendant and up through the
// ancestors; items can be highlighted in a second text colour. Items are
// handed out as opaque handles that are the Qt items themselves. Every
// notification goes to the listener directly.

#include "ui/api/KWTreeCtrl.h"

#include <QColor>
#include <QMap>
#include <QMetaObject>
#include <QPixmap>
#include <QTreeWidget>

class CKWQTTreeCtrl : public QTreeWidget, public CKWTreeCtrl {
    Q_OBJECT

public:
    // Width of the check box area at the left of an item's row.
    static constexpr int CHECK_AREA_WIDTH = 21;

    explicit CKWQTTreeCtrl(IKWTreeCtrlEvent* listener);
    ~CKWQTTreeCtrl() override;

    // Right and bottom exclusive; checkBoxes non-zero gives new items an
    // unchecked box.
    int Create(DWORD style, const RECT& rect, void* parent, UINT id, int checkBoxes) override;
    void SetCursor() override;
    int SetSkin(UITreeCtrlStyle* style) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // TVI_ROOT gives the first top-level item.
    void* GetChildItem(void* item) const override;
    // Three levels only: top-level items, their children and grandchildren.
    UINT GetCount() const override;
    UINT GetChildrenCount(void* item) const override;
    void* GetImageList(UINT kind) const override;
    DWORD GetItemData(void* item) const override;
    // size counts the terminator: a longer text is cut to size - 1
    // characters. Returns the number of characters copied, -1 for null.
    int GetTreeItemText(void* item, WCHAR* buffer, int size) override;
    void* GetNextItem(void* item, UINT code) const override;
    void* GetNextSiblingItem(void* item) const override;
    void* GetParentItem(void* item) const override;
    void* GetPrevSiblingItem(void* item) const override;
    void* GetRootItem() const override;
    void ExpandTreeItem(void* item, UINT code) override;
    // Under an item: its children and grandchildren; under TVI_ROOT: the
    // top-level items only.
    void* FindChildItem(LPCWSTR text, void* parent) const override;
    void* SetImageList(void* images, int kind) override;
    int SetItemData(void* item, DWORD data) override;
    int DeleteAllItems() override;
    void SetItemImage(void* item, int image, int selectedImage) override;
    int GetItemImage(void* item, int& image, int& selectedImage) const override;
    // Silent.
    int DeleteItem(void* item) override;
    // Silent. parent TVI_ROOT for a top-level item; after TVI_LAST appends,
    // an item that is not a sibling inserts at the front.
    void* InsertItem(LPCWSTR text, void* parent, void* after) override;
    UINT GetItemState(void* item, UINT mask) const override;
    // Silent, and the state is not carried to other items.
    int SetCheck(void* item, int check) override;
    int GetCheck(void* item) const override;
    // Silent.
    void SetItemHilight(void* item, int highlight) override;
    int IsItemHilight(void* item) override;
    int IsAnyChildItemHilight(void* item) override;
    // Reported for every item whose state changes.
    void SetAllItemCheck(int check) override;
    int IsAllItemCheck() override;
    int ItemHasChildren(void* item) const override;
    // An icon from the skin directory.
    int SetItemIcon(void* item, LPCWSTR icon) override;
    // One of the two state icons of the skin, on the first item of the top
    // two levels that holds the data.
    int SetItemIcon(DWORD data, int state) override;
    void GetClientRect(RECT* rect) override;
    void SetEnable(int enable) override;
    // Silent.
    void SetUserCheckable(int checkable) override;
    void SetItemUserCheckable(void* item, int checkable) override;
    void SetToolTipText(void* item, LPCWSTR text) override;

    // For inspection.
    UINT ControlId() const { return m_id; }
    int SkinNumber() const { return m_skinNumber; }
    QColor NormalTextColor() const { return m_normalColor; }
    QColor HighlightColor() const { return m_highlightColor; }
    const QPixmap& StateIcon(int which) const { return which == 0 ? m_stateIcon1 : m_stateIcon2; }
    bool UserCheckable() const { return m_userCheckable; }

public slots:
    void OnItemChanged(QTreeWidgetItem* item, int column);
    void OnItemClick(QTreeWidgetItem* item, int column);
    void OnCurItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Disconnects the tree's own signals while it lives, so that changes
    // made by the application are not reported back to it.
    class QuietSection {
    public:
        explicit QuietSection(CKWQTTreeCtrl& tree);
        ~QuietSection();
        QuietSection(const QuietSection&) = delete;
        QuietSection& operator=(const QuietSection&) = delete;

    private:
        CKWQTTreeCtrl& m_tree;
    };

    void Connect();
    void Disconnect();
    // The Qt item behind a handle; null for null and for the two special
    // handles, which name no item.
    static QTreeWidgetItem* ItemOf(void* handle);
    void DeleteTree(QTreeWidgetItem* item);
    void SetDescendantsState(QTreeWidgetItem* item, Qt::CheckState state);
    void PropagateCheck(QTreeWidgetItem* item);
    void SetUserCheckableTree(QTreeWidgetItem* item, int checkable);

    bool m_checkBoxes = true;
    bool m_userCheckable = true;
    bool m_suppress = false;
    UINT m_id = static_cast<UINT>(-1);
    int m_skinNumber = 16;
    QTreeWidgetItem* m_pressedCheckItem = nullptr; // compared only, never used
    QColor m_normalColor { Qt::white };
    QColor m_highlightColor { 0, 255, 0 };
    QPixmap m_stateIcon1;
    QPixmap m_stateIcon2;
    QMap<QTreeWidgetItem*, QColor> m_highlights;
    QMetaObject::Connection m_connections[3];
};
