// Start-up, the board's controls, the class box and shut-down.
#include "shell/main_window.h"

#include "base/error.h"
#include "shell/about_dialog.h"
#include "shell/language_memory.h"
#include "talents/text_lines.h"
#include "toolkit/choice_box.h"
#include "toolkit/dialogs.h"
#include "toolkit/error_report.h"
#include "toolkit/flat_button.h"
#include "toolkit/image_control.h"
#include "toolkit/label_control.h"
#include "toolkit/panel_control.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

MainWindow::MainWindow(const QString &exeDir, QWidget *parent) : QWidget(parent), exeDir_(exeDir)
{
    buildDesign();
    connect(languageBox_, &ChoiceBox::chosen, this,
            [this] { guarded([this] { languageChosen(); }); });
    connect(classBox_, &ChoiceBox::chosen, this, [this] { guarded([this] { classChosen(); }); });
    connect(resetButton_, &FlatButton::clicked, this,
            [this] { guarded([this] { resetPressed(); }); });
    connect(saveButton_, &FlatButton::clicked, this,
            [this] { guarded([this] { savePressed(); }); });
    connect(loadButton_, &FlatButton::clicked, this,
            [this] { guarded([this] { loadPressed(); }); });
    connect(aboutButton_, &FlatButton::clicked, this,
            [this] { guarded([this] { aboutPressed(); }); });
    guarded([this] { startUp(); });
    // The About dialog is made once, after the window, and lives as long as it.
    aboutDialog_ = new AboutDialog(this, [this] { return langCode_; });
}

void MainWindow::aboutPressed()
{
    dialogs().runModal(aboutDialog_);
}

MainWindow::~MainWindow() = default;

QString MainWindow::dataPath(const QString &relative) const
{
    return exeDir_.filePath(QStringLiteral("datas/") + relative);
}

const TalentCell &MainWindow::cell(int slot, int tree) const
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

TalentCell &MainWindow::cellAt(int slot, int tree)
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

void MainWindow::createCells()
{
    createArrowImages();
    for (int tree = 1; tree <= TreeCount; ++tree) {
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            TalentCell &c = cellAt(slot, tree);
            c.iconSource = new ImageControl(this);
            c.iconSource->setAutoSize(true);
            c.iconSource->hide();
            c.icon = new ImageControl(this);
            c.icon->setAutoSize(true);
            c.icon->hide();
            c.icon->setEnabled(false);
            ImageControl *icon = c.icon;
            connect(icon, &ImageControl::pressed, this, [this, icon](Qt::MouseButton button) {
                guarded([&] { pressTalent(icon, button); });
            });
            connect(icon, &ImageControl::entered, this,
                    [this, icon] { guarded([&] { talentEntered(icon); }); });
            connect(icon, &ImageControl::left, this, [this] { guarded([&] { talentLeft(); }); });
            c.rankLabel = new LabelControl(this);
            c.rankLabel->setBackground(Qt::black);
            c.rankLabel->setAutoSize(true);
            c.rankLabel->hide();
            // Named after its talent and rank once a talent is placed on it (see drawRank).
            c.icon->setAccessibleName(QStringLiteral("Empty talent place"));
            c.icon->setAccessibleDescription(QStringLiteral(
                "A talent: a left press spends a point, a right press gives one back"));
            c.iconSource->setAccessibleName(QStringLiteral("Talent picture"));
            c.iconSource->setAccessibleDescription(
                QStringLiteral("The talent's picture in colour"));
            c.rankLabel->setAccessibleDescription(QStringLiteral("The talent's rank"));
        }
    }
    for (const ArrowEntry &entry : arrows_) {
        entry.image->setAccessibleName(QStringLiteral("Prerequisite arrow"));
        entry.image->setAccessibleDescription(
            QStringLiteral("Points from a talent to the talent that needs it"));
    }
    // The tooltip lies over everything the board creates.
    tooltip_->raise();
}

void MainWindow::startUp()
{
    createCells();
    uiStrings_.clear();

    const QString languageList = dataPath(QStringLiteral("la.ini"));
    if (!QFileInfo::exists(languageList)) {
        failStartUp(QStringLiteral("File ") + languageList + QStringLiteral(" not found "));
        return;
    }
    languageBox_->clear();
    languageBox_->addItems(readListFile(languageList));

    const QString lastLanguage = dataPath(QStringLiteral("last.ini"));
    if (!QFileInfo::exists(lastLanguage)) {
        failStartUp(QStringLiteral("File ") + lastLanguage + QStringLiteral(" not found "));
        return;
    }
    // The data folder's file must be there even when the user's own file is the one read.
    const QString rememberedIn = LanguageMemory::beside(lastLanguage).fileToRead();
    const QStringList lines = readListFile(rememberedIn);
    const QString first = lines.isEmpty() ? QString() : lines.first();
    const auto index = parseDecimal(trimControl(first));
    if (!index)
        throw Error(rememberedIn + QStringLiteral(": ") + notAnIntegerMessage(first));
    languageBox_->select(*index);

    applyLanguage();
    loadClass();
}

void MainWindow::failStartUp(const QString &text)
{
    dialogs().message(this, QStringLiteral("Error"), text);
    // Nothing more of the start-up runs: the program ends as soon as the window's creation returns.
    endRequested_ = true;
}

void MainWindow::shutDown()
{
    if (languageBox_->currentIndex() < 0)
        languageBox_->select(0);
    const int index = std::max(languageBox_->currentIndex(), 0);
    LanguageMemory::beside(dataPath(QStringLiteral("last.ini"))).remember(index);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The language is remembered when possible; a user is never kept in a window that cannot
    // save it, so the window closes either way.
    if (!endRequested_)
        guarded([this] { shutDown(); });
    event->accept();
}

void MainWindow::classChosen()
{
    setWindowEnabled(false);
    ScopeExit restore([this] {
        setWindowEnabled(true);
        parkFocus();
    });
    loadClass();
}

void MainWindow::setWindowEnabled(bool on)
{
    // While a handler works on the one interface thread no input reaches the window: events wait
    // until the handler returns, when the window takes input again. Disabling it control by
    // control would show nothing (nothing is painted meanwhile), cost about a fifth of the
    // non-picture work of a class load, and send a screen reader a "disabled" and an "enabled"
    // for every control of the board. So the window is disabled for real only while a dialog
    // of the work runs its own event loop, and the inner handlers of a load (the class load
    // inside a plan load) keep the window as the outer one set it.
    if (!on) {
        ++busyDepth_;
        return;
    }
    if (busyDepth_ > 0 && --busyDepth_ > 0)
        return;
    if (shownDisabled_) {
        shownDisabled_ = false;
        setEnabled(true);
    }
}

void MainWindow::disableWhileDialogOpen()
{
    if (busyDepth_ == 0 || shownDisabled_)
        return;
    shownDisabled_ = true;
    setEnabled(false);
}

void MainWindow::parkFocus()
{
    // Takes the keyboard focus away from the boxes, so that arrow keys do not change them.
    focusSink_->show();
    focusSink_->setFocus();
    focusSink_->hide();
    if (QWidget *f = focusWidget(); f && f != this)
        f->clearFocus();
}
