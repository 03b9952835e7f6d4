#pragma once
// The one door of the plain C++ layer's words. A text the user reads is written in Japanese as
// `translate("Context", "…")`; the catalogue tools (lupdate) find it under that context, and a
// program that installed a catalogue (Mirendo, mirendo-eval) answers with its language. Without
// one, the Japanese source comes back unchanged, so the core links nothing of Qt.
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text where it is named before it is translated (a table of names): the catalogue tools
// find it, and it stays the source text until `translate` is called with the same context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace mirendo::text {

// Looks `source` (UTF-8) up under `context`; returns the UTF-8 translation, or the source.
using Translator = std::string (*)(const char* context, const char* source);

// Installed once at start by the program that loaded a catalogue; nullptr puts the source back.
void SetTranslator(Translator translator);

std::string translate(const char* context, const char* source);

// Fills %1..%9 of `pattern` with `args` in order, as QString::arg does for a single pass: a
// placeholder's replacement is never scanned again. A placeholder without an argument stays.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace mirendo::text
