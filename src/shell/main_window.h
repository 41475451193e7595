#pragma once

#include "shell/busy_state.h"
#include "shell/talent_cell.h"
#include "shell/ui_strings.h"
#include "talents/talent_table.h"

#include <QDir>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class AboutDialog;
class ArrowLayer;
class ChoiceBox;
struct ClassLayout;
class FlatButton;
class ImageControl;
class LabelControl;
struct PlanRanks;
class QLineEdit;
class TooltipPanel;

// Title and starting folder of a file dialog; the dialog itself is shown through Dialogs.
struct FileDialogSettings {
    QString title;
    QString folder = QStringLiteral(".");
};

// The planner's main window: the three trees, the language and class boxes, the counters and the
// buttons. Creating it runs the start-up; closing it remembers the language.
//
// Its parts: the cells of the board (three controls per talent), the arrows (ArrowLayer), the
// tooltip (TooltipPanel) and the busy state (BusyState). Every control keeps a fixed object name,
// by which tests and assistive technology find it; the handlers are private and reached through
// the controls, as a user reaches them.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // `exeDir` is the folder that holds the data folder "datas".
    explicit MainWindow(const QString &exeDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Set when start-up met a fatal error: the program must end without showing the window.
    bool endRequested() const { return endRequested_; }

    // What the board shows, for the plan files, tests and benchmarks to read.
    const TalentTable &talents() const { return table_; }
    const TalentCell &cell(int slot, int tree) const;
    const ArrowLayer &arrows() const { return *arrows_; }
    const UiStrings &strings() const { return uiStrings_; }
    const QString &languageCode() const { return languageCode_; }
    const FileDialogSettings &openDialogSettings() const { return openDialogSettings_; }
    const FileDialogSettings &saveDialogSettings() const { return saveDialogSettings_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Building the window (main_window_design.cpp).
    void buildDesign();
    void buildSidebar();
    void connectHandlers();

    // Start-up and close (main_window.cpp).
    void startUp();
    void shutDown();
    void failStartUp(const QString &text);
    void createCells();
    void parkFocus();
    QString dataPath(const QString &relative) const { return dataFolder_ + relative; }
    TalentCell &cellAt(int slot, int tree);

    // Handlers of the controls.
    void languageChosen();
    void classChosen();
    void resetPressed();
    void savePressed();
    void loadPressed();
    void aboutPressed();
    void pressTalent(ImageControl *sender, Qt::MouseButton button);
    void talentEntered(ImageControl *sender);
    void talentLeft();

    // Class load (main_window_load.cpp).
    void loadClass();
    void loadTree(int tree, const QString &classFolder);
    void placeTalent(int slot, int tree, const QImage &icon, int line, const QString &treeFile);
    void hideEmptyCells();

    // Points and their display (main_window_points.cpp).
    void refreshTree(int tree);
    void refreshCounterCaptions();
    void recolourForBudget();
    void drawRank(int slot, int tree);
    void showTooltip(int slot, int tree);

    // Language (main_window_language.cpp) and plans (main_window_plans.cpp).
    void applyLanguage();
    void applyPlan(const PlanRanks &plan);
    ClassLayout classLayoutForPlan(int classIndex, const QString &planPath) const;

    QDir exeDir_;        // the folder of the program, where the data folder lies
    QString dataFolder_; // the data folder's path, ending in a separator
    bool endRequested_ = false;
    BusyState busy_{*this};
    TalentTable table_;
    std::array<std::array<TalentCell, SlotsPerTree>, TreeCount> cells_{};
    UiStrings uiStrings_;
    QString languageCode_;
    std::unique_ptr<ArrowLayer> arrows_;
    std::unique_ptr<TooltipPanel> tooltip_;
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
    FlatButton *resetButton_ = nullptr;                       // bt_reset
    FlatButton *saveButton_ = nullptr;                        // sp_save
    FlatButton *loadButton_ = nullptr;                        // sp_load
    AboutDialog *aboutDialog_ = nullptr;                      // fr_a
};
