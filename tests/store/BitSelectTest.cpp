#include "StoreTestEnv.h"

#include "store/BitSelect.h"
#include "support/TestEnv.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

TEST(TBitSelect, BitLayoutFirstNumberInTheHighestBit)
{
    TBitSelect s(16);
    s.Set(1, 1);
    s.Set(8, 1);
    s.Set(9, 1);
    ASSERT_EQ(s.Bytes().size(), 2);
    EXPECT_EQ(static_cast<unsigned char>(s.Bytes()[0]), 0x81);
    EXPECT_EQ(static_cast<unsigned char>(s.Bytes()[1]), 0x80);
    EXPECT_EQ(s.List(), "1,8,9");
}

TEST(TBitSelect, NumbersOutsideTheSet)
{
    TBitSelect ones(10, 1);
    EXPECT_EQ(ones.Get(0), 1);
    EXPECT_EQ(ones.Get(-3), 1);
    ones.Set(0, 0); // below 1: nothing
    EXPECT_EQ(ones.RecordCount(), 10);

    for (int def : {0, 1}) {
        TBitSelect s(10, def);
        s.SetAll(1 - def);
        EXPECT_EQ(s.Get(100), def) << "default " << def;
        EXPECT_EQ(s.RecordCount(), 100);
        // The numbers 11 .. 16 shared a byte with the old ones: they take the default too.
        for (int n = 11; n <= 16; ++n)
            EXPECT_EQ(s.Get(n), def) << n;
        EXPECT_EQ(s.Get(10), 1 - def);
        EXPECT_EQ(s.Count(), def ? 90 : 10);
    }

    TBitSelect grow;
    grow.Set(20, 1);
    EXPECT_EQ(grow.RecordCount(), 20);
    EXPECT_EQ(grow.List(), "20");
}

TEST(TBitSelect, SetValuesOtherThanZeroOrOneLeaveTheBit)
{
    TBitSelect s(8);
    s.Set(3, 1);
    s.Set(3, 2);
    s.Set(4, -1);
    EXPECT_EQ(s.List(), "3");
    s.Set(3, 0);
    EXPECT_EQ(s.List(), "");
}

TEST(TBitSelect, ListAndCountStayWithinTheRecordCount)
{
    TBitSelect s(10);
    s.Set(3, 1);
    s.Set(17, 1);
    EXPECT_EQ(s.List(), "3,17");
    s.SetAll(1); // fills whole bytes, also past the count
    EXPECT_EQ(s.Count(), 17);
    EXPECT_EQ(s.Numbers().size(), 17);
    EXPECT_EQ(s.Numbers().last(), 17);
}

TEST(TBitSelect, RecordCountChanges)
{
    TBitSelect s(20);
    s.SetAll(1);
    s.SetRecordCount(-1);
    EXPECT_EQ(s.RecordCount(), 20);
    s.SetRecordCount(5); // shrinking clears what lies above
    EXPECT_EQ(s.Count(), 5);
    s.SetRecordCount(12); // growing back brings the default, not the old bits
    EXPECT_EQ(s.List(), "1,2,3,4,5");
    s.SetDefaultVal(7); // not a bit value: ignored
    EXPECT_EQ(s.DefaultVal(), 0);
}

TEST(TBitSelect, Contains)
{
    EXPECT_FALSE(TBitSelect().Contains(0));
    EXPECT_FALSE(TBitSelect().Contains(1));
    TBitSelect s(9);
    EXPECT_TRUE(s.Contains(0));
    EXPECT_FALSE(s.Contains(1));
    s.SetAll(1);
    EXPECT_FALSE(s.Contains(0));
    EXPECT_TRUE(s.Contains(1));
    EXPECT_FALSE(s.Contains(2));
}

TEST(TBitSelect, MarkFromDataSet)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("mark"));
    for (int id : {4, 9, 2})
        InsertRow(*db, QStringLiteral("F00004ST"), {{"ID", id}, {"UWAGI", QString::number(id)}});
    InsertRow(*db, QStringLiteral("F00004ST"), {{"ID", 12}, {"UWAGI", "x"}});

    QSqlQuery q(db->handle());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT ID, UWAGI FROM F00004ST ORDER BY ID")));
    ASSERT_TRUE(q.seek(2));
    TBitSelect s;
    EXPECT_TRUE(s.MarkFromDataSet(&q, QStringLiteral("ID"), 1));
    EXPECT_EQ(s.List(), "2,4,9,12");
    EXPECT_EQ(q.at(), 2); // back on its row
    EXPECT_TRUE(s.MarkFromDataSet(&q, QStringLiteral("ID"), 0));
    EXPECT_EQ(s.Count(), 0);

    // "x" is no number: the walk stops there, what was set stays.
    EXPECT_FALSE(s.MarkFromDataSet(&q, QStringLiteral("UWAGI"), 1));
    EXPECT_EQ(s.List(), "2,4,9");
    EXPECT_FALSE(s.MarkFromDataSet(static_cast<QSqlQuery*>(nullptr), QStringLiteral("ID"), 1));
    EXPECT_FALSE(s.MarkFromDataSet(&q, QStringLiteral("NO_SUCH"), 1));

    const QList<Row> rows{Row({{"ID", 5}}), Row({{"ID", QVariant()}}), Row({{"ID", 6}})};
    TBitSelect r;
    EXPECT_FALSE(r.MarkFromDataSet(&rows, QStringLiteral("ID"), 1));
    EXPECT_EQ(r.List(), "5");
}

} // namespace
