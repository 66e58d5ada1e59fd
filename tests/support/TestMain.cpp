#include <QApplication>

#include <gtest/gtest.h>

// Every test program runs inside a QApplication, so ports can deliver
// their signals and widgets can be built (offscreen platform).
int main(int argc, char* argv[])
{
    qputenv("JACK_NO_START_SERVER", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
