#include "common/EmptyValue.h"

#include <QDate>
#include <QDateTime>
#include <QSqlRecord>

namespace vorn {

bool IsEmptyValue(const QVariant& value, QChar typeCode, bool zeroIsEmpty)
{
    if (!value.isValid() || value.isNull())
        return true;
    switch (typeCode.toUpper().unicode()) {
    case 'D': {
        if (!zeroIsEmpty)
            return false;
        if (value.typeId() == QMetaType::QDate)
            return !value.toDate().isValid();
        if (value.typeId() == QMetaType::QDateTime)
            return !value.toDateTime().isValid();
        return value.toDouble() == 0.0;
    }
    case 'F':
        return zeroIsEmpty && value.toDouble() == 0.0;
    case 'I':
        return zeroIsEmpty && value.toLongLong() == 0;
    case 'S':
        return zeroIsEmpty && value.toString().isEmpty();
    default:
        return true;
    }
}

bool IsEmptyValue(const QSqlRecord* record, const QString& field, QChar typeCode, bool zeroIsEmpty)
{
    if (!record || record->isEmpty())
        return true;
    const int index = record->indexOf(field);
    if (index < 0 || record->isNull(index))
        return true;
    return IsEmptyValue(record->value(index), typeCode, zeroIsEmpty);
}

} // namespace vorn
