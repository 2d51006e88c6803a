#pragma once

#include "shell/LoginInterfaces.h"
#include "shell/UserAndFirm.h"

#include <QDateTime>
#include <functional>

namespace vorn {

class AdministratorLauncher;
class Database;
class TADConnect;
class TV2Registry;
class UserMessages;

// Results of LogIn: only kLoginOk lets the program go on.
enum LoginResult
{
    kLoginOk = 1,
    kLoginCancelled = 0,
    kLoginNoFirm = 2,
    kLoginRegistryFault = -1,
    kLoginNoAccess = -2,
    kLoginTooManyAttempts = -4,
    kLoginWrongPassword = -5,
    kLoginNoModuleRight = -6,
    kLoginUnknownUser = -7,
    kLoginUserReadFailed = -8,
    kLoginAlreadyLoggedIn = -9,
    kLoginFirmChoiceFailed = -12,
    kLoginRegistrationFailed = -13,
    kLoginHandedOver = -16,
    kLoginModuleLocked = -17
};

// Logging in and out against the Administrator module's tables: who the user is, whether he
// may run the module, the registration that keeps him from working twice, the choice of a
// firm among those he may work on, and the check of the firm's data version.
class TV2Login
{
public:
    TV2Login(TV2Registry& registry, TADConnect& connect, UserMessages& messages,
             LoginPrompt& prompt, FirmPicker& picker, const Workstation& workstation,
             AdministratorLauncher* launcher = nullptr);

    int LogIn(int module, TV2User& user, bool offerAdministrator, bool checkVersion,
              bool ignoreLastFirm, bool onlyPermittedFirms, TV2Firm& firm);
    // True when the user asked to archive and the caller is to start the administrator
    // (only when startAdministrator is off).
    bool LogOut(int module, const TV2User& user, bool startAdministrator, bool remindArchive,
                const TV2Firm& firm);
    bool ChangeUser(int module, TV2User& user, TV2Firm& firm);
    bool ChangeFirm(int module, TV2User& user, bool checkVersion, bool onlyPermittedFirms,
                    TV2Firm& firm);

    int LastYear(int module, qint64 userId);
    bool SaveLastYear(int module, qint64 userId, int year);

    // Days between archivings before the reminder; 0 turns it off. Set to 7 by every login.
    void setArchiveReminderDays(int days) { m_reminderDays = days; }
    int archiveReminderDays() const { return m_reminderDays; }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    enum class Registration
    {
        Done,
        AlreadyLoggedIn,
        Refused,
        TableError
    };
    enum class FirmOutcome
    {
        Chosen,
        Cancelled,
        Refused,
        Error,
        HandOver
    };
    struct FirmChoice
    {
        FirmOutcome outcome = FirmOutcome::Error;
        TV2Firm firm;
        QString handOverSwitch;
    };

    Database& ad();
    Registration registerLogin(int module, const TV2User& user);
    FirmChoice chooseFirmAtLogin(int module, TV2User& user, bool ignoreLastFirm, bool onlyPermitted,
                                 bool offerAdministrator);
    FirmChoice firmDialog(int module, const TV2User& user, bool onlyPermitted,
                          bool offerAdministrator, qint64 currentFirm);
    // Takes the firm when the user may work on it; else asks whether to choose another.
    FirmOutcome acceptFirm(int module, TV2User& user, const TV2Firm& firm, bool* askAgain);
    void storeLastFirm(int module, qint64 userId, qint64 firmId);
    int checkDataVersion(int module, const TV2Firm& firm, bool atLogin);
    void storeFirmInRegistration(int module, const TV2User& user, int firmNumber);
    QString firmFolder(int module, const TV2Firm& firm) const;
    QDateTime now() const { return m_clock ? m_clock() : QDateTime::currentDateTime(); }

    TV2Registry& m_registry;
    TADConnect& m_connect;
    UserMessages& m_messages;
    LoginPrompt& m_prompt;
    FirmPicker& m_picker;
    const Workstation& m_workstation;
    AdministratorLauncher* m_launcher;
    int m_reminderDays = 7;
    std::function<QDateTime()> m_clock;
};

// The version of a firm's data this program works with.
int ProgramDataVersion();

} // namespace vorn
