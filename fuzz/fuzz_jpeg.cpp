// A JPEG icon or background decoded with TurboJPEG. Error is the expected refusal; a picture
// returned must have the promised format and a size within the limit.
#include "base/error.h"
#include "datafolder/picture_file.h"
#include "outcome_counters.h"
#include "quiet_qt.h"

#include <cstddef>
#include <cstdint>
#include <turbojpeg.h>

namespace {
// What the header says, as the decoder reads it: kind of chroma sampling, colour space and size.
void countHeader(const uint8_t *data, size_t size)
{
    const tjhandle tj = tjInitDecompress();
    int width = 0, height = 0, subsampling = -1, colourspace = -1;
    const int rc = tjDecompressHeader3(tj, data, static_cast<unsigned long>(size), &width, &height,
                                       &subsampling, &colourspace);
    if (rc != 0)
        outcome::countError(QString::fromLocal8Bit(tjGetErrorStr2(tj)));
    else
        outcome::count(QByteArrayLiteral("header ") + QByteArray::number(subsampling) + ' ' +
                       QByteArray::number(colourspace) + ' ' +
                       QByteArray::number(outcome::sizeClass(width)) + ' ' +
                       QByteArray::number(outcome::sizeClass(height)));
    tjDestroy(tj);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtWarnings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    countHeader(data, size);
    try {
        outcome::checkDecoded(decodeJpeg(bytes, QStringLiteral("1.jpg")), MaxPictureSide);
    } catch (const Error &e) {
        outcome::countError(e.message());
    }
    return 0;
}
