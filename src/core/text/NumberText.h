#pragma once
// Number <-> text conversions used by every window. No Qt here.
#include <optional>
#include <string>
#include <string_view>

namespace mirendo {

// Value of the longest leading number in `text`: leading blanks, optional sign, digits with an
// optional point, optional exponent (E/e, optional sign, digits). Never fails: a text without
// such a prefix gives 0. "12abc" -> 12, "1e+03" -> 1000, "1E" -> 1, "e5" -> 0, "." -> 0.
double LeadingNumber(std::string_view text);

// Typed text with the number characters an input method writes in full width mapped to ASCII
// (UTF-8 in and out): the digits U+FF10..FF19, U+FF0B "+", U+FF0D and U+2212 "-", U+FF0E ".",
// U+FF25/FF45 "E"/"e", and the ideographic blank U+3000 as a blank. Everything else is kept.
std::string HalfWidthNumberText(std::string_view text);

// What a box holds: the leading number of the text after the full-width mapping, read as
// LeadingNumber reads it ("12abc" -> 12, "－２．５" -> -2.5), or nothing when the text has no
// leading number at all ("", "   ", "abc", "-", ".", "e5").
std::optional<double> TypedNumber(std::string_view text);

// A token that is one number as a whole (after the full-width mapping; blanks around it aside):
// "2.5", "-3", ".5", "5.", "1E+03", "４" are; "3e", "2.5.3", "-abc", "=1+2", "12abc", "X" are not.
std::optional<double> WholeNumber(std::string_view text);

// Rounding in every pattern below: the double is first taken to 15 significant digits (the value
// as a person wrote it, so 2.675 is 2.675 and not 2.67499999...), and that decimal is rounded half
// away from zero: 0.125 -> "1.3E-01", 2.675 with "##0.000" stays "2.675", 0.0005 -> "0.001".
// A result that rounds to zero carries no minus sign (-0.0004 -> "0.000"). Infinities and NaN are
// written "Infinity", "-Infinity" and "NaN" by every function here.

// "0.0E+00", "0.000E+00", "0.00000E+00", "0.000000E+00": one digit, point, `decimals` digits,
// 'E', exponent sign always, at least two exponent digits (three when needed).
// FormatExponential(12345, 1) == "1.2E+04", FormatExponential(0, 5) == "0.00000E+00".
std::string FormatExponential(double value, int decimals);

// "##0.000": at least one integer digit, exactly three decimals. 0.5 -> "0.500", -12.34567 -> "-12.346".
std::string FormatFixed3(double value);

// "###0.0##" and "####0.0##" (same output): at least one integer digit, one to three decimals,
// trailing zeros dropped down to one. 0 -> "0.0", 123.4567 -> "123.457", 0.0004 -> "0.0".
std::string FormatUpTo3Decimals(double value);

// "+00": sign always and two digits (3 -> "+03"). "00": two digits, '-' only when negative.
std::string FormatSigned2(int value);
std::string FormatPlain2(int value);

// General number-to-text form: the shortest text that reads back as the same double, with at
// most 15 significant digits; plain decimal for 1E-4 <= |v| < 1E15, else "1.5E+20" style.
// 12.5 -> "12.5", -3 -> "-3", 100 -> "100", 0 -> "0".
std::string GeneralText(double value);

// The general form of `value` rounded to `digits` significant digits (half away from zero, as in
// the patterns), trailing zeros dropped: with 9, 2.0 / 3 -> "0.666666667", 2.25 -> "2.25",
// 123456789012 -> "123456789000", 1.5E+20 -> "1.5E+20".
std::string SignificantText(double value, int digits);

// Readout rule: on a linear axis "##0.000" when -1000 <= v <= 1000, else "0.000E+00";
// on a logarithmic axis always "0.000E+00".
std::string ReadoutText(double value, bool logarithmicAxis);

// Axis-limit label of a linear axis: general form when -bound <= v <= bound, else "0.0E+00".
// The main window uses bound 1000, the saved-data browser 100.
std::string LimitLabelText(double value, double plainBound);

} // namespace mirendo
