// Runs the real Ventrel binary in a temporary folder.
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const char kWorkedRequest[] = " 1 \r\n0.0\r\n10.0\r\n 3 \r\n"
                              "+1.00000E+00 +2.50000E+00\r\n"
                              "+4.00000E+00 -3.00000E+00\r\n"
                              "+8.00000E+00 +1.25000E-01\r\n";

class VentrelProcess : public mirendo::testing::TempFolderTest {
  protected:
    void Write(const std::string& name, const std::string& bytes) const { write(name, bytes); }
    std::string Read(const std::string& name) const { return Slurp(m_dir / name); }
    bool Exists(const std::string& name) const { return fs::exists(m_dir / name); }

    struct Run {
        bool exited = false;
        int status = -1;
        std::string out, err;
    };
    Run RunVentrel() const {
        const std::string command =
            "cd '" + m_dir.string() + "' && '" VENTREL_PATH "' >.out 2>.err </dev/null";
        const int raw = std::system(command.c_str());
        const bool exited = raw != -1 && WIFEXITED(raw);
        const Run run{exited, exited ? WEXITSTATUS(raw) : -1, Read(".out"), Read(".err")};
        fs::remove(m_dir / ".out");
        fs::remove(m_dir / ".err");
        return run;
    }
};

TEST_F(VentrelProcess, WorkedExampleBytes) {
    Write("B2F.dat", kWorkedRequest);
    const Run run = RunVentrel();
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::tuple(run.out, run.err), std::tuple("Stop - Program terminated.\n", ""));
    const std::string result = Read("F2B.dat");
    const std::string head = " 1\r\n"
                             " 0.00000E+00\r\n"
                             " 0.10000E+02\r\n"
                             "     3\r\n"
                             " 0.1000000E+01   0.2500000E+01   0.1190476E+00\r\n"
                             " 0.4000000E+01  -0.3000000E+01   0.2500000E+00\r\n"
                             " 0.8000000E+01   0.1250000E+00   0.4464286E-02\r\n"
                             "   100\r\n"
                             " 0.1000000E+01   0.2500000E+01\r\n"
                             " 0.1060000E+01   0.2324113E+01\r\n"
                             " 0.1120000E+01   0.2150915E+01\r\n";
    const std::string tail = " 0.7920000E+01  -0.5463316E-01\r\n";
    EXPECT_EQ(result.substr(0, head.size()), head);
    ASSERT_GE(result.size(), tail.size());
    EXPECT_EQ(result.substr(result.size() - tail.size()), tail);
    // Every line and its CR LF: I2, two E12.5, I6, three point lines of 46, I6, 100 sample lines of 30.
    EXPECT_EQ(result.size(), 4 + 14 + 14 + 8 + 3 * 48 + 8 + 100 * 32u);
    EXPECT_EQ(EntryCount(), 2u); // request and result, no temporary left
}

TEST_F(VentrelProcess, ZeroPointsWritesTheShortFile) {
    Write("B2F.dat", " 2 \r\n-5.25\r\n1.2E+03\r\n 0 \r\n");
    const Run run = RunVentrel();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read("F2B.dat"), " 2\r\n-0.52500E+01\r\n 0.12000E+04\r\n     0\r\n     0\r\n");
}

TEST_F(VentrelProcess, FailuresLeaveAnEarlierResultUntouched) {
    const std::string head = " 1 \r\n0.0\r\n10.0\r\n";
    const std::string rec = "+1.00000E+00 +2.50000E+00\r\n";
    const struct {
        const char* name;
        const char* request; // nullptr: no request file at all
        std::string text;
        const char* message;
    } cases[] = {
        {"missing request", nullptr, "", "B2F.dat"},
        {"empty request", "", "", "line 1"},
        {"missing line", "", " 1 \r\n0.0\r\n", "line 3"},
        {"fewer records", "", head + " 3 \r\n" + rec + rec, "line 7"},
        {"malformed number", "", head + " 1 \r\n+1.0000#E+00 +2.50000E+00\r\n", "line 5"},
        {"count above ten", "", head + " 11 \r\n", "line 4"},
        {"count below zero", "", head + " -1 \r\n", "line 4"},
        {"equal abscissae", "", head + " 2 \r\n" + rec + "+1.00000E+00 +3.00000E+00\r\n",
         "floating-point error: divide by zero"},
        {"equal abscissae, zero ordinate", "", head + " 2 \r\n+1.00000E+00 -0.00000E+00\r\n" + rec,
         "floating-point error: invalid"},
        // (An overflow and a request that is a folder: robustness/EngineFaultTest.cpp.)
    };
    const std::string earlier = "an earlier result\r\n";
    for (const auto& c : cases) {
        fs::remove(m_dir / "B2F.dat");
        if (c.request)
            Write("B2F.dat", c.text);
        Write("F2B.dat", earlier);
        const Run run = RunVentrel();
        ASSERT_TRUE(run.exited) << c.name;
        EXPECT_NE(run.status, 0) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(run.err.rfind("Ventrel: ", 0), 0u) << c.name << ": " << run.err;
        ASSERT_FALSE(run.err.empty()) << c.name;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << c.name << ": one line expected";
        EXPECT_EQ(Read("F2B.dat"), earlier) << c.name;
        EXPECT_EQ(EntryCount(), c.request ? 2u : 1u) << c.name;
    }
}

TEST_F(VentrelProcess, FailureWithoutEarlierResultWritesNone) {
    Write("B2F.dat",
          " 1 \r\n0.0\r\n10.0\r\n 2 \r\n+1.00000E+00 +2.00000E+00\r\n+1.00000E+00 +3.00000E+00\r\n");
    const Run run = RunVentrel();
    EXPECT_TRUE(run.exited);
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(Exists("F2B.dat"));
}

TEST_F(VentrelProcess, SuccessReplacesAnEarlierResult) {
    Write("F2B.dat", "old\r\n");
    Write("B2F.dat", " 4 \r\n0.0\r\n1.0\r\n 1 \r\n+2.00000E+00 -5.00000E-01\r\n");
    const Run run = RunVentrel();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read("F2B.dat"), " 4\r\n 0.00000E+00\r\n 0.10000E+01\r\n     1\r\n"
                               " 0.2000000E+01  -0.5000000E+00  -0.5000000E+00\r\n     0\r\n");
}

TEST_F(VentrelProcess, HugeRequestIsReadOnlyAsFarAsNeeded) {
    // 4 MiB of trailing lines: only the first MiB is read, and the records lie well inside it.
    std::string request = kWorkedRequest;
    const std::string filler(1023, 'x');
    for (int i = 0; i < 4096; ++i)
        request += filler + "\n";
    Write("B2F.dat", request);
    const Run run = RunVentrel();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Read("F2B.dat").size(), 3392u);
}

} // namespace
