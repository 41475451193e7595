// Start-up, the cells of the board, the handlers' connections, the class box and shut-down.
#include "ui/main_window.h"

#include "base/error.h"
#include "datafolder/data_choice.h"
#include "datafolder/language_memory.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "ui/about_dialog.h"
#include "ui/arrow_layer.h"
#include "ui/board_focus.h"
#include "ui/tooltip_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QUndoStack>

MainWindow::MainWindow(const QString &exeDir, const StartOptions &options, QWidget *parent)
    : QWidget(parent), exeDir_(exeDir),
      dataFolder_(options.dataFolder.isEmpty()
                      ? exeDir_.filePath(QStringLiteral("datas/"))
                      : QDir(options.dataFolder).absolutePath() + QLatin1Char('/')),
      startLanguage_(options.language), withoutWindow_(options.withoutWindow)
{
    build_ = new Build(dataFolder_, this);
    buildDesign();
    createCells();
    buildKeyboardParts();
    connectHandlers();
    followBuild();
    recallFolder();
    guarded([this] { startUp(); });
}

MainWindow::~MainWindow()
{
    // The icons lose the focus as they go, after the tooltip has gone: the board's focus must not
    // hear of it.
    delete boardFocus_;
}

void MainWindow::connectHandlers()
{
    connectGuarded(languageBox_, &ChoiceBox::chosen, this, [this] { languageChosen(); });
    connectGuarded(classBox_, &ChoiceBox::chosen, this, [this] { classChosen(); });
    connectGuarded(resetButton_, &FlatButton::clicked, this, [this] { resetPressed(); });
    connectGuarded(saveButton_, &FlatButton::clicked, this, [this] { savePressed(); });
    connectGuarded(loadButton_, &FlatButton::clicked, this, [this] { loadPressed(); });
    connectGuarded(aboutButton_, &FlatButton::clicked, this, [this] { aboutPressed(); });
    connectGuarded(undoButton_, &FlatButton::clicked, this, [this] { undoPressed(); });
    connectGuarded(redoButton_, &FlatButton::clicked, this, [this] { redoPressed(); });
    connect(&build_->history(), &QUndoStack::canUndoChanged, undoButton_, &QWidget::setEnabled);
    connect(&build_->history(), &QUndoStack::canRedoChanged, redoButton_, &QWidget::setEnabled);
    connectGuarded(copyButton_, &FlatButton::clicked, this, [this] { copyCode(); });
    connectGuarded(pasteButton_, &FlatButton::clicked, this, [this] { pasteCode(); });
    connectGuarded(summaryButton_, &FlatButton::clicked, this, [this] { summaryPressed(); });
    connectShortcuts();
    connectGuarded(treeMenu_->actions().constFirst(), &QAction::triggered, this,
                   [this] { resetTree(treeMenuTree_); });
    for (int tree = 1; tree <= TreeCount; ++tree) {
        connectGuarded(treeBackgrounds_[tree - 1], &ImageControl::pressed, this,
                       [this, tree](Qt::MouseButton button) { backgroundPressed(tree, button); });
    }
    for (const auto &tree : cells_) {
        for (const TalentCell &c : tree) {
            ImageControl *icon = c.icon;
            connectGuarded(icon, &ImageControl::pressed, this,
                           [this, icon](Qt::MouseButton button) { pressTalent(icon, button); });
            connectGuarded(icon, &ImageControl::entered, this,
                           [this, icon] { talentEntered(icon); });
            connectGuarded(icon, &ImageControl::left, this, [this] { talentLeft(); });
        }
    }
}

void MainWindow::aboutPressed()
{
    // Made at its first showing, not with the window, whose first frame need not wait for it; it
    // then lives as long as the window.
    if (!aboutDialog_)
        aboutDialog_ = new AboutDialog(this, [this] { return build_->languageCode(); });
    dialogs().runModal(aboutDialog_);
}

const TalentCell &MainWindow::cell(int slot, int tree) const
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

TalentCell &MainWindow::cellAt(int slot, int tree)
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

void MainWindow::createCells()
{
    // Made once for every class: the arrows first, then the cells, all below the tooltip.
    arrows_ = std::make_unique<ArrowLayer>(*this, dataFolder_);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            c.iconSource = new ImageControl(this);
            c.iconSource->setAutoSize(true);
            c.iconSource->hide();
            c.icon = new ImageControl(this);
            // Its interface is set before anything asks for it: the first question fixes it.
            speakAsTalent(*c.icon, *this);
            c.icon->setAutoSize(true);
            c.icon->hide();
            c.icon->setEnabled(false);
            c.rankLabel = new LabelControl(this);
            c.rankLabel->setBackground(Qt::black);
            c.rankLabel->setAutoSize(true);
            c.rankLabel->hide();
            // A press on a rank label reaches the tree below it, as on any empty place.
            c.rankLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
            // Named after its talent and rank once a talent is placed on it (see drawRank).
            c.icon->setAccessibleName(QStringLiteral("Empty talent place"));
            c.icon->setAccessibleDescription(QStringLiteral(
                "A talent: a left press spends a point, a right press gives one back"));
            c.iconSource->setAccessibleName(QStringLiteral("Talent picture"));
            c.iconSource->setAccessibleDescription(
                QStringLiteral("The talent's picture in colour"));
            c.rankLabel->setAccessibleDescription(QStringLiteral("The talent's rank"));
        }
    }
    tooltip_->raise();
}

void MainWindow::startUp()
{
    const DataChoice choice = chooseDataAndLanguage(dataFolder_, startLanguage_);
    if (choice.languageListMissing) {
        failStartUp(QStringLiteral("File ") + choice.languageList + QStringLiteral(" not found "));
        return;
    }
    languageBox_->clear();
    languageBox_->addItems(choice.languages);
    if (withoutWindow_) {
        languageBox_->select(std::max(languageBox_->findText(startLanguage_), 0));
        applyLanguage();
        return;
    }

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
    languageBox_->select(choice.languageIndex);
    if (choice.requestedUnknown) {
        reportError(QStringLiteral("The language '%1' is not in %2; the planner starts in "
                                   "the language it used last")
                        .arg(startLanguage_, choice.languageList));
    }

    applyLanguage();
    if (!restoreSession())
        loadClass();
}

void MainWindow::failStartUp(const QString &text)
{
    dialogs().message(this, QStringLiteral("Error"), text);
    // Nothing more of the start-up runs: the program ends as soon as the window's creation returns.
    endRequested_ = true;
}

void MainWindow::shutDown()
{
    if (languageBox_->currentIndex() < 0)
        languageBox_->select(0);
    const int index = std::max(languageBox_->currentIndex(), 0);
    // The board is kept whatever becomes of the language, and never stops the close.
    keepSession();
    LanguageMemory::beside(dataPath(QStringLiteral("last.ini"))).remember(index);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The language is remembered when possible; a user is never kept in a window that cannot
    // save it, so the window closes either way.
    if (!endRequested_)
        guarded([this] { shutDown(); });
    event->accept();
}

void MainWindow::classChosen()
{
    BusyScope busy(busy_);
    const int chosen = classBox_->currentIndex();
    if (chosen == boardClass())
        return;
    // Until the new class is shown, the box shows the class on the board.
    ScopeExit restoreBox([this] {
        if (boardClass() >= 0)
            classBox_->select(boardClass());
    });
    build_->changeClass(chosen);
}
