// The library of builds read whole, as its dialog reads it each time it opens: a folder of a
// thousand builds, each with a code carrying its order and a few lines of notes.
#include "benchmarks.h"
#include "build/library.h"
#include "talents/build_code.h"
#include "talents/talent_table.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int LibraryBuilds = 1000;

// A code of a full-looking build: `points` points over tree 1's first slots, with their order.
QString codeWithOrder(int classIndex, int points)
{
    BuildCode code;
    code.classCode = *classCode(classIndex);
    QVector<QPoint> order;
    for (int slot = 1; points > 0; ++slot) {
        for (int rank = 0; rank < 5 && points > 0; ++rank, --points) {
            ++code.ranks[0][slot - 1];
            order.append(QPoint(slot, 1));
        }
    }
    code.order = order;
    return encodeBuildCode(code);
}

void openLibrary(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("builds"));
    try {
        for (int i = 0; i < LibraryBuilds; ++i) {
            LibraryBuild build;
            build.name = QStringLiteral("Build %1").arg(i);
            build.code = codeWithOrder(i % static_cast<int>(classCodes.size()), 10 + i % 62);
            build.saved = QDateTime::fromSecsSinceEpoch(1700000000 + i * 3571LL, Qt::UTC);
            build.notes = QStringLiteral("Take the first tree's talents first.\nThen the rest.");
            writeLibraryFile(freeLibraryPath(folder, build.name), build);
        }
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    qsizetype listed = 0;
    for (auto _ : state) {
        const QVector<LibraryEntry> entries =
            readLibrary(folder, static_cast<int>(classCodes.size()));
        listed = entries.size();
        benchmark::DoNotOptimize(entries.constData());
    }
    if (listed != LibraryBuilds)
        state.SkipWithError("the library did not list every build");
    state.counters["builds"] = static_cast<double>(listed);
}

} // namespace

void registerLibraryBenchmarks()
{
    // By the clock: the reading waits on the file system, and the player waits for all of it.
    benchmark::RegisterBenchmark(BenchName::LibraryOpen, openLibrary)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}
