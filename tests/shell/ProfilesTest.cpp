#include "shell/Profiles.h"
#include "shell/KstIni.h"
#include "shell/Modules.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(ProfileFile, FoldersPerUserModuleFirmAndYear)
{
    const QString root = vorn::test::FreshDir(QStringLiteral("profiles"));
    struct
    {
        QString name;
        int year, firm;
        QString expected;
    } cases[] = {
        {kProfileBrowsers, -1, -1, "/Profiles/ADMIN/ST/Br.ini"},
        {kProfileFilters, -1, 1, "/Profiles/ADMIN/ST/F00001/Flt.ini"},
        {kProfileDialogs, 2010, 12, "/Profiles/ADMIN/ST/F00012/2010/Dlg.ini"},
    };
    for (const auto& c : cases) {
        const QString file = QDir::fromNativeSeparators(
            ProfileFile(root, QStringLiteral("ADMIN"), ModuleST, c.name, c.year, c.firm));
        EXPECT_EQ(file, root + c.expected);
        EXPECT_TRUE(QFileInfo(file).absoluteDir().exists()) << file.toStdString();
    }
}

TEST(KstIni, ChoiceOfClassificationTable)
{
    const QString root = vorn::test::FreshDir(QStringLiteral("kst"));
    KstIni ini(root, 7);
    EXPECT_EQ(QDir::fromNativeSeparators(ini.fileName()),
              root + QStringLiteral("/DATA/F00007/ST/KST.Ini"));
    EXPECT_EQ(ini.tableName(), QStringLiteral("D00001ST")); // nothing written yet
    EXPECT_EQ(ini.noticeFlag(), QString());
    EXPECT_FALSE(ini.noticeSuppressed());
    ini.setTableChoice(KstIni::kTable2002);
    ini.setNoticeSuppressed(false);
    KstIni again(root, 7);
    EXPECT_EQ(again.tableChoice(), QStringLiteral("Tabela 2002"));
    EXPECT_EQ(again.tableName(), QStringLiteral("D00005ST"));
    EXPECT_EQ(again.noticeFlag(), QStringLiteral("0"));
    again.setNoticeSuppressed(true);
    EXPECT_TRUE(again.noticeSuppressed());
    again.setTableChoice(QStringLiteral("Tabela 1999"));
    EXPECT_EQ(again.tableName(), QStringLiteral("D00001ST"));

    QFile f(ini.fileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[WYBOR_KST]")));
    EXPECT_TRUE(text.contains(QStringLiteral("KomunikatBrak=1")));
}

} // namespace
