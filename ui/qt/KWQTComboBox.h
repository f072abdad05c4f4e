#pragma once
// Skinned drop-down list. The closed face is cut from one strip picture (one
// sub-image per face state) with the current text drawn over it; the list is
// styled by a fixed style sheet. Only the user's choices reach the listener:
// items and selection set by the program stay silent, so that a panel which
// mirrors a value into the box is not called back.

#include "ui/api/KWComboBox.h"

#include <QComboBox>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <array>

class CKWQTComboBox : public QComboBox, public CKWComboBox {
    Q_OBJECT

public:
    // Face states.
    enum { FACE_NORMAL = 0, FACE_HOVER = 1, FACE_OPEN = 2, FACE_DISABLED = 3 };
    // Every row of the list is this high at scale 1.0 (a transparent icon
    // holds it open); the face relies on it to guess which way the list opens.
    static constexpr int ROW_HEIGHT = 25;
    // The row height at the current UI scale.
    static int RowHeight();
    // The open list shows at most this many rows and scrolls the rest.
    static constexpr int VISIBLE_ROWS = 10;

    explicit CKWQTComboBox(IKWComboBoxEvent* listener = nullptr);
    ~CKWQTComboBox() override;

    int Create(DWORD style, const RECT& rect, void* parent, UINT id) override;
    // 0 for a null record or in the native look.
    int SetSkin(ImageComboBoxStyle* style) override;
    void ShowWindow(int show) override;
    // Inclusive: one pixel wider and taller than Create's rectangle.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // The index of the new item.
    int AddString(LPCWSTR text) override;
    // The new count, or -1 when index is not an item.
    int DeleteString(UINT index) override;
    // Copies the item's text and a terminating NUL: the buffer must hold the
    // text's length + 1 wide characters (the interface carries no capacity).
    // Returns the length, or -1 for an index out of range or a null buffer.
    int GetLBText(int index, WCHAR* buffer) const override;
    // 0, or -1 when index is not an item.
    int SetLBText(int index, WCHAR* text) override;
    int GetCurSel() const override;
    // The new current index, or -1 when index is not an item.
    int SetCurSel(int index) override;
    int GetCount() const override;
    void EnableWindow(int enable) override;
    // Non-zero: paint and behave as a plain Qt combo box; SetSkin then refuses.
    void SetOriginStyle(int native) override;
    void Clear() override;
    // Deletes the items from the last to the first, each through DeleteString.
    void ResetContent() override;

    // The sub-image (1 to 7) that paints a face state. An open list is
    // expected to run RowHeight() pixels a row under the box (at most maxVisible
    // rows); when it would pass the screen's bottom it opens upward, which
    // has its own face.
    static int FaceSubImage(
        int state, int globalTop, int boxHeight, int count, int maxVisible, int screenBottom);
    // The fixed style sheet SetSkin gives the box and its list, its font and
    // lines at the current UI scale.
    static QString DropDownStyleSheet();
    // Where the current text is drawn: clear of the face's left edge and of
    // the square at the right that holds the picture's arrow.
    QRect TextRect() const;

    // The face shows the list open while it is.
    void showPopup() override;
    void hidePopup() override;

public slots:
    void OnSelectChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // The wheel never changes the selection.
    void wheelEvent(QWheelEvent* event) override;

private:
    struct SubImage {
        QRect source;
        bool present = false;
        bool stretch = false; // kept from the record; the face is always scaled whole
    };

    // Moves the open list off the box's border row it was laid over.
    void ClearBoxEdge();
    // Sets the face state and repaints when it changed.
    void SetFaceState(int state);
    bool ListIsActiveWindow() const;

    int m_id = -1;
    int m_faceState = FACE_NORMAL;
    int m_popupShown = 0;
    int m_native = 0;
    bool m_silent = false;
    QPixmap m_skin;
    std::array<SubImage, 7> m_subImages {};
    QIcon m_rowIcon;
};
