#include "core/exchange/FixedFormat.h"

#include "core/exchange/DecimalText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mirendo::exchange {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string FormatIw(long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) > width)
        return std::string(static_cast<size_t>(width), '*');
    return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
}

void AppendEw(std::string& out, double value, int width, int digits) {
    // Longest field text: sign, "0.", the digits (at most 40 here), exponent of up to 4 characters.
    char text[64];
    size_t len = 0;
    auto put = [&](const char* s) {
        while (*s)
            text[len++] = *s++;
    };
    digits = std::clamp(digits, 1, 40);
    if (std::isnan(value)) {
        put("NaN");
    } else if (std::isinf(value)) {
        put(value < 0 ? "-Infinity" : "Infinity");
    } else {
        put(std::signbit(value) ? "-0." : "0.");
        int exponent = 0;
        if (value == 0) {
            for (int k = 0; k < digits; ++k)
                text[len++] = '0';
        } else {
            // to_chars with a precision is correctly rounded from the exact binary value (ties to
            // even), as printf's %.*e, and much faster. d.ddd x 10^e becomes 0.dddd x 10^(e+1);
            // a carry such as 9.99999951 -> "1.000000e+01" is already inside.
            char buf[64];
            const char* end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                            std::chars_format::scientific, digits - 1)
                                  .ptr;
            const char* p = buf;
            for (; *p != 'e'; ++p) {
                if (*p != '.')
                    text[len++] = *p;
            }
            int printed = 0; // after "e+" or "e-"
            std::from_chars(p + 2, end, printed);
            exponent = (p[1] == '-' ? -printed : printed) + 1;
        }
        const int magnitude = std::abs(exponent);
        if (magnitude <= 99) {
            text[len++] = 'E';
        } else if (magnitude <= 999) {
            // The letter gives way to a third exponent digit.
        } else {
            len = static_cast<size_t>(width) + 1; // cannot be written: asterisks below
        }
        if (magnitude <= 999) {
            text[len++] = exponent < 0 ? '-' : '+';
            if (magnitude > 99)
                text[len++] = static_cast<char>('0' + magnitude / 100);
            text[len++] = static_cast<char>('0' + magnitude / 10 % 10);
            text[len++] = static_cast<char>('0' + magnitude % 10);
        }
    }
    if (len > static_cast<size_t>(width)) {
        out.append(static_cast<size_t>(width), '*');
        return;
    }
    out.append(static_cast<size_t>(width) - len, ' ');
    out.append(text, len);
}

std::string FormatEw(double value, int width, int digits) {
    std::string text;
    AppendEw(text, value, width, digits);
    return text;
}

std::optional<float> ParseEwField(std::string_view field, int digits, Failure* refusal) {
    std::string compact;
    for (char c : field) {
        if (c != ' ')
            compact.push_back(c);
    }
    auto fail = [&](Cause cause) -> std::optional<float> {
        if (refusal) {
            *refusal = Failure::Of(cause);
            refusal->item = compact;
        }
        return std::nullopt;
    };
    if (compact.empty())
        return fail(Cause::NotANumber);
    const auto parts = ScanDecimal(compact, ExponentForms::RecordField);
    if (!parts)
        return fail(Cause::NotANumber);
    const std::string text = CanonicalDecimal(*parts, parts->hasPoint ? 0 : digits);
    errno = 0;
    const float value = std::strtof(text.c_str(), nullptr);
    if (std::isinf(value))
        return fail(Cause::OutOfRange);
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
    const auto parts = ScanDecimal(token, ExponentForms::Record);
    if (!parts)
        return std::nullopt;
    const double value = std::strtod(CanonicalDecimal(*parts, 0).c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<float> ParseFreeRealSingle(std::string_view token) {
    const auto parts = ScanDecimal(token, ExponentForms::Record);
    if (!parts)
        return std::nullopt;
    const float value = std::strtof(CanonicalDecimal(*parts, 0).c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace mirendo::exchange
