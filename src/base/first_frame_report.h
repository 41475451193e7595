#pragma once

#include <QObject>

// For start-up measurements (scripts/measure-startup.sh): with RUNEPLAN_REPORT_FIRST_FRAME=1 the
// program prints when the window's first frame was painted, and with
// RUNEPLAN_QUIT_AFTER_FIRST_FRAME=1 it ends right after. It needs only Qt Core, so that the bare
// window the planner's start is compared with measures itself with the same code.
class FirstFrameReport final : public QObject {
public:
    explicit FirstFrameReport(QObject *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
