#include "board/fonts.h"
#include "toolkit/label_control.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

// The text labels: line breaks, sizing to the text, colours and backgrounds.
class TestLabelControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lineBreaksStartNewLines_data();
    void lineBreaksStartNewLines();
    void autoSizeTakesTheTextSize_data();
    void autoSizeTakesTheTextSize();
    void withoutAutoSizeTheSizeStays();
    void wrappingKeepsTheWidthAndTakesTheWrappedHeight_data();
    void wrappingKeepsTheWidthAndTakesTheWrappedHeight();
    void autoSizeIsTheSizeQtWouldGive_data();
    void autoSizeIsTheSizeQtWouldGive();
    void aRepeatedCaptionKeepsTheFit();
    void autoSizeRefitsAfterAFontChange();
    void boldIsWiderAndRefits();
    void fontColourIsDrawn();
    void backgroundIsSolidOrTransparent();
    void clickedOnlyForALeftReleaseInside_data();
    void clickedOnlyForALeftReleaseInside();
};

namespace {

const QColor ParentColour(255, 0, 255);

// A parent that paints itself a known colour, so that a transparent label shows it.
class Backdrop : public QWidget {
public:
    Backdrop()
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, ParentColour);
        setPalette(p);
        setAutoFillBackground(true);
        resize(200, 100);
    }
};

int oneLineHeight(const QFont &font)
{
    return QFontMetrics(font).height();
}

bool showsColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000u) == colour.rgb())
                return true;
        }
    }
    return false;
}

const QString LongText = QStringLiteral(
    "Each point spent here makes the next spell a little stronger and a little cheaper.");

} // namespace

void TestLabelControl::initTestCase()
{
    registerTahoma();
}

void TestLabelControl::lineBreaksStartNewLines_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("lines");

    QTest::newRow("one line") << "Fireball"
                              << "Fireball" << 1;
    QTest::newRow("CR") << "Rank 1\rRank 2"
                        << "Rank 1\nRank 2" << 2;
    QTest::newRow("LF") << "Rank 1\nRank 2"
                        << "Rank 1\nRank 2" << 2;
    QTest::newRow("CR LF is one break") << "Rank 1\r\nRank 2"
                                        << "Rank 1\nRank 2" << 2;
    QTest::newRow("two CRs leave an empty line") << "a\r\rb"
                                                 << "a\n\nb" << 3;
    QTest::newRow("three lines, mixed") << "a\rb\r\nc"
                                        << "a\nb\nc" << 3;
}

void TestLabelControl::lineBreaksStartNewLines()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(int, lines);
    LabelControl label(nullptr);
    label.setFont(tahoma(11));
    label.setAutoSize(true);
    label.setCaption(caption);

    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.text(), shown);
    const QFontMetrics metrics(label.font());
    // n lines are n - 1 line spacings plus one line's height.
    QCOMPARE(label.height(), (lines - 1) * metrics.lineSpacing() + metrics.height());
}

void TestLabelControl::autoSizeTakesTheTextSize_data()
{
    QTest::addColumn<QString>("caption");

    QTest::newRow("short") << "5/5";
    QTest::newRow("name") << "Improved Frost Lance";
    QTest::newRow("long") << LongText;
}

void TestLabelControl::autoSizeTakesTheTextSize()
{
    QFETCH(QString, caption);
    LabelControl label(nullptr);
    label.setFont(tahoma(11));
    label.resize(5, 5);
    label.setCaption(caption);
    label.setAutoSize(true);

    const QFontMetrics metrics(label.font());
    const QRect text = metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, caption);
    QCOMPARE(label.size(), text.size());

    // A later caption refits at once.
    label.setCaption(caption + caption);
    const QRect twice =
        metrics.boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, caption + caption);
    QCOMPARE(label.size(), twice.size());
}

void TestLabelControl::autoSizeIsTheSizeQtWouldGive_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("withBuddy");

    QTest::newRow("rank") << "0/5" << true << false;
    QTest::newRow("counter") << "Spent: 71" << false << false;
    QTest::newRow("two lines") << "Needs:\r5 points" << false << false;
    QTest::newRow("line feeds") << "a\r\nb\nc" << true << false;
    QTest::newRow("tab") << "Rank\t3" << false << false;
    QTest::newRow("spaces at the ends") << "  Load  " << false << false;
    QTest::newRow("ampersand") << "Save & Load" << false << false;
    QTest::newRow("mnemonic with a buddy") << "&Class" << false << true;
    QTest::newRow("right to left")
        << QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD 3") << false << false;
    QTest::newRow("Cyrillic") << QString::fromUtf8("\u0420\u0430\u043D\u0433 2/3") << true << false;
    QTest::newRow("long") << LongText << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestLabelControl::autoSizeIsTheSizeQtWouldGive()
{
    // Auto-size measures the text itself instead of asking QLabel for its size hint: the two must
    // never differ, or labels would be cut or padded.
    QFETCH(QString, caption);
    QFETCH(bool, bold);
    QFETCH(bool, withBuddy);
    QWidget parent;
    QWidget buddy(&parent);
    LabelControl label(&parent);
    label.setFont(tahoma(11, bold));
    if (withBuddy)
        label.setBuddy(&buddy);
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("x"));
    label.setCaption(caption);
    QCOMPARE(label.size(), label.sizeHint());

    // And again after the font changes under the same caption.
    label.setFont(tahoma(13, !bold));
    QCOMPARE(label.size(), label.sizeHint());
}

