#pragma once

#include "app/cli/TableColumns.h"
#include "common/Row.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>

namespace vorn::cli {

// Reads typed values out of a JSON input. Every failure throws ValidationError with a
// message that names the offending place, e.g. "asset.STAWKA".
class JsonInput
{
public:
    static QJsonObject parseObject(const QByteArray& text);

    static QJsonValue required(const QJsonObject& object, const QString& key, const QString& where);
    static int integer(const QJsonValue& value, const QString& where);
    static double number(const QJsonValue& value, const QString& where);
    static QString text(const QJsonValue& value, const QString& where);
    static QDate date(const QJsonValue& value, const QString& where);
    static QJsonObject object(const QJsonValue& value, const QString& where);
    static QJsonArray array(const QJsonValue& value, const QString& where);

    // A table row: every key a known column, every value null or of the column's type.
    static Row row(const QJsonValue& value, const TableColumns& columns, const QString& where);
};

} // namespace vorn::cli
