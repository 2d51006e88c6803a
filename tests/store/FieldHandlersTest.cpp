#include "StoreTestEnv.h"

#include "store/ClassificationSymbol.h"
#include "store/FieldHandlers.h"
#include "store/PlanGrid.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

struct StateCase
{
    const char* name;
    const char* kod;
    double value, depreciated, writeDowns;
    const char* expected;
};

void PrintTo(const StateCase& c, std::ostream* os)
{
    *os << c.name;
}

class AssetStateTest : public ::testing::TestWithParam<StateCase>
{
};

TEST_P(AssetStateTest, StateText)
{
    const StateCase& c = GetParam();
    // The tax part is fully depreciated throughout: only the book part decides.
    const Row asset({{"KOD", c.kod ? QVariant(QString::fromLatin1(c.kod)) : QVariant()},
                     {"WART_ZAKT", c.value},
                     {"ZAKTUAL_UMORZ", c.depreciated},
                     {"ODPISY_AKT", c.writeDowns},
                     {"POD_WARTOSC_ZAKT", 50.0},
                     {"POD_ZAKTUAL_UMORZ", 50.0}});
    EXPECT_EQ(AssetStateText(asset), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssetStateTest,
    ::testing::Values(StateCase{"entered_in_use", nullptr, 100, 40, 0, ""},
                      StateCase{"entered_fully_depreciated", nullptr, 100, 100, 0, "U"},
                      StateCase{"accepted_replaces_depreciated", "P", 100, 100, 0, "P"},
                      StateCase{"liquidated_fully_depreciated", "L", 100, 100, 0, "U | Z"},
                      StateCase{"liquidated_in_use", "L", 100, 40, 0, "Z"},
                      StateCase{"sold_in_use", "S", 100, 40, 0, "S"},
                      StateCase{"sold_fully_depreciated", "S", 100, 100, 0, "U | S"},
                      StateCase{"write_downs_count_as_depreciation", nullptr, 100, 70, 30, "U"},
                      StateCase{"residues_below_a_grosz_do_not_count", nullptr, 100.004, 99.996, 0,
                                "U"},
                      StateCase{"float_noise_of_the_sum", nullptr, 0.3, 0.1, 0.2, "U"},
                      StateCase{"one_grosz_left", nullptr, 100, 99.99, 0, ""}));

TEST(AssetState, TaxPartMustBeCompleteToo)
{
    const Row asset({{"KOD", "P"},
                     {"WART_ZAKT", 10.0},
                     {"ZAKTUAL_UMORZ", 10.0},
                     {"POD_WARTOSC_ZAKT", 10.0},
                     {"POD_ZAKTUAL_UMORZ", 5.0}});
    EXPECT_FALSE(IsFullyDepreciated(asset));
    EXPECT_EQ(AssetStateText(asset), "P");
}

TEST(FieldTexts, ClassificationVersionAndMethods)
{
    EXPECT_EQ(KstVersionText(1), "Tabela 2000");
    EXPECT_EQ(KstVersionText(2), "Tabela 2002");
    EXPECT_EQ(KstVersionText(3), "Nieznana");
    EXPECT_EQ(KstVersionText(QVariant()), "Nieznana");
    EXPECT_EQ(KstVersionText(QStringLiteral("x")), "Nieznana");

    EXPECT_EQ(MethodName("L"), "Liniowa");
    EXPECT_EQ(MethodName("D"), "Degresywna");
    EXPECT_EQ(MethodName("J"), "Jednorazowa");
    EXPECT_EQ(MethodName("X"), "");
    EXPECT_EQ(MethodName(""), "");
    EXPECT_EQ(MethodFromText("Degresywna", "L", false), "D");
    EXPECT_EQ(MethodFromText("", "L", false), "L");
    EXPECT_EQ(MethodFromText("", "L", true), "");
}

TEST(FieldTexts, AmountsTypedAndRoundedBeforePosting)
{
    EXPECT_DOUBLE_EQ(ParseAmountField("12 345,67").value(), 12345.67);
    EXPECT_DOUBLE_EQ(ParseAmountField("-0.5").value(), -0.5);
    EXPECT_FALSE(ParseAmountField("  ").has_value());
    try {
        ParseAmountField("12a");
        FAIL();
    } catch (const ValidationError& e) {
        EXPECT_EQ(e.message(), "Błędna wartość.");
    }

    Row asset({{"WART_ZAKT", 10.005},
               {"POD_WARTOSC_ZAKT", -2.345},
               {"ZAKTUAL_UMORZ", 1.004},
               {"POD_ZAKTUAL_UMORZ", QVariant()},
               {"WARTOSC_POCZ", 10.005}});
    RoundAssetBeforePost(asset);
    EXPECT_DOUBLE_EQ(asset.num("WART_ZAKT"), 10.01);
    EXPECT_DOUBLE_EQ(asset.num("POD_WARTOSC_ZAKT"), -2.35);
    EXPECT_DOUBLE_EQ(asset.num("ZAKTUAL_UMORZ"), 1.0);
    EXPECT_TRUE(asset.isNull("POD_ZAKTUAL_UMORZ"));
    EXPECT_DOUBLE_EQ(asset.num("WARTOSC_POCZ"), 10.005); // not one of the rounded fields
}

TEST(FieldTexts, PlaceKindAndLockNames)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("names"));
    InsertRow(*db, "F00003ST", {{"ID", 1}, {"NAZWA", "Hala"}, {"USUNIETA", "N"}});
    InsertRow(*db, "F00003ST", {{"ID", 2}, {"NAZWA", "Stary magazyn"}, {"USUNIETA", "T"}});
    InsertRow(*db, "F00017ST", {{"ID", 5}, {"NAZWA", "Maszyny"}});
    InsertRow(*db, "F00012ST", {{"ID", 1}, {"IDSRODKA", 9}, {"KOD", "U"}, {"NAZWAUZK", "Ewa"}});
    InsertRow(*db, "F00012ST", {{"ID", 2}, {"IDSRODKA", 9}, {"KOD", "E"}, {"NAZWAUZK", "Jan"}});
    InsertRow(*db, "F00012ST", {{"ID", 3}, {"IDSRODKA", 8}, {"KOD", "O"}, {"NAZWAUZK", "Jan"}});

    EXPECT_EQ(PlaceName(*db, 1, PlaceView::EditedAsset), "Hala");
    EXPECT_EQ(PlaceName(*db, 2, PlaceView::Browser), "Stary magazyn"); // deleted keeps its name
    EXPECT_EQ(PlaceName(*db, 0, PlaceView::EditedAsset), "brak");
    EXPECT_EQ(PlaceName(*db, 77, PlaceView::EditedAsset), "brak");
    EXPECT_EQ(PlaceName(*db, QVariant(), PlaceView::EditedAsset), "brak");
    EXPECT_EQ(PlaceName(*db, 77, PlaceView::Browser), "");
    EXPECT_EQ(KindName(*db, 5), "Maszyny");
    EXPECT_EQ(KindName(*db, 6), "");

    const LockColumns first = AssetLockColumns(*db, 9);
    EXPECT_EQ(first.mode, "Dokonywane umorzenia");
    EXPECT_EQ(first.user, "Ewa");
    EXPECT_EQ(AssetLockColumns(*db, 8).mode, ""); // a code without a text
    EXPECT_EQ(AssetLockColumns(*db, 8).user, "Jan");
    EXPECT_EQ(AssetLockColumns(*db, 7).user, "");
    EXPECT_EQ(LockModeText("P"), "Edycja planów");
}

