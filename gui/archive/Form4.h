#pragma once
// "Data save": writes the interpolated-data file "<name>-Mi.csv" into the folder chosen in its
// lists. Modeless; hidden (not closed) after OK and Cancel so it keeps its folder.
#include "state/Module1.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mirendo {

class FolderLists;

class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(Module1& state, QWidget* parent = nullptr);

    // The main window's Text5..Text10 (X start, X stop, X step, Y start, Y stop, Y step) as they
    // stand at save time.
    void setSettingTextsProvider(std::function<std::array<QString, 6>()> provider);
    // Name box := `defaultName`, then shown.
    void openWith(const QString& defaultName);

    FolderLists* folderLists() const { return m_lists; }

  public slots:
    void Command1_Click(); // OK: validate and write
    void Command2_Click(); // Cancel

  private:
    // The file's full path, or "" after a message explaining why the name cannot be used.
    QString targetPath();

    Module1& m_state;
    std::function<std::array<QString, 6>()> m_settingTexts;
    FolderLists* m_lists = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace mirendo
