#pragma once

#include <QLabel>
#include <QTimer>

// A short message in a fixed box: as many lines of the box's width as its height holds; a longer
// text ends in "…", and the whole text is the line's hint and its accessible name, so that a
// screen reader announces it as it changes. The message clears itself after `ShownFor`, giving way
// to the standing text, if any: a state the window is in, which stays until it is changed.
class MessageLine final : public QLabel {
    Q_OBJECT
public:
    static constexpr int ShownFor = 4000; // milliseconds

    MessageLine(QWidget *parent, const QString &name, const QRect &box, const QFont &font);

    // Shows `text` in place of the message shown; an empty text clears the line.
    void showMessage(const QString &text);
    // Sets the text shown whenever no message is; empty for none.
    void setStanding(const QString &text);
    const QString &message() const { return message_; }

private:
    void display(const QString &text);

    QString message_;
    QString standing_;
    QTimer clearing_;
};

// `text` broken into at most `lines` lines of `width` pixels in `font`, joined by '\n'; the last
// line of a text that needs more ends in "…".
QString fitToLines(const QString &text, const QFont &font, int width, int lines);
