#include "qt/messages/Messages.h"

#include "core/input/DropChoice.h"
#include "core/messages/MessageTexts.h"

#include "core/text/NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace mirendo {

namespace {

using exchange::Cause;
using exchange::Failure;
using exchange::Subject;

// The catalogue's context of every message worded here: Words::tr("…") finds its translation.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

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
        return Words::tr("ファイル名が長すぎます");
    case EACCES:
    case EPERM:
        return Words::tr("この場所に書き込む権限がありません");
    case EROFS:
        return Words::tr("書き込みのできない場所です");
    case ENOSPC:
    case EDQUOT:
        return Words::tr("ディスクの空き容量が足りません");
    case ENOENT:
    case ENOTDIR:
        return Words::tr("保存先のフォルダがありません");
    case EISDIR:
        return Words::tr("同じ名前のフォルダがあります");
    case EINVAL:
    case EILSEQ:
        return Words::tr("この名前はファイル名に使えません");
    case EBUSY:
    case ETXTBSY:
        return Words::tr("ファイルが使用中です");
    case EMFILE:
    case ENFILE:
        return Words::tr("開いているファイルが多すぎます");
    case EIO:
        return Words::tr("ディスクの読み書きに失敗しました");
    default:
        break;
    }
    return Words::tr("ファイルを書き込めません（エラー番号 %1）").arg(code);
}

