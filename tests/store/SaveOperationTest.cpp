#include "StoreTestEnv.h"

#include "store/SaveOperation.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

const QString kAssets = QStringLiteral("F00004ST");
const QString kEvents = QStringLiteral("F00007ST");
const QString kPlans = QStringLiteral("F00006ST");

Row row(const QVariantMap& values)
{
    return Row(values);
}

// Two workstations on one firm folder, with one asset, one event and two plan rows.
class SaveOperationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = FreshDir(QStringLiteral("save"));
        OpenOptions quick = TestOptions(true);
        quick.busyTimeoutMs = 50;
        mine = OpenScope(Scope::Firm, folder, quick);
        other = OpenScope(Scope::Firm, folder, quick);
        InsertRow(*mine, kAssets,
                  {{"ID", 1},
                   {"OKRESLENIE", "Tokarka"},
                   {"WART_ZAKT", 1000.0},
                   {"ZAKTUAL_UMORZ", 100.0},
                   {"UWAGI", QVariant()}});
        InsertRow(*mine, kEvents, {{"ID", 7}, {"ID_SRODKA", 1}, {"TYP", 1}});
        InsertRow(*mine, kPlans, {{"ID", 1}, {"ID_SRODKA", 1}, {"KWOTA", 10.0}});
        InsertRow(*mine, kPlans, {{"ID", 2}, {"ID_SRODKA", 1}, {"KWOTA", 20.0}});
    }

    int count(const QString& sql) { return other->scalar(sql).toInt(); }
    double umorzenie()
    {
        return other->scalar(QStringLiteral("SELECT ZAKTUAL_UMORZ FROM F00004ST WHERE ID = 1"))
            .toDouble();
    }

    // A monthly write-off: the asset grows, an event and nothing else is added, a plan row
    // is removed (in that order of row sets).
    void prepareWriteOff()
    {
        assets.load(*mine);
        events.load(*mine);
        plans.load(*mine);
        assets.setValue(0, "ZAKTUAL_UMORZ", 110.0);
        events.append(row({{"ID", 8},
                           {"ID_SRODKA", 1},
                           {"TYP", 4},
                           {"KWOTA1", 10.0},
                           {"DATA1", QDate(2024, 1, 31)}}));
        plans.remove(plans.indexOfId(1));
    }

    QString folder;
    std::unique_ptr<Database> mine;
    std::unique_ptr<Database> other;
    RowSet assets{kAssets};
    RowSet events{kEvents};
    RowSet plans{kPlans};
    ScriptedMessages messages;
};

