#include "input/Form3.h"

#include "widgets/EnterKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/PendingEvents.h"
#include "widgets/RangeLabels.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace mirendo {

Form3::Form3(QWidget* parent) : QWidget(parent, Qt::Window) {
    SetUpWindow(this, "Form3", QStringLiteral("読み込みエラー"), 7935, 6600);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/Form3.tsv"));
    auto* close = c.get<QPushButton>("Command1");
    ConnectButtonHandlers(this);
    auto* keys = new EnterKeys(this);
    keys->clickOnEnter(close);
}

void Form3::Command1_Click() {
    hide();
}

} // namespace mirendo
