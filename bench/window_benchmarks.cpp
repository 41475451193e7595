// The planner's own work through its window: a class load, presses, a plan load and a language
// change. Nothing is painted: the window is never given the event loop while it is timed.
#include "bench_session.h"
#include "benchmarks.h"
#include "toolkit/choice_box.h"
#include "toolkit/image_control.h"

#include <benchmark/benchmark.h>

namespace {

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

void classLoad(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        for (auto _ : state)
            session.window().loadClass();
    });
    state.counters["icons"] = session.benchClass().iconCount;
}

// One press timed, the other undoing it untimed, so that every timed press finds the board alike.
void press(benchmark::State &state, BenchSession &session, Qt::MouseButton timed)
{
    const Qt::MouseButton undo = timed == Qt::LeftButton ? Qt::RightButton : Qt::LeftButton;
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        const auto [tree, slot] = session.openTalent();
        MainWindow &window = session.window();
        ImageControl *icon = window.cell(slot, tree).icon;
        if (timed == Qt::RightButton)
            window.pressTalent(icon, Qt::LeftButton);
        for (auto _ : state) {
            window.pressTalent(icon, timed);
            state.PauseTiming();
            window.pressTalent(icon, undo);
            state.ResumeTiming();
        }
        if (window.talents().at(slot, tree).rank != (timed == Qt::LeftButton ? 0 : 1))
            state.SkipWithError("the presses did not spend and give back a point");
    });
}

void planLoad(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        for (auto _ : state) {
            session.dialogs().fileAnswers = {session.planPath()};
            session.window().loadPressed();
        }
        if (session.window().talents().totalPoints == 0)
            state.SkipWithError("the plan put no point on the board");
    });
    state.counters["points"] = session.window().talents().totalPoints;
}

// Every language in turn, each change reloading the class on the board.
void languageChange(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        ChoiceBox *languages = session.window().languageBox_;
        const int first = languages->currentIndex();
        int current = first;
        for (auto _ : state) {
            current = (current + 1) % languages->count();
            languages->select(current);
            session.window().languageChosen();
        }
        languages->select(first);
        session.window().languageChosen();
    });
    state.counters["languages"] = session.window().languageBox_->count();
}

} // namespace

void registerWindowBenchmarks(BenchSession &session)
{
    benchmark::RegisterBenchmark(BenchName::ClassLoad, classLoad, std::ref(session))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(BenchName::LeftPress, press, std::ref(session), Qt::LeftButton)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::RightPress, press, std::ref(session), Qt::RightButton)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::PlanLoad, planLoad, std::ref(session))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(BenchName::LanguageChange, languageChange, std::ref(session))
        ->Unit(benchmark::kMillisecond);
}
