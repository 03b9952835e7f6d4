#include "windows/FileHandOver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace mirendo {

namespace {

constexpr char kTaken[] = "ok\n";
// A path longer than this is no path a second start sends.
constexpr qsizetype kMaxLine = 64 * 1024;

std::optional<sockaddr_un> SocketAddress(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, native.constData(), native.size());
    return address;
}

// Listening, readable and writable by this user only; -1 when the name is taken.
int Listen(const sockaddr_un& address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    // No one connects before listen(), so the rights are set in time.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool SendAll(int fd, const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

} // namespace

QString FileHandOver::ServerName(const QString& folder) {
    const QByteArray canonical = QDir(folder).canonicalPath().toUtf8();
    const QByteArray digest =
        QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("mirendo-%1-%2").arg(::getuid()).arg(QString::fromLatin1(digest));
}

QString FileHandOver::SocketPath(const QString& folder) {
    return QDir(QDir::tempPath()).filePath(ServerName(folder));
}

FileHandOver::FileHandOver(const QString& folder, QObject* parent) : QObject(parent) {
    const QString path = SocketPath(folder);
    const std::optional<sockaddr_un> address = SocketAddress(path);
    if (!address)
        return;
    m_listener = Listen(*address);
    if (m_listener < 0) {
        QFile::remove(path); // left by a program that ended without closing it
        m_listener = Listen(*address);
    }
    if (m_listener < 0)
        return;
    m_path = path;
    auto* incoming = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, &FileHandOver::acceptConnections);
}

FileHandOver::~FileHandOver() {
    for (QSocketNotifier* notifier : findChildren<QSocketNotifier*>(Qt::FindDirectChildrenOnly)) {
        const int fd = static_cast<int>(notifier->socket());
        delete notifier;
        ::close(fd);
    }
    if (!m_path.isEmpty())
        QFile::remove(m_path);
}

void FileHandOver::acceptConnections() {
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        auto* connection = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connection->setProperty("line", QByteArray());
        connect(connection, &QSocketNotifier::activated, this, [this, connection] { readFrom(connection); });
    }
}

void FileHandOver::readFrom(QSocketNotifier* connection) {
    const int fd = static_cast<int>(connection->socket());
    QByteArray line = connection->property("line").toByteArray();
    char chunk[4096];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n > 0)
        line.append(chunk, n);
    const qsizetype end = line.indexOf('\n');
    if (n > 0 && end < 0 && line.size() <= kMaxLine) {
        connection->setProperty("line", line);
        return;
    }
    // Complete, ended early or too long: the connection is done either way.
    if (end >= 0)
        SendAll(fd, kTaken);
    delete connection;
    ::close(fd);
    if (end >= 0)
        emit fileHandedOver(QString::fromUtf8(line.left(end)));
}

bool HandOverFile(const QString& folder, const QString& path, int timeoutMs) {
    const std::optional<sockaddr_un> address = SocketAddress(FileHandOver::SocketPath(folder));
    if (!address)
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // Every step waits at most the given time.
    const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
        SendAll(fd, path.toUtf8() + '\n')) {
        char chunk[16];
        while (!answer.contains('\n') && answer.size() < 64) {
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            answer.append(chunk, n);
        }
    }
    ::close(fd);
    return answer == kTaken;
}

} // namespace mirendo
