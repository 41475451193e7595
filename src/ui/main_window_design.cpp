// The window's design: every control at its place, with its font and colours.
#include "base/version.h"
#include "board/cell_geometry.h"
#include "board/fonts.h"
#include "board/trees_picture.h"
#include "toolkit/choice_box.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"
#include "ui/main_window.h"
#include "ui/tooltip_panel.h"
#include "ui/window_controls.h"

#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int ClientWidth = 1009;
constexpr int ClientHeight = 721;

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
    setWindowTitle(QStringLiteral("Runeplan ") + QLatin1String(ProgramVersion));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(tahoma(SmallFont));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    // One black picture shared by the three trees until a class is shown.
    const QImage blank = blankBackground();
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        treeBackgrounds_[t] = new ImageControl(this, QStringLiteral("imv") + n);
        treeBackgrounds_[t]->setGeometry(QRect(treeBackgroundPosition(t + 1), QSize(300, 717)));
        treeBackgrounds_[t]->setAutoSize(true);
        treeBackgrounds_[t]->setPicture(blank);
    }
    for (int t = 0; t < TreeCount; ++t) {
        const QString n = QString::number(t + 1);
        treeEmblems_[t] = new ImageControl(this, QStringLiteral("imc") + n);
        treeEmblems_[t]->setGeometry(QRect(treeEmblemPosition(t + 1), QSize(27, 27)));
        treeEmblems_[t]->setAutoSize(true);
        treeLabels_[t] = makeLabel(this, QStringLiteral("lbc") + n, treeLabelPosition(t + 1),
                                   LargeFont, true, TreeLabelColour);
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
    buildHistoryControls();

    tooltip_ = std::make_unique<TooltipPanel>(*this);
}

void MainWindow::buildSidebar()
{
    aboutButton_ = makeButton(this, QStringLiteral("sp_ab"), {912, 8, 89, 22}, true);
    aboutButton_->setCaption(QStringLiteral("About"));
    languageLabel_ = makeLabel(this, QStringLiteral("lb_lang"), {912, 71}, SmallFont, false, Red);
    languageBox_ = makeChoiceBox(this, QStringLiteral("cb_lang"), {912, 85, 92, 21});
    classLabel_ = makeLabel(this, QStringLiteral("lb_class"), {912, 116}, SmallFont, false, Red);
    classBox_ = makeChoiceBox(this, QStringLiteral("cb_class"), {912, 132, 92, 21});
    freeLabel_ = makeLabel(this, QStringLiteral("Lb_Free"), {912, 183}, LargeFont, true, Red);
    spentLabel_ = makeLabel(this, QStringLiteral("lb_tot"), {912, 210}, LargeFont, true, Red);
    levelLabel_ = makeLabel(this, QStringLiteral("lb_lvl"), {912, 234}, LargeFont, true, Red);
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
    // Why a press changed nothing, and other short news, in two lines above Undo.
    messageLine_ =
        new MessageLine(this, QStringLiteral("lb_msg"), {912, 264, 92, 22}, tahoma(SmallFont));
    QPalette red = messageLine_->palette();
    red.setColor(QPalette::WindowText, Red);
    messageLine_->setPalette(red);

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
             QStringLiteral("An empty field, never shown"));
    describe(messageLine_, {},
             QStringLiteral("Why the last press changed nothing, and other short news"));
    describe(resetButton_, {}, QStringLiteral("Gives back every point spent"));
    describe(saveButton_, {}, QStringLiteral("Saves the plan to a file"));
    describe(loadButton_, {}, QStringLiteral("Loads a plan from a file"));
}

void MainWindow::buildHistoryControls()
{
    undoButton_ = makeButton(this, QStringLiteral("bt_undo"), {912, 288, 89, 22}, false);
    redoButton_ = makeButton(this, QStringLiteral("bt_redo"), {912, 331, 89, 22}, false);
    for (FlatButton *button : {undoButton_, redoButton_}) {
        // With nothing to undo or redo the link dims, as a disabled link does.
        QPalette p = button->palette();
        p.setColor(QPalette::Disabled, QPalette::ButtonText, DimMagenta);
        button->setPalette(p);
        button->setEnabled(false);
    }
    undoButton_->setCaption(MoreStrings::englishOf(More::Undo));
    redoButton_->setCaption(MoreStrings::englishOf(More::Redo));
    copyButton_ = makeButton(this, QStringLiteral("bt_copy"), {912, 547, 89, 22}, false);
    pasteButton_ = makeButton(this, QStringLiteral("bt_paste"), {912, 590, 89, 22}, false);
    copyButton_->setCaption(MoreStrings::englishOf(More::CopyCode));
    pasteButton_->setCaption(MoreStrings::englishOf(More::PasteCode));
    describe(copyButton_, {},
             QStringLiteral("Puts the build code of the board on the clipboard (Ctrl+C)"));
    describe(pasteButton_, {}, QStringLiteral("Loads the build code on the clipboard (Ctrl+V)"));
    summaryButton_ = makeButton(this, QStringLiteral("bt_summary"), {912, 633, 89, 22}, false);
    summaryButton_->setCaption(MoreStrings::englishOf(More::Summary));
    describe(
        summaryButton_, {},
        QStringLiteral("Shows the build as text and level by level, and saves its picture (F2)"));
    // A plan file or a text holding a build code may be dropped on the window.
    setAcceptDrops(true);
    describe(undoButton_, {}, QStringLiteral("Takes back the last change of the board (Ctrl+Z)"));
    describe(redoButton_, {},
             QStringLiteral("Makes the change taken back again (Ctrl+Shift+Z or Ctrl+Y)"));

    treeMenu_ = new QMenu(this);
    treeMenu_->setObjectName(QStringLiteral("treeMenu"));
    treeMenu_->setFont(tahoma(SmallFont));
    // In the colours of the window's lists.
    treeMenu_->setStyleSheet(QStringLiteral("QMenu { background: black; color: #00ff00; "
                                            "border: 1px solid #3c3c3c; }"
                                            "QMenu::item:selected { background: #1f4f1f; }"));
    QAction *resetTree = treeMenu_->addAction(MoreStrings::englishOf(More::ResetTree));
    resetTree->setObjectName(QStringLiteral("resetTreeAction"));
    resetTree->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
}
