#include "windows/WorkFolderLock.h"

#include <QDir>

namespace mirendo {

WorkFolderClaim ClaimWorkFolder(const QString& folder) {
    WorkFolderClaim claim;
    claim.lock = std::make_unique<QLockFile>(QDir(folder).filePath(QString::fromLatin1(kWorkFolderLockName)));
    // By default a lock older than 30 s counts as stale even while its owner runs; only a lock
    // whose process has gone may be taken over.
    claim.lock->setStaleLockTime(0);
    if (claim.lock->tryLock(0)) {
        claim.outcome = WorkFolderClaim::Outcome::Claimed;
        return claim;
    }
    claim.outcome = claim.lock->error() == QLockFile::LockFailedError ? WorkFolderClaim::Outcome::InUse
                                                                      : WorkFolderClaim::Outcome::NoLockFile;
    claim.lock.reset();
    return claim;
}

QString WorkFolderInUseMessage(const QString& folder) {
    return QStringLiteral("　このフォルダでは既に Mirendo が実行中です　\n　%1　\n\n"
                          "　計算ファイル (B2F.dat, F2B.dat) を共有するため、　\n"
                          "　この Mirendo は終了します　")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace mirendo
