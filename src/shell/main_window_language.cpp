// Applying a language: its interface strings, the captions and the class names.
#include "choice_box.h"
#include "error.h"
#include "error_report.h"
#include "flat_button.h"
#include "label_control.h"
#include "main_window.h"

void TForm1::setlang()
{
    if (cb_lang->currentIndex() < 0)
        cb_lang->select(0);
    langCode_ = cb_lang->selectedText();
    // The code becomes part of file names; one that would reach outside the data folder is refused.
    if (langCode_.contains(u'/') || langCode_.contains(u'\\')) {
        uiStrings_.clear();
        throw Error(QStringLiteral("The language code '%1' in %2 is not a valid file name part")
                        .arg(langCode_, dataPath(QStringLiteral("la.ini"))));
    }
    uiStrings_.load(dataPath(QStringLiteral("lang.") + langCode_));

    lb_inc->setCaption(u' ' + uiStrings_.at(Str::AddHint));
    lb_dec->setCaption(uiStrings_.at(Str::RemoveHint));
    lb_tot->setCaption(counterCaption(uiStrings_.at(Str::Spent), table_.totalPoints));
    Lb_Free->setCaption(counterCaption(uiStrings_.at(Str::Free), freePoints(table_.totalPoints)));
    lb_lang->setCaption(uiStrings_.at(Str::Language));
    lb_class->setCaption(uiStrings_.at(Str::Class));
    lb_lvl->setCaption(
        counterCaption(uiStrings_.at(Str::Level), characterLevel(table_.totalPoints)));

    const int remembered = cb_class->currentIndex();
    cb_class->clear();
    cb_class->addItems(uiStrings_.classNames());
    // A remembered class past the new list falls back to the first class.
    cb_class->select(remembered >= 0 && remembered < cb_class->count() ? remembered : 0);

    sp_save->setCaption(uiStrings_.at(Str::Save));
    sp_load->setCaption(uiStrings_.at(Str::Load));
    bt_reset->setCaption(uiStrings_.at(Str::Reset));
    od1.title = uiStrings_.at(Str::Load);
    sd1.title = uiStrings_.at(Str::Save);
}

void TForm1::cb_langClick()
{
    setWindowEnabled(false);
    ScopeExit restore([this] {
        setWindowEnabled(true);
        parkFocus();
    });
    setlang();
    InitTabl();
}