struct FilterCase
{
    const char* name;
    AssetFilterSettings settings;
    const char* kod;
    bool hasPlan;
    bool depreciated;
    bool accepted;
};

void PrintTo(const FilterCase& c, std::ostream* os)
{
    *os << c.name;
}

class AssetFilterTest : public ::testing::TestWithParam<FilterCase>
{
};

AssetFilterSettings plans(bool with, bool without, bool showDepreciated = true)
{
    return {true, false, true, with, without, showDepreciated};
}

TEST_P(AssetFilterTest, Accepts)
{
    const FilterCase& c = GetParam();
    const Row asset({{"ID", 4},
                     {"KOD", QString::fromLatin1(c.kod)},
                     {"WART_ZAKT", 100.0},
                     {"ZAKTUAL_UMORZ", c.depreciated ? 100.0 : 10.0},
                     {"POD_WARTOSC_ZAKT", 0.0},
                     {"POD_ZAKTUAL_UMORZ", 0.0}});
    EXPECT_EQ(AcceptAssetRow(asset, c.settings,
                             [&](qint64 id) {
                                 EXPECT_EQ(id, 4);
                                 return c.hasPlan;
                             }),
              c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssetFilterTest,
    ::testing::Values(
        FilterCase{"all_shown", AssetFilterSettings{}, "P", false, true, true},
        FilterCase{"with_plans_accepted_with_plan", plans(true, false), "P", true, false, true},
        FilterCase{"with_plans_accepted_without", plans(true, false), "P", false, false, false},
        FilterCase{"with_plans_not_accepted_without", plans(true, false), "", false, false, true},
        FilterCase{"without_plans_accepted_without", plans(false, true), "P", false, false, true},
        FilterCase{"without_plans_accepted_with", plans(false, true), "P", true, false, false},
        FilterCase{"without_plans_liquidated_with", plans(false, true), "L", true, false, true},
        FilterCase{"both_boxes_no_plan_condition", plans(true, true), "P", false, false, true},
        FilterCase{"depreciated_hidden", plans(false, false, false), "P", false, true, false},
        FilterCase{"not_depreciated_stays", plans(false, false, false), "P", false, false, true},
        FilterCase{"browser_closed_shows_all",
                   {false, false, true, true, false, false},
                   "P",
                   false,
                   true,
                   true}));

TEST(AssetFilter, PlanFoundByYearOfThePlanEvent)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("plan"));
    InsertRow(*db, "F00007ST", {{"ID", 1}, {"ID_SRODKA", 4}, {"TYP", 3}, {"LONG3", 2024}});
    InsertRow(*db, "F00007ST", {{"ID", 2}, {"ID_SRODKA", 5}, {"TYP", 4}, {"LONG3", 2024}});
    EXPECT_TRUE(AssetHasPlan(*db, 4, 2024));
    EXPECT_FALSE(AssetHasPlan(*db, 4, 2023));
    EXPECT_FALSE(AssetHasPlan(*db, 5, 2024)); // a write-off is no plan
}

