#pragma once
// The loaded polynomial evaluated at many X at once, and the table as CSV and tab-separated text.
// Each X is read and refused exactly as a single typed X (EvaluateAtX). No Qt here.
#include "state/Module1.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mirendo {

// Y text of a row that cannot be computed, and the mark of an X outside the points' range.
inline constexpr std::string_view kBatchRefusedText = "計算できません";
inline constexpr std::string_view kExtrapolationMark = "外挿";

struct BatchRow {
    std::string x;             // the X as the user typed it
    std::string y;             // Evaluation::text, or kBatchRefusedText when !ok
    bool ok = false;           // false: the single evaluation would refuse this X
    bool extrapolated = false; // ok and X lies outside the points' X range
};

// The X values of a typed or pasted text: separated by line ends (CR LF, LF or CR), blanks
// (ASCII or the ideographic blank U+3000), commas or tabs; empty tokens are skipped. A
// spreadsheet column pastes as one value per line. The views point into `text`.
std::vector<std::string_view> SplitXValues(std::string_view text);

// One row per token, in order.
std::vector<BatchRow> EvaluateBatch(const Module1& state, std::span<const std::string_view> tokens);

// UTF-8 bytes, no byte-order mark: the header line "X,Y", then one "x,y" line per row, every
// line ended by CR LF. A refused row writes kBatchRefusedText as its Y; the extrapolation mark
// is left out so that the Y column stays numbers. A field holding a comma, quote, CR or LF is
// quoted with its quotes doubled; a field that is not a plain number and starts with = + - @ is
// preceded by ' so that a spreadsheet does not run it as a formula.
std::string FormatBatchCsv(std::span<const BatchRow> rows);

// The same fields for the clipboard: "X\tY", then one "x\ty" line per row, each ended by LF.
std::string FormatBatchTsv(std::span<const BatchRow> rows);

} // namespace mirendo
