#pragma once

#include "shell/command_line.h"

// The modes without a window that still need the board drawn: --summary and --picture. They run
// the planner on Qt's offscreen platform, so that no display is needed; every message goes to
// standard error. Returns an ExitCode.
int runBoardMode(int argc, char *argv[], const CommandLine &line);
