// What arrives on the channel through which a second start hands its argument to the running
// planner: any bytes, from anyone who can reach the socket. A message taken must be exactly what
// the argument taken would be sent as, and a beginning of it must only wait for more, as the
// server reads whatever part has arrived.
#include "base/error.h"
#include "handover/hand_over_message.h"

#include <cstddef>
#include <cstdint>

namespace {

bool waitsForMore(const QByteArray &received)
{
    try {
        return !readHandOver(received);
    } catch (const Error &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::optional<QString> argument;
    try {
        argument = readHandOver(bytes);
    } catch (const Error &) {
        return 0;
    }
    if (!argument)
        return 0;
    if (handOverMessage(*argument) != bytes || argument->toUtf8().size() > HandOverLimit)
        __builtin_trap();
    for (const qsizetype length : {qsizetype(0), bytes.size() / 2, bytes.size() - 1}) {
        if (!waitsForMore(bytes.left(length)))
            __builtin_trap();
    }
    return 0;
}
