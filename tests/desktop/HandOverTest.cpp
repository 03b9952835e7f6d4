// The socket a second start hands its file over is the user's alone: a folder or a socket of
// another user, a folder open to others and a program of another user at either end are
// refused, also for an ordinary user; and whatever bytes arrive, only a whole line is taken.
#include "programs/mirendo/FileHandOver.h"
#include "support/WindowTest.h"

#include <linux/securebits.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QScopeGuard>

#include <cstring>
#include <future>
#include <random>

namespace mirendo::testing {
namespace {

using Trouble = std::optional<HandOverTrouble>;

// A Unix stream socket bound (`op` ::bind) or connected (::connect) to `path`; -1 on failure.
int Socket(const QString& path, int (*op)(int, const sockaddr*, socklen_t)) {
    sockaddr_un a{AF_UNIX, {}};
    std::strncpy(a.sun_path, QFile::encodeName(path).constData(), sizeof a.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    return op(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0 ? fd : (::close(fd), -1);
}

// A child as a running program would be: it listens at `path` (a socket file of `owner`) as
// `listener` (a peer sees the credentials of listen()) and answers every line "ok". Users and
// their groups have the same ids here (root, nobody).
pid_t Listener(const QString& path, uid_t owner, uid_t listener) {
    const int fd = Socket(path, ::bind);
    const pid_t pid = fd < 0 || ::chown(QFile::encodeName(path).constData(), owner, owner) ? -1 : ::fork();
    if (pid == 0 && (::setgid(listener) || ::setuid(listener) || ::listen(fd, 4) || ::raise(SIGSTOP)))
        ::_exit(1);
    for (char c = 0; pid == 0;) {
        const int peer = ::accept(fd, nullptr, nullptr);
        while (::read(peer, &c, 1) == 1 && c != '\n')
            continue;
        (void)!::write(peer, "ok\n", 3);
        ::close(peer);
    }
    ::close(fd);
    int s = 0;
    return ::waitpid(pid, &s, WUNTRACED) == pid && WIFSTOPPED(s) && !::kill(pid, SIGCONT) ? pid : -1;
}

class HandOver : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (::geteuid() != 0 || !m_other)
            GTEST_SKIP() << "needs root and the user nobody";
        folder(m_dir.path(), 0, 0711); // reachable by nobody
    }
    // `path` made a folder of `owner` (root or nobody) with `mode`.
    static QString folder(const QString& path, uid_t owner, mode_t mode) {
        const QByteArray name = QFile::encodeName(path);
        EXPECT_TRUE(QDir().mkpath(path) && !::chown(name, owner, owner) && !::chmod(name, mode))
            << name.constData();
        return path;
    }
    const uid_t m_other = ::getpwnam("nobody") ? ::getpwnam("nobody")->pw_uid : 0;
};

TEST_F(HandOver, OnlyTheUsersOwnFolderSocketAndPrograms) {
    // Who owns what, the other user's when marked: F the folder, S the socket file, P the program
    // listening. u: the two starts run as nobody (root the other user); t: the folder is the one
    // under TMPDIR, without XDG_RUNTIME_DIR; l: XDG_RUNTIME_DIR is a link to the folder.
    using enum HandOverTrouble;
    const std::tuple<const char*, std::string_view, mode_t, bool, Trouble> rows[] = {
        {"own folder and program", "", 0700, true, {}},
        {"folder of another user", "F", 0700, false, FolderOfAnotherUser},
        {"folder open to all", "", 0777, false, FolderOpenToOthers},
        {"folder open to the group", "", 0750, false, FolderOpenToOthers},
        {"folder through a link", "l", 0700, false, FolderNotAFolder},
        {"socket file of another user", "S", 0700, false, {}},
        {"program of another user", "P", 0700, false, {}},
        {"temp folder of another user", "tF", 0700, false, FolderOfAnotherUser},
        {"user: own folder and program", "u", 0700, true, {}},
        {"user: temp folder of root", "utF", 0700, false, FolderOfAnotherUser},
        {"user: socket of root", "uS", 0700, false, {}},
        {"user: program of root", "uP", 0700, false, {}},
    };
    const auto code = [](bool handed, Trouble t) { return handed * 16 + (t ? 1 + int(*t) : 0); };
    for (int index = 0; const auto& [name, marks, mode, handed, trouble] : rows) {
        const auto marked = [marks = marks](char mark) { return marks.find(mark) != std::string_view::npos; };
        const auto owner = [&](char mark) { return marked(mark) == marked('u') ? 0 : m_other; };
        const uid_t me = marked('u') ? m_other : 0;
        const QString base = folder(workPath(QString::number(++index)), 0, 01777);
        const QString real =
            folder(base + (marked('t') ? QStringLiteral("/mirendo-%1").arg(me) : "/run"), owner('F'), mode);
        ::symlink("run", QFile::encodeName(base + "/link").constData());
        const pid_t listener = Listener(real + "/" + FileHandOver::ServerName(base), owner('S'), owner('P'));
        ASSERT_GT(listener, 0) << name;
        // The second start, then a first start once that program ended; as `me`, in an environment
        // of its own.
        const pid_t child = ::fork();
        if (child == 0 && (::setgid(me) || ::setuid(me)))
            ::_exit(99);
        if (child == 0) {
            qputenv("TMPDIR", QFile::encodeName(base));
            marked('t')
                ? qunsetenv("XDG_RUNTIME_DIR")
                : qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + (marked('l') ? "/link" : "/run")));
            const bool handedOver = HandOverFile(base, workPath("pts.csv"), 2000);
            ::kill(listener, SIGKILL);
            ::_exit(code(handedOver, FileHandOver(base).trouble()));
        }
        int seen = -1;
        ::waitpid(child, &seen, 0);
        ::kill(listener, SIGKILL); // also when the child, as nobody, could not
        ::waitpid(listener, nullptr, 0);
        EXPECT_EQ(WIFEXITED(seen) ? WEXITSTATUS(seen) : -1, code(handed, trouble)) << name;
    }
}

