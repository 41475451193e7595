#pragma once

#include "cli/command_line.h"

// The modes that load a build: --summary prints its summary (on a QCoreApplication) and --picture
// paints its three trees (on a QGuiApplication on the offscreen platform, so that no display is
// needed). Neither makes a widget; every message goes to standard error. Returns an ExitCode.
int runBoardMode(int argc, char *argv[], const CommandLine &line);
