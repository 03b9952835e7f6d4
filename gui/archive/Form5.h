#pragma once
// "Image Save": writes the graph of the main window (ImageSource 1) or of the browser (any other
// value) as a BMP file "<name>.bmp" into the folder chosen in its lists. Modeless.
#include "state/Module1.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace mirendo {

class FolderLists;

class Form5 : public QWidget {
    Q_OBJECT
  public:
    explicit Form5(Module1& state, QWidget* parent = nullptr);

    // 1: the main window's Picture1, 2: the browser's.
    void setImageProvider(int imageSource, std::function<QImage()> provider);
    // Name box := `proposedName`, then shown.
    void openWith(const QString& proposedName);

    FolderLists* folderLists() const { return m_lists; }

  public slots:
    void Command1_Click(); // OK: save
    void Command2_Click(); // Cancel

  private:
    Module1& m_state;
    std::function<QImage()> m_mainImage;
    std::function<QImage()> m_browserImage;
    FolderLists* m_lists = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace mirendo
