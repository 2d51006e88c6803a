#include "shell/FiscalYears.h"
#include "shell/SessionState.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <deque>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;
using Kind = ScriptedMessages::Kind;

namespace {

struct MemoryLastYear : LastYearStore
{
    int lastYear() override { return value; }
    void saveLastYear(int rok) override
    {
        value = rok;
        ++saves;
    }
    int value = -1;
    int saves = 0;
};

// The chooser answering from a script: a ROK for "Wy&bierz", nothing for "&Anuluj"; an
// action may run while it is open (deleting a year, for instance).
struct ScriptedChooser : YearChooser
{
    std::optional<int> choose(int) override
    {
        ++shown;
        if (whileOpen)
            whileOpen();
        if (script.empty())
            return std::nullopt;
        const auto r = script.front();
        script.pop_front();
        return r;
    }
    std::deque<std::optional<int>> script;
    std::function<void()> whileOpen;
    int shown = 0;
};

class FiscalYearsTest : public ::testing::Test
{
protected:
    FiscalYearsTest()
    {
        OpenOptions o;
        o.createSchema = true;
        o.synchronousWrites = false;
        db = OpenScope(Scope::Firm, FreshDir(QStringLiteral("years")), o);
        service = std::make_unique<FiscalYearService>(*db, session, messages, last);
    }

    void addYear(int rok, QDate start, QDate end)
    {
        ASSERT_FALSE(service->CreateYear({rok, start, end}).has_value()) << rok;
    }
    void addAsset(int id, const QString& name, QDate acquired)
    {
        db->exec(QStringLiteral(
                     "INSERT INTO F00004ST (ID, OKRESLENIE, DATA_NABYCIA) VALUES (:id, :n, :d)"),
                 {{QStringLiteral("id"), id},
                  {QStringLiteral("n"), name},
                  {QStringLiteral("d"), acquired}});
    }
    void addEvent(int id, int asset, QDate date)
    {
        db->exec(QStringLiteral(
                     "INSERT INTO F00007ST (ID, ID_SRODKA, TYP, DATA1) VALUES (:id, :a, 1, :d)"),
                 {{QStringLiteral("id"), id},
                  {QStringLiteral("a"), asset},
                  {QStringLiteral("d"), date}});
    }

    std::unique_ptr<Database> db;
    SessionState session;
    ScriptedMessages messages;
    MemoryLastYear last;
    ScriptedChooser chooser;
    std::unique_ptr<FiscalYearService> service;
};

TEST_F(FiscalYearsTest, OneYearOpensWithoutTheChooserTwoShowIt)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    EXPECT_TRUE(service->ChooseYear(true, false, chooser));
    EXPECT_EQ(chooser.shown, 0);
    EXPECT_EQ(session.yearLabel, QStringLiteral("2009"));
    EXPECT_EQ(session.year.MonthCount, 12);
    EXPECT_EQ(session.browserData1, QDate(2009, 12, 31));
    EXPECT_EQ(session.browserData2, QDate(2009, 1, 1));
    EXPECT_EQ(last.value, 2009);

    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    last.value = -1;
    chooser.script.push_back(2010);
    EXPECT_TRUE(service->ChooseYear(true, false, chooser));
    EXPECT_EQ(chooser.shown, 1);
    EXPECT_EQ(session.year.Year, 2010);
}

TEST_F(FiscalYearsTest, StoredLastYearThatIsGoneLeadsToTheChooser)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    last.value = 2005;
    chooser.script.push_back(2009);
    EXPECT_TRUE(service->ChooseYear(true, false, chooser));
    EXPECT_EQ(chooser.shown, 1);
    EXPECT_EQ(session.year.Year, 2009);

    last.value = 2010; // a stored year that exists opens at once
    EXPECT_TRUE(service->ChooseYear(true, false, chooser));
    EXPECT_EQ(chooser.shown, 1);
    EXPECT_EQ(session.year.Year, 2010);
}

