#include "programs/mirendo/WorkFolderLock.h"

#include "qt/messages/Messages.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace mirendo {

namespace {

QByteArray ReadAll(int fd) {
    QByteArray content;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::pread(fd, buffer, sizeof buffer, content.size())) > 0)
        content.append(buffer, n);
    return content;
}

// Whether the lock text names a program that still runs on this machine: its process exists and,
// where the system tells, is the program named there (a process id is reused after a while).
bool OwnerIsRunning(const QByteArray& content) {
    const QByteArrayList lines = content.split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (!ok || pid <= 0)
        return false;
    const QByteArray host = lines.value(2);
    if (!host.isEmpty() && QString::fromUtf8(host) != QSysInfo::machineHostName())
        return true; // another machine's program on a shared folder cannot be checked
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    const QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    const QString named = QFileInfo(QString::fromUtf8(lines.value(1))).fileName();
    return running.isEmpty() || named.isEmpty() || QFileInfo(running).fileName() == named;
}

} // namespace

WorkFolderLock::~WorkFolderLock() {
    // Removed while still held, so that no other start locks the file on its way out.
    QFile::remove(m_path);
    ::close(m_fd);
}

WorkFolderClaim ClaimWorkFolder(const QString& folder) {
    WorkFolderClaim claim;
    const QString path = QDir(folder).filePath(QString::fromLatin1(kWorkFolderLockName));
    const QByteArray nativePath = QFile::encodeName(path);
    // A holder that ends between opening and locking removes the file we opened: then once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(nativePath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return claim;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            claim.outcome =
                errno == EWOULDBLOCK ? WorkFolderClaim::Outcome::InUse : WorkFolderClaim::Outcome::NoLockFile;
            return claim;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) != 0 || ::stat(nativePath.constData(), &named) != 0 ||
            opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
            ::close(fd);
            continue;
        }
        // Unlocked, yet written by a program that still runs (one that locks without flock).
        if (OwnerIsRunning(ReadAll(fd))) {
            ::close(fd);
            claim.outcome = WorkFolderClaim::Outcome::InUse;
            return claim;
        }
        // Not forced to disk: the lock only has to outlive this process, never a system crash.
        const QByteArray content = QByteArray::number(static_cast<qint64>(::getpid())) + '\n' +
                                   QCoreApplication::applicationName().toUtf8() + '\n' +
                                   QSysInfo::machineHostName().toUtf8() + '\n';
        if (::ftruncate(fd, 0) != 0 ||
            ::pwrite(fd, content.constData(), content.size(), 0) != static_cast<ssize_t>(content.size())) {
            ::close(fd);
            return claim;
        }
        claim.lock = std::make_unique<WorkFolderLock>(fd, path);
        claim.outcome = WorkFolderClaim::Outcome::Claimed;
        return claim;
    }
    return claim;
}

QString WorkFolderInUseMessage(const QString& folder) {
    return PaddedLines(
               QCoreApplication::translate("WorkFolderLock",
                                           "このフォルダでは既に Mirendo が実行中です\n%1\n\n計算ファイル "
                                           "(B2F.dat, F2B.dat) を共有するため、\nこの Mirendo は終了します"),
               kWideMargin)
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace mirendo
