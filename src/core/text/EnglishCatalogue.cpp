#include "core/text/EnglishCatalogue.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace mirendo::text {

std::string TranslateToEnglish(const char* context, const char* source) {
    const auto key = [](const CatalogueEntry& e) {
        return std::pair<std::string_view, std::string_view>(e.context, e.source);
    };
    const std::pair<std::string_view, std::string_view> wanted(context, source);
    const CatalogueEntry* end = kEnglishCatalogue + kEnglishCatalogueSize;
    const CatalogueEntry* found = std::lower_bound(
        kEnglishCatalogue, end, wanted, [&](const CatalogueEntry& e, const auto& w) { return key(e) < w; });
    if (found != end && key(*found) == wanted)
        return found->translation;
    return source;
}

} // namespace mirendo::text
