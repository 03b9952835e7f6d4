#include "widgets/MessageBox.h"

#include "qt/messages/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace mirendo {

namespace {
MessageHook& Hook() {
    static MessageHook installed;
    return installed;
}
QuestionHook& AnswerHook() {
    static QuestionHook installed;
    return installed;
}
} // namespace

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    if (Hook()) {
        Hook()(text, icon);
        return;
    }
    QMessageBox::Icon boxIcon = QMessageBox::Warning;
    if (icon == MessageIcon::None)
        boxIcon = QMessageBox::NoIcon;
    else if (icon == MessageIcon::Critical)
        boxIcon = QMessageBox::Critical;
    else if (icon == MessageIcon::Question)
        boxIcon = QMessageBox::Question;
    QMessageBox box(boxIcon, QStringLiteral("Mirendo"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void SetMessageHook(MessageHook newHook) {
    Hook() = std::move(newHook);
}

bool AskYesNo(QWidget* parent, const QString& text, bool yesIsDefault) {
    if (AnswerHook())
        return AnswerHook()(text);
    if (Hook()) {
        Hook()(text, MessageIcon::Question);
        return false;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Mirendo"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    // The program loads no Qt translation; the buttons speak the window's language themselves.
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("MessageBox", "はい(&Y)"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("MessageBox", "いいえ(&N)"));
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void SetQuestionHook(QuestionHook newHook) {
    AnswerHook() = std::move(newHook);
}

QString NotANumberMessage(const QString& box) {
    return PaddedLines(QCoreApplication::translate("MessageBox", "%1 の値が数値ではありません"), kWideMargin)
        .arg(box);
}

void Beep() {
    QApplication::beep();
}

} // namespace mirendo
