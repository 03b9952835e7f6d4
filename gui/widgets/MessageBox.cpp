#include "widgets/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace mirendo {

namespace {
MessageHook& Hook() {
    static MessageHook installed;
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
    QMessageBox box(boxIcon, QStringLiteral("Mirendo"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void SetMessageHook(MessageHook newHook) {
    Hook() = std::move(newHook);
}

void Beep() {
    QApplication::beep();
}

} // namespace mirendo
