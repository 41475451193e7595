#include "build/library.h"

#include "base/error.h"
#include "base/read_file.h"
#include "base/write_file.h"
#include "talents/build_code.h"
#include "talents/talent_table.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>

namespace {

const QString FirstLine = QStringLiteral("Runeplan build 1");
const QString FirstLineStem = QStringLiteral("Runeplan build ");
const QString NotesKey = QStringLiteral("notes");
const QString Extension = QStringLiteral(".build");
constexpr qsizetype MaxNameChars = 100;
// Of the file name's stem in UTF-8: a file name may hold 255 bytes, and " (999).build" must
// still fit behind the longest stem.
constexpr qsizetype MaxStemBytes = 200;

bool isKnownKey(const QString &key)
{
    return key == u"name" || key == u"code" || key == u"saved" || key == NotesKey;
}

[[noreturn]] void fail(int line, const QString &reason)
{
    throw Error(QStringLiteral("line %1: %2").arg(line).arg(reason));
}

// One line of the header as it is written: a line break would start a line of its own, so that a
// name could bring in a code, or end the header early.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

// Notes with every line break as LF: a CR left alone would read back as part of a line break.
QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        throw Error(QStringLiteral("the file is empty"));
    if (bytes.contains('\0'))
        throw Error(QStringLiteral("a binary file, not text"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        throw Error(QStringLiteral("not UTF-8 text"));
    // The decoder keeps a byte order mark that an editor may have put first.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

void checkFirstLine(const QString &line)
{
    if (line == FirstLine)
        return;
    if (line.startsWith(FirstLineStem) && line.mid(FirstLineStem.size()).toInt() > 1)
        fail(1, QStringLiteral("a library file of a newer format (%1)").arg(line));
    fail(1, QStringLiteral("not a Runeplan build (it does not start with \"%1\")").arg(FirstLine));
}

// The time of a "saved:" line, in UTC; it must name the second it was written.
QDateTime savedTime(const QString &value, int line)
{
    const QDateTime time = QDateTime::fromString(value, Qt::ISODate).toUTC();
    // A year written with other than four digits would not read back.
    if (!time.isValid() || time.date().year() < 1 || time.date().year() > 9999)
        fail(line, QStringLiteral("saved: \"%1\" is not a time as yyyy-MM-ddTHH:mm:ssZ")
                       .arg(value.left(40)));
    return time;
}

// The stem of a file name cut to its limits without parting a surrogate pair.
QString cutStem(QString stem)
{
    if (stem.size() > MaxNameChars)
        stem.truncate(MaxNameChars);
    while (stem.toUtf8().size() > MaxStemBytes)
        stem.chop(1);
    if (!stem.isEmpty() && stem.back().isHighSurrogate())
        stem.chop(1);
    return stem;
}

bool taken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The reason of a read that failed, without the path the message starts with: the library names
// the file itself.
QString readProblem(const Error &e, const QString &path)
{
    const QString &message = e.message();
    const qsizetype at = message.indexOf(path + QStringLiteral(": "));
    return at < 0 ? message : message.mid(at + path.size() + 2);
}

// The class and the points of a build's code, or throws Error with why it cannot be used.
void readCode(const LibraryBuild &build, int classCount, LibraryEntry &entry)
{
    const auto found = findBuildCode(build.code);
    if (const auto *error = std::get_if<BuildCodeError>(&found))
        throw Error(buildCodeErrorText(*error));
    const BuildCode &code = std::get<BuildCode>(found);
    const std::optional<int> index = classIndexOf(code.classCode);
    if (!index || *index >= classCount)
        throw Error(
            QStringLiteral("class %1 is not one of the data folder's classes").arg(code.classCode));
    entry.classIndex = *index;
    entry.points = 0;
    for (const auto &tree : code.ranks) {
        for (const int rank : tree)
            entry.points += rank;
    }
}

LibraryEntry readEntry(const QFileInfo &file, int classCount)
{
    LibraryEntry entry;
    entry.path = file.filePath();
    entry.sortTime = file.lastModified().toUTC();
    try {
        if (file.size() > MaxLibraryFileBytes)
            throw Error(QStringLiteral("larger than 1 MiB"));
        QByteArray bytes;
        try {
            bytes = readFileBytes(entry.path, MaxLibraryFileBytes);
        } catch (const Error &e) {
            throw Error(readProblem(e, entry.path));
        }
        LibraryBuild build = parseLibraryFile(bytes);
        readCode(build, classCount, entry);
        if (build.saved.isValid())
            entry.sortTime = build.saved;
        entry.build = std::move(build);
    } catch (const Error &e) {
        entry.problem = e.message();
        entry.classIndex = -1;
        entry.points = 0;
    }
    return entry;
}

} // namespace

LibraryBuild parseLibraryFile(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    LibraryBuild build;
    bool haveName = false, haveCode = false, haveSaved = false;
    qsizetype at = 0;
    int lineNumber = 0;
    while (at < text.size()) {
        qsizetype end = text.indexOf(u'\n', at);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        QString line = text.mid(at, end - at);
        if (line.endsWith(u'\r'))
            line.chop(1);
        at = next;
        ++lineNumber;
        if (lineNumber == 1) {
            checkFirstLine(line);
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype colon = line.indexOf(u':');
        const QString key = line.left(colon).trimmed();
        if (colon < 0 || key.isEmpty())
            fail(lineNumber,
                 QStringLiteral("\"%1\" is not a \"key: value\" line").arg(line.left(40)));
        QString value = line.mid(colon + 1);
        if (value.startsWith(u' '))
            value.remove(0, 1);
        if (key == NotesKey) {
            // The notes are the rest of the file, their line breaks as LF, the last one dropped.
            // A first line of notes beside the key, as a hand may write it, is kept as theirs.
            build.notes = value.trimmed().isEmpty() ? text.mid(at) : value + u'\n' + text.mid(at);
            build.notes = withLineFeeds(build.notes);
            if (build.notes.endsWith(u'\n'))
                build.notes.chop(1);
            break;
        }
        bool *seen = key == u"name"    ? &haveName
                     : key == u"code"  ? &haveCode
                     : key == u"saved" ? &haveSaved
                                       : nullptr;
        if (!seen) {
            build.otherKeys.append({key, value});
            continue;
        }
        if (*seen)
            fail(lineNumber, QStringLiteral("a second \"%1:\" line").arg(key));
        *seen = true;
        if (key == u"name")
            build.name = value;
        else if (key == u"code")
            build.code = value.trimmed();
        else
            build.saved = savedTime(value.trimmed(), lineNumber);
    }
    if (lineNumber == 0)
        throw Error(QStringLiteral("the file is empty"));
    if (!haveName || build.name.trimmed().isEmpty())
        throw Error(QStringLiteral("no \"name:\" line with a name"));
    if (!haveCode || build.code.isEmpty())
        throw Error(QStringLiteral("no \"code:\" line with a build code"));
    return build;
}

QByteArray formatLibraryFile(const LibraryBuild &build)
{
    QString text = FirstLine + u'\n';
    text += QStringLiteral("name: ") + oneLine(build.name) + u'\n';
    text += QStringLiteral("code: ") + oneLine(build.code) + u'\n';
    if (build.saved.isValid())
        text += QStringLiteral("saved: ") + build.saved.toUTC().toString(Qt::ISODate) + u'\n';
    for (const auto &[key, value] : build.otherKeys) {
        // A key the format knows, or none, would read back as something else.
        const QString line = oneLine(key).remove(u':').trimmed();
        if (line.isEmpty() || isKnownKey(line))
            continue;
        text += line + QStringLiteral(": ") + oneLine(value) + u'\n';
    }
    text += NotesKey + QStringLiteral(":\n");
    if (!build.notes.isEmpty())
        text += withLineFeeds(build.notes) + u'\n';
    return text.toUtf8();
}

QString libraryFileName(const QString &name)
{
    QString stem = name;
    for (QChar &c : stem) {
        if (c.unicode() < 32 || c.unicode() == 127 || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    stem = cutStem(stem);
    // A name of nothing would make a hidden file, and "." or ".." none at all.
    if (stem.isEmpty() || stem.startsWith(u'.'))
        stem.prepend(u'_');
    return stem + Extension;
}

QString freeLibraryPath(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString fileName = libraryFileName(name);
    QString path = dir.filePath(fileName);
    const QString stem = fileName.chopped(Extension.size());
    for (int n = 2; taken(path); ++n)
        path = dir.filePath(stem + QStringLiteral(" (%1)").arg(n) + Extension);
    return path;
}

void writeLibraryFile(const QString &path, const LibraryBuild &build)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error(
            QStringLiteral("Cannot write file %1: the folder %2 cannot be made").arg(path, folder));
    writeWholeFile(path, formatLibraryFile(build));
}

QVector<LibraryEntry> readLibrary(const QString &folder, int classCount)
{
    QVector<LibraryEntry> entries;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*") + Extension},
                                   QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
    entries.reserve(files.size());
    for (const QFileInfo &file : files)
        entries.append(readEntry(file, classCount));
    // Newest first; among equal times by file name, so that the list keeps still between reads.
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const LibraryEntry &a, const LibraryEntry &b) { return a.sortTime > b.sortTime; });
    return entries;
}

QString libraryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("builds"));
}
