#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>

// The boxes of one font's texts as boardTextSize() gives them, each text measured once: the
// board's labels come back to the same few texts ("2/5", a tree's name with its points) press
// after press, and measuring a text shapes it. Only the latest few hundred texts are kept.
class TextSizes {
public:
    explicit TextSizes(const QFont &font) : font_(font) {}

    const QFont &font() const { return font_; }
    QSize of(const QString &text);

private:
    QFont font_;
    QHash<QString, QSize> sizes_;
};
