#pragma once
// File-input dialog: browse drives and folders, click a point file, and its points are read,
// ordered and handed to the main window (pointsPublished); a failed read shows Form3 with its cause.
#include "core/input/PointFileReader.h"
#include "core/input/PublishedPoints.h"
#include "core/state/Module1.h"

#include <QWidget>

#include <array>
#include <functional>
#include <utility>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace mirendo {

class FolderLists;
class ValueLabel;
class Form3;

class Form10 : public QWidget {
    Q_OBJECT
  public:
    explicit Form10(Module1& state, QWidget* parent = nullptr);

    // Folder list to the current folder of the drive, file list refreshed, List1 and the range
    // labels emptied, no file read yet. Does not show the dialog.
    void prepare();

    // A point file dropped on the main window, already read (`read`): taken as a clicked file is,
    // then accepted as by "OK". A file that failed to read shows the read-error window and
    // changes nothing, as does one without points (with the message "OK" gives). True when the
    // points were accepted.
    bool readDroppedFile(const QString& path, const PointFileRead& read);
    // Text holding points (pasted, or a saved curve's points) read and accepted as a dropped
    // file is; `source` names it where a file name would stand.
    bool readDroppedText(const QString& text, const QString& source);

    // Asked before "クリップボードから" replaces the points in use; false keeps them.
    void setReplaceCheck(std::function<bool()> mayReplace) { m_mayReplace = std::move(mayReplace); }

    FolderLists* folderLists() const { return m_lists; }
    Form3* readErrorWindow() const { return m_form3; } // null until the first failed read

  signals:
    void readStarted();
    void pointsPublished(const mirendo::PublishedPoints& points);
    void readFailed();
    void accepted();
    void cancelled();
    // "データ書式": the data-format help window is to be shown.
    void helpRequested();
    // "グラフ画像": the points are to be read off a chart picture instead.
    void chartRequested();

  private:
    // The close box cancels: otherwise the hidden main window would never come back.
    void closeEvent(QCloseEvent* event) override;

  private slots:
    // Handlers of the controls, connected in the constructor.
    void File1_Click(const QString& name); // read the clicked file
    void Command1_Click();                 // "OK"
    void Command2_Click();                 // "キャンセル"
    void Command3_Click();                 // "データ書式": ask for the help window
    void CommandClipboard_Click();         // "クリップボードから": the clipboard read as a file
    void CommandChart_Click();             // "グラフ画像": the chart window

  private:
    // The clicked-file steps from the read on: shared state, List1, range texts, hand-over.
    // `path` is empty for text that is no file (FilePath then stays); `source` names it.
    void takeRead(const QString& path, const PointFileRead& read, const QString& source = QString());
    bool acceptDroppedRead(const QString& source, const PointFileRead& read, const QString& path);
    void failRead(const QString& source, const PointFileRead& read);
    void showReadError(const QString& source, const PointFileRead& read);

    Module1& m_state;
    Form3* m_form3 = nullptr;
    FolderLists* m_lists = nullptr;
    QListWidget *m_file1 = nullptr, *m_list1 = nullptr;
    std::array<ValueLabel*, 4> m_rangeLabels{};
    bool m_pointsRead = false; // a file was read successfully since the last prepare()
    QString m_readPath;        // the file read last (empty: none, or the clipboard)
    std::function<bool()> m_mayReplace;
};

} // namespace mirendo
