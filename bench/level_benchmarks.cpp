// The board at an earlier level of its build, and a step of its order moved.
#include "bench_session.h"
#include "benchmarks.h"
#include "build/build.h"
#include "build/level_view.h"
#include "toolkit/label_control.h"

#include <QApplication>
#include <QDir>
#include <QWheelEvent>

namespace {

// A turn of the wheel over the Level counter: up a level later, down a level earlier.
void turnWheel(QWidget *counter, int turn)
{
    QWheelEvent event(QPointF(5, 5), counter->mapToGlobal(QPointF(5, 5)), {}, {0, turn},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(counter, &event);
}

// One level of the full plan's order, back and forth about the level before the end: each timed
// turn shows another build on the board.
void levelStep(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        MainWindow &window = session.window();
        auto *counter = window.findChild<LabelControl *>(QStringLiteral("lb_lvl"));
        turnWheel(counter, -120);
        int turn = -120;
        for (auto _ : state) {
            turnWheel(counter, turn);
            turn = -turn;
        }
        const bool stepped = window.levels().level() < window.levels().endLevel();
        turnWheel(counter, 120);
        turnWheel(counter, 120);
        if (!stepped || !window.levels().atEnd())
            state.SkipWithError("the wheel did not step through the levels");
    });
}

// A step of the full plan's order of 71 moved one place later and back, each move a step of the
// build's history.
void stepMove(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        Build build(QDir(benchExeDir()).filePath(QStringLiteral("datas/")), QStringLiteral("en"));
        build.loadPlanFile(session.planPath());
        int from = 0;
        while (from + 1 < build.order().size() && !build.moveStep(from, from + 1).isEmpty())
            ++from;
        if (from + 1 >= build.order().size()) {
            state.SkipWithError("no step of the order could move");
            return;
        }
        int to = from + 1; // the first move: back again
        for (auto _ : state) {
            std::swap(from, to);
            if (!build.moveStep(from, to).isEmpty())
                state.SkipWithError("a move back was refused");
        }
        state.counters["steps"] = static_cast<double>(build.order().size());
    });
}

} // namespace

void registerLevelBenchmarks(BenchSession &session)
{
    benchmark::RegisterBenchmark(BenchName::LevelStep, levelStep, std::ref(session))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::StepMove, stepMove, std::ref(session))
        ->Unit(benchmark::kMicrosecond);
}
