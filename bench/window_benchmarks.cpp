// The planner's own work through its window: a class load, presses, a plan load and a language
// change. Nothing is painted: the window is never given the event loop while it is timed.
#include "bench_session.h"
#include "benchmarks.h"
#include "board/trees_picture.h"
#include "build/build_picture.h"
#include "controls_by_name.h"
#include "talents/build_code.h"
#include "talents/rank_grid.h"
#include "toolkit/choice_box.h"
#include "toolkit/image_control.h"

#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <benchmark/benchmark.h>

namespace {

// Chooses a class in the class box as a user's choice does.
void chooseClass(ChoiceBox *classes, int index)
{
    classes->select(index);
    emit classes->chosen(index);
}

void classLoad(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        ChoiceBox *classes = classBox(session.window());
        const int index = classes->currentIndex();
        const int other = (index + 1) % classes->count();
        // A class chosen again changes nothing: each timed load comes after another class.
        for (auto _ : state) {
            state.PauseTiming();
            chooseClass(classes, other);
            state.ResumeTiming();
            chooseClass(classes, index);
        }
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
        const BoardView &board = window.board();
        if (timed == Qt::RightButton)
            pressOnBoard(board, {tree, slot}, Qt::LeftButton);
        for (auto _ : state) {
            pressOnBoard(board, {tree, slot}, timed);
            state.PauseTiming();
            pressOnBoard(board, {tree, slot}, undo);
            state.ResumeTiming();
        }
        if (window.talents().at(slot, tree).rank != (timed == Qt::LeftButton ? 0 : 1))
            state.SkipWithError("the presses did not spend and give back a point");
    });
}

// What the screen shows of a left press, painted when the event loop next runs: the cells whose
// rank or picture changed and the tooltip. The press and the one undoing it are not timed.
void paintAfterPress(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        const auto [tree, slot] = session.openTalent();
        const BoardView &board = session.window().board();
        QCoreApplication::processEvents();
        for (auto _ : state) {
            state.PauseTiming();
            pressOnBoard(board, {tree, slot}, Qt::LeftButton);
            state.ResumeTiming();
            QCoreApplication::processEvents();
            state.PauseTiming();
            pressOnBoard(board, {tree, slot}, Qt::RightButton);
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    });
}

void planLoad(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        FlatButton *load = loadButton(session.window());
        for (auto _ : state) {
            session.dialogs().fileAnswers = {session.planPath()};
            load->click();
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
        ChoiceBox *languages = languageBox(session.window());
        const int first = languages->currentIndex();
        int current = first;
        for (auto _ : state) {
            current = (current + 1) % languages->count();
            languages->select(current);
            emit languages->chosen(current);
        }
        languages->select(first);
        emit languages->chosen(first);
    });
    state.counters["languages"] = languageBox(session.window())->count();
}

// A Reset of the full plan, then its undo (or redo) timed and the other untimed.
void resetStep(benchmark::State &state, BenchSession &session, bool timeUndo)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        FlatButton *undo = undoButton(session.window());
        FlatButton *redo = redoButton(session.window());
        resetButton(session.window())->click();
        if (!timeUndo)
            undo->click();
        for (auto _ : state) {
            (timeUndo ? undo : redo)->click();
            state.PauseTiming();
            (timeUndo ? redo : undo)->click();
            state.ResumeTiming();
        }
        if (session.window().talents().totalPoints != (timeUndo ? 0 : 71))
            state.SkipWithError("undo and redo did not walk the reset");
    });
}

// A class change undone: the benchmark class comes back with its full plan.
void undoClassChange(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        ChoiceBox *classes = classBox(session.window());
        const int other = (session.benchClass().index + 1) % classes->count();
        chooseClass(classes, other);
        FlatButton *undo = undoButton(session.window());
        FlatButton *redo = redoButton(session.window());
        for (auto _ : state) {
            undo->click();
            state.PauseTiming();
            redo->click();
            state.ResumeTiming();
        }
        undo->click();
        if (session.window().talents().totalPoints != 71)
            state.SkipWithError("the undo did not bring the plan back");
    });
}

// The saved plan as a build code on the clipboard, pasted as a user pastes it.
void codeLoad(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        copyButton(session.window())->click();
        FlatButton *paste = pasteButton(session.window());
        session.loadEmptyBoard();
        for (auto _ : state)
            paste->click();
        if (session.window().talents().totalPoints != 71)
            state.SkipWithError("the code put the plan back wrong");
    });
}

