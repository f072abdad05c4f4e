#pragma once
// The multi-window video display. In video mode it owns a fixed set of
// sub-windows, each carrying one play window, and places them on the cells
// of its layout; the user exchanges them by dragging, zooms one to the whole
// window by a double click and back, and turns the wheel over a picture. In
// layout-editing mode it has no sub-windows: it draws the layout's splitter
// bars, highlights the line under the mouse and joins or splits cells on a
// click. Everything the user does goes to the listener; pictures arrive by
// sub-window id and are handed to the play windows.
//
// A sub-window has an index (the cell it stands on, its key in the map) and
// an id (its first index, never changed): exchanges swap indexes, the owner
// keeps addressing pictures by id.

#include "ui/api/KWVideoWindow.h"
#include "ui/video/KWFishEyeEptzInfo.h"
#include "ui/video/QTVideoWindowLayout.h"

#include <QColor>
#include <QParallelAnimationGroup>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <array>
#include <map>
#include <memory>

class CKWQTVideoWindowSubWnd;
class CKWQTVideoWindowPlayWnd;
class QTimer;

class CKWQTVideoWindow : public QWidget, public CKWVideoWindow {
    Q_OBJECT

public:
    CKWQTVideoWindow(VIDEOWINDOWMODE mode, IKWVideoWindowEvent* listener, int capacityA, int capacityB);
    ~CKWQTVideoWindow() override;

    // rect: right and bottom inclusive. Makes capacityA x capacityB
    // sub-windows in video mode. 1.
    int Create(LPCWSTR title, const RECT& rect, void* parent, UINT id) override;
    // Colours, bar widths, the play windows' button size and texts; 0.
    int SetSkin(ImageVideoWindowStyle* style) override;
    void ShowWindow(int show) override;
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void* GetLayoutOverView(int width, int height, DWORD background, DWORD foreground) override;
    int GetLayoutOverView(void* image, int width, int height, DWORD background, DWORD foreground) override;
    VIDEOWINDOWMODE GetVideoWindowMode() override { return m_mode; }
    int SetRows(int rows) override;
    int SetColumns(int columns) override;
    void SetSubWinProportion(int width, int height, int id) override;
    // 0 when size is not larger than the text.
    int GetLayout(char* buffer, int size) override;
    // Types 0..9 take the built-in string, 10 the caller's; 0 when there is
    // none.
    int SetDefaultLayout(LAYOUT_TYPE type, const char* layout) override;
    HWND GetSubWinHandle(int index) override;
    int GetCurrentSubWinIndex() override;
    int GetCurrentSubWinID() override;
    int GetSubWinIDByIndex(int index) override;
    int GetSubWinIndexByID(int id) override;
    int GetCurrentSubWinCount() override;
    void SetSubWinVideoByIndex(int index, int video) override;
    void SetSubWinVideoByID(int id, int video) override;
    void SetDragMode(int mode) override { m_dragMode = mode; }
    void SetFrameZoomMode(int mode) override { m_frameZoomMode = mode; }
    int IsEnableFrameZoom() override { return m_frameZoomMode; }
    void SetDrawOSDHandle(int id, void* handle) override;
    void GetFrameOSDRect(RECT& rect) override;
    void SetDragSubWinCursor(UINT open, UINT closed) override;
    void SetSubWinCtrlsVisible(int visible) override { m_subWinCtrlsVisible = visible; }
    void SetSubWinRecordState(int id, int state) override;
    void EableSubWinExchange(int enable) override { m_exchangeEnabled = enable; }
    void ResetSubWinSizeToMin(int index) override;
    void ResetSubWinSizeToMinByID(int id) override;
    int SetFocusSubWin(int id) override;
    void SetActiveCheckMode(int mode) override;
    int RenderSubWin(int id, RENDER_DATA_TYPE type, BYTE* data, int width, int height, BYTE* secondData, int secondWidth,
                     int secondHeight, int flag) override;
    // The renderer first; the software path when it cannot show the frame.
    int RenderOffScreenSurface(int id, BYTE* data, int width, int height, int a, int b) override;
    int RenderOffScreenSurfaceFE(int id, RENDER_VIDEOINFO* main, int a, int b, RENDER_VIDEOINFO* second) override;
    // surface receives a CKWDDrawSurface* that the caller releases.
    int GetOffScreenSurface(int id, void*& surface, KW_COLOR_CONVERT& convert, int width, int height) override;
    // Chooses the smallest default layout with at least count windows;
    // returns its window count.
    int SHowSubWinAtLeast(int count) override;
    int EnableSubWinAnimation(int enable) override;
    int VerticalSyncEnable(int enable) override;
    void SetLockScreen(int locked) override;
    int SetFeRegionLocal(int id, FISHEYE_VIDEO_REGION* regions) override;
    void RemoveFeRegionLocal(int id) override;
    void SetSubWinFishEyeMode(int id, int mode) override;
    void GetSubWinSize(int id, int& width, int& height) override;
    void SetInnerSplitMode(INNER_SPLIT_MODE mode, UINT id) override;
    void GetInnerSplitRect(int id, CKWRect* rects) override;
    void SetOriginalProportion(int follow) override;

    // Takes the other layout's grid (the canvas stays); 0 when it has more
    // grid cells than there are sub-windows.
    int ApplyLayout(const CQTVideoWindowLayout& other);

    // Relays for the play windows, skipped without a listener.
    void NotifyFishEyeEptz(CKWQTVideoWindowSubWnd* subWnd, FISHEYE_EPTZ_INFO& info);
    int FishEyeTestPtInRgn(CKWQTVideoWindowSubWnd* subWnd, int x, int y, int z, int* out);
    void NotifySplitRectChanged(CKWQTVideoWindowSubWnd* subWnd, CKWRect* rects);

