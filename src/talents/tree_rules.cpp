#include "talents/tree_rules.h"

#include "talents/text_lines.h"

#include <algorithm>

std::array<const TalentBlock *, SlotsPerTree> blocksBySlot(const TreeFile &file)
{
    std::array<const TalentBlock *, SlotsPerTree> bySlot{};
    for (const TalentBlock &block : file.blocks)
        bySlot[static_cast<size_t>(block.header.slot - 1)] = &block;
    return bySlot;
}

namespace {

QString prerequisiteWords(int prereq)
{
    return prereq == 0 ? QStringLiteral("no prerequisite")
                       : QStringLiteral("prerequisite %1").arg(prereq);
}

} // namespace

QVector<Finding> headerDisagreements(const TreeFile &reference, const QString &referenceName,
                                     const TreeFile &translation, const QString &translationName)
{
    QVector<Finding> findings;
    const auto ours = blocksBySlot(reference);
    const auto theirs = blocksBySlot(translation);
    const QString theRules = QStringLiteral("a translation must not change the rules");
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        const TalentBlock *want = ours[static_cast<size_t>(slot - 1)];
        const TalentBlock *have = theirs[static_cast<size_t>(slot - 1)];
        if (!want && !have)
            continue;
        if (!have) {
            findings.append({translationName, 0,
                             QStringLiteral("slot %1 is missing; %2 names it at line %3")
                                 .arg(slot)
                                 .arg(referenceName)
                                 .arg(want->line)});
            continue;
        }
        if (!want) {
            findings.append({translationName, have->line,
                             QStringLiteral("slot %1 is not in %2; %3")
                                 .arg(slot)
                                 .arg(referenceName, theRules)});
            continue;
        }
        if (have->header.maxRank != want->header.maxRank)
            findings.append({translationName, have->line,
                             QStringLiteral("slot %1 has %2 ranks where %3 gives %4; %5")
                                 .arg(slot)
                                 .arg(have->header.maxRank)
                                 .arg(referenceName)
                                 .arg(want->header.maxRank)
                                 .arg(theRules)});
        if (have->header.prereq != want->header.prereq)
            findings.append({translationName, have->line,
                             QStringLiteral("slot %1 has %2 where %3 gives %4; %5")
                                 .arg(slot)
                                 .arg(prerequisiteWords(have->header.prereq), referenceName,
                                      prerequisiteWords(want->header.prereq), theRules)});
    }
    return findings;
}

QVector<Finding> unplacedPrerequisites(const TreeFile &file, const PlacedSlots &placed,
                                       const QString &fileName)
{
    QVector<Finding> findings;
    for (const TalentBlock *block : blocksBySlot(file)) {
        if (!block || block->header.prereq == 0 ||
            !placed[static_cast<size_t>(block->header.slot - 1)])
            continue;
        const int slot = block->header.slot;
        const int prereq = block->header.prereq;
        if (prereq == slot)
            findings.append({fileName, block->line,
                             QStringLiteral("talent %1 is its own prerequisite: it can never be "
                                            "opened")
                                 .arg(slot)});
        else if (!placed[static_cast<size_t>(prereq - 1)])
            findings.append({fileName, block->line,
                             QStringLiteral("talent %1 needs slot %2, where no talent is placed "
                                            "(no block names it or its picture %2.jpg is missing): "
                                            "it can never be opened")
                                 .arg(slot)
                                 .arg(prereq)});
    }
    return findings;
}

namespace {

// "a", "a and b", "a, b and c".
QString listed(const QStringList &items)
{
    return items.size() < 2 ? items.join(QString())
                            : items.mid(0, items.size() - 1).join(QStringLiteral(", ")) +
                                  QStringLiteral(" and ") + items.last();
}

} // namespace

QVector<Finding> prerequisiteRings(const TreeFile &file, const PlacedSlots &placed,
                                   const QString &fileName)
{
    const auto bySlot = blocksBySlot(file);
    // The prerequisite each placed talent waits for; 0 when none counts here (none, itself, or
    // a slot where no talent is placed: named by the other rules).
    std::array<int, SlotsPerTree + 1> needs{};
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        const TalentBlock *block = bySlot[static_cast<size_t>(slot - 1)];
        const int prereq = block ? block->header.prereq : 0;
        if (placed[static_cast<size_t>(slot - 1)] && prereq != 0 && prereq != slot &&
            placed[static_cast<size_t>(prereq - 1)])
            needs[static_cast<size_t>(slot)] = prereq;
    }
    // Each talent waits for one other at most: a walk from every slot meets a ring or ends.
    enum Seen : char { Not, OnWalk, Done };
    std::array<Seen, SlotsPerTree + 1> seen{};
    QVector<Finding> findings;
    for (int start = 1; start <= SlotsPerTree; ++start) {
        QVector<int> walk;
        int slot = start;
        while (slot != 0 && seen[static_cast<size_t>(slot)] == Not) {
            seen[static_cast<size_t>(slot)] = OnWalk;
            walk.append(slot);
            slot = needs[static_cast<size_t>(slot)];
        }
        if (slot != 0 && seen[static_cast<size_t>(slot)] == OnWalk) {
            QVector<int> ring = walk.mid(walk.indexOf(slot));
            std::sort(ring.begin(), ring.end());
            QStringList talents, lines;
            int firstLine = 0;
            for (int member : ring) {
                const int line = bySlot[static_cast<size_t>(member - 1)]->line;
                firstLine = firstLine == 0 ? line : std::min(firstLine, line);
                talents.append(QString::number(member));
                lines.append(QString::number(line));
            }
            findings.append({fileName, firstLine,
                             QStringLiteral("talents %1 (lines %2) need one another in a ring: "
                                            "none of them can ever be opened")
                                 .arg(listed(talents), listed(lines))});
        }
        for (int member : walk)
            seen[static_cast<size_t>(member)] = Done;
    }
    return findings;
}

QVector<Finding> suspectTexts(const TreeFile &file, const QString &fileName)
{
    QVector<Finding> findings;
    for (const TalentBlock &block : file.blocks) {
        for (int k = 0; k <= block.header.maxRank; ++k) {
            const QString &text = k == 0 ? block.name : block.rankText[static_cast<size_t>(k)];
            const bool empty = trimControl(text).isEmpty();
            if (!empty && !text.startsWith(u'#'))
                continue;
            const QString what =
                k == 0 ? QStringLiteral("name") : QStringLiteral("text of rank %1").arg(k);
            findings.append(warningAt(
                fileName, block.line + 1 + k,
                (empty ? QStringLiteral("the %1 of talent %2 is empty")
                       : QStringLiteral("the %1 of talent %2 starts with '#', so the header it "
                                        "looks like is read as text"))
                        .arg(what)
                        .arg(block.header.slot) +
                    QStringLiteral(": is a line missing above it?")));
        }
    }
    return findings;
}
