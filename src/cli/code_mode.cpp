#include "cli/code_mode.h"

#include "base/error.h"
#include "base/write_file.h"
#include "build/plan_file.h"
#include "datafolder/class_layout.h"
#include "datafolder/data_folder_error.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"
#include "talents/text_lines.h"

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

TalentTable classTalents(const QString &dataFolder, int classIndex, const QString &language)
{
    try {
        return readClassTalents(QDir(dataFolder).filePath(*classCode(classIndex)), language);
    } catch (const Error &e) {
        throw Failure{ExitCode::DataFolder, e.message()};
    }
}

BuildCode codeOfBoard(int classIndex, const TalentTable &table, const RankGrid &ranks,
                      const std::optional<PointOrder> &order = std::nullopt)
{
    BuildCode code;
    code.classCode = *classCode(classIndex);
    code.ranks = ranks;
    code.fingerprints = treeFingerprints(table);
    // Only a spent order travels with a code, as in the window.
    if (order && !order->isEmpty())
        code.order = *order;
    return code;
}

BuildCode codeOfPlan(const DataChoice &data, const PlanText &text, const QString &path)
{
    try {
        checkPlanClass(text, static_cast<int>(classCodes.size()), path);
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
    const TalentTable table = classTalents(data.dataFolder, text.classIndex, data.language());
    ClassLayout layout;
    for (int tree = 1; tree <= TreeCount; ++tree)
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            layout.set(slot, tree, table.at(slot, tree).present, table.at(slot, tree).maxRank);
    try {
        const PlanRanks plan = checkPlan(text, layout, path);
        return codeOfBoard(plan.classIndex, table, plan.ranks);
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
}

BuildCode codeOnTheseTrees(const DataChoice &data, const BuildCode &code)
{
    const std::optional<int> classIndex = classIndexOf(code.classCode);
    if (!classIndex || !QFileInfo(QDir(data.dataFolder).filePath(code.classCode)).isDir())
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("class %1 is not in this data folder").arg(code.classCode)};
    const TalentTable table = classTalents(data.dataFolder, *classIndex, data.language());
    CodeOnTrees loaded;
    try {
        loaded = codeOnTrees(code, table);
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
    // Made on other trees: the ranks are kept by slot as far as they fit, as the window does.
    for (const RankChange &c : loaded.changes)
        say(QStringLiteral("tree %1, slot %2: %3 -> %4")
                .arg(c.tree)
                .arg(c.slot)
                .arg(c.from)
                .arg(c.to));
    return codeOfBoard(*classIndex, table, loaded.ranks, loaded.order);
}

// A file named on the command line: a plan file, else a text holding a build code.
BuildCode codeOfFile(const DataChoice &data, const QString &path)
{
    QByteArray bytes;
    try {
        bytes = readPlanFile(path);
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
    try {
        return codeOfPlan(data, parsePlanText(bytes, path), path);
    } catch (const Error &) {
        // Not a plan file: a text that may hold a code, as a file dropped on the window is.
    }
    const auto found = findBuildCode(QString::fromUtf8(bytes));
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Failure{ExitCode::BadInput,
                      *error == BuildCodeError::NotACode
                          ? QStringLiteral("%1: neither a plan file nor a build code").arg(path)
                          : QStringLiteral("%1: %2").arg(path, buildCodeErrorText(*error))};
    return codeOnTheseTrees(data, std::get<BuildCode>(found));
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

BuildCode codeOfArgument(const DataChoice &data, const QString &argument)
{
    const QFileInfo file(argument);
    if (file.isDir())
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("%1: a folder, not a plan file").arg(argument)};
    if (file.exists())
        return codeOfFile(data, argument);
    const auto found = findBuildCode(argument);
    if (const auto *error = std::get_if<BuildCodeError>(&found)) {
        // Something that starts like a code has the code's own message; else a path that names
        // nothing is told as such.
        if (*error == BuildCodeError::NotACode &&
            (argument.contains(u'/') || argument.contains(u'.')))
            throw Failure{ExitCode::BadInput, QStringLiteral("%1: no such file").arg(argument)};
        throw Failure{ExitCode::BadInput, buildCodeErrorText(*error)};
    }
    return codeOnTheseTrees(data, std::get<BuildCode>(found));
}

void printOnConsole(const QByteArray &bytes)
{
    QFile out;
    // Unbuffered: a write that fails (a full disk) fails here, with its cause.
    if (!out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(out, bytes))
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("Cannot write to standard output: %1").arg(out.errorString())};
}

int runCodeMode(const CommandLine &line, const QString &exeDir)
{
    try {
        const BuildCode code = codeOfArgument(dataForModes(line, exeDir), line.input);
        printOnConsole(encodeBuildCode(code).toLatin1() + '\n');
        return ExitCode::Success;
    } catch (const Failure &failure) {
        say(failure.message);
        return failure.exitCode;
    } catch (const std::exception &e) {
        say(QString::fromUtf8(e.what()));
        return ExitCode::BadInput;
    }
}
