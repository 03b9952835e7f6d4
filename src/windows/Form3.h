#pragma once
// Read-error window of the file input: fixed texts listing every possible cause, and under them
// the line of the file that failed and what is wrong on it.
#include "core/input/PointFileReader.h"

#include <QString>
#include <QWidget>

namespace mirendo {

class ValueLabel;

class Form3 : public QWidget {
    Q_OBJECT
  public:
    explicit Form3(QWidget* parent = nullptr);

    // Shows the cause of this failure under the fixed texts (set anew for every failure), e.g.
    // "3 行目：Y の値「abc」が数値ではありません"; a failure of the whole file names `fileName`.
    void setCause(const PointFileRead& read, const QString& fileName);

  private slots:
    // Handlers of the controls, connected in the constructor.
    void Command1_Click(); // "閉じる"

  private:
    ValueLabel* m_cause = nullptr;
};

} // namespace mirendo
