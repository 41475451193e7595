#pragma once

#include <QString>

// One thing the data folder checker found wrong (a problem: the planner refuses or misreads the
// file) or doubtful (a warning: the planner copes, but the author likely meant something else).
struct Finding {
    // Folded: not a finding but the count of those that only follow from the one before it.
    enum class Weight { Problem, Warning, Folded };
    QString file; // relative to the data folder, with '/' between folders
    int line = 0; // from 1; 0 when the finding is about the file as a whole (pictures always)
    QString message;
    Weight weight = Weight::Problem;
    bool operator==(const Finding &) const = default;
};

inline Finding warningAt(const QString &file, int line, const QString &message)
{
    return {file, line, message, Finding::Weight::Warning};
}

// "path:line: message", or "path: message" without a line; a warning's message starts with
// "warning: ", as compilers print theirs. A folded line is its message alone.
QString findingText(const Finding &finding);

// The error a reader raised about the file at `absolutePath`, as a finding about `relative`: the
// tree reader's "<path>, line <n>: " prefix becomes the finding's line, and the absolute path
// anywhere else in the message becomes the relative one, so that the message reads the same in
// every copy of the folder.
Finding findingOfError(const QString &message, const QString &absolutePath,
                       const QString &relative);
