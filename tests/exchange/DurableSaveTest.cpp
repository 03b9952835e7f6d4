#include "exchange/AtomicFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace mirendo::exchange {
namespace {

namespace fs = std::filesystem;

// Passes every step through to the system and lists them; `failAt` makes that step fail.
struct RecordedSteps : SaveSteps {
    std::string log, failAt;
    int step(const char* name, int result) {
        log += log.empty() ? name : std::string(" ") + name;
        return failAt == name ? (errno = EIO, -1) : result;
    }
    int write(int fd, std::string_view b) override { return step("write", SaveSteps::write(fd, b)); }
    int syncFile(int fd) override { return step("sync", SaveSteps::syncFile(fd)); }
    int rename(const char* a, const char* b) override {
        return step("rename", failAt == "rename" ? 0 : SaveSteps::rename(a, b));
    }
    int syncFolder(const std::string& f) override { return step("syncFolder", SaveSteps::syncFolder(f)); }
};

using DurableSave = testing::TempFolderTest;

TEST_F(DurableSave, StepsInOrderAndAFailedStepKeepsTheOldFile) {
    const fs::path file = m_dir / "a-Mi.csv";
    const struct {
        const char *failAt, *log;
        FileWriteError error;
        const char* content; // the file afterwards
    } rows[] = {
        {"", "write sync rename syncFolder", FileWriteError::None, "new"},
        {"write", "write", FileWriteError::WriteFailed, "old"},
        {"sync", "write sync", FileWriteError::SyncFailed, "old"},
        {"rename", "write sync rename", FileWriteError::CannotReplace, "old"},
        // Renamed already: the new content stands, but the caller hears it may not survive.
        {"syncFolder", "write sync rename syncFolder", FileWriteError::SyncFailed, "new"},
    };
    for (const auto& row : rows) {
        std::ofstream(file, std::ios::binary) << "old";
        RecordedSteps steps;
        steps.failAt = row.failAt;
        const FileWrite written = SaveFileDurably(file.string(), "new", steps);
        EXPECT_EQ(steps.log, row.log) << row.failAt;
        EXPECT_EQ(written.error, row.error) << row.failAt;
        EXPECT_EQ(Slurp(file), row.content) << row.failAt;
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1) << row.failAt;
    }
    // The process-wide seam reaches the plain form; the exchange files' writer takes none of it.
    RecordedSteps steps;
    SaveSteps* previous = SetSaveSteps(&steps);
    ASSERT_TRUE(SaveFileDurably(file.string(), "kept").ok());
    ASSERT_TRUE(WriteFileAtomically((m_dir / "B2F.dat").string(), "transient").ok());
    SetSaveSteps(previous);
    EXPECT_EQ(steps.log, "write sync rename syncFolder");
}

// A saving program killed at random moments, many times over: the file is always the old or the
// new content, whole, never empty or cut.
TEST_F(DurableSave, KilledWhileSavingLeavesOldOrNewWhole) {
    const fs::path file = m_dir / "graph.png";
    const std::string versions[] = {std::string(200000, 'a'), std::string(300000, 'b')};
    ASSERT_TRUE(SaveFileDurably(file.string(), versions[0]).ok());
    std::mt19937 random(7);
    int seenOld = 0, seenNew = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 1;; ++i)
                SaveFileDurably(file.string(), versions[i % 2]);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = Slurp(file);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "kill " << kill << ": " << now.size() << " bytes";
        (now == versions[0] ? seenOld : seenNew)++;
    }
    std::printf("200 kills: %d times the old file, %d times the new, never anything else\n", seenOld,
                seenNew);
}

} // namespace
} // namespace mirendo::exchange
