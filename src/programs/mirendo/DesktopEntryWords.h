#pragma once
// The desktop entry's words, here so that they pass through the catalogue like every other text:
// the build writes the installed mirendo.desktop from this Japanese and its English translation in
// translations/mirendo_en.ts (one context each, so the build finds them by name).
#include <QtGlobal>

namespace mirendo {

inline constexpr const char* kDesktopEntryWords[] = {
    QT_TRANSLATE_NOOP("DesktopEntry/GenericName", "ラグランジュ補間"),
    QT_TRANSLATE_NOOP("DesktopEntry/Comment",
                      "離散データをラグランジュの補間多項式で補間し、グラフを描画・保存します"),
    QT_TRANSLATE_NOOP("DesktopEntry/Keywords", "補間;ラグランジュ;内挿;外挿;グラフ;"),
};

} // namespace mirendo
