#include "shell/Session.h"
#include "LoginFixture.h"
#include "shell/AdministratorLauncher.h"
#include "shell/Modules.h"
#include "shell/SingleInstance.h"
#include "store/Schema.h"
#include "store/Scope.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

struct NoChooser : YearChooser
{
    std::optional<int> choose(int) override
    {
        ++shown;
        return std::nullopt;
    }
    int shown = 0;
};

struct NoProcesses : ProcessStarter
{
    bool startDetached(const QString&, const QStringList&) override { return false; }
};

struct CountingSplash : SplashScreen
{
    void show() override { ++shown; }
    void close() override { ++closed; }
    int shown = 0, closed = 0;
};

// A demo-like installation: one password-less user, one firm with one fiscal year.
class SessionTest : public ::testing::Test, public LoginFixture
{
protected:
    SessionTest()
    {
        qputenv("VORN_LOCK_DIR", FreshDir(QStringLiteral("session-locks")).toUtf8());
        OpenOptions create;
        create.createSchema = true;
        create.synchronousWrites = false;
        OpenScope(Scope::Global, GlobalFolder(root), create);
        userId = addUser(QStringLiteral("ADMIN"), QString());
        firmId = addFirm(1, QStringLiteral("Firma Demo"));
        grantFirm(userId, firmId);
        setLastFirm(userId, firmId);
        auto firmDb = OpenScope(Scope::Firm, FirmFolder(root, 1));
        firmDb->exec(
            QStringLiteral("INSERT INTO F00001ST (ID, ROK, DATA_POCZ, DATA_KONCA, ZAMKNIETYDO) "
                           "VALUES (1, 2026, '2026-01-01', '2026-12-31', '2025-12-31')"));
    }

    std::unique_ptr<Session> makeSession()
    {
        return std::make_unique<Session>(
            *store, SessionUi{sessionMessages, prompt, picker, chooser, &splash}, workstation,
            processes);
    }

    qint64 userId = 0, firmId = 0;
    ScriptedMessages sessionMessages;
    NoChooser chooser;
    NoProcesses processes;
    CountingSplash splash;
};

