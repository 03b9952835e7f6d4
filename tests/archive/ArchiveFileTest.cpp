// The interpolated-data file: exact bytes, round trips, refused files and the values the browser
// derives from a file.
#include "ArchiveSamples.h"
#include "core/archive/ArchiveReader.h"
#include "core/archive/ArchiveWriter.h"
#include "core/exchange/DecimalText.h"
#include "core/plot/AxisRules.h"
#include "core/text/NumberText.h"
#include "qt/messages/Messages.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace mirendo {
namespace {

std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string out;
    for (const std::string& line : lines)
        out += line + end;
    return out;
}

std::vector<std::string> With(std::vector<std::string> lines, std::size_t index,
                              const std::string& replacement) {
    lines.at(index) = replacement;
    return lines;
}

std::vector<std::string> Head(std::vector<std::string> lines, std::size_t count) {
    lines.resize(count);
    return lines;
}

const std::vector<std::string> kLinear = {
    " 1 ",
    "0",
    "10",
    "1",
    "-5",
    "5",
    "1",
    " 2 ",
    "1.00000E+00,  2.00000E+00,  -1.000000E+00",
    "3.00000E+00,  4.00000E+00,  2.000000E+00",
    " 2 ",
    "1.000000E+00,  2.000000E+00",
    "2.000000E+00,  3.000000E+00",
}; // samples
using exchange::Cause;

std::optional<Cause> CauseOf(const ArchiveRead& read) {
    return read.failure ? std::optional(read.failure->cause) : std::nullopt;
}
// The reader's or writer's refusal as the user reads it.
template <class T> std::string Why(const exchange::Outcome<T>& outcome) {
    return outcome.failure ? ArchiveReadText(*outcome.failure).toStdString() : std::string();
}
std::string SaveWhy(const ArchiveFormat& format, const SettingTexts& settings) {
    return format.failure ? ArchiveSaveMessage(*format.failure, settings).toStdString() : std::string();
}

// The shared state after the browser loaded an accepted file into a fresh one.
Module1 Loaded(const ArchiveRead& read) {
    Module1 s;
    LoadSavedPlot(read.value, "/picked/file-Mi.csv", s);
    return s;
}

const std::vector<std::string> kLogLog =
    With(With(With(With(With(kLinear, 0, " 4 "), 1, "1.0E-01"), 2, "1.0E+02"), 4, "1.0E00"), 5, "1.0E+03");

TEST(ArchiveWriter, WritesTheKnownBytes) {
    Module1 s;
    s.ScaleMode = 3;
    s.PointCount = s.SampleCount = 2;
    s.ResultX[1] = -0.00123, s.ResultY[1] = 12.5, s.Coef[1] = 12.5;
    s.ResultX[2] = std::log(100.0), s.ResultY[2] = 0, s.Coef[2] = -2.5e-150;
    s.CurveX[1] = 1e100, s.CurveY[1] = -7;
    s.CurveX[2] = 0.5, s.CurveY[2] = 1234567.8;

    const ArchiveFormat f = FormatArchive(s, {"1.0E-01", "1.0E+03", "10", "0", "12.5", ""});
    ASSERT_TRUE(f.ok()) << Why(f);
    EXPECT_EQ(f.value, " 3 \r\n1.0E-01\r\n1.0E+03\r\n10\r\n0\r\n12.5\r\n\r\n 2 \r\n"
                       "-1.23000E-03,  1.25000E+01,  1.250000E+01\r\n"
                       "4.60517E+00,  0.00000E+00,  -2.500000E-150\r\n"
                       " 2 \r\n"
                       "1.000000E+100,  -7.000000E+00\r\n"
                       "5.000000E-01,  1.234568E+06\r\n");
}

TEST(ArchiveWriter, LineCountFollowsThePointCount) {
    for (const auto& [points, lines] : {std::pair{2, 61}, std::pair{10, 469}}) {
        testing::Calculation calc{1, {}, {"0", "20", "1", "-5", "5", "1"}};
        for (int i = 0; i < points; ++i)
            calc.points.push_back({i * 2.0, std::sin(i)});
        const ArchiveFormat f = FormatArchive(testing::StateAfterCalculation(calc), calc.settings);
        ASSERT_TRUE(f.ok()) << Why(f);
        std::size_t crlf = 0;
        for (std::size_t at = f.value.find("\r\n"); at != std::string::npos;
             at = f.value.find("\r\n", at + 2))
            ++crlf;
        EXPECT_EQ(crlf, static_cast<std::size_t>(lines)) << points << " points";
        EXPECT_EQ(std::count(f.value.begin(), f.value.end(), '\n'), lines) << "no bare line feeds";
        EXPECT_EQ(f.value.substr(f.value.size() - 2), "\r\n");
    }
}

