#include "shell/code_mode.h"

#include "base/error.h"
#include "build/plan_file.h"
#include "datafolder/class_layout.h"
#include "datafolder/language_memory.h"
#include "talents/build_code.h"
#include "talents/code_on_trees.h"
#include "talents/text_lines.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

using Failure = CommandFailure;

void say(const QString &line)
{
    sayOnConsole(line);
}

QString languageToUse(const QString &dataFolder, const QString &requested)
{
    QStringList languages;
    try {
        languages = readListFile(QDir(dataFolder).filePath(QStringLiteral("la.ini")));
    } catch (const Error &e) {
        throw Failure{ExitCode::DataFolder, e.message()};
    }
    if (languages.isEmpty())
        throw Failure{
            ExitCode::DataFolder,
            QStringLiteral("%1 lists no language").arg(QDir(dataFolder).filePath("la.ini"))};
    if (!requested.isEmpty()) {
        if (!languages.contains(requested))
            throw Failure{ExitCode::BadInput,
                          QStringLiteral("unknown language '%1': the data folder offers %2")
                              .arg(requested, languages.join(QStringLiteral(", ")))};
        return requested;
    }
    // The language the planner would start in; the first one when that cannot be told.
    try {
        const QString remembered =
            LanguageMemory::beside(QDir(dataFolder).filePath(QStringLiteral("last.ini")))
                .fileToRead();
        const QStringList lines = readListFile(remembered);
        const auto index = parseDecimal(trimControl(lines.value(0)));
        if (index && *index >= 0 && *index < languages.size())
            return languages.at(*index);
    } catch (const Error &) {
    }
    return languages.first();
}

TalentTable classTalents(const QString &dataFolder, int classIndex, const QString &language)
{
    try {
        return readClassTalents(QDir(dataFolder).filePath(*classCode(classIndex)), language);
    } catch (const Error &e) {
        throw Failure{ExitCode::DataFolder, e.message()};
    }
}

BuildCode codeOfBoard(int classIndex, const TalentTable &table, const RankGrid &ranks)
{
    BuildCode code;
    code.classCode = *classCode(classIndex);
    code.ranks = ranks;
    code.fingerprints = treeFingerprints(table);
    return code;
}

BuildCode codeOfPlanFile(const QString &dataFolder, const QString &language, const QString &path)
{
    PlanText text;
    try {
        text = parsePlanText(readPlanFile(path), path);
        checkPlanClass(text, static_cast<int>(classCodes.size()), path);
    } catch (const Error &e) {
        throw Failure{ExitCode::BadInput, e.message()};
    }
    const TalentTable table = classTalents(dataFolder, text.classIndex, language);
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

BuildCode codeOfText(const QString &dataFolder, const QString &language, const QString &text)
{
    const auto found = findBuildCode(text);
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Failure{ExitCode::BadInput, buildCodeErrorText(*error)};
    const BuildCode &code = std::get<BuildCode>(found);
    const std::optional<int> classIndex = classIndexOf(code.classCode);
    if (!classIndex || !QFileInfo(QDir(dataFolder).filePath(code.classCode)).isDir())
        throw Failure{ExitCode::BadInput,
                      QStringLiteral("class %1 is not in this data folder").arg(code.classCode)};
    const TalentTable table = classTalents(dataFolder, *classIndex, language);
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
    return codeOfBoard(*classIndex, table, loaded.ranks);
}

} // namespace

void sayOnConsole(const QString &message)
{
    for (const QString &line : message.split(u'\n'))
        std::fprintf(stderr, "runeplan: %s\n", line.toLocal8Bit().constData());
}

DataChoice chooseDataAndLanguage(const CommandLine &line, const QString &exeDir)
{
    const QString dataFolder = line.dataFolder.isEmpty()
                                   ? QDir(exeDir).filePath(QStringLiteral("datas"))
                                   : line.dataFolder;
    if (!QFileInfo(dataFolder).isDir())
        throw Failure{ExitCode::DataFolder,
                      QStringLiteral("the data folder %1 is not a folder").arg(dataFolder)};
    return {dataFolder, languageToUse(dataFolder, line.language)};
}

int runCodeMode(const CommandLine &line, const QString &exeDir)
{
    try {
        const auto [dataFolder, language] = chooseDataAndLanguage(line, exeDir);
        const BuildCode code = QFileInfo(line.input).isFile()
                                   ? codeOfPlanFile(dataFolder, language, line.input)
                                   : codeOfText(dataFolder, language, line.input);
        std::printf("%s\n", encodeBuildCode(code).toLatin1().constData());
        return ExitCode::Success;
    } catch (const Failure &failure) {
        say(failure.message);
        return failure.exitCode;
    } catch (const std::exception &e) {
        say(QString::fromUtf8(e.what()));
        return ExitCode::BadInput;
    }
}
