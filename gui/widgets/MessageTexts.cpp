#include "widgets/MessageTexts.h"

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
    default:
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
        return "ファイルを開けません: " + failure.file;
    case Cause::FileReadFailed:
        return "ファイルを読めません: " + failure.file;
    case Cause::FileTooLarge:
        return "ファイルが大きすぎます（1 MiB を超えています）";
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
    default:
        break;
    }
    return {};
}

} // namespace mirendo
