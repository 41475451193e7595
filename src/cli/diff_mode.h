#pragma once

#include "cli/command_line.h"

#include <QStringList>

class Build;

// How build B differs from build A of the same class, as `runeplan --diff A B` prints it: each
// talent whose rank differs as "tree / talent: rank in A -> rank in B" (tree by tree, slot by
// slot), then "Points: A's total -> B's total", then the level where their orders part, only when
// both orders were spent by a player (a plan file's derived order tells nothing of the player's).
// The one line "No differences" when ranks and orders agree. Names are A's, in its language; the
// rest is English, as every mode's messages are. Throws CommandFailure for builds of two classes.
QStringList differenceLines(const Build &a, const Build &b);

// `runeplan [--data DIR] [--lang LANG] --diff A B`: reads A and B as every mode reads its
// argument and prints differenceLines() on standard output, without a window. Returns an ExitCode.
int runDiffMode(const CommandLine &line, const QString &exeDir);
