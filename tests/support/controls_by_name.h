#pragma once

#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "ui/tooltip_widget.h"

#include <QByteArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

// The window's controls, found as assistive technology and a user find them: by object name.
// A control that is not there ends the test at once, naming it.
template <typename Control> Control *control(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    if (!found) {
        std::fprintf(stderr, "No control named %s\n", name.toUtf8().constData());
        std::abort();
    }
    return found;
}

inline ChoiceBox *languageBox(const QWidget &w)
{
    return control<ChoiceBox>(w, "cb_lang");
}
inline ChoiceBox *classBox(const QWidget &w)
{
    return control<ChoiceBox>(w, "cb_class");
}
inline LabelControl *languageLabel(const QWidget &w)
{
    return control<LabelControl>(w, "lb_lang");
}
inline LabelControl *classLabel(const QWidget &w)
{
    return control<LabelControl>(w, "lb_class");
}
inline LabelControl *freeLabel(const QWidget &w)
{
    return control<LabelControl>(w, "Lb_Free");
}
inline LabelControl *spentLabel(const QWidget &w)
{
    return control<LabelControl>(w, "lb_tot");
}
inline LabelControl *levelLabel(const QWidget &w)
{
    return control<LabelControl>(w, "lb_lvl");
}
inline FlatButton *resetButton(const QWidget &w)
{
    return control<FlatButton>(w, "bt_reset");
}
inline FlatButton *saveButton(const QWidget &w)
{
    return control<FlatButton>(w, "sp_save");
}
inline FlatButton *loadButton(const QWidget &w)
{
    return control<FlatButton>(w, "sp_load");
}
inline FlatButton *undoButton(const QWidget &w)
{
    return control<FlatButton>(w, "bt_undo");
}
inline FlatButton *redoButton(const QWidget &w)
{
    return control<FlatButton>(w, "bt_redo");
}
inline FlatButton *copyButton(const QWidget &w)
{
    return control<FlatButton>(w, "bt_copy");
}
inline FlatButton *pasteButton(const QWidget &w)
{
    return control<FlatButton>(w, "bt_paste");
}
inline FlatButton *aboutButton(const QWidget &w)
{
    return control<FlatButton>(w, "sp_ab");
}
inline QLineEdit *focusSink(const QWidget &w)
{
    return control<QLineEdit>(w, "Edit1");
}
// The tooltip panel, and its texts as the panel reports them: it paints them itself.
inline TooltipWidget *tooltip(const QWidget &w)
{
    return control<TooltipWidget>(w, "p_info");
}
// One text of the panel, read with `->` as the other controls are.
struct TooltipText {
    const TooltipWidget *panel;
    TooltipPart part;

    const QString &caption() const { return panel->text(part); }
    QRect geometry() const { return panel->textRect(part); }
    QColor fontColour() const { return panel->textColour(part); }
    bool isShown() const { return panel->showsText(part); }
    const TooltipText *operator->() const { return this; }
};
inline TooltipText tooltipName(const QWidget &w)
{
    return {tooltip(w), TooltipPart::Name};
}
inline TooltipText tooltipRank(const QWidget &w)
{
    return {tooltip(w), TooltipPart::Rank};
}
inline TooltipText tooltipLevels(const QWidget &w)
{
    return {tooltip(w), TooltipPart::Levels};
}
inline TooltipText tooltipRequirement(const QWidget &w)
{
    return {tooltip(w), TooltipPart::Requirements};
}
inline TooltipText tooltipText(const QWidget &w)
{
    return {tooltip(w), TooltipPart::Description};
}
inline TooltipText learnHint(const QWidget &w)
{
    return {tooltip(w), TooltipPart::LearnHint};
}
inline TooltipText unlearnHint(const QWidget &w)
{
    return {tooltip(w), TooltipPart::UnlearnHint};
}

// The About dialog's controls.
inline QPlainTextEdit *aboutText(const QWidget &d)
{
    return control<QPlainTextEdit>(d, "st1");
}
inline LabelControl *aboutLink(const QWidget &d)
{
    return control<LabelControl>(d, "lb_url");
}
inline QPushButton *aboutOkButton(const QWidget &d)
{
    return control<QPushButton>(d, "BitBtn1");
}
