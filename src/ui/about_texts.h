#pragma once

#include <QString>
#include <QStringList>

// The product's web page, shown and opened by the About dialog's link in every language.
inline const QString ProductAddress = QStringLiteral("https://runeplan.example.org");

// What the About dialog shows: its title and the lines of its text box, in order.
struct AboutTexts {
    QString title;
    QStringList lines;
};

// The texts for a language code: Russian exactly when the code is "ru" (case and blanks count),
// English for every other code, the empty one included.
AboutTexts aboutTexts(const QString &languageCode);
