#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace vorn {

class FiscalYearTable;

struct DateRange
{
    QDate first;
    QDate last;
};

struct YearMonth
{
    int year = 0;
    int month = 0;
    bool operator==(const YearMonth&) const = default;
};

// First and last day of the date's month; a null date means today.
DateRange MonthBounds(QDate date);
// 1 January and 31 December of the date's calendar year; a null date means today.
DateRange YearBounds(QDate date);
bool SameMonth(const QDate& a, const QDate& b);

// Months from the month of `from` to the month of `to`, counted inclusively; callers rely
// on two exceptions: -1 when `from` is not earlier than `to`, 0 when both lie in one month.
int MonthSpan(const QDate& from, const QDate& to);

// Month + 1; after 12 comes 1 of the next year.
void NextMonth(int& month, int& year);

// Calendar month of period `period` (1 = start month) of fiscal year `rok`;
// nothing when the table has no such year.
std::optional<YearMonth> PeriodMonth(const FiscalYearTable& table, int period, int rok);

// The fixed date form of the program, whatever the system's locale: "dd-mm-yyyy".
QString FormatDate(const QDate& date);
// Parses "dd-mm-yyyy" (one-digit day and month accepted); a null date when invalid.
QDate ParseDate(const QString& text);

} // namespace vorn
