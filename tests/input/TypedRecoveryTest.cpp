// The recovery file of typed points: what is written reads back exactly; anything else is refused.
#include "core/input/TypedRecovery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <random>

namespace mirendo {
namespace {

TEST(TypedRecovery, ReadsBackWhatItWroteAndRefusesEveryDamage) {
    const char* const hostile[] = {
        "mode 0",      "mode 7",      "mode 1 ",     "point nan 1",  "point 1e400 1",
        "point 1  2",  "point 1",     "point 1 2 3", "point 0x10 1", "point +1 2",
        "setting %zz", "setting %41", "setting a%0", "setting \x01", ""};
    std::mt19937_64 random(20261208);
    const auto pick = [&random](std::size_t below) { return std::size_t(random() % below); };
    for (int n = 0; n < 800; ++n) {
        TypedWork work{{}, int(pick(4)) + 1, {}};
        for (std::string& text : work.settings) // runs of one byte: '%', control bytes, UTF-8 parts
            text.assign(pick(4), char(pick(256)));
        while (work.points.size() < std::size_t(n % 10 + 1))
            if (const double x = std::bit_cast<double>(random()); std::isfinite(x))
                work.points.emplace_back(x, (int(pick(7)) - 3) * 0.5);
        std::string file = FormatTypedWork(work);
        ASSERT_EQ(ParseTypedWork(file), work) << n;
        // Cut anywhere, a byte changed, or under a valid checksum one line hostile or eleven points.
        std::string body = file.substr(0, file.rfind("check "));
        std::size_t line = 0; // the start of a line picked at random
        for (std::size_t k = pick(std::size_t(std::count(body.begin(), body.end(), '\n'))); k > 0; --k)
            line = body.find('\n', line) + 1;
        if (n % 4 == 2)
            body.replace(line, body.find("\r\n", line) - line, hostile[pick(std::size(hostile))]);
        for (std::size_t i = work.points.size(); n % 4 == 3 && i < 11; ++i)
            body += "point 1 2\r\n";
        char check[40];
        std::snprintf(check, sizeof check, "check %016llx\r\n", RecoveryChecksum(body));
        if (n % 4 == 0)
            file.resize(pick(file.size()));
        else if (n % 4 == 1)
            file[pick(file.size())] ^= char(pick(255) + 1);
        else
            file = body + check;
        EXPECT_EQ(ParseTypedWork(file), std::nullopt) << n << ": " << file;
    }
}

} // namespace
} // namespace mirendo
