#include "widgets/ListKeyChoice.h"

#include <QKeyEvent>
#include <QListWidget>

namespace mirendo {

ListKeyChoice::ListKeyChoice(QListWidget* list) : QObject(list), m_list(list) {
    list->installEventFilter(this);
}

bool ListKeyChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool choose = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                        (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier);
    QListWidgetItem* item = m_list->currentItem();
    if (!choose || !item)
        return QObject::eventFilter(watched, event);
    if (!key->isAutoRepeat()) {
        item->setSelected(true);
        emit chosen(item);
    }
    return true;
}

} // namespace mirendo
