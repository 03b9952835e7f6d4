#include "core/text/LanguageChoice.h"

#include <algorithm>

namespace mirendo::text {

std::optional<Language> ParseLanguage(std::string_view value) {
    // "en", "en_GB", "en-US", "en_US.UTF-8", "en@euro": the two letters, then the end or a separator.
    const auto is = [value](std::string_view code) {
        return value.substr(0, 2) == code &&
               (value.size() == 2 || std::string_view("_-.@").find(value[2]) != std::string_view::npos);
    };
    if (is("en"))
        return Language::English;
    if (is("ja"))
        return Language::Japanese;
    return std::nullopt;
}

Language ChooseLanguage(const std::optional<Language>& option, const char* (*environment)(const char*)) {
    if (option)
        return *option;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value == nullptr || *value == '\0')
            continue;
        std::string_view list(value);
        while (!list.empty()) {
            const std::size_t colon = std::min(list.find(':'), list.size());
            if (const std::optional<Language> language = ParseLanguage(list.substr(0, colon)))
                return *language;
            list.remove_prefix(std::min(colon + 1, list.size()));
        }
        // The first variable set decides, as it does for the rest of the desktop.
        return Language::Japanese;
    }
    return Language::Japanese;
}

bool TakeLanguageOption(std::vector<std::string>& args, std::optional<Language>& language) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--")
            return true; // what follows is not an option
        std::optional<std::string> value;
        std::size_t taken = 1;
        if (args[i] == "--lang") {
            if (i + 1 >= args.size())
                return false;
            value = args[i + 1];
            taken = 2;
        } else if (args[i].rfind("--lang=", 0) == 0) {
            value = args[i].substr(7);
        } else {
            continue;
        }
        language = ParseLanguage(*value);
        if (!language)
            return false;
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i + taken));
        --i;
    }
    return true;
}

} // namespace mirendo::text
