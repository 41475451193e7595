// The entry of the module runeplan_hand_over: the two ends of the channel.
#include "handover/hand_over_client.h"
#include "handover/hand_over_ends.h"
#include "handover/hand_over_server.h"

namespace {

bool listenOn(const QString &channel, QObject *owner, std::function<void(const QString &)> arrived)
{
    auto *server = new HandOverServer(channel, owner);
    QObject::connect(server, &HandOverServer::arrived, owner, std::move(arrived));
    if (server->listen())
        return true;
    qWarning("cannot listen on %s: %s", qPrintable(channel), qPrintable(server->errorString()));
    delete server;
    return false;
}

const HandOverEnds ends{handOverToRunningPlanner, listenOn};

} // namespace

extern "C" Q_DECL_EXPORT const HandOverEnds *runeplanHandOverEnds()
{
    return &ends;
}
