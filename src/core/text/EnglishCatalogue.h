#pragma once
// The English catalogue as a plain C++ table, generated at build time from the same
// translations/mirendo_en.ts that Qt's programs load, so that mirendo-eval speaks English without
// linking Qt. Each text is still written once, in the .ts.
#include <cstddef>
#include <string>

namespace mirendo::text {

struct CatalogueEntry {
    const char* context;
    const char* source;
    const char* translation;
};

// Sorted by context, then source, compared as bytes.
extern const CatalogueEntry kEnglishCatalogue[];
extern const std::size_t kEnglishCatalogueSize;

// A Translator (Translate.h) over the table: the translation of `source` under `context`, or the
// source itself when the table has none, as Qt's translate answers.
std::string TranslateToEnglish(const char* context, const char* source);

} // namespace mirendo::text
