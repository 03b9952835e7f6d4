// A number box's text as the value typed: which texts stand for no usable value, checked by
// table and against an oracle built on the C library over random texts.
#include "input/TypedValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>

namespace mirendo {
namespace {

TEST(ReadTypedValue, FaultsAndValues) {
    const struct {
        const char* text;
        TypedFault fault;
        double value;
    } rows[] = {
        {"12abc", TypedFault::None, 12},
        {"  -2.5e3", TypedFault::None, -2500},
        {"\uFF11\uFF12", TypedFault::None, 12},
        {"4.9e-324", TypedFault::None, 4.9e-324},
        {"-0", TypedFault::None, 0},
        {"1e308", TypedFault::None, 1e308},
        {"abc", TypedFault::NoNumber, 0},
        {"", TypedFault::NoNumber, 0},
        {"   ", TypedFault::NoNumber, 0},
        {"e5", TypedFault::NoNumber, 0},
        {"1e400", TypedFault::BeyondDouble, 0},
        {"-1e400x", TypedFault::BeyondDouble, 0},
        {"1e-400", TypedFault::BeyondDouble, 0},
        {"0e-400", TypedFault::None, 0},
    };
    for (const auto& row : rows) {
        const TypedValue typed = ReadTypedValue(row.text);
        EXPECT_EQ(typed.fault, row.fault) << row.text;
        if (row.fault == TypedFault::None) {
            EXPECT_EQ(typed.value, row.value) << row.text;
        }
        EXPECT_TRUE(std::isfinite(typed.value)) << row.text;
    }
}

TEST(PointValueCarried, OnSomeAxisOfTheEngine) {
    const struct {
        double value;
        bool carried;
    } rows[] = {
        {0, true},      {3.4e38, true},    {-3.4e38, true}, {1.2e-38, true}, {-1.2e-38, true},
        {1e39, true},   {1e-39, true},     {1e300, true}, // positive: a logarithmic axis carries ln
        {-1e39, false}, {-3.41e38, false}, {-1e-39, false}, {-1e300, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PointValueCarried(row.value), row.carried) << row.value;
}

// Oracle: the leading number found by a regular expression and read by strtod; no double holds it
// when strtod overflows, or gives 0 for digits that are not all zero.
TypedValue Oracle(const std::string& text) {
    static const std::regex number(R"(^[ \t]*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?))");
    std::smatch m;
    if (!std::regex_search(text, m, number))
        return {0, TypedFault::NoNumber};
    const std::string found = m[1].str();
    const double value = std::strtod(found.c_str(), nullptr);
    if (std::isinf(value))
        return {0, TypedFault::BeyondDouble};
    const std::string mantissa = m[2].str();
    if (value == 0 && mantissa.find_first_of("123456789") != std::string::npos)
        return {0, TypedFault::BeyondDouble};
    return {value, TypedFault::None};
}

TEST(ReadTypedValue, AgreesWithTheOracleOnRandomTexts) {
    std::mt19937 random(20261208);
    const std::string alphabet = " +-.eE0123456789x";
    const char* const exponents[] = {"e300", "e308", "e309", "e-300", "e-323", "e-324", "e-400", "E400", "e"};
    int seen[3] = {};
    for (int i = 0; i < 2000; ++i) {
        std::string text;
        const int length = int(random() % 12);
        for (int k = 0; k < length; ++k)
            text.push_back(alphabet[random() % alphabet.size()]);
        if (random() % 2)
            text += exponents[random() % std::size(exponents)];
        const TypedValue typed = ReadTypedValue(text);
        const TypedValue expected = Oracle(text);
        ASSERT_EQ(typed.fault, expected.fault) << '"' << text << '"';
        ASSERT_TRUE(std::isfinite(typed.value)) << '"' << text << '"';
        if (typed.fault == TypedFault::None) {
            ASSERT_EQ(typed.value, expected.value) << '"' << text << '"';
        }
        ++seen[int(typed.fault)];
    }
    for (int count : seen)
        EXPECT_GT(count, 50) << "every kind of text among the random ones";
}

} // namespace
} // namespace mirendo
