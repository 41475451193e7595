// The bundled world read as data: every class loads in both languages, every tree is a playable
// tree, the two languages agree, and every picture exists and decodes.
#include "base/read_file.h"
#include "board/arrow_piece.h"
#include "board/cell_geometry.h"
#include "board/fonts.h"
#include "controls_by_name.h"
#include "datafolder/picture_file.h"
#include "recording_dialogs.h"
#include "ui/arrow_layer.h"
#include "ui/main_window.h"
#include "talents/slot_cell.h"
#include "talents/text_lines.h"
#include "talents/tree_file.h"
#include "toolkit/choice_box.h"
#include "toolkit/image_control.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QSet>
#include <QTest>

namespace {

QString worldDir()
{
    return qEnvironmentVariable("RUNEPLAN_WORLD_DIR");
}

QStringList languages()
{
    return readListFile(QDir(worldDir()).filePath(QStringLiteral("la.ini")));
}

TreeFile readTree(const QString &code, int tree, const QString &language)
{
    const QString path =
        QDir(worldDir())
            .filePath(code + u'/' + QString::number(tree) + QStringLiteral("/tal.") + language);
    return readTreeFile(path);
}

QString headerText(const TalentHeader &h)
{
    return QStringLiteral("%1 %2 %3").arg(h.slot).arg(h.maxRank).arg(h.prereq);
}

void addClassRows()
{
    QTest::addColumn<int>("classIndex");
    for (int i = 0; i < int(classCodes.size()); ++i)
        QTest::newRow(classCodes[size_t(i)]) << i;
}

} // namespace

