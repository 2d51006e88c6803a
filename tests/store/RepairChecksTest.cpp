#include "StoreTestEnv.h"

#include "common/FiscalYear.h"
#include "store/BitSelect.h"
#include "store/RepairChecks.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

const ReportHeader kHeader{QStringLiteral("VORN 2000 - Środki Trwałe"), 3,
                           QDateTime(QDate(2024, 8, 1), QTime(12, 0, 0)), QStringLiteral("EWA")};
const QStringList kHeaderLines{"VORN 2000 - Środki Trwałe", "Numer firmy: 3",
                               "Data, godzina: 01-08-2024, 12:00:00", "Użytkownik: EWA"};

class RepairTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db = FreshScope(Scope::Firm, QStringLiteral("repair"));
        InsertRow(*db, "F00004ST", {{"ID", 1}, {"OKRESLENIE", "Tokarka"}, {"NUMER_EWID", "T-1"}});
        InsertRow(*db, "F00004ST", {{"ID", 2}, {"OKRESLENIE", "Frezarka"}, {"NUMER_EWID", "F-2"}});
    }
    QString str(const QString& sql) { return db->scalar(sql).toString(); }
    double num(const QString& sql) { return db->scalar(sql).toDouble(); }
    void plan(int id, int asset, int month, double kwota, const char* stan, const char* kind = "B",
              int year = 2024)
    {
        InsertRow(*db, "F00006ST",
                  {{"ID", id},
                   {"ID_SRODKA", asset},
                   {"ROK", year},
                   {"MIESIAC", month},
                   {"KWOTA", kwota},
                   {"UMORZENIE", stan},
                   {"RODZAJ_AMORT", kind}});
    }
    void writeOff(int id, int asset, int type, QDate day, QVariant order)
    {
        InsertRow(*db, "F00007ST",
                  {{"ID", id},
                   {"ID_SRODKA", asset},
                   {"TYP", type},
                   {"DATA1", day},
                   {"LONG2", order},
                   {"KOMENTARZ", "Księgowe umorzenie miesięczne środka trwałego"}});
    }

    std::unique_ptr<Database> db;
    ScriptedMessages messages;
    // Fiscal year 2024 from February: period 1 is February.
    FiscalYearList years{{{2024, QDate(2024, 2, 1), QDate(2025, 1, 31), QDate()}}};
};

