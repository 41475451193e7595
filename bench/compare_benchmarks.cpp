// The board compared with another build: a comparison set from a plan file, and a press while the
// board is compared, through the Compare menu's actions.
#include "bench_session.h"
#include "benchmarks.h"
#include "build/comparison.h"

#include <QAction>

namespace {

void trigger(MainWindow &window, const char *action)
{
    window.findChild<QAction *>(QLatin1String(action))->trigger();
}

// "Compare with a plan file…", its file dialog answered with the session's plan of every point.
void compareWithPlan(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        MainWindow &window = session.window();
        for (auto _ : state) {
            session.dialogs().fileAnswers = {session.planPath()};
            trigger(window, "comparePlanAction");
        }
        if (!window.comparison().active())
            state.SkipWithError("no comparison was set");
        trigger(window, "stopComparingAction");
    });
}

// A left press on the board compared with itself as it was: each timed press puts a badge on its
// talent, and the untimed one undoing it takes the badge away.
void pressComparing(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        MainWindow &window = session.window();
        trigger(window, "compareBoardAction");
        const auto [tree, slot] = session.openTalent();
        const BoardView &board = window.board();
        for (auto _ : state) {
            pressOnBoard(board, {tree, slot}, Qt::LeftButton);
            state.PauseTiming();
            pressOnBoard(board, {tree, slot}, Qt::RightButton);
            state.ResumeTiming();
        }
        pressOnBoard(board, {tree, slot}, Qt::LeftButton);
        if (board.cell(slot, tree).badge != 1)
            state.SkipWithError("the press put no badge on its talent");
        trigger(window, "stopComparingAction");
    });
}

} // namespace

void registerCompareBenchmarks(BenchSession &session)
{
    // Compared with a plan load, which is timed by the clock too.
    benchmark::RegisterBenchmark(BenchName::CompareSet, compareWithPlan, std::ref(session))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::PressComparing, pressComparing, std::ref(session))
        ->Unit(benchmark::kMicrosecond);
}
