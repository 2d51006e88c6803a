#include "common/GridRules.h"

#include <QAbstractItemModel>
#include <algorithm>

namespace vorn {

QString ColumnFieldName(const QAbstractItemModel& model, int column)
{
    QVariant name = model.headerData(column, Qt::Horizontal, kColumnNameRole);
    if (!name.isValid() || name.toString().isEmpty())
        name = model.headerData(column, Qt::Horizontal, Qt::DisplayRole);
    return name.toString().toUpper();
}

int ColumnOfField(const QAbstractItemModel& model, const QString& field)
{
    const QString wanted = field.toUpper();
    for (int c = 0; c < model.columnCount(); ++c)
        if (ColumnFieldName(model, c) == wanted)
            return c;
    return -1;
}

bool SearchMatches(const QString& cell, const QString& text, SearchMatch how)
{
    if (text.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = how.caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (how.fromBeginning)
        return how.caseSensitive ? cell.startsWith(text)
                                 : cell.left(text.size()).toUpper() == text.toUpper();
    return how.caseSensitive ? cell.contains(text, cs) : cell.toUpper().contains(text.toUpper());
}

int FindMatchingRow(const QAbstractItemModel& model, int column, int fromRow, const QString& text,
                    SearchMatch how)
{
    if (column < 0 || column >= model.columnCount())
        return -1;
    return FindMatchingRow(
        model.rowCount(),
        [&](int row) { return model.index(row, column).data(Qt::DisplayRole).toString(); }, fromRow,
        text, how);
}

int FindMatchingRow(int rowCount, const std::function<QString(int row)>& cellText, int fromRow,
                    const QString& text, SearchMatch how)
{
    if (text.isEmpty())
        return -1;
    for (int r = qMax(0, fromRow); r < rowCount; ++r)
        if (SearchMatches(cellText(r), text, how))
            return r;
    return -1;
}

bool IsValidSortField(const QString& validFields, const QString& field)
{
    if (field.isEmpty())
        return false;
    const QStringList entries = validFields.toUpper().split(QLatin1Char(';'));
    return entries.contains(field.toUpper());
}

QString FollowedSortField(const QString& current, const QString& indexFieldNames,
                          const QString& validFields)
{
    const QString index = indexFieldNames.toUpper();
    if (index.isEmpty() || index.contains(QLatin1Char(';')))
        return current;
    return index != current.toUpper() && IsValidSortField(validFields, index) ? index : current;
}

QList<GridColumnLayoutEntry> WithMissingDefaultColumns(const QList<GridColumnLayoutEntry>& current,
                                                       const QList<GridColumnLayoutEntry>& defaults)
{
    QList<GridColumnLayoutEntry> result = current;
    for (const GridColumnLayoutEntry& d : defaults) {
        const bool present = std::any_of(current.begin(), current.end(), [&](const auto& c) {
            return c.field == d.field && c.title == d.title;
        });
        if (!present) {
            GridColumnLayoutEntry hidden = d;
            hidden.visible = false;
            result.append(hidden);
        }
    }
    return result;
}

} // namespace vorn
