#include "app/instancechannel.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace lorvane {

namespace {

// Marks a hand-over, so a stray connection of some other program is not taken for one.
constexpr quint32 kMagic = 0x4c4f5256;
constexpr char kTaken = '\x06';
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
const char* const kDoneProperty = "lorvaneTaken";

// Where QLocalServer puts a socket of that name.
QString socketPathFor(const QString& name) {
    return QFileInfo(name).isAbsolute() ? name : QDir::temp().filePath(name);
}

bool handOver(QLocalSocket& socket, const QStringList& items, int timeoutMs) {
    QByteArray block;
    {
        QDataStream out(&block, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        out << kMagic << items;
    }
    socket.write(block);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMs)) {
            return false;
        }
    }
    // The window confirms once it has the items; a window that vanishes before that may or
    // may not have them, and the caller must not open a second window with them.
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(timeoutMs)) {
            return false;
        }
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

}  // namespace

QString InstanceServerName() {
    const QString user = QString::number(::getuid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return runtime + QStringLiteral("/lorvane-") + user + QStringLiteral(".socket");
    }
    return QStringLiteral("lorvane-") + user;
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString& name) {
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::takeConnection);
    return m_server->listen(name);
}

QString InstanceServer::fullServerName() const {
    return m_server ? m_server->fullServerName() : QString();
}

void InstanceServer::takeConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readFrom(socket);
    }
}

void InstanceServer::readFrom(QLocalSocket* socket) {
    if (socket->property(kDoneProperty).toBool()) {
        socket->readAll();
        return;
    }
    QDataStream in(socket);
    in.setVersion(kStreamVersion);
    in.startTransaction();
    quint32 magic = 0;
    QStringList items;
    in >> magic >> items;
    if (!in.commitTransaction()) {
        if (in.status() != QDataStream::ReadPastEnd) {
            socket->abort();  // not a hand-over of ours
        }
        return;  // the rest is still on its way
    }
    socket->setProperty(kDoneProperty, true);
    if (magic != kMagic) {
        socket->abort();
        return;
    }
    emit itemsReceived(items);
    socket->putChar(kTaken);
    socket->flush();
    socket->disconnectFromServer();
}

InstanceRole ClaimInstance(const QString& name, const QStringList& items,
                           std::unique_ptr<InstanceServer>& server, int timeoutMs) {
    // Two starts at once must not both find no window and take the name from each other.
    QLockFile lock(socketPathFor(name) + QStringLiteral(".lock"));
    lock.tryLock(timeoutMs);

    // In a shared temporary folder anyone may have made that name first: the file names
    // would go to them, and their socket is not ours to remove.
    const QFileInfo socketFile(socketPathFor(name));
    if (socketFile.exists() && socketFile.ownerId() != ::getuid()) {
        return InstanceRole::Alone;
    }

    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(timeoutMs)) {
        if (items.isEmpty()) {
            socket.disconnectFromServer();
            return InstanceRole::Alone;
        }
        return handOver(socket, items, timeoutMs) ? InstanceRole::HandedOver
                                                  : InstanceRole::HandOverFailed;
    }
    // Nobody answers: whatever lies under the name was left by a program that was killed.
    QLocalServer::removeServer(name);
    server = std::make_unique<InstanceServer>();
    if (server->listen(name)) {
        return InstanceRole::Serving;
    }
    server.reset();
    return InstanceRole::Alone;
}

}  // namespace lorvane
