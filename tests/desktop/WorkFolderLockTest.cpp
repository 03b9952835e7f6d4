// One Mirendo per working folder: the lock that a second start finds taken.
#include "programs/mirendo/WorkFolderLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

using Outcome = WorkFolderClaim::Outcome;

// The process id of a program that has ended.
qint64 EndedProcessId() {
    QProcess process;
    process.start(QStringLiteral("/bin/true"), {});
    process.waitForFinished();
    return process.processId() ? process.processId() : 999999;
}

void WriteLockFile(const QString& folder, qint64 pid, const QString& appName) {
    QFile lock(QDir(folder).filePath(QString::fromLatin1(kWorkFolderLockName)));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + '\n' + appName.toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
}

TEST(WorkFolderLock, SecondClaimInTheSameFolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    WorkFolderClaim first = ClaimWorkFolder(folder.path());
    ASSERT_EQ(first.outcome, Outcome::Claimed);
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral(".mirendo.lock"))));

    const WorkFolderClaim second = ClaimWorkFolder(folder.path());
    EXPECT_EQ(second.outcome, Outcome::InUse);
    EXPECT_EQ(second.lock, nullptr);

    QTemporaryDir other; // another folder is free
    EXPECT_EQ(ClaimWorkFolder(other.path()).outcome, Outcome::Claimed);

    first.lock.reset(); // the first program ends
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral(".mirendo.lock"))));
    EXPECT_EQ(ClaimWorkFolder(folder.path()).outcome, Outcome::Claimed);
}

TEST(WorkFolderLock, LeftOverLocksAreJudgedByTheirOwner) {
    const struct {
        const char* name;
        qint64 pid, ageSeconds;
        Outcome expected;
    } rows[] = {
        {"owner ended (crash)", EndedProcessId(), 0, Outcome::Claimed},
        {"owner ended long ago", EndedProcessId(), 86400, Outcome::Claimed},
        {"owner running, fresh lock", QCoreApplication::applicationPid(), 0, Outcome::InUse},
        // A program that has run for hours still holds its folder.
        {"owner running, old lock", QCoreApplication::applicationPid(), 6 * 3600, Outcome::InUse},
    };
    for (const auto& row : rows) {
        QTemporaryDir folder;
        WriteLockFile(folder.path(), row.pid, QCoreApplication::applicationName());
        if (row.ageSeconds > 0) {
            QFile lock(QDir(folder.path()).filePath(QString::fromLatin1(kWorkFolderLockName)));
            ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
            ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-row.ageSeconds),
                                         QFileDevice::FileModificationTime));
        }
        EXPECT_EQ(ClaimWorkFolder(folder.path()).outcome, row.expected) << row.name;
    }
}

TEST(WorkFolderLock, FolderWithoutRoomForALockIsNotReportedAsInUse) {
    QTemporaryDir folder;
    const QString missing = QDir(folder.path()).filePath(QStringLiteral("gone"));
    const WorkFolderClaim claim = ClaimWorkFolder(missing);
    EXPECT_EQ(claim.outcome, Outcome::NoLockFile);
}

TEST(WorkFolderLock, MessageNamesTheFolder) {
    const QString text = WorkFolderInUseMessage(QStringLiteral("/home/user/Documents/Mirendo"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("　このフォルダでは既に Mirendo が実行中です　\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("/home/user/Documents/Mirendo")));
}

} // namespace
} // namespace mirendo
