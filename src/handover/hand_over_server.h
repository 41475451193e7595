#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QLocalSocket;

// The running planner's end of the channel (cli/planner_channel.h): it takes the arguments later
// starts hand over and passes them on one at a time, each once no modal dialog is open, so that
// a build arriving while the player answers a box waits for the box to close.
class HandOverServer final : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QString channel, QObject *parent = nullptr);

    // Starts listening; a socket left by a planner that crashed is removed first. False when the
    // channel has no name or cannot be listened on (the planner then works alone).
    bool listen();
    QString errorString() const { return server_.errorString(); }

signals:
    // A plan file's path, a text holding a build code, or nothing (come to the front).
    void arrived(const QString &argument);

private:
    void accept();
    void read(QLocalSocket *socket, QByteArray &received);
    void deliver();

    QString channel_;
    QLocalServer server_;
    QStringList waiting_;
    QTimer modalEnd_; // looks again for the end of a modal dialog while arguments wait
};
