#include "common/Dates.h"

#include "common/FiscalYear.h"

#include <QRegularExpression>

namespace vorn {

DateRange MonthBounds(QDate date)
{
    if (!date.isValid())
        date = QDate::currentDate();
    const QDate first = date.addDays(1 - date.day());
    QDate d = first;
    for (int i = 0; i < 31 && d.month() == first.month(); ++i)
        d = d.addDays(1);
    return {first, d.addDays(-1)};
}

DateRange YearBounds(QDate date)
{
    if (!date.isValid())
        date = QDate::currentDate();
    return {QDate(date.year(), 1, 1), QDate(date.year(), 12, 31)};
}

bool SameMonth(const QDate& a, const QDate& b)
{
    return a.year() == b.year() && a.month() == b.month();
}

int MonthSpan(const QDate& from, const QDate& to)
{
    if (from >= to)
        return -1;
    if (SameMonth(from, to))
        return 0;
    return (to.year() - from.year()) * 12 + (to.month() - from.month()) + 1;
}

void NextMonth(int& month, int& year)
{
    if (month >= 12) {
        month = 1;
        ++year;
    } else {
        ++month;
    }
}

std::optional<YearMonth> PeriodMonth(const FiscalYearTable& table, int period, int rok)
{
    const auto rows = table.fiscalYears();
    for (const FiscalYearRow& row : rows) {
        if (row.rok != rok)
            continue;
        int month = row.dataPocz.month();
        int year = row.dataPocz.year();
        if (month == 1) {
            month = 12;
            --year;
        } else {
            --month;
        }
        for (int i = 0; i < period; ++i)
            NextMonth(month, year);
        return YearMonth{year, month};
    }
    return std::nullopt;
}

QString FormatDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

QDate ParseDate(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})-(\\d{1,2})-(\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace vorn
