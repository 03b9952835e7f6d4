#include "core/text/NumberText.h"

#include "core/text/DecimalScan.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace mirendo {

namespace {

// A finite value as decimal digits: |value| = d0.d1d2... x 10^exponent. Zero is digits "0",
// exponent 0.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

bool IsZero(const Decimal& d) {
    return d.digits.find_first_not_of('0') == std::string::npos;
}

// Decimal expansion of `sig` significant digits, correctly rounded from the double
// (%.*e rounds the exact binary value).
Decimal ToDecimal(double value, int sig) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) {
        d.digits = "0";
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", sig - 1, std::fabs(value));
    // buf is "d.ddddde[+-]xx" (or "de[+-]xx" when sig == 1).
    const char* p = buf;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            d.digits.push_back(*p);
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on those decimal digits.
// `keep` may be zero or negative (the rounding position lies left of the first digit).
void RoundToDigits(Decimal& d, int keep) {
    if (IsZero(d))
        return;
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits = "0";
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (d.digits[static_cast<size_t>(i)] == '9') {
                d.digits[static_cast<size_t>(i)] = '0';
            } else {
                ++d.digits[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0) { // carried out of the leading digit: 9.99 -> 10.0
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty()) {
        d.digits = "0";
        d.exponent = 0;
    }
}

// Patterns work on the value as a person reads it: the double is first taken to 15 significant
// digits (so 2.675 is 2.675, not 2.67499999999999982236431605997495353221893310546875), and that
// decimal is then rounded half away from zero.
constexpr int kPatternDigits = 15;

std::string NonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

std::string ExponentText(int exponent, bool alwaysSign) {
    char buf[16];
    if (alwaysSign)
        std::snprintf(buf, sizeof buf, "%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    else
        std::snprintf(buf, sizeof buf, "%s%02d", exponent < 0 ? "-" : "", std::abs(exponent));
    return buf;
}

// Plain decimal text of `d`, with between minDecimals and maxDecimals digits after the point
// (`d` must already be rounded to maxDecimals places).
std::string PlainText(const Decimal& d, int minDecimals, int maxDecimals) {
    std::string intPart;
    std::string fraction;
    if (IsZero(d)) {
        intPart = "0";
    } else {
        const int digitCount = static_cast<int>(d.digits.size());
        const int intDigits = d.exponent + 1; // may be <= 0
        for (int i = 0; i < intDigits; ++i)
            intPart.push_back(i < digitCount ? d.digits[static_cast<size_t>(i)] : '0');
        if (intPart.empty())
            intPart = "0";
        for (int k = 0; k < maxDecimals; ++k) {
            const int i = intDigits + k;
            fraction.push_back(i >= 0 && i < digitCount ? d.digits[static_cast<size_t>(i)] : '0');
        }
    }
    fraction.resize(static_cast<size_t>(maxDecimals), '0');
    while (static_cast<int>(fraction.size()) > minDecimals && fraction.back() == '0')
        fraction.pop_back();
    std::string text = (d.negative && !IsZero(d)) ? "-" : "";
    text += intPart;
    if (!fraction.empty()) {
        text.push_back('.');
        text += fraction;
    }
    return text;
}

// `d` (not zero) without its trailing zeros, plain for 1E-4 <= |v| < 1E15, else "1.5E+20" style.
std::string GeneralForm(Decimal d) {
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    // The switch between plain and exponent notation looks at the rounded digits, so
    // 999999999999999.9 (15 digits: 1E+15) is written in exponent form.
    if (d.exponent >= -4 && d.exponent < 15) {
        const int decimals = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exponent);
        return PlainText(d, 0, decimals);
    }
    std::string text = d.negative ? "-" : "";
    text.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
        text.push_back('.');
        text.append(d.digits, 1, std::string::npos);
    }
    text.push_back('E');
    text += ExponentText(d.exponent, true);
    return text;
}

std::string FormatFixed(double value, int minDecimals, int maxDecimals) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    Decimal d = ToDecimal(value, kPatternDigits);
    RoundToDigits(d, d.exponent + 1 + maxDecimals);
    return PlainText(d, minDecimals, maxDecimals);
}

// Where the leading number of a text lies: leading blanks, then the longest plain decimal number
// (at least one digit in all; an exponent only with its digits). start == end: no number.
struct NumberSpan {
    std::size_t start = 0, end = 0;
};

NumberSpan ScanLeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    const auto number = ScanDecimalPrefix(text.substr(start), ExponentForms::Plain);
    return {start, start + (number ? number->length : 0)};
}