TEST_F(RepairTest, CheckPlansFollowsEventsAndOrders)
{
    // Period 1 (February): written off, its order 5 deleted, an orphan line of it left.
    plan(1, 1, 1, 100, "Z");
    writeOff(11, 1, 4, QDate(2024, 2, 29), 5);
    InsertRow(*db, "F00009ST", {{"ID", 1}, {"IDPK", 5}, {"IDWYD", 11}, {"KWOTA", 100.0}});
    db->exec("DELETE FROM F00009ST WHERE IDWYD = 11"); // the order went with its lines ...
    InsertRow(*db, "F00009ST", {{"ID", 2}, {"IDPK", 5}, {"IDWYD", 99}}); // ... but one stayed
    // Period 2 (March): marked written off, no event.
    plan(2, 1, 2, 100, "T");
    // Period 3 (April): event without an order, row still planned.
    plan(3, 1, 3, 100, "U");
    writeOff(13, 1, 4, QDate(2024, 4, 1), QVariant());
    // Period 4 (May): event in an approved order.
    plan(4, 1, 4, 100, "T");
    writeOff(14, 1, 4, QDate(2024, 5, 31), 6);
    InsertRow(*db, "F00008ST", {{"ID", 6}, {"ZAKSIEGOWANE", "T"}});
    InsertRow(*db, "F00009ST", {{"ID", 3}, {"IDPK", 6}, {"IDWYD", 14}});
    // Period 5: nothing planned, yet "U": a fault for the service.
    plan(5, 1, 5, 0, "U");
    // Period 6 (July), tax row: the July event is a book write-off, so none for it.
    plan(6, 1, 6, 50, "U", "P");
    writeOff(16, 1, 4, QDate(2024, 7, 10), QVariant());
    // Period 7 (August): the event names order 7, which exists but holds only another event.
    plan(7, 1, 7, 100, "T");
    writeOff(17, 1, 4, QDate(2024, 8, 31), 7);
    InsertRow(*db, "F00008ST", {{"ID", 7}, {"ZAKSIEGOWANE", "N"}});
    InsertRow(*db, "F00009ST", {{"ID", 4}, {"IDPK", 7}, {"IDWYD", 2}});
    // Another year and another asset outside the marked ones stay as they are.
    plan(8, 1, 2, 100, "T", "B", 2023);
    plan(9, 2, 2, 100, "T");

    TBitSelect marked;
    marked.Set(1, 1);
    messages.answer(true);
    const auto report =
        CheckPlans(*db, messages, years, 2024, AssetScope::of(false, marked, 2), kHeader);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(messages.messages().first().text,
              "Przed użyciem tej funkcji upewnij się, że inni\r\nużytkownicy programu nie "
              "dokonują żadnych operacji.\r\nCzy chcesz kontynuować ?");

    QStringList expected{"Poprawność planów amortyzacji."};
    expected << kHeaderLines
             << QStringList{"Błędy wymagające interwencji serwisu",
                            "1    \"Tokarka\"    \"T-1\"    5/2024   U",
                            "Błędy poprawione",
                            "1    \"Tokarka\"    \"T-1\"    2/2024    B    T > U",
                            "1    \"Tokarka\"    \"T-1\"    3/2024    B    U > T",
                            "1    \"Tokarka\"    \"T-1\"    4/2024    B    T > Z",
                            "Poprawione wydarzenia",
                            "11    1    \"Księgowe umorzenie miesięczne środka trwałego\"",
                            "17    1    \"Księgowe umorzenie miesięczne środka trwałego\""};
    EXPECT_EQ(report->texts().join("\n").toStdString(), expected.join("\n").toStdString());
    EXPECT_EQ(report->lines[6].style, ReportStyle::Fault);
    EXPECT_EQ(report->lines[8].style, ReportStyle::Good);

    const auto state = [&](int id) {
        return str(QStringLiteral("SELECT UMORZENIE FROM F00006ST WHERE ID = %1").arg(id));
    };
    EXPECT_EQ(state(1), "T");
    EXPECT_EQ(state(2), "U");
    EXPECT_EQ(state(3), "T");
    EXPECT_EQ(state(4), "Z");
    EXPECT_EQ(state(5), "U");
    EXPECT_EQ(state(6), "U");
    EXPECT_EQ(state(7), "T");
    EXPECT_EQ(state(8), "T");
    EXPECT_EQ(state(9), "T");
    EXPECT_TRUE(db->scalar("SELECT LONG2 FROM F00007ST WHERE ID = 11").isNull());
    EXPECT_TRUE(db->scalar("SELECT LONG2 FROM F00007ST WHERE ID = 17").isNull());
    // The orphan line of the deleted order is gone; the live order 7 keeps its line.
    EXPECT_EQ(str("SELECT GROUP_CONCAT(ID) FROM (SELECT ID FROM F00009ST ORDER BY ID)"), "3,4");

    // Run again over all assets: the first asset has only its fault left.
    messages.answer(true);
    const auto again = CheckPlans(*db, messages, years, 2024, AssetScope{}, kHeader);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->texts().mid(5).join("\n").toStdString(),
              QStringList({"Błędy wymagające interwencji serwisu",
                           "1    \"Tokarka\"    \"T-1\"    5/2024   U", "Błędy poprawione",
                           "2    \"Frezarka\"    \"F-2\"    2/2024    B    T > U"})
                  .join("\n")
                  .toStdString());
}

