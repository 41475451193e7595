#include "board/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <future>
#include <mutex>

namespace {

// The first registration loads the system's whole font configuration, a fifth of a window's
// start; the window has it done on another thread while it reads its class and makes its controls.
std::mutex registrationMutex;
std::shared_future<void> registration;

void registerFiles()
{
    const QStringList files = {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                               QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
    // The list of families is made here too, rather than at the first text measured.
    QFontDatabase::families();
}

std::shared_future<void> registrationStarted(std::launch policy)
{
    const std::lock_guard lock(registrationMutex);
    if (!registration.valid())
        registration = std::async(policy, registerFiles).share();
    return registration;
}

} // namespace

void registerTahomaAhead()
{
    try {
        registrationStarted(std::launch::async);
    } catch (const std::system_error &) {
        // No thread to spare: registerTahoma() registers them itself.
    }
}

void registerTahoma()
{
    registrationStarted(std::launch::deferred).wait();
}

QFont tahoma(int pixelHeight, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
