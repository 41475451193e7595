#include "board/fonts.h"
#include "board/picture_band.h"
#include "board/rank_look.h"

#include <QTest>

namespace {

// The first and last rows from `top` down that hold a pixel of `colour`; {-1, -1} when none does.
std::pair<int, int> rowsOf(const QImage &image, int top, const QColor &colour)
{
    std::pair<int, int> rows{-1, -1};
    for (int y = top; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                rows = {rows.first < 0 ? y : rows.first, y};
                break;
            }
        }
    }
    return rows;
}

} // namespace

// The band under a build's picture: as wide as the trees, black, the heading in gold above the
// code in white, the code kept whole on as many lines as it needs.
class TestPictureBand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerTahoma(); }

    void theBandNamesTheBuild_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("codeLines");

        const QString shortCode = QStringLiteral("RB2Dd3jiCe2EAW0");
        const QString longCode = QStringLiteral("RB2") + QString(120, u'W');
        QTest::newRow("one line at 1x") << 1 << shortCode << 1;
        QTest::newRow("one line at 2x") << 2 << shortCode << 1;
        QTest::newRow("two lines at 1x") << 1 << longCode << 2;
        QTest::newRow("two lines at 2x") << 2 << longCode << 2;
    }

    void theBandNamesTheBuild()
    {
        QFETCH(int, scale);
        QFETCH(QString, code);
        QFETCH(int, codeLines);
        QImage trees(QSize(910, 721) * scale, QImage::Format_RGB32);
        trees.fill(QColor(40, 60, 80));
        const PictureBand band{QStringLiteral("Dusktender, level 79 \u2014 Vesper Flame 36 / "
                                              "Starless Watch 30 / Shadeweave 4"),
                               code};

        const QImage picture = withBand(trees, band, scale);
        const int height = bandHeight(band, 910);
        QCOMPARE(picture.size(), QSize(910 * scale, (721 + height) * scale));
        QCOMPARE(picture.copy(trees.rect()), trees);
        const int top = trees.height();
        QCOMPARE(picture.pixelColor(0, top), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(picture.width() - 1, picture.height() - 1), QColor(Qt::black));
        // The gold line above the white code; the code's rows span one line or more than one.
        const auto [goldTop, goldBottom] = rowsOf(picture, top, RankGold);
        const auto [codeTop, codeBottom] = rowsOf(picture, top, Qt::white);
        QVERIFY(goldTop > top && goldBottom < codeTop);
        const int noCode = bandHeight({band.heading, {}}, 910);
        const int lineHeight = bandHeight({band.heading, QStringLiteral("W")}, 910) - noCode;
        QCOMPARE(height, noCode + codeLines * lineHeight);
        QCOMPARE(codeBottom - codeTop >= lineHeight * scale, codeLines > 1);
        QVERIFY(codeBottom < picture.height() - 1);
    }
};

QTEST_MAIN(TestPictureBand)
#include "test_picture_band.moc"
