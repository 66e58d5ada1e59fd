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
// (offscreen platform). The C locale, whatever the developer's: the texts
// the tests expect are the English ones, and the programs they start
// inherit it. Tests of other languages ask for them themselves.
// No session bus: an address that fails at once. Without one, Qt's
// accessibility bridge in the programs the tests start would have libdbus
// launch a bus, forking the multi-threaded program, whose child can then
// hang under the address sanitizer; nor do tests reach a developer's own.
int main(int argc, char* argv[])
{
    qputenv("JACK_NO_START_SERVER", "1");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kelmar-tests-have-no-session-bus");
    qputenv("LC_ALL", "C");
    qunsetenv("LANGUAGE");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
