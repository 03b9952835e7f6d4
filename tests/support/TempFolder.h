#pragma once
// The fixture of the tests that work on files without a window: a fresh folder under the
// system's temporary folder for each test (its name carries the test's and the process's, so
// concurrent runs never share one), removed afterwards, with writing, reading and counting files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <unistd.h>

namespace mirendo::testing {

class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir =
            std::filesystem::temp_directory_path() / (std::string("mirendo-") + info->test_suite_name() +
                                                      "-" + info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        ASSERT_TRUE(std::filesystem::create_directories(m_dir));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    // Writes `bytes` as the file `name` in the folder and gives its path.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Slurp(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::size_t EntryCount() const {
        return std::size_t(std::distance(std::filesystem::directory_iterator(m_dir), {}));
    }

    std::filesystem::path m_dir;
};

} // namespace mirendo::testing
