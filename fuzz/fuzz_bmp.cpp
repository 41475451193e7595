// A BMP picture decoded through QImage. Error is the expected refusal; a picture returned must have
// the promised format and a size within the limit.
#include "base/error.h"
#include "datafolder/picture_file.h"
#include "outcome_counters.h"
#include "quiet_qt.h"

#include <QBuffer>
#include <QImageReader>
#include <cstddef>
#include <cstdint>

namespace {
// What the header says, as Qt's reader sees it: the pixel format it chose and the size.
void countHeader(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "BMP");
    const QSize size = reader.size();
    outcome::count(QByteArrayLiteral("header ") + QByteArray::number(reader.imageFormat()) + ' ' +
                   QByteArray::number(outcome::sizeClass(size.width())) + ' ' +
                   QByteArray::number(outcome::sizeClass(size.height())));
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
    countHeader(bytes);
    try {
        outcome::checkDecoded(decodeBmp(bytes, QStringLiteral("back.bmp")), MaxPictureSide);
    } catch (const Error &e) {
        outcome::countError(e.message());
    }
    return 0;
}
