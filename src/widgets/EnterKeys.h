#pragma once
// Enter (Return or keypad Enter) in a registered text box moves the focus to its next widget;
// Enter on a registered button clicks it, so a point can be typed without the mouse.
#include <QHash>
#include <QObject>

class QLineEdit;
class QPushButton;
class QWidget;

namespace mirendo {

class EnterKeys : public QObject {
    Q_OBJECT
  public:
    explicit EnterKeys(QObject* parent) : QObject(parent) {}
    void moveOn(QLineEdit* from, QWidget* to);
    void clickOnEnter(QPushButton* button);

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QHash<QObject*, QWidget*> m_next;
};

} // namespace mirendo
