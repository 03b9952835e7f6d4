#include "qt/messages/Messages.h"

#include "core/input/DropChoice.h"
#include "core/messages/MessageTexts.h"

#include "core/text/NumberText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace mirendo {

namespace {

using exchange::Cause;
using exchange::Failure;
using exchange::Subject;

// Paths travel as the file system's bytes.
QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Longer paths lose their middle, so the box stays narrower than the screen; the end, with the
// file's name, stays.
constexpr qsizetype kShownPathHead = 30;
constexpr qsizetype kShownPathTail = 50;

QString ShownPath(const QString& path) {
    if (path.size() <= kShownPathHead + kShownPathTail + 1)
        return path;
    return path.left(kShownPathHead) + QStringLiteral("…") + path.right(kShownPathTail);
}

QString WriteCause(int code) {
    switch (code) {
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます");
    case EACCES:
    case EPERM:
        return QStringLiteral("この場所に書き込む権限がありません");
    case EROFS:
        return QStringLiteral("書き込みのできない場所です");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("保存先のフォルダがありません");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります");
    case EINVAL:
    case EILSEQ:
        return QStringLiteral("この名前はファイル名に使えません");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ファイルが使用中です");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます");
    case EIO:
        return QStringLiteral("ディスクの読み書きに失敗しました");
    default:
        break;
    }
    return QStringLiteral("ファイルを書き込めません（エラー番号 %1）").arg(code);
}

// Why the result file gave no result, as the second line under its heading.
QString ResultReadReason(Cause cause) {
    switch (cause) {
    case Cause::FileMissing:
        return QStringLiteral("（F2B.dat がありません）");
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
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
    // Not given by the result reader, or given without a reason of its own: the heading alone.
    case Cause::NotAnInteger:
    case Cause::OutOfRange:
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
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
    case Cause::AmbiguousLine:
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
    // Not the end of a run: no words here (the caller words it another way).
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
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
    case Cause::EngineStillRunning:
    case Cause::EngineStopped:
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
    case Cause::AmbiguousLine:
        break;
    }
    return {};
}

} // namespace

QString CalculationMessage(const exchange::Failure& failure) {
    switch (failure.cause) {
    case Cause::WriteFailed:
        return QStringLiteral("　計算依頼ファイル B2F.dat を書き込めません　\n") +
               WriteFailureMessage(failure);
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
    // The end of a run, or the result file's reading: worded below.
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
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
    case Cause::EngineBadRequest:
    case Cause::EngineDivideByZero:
    case Cause::EngineOverflow:
    case Cause::EngineInvalidOperation:
    case Cause::EngineFloatFault:
    case Cause::EngineCannotWrite:
    case Cause::EngineInternal:
    case Cause::EngineExitOther:
    case Cause::EngineCrashed:
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
    case Cause::AmbiguousLine:
        break;
    }
    const QString runReason = EngineRunReason(failure);
    if (!runReason.isEmpty())
        return QStringLiteral("　補間計算に失敗しました　\n") + runReason;
    return QStringLiteral("　計算結果ファイルを読み込めません　\n") + ResultReadReason(failure.cause);
}

QString WriteFailureMessage(const exchange::Failure& failure) {
    return QStringLiteral("  ") + ShownPath(PathText(failure.file)) + QStringLiteral("  \n  ") +
           WriteCause(failure.code) + QStringLiteral("  ");
}

QString SettingBoxName(int index) {
    return Text(SettingBoxNameText(index));
}

