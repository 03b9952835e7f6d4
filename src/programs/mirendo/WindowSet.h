#pragma once
// Every window of the program, owned here, and the wiring between them: the dialogs hand over
// by signals and the owner of the controls updates them. Every window is created on first use
// (the first time it is shown or asked for) and afterwards only shown and hidden, which keeps the
// program's start quick: a file opened from the desktop never builds the start window.
#include "core/input/TypedRecovery.h"
#include "core/state/Module1.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <tuple>
#include <vector>

class QWidget;

namespace mirendo {

class Calculation;
class Form1;
class Form2;
class Form4;
class Form5;
class Form6;
class Form9;
class Form10;
class Form11;
class FormChart;
struct GraphPicture;
struct PointFileRead;
struct PublishedPoints;
struct SavedPlot;

class WindowSet : public QObject {
    Q_OBJECT
  public:
    // `engineFolder`: where to look for Ventrel before PATH (Mirendo's own folder when empty).
    // The working folder is taken now; the help window lists its example files. The program's
    // load: the decade length set and the readout off before any graph is drawn or read.
    explicit WindowSet(Module1& state, const QString& engineFolder = QString(), QObject* parent = nullptr);
    ~WindowSet() override;

    // Each accessor creates its window (hidden) if it does not exist yet.
    Form1* form1() const;
    Form2* form2() const;
    Form4* form4() const;
    Form5* form5() const;
    Form6* form6() const;
    Form9* form9() const;
    Form10* form10() const;
    Form11* form11() const;
    FormChart* formChart() const;
    Calculation* calculation() const { return m_calculation; }

    // A file opened from the desktop (`Mirendo FILE`, or handed over by a second start): an
    // archive (*-Mi.csv) is drawn in the browser, any other file read into the main window as a
    // dropped point file. A file that cannot be read gets the message it would get there and
    // the start window stays. The window shown is raised. True when the file was shown.
    bool openFile(const QString& path);

    // The program's first window: the start window, or for `Mirendo FILE` the window the file
    // opens in. A file that cannot be read is told over the start window, which stays. Points
    // typed by hand that a program in this folder left behind (the recovery file) are offered
    // first; taken back, they are shown in the main window, ready for the settings OK.
    void start(const QString& file);

    // The recovery file of this working folder.
    QString recoveryPath() const;

    // Whether a window has been created yet (for tests of the lazy creation).
    bool isCreated(const QString& objectName) const;

  signals:
    // The start window asked to end the program (files already deleted).
    void exitRequested();

  private:
    // The window of type W, built (hidden) by build<W>() the first time it is asked for.
    template <typename W> W* window() const;
    // The window of type W if it was built, else nullptr: for what concerns only a built one.
    template <typename W> W* built() const { return std::get<std::unique_ptr<W>>(m_windows).get(); }
    // Every window built so far, in the order of m_windows.
    std::vector<QWidget*> builtWindows() const;
    // Makes window W with what it needs and connects its outgoing signals (one for each window).
    template <typename W> std::unique_ptr<W> build() const;

    // Each window's outgoing signals, connected once when it is created. A handler that needs
    // another window asks for it through its accessor, so that one is created only when used.
    void wireStartWindow(Form2* start) const;
    void wireMainWindow(Form1* main) const;
    void wireFileInput(Form10* input) const;
    void wireManualEntry(Form11* entry) const;
    void wireChartWindow(FormChart* chart) const;
    // The chart window shown over the window that asked for it, its scales preset from the main
    // window's scale mode.
    void openChartWindow() const;
    // "この点で計算": the points taken as a point file's are, with the axes' scale mode chosen.
    void takeChartPoints(const QString& pointText, int scaleMode) const;
    void wireDataSave(Form4* save) const;
    void wireBrowser(Form6* browser) const;
    // "この点で再計算" of the browser: the main window reset, the saved points published as a
    // point file's would be, the file's scale mode and settings taken, the main window shown.
    void recalculate(const SavedPlot& plot, const QString& name) const;
    // `Mirendo FILE` and a file handed over; at start the start window is shown first when the
    // file will be refused, so that the refusal is told over it.
    bool open(const QString& path, bool startWindowFirst);
    // A point file's read taken into the main window, as the file-input dialog's "OK" after a
    // click on it would; the dialog is not needed for it. The read gives points.
    void takePointFile(const QString& path, const PointFileRead& read) const;
    // The main window's side of an input dialog's read: its points withdrawn as a read starts,
    // the read's points shown, and the input accepted.
    void startPointRead() const;
    void publishPoints(const PublishedPoints& points) const;
    void acceptPoints() const;
    // After a file opened from the desktop replaced the shared state and `shown` took it: every
    // other window is hidden (they showed, or worked on, what was shown before) but the image save,
    // which keeps the picture it was opened with.
    void hideAllBut(const QWidget* shown) const;
    // The data-format help hidden, if it was ever shown.
    void hideHelp() const;
    // Either graph window's "グラフ画像保存".
    void openImageSave(const QString& proposedName, const GraphPicture& picture) const;

    // Points typed by hand, with the settings beside them, while they exist nowhere else: kept
    // in the recovery file after every change, forgotten (the file removed) once saved as an
    // archive, replaced by a file's points, or reset.
    // Points 1..`count` of the shared state, the scale mode and the setting boxes; `shown` when
    // the main window shows these points (its setting edits are then kept with them).
    void keepTypedPoints(int count, bool shown) const;
    void keepSettings() const;
    void writeRecovery() const;
    void forgetTypedPoints() const;
    // Before other points take the place of typed ones: true when there are none, or the user
    // agrees to replace them.
    bool mayReplaceTypedPoints(QWidget* parent) const;
    // The recovery file found at start: offered, and the points restored on Yes (true).
    bool offerRecovery();
    void restore(const TypedWork& work);

    Module1& m_state;
    Calculation* m_calculation = nullptr;
    QString m_workDir;
    // Every window, the one list of them; each built on first use. Destroyed in this order (by
    // the destructor, a tuple's own order being unspecified): dialogs before the windows they
    // were wired to.
    mutable std::tuple<std::unique_ptr<FormChart>, std::unique_ptr<Form6>, std::unique_ptr<Form4>,
                       std::unique_ptr<Form5>, std::unique_ptr<Form11>, std::unique_ptr<Form10>,
                       std::unique_ptr<Form1>, std::unique_ptr<Form9>, std::unique_ptr<Form2>>
        m_windows;
    mutable std::optional<TypedWork> m_typed;
    mutable bool m_typedShown = false;     // the main window shows the typed points
    mutable bool m_recoveryWarned = false; // a failed write of the recovery file is told once
};

} // namespace mirendo