QList<Row> planGrid()
{
    return {Row({{"OKRESLENIE", "Tokarka"}, {"KWOTA1", 10.0}, {"KWOTA2", 20.0}}),
            Row({{"OKRESLENIE", "Frezarka"}, {"KWOTA1", 5.0}, {"KWOTA2", 5.0}}),
            Row({{"OKRESLENIE", "SUMA:"}, {"KWOTA1", 15.0}, {"KWOTA2", 25.0}})};
}

TEST(PlanGrid, TypedAmountMovesTheTotals)
{
    QList<Row> rows = planGrid();
    PlanGrid::EnterAmount(rows, 0, 2, "32,5");
    EXPECT_DOUBLE_EQ(rows[0].num("KWOTA2"), 32.5);
    EXPECT_DOUBLE_EQ(rows[2].num("KWOTA2"), 37.5);
    PlanGrid::EnterAmount(rows, 1, 3, "1"); // an empty period counts as 0
    EXPECT_DOUBLE_EQ(rows[2].num("KWOTA3"), 1.0);
    EXPECT_DOUBLE_EQ(PlanGrid::Sum(rows[0], 2), 42.5);
    EXPECT_DOUBLE_EQ(PlanGrid::Sum(rows[2], 1), 15.0);

    for (const auto& [text, message] :
         {std::pair{"x", "Błędna wartość."}, std::pair{"-1", "Ujemna wartość."}}) {
        try {
            PlanGrid::EnterAmount(rows, 0, 1, QString::fromLatin1(text));
            FAIL() << text;
        } catch (const ValidationError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(message));
        }
    }
    EXPECT_DOUBLE_EQ(rows[0].num("KWOTA1"), 10.0);
    EXPECT_DOUBLE_EQ(rows[2].num("KWOTA1"), 15.0);

    PlanGrid::EnterAmount(rows, 2, 1, "100"); // the totals row itself: no double change
    EXPECT_DOUBLE_EQ(rows[2].num("KWOTA1"), 100.0);
}

