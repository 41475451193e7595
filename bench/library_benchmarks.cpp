// The library of builds opened as the window opens it (the folder read whole and the dialog made
// with its list), and a keystroke of its filter: a folder of a thousand builds, each with a code
// carrying its order and a few lines of notes.
#include "benchmarks.h"
#include "build/library_document.h"
#include "datafolder/more_strings.h"
#include "talents/build_code.h"
#include "talents/talent_table.h"
#include "ui/library_dialog.h"

#include <QDir>
#include <QLineEdit>
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

// A folder of LibraryBuilds builds in `folder`; false when one cannot be written.
bool writeBuilds(benchmark::State &state, const QString &folder)
{
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
        return false;
    }
    return true;
}

QStringList classNames()
{
    QStringList names;
    for (size_t k = 0; k < classCodes.size(); ++k)
        names << QStringLiteral("Class %1").arg(k);
    return names;
}

void openLibrary(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("builds"));
    if (!writeBuilds(state, folder))
        return;
    const MoreStrings more;
    qsizetype listed = 0;
    for (auto _ : state) {
        Library library(folder, static_cast<int>(classCodes.size()));
        LibraryDialog dialog(nullptr, library, classNames(), more, QStringLiteral("Open"), {});
        listed = library.entries().size();
    }
    if (listed != LibraryBuilds)
        state.SkipWithError("the library did not list every build");
    state.counters["builds"] = static_cast<double>(listed);
}

// One character typed into the filter, every build's name, class and notes searched; the
// character is taken back untimed.
void filterKeystroke(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("builds"));
    if (!writeBuilds(state, folder))
        return;
    const MoreStrings more;
    Library library(folder, static_cast<int>(classCodes.size()));
    LibraryDialog dialog(nullptr, library, classNames(), more, QStringLiteral("Open"), {});
    auto *filter = dialog.findChild<QLineEdit *>(QStringLiteral("ed_libraryFilter"));
    for (auto _ : state) {
        filter->insert(QStringLiteral("t"));
        state.PauseTiming();
        filter->clear();
        state.ResumeTiming();
    }
}

} // namespace

void registerLibraryBenchmarks()
{
    // By the clock: the reading waits on the file system, and the player waits for all of it.
    benchmark::RegisterBenchmark(BenchName::LibraryOpen, openLibrary)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::LibraryFilter, filterKeystroke)
        ->Unit(benchmark::kMillisecond);
}
