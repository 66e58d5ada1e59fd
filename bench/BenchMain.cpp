#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The benchmarks run inside a QCoreApplication so the ports work as in the program.
int main(int argc, char* argv[])
{
    qputenv("JACK_NO_START_SERVER", "1");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
