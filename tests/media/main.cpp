#include <QApplication>
#include <gtest/gtest.h>

// Printing, fonts and message boxes need a GUI application object.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
