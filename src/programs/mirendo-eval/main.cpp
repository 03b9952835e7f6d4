// mirendo-eval [--lang en|ja] [OPTIONS] ARCHIVE [X ...]: prints the batch evaluation of a saved
// curve as CSV. The language changes only the messages and the help, never the CSV.
#include "core/text/EnglishCatalogue.h"
#include "core/text/LanguageChoice.h"
#include "core/text/Translate.h"
#include "programs/mirendo-eval/EvalCommand.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<mirendo::text::Language> option;
    std::vector<std::string> rest = args;
    // An unknown --lang value is left in place: the command refuses it as an option, with the usage.
    if (mirendo::text::TakeLanguageOption(rest, option))
        args = rest;
    const auto environment = [](const char* name) -> const char* { return std::getenv(name); };
    if (mirendo::text::ChooseLanguage(option, environment) == mirendo::text::Language::English)
        mirendo::text::SetTranslator(mirendo::text::TranslateToEnglish);
    const int status = mirendo::RunEvalCommand(args, std::cin, std::cout, std::cerr);
    return mirendo::FinishStandardOutput(status, std::cerr);
}
