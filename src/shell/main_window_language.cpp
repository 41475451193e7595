// Applying a language: its interface strings, the captions and the class names.
#include "base/error.h"
#include "shell/main_window.h"
#include "shell/tooltip_panel.h"
#include "toolkit/choice_box.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"

void MainWindow::applyLanguage()
{
    if (languageBox_->currentIndex() < 0)
        languageBox_->select(0);
    languageCode_ = languageBox_->selectedText();
    // The code becomes part of file names; one that would reach outside the data folder is refused.
    if (languageCode_.contains(u'/') || languageCode_.contains(u'\\')) {
        uiStrings_.clear();
        throw Error(QStringLiteral("The language code '%1' in %2 is not a valid file name part")
                        .arg(languageCode_, dataPath(QStringLiteral("la.ini"))));
    }
    uiStrings_.load(dataPath(QStringLiteral("lang.") + languageCode_));

    tooltip_->setHints(uiStrings_.at(Str::AddHint), uiStrings_.at(Str::RemoveHint));
    spentLabel_->setCaption(counterCaption(uiStrings_.at(Str::Spent), table_.totalPoints));
    freeLabel_->setCaption(
        counterCaption(uiStrings_.at(Str::Free), freePoints(table_.totalPoints)));
    languageLabel_->setCaption(uiStrings_.at(Str::Language));
    classLabel_->setCaption(uiStrings_.at(Str::Class));
    levelLabel_->setCaption(
        counterCaption(uiStrings_.at(Str::Level), characterLevel(table_.totalPoints)));

    const int remembered = classBox_->currentIndex();
    classBox_->clear();
    classBox_->addItems(uiStrings_.classNames());
    // A remembered class past the new list falls back to the first class.
    classBox_->select(remembered >= 0 && remembered < classBox_->count() ? remembered : 0);

    saveButton_->setCaption(uiStrings_.at(Str::Save));
    loadButton_->setCaption(uiStrings_.at(Str::Load));
    resetButton_->setCaption(uiStrings_.at(Str::Reset));
    openDialogSettings_.title = uiStrings_.at(Str::Load);
    saveDialogSettings_.title = uiStrings_.at(Str::Save);
}

void MainWindow::languageChosen()
{
    ScopeExit park([this] { parkFocus(); });
    BusyScope busy(busy_);
    applyLanguage();
    loadClass();
}