TEST(ArchiveWriter, RefusesSettingTextsThatWouldShiftTheFields) {
    struct Case {
        const char* name;
        int box;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"comma", 0, "1,5"},      {"leading quote", 2, "\"10"},  {"quote after blanks", 3, "  \"0"},
        {"line feed", 5, "1\n2"}, {"carriage return", 4, "7\r"},
    };
    for (const Case& c : cases) {
        SettingTexts settings{"0", "10", "1", "0", "10", "1"};
        settings[static_cast<std::size_t>(c.box)] = c.text;
        const ArchiveFormat f = FormatArchive(Module1{}, settings);
        EXPECT_EQ(std::tuple(f.ok(), f.failure->field - 1), std::tuple(false, c.box)) << c.name;
        EXPECT_NE(SaveWhy(f, settings).find(SettingBoxName(c.box).toStdString()), std::string::npos)
            << c.name << ": " << SaveWhy(f, settings);
    }
    // A quote inside the text is harmless: only a leading one starts a quoted field.
    EXPECT_TRUE(FormatArchive(Module1{}, {"1\"", "10", "1", "0", "10", "1"}).ok());
}

TEST(ArchiveWriter, RefusesValuesThatCouldNotBeReadBack) {
    Module1 s;
    s.ScaleMode = 1;
    s.PointCount = 1;
    s.Coef[1] = INFINITY;
    EXPECT_FALSE(FormatArchive(s, {"0", "1", "1", "0", "1", "1"}).ok());
}

TEST(ArchiveWriter, CountsBeyondTheCapacityAreClamped) {
    Module1 s;
    s.ScaleMode = 1;
    s.PointCount = 14; // a line count left behind by a failed point-file read
    s.SampleCount = -3;
    const ArchiveFormat f = FormatArchive(s, {"0", "1", "1", "0", "1", "1"});
    ASSERT_TRUE(f.ok());
    const ArchiveRead back = ParseArchive(f.value);
    ASSERT_TRUE(back.ok()) << Why(back);
    EXPECT_EQ(std::tuple(back.value.pointCount, back.value.sampleCount), std::tuple(10, 0));
}

TEST(ArchiveReader, RoundTripInEveryMode) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        SCOPED_TRACE("mode " + std::to_string(calc.mode));
        const Module1 s = testing::StateAfterCalculation(calc);
        const ArchiveFormat f = FormatArchive(s, calc.settings);
        ASSERT_TRUE(f.ok()) << Why(f);
        const ArchiveRead r = ParseArchive(f.value);
        ASSERT_TRUE(r.ok()) << Why(r);
        const Module1 d = Loaded(r);
        EXPECT_EQ(std::tuple(d.ScaleMode, d.XStartText, d.YStepText, d.PointCount, d.SampleCount),
                  std::tuple(calc.mode, calc.settings[0], calc.settings[5], s.PointCount, s.SampleCount));
        const auto near = [](double a, double b, double rel) {
            return std::fabs(a - b) <= rel * std::fabs(b) + 1e-300;
        };
        for (int i = 1; i <= s.PointCount; ++i) {
            EXPECT_TRUE(near(d.ResultX[i], s.ResultX[i], 5e-6)) << i;
            EXPECT_TRUE(near(d.ResultY[i], s.ResultY[i], 5e-6)) << i;
            EXPECT_TRUE(near(d.Coef[i], s.Coef[i], 5e-7)) << i;
        }
        for (int j = 1; j <= s.SampleCount; ++j) {
            EXPECT_TRUE(near(d.CurveX[j], s.CurveX[j], 5e-7)) << j;
            EXPECT_TRUE(near(d.CurveY[j], s.CurveY[j], 5e-7)) << j;
        }
        // What was read writes back to the same bytes.
        const SettingTexts again{d.XStartText, d.XStopText, d.XStepText,
                                 d.YStartText, d.YStopText, d.YStepText};
        EXPECT_EQ(FormatArchive(d, again).value, f.value);
    }
}

