#pragma once
// The one scanner of decimal number text: the number boxes read the longest number a text starts
// with, the point files and the saved curves take a field only when it is one number as a whole,
// and the engine's request and result files add the exponent forms of their record notation.
// All three go through ScanDecimalPrefix, so "what is a number" is decided in one place.
#include <cstddef>
#include <optional>
#include <string_view>

namespace mirendo {

// Exponent forms a number may carry besides none. Point files, saved curves and the boxes are
// plain text for people, editors and spreadsheets, where only E or e marks an exponent and "1D5"
// or "1.0+05" is not a number a user means. The engine's fixed-width records differ on purpose:
// their notation also takes the letter D and, inside a fixed field, an exponent written as a bare
// sign and digits ("1.0+05"), because that is how such fields are written; those readers also
// drop blanks inside a field and scale a field without a point, which only a column-bound field
// can mean (exchange/FixedFormat).
enum class ExponentForms {
    Plain,       // E e
    Record,      // E e D d
    RecordField, // E e D d, or a bare sign
};

// sign? digits* ('.' digits*)? exponent?, at least one mantissa digit.
struct DecimalParts {
    bool negative = false;
    std::string_view intDigits; // views into the scanned text
    std::string_view fracDigits;
    bool hasPoint = false;
    long exponent = 0;      // saturated far beyond any representable magnitude
    std::size_t length = 0; // characters of the text the number takes
};

// The longest prefix of `text` that is a decimal number, or nothing when the text does not start
// with one (no mantissa digit). An exponent belongs to the number only when a digit follows its
// letter and sign: "1E" and "1e+" are the number 1 followed by other text.
std::optional<DecimalParts> ScanDecimalPrefix(std::string_view text, ExponentForms forms);

} // namespace mirendo
