// The data folder checker on the whole bundled world, against the loads it stands in for: every
// class read and decoded by the class loader in every language.
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

void loadEveryClass(benchmark::State &state, const QString &dataFolder)
{
    try {
        const QStringList languages = readListFile(QDir(dataFolder).filePath("la.ini"));
        int loads = 0;
        for (auto _ : state) {
            loads = 0;
            for (int index = 0; index < static_cast<int>(classCodes.size()); ++index) {
                if (!QDir(dataFolder).exists(*classCode(index)))
                    continue;
                for (const QString &language : languages) {
                    const PreparedClass prepared = prepareClass(dataFolder + u'/', index, language);
                    benchmark::DoNotOptimize(&prepared);
                    ++loads;
                }
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
    benchmark::RegisterBenchmark(BenchName::WorldCheck, checkWorld, dataFolder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(BenchName::EveryClassLoaded, loadEveryClass, dataFolder)
        ->Unit(benchmark::kMillisecond);
}
