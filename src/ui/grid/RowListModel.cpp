#include "ui/grid/RowListModel.h"

#include "common/GridRules.h"

#include <algorithm>

namespace vorn {

RowListModel::RowListModel(QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
    for (Column& c : m_columns)
        c.field = c.field.toUpper();
}

void RowListModel::setRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    reorder();
    endResetModel();
}

void RowListModel::setIndexFieldNames(const QString& field)
{
    beginResetModel();
    m_index = field.toUpper();
    reorder();
    endResetModel();
}

void RowListModel::reorder()
{
    if (m_index.isEmpty())
        return;
    const QString field = m_index;
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
        return QVariant::compare(a.value(field), b.value(field)) == QPartialOrdering::Less;
    });
}

int RowListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RowListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_rows.at(index.row()).value(m_columns.at(index.column()).field);
    return {};
}

QVariant RowListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == kColumnNameRole)
        return m_columns.at(section).field;
    return {};
}

bool RowListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                 int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    m_columns[section].title = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

void RowListModel::sort(int column, Qt::SortOrder)
{
    if (column >= 0 && column < m_columns.size())
        setIndexFieldNames(m_columns.at(column).field);
}

} // namespace vorn
