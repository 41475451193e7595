#include "board/fonts.h"

#include <QFontDatabase>
#include <QStringList>

void registerTahoma()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList files = {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                               QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
}

QFont tahoma(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
