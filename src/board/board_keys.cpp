#include "board/board_keys.h"

namespace {
BoardKeyAction moveBy(BoardMove move)
{
    return {BoardKeyAction::Kind::Move, move};
}
} // namespace

BoardKeyAction boardKeyAction(int key, Qt::KeyboardModifiers modifiers)
{
    using Kind = BoardKeyAction::Kind;
    // The keypad's keys are the same keys; Shift is how many layouts type "+".
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == Qt::ControlModifier) {
        if (key == Qt::Key_Left)
            return moveBy(BoardMove::PreviousTree);
        if (key == Qt::Key_Right)
            return moveBy(BoardMove::NextTree);
        return {};
    }
    if (held == Qt::ShiftModifier) {
        if (key == Qt::Key_F10)
            return {Kind::OpenMenu};
        if (key == Qt::Key_Plus)
            return {Kind::Spend};
        return {};
    }
    if (held != Qt::NoModifier)
        return {};
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Plus:
        return {Kind::Spend};
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Minus:
        return {Kind::Refund};
    case Qt::Key_Menu:
        return {Kind::OpenMenu};
    case Qt::Key_Left:
        return moveBy(BoardMove::Left);
    case Qt::Key_Right:
        return moveBy(BoardMove::Right);
    case Qt::Key_Up:
        return moveBy(BoardMove::Up);
    case Qt::Key_Down:
        return moveBy(BoardMove::Down);
    case Qt::Key_Home:
        return moveBy(BoardMove::First);
    case Qt::Key_End:
        return moveBy(BoardMove::Last);
    default:
        return {};
    }
}
