#pragma once

#include <QString>

// The local channel through which a second start of the planner hands its argument to the one
// already running for the same user and data folder, so that a player has one window.

// The channel's name: a socket path in the user's runtime folder (XDG_RUNTIME_DIR, else Qt's
// runtime location) named after a hash of the data folder's canonical path. Empty when there is
// no runtime folder or the path would not fit a socket's address (108 bytes): the start then
// neither hands over nor listens.
QString plannerChannelName(const QString &dataFolder);

// The data folder a window start works in: `given` (--data), else "datas" beside the program.
// Asked before any application object exists.
QString windowDataFolder(const QString &given);

// The folder of the program's file, links followed, as Qt's application folder is; asked before
// any application object exists.
QString programFolder();
