// The language: its interface strings, the captions and the class names, and a change of language
// that keeps the plan on the board.
#include "base/error.h"
#include "shell/main_window.h"
#include "shell/tooltip_panel.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"

#include <QMenu>

namespace {

// The code becomes part of file names; one that would reach outside the data folder is refused.
void checkLanguageCode(const QString &code, const QString &languageList)
{
    if (code.contains(u'/') || code.contains(u'\\')) {
        throw Error(QStringLiteral("The language code '%1' in %2 is not a valid file name part")
                        .arg(code, languageList));
    }
}

} // namespace

void MainWindow::applyLanguage()
{
    if (languageBox_->currentIndex() < 0)
        languageBox_->select(0);
    languageCode_ = languageBox_->selectedText();
    boardLanguage_ = languageBox_->currentIndex();
    try {
        checkLanguageCode(languageCode_, dataPath(QStringLiteral("la.ini")));
    } catch (const Error &) {
        uiStrings_.clear();
        throw;
    }
    uiStrings_.load(dataPath(QStringLiteral("lang.") + languageCode_));
    moreStrings_.load(dataPath(QStringLiteral("more.") + languageCode_));
    showLanguageTexts();
}

void MainWindow::showLanguageTexts()
{
    tooltip_->setHints(uiStrings_.at(Str::AddHint), uiStrings_.at(Str::RemoveHint));
    spentLabel_->setCaption(counterCaption(uiStrings_.at(Str::Spent), table_.totalPoints));
    freeLabel_->setCaption(
        counterCaption(uiStrings_.at(Str::Free), freePoints(table_.totalPoints)));
    languageLabel_->setCaption(uiStrings_.at(Str::Language));
    classLabel_->setCaption(uiStrings_.at(Str::Class));
    levelLabel_->setCaption(
        counterCaption(uiStrings_.at(Str::Level), characterLevel(table_.totalPoints)));

    const int remembered = boardClass_ >= 0 ? boardClass_ : classBox_->currentIndex();
    classBox_->clear();
    classBox_->addItems(uiStrings_.classNames());
    // A remembered class past the new list falls back to the first class.
    classBox_->select(remembered >= 0 && remembered < classBox_->count() ? remembered : 0);

    saveButton_->setCaption(uiStrings_.at(Str::Save));
    loadButton_->setCaption(uiStrings_.at(Str::Load));
    resetButton_->setCaption(uiStrings_.at(Str::Reset));
    undoButton_->setCaption(moreStrings_.at(More::Undo));
    redoButton_->setCaption(moreStrings_.at(More::Redo));
    copyButton_->setCaption(moreStrings_.at(More::CopyCode));
    summaryButton_->setCaption(moreStrings_.at(More::Summary));
    showLinkHints();
    pasteButton_->setCaption(moreStrings_.at(More::PasteCode));
    treeMenu_->actions().constFirst()->setText(moreStrings_.at(More::ResetTree));
    openDialogSettings_.title = uiStrings_.at(Str::Load);
    saveDialogSettings_.title = uiStrings_.at(Str::Save);
}

void MainWindow::languageChosen()
{
    BusyScope busy(busy_);
    const int chosen = languageBox_->currentIndex();
    if (chosen == boardLanguage_ && boardClass_ >= 0)
        return;
    // Until the new language is shown whole, the box shows the language of the board.
    bool shown = false;
    ScopeExit restoreBox([this, &shown] {
        if (!shown && boardLanguage_ >= 0)
            languageBox_->select(boardLanguage_);
    });
    const QString code = languageBox_->selectedText();
    checkLanguageCode(code, dataPath(QStringLiteral("la.ini")));
    UiStrings strings;
    strings.load(dataPath(QStringLiteral("lang.") + code));
    strings.requireInterfaceLines();
    if (boardClass_ >= strings.classNames().size()) {
        throw Error(QStringLiteral("The strings file %1 names no class folder for the class on the "
                                   "board: it names %2 classes")
                        .arg(dataPath(QStringLiteral("lang.") + code))
                        .arg(strings.classNames().size()));
    }
    MoreStrings more;
    more.load(dataPath(QStringLiteral("more.") + code));
    // The class on the board is read in the new language and keeps its ranks, or the change is
    // refused: the board, the history and the language stay as they were.
    std::optional<StagedClass> staged;
    if (boardClass_ >= 0) {
        staged = stageClass(boardClass_, boardState().ranks, code);
    }

    languageCode_ = code;
    boardLanguage_ = chosen;
    uiStrings_ = std::move(strings);
    moreStrings_ = std::move(more);
    shown = true;
    if (staged) {
        showStaged(std::move(*staged));
        showLanguageTexts();
    } else {
        // No class on the board yet: the class box's class is loaded in the new language.
        showLanguageTexts();
        loadClass();
    }
}