TEST_F(RepairTest, CheckPlansCleanAndDeclined)
{
    plan(1, 1, 1, 0, "D");
    messages.answer(false);
    EXPECT_FALSE(CheckPlans(*db, messages, years, 2024, AssetScope{}, kHeader).has_value());
    messages.answer(true);
    const auto report = CheckPlans(*db, messages, years, 2024, AssetScope{}, kHeader);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->texts().last(), "Nie wykryto żadnych błędów w planach amortyzacji.");
    EXPECT_EQ(report->lines.last().style, ReportStyle::Good);
    EXPECT_EQ(report->title, "Poprawność planów amortyzacji.");
}

TEST_F(RepairTest, CheckWriteOffAmountsRoundsResidues)
{
    db->exec("UPDATE F00004ST SET ZAKTUAL_UMORZ = 100.004, ODPIS_JEDN = 30.0 WHERE ID = 1");
    db->exec("UPDATE F00004ST SET ZAKTUAL_UMORZ = 50.0 WHERE ID = 2");
    plan(1, 1, 1, 33.333, "U");
    plan(2, 2, 1, 1.234, "U"); // an asset without residues keeps its plan as it is
    InsertRow(*db, "F00007ST",
              {{"ID", 1},
               {"ID_SRODKA", 1},
               {"TYP", 2},
               {"KWOTA11", 1000.004},
               {"KWOTA12", 200.001},
               {"KWOTA14", 800.0049},
               {"KWOTA3", 1.005}});
    InsertRow(*db, "F00007ST", {{"ID", 2}, {"ID_SRODKA", 1}, {"TYP", 4}, {"KWOTA14", 7.777}});
    InsertRow(*db, "F00009ST", {{"ID", 1}, {"IDPK", 1}, {"KWOTA", 2.675}});
    InsertRow(*db, "F00022ST", {{"ID", 1}, {"ID_WYD", 9}, {"KWOTA30", 0.125}});

    messages.answer(true);
    RecordingProgress progress;
    ASSERT_TRUE(CheckWriteOffAmounts(*db, messages, AssetScope{}, &progress));
    EXPECT_EQ(progress.log.mid(1),
              QStringList(
                  {"Trwa sprawdzanie poprawności kwot odpisów...", "Kontrola planów amortyzacji...",
                   "Kontrola kwot odpisów amortyzacyjnych...", "Kontrola poleceń księgowania...",
                   "Kontrola kwot odpisów aktualizujących..."}));
    EXPECT_EQ(messages.messages().first().text,
              "Przed użyciem tej funkcji upewnij się, czy\r\njesteś jedynym użytkownikiem "
              "programu.\r\nCzy chcesz kontynuować ?");
    EXPECT_DOUBLE_EQ(num("SELECT ZAKTUAL_UMORZ FROM F00004ST WHERE ID = 1"), 100.0);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA FROM F00006ST WHERE ID = 1"), 33.33);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA FROM F00006ST WHERE ID = 2"), 1.234);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA14 FROM F00007ST WHERE ID = 1"), 800.0);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA11 FROM F00007ST WHERE ID = 1"), 1000.0);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA3 FROM F00007ST WHERE ID = 1"), 1.01);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA14 FROM F00007ST WHERE ID = 2"), 7.78);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA FROM F00009ST"), 2.68);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA30 FROM F00022ST"), 0.13);
    EXPECT_TRUE(db->scalar("SELECT KWOTA1 FROM F00022ST").isNull());
    EXPECT_TRUE(messages.ofKind(ScriptedMessages::Kind::InfoWindow).isEmpty());
}

