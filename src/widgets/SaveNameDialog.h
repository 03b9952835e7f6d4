#pragma once
// The save dialogs' common part: a folder chosen in the drive/folder/file lists, a file name typed
// without its extension (Text1), OK and Cancel. Subclasses write their file in Command1_Click
// through targetPath() and save(). Modeless; hidden (not closed) after OK and Cancel so it keeps
// its folder. The file list is read again at every opening and after every save, so it shows the
// files a save of that name would replace.
#include "widgets/FormLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>

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

    // Name box := `proposedName`, the file list read again, then shown, the name selected for
    // typing over.
    void openWithName(const QString& proposedName);
    // The full path of "<name><suffix>" in the chosen folder, or "" after a message that says why
    // the typed name cannot be used.
    QString targetPath(const QString& suffix);
    // Writes `bytes` to `path` after asking whether an existing file of that name may be replaced.
    // The bytes go into a temporary file renamed over `path` only once complete, so a failure (no
    // permission, full disk, a folder of that name) leaves an existing file as it was. False when
    // the user keeps the existing file (nothing is said, the name box is ready for another name)
    // or after a message headed by `failure` that tells why the file could not be written.
    bool save(const QString& path, const QByteArray& bytes, const QString& failure);

  private slots:
    // Handlers of the controls, connected in the constructor.
    virtual void Command1_Click() = 0; // OK: check the name and save
    void Command2_Click();             // Cancel

  private:
    void readyForAnotherName();

    FolderLists* m_lists = nullptr;
    QLineEdit* m_text1 = nullptr;
};

} // namespace mirendo
