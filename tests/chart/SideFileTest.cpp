// The side file: random documents come back whole, and random damage to their text never crashes
// the parse, which takes exactly what an independent line-by-line check takes.
#include "core/chart/ChartFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>
#include <set>

namespace mirendo::chart {
namespace {

// The side file's grammar written out again: whether `text` is one to take.
bool Acceptable(std::string text) {
    if (text.size() > kMaxSideFileBytes)
        return false;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    const std::string number = R"((-?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?))";
    const std::regex scale("scale,(linear|log),(linear|log)");
    const std::regex point("point," + number + "," + number);
    const std::regex reference("(X1|X2|Y1|Y2),(?:" + number + "," + number + "|,)," + number + "?");
    auto finite = [](const std::string& s, double bound) {
        return s.empty() || std::abs(std::strtod(s.c_str(), nullptr)) <= bound;
    };
    std::set<std::string> seen;
    int points = 0, line = 0;
    std::smatch m;
    for (std::size_t at = 0; at < text.size() || line == 0;) {
        std::size_t end = text.find_first_of("\r\n", at);
        const std::string l = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (++line == 1) {
            if (l != "Mirendo chart 1")
                return false;
        } else if (std::regex_match(l, m, scale) || std::regex_match(l, m, reference)) {
            if (!seen.insert(l.substr(0, 2)).second || !finite(m.str(2), kMaxSidePixel) ||
                !finite(m.str(3), kMaxSidePixel) || !finite(m.size() > 4 ? m.str(4) : "", 1e308))
                return false;
        } else if (std::regex_match(l, m, point)) {
            if (!finite(m.str(1), kMaxSidePixel) || !finite(m.str(2), kMaxSidePixel) || ++points > 10)
                return false;
        } else if (!l.empty()) {
            return false;
        }
        if (end == std::string::npos)
            break;
    }
    return true;
}

TEST(ChartSideFile, RandomDocumentsComeBackAndDamageIsRefusedOrTakenAsWritten) {
    std::mt19937 rng(8122026);
    std::uniform_real_distribution<double> u(0, 1);
    auto value = [&] { return (u(rng) < 0.5 ? -1 : 1) * std::pow(10.0, -300 + 600 * u(rng)); };
    auto pixel = [&] { return PixelPoint{-1e6 + 2e6 * u(rng), std::round(8000 * u(rng)) / 10}; };
    const std::string pieces[] = {
        ",",  "\r",        "\n",  "\r\n", "nan", "inf", "1e999",    "-",
        "+1", "point,1,2", "X1,", "Y2",   "log", "1.",  "\xEF\xBB", std::string(1, '\0')};
    for (int round = 0; round < 600; ++round) {
        SCOPED_TRACE(round);
        ChartDocument d;
        d.setScale(ChartAxis::X, u(rng) < 0.5 ? AxisScale::Log : AxisScale::Linear);
        d.setScale(ChartAxis::Y, u(rng) < 0.5 ? AxisScale::Log : AxisScale::Linear);
        for (Reference r : kReferences) {
            if (u(rng) < 0.8)
                d.placeReference(r, pixel());
            if (u(rng) < 0.8)
                d.setReferenceValue(r, value());
        }
        for (int i = std::uniform_int_distribution<int>(0, 10)(rng); i > 0; --i)
            d.placePoint(pixel());
        std::string text = SerializeChart(d);
        const SideFileRead back = ParseChart(text);
        ASSERT_EQ(back.document ? SerializeChart(*back.document) : "", text); // numbers read back exactly
        EXPECT_FALSE(back.document->canUndo());

        for (int damage = std::uniform_int_distribution<int>(1, 3)(rng); damage > 0; --damage) {
            const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size())(rng);
            const unsigned kind = rng() % 4; // insert a piece, cut, change a byte, repeat a stretch
            if (kind == 0 || kind == 3)
                text.insert(at, kind == 0 ? pieces[rng() % std::size(pieces)] : text.substr(at, rng() % 40));
            else if (kind == 1 || at == text.size())
                text.resize(at);
            else
                text[at] = static_cast<char>(rng());
        }
        const SideFileRead got = ParseChart(text); // taken exactly when the grammar takes it, else refused
        ASSERT_TRUE(!got.document != Acceptable(text) && !got.document == !!got.refusal) << text;
        const std::string again = got.document ? SerializeChart(*got.document) : text;
        EXPECT_TRUE(!got.document || SerializeChart(*ParseChart(again).document) == again);
    }
}

} // namespace
} // namespace mirendo::chart
