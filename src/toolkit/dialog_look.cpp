#include "toolkit/dialog_look.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>

namespace {

const QColor Black(0, 0, 0);
const QColor Green(0, 255, 0); // the text of the window's lists
const QColor Face(31, 31, 31); // buttons, headers and every second row
const QColor Chosen(31, 79, 31);
const QColor Greyed(128, 128, 128);
const QColor Link(255, 0, 255); // the window's links are magenta
const QColor Frame(128, 128, 128);

} // namespace

QPalette darkDialogPalette()
{
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        const QColor text = off ? Greyed : Green;
        p.setColor(group, QPalette::Window, Black);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, Black);
        p.setColor(group, QPalette::AlternateBase, Face);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::PlaceholderText, Greyed);
        p.setColor(group, QPalette::Button, Face);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::Highlight, off ? Face : Chosen);
        p.setColor(group, QPalette::HighlightedText, off ? Greyed : Qt::white);
        p.setColor(group, QPalette::Link, Link);
        p.setColor(group, QPalette::LinkVisited, Link);
        p.setColor(group, QPalette::ToolTipBase, Black);
        p.setColor(group, QPalette::ToolTipText, Qt::white);
        // The bevels of buttons, frames and scroll bars, a few shades of the face.
        p.setColor(group, QPalette::Light, QColor(80, 80, 80));
        p.setColor(group, QPalette::Midlight, QColor(60, 60, 60));
        p.setColor(group, QPalette::Mid, QColor(45, 45, 45));
        p.setColor(group, QPalette::Dark, QColor(20, 20, 20));
        p.setColor(group, QPalette::Shadow, Black);
    }
    return p;
}

void applyDialogLook(QWidget *dialog)
{
    dialog->setPalette(darkDialogPalette());
    // The style draws a check box's or radio button's frame a shade darker than the ground, which
    // on black is black: theirs is drawn from a grey ground of their own (they paint no ground).
    const auto frameOnGrey = [](QWidget *box) {
        QPalette p = box->palette();
        p.setColor(QPalette::Window, Frame);
        box->setPalette(p);
    };
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
        frameOnGrey(box);
    for (QRadioButton *button : dialog->findChildren<QRadioButton *>())
        frameOnGrey(button);
}
