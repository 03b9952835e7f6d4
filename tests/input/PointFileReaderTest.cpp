#include "core/input/PointFileReader.h"
#include "core/input/Ordering.h"
#include "core/input/PastedPoints.h"
#include "core/input/TypedValue.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace mirendo {
namespace {

using Points = std::vector<std::pair<double, double>>;
using exchange::Cause;
using enum exchange::Cause;

// Byte order marks; what follows is appended as a C string, up to its first NUL.
const std::string kUtf8Bom = "\xEF\xBB\xBF", kUtf16Bom = "\xFF\xFE";

std::optional<Cause> CauseOf(const PointFileRead& read) {
    return read.failure ? std::optional(read.failure->cause) : std::nullopt;
}

std::string Lines(int count, const char* end = "\r\n") {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + "," + std::to_string(i * i) + end;
    return text;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::optional<Cause> failure;
    int pointCount, listed;
    Points points; // items read (for failures: the complete points read before it)
    // Where it fails: the file's line, the value of the point and the refused text.
    std::optional<std::tuple<int, exchange::Subject, std::string>> where = std::nullopt;
    friend void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }
};

class ReadPointTextTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadPointTextTable, Reads) {
    const ReadCase& c = GetParam();
    const PointFileRead read = ReadPointText(c.bytes);
    EXPECT_EQ(std::tuple(CauseOf(read), read.pointCount, int(read.lines.size()), read.pointsRead),
              std::tuple(c.failure, c.pointCount, c.listed, static_cast<int>(c.points.size())));
    Points got;
    for (std::size_t i = 1; i <= c.points.size(); ++i)
        got.emplace_back(read.x[i], read.y[i]);
    EXPECT_EQ(got, c.points);
    for (std::size_t i = c.points.size() + 2; i <= 10; ++i)
        EXPECT_EQ(read.x[i], 0.0) << "untouched X(" << i << ")";
    const exchange::Failure f = read.failure.value_or(exchange::Failure{});
    EXPECT_EQ(std::tuple(f.line, f.subject, f.item), c.where.value_or(std::tuple(f.line, f.subject, f.item)));
    // What the dialog keeps of any read holds finite values and shows its ranges as numbers.
    Module1 state;
    StorePointFileRead(state, read);
    for (int i = 0; i <= Module1::kMaxPoints; ++i)
        EXPECT_TRUE(std::isfinite(state.XData[i]) && std::isfinite(state.YData[i])) << i;
    for (const std::string& text : RangeTexts(state))
        EXPECT_EQ(text.find_first_of("aAfFiInN"), std::string::npos) << text;
}

const Points kSquares10 = {{1, 1},  {2, 4},  {3, 9},  {4, 16}, {5, 25},
                           {6, 36}, {7, 49}, {8, 64}, {9, 81}, {10, 100}};
using P = exchange::Subject;

// A file one byte over the reader's limit, a line one byte over its limit.
const std::string kTooLarge(PointFileRead::kMaxFileBytes + 1, '\n'),
    kTooLong(PointFileRead::kMaxLineBytes + 1, '1');