namespace {

// The shared-state array a value to be saved comes from.
QString StateArrayName(Subject subject) {
    switch (subject) {
    case Subject::X:
        return QStringLiteral("ResultX");
    case Subject::Y:
        return QStringLiteral("ResultY");
    case Subject::Coefficient:
        return QStringLiteral("Coef");
    case Subject::CurveX:
        return QStringLiteral("CurveX");
    case Subject::CurveY:
        return QStringLiteral("CurveY");
    // Not an array a save writes from: no name.
    case Subject::None:
    case Subject::ScaleMode:
    case Subject::PointCount:
    case Subject::SampleCount:
    case Subject::Setting:
    case Subject::XStart:
    case Subject::XStop:
        break;
    }
    return {};
}

// The setting texts a save refuses before the reader sees them.
QString SettingTextProblem(Cause cause) {
    switch (cause) {
    case Cause::SettingHasComma:
        return QStringLiteral("カンマ（,）を含んでいます");
    case Cause::SettingHasLineBreak:
        return QStringLiteral("改行を含んでいます");
    case Cause::SettingStartsQuoted:
        return QStringLiteral("二重引用符（\"）で始まっています");
    // Not a problem of a setting's text: no words here.
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
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
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
    case Cause::AmbiguousLine:
        break;
    }
    return {};
}

// A refused item as the user wrote it, short enough for one line, with nothing that a label
// could take for a control character.
QString QuotedItem(const std::string& item) {
    constexpr int kMaxChars = 20;
    QString text = Text(item);
    for (QChar& c : text)
        if (!c.isPrint() && !c.isSurrogate())
            c = QChar::ReplacementCharacter;
    if (text.size() > kMaxChars) {
        int keep = kMaxChars - 1;
        if (text.at(keep - 1).isHighSurrogate())
            --keep; // never half a character
        text = text.left(keep) + QStringLiteral("…");
    }
    return text;
}

QString PointFileBody(const Failure& failure, const QString& fileName) {
    const QString field = failure.subject == Subject::X ? QStringLiteral("X") : QStringLiteral("Y");
    switch (failure.cause) {
    case Cause::FileTooLarge:
        return QStringLiteral("ファイルが大きすぎます（%1 KiB を超えています）：%2")
            .arg(failure.code / 1024)
            .arg(fileName);
    case Cause::LineTooLong:
        return QStringLiteral("行が長すぎます（%1 バイトを超えています）").arg(failure.code);
    case Cause::NotText:
        return failure.line > 0 ? QStringLiteral("NUL 文字があります（テキストファイルではありません）")
                                : QStringLiteral("UTF-16 の形式です（テキストは UTF-8 で保存して下さい）：%1")
                                      .arg(fileName);
    case Cause::TooManyPoints:
        return QStringLiteral("データ数が %1 を超えています").arg(10);
    case Cause::TooManyLines:
        return QStringLiteral("データ数が %1 を超えています（ファイルは %2 行を超えています）")
            .arg(10)
            .arg(failure.code);
    case Cause::EndedEarly:
        return QStringLiteral("%1 の値がありません（ファイル全体で値が足りません）").arg(field);
    case Cause::NotANumber:
        return failure.item.empty()
                   ? QStringLiteral("%1 の値が空です（余分なカンマがあります）").arg(field)
                   : QStringLiteral("%1 の値「%2」が数値ではありません").arg(field, QuotedItem(failure.item));
    case Cause::OutOfRange:
        return QStringLiteral("%1 の値「%2」は大きすぎるか小さすぎて扱えません")
            .arg(field, QuotedItem(failure.item));
    // A line that could be read two ways (the reader's reason codes 1 and 2).
    case Cause::AmbiguousLine:
        return failure.code == 2
                   ? QStringLiteral(
                         "数字の間に改行しない空白があります（桁区切りか値の区切りか決められません）")
                   : QStringLiteral("カンマが小数点か値の区切りか決められません（小数点にカンマを使うときは、"
                                    "X と Y をセミコロン（;）で区切って下さい）");
    // Worded by the file's problem below, or as a file that could not be opened.
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::NotAnInteger:
    case Cause::TooManySamples:
    case Cause::BadScaleMode:
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
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
        break;
    }
    const QString problem = Text(FileProblemText(failure));
    if (!problem.isEmpty())
        return QStringLiteral("%1：%2").arg(problem, fileName);
    return QStringLiteral("ファイルを開けません：%1").arg(fileName);
}

} // namespace

QString ArchiveReadText(const exchange::Failure& failure) {
    return Text(ArchiveRefusalText(failure));
}

QString ArchiveOpenMessage(const exchange::Failure& failure, const QString& fileName) {
    return FileRefusalMessage(ArchiveReadText(failure), fileName);
}

