#pragma once

#include "arrow_piece.h"
#include "class_layout.h"
#include "picture_cache.h"
#include "talent_cell.h"
#include "talent_table.h"
#include "ui_strings.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

class ChoiceBox;
struct PlanRanks;
class FlatButton;
class ImageControl;
class LabelControl;
class PanelControl;
class QLineEdit;
class Tfr_a;

// One prerequisite arrow: its image and the talent it points at.
struct ArrowEntry {
    ImageControl *image = nullptr;
    int slot = 0; // of the dependant; 0 when the entry is free
    int tree = 0;
    char variant = 'w';
};

// Title and starting folder of a file dialog; the dialog itself is shown through Dialogs.
struct FileDialogSettings {
    QString title;
    QString folder = QStringLiteral(".");
};

// The planner's main window: the three trees, the language and class boxes, the counters and the
// buttons. Creating it runs the start-up (FormCreate); closing it saves the language (FormClose).
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    // `exeDir` is the folder that holds the data folder "datas".
    explicit TForm1(const QString &exeDir, QWidget *parent = nullptr);
    ~TForm1() override;

    // Set when start-up met a fatal error: the program must end without showing the window.
    bool endRequested() const { return endRequested_; }

    // The state the board shows, for whoever needs to read it (the plan files, tests).
    const TalentTable &talents() const { return table_; }
    const TalentCell &cell(int slot, int tree) const;
    const UiStrings &strings() const { return uiStrings_; }
    const QString &langCode() const { return langCode_; }
    const std::array<ArrowEntry, ArrowCapacity> &arrows() const { return arrowList_; }
    int arrowCount() const { return arrowCount_; }
    // How many times an arrow has taken a bitmap so far (a file is read once per class load).
    int arrowReads() const { return arrowReads_; }
    QString dataPath(const QString &relative) const;

    // Handlers, public so that the window's controls and tests reach them alike.
    void InitTabl();
    void ClickTalant(ImageControl *sender, Qt::MouseButton button);
    void CheckVetka(int tree);
    void EndTalant();
    void priris(int slot, int tree);
    void setlang();
    void cb_langClick();
    void cb_classClick();
    void bt_resetClick();
    void sp_saveClick();
    void sp_loadClick();
    void sp_abClick();
    void MouseEnter(ImageControl *sender);
    void MuseLeave();
    void RisHint(int slot, int tree);
    void CheckArro();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDesign();
    void buildSidebar();
    void FormCreate();
    void FormClose();
    void Fatals(const QString &text);
    void StartTaL();
    void loadTree(int tree, const QString &classFolder);
    void placeTalent(int slot, int tree, const QImage &icon, int line, const QString &treeFile);
    void refreshCounterCaptions();
    void parkFocus();
    // A handler at work: false when it starts, true when it ends; calls nest.
    void setWindowEnabled(bool on);
    // A dialog is about to run in the middle of the work: the window shows itself disabled
    // until the work ends.
    void disableWhileDialogOpen();
    TalentCell &cellAt(int slot, int tree);
    void resetBoard();
    void applyPlan(const PlanRanks &plan);
    ClassLayout classLayoutForPlan(int classIndex, const QString &planPath) const;
    void createArrowImages();
    void clearArrows();
    // Hides the arrow images that the class on the board does not use.
    void hideUnusedArrows();
    void setarro(int entry, char variant);
    const QImage &arrowBitmap(const QString &path);
    void registerArrow(int slot, int tree, int line, const QString &treeFile);

    QDir exeDir_; // the folder of the program, where the data folder lies
    bool endRequested_ = false;
    int busyDepth_ = 0;          // handlers at work, one inside another
    bool shownDisabled_ = false; // the window really disabled for a dialog of the work
    TalentTable table_;
    std::array<std::array<TalentCell, SlotsPerTree>, TreeCount> cells_{};
    UiStrings uiStrings_;
    QString langCode_;
    std::array<ArrowEntry, ArrowCapacity> arrowList_{};
    int arrowCount_ = 0;
    int arrowReads_ = 0;
    // The arrow bitmaps, kept across loads while their files stay as they were.
    PictureCache arrowBitmaps_;

public:
    // Controls of the window, named as their object names.
    std::array<ImageControl *, TreeCount> imv{};
    std::array<ImageControl *, TreeCount> imc{};
    std::array<LabelControl *, TreeCount> lbc{};
    FlatButton *sp_ab = nullptr;
    LabelControl *lb_lang = nullptr;
    ChoiceBox *cb_lang = nullptr;
    LabelControl *lb_class = nullptr;
    ChoiceBox *cb_class = nullptr;
    LabelControl *Lb_Free = nullptr;
    LabelControl *lb_tot = nullptr;
    LabelControl *lb_lvl = nullptr;
    QLineEdit *Edit1 = nullptr;
    FlatButton *bt_reset = nullptr;
    FlatButton *sp_save = nullptr;
    FlatButton *sp_load = nullptr;
    PanelControl *p_info = nullptr;
    LabelControl *lb_name = nullptr;
    LabelControl *lb_rang = nullptr;
    LabelControl *lb_treb = nullptr;
    LabelControl *lb_text = nullptr;
    LabelControl *lb_inc = nullptr;
    LabelControl *lb_dec = nullptr;
    Tfr_a *fr_a = nullptr;
    FileDialogSettings od1;
    FileDialogSettings sd1;
};

inline const QString MainCaption = QStringLiteral("Runeplan 3.1.0");
