#include "board/talent_search.h"

#include "board/tooltip_text.h"

QString searchFolded(const QString &text)
{
    // Decomposed, an accented letter is its base letter followed by marks: dropping the marks
    // leaves the letter ("é" is "e" and an accent, "ё" is "е" and a diaeresis).
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing)
            out += c;
    }
    return out.toCaseFolded();
}

QStringList searchWords(const QString &typed)
{
    return searchFolded(typed).split(u' ', Qt::SkipEmptyParts);
}

QString searchableText(const Talent &talent)
{
    QString text = talent.name;
    for (int rank = 1; rank <= talent.maxRank && rank <= MaxRankLimit; ++rank) {
        // The texts' line break marks are no words of theirs.
        text += u'\n' + convertLineBreaks(talent.rankText[static_cast<size_t>(rank)])
                            .replace(QStringLiteral("<br />"), QStringLiteral(" "));
    }
    return searchFolded(text);
}

bool containsAllWords(const QString &folded, const QStringList &words)
{
    for (const QString &word : words) {
        if (!folded.contains(word))
            return false;
    }
    return true;
}
