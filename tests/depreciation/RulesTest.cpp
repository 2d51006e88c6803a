#include "PlanFixture.h"

#include "common/Errors.h"
#include "depreciation/DepreciationRules.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

struct StartCase
{
    const char* name;
    QDate start;
    int linearMonths;
    int degressiveMonths;
    int firstPeriod;
};

void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class StartOfDepreciation : public ::testing::TestWithParam<StartCase>
{
};

TEST_P(StartOfDepreciation, GivesMonthFactorAndFirstPeriod)
{
    const StartCase& c = GetParam();
    const AssetKindInput in = AssetBuilder().start(c.start).input();
    const PlanYear year = CalendarYear(2024);
    EXPECT_EQ(MonthFactor(year, in, true), c.linearMonths);
    EXPECT_EQ(MonthFactor(year, in, false), c.degressiveMonths);
    EXPECT_EQ(FirstPlanPeriod(year, in), c.firstPeriod);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartOfDepreciation,
                         ::testing::Values(StartCase{"first_day", QDate(2024, 1, 1), 12, 12, 1},
                                           StartCase{"mid_june", QDate(2024, 6, 15), 7, 7, 6},
                                           StartCase{"last_day", QDate(2024, 12, 31), 1, 1, 12},
                                           StartCase{"in_last_month", QDate(2024, 12, 5), 1, 1, 12},
                                           StartCase{"earlier_year", QDate(2021, 8, 1), 12, 12, 1},
                                           StartCase{"later_year", QDate(2025, 2, 1), 1, 12, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DepreciationRules, AnnualAmountsStayUnrounded)
{
    const PlanYear year = CalendarYear(2024);
    const AssetKindInput in =
        AssetBuilder().gross(1000.0).rate(7.0).coefficient(1.5).start(QDate(2024, 6, 15)).input();
    // 7 % x 1 000,00 x 1,5 x 7/12 = 61,25; without the coefficient 40,8333...
    EXPECT_NEAR(static_cast<double>(LinearAmount(year, in, true, 0)), 61.25, 1e-12);
    EXPECT_NEAR(static_cast<double>(LinearAmount(year, in, false, 0)), 1000.0 * 0.07 * 7 / 12,
                1e-12);
    EXPECT_NEAR(static_cast<double>(LinearAmount(year, in, false, 12)), 70.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(DegressiveAmount(year, in, 200.0L, 12)), 800 * 0.07 * 1.5,
                1e-12);
}

TEST(DepreciationRules, StoredValuesBeforeTheOperation)
{
    AssetKindInput in = AssetBuilder().input();
    in.stored.grossValue = 6000.0;
    in.stored.coefficient = 1.5;
    const PlanYear year = CalendarYear(2024);
    EXPECT_NEAR(static_cast<double>(LinearAmount(year, in, true, 0, Values::Stored)), 900.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(LinearAmount(year, in, true, 0, Values::Current)), 1200.0,
                1e-9);
    EXPECT_NEAR(static_cast<double>(DegressiveAmount(year, in, 1000.0L, 0, Values::Stored)), 750.0,
                1e-9);
}

TEST(DepreciationRules, LinearInsteadAddsTheYearsWriteOffsBack)
{
    // Net value at the start of 2024 5 100,00 x 40 % = 2 040,00 > 2 000,00: still degressive,
    // although three write-offs of 2024 are already in the accumulated depreciation.
    AssetBuilder asset;
    asset.gross(10000.0).method("D").rate(20.0).coefficient(2.0).accumulated(5410.0);
    asset.start(QDate(2022, 1, 1));
    for (int m = 1; m <= 3; ++m)
        asset.event(EventRow(m, EventType::BookWriteOff, QDate(2024, m, 28), 170.0));
    const PlanYear year = CalendarYear(2024);
    EXPECT_FALSE(UseLinearInstead(year, asset.input(), 2024, false, 0.0));
    // Without write-offs in 2023 the same accumulated value is the start of 2023.
    EXPECT_TRUE(UseLinearInstead(year, asset.input(), 2023, false, 0.0));
    // A one-off write-off is deducted from the accumulated depreciation first.
    asset.oneOff(1000.0, 1);
    EXPECT_FALSE(UseLinearInstead(year, asset.input(), 2023, true, 0.0));
}

TEST(DepreciationRules, MonthlyAmountAndRemainder)
{
    const PlanYear year = CalendarYear(2024);
    const AssetKindInput in = AssetBuilder().input();
    const MonthlyShare share = MonthlyAmount(year, in, 700.0L);
    EXPECT_DOUBLE_EQ(share.monthly, 58.33);
    EXPECT_DOUBLE_EQ(share.remainder, 0.04);
    EXPECT_EQ(share.months.count, 12);

    const MonthlyShare none = MonthlyAmount(year, AssetBuilder().useMonths(0).input(), 700.0L);
    EXPECT_EQ(none.months.count, 0);
    EXPECT_DOUBLE_EQ(none.monthly, 0.0);
    EXPECT_DOUBLE_EQ(none.remainder, 0.0);
}

TEST(DepreciationRules, CountUseMonthsCollectsTheCountedMonths)
{
    const FiscalYearContext c = CalendarYear(2024).context;
    const UseMonths fromJune = CountUseMonths(c, 504, QDate(2024, 6, 15));
    EXPECT_EQ(fromJune.count, 4);
    EXPECT_EQ(fromJune.set, 0b111100000);
    EXPECT_EQ(CountUseMonths(c, 504, QDate()).count, 6);

    // Two calendar years in one fiscal year: each month counted twice, collected once.
    const FiscalYearContext longYear = YearOf(QDate(2024, 1, 1), QDate(2025, 12, 31)).context;
    const UseMonths both = CountUseMonths(longYear, 504, QDate());
    EXPECT_EQ(both.count, 12);
    EXPECT_EQ(both.set, 504);
}

TEST(DepreciationRules, LastUseMonthOfAFiscalYearFromJuly)
{
    const FiscalYearContext c = YearOf(QDate(2024, 7, 1), QDate(2025, 6, 30)).context;
    EXPECT_EQ(LastUseMonth(c, 63), (YearMonth{2025, 6}));
    EXPECT_EQ(LastUseMonth(c, 4032), (YearMonth{2024, 12}));
    EXPECT_EQ(LastUseMonth(c, 1 << 7), (YearMonth{2024, 8}));
    EXPECT_FALSE(LastUseMonth(c, 0).has_value());
}

struct WriteOffMonthCase
{
    const char* name;
    const char* frequency;
    int mask;
    int year;
    int month;
    bool expected;
};

void PrintTo(const WriteOffMonthCase& c, std::ostream* os)
{
    *os << c.name;
}

class WriteOffMonth : public ::testing::TestWithParam<WriteOffMonthCase>
{
};

// Start of depreciation 1 March 2024; fiscal year January to November 2024.
TEST_P(WriteOffMonth, FollowsTheFrequency)
{
    const WriteOffMonthCase& c = GetParam();
    const FiscalYearContext ctx = YearOf(QDate(2024, 1, 1), QDate(2024, 11, 30)).context;
    const KindParameters p = AssetBuilder()
                                 .frequency(c.frequency)
                                 .useMonths(c.mask)
                                 .start(QDate(2024, 3, 1))
                                 .input()
                                 .current;
    EXPECT_EQ(IsWriteOffMonth(ctx, p, c.month, c.year), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteOffMonth,
    ::testing::Values(WriteOffMonthCase{"monthly_before_start", "M", 4095, 2024, 2, false},
                      WriteOffMonthCase{"monthly_start_month", "M", 4095, 2024, 3, true},
                      WriteOffMonthCase{"monthly_not_in_use", "M", 504, 2024, 10, false},
                      WriteOffMonthCase{"monthly_in_use", "M", 504, 2024, 9, true},
                      WriteOffMonthCase{"quarter_end", "K", 0, 2024, 6, true},
                      WriteOffMonthCase{"quarter_middle", "K", 4095, 2024, 5, false},
                      WriteOffMonthCase{"quarter_year_end", "K", 4095, 2024, 11, true},
                      WriteOffMonthCase{"quarter_before_start", "K", 4095, 2023, 12, false},
                      WriteOffMonthCase{"yearly_end_month", "R", 4095, 2024, 11, true},
                      WriteOffMonthCase{"yearly_december", "R", 4095, 2024, 12, false},
                      WriteOffMonthCase{"yearly_other_year", "R", 4095, 2025, 11, false},
                      WriteOffMonthCase{"unknown_code", "X", 4095, 2024, 6, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DepreciationRules, FullyDepreciatedNeverWritesOff)
{
    const KindParameters done =
        AssetBuilder().gross(0.30).accumulated(0.10).writeDowns(0.20).input().current;
    EXPECT_TRUE(IsFullyDepreciated(done));
    EXPECT_DOUBLE_EQ(RemainingToDepreciate(done), 0.0);
    EXPECT_FALSE(IsWriteOffMonth(CalendarYear(2024).context, done, 6, 2024));

    const KindParameters open = AssetBuilder().accumulated(11999.995).input().current;
    EXPECT_TRUE(IsFullyDepreciated(open));
    EXPECT_FALSE(IsFullyDepreciated(AssetBuilder().accumulated(11999.99).input().current));
}

TEST(PlanYearSetup, RefusesMissingAndOverlongYears)
{
    EXPECT_THROW(PlanYear::make(CalendarYears(), 2030, QDate(2030, 1, 1)), ValidationError);
    const QList<FiscalYearRow> rows{{1, QDate(2024, 1, 1), QDate(2026, 1, 31), QDate()}};
    EXPECT_THROW(PlanYear::make(rows, 1, QDate(2024, 1, 1)), ValidationError);
    const QList<FiscalYearRow> longest{{1, QDate(2024, 1, 1), QDate(2025, 12, 31), QDate()}};
    EXPECT_EQ(PlanYear::make(longest, 1, QDate()).context.MonthCount, 24);
    EXPECT_EQ(PlanYear::make(longest, 1, QDate()).periodMonth(14), (YearMonth{2025, 2}));
}

} // namespace
