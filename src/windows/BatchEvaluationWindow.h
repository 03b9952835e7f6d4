#pragma once
// "一括計算": the browser's polynomial evaluated at many X at once. X values are typed or pasted
// into a box, "計算" fills a two-column table X | Y, Ctrl+C copies the selected rows (all rows
// when none is selected) as tab-separated text X, Y, mark, and "CSV保存" writes the same fields
// as a CSV file to the path in the save box: never over an archive ("-Mi.csv"), and over another
// existing file only when the user says so. "閉じる" or Escape hides the window. The choice
// "X → Y" / "Y → X" turns the question round: each typed Y gives one row per X where the curve
// takes it (Y | X, CSV "Y,X,外挿"). "等間隔…" fills the value box with a grid of values and
// calculates them; "傾きの列" adds the slope at each X (X → Y) to the table, its copy and the CSV.
// Modeless; the browser creates it on first use and only shows and hides it afterwards.
#include "core/curve/ComparisonCurve.h"
#include "core/state/Module1.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace mirendo {

class BatchTableModel;
class GridDialog;

class BatchEvaluationWindow : public QWidget {
    Q_OBJECT
  public:
    // `state` is the browser's shared state: the window takes its own copy of the loaded curve
    // from it whenever the browser loads an archive, and evaluates that copy at each "計算", so
    // that another window or a file handed over meanwhile never changes what it computes.
    explicit BatchEvaluationWindow(const Module1& state, QWidget* parent = nullptr);

    // The browser loaded another archive (`available`: its curve is copied now) or went back to
    // empty (!`available`): the results of the old polynomial are emptied, the X values stay for
    // the next "計算", and "計算" is enabled only while there is a polynomial. A newly loaded
    // archive proposes "<archive name less .csv>-batch.csv" beside it as the save path unless the
    // user typed one.
    void setPolynomialAvailable(bool available);
    // The browser's comparison curve (an invalid one: none): the table and the CSV get a column
    // named after its method, and rows shown are calculated again.
    void setComparison(const ComparisonCurve& curve);
    // Shows and raises the window with the focus in the X box.
    void open();

    BatchTableModel* model() const { return m_model; }
    // The tab-separated text Ctrl+C copies: the selected rows in order, or every row.
    QString tableText() const;

  public slots:
    void calculate(); // 計算
    void copyTable(); // Ctrl+C on the table, or its context menu
    void saveCsv();   // CSV保存
    void browse();    // 参照…: a file dialog that fills the save box
    // The choice changed: the table empties, the value box's caption names X or Y.
    void chooseDirection(int index);
    // 等間隔…: the grid dialog over the graph's X range.
    void openGrid();
    // The grid's values replace the box's (Ctrl+Z brings them back) and are calculated.
    void takeGrid(const QString& lines);
    // 傾きの列: なし (0) or あり (1); rows shown are calculated again.
    void chooseSlopeColumn(int index);

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The row count and how many rows were refused or extrapolated; empty before a "計算".
    void showSummary(bool calculated);

    const Module1& m_shared;
    Module1 m_curve; // the archive loaded when "計算" was last enabled, and its path
    BatchTableModel* m_model = nullptr;
    QComboBox* m_direction = nullptr;
    QLabel* m_valuesCaption = nullptr;
    QPlainTextEdit* m_values = nullptr;
    QPushButton* m_calculate = nullptr;
    QLabel* m_summary = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_path = nullptr;
    QPushButton* m_save = nullptr;
    QString m_proposedPath; // the last proposal, replaced by the next one unless edited
    ComparisonCurve m_comparison;
    std::string m_comparisonName; // UTF-8; empty without a comparison
    GridDialog* m_grid = nullptr; // created on first use
    bool m_slopeColumn = false;
    // The slope column's heading (SlopeName of the loaded mode) while it is chosen, else empty.
    std::string slopeName() const;
};

} // namespace mirendo
