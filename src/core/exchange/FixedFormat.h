#pragma once
// Fixed-width record notations of the exchange files (integer Iw, real Ew.d) and the
// free-form value reading both programs share.
#include "core/exchange/Failure.h"

#include <optional>
#include <string>
#include <string_view>

namespace mirendo::exchange {

// Iw: right-aligned in exactly `width` characters; a value that does not fit is `width` asterisks.
std::string FormatIw(long long value, int width);

// Ew.d with a zero ahead of the point: " 0.1250000E+02" for 12.5 in E14.7. The d digits are
// correctly rounded from the exact value of `value` (ties to even, as the C library rounds).
// Negative values (and negative zero) carry '-'. A field that cannot hold the value is asterisks.
std::string FormatEw(double value, int width, int digits);
// The same, appended to `out` (the result writer builds a whole file this way).
void AppendEw(std::string& out, double value, int width, int digits);

// Ew.d input: the field's blanks are ignored; any ordinary decimal or exponent form ("1.5",
// "-2.5E+03", "3.0D0", "1.0+05"). Without a decimal point the last `digits` digits are the
// fraction, as the notation defines. Converted straight to single precision. An empty field,
// a malformed number or a magnitude beyond single precision give nullopt, and in `refusal` (when
// given) NotANumber or OutOfRange with the field's text without blanks as `item` ("" for a blank
// field).
std::optional<float> ParseEwField(std::string_view field, int digits, Failure* refusal = nullptr);

// One free-form value: text up to the first blank, comma or line end, leading blanks skipped.
// Integers accept an optional sign and digits only and must fit 32 bits.
std::optional<int> ParseFreeInteger(std::string_view token);
// Reals: an optional sign, digits with an optional point, an optional exponent (E/e/D/d).
std::optional<double> ParseFreeReal(std::string_view token);
std::optional<float> ParseFreeRealSingle(std::string_view token);

} // namespace mirendo::exchange
