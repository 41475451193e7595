#include "glyph_painter.h"
#include "glyphs.h"

#include <QImage>
#include <QPainter>
#include <QTest>

// The glyph vocabulary: every word art.txt may use is known, and every glyph draws a shape of
// its own.
class TestGlyphs : public QObject {
    Q_OBJECT

private slots:
    void namesRoundTrip();
    void unknownNames_data();
    void unknownNames();
    void everyGlyphDrawsSomething_data();
    void everyGlyphDrawsSomething();
    void glyphsDifferFromEachOther();
    void placementFitsTheTarget_data();
    void placementFitsTheTarget();
};

namespace {

constexpr int maskSize = 64;

// The glyph's body and light layer in white on black, fitted into the whole picture.
QImage glyphMask(Glyph glyph)
{
    QImage image(maskSize, maskSize, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const GlyphShape shape = glyphShape(glyph);
    const QTransform place = glyphPlacement(shape, QRectF(2, 2, maskSize - 4, maskSize - 4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(place.map(shape.body));
    painter.drawPath(place.map(shape.light));
    return image;
}

bool covered(const QImage &mask, int x, int y)
{
    return mask.constScanLine(y)[x] >= 128;
}

double coveredShare(const QImage &mask)
{
    int count = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            count += covered(mask, x, y) ? 1 : 0;
    return double(count) / (mask.width() * mask.height());
}

double differingShare(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += covered(a, x, y) != covered(b, x, y) ? 1 : 0;
    return double(count) / (a.width() * a.height());
}

void addGlyphRows()
{
    QTest::addColumn<Glyph>("glyph");
    for (Glyph glyph : allGlyphs())
        QTest::newRow(qPrintable(glyphName(glyph))) << glyph;
}

} // namespace

void TestGlyphs::namesRoundTrip()
{
    const QStringList vocabulary = {"flame", "drop",      "leaf",     "shield",  "sword",  "star",
                                    "moon",  "sun",       "eye",      "hand",    "skull",  "bolt",
                                    "arrow", "wave",      "crown",    "feather", "paw",    "claw",
                                    "heart", "gear",      "spiral",   "tower",   "axe",    "bow",
                                    "orb",   "snowflake", "mountain", "tree",    "wing",   "fang",
                                    "chain", "hourglass", "mask",     "book",    "potion", "rune"};
    QCOMPARE(allGlyphs().size(), vocabulary.size());
    for (const QString &word : vocabulary) {
        const auto glyph = glyphFromName(word);
        QVERIFY2(glyph.has_value(), qPrintable(word));
        QCOMPARE(glyphName(*glyph), word);
    }
}

void TestGlyphs::unknownNames_data()
{
    QTest::addColumn<QString>("word");
    QTest::newRow("empty") << QString();
    QTest::newRow("capitalised") << "Moon";
    QTest::newRow("plural") << "flames";
    QTest::newRow("blank around") << " sun";
    QTest::newRow("not in the vocabulary") << "dragon";
}

void TestGlyphs::unknownNames()
{
    QFETCH(QString, word);
    QVERIFY(!glyphFromName(word).has_value());
}

void TestGlyphs::everyGlyphDrawsSomething_data()
{
    addGlyphRows();
}

void TestGlyphs::everyGlyphDrawsSomething()
{
    QFETCH(Glyph, glyph);
    const double share = coveredShare(glyphMask(glyph));
    // A glyph fitted into the box must be a visible shape, not a speck and not a filled square.
    QVERIFY2(share > 0.12, qPrintable(QString::number(share)));
    QVERIFY2(share < 0.85, qPrintable(QString::number(share)));
}

void TestGlyphs::glyphsDifferFromEachOther()
{
    QVector<QImage> masks;
    for (Glyph glyph : allGlyphs())
        masks.append(glyphMask(glyph));
    for (qsizetype i = 0; i < masks.size(); ++i) {
        for (qsizetype j = i + 1; j < masks.size(); ++j) {
            const double share = differingShare(masks.at(i), masks.at(j));
            const QString pair = glyphName(allGlyphs().at(i)) + QStringLiteral(" and ") +
                                 glyphName(allGlyphs().at(j));
            QVERIFY2(share > 0.08, qPrintable(pair + QStringLiteral(" look alike")));
        }
    }
}

void TestGlyphs::placementFitsTheTarget_data()
{
    addGlyphRows();
}

void TestGlyphs::placementFitsTheTarget()
{
    QFETCH(Glyph, glyph);
    const QRectF target(6, 5, 33, 31);
    const GlyphShape shape = glyphShape(glyph);
    const QRectF placed = glyphPlacement(shape, target).mapRect(shape.bounds());
    QVERIFY(target.adjusted(-0.01, -0.01, 0.01, 0.01).contains(placed));
    // As large as it fits: it touches the target's sides in one direction at least.
    QVERIFY(placed.width() > target.width() - 0.1 || placed.height() > target.height() - 0.1);
}

QTEST_MAIN(TestGlyphs)
#include "test_glyphs.moc"