TEST_F(SaveOperationTest, CommitWritesEveryRowSetTogether)
{
    prepareWriteOff();
    // Until the save, queries see only the stored rows, also on the operation's own database.
    EXPECT_DOUBLE_EQ(
        mine->scalar(QStringLiteral("SELECT ZAKTUAL_UMORZ FROM F00004ST WHERE ID = 1")).toDouble(),
        100.0);
    EXPECT_EQ(mine->scalar(QStringLiteral("SELECT COUNT(*) FROM F00006ST")).toInt(), 2);
    ASSERT_TRUE(SaveOperation(*mine, {&assets, &events, &plans}, true, false, messages));
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_DOUBLE_EQ(umorzenie(), 110.0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM F00007ST WHERE ID = 8 AND DATA1 = '2024-01-31'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM F00006ST"), 1);
    EXPECT_FALSE(assets.hasChanges() || events.hasChanges() || plans.hasChanges());

    // The saved rows are the new stored rows: a second edit checks against them.
    assets.setValue(0, "ZAKTUAL_UMORZ", 120.0);
    ASSERT_TRUE(SaveOperation(*mine, {&assets}, true, false, messages));
    EXPECT_DOUBLE_EQ(umorzenie(), 120.0);
}

struct FailureCase
{
    const char* name;
    // What happens between reading and saving: another user's change, or a row of the
    // operation itself that the database refuses.
    std::function<void(Database& other, RowSet& events)> interfere;
    const char* detail; // part of the text shown in the window's details
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveFailureTest : public SaveOperationTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(SaveFailureTest, KeepsNothingAndTellsTheUser)
{
    prepareWriteOff();
    GetParam().interfere(*other, events);
    const double before = umorzenie();
    const int plansBefore = count("SELECT COUNT(*) FROM F00006ST");

    EXPECT_FALSE(SaveOperation(*mine, {&events, &plans, &assets}, true, false, messages));

    EXPECT_DOUBLE_EQ(umorzenie(), before);
    EXPECT_EQ(count("SELECT COUNT(*) FROM F00007ST WHERE TYP = 4"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM F00006ST"), plansBefore);
    ASSERT_EQ(messages.messages().size(), 1);
    const auto& m = messages.messages().first();
    EXPECT_EQ(m.kind, ScriptedMessages::Kind::InfoWindow);
    EXPECT_EQ(m.window.caption, "Błąd");
    EXPECT_EQ(m.window.text,
              "Danych nie można zapisać. Inny użytkownik zmienił dane.\n\rProszę spróbować "
              "ponownie.");
    EXPECT_EQ(m.window.iconType, IconType::itError);
    ASSERT_EQ(m.window.info.size(), 1);
    EXPECT_TRUE(m.window.info.first().contains(QString::fromUtf8(GetParam().detail)))
        << m.window.info.first().toStdString();
    // The operation's changes are gone from memory too: it can be repeated from scratch.
    EXPECT_FALSE(assets.hasChanges() || events.hasChanges() || plans.hasChanges());
    EXPECT_DOUBLE_EQ(assets.at(0).num("ZAKTUAL_UMORZ"), 100.0);
    EXPECT_EQ(plans.size(), 2);
    EXPECT_EQ(plans.at(0).integer("ID"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailureTest,
    ::testing::Values(FailureCase{"asset_changed_by_other_user",
                                  [](Database& o, RowSet&) {
                                      o.exec("UPDATE F00004ST SET UWAGI = 'zmiana' WHERE ID = 1");
                                  },
                                  "F00004ST (ID = 1)"},
                      FailureCase{
                          "deleted_row_deleted_by_other_user",
                          [](Database& o, RowSet&) { o.exec("DELETE FROM F00006ST WHERE ID = 1"); },
                          "F00006ST (ID = 1)"},
                      FailureCase{"second_new_row_refused_midway",
                                  [](Database&, RowSet& events) {
                                      // The first new event is written, the second has its key: the
                                      // database refuses it after the first insert succeeded.
                                      events.append(row({{"ID", 7}, {"ID_SRODKA", 1}, {"TYP", 4}}));
                                  },
                                  "UNIQUE"},
                      FailureCase{"database_held_by_other_user",
                                  [](Database& o, RowSet&) {
                                      o.beginWrite();
                                      o.exec("UPDATE F00005ST SET ID_G = 0");
                                  },
                                  "lock"}));

TEST_F(SaveOperationTest, DiscardAsksOnlyWhenTold)
{
    prepareWriteOff();
    messages.answer(false);
    EXPECT_FALSE(SaveOperation(*mine, {&assets, &events, &plans}, false, true, messages));
    ASSERT_EQ(messages.ofKind(ScriptedMessages::Kind::Question).size(), 1);
    EXPECT_EQ(messages.messages().first().text,
              "Niezapisane dane. Czy chcesz kontynuować wyjście?");
    EXPECT_EQ(messages.messages().first().defaultAnswer, DefaultAnswer::No);
    EXPECT_TRUE(assets.hasChanges() && events.hasChanges() && plans.hasChanges());

    messages.answer(true);
    EXPECT_TRUE(SaveOperation(*mine, {&assets, &events, &plans}, false, true, messages));
    EXPECT_FALSE(assets.hasChanges() || events.hasChanges() || plans.hasChanges());
    EXPECT_EQ(events.size(), 1);
    EXPECT_EQ(plans.size(), 2);

    prepareWriteOff();
    messages.clear();
    EXPECT_TRUE(SaveOperation(*mine, {&assets}, false, false, messages));
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_DOUBLE_EQ(umorzenie(), 100.0);
}

TEST_F(SaveOperationTest, RowsTakeTheirColumnTypes)
{
    events.load(*mine);
    events.setValue(0, "LONG2", QStringLiteral("12"));
    events.setValue(0, "DATA1", QDate(2024, 3, 1));
    EXPECT_EQ(events.at(0).value("LONG2").typeId(), QMetaType::LongLong);
    EXPECT_EQ(events.at(0).value("DATA1").toDateTime(), QDateTime(QDate(2024, 3, 1), QTime()));
    EXPECT_THROW(events.setValue(0, "NO_SUCH_COLUMN", 1), DataError);
    EXPECT_THROW(events.append(row({{"KWOTA25", 1.0}})), DataError);
    EXPECT_THROW(RowSet(QStringLiteral("F00099ST")), DataError);

    // The operation's own new rows are found among the stored ones.
    events.append(row({{"ID", 9}, {"ID_SRODKA", 1}, {"TYP", 4}}));
    const auto writeOff = [](const Row& r) { return r.integer("TYP") == 4; };
    EXPECT_EQ(events.indexWhere(writeOff), 1);
    EXPECT_EQ(events.indexWhere(writeOff, 2), -1);
}

} // namespace
