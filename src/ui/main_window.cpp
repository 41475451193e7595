// Start-up and close, and the window following its build.
#include "ui/main_window.h"

#include "base/error.h"
#include "board/fonts.h"
#include "build/level_view.h"
#include "datafolder/data_choice.h"
#include "datafolder/language_memory.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QUndoStack>

MainWindow::MainWindow(const QString &exeDir, const StartOptions &options, QWidget *parent)
    : QWidget(parent),
      dataFolder_(options.dataFolder.isEmpty()
                      ? QDir(exeDir).filePath(QStringLiteral("datas/"))
                      : QDir(options.dataFolder).absolutePath() + QLatin1Char('/')),
      startLanguage_(options.language)
{
    build_ = new Build(dataFolder_, this);
    // Before any view follows the build: a change of the build first returns the level view to
    // the whole build, which the views then show.
    levels_ = new LevelView(*build_, this);
    readFirstClassAhead();
    // The design waits for the fonts being registered since the application began; the first class
    // is meanwhile read on the other core.
    registerTahoma();
    buildDesign();
    board_ = new BoardView(*this, *build_, dataFolder_);
    board_->compareWith(*comparison_);
    followLevels();
    buildTabOrder();
    connectHandlers();
    followBuild();
    guarded([this] { startUp(); });
}

MainWindow::~MainWindow()
{
    // The board's controls go before the build they show, and the window hears nothing more of
    // the build: its history, cleared as it goes, would otherwise ask a window half gone for a
    // new caption.
    delete board_;
    disconnect(build_, nullptr, this, nullptr);
    disconnect(&build_->history(), nullptr, this, nullptr);
}

void MainWindow::followBuild()
{
    connect(build_, &Build::classChanged, this, [this] {
        chosenClass_ = build_->classIndex();
        side_->showCounters(build_->strings(), talents().totalPoints);
        side_->classBox->select(chosenClass_);
    });
    connect(build_, &Build::ranksChanged, this,
            [this] { side_->showCounters(build_->strings(), talents().totalPoints); });
    connect(build_, &Build::languageChanged, this, [this] { showLanguageTexts(); });
    connect(&build_->history(), &QUndoStack::canUndoChanged, side_->undoButton,
            &QWidget::setEnabled);
    connect(&build_->history(), &QUndoStack::canRedoChanged, side_->redoButton,
            &QWidget::setEnabled);
    connect(&build_->history(), &QUndoStack::cleanChanged, this, [this] { showCaption(); });
    connect(build_, &Build::reading, this, [this](bool on) {
        // "Loading" in the caption while a class is read from the data folder.
        if (on) {
            captionBeforeReading_ = windowTitle();
            setWindowTitle(build_->strings().at(Str::Loading));
        } else {
            setWindowTitle(captionBeforeReading_);
        }
    });
}

void MainWindow::showLanguageTexts()
{
    const UiStrings &strings = build_->strings();
    // A class past the new language's list falls back to the first class.
    if (chosenClass_ >= strings.classNames().size())
        chosenClass_ = 0;
    side_->showLanguage(strings, build_->moreStrings(), chosenClass_, talents().totalPoints);
    treeMenu_->actions().constFirst()->setText(build_->moreStrings().at(More::ResetTree));
    showCompareTexts();
    folders_.setTitles(strings.at(Str::Load), strings.at(Str::Save));
}

void MainWindow::startUp()
{
    const DataChoice choice = chooseDataAndLanguage(dataFolder_, startLanguage_);
    if (choice.languageListMissing) {
        failStartUp(QStringLiteral("File ") + choice.languageList + QStringLiteral(" not found "));
        return;
    }
    languages_ = choice.languages;
    side_->languageBox->clear();
    side_->languageBox->addItems(languages_);
    // The data folder's file must be there even when the user's own file is the one read.
    if (choice.lastLanguageMissing) {
        failStartUp(QStringLiteral("File ") + choice.lastLanguage + QStringLiteral(" not found "));
        return;
    }
    if (!choice.lastLanguageUnreadable.isEmpty()) {
        reportError(choice.lastLanguageUnreadable);
        return;
    }
    // Said once; the planner then starts in the first language, with a class on the board.
    if (!choice.lastLanguageNotANumber.isEmpty())
        reportError(choice.lastLanguageNotANumber);
    if (choice.requestedUnknown) {
        reportError(QStringLiteral("The language '%1' is not in %2; the planner starts in "
                                   "the language it used last")
                        .arg(startLanguage_, choice.languageList));
    }
    // A remembered index past the list starts in the first language.
    boardLanguage_ = choice.windowLanguageIndex();
    side_->languageBox->select(boardLanguage_);
    build_->setLanguage(languages_.value(boardLanguage_));
    if (!restoreSession())
        showChosenClass();
}

void MainWindow::failStartUp(const QString &text)
{
    dialogs().message(this, QStringLiteral("Error"), text);
    // Nothing more of the start-up runs: the program ends as soon as the window's creation returns.
    endRequested_ = true;
}

void MainWindow::shutDown()
{
    // The board is kept whatever becomes of the language, and never stops the close.
    keepSession();
    LanguageMemory::beside(dataFolder_ + QStringLiteral("last.ini"))
        .remember(std::max(boardLanguage_, 0));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The language is remembered when possible; a user is never kept in a window that cannot
    // save it, so the window closes either way.
    if (!endRequested_)
        guarded([this] { shutDown(); });
    event->accept();
}

void MainWindow::languageChosen(int chosen)
{
    BusyScope busy(busy_);
    if (chosen == boardLanguage_ && build_->classIndex() >= 0)
        return;
    // Until the new language is shown whole, the box shows the language of the board.
    bool shown = false;
    ScopeExit restoreBox([this, &shown] {
        if (!shown && boardLanguage_ >= 0)
            side_->languageBox->select(boardLanguage_);
    });
    // The class on the board is read in the new language and keeps its ranks, or the change is
    // refused: the board, the history and the language stay as they were.
    build_->changeLanguage(languages_.value(chosen));
    boardLanguage_ = chosen;
    shown = true;
    // No class on the board yet: the chosen class is shown in the new language.
    if (build_->classIndex() < 0)
        showChosenClass();
}

void MainWindow::classChosen(int chosen)
{
    BusyScope busy(busy_);
    if (chosen == build_->classIndex())
        return;
    // Until the new class is shown, the box shows the class on the board.
    ScopeExit restoreBox([this] {
        if (build_->classIndex() >= 0)
            side_->classBox->select(build_->classIndex());
    });
    if (build_->classIndex() < 0)
        chosenClass_ = chosen;
    build_->changeClass(chosen);
}

void MainWindow::showChosenClass()
{
    BusyScope busy(busy_);
    build_->changeClass(chosenClass_);
}