// Why the result file gave no result, as the second line under its heading.
QString ResultReadReason(Cause cause) {
    switch (cause) {
    case Cause::FileMissing:
        return Words::tr("（F2B.dat がありません）");
    case Cause::FileUnreadable:
    case Cause::FileReadFailed:
    case Cause::FileNotRegular:
    case Cause::FileTooLarge:
        return Words::tr("（F2B.dat を開けません）");
    case Cause::EndedEarly:
        return Words::tr("（ファイルが途中で終わっています）");
    case Cause::NotANumber:
        return Words::tr("（数値でない値があります）");
    case Cause::TooManyPoints:
        return Words::tr("（データ点の数が 10 を超えています）");
    case Cause::TooManySamples:
        return Words::tr("（補間点の数が 600 を超えています）");
    case Cause::BadScaleMode:
        return Words::tr("（スケールモードが不正です）");
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
        return Words::tr(
                   "（計算中に%1が起きました。X の値が近すぎる点や、大きすぎる値がないか確かめて下さい）")
            .arg(kind);
    };
    switch (failure.cause) {
    case Cause::EngineBadRequest:
        return Words::tr("（計算依頼ファイル B2F.dat がないか、内容が正しくありません）");
    case Cause::EngineDivideByZero:
        return floatFault(Words::tr("0 による割り算"));
    case Cause::EngineOverflow:
        return floatFault(Words::tr("桁あふれ"));
    case Cause::EngineInvalidOperation:
        return floatFault(Words::tr("無効な演算"));
    case Cause::EngineFloatFault:
        return floatFault(Words::tr("浮動小数点演算の異常"));
    case Cause::EngineCannotWrite:
        return Words::tr("（計算結果ファイル F2B.dat "
                         "を書き込めません。作業フォルダの空き容量と書き込み権限を確かめて下さい）");
    case Cause::EngineInternal:
        return Words::tr("（計算プログラムの内部エラーです。メモリが足りない可能性があります）");
    case Cause::EngineExitOther:
        return Words::tr("（計算プログラムが終了コード %1 で終了しました）").arg(failure.code);
    case Cause::EngineCrashed:
        return Words::tr("（計算プログラムが異常終了しました）");
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

QString PaddedLines(const QString& text, QStringView margin) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (!line.isEmpty())
            line = margin.toString() + line + margin.toString();
    return lines.join(QLatin1Char('\n'));
}

QString CalculationMessage(const exchange::Failure& failure) {
    switch (failure.cause) {
    case Cause::WriteFailed:
        return PaddedLines(Words::tr("計算依頼ファイル B2F.dat を書き込めません\n"), kWideMargin) +
               WriteFailureMessage(failure);
    case Cause::EngineNotFound:
        return PaddedLines(Words::tr("計算プログラム Ventrel が見つかりません"), kWideMargin);
    case Cause::EngineCannotStart: {
        QString text = PaddedLines(Words::tr("計算プログラム Ventrel を起動できません"), kWideMargin);
        if (!failure.file.empty())
            text += Words::tr("\n（%1 が実行できるファイルか確かめて下さい）").arg(PathText(failure.file));
        return text;
    }
    case Cause::EngineStillRunning:
        return Words::tr("　補間計算が終了していません　\n（しばらく待ってから、もう一度押して下さい）");
    case Cause::EngineStopped:
        return PaddedLines(Words::tr("補間計算が中断されました"), kWideMargin);
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
        return PaddedLines(Words::tr("補間計算に失敗しました\n"), kWideMargin) + runReason;
    return PaddedLines(Words::tr("計算結果ファイルを読み込めません\n"), kWideMargin) +
           ResultReadReason(failure.cause);
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
        return Words::tr("カンマ（,）を含んでいます");
    case Cause::SettingHasLineBreak:
        return Words::tr("改行を含んでいます");
    case Cause::SettingStartsQuoted:
        return Words::tr("二重引用符（\"）で始まっています");
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
        return Words::tr("ファイルが大きすぎます（%1 KiB を超えています）：%2")
            .arg(failure.code / 1024)
            .arg(fileName);
    case Cause::LineTooLong:
        return Words::tr("行が長すぎます（%1 バイトを超えています）").arg(failure.code);
    case Cause::NotText:
        return failure.line > 0
                   ? Words::tr("NUL 文字があります（テキストファイルではありません）")
                   : Words::tr("UTF-16 の形式です（テキストは UTF-8 で保存して下さい）：%1").arg(fileName);
    case Cause::TooManyPoints:
        return Words::tr("データ数が %1 を超えています").arg(10);
    case Cause::TooManyLines:
        return Words::tr("データ数が %1 を超えています（ファイルは %2 行を超えています）")
            .arg(10)
            .arg(failure.code);
    case Cause::EndedEarly:
        return Words::tr("%1 の値がありません（ファイル全体で値が足りません）").arg(field);
    case Cause::NotANumber:
        return failure.item.empty()
                   ? Words::tr("%1 の値が空です（余分なカンマがあります）").arg(field)
                   : Words::tr("%1 の値「%2」が数値ではありません").arg(field, QuotedItem(failure.item));
    case Cause::OutOfRange:
        return Words::tr("%1 の値「%2」は大きすぎるか小さすぎて扱えません")
            .arg(field, QuotedItem(failure.item));
    // A line that could be read two ways (the reader's reason codes 1 and 2).
    case Cause::AmbiguousLine:
        return failure.code == 2
                   ? Words::tr("数字の間に改行しない空白があります（桁区切りか値の区切りか決められません）")
                   : Words::tr("カンマが小数点か値の区切りか決められません（小数点にカンマを使うときは、"
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
        return Words::tr("%1：%2").arg(problem, fileName);
    return Words::tr("ファイルを開けません：%1").arg(fileName);
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
        why = Words::tr("%1 の設定が%2").arg(SettingBoxName(box), problem);
    else if (failure.cause == Cause::ValueNotFinite)
        why = Words::tr("%1(%2) が有限の数ではありません")
                  .arg(StateArrayName(failure.subject))
                  .arg(failure.point);
    else if (box >= 0 && box < 6)
        // The reader refused the bytes the save would write, for this box's text.
        why = Words::tr("%1 の設定「%2」では開けないファイルになります（%3）")
                  .arg(SettingBoxName(box), Text(settings[std::size_t(box)]), ArchiveReadText(failure));
    else
        why = ArchiveReadText(failure);
    return QStringLiteral("  ") + Words::tr("保存できません：%1").arg(why) +
           (box >= 0 ? QStringLiteral("  \n  ") + Words::tr("メイン画面のグラフ設定を直して下さい") +
                           QStringLiteral("  ")
                     : QStringLiteral("  "));
}

QString PointFileMessage(const exchange::Failure& failure, const QString& fileName) {
    const QString body = PointFileBody(failure, fileName);
    if (failure.line <= 0)
        return body;
    return Words::tr("%1 行目：%2").arg(failure.line).arg(body);
}

QString PasteMessage(const exchange::Failure& failure) {
    QString why;
    switch (failure.cause) {
    case Cause::NothingPasted:
        why = Words::tr("貼り付けるデータがありません");
        break;
    case Cause::TooManyPasted:
        why = Words::tr("%1 行目：データ数が上限を超えます（あと %2 点まで入力できます）")
                  .arg(failure.line)
                  .arg(failure.code);
        break;
    case Cause::NotAPair:
        why = Words::tr("%1 行目：X と Y の 2 つの数値の行ではありません").arg(failure.line);
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
        why = PointFileMessage(failure, Words::tr("クリップボード"));
        break;
    }
    return PaddedLines(Words::tr("貼り付けたデータは入力されませんでした\n%1"), kOneBlankMargin).arg(why);
}

QString RequestMessage(const exchange::Failure& failure) {
    const QString value = Text(failure.item);
    QString what;
    switch (failure.subject) {
    case Subject::XStart:
        what = Words::tr("X 軸の開始値 %1").arg(value);
        break;
    case Subject::XStop:
        what = Words::tr("X 軸の終了値 %1").arg(value);
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
        what = Words::tr("データ点 %1 の %2 値 %3")
                   .arg(failure.point)
                   .arg(failure.subject == Subject::X ? QLatin1Char('X') : QLatin1Char('Y'))
                   .arg(value);
        break;
    }
    return PaddedLines(Words::tr("%1 は計算できません\n計算は単精度で行うため、0 と、絶対値が約 1.2E-38 "
                                 "から約 3.4E+38 までの値だけを扱えます"),
                       kWideMargin)
        .arg(what);
}

QString FileRefusalMessage(const QString& why, const QString& shownName) {
    return Words::tr("  このファイルは読み込めません  \n  ") + shownName + QStringLiteral("\n  ") + why +
           QStringLiteral("  ");
}

QString StartFileMessage(const exchange::Failure& failure, const QString& path) {
    return FileRefusalMessage(Text(FileProblemText(failure)), ShownPath(path));
}

QString ArchiveNotListedMessage(const QString& path) {
    return FileRefusalMessage(Words::tr("ファイル一覧に表示できない名前です（隠しファイルなど）"),
                              ShownPath(path));
}

QString ExampleFileMessage(const exchange::Failure& failure, const QString& fileName) {
    QString why = Text(FileProblemText(failure));
    if (failure.cause == Cause::NotText)
        why = Words::tr("テキストファイルではありません");
    if (why.isEmpty())
        why = Words::tr("ファイルを読み込めません");
    return PaddedLines(Words::tr("ファイル %1 を読み込めませんでした\n%2"), kOneBlankMargin)
        .arg(fileName, why);
}

QString ExampleCutNote(int shownLines) {
    return Words::tr("（ファイルが長いため先頭の %1 行だけを表示しています）").arg(shownLines);
}

QString DropRefusalMessage(DropTarget target, DropRefusal refusal) {
    switch (refusal) {
    case DropRefusal::None:
        return QString();
    case DropRefusal::NoFile:
        return PaddedLines(Words::tr("ファイルをドロップして下さい"), kTwoBlankMargin);
    case DropRefusal::SeveralFiles:
        return PaddedLines(Words::tr("ファイルは１つずつドロップして下さい"), kTwoBlankMargin);
    case DropRefusal::Folder:
        return PaddedLines(Words::tr("フォルダーは読み込めません\nファイルをドロップして下さい"),
                           kTwoBlankMargin);
    case DropRefusal::NotLocal:
        return PaddedLines(Words::tr("このコンピューター上のファイルだけ読み込めます"), kTwoBlankMargin);
    case DropRefusal::WrongKind:
        return target == DropTarget::PointFile
                   ? PaddedLines(Words::tr("読み込めるのはデータファイル（.csv / .dat）です"),
                                 kTwoBlankMargin)
                   : PaddedLines(Words::tr("読み込めるのは補間データファイル（-Mi.csv）です"),
                                 kTwoBlankMargin);
    case DropRefusal::NotNow:
        return PaddedLines(Words::tr("いまは新しいデータを読み込めません"), kTwoBlankMargin);
    }
    return QString();
}

QString HandOverOffMessage(HandOverTrouble trouble, const QString& folder) {
    QString why;
    switch (trouble) {
    case HandOverTrouble::FolderOfAnotherUser:
        why = Words::tr("ファイル受け渡し用のフォルダが別のユーザーのものです");
        break;
    case HandOverTrouble::FolderOpenToOthers:
        why = Words::tr("ファイル受け渡し用のフォルダが他のユーザーにも開かれています");
        break;
    case HandOverTrouble::FolderNotAFolder:
        why = Words::tr("ファイル受け渡し用のフォルダがフォルダではありません");
        break;
    case HandOverTrouble::FolderNotMade:
        why = Words::tr("ファイル受け渡し用のフォルダを作れません");
        break;
    case HandOverTrouble::CannotListen:
        why = Words::tr("ファイル受け渡しの準備ができません");
        break;
    }
    return PaddedLines(
               Words::tr(
                   "%1\n%2\n\nこの Mirendo はこのまま使えますが、デスクトップから開いたファイルは\nこの "
                   "Mirendo には渡されません"),
               kWideMargin)
        .arg(why, QDir::toNativeSeparators(folder));
}

QString FileNotHandedOverMessage(const QString& file) {
    return PaddedLines(Words::tr("%1 を実行中の Mirendo に渡せませんでした"), kWideMargin)
        .arg(QDir::toNativeSeparators(file));
}

QString UndrawableLimitMessage(int box, const std::string& text, bool logAxis) {
    const QString largest = Text(GeneralText(logAxis ? kLargestLogLimit : kLargestLinearLimit));
    const QString head =
        PaddedLines(Words::tr("%1 の値「%2」では%3を描けません\n"), kWideMargin)
            .arg(SettingBoxName(box), QuotedItem(text), logAxis ? Words::tr("対数軸") : Words::tr("グラフ"));
    if (logAxis)
        return head + PaddedLines(Words::tr("（%1 から %2 までの正の値を入力して下さい）"), kWideMargin)
                          .arg(Text(GeneralText(kSmallestLogLimit)), largest);
    return head +
           PaddedLines(Words::tr("（絶対値が %1 までの値を入力して下さい）"), kWideMargin).arg(largest);
}

QString PointsOutsideMessage(int count) {
    return PaddedLines(
               Words::tr(
                   "データ点のうち %1 点がグラフの範囲の外にあります\n（開始値・終了値を確かめて下さい）"),
               kWideMargin)
        .arg(count);
}

QString EntryValueMessage(const QString& axis, const std::string& text, bool beyondDouble) {
    if (beyondDouble)
        return PaddedLines(Words::tr("%1 の値「%2」は大きすぎるか小さすぎて扱えません"), kWideMargin)
            .arg(axis, QuotedItem(text));
    return PaddedLines(Words::tr("%1 の値「%2」は計算できません\n計算は単精度で行うため、負の値は約 -3.4E+38 "
                                 "から約 -1.2E-38 までだけを扱えます"),
                       kWideMargin)
        .arg(axis, QuotedItem(text));
}

// The recovery file of the points typed by hand.
QString RecoveryQuestion() {
    return Words::tr("前回の入力が残っています。復元しますか？");
}

QString RecoveryDamagedMessage() {
    return PaddedLines(
        Words::tr("前回の入力の記録が壊れているため、復元できません\n（壊れた記録は削除しました）"),
        kWideMargin);
}

QString RecoveryNotWrittenMessage(const exchange::Failure& failure) {
    return Words::tr("  手入力したデータの控えを作業フォルダに保存できません\n") +
           WriteFailureMessage(failure) +
           PaddedLines(Words::tr("\n（このままでは、プログラムが異常終了すると入力が失われます）"),
                       kWideMargin);
}

QString ReplaceTypedPointsQuestion() {
    return PaddedLines(
        Words::tr("手入力したデータ点がまだ保存されていません\n新しいデータ点で置き換えますか？"),
        kWideMargin);
}

// The chart window.
QString ChartPictureMessage(const ChartPictureRead& read, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    switch (read.status) {
    case ChartPictureRead::Status::Read:
        return {};
    case ChartPictureRead::Status::NotReadable:
        return PaddedLines(Words::tr("%1 は画像として開けません\n"
                                     "（PNG・JPEG・BMP・GIF・SVG・PDF の画像を選んで下さい）"),
                           kWideMargin)
            .arg(name);
    case ChartPictureRead::Status::Damaged:
        return PaddedLines(Words::tr("%1 は壊れているため、画像を読み取れません"), kWideMargin).arg(name);
    case ChartPictureRead::Status::TooLarge:
        return PaddedLines(Words::tr("%1 は画素数が多すぎて開けません（16000 × 16000 画素まで）"),
                           kWideMargin)
            .arg(name);
    case ChartPictureRead::Status::PdfPluginMissing:
        return PaddedLines(Words::tr("PDF を開くためのライブラリ（Qt PDF）が見つかりません\n"
                                     "PDF のページを画像（PNG など）にしてから開いて下さい"),
                           kWideMargin);
    case ChartPictureRead::Status::NoSuchPdfPage:
        return PaddedLines(Words::tr("%1 にこのページはありません（全 %2 ページ）"), kWideMargin)
            .arg(name)
            .arg(read.pdfPageCount);
    }
    return {};
}

QString ChartSideFileQuestion() {
    return Words::tr("この画像の前回の目盛り合わせと点が残っています。読み込みますか？");
}

QString ChartSideFileRefusedMessage(const chart::SideFileRefusal& refusal) {
    return PaddedLines(Words::tr("前回の目盛り合わせと点を読み込めません\n%1"), kWideMargin)
        .arg(QString::fromStdString(ChartSideFileText(refusal)));
}

QString ChartSideFileNotWrittenMessage(const exchange::Failure& failure) {
    return Words::tr("  目盛り合わせと点を画像の横に保存できません\n") + WriteFailureMessage(failure) +
           PaddedLines(Words::tr("\n（次に画像を開いたとき、この目盛り合わせと点は戻りません）"),
                       kWideMargin);
}

QString ChartNoPictureInClipboardMessage() {
    return PaddedLines(Words::tr("クリップボードに画像がありません"), kWideMargin);
}

QString ChartReferenceValueMessage(const QString& reference, const QString& text) {
    return PaddedLines(Words::tr("基準点 %1 の値「%2」は数値ではありません"), kWideMargin)
        .arg(reference, text);
}

QString ChartCalibrationMessage(const chart::CalibrationRefusal& refusal) {
    return PaddedLines(Words::tr("目盛りが決まりません\n%1"), kWideMargin)
        .arg(QString::fromStdString(ChartCalibrationText(refusal)));
}

QString ChartNoPointsMessage() {
    return PaddedLines(Words::tr("読み取った点がありません"), kWideMargin);
}

QString ChartNoLineMessage() {
    return PaddedLines(Words::tr("点の近くに線が見つかりません"), kWideMargin);
}

QString ChartPastedWorkQuestion() {
    return Words::tr(
        "貼り付けた画像の目盛り合わせと点は保存されていません。別の画像に替えて、これを捨てますか？");
}

} // namespace mirendo
