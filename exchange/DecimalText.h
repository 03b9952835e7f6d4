#pragma once
// The one scanner of decimal number text in the program's files.
#include <optional>
#include <string>
#include <string_view>

namespace mirendo::exchange {

// Exponent forms a number may carry besides none. The engine's request and result files follow
// the fixed-width record notation, whose input also takes the letter D and, inside a fixed
// field, an exponent written as a bare sign and digits ("1.0+05"). Point and saved-data files are
// plain text for editors and spreadsheets, where only E or e marks an exponent and "1D5" or
// "1.0+05" is not a number a user means.
enum class ExponentForms {
    Plain,       // E e
    Record,      // E e D d
    RecordField, // E e D d, or a bare sign
};

// sign? digits* ('.' digits*)? exponent?, at least one mantissa digit, nothing else.
struct DecimalParts {
    bool negative = false;
    std::string_view intDigits; // views into the scanned text
    std::string_view fracDigits;
    bool hasPoint = false;
    long exponent = 0; // saturated far beyond any representable magnitude
};
std::optional<DecimalParts> ScanDecimal(std::string_view text, ExponentForms forms);

// Text for strtod/strtof: the mantissa digits with a point, then the exponent less `scale`. The
// C library then rounds the exact decimal value once, to double or straight to float.
std::string CanonicalDecimal(const DecimalParts& parts, long scale);

// The whole text one plain decimal number (ExponentForms::Plain), as a double. A value beyond the
// double range is refused either way: an overflow, and non-zero digits that would read as zero.
std::optional<double> ParseDecimal(std::string_view text);

} // namespace mirendo::exchange
