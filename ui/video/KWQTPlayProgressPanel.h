#pragma once
// Qt implementation of the multi-channel playback timeline: owns the row
// buttons, the horizontal scroll bar, the zoom slider, the model and the
// drawing surface, and turns the surface's signals into the owner's
// IPlayProgressEvent calls.

#include "ui/api/KWPlayProgressPanel.h"
#include "ui/video/PlayProgressModel.h"

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <memory>

class CKWQTButton;
class CKWQTSliderCtrl;
class KWQtPlayProgressPanel;
class QScrollBar;

class CKWQTPlayProgressPanel : public QWidget, public CKWPlayProgressPanel {
    Q_OBJECT

public:
    explicit CKWQTPlayProgressPanel(IPlayProgressEvent* listener);
    ~CKWQTPlayProgressPanel() override;
    CKWQTPlayProgressPanel(const CKWQTPlayProgressPanel&) = delete;
    CKWQTPlayProgressPanel& operator=(const CKWQTPlayProgressPanel&) = delete;

    // Null is ignored.
    void SetChannelInfo(PlayChannelInfo* info) override;
    void RemoveChannel(int channel) override;
    PlayChannelInfo* GetChannelInfo(int channel) override;
    void SetBkImage(const wchar_t* fileName) override;
    // Slots without an operation: a warning, nothing else.
    void ReservedSlot5(int value1, int value2, int value3, int value4, int value5) override;
    void ReservedSlot6(int value1, int value2, int value3, int value4, int value5) override;
    void ReservedSlot7() override;
    void SetZoom(int zoom) override;
    void ReservedSlot9(int value1, int value2) override;
    void ReservedSlot10(int value) override;
    // The three leading values are not read; the rectangle is exclusive.
    // Leaves the control hidden until ShowWindow.
    int Create(int value1, int value2, int value3, const RECT* rect, void* parent, UINT id) override;
    void ShowWindow(int show) override;
    // Inclusive rectangle.
    void MoveWindow(const RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    // Ignored for the channel being dragged (every channel while a drag
    // concerns none in particular).
    void SetPosition(int channel, int time) override;
    int GetPosition(int channel) override;
    void SetPositionOffset(int channel, int offset) override;
    void SetHighlightChannel(int channel) override;
    void SetSingleChannelMode(int channel, bool on) override;
    void ScrollDown() override;
    void ScrollUp() override;
    void SetSkin(ImagePlayProgressStyle* style) override;
    void SetSkinPictures(ImagePlayProgressPicStyle* style) override;
    void SetCommonCursor(bool on) override;
    bool EnableCut(bool on) override;
    void SetViewTime(int time) override;
    void SetCutTime(UINT index, double time) override;
    void ReservedSlot28(int value) override;

    const QRect& OverlayRect() const { return m_overlayRect; }
    UINT ControlId() const { return m_id; }
    bool IsDragging() const { return m_dragging != 0; }

    // The parts, for whoever lays the control out or looks into it.
    PlayProgressModel& Model() { return m_model; }
    KWQtPlayProgressPanel* Surface() const { return m_surface.get(); }
    QScrollBar* ScrollBar() const { return m_scrollBar; }
    CKWQTSliderCtrl* ZoomSlider() const { return m_zoomSlider; }
    CKWQTButton* DownButton() const { return m_downButton; }
    CKWQTButton* UpButton() const { return m_upButton; }

public slots:
    void OnSBDown();
    void OnSBUp();
    void OnHorizontalBarValueChanged(int value);
    void OnPropertyChanged();
    void OnTimer();
    void OnZoomerValueChanged(int value);
    void OnHighlightChannelChanged(int channel);
    void OnMousePress(int channel);
    void OnMouseRelease(int channel);
    void OnMouseOver(int channel, QPoint point, int time);
    void OnPositionChanged(int channel, int segment, int time, bool firstMark);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool DragGuards(int channel) const;
    void RepaintSurface();

    CKWQTButton* m_downButton; // children of the control
    CKWQTButton* m_upButton;
    QScrollBar* m_scrollBar;
    CKWQTSliderCtrl* m_zoomSlider;
    QPixmap m_bkPicture;
    QPixmap m_overlayPicture;
    QRect m_overlayRect;
    UINT m_id = static_cast<UINT>(-1);
    int m_dragging = 0;
    int m_dragChannel = -1;
    PlayProgressModel m_model;
    // Declared after the model, which it reads, so that it goes first.
    std::unique_ptr<KWQtPlayProgressPanel> m_surface;
    // Raised while the scroll bar and the slider are set from the model, so
    // that their signals do not come back as user changes.
    bool m_synchronising = false;
};
