// Times the planner on the bundled world: run by `make bench`, never by the tests.
#include "bench_session.h"
#include "bench_world.h"
#include "benchmarks.h"
#include "board/fonts.h"
#include "comparison_reporter.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    // The window is never meant to be seen: without a display of its own choice it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerTahoma();

    // Each benchmark in several repetitions, shuffled among the others' so that a load and the
    // decoding it is compared with meet the machine in the same moods; the figures are medians.
    // Flags given on the command line come after these and win.
    std::vector<char *> args{argv[0]};
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    args.push_back(repetitions);
    args.push_back(interleaving);
    args.insert(args.end(), argv + 1, argv + argc);
    int argCount = static_cast<int>(args.size());
    benchmark::Initialize(&argCount, args.data());
    if (benchmark::ReportUnrecognizedArguments(argCount, args.data()))
        return 2;

    bool met = false;
    try {
        const BenchClass heaviest = heaviestClass(benchExeDir());
        std::printf("Class %s: %d talent icons, %lld pictures in a load\n",
                    qPrintable(heaviest.code), heaviest.iconCount,
                    static_cast<long long>(heaviest.pictures.size()));
        BenchSession session(benchExeDir(), heaviest);
        registerDecodingBenchmarks(heaviest.pictures, readFiles(heaviest.pictures));
        registerWindowBenchmarks(session);
        registerCompareBenchmarks(session);
        registerLevelBenchmarks(session);
        registerLibraryBenchmarks();
        registerCheckBenchmarks(QDir(benchExeDir()).filePath(QStringLiteral("datas")));

        ComparisonReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        met = reporter.printComparisons(static_cast<int>(heaviest.pictures.size()));
        std::printf(met ? "Every target met.\n" : "A target was missed or a figure is missing.\n");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "runeplan_bench: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();
    // A missed target fails the run as a missing figure does: `make bench` ends with an error.
    return met ? 0 : 1;
}
