#include "cli/library_mode.h"

#include "base/error.h"
#include "build/library.h"
#include "cli/code_mode.h"
#include "datafolder/ui_strings.h"
#include "talents/talent_table.h"

#include <cstdio>

namespace {

// One line of the listing whatever a file holds: a tab would part the fields, a control
// character the lines.
QString oneField(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t')
            c = u' ';
        else if (c.unicode() < 32)
            c = u'?';
    }
    return text;
}

// The classes the data folder offers: as many as its strings name.
int offeredClasses(const DataChoice &data)
{
    UiStrings strings;
    try {
        strings.load(data.dataFolder + QStringLiteral("lang.") + data.language());
    } catch (const Error &e) {
        throw CommandFailure{ExitCode::DataFolder, e.message()};
    }
    return static_cast<int>(strings.classNames().size());
}

} // namespace

int runLibraryMode(const CommandLine &line, const QString &exeDir)
{
    try {
        const int classCount = offeredClasses(dataForModes(line, exeDir));
        QByteArray out;
        for (const LibraryEntry &entry : readLibrary(libraryFolder(), classCount)) {
            if (!entry.build) {
                std::fprintf(stderr, "%s\n",
                             oneField(entry.path + QStringLiteral(": ") + entry.problem)
                                 .toLocal8Bit()
                                 .constData());
                continue;
            }
            const QDateTime saved =
                entry.build->saved.isValid() ? entry.build->saved : entry.sortTime;
            out += (oneField(entry.build->name) + u'\t' +
                    classCode(entry.classIndex).value_or(QString()) + u'\t' +
                    QString::number(entry.points) + u'\t' + saved.toUTC().toString(Qt::ISODate) +
                    u'\n')
                       .toUtf8();
        }
        printOnConsole(out);
        return ExitCode::Success;
    } catch (const CommandFailure &failure) {
        sayOnConsole(failure.message);
        return failure.exitCode;
    }
}

QString libraryCodeNamed(const QString &name)
{
    // Every class the planner knows: a class this data folder lacks is the window's to report
    // when it loads the code, as for a code given on the command line.
    const int allClasses = static_cast<int>(classCodes.size());
    for (const LibraryEntry &entry : readLibrary(libraryFolder(), allClasses)) {
        if (entry.build && entry.build->name == name)
            return entry.build->code;
    }
    throw CommandFailure{ExitCode::BadInput,
                         QStringLiteral("no build named %1 in the library").arg(name)};
}
