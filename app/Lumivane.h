#pragma once
// The designer's main window: an empty menu bar, tool bar, central widget
// and status bar. The calculator's own window is the framework main window;
// this one is carried but not shown.

#include <QMainWindow>

class QMenuBar;
class QStatusBar;
class QToolBar;
class QWidget;

// The designer's record of the window's parts, all children of the window.
struct Ui_LumivaneClass {
    QMenuBar* menuBar = nullptr;
    QToolBar* mainToolBar = nullptr;
    QWidget* centralWidget = nullptr;
    QStatusBar* statusBar = nullptr;

    void setupUi(QMainWindow* window);
    void retranslateUi(QMainWindow* window);
};

class Lumivane : public QMainWindow {
    Q_OBJECT

public:
    explicit Lumivane(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~Lumivane() override;

    const Ui_LumivaneClass& Ui() const { return ui; }

private:
    Ui_LumivaneClass ui;
};
