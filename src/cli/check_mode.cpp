#include "cli/check_mode.h"

#include "cli/code_mode.h"
#include "datafolder/world_check.h"

#include <QDir>
#include <cstdio>

namespace {

QString counted(qsizetype count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QString::fromLatin1(count == 1 ? one : many);
}

} // namespace

int runCheckMode(const CommandLine &line, const QString &exeDir)
{
    const QString dataFolder = line.dataFolder.isEmpty()
                                   ? QDir(exeDir).filePath(QStringLiteral("datas"))
                                   : line.dataFolder;
    if (const QString unreadable = dataFolderUnreadable(dataFolder); !unreadable.isEmpty()) {
        sayOnConsole(unreadable);
        return ExitCode::DataFolder;
    }
    const QVector<Finding> findings = checkDataFolder(dataFolder);
    qsizetype problems = 0, warnings = 0;
    for (const Finding &finding : findings) {
        problems += finding.weight == Finding::Weight::Problem ? 1 : 0;
        warnings += finding.weight == Finding::Weight::Warning ? 1 : 0;
        std::printf("%s\n", findingText(finding).toLocal8Bit().constData());
    }
    std::printf("%s, %s\n", counted(problems, "problem", "problems").toLatin1().constData(),
                counted(warnings, "warning", "warnings").toLatin1().constData());
    return problems == 0 ? ExitCode::Success : ExitCode::BadInput;
}
