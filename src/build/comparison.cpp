#include "build/comparison.h"

#include "build/build.h"

Comparison::Comparison(const Build &board, QObject *parent) : QObject(parent)
{
    connect(&board, &Build::classChanged, this, [this, &board] {
        if (state_ && state_->classIndex != board.classIndex())
            clear();
    });
}

void Comparison::set(const BoardState &state)
{
    state_ = state;
    emit changed();
}

void Comparison::clear()
{
    if (!state_)
        return;
    state_.reset();
    emit changed();
}

BuildDifference differenceOf(const BoardState &board, const BoardState &compared)
{
    return buildDifference(board.ranks, compared.ranks, board.derivedOrder ? nullptr : &board.order,
                           compared.derivedOrder ? nullptr : &compared.order);
}
