#pragma once
// One Mirendo per working folder: the exchange files B2F.dat and F2B.dat live there, so a second
// program in the same folder would overwrite the first one's request and result. The first start
// claims the folder with a lock file; a later start finds it taken and ends with a message.
#include <QString>

#include <memory>

namespace mirendo {

inline constexpr char kWorkFolderLockName[] = ".mirendo.lock";

// The held lock file: locked for as long as the object lives (the system lets go of it when the
// process ends in any way), removed when it is destroyed.
class WorkFolderLock {
  public:
    WorkFolderLock(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}
    ~WorkFolderLock();
    WorkFolderLock(const WorkFolderLock&) = delete;
    WorkFolderLock& operator=(const WorkFolderLock&) = delete;

  private:
    int m_fd;
    QString m_path;
};

struct WorkFolderClaim {
    enum class Outcome {
        Claimed,   // this process holds the folder until `lock` is destroyed
        InUse,     // another running Mirendo holds it
        NoLockFile // the lock file cannot be written (read-only folder): nothing to protect there
    };
    Outcome outcome = Outcome::NoLockFile;
    std::unique_ptr<WorkFolderLock> lock;
};

// Tries once, without waiting. A lock left by a program that is no longer running is taken over;
// a lock of a running program is respected however old it is. The file holds the owner's process
// id, program name and host name, one a line (as Qt's QLockFile writes them).
WorkFolderClaim ClaimWorkFolder(const QString& folder);

// The message shown when the folder is in use.
QString WorkFolderInUseMessage(const QString& folder);

} // namespace mirendo
