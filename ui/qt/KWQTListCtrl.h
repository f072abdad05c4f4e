#pragma once
// Report-style list: rows and columns under a header, rows coloured
// alternately, optional check boxes (one per row in column 0 and one over the
// header that sets them all), a pair of cell buttons per row, and clicks
// reported to the parent window as notifications (message 78). Key presses
// go to the listener directly and never move the selection.

#include "ui/api/KWListCtrl.h"

#include <QColor>
#include <QMap>
#include <QPixmap>
#include <QStringList>
#include <QTableWidget>

#include <array>

class CKWQTButton;
class QCheckBox;

class CKWQTListCtrl : public QTableWidget, public CKWListCtrl {
    Q_OBJECT

public:
    // One sub-image of the skin; kept with the skin image, the cells are
    // drawn with Qt's own styling.
    struct SkinEntry {
        RECT rect { 0, 0, 0, 0 };
        int present = 0;
        int stretch = 0;
    };
    static constexpr int SKIN_ENTRIES = 20;
    static constexpr int DEFAULT_ROW_HEIGHT = 27;
    static constexpr int CELL_BUTTON_SIZE = 16;

    explicit CKWQTListCtrl(IKWListCtrlEvent* listener);
    ~CKWQTListCtrl() override;

    // Right and bottom exclusive; the style is not read (ShowWindow shows).
    int Create(DWORD style, const RECT& rect, void* parent, UINT id, bool checkable) override;
    void SetCursor() override;
    int SetSkin(ListCtrlStyle* style) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    int GetCheck(int row) const override;
    int GetColumn(int column, void* info) const override;
    int GetItemCount() const override;
    // -1 for a row out of range or a row without a first cell.
    DWORD GetItemData(int row) const override;
    // Copies at most size characters and writes no terminator; returns the
    // number copied, -1 when the cell does not exist.
    int GetItemText(int row, int column, WCHAR* buffer, int size) const override;
    void* GetFirstSelectedItemPosition() const override;
    int GetNextSelectedItem(void*& position) const override;
    DWORD GetExtendedStyle() override;
    // Silent: nothing is sent.
    int SetCheck(int row, int check) override;
    int SetItemData(int row, DWORD data) override;
    // Replaces the cell, so a new first cell drops the row's data.
    int SetItemText(int row, int column, LPCWSTR text) override;
    int SubItemHitTest(void* info) override;
    // Every column gets an equal share of the list's width, whatever width
    // is asked for.
    int InsertColumn(int column, LPCWSTR heading, int format, int width, int subItem) override;
    int InsertColumnCheck(int column, ImageRadioBox& style) override;
    // Adds one row at the end and writes the text into the given row.
    int InsertItem(int row, LPCWSTR text) override;
    DWORD SetExtendedStyle(DWORD style) override;
    int DeleteAllItems() override;
    // Forgets the captions; the columns stay until the next InsertColumn.
    int DeleteAllColumns() override;
    int SetColumnWidth(int column, int width) override;
    int SetColumnHidden(int column, bool hidden) override;
    // Win32 DrawText flags: 2 right, 1 centre, 4 vertical centre, 16 wrap,
    // 32 single line.
    void SetColumnTextAlign(int column, UINT format) override;
    // The two cell buttons ("config" and "login"); the widget argument is
    // not read.
    void SetItemWidget(int row, int column, void* widget) override;
    void SetItemIcon(int row, int column, LPCWSTR icon) override;
    void SetObjectName(LPCWSTR name) override;
    void SetHorizontalHeaderVisible(int visible) override;
    void ScrollToBottom() override;
    void ScrollToTop() override;
    void SetToolTipText(int row, int column, LPCWSTR text) override;
    void SetShowGrid(int show) override;
    int GetFirstSelectedRow() override;
    // Sets the number of rows (not an insertion).
    int InsertRow(int count) override;
    int SetItemCheckBox(int row) override;
    // Silent.
    int SetAllCheck() override;
    // Lost at the next InsertItem or SetItemText, which colour every row.
    void SetRowColor(int row, int red, int green, int blue) override;
    void SetItemSelected(int row, int column, bool selected) override;

    // For inspection.
    UINT ControlId() const { return m_id; }
    const SkinEntry& SkinEntryAt(int index) const { return m_skin.at(static_cast<size_t>(index)); }
    const QPixmap& SkinImage() const { return m_skinImage; }
    QColor EvenRowColor() const { return m_evenColor; }
    QColor OddRowColor() const { return m_oddColor; }
    int RowHeight() const { return m_rowHeight; }
    int HeaderHeight() const { return m_headerHeight; }
    QCheckBox* HeaderCheckBox() const { return m_headerCheck; }
    QWidget* HeaderCheckHolder() const { return m_headerHolder; }
    // The row's check box, null when the row has none.
    QCheckBox* RowCheckBox(int row) const;
    // Qt alignment flags stored for the column, -1 when none.
    int ColumnAlignment(int column) const { return m_align.value(column, -1); }

public slots:
    void OnItemDBClicked(QTableWidgetItem* item);
    void OnClicked();
    void OnCellChanged(int row, int column, int previous);
    void OnItemClicked(QTableWidgetItem* item);
    void OnHeaderPosChanged(int pos);
    BOOL IsAllCheck();
    void allboxclicked(bool on);
    void ckboxclicked();
    void allCheck();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Swallowed, so that focus changes neither repaint nor scroll.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool RowInRange(int row) const { return row >= 0 && row < rowCount(); }
    bool ColumnInRange(int column) const { return column >= 0 && column < columnCount(); }
    void ColourAllRows();
    void SetAllRowChecks(bool checked);
    // Sends the notification to the parent; nothing without a parent.
    void SendNotify(UINT code, int item, int subItem, LPARAM lParam);
    CKWQTButton* MakeCellButton(QWidget* container, UINT id, const wchar_t* image, const QString& tip);

    std::array<SkinEntry, SKIN_ENTRIES> m_skin {};
    QPixmap m_skinImage;
    QStringList m_captions;
    UINT m_id = static_cast<UINT>(-1);
    QCheckBox* m_headerCheck = nullptr; // child of m_headerHolder
    QWidget* m_headerHolder = nullptr;  // child of the list
    QColor m_evenColor { 92, 101, 118 };
    QColor m_oddColor { 101, 110, 129 };
    int m_rowHeight = DEFAULT_ROW_HEIGHT;
    int m_headerHeight = DEFAULT_ROW_HEIGHT;
    bool m_checkable = true;
    QMap<CKWQTButton*, int> m_buttonRows; // keys only compared, never used
    QMap<CKWQTButton*, UINT> m_buttonIds;
    // Alignment and text flags together, so kept as item data rather than
    // through setTextAlignment, which takes alignment flags only.
    QMap<int, int> m_align;
};
