#include "shell/console_modes.h"

#include "base/error.h"
#include "base/write_file.h"
#include "board/fonts.h"
#include "shell/application.h"
#include "shell/code_mode.h"
#include "shell/main_window.h"
#include "talents/build_code.h"
#include "toolkit/dialogs.h"

#include <QBuffer>
#include <QFileInfo>
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

void writePicture(const QString &out, const QByteArray &png)
{
    if (out == u'-') {
        printOnConsole(png);
        return;
    }
    try {
        // A pipe or a device takes the picture as it is; only a file is replaced whole.
        const QFileInfo there(out);
        if (there.exists() && !there.isFile() && !there.isDir())
            writeStraightInto(out, png);
        else
            writeWholeFile(out, png);
    } catch (const Error &e) {
        throw CommandFailure{ExitCode::BadInput, e.message()};
    }
}

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
        // The argument is read as --code reads it, before any window: the same cause ends every
        // mode with the same message and exit code.
        const QString exeDir = QCoreApplication::applicationDirPath();
        const DataChoice data = chooseDataAndLanguage(line, exeDir);
        const QString code = encodeBuildCode(codeOfArgument(data, line.input));
        MainWindow window(exeDir, {data.dataFolder, data.language, true});
        if (window.endRequested() || console.messages > 0)
            throw CommandFailure{ExitCode::DataFolder,
                                 QStringLiteral("the data folder cannot be read")};
        try {
            // A code of these very trees: the load reports no change.
            window.openArgument(code);
        } catch (const Error &e) {
            // The plan was read against the trees already: what fails now is the data folder's.
            throw CommandFailure{ExitCode::DataFolder, e.message()};
        }
        if (line.mode == CommandLine::Mode::Summary)
            printOnConsole(window.summaryText().toUtf8());
        else {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            window.boardPicture(line.scale).save(&buffer, "PNG");
            writePicture(line.pictureFile, png);
        }
    } catch (const CommandFailure &failure) {
        sayOnConsole(failure.message);
        setDialogs(nullptr);
        return failure.exitCode;
    }
    setDialogs(nullptr);
    return ExitCode::Success;
}
