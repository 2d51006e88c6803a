#include "AdminTool.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vorn::test;

namespace {

// vornst-cli logged in to a demo installation made by the administrator tool.
class YearCliTest : public ::testing::Test
{
protected:
    YearCliTest() { tool.ok({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")}); }

    ToolResult cli(const QStringList& args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VORN_LOCK_DIR"), tool.dir());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VORN_CLI_PROGRAM),
                QStringList{QStringLiteral("--root"), tool.root()} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    int loggedIn() const
    {
        return tool.admin()->scalar(QStringLiteral("SELECT COUNT(*) FROM D00011AD")).toInt();
    }

    AdminTool tool;
};

TEST_F(YearCliTest, ListAddAndDeleteYears)
{
    const int rok = QDate::currentDate().year();
    auto listed = cli({QStringLiteral("--json"), QStringLiteral("year"), QStringLiteral("list")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QJsonArray years = QJsonDocument::fromJson(listed.out.toUtf8()).array();
    ASSERT_EQ(years.size(), 1);
    EXPECT_EQ(years[0].toObject().value(QStringLiteral("ROK")).toInt(), rok);
    EXPECT_EQ(years[0].toObject().value(QStringLiteral("DATA_POCZ")).toString(),
              QDate(rok, 1, 1).toString(Qt::ISODate));
    EXPECT_EQ(loggedIn(), 0); // logged out at the end

    const QString end = QStringLiteral("31-12-%1").arg(rok + 1);
    auto added = cli({QStringLiteral("year"), QStringLiteral("add"), QStringLiteral("--rok"),
                      QString::number(rok + 1), QStringLiteral("--end"), end});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();

    auto again = cli({QStringLiteral("year"), QStringLiteral("add"), QStringLiteral("--rok"),
                      QString::number(rok + 1), QStringLiteral("--end"), end});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("Rok o takim numerze już istnieje.")))
        << again.err.toStdString();

    // The question is answered No unless told otherwise.
    auto kept = cli({QStringLiteral("year"), QStringLiteral("delete"), QString::number(rok + 1)});
    EXPECT_EQ(kept.exitCode, 1);
    auto first = cli({QStringLiteral("--yes"), QStringLiteral("year"), QStringLiteral("delete"),
                      QString::number(rok)});
    EXPECT_EQ(first.exitCode, 1);
    EXPECT_TRUE(first.err.contains(QStringLiteral("Usunąć można jedynie ostatnią pozycję.")));
    auto deleted = cli({QStringLiteral("--yes"), QStringLiteral("year"), QStringLiteral("delete"),
                        QString::number(rok + 1)});
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
    EXPECT_EQ(tool.firm(1)->scalar(QStringLiteral("SELECT COUNT(*) FROM F00001ST")).toInt(), 1);
}

TEST_F(YearCliTest, UsageErrorsAndRefusedLogins)
{
    // A second user with a password: the login now asks who works.
    tool.ok({QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("JAN"),
             QStringLiteral("Jan Nowak"), QStringLiteral("--password"), QStringLiteral("tajne"),
             QStringLiteral("--rights"), QStringLiteral("41")});
    tool.ok({QStringLiteral("grant"), QStringLiteral("--user"), QStringLiteral("JAN"),
             QStringLiteral("--firm"), QStringLiteral("1"), QStringLiteral("--rights"),
             QStringLiteral("1-80")});
    struct
    {
        const char* name;
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {"bad date",
         {"year", "add", "--rok", "2030", "--end", "31-02-2030"},
         2,
         "niepoprawna data"},
        {"no year number", {"year", "delete"}, 2, "podaj numer roku"},
        {"unknown user", {"--user", "NIKT", "year", "list"}, 1, "Nie znaleziono użytkownika"},
        {"wrong password",
         {"--user", "jan", "--password", "zle", "year", "list"},
         1,
         "Podane hasło jest nieprawidłowe."},
        {"no credentials", {"year", "list"}, 1, ""},
        {"firm not given",
         {"--user", "jan", "--password", "tajne", "year", "list"},
         1,
         "Należy wybrać firmę (--firm NUMER).\nDostępne firmy: 1 "},
        {"right 82 missing",
         {"--user", "jan", "--password", "tajne", "--firm", "1", "year", "delete", "2000"},
         1,
         "Brak uprawnień"},
        {"right 81 missing",
         {"--user", "JAN", "--password", "tajne", "--firm", "1", "year", "add", "--rok", "2100"},
         1,
         "Brak uprawnień"},
        {"allowed to list",
         {"--user", "JAN", "--password", "tajne", "--firm", "1", "year", "list"},
         0,
         "NUMER ROKU"},
    };
    for (const auto& c : cases) {
        auto r = cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE((r.err + r.out).contains(QString::fromUtf8(c.message)))
            << c.name << ": " << r.err.toStdString();
    }
}

} // namespace
