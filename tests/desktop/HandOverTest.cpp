// The socket a second start hands its file over is the user's alone: a folder or a socket of
// another user, a folder open to others and a program of another user at either end are
// refused, also for an ordinary user; and whatever bytes arrive, only a whole line is taken.
#include "support/WindowTest.h"
#include "windows/FileHandOver.h"

#include <linux/securebits.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <atomic>
#include <cstring>
#include <random>
#include <thread>

namespace mirendo::testing {
namespace {

using Trouble = std::optional<HandOverTrouble>;

sockaddr_un Address(const QString& path) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, QFile::encodeName(path).constData(), sizeof a.sun_path - 1);
    return a;
}

// A child as a running program would be: it listens at `path` (a socket file of `owner`) as
// `listener` and answers every connection "ok".
pid_t Listener(const QString& path, uid_t owner, uid_t listener, gid_t group) {
    const sockaddr_un a = Address(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    int ready[2];
    if (::pipe(ready) != 0 || ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 ||
        ::chown(a.sun_path, owner, group) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0 && ((listener != 0 && (::setgid(group) != 0 || ::setuid(listener) != 0)) ||
                     ::listen(fd, 4) != 0 || ::write(ready[1], "r", 1) != 1))
        ::_exit(1);
    for (char c = 0; pid == 0;) {
        const int peer = ::accept(fd, nullptr, nullptr);
        while (::read(peer, &c, 1) == 1 && c != '\n')
            continue;
        (void)!::write(peer, "ok\n", 3);
        ::close(peer);
    }
    ::close(fd);
    ::close(ready[1]);
    char c = 0;
    const bool listening = ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    return listening ? pid : -1;
}

class HandOver : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() != 0 || !nobody)
            GTEST_SKIP() << "needs root and the user nobody";
        m_other = nobody->pw_uid;
        m_group = nobody->pw_gid;
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0711); // reachable by nobody
    }
    void TearDown() override {
        for (const auto& [name, value] : m_environment)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        WindowTest::TearDown();
    }
    uid_t m_other = 0;
    gid_t m_group = 0;
    const std::pair<const char*, QByteArray> m_environment[2] = {
        {"XDG_RUNTIME_DIR", qgetenv("XDG_RUNTIME_DIR")}, {"TMPDIR", qgetenv("TMPDIR")}};
};

TEST_F(HandOver, OnlyTheUsersOwnFolderSocketAndPrograms) {
    // Who owns what, the other user's when marked: F the folder, S the socket file, P the program
    // listening. u: the two starts run as nobody (root the other user); t: the folder is the one
    // under TMPDIR, without XDG_RUNTIME_DIR; l: XDG_RUNTIME_DIR is a link to the folder.
    using enum HandOverTrouble;
    const struct {
        const char* name;
        std::string_view marks;
        mode_t mode;
        bool handed;
        Trouble trouble;
    } rows[] = {
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
    const QString file = workPath("pts.csv");
    int index = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto marked = [&](char mark) { return row.marks.find(mark) != std::string_view::npos; };
        const uid_t me = marked('u') ? m_other : 0;
        const auto owner = [&](char mark) { return marked(mark) == marked('u') ? 0 : m_other; };
        const QString base = workPath(QString::number(++index));
        const QString real = marked('t') ? base + QStringLiteral("/mirendo-%1").arg(me) : base + "/run";
        ASSERT_TRUE(QDir().mkpath(real));
        ::chmod(QFile::encodeName(base).constData(), 01777);
        ::chown(QFile::encodeName(real).constData(), owner('F'), owner('F') ? m_group : 0);
        ::chmod(QFile::encodeName(real).constData(), row.mode);
        ::symlink("run", QFile::encodeName(base + "/link").constData());
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(base));
        if (!marked('t'))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base + (marked('l') ? "/link" : "/run")));
        const gid_t group = owner('S') ? m_group : 0;
        const pid_t listener =
            Listener(real + "/" + FileHandOver::ServerName(base), owner('S'), owner('P'), group);
        ASSERT_GT(listener, 0);
        // The second start, then a first start once that program ended.
        const auto check = [&] {
            const bool handed = HandOverFile(base, file, 2000);
            ::kill(listener, SIGKILL);
            const FileHandOver first(base);
            return int(handed) * 16 + (first.trouble() ? 1 + int(*first.trouble()) : 0);
        };
        int seen = -1;
        if (const pid_t child = marked('u') ? ::fork() : -1; child == 0)
            ::_exit(::setgid(m_group) == 0 && ::setuid(m_other) == 0 ? check() : 99);
        else if (child > 0 && ::waitpid(child, &seen, 0) == child)
            seen = WIFEXITED(seen) ? WEXITSTATUS(seen) : -1;
        else
            seen = check();
        ::waitpid(listener, nullptr, 0);
        EXPECT_EQ(seen, int(row.handed) * 16 + (row.trouble ? 1 + int(*row.trouble) : 0));
    }
}

// Hundreds of connections with random bytes, some from a program of another user: a line (up to
// its first LF) of this user's is taken as sent and answered "ok"; bytes without a line end, too
// many before one, or of another user are dropped unanswered.
TEST_F(HandOver, TakesOnlyWholeLinesWhateverArrives) {
    ASSERT_TRUE(QDir().mkpath(workPath("run")));
    ::chmod(QFile::encodeName(workPath("run")).constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(workPath("run")));
    FileHandOver first(m_dir.path());
    ASSERT_TRUE(first.isListening());
    QStringList taken, expected;
    QObject::connect(&first, &FileHandOver::fileHandedOver, [&](const QString& p) { taken << p; });
    std::mt19937 random(20261208);
    std::vector<QByteArray> sent(300);
    std::vector<char> foreign(sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        QByteArray& bytes = sent[i];
        foreign[i] = random() % 8 == 0;
        const bool huge = random() % 30 == 0;
        for (std::size_t n = huge ? 70000 + random() % 5000 : random() % 400; n > 0; --n)
            bytes += random() % 40 == 0 ? "\n\r\0\xff\xe3"[random() % 5] : char(random());
        if (huge)
            bytes.replace('\n', 'x');
        if (bytes.contains('\n') && !foreign[i])
            expected << QString::fromUtf8(bytes.left(bytes.indexOf('\n')));
    }
    const QString path = FileHandOver::SocketPath(m_dir.path());
    std::vector<QByteArray> answers;
    std::atomic<std::size_t> answered = 0;
    // Credentials are the thread's own: it connects as nobody where marked, keeping the rights to
    // reach the socket.
    std::thread secondStarts([&, other = m_other] {
        ::prctl(PR_SET_SECUREBITS, SECBIT_NO_SETUID_FIXUP);
        for (std::size_t i = 0; i < sent.size(); ++i) {
            const QByteArray& bytes = sent[i];
            const sockaddr_un a = Address(path);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            ::syscall(SYS_setresuid, -1, foreign[i] ? other : 0, -1);
            const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
            ::syscall(SYS_setresuid, -1, 0, -1);
            ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
            ::shutdown(fd, SHUT_WR);
            char answer[8] = {};
            const ssize_t n = ::recv(fd, answer, sizeof answer, MSG_WAITALL);
            answers.push_back(connected ? QByteArray(answer, std::max<ssize_t>(0, n)) : "not connected");
            ::close(fd);
            ++answered;
        }
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered == sent.size(); }, 60000));
    secondStarts.join();
    EXPECT_EQ(taken, expected);
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(answers[i], sent[i].contains('\n') && !foreign[i] ? "ok\n" : "") << i;
}

} // namespace
} // namespace mirendo::testing
