#include "store/OperationLocks.h"
#include "StoreTestEnv.h"
#include "common/FiscalYear.h"
#include "store/BitSelect.h"
#include "store/FirmFiscalYears.h"
#include "store/OperationChecks.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;
using Kind = ScriptedMessages::Kind;

namespace {

class LocksTest : public ::testing::Test
{
protected:
    LocksTest() : db(FreshScope(Scope::Firm, QStringLiteral("locks"))) {}
    int rows(const QString& user)
    {
        return db
            ->scalar(QStringLiteral("SELECT COUNT(*) FROM F00012ST WHERE IDUZK = :u"),
                     {{QStringLiteral("u"), user}})
            .toInt();
    }
    std::unique_ptr<Database> db;
    OperationLocks jan{*db, {QStringLiteral("JAN"), QStringLiteral("Jan Kowalski")}};
    OperationLocks ewa{*db, {QStringLiteral("EWA"), QStringLiteral("Ewa Nowak")}};
};

TEST_F(LocksTest, OwnLocksNeverBlock)
{
    EXPECT_FALSE(jan.AcquireLock(7, QLatin1Char('U')));
    EXPECT_TRUE(jan.LockStatus(7).free());
    EXPECT_TRUE(jan.TryLock(7, QLatin1Char('Z')).free()); // a second operation on his asset
    EXPECT_EQ(rows(QStringLiteral("JAN")), 2);
    const LockState forEwa = ewa.LockStatus(7);
    EXPECT_EQ(forEwa.code, QLatin1Char('U'));
    EXPECT_EQ(forEwa.text, QStringLiteral("Dokonywane umorzenie."));
}

TEST_F(LocksTest, StatusTextsOfTheCodes)
{
    struct
    {
        char code;
        const char* text;
    } cases[] = {
        {'B', "Plany amortyzacji są edytowane przez użytkownika \"JAN\"."},
        {'E', "Środek jest edytowany przez użytkownika \"JAN\"."},
        {'D', "Trwa usuwanie środka."},
        {'J', "Dokonywane przyjęcie środka."},
        {'L', "Dokonywana likwidacja środka."},
        {'S', "Dokonywana sprzedaż środka."},
        {'X', "Sporządzane są wydruki."},
        {'Z', "Dokonywana zmiana wartości środka."},
        {'A', "Wolny"},
        {'M', "Wolny"},
        {'O', "Wolny"},
        {'T', "Wolny"},
    };
    qint64 asset = 100;
    for (const auto& c : cases) {
        jan.AcquireLock(++asset, QLatin1Char(c.code));
        const LockState s = ewa.LockStatus(asset);
        EXPECT_EQ(s.code, QLatin1Char(c.code)) << c.code;
        EXPECT_EQ(s.text, QString::fromUtf8(c.text)) << c.code;
        EXPECT_EQ(ewa.TryLock(asset, QLatin1Char('U')).code, QLatin1Char(c.code)) << c.code;
    }
    EXPECT_EQ(rows(QStringLiteral("EWA")), 0); // refused every time
}

TEST_F(LocksTest, ReleaseRemovesOnlyTheUsersOwnRows)
{
    jan.AcquireLock(1, QLatin1Char('U'));
    jan.AcquireLock(1, QLatin1Char('Z'));
    jan.AcquireLock(2, QLatin1Char('U'));
    ewa.AcquireLock(3, QLatin1Char('U'));
    jan.ReleaseLocks(1, QLatin1Char('Z'));
    EXPECT_EQ(rows(QStringLiteral("JAN")), 2);
    jan.ReleaseLocks(-1, QLatin1Char('U'));
    EXPECT_EQ(rows(QStringLiteral("JAN")), 0);
    jan.AcquireLock(1, QLatin1Char('J'));
    jan.AcquireLock(2, QLatin1Char('L'));
    jan.ReleaseLocks(2, QLatin1Char('W'));
    EXPECT_EQ(rows(QStringLiteral("JAN")), 1);
    jan.ReleaseLocks(-1, QLatin1Char('W'));
    EXPECT_EQ(rows(QStringLiteral("JAN")), 0);
    EXPECT_EQ(rows(QStringLiteral("EWA")), 1);
}

// Two workstations taking the lock of one asset in a tight loop: the check and the append
// are one step, so a taken lock never has another user's lock beside it.
TEST(TryLock, TwoProcessesNeverHoldOneAssetTogether)
{
    const QString folder = FreshDir(QStringLiteral("lock-race"));
    OpenScope(Scope::Firm, folder, TestOptions(true));
    QList<QProcess*> procs;
    for (const char* user : {"JAN", "EWA"}) {
        auto* p = new QProcess;
        p->start(QStringLiteral(VORN_LOCK_CONTENDER), {folder, QString::fromLatin1(user), QStringLiteral("1500")});
        procs << p;
    }
    const QRegularExpression result(QStringLiteral("taken=(\\d+) overlaps=(\\d+)"));
    int taken = 0;
    for (QProcess* p : procs) {
        ASSERT_TRUE(p->waitForFinished(-1));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        const auto m = result.match(QString::fromUtf8(p->readAllStandardOutput()));
        ASSERT_TRUE(m.hasMatch());
        taken += m.captured(1).toInt();
        EXPECT_EQ(m.captured(2).toInt(), 0);
        delete p;
    }
    EXPECT_GT(taken, 0);
}

TEST(DialogDate, YearBoundsAndClosedMonths)
{
    const auto year = FiscalYearContext::fromRow(
        {2010, QDate(2010, 1, 1), QDate(2010, 12, 31), QDate(2010, 1, 31)});
    struct
    {
        QDate date;
        bool strict, accepted;
        const char* message;
    } cases[] = {
        {QDate(), true, false, "Błędna data."},
        {QDate(), false, false, nullptr},
        {QDate(2009, 12, 31), true, false, "Data spoza bieżącego roku obrachunkowego."},
        {QDate(2010, 1, 1), true, false, "Data z zamkniętego miesiąca."},
        {QDate(2010, 1, 31), true, false, "Data z zamkniętego miesiąca."},
        {QDate(2010, 2, 1), true, true, nullptr},
        {QDate(2011, 1, 1), true, false, "Data spoza bieżącego roku obrachunkowego."},
        {QDate(2009, 6, 1), false, true, nullptr},
    };
    for (const auto& c : cases) {
        ScriptedMessages m;
        QDate last(2000, 1, 1);
        EXPECT_EQ(CheckDialogDate(c.date, c.strict, year, m, &last), c.accepted)
            << c.date.toString().toStdString();
        EXPECT_EQ(m.messages().size(), c.message ? 1 : 0);
        if (c.message) {
            EXPECT_EQ(m.messages()[0].text, QString::fromUtf8(c.message));
        }
        EXPECT_EQ(last, c.accepted ? c.date : QDate(2000, 1, 1));
    }
    // With nothing closed the first day of the year is accepted.
    const auto open = FiscalYearContext::fromRow(
        {2010, QDate(2010, 1, 1), QDate(2010, 12, 31), QDate(2009, 12, 31)});
    ScriptedMessages m;
    EXPECT_TRUE(CheckDialogDate(QDate(2010, 1, 1), true, open, m, nullptr));
}

class OperationDateTest : public ::testing::Test
{
protected:
    OperationDateTest() : db(FreshScope(Scope::Firm, QStringLiteral("opdate"))), years(*db)
    {
        InsertRow(*db, QStringLiteral("F00001ST"),
                  {{"ID", 1},
                   {"ROK", 2010},
                   {"DATA_POCZ", QDate(2010, 1, 1)},
                   {"DATA_KONCA", QDate(2010, 12, 31)},
                   {"ZAMKNIETYDO", QDate(2009, 12, 31)}});
        InsertRow(*db, QStringLiteral("F00004ST"),
                  {{"ID", 1},
                   {"OKRESLENIE", "Komputer"},
                   {"POCZ_AMORTYZACJI", QDate(2010, 4, 1)},
                   {"WART_ZAKT", 1000.0},
                   {"ZAKTUAL_UMORZ", 0.0}});
    }
    void event(int id, int type, QDate date)
    {
        InsertRow(*db, QStringLiteral("F00007ST"),
                  {{"ID", id}, {"ID_SRODKA", 1}, {"TYP", type}, {"DATA1", date}});
    }
    std::unique_ptr<Database> db;
    FirmFiscalYears years;
    ScriptedMessages messages;
};

TEST_F(OperationDateTest, LaterEventsRefuseTheOperationDate)
{
    event(1, 1, QDate(2010, 3, 1));
    OperationChecks checks(*db, years, messages);
    EXPECT_TRUE(checks.CheckOperationDate(1, true, nullptr,
                                          QDate(2010, 3, 1))); // same day as the last event
    EXPECT_FALSE(checks.CheckOperationDate(1, true, nullptr, QDate(2010, 2, 28)));
    EXPECT_EQ(messages.messages().last().text,
              QStringLiteral("Data operacji poprzedza daty kolejnych wydarzeń.\r\nData ostatniej "
                             "operacji : 01-03-2010"));

    TBitSelect errors;
    DateCheckCollector collect{{}, &errors};
    EXPECT_FALSE(checks.CheckOperationDate(1, true, &collect, QDate(2010, 2, 1)));
    EXPECT_EQ(collect.lines, QStringList{QStringLiteral(
                                 "Komputer- błąd daty operacji - kolejne operacje dokonane")});
    EXPECT_TRUE(errors.Contains(1));
}

TEST_F(OperationDateTest, WithoutPlansTheStartOfDepreciationBounds)
{
    OperationChecks checks(*db, years, messages);
    EXPECT_TRUE(checks.CheckOperationDate(1, true, nullptr, QDate(2010, 4, 1)));
    EXPECT_FALSE(checks.CheckOperationDate(1, true, nullptr, QDate(2010, 4, 2)));
    EXPECT_EQ(messages.messages().last().text,
              QStringLiteral("Data przekracza daty rozpoczęcia amortyzacji."));
}

TEST_F(OperationDateTest, PlannedWriteOffAheadAsksOrCollects)
{
    event(1, 2, QDate(2010, 4, 1)); // a book plan
    InsertRow(*db, QStringLiteral("F00006ST"),
              {{"ID", 1},
               {"ID_SRODKA", 1},
               {"ROK", 2010},
               {"MIESIAC", 5},
               {"RODZAJ_AMORT", "B"},
               {"UMORZENIE", "U"}});
    OperationChecks checks(*db, years, messages);
    EXPECT_FALSE(checks.NextWriteOffExceeded(1, QDate(2010, 5, 31)).has_value());
    EXPECT_EQ(checks.NextWriteOffExceeded(1, QDate(2010, 6, 1)), QDate(2010, 5, 31));
    messages.answer(true);
    EXPECT_TRUE(checks.CheckOperationDate(1, true, nullptr, QDate(2010, 6, 1)));
    EXPECT_EQ(messages.messages().last().text,
              QStringLiteral("Data operacji przekracza datę kolejnego planowanego umorzenia.\r\n"
                             "Data kolejnego umorzenia : 31-05-2010\r\nCzy chcesz kontynuować ?"));
    DateCheckCollector collect;
    EXPECT_FALSE(checks.CheckOperationDate(1, false, &collect, QDate(2010, 6, 1)));
    EXPECT_EQ(
        collect.lines,
        QStringList{QStringLiteral(
            "Komputer- błąd daty wydarzenia - przekracza datę kolejnego planowanego umorzenia")});
    // A fully depreciated asset has no write-off ahead.
    db->exec(QStringLiteral("UPDATE F00004ST SET ZAKTUAL_UMORZ = 1000.004"));
    EXPECT_FALSE(checks.NextWriteOffExceeded(1, QDate(2010, 6, 1)).has_value());
}

TEST_F(OperationDateTest, LastOperationDateOfTheMarkedAssets)
{
    OperationChecks checks(*db, years, messages);
    const auto year = FiscalYearContext::fromRow(years.fiscalYears().first());
    EXPECT_EQ(checks.LastOperationDate({1}, year), QDate(2010, 1, 1));
    event(1, 1, QDate(2010, 3, 1));
    event(2, 4, QDate(2010, 7, 31));
    event(3, 4, QDate(2011, 1, 31)); // outside the year
    EXPECT_EQ(checks.LastOperationDate({1, 2}, year), QDate(2010, 7, 31));
}

} // namespace
