#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractItemModel;

namespace vorn {

// Header role under which a grid's model gives a column's field name (upper case, as the
// tables write it: NAZWA, WART_ZAKT). Without it the column's title stands for the field.
inline constexpr int kColumnNameRole = 0x0100 + 77; // Qt::UserRole + 77

// Upper-case field name of a model column.
QString ColumnFieldName(const QAbstractItemModel& model, int column);
// Model column of a field name (any case); -1 when the model has none.
int ColumnOfField(const QAbstractItemModel& model, const QString& field);

// How a column search compares a cell with the searched text.
struct SearchMatch
{
    bool fromBeginning = true; // the cell starts with the text; else it contains it
    bool caseSensitive = false;
};

// Whether a cell's shown text matches the searched text. An empty text matches nothing.
// Capitals are Unicode capitals, so Polish letters compare as a user expects.
bool SearchMatches(const QString& cell, const QString& text, SearchMatch how);

// The first row from `fromRow` down whose cell of `column` (as the model shows it)
// matches; -1 when none.
int FindMatchingRow(const QAbstractItemModel& model, int column, int fromRow, const QString& text,
                    SearchMatch how);
// The same over rows 0 .. rowCount - 1 whose cells a grid shows as cellText(row).
int FindMatchingRow(int rowCount, const std::function<QString(int row)>& cellText, int fromRow,
                    const QString& text, SearchMatch how);

// Whether a field may be chosen for sorting: it is one whole entry of the ";"-separated
// list, compared in capitals.
bool IsValidSortField(const QString& validFields, const QString& field);

// The sorted field a grid marks: the table's own single-field order when that is a valid
// sorting field, else what the grid last chose.
QString FollowedSortField(const QString& current, const QString& indexFieldNames,
                          const QString& validFields);

// One column of a grid's layout, as the column editor and the stored layouts see it.
struct GridColumnLayoutEntry
{
    QString field; // upper case
    QString title;
    bool visible = true;
    int width = 0; // 0: the grid's own width
    bool operator==(const GridColumnLayoutEntry&) const = default;
};

// The columns of `current` followed by a hidden copy of every default column the layout
// lacks (no current column with the same field and title): columns a newer program adds
// reach users whose stored layout predates them.
QList<GridColumnLayoutEntry>
WithMissingDefaultColumns(const QList<GridColumnLayoutEntry>& current,
                          const QList<GridColumnLayoutEntry>& defaults);

} // namespace vorn
