#include "base/error.h"
#include "jpeg_fixture.h"
#include "toolkit/image_control.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The picture control the talent icons and tree backgrounds are drawn with.
class TestImageControl : public QObject {
    Q_OBJECT

private slots:
    void autoSizeTakesThePictureSize_data();
    void autoSizeTakesThePictureSize();
    void withoutAutoSizeTheSizeStays();
    void transparentDrawingLeavesOutTheLowerLeftColour_data();
    void transparentDrawingLeavesOutTheLowerLeftColour();
    void transparentColourFollowsPixelChanges();
    void tagIsKept();
    void copiedPicturesAreIndependent();
    void setPictureTakesACopy();
    void pixelColourIsRedInTheLowestByte_data();
    void pixelColourIsRedInTheLowestByte();
    void pixelsOutsideThePictureAreIgnored();
    void everyButtonPressIsReported_data();
    void everyButtonPressIsReported();
    void doubleClickCountsAsASecondPress_data();
    void doubleClickCountsAsASecondPress();
    void enteringAndLeavingAreReported();
    void loadFileReadsAJpeg();
    void failedLoadThrowsAndKeepsThePicture();
};

namespace {

const QColor ParentColour(255, 0, 255);

QImage solidPicture(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A parent that paints itself a known colour, so that left-out pixels show it.
class Backdrop : public QWidget {
public:
    Backdrop()
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, ParentColour);
        setPalette(p);
        setAutoFillBackground(true);
        resize(40, 40);
    }
};

// What the image control shows at one of its pixels, read from the parent's rendering.
QRgb shownAt(QWidget &parent, const ImageControl &image, int x, int y)
{
    return parent.grab().toImage().pixel(image.pos() + QPoint(x, y)) | 0xFF000000u;
}

} // namespace

void TestImageControl::autoSizeTakesThePictureSize_data()
{
    QTest::addColumn<bool>("autoSizeFirst");
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("auto-size, then picture") << true << QSize(45, 43);
    QTest::newRow("picture, then auto-size") << false << QSize(45, 43);
    QTest::newRow("one pixel") << true << QSize(1, 1);
    QTest::newRow("background size") << true << QSize(300, 660);
}

void TestImageControl::autoSizeTakesThePictureSize()
{
    QFETCH(bool, autoSizeFirst);
    QFETCH(QSize, pictureSize);
    ImageControl image(nullptr);
    image.resize(10, 10);

    if (autoSizeFirst)
        image.setAutoSize(true);
    image.setPicture(solidPicture(pictureSize.width(), pictureSize.height(), qRgb(1, 2, 3)));
    if (!autoSizeFirst)
        image.setAutoSize(true);
    QCOMPARE(image.size(), pictureSize);

    // A new picture of another size resizes it again.
    image.setPicture(solidPicture(7, 5, qRgb(1, 2, 3)));
    QCOMPARE(image.size(), QSize(7, 5));
}

void TestImageControl::withoutAutoSizeTheSizeStays()
{
    ImageControl image(nullptr);
    image.resize(27, 27);
    image.setPicture(solidPicture(45, 43, qRgb(1, 2, 3)));
    QCOMPARE(image.size(), QSize(27, 27));
}

void TestImageControl::transparentDrawingLeavesOutTheLowerLeftColour_data()
{
    QTest::addColumn<bool>("transparent");

    QTest::newRow("transparent") << true;
    QTest::newRow("opaque") << false;
}

