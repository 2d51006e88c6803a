#include "EventFixture.h"

#include "common/Errors.h"
#include "operations/EventQueries.h"

#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

double K(const Row& e, int n)
{
    return e.num(QStringLiteral("KWOTA%1").arg(n));
}

bool Null(const Row& e, const char* slot)
{
    return e.isNull(QString::fromLatin1(slot));
}

// Write-offs of 2023 and 2024 already posted.
void WriteOffHistory(EventFixture& f)
{
    f.history(1, EventType::BookWriteOff, QDate(2023, 12, 31), 50.0);
    f.history(2, EventType::BookWriteOff, QDate(2024, 3, 31), 100.0);
    f.history(3, EventType::BookWriteOff, QDate(2024, 4, 30), 100.0);
    f.history(4, EventType::TaxWriteOff, QDate(2024, 3, 31), 40.0);
}

void PlanRows(EventFixture& f, int count)
{
    for (int period = 1; period <= count; ++period) {
        Row r;
        r.set("ID", 100 + period);
        r.set("KWOTA", 100.0 + period + 0.004);
        r.set("UMORZENIE", "U");
        r.set("RODZAJ_AMORT", "B");
        f.sources.planRows.append(r);
    }
}

TEST(AddEvent, CommonFieldsAndUnitOfWork)
{
    EventFixture f;
    f.marked.Set(501, 1);
    const Row e = f.add(EventType::BookPlan);
    EXPECT_EQ(e.integer("ID"), 501);
    EXPECT_EQ(e.integer("ID_SRODKA"), 7);
    EXPECT_EQ(e.integer("TYP"), 2);
    EXPECT_EQ(e.value("DATA").toDateTime(), QDateTime(QDate(2024, 5, 21), QTime(10, 15, 30)));
    EXPECT_EQ(e.str("ID_OPERATOR"), QStringLiteral("JKOWAL"));
    EXPECT_EQ(e.str("NAZWAOP"), QStringLiteral("Jan Kowalski"));
    EXPECT_FALSE(Null(e, "DOKUMENT"));
    EXPECT_TRUE(e.str("DOKUMENT").isEmpty());
    EXPECT_EQ(e.str("KOMENTARZ"),
              QStringLiteral("Wyznaczenie planu księgowej amortyzacji na 2024 rok"));
    // A plan event gets its slots from the plan determination.
    EXPECT_TRUE(Null(e, "DATA1"));
    EXPECT_TRUE(Null(e, "KWOTA1"));

    EXPECT_EQ(f.toPost.List(), QStringLiteral("501"));
    EXPECT_EQ(f.marked.Get(501), 1);
    ASSERT_EQ(f.events.changes().size(), 1);
    EXPECT_EQ(f.events.changes().at(0).kind, RowSet::Change::Insert);
    EXPECT_FALSE(f.assets.hasChanges());
}

TEST(AddEvent, AcceptanceCopiesTheNewValues)
{
    EventFixture f;
    f.edit("WART_ZAKT", 12500.0);
    f.dialog.acceptanceDocument = 33;
    const Row e = f.add(EventType::Acceptance);
    EXPECT_EQ(e.date("DATA1"), QDate(2024, 5, 20));
    EXPECT_EQ(e.date("DATA2"), QDate(2024, 2, 20));
    EXPECT_EQ(e.integer("LONG3"), 2024);
    EXPECT_EQ(e.integer("LONG4"), 33);
    EXPECT_EQ(K(e, 1), 12000.0);
    EXPECT_EQ(K(e, 2), 12500.0);
    EXPECT_EQ(K(e, 3), 300.0);
    EXPECT_EQ(K(e, 4), 300.0);
    EXPECT_EQ(K(e, 5), 10.0);
    EXPECT_EQ(K(e, 6), 1.2);
    EXPECT_FALSE(Null(e, "KWOTA13"));
    EXPECT_EQ(K(e, 13), 0.0);
    EXPECT_EQ(K(e, 7), 11000.0);
    EXPECT_EQ(K(e, 10), 200.0);
    EXPECT_EQ(K(e, 12), 2.0);
    EXPECT_EQ(K(e, 14), 1.0);

    f.dialog.acceptanceDocument.reset();
    EXPECT_TRUE(Null(f.add(EventType::Acceptance), "LONG4"));
}

