#pragma once
// One tile of the video window: frames and carries one play window, paints
// the focus frame and the background around it, follows the mouse while the
// user drags it, animates its own geometry, keeps the RGB buffers of
// pictures drawn in software, and reports mouse actions with its index (the
// cell it stands on) and its id.

#include "base/platform/KWWinTypes.h"

#include <QColor>
#include <QEasingCurve>
#include <QRect>
#include <QWidget>

#include <cstddef>
#include <memory>

class CKWQTVideoWindow;
class CKWQTVideoWindowPlayWnd;
class QPropertyAnimation;

class CKWQTVideoWindowSubWnd : public QWidget {
    Q_OBJECT

public:
    CKWQTVideoWindowSubWnd();
    ~CKWQTVideoWindowSubWnd() override;

    // rect: right and bottom inclusive; the sub-window stands 1 inside it.
    // The play window gets the proportion pw:ph. 1.
    int Create(LPCWSTR title, const RECT& rect, QWidget* parent, int id, int pw, int ph);
    void SetProportion(int width, int height);
    void SetBkColor(const QColor& colour);
    void SetRecordState(int state);
    int HasVideo() const { return m_video; }
    int IsZoomed() const { return m_zoomed; }
    void SetZoomed(int zoomed) { m_zoomed = zoomed; }
    CKWQTVideoWindowPlayWnd* GetPlayWnd() const { return m_playWnd; }
    int GetId() const { return m_id; }
    // Only 0..1.
    void SetOpacity(double opacity);
    double GetOpacity() const { return m_opacity; }
    // 0 also frees both RGB buffers.
    void SetVideo(int video);
    bool IsAnimating() const;
    // A zero-filled buffer of width x height x 4 bytes, kept while the old
    // one is at least that and at most twice that; null when allocation
    // fails.
    BYTE* GetRGBBuffer(int width, int height);
    BYTE* GetSecondRGBBuffer(int width, int height);
    void FreeRGBBuffer();
    void FreeSecondRGBBuffer();
    // What gaining the focus does: this becomes the current sub-window and
    // the listener hears of the change. For windows that are not active,
    // where the focus is only delivered later.
    void TakeCurrent(bool launchFocus);
    std::size_t GetRGBBufferSize() const { return m_rgbSize; }
    std::size_t GetSecondRGBBufferSize() const { return m_secondSize; }

signals:
    void sigSubWinFocus();
    void sigSubWinGeometryChange(QRect end, QRect start = QRect(QPoint(0, 0), QPoint(-1, -1)), int duration = 300,
                                 QEasingCurve curve = QEasingCurve(QEasingCurve::Linear), bool startNow = true);

public slots:
    void LaunchSubWinFocusAni();
    QPropertyAnimation* LaunchSubWinGeometryChangeAni(QRect end, QRect start = QRect(QPoint(0, 0), QPoint(-1, -1)), int duration = 300,
                                                      QEasingCurve curve = QEasingCurve(QEasingCurve::Linear), bool startNow = true);
    void OnAnimationSubWinFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    CKWQTVideoWindow* VideoWindow() const;
    static BYTE* Buffer(std::unique_ptr<BYTE[]>& buffer, std::size_t& recorded, int width, int height);

    int m_id = -1;
    CKWQTVideoWindowPlayWnd* m_playWnd = nullptr; // child widget, deleted with this
    QColor m_bkColor {92, 101, 118};
    int m_video = 0;
    int m_zoomed = 0;
    double m_opacity = 1.0;
    int m_dragArmed = 0;
    QPoint m_pressOffset;
    std::unique_ptr<BYTE[]> m_rgb;
    std::size_t m_rgbSize = 0;
    std::unique_ptr<BYTE[]> m_secondRgb;
    std::size_t m_secondSize = 0;
    QPropertyAnimation* m_animation = nullptr; // child of this, deleted when it finishes
};