// Hundreds of connections with random bytes, some from a program of another user: a line (up to
// its first LF) of this user's is taken as sent and answered "ok"; bytes without a line end, too
// many before one, or of another user are dropped unanswered.
TEST_F(HandOver, TakesOnlyWholeLinesWhateverArrives) {
    const auto restore = qScopeGuard([was = qgetenv("XDG_RUNTIME_DIR")] { qputenv("XDG_RUNTIME_DIR", was); });
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder(workPath("run"), 0, 0700)));
    FileHandOver first(m_dir.path());
    ASSERT_TRUE(first.isListening());
    QStringList taken, expected;
    QObject::connect(&first, &FileHandOver::fileHandedOver, [&](const QString& p) { taken << p; });
    std::mt19937 random(20261208);
    std::vector<std::pair<QByteArray, bool>> sent(300); // the bytes, and whether nobody sends them
    for (auto& [bytes, foreign] : sent) {
        foreign = random() % 8 == 0;
        for (std::size_t n = random() % 30 ? random() % 400 : 70000 + random() % 5000; n > 0; --n)
            bytes += random() % 40 == 0 ? "\n\r\0\xff\xe3"[random() % 5] : char(random());
        if (bytes.size() >= 70000) // too long for a line
            bytes.replace('\n', 'x');
        if (bytes.contains('\n') && !foreign)
            expected << QString::fromUtf8(bytes.left(bytes.indexOf('\n')));
    }
    // Credentials are the thread's own: it connects as nobody where marked, keeping the rights to
    // reach the socket.
    const QString path = FileHandOver::SocketPath(m_dir.path());
    auto secondStarts = std::async(std::launch::async, [&, other = m_other] {
        ::prctl(PR_SET_SECUREBITS, SECBIT_NO_SETUID_FIXUP);
        for (const auto& [bytes, foreign] : sent) {
            ::syscall(SYS_setresuid, -1, foreign ? other : 0, -1);
            const int fd = Socket(path, ::connect);
            ::syscall(SYS_setresuid, -1, 0, -1);
            ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
            ::shutdown(fd, SHUT_WR);
            char answer[8] = {}; // a failed recv (-1) leaves it empty
            EXPECT_EQ(fd < 0 ? "not connected"
                             : QByteArray(answer, ::recv(fd, answer, sizeof answer, MSG_WAITALL)),
                      bytes.contains('\n') && !foreign ? "ok\n" : QByteArray())
                << bytes.size() << " bytes";
            ::close(fd);
        }
    });
    while (secondStarts.wait_for(std::chrono::seconds(0)) == std::future_status::timeout)
        QTest::qWait(1);
    EXPECT_EQ(taken, expected);
}

} // namespace
} // namespace mirendo::testing
