#pragma once

#include <QHash>
#include <QString>

namespace vorn::cli {

// Value type of a column as JSON input must give it.
enum class ColumnType
{
    Integer,
    Float,
    Text,
    Date,    // "yyyy-mm-dd"
    DateTime // "yyyy-mm-dd" or "yyyy-mm-ddThh:mm:ss"
};

using TableColumns = QHash<QString, ColumnType>;

const TableColumns& AssetColumns();      // F00004ST
const TableColumns& EventColumns();      // F00007ST
const TableColumns& FiscalYearColumns(); // F00001ST

} // namespace vorn::cli
