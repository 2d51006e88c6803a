#include "PlanFixture.h"

#include "depreciation/AssetEvents.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;
using ::testing::DoubleNear;
using ::testing::Pointwise;

namespace {

const auto Grosz = DoubleNear(1e-9);

TEST(YearPlan, WorkedExampleWithCoefficientFromMarch)
{
    const YearPlan plan =
        AssetBuilder().coefficient(1.2).start(QDate(2024, 3, 1)).plan(CalendarYear(2024));
    std::vector<double> expected(12, 120.0);
    expected[0] = expected[1] = 0.0;
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, expected));
    EXPECT_EQ(Marks(plan, 24), QStringLiteral("NNTTTTTTTTTTNNNNNNNNNNNN"));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 1200.0);
    EXPECT_DOUBLE_EQ(plan.startAccumulated, 0.0);
    EXPECT_DOUBLE_EQ(plan.endAccumulated, 1200.0);
    EXPECT_DOUBLE_EQ(plan.sum(), 1200.0);
    EXPECT_DOUBLE_EQ(plan.remaining, 12000.0);
    EXPECT_EQ(plan.storedText(), QString(24, QLatin1Char('N')));
}

TEST(YearPlan, WholeYearMonthlyAmountsAndDecemberRemainder)
{
    const YearPlan even = AssetBuilder().rate(7.0).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(even), Pointwise(Grosz, std::vector<double>(12, 70.0)));
    EXPECT_DOUBLE_EQ(even.yearTotal, 840.0);

    const YearPlan odd = AssetBuilder().gross(10000.0).rate(7.0).plan(CalendarYear(2024));
    std::vector<double> expected(12, 58.33);
    expected[11] = 58.37;
    EXPECT_THAT(Amounts(odd), Pointwise(Grosz, expected));
    EXPECT_DOUBLE_EQ(odd.yearTotal, 700.0);
    EXPECT_NEAR(odd.sum(), 700.0, 1e-9);
}

TEST(YearPlan, StartOnLastDayOfYearPlansOneMonthInLastPeriod)
{
    const YearPlan plan = AssetBuilder().start(QDate(2024, 12, 31)).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, Periods(12, {{12, 100.0}})));
    EXPECT_EQ(Marks(plan), QStringLiteral("NNNNNNNNNNNT"));
}

TEST(YearPlan, StartInMidJuneCountsSevenMonthsFromPeriodSix)
{
    const YearPlan plan = AssetBuilder().start(QDate(2024, 6, 15)).plan(CalendarYear(2024));
    std::vector<double> expected(12, 100.0);
    for (int i = 0; i < 5; ++i)
        expected[static_cast<size_t>(i)] = 0.0;
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, expected));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 700.0);
}

struct NearlyDoneCase
{
    const char* name;
    double accumulated;
    std::vector<double> amounts;
    const char* marks;
};

void PrintTo(const NearlyDoneCase& c, std::ostream* os)
{
    *os << c.name;
}

class NearlyDepreciated : public ::testing::TestWithParam<NearlyDoneCase>
{
};

// Monthly amount 100,00: what is left within 0,10 of it goes to the first month.
TEST_P(NearlyDepreciated, LastWriteOffTakesWhatIsLeft)
{
    const NearlyDoneCase& c = GetParam();
    const YearPlan plan = AssetBuilder().accumulated(c.accumulated).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, c.amounts));
    EXPECT_EQ(Marks(plan), QString::fromLatin1(c.marks));
    EXPECT_DOUBLE_EQ(plan.endAccumulated, 12000.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NearlyDepreciated,
    ::testing::Values(
        NearlyDoneCase{"less_than_a_month", 11900.05, Periods(12, {{1, 99.95}}), "TDDDDDDDDDDD"},
        NearlyDoneCase{"within_tolerance", 11899.95, Periods(12, {{1, 100.05}}), "TDDDDDDDDDDD"},
        NearlyDoneCase{"beyond_tolerance", 11899.85, Periods(12, {{1, 100.0}, {2, 0.15}}),
                       "TTDDDDDDDDDD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YearPlan, OpeningAdjustmentGoesToFirstWrittenPeriodOnly)
{
    const YearPlan plan =
        AssetBuilder().start(QDate(2024, 3, 1)).opening(35.5).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, Periods(12, {{3, 135.5},
                                                             {4, 100},
                                                             {5, 100},
                                                             {6, 100},
                                                             {7, 100},
                                                             {8, 100},
                                                             {9, 100},
                                                             {10, 100},
                                                             {11, 100},
                                                             {12, 100}})));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 1035.5);
}

TEST(YearPlan, MonthsOfUseAprilToSeptemberCarryTheRemainderInSeptember)
{
    const YearPlan plan =
        AssetBuilder().gross(10000.0).rate(7.0).useMonths(504).plan(CalendarYear(2024));
    EXPECT_THAT(
        Amounts(plan),
        Pointwise(
            Grosz,
            Periods(
                12,
                {{4, 116.67}, {5, 116.67}, {6, 116.67}, {7, 116.67}, {8, 116.67}, {9, 116.65}})));
    EXPECT_EQ(Marks(plan), QStringLiteral("NNNTTTTTTNNN"));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 700.0);
}

