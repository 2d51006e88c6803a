#include "shell/Registry.h"
#include "shell/ConfigStore.h"
#include "support/ScriptedMessages.h"
#include "support/TestEnv.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vorn;
using vorn::test::ScriptedMessages;

namespace {

// A configuration folder with an installation folder beside it.
class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        base = vorn::test::FreshDir(QStringLiteral("registry"));
        store = std::make_unique<SettingsConfigStore>(base + QStringLiteral("/cfg"));
        root = base + QStringLiteral("/VORN");
        QDir().mkpath(root + QStringLiteral("/DATA/AD"));
        QDir().mkpath(root + QStringLiteral("/NET"));
    }

    void writeModule(const QString& code, const QString& rootPath, const QString& net)
    {
        const QString key = TV2Registry::kRootKey + QLatin1Char('/') + code;
        store->write(Hive::LocalMachine, key, QStringLiteral("RootPath"), rootPath);
        store->write(Hive::LocalMachine, key, QStringLiteral("NetFileDir"), net);
        store->write(Hive::LocalMachine, key, QStringLiteral("ServerName"), QString());
        store->write(Hive::LocalMachine, key, QStringLiteral("ServerPath"), QString());
    }

    // As this program reads it: mode 1, module 0.
    bool load(TV2Registry& r)
    {
        r.SetMode(1, 0);
        return r.Load();
    }

    QString base, root;
    std::unique_ptr<SettingsConfigStore> store;
    ScriptedMessages messages;
};

TEST_F(RegistryTest, GoodAdministratorEntriesLoadSilently)
{
    writeModule(QStringLiteral("AD"), root, root + QStringLiteral("/NET"));
    TV2Registry r(*store, messages);
    EXPECT_TRUE(load(r));
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(QDir::fromNativeSeparators(r.Path(ModuleAD, pkDataPath)),
              root + QStringLiteral("/DATA/AD"));
    EXPECT_EQ(r.Path(ModuleAD, pkRootPath), root);
    EXPECT_EQ(r.Path(ModuleST, pkDataPath), QString());
}