TEST(AddEvent, MonthlyWriteOffTakesThePlanRowOfTheMonth)
{
    EventFixture f;
    WriteOffHistory(f);
    PlanRows(f, 12);
    const Row e = f.add(EventType::BookWriteOff);
    EXPECT_EQ(K(e, 1), 105.0);
    EXPECT_EQ(K(e, 2), 1.0);
    EXPECT_EQ(K(e, 3), 405.0);
    EXPECT_EQ(K(e, 4), 405.0);
    EXPECT_EQ(K(e, 5), 305.0); // 200,00 written off in 2024 before, plus this one
    EXPECT_TRUE(Null(e, "KWOTA6"));
    EXPECT_EQ(f.writtenOff.List(), QStringLiteral("105"));
    EXPECT_EQ(f.asset().num("DOTYCHCZAS_UMORZ"), 405.0);
    EXPECT_EQ(f.asset().num("ZAKTUAL_UMORZ"), 405.0);
    EXPECT_EQ(f.asset().num("POD_ZAKTUAL_UMORZ"), 200.0);
    EXPECT_TRUE(f.assets.hasChanges());

    const Row tax = f.add(EventType::TaxWriteOff);
    EXPECT_EQ(K(tax, 2), 0.0);
    EXPECT_EQ(K(tax, 3), 305.0);
    EXPECT_EQ(K(tax, 6), 145.0);
    EXPECT_TRUE(Null(tax, "KWOTA5"));
}

TEST(AddEvent, WholeRestWritesOffWhatIsLeft)
{
    EventFixture f;
    f.dialog.wholeRest = true;
    const Row e = f.add(EventType::BookWriteOff);
    // 12 000,00 less 300,00 depreciated and 100,00 written down.
    EXPECT_EQ(K(e, 1), 11600.0);
    EXPECT_EQ(f.asset().num("ZAKTUAL_UMORZ"), 11900.0);
    EXPECT_TRUE(f.writtenOff.List().isEmpty());
}

TEST(AddEvent, WriteOffWithoutAPlanRowIsRefusedAndLeavesNothing)
{
    EventFixture f;
    PlanRows(f, 4);
    EXPECT_THROW(f.add(EventType::BookWriteOff), ValidationError);
    EXPECT_TRUE(f.events.isEmpty());
    EXPECT_FALSE(f.assets.hasChanges());
    EXPECT_TRUE(f.toPost.List().isEmpty());
}

TEST(AddEvent, RefusesAnAssetOutsideTheUnitOfWork)
{
    EventFixture f;
    EXPECT_THROW(f.writer().AddEvent(f.events, f.assets, 8, EventType::Sale, f.dialog, f.sources),
                 DataError);
    EXPECT_TRUE(f.events.isEmpty());
    EXPECT_EQ(f.nextId, 500);
}

TEST(AddEvent, CounterFailureFailsTheOperation)
{
    EventFixture f;
    EventWriter w(f.writer().year(), {},
                  []() -> qint64 {
                      throw DataError(
                          QStringLiteral("Problem z dostępem do bazy numerów. (Zajęte pole)"));
                  },
                  {&f.toPost, nullptr, nullptr, nullptr});
    EXPECT_THROW(w.AddEvent(f.events, f.assets, 7, EventType::Sale, f.dialog, f.sources),
                 DataError);
    EXPECT_TRUE(f.events.isEmpty());
    EXPECT_TRUE(f.toPost.List().isEmpty());
}

TEST(AddEvent, RevaluationRecordsIndexAndScaledWriteOffs)
{
    EventFixture f;
    WriteOffHistory(f);
    f.edit("WART_ZAKT", 13200.0);
    f.edit("ZAKTUAL_UMORZ", 330.0);
    f.edit("POD_WARTOSC_ZAKT", 12100.0);
    f.edit("POD_ZAKTUAL_UMORZ", 220.0);
    f.dialog.revaluationDate = QDate(2024, 1, 1);
    const Row book = f.add(EventType::Revaluation);
    EXPECT_EQ(book.date("DATA2"), QDate(2024, 1, 1));
    EXPECT_EQ(K(book, 1), 13200.0);
    EXPECT_EQ(K(book, 2), 12000.0);
    EXPECT_EQ(K(book, 3), 330.0);
    EXPECT_EQ(K(book, 4), 300.0);
    EXPECT_DOUBLE_EQ(K(book, 5), 1.1);
    EXPECT_EQ(K(book, 6), 100.0);
    EXPECT_EQ(K(book, 17), 220.0);
    EXPECT_EQ(K(book, 20), 12870.0);
    EXPECT_TRUE(Null(book, "KWOTA7"));

    f.dialog.taxRevalued = true;
    const Row both = f.add(EventType::Revaluation);
    EXPECT_EQ(K(both, 7), 12100.0);
    EXPECT_EQ(K(both, 8), 11000.0);
    EXPECT_EQ(K(both, 9), 220.0);
    EXPECT_EQ(K(both, 10), 200.0);
    EXPECT_DOUBLE_EQ(K(both, 11), 1.1);
    EXPECT_EQ(K(both, 12), 160.0);
    EXPECT_EQ(K(both, 18), 44.0);
    EXPECT_EQ(K(both, 19), 11880.0);
}

