#include "world_painter.h"

#include "app_icon_painter.h"
#include "arrow_painter.h"
#include "background_painter.h"
#include "base/error.h"
#include "icon_painter.h"
#include "jpeg_writer.h"
#include "output_file.h"
#include "talents/text_lines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString artFileName = QStringLiteral("art.txt");
const QString talentFileName = QStringLiteral("tal.en");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()));
    return decodeDataText(file.readAll());
}

void record(PaintTally &tally, const QString &path, const QByteArray &bytes)
{
    if (writeIfChanged(path, bytes))
        ++tally.written;
    else
        ++tally.unchanged;
}

void removeStaleSlotIcons(QDir folder, const TreeArt &art, PaintTally &tally)
{
    static const QRegularExpression slotIcon(QStringLiteral("^([0-9]+)\\.jpg$"));
    const QStringList names = folder.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const auto match = slotIcon.match(name);
        if (!match.hasMatch() || art.talents.contains(match.captured(1).toInt()))
            continue;
        if (!folder.remove(name))
            throw Error(
                QStringLiteral("%1: cannot remove the old icon").arg(folder.filePath(name)));
        ++tally.removed;
    }
}

void paintArrows(const QString &datas, PaintTally &tally)
{
    const QDir folder(QDir(datas).filePath(QStringLiteral("arrows")));
    for (ArrowPiece piece : allArrowPieces()) {
        for (ArrowVariant variant : allArrowVariants()) {
            record(tally, folder.filePath(arrowFileName(piece, variant)),
                   encodeImage(paintArrow(piece, variant), "BMP"));
        }
    }
}

void paintAppIcons(const QString &artOutput, PaintTally &tally)
{
    const QDir folder(artOutput);
    for (int size : appIconSizes()) {
        record(tally, folder.filePath(QStringLiteral("runeplan-%1.png").arg(size)),
               encodeImage(paintAppIcon(size), "PNG"));
    }
}

} // namespace

QStringList checkArtCoversTalents(const TreeArt &art, const QString &artFileName,
                                  const TreeFile &talents, const QString &talentFileName)
{
    QList<int> talentSlots;
    for (const TalentBlock &block : talents.blocks) {
        talentSlots.append(block.header.slot);
        if (!art.talents.contains(block.header.slot)) {
            throw Error(QStringLiteral("%1: no line for slot %2, talent '%3' of %4 line %5")
                            .arg(artFileName)
                            .arg(block.header.slot)
                            .arg(block.name, talentFileName)
                            .arg(block.line));
        }
    }
    QStringList warnings;
    for (auto it = art.talents.cbegin(); it != art.talents.cend(); ++it) {
        if (!talentSlots.contains(it.key())) {
            warnings.append(QStringLiteral("%1, line %2: slot %3 has no talent in %4")
                                .arg(artFileName)
                                .arg(it.value().line)
                                .arg(it.key())
                                .arg(talentFileName));
        }
    }
    return warnings;
}

void paintTree(const QString &treeSource, const QString &treeOutput, PaintTally &tally)
{
    const QDir source(treeSource);
    const QString artPath = source.filePath(artFileName);
    const QString talentPath = source.filePath(talentFileName);
    const TreeArt art = parseArtFile(readText(artPath), artPath);
    if (!QFileInfo::exists(talentPath))
        throw Error(
            QStringLiteral("%1: missing; art.txt beside it is checked against it").arg(talentPath));
    const TreeFile talents = parseTreeFile(splitTreeLines(readText(talentPath)), talentPath);
    if (talents.error)
        throw Error(*talents.error);
    tally.warnings += checkArtCoversTalents(art, artPath, talents, talentPath);

    const QDir output(treeOutput);
    record(tally, output.filePath(QStringLiteral("fon.jpg")), compressJpeg(paintBackground(art)));
    record(tally, output.filePath(QStringLiteral("icv.jpg")), compressJpeg(paintEmblem(art)));
    for (auto it = art.talents.cbegin(); it != art.talents.cend(); ++it) {
        record(tally, output.filePath(QStringLiteral("%1.jpg").arg(it.key())),
               compressJpeg(paintTalentIcon(it.value(), art, it.key())));
    }
    removeStaleSlotIcons(output, art, tally);
}

PaintTally paintWorld(const QString &source, const QString &datas, const QString &artOutput)
{
    const QDir world(source);
    if (!world.exists())
        throw Error(QStringLiteral("%1: no such folder").arg(source));
    PaintTally tally;
    const QStringList classes = world.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &code : classes) {
        for (int tree = 1; tree <= 3; ++tree) {
            const QString relative = code + u'/' + QString::number(tree);
            const QDir treeSource(world.filePath(relative));
            if (!treeSource.exists())
                continue;
            if (!treeSource.exists(artFileName)) {
                if (treeSource.exists(talentFileName))
                    tally.warnings.append(
                        QStringLiteral("%1: no art.txt, so no pictures for this tree")
                            .arg(treeSource.path()));
                continue;
            }
            paintTree(treeSource.path(), QDir(datas).filePath(relative), tally);
        }
    }
    paintArrows(datas, tally);
    paintAppIcons(artOutput, tally);
    return tally;
}
