// The English catalogue read two ways must answer alike: Qt's translator over the compiled .qm
// (the windows) and the generated plain C++ table (mirendo-eval), for every entry and for hundreds
// of texts that are not entries or are nearly entries.
#include "core/text/EnglishCatalogue.h"
#include "core/text/Translate.h"
#include "qt/lang/Language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <random>

namespace mirendo::text {
namespace {

std::string QtAnswer(const std::string& context, const std::string& source) {
    return QCoreApplication::translate(context.c_str(), source.c_str()).toStdString();
}

TEST(Catalogue, TableAndQtTranslatorAgree) {
    InstallLanguage(Language::English);
    ASSERT_GT(kEnglishCatalogueSize, 300u);
    std::vector<std::pair<std::string, std::string>> keys;
    for (std::size_t i = 0; i < kEnglishCatalogueSize; ++i) {
        const CatalogueEntry& e = kEnglishCatalogue[i];
        EXPECT_EQ(TranslateToEnglish(e.context, e.source), e.translation) << e.source;
        EXPECT_EQ(QtAnswer(e.context, e.source), e.translation) << e.context << " / " << e.source;
        keys.emplace_back(e.context, e.source);
    }
    // Near misses: another context, a source cut at a character's edge or lengthened, empty
    // texts, and texts of random characters.
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t n) { return std::size_t(random() % n); };
    const char* pieces[] = {"a", " ", "\n", "%1", "　", "行", "×", "Ω", "\"", "\\", "外挿", "🙂"};
    for (int i = 0; i < 600; ++i) {
        auto [context, source] = keys[pick(keys.size())];
        switch (i % 5) {
        case 0:
            context = keys[pick(keys.size())].first;
            break;
        case 1:
            while (!source.empty() && (static_cast<unsigned char>(source.back()) & 0xC0) == 0x80)
                source.pop_back(); // the last character's continuation bytes, then its lead byte
            if (!source.empty())
                source.pop_back();
            break;
        case 2:
            source += pieces[pick(std::size(pieces))];
            break;
        case 3:
            (pick(2) ? context : source).clear();
            break;
        default:
            source.clear();
            for (std::size_t n = pick(8); n > 0; --n)
                source += pieces[pick(std::size(pieces))];
        }
        // Valid UTF-8 throughout, so that Qt's answer, a QString, comes back byte for byte.
        EXPECT_EQ(TranslateToEnglish(context.c_str(), source.c_str()), QtAnswer(context, source))
            << context << " / " << source;
    }
    RemoveLanguage();
    EXPECT_EQ(translate("MessageTexts", "係数"), "係数"); // Japanese again without a catalogue
}

} // namespace
} // namespace mirendo::text
