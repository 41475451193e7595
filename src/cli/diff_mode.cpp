#include "cli/diff_mode.h"

#include "build/build.h"
#include "build/comparison.h"
#include "cli/code_mode.h"

namespace {

QString talentName(const TalentTable &names, const std::optional<TreeSlot> &step)
{
    return step ? names.at(step->slot, step->tree).name : QStringLiteral("(none)");
}

} // namespace

QStringList differenceLines(const Build &a, const Build &b)
{
    if (a.classIndex() != b.classIndex())
        throw CommandFailure{ExitCode::BadInput,
                             QStringLiteral("cannot compare builds of two classes")};
    const BuildDifference difference = differenceOf(a.state(), b.state());
    if (difference.none())
        return {QStringLiteral("No differences")};
    const TalentTable &names = a.talents();
    QStringList lines;
    for (const RankDifference &rank : difference.ranks)
        lines << QStringLiteral("%1 / %2: %3 -> %4")
                     .arg(names.treeName(rank.at.tree), names.at(rank.at.slot, rank.at.tree).name,
                          QString::number(rank.rankA), QString::number(rank.rankB));
    lines << QStringLiteral("Points: %1 -> %2").arg(difference.pointsA).arg(difference.pointsB);
    if (const auto &part = difference.ordersPart)
        lines << QStringLiteral("Orders part at level %1: %2 / %3")
                     .arg(QString::number(part->level), talentName(names, part->stepA),
                          talentName(names, part->stepB));
    return lines;
}

int runDiffMode(const CommandLine &line, const QString &exeDir)
{
    return exitCodeOf([&] {
        const DataChoice data = dataForModes(line, exeDir);
        const auto a = buildOfArgument(data, line.input);
        const auto b = buildOfArgument(data, line.secondInput);
        printOnConsole(differenceLines(*a, *b).join(u'\n').toUtf8() + '\n');
    });
}
