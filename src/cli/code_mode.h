#pragma once

#include "cli/command_line.h"
#include "datafolder/data_choice.h"

#include <functional>
#include <memory>

class Build;

// An error of a mode without a window, with the exit code it ends the program with.
struct CommandFailure {
    int exitCode;
    QString message;
};

// The data folder and the language a mode without a window works in: --data (or "datas" beside
// the program) and --lang, else the language last.ini keeps, else the first; a last.ini that is
// missing or holds no number never stops a mode. Throws CommandFailure.
DataChoice dataForModes(const CommandLine &line, const QString &exeDir);

// The build the argument of --code, --summary or --picture (or each of --diff's two) stands for,
// loaded through the build document as the window loads it: an existing file is read as a plan
// file, else as a text holding a build code; anything else as a build code (or a text holding
// one). The one reading of every mode, so that a cause ends each of them with the same message and
// exit code. A code made on other trees says each rank it changed on standard error. Throws
// CommandFailure.
std::unique_ptr<Build> buildOfArgument(const DataChoice &data, const QString &argument);

// Writes `bytes` to standard output; throws CommandFailure naming the cause when that fails.
void printOnConsole(const QByteArray &bytes);

// Reports a mode's message: one line on standard error for each line of it.
void sayOnConsole(const QString &message);

// Runs a mode's work and returns its exit code: Success, or the code of the CommandFailure it
// threw (any other error: BadInput), its message said on standard error.
int exitCodeOf(const std::function<void()> &work);

// Prints the build code of the plan file or code the command line names, without a window.
// Messages go to standard error in English, one line each. Returns an ExitCode.
int runCodeMode(const CommandLine &line, const QString &exeDir);