// The code of a full plan, made from the board's table.
void codeEncode(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        const TalentTable &table = session.window().talents();
        BuildCode code;
        code.classCode = session.benchClass().code;
        code.ranks = ranksOf(table);
        for (int tree = 1; tree <= TreeCount; ++tree)
            code.fingerprints[tree - 1] = treeFingerprint(table, tree);
        for (auto _ : state)
            benchmark::DoNotOptimize(encodeBuildCode(code));
    });
}

// The summary text of a full plan, as the Summary dialog and --summary make it.
void summary(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        for (auto _ : state)
            benchmark::DoNotOptimize(session.window().build().summary());
    });
}

// The picture of the trees at their size, encoded as a PNG at Qt's default level.
void picture(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadFullPlan();
        for (auto _ : state) {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            paintTrees(treesPictureOf(session.window().build()), 1).save(&buffer, "PNG");
            benchmark::DoNotOptimize(png);
        }
    });
}

void sendKey(Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(QApplication::focusWidget(), &event);
}

// A key that moves the board's focus to the next talent, the tooltip following; the key back
// untimed.
void focusKey(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        MainWindow &window = session.window();
        window.activateWindow();
        QCoreApplication::processEvents();
        auto *board = const_cast<BoardView *>(&window.board());
        board->focusTalent({1, 1});
        for (auto _ : state) {
            sendKey(Qt::Key_Right);
            state.PauseTiming();
            sendKey(Qt::Key_Left);
            // Between two keys the event loop runs, as it does between a user's keys.
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        if (QApplication::focusWidget() != board || board->current() != TreeSlot{1, 1})
            state.SkipWithError("the keys did not move the focus to and fro");
        // The benchmarks after this one find the board without the keyboard focus.
        board->clearFocus();
        QCoreApplication::processEvents();
    });
}

// The first keystroke of a search after a class load: every talent's texts are folded and
// searched. The class is loaded again (untimed) before each.
void searchKeystroke(benchmark::State &state, BenchSession &session)
{
    runChecked(state, session, [&] {
        session.loadEmptyBoard();
        MainWindow &window = session.window();
        for (QShortcut *s : window.findChildren<QShortcut *>()) {
            if (s->key() == QKeySequence(Qt::CTRL | Qt::Key_F))
                emit s->activated();
        }
        auto *field = window.findChild<QLineEdit *>(QStringLiteral("ed_search"));
        ChoiceBox *classes = classBox(window);
        const int index = classes->currentIndex();
        const int other = (index + 1) % classes->count();
        for (auto _ : state) {
            state.PauseTiming();
            field->clear();
            chooseClass(classes, other);
            chooseClass(classes, index);
            state.ResumeTiming();
            field->insert(QStringLiteral("e"));
        }
        if (!field->isVisible() || field->text() != QStringLiteral("e") ||
            classes->currentIndex() != index)
            state.SkipWithError("the search did not open, or the class did not change");
    });
}

} // namespace

void registerWindowBenchmarks(BenchSession &session)
{
    // Whatever reads a class waits for its pictures, decoded on every core: timed by the clock.
    benchmark::RegisterBenchmark(BenchName::ClassLoad, classLoad, std::ref(session))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::LeftPress, press, std::ref(session), Qt::LeftButton)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::RightPress, press, std::ref(session), Qt::RightButton)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::PaintAfterPress, paintAfterPress, std::ref(session))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::PlanLoad, planLoad, std::ref(session))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::LanguageChange, languageChange, std::ref(session))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::UndoReset, resetStep, std::ref(session), true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::RedoReset, resetStep, std::ref(session), false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::UndoClassChange, undoClassChange, std::ref(session))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::CodeLoad, codeLoad, std::ref(session))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(BenchName::CodeEncode, codeEncode, std::ref(session))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(BenchName::Summary, summary, std::ref(session))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(BenchName::Picture, picture, std::ref(session))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(BenchName::FocusKey, focusKey, std::ref(session))
        ->Unit(benchmark::kMicrosecond);
    // Each keystroke waits for two class loads: a fixed count keeps the run short.
    benchmark::RegisterBenchmark(BenchName::SearchKeystroke, searchKeystroke, std::ref(session))
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(60);
}
