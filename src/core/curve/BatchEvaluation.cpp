#include "core/curve/BatchEvaluation.h"

#include "core/curve/CrossingsAtY.h"
#include "core/curve/CurveSlope.h"
#include "core/curve/EvaluateAtX.h"
#include "core/curve/ModeSpace.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace mirendo {

namespace {

constexpr std::string_view kIdeographicBlank = "\u3000";

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\r' || c == '\n';
}

// A text that reads back whole as a number ("-5", "+2", "1.5E+03") is data, never a formula.
bool IsPlainNumber(std::string_view field) {
    if (!field.empty() && (field.front() == '+' || field.front() == '-'))
        field.remove_prefix(1);
    if (field.empty() || !(field.front() == '.' || (field.front() >= '0' && field.front() <= '9')))
        return false; // from_chars would also take "inf" and "nan"
    double value = 0;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    return ptr == end && (ec == std::errc() || ec == std::errc::result_out_of_range);
}

void AppendField(std::string& out, std::string_view field, char separator) {
    bool quoted = false;
    for (const char c : field)
        quoted = quoted || c == separator || c == '"' || c == '\r' || c == '\n';
    const bool formulaLike = !field.empty() &&
                             std::string_view("=+-@").find(field.front()) != std::string_view::npos &&
                             !IsPlainNumber(field);
    if (quoted)
        out += '"';
    if (formulaLike)
        out += '\'';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    if (quoted)
        out += '"';
}

// The table shows Y in the readout notation (0.0004 reads 0.000); the copies keep nine
// significant digits, so that small values keep theirs.
constexpr int kSavedDigits = 9;

std::string FormatTable(std::span<const BatchRow> rows, BatchDirection direction, char separator,
                        std::string_view lineEnd, std::string_view comparisonName,
                        std::string_view slopeName) {
    const bool inverse = direction == BatchDirection::YToX;
    if (inverse) {
        comparisonName = {};
        slopeName = {};
    }
    std::string out;
    out.reserve(24 + rows.size() * 32);
    out += inverse ? 'Y' : 'X';
    out += separator;
    out += inverse ? 'X' : 'Y';
    out += separator;
    if (!comparisonName.empty()) {
        AppendField(out, comparisonName, separator);
        out += separator;
    }
    if (!slopeName.empty()) {
        AppendField(out, slopeName, separator);
        out += separator;
    }
    out += kExtrapolationMark;
    out += lineEnd;
    for (const BatchRow& row : rows) {
        AppendField(out, row.x, separator);
        out += separator;
        AppendField(out, row.ok ? SignificantText(row.value, kSavedDigits) : row.y, separator);
        out += separator;
        if (!comparisonName.empty()) {
            const bool value = !row.notANumber && std::isfinite(row.comparisonValue);
            AppendField(out, value ? SignificantText(row.comparisonValue, kSavedDigits) : row.comparison,
                        separator);
            out += separator;
        }
        if (!slopeName.empty()) {
            const bool value = !row.notANumber && std::isfinite(row.slopeValue);
            AppendField(out, value ? SignificantText(row.slopeValue, kSavedDigits) : row.slope, separator);
            out += separator;
        }
        if (row.extrapolated)
            out += kExtrapolationMark;
        out += lineEnd;
    }
    return out;
}

} // namespace

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The width of the digit, ASCII or full-width (U+FF10..U+FF19, as an input method types it),
// that ends at `end` or starts at `start` of `text`; 0 where there is none.
std::size_t DigitBefore(std::string_view text, std::size_t end) {
    if (end >= 1 && std::isdigit(static_cast<unsigned char>(text[end - 1])))
        return 1;
    const bool wide = end >= 3 && text.substr(end - 3, 2) == "\xEF\xBC" && text[end - 1] >= '\x90' &&
                      text[end - 1] <= '\x99';
    return wide ? 3 : 0;
}
std::size_t DigitAfter(std::string_view text, std::size_t start) {
    if (start < text.size() && std::isdigit(static_cast<unsigned char>(text[start])))
        return 1;
    const bool wide = start + 2 < text.size() && text.substr(start, 2) == "\xEF\xBC" &&
                      text[start + 2] >= '\x90' && text[start + 2] <= '\x99';
    return wide ? 3 : 0;
}
bool IsPoint(std::string_view text, std::size_t at) {
    return text.substr(at, 1) == "." || text.substr(at, 3) == "\xEF\xBC\x8E";
}

// Whether the comma at `comma` could be a decimal comma: digits on both sides, and neither the
// digits before it the decimals of a number with a point ("2.5,3") nor the digits after it the
// whole part of one ("2,3.5"), where the comma can only separate.
bool MayBeDecimalComma(std::string_view line, std::size_t comma) {
    std::size_t left = comma, right = comma + 1;
    if (DigitBefore(line, left) == 0 || DigitAfter(line, right) == 0)
        return false;
    while (const std::size_t w = DigitBefore(line, left))
        left -= w;
    while (const std::size_t w = DigitAfter(line, right))
        right += w;
    const bool pointBefore =
        (left >= 1 && line[left - 1] == '.') || (left >= 3 && line.substr(left - 3, 3) == "\xEF\xBC\x8E");
    return !pointBefore && !IsPoint(line, right);
}

