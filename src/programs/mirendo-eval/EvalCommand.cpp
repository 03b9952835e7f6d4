#include "programs/mirendo-eval/EvalCommand.h"

#include "core/archive/ArchiveReader.h"
#include "core/curve/BatchEvaluation.h"
#include "core/curve/CurveSlope.h"
#include "core/curve/ValueGrid.h"
#include "core/exchange/BoundedFile.h"
#include "core/exchange/DecimalText.h"
#include "core/input/PointFileReader.h"
#include "core/messages/MessageTexts.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string_view>

namespace mirendo {

namespace {

constexpr const char* kUsage =
    "使い方: mirendo-eval [--inverse] [--slope] [--grid START STOP STEP | --per-decade N START STOP] ARCHIVE "
    "[値 ...]\n";

constexpr const char* kHelp =
    "使い方: mirendo-eval ARCHIVE [X ...]\n"
    "       mirendo-eval --inverse ARCHIVE [Y ...]\n"
    "       mirendo-eval [--slope] --grid START STOP STEP ARCHIVE\n"
    "       mirendo-eval [--slope] --per-decade N START STOP ARCHIVE\n"
    "Mirendo が保存した補間データ（*-Mi.csv）の多項式を、X ごとに計算します。\n"
    "X は引数に 1 つずつ並べるか、引数がなければ標準入力から読みます（1 行に 1 "
    "つ、空白・カンマ・タブ区切りも可）。\n"
    "結果は一括計算の CSV（X,Y,外挿）として標準出力に書きます。\n"
    "--inverse では Y ごとに、曲線がその Y をとるグラフの X 範囲内のすべての X を求め、\n"
    "1 つの X を 1 行とする CSV（Y,X,外挿）を書きます。X がなければ X の欄は「該当なし」です。\n"
    "\n"
    "  --help      この説明を表示します\n"
    "  --version   版を表示します\n"
    "  --inverse   Y から X を求めます（一括計算の Y → X と同じ計算）\n"
    "  --grid START STOP STEP\n"
    "              START から STOP まで STEP おきの X で計算します（STOP を超えない範囲）\n"
    "  --per-decade N START STOP\n"
    "              START から STOP まで、1 桁（10 倍）あたり N 個の等比の X で計算します\n"
    "              （START・STOP は 0 より大きい値。どちらの間隔も値は 100000 個まで）\n"
    "  --slope     傾きの列を加えます（X,Y,dY/dX,外挿。対数軸では dlnY/dX、dY/dlnX、dlnY/dlnX）\n"
    "\n"
    "終了コード:\n"
    "  0  すべての値を計算しました\n"
    "  1  補間データのファイルを読めません（補間データでないファイルを含む）\n"
    "  2  引数の誤り（空の引数を含む）\n"
    "  3  計算できない値がありました（数値でない値など。行はすべて出力します）\n"
    "  4  標準出力に書き込めません\n";

// "-3" and "-.5" are X values, not options.
bool IsNegativeNumber(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' &&
           (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "mirendo-eval: " << problem << "\n" << kUsage;
    return kEvalUsage;
}

// Writes `text` whole to `out`, or says on `err` why it did not all arrive.
int Emit(std::ostream& out, std::ostream& err, std::string_view text, int status) {
    errno = 0; // the failed write, in the insertion or the flush, leaves its cause here
    out << text;
    out.flush();
    if (out)
        return status;
    const int code = errno;
    err << "mirendo-eval: " << OutputFailureText(code) << "\n";
    return kEvalOutputFailed;
}

// The first eight lines of an archive hold one field each, the first of them a number (the scale
// mode). A file without that shape is not an archive, whichever field the reader stumbled on.
bool HasArchiveShape(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (bytes.empty() || bytes.find('\0') != std::string_view::npos)
        return false;
    std::size_t pos = 0;
    for (int line = 1; line <= 8 && pos < bytes.size(); ++line) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        const std::string_view text = bytes.substr(pos, end - pos);
        if (text.find(',') != std::string_view::npos)
            return false;
        if (line == 1 && !exchange::ParseDecimal(TrimFieldBlanks(text)))
            return false;
        pos = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    return true;
}

// A refusal of the archive's contents, turned into what the file is when it is no archive at all:
// a point file, or anything else. A file of the archive's shape keeps the reader's own cause.
exchange::Failure ExplainRefusal(const std::string& path, const exchange::Failure& refusal) {
    if (exchange::IsFileAccessCause(refusal.cause))
        return refusal;
    const exchange::FileRead file = exchange::ReadBoundedFile(path, kMaxArchiveBytes);
    if (!file.ok() || HasArchiveShape(file.bytes))
        return refusal;
    const PointFileRead points = ReadPointText(file.bytes);
    return exchange::Failure::OfFile(points.ok() && points.pointsRead > 0
                                         ? exchange::Cause::PointFileNotArchive
                                         : exchange::Cause::NotAnArchive,
                                     path);
}

// A row without an answer: a token that is no number, or a value the curve cannot be asked for.
// "No X" and "every X" are answers of the inverse.
bool Unanswered(const BatchRow& row) {
    return !row.ok && (row.notANumber || row.y == kBatchRefusedText || row.y == kBatchNeedsPositiveText);
}

} // namespace

int RunEvalCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    std::vector<std::string> operands;
    bool optionsEnded = false;
    bool inverse = false;
    bool slope = false;
    std::optional<ValueGrid> grid;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.empty()) {
            // A value the shell lost ("$x" unset) would otherwise vanish from the output unseen.
            return Usage(err, std::to_string(i + 1) + " 番目の引数が空です");
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--help") {
            return Emit(out, err, kHelp, kEvalOk);
        } else if (!optionsEnded && arg == "--version") {
            return Emit(out, err, "mirendo-eval " MIRENDO_VERSION "\n", kEvalOk);
        } else if (!optionsEnded && arg == "--inverse") {
            inverse = true;
        } else if (!optionsEnded && arg == "--slope") {
            slope = true;
        } else if (!optionsEnded && (arg == "--grid" || arg == "--per-decade")) {
            // The three values follow as they are: "--grid -1 1 0.5" starts at -1.
            if (grid)
                return Usage(err, "--grid と --per-decade は 1 つだけ指定して下さい");
            if (i + 3 >= args.size())
                return Usage(err, arg + " には 3 つの値が必要です");
            const std::string& a = args[i + 1];
            const std::string& b = args[i + 2];
            const std::string& c = args[i + 3];
            grid = arg == "--grid" ? LinearGrid(a, b, c) : PerDecadeGrid(a, b, c);
            if (grid->refusal != GridRefusal::None)
                return Usage(err, arg + ": " + GridRefusalText(*grid));
            i += 3;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && !IsNegativeNumber(arg)) {
            return Usage(err, "知らないオプションです: " + arg);
        } else {
            operands.push_back(arg);
        }
    }
    if (operands.empty())
        return Usage(err, "補間データのファイル（*-Mi.csv）を指定して下さい");
    if (grid && operands.size() > 1)
        return Usage(err, "--grid・--per-decade の値と、引数の値は同時に指定できません");
    if (slope && inverse)
        return Usage(err, "--slope は --inverse と同時に指定できません");

    const std::string& path = operands.front();
    const ArchiveRead read = ReadArchiveFile(path);
    if (!read.ok()) {
        err << "mirendo-eval: " << path << ": " << ArchiveRefusalText(ExplainRefusal(path, *read.failure))
            << "\n";
        return kEvalArchiveUnreadable;
    }
    Module1 state;
    LoadSavedPlot(read.value, path, state);

    // Each argument is one value, as the shell separated them: "1,5" is not read as 1 and 5.
    std::string text;
    std::vector<std::string_view> tokens(operands.begin() + 1, operands.end());
    if (grid) {
        tokens.assign(grid->values.begin(), grid->values.end());
    } else if (operands.size() == 1) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        tokens = SplitXValues(text);
    }
    std::vector<BatchRow> rows = inverse ? EvaluateBatchInverse(state, tokens) : EvaluateBatch(state, tokens);
    if (slope)
        AddSlope(rows, state);
    const auto unanswered = std::count_if(rows.begin(), rows.end(), Unanswered);
    const int status = Emit(out, err,
                            FormatBatchCsv(rows, inverse ? BatchDirection::YToX : BatchDirection::XToY, {},
                                           slope ? SlopeName(state.ScaleMode) : std::string_view()),
                            unanswered > 0 ? kEvalValuesRefused : kEvalOk);
    if (status == kEvalValuesRefused)
        err << "mirendo-eval: " << unanswered << " 個の値が計算できませんでした\n";
    return status;
}

int FinishStandardOutput(int status, std::ostream& err) {
    errno = 0;
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    const int code = errno;
    if (std::fclose(stdout) != 0 || failed) {
        if (status != kEvalOutputFailed)
            err << "mirendo-eval: " << OutputFailureText(code != 0 ? code : errno) << "\n";
        return kEvalOutputFailed;
    }
    return status;
}

} // namespace mirendo
