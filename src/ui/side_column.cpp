// The side column: the lists, the counters, the message line and the links.
#include "ui/side_column.h"

#include "datafolder/more_strings.h"
#include "datafolder/ui_strings.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"
#include "ui/window_controls.h"

#include <QLineEdit>

SideColumn::SideColumn(QWidget &window)
{
    buildLists(window);
    buildLinks(window);
}

void SideColumn::buildLists(QWidget &window)
{
    QWidget *w = &window;
    aboutButton = makeButton(w, QStringLiteral("sp_ab"), {912, 8, 89, 22}, true);
    aboutButton->setCaption(QStringLiteral("About"));
    languageLabel = makeLabel(w, QStringLiteral("lb_lang"), {912, 71}, SmallFont, false, Red);
    languageBox = makeChoiceBox(w, QStringLiteral("cb_lang"), {912, 85, 92, 21});
    classLabel = makeLabel(w, QStringLiteral("lb_class"), {912, 116}, SmallFont, false, Red);
    classBox = makeChoiceBox(w, QStringLiteral("cb_class"), {912, 132, 92, 21});
    freeLabel = makeLabel(w, QStringLiteral("Lb_Free"), {912, 183}, LargeFont, true, Red);
    spentLabel = makeLabel(w, QStringLiteral("lb_tot"), {912, 210}, LargeFont, true, Red);
    levelLabel = makeLabel(w, QStringLiteral("lb_lvl"), {912, 234}, LargeFont, true, Red);
    for (LabelControl *l : {languageLabel, classLabel, freeLabel, spentLabel, levelLabel})
        l->setCaption(l->objectName());

    focusSink = new QLineEdit(w);
    focusSink->setObjectName(QStringLiteral("Edit1"));
    focusSink->setGeometry(916, 264, 1, 21);
    focusSink->setReadOnly(true);
    QPalette p = focusSink->palette();
    p.setColor(QPalette::Base, Qt::black);
    focusSink->setPalette(p);
    focusSink->hide();
    // Why a press changed nothing, and other short news, in two lines above Undo.
    messageLine =
        new MessageLine(w, QStringLiteral("lb_msg"), {912, 264, 92, 22}, tahoma(SmallFont));
    QPalette red = messageLine->palette();
    red.setColor(QPalette::WindowText, Red);
    messageLine->setPalette(red);

    resetButton = makeButton(w, QStringLiteral("bt_reset"), {912, 417, 89, 22}, false);
    saveButton = makeButton(w, QStringLiteral("sp_save"), {912, 460, 89, 22}, false);
    loadButton = makeButton(w, QStringLiteral("sp_load"), {912, 504, 89, 22}, false);
    resetButton->setCaption(QStringLiteral("Reset"));
    saveButton->setCaption(QStringLiteral("Save"));
    loadButton->setCaption(QStringLiteral("Load"));

    describe(aboutButton, {}, QStringLiteral("Shows who made the planner"));
    describe(languageLabel, {}, QStringLiteral("Caption of the language list"));
    // On Linux a list is announced by its selection and named by the label it is the buddy of.
    languageLabel->setBuddy(languageBox);
    classLabel->setBuddy(classBox);
    describe(languageBox, QStringLiteral("Language"),
             QStringLiteral("The language of the planner"));
    describe(classLabel, {}, QStringLiteral("Caption of the class list"));
    describe(classBox, QStringLiteral("Class"),
             QStringLiteral("The class whose three talent trees are shown"));
    describe(freeLabel, {}, QStringLiteral("Points left to spend"));
    describe(spentLabel, {}, QStringLiteral("Points spent"));
    describe(levelLabel, {}, QStringLiteral("The character level the plan needs"));
    describe(focusSink, QStringLiteral("Focus rest"),
             QStringLiteral("An empty field, never shown"));
    describe(messageLine, {},
             QStringLiteral("Why the last press changed nothing, and other short news"));
    describe(resetButton, {}, QStringLiteral("Gives back every point spent"));
    describe(saveButton, {}, QStringLiteral("Saves the plan to a file"));
    describe(loadButton, {}, QStringLiteral("Loads a plan from a file"));
}

