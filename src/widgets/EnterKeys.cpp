#include "widgets/EnterKeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace mirendo {

void EnterKeys::moveOn(QLineEdit* from, QWidget* to) {
    m_next.insert(from, to);
    from->installEventFilter(this);
}

void EnterKeys::clickOnEnter(QPushButton* button) {
    m_next.insert(button, nullptr);
    button->installEventFilter(this);
}

bool EnterKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !m_next.contains(watched))
        return QObject::eventFilter(watched, event);
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    if (QWidget* next = m_next.value(watched))
        next->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace mirendo