const ReadCase kReadCases[] = {
    {"ten_lines", Lines(10), {}, 10, 10, kSquares10},
    {"ten_lines_last_without_end", Lines(9) + "10,100", {}, 10, 10, kSquares10},
    {"eleventh_line", Lines(11), TooManyPoints, 11, 11, kSquares10, {{11, P::None, ""}}},
    {"eleventh_line_empty", Lines(10) + "\r\n", TooManyPoints, 11, 11, kSquares10},
    {"hundred_and_one_lines", Lines(101), TooManyLines, 100, 100, kSquares10},
    {"trailing_empty_line", Lines(2) + "\r\n", EndedEarly, 3, 3, {{1, 1}, {2, 4}}, {{3, P::Y, ""}}},
    {"three_items_shift", "1,2,3\r\n4,5\r\n6,7\r\n", {}, 3, 3, {{1, 2}, {3, 4}, {5, 6}}},
    {"one_item_runs_out", "1\r\n2,3\r\n4,5\r\n", EndedEarly, 3, 3, {{1, 2}, {3, 4}}, {{3, P::Y, ""}}},
    {"heading", "X,Y\r\n1,2\r\n", {}, 1, 2, {{1, 2}}},
    {"heading_and_ten_points", "X,Y\r\n" + Lines(10), {}, 10, 11, kSquares10},
    {"semicolons", "1;2\r\n3 ; 4\r\n", {}, 2, 2, {{1, 2}, {3, 4}}},
    {"quoted", "\"1\",\"2\"\r\n\"3\", \"4\"\r\n", {}, 2, 2, {{1, 2}, {3, 4}}},
    {"spreadsheet_export", "\"X\";\"Y\"\r\n\"1\";\"2\"\r\n3;4\r\n", {}, 2, 3, {{1, 2}, {3, 4}}},
    {"unclosed_quote", "\"1,2\r\n", NotANumber, 1, 1, {}},
    {"decimal_comma_in_quotes", "\"1\";\"2,5\"\r\n", NotANumber, 1, 1, {}},
    {"unit_after_number", "1,2\r\n3,4m\r\n", NotANumber, 2, 2, {{1, 2}}, {{2, P::Y, "4m"}}},
    {"descending_kept_as_read", "3,30\r\n2,20\r\n1,10\r\n", {}, 3, 3, {{3, 30}, {2, 20}, {1, 10}}},
    {"blanks_in_dat", "  1.5    2.5\r\n-0.5   1.5E-03  \r\n", {}, 2, 2, {{1.5, 2.5}, {-0.5, 0.0015}}},
    {"comma_and_blank", "1, 2\r\n3 ,4\r\n5 , 6", {}, 3, 3, {{1, 2}, {3, 4}, {5, 6}}},
    {"tabs_are_blanks", "1\t2\r\n\t3\t,\t4\r\n", {}, 2, 2, {{1, 2}, {3, 4}}},
    {"lf_only", "1,2\n3,4\n", {}, 2, 2, {{1, 2}, {3, 4}}},
    {"lone_cr", "1,2\r3,4", {}, 2, 2, {{1, 2}, {3, 4}}},
    {"utf8_bom_skipped", kUtf8Bom + "1,2\r\n", {}, 1, 1, {{1, 2}}},
    {"number_forms", "+1.,.5\r\n-2e1,3E+2\r\n", {}, 2, 2, {{1, 0.5}, {-20, 300}}},
    {"empty_line_is_zero_item", "1,2,3\r\n\r\n", {}, 2, 2, {{1, 2}, {3, 0}}},
    {"empty_line_shifts_items", "1\r\n\r\n5,6\r\n", EndedEarly, 3, 3, {{1, 0}, {5, 6}}},
    {"blank_only_last_line", "1,2,3\r\n   ", {}, 2, 2, {{1, 2}, {3, 0}}},
    {"empty_file", "", {}, 0, 0, {}},
    {"two_commas", "1,,2\r\n", NotANumber, 1, 1, {}, {{1, P::Y, ""}}},
    {"trailing_comma", "1,2,\r\n3,4\r\n", NotANumber, 2, 2, {{1, 2}}, {{1, P::X, ""}}},
    {"leading_comma", ",1,2\r\n", NotANumber, 1, 1, {}},
    {"bare_sign", "-,2\r\n", NotANumber, 1, 1, {}},
    {"exponent_without_digits", "1e,2\r\n", NotANumber, 1, 1, {}},
    {"overflow", "1e999,2\r\n", OutOfRange, 1, 1, {}, {{1, P::X, "1e999"}}},
    {"infinity_word", "inf,2\r\n", NotANumber, 1, 1, {}},
    {"nul_byte", std::string("1,2\r\n3\0,4\r\n", 11), NotText, 1, 0, {}, {{2, P::None, ""}}},
    {"utf16_bom", kUtf16Bom + "1\0,\0002\0", NotText, 1, 0, {}, {{0, P::None, ""}}},
    {"utf16_big_endian",
     std::string("\xFE\xFF\0"
                 "1\0,\0"
                 "2",
                 8),
     NotText,
     1,
     0,
     {},
     {{0, P::None, ""}}},
    {"utf16_without_a_mark",
     std::string("1\0,\0"
                 "2\0",
                 6),
     NotText,
     1,
     0,
     {},
     {{1, P::None, ""}}},
    {"extreme_magnitudes", "1E-30,1E+30\r\n2,-1E+30\r\n", {}, 2, 2, {{1e-30, 1e30}, {2, -1e30}}},
    {"hexadecimal", "0x10,1\r\n", NotANumber, 1, 1, {}, {{1, P::X, "0x10"}}},
    {"nan_and_inf_after_a_point", "1,2\r\nnan,inf\r\n", NotANumber, 2, 2, {{1, 2}}, {{2, P::X, "nan"}}},
    {"long_line", kTooLong, LineTooLong, 1, 0, {}},
    {"too_large", kTooLarge, FileTooLarge, 1, 0, {}, {{0, P::None, ""}}},
    {"equal_x_values", "1,2\r\n1,3\r\n", {}, 2, 2, {{1, 2}, {1, 3}}, {{0, P::None, ""}}}, // ordered later
    {"letter_after_heading", "X,Y\r\n1,2\r\n3,abc\r\n", NotANumber, 2, 3, {{1, 2}}, {{3, P::Y, "abc"}}},
    {"one_value_after_a_heading", "X,Y\r\n1\r\n", EndedEarly, 1, 2, {}, {{2, P::Y, ""}}},
    {"a_second_heading", "X,Y\r\nX,Y\r\n", NotANumber, 1, 2, {}, {{2, P::X, "X"}}},
    {"shifted_items_line", "1,2,3\r\n4,x\r\n5,6\r\n", NotANumber, 3, 3, {{1, 2}, {3, 4}}, {{2, P::X, "x"}}},
    {"line_ends_count", "1,2\r3,4\n5,6\r\n7,q", NotANumber, 4, 4, {{1, 2}, {3, 4}, {5, 6}}, {{4, P::Y, "q"}}},
    {"after_a_byte_order_mark", kUtf8Bom + "1,2\n3 4m", NotANumber, 2, 2, {{1, 2}}, {{2, P::Y, "4m"}}},
    {"below_the_double_range", "1,2\r\n1e-400,2\r\n", OutOfRange, 2, 2, {{1, 2}}, {{2, P::X, "1e-400"}}},
    {"one_value_on_the_last_line", "1,2\r\n3\r\n", EndedEarly, 2, 2, {{1, 2}}, {{2, P::Y, ""}}},
    {"an_x_missing", "1\r\n2\r\n3\r\n4\r\n", EndedEarly, 4, 4, {{1, 2}, {3, 4}}, {{3, P::X, ""}}},
    {"hundred_lines", Lines(100), TooManyPoints, 100, 100, kSquares10, {{11, P::None, ""}}},
    {"line_101_empty", Lines(100) + "\r\n", TooManyLines, 100, 100, kSquares10, {{11, P::None, ""}}},
    {"long_second_line", "1,2\r\n" + kTooLong, LineTooLong, 1, 0, {}, {{2, P::None, ""}}},
    // Each line one way: a semicolon line has decimal commas, decimal commas beside blanks are refused.
    {"semicolon_decimal_comma", "X;Y\r\n1,5;2,5\r\n3,5 ; -4,5e1", {}, 2, 3, {{1.5, 2.5}, {3.5, -45}}},
    {"semicolon_line_then_comma_line", "1,5;2\r\n3,4\r\n", {}, 2, 2, {{1.5, 2}, {3, 4}}},
    {"tab_decimal_comma", "1,5\t2,5\r\n", AmbiguousLine, 1, 1, {}},
    {"blank_decimal_comma", "1,5 2,5\r\n", AmbiguousLine, 1, 1, {}},
    {"thousands_and_tab", "1,2\r\n1,234\t5,678\r\n", AmbiguousLine, 2, 2, {{1, 2}}},
    {"full_width_digits", "\uFF11,\uFF12\r\n3,4\r\n5,6\r\n", {}, 3, 3, {{1, 2}, {3, 4}, {5, 6}}},
    {"full_width_sign_point_blank", "\uFF0D\uFF11\uFF0E\uFF15\u3000\uFF12", {}, 1, 1, {{-1.5, 2}}},
    {"no_break_space_in_number", "1\u00A02\r\n3,4\r\n", AmbiguousLine, 2, 2, {}},
    {"heading_with_a_digit_is_data", "X1,Y1\r\n1,2\r\n", NotANumber, 2, 2, {}},
    {"lone_heading_is_data", "X,Y\r\n", NotANumber, 1, 1, {}},
    {"text_after_a_closing_quote", "\"1\"9,2\r\n", NotANumber, 1, 1, {}},
};

