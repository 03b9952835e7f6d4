#pragma once
// "Image Save": writes the graph picture it was opened with into the folder chosen in its lists,
// as "<name>.bmp" (the default), ".png" or ".svg" after the format chosen beside the name box.
// BMP and PNG hold the image as shown; SVG the same drawing as vectors. The caption above the lists
// names the chosen format.
#include "qt/canvas/GraphPicture.h"
#include "qt/export/GraphImageFile.h"
#include "widgets/SaveNameDialog.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;

namespace mirendo {

class Form5 : public SaveNameDialog {
    Q_OBJECT
  public:
    explicit Form5(QWidget* parent = nullptr);

    // Name box := `proposedName`, then shown; OK saves `picture`. The format chosen last stays.
    void open(const QString& proposedName, const GraphPicture& picture);

    ImageFormat format() const;
    // "目盛りと信頼性を含める": a PNG or SVG gets the limit labels and the trust line around
    // the graph (on by default; a BMP is always the graph alone).
    bool withScale() const;

  private slots:
    // Handlers of the controls, connected in the constructor.
    void Command1_Click() override; // OK: save
    void Combo1_Click(int index);   // format chosen: caption, suffix and file list follow it

  private:
    GraphPicture m_picture;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label5 = nullptr;
    QCheckBox* m_withScale = nullptr;
};

} // namespace mirendo
