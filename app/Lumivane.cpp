#include "app/Lumivane.h"

#include <QApplication>
#include <QMenuBar>
#include <QMetaObject>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

void Ui_LumivaneClass::setupUi(QMainWindow* window)
{
    if (window->objectName().isEmpty()) {
        window->setObjectName(QStringLiteral("LumivaneClass"));
    }
    window->resize(600, 400);
    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    window->setMenuBar(menuBar);
    mainToolBar = new QToolBar(window);
    mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    window->addToolBar(mainToolBar);
    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    window->setCentralWidget(centralWidget);
    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
}

void Ui_LumivaneClass::retranslateUi(QMainWindow* window)
{
    // Qt 6 reads every source text as UTF-8.
    window->setWindowTitle(QApplication::translate("LumivaneClass", "Lumivane", nullptr));
}

Lumivane::Lumivane(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    ui.setupUi(this);
}

Lumivane::~Lumivane() = default;