// A line that reads two ways: a comma that may be a decimal comma (or a thousands separator) on a
// line whose values are also separated by blanks ("1,5 2,5", "1,234 5"). It is taken whole as one
// value, which no number reads, so its row says it was not computed instead of computing others.
bool ReadsTwoWays(std::string_view line) {
    bool decimalComma = false;
    for (std::size_t i = line.find(','); i != std::string_view::npos; i = line.find(',', i + 1))
        decimalComma = decimalComma || MayBeDecimalComma(line, i);
    const std::size_t first = line.find_first_not_of(" \t"), last = line.find_last_not_of(" \t");
    if (!decimalComma || first == std::string_view::npos)
        return false;
    const std::string_view inner = line.substr(first, last - first + 1);
    return inner.find_first_of(" \t") != std::string_view::npos ||
           inner.find(kIdeographicBlank) != std::string_view::npos;
}

} // namespace

std::vector<std::string_view> SplitXValues(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    std::size_t i = 0;
    const auto flush = [&](std::size_t end) {
        if (end > start)
            tokens.push_back(text.substr(start, end - start));
    };
    while (i < text.size()) {
        if (i == 0 || IsLineEnd(text[i - 1])) {
            const std::size_t end = std::min(text.find_first_of("\r\n", i), text.size());
            if (const std::string_view line = text.substr(i, end - i); ReadsTwoWays(line)) {
                const std::size_t first = line.find_first_not_of(" \t");
                tokens.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
                i = start = end;
                continue;
            }
        }
        std::size_t width = 0;
        if (IsSeparator(text[i]))
            width = 1;
        else if (text.substr(i, kIdeographicBlank.size()) == kIdeographicBlank)
            width = kIdeographicBlank.size();
        if (width == 0) {
            ++i;
            continue;
        }
        flush(i);
        i += width;
        start = i;
    }
    flush(text.size());
    return tokens;
}

std::vector<BatchRow> EvaluateBatch(const Module1& state, std::span<const std::string_view> tokens) {
    std::vector<BatchRow> rows;
    rows.reserve(tokens.size());
    for (const std::string_view token : tokens) {
        BatchRow& row = rows.emplace_back();
        row.x = token;
        const std::optional<double> x = WholeNumber(token);
        if (!x) {
            row.notANumber = true;
            row.y = kBatchNotANumberText;
            continue;
        }
        Evaluation e = EvaluateAt(state, *x);
        row.ok = e.ok;
        row.extrapolated = e.extrapolated;
        row.value = e.y;
        row.y = e.ok ? std::move(e.text) : std::string(kBatchRefusedText);
    }
    return rows;
}

std::vector<BatchRow> EvaluateBatchInverse(const Module1& state, std::span<const std::string_view> tokens) {
    // The polynomial is sampled once for all the Y values.
    const CrossingFinder finder(state);
    std::vector<BatchRow> rows;
    rows.reserve(tokens.size());
    for (const std::string_view token : tokens) {
        const std::optional<double> y = WholeNumber(token);
        const CrossingSearch search = y ? finder.find(*y) : CrossingSearch{CrossingOutcome::NotANumber, {}};
        for (const Crossing& c : search.crossings) {
            BatchRow& row = rows.emplace_back();
            row.x = token;
            row.y = c.text;
            row.ok = true;
            row.extrapolated = c.extrapolated;
            row.value = c.x;
        }
        if (!search.crossings.empty())
            continue;
        BatchRow& row = rows.emplace_back();
        row.x = token;
        row.notANumber = search.outcome == CrossingOutcome::NotANumber;
        switch (search.outcome) {
        case CrossingOutcome::NotANumber:
            row.y = kBatchNotANumberText;
            break;
        case CrossingOutcome::NeedsPositiveY:
            row.y = kBatchNeedsPositiveText;
            break;
        case CrossingOutcome::Everywhere:
            row.y = kEverywhereText;
            break;
        case CrossingOutcome::NoRange:
            row.y = kBatchRefusedText;
            break;
        case CrossingOutcome::Found:
        case CrossingOutcome::None:
            row.y = kBatchNoCrossingText;
            break;
        }
    }
    return rows;
}

void AddComparison(std::span<BatchRow> rows, const ComparisonCurve& curve, int scaleMode) {
    for (BatchRow& row : rows) {
        const std::optional<double> x = row.notANumber ? std::nullopt : WholeNumber(row.x);
        row.comparisonValue = x ? ComparisonValueAt(curve, scaleMode, *x) : std::nan("");
        if (std::isfinite(row.comparisonValue))
            row.comparison = ReadoutText(row.comparisonValue, false);
        else
            row.comparison = x ? std::string(kBatchRefusedText) : std::string();
    }
}

void AddSlope(std::span<BatchRow> rows, const Module1& state) {
    const ModePolynomial polynomial = PolynomialOfPoints(state);
    const AxisKind axis = AxesOfScaleMode(state.ScaleMode).x;
    for (BatchRow& row : rows) {
        const std::optional<double> x = row.notANumber ? std::nullopt : WholeNumber(row.x);
        const std::optional<double> t = x ? ToModeSpace(axis, *x) : std::nullopt;
        row.slopeValue = t ? polynomial.slope(*t) : std::nan("");
        if (std::isfinite(row.slopeValue))
            row.slope = ReadoutText(row.slopeValue, false);
        else
            row.slope = x ? std::string(kBatchRefusedText) : std::string();
    }
}

std::string FormatBatchCsv(std::span<const BatchRow> rows, BatchDirection direction,
                           std::string_view comparisonName, std::string_view slopeName) {
    return FormatTable(rows, direction, ',', "\r\n", comparisonName, slopeName);
}

std::string FormatBatchTsv(std::span<const BatchRow> rows, BatchDirection direction,
                           std::string_view comparisonName, std::string_view slopeName) {
    return FormatTable(rows, direction, '\t', "\n", comparisonName, slopeName);
}

} // namespace mirendo
