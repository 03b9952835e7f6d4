#include "windows/FileHandOver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace mirendo {

namespace {
constexpr char kTaken[] = "ok\n";
} // namespace

QString FileHandOver::ServerName(const QString& folder) {
    const QByteArray canonical = QDir(folder).canonicalPath().toUtf8();
    const QByteArray digest =
        QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("mirendo-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

FileHandOver::FileHandOver(const QString& folder, QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)) {
    const QString name = ServerName(folder);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        QLocalServer::removeServer(name); // left by a program that ended without closing it
        m_server->listen(name);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QString path = QString::fromUtf8(socket->readLine()).chopped(1);
                socket->write(kTaken);
                socket->flush();
                emit fileHandedOver(path);
            });
        }
    });
}

bool FileHandOver::isListening() const {
    return m_server->isListening();
}

bool HandOverFile(const QString& folder, const QString& path, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(FileHandOver::ServerName(folder));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine() == kTaken;
}

} // namespace mirendo
