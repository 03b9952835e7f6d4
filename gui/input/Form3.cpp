#include "input/Form3.h"

#include "widgets/EnterKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/ValueLabel.h"

#include <QPushButton>

namespace mirendo {

namespace {

// A refused item as the user wrote it, short enough for one line, with nothing that a label
// could take for a control character.
QString QuotedItem(const std::string& item) {
    constexpr int kMaxChars = 20;
    QString text = QString::fromStdString(item);
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

QString FieldName(PointField field) {
    return field == PointField::X ? QStringLiteral("X") : QStringLiteral("Y");
}

QString Body(const PointFileRead& read, const QString& fileName) {
    const QString field = FieldName(read.failureField);
    switch (read.failure) {
    case PointFileFailure::None:
        break;
    case PointFileFailure::CannotOpen:
        return QStringLiteral("ファイルを開けません：%1").arg(fileName);
    case PointFileFailure::TooLarge:
        return QStringLiteral("ファイルが大きすぎます（%1 KiB を超えています）：%2")
            .arg(PointFileRead::kMaxFileBytes / 1024)
            .arg(fileName);
    case PointFileFailure::LineTooLong:
        return QStringLiteral("行が長すぎます（%1 バイトを超えています）").arg(PointFileRead::kMaxLineBytes);
    case PointFileFailure::NotText:
        return read.failureLine > 0
                   ? QStringLiteral("NUL 文字があります（テキストファイルではありません）")
                   : QStringLiteral("UTF-16 の形式です（テキストは UTF-8 で保存して下さい）：%1")
                         .arg(fileName);
    case PointFileFailure::TooManyLines:
        return QStringLiteral("データ数が %1 を超えています").arg(PointFileRead::kMaxPoints);
    case PointFileFailure::OverListLimit:
        return QStringLiteral("データ数が %1 を超えています（ファイルは %2 行を超えています）")
            .arg(PointFileRead::kMaxPoints)
            .arg(PointFileRead::kMaxListedLines);
    case PointFileFailure::OutOfItems:
        return QStringLiteral("%1 の値がありません（ファイル全体で値が足りません）").arg(field);
    case PointFileFailure::NotANumber:
        return read.failureItem.empty()
                   ? QStringLiteral("%1 の値が空です（余分なカンマがあります）").arg(field)
                   : QStringLiteral("%1 の値「%2」が数値ではありません")
                         .arg(field, QuotedItem(read.failureItem));
    case PointFileFailure::OutOfRange:
        return QStringLiteral("%1 の値「%2」は大きすぎるか小さすぎて扱えません")
            .arg(field, QuotedItem(read.failureItem));
    }
    return {};
}

} // namespace

QString ReadErrorCause(const PointFileRead& read, const QString& fileName) {
    const QString body = Body(read, fileName);
    if (read.failureLine <= 0)
        return body;
    return QStringLiteral("%1 行目：%2").arg(read.failureLine).arg(body);
}

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    SetUpWindow(this, "Form3", QStringLiteral("読み込みエラー"), 7935, 7020);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form3.tsv"));
    auto* close = c.get<QPushButton>("Command1");
    m_cause = c.get<ValueLabel>("LabelCause");
    // The line quotes the file's text: never taken for markup.
    m_cause->setTextFormat(Qt::PlainText);
    m_cause->setWordWrap(true);
    m_cause->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_cause->setMeaning(QStringLiteral("読み込みエラーの原因"));
    ConnectButtonHandlers(this);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
}

void Form3::setCause(const PointFileRead& read, const QString& fileName) {
    m_cause->setValue(ReadErrorCause(read, fileName));
}

void Form3::Command1_Click() {
    hide();
}

} // namespace mirendo
