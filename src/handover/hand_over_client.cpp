#include "handover/hand_over_client.h"

#include "handover/hand_over_message.h"

#include <QLocalSocket>

namespace {

// A start that meets a listening planner waits this long at most for each step: a planner that
// does not answer within it is hung, and this start goes on with a window of its own.
constexpr int AnswerMilliseconds = 2000;

} // namespace

bool handOverToRunningPlanner(const QString &channel, const QString &argument)
{
    // An argument past the message's limit is the own window's to report.
    if (channel.isEmpty() || argument.toUtf8().size() > HandOverLimit)
        return false;
    QLocalSocket socket;
    socket.connectToServer(channel);
    if (!socket.waitForConnected(AnswerMilliseconds))
        return false;
    socket.write(handOverMessage(argument));
    // Waiting for the answer writes what is still buffered.
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 64 &&
           socket.waitForReadyRead(AnswerMilliseconds))
        answer += socket.readAll();
    return answer.startsWith("taken\n");
}
