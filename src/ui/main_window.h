#pragma once

#include "build/build.h"
#include "ui/board_view.h"
#include "ui/busy_state.h"
#include "ui/dialog_folders.h"
#include "ui/side_column.h"

#include <QString>
#include <QWidget>
#include <optional>

class AboutDialog;
class Comparison;
class LevelView;
class Library;
class QMenu;

// What the command line may change of the main window's start-up.
struct WindowStartOptions {
    QString dataFolder; // empty: "datas" in `exeDir`
    QString language;   // empty: the language last.ini selects
};

// The planner's main window: a view of one build. It places the board (BoardView) and the side
// column (SideColumn), wires their controls, the keys and the dialogs to the build's operations,
// and follows the build's signals. Creating it runs the start-up; closing it keeps the session and
// remembers the language. Every control keeps a fixed object name, by which tests and assistive
// technology find it; the handlers are private and reached through the controls, as a user
// reaches them.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    using StartOptions = WindowStartOptions;

    // `exeDir` is the folder that holds the data folder "datas".
    explicit MainWindow(const QString &exeDir, const StartOptions &options = {},
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    // Set when start-up met a fatal error: the program must end without showing the window.
    bool endRequested() const { return endRequested_; }

    // What the window shows, for tests and benchmarks to read.
    const Build &build() const { return *build_; }
    const TalentTable &talents() const { return build_->talents(); }
    const BoardView &board() const { return *board_; }
    const DialogFolders &fileDialogs() const { return folders_; }
    const Comparison &comparison() const { return *comparison_; }
    const LevelView &levels() const { return *levels_; }

    // A plan file or a build code given to the program at its start, loaded as a user's load.
    void openArgument(const QString &argument);
    // What a later start of the planner handed over: the window comes to the front and opens the
    // argument (when there is one) as openArgument does, reporting through its usual boxes.
    void takeHandOver(const QString &argument);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The window's design and wiring (main_window_design.cpp).
    void buildDesign();
    void connectHandlers();
    void connectShortcuts();
    void buildTabOrder();
    // The views follow the build's signals.
    void followBuild();
    void showLanguageTexts();
    // The board at any level of its build (main_window_levels.cpp).
    void followLevels();
    void showLevel();

    // Start-up and close (main_window.cpp).
    // Starts reading the class the start will show first, on other cores, while the window is
    // built.
    void readFirstClassAhead();
    void startUp();
    void failStartUp(const QString &text);
    void shutDown();

    // Handlers of the controls.
    void languageChosen(int index);
    void classChosen(int index);
    // The chosen class, empty, when no class is shown yet.
    void showChosenClass();
    void resetPressed();
    void walkHistory(bool back);
    void openTreeMenu(int tree, const QPoint &globalAt);
    void savePressed();
    void loadPressed();
    // A plan file chosen in the open dialog, its folder remembered; empty when cancelled. Inside a
    // BusyScope.
    QString choosePlanFile();
    void aboutPressed();
    void copyCode();
    void pasteCode();
    void summaryPressed();
    // The board compared with another build (main_window_compare.cpp).
    void buildCompareMenu();
    void showCompareTexts();
    void comparePressed();
    void compareWithCode();
    void compareWithPlan();
    void compareWithBoard();
    // The library of builds (main_window_library.cpp).
    Library &library();
    void openLibrary(bool toCompare);
    // Keeps the board in the library: under its library build's name, or a name asked for.
    void keepBoardInLibrary(bool askName);
    void showLibraryBuild(const QString &path, const QString &name);
    void showCaption();
    void savePicture(int scale, bool band);
    void loadPlanFile(const QString &path);
    void loadBuildCode(const QString &text);

    // The board kept at the last close, shown again; false when there is none or it cannot be
    // shown (it is then kept aside, never overwritten by this start's board).
    bool restoreSession();
    void keepSession() const;

    QString dataFolder_;    // the data folder's path, ending in a separator
    QString startLanguage_; // the language the command line asks for
    bool endRequested_ = false;
    BusyState busy_{*this};
    Build *build_ = nullptr; // the build the window shows
    DialogFolders folders_;
    QStringList languages_;  // the language codes of the data folder, as the language box lists
    int boardLanguage_ = -1; // the language the board is shown in, an index of languages_
    // The class the user chose last: the class shown, or the one to show while none could be.
    int chosenClass_ = 0;
    QString captionBeforeReading_;
    std::optional<SideColumn> side_; // made after the window's own look is set
    BoardView *board_ = nullptr;
    Comparison *comparison_ = nullptr; // the build the board is compared with
    LevelView *levels_ = nullptr;      // the level of the build the board shows
    Library *library_ = nullptr;       // read when the library is first opened
    QString libraryPath_;              // the library build on the board, when it came from there
    QString libraryName_;
    QMenu *compareMenu_ = nullptr;       // compareMenu
    QMenu *treeMenu_ = nullptr;          // treeMenu
    int treeMenuTree_ = 1;               // the tree the menu was opened on
    AboutDialog *aboutDialog_ = nullptr; // fr_a, made when first shown
};
