// The class folders: for each tree its background, emblem, tree files in every language and
// talent pictures, and the rules between them.
#include "board/arrow_rules.h"
#include "board/picture_sizes.h"
#include "datafolder/picture_file.h"
#include "datafolder/ui_strings.h"
#include "datafolder/world_check_walk.h"
#include "talents/talent_table.h"
#include "talents/text_lines.h"

#include <QFileInfo>
#include <algorithm>

namespace {

QString treeFileName(const QString &treeFolder, const QString &language)
{
    return treeFolder + QStringLiteral("/tal.") + language;
}

} // namespace

void WorldWalk::checkClass(int classIndex, const QStringList &languages, int classesNamed)
{
    const QString code = *classCode(classIndex);
    const QString trouble = folderTrouble(absolute(code));
    const bool named = classIndex < classesNamed;
    if (!QFileInfo::exists(absolute(code)) && !QFileInfo(absolute(code)).isSymLink()) {
        if (named)
            problem(code, 0,
                    QStringLiteral("the class folder is missing, though the strings files name "
                                   "the class at line %1")
                        .arg(Str::FirstClassName + 1 + classIndex));
        return;
    }
    if (!trouble.isEmpty()) {
        problem(code, 0, QStringLiteral("the class folder ") + trouble);
        return;
    }
    if (!named)
        addFollowing(noClassNames_,
                     warningAt(code, 0,
                               QStringLiteral("no strings file names this class, so the class box "
                                              "does not offer it")));
    ClassTrees trees;
    std::array<CheckedTree, TreeCount> checked;
    for (int tree = 1; tree <= TreeCount; ++tree) {
        const QString treeFolder = code + u'/' + QString::number(tree);
        if (const QString treeTrouble = folderTrouble(absolute(treeFolder));
            !treeTrouble.isEmpty()) {
            problem(treeFolder, 0, QStringLiteral("the tree folder ") + treeTrouble);
            continue;
        }
        const auto k = static_cast<size_t>(tree - 1);
        checked[k] = checkTree(treeFolder, languages);
        if (checked[k].reference) {
            trees.files[k] = &*checked[k].reference;
            trees.placed[k] = checked[k].placed;
            trees.names[k] = checked[k].referenceName;
        }
    }
    if (const std::optional<Finding> tooMany = arrowLimitExceeded(trees))
        add(*tooMany);
}

