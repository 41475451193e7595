// The window's design: every control at its place, with its font and colours.
#include "choice_box.h"
#include "flat_button.h"
#include "fonts.h"
#include "image_control.h"
#include "label_control.h"
#include "main_window.h"
#include "panel_control.h"

#include <QLineEdit>

namespace {

constexpr int ClientWidth = 1009;
constexpr int ClientHeight = 721;
constexpr int SmallFont = 11; // Tahoma 8 pt
constexpr int LargeFont = 13; // Tahoma 10 pt

const QColor TreeLabelColour(238, 221, 17);
const QColor Magenta(255, 0, 255);
const QColor Red(255, 0, 0);
const QColor Lime(0, 255, 0);
const QColor White(255, 255, 255);
const QColor Gold(255, 216, 0);

LabelControl *makeLabel(QWidget *parent, const QString &name, QPoint at, const QFont &font,
                        const QColor &colour)
{
    auto *label = new LabelControl(parent, name);
    label->setFont(font);
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

ChoiceBox *makeChoiceBox(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = new ChoiceBox(parent, name);
    box->setFont(tahoma(SmallFont));
    box->setGeometry(geometry);
    box->setStyleSheet(QStringLiteral("QComboBox { background: black; color: #00ff00; "
                                      "border: 1px solid #3c3c3c; padding-left: 2px; }"
                                      "QComboBox QAbstractItemView { background: black; "
                                      "color: #00ff00; selection-background-color: #1f4f1f; }"));
    return box;
}

// What assistive technology says of a control. Labels and buttons are named by their captions, in
// the interface's language, so only their description is given; other controls get a name too.
void describe(QWidget *control, const QString &name, const QString &description)
{
    if (!name.isEmpty())
        control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

QImage blankBackground()
{
    QImage image(300, 717, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

void TForm1::buildDesign()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(MainCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(tahoma(SmallFont));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    const int treeLeft[TreeCount] = {0, 305, 610};
    const int labelLeft[TreeCount] = {35, 340, 647};
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        imv[t] = new ImageControl(this, QStringLiteral("imv") + n);
        imv[t]->setGeometry(treeLeft[t], 0, 300, 717);
        imv[t]->setAutoSize(true);
        imv[t]->setPicture(blankBackground());
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        imc[t] = new ImageControl(this, QStringLiteral("imc") + n);
        imc[t]->setGeometry(treeLeft[t], 690, 27, 27);
        imc[t]->setAutoSize(true);
        lbc[t] = makeLabel(this, QStringLiteral("lbc") + n, {labelLeft[t], 697},
                           tahoma(LargeFont, true), TreeLabelColour);
        lbc[t]->setCaption(QStringLiteral("lbc") + n);
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        describe(imv[t], QStringLiteral("Tree ") + n,
                 QStringLiteral("The picture behind talent tree ") + n);
        describe(imc[t], QStringLiteral("Tree ") + n + QStringLiteral(" emblem"),
                 QStringLiteral("The emblem of talent tree ") + n);
        describe(lbc[t], {},
                 QStringLiteral("The name of tree ") + n +
                     QStringLiteral(" and the points spent in it"));
    }
    buildSidebar();

    p_info = new PanelControl(this, QStringLiteral("p_info"));
    p_info->setGeometry(120, 40, 355, 420);
    QPalette black = p_info->palette();
    black.setColor(QPalette::Window, Qt::black);
    p_info->setPalette(black);
    p_info->hide();
    lb_name = makeLabel(p_info, QStringLiteral("lb_name"), {6, 1}, tahoma(LargeFont, true), White);
    lb_rang = makeLabel(p_info, QStringLiteral("lb_rang"), {6, 16}, tahoma(SmallFont), White);
    lb_rang->setAutoSize(false);
    lb_rang->resize(345, 13);
    lb_treb = makeLabel(p_info, QStringLiteral("lb_treb"), {6, 31}, tahoma(SmallFont), White);
    lb_treb->setAutoSize(false);
    lb_treb->resize(345, 26);
    lb_text = makeLabel(p_info, QStringLiteral("lb_text"), {6, 57}, tahoma(SmallFont), Gold);
    lb_text->setAutoSize(false);
    lb_text->resize(345, 325);
    lb_text->setWordWrap(true);
    lb_inc = makeLabel(p_info, QStringLiteral("lb_inc"), {2, 391}, tahoma(SmallFont), Lime);
    lb_inc->setBackground(Qt::black);
    lb_dec = makeLabel(p_info, QStringLiteral("lb_dec"), {202, 394}, tahoma(SmallFont), Red);
    lb_dec->setBackground(Qt::black);
    describe(p_info, QStringLiteral("Talent details"),
             QStringLiteral("The talent under the pointer: its rank, requirements and effects"));
    describe(lb_name, {}, QStringLiteral("The talent's name"));
    describe(lb_rang, {}, QStringLiteral("The talent's rank"));
    describe(lb_treb, {}, QStringLiteral("What the talent needs before a point can go into it"));
    describe(lb_text, {}, QStringLiteral("What the talent does at its current and next rank"));
    describe(lb_inc, {}, QStringLiteral("A left press spends a point"));
    describe(lb_dec, {}, QStringLiteral("A right press gives a point back"));
}

void TForm1::buildSidebar()
{
    sp_ab = makeButton(this, QStringLiteral("sp_ab"), {912, 8, 89, 22}, true);
    sp_ab->setCaption(QStringLiteral("About"));
    lb_lang = makeLabel(this, QStringLiteral("lb_lang"), {912, 71}, tahoma(SmallFont), Red);
    cb_lang = makeChoiceBox(this, QStringLiteral("cb_lang"), {912, 85, 92, 21});
    lb_class = makeLabel(this, QStringLiteral("lb_class"), {912, 116}, tahoma(SmallFont), Red);
    cb_class = makeChoiceBox(this, QStringLiteral("cb_class"), {912, 132, 92, 21});
    Lb_Free = makeLabel(this, QStringLiteral("Lb_Free"), {912, 183}, tahoma(LargeFont, true), Red);
    lb_tot = makeLabel(this, QStringLiteral("lb_tot"), {912, 210}, tahoma(LargeFont, true), Red);
    lb_lvl = makeLabel(this, QStringLiteral("lb_lvl"), {912, 234}, tahoma(LargeFont, true), Red);
    for (LabelControl *l : {lb_lang, lb_class, Lb_Free, lb_tot, lb_lvl})
        l->setCaption(l->objectName());

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(916, 264, 1, 21);
    Edit1->setReadOnly(true);
    QPalette p = Edit1->palette();
    p.setColor(QPalette::Base, Qt::black);
    Edit1->setPalette(p);
    Edit1->hide();

    bt_reset = makeButton(this, QStringLiteral("bt_reset"), {912, 417, 89, 22}, false);
    sp_save = makeButton(this, QStringLiteral("sp_save"), {912, 460, 89, 22}, false);
    sp_load = makeButton(this, QStringLiteral("sp_load"), {912, 504, 89, 22}, false);
    bt_reset->setCaption(QStringLiteral("Reset"));
    sp_save->setCaption(QStringLiteral("Save"));
    sp_load->setCaption(QStringLiteral("Load"));

    describe(sp_ab, {}, QStringLiteral("Shows who made the planner"));
    describe(lb_lang, {}, QStringLiteral("Caption of the language list"));
    // On Linux a list is announced by its selection and named by the label it is the buddy of.
    lb_lang->setBuddy(cb_lang);
    lb_class->setBuddy(cb_class);
    describe(cb_lang, QStringLiteral("Language"), QStringLiteral("The language of the planner"));
    describe(lb_class, {}, QStringLiteral("Caption of the class list"));
    describe(cb_class, QStringLiteral("Class"),
             QStringLiteral("The class whose three talent trees are shown"));
    describe(Lb_Free, {}, QStringLiteral("Points left to spend"));
    describe(lb_tot, {}, QStringLiteral("Points spent"));
    describe(lb_lvl, {}, QStringLiteral("The character level the plan needs"));
    describe(Edit1, QStringLiteral("Focus rest"),
             QStringLiteral("Holds the keyboard focus after a choice in a list; never shown"));
    describe(bt_reset, {}, QStringLiteral("Gives back every point spent"));
    describe(sp_save, {}, QStringLiteral("Saves the plan to a file"));
    describe(sp_load, {}, QStringLiteral("Loads a plan from a file"));
}