INSTANTIATE_TEST_SUITE_P(PointFile, ReadPointTextTable, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A paste is entered whole or refused naming its line; only an empty paste names none.
TEST(ReadPastedPoints, RefusesNamingTheLine) {
    const std::tuple<std::string, std::optional<Cause>, int> cases[] = {
        {"abc", NotANumber, 1},
        {" \r\n\t\n", NothingPasted, 0},
        {"1\t2\n1,234\t5,678", AmbiguousLine, 2},
        {"1,2,", NotAPair, 1},
        {"X;Y\n1,5;2,5\n\uFF13;4", std::nullopt, 0},
    };
    for (const auto& [text, cause, line] : cases) {
        const PastedPoints pasted = ReadPastedPoints(text, 10);
        EXPECT_EQ(pasted.failure ? std::optional(pasted.failure->cause) : std::nullopt, cause) << text;
        EXPECT_EQ(pasted.failure ? pasted.failure->line : 0, line) << text;
    }
}

// The pair a pasted line must give, worked out apart from the reader (regular expressions and
// strtod), or nothing when it must be refused; `twoWays` when it is refused for reading two ways.
std::optional<std::pair<double, double>> ReferencePair(std::string line, bool& twoWays) {
    line = std::regex_replace(std::regex_replace(line, std::regex("\uFF15"), "5"), std::regex("\u3000"), " ");
    line = std::regex_replace(line, std::regex("^[ \t]+|[ \t]+$"), ""); // blanks around the line
    const bool semicolons = line.find(';') != std::string::npos;
    twoWays = std::regex_search(line, std::regex("[0-9]\xC2\xA0[0-9]")) ||
              (!semicolons && std::regex_search(line, std::regex("[0-9],[0-9]")) &&
               std::regex_search(line, std::regex("[^ \t,][ \t]+[^ \t,]")));
    if (twoWays || std::regex_search(line, std::regex(semicolons ? ";$" : ",$"))) // no empty last item
        return std::nullopt;
    std::vector<double> values;
    const std::regex separator(semicolons ? "[ \t]*;[ \t]*|[ \t]+" : "[ \t]*,[ \t]*|[ \t]+");
    for (std::sregex_token_iterator it(line.begin(), line.end(), separator, -1), end; it != end; ++it) {
        static const std::regex comma(","), number("[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?");
        const std::string item = std::regex_replace(it->str(), comma, semicolons ? "." : ",");
        if (!std::regex_match(item, number))
            return std::nullopt;
        errno = 0; // beyond the double range, or digits that would read as 0: refused
        values.push_back(std::strtod(item.c_str(), nullptr));
        if (errno == ERANGE && (values.back() == 0 || !std::isfinite(values.back())))
            return std::nullopt;
    }
    return values.size() == 2 ? std::optional(std::pair{values[0], values[1]}) : std::nullopt;
}

// Lines written from known numbers in every separator style, every other one then given stray
// characters: each is entered as exactly the reference's pair or refused when it has none.
TEST(ReadPastedPoints, RandomLinesReadAsTheReferenceSays) {
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t n) { return std::size_t(random() % n); };
    const std::vector<std::string> separators = {",", ", ", " ,", "   ", "\t", ";", " ; ", "\u3000"};
    const std::vector<std::string> stray = {",", ";", ".", " ", "\t", "e", "-", "+", "x", "\u00A0", "\uFF15"};
    int refused = 0;
    for (int n = 0; n < 600; ++n) {
        std::string xy[2], line;
        for (std::string& v : xy)
            v = (pick(3) == 0 ? "-" : "") + std::to_string(pick(20000)) +
                (pick(2) ? "." + std::to_string(pick(999)) : "");
        const std::string between = separators[pick(separators.size())];
        const bool semicolon = between.find(';') != std::string::npos, comma = semicolon || pick(4) == 0;
        for (std::string v : {xy[0], between, xy[1]})
            line += comma && v != between ? std::regex_replace(v, std::regex("[.]"), ",") : v;
        // Untouched, a line is its two numbers unless its decimal commas stand beside another separator.
        const bool commaAmiss = comma && !semicolon && (xy[0] + xy[1]).find('.') != std::string::npos;
        bool twoWays = false;
        EXPECT_EQ(ReferencePair(line, twoWays),
                  commaAmiss ? std::nullopt : std::optional(std::pair{std::stod(xy[0]), std::stod(xy[1])}))
            << line;
        for (std::size_t k = n % 2 ? 1 + pick(3) : 0; k > 0; --k)
            line.insert(pick(line.size() + 1), stray[pick(stray.size())]);
        const auto expected = ReferencePair(line, twoWays);
        const PastedPoints pasted = ReadPastedPoints(line, 10);
        refused += pasted.ok() ? 0 : 1;
        ASSERT_EQ(pasted.ok(), expected.has_value()) << "[" << line << "]";
        const PastedPoint at = pasted.ok() ? pasted.points.at(0) : PastedPoint{};
        EXPECT_TRUE(!expected || std::pair(at.x, at.y) == *expected) << line;
        const PointFileRead read = ReadPointText(line); // as a file, whose items could shift lines
        EXPECT_EQ(read.failure && read.failure->cause == Cause::AmbiguousLine, twoWays) << line;
    }
    EXPECT_TRUE(refused > 100 && refused < 500) << refused; // both sides are reached
}

