// The board at any level of its build: keys and the wheel over the Level counter step through the
// order of points, and the message line says which level is shown.
#include "build/level_view.h"
#include "toolkit/label_control.h"
#include "toolkit/message_line.h"
#include "ui/main_window.h"

#include <QWheelEvent>

namespace {

// The wheel over a control as steps of a level view: up a level later, down a level earlier.
class WheelSteps final : public QObject {
public:
    WheelSteps(LevelView &levels, QObject *parent) : QObject(parent), levels_(levels) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        const int turn = static_cast<QWheelEvent *>(event)->angleDelta().y();
        if (turn != 0)
            levels_.stepBy(turn > 0 ? 1 : -1);
        return true;
    }

private:
    LevelView &levels_;
};

} // namespace

void MainWindow::followLevels()
{
    board_->followLevels(*levels_);
    side_->levelLabel->installEventFilter(new WheelSteps(*levels_, this));
    connect(levels_, &LevelView::changed, this, [this] { showLevel(); });
}

void MainWindow::showLevel()
{
    side_->showCounters(build_->strings(), levels_->shown().totalPoints);
    QString standing;
    if (!levels_->atEnd()) {
        standing = build_->moreStrings()
                       .at(build_->orderDerived() ? More::LevelOfDerived : More::LevelOf)
                       .arg(levels_->level())
                       .arg(levels_->endLevel());
    }
    side_->messageLine->setStanding(standing);
}
