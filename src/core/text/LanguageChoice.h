#pragma once
// Which language the programs speak: Japanese unless the user asks for English, by `--lang en` or,
// as desktop programs choose, by the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirendo::text {

enum class Language { Japanese, English };

// The value of `--lang`: "en" or "ja" (a region such as "en_GB" allowed); nullopt for any other.
std::optional<Language> ParseLanguage(std::string_view value);

// `option` the --lang value when given (it wins), `environment` the variable's value or nullptr.
// LANGUAGE is a colon-separated list: its first English or Japanese entry decides. "C", "POSIX"
// and languages Mirendo does not speak leave the source language, Japanese.
Language ChooseLanguage(const std::optional<Language>& option, const char* (*environment)(const char*));

// Takes "--lang X" or "--lang=X" out of `args` (the program's arguments without its name).
// Returns false when the value is missing or unknown; `language` is set when one was given.
bool TakeLanguageOption(std::vector<std::string>& args, std::optional<Language>& language);

} // namespace mirendo::text
