// Failures turned into what the user reads: one row per cause with a fixed text.
#include "qt/messages/Messages.h"

#include <QFile>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cerrno>
#include <functional>

namespace mirendo {
namespace {

using exchange::Cause;
using exchange::Failure;
using exchange::Subject;

// A failure with where it happened, as the readers fill it in.
Failure At(Cause cause, int line, Subject subject, std::string item = {}, int code = 0) {
    Failure failure = Failure::Of(cause, code);
    failure.line = line;
    failure.subject = subject;
    failure.item = std::move(item);
    return failure;
}
Failure AtSetting(Cause cause, int box, std::string item = {}) {
    Failure failure = At(cause, 0, Subject::Setting, std::move(item));
    failure.field = box + 1;
    return failure;
}

// A failure and the text the user reads for it.
struct FailureText {
    Failure failure;
    QString text;
};

TEST(CalculationMessage, EveryCauseOfTheBridgeHasItsText) {
    const QString failed = QStringLiteral("　補間計算に失敗しました　\n");
    const QString unreadable = QStringLiteral("　計算結果ファイルを読み込めません　\n");
    const QString floatFault = QStringLiteral(
        "（計算中に%1が起きました。X の値が近すぎる点や、大きすぎる値がないか確かめて下さい）");
    const FailureText rows[] = {
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

TEST(WriteFailureMessage, EveryErrorNumberGivesThePathAndACauseWithoutLatinLetters) {
    const QString path = QStringLiteral("/home/u/データ/06-01-2026-Mi.csv");
    for (int code = 1; code < 134; ++code) {
        const QStringList lines =
            WriteFailureMessage(
                Failure::OfFile(Cause::WriteFailed, QFile::encodeName(path).toStdString(), code))
                .split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << code;
        EXPECT_EQ(lines[0], QStringLiteral("  ") + path + QStringLiteral("  "));
        EXPECT_FALSE(lines[1].contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << code << " " << lines[1].toStdString();
    }
    const QString longPath =
        QStringLiteral("/") + QString(100, QLatin1Char('d')) + QStringLiteral("/f-Mi.csv");
    EXPECT_EQ(WriteFailureMessage(Failure::OfFile(Cause::WriteFailed, longPath.toStdString(), EROFS)),
              QStringLiteral("  ") + longPath.left(30) + QStringLiteral("…") + longPath.right(50) +
                  QStringLiteral("  \n  書き込みのできない場所です  "));
}

TEST(ArchiveReadText, EveryRefusalOfASavedCurveInOneLine) {
    const FailureText rows[] = {
        {Failure::OfFile(Cause::FileMissing, "/d/a-Mi.csv", ENOENT), "ファイルがありません"},
        {Failure::OfFile(Cause::FileUnreadable, "/d/a-Mi.csv", EACCES), "ファイルを読む権限がありません"},
        {Failure::OfFile(Cause::FileNotRegular, "/d", EISDIR), "フォルダです（ファイルを指定して下さい）"},
        {Failure::OfFile(Cause::FileNotRegular, "/dev/null"), "通常のファイルではありません（デバイスなど）"},
        {Failure::Of(Cause::FileReadFailed, EIO), "ファイルの読み込み中にエラーが起きました"},
        {Failure::Of(Cause::FileTooLarge, 1 << 20), "ファイルが大きすぎます（1 MiB を超えています）"},
        {Failure::OfFile(Cause::NotAnArchive, "/d/a.txt"), "補間データのファイル（*-Mi.csv）ではありません"},
        {Failure::Of(Cause::PointFileNotArchive),
         "データ点のファイルです（補間データのファイル *-Mi.csv ではありません）"},
        {Failure::Of(Cause::UnreadType),
         "Mirendo が読み込まない種類のファイルです（読み込むのは .csv・.dat・-Mi.csv です）"},
        {Failure::Of(Cause::EndedEarly), "ファイルが途中で終わっています"},
        {At(Cause::EndedEarly, 0, Subject::PointCount), "ファイルが途中で終わっています（データ点の数）"},
        {At(Cause::NotANumber, 9, Subject::Coefficient), "9 行目の 係数 が数値ではありません"},
        {At(Cause::NotANumber, 12, Subject::CurveY), "12 行目の Y が数値ではありません"},
        {At(Cause::NotAnInteger, 1, Subject::ScaleMode), "1 行目の スケールモード が整数ではありません"},
        {At(Cause::OutOfRange, 13, Subject::CurveX), "13 行目の X が大きすぎます"},
        {AtSetting(Cause::OutOfRange, 5), "Y 軸 増分 の値が大きすぎます"},
        {Failure::Of(Cause::BadScaleMode, 5), "スケールモードが 1〜4 ではありません"},
        {Failure::Of(Cause::TooManyPoints, -1), "データ点の数 -1 が 0〜10 の範囲外です"},
        {Failure::Of(Cause::TooManySamples, 601), "補間点の数 601 が 0〜600 の範囲外です"},
        {AtSetting(Cause::EmptyAxisRange, 3), "Y 軸の開始値が終了値より小さくありません"},
        {AtSetting(Cause::NonPositiveLogStart, 0), "X 軸（対数）の開始値が正ではありません"},
        {AtSetting(Cause::MalformedDecade, 1, "1.0E+3"),
         "X 軸（対数）の範囲 \"1.0E+3\" が 1.0E+02 の形ではありません"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ArchiveReadText(row.failure), row.text);
    EXPECT_EQ(ArchiveOpenMessage(Failure::Of(Cause::BadScaleMode), QStringLiteral("a-Mi.csv")),
              QStringLiteral(
                  "  このファイルは読み込めません  \n  a-Mi.csv\n  スケールモードが 1〜4 ではありません  "));
}

TEST(ArchiveSaveMessage, NamesTheBoxAndAsksForItToBeCorrected) {
    const SettingTexts settings{"7", "5", "1", "0", "10", "1"};
    const QString fix = QStringLiteral("  \n  メイン画面のグラフ設定を直して下さい  ");
    Failure notFinite = At(Cause::ValueNotFinite, 0, Subject::Coefficient);
    notFinite.point = 2;
    const FailureText rows[] = {
        {AtSetting(Cause::SettingHasComma, 0),
         QStringLiteral("  保存できません：X 軸 開始値 の設定がカンマ（,）を含んでいます") + fix},
        {AtSetting(Cause::SettingHasLineBreak, 4),
         QStringLiteral("  保存できません：Y 軸 終了値 の設定が改行を含んでいます") + fix},
        {AtSetting(Cause::SettingStartsQuoted, 2),
         QStringLiteral("  保存できません：X 軸 増分 の設定が二重引用符（\"）で始まっています") + fix},
        {notFinite, QStringLiteral("  保存できません：Coef(2) が有限の数ではありません  ")},
        {AtSetting(Cause::EmptyAxisRange, 0),
         QStringLiteral("  保存できません：X 軸 開始値 の設定「7」では開けないファイルになります"
                        "（X 軸の開始値が終了値より小さくありません）") +
             fix},
        {At(Cause::OutOfRange, 14, Subject::CurveY),
         QStringLiteral("  保存できません：14 行目の Y が大きすぎます  ")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ArchiveSaveMessage(row.failure, settings), row.text);
}

TEST(PointFileMessage, TheReadErrorWindowsCauseLine) {
    const QString name = QStringLiteral("p.csv");
    const FailureText rows[] = {
        {At(Cause::NotANumber, 3, Subject::Y, "abc"), "3 行目：Y の値「abc」が数値ではありません"},
        {At(Cause::NotANumber, 1, Subject::X), "1 行目：X の値が空です（余分なカンマがあります）"},
        {At(Cause::NotANumber, 2, Subject::X, "123456789012345678901234"),
         "2 行目：X の値「1234567890123456789…」が数値ではありません"},
        {At(Cause::NotANumber, 2, Subject::Y, "a\tb"), "2 行目：Y の値「a\uFFFDb」が数値ではありません"},
        {At(Cause::OutOfRange, 1, Subject::Y, "1E+400"),
         "1 行目：Y の値「1E+400」は大きすぎるか小さすぎて扱えません"},
        {At(Cause::EndedEarly, 3, Subject::X), "3 行目：X の値がありません（ファイル全体で値が足りません）"},
        {At(Cause::TooManyPoints, 11, Subject::None, {}, 11), "11 行目：データ数が 10 を超えています"},
        {At(Cause::TooManyLines, 11, Subject::None, {}, 100),
         "11 行目：データ数が 10 を超えています（ファイルは 100 行を超えています）"},
        {At(Cause::LineTooLong, 2, Subject::None, {}, 4096),
         "2 行目：行が長すぎます（4096 バイトを超えています）"},
        {At(Cause::NotText, 2, Subject::None),
         "2 行目：NUL 文字があります（テキストファイルではありません）"},
        {Failure::Of(Cause::NotText), "UTF-16 の形式です（テキストは UTF-8 で保存して下さい）：p.csv"},
        {Failure::Of(Cause::FileTooLarge, 64 * 1024),
         "ファイルが大きすぎます（64 KiB を超えています）：p.csv"},
        {Failure::OfFile(Cause::FileMissing, "/d/p.csv"), "ファイルがありません：p.csv"},
        {At(Cause::AmbiguousLine, 2, Subject::None, {}, 1),
         "2 行目：カンマが小数点か値の区切りか決められません（小数点にカンマを使うときは、X と Y "
         "をセミコロン（;）で区切って下さい）"},
        {At(Cause::AmbiguousLine, 1, Subject::None, {}, 2),
         "1 行目：数字の間に改行しない空白があります（桁区切りか値の区切りか決められません）"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PointFileMessage(row.failure, name), row.text);
}

TEST(RequestMessage, NamesTheValueTheEngineCannotTake) {
    const QString single = QStringLiteral("は計算できません　\n"
                                          "　計算は単精度で行うため、0 と、絶対値が約 1.2E-38 から"
                                          "約 3.4E+38 までの値だけを扱えます　");
    Failure point = At(Cause::NotCarried, 0, Subject::Y, "1E+100");
    point.point = 3;
    const FailureText rows[] = {
        {At(Cause::NotCarried, 0, Subject::XStart, "nan"), QStringLiteral("　X 軸の開始値 nan ") + single},
        {At(Cause::NotCarried, 0, Subject::XStop, "1E+39"), QStringLiteral("　X 軸の終了値 1E+39 ") + single},
        {point, QStringLiteral("　データ点 3 の Y 値 1E+100 ") + single},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RequestMessage(row.failure), row.text);
}

TEST(OtherMessages, EachHasItsText) {
    const QString pasteRefused = QStringLiteral(" 貼り付けたデータは入力されませんでした \n %1 ");
    const std::pair<QString, QString> rows[] = {
        {PasteMessage(At(Cause::NotAPair, 2, Subject::None)),
         pasteRefused.arg(QStringLiteral("2 行目：X と Y の 2 つの数値の行ではありません"))},
        {PasteMessage(At(Cause::TooManyPasted, 11, Subject::None, {}, 10)),
         pasteRefused.arg(QStringLiteral("11 行目：データ数が上限を超えます（あと 10 点まで入力できます）"))},
        {PasteMessage(At(Cause::NotANumber, 3, Subject::X, "abc")),
         pasteRefused.arg(QStringLiteral("3 行目：X の値「abc」が数値ではありません"))},
        {PointsOutsideMessage(1), QStringLiteral("　データ点のうち 1 点がグラフの範囲の外にあります　\n"
                                                 "　（開始値・終了値を確かめて下さい）　")},
        {EntryValueMessage(QStringLiteral("Y"), "1e400", true),
         QStringLiteral("　Y の値「1e400」は大きすぎるか小さすぎて扱えません　")},
        {EntryValueMessage(QStringLiteral("X"), "-1e39", false),
         QStringLiteral(
             "　X の値「-1e39」は計算できません　\n"
             "　計算は単精度で行うため、負の値は約 -3.4E+38 から約 -1.2E-38 までだけを扱えます　")},
        {UndrawableLimitMessage(4, "1.000E+100", false),
         QStringLiteral("　Y 軸 終了値 の値「1.000E+100」ではグラフを描けません　\n"
                        "　（絶対値が 1E+37 までの値を入力して下さい）　")},
        {UndrawableLimitMessage(3, "-2.0", true),
         QStringLiteral("　Y 軸 開始値 の値「-2.0」では対数軸を描けません　\n"
                        "　（1E-99 から 1E+308 までの正の値を入力して下さい）　")},
        {RecoveryQuestion(), QStringLiteral("前回の入力が残っています。復元しますか？")},
        {ExampleCutNote(655), QStringLiteral("（ファイルが長いため先頭の 655 行だけを表示しています）")},
    };
    for (const auto& [shown, text] : rows)
        EXPECT_EQ(shown, text);
}

// A cause added to the list without words would reach the user as a heading with nothing under
// it. Each door words the causes of its own family and gives a fallback for any other; every
// cause must be worded by some door, i.e. get a text there that differs from the door's text for
// a value past the last cause.
TEST(Messages, EveryCauseHasAReason) {
    const SettingTexts settings{"1", "2", "1", "1", "2", "1"};
    const std::function<QString(const Failure&)> doors[] = {
        [](const Failure& f) { return CalculationMessage(f); },
        [](const Failure& f) { return ArchiveReadText(f); },
        [](const Failure& f) { return PointFileMessage(f, QStringLiteral("p.csv")); },
        [](const Failure& f) { return PasteMessage(f); },
        [&settings](const Failure& f) { return ArchiveSaveMessage(f, settings); },
        // The request check fails only with NotCarried, and its box words nothing else.
        [](const Failure& f) { return f.cause == Cause::NotCarried ? RequestMessage(f) : QString(); },
    };
    const auto failureOf = [](int cause) {
        Failure failure = AtSetting(Cause(cause), 0, "x");
        failure.line = 2;
        failure.code = 1;
        return failure;
    };
    const Failure unknown = failureOf(int(exchange::kLastCause) + 1);
    for (int cause = 0; cause <= int(exchange::kLastCause); ++cause) {
        bool worded = false;
        for (const auto& door : doors) {
            const QString text = door(failureOf(cause));
            worded = worded || (!text.isEmpty() && text != door(unknown));
        }
        EXPECT_TRUE(worded) << "cause " << cause << " has no words";
    }
}

TEST(ChartMessages, EachHasItsText) {
    const auto read = [](ChartPictureRead::Status status, int pages = 0) {
        ChartPictureRead result;
        result.status = status;
        result.pdfPageCount = pages;
        return result;
    };
    const QString path = QStringLiteral("/data/図.png");
    const std::pair<QString, QString> rows[] = {
        {ChartPictureMessage(read(ChartPictureRead::Status::NotReadable), path),
         QStringLiteral("　図.png は画像として開けません　\n"
                        "　（PNG・JPEG・BMP・GIF・SVG・PDF の画像を選んで下さい）　")},
        {ChartPictureMessage(read(ChartPictureRead::Status::Damaged), path),
         QStringLiteral("　図.png は壊れているため、画像を読み取れません　")},
        {ChartPictureMessage(read(ChartPictureRead::Status::TooLarge), path),
         QStringLiteral("　図.png は画素数が多すぎて開けません（16000 × 16000 画素まで）　")},
        {ChartPictureMessage(read(ChartPictureRead::Status::PdfPluginMissing), path),
         QStringLiteral("　PDF を開くためのライブラリ（Qt PDF）が見つかりません　\n"
                        "　PDF のページを画像（PNG など）にしてから開いて下さい　")},
        {ChartPictureMessage(read(ChartPictureRead::Status::NoSuchPdfPage, 3), path),
         QStringLiteral("　図.png にこのページはありません（全 3 ページ）　")},
        {ChartSideFileQuestion(),
         QStringLiteral("この画像の前回の目盛り合わせと点が残っています。読み込みますか？")},
        {ChartSideFileRefusedMessage({chart::SideFileProblem::BadRecord, 4}),
         QStringLiteral("　前回の目盛り合わせと点を読み込めません　\n　較正ファイルの 4 行目が読めません　")},
        {ChartNoPictureInClipboardMessage(), QStringLiteral("　クリップボードに画像がありません　")},
        {ChartReferenceValueMessage(QStringLiteral("Y2"), QStringLiteral("abc")),
         QStringLiteral("　基準点 Y2 の値「abc」は数値ではありません　")},
        {ChartCalibrationMessage(
             {chart::CalibrationProblem::EqualValues, chart::ChartAxis::Y, chart::Reference::Y1}),
         QStringLiteral(
             "　目盛りが決まりません　\n　Y 軸の 2 つの基準点の値が同じです。違う値を入力してください　")},
        {ChartNoPointsMessage(), QStringLiteral("　読み取った点がありません　")},
        {ChartNoLineMessage(), QStringLiteral("　点の近くに線が見つかりません　")},
    };
    for (const auto& [shown, text] : rows)
        EXPECT_EQ(shown, text);
    EXPECT_TRUE(ChartPictureMessage(read(ChartPictureRead::Status::Read), path).isEmpty());
}

} // namespace
} // namespace mirendo