// Opened and saved again by a spreadsheet: every line padded with empty fields and every number in
// the spreadsheet's shortest form ("1.0E+02" -> "100", " 2 " -> "2"). The same curve reads back.
TEST(ArchiveReader, SavedAgainByASpreadsheet) {
    for (const testing::Calculation& calc : testing::CalculationsOfEveryMode()) {
        const std::string written = FormatArchive(testing::StateAfterCalculation(calc), calc.settings).value;
        std::string sheet;
        const std::regex field(" *([^,\r\n]*?) *(,|\r\n)");
        for (std::sregex_iterator it(written.begin(), written.end(), field), end; it != end; ++it) {
            const std::optional<double> value = exchange::ParseDecimal((*it)[1].str());
            sheet += (value ? GeneralText(*value) : (*it)[1].str()) + ((*it)[2] == "," ? "," : ",,\r\n");
        }
        const ArchiveRead original = ParseArchive(written), again = ParseArchive(sheet);
        ASSERT_TRUE(again.ok()) << calc.mode << ": " << Why(again);
        const SavedPlot &a = original.value, &b = again.value;
        EXPECT_TRUE(b.settings == a.settings && b.settingTexts[0] == a.settingTexts[0] &&
                    b.settingTexts[4] == a.settingTexts[4] && b.coef == a.coef && b.xPlot == a.xPlot &&
                    b.yPlot == a.yPlot && b.curveX == a.curveX && b.curveY == a.curveY)
            << calc.mode << "\n"
            << sheet.substr(0, 120);
    }
}

TEST(ArchiveReader, DerivesPlotCoordinatesAndCurveExtremes) {
    // Mode 2, Y from 1.0E-02: a point with y = ln 0.5 sits at ln 0.5 - ln 0.01 = ln 50.
    const std::string text = Join(
        {" 2 ", "0", "10", "1", "1.0E-02", "1.0E+01", "10", " 2 ",
         "1.00000E+00,  -6.93147E-01,  1.000000E+00", "3.00000E+00,  1.00000E+00,  1.000000E+00", " 3 ",
         "1.000000E+00,  -6.931472E-01", "2.000000E+00,  2.500000E+00", "-5.000000E-01,  -3.000000E+00"});
    const ArchiveRead r = ParseArchive(text);
    ASSERT_TRUE(r.ok()) << Why(r);
    const Module1 d = Loaded(r);
    EXPECT_NEAR(d.YPlotData[1], std::log(50.0), 1e-6);
    EXPECT_DOUBLE_EQ(d.YStart, 0.01);
    EXPECT_DOUBLE_EQ(d.XStop, 10);
    EXPECT_DOUBLE_EQ(d.XPlotData[2], 3.0); // linear X: unchanged
    EXPECT_DOUBLE_EQ(d.CurveX[0], d.XPlotData[1]);
    EXPECT_DOUBLE_EQ(d.CurveY[0], d.YPlotData[1]);
    EXPECT_DOUBLE_EQ(d.CurveXMin, -0.5);
    EXPECT_DOUBLE_EQ(d.CurveXMax, 2.0);
    EXPECT_DOUBLE_EQ(d.CurveYMin, -3.0);
    EXPECT_DOUBLE_EQ(d.CurveYMax, 2.5);

    // Mode 3: X from 1.0E-01, so a point at X = 100 lies ln 1000 from the axis start.
    const ArchiveRead logX =
        ParseArchive(Join(With(With(With(With(kLinear, 0, " 3 "), 1, "1.0E-01"), 2, "1.0E+03"), 8,
                               "4.60517E+00,  2.00000E+00,  1.000000E+00")));
    ASSERT_TRUE(logX.ok()) << Why(logX);
    EXPECT_NEAR(logX.value.xPlot[1], std::log(1000.0), 1e-5);
    EXPECT_DOUBLE_EQ(logX.value.yPlot[1], 2.0);
}

