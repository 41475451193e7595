#include "base/version.h"
#include "shell/application.h"
#include "shell/first_frame_report.h"
#include "shell/main_window.h"
#include "toolkit/fonts.h"

#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("Runeplan"));
    Application::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/runeplan-%1.png").arg(size));
    Application::setWindowIcon(icon);
    registerTahoma();

    MainWindow window(QCoreApplication::applicationDirPath());
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
