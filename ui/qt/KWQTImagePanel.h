#pragma once
// A sideways-scrolling strip of picture thumbnails with a details column on
// the right that names the thumbnail under the mouse. A double click selects
// a thumbnail and asks the listener to play it.

#include "ui/api/KWImagePanel.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QScrollBar;

class CKWQTImagePanel : public QWidget, public CKWImagePanel {
    Q_OBJECT

public:
    static constexpr int INFO_WIDTH = 200;
    static constexpr int SCROLLBAR_HEIGHT = 15;
    static constexpr int DETAIL_ROWS = 4;

    struct Item {
        QString path; // also the key handed to the listener
        QString name;
        QString type;
        QString startTime;
        QString endTime;
        QPixmap pixmap;
    };

    explicit CKWQTImagePanel(IKWImagePanelEvent* listener = nullptr);
    ~CKWQTImagePanel() override;

    // Exclusive rectangle; the text and id are not used. Returns 0.
    int Create(LPCWSTR text, const RECT& rect, void* parent, UINT id) override;
    void SetCursor() override;
    // Strip colour and the thumbnail size, margin, top offset and spacing.
    // Returns 0.
    int SetSkin(UIImagePanelStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    int GetCount() const override;
    // 1 when added, 0 when an item of that path and name is already there.
    int AddItem(LPCWSTR path, LPCWSTR name, LPCWSTR type, LPCWSTR startTime, LPCWSTR endTime) override;
    void ClearItems() override;
    // Removes every item of that name.
    void DelByItemName(LPCWSTR name) override;
    void SetScrollType(DISPLAY_TYPE type) override;
    // The selected item's path, empty when none; the text stays valid until
    // the next call.
    LPCWSTR GetHotImagePath() override;

    // Where thumbnail i lands: thumbnails are centred when they all fit, and
    // the walk stops at the first one that starts at or past the strip's
    // right edge. Pure, for the paint and the hit test alike.
    static std::vector<QRect> PlaceItems(int count, const QRect& strip, const QRect& cell, int margin,
        int topOffset, int spacing, int scrollPos);
    // Largest scroll position: the content width beyond the strip, 0 when
    // everything fits.
    static int ScrollMaximum(int count, int stripWidth, int cellWidth, int margin, int spacing);

    int HotIndex() const { return m_hotIndex; }
    int SelectedIndex() const { return m_selectedIndex; }
    const QRect& StripRect() const { return m_stripRect; }
    const QRect& InfoRect() const { return m_infoRect; }
    // What the details column showed at the last paint (row 0 type, 1 name,
    // 2 start time, 3 end time).
    QString ValueText(int row) const;
    QScrollBar* ScrollBar() const { return m_scrollBar; }
    // The item under the point, -1 for none.
    int HitTest(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private slots:
    void OnScrollBarChanged(int value);

private:
    // Scroll bar, strip, details column and its label and value cells from
    // the panel's size; the scroll range goes back to 0..0.
    void ComputeLayout();
    void UpdateScrollRange();
    std::vector<QRect> PlacedRects() const;

    std::vector<Item> m_items;
    int m_hotIndex = -1;
    int m_selectedIndex = -1;
    QColor m_backgroundColor = Qt::white;
    QColor m_secondColor = Qt::white; // kept from the skin, not drawn
    // Until the panel is skinned: 160 x 90 thumbnails, a little air around.
    QRect m_cellRect = QRect(QPoint(0, 0), QPoint(159, 89));
    int m_margin = 5;
    int m_topOffset = 5;
    int m_spacing = 5;
    int m_infoWidth = INFO_WIDTH;
    QScrollBar* m_scrollBar = nullptr; // child
    QRect m_stripRect;
    QRect m_infoRect;
    std::array<QRect, DETAIL_ROWS> m_labelRects {};
    std::array<QRect, DETAIL_ROWS> m_valueRects {};
    std::array<QString, DETAIL_ROWS> m_values {};
    QSize m_laidOutSize;
};