TEST(ArchiveReader, AcceptsWhatTheFieldRuleAllows) {
    const std::pair<const char*, std::string> cases[] = {
        {"written form", Join(kLinear)},
        {"line feeds only", Join(kLinear, "\n")},
        {"carriage returns only", Join(kLinear, "\r")},
        {"no final line end", Join(kLinear).substr(0, Join(kLinear).size() - 2)},
        {"blanks and tabs around fields", Join(With(With(kLinear, 0, "\t1\t"), 8, "  1.0 ,\t2 , -1E+00  "))},
        {"one field per line", Join({" 1 ", "0", "10", "1", "-5", "5", "1", "1", "1", "2", "3", "0"})},
        {"byte-order mark", "\xEF\xBB\xBF" + Join(kLinear)},
        {"trailing content ignored", Join(kLinear) + "anything, at all\r\n"},
        {"empty step texts", Join(With(With(kLinear, 3, ""), 6, ""))},
        {"setting text with words", Join(With(kLinear, 2, "10 (ten)"))},
        {"log-log decades", Join(kLogLog)},
        {"three-digit decade", Join(With(kLogLog, 2, "1.0E+100"))},
        {"no points, no samples", Join({" 1 ", "0", "1", "1", "0", "1", "1", " 0 ", " 0 "})},
    };
    for (const auto& [name, text] : cases)
        EXPECT_TRUE(ParseArchive(text).ok()) << name << ": " << Why(ParseArchive(text));
    EXPECT_EQ(ParseArchive(Join(With(kLinear, 2, "10 (ten)"))).value.settings[1], 10);
}

TEST(ArchiveReader, RefusesBrokenFiles) {
    struct Case {
        const char* name;
        std::string text;
        Cause error;
    };
    const std::vector<Case> cases = {
        {"empty file", "", Cause::EndedEarly},
        {"only the mode", Join(Head(kLinear, 1)), Cause::EndedEarly},
        {"ends in the settings", Join(Head(kLinear, 4)), Cause::EndedEarly},
        {"ends in the points", Join(Head(kLinear, 9)), Cause::EndedEarly},
        // Line boundaries are not checked: a short point line takes its third field from the next line.
        {"short point line", Join(With(Head(kLinear, 9), 8, "1.0,  2.0")) + "x\r\n", Cause::NotANumber},
        {"ends in the samples", Join(Head(kLinear, 12)), Cause::EndedEarly},
        {"mode is text", Join(With(kLinear, 0, "Linear")), Cause::NotANumber},
        {"mode not whole", Join(With(kLinear, 0, "2.5")), Cause::NotAnInteger},
        {"mode 0", Join(With(kLinear, 0, " 0 ")), Cause::BadScaleMode},
        {"mode 5", Join(With(kLinear, 0, " 5 ")), Cause::BadScaleMode},
        {"eleven points", Join(With(kLinear, 7, " 11 ")), Cause::TooManyPoints},
        {"negative point count", Join(With(kLinear, 7, " -1 ")), Cause::TooManyPoints},
        {"huge point count", Join(With(kLinear, 7, "1E+30")), Cause::TooManyPoints},
        {"601 samples", Join(With(kLinear, 10, " 601 ")), Cause::TooManySamples},
        {"negative sample count", Join(With(kLinear, 10, " -2 ")), Cause::TooManySamples},
        {"word in a point", Join(With(kLinear, 8, "1.0,  abc,  2.0")), Cause::NotANumber},
        {"number with junk", Join(With(kLinear, 9, "3.0x,  4.0,  2.0")), Cause::NotANumber},
        {"two points in a number", Join(With(kLinear, 9, "1.2.3,  4.0,  2.0")), Cause::NotANumber},
        {"empty field", Join(With(kLinear, 8, "1.0,,  2.0")), Cause::NotANumber},
        {"overflowing number", Join(With(kLinear, 12, "1E+999,  3.0")), Cause::NotANumber},
        {"beyond single precision", Join(With(kLinear, 12, "1E+39,  3.0")), Cause::OutOfRange},
        {"exponent without digits", Join(With(kLinear, 11, "1.0E,  2.0")), Cause::NotANumber},
        {"overflowing setting", Join(With(kLinear, 2, "1e999")), Cause::OutOfRange},
        {"setting beyond single precision", Join(With(kLinear, 6, "-1E+39")), Cause::OutOfRange},
        {"X start equals stop", Join(With(kLinear, 2, "0")), Cause::EmptyAxisRange},
        {"Y start above stop", Join(With(kLinear, 4, "6")), Cause::EmptyAxisRange},
        {"log X start zero", Join(With(kLogLog, 1, "0")), Cause::NonPositiveLogStart},
        {"log Y start negative", Join(With(kLogLog, 4, "-1.0E+01")), Cause::NonPositiveLogStart},
        {"log X start not a decade", Join(With(kLogLog, 1, "0.5")), Cause::MalformedDecade},
        {"log Y stop one exponent digit", Join(With(kLogLog, 5, "1.0E+3")), Cause::MalformedDecade},
        {"log X stop reformatted", Join(With(kLogLog, 2, "1.00E+02")), Cause::MalformedDecade},
        {"log X stop a number but no decade", Join(With(kLogLog, 2, "150")), Cause::MalformedDecade},
        {"negative three-digit decade", Join(With(kLogLog, 1, "1.0E-100")), Cause::MalformedDecade},
        {"log decades equal", Join(With(kLogLog, 2, "1.0E-01")), Cause::EmptyAxisRange},
        {"log decades reversed", Join(With(kLogLog, 5, "1.0E-01")), Cause::EmptyAxisRange},
    };
    for (const Case& c : cases) {
        const ArchiveRead r = ParseArchive(c.text);
        EXPECT_EQ(CauseOf(r), c.error) << c.name << ": " << Why(r);
        if (!r.ok()) {
            EXPECT_FALSE(Why(r).empty()) << c.name;
            EXPECT_EQ(Why(r).find('\n'), std::string::npos) << c.name;
        }
    }
}

