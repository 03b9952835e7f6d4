#include "core/exchange/RequestFile.h"
#include "core/exchange/AtomicFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>

namespace mirendo::exchange {
namespace {

const char kWorkedRequest[] = " 1 \r\n"
                              "0.0\r\n"
                              "10.0\r\n"
                              " 3 \r\n"
                              "+1.00000E+00 +2.50000E+00\r\n"
                              "+4.00000E+00 -3.00000E+00\r\n"
                              "+8.00000E+00 +1.25000E-01\r\n";

TEST(FormatRequest, WorkedExampleBytes) {
    const double xs[] = {0, 1, 4, 8};
    const double ys[] = {0, 2.5, -3, 0.125};
    EXPECT_EQ(FormatRequest(1, 0, 10, 3, xs, ys), kWorkedRequest);
}

TEST(FormatRequest, SettingLinesSwitchNotationAtThousand) {
    const struct {
        double value;
        const char* line;
    } cases[] = {
        {0, "0.0"},
        {10, "10.0"},
        {-5.25, "-5.25"},
        {123.4567, "123.457"},
        {0.0004, "0.0"},
        {-1000, "-1000.0"},
        {1000, "1000.0"},
        {1000.5, "1.0E+03"},
        {-1000.5, "-1.0E+03"},
        {1234.5, "1.2E+03"},
        {12345, "1.2E+04"},
        {-0.00012, "0.0"},
    };
    for (const auto& c : cases) {
        const std::string text = FormatRequest(2, c.value, c.value, 0, nullptr, nullptr);
        EXPECT_EQ(text, std::string(" 2 \r\n") + c.line + "\r\n" + c.line + "\r\n 0 \r\n") << c.value;
    }
}

TEST(FormatRequest, PointRecordSignRule) {
    const struct {
        double x, y;
        const char* record;
    } cases[] = {
        {12.5, -3, "+1.25000E+01 -3.00000E+00"},
        {0, 0, "-0.00000E+00 -0.00000E+00"},
        {-0.0, 1e-5, "-0.00000E+00 +1.00000E-05"},
        {4.605170185988092, -4.605170185988092, "+4.60517E+00 -4.60517E+00"},
        {-3.4e38, 1.17549435e-38, "-3.40000E+38 +1.17549E-38"},
        {9.999996, -9.999996, "+1.00000E+01 -1.00000E+01"},
    };
    for (const auto& c : cases) {
        const double xs[] = {0, c.x}, ys[] = {0, c.y};
        EXPECT_EQ(FormatRequest(1, 0, 1, 1, xs, ys),
                  std::string(" 1 \r\n0.0\r\n1.0\r\n 1 \r\n") + c.record + "\r\n")
            << c.x << ", " << c.y;
    }
}

TEST(FormatRequest, CountClampedToCapacity) {
    double xs[12] = {}, ys[12] = {};
    for (int i = 1; i < 12; ++i)
        xs[i] = i, ys[i] = -i;
    const RequestParse eleven = ParseRequest(FormatRequest(1, 0, 1, 11, xs, ys));
    ASSERT_TRUE(eleven.ok());
    EXPECT_EQ(eleven.value.n, 10);
    EXPECT_EQ(eleven.value.x[9], 10.0f);
    EXPECT_EQ(ParseRequest(FormatRequest(1, 0, 1, -4, xs, ys)).value.n, 0);
}

TEST(RequestRoundTrip, WhatTheWriterWritesTheReaderReads) {
    const double xs[] = {0, 1, -2.5, 0, 1e-3, 123456, -4.60517, 7, 8, 9, 3.3e38};
    const double ys[] = {0, -1, 2.5, 0, -1e-3, 654321, 4.60517, -7, -8, -9, -3.3e38};
    const struct {
        double start, stop;
        float echoedStart, echoedStop;
    } settings[] = {
        {0, 10, 0, 10},
        {0.0004, 1234.5, 0, 1200},
        {-1000, 1000, -1000, 1000},
        {-5.25, 123.4567f, -5.25f, 123.457f},
    };
    for (const auto& s : settings) {
        const RequestParse parse = ParseRequest(FormatRequest(4, s.start, s.stop, 10, xs, ys));
        ASSERT_TRUE(parse.ok());
        EXPECT_EQ(std::tuple(parse.value.mode, parse.value.xstart, parse.value.xstop),
                  std::tuple(4, s.echoedStart, s.echoedStop));
        ASSERT_EQ(parse.value.n, 10);
        for (size_t i = 0; i < 10; ++i) {
            // Six significant digits survive the record.
            EXPECT_NEAR(parse.value.x[i], xs[i + 1], std::abs(xs[i + 1]) * 5e-6) << i;
            EXPECT_NEAR(parse.value.y[i], ys[i + 1], std::abs(ys[i + 1]) * 5e-6) << i;
        }
        EXPECT_EQ(parse.value.x[2], 0.0f);
    }
}

TEST(ParseRequest, ReadsFieldsByColumn) {
    const struct {
        const char* name;
        std::string text;
        int n;
        float x0, y0;
    } cases[] = {
        {"worked example", kWorkedRequest, 3, 1.0f, 2.5f},
        {"columns decide", " 1 \r\n0\r\n1\r\n 1 \r\n+1.25000E+01 -3.00000E+00\r\n", 1, 12.5f, -3.0f},
        {"no line ends but LF", " 1\n0\n1\n1\n+1.25000E+01 -3.00000E+00\n", 1, 12.5f, -3.0f},
        {"last line unterminated", " 1 \r\n0\r\n1\r\n 1 \r\n+1.25000E+01 -3.00000E+00", 1, 12.5f, -3.0f},
        {"short line padded", " 1\r\n0\r\n1\r\n1\r\n  1.5          2.5\r\n", 1, 1.5f, 2.5f},
        {"rest of a line ignored", " 3 4\r\n0.5, 9\r\n1 x\r\n 1 junk\r\n+1.25000E+01 -3.00000E+00 extra\r\n",
         1, 12.5f, -3.0f},
        {"zero points", " 1 \r\n0.0\r\n10.0\r\n 0 \r\n", 0, 0.0f, 0.0f},
        {"records beyond n ignored", " 1 \r\n0\r\n1\r\n 1 \r\n+1.00000E+00 +2.00000E+00\r\nrubbish\r\n", 1,
         1.0f, 2.0f},
    };
    for (const auto& c : cases) {
        const RequestParse parse = ParseRequest(c.text);
        ASSERT_TRUE(parse.ok()) << c.name << ": ";
        EXPECT_EQ(std::tuple(parse.value.n, parse.value.x[0], parse.value.y[0]), std::tuple(c.n, c.x0, c.y0))
            << c.name;
    }
    // "+1.0" fills columns 1-4 and " +2.0" columns 5-9 of the first field: both land in the
    // abscissa, which therefore is malformed; a record must keep its columns.
    EXPECT_FALSE(ParseRequest(" 1\r\n0\r\n1\r\n1\r\n+1.0 +2.0\r\n").ok());
}

TEST(ParseRequest, RefusesBrokenRequests) {
    const std::string head = " 1 \r\n0.0\r\n10.0\r\n";
    const std::string rec = "+1.00000E+00 +2.50000E+00\r\n";
    // Where the refusal lies: the line, the record's field (1 abscissa, 2 ordinate, 0 a header).
    const struct {
        const char* name;
        std::string text;
        Cause cause;
        int line, field;
    } cases[] = {
        {"empty", "", Cause::EndedEarly, 1, 0},
        {"only mode", " 1 \r\n", Cause::EndedEarly, 2, 0},
        {"no point count", head, Cause::EndedEarly, 4, 0},
        {"blank mode line", "   \r\n0\r\n1\r\n 0 \r\n", Cause::NotANumber, 1, 0},
        {"mode not an integer", " 1.5 \r\n0\r\n1\r\n 0 \r\n", Cause::NotAnInteger, 1, 0},
        {"start not a number", " 1 \r\nabc\r\n1\r\n 0 \r\n", Cause::NotANumber, 2, 0},
        {"stop beyond single precision", " 1 \r\n0\r\n1E+39\r\n 0 \r\n", Cause::NotANumber, 3, 0},
        {"count eleven", head + " 11 \r\n" + rec, Cause::TooManyPoints, 4, 0},
        {"count negative", head + " -1 \r\n", Cause::TooManyPoints, 4, 0},
        {"fewer records", head + " 3 \r\n" + rec + rec, Cause::EndedEarly, 7, 1},
        {"blank record", head + " 1 \r\n\r\n", Cause::NotANumber, 5, 1},
        {"malformed abscissa", head + " 1 \r\n+1.0000xE+00 +2.50000E+00\r\n", Cause::NotANumber, 5, 1},
        {"malformed ordinate", head + " 1 \r\n+1.00000E+00 +2.5000?E+00\r\n", Cause::NotANumber, 5, 2},
        {"ordinate missing", head + " 1 \r\n+1.00000E+00\r\n", Cause::NotANumber, 5, 2},
        {"abscissa beyond single precision", head + " 1 \r\n+1.00000E+39 +2.50000E+00\r\n", Cause::OutOfRange,
         5, 1},
        {"three-digit exponent shifts columns", head + " 1 \r\n+1.00000E+100 +2.50000E+00\r\n",
         Cause::NotANumber, 5, 2},
    };
    for (const auto& c : cases) {
        const RequestParse parse = ParseRequest(c.text);
        ASSERT_FALSE(parse.ok()) << c.name;
        EXPECT_EQ(std::tuple(parse.failure->cause, parse.failure->line, parse.failure->field),
                  std::tuple(c.cause, c.line, c.field))
            << c.name;
    }
}

using AtomicWrite = mirendo::testing::TempFolderTest;

TEST_F(AtomicWrite, CreatesAndReplacesLeavingNoTemporary) {
    const std::string path = (m_dir / "B2F.dat").string();
    ASSERT_TRUE(WriteFileAtomically(path, "first\r\n").ok());
    EXPECT_EQ(Slurp(path), "first\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, std::string("a\0b", 3)).ok());
    EXPECT_EQ(Slurp(path), std::string("a\0b", 3));
    ASSERT_TRUE(WriteFileAtomically(path, "").ok());
    EXPECT_EQ(std::tuple(Slurp(path), EntryCount()), std::tuple("", 1u));
}

TEST_F(AtomicWrite, FailureReportsItsStepAndCauseAndLeavesNothing) {
    // A folder standing where the file should go cannot be replaced by a file.
    std::filesystem::create_directories(m_dir / "F2B.dat");
    const struct {
        std::filesystem::path path;
        FileWriteError error;
        int code;
    } rows[] = {
        {m_dir / "missing" / "B2F.dat", FileWriteError::CannotCreate, ENOENT},
        {m_dir / "F2B.dat", FileWriteError::CannotReplace, EISDIR},
        {m_dir / std::string(256, 'n'), FileWriteError::CannotReplace, ENAMETOOLONG},
        // Not refused for the temporary's longer name.
        {m_dir / std::string(255, 'n'), FileWriteError::None, 0},
    };
    for (const auto& row : rows) {
        const FileWrite written = WriteFileAtomically(row.path.string(), "x");
        EXPECT_EQ(std::pair(written.error, written.code), std::pair(row.error, row.code)) << row.path;
        if (written.ok())
            std::filesystem::remove(row.path);
        else
            EXPECT_NE(written.reason(row.path.string()).find(row.path.filename().string()),
                      std::string::npos);
    }
    EXPECT_EQ(EntryCount(), 1u); // only the folder F2B.dat: no temporary left behind
}

} // namespace
} // namespace mirendo::exchange
