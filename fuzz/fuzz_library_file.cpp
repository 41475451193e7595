// A file of the library of builds as the library reads it. Error is the expected way to refuse a
// file; a build accepted must have a name and a code, and what the planner writes of it must read
// again and be written the same once more: the library never turns a file it read into one it
// cannot read, nor changes a build each time it keeps it.
#include "base/error.h"
#include "build/library.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    LibraryBuild build;
    try {
        build = parseLibraryFile(bytes);
    } catch (const Error &) {
        return 0;
    }
    if (build.name.trimmed().isEmpty() || build.code.isEmpty() || build.notes.contains(u'\r'))
        __builtin_trap();
    const QByteArray written = formatLibraryFile(build);
    try {
        const LibraryBuild again = parseLibraryFile(written);
        // The notes, the other keys and the time to its second are kept as they were read.
        if (formatLibraryFile(again) != written || again.notes != build.notes ||
            again.otherKeys.size() != build.otherKeys.size() ||
            again.saved.isValid() != build.saved.isValid() ||
            (build.saved.isValid() &&
             again.saved.toSecsSinceEpoch() != build.saved.toSecsSinceEpoch()))
            __builtin_trap();
    } catch (const Error &) {
        __builtin_trap(); // a file the planner wrote must read
    }
    return 0;
}