TEST_F(RegistryTest, TrailingSeparatorIsStoredBackWithoutIt)
{
    writeModule(QStringLiteral("AD"), root + QStringLiteral("\\"), root + QStringLiteral("/NET/"));
    TV2Registry r(*store, messages);
    EXPECT_TRUE(load(r));
    EXPECT_EQ(r.Path(ModuleAD, pkRootPath), root);
    const QString key = TV2Registry::ModuleKey(ModuleAD);
    EXPECT_EQ(store->read(Hive::LocalMachine, key, QStringLiteral("RootPath")).value(), root);
    EXPECT_EQ(store->read(Hive::LocalMachine, key, QStringLiteral("NetFileDir")).value(),
              root + QStringLiteral("/NET"));
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(RegistryTest, KeyWithSingleBackslashRootAndBlankRestIsDeleted)
{
    writeModule(QStringLiteral("AD"), root, root + QStringLiteral("/NET"));
    writeModule(QStringLiteral("KB"), QStringLiteral("\\"), QStringLiteral("  "));
    TV2Registry r(*store, messages);
    EXPECT_TRUE(load(r));
    EXPECT_FALSE(store->keyExists(Hive::LocalMachine, TV2Registry::ModuleKey(ModuleKB)));
    EXPECT_TRUE(store->keyExists(Hive::LocalMachine, TV2Registry::ModuleKey(ModuleAD)));
    EXPECT_TRUE(messages.messages().isEmpty()); // not the chosen module
}

TEST_F(RegistryTest, MissingAdministratorKeyStopsWithAd0010)
{
    TV2Registry r(*store, messages);
    EXPECT_FALSE(load(r));
    EXPECT_EQ(r.report(), QStringLiteral("WYKRYTO BŁĘDY W REJESTRZE SYSTEMU\r\n"
                                         "• brak wpisów w rejestrze dla modułu AD\r\n"));
    ASSERT_EQ(messages.messages().size(), 1);
    const auto& box = messages.messages()[0];
    EXPECT_EQ(box.kind, ScriptedMessages::Kind::Error);
    EXPECT_EQ(box.code, QStringLiteral("AD_0010"));
    EXPECT_EQ(box.text,
              QStringLiteral("BŁĄD NR AD_0010.\n\r\n\r") + r.report() +
                  QStringLiteral("\r\nProszę uruchomić program VORN 2000 Administrator i poprawić "
                                 "wskazane\r\nwpisy w rejestrze lub ponownie zainstalować moduł."));
}

TEST_F(RegistryTest, MissingFinanceKeyGivesNoMessage)
{
    writeModule(QStringLiteral("AD"), root, root + QStringLiteral("/NET"));
    TV2Registry r(*store, messages);
    EXPECT_TRUE(load(r));
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(r.Path(ModuleFK, pkRootPath), QString());
}

TEST_F(RegistryTest, AdministratorPathFaults)
{
    struct
    {
        const char* name;
        QString rootPath, net, fault;
    } cases[] = {
        {"missing root", QString(), root + "/NET",
         QStringLiteral("• brak ścieżki podstawowej (RootPath) dla modułu AD\r\n")},
        {"wrong root", root + "/nowhere", root + "/NET",
         QStringLiteral("• niepoprawna ścieżka podstawowa (RootPath) dla modułu AD\r\n")},
        {"missing net", root, QString(),
         QStringLiteral("• brak ścieżki pliku sieciowego (NetFileDir) dla modułu AD\r\n")},
        {"wrong net", root, root + "/nonet",
         QStringLiteral("• niepoprawna ścieżka pliku sieciowego (NetFileDir) dla modułu AD\r\n")},
    };
    for (const auto& c : cases) {
        writeModule(QStringLiteral("AD"), c.rootPath, c.net);
        ScriptedMessages m;
        TV2Registry r(*store, m);
        EXPECT_FALSE(load(r)) << c.name;
        EXPECT_EQ(r.report(), QStringLiteral("WYKRYTO BŁĘDY W REJESTRZE SYSTEMU\r\n") + c.fault)
            << c.name;
        ASSERT_EQ(m.messages().size(), 1) << c.name;
        EXPECT_EQ(m.messages()[0].code, QStringLiteral("AD_0010")) << c.name;
    }
}

TEST_F(RegistryTest, ReportingModesForOtherModules)
{
    writeModule(QStringLiteral("AD"), root, root + QStringLiteral("/NET"));
    writeModule(QStringLiteral("ST"), root + QStringLiteral("/nowhere"),
                root + QStringLiteral("/NET"));
    const QString stFault =
        QStringLiteral("• niepoprawna ścieżka podstawowa (RootPath) dla modułu ST\r\n");
    struct
    {
        int mode, module;
        bool reported;
    } cases[] = {{0, 0, true}, {1, ModuleST, true}, {1, ModuleFK, false}, {2, 0, false}};
    for (const auto& c : cases) {
        ScriptedMessages m;
        TV2Registry r(*store, m);
        r.SetMode(c.mode, c.module);
        EXPECT_TRUE(r.Load()) << c.mode << "/" << c.module; // other modules never fail
        EXPECT_EQ(r.report().contains(stFault), c.reported) << c.mode << "/" << c.module;
        const bool boxShown = c.reported && c.mode != 2;
        ASSERT_EQ(m.messages().size(), boxShown ? 1 : 0);
        if (boxShown) {
            EXPECT_EQ(m.messages()[0].code, QStringLiteral("AD_0010"));
        }
    }
}

TEST_F(RegistryTest, ChosenAdministratorModuleGetsAd0009OrWarning)
{
    // The administrator tool reads with module 1 chosen.
    writeModule(QStringLiteral("ST"), root + QStringLiteral("/nowhere"),
                root + QStringLiteral("/NET"));
    {
        ScriptedMessages m;
        TV2Registry r(*store, m);
        r.SetMode(0, ModuleAD);
        EXPECT_FALSE(r.Load());
        ASSERT_EQ(m.messages().size(), 1);
        EXPECT_EQ(m.messages()[0].code, QStringLiteral("AD_0009"));
        EXPECT_TRUE(m.messages()[0].text.endsWith(
            QStringLiteral("\r\nProszę przeprowadzić ponowną instalację systemu VORN 2000.")));
    }
    writeModule(QStringLiteral("AD"), root, root + QStringLiteral("/NET"));
    {
        ScriptedMessages m;
        TV2Registry r(*store, m);
        r.SetMode(0, ModuleAD);
        EXPECT_TRUE(r.Load());
        ASSERT_EQ(m.messages().size(), 1);
        EXPECT_EQ(m.messages()[0].kind, ScriptedMessages::Kind::Warning);
        EXPECT_TRUE(m.messages()[0].text.contains(QStringLiteral("\"Konfiguracja\"")));
    }
}

TEST_F(RegistryTest, TempDirLookup)
{
    writeModule(QStringLiteral("AD"), root, root + QStringLiteral("/NET"));
    const QString key = TV2Registry::kRootKey;
    struct
    {
        const char* name;
        std::optional<QString> user, machine;
        QString expected;
    } cases[] = {
        {"nothing", std::nullopt, std::nullopt, TV2Registry::kDefaultTempDir},
        {"machine only", std::nullopt, QStringLiteral("/tmp/m"), QStringLiteral("/tmp/m")},
        {"user wins", QStringLiteral("/tmp/u"), QStringLiteral("/tmp/m"), QStringLiteral("/tmp/u")},
        {"empty user falls back to default", QStringLiteral("  "), QStringLiteral("/tmp/m"),
         TV2Registry::kDefaultTempDir},
        {"trailing separator", std::nullopt, QStringLiteral("/tmp/m/"), QStringLiteral("/tmp/m")},
    };
    for (const auto& c : cases) {
        store->removeKey(Hive::CurrentUser, key);
        store->removeKey(Hive::LocalMachine, key + QStringLiteral("/TempDir"));
        if (c.user)
            store->write(Hive::CurrentUser, key, QStringLiteral("TempDir"), *c.user);
        if (c.machine)
            store->write(Hive::LocalMachine, key, QStringLiteral("TempDir"), *c.machine);
        TV2Registry r(*store, messages);
        load(r);
        EXPECT_EQ(r.TempDir(), c.expected) << c.name;
    }
    // The normalised machine value was written back.
    EXPECT_EQ(store->read(Hive::LocalMachine, key, QStringLiteral("TempDir")).value(),
              QStringLiteral("/tmp/m"));
}

TEST(NormalizePath, RemovesOneTrailingSeparator)
{
    struct
    {
        QString in, out;
        bool changed;
    } cases[] = {{" C:\\VORN\\ ", "C:\\VORN", true},
                 {"/opt/vorn//", "/opt/vorn/", true},
                 {"/opt/vorn", "/opt/vorn", false},
                 {"\\", "", true},
                 {"  ", "", false}};
    for (auto c : cases) {
        QString p = c.in;
        EXPECT_EQ(NormalizePath(p), c.changed) << c.in.toStdString();
        EXPECT_EQ(p, c.out) << c.in.toStdString();
    }
}

} // namespace
