#pragma once

#include <QString>
#include <QStringList>

// The program's command line:
//   runeplan [--data DIR] [--lang LANG] [MODE] [PLAN-FILE | CODE]
//   runeplan [--data DIR] [--lang LANG] --diff A B
//   runeplan --check [--data DIR]
//   runeplan [--data DIR] [--lang LANG] --library
//   runeplan [--data DIR] [--lang LANG] --open NAME
// read before any window exists, so that the modes without a window run with no display.
struct CommandLine {
    enum class Mode {
        Window,  // open the window, then load the plan or code if one is given
        Code,    // print the build code of a plan (or of a code) on standard output
        Summary, // print the summary of a plan or code on standard output
        Picture, // write a picture of a plan's or code's trees to a PNG file
        Check,   // list the problems of the data folder
        Diff,    // print how two builds of a class differ
        Library, // list the player's library of builds
    };
    Mode mode = Mode::Window;
    QString dataFolder;  // empty: "datas" beside the program
    QString language;    // empty: the language last.ini selects
    QString input;       // a plan file or a text holding a build code; may be empty; --diff's A
    QString secondInput; // --diff's B, as `input`
    QString pictureFile; // where --picture writes
    QString openName;    // --open: the library build the window starts with
    int scale = 1;       // of the picture: 1 or 2
    bool plain = false;  // the picture without the band that names its build
    bool help = false;
    bool version = false;
    QString error; // a usage error, to be reported with the usage
};

// Exit codes of every mode.
namespace ExitCode {
enum : int { Success = 0, BadInput = 1, Usage = 2, DataFolder = 3 };
}

// `arguments` as the program received them, the program's own name first.
CommandLine parseCommandLine(const QStringList &arguments);
QString usageText();
