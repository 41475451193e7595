#include "application.h"
#include "fonts.h"
#include "main_window.h"

#include <QFile>
#include <QIcon>
#include <QScreen>
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

// For start-up measurements (scripts/measure-startup.sh): with RUNEPLAN_REPORT_FIRST_FRAME=1 the
// program prints when the window's first frame was painted, and with
// RUNEPLAN_QUIT_AFTER_FIRST_FRAME=1 it ends right after.
class FirstFrameReport final : public QObject {
public:
    explicit FirstFrameReport(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
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
};

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("Runeplan"));
    Application::setApplicationVersion(QStringLiteral("3.1.0"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/runeplan-%1.png").arg(size));
    Application::setWindowIcon(icon);
    registerTahoma();

    TForm1 window(QCoreApplication::applicationDirPath());
    if (window.endRequested())
        return 1;
    if (const QScreen *screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.rect().center());
    }
    if (qEnvironmentVariableIntValue("RUNEPLAN_REPORT_FIRST_FRAME") == 1)
        new FirstFrameReport(&window);
    window.show();
    return Application::exec();
}
