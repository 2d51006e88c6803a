#include "app/cli/JsonInput.h"

#include "common/Errors.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <cmath>

namespace vorn::cli {

namespace {

[[noreturn]] void fail(const QString& where, const QString& what)
{
    throw ValidationError(where.isEmpty() ? what : where + QStringLiteral(": ") + what);
}

QDateTime dateTime(const QJsonValue& value, const QString& where)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})(T(\\d{2}):(\\d{2})(:(\\d{2}))?)?$"));
    if (!value.isString())
        fail(where, QStringLiteral("oczekiwano daty w postaci \"rrrr-mm-dd\""));
    const auto m = form.match(value.toString());
    if (!m.hasMatch())
        fail(where, QStringLiteral("oczekiwano daty w postaci \"rrrr-mm-dd\""));
    const QDate d = QDate::fromString(m.captured(1), Qt::ISODate);
    if (!d.isValid())
        fail(where, QStringLiteral("niemożliwa data \"%1\"").arg(value.toString()));
    QTime t(0, 0);
    if (m.hasCaptured(2)) {
        t = QTime(m.captured(3).toInt(), m.captured(4).toInt(),
                  m.hasCaptured(6) ? m.captured(6).toInt() : 0);
        if (!t.isValid())
            fail(where, QStringLiteral("niemożliwa godzina \"%1\"").arg(value.toString()));
    }
    return QDateTime(d, t);
}

} // namespace

QJsonObject JsonInput::parseObject(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        fail({}, QStringLiteral("niepoprawny JSON na wejściu (znak %1): %2")
                     .arg(error.offset)
                     .arg(error.errorString()));
    if (!doc.isObject())
        fail({}, QStringLiteral("na wejściu oczekiwano jednego obiektu JSON"));
    return doc.object();
}

QJsonValue JsonInput::required(const QJsonObject& object, const QString& key, const QString& where)
{
    if (!object.contains(key))
        fail(where, QStringLiteral("brak pola \"%1\"").arg(key));
    return object.value(key);
}

int JsonInput::integer(const QJsonValue& value, const QString& where)
{
    const double d = value.toDouble(std::nan(""));
    if (!value.isDouble() || std::trunc(d) != d || std::fabs(d) > 2147483647.0)
        fail(where, QStringLiteral("oczekiwano liczby całkowitej"));
    return static_cast<int>(d);
}

double JsonInput::number(const QJsonValue& value, const QString& where)
{
    if (!value.isDouble())
        fail(where, QStringLiteral("oczekiwano liczby"));
    return value.toDouble();
}

QString JsonInput::text(const QJsonValue& value, const QString& where)
{
    if (!value.isString())
        fail(where, QStringLiteral("oczekiwano tekstu"));
    return value.toString();
}

QDate JsonInput::date(const QJsonValue& value, const QString& where)
{
    const QDateTime dt = dateTime(value, where);
    if (dt.time() != QTime(0, 0))
        fail(where, QStringLiteral("oczekiwano daty bez godziny"));
    return dt.date();
}

QJsonObject JsonInput::object(const QJsonValue& value, const QString& where)
{
    if (!value.isObject())
        fail(where, QStringLiteral("oczekiwano obiektu"));
    return value.toObject();
}

QJsonArray JsonInput::array(const QJsonValue& value, const QString& where)
{
    if (!value.isArray())
        fail(where, QStringLiteral("oczekiwano tablicy"));
    return value.toArray();
}

Row JsonInput::row(const QJsonValue& value, const TableColumns& columns, const QString& where)
{
    const QJsonObject o = object(value, where);
    Row row;
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString column = it.key();
        const QString at = where + QLatin1Char('.') + column;
        const auto type = columns.constFind(column);
        if (type == columns.constEnd())
            fail(at, QStringLiteral("nieznana kolumna"));
        const QJsonValue v = it.value();
        if (v.isNull()) {
            row.setNull(column);
            continue;
        }
        switch (*type) {
        case ColumnType::Integer:
            row.set(column, integer(v, at));
            break;
        case ColumnType::Float:
            row.set(column, number(v, at));
            break;
        case ColumnType::Text:
            row.set(column, text(v, at));
            break;
        case ColumnType::Date:
            row.set(column, date(v, at));
            break;
        case ColumnType::DateTime:
            row.set(column, dateTime(v, at));
            break;
        }
    }
    return row;
}

} // namespace vorn::cli
