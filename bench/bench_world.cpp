#include "bench_world.h"

#include "base/error.h"
#include "base/read_file.h"
#include "talents/talent_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 MaxPictureBytes = 64 * 1024 * 1024;

// The pictures of one tree in the order a load decodes them.
QStringList treePictures(const QDir &tree)
{
    QStringList pictures = {tree.filePath(QStringLiteral("fon.jpg")),
                            tree.filePath(QStringLiteral("icv.jpg"))};
    for (int slot = 1; slot <= SlotsPerTree; ++slot) {
        const QString icon = tree.filePath(QString::number(slot) + QStringLiteral(".jpg"));
        if (QFileInfo::exists(icon))
            pictures.append(icon);
    }
    return pictures;
}

} // namespace

QString benchExeDir()
{
    return QCoreApplication::applicationDirPath();
}

BenchClass heaviestClass(const QString &exeDir)
{
    const QDir datas(QDir(exeDir).filePath(QStringLiteral("datas")));
    BenchClass heaviest;
    for (int index = 0; index < static_cast<int>(classCodes.size()); ++index) {
        const QString code = *classCode(index);
        if (!QFileInfo(datas.filePath(code)).isDir())
            continue;
        BenchClass candidate{index, code, 0, {}};
        for (int tree = 1; tree <= TreeCount; ++tree) {
            const QStringList pictures =
                treePictures(QDir(datas.filePath(code + u'/' + QString::number(tree))));
            candidate.iconCount += static_cast<int>(pictures.size()) - 2;
            candidate.pictures += pictures;
        }
        if (candidate.iconCount > heaviest.iconCount)
            heaviest = candidate;
    }
    if (heaviest.index < 0)
        throw Error(QStringLiteral("No class with talent icons under %1").arg(datas.path()));
    return heaviest;
}

QVector<QByteArray> readFiles(const QStringList &paths)
{
    QVector<QByteArray> files;
    files.reserve(paths.size());
    for (const QString &path : paths)
        files.append(readFileBytes(path, MaxPictureBytes));
    return files;
}
