#include "base/first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process. The kernel keeps the start in clock ticks
// (10 ms), so the figure may come out up to one tick long, never short.
double millisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The start time is field 22; the fields are counted after the command name's closing ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(22 - 3).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6 -
           startTicks * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

FirstFrameReport::FirstFrameReport(QObject *window) : QObject(window)
{
    window->installEventFilter(this);
}

bool FirstFrameReport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued behind the paint, so that the frame is finished when the time is taken.
        QTimer::singleShot(0, this, [] {
            std::printf("first frame: %.1f ms after process start\n",
                        millisecondsSinceProcessStart());
            std::fflush(stdout);
            if (qEnvironmentVariableIntValue("RUNEPLAN_QUIT_AFTER_FIRST_FRAME") == 1)
                QCoreApplication::exit(0);
        });
    }
    return false;
}
