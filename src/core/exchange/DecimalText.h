#pragma once
// Decimal number text in the program's files: whole fields, read to double or float.
#include "core/text/DecimalScan.h"

#include <optional>
#include <string>
#include <string_view>

namespace mirendo::exchange {

using mirendo::DecimalParts;
using mirendo::ExponentForms;

// The whole text one number (ScanDecimalPrefix taking every character).
std::optional<DecimalParts> ScanDecimal(std::string_view text, ExponentForms forms);

// Text for strtod/strtof: the mantissa digits with a point, then the exponent less `scale`. The
// C library then rounds the exact decimal value once, to double or straight to float.
std::string CanonicalDecimal(const DecimalParts& parts, long scale);

// The whole text one plain decimal number (ExponentForms::Plain), as a double. A value beyond the
// double range is refused either way: an overflow, and non-zero digits that would read as zero.
std::optional<double> ParseDecimal(std::string_view text);

} // namespace mirendo::exchange
