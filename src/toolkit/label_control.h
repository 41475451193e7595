#pragma once

#include <QHash>
#include <QLabel>
#include <optional>

// A text label. A carriage return in the caption starts a new line. With auto-size on it takes the
// size of its text; with word wrap on as well it keeps its width and takes the wrapped height.
class LabelControl final : public QLabel {
    Q_OBJECT
public:
    explicit LabelControl(QWidget *parent, const QString &name = {});

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);

    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    void setWrapping(bool on);

    QColor fontColour() const;
    void setFontColour(const QColor &colour);
    void setBold(bool bold);
    // A solid background, or none (what lies under the label shows through).
    void setBackground(const QColor &colour);
    void setTransparentBackground();

    void setHint(const QString &hint) { setToolTip(hint); }
    void setHandCursor() { setCursor(Qt::PointingHandCursor); }

    // Sizes the label to its text now (what auto-size does on every change).
    void fitToText();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The size of the text without wrapping, measured as QLabel measures it, for a label as this
    // class makes it; nothing for any other (QLabel's own hint is needed then).
    std::optional<QSize> plainTextSize() const;
    bool showsFontColour(const QColor &colour) const;

    QString caption_;
    bool autoSize_ = false;
    // The sizes auto-size gave each text at one wrapping width (-1: no wrapping): laying text out
    // is what a caption change costs, and a counter comes back to the same few captions press
    // after press.
    QHash<QString, QSize> fits_;
    int fitsWidth_ = -1;
};

// Converts the captions' line breaks (CR, LF or CR LF) to the ones the label draws.
QString displayedCaption(const QString &caption);
