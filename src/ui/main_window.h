#pragma once

#include "board/tooltip_text.h"
#include "build/build.h"
#include "datafolder/class_loader.h"
#include "datafolder/more_strings.h"
#include "datafolder/ui_strings.h"
#include "board/icon_tag.h"
#include "talents/talent_table.h"
#include "ui/arrow_layer.h"
#include "ui/busy_state.h"
#include "ui/talent_accessible.h"
#include "ui/talent_cell.h"

#include <QDir>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class AboutDialog;
class BoardFocus;
class ChoiceBox;
struct ClassLayout;
class FlatButton;
class ImageControl;
class LabelControl;
class MessageLine;
class QMenu;
class QUndoStack;
class QLineEdit;
class TalentSearch;
class TooltipPanel;

// Title and starting folder of a file dialog; the dialog itself is shown through Dialogs.
struct FileDialogSettings {
    QString title;
    QString folder = QStringLiteral(".");
};

// What the command line may change of the main window's start-up.
struct WindowStartOptions {
    QString dataFolder; // empty: "datas" in `exeDir`
    QString language;   // empty: the language last.ini selects
    // For a mode without a window (--summary, --picture): the language is given, last.ini is not
    // read (that is the window's start-up check), and no class or session is loaded before the
    // argument.
    bool withoutWindow = false;
};

// The planner's main window: the three trees, the language and class boxes, the counters and the
// buttons. Creating it runs the start-up; closing it remembers the language.
//
// Its parts: the cells of the board (three controls per talent), the arrows (ArrowLayer), the
// tooltip (TooltipPanel) and the busy state (BusyState). Every control keeps a fixed object name,
// by which tests and assistive technology find it; the handlers are private and reached through
// the controls, as a user reaches them.
class MainWindow final : public QWidget, private TalentSpeaker {
    Q_OBJECT
public:
    using StartOptions = WindowStartOptions;