TEST_F(FiscalYearsTest, CancelledChangeOfYearKeepsTheWorkingYear)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    last.value = 2010;
    ASSERT_TRUE(service->ChooseYear(true, false, chooser));
    const int saves = last.saves;
    EXPECT_FALSE(service->ChooseYear(false, true, chooser)); // "Zmiana roku", cancelled
    EXPECT_EQ(session.yearLabel, QStringLiteral("2010"));
    EXPECT_EQ(last.saves, saves);
    EXPECT_FALSE(session.terminateRequested);
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(FiscalYearsTest, DeletingTheWorkingYearInTheChooserEndsTheProgram)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    last.value = 2010;
    ASSERT_TRUE(service->ChooseYear(true, false, chooser));
    messages.answer(true);
    chooser.whileOpen = [&] { EXPECT_TRUE(service->DeleteYear(2010, false)); };
    EXPECT_FALSE(service->ChooseYear(false, true, chooser));
    EXPECT_EQ(session.yearLabel, QStringLiteral("BRAK"));
    EXPECT_EQ(last.value, -1);
    EXPECT_TRUE(session.terminateRequested);
    EXPECT_EQ(messages.ofKind(Kind::Information).last().text,
              QStringLiteral("Nie wybrano roku. Nastąpi zamknięcie programu."));
}

TEST_F(FiscalYearsTest, YearThatFailsToOpenIsNotTakenAgainWithoutAsking)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    service->setYearOpener([](const FiscalYearRow&) { return false; });
    EXPECT_FALSE(service->ChooseYear(true, false, chooser)); // chooser cancelled
    EXPECT_EQ(chooser.shown, 1);
    EXPECT_TRUE(session.terminateRequested);
}

TEST_F(FiscalYearsTest, ProposalsForANewYear)
{
    auto first = service->ProposeNewYear(QDate(2026, 12, 11));
    EXPECT_EQ(first.input.rok, 2026);
    EXPECT_EQ(first.input.start, QDate(2026, 1, 1));
    EXPECT_EQ(first.input.end, QDate(2026, 12, 31));
    EXPECT_TRUE(first.startEditable);

    addYear(2009, QDate(2009, 7, 1), QDate(2010, 6, 30));
    auto next = service->ProposeNewYear();
    EXPECT_EQ(next.input.rok, 2010);
    EXPECT_EQ(next.input.start, QDate(2010, 7, 1));
    EXPECT_EQ(next.input.end, QDate(2010, 12, 31));
    EXPECT_FALSE(next.startEditable);
}

TEST_F(FiscalYearsTest, NewYearChecksInTheirOrder)
{
    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    struct
    {
        const char* name;
        NewYearInput input;
        std::optional<QString> message;
        bool error;
        YearField field;
    } cases[] = {
        {"no number",
         {std::nullopt, {}, {}},
         "Musisz wypełnić pozycję ROK OBRACHUNKOWY.",
         false,
         YearField::Rok},
        {"existing", {2010, {}, {}}, "Rok o takim numerze już istnieje.", false, YearField::Rok},
        {"smaller",
         {2009, QDate(2011, 1, 1), QDate(2011, 12, 31)},
         "Numer roku musi być większy od numeru ostatniego zdefiniowanego roku.",
         false,
         YearField::Rok},
        {"no start", {2011, {}, QDate(2011, 12, 31)}, "Błędna data.", true, YearField::Start},
        {"no end", {2011, QDate(2011, 1, 1), {}}, "Błędna data.", true, YearField::End},
        {"end before start",
         {2011, QDate(2011, 1, 1), QDate(2010, 12, 31)},
         "Niepoprawna data końca roku obrachunkowego.",
         false,
         YearField::End},
        {"25 months",
         {2011, QDate(2011, 1, 1), QDate(2013, 1, 31)},
         "Niepoprawna data końca roku obrachunkowego.",
         false,
         YearField::End},
        {"not a month end",
         {2011, QDate(2011, 1, 1), QDate(2011, 12, 30)},
         "Data końca roku musi być datą końca miesiąca.",
         false,
         YearField::End},
        {"18 months",
         {2011, QDate(2011, 1, 1), QDate(2012, 6, 30)},
         std::nullopt,
         false,
         YearField::Rok},
        {"one month",
         {2011, QDate(2011, 1, 1), QDate(2011, 1, 31)},
         std::nullopt,
         false,
         YearField::Rok},
    };
    for (const auto& c : cases) {
        const auto refusal = service->ValidateNewYear(c.input);
        ASSERT_EQ(refusal.has_value(), c.message.has_value()) << c.name;
        if (!refusal)
            continue;
        EXPECT_EQ(refusal->message, *c.message) << c.name;
        EXPECT_EQ(refusal->error, c.error) << c.name;
        EXPECT_EQ(refusal->field, c.field) << c.name;
    }
}

