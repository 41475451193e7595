#include "build/build_summary.h"

#include "datafolder/ui_strings.h"

#include <QStringList>

namespace {

constexpr int MaxLine = 79;

// `format` filled in with `name` shortened, when needed, so that the line stays within MaxLine.
QString fitted(const QString &line, const QString &name)
{
    if (line.size() <= MaxLine)
        return line;
    const qsizetype cut = line.size() - MaxLine + 1;
    const QString shortName = name.left(std::max<qsizetype>(name.size() - cut, 1)) + u'\u2026';
    QString out = line;
    out.replace(line.indexOf(name), name.size(), shortName);
    return out.left(MaxLine);
}

// The section of the differences: per tree each talent whose rank differs, the board's rank first,
// then the totals and the level where the orders part.
QStringList differenceLines(const TalentTable &table, const BuildDifference &d,
                            const MoreStrings &more)
{
    QStringList lines{more.at(More::Differences)};
    int tree = 0;
    for (const RankDifference &r : d.ranks) {
        if (r.at.tree != tree) {
            tree = r.at.tree;
            lines << fitted(table.treeName(tree) + u':', table.treeName(tree));
        }
        const QString &name = table.at(r.at.slot, r.at.tree).name;
        lines << fitted(QStringLiteral("  ") +
                            more.at(More::DifferenceTalent)
                                .arg(name, QString::number(r.rankA), QString::number(r.rankB)),
                        name);
    }
    if (d.none())
        lines << more.at(More::NoDifferences);
    lines << more.at(More::DifferencePoints)
                 .arg(QString::number(d.pointsA), QString::number(d.pointsB));
    if (d.ordersPart) {
        const auto nameOf = [&](const std::optional<TreeSlot> &step) {
            return step ? table.at(step->slot, step->tree).name : more.at(More::OrderEnded);
        };
        const QString a = nameOf(d.ordersPart->stepA);
        const QString b = nameOf(d.ordersPart->stepB);
        lines << fitted(
            fitted(more.at(More::OrdersPart).arg(QString::number(d.ordersPart->level), a, b), a),
            b);
    }
    return lines;
}

} // namespace

QStringList stepLines(const TalentTable &table, const PointOrder &order, const MoreStrings &more)
{
    QStringList lines;
    const QVector<bool> legal = stepLegality(table, order);
    RankGrid taken{};
    for (qsizetype n = 0; n < order.size(); ++n) {
        const QPoint step = order[n];
        const Talent &t = table.at(step.x(), step.y());
        const int rank = ++taken[step.y() - 1][step.x() - 1];
        QString line = more.at(More::SummaryStep)
                           .arg(QString::number(FirstLevel + 1 + n), t.name, QString::number(rank),
                                QString::number(t.maxRank));
        if (!legal[n])
            line += u' ' + more.at(More::SummaryIllegal);
        lines << fitted(line, t.name);
    }
    return lines;
}

QString buildSummary(const SummaryInput &in, const MoreStrings &more)
{
    const TalentTable &table = *in.table;
    QStringList lines;
    lines << fitted(more.at(More::SummaryTitle)
                        .arg(in.className, QString::number(table.totalPoints),
                             QString::number(characterLevel(table.totalPoints))),
                    in.className);
    for (int tree = 1; tree <= TreeCount; ++tree) {
        lines << fitted(more.at(More::SummaryTree)
                            .arg(table.treeName(tree), QString::number(table.treePoints(tree))),
                        table.treeName(tree));
        for (int slot = 1; slot <= SlotsPerTree; ++slot) {
            const Talent &t = table.at(slot, tree);
            if (t.present && t.rank > 0)
                lines << fitted(
                    QStringLiteral("  %1 %2/%3")
                        .arg(t.name, QString::number(t.rank), QString::number(t.maxRank)),
                    t.name);
        }
    }
    lines << QString() << more.at(in.derivedOrder ? More::SummaryDerived : More::SummaryOrder);
    lines << stepLines(table, in.order, more);
    if (in.difference)
        lines << QString() << differenceLines(table, *in.difference, more);
    lines << QString() << in.code;
    return lines.join(u'\n') + u'\n';
}