TEST_F(SessionTest, OpensTheDemoAndLogsOutOnShutdown)
{
    const QString stale = registry->TempDir() + QStringLiteral("/ST/S2/old.tmp");
    QDir().mkpath(registry->TempDir() + QStringLiteral("/ST/S2"));
    QFile(stale).open(QIODevice::WriteOnly);

    auto session = makeSession();
    ASSERT_TRUE(session->Start());
    EXPECT_TRUE(sessionMessages.messages().isEmpty());
    EXPECT_EQ(session->state().firmLabel, QStringLiteral("Firma Demo"));
    EXPECT_EQ(session->state().yearLabel, QStringLiteral("2026"));
    EXPECT_EQ(session->state().year.MonthCount, 12);
    EXPECT_EQ(chooser.shown, 0);
    EXPECT_EQ(splash.shown, 1);
    EXPECT_EQ(splash.closed, 1);
    EXPECT_FALSE(QFile::exists(stale)); // the private folder was emptied, not removed
    EXPECT_TRUE(QDir(registry->TempDir() + QStringLiteral("/ST/S2")).exists());
    EXPECT_EQ(loggedInRows(QStringLiteral("ADMIN")), 1);
    EXPECT_TRUE(SingleInstance::IsHeldElsewhere(Session::kInstanceName));

    session->Shutdown();
    EXPECT_EQ(session->shutdownSteps(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(loggedInRows(QStringLiteral("ADMIN")), 0);
    EXPECT_FALSE(SingleInstance::IsHeldElsewhere(Session::kInstanceName));
}

TEST_F(SessionTest, FailedRegistryReadShutsDownFromStepSix)
{
    store->removeKey(Hive::LocalMachine, TV2Registry::ModuleKey(ModuleAD));
    auto session = makeSession();
    EXPECT_FALSE(session->Start());
    ASSERT_EQ(sessionMessages.messages().size(), 1);
    EXPECT_EQ(sessionMessages.messages()[0].code, QStringLiteral("AD_0010"));
    session->Shutdown();
    EXPECT_EQ(session->shutdownSteps(), (QList<int>{6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(splash.shown, 0);
}

TEST_F(SessionTest, MissingFirmFolderStopsTheLoginAndLogsOut)
{
    QDir(FirmFolder(root, 1)).removeRecursively();
    picker.script.push_back(1); // the last firm is gone: the chooser offers it again
    auto session = makeSession();
    EXPECT_FALSE(session->Start());
    EXPECT_EQ(picker.shown.size(), 1);
    // Its data version cannot be read: the login says so and the program ends.
    ASSERT_EQ(sessionMessages.messages().size(), 1);
    EXPECT_EQ(sessionMessages.messages()[0].code, QStringLiteral("AD_0029"));
    EXPECT_EQ(splash.shown, 0);
    session->Shutdown();
    EXPECT_EQ(session->shutdownSteps().first(), 1);
    EXPECT_EQ(loggedInRows(QStringLiteral("ADMIN")), 0);
}

TEST_F(SessionTest, FirmFolderGoneBeforeReopeningEndsWithoutAMessage)
{
    auto session = makeSession();
    ASSERT_TRUE(session->Start());
    QDir(FirmFolder(root, 1)).removeRecursively();
    EXPECT_FALSE(session->OpenSession());
    EXPECT_TRUE(sessionMessages.messages().isEmpty());
}

TEST_F(SessionTest, SecondCopyOnTheWorkstationEndsAtOnce)
{
    SingleInstance first(Session::kInstanceName);
    ASSERT_TRUE(first.tryAcquire());
    auto session = makeSession();
    EXPECT_FALSE(session->Start());
    ASSERT_EQ(sessionMessages.messages().size(), 1);
    EXPECT_EQ(
        sessionMessages.messages()[0].text,
        QStringLiteral("Program VORN 2000 Ewidencja i Amortyzacja Srodków Trwałych\r\njest już "
                       "uruchomiony na tym stanowisku."));
    session->Shutdown();
    EXPECT_EQ(session->shutdownSteps(), QList<int>{11});
    EXPECT_TRUE(first.held());
}

TEST_F(SessionTest, MissingTablesGiveTheReadError)
{
    auto firmDb = OpenScope(Scope::Firm, FirmFolder(root, 1));
    firmDb->exec(QStringLiteral("DROP TABLE F00017ST"));
    firmDb.reset();
    auto session = makeSession();
    EXPECT_FALSE(session->Start());
    ASSERT_EQ(sessionMessages.messages().size(), 1);
    EXPECT_EQ(sessionMessages.messages()[0].text,
              QStringLiteral("Błąd przy odczycie danych stałych modułu."));
    EXPECT_EQ(session->state().firmLabel, QStringLiteral("BRAK"));
    EXPECT_EQ(session->state().yearLabel, QStringLiteral("BRAK"));
}

TEST_F(SessionTest, NoYearChosenEndsTheProgram)
{
    auto firmDb = OpenScope(Scope::Firm, FirmFolder(root, 1));
    firmDb->exec(
        QStringLiteral("INSERT INTO F00001ST (ID, ROK, DATA_POCZ, DATA_KONCA) VALUES (2, 2027, "
                       "'2027-01-01', '2027-12-31')"));
    firmDb.reset();
    auto session = makeSession();
    EXPECT_FALSE(session->Start());
    EXPECT_EQ(chooser.shown, 1);
    EXPECT_EQ(sessionMessages.messages().last().text,
              QStringLiteral("Nie wybrano roku. Nastąpi zamknięcie programu."));
    EXPECT_TRUE(session->state().terminateRequested);
}

} // namespace
