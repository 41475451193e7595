// A strings file (lang.<code>) loaded as the language switch loads it, then every phrase the
// window asks for. A file too short for an index throws Error: an expected outcome. The phrases
// must be the file's lines, the class names the lines from the 20th on.
#include "base/error.h"
#include "datafolder/ui_strings.h"
#include "talents/text_lines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
// One scratch file, rewritten for every input: the loader reads from a path. In memory where the
// system offers it, since rewriting a file on disk a million times is slower than the reading.
QString scratchFolderTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("runeplan-fuzz-XXXXXX"));
}

const QString &scratchFile()
{
    static QTemporaryDir dir(scratchFolderTemplate());
    static const QString path = QDir(dir.path()).filePath(QStringLiteral("lang.fz"));
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(scratchFile());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size))
            std::abort(); // the scratch folder broke, not the reader
    }
    UiStrings strings;
    try {
        strings.load(scratchFile());
    } catch (const Error &) {
        return 0;
    }
    // One phrase a line of the file, as the list reader splits it; an index past them throws.
    const QStringList lines = splitListLines(decodeDataText(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))));
    if (strings.size() != lines.size())
        __builtin_trap();
    for (int index = 0; index <= 40; ++index) {
        try {
            const QString &phrase = strings.at(index);
            if (index >= lines.size() || phrase != lines.at(index))
                __builtin_trap();
        } catch (const Error &) {
            if (index < lines.size())
                __builtin_trap();
        }
    }
    // The class names are the lines from the 20th on, at most ten of them.
    if (strings.classNames() != lines.mid(Str::FirstClassName, MaxClassNames))
        __builtin_trap();
    return 0;
}
