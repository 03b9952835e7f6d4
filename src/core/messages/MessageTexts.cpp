#include "core/messages/MessageTexts.h"

#include <cerrno>

namespace mirendo {

namespace {

using exchange::Cause;
using exchange::Subject;

// The value of a saved curve a failure names, as the reader's lines call it.
std::string ArchiveValueName(Subject subject) {
    switch (subject) {
    case Subject::ScaleMode:
        return "スケールモード";
    case Subject::PointCount:
        return "データ点の数";
    case Subject::SampleCount:
        return "補間点の数";
    case Subject::X:
    case Subject::CurveX:
        return "X";
    case Subject::Y:
    case Subject::CurveY:
        return "Y";
    case Subject::Coefficient:
        return "係数";
    // No value of a saved curve's lines: no name.
    case Subject::None:
    case Subject::Setting:
    case Subject::XStart:
    case Subject::XStop:
        break;
    }
    return {};
}

// The axis of setting box `field` (1..6).
std::string AxisName(int field) {
    return field <= 3 ? "X" : "Y";
}

} // namespace

std::string SettingBoxNameText(int index) {
    static const char* const kNames[6] = {"X 軸 開始値", "X 軸 終了値", "X 軸 増分",
                                          "Y 軸 開始値", "Y 軸 終了値", "Y 軸 増分"};
    return (index >= 0 && index < 6) ? kNames[index] : "";
}

std::string ArchiveRefusalText(const exchange::Failure& failure) {
    const std::string what = ArchiveValueName(failure.subject);
    const std::string atLine = std::to_string(failure.line) + " 行目の " + what;
    switch (failure.cause) {
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileNotRegular:
    case Cause::FileReadFailed:
    case Cause::FileTooLarge:
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
        return FileProblemText(failure);
    case Cause::EndedEarly:
        return what.empty() ? "ファイルが途中で終わっています"
                            : "ファイルが途中で終わっています（" + what + "）";
    case Cause::NotANumber:
        return atLine + " が数値ではありません";
    case Cause::NotAnInteger:
        return atLine + " が整数ではありません";
    case Cause::OutOfRange:
        if (failure.subject == Subject::Setting)
            return SettingBoxNameText(failure.field - 1) + " の値が大きすぎます";
        return atLine + " が大きすぎます";
    case Cause::BadScaleMode:
        return "スケールモードが 1〜4 ではありません";
    case Cause::TooManyPoints:
        return "データ点の数 " + std::to_string(failure.code) + " が 0〜10 の範囲外です";
    case Cause::TooManySamples:
        return "補間点の数 " + std::to_string(failure.code) + " が 0〜600 の範囲外です";
    case Cause::EmptyAxisRange:
        return AxisName(failure.field) + " 軸の開始値が終了値より小さくありません";
    case Cause::NonPositiveLogStart:
        return AxisName(failure.field) + " 軸（対数）の開始値が正ではありません";
    case Cause::MalformedDecade:
        return AxisName(failure.field) + " 軸（対数）の範囲 \"" + failure.item +
               "\" が 1.0E+02 の形ではありません";
    // No refusal of a saved curve: no words here.
    case Cause::TooManyLines:
    case Cause::LineTooLong:
    case Cause::NotText:
    case Cause::SettingHasComma:
    case Cause::SettingHasLineBreak:
    case Cause::SettingStartsQuoted:
    case Cause::ValueNotFinite:
    case Cause::NotCarried:
    case Cause::NothingPasted:
    case Cause::NotAPair:
    case Cause::TooManyPasted:
    case Cause::WriteFailed:
    case Cause::EngineNotFound:
    case Cause::EngineCannotStart:
    case Cause::EngineBadRequest:
    case Cause::EngineDivideByZero:
    case Cause::EngineOverflow:
    case Cause::EngineInvalidOperation:
    case Cause::EngineFloatFault:
    case Cause::EngineCannotWrite:
    case Cause::EngineInternal:
    case Cause::EngineExitOther:
    case Cause::EngineCrashed:
    case Cause::EngineStillRunning:
    case Cause::EngineStopped:
    case Cause::AmbiguousLine:
        break;
    }
    return {};
}

std::string FileProblemText(const exchange::Failure& failure) {
    switch (failure.cause) {
    case Cause::FileMissing:
        return "ファイルがありません";
    case Cause::FileUnreadable:
        if (failure.code == EACCES || failure.code == EPERM)
            return "ファイルを読む権限がありません";
        if (failure.code == ENAMETOOLONG)
            return "ファイル名が長すぎます";
        if (failure.code == 0)
            return "ファイルを開けません";
        return "ファイルを開けません（エラー番号 " + std::to_string(failure.code) + "）";
    case Cause::FileNotRegular:
        // The bounded read gives EISDIR for a folder and no number for a device, FIFO or socket.
        return failure.code == EISDIR ? "フォルダです（ファイルを指定して下さい）"
                                      : "通常のファイルではありません（デバイスなど）";
    case Cause::FileReadFailed:
        return "ファイルの読み込み中にエラーが起きました";
    case Cause::FileTooLarge: {
        if (failure.code <= 0)
            return "ファイルが大きすぎます";
        const bool mebibytes = failure.code % (1024 * 1024) == 0;
        return "ファイルが大きすぎます（" +
               std::to_string(mebibytes ? failure.code / (1024 * 1024) : failure.code / 1024) +
               (mebibytes ? " MiB" : " KiB") + " を超えています）";
    }
    case Cause::NotAnArchive:
        return "補間データのファイル（*-Mi.csv）ではありません";
    case Cause::PointFileNotArchive:
        return "データ点のファイルです（補間データのファイル *-Mi.csv ではありません）";
    case Cause::UnreadType:
        return "Mirendo が読み込まない種類のファイルです（読み込むのは .csv・.dat・-Mi.csv です）";
    // About what a file holds, not about reaching it: no words here (the caller words it).
    case Cause::EndedEarly:
    case Cause::NotANumber:
    case Cause::NotAnInteger:
    case Cause::OutOfRange:
    case Cause::TooManyPoints:
    case Cause::TooManySamples:
    case Cause::BadScaleMode:
    case Cause::TooManyLines:
    case Cause::LineTooLong:
    case Cause::NotText:
    case Cause::EmptyAxisRange:
    case Cause::NonPositiveLogStart:
    case Cause::MalformedDecade:
    case Cause::SettingHasComma:
    case Cause::SettingHasLineBreak:
    case Cause::SettingStartsQuoted:
    case Cause::ValueNotFinite:
    case Cause::NotCarried:
    case Cause::NothingPasted:
    case Cause::NotAPair:
    case Cause::TooManyPasted:
    case Cause::WriteFailed:
    case Cause::EngineNotFound:
    case Cause::EngineCannotStart:
    case Cause::EngineBadRequest:
    case Cause::EngineDivideByZero:
    case Cause::EngineOverflow:
    case Cause::EngineInvalidOperation:
    case Cause::EngineFloatFault:
    case Cause::EngineCannotWrite:
    case Cause::EngineInternal:
    case Cause::EngineExitOther:
    case Cause::EngineCrashed:
    case Cause::EngineStillRunning:
    case Cause::EngineStopped:
    case Cause::AmbiguousLine:
        break;
    }
    return {};
}

std::string OutputFailureText(int code) {
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return "結果を書き込めません（ディスクの空き容量が足りません）";
    case EPIPE:
        return "結果を書き込めません（出力先が閉じられました）";
    case EIO:
        return "結果を書き込めません（ディスクの読み書きに失敗しました）";
    case 0:
        return "結果を書き込めません";
    default:
        break;
    }
    return "結果を書き込めません（エラー番号 " + std::to_string(code) + "）";
}

