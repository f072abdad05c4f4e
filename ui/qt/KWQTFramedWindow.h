#pragma once
// What the frameless dialog and the frameless main window have in common: a
// Qt window class (QDialog or QMainWindow) that is also a CKWDialog, drawn by
// the skinned frame and driven by an IKWDialogEvent listener. Each window
// derives from this with its own Qt base and adds what differs; the
// operations and Qt events here behave the same in both.

#include "ui/api/KWDialog.h"
#include "ui/qt/KWDlgTimers.h"
#include "ui/qt/KWSkinFrame.h"

#include <QDialog>
#include <QMainWindow>
#include <QtGlobal>

class QByteArray;

template <class QtBase> class CKWQTFramedWindow : public QtBase, public CKWDialog {
public:
    // windowFlags then replace the flags given for construction: the window
    // is frameless whatever the caller asked for.
    CKWQTFramedWindow(IKWDialogEvent* listener, QWidget* parent, Qt::WindowFlags flags,
        CKWSkinFrame::Variant variant, Qt::WindowFlags windowFlags);
    ~CKWQTFramedWindow() override;

    int CreateDlg(void* parent) override;
    // The parent (when given) takes the window in as a child; the title is
    // set and the listener creates its controls.
    int Create(LPCWSTR text, void* parent) override;
    void ShowWindow(int show) override;
    // Right and bottom inclusive.
    void MoveWindow(RECT* rect) override;
    void MoveWindow(int x, int y, int width, int height) override;
    void CenterWindow(void** reference) override;
    void SetSkin(DialogStyle* style) override;
    void Screen2Client(POINT* point) override;
    void Screen2Client(RECT* rect) override;
    void GetDlgClientRect(RECT* rect) override;
    void GetDlgWindowRect(RECT* rect) override;
    // WM_CLOSE (16) cancels; other messages are ignored.
    void SendDlgMessage(UINT message, UINT wParam, LONG lParam) override;
    void SetDrawBackGround(int draw) override;
    int DlgIsWindow() override;
    int SetDlgWindowPos(void* after, int x, int y, int cx, int cy, UINT flags) override;
    void SetDlgIcon(UINT icon) override;
    int IsDlgVisible() override;
    void EnableNcLBtnDown(int enable) override;
    UINT SetDlgTimer(UINT id, UINT milliseconds) override;
    int KillDlgTimer(UINT id) override;
    void SetSizeRoundCorner(LPCWSTR radii) override;
    void MacShowMinimize(bool on) override;
    void VariableSize(bool resizable) override;
    void SetMinimumSize(int width, int height) override;
    void SetFrameShadow(bool on) override;

    // A Windows message as the native-event hook hands it on; true when it
    // is answered here (with *result), false to leave it to the platform.
    // Here: the resize-band hit test.
    virtual bool HandleNativeMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    const CKWSkinFrame& Frame() const { return m_frame; }

protected:
    // The four title-button signals, which each window declares itself (a
    // template cannot), queued to the window's own close, maximise, minimise
    // and restore, so that each runs after the mouse handler has returned.
    template <class Window> static void ConnectTitleSignals(Window* window)
    {
        QObject::connect(window, &Window::sgnClose, window, &QWidget::close, Qt::QueuedConnection);
        QObject::connect(
            window, &Window::sgnMaximized, window, &QWidget::showMaximized, Qt::QueuedConnection);
        QObject::connect(
            window, &Window::sgnMinimized, window, &QWidget::showMinimized, Qt::QueuedConnection);
        QObject::connect(window, &Window::sgnNormal, window, &QWidget::showNormal, Qt::QueuedConnection);
    }
    // Whether the caption drag is off because the window fills the screen.
    virtual bool IsFrameMaximized() const = 0;
    // The picture becomes this window's icon and the application's.
    void SetWindowAndAppIcon(const QString& file);
    // The key code the listener is given for a Qt key.
    virtual UINT ListenerKey(int key) const { return static_cast<UINT>(key); }

    void timerEvent(QTimerEvent* event) override;
    // Map dispatch, then command 1 is OK and command 2 is Cancel.
    void customEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

    CKWSkinFrame m_frame;
    CKWDlgTimers m_timers;
};

extern template class CKWQTFramedWindow<QDialog>;
extern template class CKWQTFramedWindow<QMainWindow>;
