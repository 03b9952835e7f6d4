// mirendo-eval: a saved curve of each scale mode gives its end points back, from the arguments and
// from standard input alike; a bad archive and wrong usage end with their statuses.
#include "programs/mirendo-eval/EvalCommand.h"
#include "archive/ArchiveSamples.h"
#include "core/messages/MessageTexts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <tuple>

namespace mirendo {
namespace {

using enum exchange::Cause;
using exchange::Failure;
using EvalCommand = testing::TempFolderTest;

using EvalRun = std::tuple<int, std::string, std::string>; // status, standard output and error

EvalRun Eval(const std::vector<std::string>& args, const std::string& input = "") {
    std::stringstream in(input), out, err;
    return {RunEvalCommand(args, in, out, err), out.str(), err.str()}; // in this order
}

std::string ArchiveOf(const testing::Calculation& calc) {
    return FormatArchive(testing::StateAfterCalculation(calc), calc.settings).value;
}

TEST_F(EvalCommand, EveryModeGivesItsEndPointsBackFromArgumentsAndInput) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const std::string archive = write("mode-Mi.csv", ArchiveOf(calc));
        const auto [x0, y0] = calc.points.front();
        const auto [x1, y1] = calc.points.back();
        const auto [status, out, err] = Eval({archive, std::to_string(x0), std::to_string(x1)});
        ASSERT_EQ(status, kEvalOk) << err;
        EXPECT_EQ(std::get<1>(Eval({archive}, std::to_string(x0) + ",\n" + std::to_string(x1))), out);
        std::istringstream lines(out);
        std::string header, first, last;
        std::getline(lines, header), std::getline(lines, first), std::getline(lines, last);
        EXPECT_EQ(header, "X,Y,外挿\r");
        for (const auto& [line, y] : {std::pair{first, y0}, std::pair{last, y1}})
            EXPECT_NEAR(std::stod(line.substr(line.find(',') + 1)), y, 1e-4 * std::max(1.0, std::fabs(y)))
                << "mode " << calc.mode;
    }
}

TEST_F(EvalCommand, InverseGivesEveryModesFirstPointBack) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const std::string archive = write("inverse-Mi.csv", ArchiveOf(calc));
        const auto [x0, y0] = calc.points.front();
        const auto [status, out, err] = Eval({"--inverse", archive, std::to_string(y0)});
        ASSERT_EQ(status, kEvalOk) << err;
        EXPECT_EQ(out.substr(0, out.find('\n') + 1), "Y,X,外挿\r\n");
        bool found = false;
        std::istringstream lines(out.substr(out.find('\n') + 1));
        for (std::string line; std::getline(lines, line);)
            found = found || std::fabs(std::stod(line.substr(line.find(',') + 1)) - x0) <
                                 1e-4 * std::max(1.0, std::fabs(x0));
        EXPECT_TRUE(found) << "mode " << calc.mode << ": " << out;
    }
}

TEST_F(EvalCommand, RefusalsEndWithTheirStatus) {
    const auto bad = write("bad-Mi.csv", " 1 \r\n0\r\n4\r\n1\r\n0\r\n5\r\n1\r\n 2 \r\n1,  abc,  1\r\n");
    const std::string good = write("good-Mi.csv", ArchiveOf(testing::CalculationsOfEveryMode().front()));
    // What is said goes to standard error, or to standard output for --help / --version.
    const std::tuple<std::vector<std::string>, int, const char*> rows[] = {
        {{bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{}, kEvalUsage, "使い方"},
        {{"--frobnicate", bad}, kEvalUsage, "--frobnicate"},
        {{"--inverse", bad, "1"}, kEvalArchiveUnreadable, "9 行目"},
        {{"--help"}, kEvalOk, "終了コード"},
        {{"--version"}, kEvalOk, "mirendo-eval "},
        {{good, "1", ""}, kEvalUsage, "3 番目の引数が空です"},
        {{good, "abc", "x"}, kEvalValuesRefused, "2 個の値"},
        {{good, "1,5"}, kEvalValuesRefused, "1 個の値"}, // one argument, one value: not 1 and 5
        {{"--inverse", good, "y"}, kEvalValuesRefused, "1 個の値"},
        {{"--inverse", good, "1e30"}, kEvalOk, "該当なし"}, // no X is an answer
        {{"--grid", "0", "1", "0", good}, kEvalUsage, "増分が 0 です"},
        {{"--grid", "0", "100000", "1", good}, kEvalUsage, "100000 個を超えます（100001 個）"},
        {{"--per-decade", "10", "-1", "10", good}, kEvalUsage, "0 より大きい"},
        {{good, "--grid", "0", "1"}, kEvalUsage, "3 つの値"},
        {{"--grid", "0", "1", "0.5", good, "3"}, kEvalUsage, "同時に"},
        {{"--slope", "--inverse", good, "1"}, kEvalUsage, "--inverse"},
    };
    for (const auto& [args, status, said] : rows) {
        const auto [code, out, err] = Eval(args);
        EXPECT_EQ(code, status) << said;
        EXPECT_NE((status == kEvalOk ? out : err).find(said), std::string::npos) << out << err;
        EXPECT_TRUE(status != kEvalValuesRefused || // still the header and a row for every value
                    std::count(out.begin(), out.end(), '\n') == long(args.size()) - (args[0] == "--inverse"));
    }
    // Lost output, as the shell sees it: a normal run and the help.
    for (const std::string& args : {good + " 1 2 3", std::string("--help")}) {
        const std::string command =
            MIRENDO_EVAL_PROGRAM " " + args + " >/dev/full 2>" + m_dir.string() + "/err";
        EXPECT_EQ(std::system(command.c_str()) >> 8, kEvalOutputFailed);
        EXPECT_NE(Slurp(m_dir / "err").find(OutputFailureText(ENOSPC)), std::string::npos);
    }
    // The installed program loads nothing of Qt.
    EXPECT_NE(std::system("ldd " MIRENDO_EVAL_PROGRAM " | grep -q Qt6"), 0);
}

TEST_F(EvalCommand, GridsWithTheSlopeOfThePowerLaw) {
    testing::Calculation power{4, {}, {"1.0E-01", "1.0E+03", "10", "1.0E-01", "1.0E+06", "10"}};
    for (const double x : {0.2, 1.0, 7.0, 40.0, 500.0})
        power.points.emplace_back(x, 3 * std::pow(x, 1.7));
    const std::string archive = write("power-Mi.csv", ArchiveOf(power));
    const std::pair<std::vector<std::string>, std::vector<double>> runs[] = {
        {{"--slope", "--per-decade", "2", "1", "100", archive},
         {1, std::sqrt(10.0), 10, std::sqrt(1000.0), 100}},
        {{"--grid", "100", "400", "-150", "--slope", archive}, {100, 250, 400}},
    };
    for (const auto& [args, xs] : runs) {
        const auto [status, out, err] = Eval(args);
        ASSERT_EQ(status, kEvalOk) << err;
        std::istringstream lines(out);
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line, "X,Y,dlnY/dlnX,外挿\r");
        for (const double x : xs) {
            ASSERT_TRUE(std::getline(lines, line));
            double shownX = 0, y = 0, slope = 0;
            ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf", &shownX, &y, &slope), 3) << line;
            EXPECT_NEAR(shownX, x, 1e-10 * x);
            EXPECT_NEAR(y, 3 * std::pow(x, 1.7), 1e-4 * y); // the archive keeps six to seven digits
            EXPECT_NEAR(slope, 1.7, 1e-4);
        }
        EXPECT_FALSE(std::getline(lines, line));
    }
}

