#pragma once
// The programs' language at start: the English catalogue (compiled in) or none, Japanese being the
// source text; Qt's own texts (standard buttons, file dialogs) from the system's qtbase catalogue
// where it is installed; and the plain C++ layer's texts answered from the same catalogue.
#include "core/text/LanguageChoice.h"

namespace mirendo {

// The language chosen from `--lang` (given or not) and the environment.
text::Language LanguageOfUser(const std::optional<text::Language>& option);

// Installs the catalogues of `language` into the running QCoreApplication. Once, at start.
void InstallLanguage(text::Language language);

// Takes every catalogue out again: the Japanese source texts, and Qt's untranslated ones.
void RemoveLanguage();

} // namespace mirendo
