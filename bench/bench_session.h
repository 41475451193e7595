#pragma once

#include "bench_world.h"
#include "recording_dialogs.h"
#include "ui/main_window.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

// The one window the window benchmarks share, opened on the bundled world with every dialog
// recorded, and a plan of the benchmark class saved through it.
// A press of `button` on the board's talent `at`, as the mouse makes it.
void pressOnBoard(const BoardView &board, TreeSlot at, Qt::MouseButton button);

class BenchSession {
public:
    BenchSession(const QString &exeDir, const BenchClass &benchClass);

    MainWindow &window() { return *window_; }
    RecordingDialogs &dialogs() { return dialogs_; }
    const BenchClass &benchClass() const { return class_; }
    const QString &planPath() const { return planPath_; }

    // The benchmark class on an empty board, as the class box loads it.
    void loadEmptyBoard();
    // The benchmark class with the saved plan of all its points, loaded as a user loads it.
    void loadFullPlan();
    // A talent of the first row that takes more than one point, so that a press on it changes
    // its picture and its label but leaves the rows below closed. Its tree and slot.
    std::pair<int, int> openTalent() const;
    // The first error the window reported since the last call, or an empty string.
    QString takeError();

private:
    void spendAllPoints();

    RecordingDialogs dialogs_;
    BenchClass class_;
    QTemporaryDir scratch_;
    QString planPath_;
    std::unique_ptr<MainWindow> window_;
};

// Runs a benchmark's body; an error the window raised or reported ends the benchmark with it.
template <typename Body> void runChecked(benchmark::State &state, BenchSession &session, Body body)
{
    try {
        body();
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    if (const QString error = session.takeError(); !error.isEmpty())
        state.SkipWithError(qPrintable(error));
}
