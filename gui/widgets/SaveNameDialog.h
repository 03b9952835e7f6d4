#pragma once
// The save dialogs' common part: a folder chosen in the drive/folder/file lists, a file name typed
// without its extension (Text1), OK and Cancel. Subclasses write their file in Command1_Click
// through targetPath() and saveAtomically(). Modeless; hidden (not closed) after OK and Cancel so
// it keeps its folder.
#include "widgets/FormLayout.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QIODevice;
class QLineEdit;

namespace mirendo {

class FolderLists;

class SaveNameDialog : public QWidget {
    Q_OBJECT
  public:
    FolderLists* folderLists() const { return m_lists; }

  protected:
    // The table at `tablePath` holds Drive1, Dir1, File1, Text1, Command1 and Command2; the lists
    // show `patterns`.
    SaveNameDialog(const char* objectName, const QString& title, const QString& tablePath,
                   const QStringList& patterns, QWidget* parent);

    // Name box := `proposedName`, then shown, the name selected for typing over.
    void openWithName(const QString& proposedName);
    // The full path of "<name><suffix>" in the chosen folder, or "" after a message that says why
    // the typed name cannot be used.
    QString targetPath(const QString& suffix);
    // Writes through `write` into a temporary file renamed over `path` only once complete, so a
    // failure (no permission, full disk, a folder of that name) leaves an existing file as it was.
    // False after a message headed by `failure`.
    bool saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                        const QString& failure);

  private slots:
    // Handlers of the controls, connected in the constructor.
    virtual void Command1_Click() = 0; // OK: check the name and save
    void Command2_Click();             // Cancel

  private:
    FolderLists* m_lists = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace mirendo
