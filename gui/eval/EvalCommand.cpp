#include "eval/EvalCommand.h"

#include "archive/ArchiveReader.h"
#include "archive/BatchEvaluation.h"
#include "widgets/MessageTexts.h"

#include <cctype>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string_view>

namespace mirendo {

namespace {

constexpr const char* kUsage = "使い方: mirendo-eval [--inverse] ARCHIVE [値 ...]\n";

constexpr const char* kHelp =
    "使い方: mirendo-eval ARCHIVE [X ...]\n"
    "       mirendo-eval --inverse ARCHIVE [Y ...]\n"
    "Mirendo が保存した補間データ（*-Mi.csv）の多項式を、X ごとに計算します。\n"
    "X は引数に並べるか、引数がなければ標準入力から読みます（1 行に 1 つ、空白・カンマ・タブ区切りも可）。\n"
    "結果は一括計算の CSV（X,Y,外挿）として標準出力に書きます。\n"
    "--inverse では Y ごとに、曲線がその Y をとるグラフの X 範囲内のすべての X を求め、\n"
    "1 つの X を 1 行とする CSV（Y,X,外挿）を書きます。X がなければ X の欄は「該当なし」です。\n"
    "\n"
    "  --help      この説明を表示します\n"
    "  --version   版を表示します\n"
    "  --inverse   Y から X を求めます（一括計算の Y → X と同じ計算）\n"
    "\n"
    "終了コード: 0 成功、1 補間データを読めない、2 引数の誤り\n";

// "-3" and "-.5" are X values, not options.
bool IsNegativeNumber(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' &&
           (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "mirendo-eval: " << problem << "\n" << kUsage;
    return kEvalUsage;
}

} // namespace

int RunEvalCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    std::vector<std::string> operands;
    bool optionsEnded = false;
    bool inverse = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--help") {
            out << kHelp;
            return kEvalOk;
        } else if (!optionsEnded && arg == "--version") {
            out << "mirendo-eval " MIRENDO_VERSION "\n";
            return kEvalOk;
        } else if (!optionsEnded && arg == "--inverse") {
            inverse = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && !IsNegativeNumber(arg)) {
            return Usage(err, "知らないオプションです: " + arg);
        } else {
            operands.push_back(arg);
        }
    }
    if (operands.empty())
        return Usage(err, "補間データのファイル（*-Mi.csv）を指定して下さい");

    const std::string& path = operands.front();
    const ArchiveRead read = ReadArchiveFile(path);
    if (!read.ok()) {
        err << "mirendo-eval: " << path << ": " << ArchiveRefusalText(*read.failure) << "\n";
        return kEvalArchiveUnreadable;
    }
    Module1 state;
    LoadSavedPlot(read.value, path, state);

    std::string text;
    if (operands.size() > 1) {
        for (std::size_t i = 1; i < operands.size(); ++i)
            text += operands[i] + "\n";
    } else {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::vector<std::string_view> tokens = SplitXValues(text);
    if (inverse)
        out << FormatBatchCsv(EvaluateBatchInverse(state, tokens), BatchDirection::YToX);
    else
        out << FormatBatchCsv(EvaluateBatch(state, tokens));
    return kEvalOk;
}

} // namespace mirendo
