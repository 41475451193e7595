// Start-up, the board's controls, the class box and shut-down.
#include "main_window.h"

#include "about_dialog.h"
#include "choice_box.h"
#include "dialogs.h"
#include "error.h"
#include "error_report.h"
#include "flat_button.h"
#include "image_control.h"
#include "label_control.h"
#include "language_memory.h"
#include "panel_control.h"
#include "read_file.h"
#include "text_lines.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

TForm1::TForm1(const QString &exeDir, QWidget *parent) : QWidget(parent), exeDir_(exeDir)
{
    buildDesign();
    connect(cb_lang, &ChoiceBox::chosen, this, [this] { guarded([this] { cb_langClick(); }); });
    connect(cb_class, &ChoiceBox::chosen, this, [this] { guarded([this] { cb_classClick(); }); });
    connect(bt_reset, &FlatButton::clicked, this, [this] { guarded([this] { bt_resetClick(); }); });
    connect(sp_save, &FlatButton::clicked, this, [this] { guarded([this] { sp_saveClick(); }); });
    connect(sp_load, &FlatButton::clicked, this, [this] { guarded([this] { sp_loadClick(); }); });
    connect(sp_ab, &FlatButton::clicked, this, [this] { guarded([this] { sp_abClick(); }); });
    guarded([this] { FormCreate(); });
    // The About dialog is made once, after the window, and lives as long as it.
    fr_a = new Tfr_a(this, [this] { return langCode_; });
}

void TForm1::sp_abClick()
{
    dialogs().runModal(fr_a);
}

TForm1::~TForm1() = default;

QString TForm1::dataPath(const QString &relative) const
{
    return exeDir_.filePath(QStringLiteral("datas/") + relative);
}

const TalentCell &TForm1::cell(int slot, int tree) const
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

TalentCell &TForm1::cellAt(int slot, int tree)
{
    return cells_.at(static_cast<size_t>(tree - 1)).at(static_cast<size_t>(slot - 1));
}

void TForm1::StartTaL()
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
                guarded([&] { ClickTalant(icon, button); });
            });
            connect(icon, &ImageControl::entered, this,
                    [this, icon] { guarded([&] { MouseEnter(icon); }); });
            connect(icon, &ImageControl::left, this, [this] { guarded([&] { MuseLeave(); }); });
            c.rankLabel = new LabelControl(this);
            c.rankLabel->setBackground(Qt::black);
            c.rankLabel->setAutoSize(true);
            c.rankLabel->hide();
            // Named after its talent and rank once a talent is placed on it (see priris).
            c.icon->setAccessibleName(QStringLiteral("Empty talent place"));
            c.icon->setAccessibleDescription(QStringLiteral(
                "A talent: a left press spends a point, a right press gives one back"));
            c.iconSource->setAccessibleName(QStringLiteral("Talent picture"));
            c.iconSource->setAccessibleDescription(
                QStringLiteral("The talent's picture in colour"));
            c.rankLabel->setAccessibleDescription(QStringLiteral("The talent's rank"));
        }
    }
    for (const ArrowEntry &entry : arrowList_) {
        entry.image->setAccessibleName(QStringLiteral("Prerequisite arrow"));
        entry.image->setAccessibleDescription(
            QStringLiteral("Points from a talent to the talent that needs it"));
    }
    // The tooltip lies over everything the board creates.
    p_info->raise();
}

void TForm1::FormCreate()
{
    StartTaL();
    uiStrings_.clear();

    const QString languageList = dataPath(QStringLiteral("la.ini"));
    if (!QFileInfo::exists(languageList)) {
        Fatals(QStringLiteral("File ") + languageList + QStringLiteral(" not found "));
        return;
    }
    cb_lang->clear();
    cb_lang->addItems(readListFile(languageList));

    const QString lastLanguage = dataPath(QStringLiteral("last.ini"));
    if (!QFileInfo::exists(lastLanguage)) {
        Fatals(QStringLiteral("File ") + lastLanguage + QStringLiteral(" not found "));
        return;
    }
    // The data folder's file must be there even when the user's own file is the one read.
    const QString rememberedIn = LanguageMemory::beside(lastLanguage).fileToRead();
    const QStringList lines = readListFile(rememberedIn);
    const QString first = lines.isEmpty() ? QString() : lines.first();
    const auto index = parseDecimal(trimControl(first));
    if (!index)
        throw Error(rememberedIn + QStringLiteral(": ") + notAnIntegerMessage(first));
    cb_lang->select(*index);

    setlang();
    InitTabl();
}

void TForm1::Fatals(const QString &text)
{
    dialogs().message(this, QStringLiteral("Error"), text);
    // Nothing more of the start-up runs: the program ends as soon as the window's creation returns.
    endRequested_ = true;
}

void TForm1::FormClose()
{
    if (cb_lang->currentIndex() < 0)
        cb_lang->select(0);
    const int index = std::max(cb_lang->currentIndex(), 0);
    LanguageMemory::beside(dataPath(QStringLiteral("last.ini"))).remember(index);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The language is remembered when possible; a user is never kept in a window that cannot
    // save it, so the window closes either way.
    if (!endRequested_)
        guarded([this] { FormClose(); });
    event->accept();
}

void TForm1::cb_classClick()
{
    setWindowEnabled(false);
    ScopeExit restore([this] {
        setWindowEnabled(true);
        parkFocus();
    });
    InitTabl();
}

void TForm1::setWindowEnabled(bool on)
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

void TForm1::disableWhileDialogOpen()
{
    if (busyDepth_ == 0 || shownDisabled_)
        return;
    shownDisabled_ = true;
    setEnabled(false);
}

void TForm1::parkFocus()
{
    // Takes the keyboard focus away from the boxes, so that arrow keys do not change them.
    Edit1->show();
    Edit1->setFocus();
    Edit1->hide();
    if (QWidget *f = focusWidget(); f && f != this)
        f->clearFocus();
}
