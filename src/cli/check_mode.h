#pragma once

#include "cli/command_line.h"

// `runeplan --check [--data DIR]`: checks the data folder without a window and prints every
// problem and warning on standard output, one a line as "path:line: message", then a line that
// counts them. Returns ExitCode::Success when there is no problem (warnings allowed), BadInput
// when there is one, DataFolder when the folder cannot be read at all.
int runCheckMode(const CommandLine &line, const QString &exeDir);