class TestWorld : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerTahoma();
        QVERIFY2(QFileInfo::exists(QDir(worldDir()).filePath(QStringLiteral("la.ini"))),
                 "the bundled world is assembled by the build");
        QCOMPARE(languages(), (QStringList{QStringLiteral("en"), QStringLiteral("ru")}));
    }

    void everyClassLoadsInEveryLanguage()
    {
        // The window reads the world where the build assembles it; it is never closed here, so
        // it writes nothing back.
        RecordingDialogs dialogs;
        MainWindow window(QFileInfo(worldDir()).absolutePath());
        QVERIFY(!window.endRequested());
        for (int language = 0; language < languages().size(); ++language) {
            languageBox(window)->setCurrentIndex(language);
            emit languageBox(window)->activated(language);
            QCOMPARE(classBox(window)->count(), int(classCodes.size()));
            for (int c = 0; c < int(classCodes.size()); ++c) {
                classBox(window)->setCurrentIndex(c);
                emit classBox(window)->activated(c);
                const QString where =
                    window.build().languageCode() + u' ' + QLatin1String(classCodes[size_t(c)]);
                QVERIFY2(dialogs.messages.isEmpty(),
                         qPrintable(where + u' ' + dialogs.messages.value(0).text));
                for (int tree = 1; tree <= TreeCount; ++tree)
                    QVERIFY2(!window.talents().treeName(tree).isEmpty(), qPrintable(where));
                for (int k = 0; k < window.board().arrows().count(); ++k) {
                    const ArrowEntry &a = window.board().arrows().entries()[size_t(k)];
                    QVERIFY2(a.shown, qPrintable(where)); // every arrow draws
                }
            }
        }
    }

    void everyTreeIsPlayable_data() { addClassRows(); }
    void everyTreeIsPlayable()
    {
        QFETCH(int, classIndex);
        const QString code = QLatin1String(classCodes[size_t(classIndex)]);
        int prerequisites = 0;
        for (int tree = 1; tree <= TreeCount; ++tree) {
            const TreeFile file = readTree(code, tree, QStringLiteral("en"));
            const QString where = code + u'/' + QString::number(tree);
            QVERIFY2(!file.error, qPrintable(file.error.value_or(QString())));
            QVERIFY2(file.blocks.size() >= 18 && file.blocks.size() <= 30, qPrintable(where));
            std::array<int, RowsPerTree + 1> rowRanks{};
            QSet<int> usedSlots;
            for (const TalentBlock &b : file.blocks) {
                QVERIFY2(!usedSlots.contains(b.header.slot), qPrintable(where));
                usedSlots.insert(b.header.slot);
                rowRanks[size_t(slotPosition(b.header.slot).row)] += b.header.maxRank;
                if (b.header.prereq != 0) {
                    ++prerequisites;
                    const QRect icon(iconPosition(b.header.slot, tree, 300), QSize(45, 43));
                    QVERIFY2(arrowPiece(b.header.slot, b.header.prereq, icon),
                             qPrintable(where + QStringLiteral(" slot ") +
                                        QString::number(b.header.slot)));
                }
            }
            int above = 0;
            for (int row = 1; row <= RowsPerTree; ++row) {
                if (rowRanks[size_t(row)] > 0)
                    QVERIFY2(above >= PointsPerTier * (row - 1), qPrintable(where));
                above += rowRanks[size_t(row)];
            }
            QVERIFY2(above - rowRanks[RowsPerTree] >= 50, qPrintable(where));
            QVERIFY2(rowRanks[RowsPerTree] > 0, qPrintable(where));
        }
        QVERIFY(prerequisites <= ArrowCapacity);
    }

    void languagesAgreeOnEveryTree_data() { addClassRows(); }
    void languagesAgreeOnEveryTree()
    {
        QFETCH(int, classIndex);
        const QString code = QLatin1String(classCodes[size_t(classIndex)]);
        for (int tree = 1; tree <= TreeCount; ++tree) {
            QStringList reference;
            for (const QString &language : languages()) {
                const TreeFile file = readTree(code, tree, language);
                QVERIFY(!file.error);
                QStringList headers;
                for (const TalentBlock &b : file.blocks) {
                    headers.append(headerText(b.header));
                    QVERIFY(!b.name.trimmed().isEmpty());
                    for (int k = 1; k <= b.header.maxRank; ++k)
                        QVERIFY(!b.rankText[size_t(k)].trimmed().isEmpty());
                }
                if (reference.isEmpty())
                    reference = headers;
                QCOMPARE(headers, reference);
            }
        }
    }

    // The texts beyond the strings files: every one given in every language, and the captions of
    // the side panel's links within their 85 pixels.
    void everyMoreTextIsGivenAndFits()
    {
        const QFont font = tahoma(13, true);
        const QFontMetrics metrics(font);
        for (const QString &language : languages()) {
            MoreStrings more;
            more.load(QDir(worldDir()).filePath(QStringLiteral("more.") + language));
            for (int k = 0; k < int(More::Count); ++k) {
                const auto key = More(k);
                const QString where = language + u' ' + MoreStrings::keyOf(key);
                QVERIFY2(language == QStringLiteral("en") ||
                             more.at(key) != MoreStrings::englishOf(key),
                         qPrintable(where));
            }
            for (More key :
                 {More::Undo, More::Redo, More::CopyCode, More::PasteCode, More::Summary})
                QVERIFY2(metrics.horizontalAdvance(more.at(key)) <= 85,
                         qPrintable(language + u' ' + more.at(key) + u' ' +
                                    QString::number(metrics.horizontalAdvance(more.at(key)))));
        }
    }

    void everyArrowPieceIsUsed()
    {
        QSet<QString> codes;
        for (const char *code : classCodes) {
            for (int tree = 1; tree <= TreeCount; ++tree) {
                for (const TalentBlock &b :
                     readTree(QLatin1String(code), tree, QStringLiteral("en")).blocks) {
                    if (b.header.prereq == 0)
                        continue;
                    const QRect icon(iconPosition(b.header.slot, tree, 300), QSize(45, 43));
                    if (const auto piece = arrowPiece(b.header.slot, b.header.prereq, icon))
                        codes.insert(piece->code);
                }
            }
        }
        QCOMPARE(codes.size(), 7);
    }

    void everyPictureDecodes_data() { addClassRows(); }
    void everyPictureDecodes()
    {
        QFETCH(int, classIndex);
        const QString code = QLatin1String(classCodes[size_t(classIndex)]);
        const QDir world(worldDir());
        for (int tree = 1; tree <= TreeCount; ++tree) {
            const QString folder = code + u'/' + QString::number(tree) + u'/';
            QCOMPARE(loadPictureFile(world.filePath(folder + QStringLiteral("fon.jpg"))).size(),
                     QSize(300, 717));
            QCOMPARE(loadPictureFile(world.filePath(folder + QStringLiteral("icv.jpg"))).size(),
                     QSize(27, 27));
            for (const TalentBlock &b : readTree(code, tree, QStringLiteral("en")).blocks) {
                const QString icon =
                    folder + QString::number(b.header.slot) + QStringLiteral(".jpg");
                QCOMPARE(loadPictureFile(world.filePath(icon)).size(), QSize(45, 43));
            }
        }
    }

    void everyArrowBitmapDecodes()
    {
        for (const char *code : {"d1", "d2", "d3", "r1", "l1", "b1", "a1"}) {
            for (char variant : {'w', 'g', 'y'}) {
                const QString path =
                    QDir(worldDir()).filePath(arrowBitmapName(QLatin1String(code), variant));
                QVERIFY2(!loadPictureFile(path).isNull(), qPrintable(path));
            }
        }
    }
};

QTEST_MAIN(TestWorld)
#include "test_world.moc"
