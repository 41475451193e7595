#include "cli/code_mode.h"

#include "base/error.h"
#include "base/write_file.h"
#include "build/build.h"
#include "build/plan_file.h"
#include "datafolder/data_folder_error.h"
#include "talents/build_code.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

using Failure = CommandFailure;

void say(const QString &line)
{
    sayOnConsole(line);
}

// Runs a read of the data folder or an operation of the build document: what it throws ends the
// mode, with the exit code of the data folder when its files failed and of bad input otherwise.
template <typename Operation> void asMode(Operation &&operation)
{
    try {
        std::forward<Operation>(operation)();
    } catch (const DataFolderError &e) {
        // The reader's own words: the mode's line is the cause, not the operation.
        throw Failure{ExitCode::DataFolder, e.cause()};
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
}

// Loads `text`, which holds `code`, saying each rank a code of other trees had to change.
void loadCode(Build &build, const QString &text, const BuildCode &code)
{
    // A class without its folder is told as a class the program does not know: the code names
    // something this data folder lacks (the document would stop at the folder's first file).
    if (!QFileInfo(QDir(build.dataFolder()).filePath(code.classCode)).isDir())
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("class %1 is not in this data folder").arg(code.classCode)};
    QVector<RankChange> changes;
    asMode([&] { build.loadCode(text, &changes); });
    for (const RankChange &c : changes)
        say(QStringLiteral("tree %1, slot %2: %3 -> %4")
                .arg(c.tree)
                .arg(c.slot)
                .arg(c.from)
                .arg(c.to));
}

// A file named on the command line: a plan file, else a text holding a build code.
void loadFile(Build &build, const QString &path)
{
    QByteArray bytes;
    try {
        bytes = readPlanFile(path);
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
    std::optional<PlanText> plan;
    try {
        plan = parsePlanText(bytes, path);
    } catch (const Error &) {
        // Not a plan file: a text that may hold a code, as a file dropped on the window is.
    }
    if (plan) {
        asMode([&] { build.loadPlan(*plan, path); });
        return;
    }
    const QString text = QString::fromUtf8(bytes);
    const auto found = findBuildCode(text);
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Failure{ExitCode::BadInput,
                      *error == BuildCodeError::NotACode
                          ? QStringLiteral("%1: neither a plan file nor a build code").arg(path)
                          : QStringLiteral("%1: %2").arg(path, buildCodeErrorText(*error))};
    loadCode(build, text, std::get<BuildCode>(found));
}

void loadArgument(Build &build, const QString &argument)
{
    const QFileInfo file(argument);
    if (file.isDir())
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("%1: a folder, not a plan file").arg(argument)};
    if (file.exists()) {
        loadFile(build, argument);
        return;
    }
    const auto found = findBuildCode(argument);
    if (const auto *error = std::get_if<BuildCodeError>(&found)) {
        // Something that starts like a code has the code's own message; else a path that names
        // nothing is told as such.
        if (*error == BuildCodeError::NotACode &&
            (argument.contains(u'/') || argument.contains(u'.')))
            throw Failure{ExitCode::BadInput, QStringLiteral("%1: no such file").arg(argument)};
        throw Failure{ExitCode::BadInput, buildCodeErrorText(*error)};
    }
    loadCode(build, argument, std::get<BuildCode>(found));
}

} // namespace

void sayOnConsole(const QString &message)
{
    for (const QString &line : message.split(u'\n'))
        std::fprintf(stderr, "runeplan: %s\n", line.toLocal8Bit().constData());
}

DataChoice dataForModes(const CommandLine &line, const QString &exeDir)
{
    const QString folder = line.dataFolder.isEmpty()
                               ? QDir(exeDir).filePath(QStringLiteral("datas"))
                               : line.dataFolder;
    DataChoice choice;
    asMode([&] { choice = chooseDataAndLanguage(folder, line.language); });
    if (choice.notAFolder)
        throw Failure{ExitCode::DataFolder,
                      QStringLiteral("the data folder %1 is not a folder").arg(folder)};
    if (choice.languageListMissing)
        throw Failure{ExitCode::DataFolder, choice.languageListError};
    if (choice.languages.isEmpty())
        throw Failure{ExitCode::DataFolder,
                      QStringLiteral("%1 lists no language").arg(choice.languageList)};
    if (choice.requestedUnknown)
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("unknown language '%1': the data folder offers %2")
                          .arg(line.language, choice.languages.join(QStringLiteral(", ")))};
    return choice;
}

std::unique_ptr<Build> buildOfArgument(const DataChoice &data, const QString &argument)
{
    std::unique_ptr<Build> build;
    asMode([&] { build = std::make_unique<Build>(data.dataFolder, data.language()); });
    loadArgument(*build, argument);
    return build;
}

void printOnConsole(const QByteArray &bytes)
{
    QFile out;
    // Unbuffered: a write that fails (a full disk) fails here, with its cause.
    if (!out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(out, bytes))
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("Cannot write to standard output: %1").arg(out.errorString())};
}

int exitCodeOf(const std::function<void()> &work)
{
    try {
        work();
        return ExitCode::Success;
    } catch (const Failure &failure) {
        say(failure.message);
        return failure.exitCode;
    } catch (const std::exception &e) {
        say(QString::fromUtf8(e.what()));
        return ExitCode::BadInput;
    }
}

int runCodeMode(const CommandLine &line, const QString &exeDir)
{
    return exitCodeOf([&] {
        const auto build = buildOfArgument(dataForModes(line, exeDir), line.input);
        printOnConsole(build->code().toLatin1() + '\n');
    });
}
