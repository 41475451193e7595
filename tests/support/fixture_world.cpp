#include "fixture_world.h"

#include "jpeg_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

FixtureWorld::FixtureWorld()
{
    QDir(dir_.path()).mkpath(QStringLiteral("datas"));
    write(QStringLiteral("la.ini"), "en\r\nru\r\n");
    write(QStringLiteral("last.ini"), "0\r\n");
    writeStrings(QStringLiteral("en"), defaultStrings(QStringLiteral("en")));
    writeStrings(QStringLiteral("ru"), defaultStrings(QStringLiteral("ru")));
    writeArrows();
}

QString FixtureWorld::path(const QString &relative) const
{
    return QDir(dir_.path()).filePath(QStringLiteral("datas/") + relative);
}

void FixtureWorld::write(const QString &relative, const QByteArray &bytes)
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture file %s", qPrintable(target));
}

void FixtureWorld::remove(const QString &relative)
{
    QFile::remove(path(relative));
}

QStringList FixtureWorld::defaultStrings(const QString &code)
{
    QStringList lines;
    for (int i = 0; i < 19; ++i)
        lines.append(code + u':' + QString::number(i));
    for (int n = 0; n < 10; ++n)
        lines.append(code + QStringLiteral(" class ") + QString::number(n));
    return lines;
}

void FixtureWorld::writeStrings(const QString &code, const QStringList &lines)
{
    write(QStringLiteral("lang.") + code, lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
}

QColor FixtureWorld::iconColour(int tree, int slot)
{
    return QColor::fromHsv((slot * 37 + tree * 101) % 360, 200, 120 + (slot * 13) % 120);
}

QByteArray FixtureWorld::treeFileText(const FixtureTree &shape, int tree, const QString &language)
{
    QByteArray text = shape.name.toUtf8() + "\r\n";
    for (const FixtureTalent &t : shape.talents) {
        const QString id = QString::number(tree) + u'-' + QString::number(t.slot);
        text += '#' + QByteArray::number(t.slot) + ' ' + QByteArray::number(t.maxRank);
        if (t.prereq != 0)
            text += ' ' + QByteArray::number(t.prereq);
        text += "\r\n" + (language + QStringLiteral(" talent ") + id).toUtf8() + "\r\n";
        for (int k = 1; k <= t.maxRank; ++k) {
            text += (language + QStringLiteral(" rank ") + QString::number(k) +
                     QStringLiteral(" of ") + id)
                        .toUtf8() +
                    "\r\n";
        }
    }
    return text + "#endtalants\r\n";
}

void FixtureWorld::writeTree(const QString &classCode, int tree, const FixtureTree &shape,
                             const QStringList &languages)
{
    const QString folder = classCode + u'/' + QString::number(tree) + u'/';
    write(folder + QStringLiteral("fon.jpg"), solidJpeg(300, 717, QColor(20, 20, 40 + tree * 20)));
    write(folder + QStringLiteral("icv.jpg"), solidJpeg(27, 27, QColor(200, 180, 40)));
    for (const QString &language : languages)
        write(folder + QStringLiteral("tal.") + language, treeFileText(shape, tree, language));
    for (const FixtureTalent &t : shape.talents) {
        if (t.icon) {
            write(folder + QString::number(t.slot) + QStringLiteral(".jpg"),
                  solidJpeg(45, 43, iconColour(tree, t.slot)));
        }
    }
}

void FixtureWorld::writeArrows()
{
    const char *codes[] = {"d1", "d2", "d3", "r1", "l1", "b1", "a1"};
    const QSize sizes[] = {{20, 21}, {20, 85}, {20, 149}, {25, 20}, {70, 20}, {40, 53}, {50, 53}};
    const QColor variants[] = {QColor(200, 200, 200), QColor(0, 220, 0), QColor(240, 200, 0)};
    const char letters[] = {'w', 'g', 'y'};
    for (int c = 0; c < 7; ++c) {
        for (int v = 0; v < 3; ++v) {
            QImage image(sizes[c], QImage::Format_RGB32);
            image.fill(QColor(255, 0, 255));
            for (int y = 2; y < image.height() - 2; ++y)
                image.setPixelColor(image.width() / 2, y, variants[v]);
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "BMP");
            write(QStringLiteral("arrows/") + QLatin1String(codes[c]) + QLatin1Char(letters[v]) +
                      QStringLiteral(".bmp"),
                  bytes);
        }
    }
}

QVector<FixtureTree> FixtureWorld::standardClass()
{
    // Tree 1: a plain tree for the tier rules, with a prerequisite straight down and one whose
    // icon is missing. Tree 2: prerequisites of every shape. Tree 3: deep rows, so that the
    // budget of 71 points can be reached across the trees.
    // One talent table a tree, as compact as a tree file.
    // clang-format off
    FixtureTree one{QStringLiteral("First Tree"),
                    {{1, 5}, {2, 3}, {3, 2}, {4, 1}, {5, 3}, {6, 2, 2}, {7, 3, 0, false},
                     {10, 2, 6}, {11, 1, 7}, {9, 5}, {13, 3}, {14, 3, 10}, {17, 5}, {21, 1},
                     {25, 2}, {29, 3}, {33, 5}, {37, 1}, {41, 1}}};
    FixtureTree two{QStringLiteral("Second Tree"),
                    {{1, 3}, {2, 3}, {3, 2}, {4, 2}, {5, 5, 1}, {6, 1, 5}, {8, 2, 4},
                     {7, 2, 8}, {9, 3, 5}, {10, 1, 5}, {11, 1, 8}, {13, 3}, {16, 2, 8}, {17, 5}, {19, 1, 7}}};
    // clang-format on
    FixtureTree three{QStringLiteral("Third Tree"), {}};
    for (int slot = 1; slot <= 44; slot += 1) {
        if (slot % 4 == 1 || slot % 4 == 2)
            three.talents.append({slot, 5});
    }
    return {one, two, three};
}

void FixtureWorld::writeStandardClass(const QString &classCode)
{
    const QVector<FixtureTree> trees = standardClass();
    for (int t = 0; t < trees.size(); ++t)
        writeTree(classCode, t + 1, trees[t]);
}

QByteArray solidJpeg(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return encodeJpeg(image);
}
