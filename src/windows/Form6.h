#pragma once
// "Lagrange Interpolated Data": the saved-data browser. Lists "*Mi.csv" files, loads one into
// the shared state (only when the whole file is valid), redraws it, adds its points, shows the
// cursor readout with the slope there, evaluates the polynomial and its slope at a typed X, finds
// every X where it takes a typed Y, gives the area under the curve between two X and asks for its
// graph to be saved as an image.
#include "core/archive/ArchiveFile.h"
#include "core/state/Module1.h"
#include "qt/canvas/GraphPicture.h"

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace mirendo {

class BatchEvaluationWindow;
class FolderLists;
class FormControls;
class GraphPanel;
class ValueLabel;

class Form6 : public QWidget {
    Q_OBJECT
  public:
    explicit Form6(Module1& state, QWidget* parent = nullptr);

    // Everything the start window does before showing the browser, except showing it.
    void prepare();

    FolderLists* folderLists() const { return m_lists; }
    // An archive dropped or opened from the desktop: chosen in the lists as a click would, then
    // drawn by the graph button. True once it is drawn; otherwise the user was told why.
    bool openDroppedArchive(const QString& path);
    // The batch evaluation window, or nullptr before "一括計算" was first pressed.
    BatchEvaluationWindow* batchWindow() const { return m_batch; }

  public slots:
    // Puts "X<TAB>Y<TAB>slope" of the last evaluation, as shown, on the clipboard (nothing shown:
    // a beep).
    void copyEvaluation();
    // Puts "Y<TAB>X texts" of the last search for X, as shown, on the clipboard (none: a beep).
    void copyCrossings();

  signals:
    // Back button or close; GraphDrawn is already 0.
    void backToStart();
    // "グラフ画像保存": the image save is to propose `proposedName` and write `picture`.
    void imageSaveRequested(const QString& proposedName, const mirendo::GraphPicture& picture);
    // "この点で再計算": the browser has closed (GraphDrawn is 0); the main window is to take the
    // drawn file's points, scale mode and settings. `name` is the file's name.
    void recalculationRequested(const mirendo::SavedPlot& plot, const QString& name);

  private:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private slots:
    // Handlers of the controls, connected in the constructor.
    void File1_Click();
    void Command1_Click(); // グラフ描画: load and draw
    void Command4_Click(); // データ点描画: add the points
    void Command3_Click(); // Reset
    void Command8_Click(); // グラフ画像保存
    void Command2_Click(); // back to the start window
    void Picture2_Click();
    void Text1_KeyDown(int keyCode);
    void Text1_Click();
    void CommandBatch_Click();  // 一括計算: open the batch evaluation window
    void CommandRecalc_Click(); // この点で再計算: close and hand the drawn file to the main window
    void TextY_KeyDown(int keyCode);
    void CommandArea_Click(); // 計算: the area from X1 to X2

  private:
    void wireControls(const FormControls& controls, QToolButton* arrow);
    // Every control's enabled state, from whether a file is chosen and whether one is drawn.
    void enableControls();
    // A file drawn, or none any more: the controls and the batch window follow.
    void showDrawn(bool drawn);
    // The one way out: the readout ends (GraphDrawn 0), the batch window goes, the browser hides
    // and hands over to the start window or, to calculate the drawn file again, the main window.
    enum class Exit { Back, CloseBox, Recalculate };
    void leave(Exit exit);
    void showEmpty();
    void EvaluateAtX();
    // Label6 := `y`, the extrapolation mark beside it, and what copyEvaluation() copies.
    void showEvaluation(const QString& x, const QString& y, bool extrapolated);
    // Every X where the curve takes the Y typed in TextY, into LabelXForY.
    void FindXForY();
    // LabelXForY := `xs`, and what copyCrossings() copies.
    void showCrossings(const QString& y, const QString& xs);
    // The comparison's Y at the evaluated X beside the result, its area beside the area, and the
    // batch window's column.
    void showComparison();
    // LabelAreaValue := `area`'s text and mark; empty for none.
    void showArea(const std::string& text, bool extrapolated);

    Module1& m_state;
    FolderLists* m_lists = nullptr;
    GraphPanel* m_graph = nullptr;
    QPushButton *m_command1 = nullptr, *m_command4 = nullptr, *m_command8 = nullptr;
    QLineEdit* m_text1 = nullptr;
    ValueLabel* m_label6 = nullptr;   // evaluation result
    QLabel* m_extrapolated = nullptr; // "外挿" beside the result of an X outside the points
    QPushButton* m_commandBatch = nullptr;
    BatchEvaluationWindow* m_batch = nullptr;
    QString m_evaluatedX;               // the X text of the result Label6 shows
    QLineEdit* m_textY = nullptr;       // the Y whose X are sought
    ValueLabel* m_labelXForY = nullptr; // every X found for it
    QString m_searchedY;                // the Y text of the X LabelXForY shows
    QPushButton* m_commandRecalc = nullptr;
    SavedPlot m_drawnPlot; // the file the graph shows (while "この点で再計算" is enabled)
    QString m_drawnName;
    ValueLabel* m_compareEval = nullptr; // the comparison's Y at the evaluated X
    QLabel* m_evalSlope = nullptr;       // the slope at the evaluated X
    QString m_evaluatedSlope;            // its value as copied; empty when none is shown
    QLineEdit *m_areaX1 = nullptr, *m_areaX2 = nullptr;
    QPushButton* m_commandArea = nullptr;
    ValueLabel* m_areaValue = nullptr;
    QLabel* m_areaExtrapolated = nullptr;
    QLabel* m_compareArea = nullptr; // the comparison's area over the same X1 to X2
    bool m_fileChosen = false;       // a file is chosen in the list since the browser was emptied
    bool m_drawn = false;            // a file is drawn
};

} // namespace mirendo
