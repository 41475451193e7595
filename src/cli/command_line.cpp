#include "cli/command_line.h"

#include "talents/build_code.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// The first option the command line gives more than once; empty when none is.
QString optionGivenTwice(const QCommandLineParser &parser)
{
    QStringList seen;
    for (QString name : parser.optionNames()) {
        if (name == u'h')
            name = QStringLiteral("help");
        if (seen.contains(name))
            return name;
        seen.append(name);
    }
    return {};
}

// Whether the value given to --picture is rather the plan: a build code, or a file that is no
// picture's name.
bool looksLikeInput(const QString &value)
{
    const auto found = findBuildCode(value);
    if (const auto *error = std::get_if<BuildCodeError>(&found);
        !error || *error != BuildCodeError::NotACode)
        return true;
    return QFileInfo(value).isFile() &&
           !value.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption data(QStringLiteral("data"), {}, QStringLiteral("DIR"));
    const QCommandLineOption lang(QStringLiteral("lang"), {}, QStringLiteral("LANG"));
    const QCommandLineOption code(QStringLiteral("code"));
    const QCommandLineOption summary(QStringLiteral("summary"));
    const QCommandLineOption picture(QStringLiteral("picture"), {}, QStringLiteral("OUT.png"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption diff(QStringLiteral("diff"));
    const QCommandLineOption library(QStringLiteral("library"));
    const QCommandLineOption open(QStringLiteral("open"), {}, QStringLiteral("NAME"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("1|2"));
    const QCommandLineOption plain(QStringLiteral("plain"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({data, lang, code, summary, picture, check, diff, library, open, scale, plain,
                       help, version});
    parser.addPositionalArgument(QStringLiteral("input"), {});

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (const QString twice = optionGivenTwice(parser); !twice.isEmpty()) {
        line.error = QStringLiteral("--%1 is given twice.").arg(twice);
        return line;
    }
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    line.dataFolder = parser.value(data);
    line.language = parser.value(lang);
    const int modes = int(parser.isSet(code)) + int(parser.isSet(summary)) +
                      int(parser.isSet(picture)) + int(parser.isSet(check)) +
                      int(parser.isSet(diff)) + int(parser.isSet(library));
    if (modes > 1)
        line.error = QStringLiteral("Only one of --code, --summary, --picture, --check, --diff "
                                    "and --library may be given.");
    if (parser.isSet(code))
        line.mode = CommandLine::Mode::Code;
    if (parser.isSet(summary))
        line.mode = CommandLine::Mode::Summary;
    if (parser.isSet(picture)) {
        line.mode = CommandLine::Mode::Picture;
        line.pictureFile = parser.value(picture);
    }
    if (parser.isSet(check))
        line.mode = CommandLine::Mode::Check;
    if (parser.isSet(diff))
        line.mode = CommandLine::Mode::Diff;
    if (parser.isSet(scale)) {
        line.scale = parser.value(scale).toInt();
        if (line.scale != 1 && line.scale != 2)
            line.error = QStringLiteral("--scale takes 1 or 2.");
        else if (line.mode != CommandLine::Mode::Picture)
            line.error = QStringLiteral("--scale goes with --picture.");
    }
    if (parser.isSet(plain)) {
        line.plain = true;
        if (line.mode != CommandLine::Mode::Picture && line.error.isEmpty())
            line.error = QStringLiteral("--plain goes with --picture.");
    }
    if (parser.isSet(library))
        line.mode = CommandLine::Mode::Library;
    const QStringList inputs = parser.positionalArguments();
    if (parser.isSet(open)) {
        line.openName = parser.value(open);
        if (line.mode != CommandLine::Mode::Window && line.error.isEmpty())
            line.error = QStringLiteral("--open starts the window: it goes with no mode.");
        else if (!inputs.isEmpty() && line.error.isEmpty())
            line.error = QStringLiteral("--open takes the place of a plan file or build code.");
        return line;
    }
    if (line.mode == CommandLine::Mode::Diff) {
        if (inputs.size() == 2) {
            line.input = inputs.first();
            line.secondInput = inputs.last();
        } else if ((!inputs.isEmpty() || (!line.help && !line.version)) && line.error.isEmpty()) {
            line.error = QStringLiteral("--diff compares two builds: give two plan files or "
                                        "build codes.");
        }
        return line;
    }
    if (inputs.size() > 1)
        line.error = QStringLiteral("Only one plan file or build code may be given.");
    else if (!inputs.isEmpty())
        line.input = inputs.first();
    if (line.mode == CommandLine::Mode::Library && !line.input.isEmpty() && line.error.isEmpty())
        line.error = QStringLiteral("--library takes no plan file or build code.");
    if (line.mode == CommandLine::Mode::Check && line.error.isEmpty()) {
        // The check reads every language and no plan.
        if (!line.input.isEmpty())
            line.error = QStringLiteral("--check takes no plan file or build code.");
        else if (!line.language.isEmpty())
            line.error = QStringLiteral("--check reads every language; --lang does not go "
                                        "with it.");
    }
    if (line.mode != CommandLine::Mode::Window && line.mode != CommandLine::Mode::Check &&
        line.mode != CommandLine::Mode::Library && line.input.isEmpty() && !line.help &&
        !line.version && line.error.isEmpty())
        line.error = line.mode == CommandLine::Mode::Picture && looksLikeInput(line.pictureFile)
                         ? QStringLiteral("--picture needs an output file.")
                         : QStringLiteral("--code, --summary and --picture need a plan file or "
                                          "a build code.");
    return line;
}

QString usageText()
{
    return QStringLiteral(
        // "or:" marks each further form, as the manual page's maker reads usages.
        "Usage: runeplan [--data DIR] [--lang LANG] [MODE] [PLAN-FILE | CODE]\n"
        "  or:  runeplan [--data DIR] [--lang LANG] --diff A B\n"
        "  or:  runeplan --check [--data DIR]\n"
        "  or:  runeplan [--data DIR] [--lang LANG] --library\n"
        "  or:  runeplan [--data DIR] [--lang LANG] --open NAME\n"
        "\n"
        "Without a mode, opens the planner and loads the plan file or build code, if given.\n"
        "\n"
        "Modes:\n"
        "  --code          print the build code of the plan (or of the code) on standard output\n"
        "  --summary       print the summary of the plan: its points and the order level by\n"
        "                  level, the build code last\n"
        "  --picture OUT.png [--scale 1|2] [--plain]\n"
        "                  write a picture of the plan's three trees (- for OUT.png: to\n"
        "                  standard output) with a band under them that names the class,\n"
        "                  its level, the points per tree and the build code; --plain\n"
        "                  leaves the band out\n"
        "  --check         read the whole data folder and list its problems and warnings, one\n"
        "                  a line as path:line: message; exit 0 when there is no problem\n"
        "  --diff A B      compare two builds of one class, each a plan file or a build code:\n"
        "                  each talent whose rank differs as tree / talent: A -> B, the points,\n"
        "                  then the level where their spent orders part\n"
        "  --library       list the library of builds, newest first, one a line as\n"
        "                  name, class, points and time saved, separated by tabs; files that\n"
        "                  cannot be read are named on standard error with the reason\n"
        "  --open NAME     open the planner with the library's build of that name\n"
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
