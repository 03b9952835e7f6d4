#include "core/text/Translate.h"

#include <atomic>
#include <vector>

namespace mirendo::text {

namespace {
std::atomic<Translator> g_translator{nullptr};
} // namespace

void SetTranslator(Translator translator) {
    g_translator.store(translator);
}

std::string translate(const char* context, const char* source) {
    const Translator translator = g_translator.load();
    return translator ? translator(context, source) : std::string(source);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t index = std::size_t(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values[index];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace mirendo::text
