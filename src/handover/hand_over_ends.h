#pragma once

#include <QObject>
#include <QString>
#include <functional>

// Both ends of the channel through which a later start hands its argument to the running planner,
// as the module runeplan_hand_over offers them. The module holds Qt's local sockets, whose network
// library and the libraries it needs in turn would cost every start about 1.5 ms to load: the
// planner loads it only when a socket stands on its channel, or once its first frame is shown.
struct HandOverEnds {
    // A later start's end: see hand_over_client.h.
    bool (*handOver)(const QString &channel, const QString &argument);
    // The running planner's end: listens on `channel` with a server that `owner` owns, and passes
    // each argument handed over to `arrived` (see hand_over_server.h). False when it cannot listen.
    bool (*listen)(const QString &channel, QObject *owner,
                   std::function<void(const QString &)> arrived);
};

// The module's one entry, a function returning its ends.
inline constexpr const char *HandOverEntry = "runeplanHandOverEnds";
using HandOverEntryFunction = const HandOverEnds *(*)();