TEST(ArchiveReader, DecadeTexts) {
    const std::vector<std::pair<const char*, bool>> cases = {
        {"1.0E+02", true},   {"1.0E-02", true}, {"1.0E00", true},   {"1.0E+00", true},   {"1.0E+100", true},
        {"1.0E-100", false}, {"1.0E02", false}, {"1.0E+2", false},  {"1.0E", false},     {"2.0E+02", false},
        {"1.0e+02", false},  {"100", false},    {"1.0E+0a", false}, {" 1.0E+02", false}, {"", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsDecadeText(text), expected) << text;
}

using ArchiveFileOnDisk = testing::TempFolderTest;

TEST_F(ArchiveFileOnDisk, ReadsAndRefusesFiles) {
    EXPECT_TRUE(ReadArchiveFile(write("good-Mi.csv", Join(kLinear))).ok());
    EXPECT_EQ(CauseOf(ReadArchiveFile((m_dir / "missing-Mi.csv").string())), Cause::FileMissing);
    EXPECT_EQ(CauseOf(ReadArchiveFile(m_dir.string())), Cause::FileNotRegular) << "a folder";
    // A valid file padded beyond the bound is refused unread; exactly at the bound it is read.
    std::string big = Join(kLinear);
    big.resize(kMaxArchiveBytes, ' ');
    EXPECT_TRUE(ReadArchiveFile(write("bound-Mi.csv", big)).ok());
    big.push_back(' ');
    EXPECT_EQ(CauseOf(ReadArchiveFile(write("big-Mi.csv", big))), Cause::FileTooLarge);
}

TEST(ArchiveApply, CopiesWhatTheBrowserLoadsAndNothingElse) {
    Module1 s;
    s.GraphDrawn = 0;
    s.XData[3] = 42;
    s.PointCount = 7;
    s.Ln10 = 1.5;
    const ArchiveRead r = ParseArchive(Join(kLogLog));
    ASSERT_TRUE(r.ok());
    LoadSavedPlot(r.value, "/data/run-Mi.csv", s);
    EXPECT_EQ(std::tuple(s.FilePath, s.ScaleMode, s.PointCount, s.SampleCount, s.XStopText),
              std::tuple("/data/run-Mi.csv", 4, 2, 2, "1.0E+02"));
    EXPECT_DOUBLE_EQ(s.YStop, 1000);
    EXPECT_DOUBLE_EQ(s.CurveYMax, 3);
    EXPECT_EQ(s.GraphDrawn, 0) << "the window sets it once the graph is drawn";
    EXPECT_EQ(std::tuple(s.XData[3], s.Ln10), std::tuple(42, 1.5));
}

} // namespace
} // namespace mirendo