TEST(ReadPointText, FailedReadKeepsTheXReadBeforeIt) {
    const PointFileRead read = ReadPointText("1,2\r\n3\r\n"); // its cause: one_value_on_the_last_line
    EXPECT_EQ(std::tuple(read.x[2], read.xMin, read.xMax), std::tuple(3.0, 1.0, 1.0));
}

TEST(ReadPointText, RangesCoverThePointsInFileOrder) {
    const PointFileRead read = ReadPointText("3,-1\r\n-2,5\r\n0.5,0\r\n");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(std::tuple(read.xMin, read.xMax, read.yMin, read.yMax), std::tuple(-2.0, 3.0, -1.0, 5.0));
}

TEST(ReadPointText, ListsLinesWithoutTheirEndsAsWritten) {
    const PointFileRead read = ReadPointText("  1.50 ,  2\r\n\r\nx");
    EXPECT_EQ(read.lines, (std::vector<std::string>{"  1.50 ,  2", "", "x"}));
}

TEST(StorePointFileRead, FailureStateAsLeftByTheRead) {
    Module1 state;
    state.XData.fill(9);
    state.YData.fill(9);
    state.XMin = -7;
    StorePointFileRead(state, ReadPointText("1x,2\r\n1,2\r\n"));
    EXPECT_EQ(state.PointCount, 2);
    EXPECT_EQ(state.XMin, -7); // no point read: the ranges stay
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(state.XData[i], 0.0);
    EXPECT_EQ(state.XData[0], 9.0); // element 0 is not a point

    StorePointFileRead(state, ReadPointText("4,5\r\n6\r\n"));
    EXPECT_EQ(std::tuple(state.XData[1], state.XData[2], state.XMin, state.XMax),
              std::tuple(4.0, 6.0, 4.0, 4.0));
}

