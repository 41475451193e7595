#include "cli/planner_channel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// What sun_path holds, its terminating NUL included.
constexpr qsizetype SocketPathLimit = 108;

QString runtimeFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace

QString plannerChannelName(const QString &dataFolder)
{
    const QString runtime = runtimeFolder();
    if (runtime.isEmpty())
        return {};
    const QFileInfo folder(dataFolder);
    const QString canonical = folder.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? folder.absoluteFilePath() : canonical).toUtf8(),
        QCryptographicHash::Sha256);
    const QString name = QDir(runtime).absolutePath() + QStringLiteral("/runeplan-") +
                         QString::fromLatin1(hash.toHex().left(16)) + QStringLiteral(".socket");
    if (QFile::encodeName(name).size() >= SocketPathLimit)
        return {};
    return name;
}

QString windowDataFolder(const QString &given)
{
    if (!given.isEmpty())
        return given;
    return QDir(programFolder()).filePath(QStringLiteral("datas"));
}

QString programFolder()
{
    // No application object may exist yet to tell it.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}
