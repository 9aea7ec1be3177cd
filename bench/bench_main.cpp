// `make bench`: every figure against its baseline in one run, then one table.
// The in-process figures run under Google Benchmark with repetitions and their
// medians; the start-up figures are timed from outside afterwards.
#include "bench/BenchTable.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

void registerMapBenchmarks();
void registerReferenceBenchmarks();
void registerDirectoryBenchmarks();
void registerStartupRows();
void measureStartup();
void releaseDirectoryBenchmarks();

int main(int argc, char** argv)
{
    // The label fonts and the directory's grid need a GUI application; no
    // screen is wanted.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    registerMapBenchmarks();
    registerReferenceBenchmarks();
    registerDirectoryBenchmarks();
    registerStartupRows();

    benchmark::Initialize(&argc, argv);
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    releaseDirectoryBenchmarks();

    bool skipStartup = false;
    for (int i = 1; i < argc; ++i)
        skipStartup = skipStartup || std::strcmp(argv[i], "--no-startup") == 0;
    if (!skipStartup)
        measureStartup();

    BenchTable::instance().print();
    return 0;
}
