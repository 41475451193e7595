#pragma once

#include "cli/command_line.h"

// `runeplan --library`: lists the player's library of builds without a window, newest first, one
// build a line on standard output as "name<TAB>class code<TAB>points<TAB>saved" (the time as
// yyyy-MM-ddTHH:mm:ssZ; the file's time when it names none). Each file that cannot be read is
// named on standard error with its reason, one a line, without changing the exit code. Returns an
// ExitCode: the data folder is read for the classes it offers.
int runLibraryMode(const CommandLine &line, const QString &exeDir);

// The build code of the newest library build named exactly `name`, for `--open`; throws
// CommandFailure (bad input) when the library has none.
QString libraryCodeNamed(const QString &name);
