#include "LoginFixture.h"

#include "common/Paths.h"
#include "shell/Modules.h"
#include "shell/UserAndFirm.h"
#include "store/Schema.h"
#include "store/Scope.h"
#include "support/TestEnv.h"

#include <QDir>

namespace vorn::test {

QString RightsWith(std::initializer_list<int> rights)
{
    QString s = EmptyRights();
    for (int r : rights)
        s[r - 1] = QLatin1Char('1');
    return s;
}

LoginFixture::LoginFixture()
{
    base = FreshDir(QStringLiteral("login"));
    root = base + QStringLiteral("/VORN");
    for (const char* sub : {"/DATA/AD", "/DATA/ST", "/NET", "/TEMP"})
        QDir().mkpath(root + QLatin1String(sub));
    store = std::make_unique<SettingsConfigStore>(base + QStringLiteral("/cfg"));
    store->write(Hive::LocalMachine, TV2Registry::kRootKey, QStringLiteral("TempDir"),
                 root + QStringLiteral("/TEMP"));
    for (int module : {int(ModuleAD), int(ModuleST)}) {
        const QString key = TV2Registry::ModuleKey(module);
        store->write(Hive::LocalMachine, key, QStringLiteral("RootPath"), root);
        store->write(Hive::LocalMachine, key, QStringLiteral("NetFileDir"),
                     root + QStringLiteral("/NET"));
    }
    registry = std::make_unique<TV2Registry>(*store, messages);
    registry->SetMode(1, 0);
    registry->Load();
    OpenOptions create;
    create.createSchema = true;
    create.synchronousWrites = false;
    OpenScope(Scope::Admin, root + QStringLiteral("/DATA/AD"), create);
    connect = std::make_unique<TADConnect>(*registry, messages);
    connect->Connect(QStringLiteral("ssnSTLog"), QStringLiteral("dbSTLog"), true,
                     QStringLiteral("ST_LOG"));
    login = std::make_unique<TV2Login>(*registry, *connect, messages, prompt, picker, workstation);
}

qint64 LoginFixture::addUser(const QString& ident, const QString& password, QString rights)
{
    if (rights.isEmpty())
        rights = RightsWith({kRightRunModule});
    const qint64 id =
        ad().scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) + 1 FROM D00013AD")).toLongLong();
    ad().exec(
        QStringLiteral("INSERT INTO D00013AD (ID, IDENTYFIKATOR, NAZWA, HASLO, CZYADMIN, OPCJEAD) "
                       "VALUES (:id, :ident, :name, :pw, 'N', :rights)"),
        {{QStringLiteral("id"), id},
         {QStringLiteral("ident"), ident},
         {QStringLiteral("name"), ident + QStringLiteral(" Kowalski")},
         {QStringLiteral("pw"), password},
         {QStringLiteral("rights"), rights}});
    return id;
}

qint64 LoginFixture::addFirm(int numer, const QString& name, int version)
{
    const qint64 id =
        ad().scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) + 1 FROM D00002AD")).toLongLong();
    ad().exec(QStringLiteral(
                  "INSERT INTO D00002AD (ID, Numer, Rodzaj, NazwaPelna, NazwaSkrocona, MODULY) "
                  "VALUES (:id, :numer, 1, :name, :short, :moduly)"),
              {{QStringLiteral("id"), id},
               {QStringLiteral("numer"), numer},
               {QStringLiteral("name"), name},
               {QStringLiteral("short"), name.left(10)},
               {QStringLiteral("moduly"), QStringLiteral("10000001000000000000")}});
    if (version > 0) {
        OpenOptions create;
        create.createSchema = true;
        create.synchronousWrites = false;
        auto firmDb = OpenScope(Scope::Firm, FirmFolder(root, numer), create);
        firmDb->exec(QStringLiteral("UPDATE verinf SET Wersja = :v"),
                     {{QStringLiteral("v"), version}});
    }
    return id;
}

void LoginFixture::grantFirm(qint64 userId, qint64 firmId, const QString& rights)
{
    ad().exec(QStringLiteral("INSERT INTO D00008AD (modulid, firmaid, uzytkownikid, uprawnienia) "
                             "VALUES (8, :firm, :user, :rights)"),
              {{QStringLiteral("firm"), firmId},
               {QStringLiteral("user"), userId},
               {QStringLiteral("rights"), rights}});
}

qint64 LoginFixture::addUserWithLastFirm(const QString& ident, int numer)
{
    const qint64 user = addUser(ident, QString());
    const qint64 firm = addFirm(numer, QStringLiteral("Firma"));
    grantFirm(user, firm);
    setLastFirm(user, firm);
    return user;
}

void LoginFixture::setLastFirm(qint64 userId, qint64 firmId)
{
    ad().exec(QStringLiteral("INSERT INTO D00012AD (MODULID, UZYTKOWNIKID, LASTFIRMAID, LASTROK) "
                             "VALUES (8, :user, :firm, -1)"),
              {{QStringLiteral("user"), userId}, {QStringLiteral("firm"), firmId}});
}

void LoginFixture::addLoggedIn(const QString& user, const QString& computer, const QString& ip,
                               const QString& netFileDir)
{
    ad().exec(QStringLiteral("INSERT INTO D00011AD (MODUL, USERNAME, LOGINTIME, COMPUTERNAME, IP, "
                             "NETFILEDIR, LOCKMODUL) VALUES ('ST', :user, :t, :c, :ip, :net, 0)"),
              {{QStringLiteral("user"), user},
               {QStringLiteral("t"), QDateTime(QDate(2020, 1, 1), QTime(8, 0))},
               {QStringLiteral("c"), computer},
               {QStringLiteral("ip"), ip},
               {QStringLiteral("net"), netFileDir}});
}

int LoginFixture::loggedInRows(const QString& user)
{
    return ad()
        .scalar(QStringLiteral("SELECT COUNT(*) FROM D00011AD WHERE USERNAME = :u"),
                {{QStringLiteral("u"), user}})
        .toInt();
}

void LoginFixture::setOwnNetFileDir(const QString& path)
{
    registry->SetPath(ModuleST, pkNetFileDir, path);
}

int LoginFixture::logIn(TV2User& user, TV2Firm& firm)
{
    return login->LogIn(ModuleST, user, true, true, false, true, firm);
}

} // namespace vorn::test
