#pragma once

#include "common/Row.h"

#include <QAbstractTableModel>
#include <QList>

namespace vorn {

// A list of rows shown in a grid: one column per field, with its title and the field name
// under kColumnNameRole. Sorting by a field (the table's index) re-orders the rows.
class RowListModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_PROPERTY(QString indexFieldNames READ indexFieldNames WRITE setIndexFieldNames)

public:
    struct Column
    {
        QString field; // upper case
        QString title;
    };

    explicit RowListModel(QList<Column> columns, QObject* parent = nullptr);

    void setRows(QList<Row> rows);
    const QList<Row>& rows() const { return m_rows; }
    const Row& row(int r) const { return m_rows.at(r); }

    // The field the rows are ordered by (ascending); empty keeps the order they came in.
    QString indexFieldNames() const { return m_index; }
    void setIndexFieldNames(const QString& field);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void reorder();

    QList<Column> m_columns;
    QList<Row> m_rows;
    QString m_index;
};

} // namespace vorn
