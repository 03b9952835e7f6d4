#pragma once
// The loaded polynomial evaluated at many X at once, and the table as CSV and tab-separated text.
// A token is an X only when it is one number as a whole; each X is then evaluated and refused as
// the single evaluation does (EvaluateAt). No Qt here.
#include "core/curve/ComparisonCurve.h"
#include "core/state/Module1.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mirendo {

// Y texts of the rows that have no value, and the mark of an X outside the points' range.
inline constexpr std::string_view kBatchRefusedText = "計算できません";
inline constexpr std::string_view kBatchNotANumberText = "数値ではありません";
inline constexpr std::string_view kExtrapolationMark = "外挿";
// Y → X: the row of a Y the curve does not take inside the graph's X range, and of a Y that a
// logarithmic Y axis cannot take.
inline constexpr std::string_view kBatchNoCrossingText = "該当なし";
inline constexpr std::string_view kBatchNeedsPositiveText = "正の Y が必要です";

// Which way a batch runs: each X to its Y, or each Y to every X where the curve takes it.
enum class BatchDirection { XToY, YToX };

// In Y → X the roles swap: `x` holds the Y as typed, `y` and `value` an X found for it.
struct BatchRow {
    std::string x;             // the X as the user typed it
    std::string y;             // Evaluation::text, kBatchRefusedText or kBatchNotANumberText
    bool ok = false;           // false: the row has no value
    bool extrapolated = false; // ok and X lies outside the points' X range
    bool notANumber = false;   // refused before any evaluation: the token is no number
    double value = 0;          // Y in data units when ok
    // With a comparison curve: its Y in the table's notation (kBatchRefusedText where it has
    // none, empty on a row that is no number) and in data units (NaN where it has none).
    std::string comparison{};
    double comparisonValue = 0;
    // With the slope column: the polynomial's slope at X in the mode's space (CurveSlope) in the
    // readout's notation (kBatchRefusedText where it has none, empty on a row that is no number),
    // and its value (NaN where it has none).
    std::string slope{};
    double slopeValue = 0;
};

// The X values of a typed or pasted text: separated by line ends (CR LF, LF or CR), blanks
// (ASCII or the ideographic blank U+3000), commas or tabs; empty tokens are skipped. A
// spreadsheet column pastes as one value per line. The views point into `text`.
std::vector<std::string_view> SplitXValues(std::string_view text);

// One row per token, in order. A token is an X only when the whole of it is one number
// (WholeNumber: "2.5", "-3", "1E+03", "４"); "12abc", "3e", "2.5.3", "=1+2" are refused as
// notANumber.
std::vector<BatchRow> EvaluateBatch(const Module1& state, std::span<const std::string_view> tokens);

// Y → X: one row per X where the curve takes the Y inside the graph's X range (CrossingFinder),
// ascending, each with the Y as typed; a Y without any gives one row kBatchNoCrossingText, a
// non-positive Y on a logarithmic Y axis kBatchNeedsPositiveText, a token that is no number
// kBatchNotANumberText, and an unusable X range kBatchRefusedText.
std::vector<BatchRow> EvaluateBatchInverse(const Module1& state, std::span<const std::string_view> tokens);

// The comparison curve's Y (in the space of `scaleMode`, as the loaded points) on every row that
// is a number.
void AddComparison(std::span<BatchRow> rows, const ComparisonCurve& curve, int scaleMode);

// The slope at X of the loaded points' polynomial on every row that is a number.
void AddSlope(std::span<BatchRow> rows, const Module1& state);

// The mark a saved table file starts with, so that spreadsheets read it as UTF-8.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 bytes, no byte-order mark: the header line "X,Y,外挿", then one "x,y,mark" line per row,
// every line ended by CR LF. Y is the value to nine significant digits (SignificantText), or the
// refusal text of a row without one; the mark is "外挿" on an extrapolated row, else empty. A
// field holding a comma, quote, CR or LF is quoted with its quotes doubled; a field that is not a
// plain number and starts with = + - @ is preceded by ' so that a spreadsheet does not run it as
// a formula. In Y → X the header is "Y,X,外挿". With a `comparisonName` (the method's name, X → Y
// only) a column of that name follows Y: "X,Y,単調3次,外挿", its values as Y's. With a `slopeName`
// (SlopeName of the mode, X → Y only) the slope column follows: "X,Y,dlnY/dlnX,外挿".
std::string FormatBatchCsv(std::span<const BatchRow> rows, BatchDirection direction = BatchDirection::XToY,
                           std::string_view comparisonName = {}, std::string_view slopeName = {});

// The same fields for the clipboard: "X\tY\t外挿", then one line per row, each ended by LF.
std::string FormatBatchTsv(std::span<const BatchRow> rows, BatchDirection direction = BatchDirection::XToY,
                           std::string_view comparisonName = {}, std::string_view slopeName = {});

} // namespace mirendo
