#include "FixedFormat.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mirendo::exchange {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number in the forms the exchange files accept, split into its parts.
struct NumberParts {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
    bool hasPoint = false;
    long exponent = 0; // saturated far beyond any representable magnitude
};

// sign? digits* ('.' digits*)? (exponent letter sign? digits | sign digits)?, at least one
// mantissa digit, nothing else. `bareSignExponent` admits the "1.0+05" form of fixed fields.
std::optional<NumberParts> SplitNumber(std::string_view s, bool bareSignExponent) {
    NumberParts parts;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        parts.negative = s[i] == '-';
        ++i;
    }
    while (i < s.size() && IsDigit(s[i]))
        parts.intDigits.push_back(s[i++]);
    if (i < s.size() && s[i] == '.') {
        parts.hasPoint = true;
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            parts.fracDigits.push_back(s[i++]);
    }
    if (parts.intDigits.empty() && parts.fracDigits.empty())
        return std::nullopt;
    if (i == s.size())
        return parts;
    const char c = s[i];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        ++i;
    } else if (!(bareSignExponent && (c == '+' || c == '-'))) {
        return std::nullopt;
    }
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativeExponent = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    long exponent = 0;
    for (; i < s.size(); ++i) {
        if (!IsDigit(s[i]))
            return std::nullopt;
        if (exponent < 1000000)
            exponent = exponent * 10 + (s[i] - '0');
    }
    parts.exponent = negativeExponent ? -exponent : exponent;
    return parts;
}

// Text for strtod/strtof: mantissa digits with a point, then the exponent shifted by `scale`.
std::string CanonicalText(const NumberParts& parts, long scale) {
    std::string text = parts.negative ? "-" : "";
    text += parts.intDigits.empty() ? "0" : parts.intDigits;
    text.push_back('.');
    text += parts.fracDigits;
    text.push_back('e');
    text += std::to_string(parts.exponent - scale);
    return text;
}

} // namespace

std::string FormatIw(long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) > width)
        return std::string(static_cast<size_t>(width), '*');
    return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
}

std::string FormatEw(double value, int width, int digits) {
    std::string text;
    if (std::isnan(value)) {
        text = "NaN";
    } else if (std::isinf(value)) {
        text = value < 0 ? "-Infinity" : "Infinity";
    } else {
        text = std::signbit(value) ? "-0." : "0.";
        int exponent = 0;
        if (value == 0) {
            text.append(static_cast<size_t>(digits), '0');
        } else {
            // %.*e is correctly rounded from the exact binary value; d.ddd x 10^e becomes
            // 0.dddd x 10^(e+1). The carry of 9.9999995 -> "1.000000e+01" is already inside.
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(value));
            const char* p = buf;
            for (; *p != 'e'; ++p) {
                if (*p != '.')
                    text.push_back(*p);
            }
            exponent = std::atoi(p + 1) + 1;
        }
        char exp[16];
        const int magnitude = std::abs(exponent);
        if (magnitude <= 99)
            std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', magnitude);
        else // the letter gives way to a third exponent digit
            std::snprintf(exp, sizeof exp, "%c%03d", exponent < 0 ? '-' : '+', magnitude);
        text += exp;
    }
    if (static_cast<int>(text.size()) > width)
        return std::string(static_cast<size_t>(width), '*');
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text;
}

std::optional<float> ParseEwField(std::string_view field, int digits, std::string* error) {
    std::string compact;
    for (char c : field) {
        if (c != ' ')
            compact.push_back(c);
    }
    auto fail = [&](const std::string& what) -> std::optional<float> {
        if (error)
            *error = what;
        return std::nullopt;
    };
    if (compact.empty())
        return fail("blank field");
    const auto parts = SplitNumber(compact, true);
    if (!parts)
        return fail("malformed number \"" + compact + "\"");
    const std::string text = CanonicalText(*parts, parts->hasPoint ? 0 : digits);
    errno = 0;
    const float value = std::strtof(text.c_str(), nullptr);
    if (std::isinf(value))
        return fail("number \"" + compact + "\" beyond single precision");
    return value;
}

std::optional<int> ParseFreeInteger(std::string_view token) {
    size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    if (i == token.size())
        return std::nullopt;
    long long value = 0;
    for (; i < token.size(); ++i) {
        if (!IsDigit(token[i]))
            return std::nullopt;
        value = value * 10 + (token[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> ParseFreeReal(std::string_view token) {
    const auto parts = SplitNumber(token, false);
    if (!parts)
        return std::nullopt;
    const double value = std::strtod(CanonicalText(*parts, 0).c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<float> ParseFreeRealSingle(std::string_view token) {
    const auto parts = SplitNumber(token, false);
    if (!parts)
        return std::nullopt;
    const float value = std::strtof(CanonicalText(*parts, 0).c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace mirendo::exchange
