#include "toolkit/icon_on_demand.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

// The window icon read from its files at the first question, not when it is made.
class TestIconOnDemand : public QObject {
    Q_OBJECT

private slots:
    void filesAreReadWhenFirstAsked_data();
    void filesAreReadWhenFirstAsked();
    void noFilesIsNoIcon();
};

void TestIconOnDemand::filesAreReadWhenFirstAsked_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("given");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("small") << 16 << 16 << QColor(Qt::red);
    QTest::newRow("large") << 32 << 32 << QColor(Qt::blue);
    QTest::newRow("between: the larger file, scaled down") << 24 << 24 << QColor(Qt::blue);
}

void TestIconOnDemand::filesAreReadWhenFirstAsked()
{
    QFETCH(int, asked);
    QFETCH(int, given);
    QFETCH(QColor, colour);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString small = dir.filePath(QStringLiteral("16.png"));
    const QString large = dir.filePath(QStringLiteral("32.png"));
    const QIcon icon = iconOnDemand({small, large});
    QVERIFY(!icon.isNull());

    // The files come only after the icon was made: it has read nothing yet.
    const auto write = [](const QString &path, int side, Qt::GlobalColor c) {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(c);
        return image.save(path);
    };
    QVERIFY(write(small, 16, Qt::red));
    QVERIFY(write(large, 32, Qt::blue));

    QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    const QImage shown = icon.pixmap(QSize(asked, asked), 1.0).toImage();
    QCOMPARE(shown.size(), QSize(given, given));
    QCOMPARE(shown.pixelColor(given / 2, given / 2), colour);
}

void TestIconOnDemand::noFilesIsNoIcon()
{
    QVERIFY(iconOnDemand({}).isNull());
}

QTEST_MAIN(TestIconOnDemand)
#include "test_icon_on_demand.moc"