struct ChangeStartCase
{
    const char* name;
    QDate operation;
    bool chosen;
    bool writtenOffThatMonth;
    int long1;
    QDate data3;
};

void PrintTo(const ChangeStartCase& c, std::ostream* os)
{
    *os << c.name;
}

class ValueChangeStart : public ::testing::TestWithParam<ChangeStartCase>
{
};

TEST_P(ValueChangeStart, GivesTheFirstMonthOfTheChange)
{
    const ChangeStartCase& c = GetParam();
    EventFixture f;
    f.dialog.operationDate = c.operation;
    f.dialog.bookFromNextMonth = c.chosen;
    if (c.writtenOffThatMonth)
        f.history(9, EventType::BookWriteOff, c.operation.addDays(1 - c.operation.day()), 100.0);
    const Row e = f.add(EventType::InitialValueChange);
    EXPECT_EQ(e.integer("LONG1"), c.long1);
    EXPECT_EQ(e.date("DATA3"), c.data3);
    EXPECT_EQ(e.date("DATA1"), c.operation);
    EXPECT_EQ(e.date("DATA2"), c.operation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueChangeStart,
    ::testing::Values(
        ChangeStartCase{"this_month", QDate(2024, 5, 20), false, false, 0, QDate(2024, 5, 20)},
        ChangeStartCase{"chosen_next_month", QDate(2024, 5, 20), true, false, 1, QDate(2024, 6, 1)},
        ChangeStartCase{"month_already_written_off", QDate(2024, 5, 20), false, true, 1,
                        QDate(2024, 6, 1)},
        ChangeStartCase{"before_start_of_depreciation", QDate(2024, 2, 10), false, false, 0,
                        QDate(2024, 3, 1)},
        ChangeStartCase{"after_the_fiscal_year", QDate(2024, 12, 15), true, false, 1,
                        QDate(2024, 12, 31)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AddEvent, ValueChangeSlotsOldAndNew)
{
    EventFixture f;
    WriteOffHistory(f);
    f.history(5, EventType::BookWriteOff, QDate(2024, 5, 2), 100.0);
    f.edit("WART_ZAKT", 13000.0);
    f.edit("STAWKA", 12.0);
    f.edit("WSPOLCZYNNIK", 1.0);
    f.dialog.bookChange = 1000.0;
    f.dialog.taxChange = 500.0;
    f.dialog.changeEffect = true;
    const Row e = f.add(EventType::InitialValueChange);
    EXPECT_EQ(e.integer("LONG4"), 4);
    EXPECT_EQ(K(e, 1), 0.0); // 300,00 less the 300,00 written off in 2024
    EXPECT_EQ(K(e, 2), 12000.0);
    EXPECT_EQ(K(e, 21), 12000.0);
    EXPECT_EQ(K(e, 3), 1000.0);
    EXPECT_EQ(K(e, 4), 10.0);
    EXPECT_EQ(K(e, 5), 12.0);
    EXPECT_EQ(K(e, 6), 1.2);
    EXPECT_EQ(K(e, 7), 1.0);
    EXPECT_EQ(K(e, 15), 300.0);
    EXPECT_EQ(K(e, 17), 300.0);
    EXPECT_EQ(K(e, 23), 0.0);
    EXPECT_EQ(K(e, 20), 12000.0 + 1000.0 - 300.0 + 100.0); // May's write-off stays
    // Tax: no tax write-off in May, so the change acts from the operation date.
    EXPECT_EQ(e.integer("LONG3"), 0);
    EXPECT_EQ(e.date("DATA4"), QDate(2024, 5, 20));
    EXPECT_EQ(K(e, 8), 160.0);
    EXPECT_EQ(K(e, 18), 40.0);
    EXPECT_EQ(K(e, 9), 11000.0);
    EXPECT_EQ(K(e, 10), 500.0);
    EXPECT_EQ(K(e, 11), 20.0);
    EXPECT_EQ(K(e, 14), 2.0);
    EXPECT_EQ(K(e, 24), 1.0);
    EXPECT_EQ(K(e, 19), 11000.0 + 500.0 - 200.0);

    // A one-off method before the change leaves May's write-off out.
    EventFixture oneOff;
    oneOff.stored.set("METODA_AMORT", "J");
    oneOff.sources.storedAsset = oneOff.stored;
    oneOff.history(5, EventType::BookWriteOff, QDate(2024, 5, 2), 100.0);
    const Row j = oneOff.add(EventType::InitialValueChange);
    EXPECT_EQ(K(j, 23), 2.0);
    EXPECT_EQ(K(j, 20), 12000.0 - 300.0);
}

TEST(AddEvent, LiquidationAndSale)
{
    EventFixture f;
    f.dialog.document = QStringLiteral("LT 1/2024");
    f.dialog.liquidationDocument = 12;
    const Row l = f.add(EventType::Liquidation);
    EXPECT_EQ(l.str("DOKUMENT"), QStringLiteral("LT 1/2024"));
    EXPECT_EQ(l.integer("LONG4"), 12);
    EXPECT_EQ(l.str("KOMENTARZ"), QStringLiteral("Likwidacja środka trwałego"));
    EXPECT_EQ(K(l, 1), 12000.0);
    EXPECT_EQ(K(l, 2), 300.0);
    EXPECT_EQ(K(l, 5), 12000.0);
    EXPECT_EQ(K(l, 3), 11000.0);
    EXPECT_EQ(K(l, 4), 200.0);
    EXPECT_EQ(K(l, 6), 11000.0);
    const Row s = f.add(EventType::Sale);
    EXPECT_TRUE(Null(s, "LONG4"));
    EXPECT_EQ(s.str("KOMENTARZ"), QStringLiteral("Sprzedaż środka trwałego"));
}

Row Place(int id, const char* name, const char* analytic)
{
    Row p;
    p.set("ID", id);
    p.set("NAZWA", QString::fromUtf8(name));
    p.set("NRANALIT", analytic);
    p.set("USUNIETA", "N");
    return p;
}

TEST(AddEvent, PlaceChangeCarriesTheAnalyticNumbersAheadOfTheText)
{
    EventFixture f;
    f.sources.places = {Place(3, "Hala A", "501-01"), Place(4, "Magazyn", "501-02")};
    f.dialog.newPlace = 4;
    f.marked.Set(501, 1);
    const Row e = f.add(EventType::PlaceChange);
    EXPECT_EQ(e.integer("LONG1"), 3);
    EXPECT_EQ(e.integer("LONG3"), 4);
    EXPECT_EQ(K(e, 1), 12000.0);
    EXPECT_EQ(K(e, 2), 300.0);
    EXPECT_EQ(e.str("KOMENTARZ"), QStringLiteral("501-01          501-02          "
                                                 "Zmiana miejsca użytkowania z Hala A na Magazyn"));
    EXPECT_EQ(EventText(&e), QStringLiteral("Zmiana miejsca użytkowania z Hala A na Magazyn"));
    EXPECT_EQ(f.handOver.List(), QStringLiteral("501"));
    EXPECT_EQ(f.marked.Get(501), 0);

    EventFixture unknown;
    unknown.sources.places = {Place(4, "Magazyn", "501-02")};
    unknown.dialog.newPlace = 4;
    EXPECT_TRUE(unknown.add(EventType::PlaceChange).str("KOMENTARZ").isEmpty());
}

void WriteDownHistory(EventFixture& f)
{
    WriteOffHistory(f);
    f.history(5, EventType::BookWriteOff, QDate(2024, 5, 2), 50.0);
}

TEST(AddEvent, WriteDownSlotsAndAssetWriteDowns)
{
    EventFixture f;
    WriteDownHistory(f);
    f.dialog.bookAmount = 500.0;
    f.dialog.taxAmount = 300.0;
    const Row e = f.add(EventType::WriteDown);
    EXPECT_EQ(e.integer("LONG1"), 2024);
    EXPECT_EQ(K(e, 1), 500.0);
    EXPECT_EQ(K(e, 2), 12000.0);
    EXPECT_EQ(K(e, 7), 11100.0);
    EXPECT_EQ(K(e, 3), 11350.0);
    EXPECT_EQ(K(e, 5), 11150.0);
    EXPECT_EQ(K(e, 4), 0.0);
    EXPECT_EQ(K(e, 13), 300.0);
    EXPECT_EQ(K(e, 14), 11000.0);
    EXPECT_EQ(K(e, 19), 10500.0);
    EXPECT_EQ(K(e, 15), 10540.0);
    EXPECT_EQ(K(e, 17), 10500.0);
    EXPECT_EQ(K(e, 16), 1.0);
    EXPECT_EQ(f.asset().num("ODPISY_AKT"), 600.0);
    EXPECT_EQ(f.asset().num("POD_ODPISY_AKT"), 300.0);

    EventFixture bookOnly;
    bookOnly.dialog.bookAmount = 500.0;
    const Row b = bookOnly.add(EventType::WriteDown);
    EXPECT_TRUE(Null(b, "KWOTA13"));
    EXPECT_TRUE(Null(b, "KWOTA16"));
    EXPECT_EQ(bookOnly.asset().num("POD_ODPISY_AKT"), 0.0);
}

TEST(AddEvent, ReversalSlotsAndAssetWriteDowns)
{
    EventFixture f;
    WriteDownHistory(f);
    f.stored.setNull("POD_CZEST_ODPISOW");
    f.sources.storedAsset = f.stored;
    f.dialog.bookAmount = 100.0;
    f.dialog.taxAmount = 0.0;
    const Row e = f.add(EventType::WriteDownReversal);
    EXPECT_TRUE(Null(e, "KWOTA7"));
    EXPECT_EQ(K(e, 3), 12000.0 - 300.0 + 100.0 - 100.0 + 250.0);
    EXPECT_EQ(K(e, 5), 12000.0 - 300.0 + 50.0 + 100.0 - 100.0);
    EXPECT_TRUE(Null(e, "KWOTA19"));
    EXPECT_FALSE(Null(e, "KWOTA16"));
    EXPECT_EQ(K(e, 16), 0.0);
    EXPECT_EQ(f.asset().num("ODPISY_AKT"), 0.0);
    EXPECT_EQ(e.str("KOMENTARZ"), QStringLiteral("Storno odpisu"));
}

struct TaxSlotCase
{
    const char* name;
    int type;
    std::vector<const char*> taxSlots;
    const char* bookSlot;
};

void PrintTo(const TaxSlotCase& c, std::ostream* os)
{
    *os << c.name;
}

class WithoutTaxDepreciation : public ::testing::TestWithParam<TaxSlotCase>
{
};

TEST_P(WithoutTaxDepreciation, TaxSlotsStayNull)
{
    const TaxSlotCase& c = GetParam();
    EventFixture f(false);
    f.dialog.taxRevalued = true;
    f.dialog.taxAmount = 300.0;
    f.dialog.bookAmount = 10.0;
    const Row e = f.add(c.type);
    EXPECT_FALSE(Null(e, c.bookSlot));
    for (const char* slot : c.taxSlots)
        EXPECT_TRUE(Null(e, slot)) << slot;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WithoutTaxDepreciation,
    ::testing::Values(
        TaxSlotCase{"acceptance", 1, {"KWOTA7", "KWOTA10", "KWOTA12", "KWOTA14"}, "KWOTA13"},
        TaxSlotCase{"revaluation", 6, {"KWOTA7", "KWOTA11", "KWOTA12", "KWOTA19"}, "KWOTA5"},
        TaxSlotCase{"value_change",
                    7,
                    {"LONG3", "DATA4", "KWOTA8", "KWOTA16", "KWOTA19", "KWOTA24"},
                    "KWOTA23"},
        TaxSlotCase{"liquidation", 8, {"KWOTA3", "KWOTA4", "KWOTA6"}, "KWOTA5"},
        TaxSlotCase{"sale", 10, {"KWOTA3", "KWOTA4", "KWOTA6"}, "KWOTA5"},
        TaxSlotCase{"write_down", 14, {"KWOTA13", "KWOTA14", "KWOTA17", "KWOTA19"}, "KWOTA7"},
        TaxSlotCase{"reversal", 15, {"KWOTA13", "KWOTA15", "KWOTA16"}, "KWOTA3"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
