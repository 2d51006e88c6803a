#pragma once

#include <QChar>
#include <QString>
#include <QVariant>

class QSqlRecord;

namespace vorn {

// Does a field count as empty. A null value counts as empty; otherwise by type code:
// 'D' date, 'F' float, 'I' integer: empty only when zeroIsEmpty and the value is zero
// (an unset date counts as zero); 'S' string: empty only when zeroIsEmpty and the text is
// empty; any other code: empty.
bool IsEmptyValue(const QVariant& value, QChar typeCode, bool zeroIsEmpty);

// The same for a field of a record; no record (an empty dataset) counts as empty.
bool IsEmptyValue(const QSqlRecord* record, const QString& field, QChar typeCode, bool zeroIsEmpty);

} // namespace vorn
