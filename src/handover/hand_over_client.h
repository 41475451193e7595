#pragma once

#include <QString>

// A later start's end of the channel (cli/planner_channel.h). Sends `argument` to the planner
// listening on `channel` and waits a short while for its answer. True when it took the argument;
// false when nobody listens there (no socket, or one left by a planner that crashed), or nobody
// answered in time: this start then opens its own window.
bool handOverToRunningPlanner(const QString &channel, const QString &argument);
