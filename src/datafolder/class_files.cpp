#include "datafolder/class_files.h"

#include "board/grey.h"
#include "datafolder/parallel_jobs.h"
#include "datafolder/picture_file.h"

#include <QDir>
#include <QVector>
#include <utility>

namespace {

std::optional<TalentPicture> readTalentPicture(const QString &path)
{
    std::optional<QImage> colour = loadPictureFileIfPresent(path);
    if (!colour)
        return std::nullopt;
    QImage grey = greyed(*colour);
    return TalentPicture{std::move(*colour), std::move(grey)};
}

ParallelJob pictureJob(Outcome<QImage> &outcome, const QString &path)
{
    return [&outcome, path] { outcome.settle([&] { return loadPictureFile(path); }); };
}

ParallelJob talentPictureJob(Outcome<std::optional<TalentPicture>> &outcome, const QString &path)
{
    return [&outcome, path] { outcome.settle([&] { return readTalentPicture(path); }); };
}

} // namespace

std::array<TreeFolderFiles, TreeCount> readClassFiles(const QString &classFolder,
                                                      const QString &languageCode)
{
    std::array<TreeFolderFiles, TreeCount> trees;
    std::array<QDir, TreeCount> folders;
    // The backgrounds first: by far the largest pictures, they are best not started last while
    // the other threads stand idle.
    QVector<ParallelJob> jobs;
    for (int t = 0; t < TreeCount; ++t) {
        folders[t].setPath(classFolder + u'/' + QString::number(t + 1));
        jobs.append(
            pictureJob(trees[t].background, folders[t].filePath(QStringLiteral("fon.jpg"))));
    }
    for (int t = 0; t < TreeCount; ++t) {
        TreeFolderFiles &files = trees[t];
        jobs.append(pictureJob(files.emblem, folders[t].filePath(QStringLiteral("icv.jpg"))));
        // Here, before the pictures: the tree file names the talents whose pictures are read,
        // and it is small.
        files.treeFilePath = folders[t].filePath(QStringLiteral("tal.") + languageCode);
        files.treeFile.settle([&] { return readTreeFile(files.treeFilePath); });
        // A tree file that could not be read names no talents: its error waits in its outcome.
        const TreeFile *treeFile = files.treeFile.ifSucceeded();
        if (!treeFile)
            continue;
        std::array<bool, SlotsPerTree> queued{};
        for (const TalentBlock &block : treeFile->blocks) {
            const int slot = block.header.slot;
            if (std::exchange(queued.at(slot - 1), true))
                continue; // a slot named twice has one picture
            jobs.append(talentPictureJob(
                files.talentPictures.at(slot - 1),
                folders[t].filePath(QString::number(slot) + QStringLiteral(".jpg"))));
        }
    }
    runParallelJobs(std::move(jobs));
    return trees;
}
