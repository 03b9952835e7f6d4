#include "windows/Form3.h"

#include "qt/messages/Messages.h"
#include "widgets/EnterKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/ValueLabel.h"

#include <QPushButton>

namespace mirendo {

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    SetUpWindow(this, "Form3", tr("読み込みエラー"), 7935, 7020);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form3.tsv"));
    auto* close = c.get<QPushButton>("Command1");
    m_cause = c.get<ValueLabel>("LabelCause");
    // The line quotes the file's text: never taken for markup.
    m_cause->setTextFormat(Qt::PlainText);
    m_cause->setWordWrap(true);
    m_cause->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_cause->setMeaning(tr("読み込みエラーの原因"));
    ConnectButtonHandlers(this);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
}

void Form3::setCause(const PointFileRead& read, const QString& fileName) {
    m_cause->setValue(read.failure ? PointFileMessage(*read.failure, fileName) : QString());
}

void Form3::Command1_Click() {
    hide();
}

} // namespace mirendo
