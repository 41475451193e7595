#pragma once

#include "talents/talent_table.h"
#include "talents/tree_slot.h"

#include <QObject>
#include <optional>

class Build;

// The board as a build stood at an earlier level: the build of the first steps of its order of
// points, step n taken at level FirstLevel + n. A document beside the build, never a step of its
// history; any change of the build returns it to the whole build, as do the views before acting on
// the build themselves.
class LevelView final : public QObject {
    Q_OBJECT
public:
    explicit LevelView(const Build &build, QObject *parent = nullptr);

    // The level shown, from FirstLevel (no points) to endLevel() (the whole build).
    int level() const;
    int endLevel() const;
    bool atEnd() const { return !steps_; }
    // The talents as the level shown has them: the build's own table at the end.
    const TalentTable &shown() const;
    // The talent the step after the level shown takes; nothing at the end.
    std::optional<TreeSlot> nextStep() const;

    // Shows `level`, held between FirstLevel and endLevel(); nothing before a class is shown.
    void goTo(int level);
    void stepBy(int levels) { goTo(level() + levels); }
    void toEnd();

signals:
    void changed();

private:
    const Build &build_;
    std::optional<int> steps_; // the steps shown; nothing: the whole build
    TalentTable table_;        // the build's class with the ranks of those steps
};
