#pragma once

#include "build/board_step.h"
#include "build/plan_file.h"
#include "datafolder/class_loader.h"
#include "datafolder/more_strings.h"
#include "datafolder/ui_strings.h"
#include "talents/point_order.h"
#include "talents/press.h"
#include "talents/rank_fit.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <future>
#include <optional>

// A build: one class of a data folder, read whole in a language, the ranks of its talents, the
// order its points were spent in, and the history of its changes. Every change is an operation
// that applies completely or throws Error with nothing changed (DataFolderError when the data
// folder's files cannot be read); views follow the signals. Builds are independent of each other:
// two can be open at once, on the same data folder or not.
class Build final : public QObject {
    Q_OBJECT
public:
    // `dataFolder` ends in a separator. The language's strings are read at once (throws Error).
    Build(const QString &dataFolder, const QString &languageCode, QObject *parent = nullptr);
    // A build with no language yet: setLanguage() comes before any class.
    explicit Build(const QString &dataFolder, QObject *parent = nullptr);

    // A view's own check of a class about to be shown, run before anything changes: it may throw
    // Error to refuse the class (the window reads its arrows' bitmaps here).
    using ClassCheck = std::function<void(const PreparedClass &)>;
    void setClassCheck(ClassCheck check) { classCheck_ = std::move(check); }

    const QString &dataFolder() const { return dataFolder_; }
    const QString &languageCode() const { return languageCode_; }
    const UiStrings &strings() const { return strings_; }
    const MoreStrings &moreStrings() const { return more_; }
    // -1 until a class is shown.
    int classIndex() const { return shown_.classIndex; }
    // The class shown with its pictures; its table holds the build's ranks.
    const PreparedClass &shownClass() const { return shown_; }
    const TalentTable &talents() const { return shown_.table; }
    const PointOrder &order() const { return order_; }
    bool orderDerived() const { return orderDerived_; }
    BoardState state() const;
    QUndoStack &history() { return history_; }
    const QUndoStack &history() const { return history_; }

    // The operations a user can make. A press that changes a rank, Reset, a tree's reset, a
    // class change and a load are steps of the history.
    PressOutcome press(int slot, int tree, PressButton button);
    void reset();
    void resetTree(int tree);
    void changeClass(int classIndex);
    void loadPlanFile(const QString &path);
    // A plan already read from the file `path`, as loadPlanFile() loads it.
    void loadPlan(const PlanText &plan, const QString &path);
    // Loads the first build code found in `text`; returns the report of what it had to change to
    // fit trees that changed since the code was made (empty when it fitted as it was). `changes`,
    // when given, receives those changes of ranks one by one.
    QString loadCode(const QString &text, QVector<RankChange> *changes = nullptr);
    // Reads the class shown in the new language with the same ranks; refused when they do not
    // fit its trees there.
    void changeLanguage(const QString &languageCode);
    // The language before a class is shown: its strings read, nothing else checked.
    void setLanguage(const QString &languageCode);
    // Starts reading the class of `classIndex` in `languageCode` on other threads, for the next
    // read of that very class to take over: a start reads its first class while the window and
    // its fonts are still being built. Its errors wait for that read, which meets them as if it
    // had read the files itself. A read of any other class drops it.
    void readAhead(int classIndex, const QString &languageCode);
    // Shows the board a kept session holds (its file's bytes, read from `path`) as one step over
    // the empty board of `plainClass`, the start a user gets when the step is undone. Trees that
    // changed since keep its ranks by slot; returns the report of what changed, as loadCode().
    QString restoreSession(const QByteArray &bytes, const QString &path, int plainClass);
    void undo();
    void redo();
    // Moves step `from` of the order of points (counted from 0) to place `to`, as one step of the
    // history: the ranks stay, and the order becomes the build's own. Returns why it is refused,
    // in the build's language (the step that would break at its level and the rule), or nothing
    // when it was made.
    QString moveStep(int from, int to);

    // The build a code (or a text holding one) or a plan file stands for on the class shown, read
    // without changing anything, to compare the board with. Throws Error when it is of another
    // class or cannot be read.
    BoardState stateOfCode(const QString &text) const;
    BoardState stateOfPlanFile(const QString &path) const;

    // The build code of the build; empty before a class is shown.
    QString code() const;
    // The summary of the build as plain text, in the build's language; with how it differs from
    // `compared`, when given.
    QString summary(const BoardState *compared = nullptr) const;
    // The build as a plan file holds it; before a class is shown, the empty plan of `plainClass`.
    QByteArray planText(int plainClass) const;
    // The build as the kept session holds it: the plan file's text, then the build code, which
    // carries the order; empty before a class is shown.
    QByteArray sessionText() const;

signals:
    void classChanged();         // a new class (or the class in another language) is shown
    void ranksChanged(int tree); // ranks of one tree changed on the class shown
    void orderChanged();
    void languageChanged();
    void reading(bool on); // a class is being read from the data folder

private:
    // The class of `classIndex` read in `languageCode` with `ranks` on it; throws when they do
    // not fit its trees.
    PreparedClass stage(int classIndex, const RankGrid &ranks, const QString &languageCode);
    // Reads the class of `classIndex` in `languageCode`, saying so through reading().
    PreparedClass read(int classIndex, const QString &languageCode);
    // Records a change to `target` as one step and shows it; `staged` holds the class when the
    // class changes.
    void stepTo(const BoardState &target, std::optional<PreparedClass> staged);
    void prepareToShow(const BoardState &state);
    void show(const BoardState &state);
    void startWith(const BoardState &state, PreparedClass &&staged, int plainClass);
    // A plan file's text checked against its class as the files are now, and its class read with
    // the plan's ranks and the order they imply.
    std::pair<BoardState, PreparedClass> stagePlan(const PlanText &text, const QString &path);
    // The ranks of a plan file's text checked against its class as the files are now.
    PlanRanks checkedPlan(const PlanText &text, const QString &path) const;
    // A view's check of a class read whole with its ranks on it.
    void checkStaged(const PreparedClass &staged) const;
    void showClass(PreparedClass &&staged);
    int classCount() const { return static_cast<int>(strings_.classNames().size()); }

    QString dataFolder_;
    QString languageCode_;
    UiStrings strings_;
    MoreStrings more_;
    PreparedClass shown_;
    PointOrder order_;
    bool orderDerived_ = false;
    QUndoStack history_;
    std::optional<PreparedClass> staged_; // the class the history's next move shows
    struct ClassReadAhead {
        int classIndex;
        QString languageCode;
        std::future<PreparedClass> prepared;
    };
    std::optional<ClassReadAhead> readAhead_;
    ClassCheck classCheck_;
};
