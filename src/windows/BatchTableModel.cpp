#include "windows/BatchTableModel.h"

namespace mirendo {

BatchTableModel::BatchTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void BatchTableModel::setRows(std::vector<BatchRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void BatchTableModel::setDirection(BatchDirection direction) {
    beginResetModel();
    m_direction = direction;
    m_rows.clear();
    endResetModel();
}

void BatchTableModel::setComparisonName(const QString& name) {
    beginResetModel();
    m_comparisonName = name;
    endResetModel();
}

void BatchTableModel::setSlopeName(const QString& name) {
    beginResetModel();
    m_slopeName = name;
    endResetModel();
}

int BatchTableModel::slopeColumn() const {
    if (m_slopeName.isEmpty() || m_direction == BatchDirection::YToX)
        return -1;
    return m_comparisonName.isEmpty() ? ComparisonColumn : ComparisonColumn + 1;
}

int BatchTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BatchTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    const int slope = slopeColumn();
    return slope >= 0 ? slope + 1
                      : (m_comparisonName.isEmpty() || m_direction == BatchDirection::YToX ? 2 : 3);
}

QVariant BatchTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const BatchRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        if (index.column() == XColumn)
            return QString::fromStdString(row.x);
        if (index.column() == slopeColumn())
            return QString::fromStdString(row.slope);
        if (index.column() == ComparisonColumn)
            return QString::fromStdString(row.comparison);
        QString y = QString::fromStdString(row.y);
        if (row.extrapolated)
            y += QLatin1Char(' ') + QString::fromUtf8(kExtrapolationMark.data(), kExtrapolationMark.size());
        return y;
    }
    case Qt::AccessibleDescriptionRole:
        if (index.column() == YColumn && row.extrapolated)
            return QStringLiteral("X がデータ点の範囲外です（外挿）");
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant BatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        const bool inverse = m_direction == BatchDirection::YToX;
        if (section == XColumn)
            return inverse ? QStringLiteral("Y") : QStringLiteral("X");
        if (section == YColumn)
            return inverse ? QStringLiteral("X") : QStringLiteral("Y");
        if (section == slopeColumn())
            return m_slopeName;
        if (section == ComparisonColumn)
            return m_comparisonName;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace mirendo
