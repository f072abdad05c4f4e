#include "ui/video/KWDDrawWindow.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>
#include <QWidget>

#include <atomic>

namespace {

std::atomic<int> g_overrideWidth {0};
std::atomic<int> g_overrideHeight {0};

QWidget* WidgetOf(HWND window)
{
    return static_cast<QWidget*>(window);
}

} // namespace

bool KwGetWindowRect(HWND window, RECT* rect)
{
    if (window == nullptr || rect == nullptr) {
        return false;
    }
    QWidget* widget = WidgetOf(window);
    if (widget->window()->isMinimized()) {
        *rect = {-32000, -32000, -31840, -31972};
        return true;
    }
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    *rect = {origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
    return true;
}

bool KwGetClientScreenRect(HWND window, RECT* rect)
{
    return KwGetWindowRect(window, rect);
}

void KwGetScreenSize(int& width, int& height)
{
    width = g_overrideWidth.load();
    height = g_overrideHeight.load();
    if (width > 0 && height > 0) {
        return;
    }
    width = 0;
    height = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        width = screen->geometry().width();
        height = screen->geometry().height();
    }
}

void KwSetScreenSizeOverride(int width, int height)
{
    g_overrideWidth = width;
    g_overrideHeight = height;
}

void KwInvalidateWindow(HWND window)
{
    if (window == nullptr) {
        return;
    }
    QWidget* widget = WidgetOf(window);
    // Queued with the widget as context: safe from the render thread, and
    // dropped when the widget is gone before the event loop turns.
    QMetaObject::invokeMethod(widget, [widget] { widget->update(); }, Qt::QueuedConnection);
}
