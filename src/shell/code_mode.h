#pragma once

#include "shell/command_line.h"

// An error of a mode without a window, with the exit code it ends the program with.
struct CommandFailure {
    int exitCode;
    QString message;
};

// The data folder and the language a mode without a window works in; throws CommandFailure.
struct DataChoice {
    QString dataFolder;
    QString language;
};
DataChoice chooseDataAndLanguage(const CommandLine &line, const QString &exeDir);

// Reports a mode's message: one line on standard error for each line of it.
void sayOnConsole(const QString &message);

// Prints the build code of the plan file or code the command line names, without a window.
// Messages go to standard error in English, one line each. Returns an ExitCode.
int runCodeMode(const CommandLine &line, const QString &exeDir);
