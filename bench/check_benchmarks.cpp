// The data folder checker on the whole bundled world, against the loads it stands in for: every
// class read and decoded once by the class loader.
#include "benchmarks.h"
#include "datafolder/class_loader.h"
#include "datafolder/world_check.h"
#include "talents/talent_table.h"
#include "talents/text_lines.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

void checkWorld(benchmark::State &state, const QString &dataFolder)
{
    qsizetype findings = 0;
    for (auto _ : state) {
        const QVector<Finding> found = checkDataFolder(dataFolder);
        findings = found.size();
        benchmark::DoNotOptimize(found.constData());
    }
    if (findings != 0)
        state.SkipWithError("the bundled world does not check clean");
}

// Every class once, in the first language: the same pictures the check decodes (it reads each
// class's tree files in every language, which costs little beside the decoding).
void loadEveryClass(benchmark::State &state, const QString &dataFolder)
{
    try {
        const QStringList languages = readListFile(QDir(dataFolder).filePath("la.ini"));
        if (languages.isEmpty()) {
            state.SkipWithError("la.ini lists no language");
            return;
        }
        int loads = 0;
        for (auto _ : state) {
            loads = 0;
            for (int index = 0; index < static_cast<int>(classCodes.size()); ++index) {
                if (!QDir(dataFolder).exists(*classCode(index)))
                    continue;
                const PreparedClass prepared =
                    prepareClass(dataFolder + u'/', index, languages.first());
                benchmark::DoNotOptimize(&prepared);
                ++loads;
            }
        }
        state.counters["loads"] = loads;
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

void registerCheckBenchmarks(const QString &dataFolder)
{
    // The two compare the work done, and a load decodes on every core: both count the CPU time of
    // every thread of the process.
    benchmark::RegisterBenchmark(BenchName::WorldCheck, checkWorld, dataFolder)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark(BenchName::EveryClassLoaded, loadEveryClass, dataFolder)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
}
