#pragma once

#include "shell/AdConnect.h"
#include "shell/ConfigStore.h"
#include "shell/Login.h"
#include "shell/Registry.h"
#include "store/Database.h"
#include "support/ScriptedMessages.h"

#include <deque>
#include <memory>

namespace vorn::test {

// The identification dialog answered from a script; nothing left means Cancel.
struct ScriptedPrompt : LoginPrompt
{
    bool ask(QString* identifier, QString* password) override
    {
        ++shown;
        if (script.empty())
            return false;
        *identifier = script.front().first;
        *password = script.front().second;
        script.pop_front();
        return true;
    }
    void add(const QString& id, const QString& pw) { script.emplace_back(id, pw); }
    std::deque<std::pair<QString, QString>> script;
    int shown = 0;
};

// The firm chooser picking firms by number from a script; nothing left means Cancel.
struct ScriptedPicker : FirmPicker
{
    std::optional<qint64> pick(const QList<FirmListEntry>& firms, bool, const QString&,
                               qint64) override
    {
        shown << firms;
        if (script.empty())
            return std::nullopt;
        const int numer = script.front();
        script.pop_front();
        for (const auto& f : firms)
            if (f.numer == numer)
                return f.id;
        return std::nullopt;
    }
    std::deque<int> script;
    QList<QList<FirmListEntry>> shown;
};

// An installation with the administrator tables and firm folders, in a fresh folder.
class LoginFixture
{
public:
    LoginFixture();

    QString root, base;
    std::unique_ptr<SettingsConfigStore> store;
    ScriptedMessages messages;
    std::unique_ptr<TV2Registry> registry;
    std::unique_ptr<TADConnect> connect;
    ScriptedPrompt prompt;
    ScriptedPicker picker;
    FixedWorkstation workstation{QStringLiteral("STACJA1"), QStringLiteral("10.0.0.1")};
    std::unique_ptr<TV2Login> login;

    Database& ad() { return connect->db(); }
    // A user with the right to run the module (unless rights are given).
    qint64 addUser(const QString& ident, const QString& password, QString rights = {});
    // A firm using the module; with a folder and data of the given version when version > 0.
    qint64 addFirm(int numer, const QString& name, int version = 10);
    void grantFirm(qint64 userId, qint64 firmId, const QString& rights = QStringLiteral("1"));
    // A user without a password working on firm number `numer`, which is his last firm.
    qint64 addUserWithLastFirm(const QString& ident, int numer = 1);
    void setLastFirm(qint64 userId, qint64 firmId);
    void addLoggedIn(const QString& user, const QString& computer, const QString& ip,
                     const QString& netFileDir);
    int loggedInRows(const QString& user);
    // Points this workstation's NetFileDir of ST elsewhere (in the registry read).
    void setOwnNetFileDir(const QString& path);
    int logIn(TV2User& user, TV2Firm& firm);
};

QString RightsWith(std::initializer_list<int> rights);

} // namespace vorn::test