QString ArchiveSaveMessage(const exchange::Failure& failure, const SettingTexts& settings) {
    const int box = failure.subject == Subject::Setting ? failure.field - 1 : -1;
    QString why;
    const QString problem = SettingTextProblem(failure.cause);
    if (!problem.isEmpty())
        why = SettingBoxName(box) + QStringLiteral(" の設定が") + problem;
    else if (failure.cause == Cause::ValueNotFinite)
        why = QStringLiteral("%1(%2) が有限の数ではありません")
                  .arg(StateArrayName(failure.subject))
                  .arg(failure.point);
    else if (box >= 0 && box < 6)
        // The reader refused the bytes the save would write, for this box's text.
        why = SettingBoxName(box) + QStringLiteral(" の設定「") + Text(settings[std::size_t(box)]) +
              QStringLiteral("」では開けないファイルになります（") + ArchiveReadText(failure) +
              QStringLiteral("）");
    else
        why = ArchiveReadText(failure);
    return QStringLiteral("  保存できません：") + why +
           (box >= 0 ? QStringLiteral("  \n  メイン画面のグラフ設定を直して下さい  ") : QStringLiteral("  "));
}

QString PointFileMessage(const exchange::Failure& failure, const QString& fileName) {
    const QString body = PointFileBody(failure, fileName);
    if (failure.line <= 0)
        return body;
    return QStringLiteral("%1 行目：%2").arg(failure.line).arg(body);
}

QString PasteMessage(const exchange::Failure& failure) {
    QString why;
    switch (failure.cause) {
    case Cause::NothingPasted:
        why = QStringLiteral("貼り付けるデータがありません");
        break;
    case Cause::TooManyPasted:
        why = QStringLiteral("%1 行目：データ数が上限を超えます（あと %2 点まで入力できます）")
                  .arg(failure.line)
                  .arg(failure.code);
        break;
    case Cause::NotAPair:
        why = QStringLiteral("%1 行目：X と Y の 2 つの数値の行ではありません").arg(failure.line);
        break;
    // Any other line refused: worded as a point file's line would be.
    case Cause::FileMissing:
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
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
    case Cause::NotAnArchive:
    case Cause::PointFileNotArchive:
    case Cause::UnreadType:
    case Cause::AmbiguousLine:
        why = PointFileMessage(failure, QStringLiteral("クリップボード"));
        break;
    }
    return QStringLiteral(" 貼り付けたデータは入力されませんでした \n %1 ").arg(why);
}

QString RequestMessage(const exchange::Failure& failure) {
    const QString value = Text(failure.item);
    QString what;
    switch (failure.subject) {
    case Subject::XStart:
        what = QStringLiteral("X 軸の開始値 %1").arg(value);
        break;
    case Subject::XStop:
        what = QStringLiteral("X 軸の終了値 %1").arg(value);
        break;
    // A data point's X or Y (the request check names no other subject here).
    case Subject::None:
    case Subject::X:
    case Subject::Y:
    case Subject::Coefficient:
    case Subject::CurveX:
    case Subject::CurveY:
    case Subject::ScaleMode:
    case Subject::PointCount:
    case Subject::SampleCount:
    case Subject::Setting:
        what = QStringLiteral("データ点 %1 の %2 値 %3")
                   .arg(failure.point)
                   .arg(failure.subject == Subject::X ? QLatin1Char('X') : QLatin1Char('Y'))
                   .arg(value);
        break;
    }
    return QStringLiteral("　%1 は計算できません　\n"
                          "　計算は単精度で行うため、0 と、絶対値が約 1.2E-38 から"
                          "約 3.4E+38 までの値だけを扱えます　")
        .arg(what);
}

QString FileRefusalMessage(const QString& why, const QString& shownName) {
    return QStringLiteral("  このファイルは読み込めません  \n  ") + shownName + QStringLiteral("\n  ") + why +
           QStringLiteral("  ");
}

QString StartFileMessage(const exchange::Failure& failure, const QString& path) {
    return FileRefusalMessage(Text(FileProblemText(failure)), ShownPath(path));
}

