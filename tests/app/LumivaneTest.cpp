#include "app/Lumivane.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

TEST(Lumivane, DesignerWindowHasItsNamedEmptyPartsAndTitle)
{
    Lumivane window;
    EXPECT_EQ(window.objectName(), QStringLiteral("LumivaneClass"));
    EXPECT_EQ(window.size(), QSize(600, 400));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumivane"));

    const Ui_LumivaneClass& ui = window.Ui();
    ASSERT_NE(ui.menuBar, nullptr);
    EXPECT_EQ(window.menuBar(), ui.menuBar);
    EXPECT_EQ(ui.menuBar->objectName(), QStringLiteral("menuBar"));
    EXPECT_TRUE(ui.menuBar->actions().isEmpty());
    EXPECT_EQ(window.centralWidget(), ui.centralWidget);
    EXPECT_EQ(ui.centralWidget->objectName(), QStringLiteral("centralWidget"));
    EXPECT_EQ(window.statusBar(), ui.statusBar);
    EXPECT_EQ(ui.statusBar->objectName(), QStringLiteral("statusBar"));
    ASSERT_NE(ui.mainToolBar, nullptr);
    EXPECT_EQ(ui.mainToolBar->objectName(), QStringLiteral("mainToolBar"));
    EXPECT_EQ(ui.mainToolBar->parentWidget(), &window);
    EXPECT_EQ(window.toolBarArea(ui.mainToolBar), Qt::TopToolBarArea);
}
