#pragma once

// The walk through a data folder that checkDataFolder makes, shared by its two source files: the
// folder's own files (world_check.cpp) and the class folders (world_check_classes.cpp).
#include "talents/finding.h"
#include "talents/tree_rules.h"

#include <QDir>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

// What keeps a folder from being walked: "is missing", "is not a folder" or "cannot be read";
// empty when it can be walked.
QString folderTrouble(const QString &path);

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
    PlacedSlots checkIcons(const QString &treeFolder, const QVector<const TreeFile *> &files);

    QString absolute(const QString &relative) const { return root_.filePath(relative); }
    void add(const Finding &finding) { found_.append(finding); }
    void addAll(const QVector<Finding> &findings) { found_.append(findings); }
    void problem(const QString &file, int line, const QString &message)
    {
        found_.append({file, line, message, Finding::Weight::Problem});
    }
    // Runs `read` on the file `relative`; what it throws becomes the file's finding. Returns
    // whether it ran through.
    bool reading(const QString &relative, const std::function<void()> &read);

    QDir root_;
    QVector<Finding> found_;
};
