#include "widgets/ValueLabel.h"

#include <QAccessible>

namespace mirendo {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {}

void ValueLabel::setValue(const QString& value) {
    if (value == text())
        return;
    setText(value);
    // The label has no accessible name of its own, so its text is its name. QLabel::setText may
    // report the change itself (Qt does for labels without a set name, clear() never does); it is
    // reported here regardless: a second report costs a screen reader nothing, a missing one
    // leaves it reading the old value.
    if (!accessibleName().isEmpty())
        setAccessibleName(QString());
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace mirendo
