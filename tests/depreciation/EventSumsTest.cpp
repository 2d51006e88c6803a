#include "PlanFixture.h"

#include "depreciation/EventSums.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

Row Revaluation(qint64 id, const QDate& date, double bookIndex, double taxIndex)
{
    Row e = EventRow(id, EventType::Revaluation, date);
    e.set(QStringLiteral("KWOTA5"), bookIndex);
    e.set(QStringLiteral("KWOTA11"), taxIndex);
    return e;
}

AssetEvents Events(QList<Row> rows)
{
    return AssetEvents::fromRows(rows);
}

TEST(YearWriteOffs, SumsTheKindsWriteOffsOfTheYear)
{
    const AssetEvents events = Events({
        EventRow(1, EventType::BookWriteOff, QDate(2023, 12, 31), 50.0),
        EventRow(2, EventType::BookWriteOff, QDate(2024, 1, 1), 100.0),
        EventRow(3, EventType::TaxWriteOff, QDate(2024, 2, 29), 80.0),
        EventRow(4, EventType::BookWriteOff, QDate(2024, 12, 31), 0.01),
        EventRow(5, EventType::BookPlan, QDate(2024, 3, 1), 999.0),
    });
    EXPECT_DOUBLE_EQ(YearWriteOffs(Kind::Book, events, CalendarYears(), 2024), 100.01);
    EXPECT_DOUBLE_EQ(YearWriteOffs(Kind::Tax, events, CalendarYears(), 2024), 80.0);
    EXPECT_DOUBLE_EQ(YearWriteOffs(Kind::Book, events, CalendarYears(), 2023), 50.0);
    EXPECT_DOUBLE_EQ(YearWriteOffs(Kind::Book, events, CalendarYears(), 2031), 0.0);
}

TEST(YearWriteOffs, EachRevaluationOfTheYearScalesAndRounds)
{
    // 100,01 x 1,5 = 150,015 -> 150,02; x 1,5 = 225,03 (unrounded in between: 225,02).
    const AssetEvents events = Events({
        EventRow(1, EventType::BookWriteOff, QDate(2024, 1, 31), 100.01),
        EventRow(2, EventType::TaxWriteOff, QDate(2024, 1, 31), 10.0),
        Revaluation(3, QDate(2024, 2, 1), 1.5, 2.0),
        Revaluation(4, QDate(2024, 3, 1), 1.5, 1.25),
        Revaluation(5, QDate(2023, 6, 1), 10.0, 10.0),
    });
    EXPECT_DOUBLE_EQ(YearWriteOffs(Kind::Book, events, CalendarYears(), 2024), 225.03);
    EXPECT_DOUBLE_EQ(YearWriteOffs(Kind::Tax, events, CalendarYears(), 2024), 25.0);
}

struct OneOffCase
{
    const char* name;
    QList<Row> events;
    QDate operationDate;
    bool expected;
};

void PrintTo(const OneOffCase& c, std::ostream* os)
{
    *os << c.name;
}

class OneOffYear : public ::testing::TestWithParam<OneOffCase>
{
};

TEST_P(OneOffYear, BelongsToTheFirstPlanYear)
{
    const OneOffCase& c = GetParam();
    EXPECT_EQ(OneOffInPlanYear(Kind::Book, Events(c.events), CalendarYears(), c.operationDate),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneOffYear,
    ::testing::Values(OneOffCase{"no_plan_yet", {}, QDate(2024, 5, 1), true},
                      OneOffCase{"tax_plan_only",
                                 {EventRow(1, EventType::TaxPlan, QDate(2023, 5, 1))},
                                 QDate(2024, 5, 1),
                                 true},
                      OneOffCase{"replanned_in_first_year",
                                 {EventRow(1, EventType::BookPlan, QDate(2024, 2, 1))},
                                 QDate(2024, 5, 1),
                                 true},
                      OneOffCase{"later_year",
                                 {EventRow(1, EventType::BookPlan, QDate(2023, 2, 1))},
                                 QDate(2024, 5, 1),
                                 false},
                      OneOffCase{"write_off_in_first_year",
                                 {EventRow(1, EventType::BookPlan, QDate(2024, 2, 1)),
                                  EventRow(2, EventType::BookWriteOff, QDate(2024, 2, 29), 10.0)},
                                 QDate(2024, 5, 1),
                                 true},
                      OneOffCase{"first_write_off_before_the_plan_year",
                                 {EventRow(2, EventType::BookWriteOff, QDate(2023, 12, 31), 10.0),
                                  EventRow(3, EventType::BookPlan, QDate(2024, 2, 1))},
                                 QDate(2024, 5, 1),
                                 false},
                      OneOffCase{"first_plan_by_identifier",
                                 {EventRow(9, EventType::BookPlan, QDate(2024, 2, 1)),
                                  EventRow(4, EventType::BookPlan, QDate(2023, 2, 1))},
                                 QDate(2024, 5, 1),
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
