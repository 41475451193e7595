#include "cli/console_modes.h"

#include "base/error.h"
#include "base/write_file.h"
#include "board/fonts.h"
#include "build/build.h"
#include "build/build_picture.h"
#include "cli/code_mode.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

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

// The build the command line names, loaded as the window loads a plan or a code.
void runOnBuild(const CommandLine &line)
{
    const auto build =
        buildOfArgument(dataForModes(line, QCoreApplication::applicationDirPath()), line.input);
    if (line.mode == CommandLine::Mode::Summary) {
        printOnConsole(build->summary().toUtf8());
        return;
    }
    QByteArray png;
    try {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        buildPicture(*build, line.scale, !line.plain).save(&buffer, "PNG");
    } catch (const Error &e) {
        // The build is loaded: what fails now is the data folder's (an arrow's bitmap).
        throw CommandFailure{ExitCode::DataFolder, e.message()};
    }
    writePicture(line.pictureFile, png);
}

int reportingFailure(const CommandLine &line)
{
    try {
        runOnBuild(line);
    } catch (const CommandFailure &failure) {
        sayOnConsole(failure.message);
        return failure.exitCode;
    }
    return ExitCode::Success;
}

} // namespace

int runBoardMode(int argc, char *argv[], const CommandLine &line)
{
    if (line.mode == CommandLine::Mode::Summary) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Runeplan"));
        return reportingFailure(line);
    }
    // Text needs the fonts of a graphical application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Runeplan"));
    registerTahoma();
    return reportingFailure(line);
}
