#pragma once
// The chart window's "点ファイル保存": the points read off the picture written as a point file
// ("<name>.csv", a heading line and one pair a line) into the folder chosen in its lists; the
// file-input dialog reads it back to the same points.
#include "widgets/SaveNameDialog.h"

#include <QByteArray>
#include <QString>

namespace mirendo {

class FormChartSave : public SaveNameDialog {
    Q_OBJECT
  public:
    explicit FormChartSave(QWidget* parent = nullptr);

    // Name box := `proposedName`, then shown; OK saves `bytes`.
    void open(const QString& proposedName, const QByteArray& bytes);

  private slots:
    void Command1_Click() override; // OK: save

  private:
    QByteArray m_bytes;
};

} // namespace mirendo