void SideColumn::buildLinks(QWidget &window)
{
    QWidget *w = &window;
    undoButton = makeButton(w, QStringLiteral("bt_undo"), {912, 288, 89, 22}, false);
    redoButton = makeButton(w, QStringLiteral("bt_redo"), {912, 331, 89, 22}, false);
    for (FlatButton *button : {undoButton, redoButton}) {
        // With nothing to undo or redo the link dims, as a disabled link does.
        QPalette p = button->palette();
        p.setColor(QPalette::Disabled, QPalette::ButtonText, DimMagenta);
        button->setPalette(p);
        button->setEnabled(false);
    }
    undoButton->setCaption(MoreStrings::englishOf(More::Undo));
    redoButton->setCaption(MoreStrings::englishOf(More::Redo));
    copyButton = makeButton(w, QStringLiteral("bt_copy"), {912, 547, 89, 22}, false);
    pasteButton = makeButton(w, QStringLiteral("bt_paste"), {912, 590, 89, 22}, false);
    copyButton->setCaption(MoreStrings::englishOf(More::CopyCode));
    pasteButton->setCaption(MoreStrings::englishOf(More::PasteCode));
    describe(copyButton, {},
             QStringLiteral("Puts the build code of the board on the clipboard (Ctrl+C)"));
    describe(pasteButton, {}, QStringLiteral("Loads the build code on the clipboard (Ctrl+V)"));
    summaryButton = makeButton(w, QStringLiteral("bt_summary"), {912, 633, 89, 22}, false);
    summaryButton->setCaption(MoreStrings::englishOf(More::Summary));
    describe(
        summaryButton, {},
        QStringLiteral("Shows the build as text and level by level, and saves its picture (F2)"));
    libraryButton = makeButton(w, QStringLiteral("bt_library"), {912, 374, 89, 22}, false);
    libraryButton->setCaption(MoreStrings::englishOf(More::Library));
    describe(libraryButton, {},
             QStringLiteral("Opens the library of kept builds (Ctrl+L); Ctrl+Shift+S keeps the "
                            "board in it"));
    compareButton = makeButton(w, QStringLiteral("bt_compare"), {912, 676, 89, 22}, false);
    compareButton->setCaption(MoreStrings::englishOf(More::Compare));
    describe(compareButton, {},
             QStringLiteral("Compares the board with another build: a code, a plan file or the "
                            "board as it is now (Ctrl+Shift+V, Ctrl+Shift+O, Ctrl+Shift+B)"));
    describe(undoButton, {}, QStringLiteral("Takes back the last change of the board (Ctrl+Z)"));
    describe(redoButton, {},
             QStringLiteral("Makes the change taken back again (Ctrl+Shift+Z or Ctrl+Y)"));
}

QList<QWidget *> SideColumn::linksInTabOrder() const
{
    return {aboutButton, undoButton, redoButton,  libraryButton, resetButton,  saveButton,
            loadButton,  copyButton, pasteButton, summaryButton, compareButton};
}

void SideColumn::showLanguage(const UiStrings &strings, const MoreStrings &more, int classToSelect,
                              int totalPoints)
{
    showCounters(strings, totalPoints);
    languageLabel->setCaption(strings.at(Str::Language));
    classLabel->setCaption(strings.at(Str::Class));
    classBox->clear();
    classBox->addItems(strings.classNames());
    // A class past the new list falls back to the first class.
    classBox->select(classToSelect >= 0 && classToSelect < classBox->count() ? classToSelect : 0);

    saveButton->setCaption(strings.at(Str::Save));
    loadButton->setCaption(strings.at(Str::Load));
    resetButton->setCaption(strings.at(Str::Reset));
    undoButton->setCaption(more.at(More::Undo));
    redoButton->setCaption(more.at(More::Redo));
    copyButton->setCaption(more.at(More::CopyCode));
    summaryButton->setCaption(more.at(More::Summary));
    compareButton->setCaption(more.at(More::Compare));
    libraryButton->setCaption(more.at(More::Library));
    showLinkHints(more);
    pasteButton->setCaption(more.at(More::PasteCode));
}

void SideColumn::showCounters(const UiStrings &strings, int totalPoints)
{
    spentLabel->setCaption(counterCaption(strings.at(Str::Spent), totalPoints));
    freeLabel->setCaption(counterCaption(strings.at(Str::Free), freePoints(totalPoints)));
    levelLabel->setCaption(counterCaption(strings.at(Str::Level), characterLevel(totalPoints)));
}

void SideColumn::showLinkHints(const MoreStrings &more)
{
    // Each link's hint says what it does and, in brackets, its key.
    const auto hint = [&more](FlatButton *link, More text, const QString &key) {
        link->setToolTip(more.at(text) + QStringLiteral(" (") + key + u')');
    };
    hint(aboutButton, More::AboutHint, QStringLiteral("F1"));
    hint(undoButton, More::UndoHint, QStringLiteral("Ctrl+Z"));
    hint(redoButton, More::RedoHint, QStringLiteral("Ctrl+Shift+Z, Ctrl+Y"));
    hint(resetButton, More::ResetHint, QStringLiteral("Ctrl+R"));
    hint(saveButton, More::SaveHint, QStringLiteral("Ctrl+S"));
    hint(loadButton, More::LoadHint, QStringLiteral("Ctrl+O"));
    hint(copyButton, More::CopyHint, QStringLiteral("Ctrl+C"));
    hint(pasteButton, More::PasteHint, QStringLiteral("Ctrl+V"));
    hint(summaryButton, More::SummaryHint, QStringLiteral("F2"));
    hint(libraryButton, More::LibraryHint, QStringLiteral("Ctrl+L; Ctrl+Shift+S: keep the board"));
    hint(compareButton, More::CompareHint,
         QStringLiteral("Ctrl+Shift+V, Ctrl+Shift+O, Ctrl+Shift+B; Escape: stop"));
}