void TestImageControl::transparentDrawingLeavesOutTheLowerLeftColour()
{
    QFETCH(bool, transparent);
    const QRgb key = qRgb(0, 0, 255);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb nearKey = qRgb(0, 0, 254);
    // Lower left is the key; the key colour also appears elsewhere; the upper left is not it.
    QImage picture = solidPicture(4, 3, red);
    picture.setPixel(0, 2, key);
    picture.setPixel(3, 0, key);
    picture.setPixel(1, 1, green);
    picture.setPixel(2, 1, nearKey);

    Backdrop parent;
    ImageControl image(&parent);
    image.move(5, 6);
    image.setAutoSize(true);
    image.setTransparent(transparent);
    image.setPicture(picture);
    QCOMPARE(image.isTransparent(), transparent);

    const QRgb keyShownAs = transparent ? ParentColour.rgb() : key;
    QCOMPARE(shownAt(parent, image, 0, 2), keyShownAs);
    QCOMPARE(shownAt(parent, image, 3, 0), keyShownAs);
    QCOMPARE(shownAt(parent, image, 0, 0), red);
    QCOMPARE(shownAt(parent, image, 1, 1), green);
    QCOMPARE(shownAt(parent, image, 2, 1), nearKey);
    // The picture itself keeps the colour.
    QCOMPARE(image.pixelColour(0, 2), colourValue(0, 0, 255));
}

void TestImageControl::transparentColourFollowsPixelChanges()
{
    Backdrop parent;
    ImageControl image(&parent);
    image.setAutoSize(true);
    image.setTransparent(true);
    QImage picture = solidPicture(3, 3, qRgb(255, 0, 0));
    picture.setPixel(0, 2, qRgb(0, 0, 255));
    image.setPicture(picture);
    QCOMPARE(shownAt(parent, image, 1, 1), qRgb(255, 0, 0));

    // Painting the lower-left pixel red makes red the left-out colour.
    image.setPixelColour(0, 2, colourValue(255, 0, 0));
    QCOMPARE(shownAt(parent, image, 1, 1), ParentColour.rgb());

    // Turning transparency off shows every pixel again.
    image.setTransparent(false);
    QCOMPARE(shownAt(parent, image, 1, 1), qRgb(255, 0, 0));
    QCOMPARE(shownAt(parent, image, 0, 2), qRgb(255, 0, 0));
}

void TestImageControl::tagIsKept()
{
    ImageControl image(nullptr);
    QCOMPARE(image.tag(), 0);
    image.setTag(244);
    QCOMPARE(image.tag(), 244);
    image.setPicture(solidPicture(2, 2, qRgb(1, 2, 3)));
    QCOMPARE(image.tag(), 244);
}

void TestImageControl::copiedPicturesAreIndependent()
{
    ImageControl source(nullptr);
    source.setPicture(solidPicture(3, 3, qRgb(10, 20, 30)));
    ImageControl copy(nullptr);
    copy.copyPictureFrom(source);
    QCOMPARE(copy.picture(), source.picture());

    copy.setPixelColour(1, 1, colourValue(200, 0, 0));
    QCOMPARE(source.pixelColour(1, 1), colourValue(10, 20, 30));
    QCOMPARE(copy.pixelColour(1, 1), colourValue(200, 0, 0));

    source.setPixelColour(2, 2, colourValue(0, 200, 0));
    QCOMPARE(copy.pixelColour(2, 2), colourValue(10, 20, 30));
}

void TestImageControl::setPictureTakesACopy()
{
    QImage picture = solidPicture(2, 2, qRgb(10, 20, 30));
    ImageControl image(nullptr);
    image.setPicture(picture);
    picture.setPixel(0, 0, qRgb(99, 99, 99));
    QCOMPARE(image.pixelColour(0, 0), colourValue(10, 20, 30));
}

void TestImageControl::pixelColourIsRedInTheLowestByte_data()
{
    QTest::addColumn<QRgb>("pixel");
    QTest::addColumn<quint32>("colour");

    QTest::newRow("red") << qRgb(255, 0, 0) << quint32(0x0000FF);
    QTest::newRow("green") << qRgb(0, 255, 0) << quint32(0x00FF00);
    QTest::newRow("blue") << qRgb(0, 0, 255) << quint32(0xFF0000);
    QTest::newRow("white") << qRgb(255, 255, 255) << quint32(0xFFFFFF);
    QTest::newRow("black") << qRgb(0, 0, 0) << quint32(0x000000);
    QTest::newRow("mixed") << qRgb(0x12, 0x34, 0x56) << quint32(0x563412);
}