QString ArchiveNotListedMessage(const QString& path) {
    return FileRefusalMessage(QStringLiteral("ファイル一覧に表示できない名前です（隠しファイルなど）"),
                              ShownPath(path));
}

QString ExampleFileMessage(const exchange::Failure& failure, const QString& fileName) {
    QString why = Text(FileProblemText(failure));
    if (failure.cause == Cause::NotText)
        why = QStringLiteral("テキストファイルではありません");
    if (why.isEmpty())
        why = QStringLiteral("ファイルを読み込めません");
    return QStringLiteral(" ファイル %1 を読み込めませんでした \n %2 ").arg(fileName, why);
}

QString ExampleCutNote(int shownLines) {
    return QStringLiteral("（ファイルが長いため先頭の %1 行だけを表示しています）").arg(shownLines);
}

QString DropRefusalMessage(DropTarget target, DropRefusal refusal) {
    switch (refusal) {
    case DropRefusal::None:
        return QString();
    case DropRefusal::NoFile:
        return QStringLiteral("  ファイルをドロップして下さい  ");
    case DropRefusal::SeveralFiles:
        return QStringLiteral("  ファイルは１つずつドロップして下さい  ");
    case DropRefusal::Folder:
        return QStringLiteral("  フォルダーは読み込めません  \n  ファイルをドロップして下さい  ");
    case DropRefusal::NotLocal:
        return QStringLiteral("  このコンピューター上のファイルだけ読み込めます  ");
    case DropRefusal::WrongKind:
        return target == DropTarget::PointFile
                   ? QStringLiteral("  読み込めるのはデータファイル（.csv / .dat）です  ")
                   : QStringLiteral("  読み込めるのは補間データファイル（-Mi.csv）です  ");
    case DropRefusal::NotNow:
        return QStringLiteral("  いまは新しいデータを読み込めません  ");
    }
    return QString();
}

QString HandOverOffMessage(HandOverTrouble trouble, const QString& folder) {
    QString why;
    switch (trouble) {
    case HandOverTrouble::FolderOfAnotherUser:
        why = QStringLiteral("ファイル受け渡し用のフォルダが別のユーザーのものです");
        break;
    case HandOverTrouble::FolderOpenToOthers:
        why = QStringLiteral("ファイル受け渡し用のフォルダが他のユーザーにも開かれています");
        break;
    case HandOverTrouble::FolderNotAFolder:
        why = QStringLiteral("ファイル受け渡し用のフォルダがフォルダではありません");
        break;
    case HandOverTrouble::FolderNotMade:
        why = QStringLiteral("ファイル受け渡し用のフォルダを作れません");
        break;
    case HandOverTrouble::CannotListen:
        why = QStringLiteral("ファイル受け渡しの準備ができません");
        break;
    }
    return QStringLiteral("　%1　\n　%2　\n\n"
                          "　この Mirendo はこのまま使えますが、デスクトップから開いたファイルは　\n"
                          "　この Mirendo には渡されません　")
        .arg(why, QDir::toNativeSeparators(folder));
}

QString FileNotHandedOverMessage(const QString& file) {
    return QStringLiteral("　%1 を実行中の Mirendo に渡せませんでした　").arg(QDir::toNativeSeparators(file));
}

QString UndrawableLimitMessage(int box, const std::string& text, bool logAxis) {
    const QString largest = Text(GeneralText(logAxis ? kLargestLogLimit : kLargestLinearLimit));
    const QString head = QStringLiteral("　%1 の値「%2」では%3を描けません　\n")
                             .arg(SettingBoxName(box), QuotedItem(text),
                                  logAxis ? QStringLiteral("対数軸") : QStringLiteral("グラフ"));
    if (logAxis)
        return head + QStringLiteral("　（%1 から %2 までの正の値を入力して下さい）　")
                          .arg(Text(GeneralText(kSmallestLogLimit)), largest);
    return head + QStringLiteral("　（絶対値が %1 までの値を入力して下さい）　").arg(largest);
}

QString PointsOutsideMessage(int count) {
    return QStringLiteral("　データ点のうち %1 点がグラフの範囲の外にあります　\n"
                          "　（開始値・終了値を確かめて下さい）　")
        .arg(count);
}

