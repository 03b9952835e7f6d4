#pragma once
// The rows of a batch evaluation as a two-column table X | Y (Y | X in Y → X) for a QTableView. The
// extrapolation mark stands in the Y cell after the value, so that it is read with it.
#include "core/curve/BatchEvaluation.h"

#include <QAbstractTableModel>

#include <vector>

namespace mirendo {

class BatchTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { XColumn = 0, YColumn = 1, ComparisonColumn = 2 };

    explicit BatchTableModel(QObject* parent = nullptr);

    // Replaces every row in one reset, so a view relays itself out once.
    void setRows(std::vector<BatchRow> rows);
    const std::vector<BatchRow>& rows() const { return m_rows; }
    // Which way the rows were computed: the headers read "Y", "X" in Y → X. Empties the table.
    void setDirection(BatchDirection direction);
    BatchDirection direction() const { return m_direction; }
    // A third column of that heading with the comparison's Y (empty: two columns); X → Y only.
    void setComparisonName(const QString& name);
    // A last column of that heading ("dY/dX") with the slope at X (empty: none); X → Y only.
    void setSlopeName(const QString& name);
    // The column of the slope, -1 when none is shown.
    int slopeColumn() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole and AccessibleTextRole: the X as typed; the Y text, followed by " 外挿" on an
    // extrapolated row. AccessibleDescriptionRole explains the mark. Numbers align right.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    std::vector<BatchRow> m_rows;
    BatchDirection m_direction = BatchDirection::XToY;
    QString m_comparisonName;
    QString m_slopeName;
};

} // namespace mirendo
