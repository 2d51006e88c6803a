#include "ui/main/MainCommands.h"
#include "LoginFixture.h"
#include "shell/AdministratorLauncher.h"
#include "shell/Session.h"
#include "store/RepairChecks.h"
#include "store/Schema.h"
#include "store/Scope.h"
#include "support/TestEnv.h"
#include "ui/main/CommandBinder.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QDir>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

struct NoChooser : YearChooser
{
    std::optional<int> choose(int) override { return std::nullopt; }
};

struct NoProcesses : ProcessStarter
{
    bool startDetached(const QString&, const QStringList&) override { return false; }
};

struct KeptReports : ReportViewer
{
    void show(const CheckReport& report) override { shown << report; }
    QList<CheckReport> shown;
};

// One password-less user and one firm with the fiscal year 2026, opened as the program does.
class MainCommandsTest : public ::testing::Test, public LoginFixture
{
protected:
    MainCommandsTest()
    {
        qputenv("VORN_LOCK_DIR", FreshDir(QStringLiteral("maincommands-locks")).toUtf8());
        OpenOptions create;
        create.createSchema = true;
        create.synchronousWrites = false;
        OpenScope(Scope::Global, GlobalFolder(root), create);
        const qint64 user = addUser(QStringLiteral("ADMIN"), QString());
        const qint64 firm = addFirm(1, QStringLiteral("Firma Demo"));
        grantFirm(user, firm, QString(255, QLatin1Char('1')));
        setLastFirm(user, firm);
        auto firmDb = OpenScope(Scope::Firm, FirmFolder(root, 1));
        firmDb->exec(
            QStringLiteral("INSERT INTO F00001ST (ID, ROK, DATA_POCZ, DATA_KONCA, ZAMKNIETYDO) "
                           "VALUES (1, 2026, '2026-01-01', '2026-12-31', '2025-12-31')"));
        session = std::make_unique<Session>(
            *store, SessionUi{userMessages, prompt, picker, chooser, nullptr}, workstation,
            processes);
    }

    ScriptedMessages userMessages;
    NoChooser chooser;
    NoProcesses processes;
    KeptReports reports;
    std::unique_ptr<Session> session;
};

} // namespace

TEST_F(MainCommandsTest, PrimaryKeyCheckAsksAndShowsItsReport)
{
    ASSERT_TRUE(session->Start());
    TfrmMainST window(
        MainWindowEnv{userMessages, session->state(), base, QStringLiteral(" - 0.1"), {}});
    MainCommands own(window, MainCommands::Services{session.get(), session->launcher(), &chooser,
                                                    &reports, QStringLiteral("0.1.0")});
    window.showSession();
    QAction* check = window.commands().action(QStringLiteral("kontrolaKluczy"));
    ASSERT_TRUE(check->isEnabled());

    userMessages.answer(false);
    check->trigger();
    EXPECT_TRUE(reports.shown.isEmpty());

    userMessages.answer(true);
    check->trigger();
    ASSERT_EQ(reports.shown.size(), 1);
    const QStringList lines = reports.shown.first().texts();
    EXPECT_EQ(lines.first(), QStringLiteral("Poprawność kluczy głównych"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Użytkownik: ADMIN")));
    EXPECT_TRUE(lines.contains(TfrmMainST::kCaption + QStringLiteral(" - 0.1")));
    EXPECT_EQ(userMessages.questions(), QStringList(2, kPlansCheckQuestion));
}

TEST_F(MainCommandsTest, ReopeningTheFirmChoosesItsYearAgainOrLeavesNoYear)
{
    ASSERT_TRUE(session->Start());
    EXPECT_TRUE(session->OpenFirmAndChooseYear(true, false));
    EXPECT_EQ(session->state().yearLabel, QStringLiteral("2026"));
    ASSERT_NE(session->fiscalYears(), nullptr);

    session->Shutdown();
    session = std::make_unique<Session>(
        *store, SessionUi{userMessages, prompt, picker, chooser, nullptr}, workstation, processes);
    ASSERT_TRUE(session->Start());
    ASSERT_TRUE(QDir(FirmFolder(root, 1)).removeRecursively());
    EXPECT_FALSE(session->OpenFirmAndChooseYear(true, false));
    EXPECT_EQ(session->state().yearLabel, kNoneLabel);
}
