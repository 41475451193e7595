#include "cli/planner_channel.h"

#include "cli/hand_over_message.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// What sun_path holds, its terminating NUL included.
constexpr qsizetype SocketPathLimit = 108;
// A start that meets a listening planner waits this long at most for each step: a planner that
// does not answer within it is hung, and this start goes on with a window of its own.
constexpr int AnswerMilliseconds = 2000;

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
    // No application object exists yet to tell the program's folder.
    const QFileInfo program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    return program.dir().filePath(QStringLiteral("datas"));
}

bool handOverToRunningPlanner(const QString &channel, const QString &argument)
{
    // An argument past the message's limit is the own window's to report.
    if (channel.isEmpty() || argument.toUtf8().size() > HandOverLimit)
        return false;
    QLocalSocket socket;
    socket.connectToServer(channel);
    if (!socket.waitForConnected(AnswerMilliseconds))
        return false;
    socket.write(handOverMessage(argument));
    // Waiting for the answer writes what is still buffered.
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 64 &&
           socket.waitForReadyRead(AnswerMilliseconds))
        answer += socket.readAll();
    return answer.startsWith("taken\n");
}
