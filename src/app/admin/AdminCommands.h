#pragma once

#include <QDateTime>
#include <QStringList>

namespace vorn {
class ConfigStore;
}

namespace vorn::admin {

// The tool's commands. Every command prints what it did; exit codes: 0 done, 1 refused or
// failed (the Polish reason on stderr), 2 a command line the tool does not understand.
class AdminCommands
{
public:
    AdminCommands(ConfigStore& store, QString executable, QDateTime now)
        : m_store(store), m_executable(std::move(executable)), m_now(std::move(now))
    {
    }

    int run(const QStringList& args);

    static QString Usage();

private:
    int dispatch(const QStringList& args);
    int init(const QStringList& words);
    int firm(const QStringList& words);
    int user(const QStringList& words);
    int group(const QStringList& words);
    int grant(const QStringList& words);
    int kst(const QStringList& words);
    int archive(const QStringList& words);
    int exportOrders(const QStringList& words);
    int upgrade(const QStringList& words);
    // The suite's switches ("/F /ST", "/ARCH", ...).
    int suiteSwitch(const QStringList& args);

    ConfigStore& m_store;
    QString m_executable;
    QDateTime m_now;
};

} // namespace vorn::admin
