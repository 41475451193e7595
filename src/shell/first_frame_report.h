#pragma once

#include <QObject>

class QWidget;

// For start-up measurements (scripts/measure-startup.sh): with RUNEPLAN_REPORT_FIRST_FRAME=1 the
// program prints when the window's first frame was painted, and with
// RUNEPLAN_QUIT_AFTER_FIRST_FRAME=1 it ends right after.
class FirstFrameReport final : public QObject {
public:
    explicit FirstFrameReport(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
