#pragma once
// A number box's text as the value it stands for, told apart from the texts that stand for no
// value a calculation can use: no number at all, or a number no double holds ("1e400" would read
// as the largest double, "1e-400" as 0, both numbers nobody typed).
#include <string_view>

namespace mirendo {

enum class TypedFault {
    None,
    NoNumber,     // no leading number ("abc", "-", "e5"); an empty or blank text too
    BeyondDouble, // the leading number overflows a double, or its non-zero digits read as zero
};

struct TypedValue {
    double value = 0; // the leading number as LeadingNumber reads it (saturated, never infinite)
    TypedFault fault = TypedFault::None;
};

// The leading number of `text` after the full-width mapping, as the boxes read it ("12abc" is 12,
// "－２" is -2), with the fault that keeps it from being the value typed.
TypedValue ReadTypedValue(std::string_view text);

// Whether a typed point value can reach the single-precision engine on some axis: 0 and values
// whose request field carries them as they are (a linear axis), and every positive value, whose
// logarithm a logarithmic axis carries. A negative value beyond about -3.4E+38, or between about
// -1.2E-38 and 0, no axis can carry.
bool PointValueCarried(double value);

} // namespace mirendo
