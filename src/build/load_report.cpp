#include "build/load_report.h"

namespace {

// The lines of the report, in the current language.
QString changeReport(const MoreStrings &more, const TalentTable &table,
                     const QVector<RankChange> &changes)
{
    QStringList lines{more.at(More::TreesChanged)};
    for (const RankChange &c : changes) {
        const QString name = table.at(c.slot, c.tree).name;
        switch (c.why) {
        case RankChange::Why::AboveMaximum:
            lines << more.at(More::ChangeMaximum)
                         .arg(name, QString::number(c.from), QString::number(c.to));
            break;
        case RankChange::Why::NoTalent:
            lines << more.at(More::ChangeNoTalent)
                         .arg(QString::number(c.tree), QString::number(c.slot),
                              QString::number(c.from));
            break;
        case RankChange::Why::RulesBroken:
            lines << more.at(More::ChangeRules).arg(name, QString::number(c.from));
            break;
        }
    }
    return lines.join(u'\n');
}

} // namespace

QString loadReport(const MoreStrings &more, const TalentTable &table, const BuildCode &code,
                   const CodeOnTrees &loaded)
{
    // An order that no longer fits the trees is said to be gone, never dropped without a word.
    const bool orderLost = code.order && !code.order->isEmpty() && !loaded.order;
    if (loaded.changes.isEmpty() && !orderLost)
        return {};
    QString report = changeReport(more, table, loaded.changes);
    if (orderLost)
        report += u'\n' + more.at(More::OrderNotKept);
    return report;
}
