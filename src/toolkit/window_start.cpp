#include "toolkit/window_start.h"

#include "base/first_frame_report.h"

#include <QScreen>
#include <QWidget>

void showCentred(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.rect().center());
    }
    if (qEnvironmentVariableIntValue("RUNEPLAN_REPORT_FIRST_FRAME") == 1)
        new FirstFrameReport(&window);
    window.show();
}
