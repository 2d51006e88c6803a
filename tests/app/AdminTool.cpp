#include "AdminTool.h"

#include "store/Schema.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace vorn::test {

QString ToolBinary()
{
    const QString buildDir = qEnvironmentVariable("VORN_TEST_BINARY_DIR");
    if (buildDir.isEmpty())
        return QStringLiteral(VORN_ADMIN_BINARY);
    return buildDir + QStringLiteral("/src/app/admin/vornst-admin");
}

AdminTool::AdminTool() : m_dir(FreshDir(QStringLiteral("admin")))
{
    QDir().mkpath(m_dir + QStringLiteral("/lock"));
}

ToolResult AdminTool::run(const QStringList& args, const QByteArray& input) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VORN_REGISTRY_DIR"), m_dir + QStringLiteral("/registry"));
    env.insert(QStringLiteral("VORN_LOCK_DIR"), m_dir + QStringLiteral("/lock"));
    process.setProcessEnvironment(env);
    process.start(ToolBinary(), args);
    if (!process.waitForStarted())
        return {-1, {}, ToolBinary() + QStringLiteral(": ") + process.errorString()};
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ToolResult AdminTool::ok(const QStringList& args, const QByteArray& input) const
{
    ToolResult r = run(args, input);
    EXPECT_EQ(r.exitCode, 0) << args.join(QLatin1Char(' ')).toStdString() << "\n"
                             << r.err.toStdString();
    return r;
}

std::unique_ptr<Database> AdminTool::admin() const
{
    return OpenScope(Scope::Admin, root() + QStringLiteral("/DATA/AD"));
}

std::unique_ptr<Database> AdminTool::global() const
{
    return OpenScope(Scope::Global, GlobalFolder(root()));
}

std::unique_ptr<Database> AdminTool::firm(int number) const
{
    return OpenScope(Scope::Firm, FirmFolder(root(), number));
}

} // namespace vorn::test
