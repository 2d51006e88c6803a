#include "common/Dates.h"
#include "common/FiscalYear.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

QDate d(int y, int m, int day)
{
    return QDate(y, m, day);
}

TEST(MonthSpan, InclusiveCountWithItsTwoExceptions)
{
    struct
    {
        const char* name;
        QDate from, to;
        int expected;
    } cases[] = {
        {"same day", d(2010, 3, 5), d(2010, 3, 5), -1},
        {"later from", d(2010, 4, 1), d(2010, 3, 31), -1},
        {"one month", d(2010, 3, 1), d(2010, 3, 31), 0},
        {"adjacent months", d(2010, 3, 31), d(2010, 4, 1), 2},
        {"mid months", d(2010, 1, 15), d(2010, 2, 10), 2},
        {"calendar year", d(2010, 1, 1), d(2010, 12, 31), 12},
        {"over new year", d(2005, 12, 1), d(2006, 1, 1), 2},
        {"eighteen months", d(2010, 7, 1), d(2011, 12, 31), 18},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonthSpan(c.from, c.to), c.expected) << c.name;
}

TEST(MonthBounds, FirstAndLastDay)
{
    struct
    {
        QDate date, first, last;
    } cases[] = {
        {d(2012, 2, 15), d(2012, 2, 1), d(2012, 2, 29)},
        {d(2011, 2, 28), d(2011, 2, 1), d(2011, 2, 28)},
        {d(2010, 12, 31), d(2010, 12, 1), d(2010, 12, 31)},
        {d(2010, 4, 1), d(2010, 4, 1), d(2010, 4, 30)},
    };
    for (const auto& c : cases) {
        const auto b = MonthBounds(c.date);
        EXPECT_EQ(b.first, c.first) << c.date.toString().toStdString();
        EXPECT_EQ(b.last, c.last) << c.date.toString().toStdString();
    }
    const auto today = MonthBounds(QDate());
    EXPECT_TRUE(SameMonth(today.first, QDate::currentDate()));
}

TEST(YearBounds, CalendarYearOfTheDate)
{
    const auto b = YearBounds(d(2010, 7, 14));
    EXPECT_EQ(b.first, d(2010, 1, 1));
    EXPECT_EQ(b.last, d(2010, 12, 31));
    EXPECT_EQ(YearBounds(QDate()).first.year(), QDate::currentDate().year());
}

TEST(SameMonth, NeedsSameYearToo)
{
    EXPECT_TRUE(SameMonth(d(2010, 3, 1), d(2010, 3, 31)));
    EXPECT_FALSE(SameMonth(d(2010, 3, 1), d(2011, 3, 1)));
}

TEST(NextMonth, WrapsIntoNextYear)
{
    int m = 11, y = 2010;
    NextMonth(m, y);
    EXPECT_EQ(m, 12);
    EXPECT_EQ(y, 2010);
    NextMonth(m, y);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(y, 2011);
}

FiscalYearList years()
{
    return FiscalYearList({{2009, d(2009, 1, 1), d(2009, 12, 31), d(2009, 12, 31)},
                           {2010, d(2010, 4, 1), d(2011, 3, 31), QDate()},
                           {2012, d(2012, 5, 1), d(2012, 5, 31), QDate()},
                           {2013, d(2013, 1, 1), d(2014, 12, 31), QDate()}});
}

TEST(PeriodMonth, PeriodsCountFromTheStartMonth)
{
    const auto t = years();
    struct
    {
        int period, rok;
        YearMonth expected;
    } cases[] = {
        {1, 2010, {2010, 4}}, {9, 2010, {2010, 12}},  {10, 2010, {2011, 1}},  {12, 2010, {2011, 3}},
        {1, 2009, {2009, 1}}, {12, 2009, {2009, 12}}, {24, 2013, {2014, 12}},
    };
    for (const auto& c : cases) {
        const auto ym = PeriodMonth(t, c.period, c.rok);
        ASSERT_TRUE(ym.has_value());
        EXPECT_EQ(*ym, c.expected) << c.period << "/" << c.rok;
    }
    EXPECT_FALSE(PeriodMonth(t, 1, 1999).has_value());
}

TEST(FiscalYearContext, MonthCountFromTheBounds)
{
    const auto t = years().fiscalYears();
    EXPECT_EQ(FiscalYearContext::fromRow(t[0]).MonthCount, 12);
    const auto april = FiscalYearContext::fromRow(t[1]);
    EXPECT_EQ(april.MonthCount, 12);
    EXPECT_EQ(april.StartYear, 2010);
    EXPECT_EQ(april.StartMonth, 4);
    EXPECT_EQ(april.EndYear, 2011);
    EXPECT_EQ(april.EndMonth, 3);
    EXPECT_EQ(FiscalYearContext::fromRow(t[2]).MonthCount, 1); // one month only
    EXPECT_EQ(FiscalYearContext::fromRow(t[3]).MonthCount, 24);
    EXPECT_EQ(FiscalYearContext::fromRow(t[0]).ClosedTo, d(2009, 12, 31));
}

TEST(FiscalYearOf, FirstRowHoldingTheDate)
{
    const auto t = years();
    EXPECT_EQ(FiscalYearOf(t, d(2011, 2, 1))->rok, 2010);
    EXPECT_EQ(FiscalYearOf(t, d(2009, 1, 1))->rok, 2009);
    EXPECT_EQ(FiscalYearOf(t, d(2011, 3, 31))->rok, 2010);
    EXPECT_FALSE(FiscalYearOf(t, d(2011, 4, 1)).has_value());
}

TEST(InFiscalYear, WorkingYearOrTheYearOfTheReference)
{
    const auto t = years();
    const auto ctx = FiscalYearContext::fromRow(t.fiscalYears()[1]);
    EXPECT_TRUE(InFiscalYear(ctx, t, false, {}, d(2010, 4, 1)));
    EXPECT_TRUE(InFiscalYear(ctx, t, false, {}, d(2011, 3, 31)));
    EXPECT_FALSE(InFiscalYear(ctx, t, false, {}, d(2010, 3, 31)));
    EXPECT_TRUE(InFiscalYear(ctx, t, true, d(2009, 6, 1), d(2009, 12, 31)));
    EXPECT_FALSE(InFiscalYear(ctx, t, true, d(2009, 6, 1), d(2010, 4, 1)));
    EXPECT_FALSE(InFiscalYear(ctx, t, true, d(2011, 6, 1), d(2011, 6, 1))); // no year holds it
}

TEST(DateFormat, FixedDayMonthYearForm)
{
    EXPECT_EQ(FormatDate(d(2010, 3, 5)), QStringLiteral("05-03-2010"));
    EXPECT_EQ(FormatDate(QDate()), QString());
    EXPECT_EQ(ParseDate(QStringLiteral("05-03-2010")), d(2010, 3, 5));
    EXPECT_EQ(ParseDate(QStringLiteral("5-3-2010")), d(2010, 3, 5));
    EXPECT_FALSE(ParseDate(QStringLiteral("31-02-2010")).isValid());
    EXPECT_FALSE(ParseDate(QStringLiteral("2010-03-05")).isValid());
    EXPECT_FALSE(ParseDate(QString()).isValid());
}

} // namespace
