#include "core/messages/MessageTexts.h"

#include "core/text/Translate.h"

#include <cerrno>

namespace mirendo {

namespace {

using text::Fill;
using text::translate;

using exchange::Cause;
using exchange::Subject;

// The value of a saved curve a failure names, as the reader's lines call it.
std::string ArchiveValueName(Subject subject) {
    switch (subject) {
    case Subject::ScaleMode:
        return translate("MessageTexts", "スケールモード");
    case Subject::PointCount:
        return translate("MessageTexts", "データ点の数");
    case Subject::SampleCount:
        return translate("MessageTexts", "補間点の数");
    case Subject::X:
    case Subject::CurveX:
        return "X";
    case Subject::Y:
    case Subject::CurveY:
        return "Y";
    case Subject::Coefficient:
        return translate("MessageTexts", "係数");
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
    static const char* const kNames[6] = {
        QT_TRANSLATE_NOOP("MessageTexts", "X 軸 開始値"), QT_TRANSLATE_NOOP("MessageTexts", "X 軸 終了値"),
        QT_TRANSLATE_NOOP("MessageTexts", "X 軸 増分"),   QT_TRANSLATE_NOOP("MessageTexts", "Y 軸 開始値"),
        QT_TRANSLATE_NOOP("MessageTexts", "Y 軸 終了値"), QT_TRANSLATE_NOOP("MessageTexts", "Y 軸 増分")};
    return (index >= 0 && index < 6) ? translate("MessageTexts", kNames[index]) : "";
}

std::string ArchiveRefusalText(const exchange::Failure& failure) {
    const std::string what = ArchiveValueName(failure.subject);
    const std::string line = std::to_string(failure.line);
    const auto atLine = [&](const std::string& pattern) { return Fill(pattern, {line, what}); };
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
        return what.empty() ? translate("MessageTexts", "ファイルが途中で終わっています")
                            : Fill(translate("MessageTexts", "ファイルが途中で終わっています（%1）"), {what});
    case Cause::NotANumber:
        return atLine(translate("MessageTexts", "%1 行目の %2 が数値ではありません"));
    case Cause::NotAnInteger:
        return atLine(translate("MessageTexts", "%1 行目の %2 が整数ではありません"));
    case Cause::OutOfRange:
        if (failure.subject == Subject::Setting)
            return Fill(translate("MessageTexts", "%1 の値が大きすぎます"),
                        {SettingBoxNameText(failure.field - 1)});
        return atLine(translate("MessageTexts", "%1 行目の %2 が大きすぎます"));
    case Cause::BadScaleMode:
        return translate("MessageTexts", "スケールモードが 1〜4 ではありません");
    case Cause::TooManyPoints:
        return Fill(translate("MessageTexts", "データ点の数 %1 が 0〜10 の範囲外です"),
                    {std::to_string(failure.code)});
    case Cause::TooManySamples:
        return Fill(translate("MessageTexts", "補間点の数 %1 が 0〜600 の範囲外です"),
                    {std::to_string(failure.code)});
    case Cause::EmptyAxisRange:
        return Fill(translate("MessageTexts", "%1 軸の開始値が終了値より小さくありません"),
                    {AxisName(failure.field)});
    case Cause::NonPositiveLogStart:
        return Fill(translate("MessageTexts", "%1 軸（対数）の開始値が正ではありません"),
                    {AxisName(failure.field)});
    case Cause::MalformedDecade:
        return Fill(translate("MessageTexts", "%1 軸（対数）の範囲 \"%2\" が 1.0E+02 の形ではありません"),
                    {AxisName(failure.field), failure.item});
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
        return translate("MessageTexts", "ファイルがありません");
    case Cause::FileUnreadable:
        if (failure.code == EACCES || failure.code == EPERM)
            return translate("MessageTexts", "ファイルを読む権限がありません");
        if (failure.code == ENAMETOOLONG)
            return translate("MessageTexts", "ファイル名が長すぎます");
        if (failure.code == 0)
            return translate("MessageTexts", "ファイルを開けません");
        return Fill(translate("MessageTexts", "ファイルを開けません（エラー番号 %1）"),
                    {std::to_string(failure.code)});
    case Cause::FileNotRegular:
        // The bounded read gives EISDIR for a folder and no number for a device, FIFO or socket.
        return failure.code == EISDIR
                   ? translate("MessageTexts", "フォルダです（ファイルを指定して下さい）")
                   : translate("MessageTexts", "通常のファイルではありません（デバイスなど）");
    case Cause::FileReadFailed:
        return translate("MessageTexts", "ファイルの読み込み中にエラーが起きました");
    case Cause::FileTooLarge: {
        if (failure.code <= 0)
            return translate("MessageTexts", "ファイルが大きすぎます");
        const bool mebibytes = failure.code % (1024 * 1024) == 0;
        const std::string size =
            std::to_string(mebibytes ? failure.code / (1024 * 1024) : failure.code / 1024) +
            (mebibytes ? " MiB" : " KiB");
        return Fill(translate("MessageTexts", "ファイルが大きすぎます（%1 を超えています）"), {size});
    }
    case Cause::NotAnArchive:
        return translate("MessageTexts", "補間データのファイル（*-Mi.csv）ではありません");
    case Cause::PointFileNotArchive:
        return translate("MessageTexts",
                         "データ点のファイルです（補間データのファイル *-Mi.csv ではありません）");
    case Cause::UnreadType:
        return translate("MessageTexts",
                         "Mirendo が読み込まない種類のファイルです（読み込むのは .csv・.dat・-Mi.csv です）");
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
        return translate("MessageTexts", "結果を書き込めません（ディスクの空き容量が足りません）");
    case EPIPE:
        return translate("MessageTexts", "結果を書き込めません（出力先が閉じられました）");
    case EIO:
        return translate("MessageTexts", "結果を書き込めません（ディスクの読み書きに失敗しました）");
    case 0:
        return translate("MessageTexts", "結果を書き込めません");
    default:
        break;
    }
    return Fill(translate("MessageTexts", "結果を書き込めません（エラー番号 %1）"), {std::to_string(code)});
}

// The grid of X values and the area under the curve (batch window, browser, mirendo-eval).
std::string GridRefusalText(const ValueGrid& grid) {
    std::string field;
    switch (grid.field) {
    case GridField::None:
        break;
    case GridField::Start:
        field = translate("MessageTexts", "開始値");
        break;
    case GridField::Stop:
        field = translate("MessageTexts", "終了値");
        break;
    case GridField::Step:
        field = translate("MessageTexts", "増分");
        break;
    case GridField::PerDecade:
        field = translate("MessageTexts", "1 桁あたりの個数");
        break;
    }
    switch (grid.refusal) {
    case GridRefusal::None:
        return {};
    case GridRefusal::NotANumber:
        return Fill(translate("MessageTexts", "%1 が数値ではありません"), {field});
    case GridRefusal::ZeroStep:
        return translate("MessageTexts", "増分が 0 です");
    case GridRefusal::TooMany:
        return grid.count > 0 ? Fill(translate("MessageTexts", "値が %1 個を超えます（%2 個）"),
                                     {std::to_string(kMaxGridValues),
                                      std::to_string(static_cast<long long>(std::min(grid.count, 9e18)))})
                              : Fill(translate("MessageTexts", "値が %1 個を超えます"),
                                     {std::to_string(kMaxGridValues)});
    case GridRefusal::NeedsPositive:
        return Fill(translate("MessageTexts", "対数の間隔の%1には 0 より大きい値が必要です"), {field});
    case GridRefusal::PerDecadeCount:
        return translate("MessageTexts", "1 桁あたりの個数は 1 以上の整数で指定して下さい");
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
        text = Fill(translate("MessageTexts", "面積の %1 の値が入力されていません"), {box});
        break;
    case AreaOutcome::NotANumber:
        text =
            Fill(translate("MessageTexts", "面積の %1 の値が数値ではありません（入力: %2）"), {box, typed});
        break;
    case AreaOutcome::NeedsPositiveX:
        text = Fill(
            translate("MessageTexts", "X 軸が対数のため、%1 には 0 より大きい値を入力して下さい（入力: %2）"),
            {box, typed});
        break;
    case AreaOutcome::NoRange:
        text = translate("MessageTexts", "グラフの X の範囲（開始値・終了値）が正しくないため計算できません");
        break;
    case AreaOutcome::OutsideGraph:
        text = Fill(translate("MessageTexts", "%1（%2）がグラフの X の範囲の外にあります"), {box, typed});
        break;
    case AreaOutcome::Overflow:
        text = translate("MessageTexts", "面積が大きすぎて計算できません");
        break;
    case AreaOutcome::NoCurve:
        text = translate("MessageTexts", "正しく計算できません");
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
        return Fill(translate("MessageTexts", "基準点 %1 がまだ置かれていません"), {reference});
    case chart::CalibrationProblem::ValueMissing:
        return Fill(translate("MessageTexts", "基準点 %1 の値が入力されていません"), {reference});
    case chart::CalibrationProblem::ReferencesOnOnePixel:
        return Fill(
            translate("MessageTexts", "%1 軸の 2 つの基準点が同じ位置にあります。離して置いてください"),
            {axis});
    case chart::CalibrationProblem::EqualValues:
        return Fill(translate("MessageTexts", "%1 軸の 2 つの基準点の値が同じです。違う値を入力してください"),
                    {axis});
    case chart::CalibrationProblem::NotPositiveOnLogAxis:
        return Fill(translate("MessageTexts", "対数軸の基準点 %1 の値は 0 より大きくなければなりません"),
                    {reference});
    case chart::CalibrationProblem::NoTwoAxisDirections:
        return translate("MessageTexts",
                         "X 軸と Y 軸の基準点が同じ向きに並んでいるため、2 つの軸の向きが決まりません");
    }
    return {};
}

std::string ChartSideFileText(const chart::SideFileRefusal& refusal) {
    const std::string line = std::to_string(refusal.line);
    switch (refusal.problem) {
    case chart::SideFileProblem::TooLarge:
        return translate("MessageTexts", "較正ファイルが大きすぎます");
    case chart::SideFileProblem::NotSideFile:
        return translate("MessageTexts", "較正ファイルの形式ではありません");
    case chart::SideFileProblem::BadRecord:
        return Fill(translate("MessageTexts", "較正ファイルの %1 行目が読めません"), {line});
    case chart::SideFileProblem::OutOfRange:
        return Fill(translate("MessageTexts", "較正ファイルの %1 行目の数値が範囲外です"), {line});
    case chart::SideFileProblem::Repeated:
        return Fill(translate("MessageTexts", "較正ファイルの %1 行目が重複しています"), {line});
    case chart::SideFileProblem::TooManyPoints:
        return Fill(translate("MessageTexts", "較正ファイルの点が 10 個を超えています（%1 行目）"), {line});
    }
    return {};
}

} // namespace mirendo
