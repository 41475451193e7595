#include "shell/console_modes.h"

#include "base/error.h"
#include "base/write_file.h"
#include "board/fonts.h"
#include "shell/application.h"
#include "shell/code_mode.h"
#include "shell/main_window.h"
#include "toolkit/dialogs.h"

#include <QBuffer>
#include <cstdio>

namespace {

// Messages of the planner go to standard error; nothing waits for a user.
class ConsoleDialogs final : public Dialogs {
public:
    void message(QWidget *, const QString &, const QString &text) override
    {
        sayOnConsole(text);
        ++messages;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    int runModal(QDialog *) override { return 0; }
    void openAddress(const QString &) override {}

    int messages = 0;
};

} // namespace

int runBoardMode(int argc, char *argv[], const CommandLine &line)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("Runeplan"));
    registerTahoma();
    ConsoleDialogs console;
    setDialogs(&console);
    try {
        const auto [dataFolder, language] =
            chooseDataAndLanguage(line, QCoreApplication::applicationDirPath());
        MainWindow window(QCoreApplication::applicationDirPath(), {dataFolder, language});
        if (window.endRequested() || console.messages > 0)
            throw CommandFailure{ExitCode::DataFolder,
                                 QStringLiteral("the data folder cannot be read")};
        try {
            window.openArgument(line.input);
        } catch (const Error &e) {
            throw CommandFailure{ExitCode::BadInput, e.message()};
        }
        if (line.mode == CommandLine::Mode::Summary) {
            std::printf("%s", window.summaryText().toUtf8().constData());
        } else {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            window.boardPicture(line.scale).save(&buffer, "PNG");
            try {
                writeWholeFile(line.pictureFile, png);
            } catch (const Error &e) {
                throw CommandFailure{ExitCode::BadInput, e.message()};
            }
        }
    } catch (const CommandFailure &failure) {
        sayOnConsole(failure.message);
        setDialogs(nullptr);
        return failure.exitCode;
    }
    setDialogs(nullptr);
    return ExitCode::Success;
}
