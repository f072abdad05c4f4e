#pragma once
// Drawing surface of the playback timeline: paints the track, the time axis,
// the channel rows with their recordings and positions, the day buttons and
// the cut selection, and turns mouse and wheel into changes of the model and
// signals for the owning control (CKWQTPlayProgressPanel).
//
// The file is not named after the class: the owning control's file would
// differ from it only in letter case.

#include "ui/video/PlayProgressModel.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class CKWQTPlayProgressPanel;
class QPainter;

class KWQtPlayProgressPanel : public QWidget {
    Q_OBJECT

public:
    enum DayPicture {
        PIC_PREV_DAY_NONE = 0,
        PIC_PREV_DAY = 1,
        PIC_NEXT_DAY_NONE = 2,
        PIC_NEXT_DAY = 3,
        PIC_COUNT = 4
    };

    // The model and the owner outlive the surface.
    KWQtPlayProgressPanel(PlayProgressModel* model, CKWQTPlayProgressPanel* owner, QWidget* parent);

    QPixmap& DayPictureRef(int which) { return m_pictures[which]; }
    bool IsPressed() const { return m_pressed; }
    int PressedRow() const { return m_pressedRow; }

signals:
    void PropertyChanged();
    void HighlightChannelChanged(int channel);
    void MousePress(int channel);
    void MouseRelease(int channel);
    void MouseOver(int channel, QPoint point, int time);
    void PositionChanged(int channel, int segment, int time, bool firstMark);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PaintSingleChannel(QPainter& painter);
    void PaintDayView(QPainter& painter);
    void PaintTimeAxis(QPainter& painter);
    // A position line's label beside x (relative to the track) over the rows
    // from top to bottom.
    void PaintPositionLabel(QPainter& painter, int x, int top, int bottom, const QString& text,
        const QColor& boxColour, const QColor& textColour);
    void PaintCutSelection(QPainter& painter, int xa, int xb, const QColor& edgeColour);
    int NamesLeft() const;
    // x relative to the track, kept on it.
    int ClampedTrackX(int x) const;
    void ReportCut(const PlayCutResult& result);
    void EmitMousePress(int channel);
    void EmitMouseRelease(int channel);

    bool m_pressed = false;
    int m_pressedRow = -1;
    PlayProgressModel* m_model;
    CKWQTPlayProgressPanel* m_owner;
    QPixmap m_pictures[PIC_COUNT];
    // Whether the control was told of a press that no release has answered
    // yet; every press it hears must be answered, or it would go on ignoring
    // the owner's positions.
    bool m_pressReported = false;
    int m_reportedChannel = -1;
};
