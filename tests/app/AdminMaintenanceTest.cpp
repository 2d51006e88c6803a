#include "AdminTool.h"

#include "shell/KstIni.h"
#include "store/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

class AdminMaintenance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tool.ok({QStringLiteral("init"), tool.root(), QStringLiteral("--demo")});
    }

    QStringList archiveCopies() const
    {
        QStringList out;
        const QDir firm(tool.root() + QStringLiteral("/ARCHIWUM/F00001"));
        for (const QString& d : firm.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            out << firm.filePath(d);
        return out;
    }

    AdminTool tool;
};

TEST_F(AdminMaintenance, ArchiveCopiesTheFirmAndRecordsTheDate)
{
    // The suite's switch and the command do the same; two in one second keep both copies.
    tool.ok({QStringLiteral("/A"), QStringLiteral("/ST")});
    tool.ok({QStringLiteral("archive"), QStringLiteral("1")});
    const QStringList copies = archiveCopies();
    ASSERT_EQ(copies.size(), 2);
    for (const QString& copy : copies) {
        auto archived = OpenScope(Scope::Firm, copy);
        EXPECT_EQ(archived->scalar(QStringLiteral("SELECT COUNT(*) FROM F00004ST")).toInt(),
                  tool.firm(1)->scalar(QStringLiteral("SELECT COUNT(*) FROM F00004ST")).toInt());
        EXPECT_TRUE(QFileInfo::exists(copy + QStringLiteral("/KST.Ini")));
    }
    const QDateTime archived =
        tool.admin()
            ->scalar(QStringLiteral("SELECT ARCHDATE FROM D00001AD WHERE MODULID=8 AND NUMER=1"))
            .toDateTime();
    EXPECT_LE(qAbs(archived.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(tool.admin()
                  ->scalar(QStringLiteral("SELECT COUNT(*) FROM D00001AD WHERE MODULID=8 AND "
                                          "NUMER=1"))
                  .toInt(),
              1);
}

TEST_F(AdminMaintenance, UpgradeBringsOlderDataUpAndLeavesNewerAlone)
{
    tool.ok({QStringLiteral("firm"), QStringLiteral("add"), QStringLiteral("2"),
             QStringLiteral("Druga Sp. z o.o."), QStringLiteral("--kst"), QStringLiteral("2002")});
    EXPECT_EQ(KstIni(tool.root(), 2).tableName(), QStringLiteral("D00005ST"));
    tool.firm(1)->exec(QStringLiteral("UPDATE verinf SET Wersja=9"));
    tool.firm(2)->exec(QStringLiteral("UPDATE verinf SET Wersja=11"));

    const ToolResult r = tool.ok({QStringLiteral("/UPGR_AD")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("Firma nr 1: wersja danych zmieniona z 9 na 10")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Firma nr 2: wersja danych 11 jest nowsza")));
    EXPECT_EQ(tool.firm(1)->scalar(QStringLiteral("SELECT Wersja FROM verinf")).toInt(),
              kFirmDataVersion);
    EXPECT_EQ(tool.firm(2)->scalar(QStringLiteral("SELECT Wersja FROM verinf")).toInt(), 11);
    EXPECT_EQ(tool.firm(2)->scalar(QStringLiteral("SELECT COUNT(*) FROM verinf")).toInt(), 1);
}

TEST_F(AdminMaintenance, ExportWritesUnpostedOrdersAndMarksNothing)
{
    auto firm = tool.firm(1);
    firm->exec(QStringLiteral("INSERT INTO F00008ST (ID, NUMERDOK, DATAWYST, NUMER, ZAKSIEGOWANE, "
                              "SYMBOL) VALUES (1, '2026/01/31/PK/0001', '2026-01-31', 1, 'N', "
                              "'PK'), (2, '2026/01/31/PK/0002', '2026-01-31', 2, 'T', 'PK')"));
    firm->exec(QStringLiteral("INSERT INTO F00009ST (ID, IDPK, OPERACJA, KONTOWN, KONTOMA, "
                              "KWOTA) VALUES (1, 1, 'Umorzenie', '401-014', '071-014', 70.83), "
                              "(2, 2, 'Umorzenie', '401-011', '071-011', 1770.83)"));
    firm.reset();

    const ToolResult r = tool.ok({QStringLiteral("/EST"), QStringLiteral("/ST")});
    EXPECT_TRUE(r.out.contains(QStringLiteral("1 poleceń księgowania (1 pozycji)")))
        << r.out.toStdString();
    const QDir folder(tool.root() + QStringLiteral("/EKSPORT"));
    const QStringList files = folder.entryList({QStringLiteral("F00001-PK-*.txt")});
    ASSERT_EQ(files.size(), 1);
    QFile file(folder.filePath(files.first()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("2026/01/31/PK/0001\t31-01-2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("401-014\t071-014\t70.83")));
    EXPECT_FALSE(text.contains(QStringLiteral("PK/0002")));
    EXPECT_EQ(tool.firm(1)
                  ->scalar(QStringLiteral("SELECT ZAKSIEGOWANE FROM F00008ST WHERE ID=1"))
                  .toString(),
              QStringLiteral("N"));
}

TEST_F(AdminMaintenance, ConfigurationSwitchesListWhatIsThere)
{
    const ToolResult firms = tool.ok({QStringLiteral("/F"), QStringLiteral("/ST")});
    EXPECT_TRUE(firms.out.contains(QStringLiteral("1\tFirma Demonstracyjna")));
    EXPECT_TRUE(firms.out.contains(QStringLiteral("firm add")));
    const ToolResult users = tool.ok({QStringLiteral("/UZK")});
    EXPECT_TRUE(users.out.contains(QStringLiteral("ADMIN\tAdministrator\tadministrator: tak")));
}

} // namespace
