// One main for every test executable: an offscreen QApplication exists for the
// whole run, so widget tests and plain tests can share a binary.

#include "ui/qt/KWQtSupport.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    QApplication app(argc, argv);
    InitKWApplication(&app);
    return RUN_ALL_TESTS();
}