// A file that is no archive is refused for what it is, the path once: the file causes, then random
// point files, other bytes, and archives damaged past the eight lines that give them their shape.
TEST_F(EvalCommand, EveryFileIsRefusedForWhatItIs) {
    const std::string archive = ArchiveOf(testing::CalculationsOfEveryMode().front());
    const std::string large = write("large-Mi.csv", ""), locked = write("locked-Mi.csv", archive);
    std::filesystem::resize_file(large, kMaxArchiveBytes + 1);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_write);
    std::vector<std::pair<std::string, Failure>> rows = {
        {"/nonexistent/x-Mi.csv", Failure::Of(FileMissing)},
        {locked, Failure::Of(FileUnreadable, EACCES)},
        {m_dir.string(), Failure::Of(FileNotRegular, EISDIR)},
        {"/dev/null", Failure::Of(FileNotRegular)},
        {large, Failure::Of(FileTooLarge, int(kMaxArchiveBytes))},
        {write("empty-Mi.csv", ""), Failure::Of(NotAnArchive)}};
    std::size_t shape = 0; // the end of the eight lines that give an archive its shape
    for (int line = 0; line < 8; ++line)
        shape = archive.find('\n', shape) + 1;
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto number = [&] { return std::to_string(pick(2000) - 1000) + (pick(2) ? ".5" : ""); };
    for (int i = 0, k = 0; i < 300; k = ++i % 3) { // point files, other bytes, damaged archives
        std::string bytes = k == 0 ? "" : k == 1 ? std::string(1, "xX#\0=,"[pick(6)]) : archive;
        for (int n = k == 0 ? 1 + pick(10) : k == 1 ? pick(200) : 0; n > 0; --n)
            bytes += k ? std::string(1, char(pick(256)))
                       : number() + (pick(2) ? "," : "   ") + number() + (pick(2) ? "\r\n" : "\n");
        if (k == 2)
            bytes.replace(shape + std::size_t(pick(int(bytes.size() - shape))), 1 + std::size_t(pick(5)),
                          std::string(1, "x,\n-"[pick(4)]));
        const ArchiveRead parsed = ParseArchive(bytes);
        if (!parsed.ok())
            rows.emplace_back(write("random" + std::to_string(i) + "-Mi.csv", bytes),
                              k == 2 ? *parsed.failure : Failure::Of(k ? NotAnArchive : PointFileNotArchive));
    }
    const pid_t child = fork(); // as root only a child without the permission sees the locked file refused
    if (child == 0) {
        const bool dropped = geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
        for (const auto& [path, expected] : rows) // nothing on standard output, the refusal on error
            EXPECT_EQ(Eval({path, "1"}),
                      EvalRun(kEvalArchiveUnreadable, "",
                              "mirendo-eval: " + path + ": " + ArchiveRefusalText(expected) + "\n"));
        _exit(dropped ? HasFailure() : 2);
    }
    int status = 1;
    EXPECT_TRUE(waitpid(child, &status, 0) == child && status == 0) << status;
}

} // namespace
} // namespace mirendo
