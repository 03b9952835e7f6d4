#include "widgets/Messages.h"

#include "widgets/WriteFailureText.h"

#include <QFile>

namespace mirendo {

namespace {

using exchange::Cause;

// Paths travel as the file system's bytes.
QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Why the result file gave no result, as the second line under its heading.
QString ResultReadReason(Cause cause) {
    switch (cause) {
    case Cause::FileMissing:
        return QStringLiteral("（F2B.dat がありません）");
    case Cause::FileUnreadable:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
        return QStringLiteral("（F2B.dat を開けません）");
    case Cause::EndedEarly:
        return QStringLiteral("（ファイルが途中で終わっています）");
    case Cause::NotANumber:
        return QStringLiteral("（数値でない値があります）");
    case Cause::TooManyPoints:
        return QStringLiteral("（データ点の数が 10 を超えています）");
    case Cause::TooManySamples:
        return QStringLiteral("（補間点の数が 600 を超えています）");
    case Cause::BadScaleMode:
        return QStringLiteral("（スケールモードが不正です）");
    default:
        break;
    }
    return {};
}

// A run that ended with a failure exit status, or was ended by a signal.
QString EngineRunReason(const exchange::Failure& failure) {
    const auto floatFault = [](const QString& kind) {
        return QStringLiteral(
                   "（計算中に%1が起きました。X の値が近すぎる点や、大きすぎる値がないか確かめて下さい）")
            .arg(kind);
    };
    switch (failure.cause) {
    case Cause::EngineBadRequest:
        return QStringLiteral("（計算依頼ファイル B2F.dat がないか、内容が正しくありません）");
    case Cause::EngineDivideByZero:
        return floatFault(QStringLiteral("0 による割り算"));
    case Cause::EngineOverflow:
        return floatFault(QStringLiteral("桁あふれ"));
    case Cause::EngineInvalidOperation:
        return floatFault(QStringLiteral("無効な演算"));
    case Cause::EngineFloatFault:
        return floatFault(QStringLiteral("浮動小数点演算の異常"));
    case Cause::EngineCannotWrite:
        return QStringLiteral("（計算結果ファイル F2B.dat "
                              "を書き込めません。作業フォルダの空き容量と書き込み権限を確かめて下さい）");
    case Cause::EngineInternal:
        return QStringLiteral("（計算プログラムの内部エラーです。メモリが足りない可能性があります）");
    case Cause::EngineExitOther:
        return QStringLiteral("（計算プログラムが終了コード %1 で終了しました）").arg(failure.code);
    case Cause::EngineCrashed:
        return QStringLiteral("（計算プログラムが異常終了しました）");
    default:
        break;
    }
    return {};
}

} // namespace

QString CalculationMessage(const exchange::Failure& failure) {
    switch (failure.cause) {
    case Cause::WriteFailed:
        return QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　\n") +
               WriteFailureText(PathText(failure.file), failure.code);
    case Cause::EngineNotFound:
        return QStringLiteral("　計算プログラム Ventrel が見つかりません　");
    case Cause::EngineCannotStart: {
        QString text = QStringLiteral("　計算プログラム Ventrel を起動できません　");
        if (!failure.file.empty())
            text +=
                QStringLiteral("\n（%1 が実行できるファイルか確かめて下さい）").arg(PathText(failure.file));
        return text;
    }
    case Cause::EngineStillRunning:
        return QStringLiteral("　補間計算が終了していません　\n（しばらく待ってから、もう一度押して下さい）");
    case Cause::EngineStopped:
        return QStringLiteral("　補間計算が中断されました　");
    default:
        break;
    }
    const QString runReason = EngineRunReason(failure);
    if (!runReason.isEmpty())
        return QStringLiteral("　補間計算に失敗しました　\n") + runReason;
    return QStringLiteral("　計算結果ファイルを読み込めません　\n") + ResultReadReason(failure.cause);
}

} // namespace mirendo
