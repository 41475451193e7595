// The window's design: every control at its place, with its font and colours.
#include "shell/main_window.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/fonts.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/panel_control.h"

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

void MainWindow::buildDesign()
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
        treeBackgrounds_[t] = new ImageControl(this, QStringLiteral("imv") + n);
        treeBackgrounds_[t]->setGeometry(treeLeft[t], 0, 300, 717);
        treeBackgrounds_[t]->setAutoSize(true);
        treeBackgrounds_[t]->setPicture(blankBackground());
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        treeEmblems_[t] = new ImageControl(this, QStringLiteral("imc") + n);
        treeEmblems_[t]->setGeometry(treeLeft[t], 690, 27, 27);
        treeEmblems_[t]->setAutoSize(true);
        treeLabels_[t] = makeLabel(this, QStringLiteral("lbc") + n, {labelLeft[t], 697},
                                   tahoma(LargeFont, true), TreeLabelColour);
        treeLabels_[t]->setCaption(QStringLiteral("lbc") + n);
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        describe(treeBackgrounds_[t], QStringLiteral("Tree ") + n,
                 QStringLiteral("The picture behind talent tree ") + n);
        describe(treeEmblems_[t], QStringLiteral("Tree ") + n + QStringLiteral(" emblem"),
                 QStringLiteral("The emblem of talent tree ") + n);
        describe(treeLabels_[t], {},
                 QStringLiteral("The name of tree ") + n +
                     QStringLiteral(" and the points spent in it"));
    }
    buildSidebar();

    tooltip_ = new PanelControl(this, QStringLiteral("p_info"));
    tooltip_->setGeometry(120, 40, 355, 420);
    QPalette black = tooltip_->palette();
    black.setColor(QPalette::Window, Qt::black);
    tooltip_->setPalette(black);
    tooltip_->hide();
    tooltipName_ =
        makeLabel(tooltip_, QStringLiteral("lb_name"), {6, 1}, tahoma(LargeFont, true), White);
    tooltipRank_ =
        makeLabel(tooltip_, QStringLiteral("lb_rang"), {6, 16}, tahoma(SmallFont), White);
    tooltipRank_->setAutoSize(false);
    tooltipRank_->resize(345, 13);
    tooltipRequirement_ =
        makeLabel(tooltip_, QStringLiteral("lb_treb"), {6, 31}, tahoma(SmallFont), White);
    tooltipRequirement_->setAutoSize(false);
    tooltipRequirement_->resize(345, 26);
    tooltipText_ = makeLabel(tooltip_, QStringLiteral("lb_text"), {6, 57}, tahoma(SmallFont), Gold);
    tooltipText_->setAutoSize(false);
    tooltipText_->resize(345, 325);
    tooltipText_->setWordWrap(true);
    learnHint_ = makeLabel(tooltip_, QStringLiteral("lb_inc"), {2, 391}, tahoma(SmallFont), Lime);
    learnHint_->setBackground(Qt::black);
    unlearnHint_ =
        makeLabel(tooltip_, QStringLiteral("lb_dec"), {202, 394}, tahoma(SmallFont), Red);
    unlearnHint_->setBackground(Qt::black);
    describe(tooltip_, QStringLiteral("Talent details"),
             QStringLiteral("The talent under the pointer: its rank, requirements and effects"));
    describe(tooltipName_, {}, QStringLiteral("The talent's name"));
    describe(tooltipRank_, {}, QStringLiteral("The talent's rank"));
    describe(tooltipRequirement_, {},
             QStringLiteral("What the talent needs before a point can go into it"));
    describe(tooltipText_, {}, QStringLiteral("What the talent does at its current and next rank"));
    describe(learnHint_, {}, QStringLiteral("A left press spends a point"));
    describe(unlearnHint_, {}, QStringLiteral("A right press gives a point back"));
}

void MainWindow::buildSidebar()
{
    aboutButton_ = makeButton(this, QStringLiteral("sp_ab"), {912, 8, 89, 22}, true);
    aboutButton_->setCaption(QStringLiteral("About"));
    languageLabel_ = makeLabel(this, QStringLiteral("lb_lang"), {912, 71}, tahoma(SmallFont), Red);
    languageBox_ = makeChoiceBox(this, QStringLiteral("cb_lang"), {912, 85, 92, 21});
    classLabel_ = makeLabel(this, QStringLiteral("lb_class"), {912, 116}, tahoma(SmallFont), Red);
    classBox_ = makeChoiceBox(this, QStringLiteral("cb_class"), {912, 132, 92, 21});
    freeLabel_ =
        makeLabel(this, QStringLiteral("Lb_Free"), {912, 183}, tahoma(LargeFont, true), Red);
    spentLabel_ =
        makeLabel(this, QStringLiteral("lb_tot"), {912, 210}, tahoma(LargeFont, true), Red);
    levelLabel_ =
        makeLabel(this, QStringLiteral("lb_lvl"), {912, 234}, tahoma(LargeFont, true), Red);
    for (LabelControl *l : {languageLabel_, classLabel_, freeLabel_, spentLabel_, levelLabel_})
        l->setCaption(l->objectName());

    focusSink_ = new QLineEdit(this);
    focusSink_->setObjectName(QStringLiteral("Edit1"));
    focusSink_->setGeometry(916, 264, 1, 21);
    focusSink_->setReadOnly(true);
    QPalette p = focusSink_->palette();
    p.setColor(QPalette::Base, Qt::black);
    focusSink_->setPalette(p);
    focusSink_->hide();

    resetButton_ = makeButton(this, QStringLiteral("bt_reset"), {912, 417, 89, 22}, false);
    saveButton_ = makeButton(this, QStringLiteral("sp_save"), {912, 460, 89, 22}, false);
    loadButton_ = makeButton(this, QStringLiteral("sp_load"), {912, 504, 89, 22}, false);
    resetButton_->setCaption(QStringLiteral("Reset"));
    saveButton_->setCaption(QStringLiteral("Save"));
    loadButton_->setCaption(QStringLiteral("Load"));

    describe(aboutButton_, {}, QStringLiteral("Shows who made the planner"));
    describe(languageLabel_, {}, QStringLiteral("Caption of the language list"));
    // On Linux a list is announced by its selection and named by the label it is the buddy of.
    languageLabel_->setBuddy(languageBox_);
    classLabel_->setBuddy(classBox_);
    describe(languageBox_, QStringLiteral("Language"),
             QStringLiteral("The language of the planner"));
    describe(classLabel_, {}, QStringLiteral("Caption of the class list"));
    describe(classBox_, QStringLiteral("Class"),
             QStringLiteral("The class whose three talent trees are shown"));
    describe(freeLabel_, {}, QStringLiteral("Points left to spend"));
    describe(spentLabel_, {}, QStringLiteral("Points spent"));
    describe(levelLabel_, {}, QStringLiteral("The character level the plan needs"));
    describe(focusSink_, QStringLiteral("Focus rest"),
             QStringLiteral("Holds the keyboard focus after a choice in a list; never shown"));
    describe(resetButton_, {}, QStringLiteral("Gives back every point spent"));
    describe(saveButton_, {}, QStringLiteral("Saves the plan to a file"));
    describe(loadButton_, {}, QStringLiteral("Loads a plan from a file"));
}