TEST(YearPlan, QuarterlyFromFebruaryWritesQuarterEnds)
{
    // 10 000,00 x 7 % x 11/12 = 641,67; 58,33 a month and 0,04 left over.
    const YearPlan plan = AssetBuilder()
                              .gross(10000.0)
                              .rate(7.0)
                              .frequency("K")
                              .start(QDate(2024, 2, 1))
                              .plan(CalendarYear(2024));
    EXPECT_THAT(
        Amounts(plan),
        Pointwise(Grosz, Periods(12, {{3, 116.66}, {6, 174.99}, {9, 174.99}, {12, 175.03}})));
    EXPECT_EQ(Marks(plan), QStringLiteral("NNTNNTNNTNNT"));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 641.67);
    EXPECT_NEAR(plan.sum(), plan.yearTotal, 1e-9);
}

TEST(YearPlan, QuarterlyYearEndingOffQuarterClosesWithItsOpenMonths)
{
    // Eleven months January to November: October and November close the year.
    const YearPlan plan = AssetBuilder()
                              .gross(11000.0)
                              .rate(12.0)
                              .frequency("K")
                              .start(QDate(2023, 5, 1))
                              .plan(YearOf(QDate(2024, 1, 1), QDate(2024, 11, 30)));
    EXPECT_THAT(Amounts(plan),
                Pointwise(Grosz, Periods(11, {{3, 330}, {6, 330}, {9, 330}, {11, 220}})));
    EXPECT_EQ(Marks(plan, 11), QStringLiteral("NNTNNTNNTNT"));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 1210.0);
}

TEST(YearPlan, YearlyFrequencyWritesTheLastPeriod)
{
    const YearPlan plan = AssetBuilder().frequency("R").plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, Periods(12, {{12, 1200.0}})));
    EXPECT_EQ(Marks(plan), QStringLiteral("NNNNNNNNNNNT"));

    const YearPlan capped =
        AssetBuilder().frequency("R").accumulated(11500.004).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(capped), Pointwise(Grosz, Periods(12, {{12, 500.0}})));
    EXPECT_DOUBLE_EQ(capped.startAccumulated, 11500.0);
    EXPECT_DOUBLE_EQ(capped.endAccumulated, 12000.0);
}

struct DegressiveCase
{
    const char* name;
    double coefficient;
    double accumulated;
    double monthly;
};

void PrintTo(const DegressiveCase& c, std::ostream* os)
{
    *os << c.name;
}

class Degressive : public ::testing::TestWithParam<DegressiveCase>
{
};

// 10 000,00 at 20 %: the degressive amount on the net value until it no longer exceeds the
// linear 2 000,00 a year.
TEST_P(Degressive, PlansTheLargerOfDegressiveAndLinear)
{
    const DegressiveCase& c = GetParam();
    const YearPlan plan = AssetBuilder()
                              .gross(10000.0)
                              .method("D")
                              .rate(20.0)
                              .coefficient(c.coefficient)
                              .accumulated(c.accumulated)
                              .start(QDate(2022, 1, 1))
                              .plan(CalendarYear(2024));
    EXPECT_NEAR(plan.amount(1), c.monthly, 1e-9);
    EXPECT_NEAR(plan.yearTotal, c.monthly * 12, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Degressive,
    ::testing::Values(DegressiveCase{"first_year", 2.0, 0.0, 333.33},
                      DegressiveCase{"second_year", 2.0, 4000.0, 200.0},
                      DegressiveCase{"net_still_above_linear", 2.0, 4900.0, 170.0},
                      DegressiveCase{"switch_to_linear", 2.0, 6400.0, 166.67},
                      DegressiveCase{"coefficient_one_is_linear", 1.0, 5000.0, 166.67}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YearPlan, OneOffInOnePeriodOfTheFirstYear)
{
    const YearPlan plan = AssetBuilder()
                              .start(QDate(2024, 3, 10))
                              .useMonths(4095 & ~(1 << 2))
                              .oneOff(3000.0, 1)
                              .plan(CalendarYear(2024));
    // March is not a month of use: April carries the write-off, later months are done.
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, Periods(12, {{4, 3000.0}})));
    EXPECT_EQ(Marks(plan), QStringLiteral("NNNTDDDDDDDD"));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 3000.0);
    EXPECT_DOUBLE_EQ(plan.endAccumulated, 3000.0);

    const YearPlan yearly =
        AssetBuilder().frequency("R").oneOff(3000.0, 1).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(yearly), Pointwise(Grosz, Periods(12, {{12, 3000.0}})));
    EXPECT_EQ(Marks(yearly), QStringLiteral("NNNNNNNNNNNT"));
}