using ReadPointFileTest = testing::TempFolderTest;

TEST_F(ReadPointFileTest, ReadsAFile) {
    const PointFileRead read = ReadPointFile(write("a.csv", "1,2\r\n3,4\r\n"));
    EXPECT_TRUE(read.ok() && read.pointCount == 2);
}

TEST_F(ReadPointFileTest, MissingFileOrFolderCannotBeOpened) {
    for (const std::string& path : {(m_dir / "gone.csv").string(), m_dir.string()}) {
        const PointFileRead read = ReadPointFile(path);
        ASSERT_TRUE(CauseOf(read) == FileMissing || CauseOf(read) == FileNotRegular) << path;
        EXPECT_EQ(std::tuple(read.failure->line, read.pointCount, read.lines.size()), std::tuple(0, 1, 0u))
            << path;
    }
}

TEST_F(ReadPointFileTest, HugeSparseLineFailsQuickly) {
    const std::string path = write("huge.csv", "1,2");
    std::filesystem::resize_file(path, 100u * 1024 * 1024); // 100 MB, one line, no line end
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CauseOf(ReadPointFile(path)), Cause::FileTooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(ReadPointFileTest, BinaryDataFails) {
    std::string bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0'); // every byte value once
    EXPECT_EQ(CauseOf(ReadPointFile(write("b.dat", bytes))), Cause::NotText);
    const TextListing listing = ListTextLines((m_dir / "b.dat").string());
    EXPECT_EQ(std::tuple(listing.ok, listing.lines.empty()), std::tuple(false, true));
}

TEST_F(ReadPointFileTest, TextLinesForDisplay) {
    constexpr std::size_t kCap = PointFileRead::kMaxFileBytes;
    const std::string longFile = Lines(150); // far more lines than a point file holds, well within the cap
    const std::string line99(99, '7');       // 100 bytes with its LF
    std::string overCap;
    while (overCap.size() < kCap + 500)
        overCap += line99 + "\n";
    // One line of 3-byte characters whose last one the cap splits.
    std::string oneLine = "xy";
    while (oneLine.size() < kCap + 10)
        oneLine += "\xE3\x81\x82";
    const struct {
        const char* name;
        std::string bytes;
        bool ok, cut;
        std::size_t count;
        std::string last;
    } cases[] = {
        {"short", "1   2\r\n3   4", true, false, 2, "3   4"},
        {"bom and lone CR", kUtf8Bom + "1,2\r3,4\n", true, false, 2, "3,4"},
        {"long", longFile, true, false, 150, "150,22500"},
        {"line of 5000 bytes", std::string(5000, '1') + "\n", true, false, 1, std::string(5000, '1')},
        {"over the cap", overCap, true, true, kCap / 100, line99},
        {"one line over the cap", oneLine, true, true, 1, oneLine.substr(0, kCap - (kCap - 2) % 3)},
        {"nul", std::string("1,2\0", 4), false, false, 0, ""},
    };
    for (const auto& c : cases) {
        const TextListing listing = ListTextLines(write("ex.dat", c.bytes));
        EXPECT_EQ(std::tuple(listing.ok, listing.cut), std::tuple(c.ok, c.cut)) << c.name;
        ASSERT_EQ(listing.lines.size(), c.count) << c.name;
        EXPECT_TRUE(c.count == 0 || listing.lines.back() == c.last) << c.name;
    }
    std::string joined; // the listed lines are the file's lines
    for (const std::string& line : ListTextLines(write("ex.dat", longFile)).lines)
        joined += line + "\r\n";
    EXPECT_EQ(joined, longFile);
    EXPECT_FALSE(ListTextLines((m_dir / "none.dat").string()).ok);
}

TEST(ExampleFiles, EveryExampleLoads) {
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(MIRENDO_EXAMPLES_DIR)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("ex_") || !(name.ends_with(".csv") || name.ends_with(".dat")))
            continue;
        ++seen;
        const PointFileRead read = ReadPointFile(entry.path().string());
        EXPECT_TRUE(read.ok()) << name << " failure "
                               << (read.failure ? static_cast<int>(read.failure->cause) : -1);
        EXPECT_TRUE(read.pointCount >= 2 && read.pointCount <= 10) << name;
    }
    EXPECT_GE(seen, 6);
}

