// Which language the programs speak: --lang, then LANGUAGE, LC_ALL, LC_MESSAGES, LANG.
#include "core/text/LanguageChoice.h"

#include <gtest/gtest.h>

#include <map>

namespace mirendo::text {
namespace {

std::map<std::string, std::string> g_environment;

const char* Environment(const char* name) {
    const auto it = g_environment.find(name);
    return it == g_environment.end() ? nullptr : it->second.c_str();
}

struct Row {
    const char* name;
    std::vector<std::string> args;
    std::map<std::string, std::string> environment;
    bool argsAccepted;
    Language expected;
};

TEST(LanguageChoice, OptionThenTheDesktopsVariablesInOrder) {
    const Language en = Language::English, ja = Language::Japanese;
    const Row rows[] = {
        {"nothing set: Japanese", {}, {}, true, ja},
        {"C locale", {}, {{"LANG", "C.UTF-8"}}, true, ja},
        {"LANG English", {}, {{"LANG", "en_US.UTF-8"}}, true, en},
        {"LANG Japanese", {}, {{"LANG", "ja_JP.UTF-8"}}, true, ja},
        {"a language not spoken", {}, {{"LANG", "de_DE.UTF-8"}}, true, ja},
        {"LC_MESSAGES before LANG", {}, {{"LC_MESSAGES", "en_GB"}, {"LANG", "ja_JP.UTF-8"}}, true, en},
        {"LC_ALL before LC_MESSAGES", {}, {{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_GB"}}, true, ja},
        {"LANGUAGE before LC_ALL", {}, {{"LANGUAGE", "en"}, {"LC_ALL", "ja_JP.UTF-8"}}, true, en},
        {"LANGUAGE list: first spoken entry", {}, {{"LANGUAGE", "fr:en_US:ja"}}, true, en},
        {"LANGUAGE list: Japanese first", {}, {{"LANGUAGE", "ja:en"}}, true, ja},
        {"empty LANGUAGE is not set", {}, {{"LANGUAGE", ""}, {"LANG", "en_US"}}, true, en},
        {"'eng' is not 'en'", {}, {{"LANG", "eng"}}, true, ja},
        {"--lang en beats the desktop", {"--lang", "en"}, {{"LANG", "ja_JP.UTF-8"}}, true, en},
        {"--lang ja beats the desktop", {"--lang", "ja"}, {{"LANGUAGE", "en"}}, true, ja},
        {"--lang=en", {"--lang=en"}, {}, true, en},
        {"--lang en_GB", {"--lang", "en_GB"}, {}, true, en},
        {"--lang after a file", {"file.csv", "--lang", "en"}, {}, true, en},
        {"--lang without a value", {"--lang"}, {{"LANG", "en_US"}}, false, en},
        {"--lang unknown", {"--lang", "fr"}, {{"LANG", "en_US"}}, false, en},
        {"after --, not an option", {"--", "--lang", "en"}, {}, true, ja},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        g_environment = row.environment;
        std::vector<std::string> args = row.args;
        std::optional<Language> option;
        EXPECT_EQ(TakeLanguageOption(args, option), row.argsAccepted);
        EXPECT_EQ(ChooseLanguage(option, Environment), row.expected);
        if (row.argsAccepted && option) { // the option is taken out; the rest stays in order
            EXPECT_EQ(args, std::vector<std::string>(row.args.size() > 2 ? 1 : 0, "file.csv"));
        }
    }
}

} // namespace
} // namespace mirendo::text
