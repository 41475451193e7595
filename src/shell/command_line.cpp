#include "shell/command_line.h"

#include <QCommandLineParser>

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption data(QStringLiteral("data"), {}, QStringLiteral("DIR"));
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("LANG"));
    const QCommandLineOption code(QStringLiteral("code"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({data, lang, code, help, version});
    parser.addPositionalArgument(QStringLiteral("input"), {});

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    line.dataFolder = parser.value(data);
    line.language = parser.value(lang);
    if (parser.isSet(code))
        line.mode = CommandLine::Mode::Code;
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() > 1)
        line.error = QStringLiteral("Only one plan file or build code may be given.");
    else if (!inputs.isEmpty())
        line.input = inputs.first();
    if (line.mode == CommandLine::Mode::Code && line.input.isEmpty() && !line.help &&
        !line.version && line.error.isEmpty())
        line.error = QStringLiteral("--code needs a plan file or a build code.");
    return line;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: runeplan [--data DIR] [--lang LANG] [MODE] [PLAN-FILE | CODE]\n"
        "\n"
        "Without a mode, opens the planner and loads the plan file or build code, if given.\n"
        "\n"
        "Modes:\n"
        "  --code          print the build code of the plan (or of the code) on standard output\n"
        "\n"
        "Options:\n"
        "  --data DIR      the data folder (default: datas beside the program)\n"
        "  --lang LANG     a language code of the data folder's la.ini (default: the one\n"
        "                  last.ini selects)\n"
        "  --help          print this text\n"
        "  --version       print the program's name and version\n"
        "\n"
        "Exit codes: 0 success; 1 bad input; 2 a usage error; 3 the data folder cannot be read.\n");
}
