#pragma once

// The walk through a data folder that checkDataFolder makes, shared by its two source files: the
// folder's own files (world_check.cpp) and the class folders (world_check_classes.cpp).
#include "talents/finding.h"
#include "talents/tree_rules.h"

#include <QDir>
#include <QMap>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

// What keeps a folder from being walked: "is missing", "is not a folder" or "cannot be read";
// empty when it can be walked.
QString folderTrouble(const QString &path);

// A problem when something other than a file (a folder, a pipe, a device) stands where a file
// the planner may do without should be: the planner passes over it as if it were not there.
// Empty when nothing is there or a file is.
QString notARegularFile(const QString &path);

class WorldWalk {
public:
    explicit WorldWalk(const QString &dataFolder) : root_(dataFolder) {}

    QVector<Finding> run();

private:
    // The folder's own files.
    QStringList checkLanguageList();
    void checkLastLanguage(int languageCount);
    // The number of class names the strings file gives; nothing when it cannot be read.
    std::optional<int> checkStrings(const QString &code);
    void checkClassNameCounts(const QStringList &languages,
                              const QVector<std::optional<int>> &counts);
    void checkMoreStrings(const QString &code);
    void checkArrowBitmaps();

    // The class folders.
    void checkClass(int classIndex, const QStringList &languages, int classesNamed);
    // The reference tree file of the tree (the first language's that reads whole), and which of
    // its talents are placed; null when no tree file could be read.
    struct CheckedTree {
        std::optional<TreeFile> reference;
        QString referenceName;
        PlacedSlots placed{};
    };
    CheckedTree checkTree(const QString &treeFolder, const QStringList &languages);
    // Reads the talent pictures of every slot a tree file names; true where one is there and
    // reads.
    // The "no tree file names this picture" warnings only follow from `namesCause` when it is
    // set (no tree file of the tree could be used).
    PlacedSlots checkIcons(const QString &treeFolder, const QVector<const TreeFile *> &files,
                           std::optional<qsizetype> namesCause);

    QString absolute(const QString &relative) const { return root_.filePath(relative); }
    void add(const Finding &finding) { found_.append(finding); }
    void addAll(const QVector<Finding> &findings) { found_.append(findings); }
    // A finding that only follows from the one at `cause` (an index of found_), when that is set:
    // counted under it, to be shown as one line after it, and not listed.
    void addFollowing(std::optional<qsizetype> cause, const Finding &finding)
    {
        if (cause)
            ++folded_[*cause];
        else
            add(finding);
    }
    // The index the next finding takes, and the first finding since `mark`, if any.
    qsizetype mark() const { return found_.size(); }
    std::optional<qsizetype> firstSince(qsizetype mark) const
    {
        return found_.size() > mark ? std::optional<qsizetype>(mark) : std::nullopt;
    }
    void problem(const QString &file, int line, const QString &message)
    {
        found_.append({file, line, message, Finding::Weight::Problem});
    }
    // Runs `read` on the file `relative`; what it throws becomes the file's finding. Returns
    // whether it ran through.
    bool reading(const QString &relative, const std::function<void()> &read);

    QDir root_;
    QVector<Finding> found_;
    QMap<qsizetype, int> folded_; // the findings counted under the one at each index
    // The finding that the warnings about class names follow from: la.ini's when it gives no
    // language, the first strings file's when none of them names a class.
    std::optional<qsizetype> noLanguage_, noClassNames_;
};
