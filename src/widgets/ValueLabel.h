#pragma once
// A label that shows a value: a screen reader hears the value (the text shown is the accessible
// name) and learns what it is from the accessible description ("X の最小値"). Every change of the
// value is announced to assistive technology.
#include <QLabel>

namespace mirendo {

class ValueLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // What the value is, for assistive technology.
    void setMeaning(const QString& meaning) { setAccessibleDescription(meaning); }

    // Shows `value` (empty: nothing shown) and announces the new name when it differs.
    void setValue(const QString& value);
    void clearValue() { setValue(QString()); }
};

} // namespace mirendo
