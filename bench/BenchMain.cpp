#include <QApplication>

#include <benchmark/benchmark.h>

// The benchmarks run inside a QApplication (offscreen unless told otherwise)
// so ports and widgets work as in the program.
int main(int argc, char* argv[])
{
    qputenv("JACK_NO_START_SERVER", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
