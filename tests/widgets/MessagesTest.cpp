// Failures turned into what the user reads: one row per cause with a fixed text.
#include "widgets/Messages.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace mirendo {
namespace {

using exchange::Cause;
using exchange::Failure;

TEST(CalculationMessage, EveryCauseOfTheBridgeHasItsText) {
    const QString failed = QStringLiteral("　補間計算に失敗しました　\n");
    const QString unreadable = QStringLiteral("　計算結果ファイルを読み込めません　\n");
    const QString floatFault = QStringLiteral(
        "（計算中に%1が起きました。X の値が近すぎる点や、大きすぎる値がないか確かめて下さい）");
    const struct {
        Failure failure;
        QString text;
    } rows[] = {
        {Failure::Of(Cause::EngineNotFound), QStringLiteral("　計算プログラム Ventrel が見つかりません　")},
        {Failure::OfFile(Cause::EngineCannotStart, "/opt/m/Ventrel"),
         QStringLiteral("　計算プログラム Ventrel を起動できません　\n"
                        "（/opt/m/Ventrel が実行できるファイルか確かめて下さい）")},
        {Failure::Of(Cause::EngineCannotStart),
         QStringLiteral("　計算プログラム Ventrel を起動できません　")},
        {Failure::Of(Cause::EngineStillRunning),
         QStringLiteral("　補間計算が終了していません　\n（しばらく待ってから、もう一度押して下さい）")},
        {Failure::Of(Cause::EngineStopped), QStringLiteral("　補間計算が中断されました　")},
        {Failure::Of(Cause::EngineBadRequest, 2),
         failed + QStringLiteral("（計算依頼ファイル B2F.dat がないか、内容が正しくありません）")},
        {Failure::Of(Cause::EngineDivideByZero, 3),
         failed + floatFault.arg(QStringLiteral("0 による割り算"))},
        {Failure::Of(Cause::EngineOverflow, 3), failed + floatFault.arg(QStringLiteral("桁あふれ"))},
        {Failure::Of(Cause::EngineInvalidOperation, 3),
         failed + floatFault.arg(QStringLiteral("無効な演算"))},
        {Failure::Of(Cause::EngineFloatFault, 3),
         failed + floatFault.arg(QStringLiteral("浮動小数点演算の異常"))},
        {Failure::Of(Cause::EngineCannotWrite, 4),
         failed + QStringLiteral("（計算結果ファイル F2B.dat を書き込めません。"
                                 "作業フォルダの空き容量と書き込み権限を確かめて下さい）")},
        {Failure::Of(Cause::EngineInternal, 5),
         failed + QStringLiteral("（計算プログラムの内部エラーです。メモリが足りない可能性があります）")},
        {Failure::Of(Cause::EngineExitOther, 7),
         failed + QStringLiteral("（計算プログラムが終了コード 7 で終了しました）")},
        {Failure::Of(Cause::EngineCrashed), failed + QStringLiteral("（計算プログラムが異常終了しました）")},
        {Failure::OfFile(Cause::FileMissing, "/w/F2B.dat"),
         unreadable + QStringLiteral("（F2B.dat がありません）")},
        {Failure::OfFile(Cause::FileUnreadable, "/w/F2B.dat", 13),
         unreadable + QStringLiteral("（F2B.dat を開けません）")},
        {Failure::OfFile(Cause::FileNotRegular, "/w/F2B.dat"),
         unreadable + QStringLiteral("（F2B.dat を開けません）")},
        {Failure::OfFile(Cause::FileTooLarge, "/w/F2B.dat"),
         unreadable + QStringLiteral("（F2B.dat を開けません）")},
        {Failure::Of(Cause::EndedEarly), unreadable + QStringLiteral("（ファイルが途中で終わっています）")},
        {Failure::Of(Cause::NotANumber), unreadable + QStringLiteral("（数値でない値があります）")},
        {Failure::Of(Cause::TooManyPoints, 11),
         unreadable + QStringLiteral("（データ点の数が 10 を超えています）")},
        {Failure::Of(Cause::TooManySamples, 601),
         unreadable + QStringLiteral("（補間点の数が 600 を超えています）")},
        {Failure::Of(Cause::BadScaleMode, 5), unreadable + QStringLiteral("（スケールモードが不正です）")},
        {Failure::OfFile(Cause::WriteFailed, "/w/B2F.dat", ENOSPC),
         QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　\n  /w/B2F.dat  \n  "
                        "ディスクの空き容量が足りません  ")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CalculationMessage(row.failure), row.text) << row.text.toStdString();
}

} // namespace
} // namespace mirendo
