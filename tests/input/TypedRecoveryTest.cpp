// The recovery file of typed points: what is written reads back exactly; anything else is refused.
#include "input/TypedRecovery.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>

namespace mirendo {
namespace {

// The checksum line as the file describes it, computed here on its own, so that hostile contents
// can be given a valid seal and the reader's checks behind it are reached.
std::string Sealed(const std::string& body) {
    unsigned long long hash = 0xcbf29ce484222325ULL;
    for (const unsigned char c : body)
        hash = (hash ^ c) * 0x100000001b3ULL;
    char check[40];
    std::snprintf(check, sizeof check, "check %016llx\r\n", hash);
    return body + check;
}

std::string BodyOf(const std::string& file) {
    return file.substr(0, file.rfind("check "));
}

TEST(TypedRecovery, ReadsBackWhatItWroteAndRefusesEveryDamage) {
    // Lines that no written file holds, each put in place of a line of a valid file.
    const char* const hostile[] = {
        "mode 0",
        "mode 5",
        "mode 12",
        "mode 1 ",
        "point nan 1",
        "point 1 inf",
        "point 1e400 1",
        "point 1  2",
        "point 1",
        "point 1 2 3",
        "point 0x10 1",
        "point +1 2",
        "point 1,5 2",
        "setting %zz",
        "setting %41",
        "setting a%0",
        "setting \x01",
        "Mirendo typed points 2",
        "",
        "point 1 2\r",
        "settings x",
        "mode",
    };
    std::mt19937_64 random(20261208);
    const auto pick = [&random](int from, int to) { return std::uniform_int_distribution(from, to)(random); };
    for (int n = 0; n < 800; ++n) {
        TypedWork work;
        work.scaleMode = pick(1, 4);
        for (std::string& text : work.settings)
            for (int i = pick(0, 12); i > 0; --i)
                text += char(pick(0, 255));
        for (int i = pick(1, 10); i > 0; --i) {
            double value = 0;
            do {
                const unsigned long long bits = random();
                std::memcpy(&value, &bits, sizeof value);
            } while (!std::isfinite(value));
            work.points.emplace_back(value, pick(-3, 3) * 0.5);
        }
        const std::string file = FormatTypedWork(work);
        ASSERT_EQ(ParseTypedWork(file), work) << n;

        std::string damaged = file;
        std::optional<TypedWork> expected; // refused unless a row below says otherwise
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = file.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(file.substr(at, end - at));
        const std::size_t line = std::size_t(pick(0, int(lines.size()) - 2)); // not the check line
        switch (n % 5) {
        case 0: // cut anywhere
            damaged.resize(std::size_t(pick(0, int(file.size()) - 1)));
            break;
        case 1: // one byte changed, the seal kept
            damaged[std::size_t(pick(0, int(file.size()) - 1))] ^= char(pick(1, 255));
            break;
        case 2: // a hostile line in place of one, sealed again
            lines[line] = hostile[pick(0, int(std::size(hostile)) - 1)];
            [[fallthrough]];
        case 3: // a line before the points dropped, or eleven points, sealed again
            if (n % 5 == 3 && n % 2 == 0)
                lines.erase(lines.begin() + pick(0, 7));
            else if (n % 5 == 3)
                lines.insert(lines.end() - 1, 11 - work.points.size(), "point 1 2");
            damaged.clear();
            for (std::size_t i = 0; i + 1 < lines.size(); ++i)
                damaged += lines[i] + "\r\n";
            damaged = Sealed(damaged);
            break;
        case 4: { // the first point's X in another exact notation, sealed again: the same work
            char x[40];
            std::snprintf(x, sizeof x, "%.17e", work.points[0].first);
            const std::string body = BodyOf(file);
            const std::size_t at = body.find("\r\npoint ") + 8;
            damaged = Sealed(body.substr(0, at) + x + body.substr(body.find(' ', at)));
            expected = work;
        }
        }
        EXPECT_EQ(ParseTypedWork(damaged), expected) << n << ": " << damaged;
    }
}

} // namespace
} // namespace mirendo
