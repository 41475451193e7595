#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <array>

// Interface texts that came after the strings files' 29 lines. They live in a file of their own per
// language, "more.<code>" beside "lang.<code>": one key=value a line, UTF-8, lines starting with
// '#' and lines without '=' ignored. An older data folder has no such file: every text missing
// from it is the English built in here.
enum class More {
    Undo,
    Redo,
    ResetTree,
    CopyCode,
    PasteCode,
    TreesChanged,   // the first line of the report of a code loaded by slot
    ChangeMaximum,  // %1 talent, %2 rank in the code, %3 the new maximum
    ChangeNoTalent, // %1 tree, %2 slot, %3 rank in the code
    ChangeRules,    // %1 talent, %2 rank in the code
    Levels,         // %1 the levels a talent took its points at
    SaveHint,       // the Save link's tooltip
    Summary,        // the link to the summary
    SummaryTitle,   // %1 class, %2 points, %3 level
    SummaryTree,    // %1 tree, %2 points
    SummaryOrder,
    SummaryDerived, // the order's heading when it was derived from the ranks
    SummaryStep,    // %1 level, %2 talent, %3 its rank after the step, %4 its ranks
    SummaryIllegal, // after a step the rules would not take at its level
    CopyAsText,
    SavePicture,
    DoubleSize,
    Close,
    AboutHint,               // the About link's tooltip
    ResetHint,               // the Reset link's tooltip
    LoadHint,                // the Load link's tooltip
    UndoHint,                // the Undo link's tooltip
    RedoHint,                // the Redo link's tooltip
    CopyHint,                // the Copy code link's tooltip
    PasteHint,               // the Paste code link's tooltip
    SummaryHint,             // the Summary link's tooltip
    SearchHint,              // the search field's tooltip
    TalentOpen,              // a talent a press can raise
    TalentFull,              // a talent at its maximum rank
    TalentNeedsPoints,       // %1 the points missing
    TalentNeedsPrerequisite, // %1 the prerequisite
    TalentNoPointsLeft,      // every point is spent
    RefusedRow,              // %1 the row, %2 the points it needs above it
    RefusedPrerequisite,     // %1 the prerequisite, %2 its full rank
    RefusedNoPoints,
    RefusedFull,
    RefusedHeld,   // %1 the talent whose points need the one pressed
    CodeCopied,    // the message line after Copy code
    BuildLoaded,   // the message line after Paste code
    OrderNotKept,  // in the report of a code whose order no longer fits the trees
    PictureFilter, // the file type offered by Save picture
    Compare,       // the link that opens the comparison's menu
    CompareHint,   // the Compare link's tooltip
    CompareCode,
    ComparePlan,
    CompareBoard,
    CompareStop,
    CompareOtherClass, // %1 the class of the build refused
    Comparing,         // the message line while a comparison is set
    ComparedRank,      // the tooltip's line: %1 the compared build's rank, %2 the talent's ranks
    Differences,       // the summary's heading of a comparison
    DifferenceTalent,  // %1 talent, %2 the board's rank, %3 the compared build's
    DifferencePoints,
    OrdersPart, // %1 level, %2 the board's talent, %3 the compared build's
    OrderEnded, // in place of a talent where an order has ended
    NoDifferences,
    Library,       // the link that opens the library of builds
    LibraryHint,   // the Library link's tooltip
    LibraryFilter, // the filter field's placeholder
    LibraryOpen,
    LibrarySaveAs,
    LibraryRename,
    LibraryDelete,
    LibraryUndoDelete,
    LibraryNotes,
    LibraryName,
    LibraryReplace,    // %1 the name
    LibraryUnreadable, // %1 the reason
    LibraryPoints,     // %1 points, %2 level
    LibraryColumns,    // the list's headings, divided by |
    LibraryKept,       // the message line after a save into the library
    CompareLibrary,
    LevelOf,        // the message line in the level view: %1 the level, %2 the build's
    LevelOfDerived, // the same for an order derived from the ranks
    SummarySteps,   // the name of the summary's list of steps
    StepSameTalent, // %1 the level, %2 the talent
    StepBreaks,     // %1 the level, %2 the talent, %3 the rule it would break
    PictureHeading, // the band under a picture: %1 class, %2 level, %3 each tree's points
    TreesAndBuild,  // Save picture's choice of the trees with the band
    TreesAlone,     // Save picture's choice of the trees without it
    Count,
};

class MoreStrings {
public:
    MoreStrings();

    // Reads the file at `path`; a missing file leaves the English texts. Throws Error naming the
    // file when it is there but cannot be read.
    void load(const QString &path);
    const QString &at(More key) const { return texts_[static_cast<size_t>(key)]; }

    // The key a text is written under in the file ("undo", ...), and its English.
    static QString keyOf(More key);
    static QString englishOf(More key);

private:
    std::array<QString, static_cast<size_t>(More::Count)> texts_;
};

// One line of a more-strings file that is not a comment or blank: its key and value, or an empty
// key when the line holds no key=value (the planner passes over it).
struct MoreStringsLine {
    int line = 0; // from 1
    QString key;
    QString value;
};
QVector<MoreStringsLine> moreStringsLines(const QString &text);

// Whether the planner has a text for `key`: a key it does not know is never shown.
bool isMoreStringsKey(const QString &key);

// The key=value pairs of a more-strings file's text; a key named twice keeps its last value.
QHash<QString, QString> parseMoreStrings(const QString &text);
