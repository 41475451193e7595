// The window's design, and its controls and keys wired to the handlers.
#include "base/version.h"
#include "board/fonts.h"
#include "build/level_view.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/message_line.h"
#include "ui/about_dialog.h"
#include "ui/main_window.h"
#include "ui/window_controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace {

constexpr int ClientWidth = 1009;
constexpr int ClientHeight = 721;

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

void MainWindow::buildDesign()
{
    setObjectName(QStringLiteral("Form1"));
    showCaption();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(tahoma(SmallFont));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    side_.emplace(*this);
    // A plan file or a text holding a build code may be dropped on the window.
    setAcceptDrops(true);

    treeMenu_ = new QMenu(this);
    treeMenu_->setObjectName(QStringLiteral("treeMenu"));
    styleMenu(*treeMenu_);
    QAction *resetTree = treeMenu_->addAction(MoreStrings::englishOf(More::ResetTree));
    resetTree->setObjectName(QStringLiteral("resetTreeAction"));
    resetTree->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    buildCompareMenu();
}

void MainWindow::buildTabOrder()
{
    // The side panel's lists, the board as one stop, then the side panel's links top to bottom.
    const QList<QWidget *> chain =
        QList<QWidget *>{findChild<QLineEdit *>(QStringLiteral("ed_search")), side_->languageBox,
                         side_->classBox, board_} +
        side_->linksInTabOrder();
    for (qsizetype k = 0; k + 1 < chain.size(); ++k)
        setTabOrder(chain[k], chain[k + 1]);
    // The window opens with the first stop of the chain focused.
    side_->languageBox->setFocus();
}

void MainWindow::connectHandlers()
{
    const SideColumn &s = *side_;
    connectGuarded(s.languageBox, &ChoiceBox::chosen, this, [this](int i) { languageChosen(i); });
    connectGuarded(s.classBox, &ChoiceBox::chosen, this, [this](int i) { classChosen(i); });
    connectGuarded(s.resetButton, &FlatButton::clicked, this, [this] { resetPressed(); });
    connectGuarded(s.saveButton, &FlatButton::clicked, this, [this] { savePressed(); });
    connectGuarded(s.loadButton, &FlatButton::clicked, this, [this] { loadPressed(); });
    connectGuarded(s.aboutButton, &FlatButton::clicked, this, [this] { aboutPressed(); });
    connectGuarded(s.undoButton, &FlatButton::clicked, this, [this] { walkHistory(true); });
    connectGuarded(s.redoButton, &FlatButton::clicked, this, [this] { walkHistory(false); });
    connectGuarded(s.copyButton, &FlatButton::clicked, this, [this] { copyCode(); });
    connectGuarded(s.pasteButton, &FlatButton::clicked, this, [this] { pasteCode(); });
    connectGuarded(s.summaryButton, &FlatButton::clicked, this, [this] { summaryPressed(); });
    connectGuarded(s.compareButton, &FlatButton::clicked, this, [this] { comparePressed(); });
    connectGuarded(s.libraryButton, &FlatButton::clicked, this, [this] { openLibrary(false); });
    connectShortcuts();
    connectGuarded(treeMenu_->actions().constFirst(), &QAction::triggered, this,
                   [this] { build_->resetTree(treeMenuTree_); });
    connect(board_, &BoardView::pressAnswered, s.messageLine, &MessageLine::showMessage);
    connect(board_, &BoardView::treeMenuWanted, this,
            [this](int tree, const QPoint &at) { openTreeMenu(tree, at); });
}

void MainWindow::connectShortcuts()
{
    const auto shortcut = [this](const QKeySequence &sequence, auto handler) {
        auto *s = new QShortcut(sequence, this);
        connectGuarded(s, &QShortcut::activated, this, handler);
    };
    shortcut(keys(Qt::CTRL | Qt::Key_Z), [this] { walkHistory(true); });
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { walkHistory(false); });
    shortcut(keys(Qt::CTRL | Qt::Key_Y), [this] { walkHistory(false); });
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
             [this] { build_->resetTree(board_->treeOfFocus()); });
    shortcut(keys(Qt::Key_F2), [this] { summaryPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_S), [this] { savePressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_O), [this] { loadPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_R), [this] { resetPressed(); });
    shortcut(keys(Qt::Key_F1), [this] { aboutPressed(); });
    shortcut(keys(Qt::CTRL | Qt::Key_F), [this] { board_->openSearch(); });
    shortcut(keys(Qt::Key_F3), [this] { board_->showNextMatch(); });
    // Copy and paste act on the board only while no text field takes them for itself.
    const auto outsideText = [this](auto action) {
        return [this, action] {
            if (!qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                (this->*action)();
        };
    };
    shortcut(keys(Qt::CTRL | Qt::Key_C), outsideText(&MainWindow::copyCode));
    shortcut(keys(Qt::CTRL | Qt::Key_V), outsideText(&MainWindow::pasteCode));
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V), outsideText(&MainWindow::compareWithCode));
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { compareWithPlan(); });
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_B), [this] { compareWithBoard(); });
    shortcut(keys(Qt::CTRL | Qt::Key_L), [this] { openLibrary(false); });
    shortcut(keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { keepBoardInLibrary(false); });
    // The board at an earlier level of its build.
    shortcut(keys(Qt::ALT | Qt::Key_Left), [this] { levels_->stepBy(-1); });
    shortcut(keys(Qt::ALT | Qt::Key_Right), [this] { levels_->stepBy(1); });
    shortcut(keys(Qt::ALT | Qt::Key_Home), [this] { levels_->goTo(FirstLevel); });
    shortcut(keys(Qt::ALT | Qt::Key_End), [this] { levels_->toEnd(); });
}

void MainWindow::openTreeMenu(int tree, const QPoint &globalAt)
{
    treeMenuTree_ = tree;
    treeMenu_->popup(globalAt);
}

void MainWindow::aboutPressed()
{
    // Made at its first showing, not with the window, whose first frame need not wait for it; it
    // then lives as long as the window.
    if (!aboutDialog_)
        aboutDialog_ = new AboutDialog(this, [this] { return build_->languageCode(); });
    dialogs().runModal(aboutDialog_);
}