void TestImageControl::pixelColourIsRedInTheLowestByte()
{
    QFETCH(QRgb, pixel);
    QFETCH(quint32, colour);
    ImageControl image(nullptr);
    image.setPicture(solidPicture(2, 2, qRgb(7, 7, 7)));

    image.setPicture(solidPicture(2, 2, pixel));
    QCOMPARE(image.pixelColour(1, 0), colour);

    image.setPicture(solidPicture(2, 2, qRgb(7, 7, 7)));
    image.setPixelColour(1, 0, colour);
    QCOMPARE(image.picture().pixel(1, 0) | 0xFF000000u, pixel);
    QCOMPARE(image.pixelColour(1, 0), colour);
    QCOMPARE(image.pixelColour(0, 0), colourValue(7, 7, 7));
}

void TestImageControl::pixelsOutsideThePictureAreIgnored()
{
    ImageControl image(nullptr);
    QCOMPARE(image.pixelColour(0, 0), 0u);
    image.setPixelColour(0, 0, 0xFFFFFF); // no picture: nothing to change, no crash
    image.setPicture(solidPicture(2, 2, qRgb(7, 7, 7)));
    image.setPixelColour(2, 0, 0xFFFFFF);
    image.setPixelColour(0, -1, 0xFFFFFF);
    QCOMPARE(image.pixelColour(2, 0), 0u);
    QCOMPARE(image.picture(), solidPicture(2, 2, qRgb(7, 7, 7)));
}

void TestImageControl::everyButtonPressIsReported_data()
{
    QTest::addColumn<Qt::MouseButton>("button");

    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestImageControl::everyButtonPressIsReported()
{
    QFETCH(Qt::MouseButton, button);
    ImageControl image(nullptr);
    image.resize(45, 43);
    QSignalSpy pressed(&image, &ImageControl::pressed);

    QTest::mousePress(&image, button, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&image, button, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).value<Qt::MouseButton>(), button);
}

void TestImageControl::doubleClickCountsAsASecondPress_data()
{
    everyButtonPressIsReported_data();
}

void TestImageControl::doubleClickCountsAsASecondPress()
{
    QFETCH(Qt::MouseButton, button);
    ImageControl image(nullptr);
    image.resize(45, 43);
    QSignalSpy pressed(&image, &ImageControl::pressed);

    // What the window system delivers for a double click: press, release, double click, release.
    QTest::mousePress(&image, button, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&image, button, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseDClick(&image, button, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(&image, button, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(pressed.at(1).at(0).value<Qt::MouseButton>(), button);
}

void TestImageControl::enteringAndLeavingAreReported()
{
    ImageControl image(nullptr);
    image.resize(45, 43);
    QSignalSpy entered(&image, &ImageControl::entered);
    QSignalSpy left(&image, &ImageControl::left);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&image, &enter);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 0);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&image, &leave);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void TestImageControl::loadFileReadsAJpeg()
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("icon.jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encodeJpeg(solidPicture(45, 43, qRgb(250, 250, 250))));
    file.close();

    ImageControl image(nullptr);
    image.setAutoSize(true);
    image.loadFile(path);
    QCOMPARE(image.size(), QSize(45, 43));
    QCOMPARE(image.picture().format(), QImage::Format_RGB32);
    const QRgb p = image.picture().pixel(20, 20);
    QVERIFY(qRed(p) >= 245 && qGreen(p) >= 245 && qBlue(p) >= 245);
}

void TestImageControl::failedLoadThrowsAndKeepsThePicture()
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("missing.jpg"));
    ImageControl image(nullptr);
    image.setAutoSize(true);
    image.setPicture(solidPicture(3, 2, qRgb(1, 2, 3)));

    QVERIFY_THROWS_EXCEPTION(Error, image.loadFile(path));
    QCOMPARE(image.picture(), solidPicture(3, 2, qRgb(1, 2, 3)));
    QCOMPARE(image.size(), QSize(3, 2));
}

QTEST_MAIN(TestImageControl)
#include "test_image_control.moc"
