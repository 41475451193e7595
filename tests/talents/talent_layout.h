#pragma once

#include "talents/talent_table.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Rule tests describe a tree in two short texts instead of filling 44 cells by hand:
//   layout "slot:maxRank[:prereq] ..." lists the talents of one tree; an entry written with a
//          leading '~' is in the data but was not placed on the board (present stays false);
//   ranks  "slot=rank ..." gives the points held, placed talents or not.
// The counters are recomputed from the ranks, so a set-up is always self-consistent.

namespace talent_layout {

inline int number(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        qFatal("bad number '%s' in a test layout", qPrintable(text));
    return value;
}

inline QStringList entries(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

} // namespace talent_layout

inline void placeTalents(TalentTable &table, int tree, const QString &layout)
{
    using namespace talent_layout;
    for (QString entry : entries(layout)) {
        const bool placed = !entry.startsWith(u'~');
        if (!placed)
            entry.remove(0, 1);
        const QStringList parts = entry.split(u':');
        if (parts.size() < 2 || parts.size() > 3)
            qFatal("bad layout entry '%s'", qPrintable(entry));
        const int slot = number(parts[0]);
        Talent &t = table.at(slot, tree);
        t.slot = slot;
        t.row = (slot + 3) / 4;
        t.column = slot - 4 * (t.row - 1);
        t.maxRank = number(parts[1]);
        t.prereq = parts.size() == 3 ? number(parts[2]) : 0;
        t.present = placed;
        t.name = QStringLiteral("Talent %1").arg(slot);
    }
}

// Sets every tree's counter and the total to the sum of the ranks held.
inline void recountPoints(TalentTable &table)
{
    table.totalPoints = 0;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        int sum = 0;
        for (int slot = 1; slot <= SlotsPerTree; ++slot)
            sum += table.at(slot, tree).rank;
        table.treePoints(tree) = sum;
        table.totalPoints += sum;
    }
}

inline void giveRanks(TalentTable &table, int tree, const QString &ranks)
{
    using namespace talent_layout;
    for (const QString &entry : entries(ranks)) {
        const QStringList parts = entry.split(u'=');
        if (parts.size() != 2)
            qFatal("bad rank entry '%s'", qPrintable(entry));
        table.at(number(parts[0]), tree).rank = number(parts[1]);
    }
    recountPoints(table);
}

inline TalentTable makeTable(const QString &layout, const QString &ranks = {}, int tree = 1)
{
    TalentTable table;
    placeTalents(table, tree, layout);
    giveRanks(table, tree, ranks);
    return table;
}

// "3 5 7" as a list of slots.
inline QList<int> slotList(const QString &text)
{
    QList<int> result;
    for (const QString &entry : talent_layout::entries(text))
        result.append(talent_layout::number(entry));
    return result;
}
