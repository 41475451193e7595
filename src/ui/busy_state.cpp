#include "ui/busy_state.h"

#include <QWidget>

void BusyState::leave()
{
    if (depth_ > 0 && --depth_ > 0)
        return;
    if (shownDisabled_) {
        shownDisabled_ = false;
        window_.setEnabled(true);
    }
}

void BusyState::disableWhileDialogOpen()
{
    if (depth_ == 0 || shownDisabled_)
        return;
    shownDisabled_ = true;
    window_.setEnabled(false);
}