// Oracle: the leading number by a regular expression, read by strtod; lost if it overflows or reads 0.
TEST(ReadTypedValue, AgreesWithTheOracleOnRandomTexts) {
    const std::regex number(R"(^[ \t]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::mt19937 random(20261208);
    const std::string alphabet = " +-.eE0123456789x", exponents[] = {"e308", "e309", "e-324", "E-400", "e"};
    int lost = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        for (int k = int(random() % 12); k > 0; --k)
            text.push_back(alphabet[random() % alphabet.size()]);
        text += random() % 2 ? exponents[random() % std::size(exponents)] : "";
        std::smatch m;
        const bool found = std::regex_search(text, m, number);
        const double value = found ? std::strtod(m[0].str().c_str(), nullptr) : 0;
        const bool gone =
            std::isinf(value) || (value == 0 && m[1].str().find_first_of("123456789") != std::string::npos);
        const TypedFault fault = !found ? TypedFault::NoNumber
                                 : gone ? TypedFault::BeyondDouble
                                        : TypedFault::None;
        const TypedValue typed = ReadTypedValue(text);
        ASSERT_EQ(typed.fault, fault) << '"' << text << '"';
        ASSERT_TRUE(std::isfinite(typed.value) && (fault != TypedFault::None || typed.value == value));
        lost += fault == TypedFault::BeyondDouble;
    }
    EXPECT_GT(lost, 100) << "numbers no double holds are among the random texts";
}

} // namespace
} // namespace mirendo