// Value of the number `span` marks in `text`; 0 when it marks none.
double ValueOf(std::string_view text, NumberSpan span) {
    if (span.end == span.start)
        return 0;
    const std::string number(text.substr(span.start, span.end - span.start));
    double value = std::strtod(number.c_str(), nullptr);
    // Never an error: a magnitude beyond the double range becomes the largest finite double,
    // so callers never meet an infinity from typed text.
    if (std::isinf(value))
        value = std::copysign(DBL_MAX, value);
    if (value == 0)
        value = 0; // "-0" reads as plain zero
    return value;
}

} // namespace

double LeadingNumber(std::string_view text) {
    return ValueOf(text, ScanLeadingNumber(text));
}

std::string HalfWidthNumberText(std::string_view text) {
    // UTF-8 of the full-width characters and the ASCII each stands for.
    static constexpr std::pair<std::string_view, char> kMapped[] = {
        {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'}, {"\uFF0E", '.'},
        {"\uFF25", 'E'}, {"\uFF45", 'e'}, {"\u3000", ' '},
    };
    static constexpr std::string_view kFullWidthZero = "\uFF10"; // U+FF10..FF19 differ in the last byte
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (rest.size() >= 3 && rest.substr(0, 2) == kFullWidthZero.substr(0, 2)) {
            const int digit =
                static_cast<unsigned char>(rest[2]) - static_cast<unsigned char>(kFullWidthZero[2]);
            if (digit >= 0 && digit <= 9) {
                out.push_back(static_cast<char>('0' + digit));
                i += 3;
                continue;
            }
        }
        bool mapped = false;
        for (const auto& [wide, ascii] : kMapped) {
            if (rest.substr(0, wide.size()) == wide) {
                out.push_back(ascii);
                i += wide.size();
                mapped = true;
                break;
            }
        }
        if (!mapped)
            out.push_back(text[i++]);
    }
    return out;
}

std::optional<double> TypedNumber(std::string_view text) {
    const std::string ascii = HalfWidthNumberText(text);
    const NumberSpan span = ScanLeadingNumber(ascii);
    if (span.end == span.start)
        return std::nullopt;
    return ValueOf(ascii, span);
}

std::optional<double> WholeNumber(std::string_view text) {
    const std::string ascii = HalfWidthNumberText(text);
    const NumberSpan span = ScanLeadingNumber(ascii);
    if (span.end == span.start || ascii.find_first_not_of(" \t", span.end) != std::string::npos)
        return std::nullopt;
    return ValueOf(ascii, span);
}

std::string FormatExponential(double value, int decimals) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (decimals < 0)
        decimals = 0;
    Decimal d = ToDecimal(value, kPatternDigits);
    RoundToDigits(d, decimals + 1);
    std::string text;
    if (IsZero(d)) {
        text = "0";
        d.exponent = 0;
    } else {
        if (d.negative)
            text = "-";
        text.push_back(d.digits[0]);
    }
    if (decimals > 0) {
        text.push_back('.');
        for (int k = 1; k <= decimals; ++k)
            text.push_back(k < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(k)] : '0');
    }
    text.push_back('E');
    text += ExponentText(d.exponent, true);
    return text;
}

std::string FormatFixed3(double value) {
    return FormatFixed(value, 3, 3);
}

std::string FormatUpTo3Decimals(double value) {
    return FormatFixed(value, 1, 3);
}

std::string FormatSigned2(int value) {
    return ExponentText(value, true);
}

std::string FormatPlain2(int value) {
    return ExponentText(value, false);
}

std::string GeneralText(double value) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return "0";
    // Shortest digits that read back as the same double, at most 15 of them.
    Decimal d;
    for (int sig = 1; sig <= kPatternDigits; ++sig) {
        d = ToDecimal(value, sig);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*e", sig - 1, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    return GeneralForm(d);
}

std::string SignificantText(double value, int digits) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    Decimal d = ToDecimal(value, kPatternDigits);
    RoundToDigits(d, std::clamp(digits, 1, kPatternDigits));
    if (IsZero(d))
        return "0";
    return GeneralForm(d);
}

std::string ReadoutText(double value, bool logarithmicAxis) {
    if (!logarithmicAxis && value >= -1000 && value <= 1000)
        return FormatFixed3(value);
    return FormatExponential(value, 3);
}

std::string LimitLabelText(double value, double plainBound) {
    if (value >= -plainBound && value <= plainBound)
        return GeneralText(value);
    return FormatExponential(value, 1);
}

} // namespace mirendo