TEST(PlanGrid, PeriodMarksAndGlobalPlanTexts)
{
    Row row(
        {{"OKRESLENIE", "Tokarka"}, {"KWOTA1", 10.0}, {"KWOTA3", 0.0}, {"MIESIACEUMORZ", "NNNN"}});
    PlanGrid::MarkPeriod(row, 1);
    PlanGrid::MarkPeriod(row, 3);
    EXPECT_EQ(row.str("MIESIACEUMORZ"), "UNDN");
    PlanGrid::MarkPeriod(row, 0); // no period column selected
    EXPECT_EQ(row.str("MIESIACEUMORZ"), "UNDN");
    Row totals({{"OKRESLENIE", "SUMA:"}, {"KWOTA1", 10.0}, {"MIESIACEUMORZ", "N"}});
    PlanGrid::MarkPeriod(totals, 1);
    EXPECT_EQ(totals.str("MIESIACEUMORZ"), "N");

    const Row g({{"MIESIAC", 3}, {"ROK", 2024}});
    EXPECT_EQ(PlanGrid::MonthYearText(g, false), "3/2024");
    EXPECT_EQ(PlanGrid::MonthYearText(g, true), "2024");
    EXPECT_TRUE(PlanGrid::CheckMark("T"));
    EXPECT_TRUE(PlanGrid::CheckMark("Z"));
    EXPECT_FALSE(PlanGrid::CheckMark("U"));
}

} // namespace

namespace {

TEST(ClassificationSymbol, RatesOfAnAssetNotYetAccepted)
{
    auto global = FreshScope(Scope::Global, QStringLiteral("kst"));
    auto firm = FreshScope(Scope::Firm, QStringLiteral("kst-firm"));
    InsertRow(*global, "D00005ST", {{"ID", 1}, {"Symbol", "491"}, {"StopDo", 14.0}});
    InsertRow(*firm, "F00007ST", {{"ID", 1}, {"ID_SRODKA", 2}, {"TYP", 1}});
    ScriptedMessages messages;

    Row entered({{"ID", 1},
                 {"KRST", "491"},
                 {"METODA_AMORT", "L"},
                 {"POD_METODA_AMORT", "J"},
                 {"STAWKA", 10.0},
                 {"POD_STAWKA", 10.0}});
    EXPECT_TRUE(ApplyClassificationSymbol(*global, ClassificationTable::Kst2002, *firm, entered,
                                          true, messages));
    EXPECT_DOUBLE_EQ(entered.num("STAWKA"), 14.0);
    EXPECT_DOUBLE_EQ(entered.num("POD_STAWKA"), 10.0); // one-off keeps its rate
    EXPECT_EQ(entered.integer("KST_VER"), 2);

    Row taxOff({{"KRST", "491"}, {"METODA_AMORT", "J"}, {"STAWKA", 100.0}, {"POD_STAWKA", 5.0}});
    EXPECT_TRUE(ApplyClassificationSymbol(*global, ClassificationTable::Kst2002, *firm, taxOff,
                                          false, messages));
    EXPECT_DOUBLE_EQ(taxOff.num("STAWKA"), 100.0);
    EXPECT_DOUBLE_EQ(taxOff.num("POD_STAWKA"), 5.0);

    Row accepted({{"ID", 2}, {"KRST", "491"}, {"METODA_AMORT", "L"}, {"STAWKA", 10.0}});
    EXPECT_TRUE(ApplyClassificationSymbol(*global, ClassificationTable::Kst2002, *firm, accepted,
                                          true, messages));
    EXPECT_DOUBLE_EQ(accepted.num("STAWKA"), 10.0);
    EXPECT_TRUE(messages.messages().isEmpty());

    Row unknown({{"ID", 1}, {"KRST", "491"}, {"STAWKA", 10.0}});
    EXPECT_FALSE(ApplyClassificationSymbol(*global, ClassificationTable::Kst2000, *firm, unknown,
                                           true, messages));
    EXPECT_EQ(messages.texts(),
              QStringList({"Wprowadzony symbol nie znajduje się w wybranej tabeli KŚT."}));
    EXPECT_DOUBLE_EQ(unknown.num("STAWKA"), 10.0);
}

} // namespace
