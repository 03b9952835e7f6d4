// Typed numbers: LeadingNumber against an independent scan of the leading number, and the number
// patterns fed with every value it yields (they must read back close to the value).
#include "FuzzCheck.h"
#include "core/text/NumberText.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The prefix a user means: blanks, sign, digits with a point, an exponent only with digits.
std::string ReferencePrefix(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    const size_t start = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return "";
    size_t end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && t[j] >= '0' && t[j] <= '9') {
            while (j < t.size() && t[j] >= '0' && t[j] <= '9')
                ++j;
            end = j;
        }
    }
    return std::string(t.substr(start, end - start));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using mirendo::fuzz::Near;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = mirendo::LeadingNumber(text);

    // Never an error, never a non-finite value: every caller uses the result as it comes.
    FUZZ_CHECK(std::isfinite(value));
    const std::string prefix = ReferencePrefix(text);
    double expected = prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
    if (std::isinf(expected))
        expected = std::copysign(DBL_MAX, expected);
    FUZZ_CHECK(value == expected);
    FUZZ_CHECK(!std::signbit(value) || value != 0); // "-0" is plain zero

    // Whatever the user typed is shown again through these patterns; each reads back as the value.
    FUZZ_CHECK(Near(mirendo::LeadingNumber(mirendo::FormatExponential(value, 5)), value, 5.1e-6, 0));
    FUZZ_CHECK(Near(mirendo::LeadingNumber(mirendo::FormatExponential(value, 1)), value, 5.1e-2, 0));
    FUZZ_CHECK(Near(mirendo::LeadingNumber(mirendo::GeneralText(value)), value, 1e-14, 0));
    if (std::fabs(value) <= 1e6) {
        FUZZ_CHECK(Near(mirendo::LeadingNumber(mirendo::FormatFixed3(value)), value, 1e-12, 5.0001e-4));
        FUZZ_CHECK(
            Near(mirendo::LeadingNumber(mirendo::FormatUpTo3Decimals(value)), value, 1e-12, 5.0001e-4));
    }
    for (bool logarithmic : {false, true}) {
        const std::string readout = mirendo::ReadoutText(value, logarithmic);
        FUZZ_CHECK(readout.find("nan") == std::string::npos && readout.find("inf") == std::string::npos);
        FUZZ_CHECK(Near(mirendo::LeadingNumber(readout), value, 5.1e-4, 5.0001e-4));
    }
    return 0;
}
