#include <gtest/gtest.h>

#ifdef KELMAR_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

// Every test program runs inside a Qt application, so ports can deliver
// their signals; programs that test widgets run in a QApplication
// (offscreen platform).
int main(int argc, char* argv[])
{
    qputenv("JACK_NO_START_SERVER", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