    // Left press and release on a sub-window at index, at a global position.
    void OnSubWinPressed(int index, CKWQTVideoWindowSubWnd* subWnd, const QPoint& global);
    void OnSubWinReleased(int index, CKWQTVideoWindowSubWnd* subWnd, const QPoint& global);

    // ---- Read by the sub-windows and play windows ----
    IKWVideoWindowEvent* GetListener() const { return m_pListener; }
    VIDEOWINDOWMODE GetMode() const { return m_mode; }
    CKWQTVideoWindowSubWnd* GetCurrentSubWnd() const { return m_currentSubWnd; }
    void SetCurrentSubWnd(CKWQTVideoWindowSubWnd* subWnd) { m_currentSubWnd = subWnd; }
    const std::map<int, CKWQTVideoWindowSubWnd*>& GetSubWnds() const { return m_subWnds; }
    // Index of the visible sub-window in the map; -1 when not found.
    int IndexOf(const CKWQTVideoWindowSubWnd* subWnd) const;
    CKWQTVideoWindowSubWnd* SubWndById(int id, bool withinCells = false) const;
    const CQTVideoWindowLayout& GetLayoutModel() const { return m_layout; }
    int GetDragMode() const { return m_dragMode; }
    int GetFrameZoomMode() const { return m_frameZoomMode; }
    int GetActiveCheckMode() const { return m_activeCheckMode; }
    int GetSubWinCtrlsVisible() const { return m_subWinCtrlsVisible; }
    int GetSubWinAnimationEnabled() const { return m_subWinAnimation; }
    int IsZoomedWindow() const { return m_zoomed; }
    int GetPressedIndex() const { return m_pressedIndex; }
    // Colours 1..6.
    QColor GetColor(int number) const;
    int GetBarLineWidth() const { return m_barLineWidth; }
    int GetBarDashWidth() const { return m_barDashWidth; }
    const QPixmap* GetBackgroundPixmap() const { return m_background.get(); }
    // Skin images 1..11 (the play windows' buttons); a null pixmap when not set.
    const QPixmap& GetSkinImage(int number) const;
    int GetPlayWndValue1() const { return m_playWndValue1; }
    int GetPlayWndValue2() const { return m_playWndValue2; }
    QString GetText(int number) const { return number == 2 ? m_text2 : m_text1; }
    UINT GetControlId() const { return m_controlId; }
    static int GetLockScreen();

signals:
    void LayoutChanged();
    void sigSetLayout(LAYOUT_TYPE type, LPCSTR layout);

public slots:
    void CastLayoutChangedEvent();
    // Takes ownership of the text (allocated with new[]).
    void SetLayout(LAYOUT_TYPE type, LPCSTR layout);
    void OnTimeOutExchangeSubwin();
    void OnAnimationFinishLayoutChanged();
    void OnAnimationFinishSubWinSwitch();
    void SubWinDblClickZoom(int index, CKWQTVideoWindowSubWnd* subWnd);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRect CellGeometry(int index) const; // the cell shrunk by 1 on every side
    void PlaceSubWnds();
    // Shows each sub-window in its layout cell, up to the first without one.
    void MoveSubWndsToCells();
    // Hides the sub-windows from oldCount - 1 down to the layout's cell
    // count; with refocus, the current one among them hands the focus to the
    // sub-window at index 0.
    void HideSubWndsBeyondCells(int oldCount, bool refocus);
    // After a change of the grid's rows or columns (changed non-zero): the
    // listener hears of it and the bars are repainted. Returns changed.
    int AnnounceGridChange(int changed);
    void ClearZoom();
    void UpdateCursor(bool pressed);
    void PaintLayoutBars(class QPainter& painter);

    VIDEOWINDOWMODE m_mode;
    std::map<int, CKWQTVideoWindowSubWnd*> m_subWnds;
    CQTVideoWindowLayout m_layout {1, 1, 400, 300};
    LAYOUT_TYPE m_layoutType = LAYOUT_1;
    int m_capacityA;
    int m_capacityB;
    int m_pressedIndex = -1;
    CKWQTVideoWindowSubWnd* m_currentSubWnd = nullptr;
    int m_barLineWidth = 2;
    int m_barDashWidth = 4;
    int m_playWndValue1 = 0;
    int m_playWndValue2 = 0;
    UINT m_controlId = static_cast<UINT>(-1);
    std::unique_ptr<QPixmap> m_background;
    std::array<QColor, 6> m_colors;
    std::array<QPixmap, 11> m_skinImages;
    QString m_text1 = QStringLiteral("Loading...");
    QString m_text2 = QStringLiteral("Replay");
    int m_dragMode = 0;
    int m_mousePressed = 0;
    int m_exchangeEnabled = 1;
    int m_zoomed = 0;
    int m_frameZoomMode = 0;
    int m_activeCheckMode = 0;
    int m_subWinCtrlsVisible = 1;
    QRegion m_highlight;
    int m_skinPointX = -1;
    int m_skinPointY = -1;
    POINT m_pressPoint = {0, 0};
    RECT m_frameOSDRect = {0, 0, -1, -1};
    QParallelAnimationGroup m_switchAnimations;
    QParallelAnimationGroup m_layoutAnimations;
    QTimer* m_exchangeTimer = nullptr; // child of this window
    int m_subWinAnimation = 1;
    INNER_SPLIT_MODE m_innerSplitMode = INNER_SPLIT_NONE;
};
