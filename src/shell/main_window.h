#pragma once

#include "board/arrow_piece.h"
#include "shell/talent_cell.h"
#include "shell/ui_strings.h"
#include "talents/class_layout.h"
#include "talents/talent_table.h"
#include "toolkit/picture_cache.h"

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
class AboutDialog;

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
// buttons. Creating it runs the start-up (startUp); closing it saves the language (shutDown).
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // `exeDir` is the folder that holds the data folder "datas".
    explicit MainWindow(const QString &exeDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Set when start-up met a fatal error: the program must end without showing the window.
    bool endRequested() const { return endRequested_; }

    // The state the board shows, for whoever needs to read it (the plan files, tests).
    const TalentTable &talents() const { return table_; }
    const TalentCell &cell(int slot, int tree) const;
    const UiStrings &strings() const { return uiStrings_; }
    const QString &langCode() const { return langCode_; }
    const std::array<ArrowEntry, ArrowCapacity> &arrows() const { return arrows_; }
    int arrowCount() const { return arrowCount_; }
    // How many times an arrow has taken a bitmap so far (a file is read once per class load).
    int arrowReads() const { return arrowReads_; }
    QString dataPath(const QString &relative) const;

    // Handlers, public so that the window's controls and tests reach them alike.
    void loadClass();
    void pressTalent(ImageControl *sender, Qt::MouseButton button);
    void refreshTree(int tree);
    void recolourForBudget();
    void drawRank(int slot, int tree);
    void applyLanguage();
    void languageChosen();
    void classChosen();
    void resetPressed();
    void savePressed();
    void loadPressed();
    void aboutPressed();
    void talentEntered(ImageControl *sender);
    void talentLeft();
    void showTooltip(int slot, int tree);
    void refreshArrows();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDesign();
    void buildSidebar();
    void startUp();
    void shutDown();
    void failStartUp(const QString &text);
    void createCells();
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
    void setArrowVariant(int entry, char variant);
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
    std::array<ArrowEntry, ArrowCapacity> arrows_{};
    int arrowCount_ = 0;
    int arrowReads_ = 0;
    // The arrow bitmaps, kept across loads while their files stay as they were.
    PictureCache arrowBitmaps_;

public:
    // Controls of the window, named as their object names.
    std::array<ImageControl *, TreeCount> treeBackgrounds_{};
    std::array<ImageControl *, TreeCount> treeEmblems_{};
    std::array<LabelControl *, TreeCount> treeLabels_{};
    FlatButton *aboutButton_ = nullptr;
    LabelControl *languageLabel_ = nullptr;
    ChoiceBox *languageBox_ = nullptr;
    LabelControl *classLabel_ = nullptr;
    ChoiceBox *classBox_ = nullptr;
    LabelControl *freeLabel_ = nullptr;
    LabelControl *spentLabel_ = nullptr;
    LabelControl *levelLabel_ = nullptr;
    QLineEdit *focusSink_ = nullptr;
    FlatButton *resetButton_ = nullptr;
    FlatButton *saveButton_ = nullptr;
    FlatButton *loadButton_ = nullptr;
    PanelControl *tooltip_ = nullptr;
    LabelControl *tooltipName_ = nullptr;
    LabelControl *tooltipRank_ = nullptr;
    LabelControl *tooltipRequirement_ = nullptr;
    LabelControl *tooltipText_ = nullptr;
    LabelControl *learnHint_ = nullptr;
    LabelControl *unlearnHint_ = nullptr;
    AboutDialog *aboutDialog_ = nullptr;
    FileDialogSettings openDialogSettings_;
    FileDialogSettings saveDialogSettings_;
};

inline const QString MainCaption = QStringLiteral("Runeplan 3.1.0");