void TestLabelControl::aRepeatedCaptionKeepsTheFit()
{
    LabelControl label(nullptr);
    label.setFont(tahoma(11));
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("Tree of Embers"));
    const QSize fitted = label.size();
    // Sized by hand, the label takes its text's size again on the next caption, even the same one.
    label.resize(3, 3);
    label.setCaption(QStringLiteral("Tree of Embers"));
    QCOMPARE(label.size(), fitted);
    label.setCaption(QStringLiteral("Tree"));
    QVERIFY(label.width() < fitted.width());
    label.setCaption(QStringLiteral("Tree of Embers"));
    QCOMPARE(label.size(), fitted);
}

void TestLabelControl::withoutAutoSizeTheSizeStays()
{
    LabelControl label(nullptr);
    label.resize(345, 13);
    label.setCaption(LongText + QStringLiteral("\r") + LongText);
    label.setBold(true);
    label.setFont(tahoma(20));
    QCOMPARE(label.size(), QSize(345, 13));
}

void TestLabelControl::wrappingKeepsTheWidthAndTakesTheWrappedHeight_data()
{
    QTest::addColumn<bool>("captionFirst");

    QTest::newRow("wrap, then caption") << false;
    QTest::newRow("caption, then wrap") << true;
}

void TestLabelControl::wrappingKeepsTheWidthAndTakesTheWrappedHeight()
{
    QFETCH(bool, captionFirst);
    LabelControl label(nullptr);
    label.setFont(tahoma(11));
    label.resize(120, 5);
    if (captionFirst) {
        label.setCaption(LongText);
        label.setWrapping(true);
        label.setAutoSize(true);
    } else {
        label.setWrapping(true);
        label.setAutoSize(true);
        label.setCaption(LongText);
    }

    const int lineHeight = oneLineHeight(label.font());
    QCOMPARE(label.width(), 120);
    QVERIFY2(label.height() >= 3 * lineHeight, qPrintable(QString::number(label.height())));
    QCOMPARE(label.height(), label.heightForWidth(120));

    // A short caption fits on one line again, still at the same width.
    label.setCaption(QStringLiteral("Short"));
    QCOMPARE(label.width(), 120);
    QCOMPARE(label.height(), lineHeight);
}

void TestLabelControl::autoSizeRefitsAfterAFontChange()
{
    LabelControl label(nullptr);
    label.setFont(tahoma(11));
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("Tree of Embers"));
    const QSize small = label.size();

    label.setFont(tahoma(22));
    QVERIFY2(label.width() > small.width() && label.height() > small.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(label.width()).arg(label.height())));
    QCOMPARE(label.height(), oneLineHeight(label.font()));
}

void TestLabelControl::boldIsWiderAndRefits()
{
    LabelControl label(nullptr);
    label.setFont(tahoma(13));
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("Tree of Embers"));
    const int plainWidth = label.width();
    QVERIFY(!label.font().bold());

    label.setBold(true);
    QVERIFY(label.font().bold());
    QCOMPARE(label.font().pixelSize(), 13);
    QVERIFY2(label.width() > plainWidth, qPrintable(QString::number(label.width())));

    label.setBold(false);
    QCOMPARE(label.width(), plainWidth);
}

void TestLabelControl::fontColourIsDrawn()
{
    const QColor gold(255, 216, 0);
    LabelControl label(nullptr);
    label.setFont(tahoma(24, true));
    label.setBackground(Qt::black);
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("MMMM"));

    label.setFontColour(gold);
    QCOMPARE(label.fontColour(), gold);
    QVERIFY(showsColour(label.grab().toImage(), gold));

    label.setFontColour(Qt::green);
    QCOMPARE(label.fontColour(), QColor(Qt::green));
    const QImage shown = label.grab().toImage();
    QVERIFY(showsColour(shown, Qt::green));
    QVERIFY(!showsColour(shown, gold));
}

void TestLabelControl::backgroundIsSolidOrTransparent()
{
    Backdrop parent;
    LabelControl label(&parent);
    label.setGeometry(10, 10, 60, 20);
    const QPoint inside(60, 25); // within the label, away from its text
    label.setCaption(QStringLiteral("x"));

    QCOMPARE(parent.grab().toImage().pixel(inside) | 0xFF000000u, ParentColour.rgb());

    label.setBackground(Qt::black);
    QCOMPARE(parent.grab().toImage().pixel(inside) | 0xFF000000u, QColor(Qt::black).rgb());
    // Outside the label the parent still shows.
    QCOMPARE(parent.grab().toImage().pixel(100, 50) | 0xFF000000u, ParentColour.rgb());

    label.setTransparentBackground();
    QCOMPARE(parent.grab().toImage().pixel(inside) | 0xFF000000u, ParentColour.rgb());
}

void TestLabelControl::clickedOnlyForALeftReleaseInside_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left inside") << Qt::LeftButton << QPoint(5, 5) << 1;
    QTest::newRow("right inside") << Qt::RightButton << QPoint(5, 5) << 0;
    QTest::newRow("middle inside") << Qt::MiddleButton << QPoint(5, 5) << 0;
    QTest::newRow("left released outside") << Qt::LeftButton << QPoint(500, 5) << 0;
}

void TestLabelControl::clickedOnlyForALeftReleaseInside()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(int, clicks);
    LabelControl label(nullptr);
    label.setGeometry(0, 0, 80, 20);
    label.setCaption(QStringLiteral("Reset"));
    QSignalSpy clicked(&label, &LabelControl::clicked);

    QTest::mousePress(&label, button, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&label, button, Qt::NoModifier, at);
    QCOMPARE(clicked.count(), clicks);
}

QTEST_MAIN(TestLabelControl)
#include "test_label_control.moc"