// The grid of X values and the area under the curve (batch window, browser, mirendo-eval).
std::string GridRefusalText(const ValueGrid& grid) {
    std::string field;
    switch (grid.field) {
    case GridField::None:
        break;
    case GridField::Start:
        field = "開始値";
        break;
    case GridField::Stop:
        field = "終了値";
        break;
    case GridField::Step:
        field = "増分";
        break;
    case GridField::PerDecade:
        field = "1 桁あたりの個数";
        break;
    }
    switch (grid.refusal) {
    case GridRefusal::None:
        return {};
    case GridRefusal::NotANumber:
        return field + " が数値ではありません";
    case GridRefusal::ZeroStep:
        return "増分が 0 です";
    case GridRefusal::TooMany:
        return "値が " + std::to_string(kMaxGridValues) + " 個を超えます" +
               (grid.count > 0
                    ? "（" + std::to_string(static_cast<long long>(std::min(grid.count, 9e18))) + " 個）"
                    : std::string());
    case GridRefusal::NeedsPositive:
        return "対数の間隔の" + field + "には 0 より大きい値が必要です";
    case GridRefusal::PerDecadeCount:
        return "1 桁あたりの個数は 1 以上の整数で指定して下さい";
    }
    return {};
}

std::string AreaRefusalText(const Area& area, std::string_view typed) {
    const std::string box = area.box == 2 ? "X2" : "X1";
    std::string text;
    switch (area.outcome) {
    case AreaOutcome::Found:
        return {};
    case AreaOutcome::NoValue:
        text = "面積の " + box + " の値が入力されていません";
        break;
    case AreaOutcome::NotANumber:
        text = "面積の " + box + " の値が数値ではありません（入力: " + std::string(typed) + "）";
        break;
    case AreaOutcome::NeedsPositiveX:
        text = "X 軸が対数のため、" + box +
               " には 0 より大きい値を入力して下さい（入力: " + std::string(typed) + "）";
        break;
    case AreaOutcome::NoRange:
        text = "グラフの X の範囲（開始値・終了値）が正しくないため計算できません";
        break;
    case AreaOutcome::OutsideGraph:
        text = box + "（" + std::string(typed) + "）がグラフの X の範囲の外にあります";
        break;
    case AreaOutcome::Overflow:
        text = "面積が大きすぎて計算できません";
        break;
    case AreaOutcome::NoCurve:
        text = "正しく計算できません";
        break;
    }
    return "\u3000" + text + "\u3000";
}

