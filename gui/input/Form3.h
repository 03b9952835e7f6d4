#pragma once
// Read-error window of the file input: fixed texts listing every possible cause.
#include <QWidget>

namespace mirendo {

class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(QWidget* parent = nullptr);

  private slots:
    // Handlers of the controls, connected in the constructor.
    void Command1_Click(); // "閉じる"
};

} // namespace mirendo
