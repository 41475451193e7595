#include "base/version.h"
#include "board/fonts.h"
#include "cli/check_mode.h"
#include "cli/code_mode.h"
#include "cli/command_line.h"
#include "cli/console_modes.h"
#include "cli/diff_mode.h"
#include "cli/library_mode.h"
#include "cli/planner_channel.h"
#include "handover/hand_over_ends.h"
#include "toolkit/error_report.h"
#include "toolkit/icon_on_demand.h"
#include "toolkit/window_start.h"
#include "ui/application.h"
#include "ui/hand_over_loading.h"
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <utility>

namespace {

QString programName()
{
    return QStringLiteral("Runeplan");
}

int runWindow(int argc, char *argv[], CommandLine line)
{
    // A library build is looked up before anything of the window exists: a name the library lacks
    // ends the start where there may be no display.
    if (!line.openName.isEmpty()) {
        QCoreApplication::setApplicationName(programName());
        try {
            line.input = libraryCodeNamed(line.openName);
        } catch (const CommandFailure &failure) {
            sayOnConsole(failure.message);
            return failure.exitCode;
        }
    }
    // A planner already running for this user and data folder takes the argument (a plan file by
    // its absolute path, as the running one has another working folder) and this start ends. The
    // check comes before anything of the window is made, so a start that hands over is quick.
    if (QFileInfo(line.input).isFile())
        line.input = QFileInfo(line.input).absoluteFilePath();
    // Only a socket on the channel can be a running planner's: without one, nothing of the
    // channel's module is loaded before the window shows.
    const QString channel = plannerChannelName(windowDataFolder(line.dataFolder));
    if (!channel.isEmpty() && QFileInfo::exists(channel)) {
        const HandOverEnds *ends = handOverEnds();
        if (ends && ends->handOver(channel, line.input))
            return ExitCode::Success;
    }

    Application app(argc, argv);
    registerTahomaAhead();
    Application::setApplicationName(programName());
    Application::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    QStringList iconFiles;
    for (int size : {16, 32, 48, 64, 128, 256})
        iconFiles << QStringLiteral(":/icons/runeplan-%1.png").arg(size);
    Application::setWindowIcon(iconOnDemand(iconFiles));

    MainWindow window(QCoreApplication::applicationDirPath(), {line.dataFolder, line.language});
    if (window.endRequested())
        return 1;
    // The window listens once it is on show: the channel's module loads after its first frame.
    afterFirstFrame(window, [&window, channel] {
        if (const HandOverEnds *ends = channel.isEmpty() ? nullptr : handOverEnds())
            ends->listen(channel, &window,
                         [&window](const QString &argument) { window.takeHandOver(argument); });
    });
    showCentred(window);
    if (!line.input.isEmpty())
        guarded([&] { window.openArgument(line.input); });
    return Application::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is read before any application object exists: the modes without a
    // window must run where there is no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "runeplan: %s\n\n%s", line.error.toLocal8Bit().constData(),
                     usageText().toLocal8Bit().constData());
        return ExitCode::Usage;
    }
    if (line.help) {
        std::printf("%s", usageText().toLocal8Bit().constData());
        return ExitCode::Success;
    }
    if (line.version) {
        std::printf("%s %s\n", programName().toLatin1().constData(), ProgramVersion);
        return ExitCode::Success;
    }
    if (line.mode == CommandLine::Mode::Summary || line.mode == CommandLine::Mode::Picture)
        return runBoardMode(argc, argv, line);
    // The modes without a window, each on a core application only.
    using Mode = CommandLine::Mode;
    const std::pair<Mode, int (*)(const CommandLine &, const QString &)> consoleModes[] = {
        {Mode::Check, runCheckMode},
        {Mode::Code, runCodeMode},
        {Mode::Diff, runDiffMode},
        {Mode::Library, runLibraryMode}};
    for (const auto &[mode, run] : consoleModes) {
        if (line.mode == mode) {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(programName());
            return run(line, QCoreApplication::applicationDirPath());
        }
    }
    return runWindow(argc, argv, line);
}
