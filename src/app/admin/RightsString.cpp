#include "RightsString.h"

#include "common/Errors.h"

#include <QStringList>

namespace vorn::admin::RightsString {

namespace {

ValidationError badList(const QString& part)
{
    return ValidationError(
        QStringLiteral("Niepoprawny numer uprawnienia: \"%1\" (dozwolone numery od 1 do 255).")
            .arg(part));
}

int rightNumber(const QString& text, const QString& part)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > kLength)
        throw badList(part);
    return n;
}

} // namespace

QString None()
{
    return QString(kLength, QLatin1Char('0'));
}

QString All()
{
    return QString(kLength, QLatin1Char('1'));
}

QString FromList(const QString& list)
{
    const QString trimmed = list.trimmed().toLower();
    if (trimmed == QLatin1String("all") || trimmed == QLatin1String("wszystkie"))
        return All();
    QString out = None();
    if (trimmed == QLatin1String("none") || trimmed == QLatin1String("brak"))
        return out;
    for (const QString& part : trimmed.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2)
            throw badList(part);
        const int first = rightNumber(ends.first(), part);
        const int last = ends.size() == 2 ? rightNumber(ends.last(), part) : first;
        if (last < first)
            throw badList(part);
        for (int n = first; n <= last; ++n)
            out[n - 1] = QLatin1Char('1');
    }
    return out;
}

QString FromDigits(const QString& digits)
{
    if (digits.size() > kLength)
        throw ValidationError(
            QStringLiteral("Ciąg uprawnień może mieć najwyżej %1 znaków.").arg(kLength));
    for (const QChar c : digits)
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            throw ValidationError(QStringLiteral("Ciąg uprawnień może zawierać tylko znaki "
                                                 "\"0\" i \"1\"."));
    return digits + QString(kLength - digits.size(), QLatin1Char('0'));
}

QString ToList(const QString& rights)
{
    QStringList parts;
    int n = 0;
    while (n < rights.size()) {
        if (rights.at(n) != QLatin1Char('1')) {
            ++n;
            continue;
        }
        int end = n;
        while (end + 1 < rights.size() && rights.at(end + 1) == QLatin1Char('1'))
            ++end;
        parts << (end == n ? QString::number(n + 1)
                           : QStringLiteral("%1-%2").arg(n + 1).arg(end + 1));
        n = end + 1;
    }
    return parts.isEmpty() ? QStringLiteral("brak") : parts.join(QLatin1Char(','));
}

} // namespace vorn::admin::RightsString