    // `exeDir` is the folder that holds the data folder "datas".
    explicit MainWindow(const QString &exeDir, const StartOptions &options = {},
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    // What a screen reader says of a talent icon beside its name: its state and requirements.
    QString talentDescription(const ImageControl &icon) const override;

    // Set when start-up met a fatal error: the program must end without showing the window.
    bool endRequested() const { return endRequested_; }

    // What the board shows, for the plan files, tests and benchmarks to read.
    const Build &build() const { return *build_; }
    const TalentTable &talents() const { return build_->talents(); }
    const TalentCell &cell(int slot, int tree) const;
    const ArrowLayer &arrows() const { return *arrows_; }
    const UiStrings &strings() const { return build_->strings(); }
    const MoreStrings &moreStrings() const { return build_->moreStrings(); }
    const QUndoStack &history() const { return build_->history(); }
    const QString &languageCode() const { return build_->languageCode(); }
    const PointOrder &pointOrder() const { return build_->order(); }
    bool orderDerived() const { return build_->orderDerived(); }
    const FileDialogSettings &openDialogSettings() const { return openDialogSettings_; }
    const FileDialogSettings &saveDialogSettings() const { return saveDialogSettings_; }

    // A plan file or a build code given to the program at its start, loaded as a user's load.
    void openArgument(const QString &argument);
    // The summary of the build on the board as plain text, and a picture of its three trees as
    // the board shows them, at 1 or 2 times their size (main_window_summary.cpp).
    QString summaryText() const;
    QImage boardPicture(int scale);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Building the window (main_window_design.cpp).
    void buildDesign();
    void buildSidebar();
    void buildHistoryControls();
    void connectHandlers();
    void connectShortcuts();
    void buildTabOrder();
    void buildKeyboardParts();

    // Start-up and close (main_window.cpp).
    void startUp();
    void shutDown();
    void failStartUp(const QString &text);
    void createCells();
    QString dataPath(const QString &relative) const { return dataFolder_ + relative; }
    TalentCell &cellAt(int slot, int tree);
    const TalentTable &table() const { return build_->talents(); }
    const UiStrings &uiStrings() const { return build_->strings(); }
    const MoreStrings &more() const { return build_->moreStrings(); }
    int boardClass() const { return build_->classIndex(); }

    // Handlers of the controls.
    void languageChosen();
    void classChosen();
    void resetPressed();
    void savePressed();
    void loadPressed();
    void aboutPressed();
    void undoPressed();
    void copyCode();
    void summaryPressed();
    void savePicture(int scale);
    // The folder the file dialogs open in: the one of the last file chosen in any of them.
    void rememberFolder(const QString &path);
    void recallFolder();
    void pasteCode();
    void redoPressed();
    void pressTalent(ImageControl *sender, Qt::MouseButton button);
    void talentEntered(ImageControl *sender);
    void talentLeft();
    void backgroundPressed(int tree, Qt::MouseButton button);
    void resetTreeOfFocus();
    void openTreeMenu(TreeSlot at);
    void showLinkHints();

    // The board as a view of the build (main_window_load.cpp): it follows the build's signals.
    void followBuild();
    void loadClass();
    // The build's check of a class about to be shown: its arrows' bitmaps are read.
    void stageArrows(const PreparedClass &prepared);
    void showClass();
    void showTreeRanks(int tree);
    void resetTree(int tree);

    // Points and their display (main_window_points.cpp).
    void refreshCounterCaptions();
    void drawRank(int slot, int tree);
    void showTooltip(int slot, int tree);
    TooltipWords tooltipWords() const;

    // Language (main_window_language.cpp), plans (main_window_plans.cpp) and the kept session
    // (main_window_session.cpp).
    void applyLanguage();
    void showLanguageTexts();
    void loadPlanFile(const QString &path);

    // Build codes (main_window_codes.cpp).
    void loadBuildCode(const QString &text);
    // The board kept at the last close, shown again; false when there is none or it cannot be
    // shown (it is then kept aside, never overwritten by this start's board).
    bool restoreSession();
    void keepSession() const;

    QDir exeDir_;           // the folder of the program, where the data folder lies
    QString dataFolder_;    // the data folder's path, ending in a separator
    QString startLanguage_; // the language the command line asks for
    bool withoutWindow_ = false;
    bool endRequested_ = false;
    BusyState busy_{*this};
    Build *build_ = nullptr; // the build the board shows
    std::array<std::array<TalentCell, SlotsPerTree>, TreeCount> cells_{};
    bool budgetLeftShown_ = true; // whether the rank labels were drawn with points left to spend
    QVector<StagedArrow> stagedArrows_; // the arrows of the class the build shows next
    QString captionBeforeReading_;
    int boardLanguage_ = -1; // the language box entry the board is shown in
    std::unique_ptr<ArrowLayer> arrows_;
    std::unique_ptr<TooltipPanel> tooltip_;
    BoardFocus *boardFocus_ = nullptr;
    TalentSearch *search_ = nullptr;
    FileDialogSettings openDialogSettings_;
    FileDialogSettings saveDialogSettings_;

    // Controls of the window; each one's object name is given beside it.
    std::array<ImageControl *, TreeCount> treeBackgrounds_{}; // imv1..imv3
    std::array<ImageControl *, TreeCount> treeEmblems_{};     // imc1..imc3
    std::array<LabelControl *, TreeCount> treeLabels_{};      // lbc1..lbc3
    FlatButton *aboutButton_ = nullptr;                       // sp_ab
    LabelControl *languageLabel_ = nullptr;                   // lb_lang
    ChoiceBox *languageBox_ = nullptr;                        // cb_lang
    LabelControl *classLabel_ = nullptr;                      // lb_class
    ChoiceBox *classBox_ = nullptr;                           // cb_class
    LabelControl *freeLabel_ = nullptr;                       // Lb_Free
    LabelControl *spentLabel_ = nullptr;                      // lb_tot
    LabelControl *levelLabel_ = nullptr;                      // lb_lvl
    QLineEdit *focusSink_ = nullptr;                          // Edit1
    MessageLine *messageLine_ = nullptr;                      // lb_msg, where Edit1 would be
    FlatButton *resetButton_ = nullptr;                       // bt_reset
    FlatButton *saveButton_ = nullptr;                        // sp_save
    FlatButton *loadButton_ = nullptr;                        // sp_load
    FlatButton *undoButton_ = nullptr;                        // bt_undo
    FlatButton *redoButton_ = nullptr;                        // bt_redo
    FlatButton *copyButton_ = nullptr;                        // bt_copy
    FlatButton *pasteButton_ = nullptr;                       // bt_paste
    FlatButton *summaryButton_ = nullptr;                     // bt_summary
    QMenu *treeMenu_ = nullptr;                               // treeMenu
    int treeMenuTree_ = 1;                                    // the tree the menu was opened on
    AboutDialog *aboutDialog_ = nullptr;                      // fr_a, made when first shown
};
