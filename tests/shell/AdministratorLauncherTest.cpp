#include "shell/AdministratorLauncher.h"
#include "shell/ConfigStore.h"
#include "shell/Registry.h"
#include "shell/SingleInstance.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vorn;
using vorn::test::ScriptedMessages;

namespace {

struct RecordingStarter : ProcessStarter
{
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started << (program + QLatin1Char('|') + arguments.join(QLatin1Char(',')));
        return true;
    }
    QStringList started;
};

class LauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("VORN_LOCK_DIR", vorn::test::FreshDir(QStringLiteral("locks")).toUtf8());
        const QString base = vorn::test::FreshDir(QStringLiteral("launcher"));
        store = std::make_unique<SettingsConfigStore>(base + QStringLiteral("/cfg"));
        root = base + QStringLiteral("/VORN");
        QDir().mkpath(root);
        const QString key = TV2Registry::ModuleKey(ModuleAD);
        store->write(Hive::LocalMachine, key, QStringLiteral("RootPath"), root);
        store->write(Hive::LocalMachine, key, QStringLiteral("NetFileDir"), root);
        registry = std::make_unique<TV2Registry>(*store, quiet);
        registry->SetMode(1, 0);
        registry->Load();
    }

    void installProgram()
    {
        QDir().mkpath(root + QStringLiteral("/BIN/AD"));
        QFile f(root + QStringLiteral("/BIN/AD/") + AdministratorLauncher::ProgramFileName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QString root;
    std::unique_ptr<SettingsConfigStore> store;
    ScriptedMessages quiet;
    std::unique_ptr<TV2Registry> registry;
    RecordingStarter starter;
    int closed = 0;
    std::function<void()> closeWindow = [this] { ++closed; };
};

TEST_F(LauncherTest, AnsweredNoKeepsTheProgramRunning)
{
    installProgram();
    ScriptedMessages m;
    m.answer(false);
    AdministratorLauncher launcher(*registry, m, starter);
    EXPECT_FALSE(launcher.StartAdministrator(QStringLiteral("/F /ST"), closeWindow, true));
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(starter.started.isEmpty());
    ASSERT_EQ(m.messages().size(), 1);
    EXPECT_EQ(m.messages()[0].caption, QStringLiteral("Potwierdzenie"));
    EXPECT_EQ(m.messages()[0].icon, QuestionIcon::Exclamation);
    EXPECT_TRUE(m.messages()[0].text.startsWith(QStringLiteral("Uwaga!\n\rZa chwilę nastąpi")));
}

TEST_F(LauncherTest, StartsTheToolWithTheSwitches)
{
    installProgram();
    ScriptedMessages m;
    m.answer(true);
    AdministratorLauncher launcher(*registry, m, starter);
    EXPECT_TRUE(launcher.StartAdministrator(QStringLiteral("/F /ST"), closeWindow, true));
    EXPECT_EQ(closed, 1);
    ASSERT_EQ(starter.started.size(), 1);
    EXPECT_EQ(starter.started[0], launcher.programPath() + QStringLiteral("|/F,/ST"));
}

TEST_F(LauncherTest, RunningAdministratorIsRefusedAfterTheWindowClosed)
{
    installProgram();
    SingleInstance running(AdministratorLauncher::kInstanceName);
    ASSERT_TRUE(running.tryAcquire());
    ScriptedMessages m;
    AdministratorLauncher launcher(*registry, m, starter);
    EXPECT_FALSE(launcher.StartAdministrator(QStringLiteral("/ARCH"), closeWindow, false));
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(starter.started.isEmpty());
    ASSERT_EQ(m.messages().size(), 1);
    EXPECT_EQ(
        m.messages()[0].text,
        QStringLiteral("Program VORN 2000 Administrator jest już uruchomiony na tym stanowisku."));
}

TEST_F(LauncherTest, MissingProgramIsNamed)
{
    ScriptedMessages m;
    AdministratorLauncher launcher(*registry, m, starter);
    EXPECT_FALSE(launcher.StartAdministrator(QStringLiteral("/U /ST"), {}, false));
    ASSERT_EQ(m.messages().size(), 1);
    EXPECT_EQ(m.messages()[0].text,
              QStringLiteral("Nie znaleziono programu: ") + launcher.programPath());
}

TEST(SingleInstance, SecondHolderIsRefusedUntilReleased)
{
    qputenv("VORN_LOCK_DIR", vorn::test::FreshDir(QStringLiteral("locks2")).toUtf8());
    SingleInstance first(QStringLiteral("VornST"));
    ASSERT_TRUE(first.tryAcquire());
    EXPECT_TRUE(SingleInstance::IsHeldElsewhere(QStringLiteral("VornST")));
    EXPECT_FALSE(SingleInstance::IsHeldElsewhere(QStringLiteral("VORNAD")));
    first.release();
    EXPECT_FALSE(SingleInstance::IsHeldElsewhere(QStringLiteral("VornST")));
}

} // namespace
