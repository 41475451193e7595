#include "datafolder/more_strings.h"

#include "base/read_file.h"
#include "talents/text_lines.h"

namespace {
struct KnownText {
    More text;
    const char *key;
    const char *english;
};

constexpr std::array<KnownText, static_cast<size_t>(More::Count)> knownTexts = {{
    {More::Undo, "undo", "Undo"},
    {More::Redo, "redo", "Redo"},
    {More::ResetTree, "reset-tree", "Reset tree"},
    {More::CopyCode, "copy-code", "Copy code"},
    {More::PasteCode, "paste-code", "Paste code"},
    {More::TreesChanged, "trees-changed",
     "The trees of this class changed; ranks are kept by slot"},
    {More::ChangeMaximum, "change-maximum", "%1: %2 \u2192 %3 (maximum is now %3)"},
    {More::ChangeNoTalent, "change-no-talent",
     "Tree %1, slot %2: %3 \u2192 0 (no talent there now)"},
    {More::ChangeRules, "change-rules", "%1: %2 \u2192 0 (its requirements are no longer met)"},
    {More::Levels, "levels", "Levels: %1"},
    {More::SaveHint, "save-hint",
     "Saves the ranks to a plan file; the order of the points is kept only by the "
     "build code (Copy code)"},
    {More::Summary, "summary", "Summary"},
    {More::SummaryTitle, "summary-title", "%1: %2 points, level %3"},
    {More::SummaryTree, "summary-tree", "%1: %2 points"},
    {More::SummaryOrder, "summary-order", "The points level by level:"},
    {More::SummaryDerived, "summary-derived",
     "The points level by level (the order was derived from the ranks):"},
    {More::SummaryStep, "summary-step", "Level %1 \u2014 %2 %3/%4"},
    {More::SummaryIllegal, "summary-illegal", "(not legal at this level)"},
    {More::CopyAsText, "copy-as-text", "Copy as text"},
    {More::SavePicture, "save-picture", "Save picture\u2026"},
    {More::DoubleSize, "double-size", "Twice the size"},
    {More::Close, "close", "Close"},
    {More::AboutHint, "about-hint", "Who made the planner"},
    {More::ResetHint, "reset-hint", "Gives back every point spent"},
    {More::LoadHint, "load-hint", "Loads a plan from a file"},
    {More::UndoHint, "undo-hint", "Takes back the last change of the board"},
    {More::RedoHint, "redo-hint", "Makes the change taken back again"},
    {More::CopyHint, "copy-hint", "Puts the build code of the board on the clipboard"},
    {More::PasteHint, "paste-hint", "Loads the build code on the clipboard"},
    {More::SummaryHint, "summary-hint", "Shows the build as text and level by level"},
    {More::SearchHint, "search-hint",
     "Find talents: type words of their names and texts; Enter or F3: the next one; Escape: close"},
    {More::TalentOpen, "talent-open", "open"},
    {More::TalentFull, "talent-full", "full"},
    {More::TalentNeedsPoints, "talent-needs-points",
     "locked: %1 more points needed in the rows above"},
    {More::TalentNeedsPrerequisite, "talent-needs-prerequisite", "locked: %1 must be at full rank"},
    {More::TalentNoPointsLeft, "talent-no-points-left", "locked: no points left"},
    {More::RefusedRow, "refused-row", "Row %1 needs %2 points above"},
    {More::RefusedPrerequisite, "refused-prerequisite", "Needs %1 at %2/%2"},
    {More::RefusedNoPoints, "refused-no-points", "No points left"},
    {More::RefusedFull, "refused-full", "Already at full rank"},
    {More::RefusedHeld, "refused-held", "%1 holds points that need it"},
    {More::CodeCopied, "code-copied", "Build code copied"},
    {More::BuildLoaded, "build-loaded", "Build loaded"},
    {More::OrderNotKept, "order-not-kept",
     "The order of points could not be kept; it is derived from the ranks"},
    {More::PictureFilter, "picture-filter", "PNG pictures (*.png)"},
    {More::Compare, "compare", "Compare"},
    {More::CompareHint, "compare-hint", "Shows how the board differs from another build"},
    {More::CompareCode, "compare-code", "Compare with the code on the clipboard"},
    {More::ComparePlan, "compare-plan", "Compare with a plan file\u2026"},
    {More::CompareBoard, "compare-board", "Compare with the board as it is now"},
    {More::CompareStop, "compare-stop", "Stop comparing"},
    {More::CompareOtherClass, "compare-other-class",
     "Only a build of the class on the board can be compared; this one is of %1"},
    {More::Comparing, "comparing", "Comparing"},
    {More::ComparedRank, "compared-rank", "Compared: %1/%2"},
    {More::Differences, "differences", "Differences:"},
    {More::DifferenceTalent, "difference-talent", "%1: %2 -> %3"},
    {More::DifferencePoints, "difference-points", "Points: %1 -> %2"},
    {More::OrdersPart, "orders-part", "Orders part at level %1: %2 / %3"},
    {More::OrderEnded, "order-ended", "(none)"},
    {More::NoDifferences, "no-differences", "No differences"},
    {More::Library, "library", "Library"},
    {More::LibraryHint, "library-hint",
     "Your kept builds: open, keep, rename and delete them, with notes"},
    {More::LibraryFilter, "library-filter", "Filter by name, class or notes"},
    {More::LibraryOpen, "library-open", "Open"},
    {More::LibrarySaveAs, "library-save-as", "Save the board as\u2026"},
    {More::LibraryRename, "library-rename", "Rename\u2026"},
    {More::LibraryDelete, "library-delete", "Delete"},
    {More::LibraryUndoDelete, "library-undo-delete", "Undo delete"},
    {More::LibraryNotes, "library-notes", "Notes"},
    {More::LibraryName, "library-name", "Name of the build:"},
    {More::LibraryReplace, "library-replace",
     "The library has a build named %1 already. Replace it?"},
    {More::LibraryUnreadable, "library-unreadable", "cannot be read: %1"},
    {More::LibraryPoints, "library-points", "%1 points, level %2"},
    {More::LibraryColumns, "library-columns", "Name|Class|Points|Saved|Notes"},
    {More::LibraryKept, "library-kept", "Kept in the library"},
    {More::CompareLibrary, "compare-library", "Compare with a library build\u2026"},
    {More::LevelOf, "level-of", "Level %1 of %2"},
    {More::LevelOfDerived, "level-of-derived", "Level %1 of %2 (derived)"},
    {More::SummarySteps, "summary-steps", "Steps (Alt+Up and Alt+Down move the one selected)"},
    {More::StepSameTalent, "step-same-talent",
     "Level %1 \u2014 %2 would pass another of its ranks: ranks are taken in increasing order"},
    {More::StepBreaks, "step-breaks", "Level %1 \u2014 %2 would break: %3"},
    {More::PictureHeading, "picture-heading", "%1, level %2 \u2014 %3"},
    {More::TreesAndBuild, "trees-and-build", "Trees and build"},
    {More::TreesAlone, "trees-alone", "Trees alone"},
}};

// Row k holds text k: the rows and the enumeration cannot drift apart unnoticed.
constexpr bool rowsInOrder()
{
    for (size_t k = 0; k < knownTexts.size(); ++k) {
        if (static_cast<size_t>(knownTexts[k].text) != k)
            return false;
    }
    return true;
}
static_assert(rowsInOrder());
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

QVector<MoreStringsLine> moreStringsLines(const QString &text)
{
    QVector<MoreStringsLine> lines;
    const QStringList all = splitListLines(text);
    for (qsizetype k = 0; k < all.size(); ++k) {
        const QString trimmed = trimControl(all.at(k));
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        MoreStringsLine line{static_cast<int>(k) + 1, {}, {}};
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals > 0) {
            line.key = trimControl(trimmed.left(equals));
            line.value = trimControl(trimmed.mid(equals + 1));
        }
        lines.append(line);
    }
    return lines;
}

bool isMoreStringsKey(const QString &key)
{
    for (const KnownText &known : knownTexts) {
        if (key == QLatin1String(known.key))
            return true;
    }
    return false;
}

QHash<QString, QString> parseMoreStrings(const QString &text)
{
    QHash<QString, QString> pairs;
    for (const MoreStringsLine &line : moreStringsLines(text)) {
        if (!line.key.isEmpty())
            pairs.insert(line.key, line.value);
    }
    return pairs;
}