TEST_F(RepairTest, CheckWriteOffAmountsLeavesEverythingWhenAssetsAreRound)
{
    db->exec("UPDATE F00004ST SET ZAKTUAL_UMORZ = 100.004 WHERE ID = 2");
    plan(1, 1, 1, 33.333, "U");
    InsertRow(*db, "F00009ST", {{"ID", 1}, {"IDPK", 1}, {"KWOTA", 2.675}});
    TBitSelect marked;
    marked.Set(1, 1); // asset 2 with its residue is not marked
    messages.answer(true);
    ASSERT_TRUE(CheckWriteOffAmounts(*db, messages, AssetScope::of(false, marked, 0)));
    EXPECT_DOUBLE_EQ(num("SELECT ZAKTUAL_UMORZ FROM F00004ST WHERE ID = 2"), 100.004);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA FROM F00006ST"), 33.333);
    EXPECT_DOUBLE_EQ(num("SELECT KWOTA FROM F00009ST"), 2.675);
    messages.answer(false);
    EXPECT_FALSE(CheckWriteOffAmounts(*db, messages, AssetScope{}));
}

TEST_F(RepairTest, CheckAccumulatedDepreciationRebuildsFromEvents)
{
    db->exec("UPDATE F00004ST SET KWOTABOB = 100, ZAKTUAL_UMORZ = 1, DOTYCHCZAS_UMORZ = 2, "
             "POD_ZAKTUAL_UMORZ = 3, POD_DOT_UMORZ = 4 WHERE ID = 1");
    writeOff(1, 1, 4, QDate(2024, 2, 29), QVariant());
    writeOff(2, 1, 4, QDate(2024, 3, 31), QVariant());
    db->exec("UPDATE F00007ST SET KWOTA1 = 10.004 WHERE ID = 1");
    db->exec("UPDATE F00007ST SET KWOTA1 = 20.0 WHERE ID = 2");
    writeOff(3, 2, 5, QDate(2024, 3, 31), QVariant());
    db->exec("UPDATE F00007ST SET KWOTA1 = 7.5 WHERE ID = 3");
    db->exec("UPDATE F00004ST SET KWOTABOP = 2.5, ZAKTUAL_UMORZ = 9 WHERE ID = 2");

    messages.answer(true);
    RecordingProgress progress;
    ASSERT_TRUE(CheckAccumulatedDepreciation(*db, messages, AssetScope{}, &progress));
    EXPECT_EQ(progress.log, QStringList({"Kontrola poprawności danych 2", "Tokarka", "Frezarka"}));
    const auto asset = [&](int id) {
        return db->firstRow(QStringLiteral("SELECT * FROM F00004ST WHERE ID = %1").arg(id)).value();
    };
    EXPECT_DOUBLE_EQ(asset(1).num("ZAKTUAL_UMORZ"), 130.0);
    EXPECT_DOUBLE_EQ(asset(1).num("DOTYCHCZAS_UMORZ"), 130.0);
    EXPECT_DOUBLE_EQ(asset(1).num("POD_ZAKTUAL_UMORZ"), 0.0); // no tax events, no balance
    EXPECT_DOUBLE_EQ(asset(1).num("POD_DOT_UMORZ"), 0.0);
    EXPECT_DOUBLE_EQ(asset(2).num("ZAKTUAL_UMORZ"), 0.0);
    EXPECT_DOUBLE_EQ(asset(2).num("POD_ZAKTUAL_UMORZ"), 10.0);
}

TEST(AssetScope, MarkedCurrentOrAll)
{
    TBitSelect marked;
    EXPECT_EQ(AssetScope::of(false, marked, 7).ids, QList<qint64>({7}));
    EXPECT_EQ(AssetScope::of(false, marked, 7).condition("ID"), " AND ID in (7)");
    EXPECT_EQ(AssetScope::of(true, marked, 7).condition("ID"), "");
    marked.Set(3, 1);
    marked.Set(17, 1);
    EXPECT_EQ(AssetScope::of(false, marked, 7).condition("ID_SRODKA"), " AND ID_SRODKA in (3,17)");
    EXPECT_TRUE(AssetScope::of(false, TBitSelect(), 0).isEmpty());
    EXPECT_EQ(AssetScope::of(false, TBitSelect(), 0).condition("ID"), " AND ID in (-1)");
}

} // namespace
