#include "AdminTool.h"

#include "shell/KstIni.h"
#include "shell/PasswordHash.h"
#include "store/Schema.h"

#include <QDate>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

int count(Database& db, const QString& sql, const QVariantMap& params = {})
{
    return db.scalar(sql, params).toInt();
}

QString dump(Database& db, const QString& table)
{
    QStringList lines;
    for (const Row& row : db.rows(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(table))) {
        QStringList cells;
        for (const char* c : {"ID", "IDPARENT", "SYMBOL", "NAZWA", "STOPOD", "STOPDO"})
            cells << row.str(c);
        lines << cells.join(QLatin1Char(';'));
    }
    return lines.join(QLatin1Char('\n'));
}

void writeFile(const QString& name, const QByteArray& content)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST(AdminInit, DemoInstallationHasEveryScopeAndItsDemoRows)
{
    AdminTool tool;
    tool.ok({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")});

    // Every scope opens with every table (OpenScope refuses a missing one).
    auto admin = tool.admin();
    auto global = tool.global();
    auto firm = tool.firm(1);

    // One user, no password, every right: the program lets him in without a dialog.
    const QList<Row> users = admin->rows(QStringLiteral("SELECT * FROM D00013AD"));
    ASSERT_EQ(users.size(), 1);
    EXPECT_EQ(users[0].str("IDENTYFIKATOR"), QStringLiteral("ADMIN"));
    EXPECT_TRUE(users[0].str("HASLO").isEmpty());
    EXPECT_EQ(users[0].str("CZYADMIN"), QStringLiteral("T"));
    EXPECT_EQ(users[0].str("OPCJEAD"), QString(255, QLatin1Char('1')));

    const auto demoFirm = admin->firstRow(QStringLiteral("SELECT * FROM D00002AD WHERE Numer=1"));
    ASSERT_TRUE(demoFirm);
    EXPECT_EQ(demoFirm->str("MODULY").at(7), QLatin1Char('1')); // module 8 is this program
    EXPECT_EQ(count(*admin,
                    QStringLiteral("SELECT COUNT(*) FROM D00008AD WHERE modulid=8 AND firmaid=:f "
                                   "AND uzytkownikid=:u"),
                    {{"f", demoFirm->integer("ID")}, {"u", users[0].integer("ID")}}),
              1);
    EXPECT_EQ(count(*firm, QStringLiteral("SELECT MAX(Wersja) FROM verinf")), kFirmDataVersion);

    const int year = QDate::currentDate().year();
    const auto fiscal = firm->firstRow(QStringLiteral("SELECT * FROM F00001ST"));
    ASSERT_TRUE(fiscal);
    EXPECT_EQ(fiscal->integer("ROK"), year);
    EXPECT_EQ(fiscal->value("DATA_POCZ").toDate(), QDate(year, 1, 1));
    EXPECT_EQ(fiscal->value("DATA_KONCA").toDate(), QDate(year, 12, 31));
    EXPECT_EQ(fiscal->value("ZAMKNIETYDO").toDate(), QDate(year - 1, 12, 31));

    for (const QString code : {"PK", "OT", "LT"}) {
        const auto numbering = firm->firstRow(
            QStringLiteral("SELECT * FROM F00015ST WHERE SYMBOL=:s AND NAZWA=:s"), {{"s", code}});
        ASSERT_TRUE(numbering) << code.toStdString();
        EXPECT_EQ(numbering->str("MASKADOKUMENTU"),
                  QStringLiteral("$$$$/@@/%%/") + code + QStringLiteral("/####"));
        EXPECT_EQ(numbering->integer("NUMERSTARTOWY"), 1);
    }
    EXPECT_GT(count(*firm, QStringLiteral("SELECT COUNT(*) FROM F00014ST T, F00016ST S WHERE "
                                          "T.ID_WZORCA=S.ID")),
              0);

    // Entered, not accepted; classified by symbols the firm's table knows.
    EXPECT_GT(count(*firm, QStringLiteral("SELECT COUNT(*) FROM F00004ST")), 0);
    EXPECT_EQ(count(*firm, QStringLiteral("SELECT COUNT(*) FROM F00004ST WHERE KOD<>''")), 0);
    EXPECT_EQ(KstIni(tool.root(), 1).tableName(), QStringLiteral("D00005ST"));
    for (const Row& asset : firm->rows(QStringLiteral("SELECT KRST FROM F00004ST")))
        EXPECT_EQ(count(*global, QStringLiteral("SELECT COUNT(*) FROM D00005ST WHERE Symbol=:s"),
                        {{"s", asset.str("KRST")}}),
                  1)
            << asset.str("KRST").toStdString();

    // The program takes new IDs from the counters: none may hand out an ID already used.
    struct
    {
        int counter;
        const char* table;
    } counters[] = {{1, "F00004ST"},  {3, "F00003ST"},  {4, "F00002ST"},
                    {5, "F00006ST"},  {6, "F00014ST"},  {7, "F00016ST"},
                    {11, "F00005ST"}, {18, "F00001ST"}, {19, "F00017ST"}};
    for (const auto& c : counters) {
        const int highest =
            count(*firm, QStringLiteral("SELECT MAX(ID) FROM %1").arg(QLatin1String(c.table)));
        const int given = count(*firm, QStringLiteral("SELECT NUMER FROM F00013ST WHERE ID=:id"),
                                {{"id", c.counter}});
        EXPECT_GE(given, highest) << c.table;
    }
    // Trees have their roots.
    EXPECT_EQ(count(*firm, QStringLiteral("SELECT COUNT(*) FROM F00003ST WHERE ID=0 AND "
                                          "ID_PARENT=-1")),
              1);
    EXPECT_EQ(count(*firm, QStringLiteral("SELECT COUNT(*) FROM F00002ST WHERE ID=0 AND "
                                          "ID_PARENT=-1")),
              1);
    EXPECT_EQ(count(*firm, QStringLiteral("SELECT COUNT(*) FROM F00017ST WHERE ID IN (1,2,3) AND "
                                          "ID_PARENT=-1")),
              3);

    // The registry names the installation for both modules.
    QSettings hklm(tool.dir() + QStringLiteral("/registry/HKEY_LOCAL_MACHINE.ini"),
                   QSettings::IniFormat);
    EXPECT_EQ(hklm.value(QStringLiteral("SOFTWARE/Vorn2000/AD/RootPath")).toString(), tool.root());
    EXPECT_EQ(hklm.value(QStringLiteral("SOFTWARE/Vorn2000/ST/RootPath")).toString(), tool.root());
}

TEST(AdminInit, DictionariesHoldEveryGroupOnceEvenWhenInitRunsAgain)
{
    AdminTool tool;
    tool.ok({QStringLiteral("init"), tool.root()});
    tool.ok({QStringLiteral("init"), tool.root()});
    auto global = tool.global();
    for (const QString table : {"D00001ST", "D00005ST"}) {
        for (int group = 0; group <= 9; ++group)
            EXPECT_EQ(count(*global,
                            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Symbol=:s AND "
                                           "IDParent=-1 AND Nazwa<>''")
                                .arg(table),
                            {{"s", QString::number(group)}}),
                      1)
                << table.toStdString() << " " << group;
        // A subgroup hangs under its group; rates as the annex gives them.
        const auto office = global->firstRow(
            QStringLiteral("SELECT C.StopDo AS RATE, P.Symbol AS PARENT FROM %1 C, %1 P WHERE "
                           "C.IDParent=P.ID AND C.Symbol='10'")
                .arg(table));
        ASSERT_TRUE(office);
        EXPECT_EQ(office->str("PARENT"), QStringLiteral("1"));
        EXPECT_DOUBLE_EQ(office->num("RATE"), 2.5);
    }
    EXPECT_EQ(dump(*global, QStringLiteral("D00001ST")).count(QLatin1Char('\n')),
              dump(*global, QStringLiteral("D00005ST")).count(QLatin1Char('\n')));
    // No firm and no user without --demo.
    auto admin = tool.admin();
    EXPECT_EQ(count(*admin, QStringLiteral("SELECT COUNT(*) FROM D00002AD")), 0);
    EXPECT_EQ(count(*admin, QStringLiteral("SELECT COUNT(*) FROM D00013AD")), 0);
}

TEST(AdminInit, DemoIsRefusedWhereUsersOrTheFirmExist)
{
    AdminTool tool;
    tool.ok({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")});
    const ToolResult again =
        tool.run({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("Firma nr 1 już istnieje")))
        << again.err.toStdString();

    AdminTool withUser;
    withUser.ok({QStringLiteral("init"), withUser.root()});
    withUser.ok({QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("JAN"),
                 QStringLiteral("Jan Nowak"), QStringLiteral("--password"), QStringLiteral("x1")});
    const ToolResult demo =
        withUser.run({QStringLiteral("init"), withUser.root(), QStringLiteral("--demo")});
    EXPECT_EQ(demo.exitCode, 1);
    EXPECT_TRUE(demo.err.contains(QStringLiteral("są już użytkownicy"))) << demo.err.toStdString();
    // Nothing of the demo was left behind.
    EXPECT_EQ(count(*withUser.admin(), QStringLiteral("SELECT COUNT(*) FROM D00002AD")), 0);
    EXPECT_EQ(count(*withUser.admin(), QStringLiteral("SELECT COUNT(*) FROM D00013AD")), 1);
}

class AdminUsers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tool.ok({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")});
    }

    QString storedPassword(const QString& id)
    {
        return tool.admin()
            ->scalar(QStringLiteral("SELECT HASLO FROM D00013AD WHERE IDENTYFIKATOR=:i"),
                     {{"i", id}})
            .toString();
    }
    ToolResult check(const QString& id, const QByteArray& password)
    {
        return tool.run({QStringLiteral("user"), QStringLiteral("check-password"), id},
                        password + "\n");
    }

    AdminTool tool;
};

TEST_F(AdminUsers, PasswordIsStoredAsADigestAndChecked)
{
    const ToolResult added =
        tool.ok({QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("jan"),
                 QStringLiteral("Jan Nowak"), QStringLiteral("--password-stdin"),
                 QStringLiteral("--rights"), QStringLiteral("41,1-3")},
                "sekret\n");
    // A second user makes the password-less demo user worth a warning.
    EXPECT_TRUE(added.out.contains(QStringLiteral("ADMIN nie ma hasła")));

    const QString stored = storedPassword(QStringLiteral("JAN"));
    EXPECT_TRUE(IsPasswordDigest(stored));
    EXPECT_FALSE(stored.contains(QStringLiteral("sekret")));
    EXPECT_TRUE(VerifyPassword(stored, QStringLiteral("sekret")).matches);

    EXPECT_EQ(check(QStringLiteral("JAN"), "sekret").exitCode, 0);
    const ToolResult wrong = check(QStringLiteral("JAN"), "Sekret");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("Podane hasło jest nieprawidłowe.")));

    const QString rights = tool.admin()
                               ->scalar(QStringLiteral("SELECT OPCJEAD FROM D00013AD WHERE "
                                                       "IDENTYFIKATOR='JAN'"))
                               .toString();
    ASSERT_EQ(rights.size(), 255);
    EXPECT_EQ(rights.left(4), QStringLiteral("1110"));
    EXPECT_EQ(rights.at(40), QLatin1Char('1'));
    EXPECT_EQ(rights.count(QLatin1Char('1')), 4);
}

TEST_F(AdminUsers, SetPasswordReplacesItAndAnEmptyOneRemovesIt)
{
    tool.ok({QStringLiteral("user"), QStringLiteral("set-password"), QStringLiteral("admin"),
             QStringLiteral("--password-stdin")},
            "nowe\n");
    EXPECT_TRUE(IsPasswordDigest(storedPassword(QStringLiteral("ADMIN"))));
    EXPECT_EQ(check(QStringLiteral("ADMIN"), "nowe").exitCode, 0);
    EXPECT_EQ(check(QStringLiteral("ADMIN"), "").exitCode, 1);

    tool.ok({QStringLiteral("user"), QStringLiteral("set-password"), QStringLiteral("ADMIN")});
    EXPECT_TRUE(storedPassword(QStringLiteral("ADMIN")).isEmpty());
}

TEST_F(AdminUsers, PlainTextWrittenByAnotherToolIsAcceptedOnceAndRehashed)
{
    tool.admin()->exec(
        QStringLiteral("UPDATE D00013AD SET HASLO='abc' WHERE IDENTYFIKATOR='ADMIN'"));
    EXPECT_EQ(check(QStringLiteral("admin"), "xyz").exitCode, 1);
    EXPECT_EQ(storedPassword(QStringLiteral("ADMIN")),
              QStringLiteral("abc")); // a miss changes nothing

    EXPECT_EQ(check(QStringLiteral("admin"), "abc").exitCode, 0);
    const QString digest = storedPassword(QStringLiteral("ADMIN"));
    EXPECT_TRUE(IsPasswordDigest(digest));
    // From now on the digest decides.
    EXPECT_EQ(check(QStringLiteral("admin"), "abc").exitCode, 0);
    EXPECT_EQ(storedPassword(QStringLiteral("ADMIN")), digest);
    EXPECT_EQ(check(QStringLiteral("admin"), "xyz").exitCode, 1);
}

TEST_F(AdminUsers, GrantSetsTheFirmRightsOfAUserOrAGroup)
{
    tool.ok({QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("EWA"),
             QStringLiteral("Ewa Lis")});
    tool.ok({QStringLiteral("grant"), QStringLiteral("--user"), QStringLiteral("ewa"),
             QStringLiteral("--firm"), QStringLiteral("1"), QStringLiteral("--rights"),
             QStringLiteral("14")});
    // A second grant replaces the first.
    tool.ok({QStringLiteral("grant"), QStringLiteral("--user"), QStringLiteral("EWA"),
             QStringLiteral("--firm"), QStringLiteral("1"), QStringLiteral("--rights"),
             QStringLiteral("81-82")});
    tool.ok({QStringLiteral("group"), QStringLiteral("add"), QStringLiteral("5"),
             QStringLiteral("--rights"), QStringLiteral("41")});
    tool.ok({QStringLiteral("group"), QStringLiteral("join"), QStringLiteral("EWA"),
             QStringLiteral("5")});
    tool.ok({QStringLiteral("grant"), QStringLiteral("--group"), QStringLiteral("5"),
             QStringLiteral("--firm"), QStringLiteral("1"), QStringLiteral("--rights-string"),
             QStringLiteral("01")});

    auto admin = tool.admin();
    const QList<Row> own = admin->rows(QStringLiteral(
        "SELECT R.uprawnienia AS U FROM D00008AD R, D00013AD U WHERE R.uzytkownikid=U.ID AND "
        "U.IDENTYFIKATOR='EWA' AND R.modulid=8"));
    ASSERT_EQ(own.size(), 1);
    QString expected(255, QLatin1Char('0'));
    expected[80] = expected[81] = QLatin1Char('1');
    EXPECT_EQ(own[0].str("U"), expected);
    EXPECT_EQ(count(*admin, QStringLiteral("SELECT COUNT(*) FROM D00006AD D, D00013AD U WHERE "
                                           "D.uzytkid=U.ID AND U.IDENTYFIKATOR='EWA' AND "
                                           "D.grupaid=5")),
              1);
    const QString groupRights =
        admin
            ->scalar(QStringLiteral("SELECT uprawnienia FROM D00003AD WHERE grupaid=5 AND "
                                    "modulid=8"))
            .toString();
    EXPECT_EQ(groupRights.left(3), QStringLiteral("010"));
}

TEST(AdminCommandLine, UsageErrorsExitTwoAndRefusalsExitOneWithAPolishReason)
{
    AdminTool tool;
    tool.ok({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")});
    const QStringList usage[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("init")},
        {QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("JAN")},
        {QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("JAN"), QStringLiteral("J"),
         QStringLiteral("--colour")},
        {QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("JAN"), QStringLiteral("J"),
         QStringLiteral("--password")},
        {QStringLiteral("grant"), QStringLiteral("--user"), QStringLiteral("ADMIN"),
         QStringLiteral("--firm"), QStringLiteral("1")},
        {QStringLiteral("grant"), QStringLiteral("--firm"), QStringLiteral("1"),
         QStringLiteral("--rights"), QStringLiteral("all")},
        {QStringLiteral("firm"), QStringLiteral("add"), QStringLiteral("abc"), QStringLiteral("X")},
        {QStringLiteral("kst"), QStringLiteral("import")},
        {QStringLiteral("/X")},
        {QStringLiteral("/F"), QStringLiteral("/KR")},
    };
    for (const QStringList& args : usage) {
        const ToolResult r = tool.run(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Użycie:"))) << r.err.toStdString();
    }

    struct
    {
        QStringList args;
        QString reason;
    } refusals[] = {
        {{"user", "add", "admin", "Drugi"}, "Użytkownik o identyfikatorze \"ADMIN\" już istnieje."},
        {{"user", "add", "ZBYTDLUGI", "X"},
         "Identyfikator użytkownika może mieć najwyżej 8 znaków."},
        {{"user", "add", "OLA", "Ola", "--password", "123456789"},
         "Hasło może mieć najwyżej 8 znaków."},
        {{"user", "add", "OLA", "Ola", "--rights", "256"}, "Niepoprawny numer uprawnienia"},
        {{"grant", "--user", "NIKT", "--firm", "1", "--rights", "1"},
         "Nie znaleziono użytkownika o identyfikatorze \"NIKT\"."},
        {{"grant", "--user", "ADMIN", "--firm", "7", "--rights", "1"},
         "Nie znaleziono firmy o numerze 7."},
        {{"grant", "--group", "9", "--firm", "1", "--rights", "1"}, "Nie znaleziono grupy nr 9."},
        {{"firm", "add", "1", "Jeszcze raz"}, "Firma o numerze 1 już istnieje."},
        {{"kst", "import", "/nie/ma/takiego.csv"}, "Nie można otworzyć pliku"},
    };
    for (const auto& r : refusals) {
        const ToolResult result = tool.run(r.args);
        EXPECT_EQ(result.exitCode, 1) << r.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.err.contains(r.reason))
            << r.args.join(QLatin1Char(' ')).toStdString() << ": " << result.err.toStdString();
    }

    // Without an installation in the registry there is nothing to work on.
    AdminTool bare;
    const ToolResult none = bare.run({QStringLiteral("firm"), QStringLiteral("list")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("Brak wpisów w rejestrze dla modułu AD")));
    // A wrong command line is told as such before anything is looked for.
    for (const QStringList& args :
         {QStringList{"user", "frob"}, QStringList{"firm", "add", "abc", "X"},
          QStringList{"user", "add", "JAN"}, QStringList{"group", "add", "zero"}})
        EXPECT_EQ(bare.run(args).exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
}

TEST(AdminClassification, ImportWithBadLinesIsRefusedWholeAndChangesNothing)
{
    AdminTool tool;
    tool.ok({QStringLiteral("init"), tool.root()});
    const QString before2000 = dump(*tool.global(), QStringLiteral("D00001ST"));
    const QString before2002 = dump(*tool.global(), QStringLiteral("D00005ST"));

    const QString bad = tool.dir() + QStringLiteral("/bad.csv");
    writeFile(bad, "Symbol;Nazwa;StopOd;StopDo\n"
                   "48;POZOSTAŁE MASZYNY;0;18\n"
                   "487;;0;30\n"
                   "49;X;0,5;abc\n"
                   "48;Znowu;0;18\n");
    const ToolResult r = tool.run({QStringLiteral("kst"), QStringLiteral("import"), bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("wiersz 3: brak nazwy grupy")))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("wiersz 4: stawka maksymalna \"abc\"")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("wiersz 5: symbol \"48\" powtórzony")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nie zaimportowano żadnej pozycji")));
    EXPECT_EQ(dump(*tool.global(), QStringLiteral("D00001ST")), before2000);
    EXPECT_EQ(dump(*tool.global(), QStringLiteral("D00005ST")), before2002);
}

TEST(AdminClassification, ImportMergesKeepingIdsAndHangsNodesUnderTheirAncestors)
{
    AdminTool tool;
    tool.ok({QStringLiteral("init"), tool.root()});
    auto global = tool.global();
    const int groupFour =
        global->scalar(QStringLiteral("SELECT ID FROM D00005ST WHERE Symbol='4'")).toInt();
    const int rows2000 = count(*global, QStringLiteral("SELECT COUNT(*) FROM D00001ST"));

    const QString good = tool.dir() + QStringLiteral("/good.csv");
    writeFile(good, "\xEF\xBB\xBFSymbol;Nazwa;StopOd;StopDo\r\n"
                    "487;Zespoły komputerowe;0;30\r\n"
                    "4;MASZYNY, URZĄDZENIA I APARATY OGÓLNEGO ZASTOSOWANIA;0;10\r\n"
                    "\r\n"
                    "48;MASZYNY POZOSTAŁE;0;18\r\n");
    const ToolResult r = tool.ok({QStringLiteral("kst"), QStringLiteral("import"), good,
                                  QStringLiteral("--table"), QStringLiteral("2002")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("dodano 2, zmieniono 1"))) << r.out.toStdString();

    global = tool.global();
    EXPECT_EQ(global->scalar(QStringLiteral("SELECT ID FROM D00005ST WHERE Symbol='4'")).toInt(),
              groupFour);
    const auto parentOf = [&](const char* symbol) {
        return global
            ->scalar(QStringLiteral("SELECT P.Symbol FROM D00005ST C, D00005ST P WHERE "
                                    "C.IDParent=P.ID AND C.Symbol=:s"),
                     {{"s", QString::fromLatin1(symbol)}})
            .toString();
    };
    EXPECT_EQ(parentOf("48"), QStringLiteral("4"));
    EXPECT_EQ(parentOf("487"), QStringLiteral("48")); // listed before its parent in the file
    EXPECT_EQ(parentOf("226"), QStringLiteral("2"));  // its subgroup 22 is not known
    EXPECT_DOUBLE_EQ(
        global->scalar(QStringLiteral("SELECT StopDo FROM D00005ST WHERE Symbol='487'")).toDouble(),
        30.0);
    // Only the table asked for.
    EXPECT_EQ(count(*global, QStringLiteral("SELECT COUNT(*) FROM D00001ST")), rows2000);
}

} // namespace
