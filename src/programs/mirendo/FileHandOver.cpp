#include "programs/mirendo/FileHandOver.h"

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

// Whether the process at the other end of a connected socket runs as this user (as it was when
// it connected, or listened): only such a peer may hand over or receive a path.
bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::geteuid();
}

std::optional<HandOverTrouble> FolderTrouble(const QString& folder) {
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return HandOverTrouble::FolderNotMade;
    if (!S_ISDIR(info.st_mode))
        return HandOverTrouble::FolderNotAFolder;
    if (info.st_uid != ::geteuid())
        return HandOverTrouble::FolderOfAnotherUser;
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return HandOverTrouble::FolderOpenToOthers;
    return std::nullopt;
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
    return QStringLiteral("mirendo-%1").arg(QString::fromLatin1(digest));
}

HandOverFolder FindHandOverFolder(bool create) {
    HandOverFolder found;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    found.path = QDir::isAbsolutePath(runtime)
                     ? QDir::cleanPath(runtime)
                     : QDir(QDir::tempPath()).filePath(QStringLiteral("mirendo-%1").arg(::geteuid()));
    // Made by this start: its rights are set whatever the mask; one made earlier is checked.
    const QByteArray native = QFile::encodeName(found.path);
    if (create && ::mkdir(native.constData(), S_IRWXU) == 0)
        ::chmod(native.constData(), S_IRWXU);
    found.trouble = FolderTrouble(found.path);
    return found;
}

QString FileHandOver::SocketPath(const QString& folder) {
    const HandOverFolder sockets = FindHandOverFolder(false);
    return sockets.trouble ? QString() : QDir(sockets.path).filePath(ServerName(folder));
}

FileHandOver::FileHandOver(const QString& folder, QObject* parent) : QObject(parent) {
    const HandOverFolder sockets = FindHandOverFolder(true);
    m_folder = sockets.path;
    m_trouble = sockets.trouble;
    if (m_trouble)
        return;
    const QString path = QDir(sockets.path).filePath(ServerName(folder));
    const std::optional<sockaddr_un> address = SocketAddress(path);
    m_trouble = HandOverTrouble::CannotListen;
    if (!address)
        return;
    m_listener = Listen(*address);
    if (m_listener < 0 && errno == EADDRINUSE) {
        // The folder is this user's alone and this program holds the working folder: whatever
        // has the name was left by a program that ended without closing it.
        ::unlink(address->sun_path);
        m_listener = Listen(*address);
    }
    if (m_listener < 0)
        return;
    m_trouble.reset();
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
        if (!PeerIsThisUser(fd)) {
            ::close(fd); // another user's program: nothing of it is read
            continue;
        }
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
    const QString socketPath = FileHandOver::SocketPath(folder);
    const std::optional<sockaddr_un> address = SocketAddress(socketPath);
    if (socketPath.isEmpty() || !address)
        return false;
    struct stat socketInfo {};
    if (::lstat(address->sun_path, &socketInfo) != 0 || !S_ISSOCK(socketInfo.st_mode) ||
        socketInfo.st_uid != ::geteuid())
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
        PeerIsThisUser(fd) && SendAll(fd, path.toUtf8() + '\n')) {
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