TEST_F(FiscalYearsTest, ClosedToDateOfNewYears)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    EXPECT_EQ(service->years().first().zamknietyDo, QDate(2008, 12, 31));
    db->exec(QStringLiteral("UPDATE F00001ST SET ZAMKNIETYDO = :d"),
             {{QStringLiteral("d"), QDate(2009, 3, 31)}});
    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    EXPECT_EQ(service->years().last().zamknietyDo, QDate(2009, 3, 31));
}

TEST_F(FiscalYearsTest, DeletingAYearAndItsRefusals)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    addYear(2010, QDate(2010, 1, 1), QDate(2010, 12, 31));
    addAsset(1, QStringLiteral("Komputer"), QDate(2009, 5, 1));
    addEvent(1, 1, QDate(2010, 2, 1));

    EXPECT_FALSE(service->DeleteYear(2010, true));
    EXPECT_EQ(messages.messages().last().text,
              QStringLiteral("Nie jesteś jedynym użytkownikiem roku."));
    EXPECT_FALSE(service->DeleteYear(2009, false));
    EXPECT_EQ(messages.messages().last().text,
              QStringLiteral("Usunąć można jedynie ostatnią pozycję."));

    // An event dated in the year keeps it, though the asset was acquired before.
    EXPECT_FALSE(service->DeleteYear(2010, false));
    auto window = messages.messages().last();
    ASSERT_EQ(window.kind, Kind::InfoWindow);
    EXPECT_EQ(window.caption, QStringLiteral("Usuwanie roku obrachunkowego"));
    EXPECT_EQ(window.text,
              QStringLiteral("Usunięcie wybranego roku obrachunkowego nie było możliwe."));
    EXPECT_EQ(window.window.info, QStringList{QStringLiteral(
                                      "Komputer  -  środek posiada wydarzenia w wybranym roku")});

    db->exec(QStringLiteral("DELETE FROM F00007ST"));
    addAsset(2, QStringLiteral("Biurko"), QDate(2010, 3, 1));
    EXPECT_FALSE(service->DeleteYear(2010, false));
    EXPECT_EQ(messages.messages().last().window.info,
              QStringList{QStringLiteral("Biurko  -  środek został nabyty w wybranym roku")});

    db->exec(QStringLiteral("DELETE FROM F00004ST WHERE ID = 2"));
    messages.answer(false);
    EXPECT_FALSE(service->DeleteYear(2010, false));
    EXPECT_EQ(messages.messages().last().text, QStringLiteral("Czy chcesz usunąć rok \"2010\" ?"));
    EXPECT_EQ(messages.messages().last().defaultAnswer, DefaultAnswer::No);
    EXPECT_EQ(service->years().size(), 2);
    messages.answer(true);
    EXPECT_TRUE(service->DeleteYear(2010, false));
    EXPECT_EQ(service->years().size(), 1);
}

TEST_F(FiscalYearsTest, YearWithClosedMonthsStays)
{
    addYear(2009, QDate(2009, 1, 1), QDate(2009, 12, 31));
    db->exec(QStringLiteral("UPDATE F00001ST SET ZAMKNIETYDO = :d"),
             {{QStringLiteral("d"), QDate(2009, 1, 31)}});
    EXPECT_FALSE(service->DeleteYear(2009, false));
    EXPECT_EQ(messages.messages().last().text, QStringLiteral("Rok zawiera zamknięte miesiące."));
}

} // namespace
