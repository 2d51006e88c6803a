#include "shell/LoginSupport.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

TEST(DeleteLockFiles, OnlyLockAndControlFilesGo)
{
    const QString dir = vorn::test::FreshDir(QStringLiteral("lockfiles"));
    for (const char* name :
         {"/PDOXUSRS.NET", "/a.lck", "/firm.sqlite", "/sub/b.LCK", "/sub/keep.txt"})
        touch(dir + QLatin1String(name));
    DeleteLockFiles(dir, false);
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/PDOXUSRS.NET")));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/a.lck")));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/firm.sqlite")));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/sub/b.LCK"))); // not recursive
    DeleteLockFiles(dir, true);
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/sub/b.LCK")));
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/sub/keep.txt")));
}

TEST(ResetPrivateFolder, EmptiesButKeepsFolders)
{
    const QString dir = vorn::test::FreshDir(QStringLiteral("private")) + QStringLiteral("/ST/S1");
    EXPECT_TRUE(ResetPrivateFolder(dir)); // created with its parents
    touch(dir + QStringLiteral("/x.tmp"));
    touch(dir + QStringLiteral("/deeper/y.tmp"));
    QFile(dir + QStringLiteral("/x.tmp")).setPermissions(QFileDevice::ReadOwner);
    EXPECT_TRUE(ResetPrivateFolder(dir));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/x.tmp")));
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/deeper/y.tmp")));
    EXPECT_TRUE(QDir(dir + QStringLiteral("/deeper")).exists());
    EXPECT_FALSE(ResetPrivateFolder(QString()));
}

TEST(LoginSupport, UncPathsAndTemporaryTableNames)
{
    EXPECT_TRUE(IsUncPath(QStringLiteral("\\\\SERWER\\VORN")));
    EXPECT_FALSE(IsUncPath(QStringLiteral("N:\\VORN")));
    EXPECT_FALSE(IsUncPath(QStringLiteral("\\VORN")));
    const QRegularExpression form(QStringLiteral("^~REJ\\d{6}$"));
    for (int i = 0; i < 50; ++i) {
        const QString name = TempTableName(QStringLiteral("REJ"));
        ASSERT_TRUE(form.match(name).hasMatch()) << name.toStdString();
        EXPECT_LE(name.mid(4).toInt(), 998998);
    }
}

} // namespace
