#pragma once

#include "shell/command_line.h"

// Prints the build code of the plan file or code the command line names, without a window.
// Messages go to standard error in English, one line each. Returns an ExitCode.
int runCodeMode(const CommandLine &line, const QString &exeDir);
