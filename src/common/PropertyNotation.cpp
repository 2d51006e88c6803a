#include "common/PropertyNotation.h"

#include <QLocale>
#include <climits>

namespace vorn {

QString PropertyKey(const QString& component, const QString& property)
{
    return component + QLatin1Char('.') + property;
}

QString CollectionItemKey(const QString& component, const QString& collection, int item,
                          const QString& property)
{
    return QStringLiteral("%1.%2<item(%3)>.%4").arg(component, collection).arg(item).arg(property);
}

QString EncodePropertyValue(const QVariant& value)
{
    QString text;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QLocale::c().toString(value.toDouble(), 'g', 15);
    default:
        text = value.toString();
        text.replace(QLatin1Char('\''), QStringLiteral("''"));
        text = QLatin1Char('\'') + text + QLatin1Char('\'');
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
}

QVariant DecodePropertyValue(const QString& stored)
{
    QString text = stored;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    if (text.size() >= 2 && text.startsWith(QLatin1Char('\'')) &&
        text.endsWith(QLatin1Char('\''))) {
        QString inner = text.mid(1, text.size() - 2);
        return inner.replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    if (text == QLatin1String("True"))
        return true;
    if (text == QLatin1String("False"))
        return false;
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return whole <= INT_MAX && whole >= INT_MIN ? QVariant(int(whole)) : QVariant(whole);
    const double number = QLocale::c().toDouble(text, &ok);
    if (ok)
        return number;
    return text;
}

} // namespace vorn