namespace {

std::string ChartReferenceName(chart::Reference reference) {
    switch (reference) {
    case chart::Reference::X1:
        return "X1";
    case chart::Reference::X2:
        return "X2";
    case chart::Reference::Y1:
        return "Y1";
    case chart::Reference::Y2:
        return "Y2";
    }
    return {};
}

} // namespace

std::string ChartCalibrationText(const chart::CalibrationRefusal& refusal) {
    const std::string axis = refusal.axis == chart::ChartAxis::X ? "X" : "Y";
    const std::string reference = ChartReferenceName(refusal.reference);
    switch (refusal.problem) {
    case chart::CalibrationProblem::ReferenceNotPlaced:
        return "基準点 " + reference + " がまだ置かれていません";
    case chart::CalibrationProblem::ValueMissing:
        return "基準点 " + reference + " の値が入力されていません";
    case chart::CalibrationProblem::ReferencesOnOnePixel:
        return axis + " 軸の 2 つの基準点が同じ位置にあります。離して置いてください";
    case chart::CalibrationProblem::EqualValues:
        return axis + " 軸の 2 つの基準点の値が同じです。違う値を入力してください";
    case chart::CalibrationProblem::NotPositiveOnLogAxis:
        return "対数軸の基準点 " + reference + " の値は 0 より大きくなければなりません";
    case chart::CalibrationProblem::NoTwoAxisDirections:
        return "X 軸と Y 軸の基準点が同じ向きに並んでいるため、2 つの軸の向きが決まりません";
    }
    return {};
}

std::string ChartSideFileText(const chart::SideFileRefusal& refusal) {
    const std::string line = std::to_string(refusal.line) + " 行目";
    switch (refusal.problem) {
    case chart::SideFileProblem::TooLarge:
        return "較正ファイルが大きすぎます";
    case chart::SideFileProblem::NotSideFile:
        return "較正ファイルの形式ではありません";
    case chart::SideFileProblem::BadRecord:
        return "較正ファイルの " + line + "が読めません";
    case chart::SideFileProblem::OutOfRange:
        return "較正ファイルの " + line + "の数値が範囲外です";
    case chart::SideFileProblem::Repeated:
        return "較正ファイルの " + line + "が重複しています";
    case chart::SideFileProblem::TooManyPoints:
        return "較正ファイルの点が 10 個を超えています（" + line + "）";
    }
    return {};
}

} // namespace mirendo
