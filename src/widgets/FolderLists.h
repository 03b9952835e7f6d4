#pragma once
// The drive list (Drive1), folder list (Dir1) and file list (File1) that several dialogs share.
// The three are separate controls so each dialog can place them; FolderLists wires them:
// choosing a drive moves the folder list, choosing a folder moves the file list.
#include <QComboBox>
#include <QIcon>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>

namespace mirendo {

class FolderLists : public QObject {
    Q_OBJECT
  public:
    // `patterns` like {"*.dat", "*.csv"}; an empty list shows no file list (Form9 has its own).
    // Lists without an accessible name get one ("ドライブ", "フォルダ", "ファイル").
    FolderLists(QComboBox* drive, QListWidget* dir, QListWidget* file, QStringList patterns,
                QObject* parent = nullptr);

    // Dir1 shows the current folder's path first (open folder), then ".." (except at "/") and
    // the subfolders; activating an entry (double click, Enter) moves there.
    // Folder list to `path` (must exist), file list follows and is refreshed. False if unreadable.
    bool setPath(const QString& path);
    // Folder list to the current folder of the selected drive (the working folder when it is on
    // that drive, else the drive's root).
    void resetToCurrentFolderOfDrive();
    void refreshFiles();
    // The file list shows the files matching `patterns` from now on, refreshed at once.
    void setPatterns(const QStringList& patterns);
    // Patterns match names with their case as written (the archives' "*Mi.csv"); by default they
    // match in any case, as the point files' "*.csv" and the pictures' "*.bmp" do.
    void setCaseSensitive(bool caseSensitive);
    // The file list leaves out files of exactly these names even where they match the patterns,
    // from now on, refreshed at once.
    void setExcludedNames(const QStringList& names);

    QString path() const;         // folder the file list shows, never ending in '/' except "/"
    QString selectedName() const; // file name selected in File1, "" when none
    QString selectedPath() const; // path()/selectedName(), without doubling '/' at the root
    void clearSelection();
    // Selects `name` in File1 (without the choice signal); false when the list does not show it.
    bool selectFile(const QString& name);

  signals:
    // A file chosen in File1: a mouse click, or Enter or Space on the current file, so the
    // lists work without a mouse (arrow keys move, Enter chooses). One choice, one signal.
    void fileClicked(const QString& name);

  private:
    // Folder list to the current folder of the drive with root `root`; false if unreadable.
    bool moveToDrive(const QString& root);
    // Drive list shows the drive holding `path`, without emitting a change.
    void selectDriveOf(const QString& path);
    void fillFolders();

    QComboBox* m_drive;
    QListWidget* m_dir;
    QListWidget* m_file;
    QStringList m_patterns;
    QStringList m_excluded;
    bool m_caseSensitive = false;
    QString m_path;
    // The style's folder pictures, shared by every fill; each is read from the style when first drawn.
    QIcon m_openIcon, m_parentIcon, m_folderIcon;
};

// Joins a folder and a name with exactly one '/': "/" + "a" -> "/a", "/x" + "a" -> "/x/a".
QString JoinPath(const QString& folder, const QString& name);

} // namespace mirendo