TEST(YearPlan, OneOffSpreadMonthlyInTheFirstYearOnly)
{
    AssetBuilder asset;
    asset.start(QDate(2024, 3, 1)).oneOff(3000.0, 2);
    const YearPlan first = asset.plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(first), Pointwise(Grosz, Periods(12, {{3, 300},
                                                              {4, 300},
                                                              {5, 300},
                                                              {6, 300},
                                                              {7, 300},
                                                              {8, 300},
                                                              {9, 300},
                                                              {10, 300},
                                                              {11, 300},
                                                              {12, 300}})));

    // A plan determined in 2024 and a new year: the regular linear method.
    asset.accumulated(3000.0).event(EventRow(1, EventType::BookPlan, QDate(2024, 3, 1)));
    const YearPlan later = asset.plan(CalendarYear(2025, QDate(2025, 1, 10)));
    EXPECT_THAT(Amounts(later), Pointwise(Grosz, std::vector<double>(12, 100.0)));
    EXPECT_DOUBLE_EQ(later.startAccumulated, 3000.0);
}

TEST(YearPlan, FiscalYearFromJulyFollowsItsPeriods)
{
    const PlanYear year = YearOf(QDate(2024, 7, 1), QDate(2025, 6, 30), 2024);
    // Months of use January to June: periods 7 to 12, the last one in June 2025.
    const YearPlan plan = AssetBuilder().gross(10000.0).rate(7.0).useMonths(63).plan(year);
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, Periods(12, {{7, 116.67},
                                                             {8, 116.67},
                                                             {9, 116.67},
                                                             {10, 116.67},
                                                             {11, 116.67},
                                                             {12, 116.65}})));
    EXPECT_EQ(Marks(plan), QStringLiteral("NNNNNNTTTTTT"));
}

TEST(YearPlan, ShortFiscalYearCountsItsOwnMonths)
{
    // A first fiscal year from July to December with months of use July to December.
    const YearPlan plan = AssetBuilder()
                              .useMonths(4032)
                              .start(QDate(2023, 1, 1))
                              .plan(YearOf(QDate(2024, 7, 1), QDate(2024, 12, 31)));
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, std::vector<double>(6, 100.0)));
}

TEST(YearPlan, OverDepreciatedAssetGetsNoNegativeWriteOff)
{
    const YearPlan plan = AssetBuilder().accumulated(12000.5).plan(CalendarYear(2024));
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, std::vector<double>(12, 0.0)));
    EXPECT_DOUBLE_EQ(plan.yearTotal, 0.0);
}

TEST(YearPlan, StartAccumulatedComesFromTheStoredAsset)
{
    AssetBuilder asset;
    AssetKindInput in = asset.input();
    in.stored.accumulated = 1234.125;
    const YearPlan plan = ComputeYearPlan(CalendarYear(2024), in);
    EXPECT_DOUBLE_EQ(plan.startAccumulated, 1234.13);
    EXPECT_DOUBLE_EQ(plan.endAccumulated, 1234.13 + 1200.0);
}

TEST(YearPlan, ChangeOfInitialValueRestartsFromTheRecordedMonth)
{
    AssetBuilder asset;
    Row change = EventRow(3, EventType::InitialValueChange, QDate(2024, 9, 20));
    change.set(QStringLiteral("DATA3"), QDate(2024, 10, 1));
    asset.event(change);
    AssetKindInput in = asset.input();
    in.valueChange = {true, true};
    const YearPlan plan = ComputeYearPlan(CalendarYear(2024), in);
    EXPECT_THAT(Amounts(plan), Pointwise(Grosz, Periods(12, {{10, 100}, {11, 100}, {12, 100}})));

    in.valueChange = {true, false};
    EXPECT_DOUBLE_EQ(ComputeYearPlan(CalendarYear(2024), in).yearTotal, 1200.0);
}

} // namespace

namespace {

TEST(YearPlan, TaxKindReadsTheTaxColumns)
{
    // Book columns that would give a different plan if they were read by mistake.
    Row asset = AssetBuilder().rate(50.0).frequency("R").row();
    const QVariantMap tax{{"POD_WARTOSC_ZAKT", 6000.0},
                          {"POD_ZAKTUAL_UMORZ", 500.0},
                          {"POD_ODPISY_AKT", 100.0},
                          {"POD_METODA_AMORT", "L"},
                          {"POD_STAWKA", 20.0},
                          {"POD_WSPOLCZYNNIK", 1.0},
                          {"POD_CZEST_ODPISOW", "K"},
                          {"POD_MIESIACE_UZYTK", 4095},
                          {"POD_POCZ_AMORT", QDate(2023, 1, 1)},
                          {"POD_ODPIS_JEDN", 0.0},
                          {"POD_ODPIS_JEDN_TRYB", 0}};
    for (auto it = tax.begin(); it != tax.end(); ++it)
        asset.set(it.key(), it.value());
    const AssetKindInput in = AssetKindInput::fromRows(asset, asset, {}, Kind::Tax);
    const YearPlan plan = ComputeYearPlan(CalendarYear(2024), in);
    EXPECT_THAT(Amounts(plan),
                Pointwise(Grosz, Periods(12, {{3, 300}, {6, 300}, {9, 300}, {12, 300}})));
    EXPECT_DOUBLE_EQ(plan.remaining, 5400.0);
    EXPECT_DOUBLE_EQ(plan.grossValue, 6000.0);
    EXPECT_DOUBLE_EQ(plan.startAccumulated, 500.0);
}

} // namespace
