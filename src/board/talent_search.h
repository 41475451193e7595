#pragma once

#include "talents/talent_table.h"

#include <QString>
#include <QStringList>

// Finding talents by what the user types: a talent matches when its name and rank texts, taken
// together, contain every typed word, whatever the case and accents. The requirement line is not
// searched: it names other talents.

// `text` without case and accents, as the search compares it ("Été" and "ete" are the same).
QString searchFolded(const QString &text);
// The words of what was typed, folded; none when only spaces were typed.
QStringList searchWords(const QString &typed);
// The talent's name and rank texts, folded, in one text to search.
QString searchableText(const Talent &talent);
// Does `folded` (a searchableText) contain every one of `words`.
bool containsAllWords(const QString &folded, const QStringList &words);
