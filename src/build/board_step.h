#pragma once

#include "talents/point_order.h"
#include "talents/rank_grid.h"

#include <QUndoCommand>
#include <functional>

// What the board holds: a class, the ranks of its talents and the order the points were spent in.
struct BoardState {
    int classIndex = -1;
    RankGrid ranks{};
    PointOrder order;
    bool derivedOrder = false; // the order a plan file implies, not one a player spent
    bool operator==(const BoardState &) const = default;
};

// One step of the board's history, from one state to another. The window does the work of
// showing a state; a step only says which. A step whose change is already on the board when it
// is recorded (a press) skips its first redo.
class BoardStep final : public QUndoCommand {
public:
    using Show = std::function<void(const BoardState &)>;

    BoardStep(BoardState before, BoardState after, Show show, bool alreadyShown)
        : before_(std::move(before)), after_(std::move(after)), show_(std::move(show)),
          skipRedo_(alreadyShown)
    {
    }

    const BoardState &before() const { return before_; }
    const BoardState &after() const { return after_; }

    void undo() override { show_(before_); }
    void redo() override
    {
        if (skipRedo_) {
            skipRedo_ = false;
            return;
        }
        show_(after_);
    }

private:
    BoardState before_;
    BoardState after_;
    Show show_;
    bool skipRedo_;
};
