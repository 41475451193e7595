#pragma once

#include "talents/talent_table.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct TalentHeader {
    int slot = 0;
    int maxRank = 0;
    int prereq = 0;
};

// One talent block of a tree file: the header, the name line and maxRank rank-text lines.
struct TalentBlock {
    int line = 0; // line number of the header, from 1
    TalentHeader header;
    QString name;
    std::array<QString, MaxRankLimit + 1> rankText; // entries 1..maxRank
};

// A tree file as read: its name, the blocks in file order, and the error that stopped the reading
// if one did. The blocks before an error stay valid: the loader places them before it reports it.
struct TreeFile {
    QString name;
    QVector<TalentBlock> blocks;
    std::optional<QString> error;
};

// Reads the header line "#slot maxRank [prereq]" (already trimmed). Throws Error with a message
// that names the file, the line and the bad value.
TalentHeader parseTalentHeader(const QString &trimmedLine, const QString &fileName, int lineNumber);

TreeFile parseTreeFile(const QStringList &lines, const QString &fileName);

// Puts what a block states (ranks, prerequisite, name, rank texts) into its talent's record; a
// slot named again later in the file takes the later block's words.
void storeTalentBlock(Talent &talent, const TalentBlock &block);

// Reads and parses the tree file at `path`. A file that cannot be read throws Error; what the
// file says wrongly is left in the result's error, after the blocks before it.
TreeFile readTreeFile(const QString &path);

inline const QString EndOfTalentsMarker = QStringLiteral("#endtalants");
