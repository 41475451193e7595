#include "shell/more_strings.h"

#include "base/read_file.h"
#include "talents/text_lines.h"

namespace {
struct KnownText {
    const char *key;
    const char *english;
};

constexpr std::array<KnownText, static_cast<size_t>(More::Count)> knownTexts = {{
    {"undo", "Undo"},
    {"redo", "Redo"},
    {"reset-tree", "Reset tree"},
    {"copy-code", "Copy code"},
    {"paste-code", "Paste code"},
    {"trees-changed", "The trees of this class changed; ranks are kept by slot"},
    {"change-maximum", "%1: %2 \u2192 %3 (maximum is now %3)"},
    {"change-no-talent", "Tree %1, slot %2: %3 \u2192 0 (no talent there now)"},
    {"change-rules", "%1: %2 \u2192 0 (its requirements are no longer met)"},
    {"levels", "Levels: %1"},
    {"save-hint", "Saves the ranks to a plan file; the order of the points is kept only by the "
                  "build code (Copy code)"},
}};
} // namespace

MoreStrings::MoreStrings()
{
    for (size_t k = 0; k < texts_.size(); ++k)
        texts_[k] = QString::fromUtf8(knownTexts[k].english);
}

void MoreStrings::load(const QString &path)
{
    *this = MoreStrings();
    const std::optional<QByteArray> bytes = readFileBytesIfPresent(path, MaxDataTextBytes);
    if (!bytes)
        return;
    const QHash<QString, QString> pairs = parseMoreStrings(decodeDataText(*bytes));
    for (size_t k = 0; k < texts_.size(); ++k) {
        const auto found = pairs.constFind(QString::fromLatin1(knownTexts[k].key));
        if (found != pairs.constEnd() && !found->isEmpty())
            texts_[k] = *found;
    }
}

QString MoreStrings::keyOf(More key)
{
    return QString::fromLatin1(knownTexts[static_cast<size_t>(key)].key);
}

QString MoreStrings::englishOf(More key)
{
    return QString::fromUtf8(knownTexts[static_cast<size_t>(key)].english);
}

QHash<QString, QString> parseMoreStrings(const QString &text)
{
    QHash<QString, QString> pairs;
    for (const QString &line : splitListLines(text)) {
        const QString trimmed = trimControl(line);
        const qsizetype equals = trimmed.indexOf(u'=');
        if (trimmed.startsWith(u'#') || equals <= 0)
            continue;
        pairs.insert(trimControl(trimmed.left(equals)), trimControl(trimmed.mid(equals + 1)));
    }
    return pairs;
}
