#pragma once

#include "shell/FiscalYears.h"
#include "shell/LoginInterfaces.h"
#include "shell/SessionState.h"

#include <QStringList>
#include <memory>

namespace vorn {

class AdministratorLauncher;
class ConfigStore;
class Database;
class ProcessStarter;
class SingleInstance;
class TADConnect;
class TV2Login;
class TV2Registry;
class UserMessages;

// Shown while the session opens.
class SplashScreen
{
public:
    virtual ~SplashScreen() = default;
    virtual void show() = 0;
    virtual void close() = 0;
};

// What a session talks to: the user's boxes and the dialogs of the login and year choice.
struct SessionUi
{
    UserMessages& messages;
    LoginPrompt& prompt;
    FirmPicker& picker;
    YearChooser& years;
    SplashScreen* splash = nullptr;
};

struct SessionOptions
{
    // The desktop program holds the workstation's single-instance flag; tools do not.
    bool singleInstance = true;
    // Tools that work on the fiscal years themselves open the firm without choosing one.
    bool chooseYear = true;
};

// The folders a session works with, all without a trailing separator.
struct SessionPaths
{
    QString netFileDir;
    QString rootPath;
    QString helpFile;
    QString privateGlobal; // TempDir/ST/S1
    QString privateFirm;   // TempDir/ST/S2
    QString tempTables;    // TempDir/ST
    QString globalFolder;  // root/Data/ST
    QString firmFolder;    // root/DATA/F<firm>/ST
};

// The program from its first step to its last: the single-instance flag, the registry,
// the administrator connection and login, the dictionaries and the firm's databases, the
// fiscal year; and the shutdown in its fixed order, from the step the start-up reached.
class Session
{
public:
    static inline const QString kInstanceName = QStringLiteral("VornST");

    Session(ConfigStore& config, SessionUi ui, const Workstation& workstation,
            ProcessStarter& starter, SessionOptions options = {});
    ~Session();

    // Start-up up to the message loop; false when the program is to end (Shutdown then).
    bool Start();
    // Runs the shutdown from where the start-up left off (or from its first step after the
    // message loop); each step once.
    void Shutdown();

    bool OpenSession();
    // The year chooser is asked even when the user's last year would do.
    void setPreferChooser(bool prefer) { m_preferChooser = prefer; }
    bool OpenGlobalDatabase();
    bool OpenFirmDatabase();
    // After a change of firm: the new firm's databases, then the fiscal year chosen as asked;
    // false when the firm's data cannot be opened (no year is open then).
    bool OpenFirmAndChooseYear(bool useLast, bool alwaysAsk);

    SessionState& state() { return m_state; }
    const SessionPaths& paths() const { return m_paths; }
    TV2Registry* registry() { return m_registry.get(); }
    TV2Login* login() { return m_login.get(); }
    TADConnect* administrator() { return m_connect.get(); }
    AdministratorLauncher* launcher() { return m_launcher.get(); }
    Database* firmDb() { return m_firmDb.get(); }
    Database* globalDb() { return m_globalDb.get(); }
    FiscalYearService* fiscalYears() { return m_years.get(); }
    // Other users logged in to this firm in this module now.
    bool othersWorkOnFirm();

    // The steps of shutdown that ran, by number, for the record.
    const QList<int>& shutdownSteps() const { return m_shutdownSteps; }

private:
    class LastYearAdapter;

    ConfigStore& m_config;
    SessionUi m_ui;
    const Workstation& m_workstation;
    ProcessStarter& m_starter;
    SessionOptions m_options;
    bool m_preferChooser = false;
    int m_shutdownFrom = 1;
    bool m_shutDown = false;
    QList<int> m_shutdownSteps;
    SessionState m_state;
    SessionPaths m_paths;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<TV2Registry> m_registry;
    std::unique_ptr<TADConnect> m_connect;
    std::unique_ptr<AdministratorLauncher> m_launcher;
    std::unique_ptr<TV2Login> m_login;
    std::unique_ptr<Database> m_globalDb;
    std::unique_ptr<Database> m_firmDb;
    std::unique_ptr<LastYearAdapter> m_lastYear;
    std::unique_ptr<FiscalYearService> m_years;
};

} // namespace vorn
