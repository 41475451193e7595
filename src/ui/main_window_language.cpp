// The language: its interface strings, the captions and the class names, and a change of language
// that keeps the plan on the board.
#include "base/error.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "ui/main_window.h"
#include "ui/tooltip_panel.h"

#include <QMenu>

void MainWindow::applyLanguage()
{
    if (languageBox_->currentIndex() < 0)
        languageBox_->select(0);
    boardLanguage_ = languageBox_->currentIndex();
    build_->setLanguage(languageBox_->selectedText());
    showLanguageTexts();
}

void MainWindow::showLanguageTexts()
{
    tooltip_->setHints(uiStrings().at(Str::AddHint), uiStrings().at(Str::RemoveHint));
    spentLabel_->setCaption(counterCaption(uiStrings().at(Str::Spent), table().totalPoints));
    freeLabel_->setCaption(
        counterCaption(uiStrings().at(Str::Free), freePoints(table().totalPoints)));
    languageLabel_->setCaption(uiStrings().at(Str::Language));
    classLabel_->setCaption(uiStrings().at(Str::Class));
    levelLabel_->setCaption(
        counterCaption(uiStrings().at(Str::Level), characterLevel(table().totalPoints)));

    const int remembered = boardClass() >= 0 ? boardClass() : classBox_->currentIndex();
    classBox_->clear();
    classBox_->addItems(uiStrings().classNames());
    // A remembered class past the new list falls back to the first class.
    classBox_->select(remembered >= 0 && remembered < classBox_->count() ? remembered : 0);

    saveButton_->setCaption(uiStrings().at(Str::Save));
    loadButton_->setCaption(uiStrings().at(Str::Load));
    resetButton_->setCaption(uiStrings().at(Str::Reset));
    undoButton_->setCaption(more().at(More::Undo));
    redoButton_->setCaption(more().at(More::Redo));
    copyButton_->setCaption(more().at(More::CopyCode));
    summaryButton_->setCaption(more().at(More::Summary));
    showLinkHints();
    pasteButton_->setCaption(more().at(More::PasteCode));
    treeMenu_->actions().constFirst()->setText(more().at(More::ResetTree));
    openDialogSettings_.title = uiStrings().at(Str::Load);
    saveDialogSettings_.title = uiStrings().at(Str::Save);
}

void MainWindow::languageChosen()
{
    BusyScope busy(busy_);
    const int chosen = languageBox_->currentIndex();
    if (chosen == boardLanguage_ && boardClass() >= 0)
        return;
    // Until the new language is shown whole, the box shows the language of the board.
    bool shown = false;
    ScopeExit restoreBox([this, &shown] {
        if (!shown && boardLanguage_ >= 0)
            languageBox_->select(boardLanguage_);
    });
    // The class on the board is read in the new language and keeps its ranks, or the change is
    // refused: the board, the history and the language stay as they were.
    build_->changeLanguage(languageBox_->selectedText());
    boardLanguage_ = chosen;
    shown = true;
    showLanguageTexts();
    // No class on the board yet: the class box's class is loaded in the new language.
    if (boardClass() < 0)
        loadClass();
}
