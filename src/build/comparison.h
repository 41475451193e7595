#pragma once

#include "build/board_step.h"
#include "talents/build_difference.h"

#include <QObject>
#include <optional>

class Build;

// The build the board is compared with: a second document beside the board's build, holding a
// state of the board's class, or nothing while the board is not compared. Setting or ending it is
// no step of the board's history; the board's build showing another class ends it, the same class
// in another language keeps it. Views follow changed().
class Comparison final : public QObject {
    Q_OBJECT
public:
    explicit Comparison(const Build &board, QObject *parent = nullptr);

    bool active() const { return state_.has_value(); }
    // Only while active().
    const BoardState &state() const { return *state_; }
    // The compared build's rank of a talent; 0 while not comparing.
    int rank(int slot, int tree) const { return state_ ? state_->ranks[tree - 1][slot - 1] : 0; }

    void set(const BoardState &state);
    void clear();

signals:
    void changed();

private:
    std::optional<BoardState> state_;
};

// How `board` differs from `compared`: the board is A, the compared build B. A derived order takes
// no part in the orders' parting.
BuildDifference differenceOf(const BoardState &board, const BoardState &compared);
