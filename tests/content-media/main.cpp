#include <QGuiApplication>
#include <gtest/gtest.h>

// Image format plugins and the generators' fonts need a GUI application object.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
