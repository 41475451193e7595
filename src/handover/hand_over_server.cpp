#include "handover/hand_over_server.h"

#include "base/error.h"
#include "handover/hand_over_message.h"

#include <QApplication>
#include <QLocalSocket>
#include <memory>

namespace {

// A peer that has not sent a whole message by then is dropped: it would hold its buffer forever.
constexpr int MessageMilliseconds = 5000;
constexpr int ModalCheckMilliseconds = 200;

} // namespace

HandOverServer::HandOverServer(QString channel, QObject *parent)
    : QObject(parent), channel_(std::move(channel))
{
    // Only the user who runs the planner may hand it anything.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &HandOverServer::accept);
    modalEnd_.setInterval(ModalCheckMilliseconds);
    connect(&modalEnd_, &QTimer::timeout, this, &HandOverServer::deliver);
}

bool HandOverServer::listen()
{
    if (channel_.isEmpty())
        return false;
    if (server_.listen(channel_))
        return true;
    // Nobody answered on the channel before this start, so a socket there is a crashed planner's.
    QLocalServer::removeServer(channel_);
    return server_.listen(channel_);
}

void HandOverServer::accept()
{
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(MessageMilliseconds, socket, &QLocalSocket::abort);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, received] { read(socket, *received); });
        if (socket->bytesAvailable() > 0)
            read(socket, *received);
    }
}

void HandOverServer::read(QLocalSocket *socket, QByteArray &received)
{
    // At most one byte past a whole message is read, enough to tell a message that runs on.
    received += socket->read(HandOverLimit + 64 - received.size() + 1);
    std::optional<QString> argument;
    try {
        argument = readHandOver(received);
    } catch (const Error &refusal) {
        qWarning("%s", refusal.what());
        socket->write("refused\n");
        socket->disconnectFromServer();
        return;
    }
    if (!argument)
        return;
    socket->write("taken\n");
    socket->disconnectFromServer();
    waiting_.append(*argument);
    deliver();
}

void HandOverServer::deliver()
{
    // A dialog of the window opened by an earlier argument comes back here through its own
    // event loop; the arguments after it wait for it to close.
    while (!waiting_.isEmpty() && !QApplication::activeModalWidget())
        emit arrived(waiting_.takeFirst());
    if (waiting_.isEmpty())
        modalEnd_.stop();
    else if (!modalEnd_.isActive())
        modalEnd_.start();
}
