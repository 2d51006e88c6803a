#include "operations/EventQueries.h"

#include "depreciation/AssetEvents.h"
#include "store/StoreTestEnv.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

QVariantMap Event(qint64 id, qint64 asset, int type, const QDateTime& data1, double kwota1 = 0,
                  double kwota5 = 0)
{
    return {{"ID", id},       {"ID_SRODKA", asset}, {"TYP", type},
            {"DATA1", data1}, {"KWOTA1", kwota1},   {"KWOTA5", kwota5}};
}

QDateTime Day(int y, int m, int d, int hour = 0)
{
    return QDateTime(QDate(y, m, d), QTime(hour, 0));
}

// The same events in the firm's database and as rows read from it.
class EventQueries : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = FreshScope(Scope::Firm, QStringLiteral("events"));
        const QList<QVariantMap> events{
            Event(1, 7, EventType::BookWriteOff, Day(2024, 3, 31), 100.01),
            Event(2, 7, EventType::BookWriteOff, Day(2024, 4, 30), 50.0),
            Event(3, 7, EventType::Revaluation, Day(2024, 4, 30), 0, 1.5),
            Event(4, 7, EventType::BookWriteOff, Day(2024, 5, 31, 10), 20.0),
            Event(5, 8, EventType::BookWriteOff, Day(2024, 4, 30), 999.0),
            Event(6, 7, EventType::Revaluation, Day(2024, 6, 1), 0, 1.5),
            Event(7, 7, EventType::BookWriteOff, Day(2023, 12, 31), 70.0),
        };
        for (const QVariantMap& e : events) {
            InsertRow(*db, QStringLiteral("F00007ST"), e);
            rows.append(Row(e));
        }
        InsertRow(*db, QStringLiteral("F00001ST"),
                  {{"ID", 1},
                   {"ROK", 2024},
                   {"DATA_POCZ", QDate(2024, 1, 1)},
                   {"DATA_KONCA", QDate(2024, 12, 31)}});
    }

    static QList<qint64> Ids(const QList<Row>& rows)
    {
        QList<qint64> ids;
        for (const Row& r : rows)
            ids.append(r.integer(QStringLiteral("ID")));
        return ids;
    }

    std::unique_ptr<Database> db;
    QList<Row> rows;
};

TEST_F(EventQueries, DateConditionsAgreeInMemoryAndInTheDatabase)
{
    struct Case
    {
        const char* name;
        EventFilter filter;
        QList<qint64> expected;
    };
    const QDate march31(2024, 3, 31), april30(2024, 4, 30), may1(2024, 5, 1), may31(2024, 5, 31);
    const QList<Case> cases{
        {"type_bounds_inclusive", {7, 4, april30, march31, true, {}}, {1, 2}},
        {"any_type_lower_bound_exclusive", {7, 0, april30, march31, true, {}}, {2, 3}},
        {"time_of_day_lies_after_the_day", {7, 4, may31, may1, true, {}}, {}},
        {"later_identifier", {7, 4, march31, EverFrom(), true, 1}, {1, 2, 4, 7}},
        {"later_identifier_any_type", {7, 0, april30, april30, true, 3}, {4, 6, 7}},
        {"any_event_after", AnyEventAfter(7, april30), {4, 6}},
        {"without_dates", {7, 6, {}, {}, false, {}}, {3, 6}},
        {"ever", {7, 4, EverTo(), EverFrom(), true, {}}, {1, 2, 4, 7}},
        {"other_asset", {9, 0, EverTo(), EverFrom(), true, {}}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ids(MatchingEvents(rows, c.filter)), c.expected) << c.name;
        EXPECT_EQ(Ids(MatchingEvents(*db, c.filter)), c.expected) << c.name;
        EXPECT_EQ(EventExists(*db, c.filter), !c.expected.isEmpty()) << c.name;
        EXPECT_EQ(EventExists(rows, c.filter), !c.expected.isEmpty()) << c.name;
    }
}

TEST_F(EventQueries, ConditionTextFollowsTheType)
{
    QVariantMap params;
    EXPECT_EQ(EventCondition({7, 4, EverTo(), EverFrom(), true, {}}, &params),
              QStringLiteral("ID_SRODKA=:Ids AND TYP=:Typ AND DATA1>=:DataOd AND DATA1<=:DataDo"));
    params.clear();
    EXPECT_EQ(EventCondition({7, 0, EverTo(), EverFrom(), true, {}}, &params),
              QStringLiteral("ID_SRODKA=:Ids AND DATA1>:DataOd AND DATA1<=:DataDo"));
    params.clear();
    EXPECT_EQ(
        EventCondition({7, 0, EverTo(), EverFrom(), true, 12}, &params),
        QStringLiteral("ID_SRODKA=:Ids AND ((DATA1>:DataOd AND DATA1<=:DataDo) OR (ID>:Id))"));
    EXPECT_EQ(params.value("Id").toLongLong(), 12);
}

TEST_F(EventQueries, YearWriteOffsFromTheDatabase)
{
    // 100,01 + 50,00 + 20,00 = 170,01; x 1,5 = 255,02 (255,015 rounded); x 1,5 = 382,53.
    EXPECT_DOUBLE_EQ(YearWriteOffs(*db, Kind::Book, 7, 2024), 382.53);
    EXPECT_DOUBLE_EQ(YearWriteOffs(*db, Kind::Tax, 7, 2024), 0.0);
    EXPECT_DOUBLE_EQ(YearWriteOffs(*db, Kind::Book, 7, 2031), 0.0);
}

TEST(EventText, CommentOrNothing)
{
    EXPECT_TRUE(EventText(nullptr).isEmpty());
    const Row empty;
    EXPECT_TRUE(EventText(&empty).isEmpty());
    Row sale(QVariantMap{{"TYP", 10}, {"KOMENTARZ", QStringLiteral("Sprzedaż środka trwałego")}});
    EXPECT_EQ(EventText(&sale), QStringLiteral("Sprzedaż środka trwałego"));
    Row place(QVariantMap{{"TYP", 11}, {"KOMENTARZ", QString(32, QLatin1Char('1')) + "Zmiana"}});
    EXPECT_EQ(EventText(&place), QStringLiteral("Zmiana"));
    place.set("LONG4", 5);
    EXPECT_EQ(EventText(&place).size(), 38);
}

} // namespace
