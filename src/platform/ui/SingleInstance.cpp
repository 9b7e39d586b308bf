#include "platform/ui/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace trelimor::ui {

namespace {

const QByteArray RaiseMessage = QByteArrayLiteral("raise\n");

QString pathFor(const QString& key, const QString& suffix)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(key + suffix);
}

QString lockPath(const QString& key)
{
    return pathFor(key, QStringLiteral(".lock"));
}

QString socketPath(const QString& key)
{
    return pathFor(key, QStringLiteral(".socket"));
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    return QStringLiteral("trelimor");
}

bool SingleInstance::tryBecomePrimary(const QString& key)
{
    if (isPrimary())
        return true;
    auto lock = std::make_unique<QLockFile>(lockPath(key));
    // The lock lives as long as the program: only a dead owner makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;

    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed primary would make listen() fail; we own the key now.
    QLocalServer::removeServer(socketPath(key));
    if (!server->listen(socketPath(key))) {
        delete server;
        return false;
    }
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    m_server = server;
    m_lock = std::move(lock);
    return true;
}

bool SingleInstance::isPrimary() const
{
    return m_lock != nullptr;
}

bool SingleInstance::askPrimaryToRaise(const QString& key, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(key));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(RaiseMessage);
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readMessage = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == RaiseMessage)
                    emit raiseRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        // The asking process may have written and gone before the connection was taken.
        readMessage();
    }
}

} // namespace trelimor::ui
