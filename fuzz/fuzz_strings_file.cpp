// A strings file (lang.<code>) loaded as the language switch loads it, then every phrase the
// window asks for. A file too short for an index throws Error: an expected outcome.
#include "base/error.h"
#include "datafolder/ui_strings.h"

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
    for (int index = 0; index <= 40; ++index) {
        try {
            (void)strings.at(index);
        } catch (const Error &) {
        }
    }
    if (strings.classNames().size() > MaxClassNames)
        __builtin_trap();
    return 0;
}
