// The recovery file of typed points: what is written reads back exactly; anything else is refused.
#include "input/TypedRecovery.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace mirendo {
namespace {

// The lines sealed with a valid checksum line, so that hostile lines reach the checks behind it.
std::string Sealed(const std::vector<std::string>& lines) {
    std::string body;
    for (const std::string& line : lines)
        body += line + "\r\n";
    char check[40];
    std::snprintf(check, sizeof check, "check %016llx\r\n", RecoveryChecksum(body));
    return body + check;
}

TEST(TypedRecovery, ReadsBackWhatItWroteAndRefusesEveryDamage) {
    const char* const hostile[] = {
        "mode 0",      "mode 7",      "mode 1 ",     "point nan 1",  "point 1e400 1",
        "point 1  2",  "point 1",     "point 1 2 3", "point 0x10 1", "point +1 2",
        "setting %zz", "setting %41", "setting a%0", "setting \x01", ""};
    std::mt19937_64 random(20261208);
    const auto pick = [&random](int from, int to) { return std::uniform_int_distribution(from, to)(random); };
    for (int n = 0; n < 800; ++n) {
        TypedWork work{{}, pick(1, 4), {}};
        for (std::string& text : work.settings) // runs of one byte: '%', control bytes, UTF-8 parts
            text.assign(std::size_t(pick(0, 3)), char(pick(0, 255)));
        while (work.points.size() < std::size_t(n % 10 + 1))
            if (const double x = std::bit_cast<double>(random()); std::isfinite(x))
                work.points.emplace_back(x, pick(-3, 3) * 0.5);
        std::string file = FormatTypedWork(work);
        ASSERT_EQ(ParseTypedWork(file), work) << n;
        std::vector<std::string> lines; // all but the checksum line
        for (std::size_t at = 0, end; (end = file.find("\r\n", at)) < file.size() - 2; at = end + 2)
            lines.push_back(file.substr(at, end - at));
        if (n % 4 == 0)
            file.resize(std::size_t(pick(0, int(file.size()) - 1)));
        else if (n % 4 == 1)
            file[std::size_t(pick(0, int(file.size()) - 1))] ^= char(pick(1, 255));
        else if (n % 4 == 2)
            lines[std::size_t(pick(0, int(lines.size()) - 1))] =
                hostile[pick(0, int(std::size(hostile)) - 1)];
        else
            lines.insert(lines.end(), 11 - work.points.size(), "point 1 2");
        EXPECT_EQ(ParseTypedWork(n % 4 < 2 ? file : Sealed(lines)), std::nullopt) << n << ": " << file;
    }
}

} // namespace
} // namespace mirendo