QString EntryValueMessage(const QString& axis, const std::string& text, bool beyondDouble) {
    if (beyondDouble)
        return QStringLiteral("　%1 の値「%2」は大きすぎるか小さすぎて扱えません　")
            .arg(axis, QuotedItem(text));
    return QStringLiteral(
               "　%1 の値「%2」は計算できません　\n"
               "　計算は単精度で行うため、負の値は約 -3.4E+38 から約 -1.2E-38 までだけを扱えます　")
        .arg(axis, QuotedItem(text));
}

// The recovery file of the points typed by hand.
QString RecoveryQuestion() {
    return QStringLiteral("前回の入力が残っています。復元しますか？");
}

QString RecoveryDamagedMessage() {
    return QStringLiteral("　前回の入力の記録が壊れているため、復元できません　\n"
                          "　（壊れた記録は削除しました）　");
}

QString RecoveryNotWrittenMessage(const exchange::Failure& failure) {
    return QStringLiteral("  手入力したデータの控えを作業フォルダに保存できません\n") +
           WriteFailureMessage(failure) +
           QStringLiteral("\n　（このままでは、プログラムが異常終了すると入力が失われます）　");
}

QString ReplaceTypedPointsQuestion() {
    return QStringLiteral("　手入力したデータ点がまだ保存されていません　\n"
                          "　新しいデータ点で置き換えますか？　");
}

// The chart window.
QString ChartPictureMessage(const ChartPictureRead& read, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    switch (read.status) {
    case ChartPictureRead::Status::Read:
        return {};
    case ChartPictureRead::Status::NotReadable:
        return QStringLiteral("　%1 は画像として開けません　\n"
                              "　（PNG・JPEG・BMP・GIF・SVG・PDF の画像を選んで下さい）　")
            .arg(name);
    case ChartPictureRead::Status::Damaged:
        return QStringLiteral("　%1 は壊れているため、画像を読み取れません　").arg(name);
    case ChartPictureRead::Status::TooLarge:
        return QStringLiteral("　%1 は画素数が多すぎて開けません（16000 × 16000 画素まで）　").arg(name);
    case ChartPictureRead::Status::PdfPluginMissing:
        return QStringLiteral("　PDF を開くためのライブラリ（Qt PDF）が見つかりません　\n"
                              "　PDF のページを画像（PNG など）にしてから開いて下さい　");
    case ChartPictureRead::Status::NoSuchPdfPage:
        return QStringLiteral("　%1 にこのページはありません（全 %2 ページ）　")
            .arg(name)
            .arg(read.pdfPageCount);
    }
    return {};
}

QString ChartSideFileQuestion() {
    return QStringLiteral("この画像の前回の目盛り合わせと点が残っています。読み込みますか？");
}

QString ChartSideFileRefusedMessage(const chart::SideFileRefusal& refusal) {
    return QStringLiteral("　前回の目盛り合わせと点を読み込めません　\n　") +
           QString::fromStdString(ChartSideFileText(refusal)) + QStringLiteral("　");
}

QString ChartSideFileNotWrittenMessage(const exchange::Failure& failure) {
    return QStringLiteral("  目盛り合わせと点を画像の横に保存できません\n") + WriteFailureMessage(failure) +
           QStringLiteral("\n　（次に画像を開いたとき、この目盛り合わせと点は戻りません）　");
}

QString ChartNoPictureInClipboardMessage() {
    return QStringLiteral("　クリップボードに画像がありません　");
}

QString ChartReferenceValueMessage(const QString& reference, const QString& text) {
    return QStringLiteral("　基準点 %1 の値「%2」は数値ではありません　").arg(reference, text);
}

QString ChartCalibrationMessage(const chart::CalibrationRefusal& refusal) {
    return QStringLiteral("　目盛りが決まりません　\n　") +
           QString::fromStdString(ChartCalibrationText(refusal)) + QStringLiteral("　");
}

QString ChartNoPointsMessage() {
    return QStringLiteral("　読み取った点がありません　");
}

QString ChartNoLineMessage() {
    return QStringLiteral("　点の近くに線が見つかりません　");
}

} // namespace mirendo
