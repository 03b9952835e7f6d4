#pragma once
// "Image Save": writes the graph image it was opened with as a BMP file "<name>.bmp" into the
// folder chosen in its lists.
#include "widgets/SaveNameDialog.h"

#include <QImage>
#include <QString>

namespace mirendo {

class Form5 : public SaveNameDialog {
    Q_OBJECT
  public:
    explicit Form5(QWidget* parent = nullptr);

    // Name box := `proposedName`, then shown; OK saves `image`.
    void open(const QString& proposedName, const QImage& image);

  public slots:
    void Command1_Click() override; // OK: save

  private:
    QImage m_image;
};

} // namespace mirendo
