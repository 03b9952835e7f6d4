// The bounded reading every file reader of the program goes through, and the decimal scanner the
// point and saved-data readers share.
#include "core/exchange/BoundedFile.h"
#include "core/exchange/DecimalText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace mirendo::exchange {
namespace {

namespace fs = std::filesystem;

using BoundedFile = testing::TempFolderTest;

TEST_F(BoundedFile, EveryKindOfNameUnderTheCap) {
    const fs::path& dir = m_dir;
    const auto write = [&](const fs::path& path, std::size_t bytes) {
        std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
    };
    constexpr std::size_t kCap = 100;
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;
        OverCap overCap;
        FileReadError error;
        std::size_t bytesRead;
        const char* reason; // part of reason(), "" when ok
    };
    const std::vector<Case> cases = {
        {"regular file", [&](const fs::path& f) { write(f, 10); }, OverCap::Refuse, FileReadError::None, 10,
         ""},
        {"empty file", [&](const fs::path& f) { write(f, 0); }, OverCap::Refuse, FileReadError::None, 0, ""},
        {"exactly the cap", [&](const fs::path& f) { write(f, kCap); }, OverCap::Refuse, FileReadError::None,
         kCap, ""},
        {"over the cap", [&](const fs::path& f) { write(f, kCap + 1); }, OverCap::Refuse,
         FileReadError::TooLarge, 0, "larger than 100 bytes"},
        {"over the cap, prefix wanted", [&](const fs::path& f) { write(f, 5 * kCap); }, OverCap::ReadPrefix,
         FileReadError::None, kCap, ""},
        {"missing", [](const fs::path&) {}, OverCap::Refuse, FileReadError::Missing, 0, "No such file"},
        {"folder", [](const fs::path& f) { fs::create_directory(f); }, OverCap::Refuse,
         FileReadError::NotRegular, 0, "Is a directory"},
        // Opening a FIFO nobody writes would wait forever without O_NONBLOCK.
        {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, OverCap::ReadPrefix,
         FileReadError::NotRegular, 0, "not a regular file"},
        {"endless device", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }, OverCap::ReadPrefix,
         FileReadError::NotRegular, 0, "not a regular file"},
    };
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir / std::to_string(k++);
        c.make(path);
        const FileRead read = ReadBoundedFile(path.string(), kCap, c.overCap);
        EXPECT_EQ(read.error, c.error);
        EXPECT_EQ(read.ok(), c.error == FileReadError::None);
        EXPECT_EQ(read.bytes.size(), c.bytesRead);
        EXPECT_NE(read.reason(kCap).find(c.reason), std::string::npos) << read.reason(kCap);
        EXPECT_EQ(read.reason(kCap).empty(), read.ok());
    }
}

TEST(ParseDecimal, PlainDecimalTextOnly) {
    const std::vector<std::pair<std::string, std::optional<double>>> cases = {
        {"12", 12},    {"-0.5", -0.5},      {"+.25", 0.25},
        {"1.", 1},     {"1.5E-03", 1.5e-3}, {"2e+2", 200},
        {"-0", 0},     {"0e99999999", 0},   {"1.7e308", 1.7e308},
        {"1e999", {}}, {"1e-400", {}},      {"0.000E-400", 0},
        {"", {}},      {".", {}},           {"1.2.3", {}},
        {"1D5", {}},   {"1.0+05", {}},      {"1E", {}},
        {" 1", {}},    {"1 ", {}},          {"0x10", {}},
        {"inf", {}},   {"NaN", {}},         {"1,5", {}},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<double> value = ParseDecimal(text);
        EXPECT_EQ(value.has_value(), expected.has_value()) << '"' << text << '"';
        if (value && expected) {
            EXPECT_EQ(*value, *expected) << text;
        }
    }
    // The record notation of the exchange files also takes D and, in a fixed field, a bare sign.
    EXPECT_TRUE(ScanDecimal("1D5", ExponentForms::Record));
    EXPECT_FALSE(ScanDecimal("1.0+05", ExponentForms::Record));
    EXPECT_TRUE(ScanDecimal("1.0+05", ExponentForms::RecordField));
}

} // namespace
} // namespace mirendo::exchange