WorldWalk::CheckedTree WorldWalk::checkTree(const QString &treeFolder, const QStringList &languages)
{
    const auto picture = [&](const QString &name, TreePicture kind) {
        const QString file = treeFolder + u'/' + name;
        QImage image;
        if (reading(file, [&] { image = loadPictureFile(absolute(file)); })) {
            if (const auto wrongSize = pictureSizeWarning(kind, image.size(), file))
                add(*wrongSize);
        }
    };
    picture(QStringLiteral("fon.jpg"), TreePicture::Background);
    picture(QStringLiteral("icv.jpg"), TreePicture::Emblem);

    // Every language's tree file; a file the reader stops in still places its blocks before that
    // point, as in a class load. An empty one is named once, as such: what it lacks is not
    // listed again slot by slot.
    QVector<std::optional<TreeFile>> files;
    QVector<std::optional<qsizetype>> emptyAt; // the finding that names an empty file
    std::optional<qsizetype> firstUnusable;
    for (const QString &language : languages) {
        const QString file = treeFileName(treeFolder, language);
        std::optional<TreeFile> read;
        const qsizetype before = mark();
        if (reading(file, [&] { read = readTreeFile(absolute(file)); })) {
            addAll(suspectTexts(*read, file));
            if (read->error)
                add(findingOfError(*read->error, absolute(file), file));
        }
        const bool empty = read && read->name.isEmpty() && read->blocks.isEmpty() && !read->error;
        if (empty)
            problem(file, 0,
                    QStringLiteral("the tree file is empty: it names no tree and no "
                                   "talent"));
        emptyAt.append(empty ? firstSince(before) : std::nullopt);
        if (!read || empty)
            firstUnusable = firstUnusable ? firstUnusable : firstSince(before);
        files.append(std::move(read));
    }
    QVector<const TreeFile *> readable;
    for (const std::optional<TreeFile> &file : files) {
        if (file)
            readable.append(&*file);
    }
    // Without a tree file to use, the pictures no file names only follow from that.
    const bool anyUsable = std::any_of(files.cbegin(), files.cend(), [](const auto &file) {
        return file && (!file->name.isEmpty() || !file->blocks.isEmpty() || file->error);
    });
    const PlacedSlots iconThere =
        checkIcons(treeFolder, readable,
                   anyUsable ? std::nullopt : (languages.isEmpty() ? noLanguage_ : firstUnusable));

    // The reference is the first language's file that reads whole and is not empty, else the
    // first that reads at all; the others are held to it only when both read whole, so that a
    // file cut short by an error does not make every later slot look missing.
    qsizetype reference = -1;
    for (qsizetype k = 0; k < files.size() && reference < 0; ++k) {
        if (files.at(k) && !files.at(k)->error && !emptyAt.at(k))
            reference = k;
    }
    for (qsizetype k = 0; k < files.size() && reference < 0; ++k) {
        if (files.at(k))
            reference = k;
    }
    CheckedTree checked;
    if (reference < 0)
        return checked;
    const TreeFile &ours = *files.at(reference);
    checked.referenceName = treeFileName(treeFolder, languages.at(reference));
    for (qsizetype k = 0; k < files.size(); ++k) {
        if (k == reference || !files.at(k) || files.at(k)->error || ours.error)
            continue;
        // Comparing an empty file only follows from its being empty.
        const std::optional<qsizetype> cause =
            emptyAt.at(k) ? emptyAt.at(k) : emptyAt.at(reference);
        for (const Finding &finding :
             headerDisagreements(ours, checked.referenceName, *files.at(k),
                                 treeFileName(treeFolder, languages.at(k))))
            addFollowing(cause, finding);
    }
    const auto bySlot = blocksBySlot(ours);
    for (size_t s = 0; s < bySlot.size(); ++s) {
        checked.placed[s] = bySlot[s] && iconThere[s];
        // A world may leave a slot empty that way, so this is no problem in itself.
        if (bySlot[s] && !iconThere[s])
            add(warningAt(checked.referenceName, bySlot[s]->line,
                          QStringLiteral("talent %1 has no picture: it is not placed")
                              .arg(bySlot[s]->header.slot)));
    }
    addAll(unplacedPrerequisites(ours, checked.placed, checked.referenceName));
    addAll(prerequisiteRings(ours, checked.placed, checked.referenceName));
    addAll(relationsWithoutArrow(ours, checked.placed, checked.referenceName));
    checked.reference = ours;
    return checked;
}

PlacedSlots WorldWalk::checkIcons(const QString &treeFolder, const QVector<const TreeFile *> &files,
                                  std::optional<qsizetype> namesCause)
{
    PlacedSlots named{};
    for (const TreeFile *file : files) {
        for (const TalentBlock &block : file->blocks)
            named[static_cast<size_t>(block.header.slot - 1)] = true;
    }
    // A talent picture no block names is never shown: most often its block went missing.
    for (const QString &name : QDir(absolute(treeFolder)).entryList({QStringLiteral("*.jpg")})) {
        const std::optional<int> slot = parseDecimal(name.chopped(4));
        if (slot && TalentTable::validSlot(*slot) && !named[static_cast<size_t>(*slot - 1)] &&
            name == QString::number(*slot) + QStringLiteral(".jpg"))
            addFollowing(namesCause,
                         warningAt(treeFolder + u'/' + name, 0,
                                   QStringLiteral("no tree file names slot %1, so this picture is "
                                                  "never shown")
                                       .arg(*slot)));
    }
    PlacedSlots there{};
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        if (!named[static_cast<size_t>(slot - 1)])
            continue;
        // A talent without its picture is left off the board on purpose; one that is there must
        // read, or the class does not load.
        const QString file = treeFolder + u'/' + QString::number(slot) + QStringLiteral(".jpg");
        std::optional<QImage> icon;
        const bool read = reading(file, [&] { icon = loadPictureFileIfPresent(absolute(file)); });
        // A picture that is there but broken is named once, as such: its talent still counts as
        // placed, so that the talents needing it are not named as well. So is something else in
        // its place (the planner leaves the talent off, but that is no gap an author meant).
        const QString trouble = read && !icon ? notARegularFile(absolute(file)) : QString();
        if (!trouble.isEmpty())
            problem(file, 0, trouble + QStringLiteral(": the planner leaves the talent off"));
        there[static_cast<size_t>(slot - 1)] = !read || icon || !trouble.isEmpty();
        if (!icon)
            continue;
        if (const auto wrongSize = pictureSizeWarning(TreePicture::Icon, icon->size(), file))
            add(*wrongSize);
    }
    return there;
}
