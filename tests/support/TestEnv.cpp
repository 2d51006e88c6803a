#include "support/TestEnv.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QUuid>
#include <cstdlib>
#include <memory>
#include <vector>

namespace vorn::test {

void PinEnvironment()
{
    qputenv("TZ", "Europe/Warsaw");
    qputenv("LC_ALL", "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    tzset();
    QLocale::setDefault(QLocale::c());
}

QString FreshDir(const QString& name)
{
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    auto dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vorn-") + name +
                                               QStringLiteral("-XXXXXX"));
    const QString path = dir->path();
    dirs.push_back(std::move(dir));
    return path;
}

} // namespace vorn::test
