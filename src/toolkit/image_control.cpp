#include "toolkit/image_control.h"

#include "board/key_colour.h"
#include "datafolder/picture_file.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
}

void ImageControl::setAutoSize(bool on)
{
    autoSize_ = on;
    if (on && !picture_.isNull())
        resize(picture_.size());
}

void ImageControl::setTransparent(bool on)
{
    transparent_ = on;
    pictureChanged();
}

void ImageControl::setPicture(const QImage &picture)
{
    // The very picture it already holds (an arrow told its variant again, as every class load and
    // press does): what is drawn was made from it already.
    if (!picture.isNull() && picture.cacheKey() == picture_.cacheKey()) {
        if (autoSize_ && size() != picture_.size())
            resize(picture_.size());
        update();
        return;
    }
    picture_ = picture.format() == QImage::Format_RGB32
                   ? picture
                   : picture.convertToFormat(QImage::Format_RGB32);
    pictureChanged();
}

void ImageControl::loadFile(const QString &path)
{
    setPicture(loadPictureFile(path));
}

quint32 ImageControl::pixelColour(int x, int y) const
{
    if (!picture_.valid(x, y))
        return 0;
    const QRgb p = picture_.pixel(x, y);
    return colourValue(qRed(p), qGreen(p), qBlue(p));
}

void ImageControl::setPixelColour(int x, int y, quint32 colour)
{
    if (!picture_.valid(x, y))
        return;
    picture_.setPixel(x, y, qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    pictureChanged();
}

void ImageControl::pictureChanged()
{
    drawn_ = transparent_ ? withoutKeyColour(picture_) : picture_;
    if (autoSize_ && !picture_.isNull() && size() != picture_.size())
        resize(picture_.size());
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (drawn_.isNull())
        return;
    QPainter painter(this);
    // On a screen that scales the window (device pixel ratio 2), each picture pixel becomes a
    // block of pixels: sharp, as the pictures were drawn pixel by pixel, instead of blurred.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(0, 0, drawn_);
    if (dimmed_)
        painter.fillRect(rect(), QColor(0, 0, 0, 170));
    if (focusMark_.isValid() && (marked_ || hasFocus())) {
        // Two pixels wide on the picture's own edge: the control may sit flush against others.
        painter.setPen(QPen(focusMark_, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ImageControl::setFocusMark(const QColor &colour)
{
    focusMark_ = colour;
    update();
}

void ImageControl::setMarked(bool marked)
{
    if (marked_ == marked)
        return;
    marked_ = marked;
    update();
}

void ImageControl::setDimmed(bool dimmed)
{
    if (dimmed_ == dimmed)
        return;
    dimmed_ = dimmed;
    update();
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

void ImageControl::enterEvent(QEnterEvent *)
{
    emit entered();
}

void ImageControl::leaveEvent(QEvent *)
{
    emit left();
}
