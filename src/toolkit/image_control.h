#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A picture on the window: sizes itself to its picture, may leave out one colour (the colour of
// the picture's lower-left pixel) when drawn, carries an integer tag, and reports presses of each
// mouse button and the pointer entering and leaving it.
class ImageControl final : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent, const QString &name = {});

    void setAutoSize(bool on);
    void setTransparent(bool on);
    bool isTransparent() const { return transparent_; }

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    const QImage &picture() const { return picture_; }
    // Takes a copy: later changes to either picture leave the other alone.
    void setPicture(const QImage &picture);
    void copyPictureFrom(const ImageControl &other) { setPicture(other.picture()); }
    // Loads a JPEG or BMP file; throws Error naming the file when it cannot.
    void loadFile(const QString &path);

    // The frame drawn on the picture's edge while the control has the keyboard focus or is
    // marked (QWidget repaints a control that gains or loses the focus); none while the colour is
    // invalid, the default.
    void setFocusMark(const QColor &colour);
    void setMarked(bool marked);
    // Drawn darkened, as a thing left out (of a search's matches).
    void setDimmed(bool dimmed);
    bool isDimmed() const { return dimmed_; }

    // One pixel as a colour value 0x00BBGGRR (red in the lowest byte).
    quint32 pixelColour(int x, int y) const;
    void setPixelColour(int x, int y, quint32 colour);

signals:
    // A press of a mouse button; the second press of a double click arrives as a press too.
    void pressed(Qt::MouseButton button);
    void entered();
    void left();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void pictureChanged();

    QImage picture_;
    QImage drawn_; // the picture as painted: with the transparent colour keyed out when needed
    bool autoSize_ = false;
    bool transparent_ = false;
    int tag_ = 0;
    QColor focusMark_;
    bool marked_ = false;
    bool dimmed_ = false;
};

// Colour values are 0x00BBGGRR: red in the lowest byte.
constexpr quint32 colourValue(int red, int green, int blue)
{
    return static_cast<quint32>(red) | (static_cast<quint32>(green) << 8) |
           (static_cast<quint32>(blue) << 16);
}
