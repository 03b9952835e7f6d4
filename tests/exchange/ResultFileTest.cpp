#include "core/exchange/ResultFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace mirendo::exchange {
namespace {

EngineResult SmallResult(int n, int m) {
    EngineResult r;
    r.mode = 3;
    r.xstart = 0.5f;
    r.xstop = 1200;
    r.n = n;
    for (size_t i = 0; i < static_cast<size_t>(n); ++i) {
        r.x[i] = static_cast<float>(i) + 0.25f;
        r.y[i] = -static_cast<float>(i + 1) * 1.5f;
        r.c[i] = 1e-3f * static_cast<float>(i + 1);
    }
    r.m = m;
    for (size_t j = 0; j < static_cast<size_t>(m); ++j) {
        r.t[j] = 0.02f * static_cast<float>(j);
        r.p[j] = -1e5f + static_cast<float>(j);
    }
    return r;
}

TEST(FormatResult, RecordLayout) {
    const std::string text = FormatResult(SmallResult(1, 2));
    EXPECT_EQ(text, " 3\r\n"
                    " 0.50000E+00\r\n"
                    " 0.12000E+04\r\n"
                    "     1\r\n"
                    " 0.2500000E+00  -0.1500000E+01   0.1000000E-02\r\n"
                    "     2\r\n"
                    " 0.0000000E+00  -0.1000000E+06\r\n"
                    " 0.2000000E-01  -0.9999900E+05\r\n");
}

TEST(FormatResult, NoPointsAndOnePoint) {
    EngineResult none;
    none.mode = 1;
    none.xstop = 10;
    EXPECT_EQ(FormatResult(none), " 1\r\n 0.00000E+00\r\n 0.10000E+02\r\n     0\r\n     0\r\n");
    EngineResult one;
    one.mode = 1;
    one.n = 1;
    one.x[0] = 2;
    one.y[0] = one.c[0] = 5;
    EXPECT_EQ(FormatResult(one), " 1\r\n 0.00000E+00\r\n 0.00000E+00\r\n     1\r\n"
                                 " 0.2000000E+01   0.5000000E+01   0.5000000E+01\r\n     0\r\n");
}

TEST(ResultRoundTrip, EveryValueComesBack) {
    const EngineResult written = SmallResult(10, 450);
    const ResultRead read = ParseResult(FormatResult(written));
    ASSERT_TRUE(read.ok());
    const LoadedResult& r = read.value;
    EXPECT_EQ(std::tuple(r.scaleMode, r.xStart, r.xStop), std::tuple(3, 0.5, 1200));
    ASSERT_EQ(r.pointCount, 10);
    ASSERT_EQ(r.sampleCount, 450);
    EXPECT_EQ(r.x[0], 0.0); // index 0 stays unused
    for (size_t i = 1; i <= 10; ++i) {
        EXPECT_FLOAT_EQ(static_cast<float>(r.x[i]), written.x[i - 1]) << i;
        EXPECT_FLOAT_EQ(static_cast<float>(r.y[i]), written.y[i - 1]) << i;
        EXPECT_FLOAT_EQ(static_cast<float>(r.coef[i]), written.c[i - 1]) << i;
    }
    for (size_t j = 1; j <= 450; ++j) {
        EXPECT_FLOAT_EQ(static_cast<float>(r.t[j]), written.t[j - 1]) << j;
        EXPECT_FLOAT_EQ(static_cast<float>(r.p[j]), written.p[j - 1]) << j;
    }
}

TEST(ParseResult, SeparatorsAndBothLeadingZeroForms) {
    const struct {
        const char *name, *text;
    } cases[] = {
        {"engine layout", " 1\r\n 0.00000E+00\r\n 0.10000E+02\r\n     1\r\n"
                          " 0.1250000E+02  -0.3000000E-02   0.5000000E+01\r\n     0\r\n"},
        {"no leading zero", " 1\r\n  .00000E+00\r\n  .10000E+02\r\n     1\r\n"
                            "  .1250000E+02   -.3000000E-02    .5000000E+01\r\n     0\r\n"},
        {"commas and one line", "1,0,10,1,12.5,-0.003,5,0"},
        {"LF only, tabs, no final end", "1\n0.0\t10\n1\n12.5\n-3e-3 5.0\n0"},
        {"trailing data ignored", "1 0 10 1 12.5 -0.003 5 0 7 8 9"},
    };
    for (const auto& c : cases) {
        const ResultRead read = ParseResult(c.text);
        ASSERT_TRUE(read.ok()) << c.name;
        EXPECT_EQ(std::tuple(read.value.scaleMode, read.value.xStop, read.value.pointCount, read.value.x[1],
                             read.value.y[1], read.value.coef[1], read.value.sampleCount),
                  std::tuple(1, 10.0, 1, 12.5, -0.003, 5.0, 0))
            << c.name;
    }
}

TEST(ParseResult, ErrorsInsteadOfGarbage) {
    const struct {
        const char* name;
        std::string text;
        Cause cause;
    } cases[] = {
        {"empty", "", Cause::EndedEarly},
        {"blank", " \r\n\r\n", Cause::EndedEarly},
        {"ends in header", " 1\r\n 0.0\r\n", Cause::EndedEarly},
        {"ends in points", "1 0 10 2 1 2 3 4 5", Cause::EndedEarly},
        {"no sample count", "1 0 10 1 1 2 3", Cause::EndedEarly},
        {"ends in samples", "1 0 10 1 1 2 3 2 0.1 0.2 0.3", Cause::EndedEarly},
        {"mode asterisks", "** 0 10 0 0", Cause::NotANumber},
        {"start not a number", "1 abc 10 0 0", Cause::NotANumber},
        {"count not an integer", "1 0 10 1.0 0", Cause::NotANumber},
        {"value beyond double", "1 0 10 1 1e999 2 3 0", Cause::NotANumber},
        {"sample not a number", "1 0 10 1 1 2 3 1 0.5 x", Cause::NotANumber},
        {"eleven points", "1 0 10 11", Cause::TooManyPoints},
        {"negative points", "1 0 10 -1 0", Cause::TooManyPoints},
        {"huge points", "1 0 10 2147483647", Cause::TooManyPoints},
        {"601 samples", "1 0 10 0 601", Cause::TooManySamples},
        {"negative samples", "1 0 10 0 -5", Cause::TooManySamples},
    };
    for (const auto& c : cases) {
        const ResultRead read = ParseResult(c.text);
        ASSERT_TRUE(read.failure) << c.name;
        EXPECT_EQ(read.failure->cause, c.cause) << c.name;
        // The failure says where: the value's place in the file, and a non-number's text.
        EXPECT_GT(read.failure->field, 0) << c.name;
        if (c.cause == Cause::NotANumber) {
            EXPECT_FALSE(read.failure->item.empty()) << c.name;
        }
        // A failed read hands back nothing half-filled.
        EXPECT_EQ(read.value.pointCount, 0) << c.name;
        EXPECT_EQ(read.value.sampleCount, 0) << c.name;
    }
}

TEST(ParseResult, FullCapacityAccepted) {
    std::string text = "4 1 2 10";
    for (int i = 0; i < 30; ++i)
        text += " 1.5";
    text += " 600";
    for (int j = 0; j < 1200; ++j)
        text += ",-2.5";
    const ResultRead read = ParseResult(text);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(std::tuple(read.value.p[600], read.value.coef[10]), std::tuple(-2.5, 1.5));
}

using ResultFileOnDisk = testing::TempFolderTest;

TEST_F(ResultFileOnDisk, MissingUnreadableAndPresent) {
    const auto& dir = m_dir;
    std::filesystem::create_directories(dir / "F2B.dat");
    const auto causeOf = [](const ResultRead& read) { return read.failure ? read.failure->cause : Cause{}; };
    EXPECT_EQ(causeOf(ReadResultFile((dir / "nothing.dat").string())), Cause::FileMissing);
    EXPECT_EQ(causeOf(ReadResultFile((dir / "F2B.dat").string())), Cause::FileNotRegular);
    EXPECT_EQ(ReadResultFile((dir / "F2B.dat").string()).failure->file, (dir / "F2B.dat").string());
    std::ofstream(dir / "ok.dat", std::ios::binary) << FormatResult(SmallResult(2, 50));
    const ResultRead read = ReadResultFile((dir / "ok.dat").string());
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.value.sampleCount, 50);
}

} // namespace
} // namespace mirendo::exchange
