#include "ui/window_controls.h"

#include "board/fonts.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/label_control.h"

#include <QMenu>

LabelControl *makeLabel(QWidget *parent, const QString &name, QPoint at, int pixelSize, bool bold,
                        const QColor &colour)
{
    auto *label = new LabelControl(parent, name);
    label->setFont(tahoma(pixelSize, bold));
    label->setFontColour(colour);
    label->move(at);
    label->setAutoSize(true);
    return label;
}

FlatButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry, bool underline)
{
    auto *button = new FlatButton(parent, name);
    QFont font = tahoma(LargeFont, true);
    font.setUnderline(underline);
    button->setFont(font);
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, Magenta);
    p.setColor(QPalette::Button, Qt::black);
    button->setPalette(p);
    button->setGeometry(geometry);
    return button;
}

void styleMenu(QMenu &menu)
{
    menu.setFont(tahoma(SmallFont));
    menu.setStyleSheet(QStringLiteral("QMenu { background: black; color: #00ff00; "
                                      "border: 1px solid #3c3c3c; }"
                                      "QMenu::item:selected { background: #1f4f1f; }"));
}

ChoiceBox *makeChoiceBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new ChoiceBox(parent, name);
    box->setFont(tahoma(SmallFont));
    box->setGeometry(geometry);
    box->setStyleSheet(QStringLiteral("QComboBox { background: black; color: #00ff00; "
                                      "border: 1px solid #3c3c3c; padding-left: 2px; }"
                                      "QComboBox QAbstractItemView { background: black; "
                                      "color: #00ff00; selection-background-color: #1f4f1f; "
                                      "outline: 0; }"
                                      "QComboBox QAbstractItemView::item:hover, "
                                      "QComboBox QAbstractItemView::item:selected { "
                                      "background: #1f4f1f; color: #ffffff; }"
                                      "QComboBox:focus { border: 1px solid #00ff00; }"));
    return box;
}

void describe(QWidget *control, const QString &name, const QString &description)
{
    if (!name.isEmpty())
        control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}
#include <QMenu>
