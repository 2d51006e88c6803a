#include "shell/Login.h"

#include "common/Errors.h"
#include "common/Messages.h"
#include "common/Paths.h"
#include "shell/AdConnect.h"
#include "shell/AdministratorLauncher.h"
#include "shell/LoginSupport.h"
#include "shell/PasswordHash.h"
#include "shell/Registry.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Scope.h"

#include <QFileInfo>
#include <cmath>

namespace vorn {

namespace {

const QString kModuleTitle = QStringLiteral("Środki Trwałe");
constexpr int kMaxAttempts = 3;

QString noFirmRightsQuestion(const TV2Firm& firm)
{
    return QStringLiteral("Brak uprawnień do operowania na danych firmy:\r\n\"%1\".\r\n\r\nCzy "
                          "chcesz wybrać inną firmę?")
        .arg(firm.NazwaPelna);
}

// Twenty "_" with "1" at the module's place: firms that use the module.
QString moduleMask(int module)
{
    QString mask(20, QLatin1Char('_'));
    if (module >= 1 && module <= 20)
        mask[module - 1] = QLatin1Char('1');
    return mask;
}

} // namespace

int ProgramDataVersion()
{
    return kFirmDataVersion;
}

TV2Login::TV2Login(TV2Registry& registry, TADConnect& connect, UserMessages& messages,
                   LoginPrompt& prompt, FirmPicker& picker, const Workstation& workstation,
                   AdministratorLauncher* launcher)
    : m_registry(registry), m_connect(connect), m_messages(messages), m_prompt(prompt),
      m_picker(picker), m_workstation(workstation), m_launcher(launcher)
{
}

Database& TV2Login::ad()
{
    return m_connect.db();
}

QString TV2Login::firmFolder(int module, const TV2Firm& firm) const
{
    return FirmFolder(m_registry.Path(module, pkRootPath), firm.Numer);
}

int TV2Login::LogIn(int module, TV2User& user, bool offerAdministrator, bool checkVersion,
                    bool ignoreLastFirm, bool onlyPermittedFirms, TV2Firm& firm)
{
    m_reminderDays = 7;
    const QString code = ModuleCode(module);
    const QString dataPath = m_registry.Path(module, pkDataPath);
    if (dataPath.isEmpty()) {
        m_messages.error(QStringLiteral("Problem z rejestrem systemu dla modułu %1.\r\nSkontaktuj "
                                        "się z administratorem.")
                             .arg(code),
                         QStringLiteral("AD_0001"));
        return kLoginRegistryFault;
    }
    DeleteLockFiles(dataPath, true);
    DeleteLockFiles(m_registry.Path(module, pkNetFileDir), false);

    QList<Row> users;
    try {
        const auto holder =
            ad().firstRow(QStringLiteral("select U.USERNAME from D00011AD U "
                                         "where (U.MODUL=:MODULE) and (U.LOCKMODUL=1)"),
                          {{QStringLiteral("MODULE"), code}});
        if (holder) {
            m_messages.error(
                QStringLiteral(
                    "W chwili obecnej uruchomienie programu \"%1\" nie jest możliwe.\r\n"
                    "Użytkownik \"%2\" wykonuje operacje, które wymagają wyłączności\r\n"
                    "dostępu do danych modułu.\r\n\r\nSpróbuj uruchomić program za chwilę "
                    "lub skontaktuj się z użytkownikiem blokującym\r\ndostęp do programu.")
                    .arg(kModuleTitle, holder->str(QStringLiteral("USERNAME"))),
                QStringLiteral("AD_0014"));
            return kLoginModuleLocked;
        }
        users =
            ad().rows(QStringLiteral("SELECT ID, IDENTYFIKATOR, HASLO FROM D00013AD ORDER BY ID"));
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages, QStringLiteral("AD_0015"), kAdNoAccess + QLatin1Char('.'),
                         e.message());
        return kLoginNoAccess;
    }

    // A lone user without a password is let in without the dialog.
    const bool withDialog =
        !(users.size() == 1 &&
          VerifyPassword(users.first().str(QStringLiteral("HASLO")), QString()).matches);
    int attempts = 0;
    // After a failed attempt: asks whether to try again; nothing when the user wants to.
    auto retry = [&](const QString& question, int refusal) -> std::optional<int> {
        if (!m_messages.question(question))
            return refusal;
        if (attempts >= kMaxAttempts) {
            m_messages.error(
                QStringLiteral("Przekroczono dopuszczalną liczbę prób wejścia do programu."),
                QStringLiteral("AD_0132"));
            return kLoginTooManyAttempts;
        }
        return std::nullopt;
    };

    for (;;) {
        qint64 userId = 0;
        if (!withDialog) {
            userId = users.first().integer(QStringLiteral("ID"));
        } else {
            QString identifier, password;
            if (!m_prompt.ask(&identifier, &password))
                return kLoginCancelled;
            ++attempts;
            identifier = identifier.trimmed().toUpper();
            std::optional<Row> found;
            try {
                found = ad().firstRow(QStringLiteral("SELECT ID, HASLO FROM D00013AD WHERE "
                                                     "UPPER(TRIM(IDENTYFIKATOR)) = :ident"),
                                      {{QStringLiteral("ident"), identifier}});
            } catch (const VornError& e) {
                ShowCodedFailure(m_messages, QStringLiteral("AD_0003"), kAdNoAccess, e.message());
                return kLoginNoAccess;
            }
            if (!found) {
                if (auto r = retry(QStringLiteral("Nie znaleziono użytkownika o identyfikatorze "
                                                  "\"%1\".\r\nCzy chcesz ponowić próbę logowania?")
                                       .arg(identifier),
                                   kLoginUnknownUser))
                    return *r;
                continue;
            }
            const auto check =
                VerifyPassword(found->str(QStringLiteral("HASLO")), password.trimmed());
            if (!check.matches) {
                if (auto r = retry(QStringLiteral("Podane hasło jest nieprawidłowe.\r\nCzy chcesz "
                                                  "ponowić próbę logowania?"),
                                   kLoginWrongPassword))
                    return *r;
                continue;
            }
            userId = found->integer(QStringLiteral("ID"));
            if (check.needsRehash) {
                try {
                    ad().exec(QStringLiteral("UPDATE D00013AD SET HASLO = :h WHERE ID = :id"),
                              {{QStringLiteral("h"), HashPassword(password.trimmed())},
                               {QStringLiteral("id"), userId}});
                } catch (const VornError&) {
                    // The plain value stays; the next login tries again.
                }
            }
        }

        TV2User candidate;
        try {
            candidate = LoadUser(ad(), userId, module);
        } catch (const VornError& e) {
            if (!withDialog) {
                m_messages.error(
                    QStringLiteral("Wystąpił błąd w czasie odczytu informacji o jedynym "
                                   "użytkowniku systemu.\r\nProgram nie może być "
                                   "uruchomiony."),
                    QStringLiteral("AD_0017"));
                return kLoginUserReadFailed;
            }
            ShowCodedFailure(m_messages, e.code().isEmpty() ? QStringLiteral("AD_0005") : e.code(),
                             QStringLiteral("Błąd przy próbie odczytu uprawnień użytkownika."),
                             e.message());
            if (auto r =
                    retry(QStringLiteral("Podczas próby odczytu informacji o użytkowniku "
                                         "wystąpiły błędy.\r\nCzy chcesz ponowić próbę logowania?"),
                          kLoginUserReadFailed))
                return *r;
            continue;
        }

        if (!candidate.HasModuleRight(kRightRunModule)) {
            const QString text =
                QStringLiteral("Użytkownik o identyfikatorze \"%1\" nie ma uprawnień\r\ndo "
                               "uruchamiania programu VORN 2000 - %2.\r\n\r\n")
                    .arg(candidate.Identyfikator, code);
            if (!withDialog) {
                m_messages.error(text.trimmed());
                return kLoginNoModuleRight;
            }
            if (auto r = retry(text + QStringLiteral("Czy chcesz ponowić próbę logowania?"),
                               kLoginNoModuleRight))
                return *r;
            continue;
        }

        switch (registerLogin(module, candidate)) {
        case Registration::Done:
            break;
        case Registration::AlreadyLoggedIn:
            if (!withDialog) {
                m_messages.information(QStringLiteral("Użytkownik \"%1\" jest już zalogowany.")
                                           .arg(candidate.Identyfikator));
                return kLoginAlreadyLoggedIn;
            }
            if (auto r =
                    retry(QStringLiteral("Użytkownik \"%1\" jest już zalogowany.\r\nCzy chcesz "
                                         "zalogować się do programu jako inny użytkownik?")
                              .arg(candidate.Identyfikator),
                          kLoginAlreadyLoggedIn))
                return *r;
            continue;
        case Registration::Refused:
            return kLoginRegistryFault;
        case Registration::TableError:
            return kLoginRegistrationFailed;
        }

        FirmChoice choice = chooseFirmAtLogin(module, candidate, ignoreLastFirm, onlyPermittedFirms,
                                              offerAdministrator);
        switch (choice.outcome) {
        case FirmOutcome::Chosen:
            break;
        case FirmOutcome::Cancelled:
            LogOut(module, candidate, false, false, {});
            return kLoginCancelled;
        case FirmOutcome::Refused:
            LogOut(module, candidate, false, false, {});
            return kLoginNoFirm;
        case FirmOutcome::HandOver:
            LogOut(module, candidate, false, false, {});
            if (m_launcher)
                m_launcher->StartAdministrator(choice.handOverSwitch, {}, false);
            return kLoginHandedOver;
        case FirmOutcome::Error:
            LogOut(module, candidate, false, false, {});
            if (!withDialog) {
                m_messages.error(QStringLiteral("Wystąpił błąd podczas próby wyboru firmy."));
                return kLoginFirmChoiceFailed;
            }
            if (auto r =
                    retry(QStringLiteral("Wystąpił błąd podczas próby wyboru firmy.\r\nCzy chcesz "
                                         "ponowić próbę logowania?"),
                          kLoginFirmChoiceFailed))
                return *r;
            continue;
        }

        if (checkVersion) {
            const int version = checkDataVersion(module, choice.firm, true);
            if (version != kLoginOk) {
                // The registration written above must not outlive the failed login.
                LogOut(module, candidate, false, false, {});
                return version;
            }
        }
        user = candidate;
        firm = choice.firm;
        storeFirmInRegistration(module, user, firm.Numer);
        return kLoginOk;
    }
}

TV2Login::Registration TV2Login::registerLogin(int module, const TV2User& user)
{
    const QString code = ModuleCode(module);
    QList<Row> rows;
    try {
        rows =
            ad().rows(QStringLiteral("SELECT USERNAME, COMPUTERNAME, IP, NETFILEDIR FROM D00011AD "
                                     "WHERE MODUL = :modul ORDER BY LOGINTIME, USERNAME"),
                      {{QStringLiteral("modul"), code}});
    } catch (const VornError&) {
        m_messages.error(
            QStringLiteral("Błąd dostępu do baz danych.\r\nProgram zostanie zamknięty."),
            QStringLiteral("AD_0023"));
        return Registration::TableError;
    }
    const QString computer = m_workstation.computerName();
    const QString ip = m_workstation.ipAddress();
    bool loggedIn = false;
    for (int i = 0; i < rows.size(); ++i) {
        const Row& row = rows.at(i);
        if (row.str(QStringLiteral("USERNAME")).trimmed().toUpper() != user.Identyfikator.toUpper())
            continue;
        const bool sameStation = !computer.isEmpty() &&
                                 computer == row.str(QStringLiteral("COMPUTERNAME")) &&
                                 ip == row.str(QStringLiteral("IP"));
        if (!sameStation) {
            loggedIn = true;
            break;
        }
        // Left over from an earlier run of this user on this workstation.
        try {
            ad().exec(
                QStringLiteral("DELETE FROM D00011AD WHERE MODUL = :modul AND USERNAME = :user"),
                {{QStringLiteral("modul"), code},
                 {QStringLiteral("user"), row.str(QStringLiteral("USERNAME"))}});
        } catch (const VornError&) {
            m_messages.error(QStringLiteral("Błąd dostępu do baz danych.\r\nProgram zostanie "
                                            "zamknięty."),
                             QStringLiteral("AD_0023"));
            return Registration::TableError;
        }
        rows.removeAt(i);
        break;
    }

    QString otherUser, otherPath;
    for (const Row& row : rows) {
        if (!row.str(QStringLiteral("NETFILEDIR")).isEmpty()) {
            otherUser = row.str(QStringLiteral("USERNAME"));
            otherPath = row.str(QStringLiteral("NETFILEDIR"));
            break;
        }
    }
    const QString ownPath = m_registry.Path(module, pkNetFileDir);
    // Only a path another workstation really uses can disagree with ours.
    if (!loggedIn && !rows.isEmpty() && !otherPath.isEmpty() &&
        ownPath.toUpper() != otherPath.toUpper()) {
        const QString mismatch =
            QStringLiteral(
                "Wykryto brak zgodności wpisów rejestrowych \"NetFileDir\" dla modułu %1\r\n"
                "pomiędzy tym stanowiskiem a stanowiskiem użytkownika \"%2\"\r\n"
                "pracującego już na danych modułu.\r\n• \"NetFileDir\" lokalny: %3\r\n"
                "• \"NetFileDir\" innego użytkownika: %4\r\nAby uruchomić program, wpisy "
                "na wszystkich stanowiskach muszą być jednakowe.\r\n\r\n")
                .arg(code, otherUser, ownPath, otherPath);
        if (IsUncPath(ownPath) && !IsUncPath(otherPath)) {
            m_messages.error(
                mismatch + QStringLiteral(
                               "Zachodzi podejrzenie, że wpis \"NetFileDir\" na stanowisku "
                               "użytkownika \"%1\"\r\njest nieprawidłowy. Należy zaczekać, aż "
                               "użytkownik ten zakończy pracę w programie,\r\npo czym uruchomić "
                               "moduł \"Administrator\" na wszystkich stanowiskach, na których\r\n"
                               "zainstalowany jest program VORN 2000 %2 i sprawdzić poprawność "
                               "wpisów rejestrowych.")
                               .arg(otherUser, code),
                QStringLiteral("AD_0021"));
            return Registration::Refused;
        }
        if (!m_messages.question(mismatch +
                                     QStringLiteral("Czy chcesz przejąć ustawienia rejestrowe "
                                                    "innego użytkownika i uruchomić program?"),
                                 DefaultAnswer::No, QuestionIcon::Exclamation))
            return Registration::Refused;
        m_registry.SetPath(module, pkNetFileDir, otherPath);
        m_registry.WriteModule(module);
    }
    if (loggedIn)
        return Registration::AlreadyLoggedIn;
    try {
        ad().exec(
            QStringLiteral("INSERT INTO D00011AD (MODUL, USERNAME, LOGINTIME, COMPUTERNAME, IP, "
                           "NETFILEDIR, LOCKMODUL) VALUES (:modul, :user, :czas, :komputer, :ip, "
                           ":net, 0)"),
            {{QStringLiteral("modul"), code},
             {QStringLiteral("user"), user.Identyfikator},
             {QStringLiteral("czas"), now()},
             {QStringLiteral("komputer"), computer},
             {QStringLiteral("ip"), ip},
             {QStringLiteral("net"), m_registry.Path(module, pkNetFileDir)}});
    } catch (const VornError&) {
        m_messages.error(
            QStringLiteral("Błąd dostępu do baz danych.\r\nProgram zostanie zamknięty."),
            QStringLiteral("AD_0023"));
        return Registration::TableError;
    }
    return Registration::Done;
}

void TV2Login::storeFirmInRegistration(int module, const TV2User& user, int firmNumber)
{
    try {
        ad().exec(QStringLiteral("UPDATE D00011AD SET FIRM = :firm WHERE MODUL = :modul AND "
                                 "USERNAME = :user"),
                  {{QStringLiteral("firm"), firmNumber},
                   {QStringLiteral("modul"), ModuleCode(module)},
                   {QStringLiteral("user"), user.Identyfikator}});
    } catch (const VornError&) {
        // Only informative: who works on which firm.
    }
}

TV2Login::FirmOutcome TV2Login::acceptFirm(int module, TV2User& user, const TV2Firm& firm,
                                           bool* askAgain)
{
    *askAgain = false;
    LoadFirmRights(ad(), user, module, firm.ID);
    if (user.MayWorkOnFirm) {
        DeleteLockFiles(firmFolder(module, firm), true);
        return FirmOutcome::Chosen;
    }
    if (!m_messages.question(noFirmRightsQuestion(firm)))
        return FirmOutcome::Refused;
    *askAgain = true;
    return FirmOutcome::Refused;
}

TV2Login::FirmChoice TV2Login::chooseFirmAtLogin(int module, TV2User& user, bool ignoreLastFirm,
                                                 bool onlyPermitted, bool offerAdministrator)
{
    std::optional<Row> last;
    try {
        last =
            ad().firstRow(QStringLiteral("SELECT LASTFIRMAID FROM D00012AD WHERE MODULID = :modul "
                                         "AND UZYTKOWNIKID = :user"),
                          {{QStringLiteral("modul"), module}, {QStringLiteral("user"), user.ID}});
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages, QStringLiteral("AD_0020"), kAdNoAccess + QLatin1Char('.'),
                         e.message());
        return {};
    }
    try {
        if (!ignoreLastFirm && last && !last->isNull(QStringLiteral("LASTFIRMAID"))) {
            std::optional<TV2Firm> firm;
            try {
                firm = LoadFirm(ad(), last->integer(QStringLiteral("LASTFIRMAID")));
            } catch (const VornError&) {
                firm.reset();
            }
            if (firm && QFileInfo(firmFolder(module, *firm)).isDir()) {
                LoadFirmRights(ad(), user, module, firm->ID);
                if (user.MayWorkOnFirm) {
                    DeleteLockFiles(firmFolder(module, *firm), true);
                    return {FirmOutcome::Chosen, *firm, {}};
                }
                ad().exec(QStringLiteral("DELETE FROM D00012AD WHERE MODULID = :modul AND "
                                         "UZYTKOWNIKID = :user"),
                          {{QStringLiteral("modul"), module}, {QStringLiteral("user"), user.ID}});
                if (!m_messages.question(noFirmRightsQuestion(*firm)))
                    return {FirmOutcome::Refused, {}, {}};
            }
        }
        for (;;) {
            FirmChoice choice = firmDialog(module, user, onlyPermitted, offerAdministrator, 0);
            if (choice.outcome != FirmOutcome::Chosen)
                return choice;
            bool askAgain = false;
            const FirmOutcome outcome = acceptFirm(module, user, choice.firm, &askAgain);
            if (outcome == FirmOutcome::Chosen) {
                storeLastFirm(module, user.ID, choice.firm.ID);
                return choice;
            }
            if (!askAgain)
                return {outcome, {}, {}};
        }
    } catch (const VornError&) {
        return {};
    }
}

TV2Login::FirmChoice TV2Login::firmDialog(int module, const TV2User& user, bool onlyPermitted,
                                          bool offerAdministrator, qint64 currentFirm)
{
    const QString code = ModuleCode(module);
    const QString adminQuestion =
        QStringLiteral("\r\n\r\nCzy chcesz uruchomić moduł \"Administrator\" w celu\r\n");
    // No firm to offer: an error, or the offer to define firms or rights.
    auto nothingToChoose = [&](const QString& text, const QString& errorCode,
                               const QString& purpose, const QString& handOver) -> FirmChoice {
        if (!offerAdministrator) {
            m_messages.error(text, errorCode);
            return {};
        }
        if (m_messages.question(text + adminQuestion + purpose))
            return {FirmOutcome::HandOver, {}, handOver};
        return {FirmOutcome::Refused, {}, {}};
    };

    QList<FirmListEntry> entries;
    try {
        const auto all =
            ad().rows(QStringLiteral("SELECT F.ID, F.NAZWAPELNA, F.NAZWASKROCONA, F.NUMER "
                                     "FROM D00002AD F WHERE (F.MODULY LIKE :MASKA) "
                                     "ORDER BY F.NAZWAPELNA"),
                      {{QStringLiteral("MASKA"), moduleMask(module)}});
        if (all.isEmpty())
            return nothingToChoose(
                QStringLiteral("Nie znaleziono firm dostępnych w modułe %1.").arg(code),
                onlyPermitted ? QStringLiteral("AD_0084") : QStringLiteral("AD_0082"),
                QStringLiteral("modyfikacji struktury firm w systemie?"), QStringLiteral("/FIRM"));
        QList<Row> listed = all;
        if (onlyPermitted) {
            try {
                listed = ad().rows(
                    QStringLiteral(
                        "SELECT DISTINCT ID, NAZWASKROCONA, NAZWAPELNA, NUMER FROM D00002AD "
                        "WHERE ID IN (SELECT FIRMAID FROM D00003AD G, D00006AD R WHERE "
                        "(G.modulid=:MODUL) and (G.grupaid=R.grupaid) and (R.uzytkid=:USER)) "
                        "OR (ID IN (SELECT firmaid FROM D00008AD WHERE (modulid=:MODUL) and "
                        "(uzytkownikid=:USER))) ORDER BY NAZWAPELNA"),
                    {{QStringLiteral("MODUL"), module}, {QStringLiteral("USER"), user.ID}});
            } catch (const VornError& e) {
                ShowCodedFailure(m_messages, QStringLiteral("AD_0086"), kAdNoAccess, e.message());
                return {};
            }
            if (listed.isEmpty())
                return nothingToChoose(
                    QStringLiteral("Nie znaleziono firm w module %1, do których bieżący\r\n"
                                   "użytkownik ma nadane prawo dostępu.")
                        .arg(code),
                    QStringLiteral("AD_0087"), QStringLiteral("nadania uprawnień?"),
                    QStringLiteral("/UZK"));
        }
        for (const Row& r : listed)
            entries.append({r.integer(QStringLiteral("ID")), r.str(QStringLiteral("NAZWAPELNA")),
                            r.str(QStringLiteral("NAZWASKROCONA")),
                            int(r.integer(QStringLiteral("NUMER")))});
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages,
                         onlyPermitted ? QStringLiteral("AD_0085") : QStringLiteral("AD_0081"),
                         kAdNoAccess, e.message());
        return {};
    }

    const auto picked = m_picker.pick(entries, onlyPermitted, code, currentFirm);
    if (!picked)
        return {FirmOutcome::Cancelled, {}, {}};
    std::optional<TV2Firm> firm;
    try {
        firm = LoadFirm(ad(), *picked);
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages, QStringLiteral("AD_0030"), kAdNoAccess, e.message());
        return {};
    }
    if (!firm) {
        const QString text = QStringLiteral("Błąd podczas próby odczytu danych wskazanej firmy.");
        if (!offerAdministrator) {
            m_messages.error(text,
                             onlyPermitted ? QStringLiteral("AD_0088") : QStringLiteral("AD_0083"));
            return {};
        }
        if (m_messages.question(text + adminQuestion +
                                QStringLiteral("wykonania aktualizacji baz danych?")))
            return {FirmOutcome::HandOver, {}, QStringLiteral("/UPGR_AD")};
        return {};
    }
    return {FirmOutcome::Chosen, *firm, {}};
}

void TV2Login::storeLastFirm(int module, qint64 userId, qint64 firmId)
{
    try {
        const QVariantMap params{{QStringLiteral("modul"), module},
                                 {QStringLiteral("user"), userId},
                                 {QStringLiteral("firm"), firmId}};
        const QVariant exists =
            ad().scalar(QStringLiteral("SELECT COUNT(*) FROM D00012AD WHERE "
                                       "MODULID = :modul AND UZYTKOWNIKID = :user"),
                        {{QStringLiteral("modul"), module}, {QStringLiteral("user"), userId}});
        if (exists.toInt() > 0)
            ad().exec(
                QStringLiteral("UPDATE D00012AD SET LASTFIRMAID = :firm WHERE MODULID = :modul "
                               "AND UZYTKOWNIKID = :user"),
                params);
        else
            ad().exec(
                QStringLiteral("INSERT INTO D00012AD (MODULID, UZYTKOWNIKID, LASTFIRMAID, LASTROK) "
                               "VALUES (:modul, :user, :firm, -1)"),
                params);
    } catch (const VornError&) {
        // The last firm is a convenience; the login goes on without it.
    }
}

int TV2Login::checkDataVersion(int module, const TV2Firm& firm, bool atLogin)
{
    const int version = FirmDataVersion(firmFolder(module, firm));
    const QString readError =
        QStringLiteral("Wystąpił błąd podczas odczytu wersji bazy danych modułu %1.")
            .arg(ModuleCode(module));
    if (version == -1) {
        if (atLogin) {
            m_messages.error(readError + QStringLiteral("\r\n") +
                                 QStringLiteral("Program zostanie zamknięty. Proszę sprawdzić "
                                                "konfigurację systemu Vorn 2000."),
                             QStringLiteral("AD_0029"));
            return -1;
        }
        m_messages.warning(readError);
        return kLoginOk;
    }
    if (version > ProgramDataVersion())
        m_messages.warning(
            QStringLiteral("UWAGA!\r\nOtwierana baza danych jest w wersji nowszej niż "
                           "wymagana przez program.\r\nPo uruchomieniu programu niektóre "
                           "funkcje mogą nie działać poprawnie.\r\n\r\nAby rozwiązać ten "
                           "problem, należy zainstalować nowszą wersję programu."));
    else if (version < ProgramDataVersion())
        m_messages.warning(
            QStringLiteral("UWAGA!\r\nOtwierana baza danych jest w wersji starszej niż "
                           "wymagana przez program.\r\nPo uruchomieniu programu niektóre "
                           "funkcje mogą nie działać poprawnie.\r\n\r\nAby rozwiązać ten "
                           "problem, należy uruchomić program \"Administrator\"\r\nw celu "
                           "wykonania aktualizacji baz danych."));
    return kLoginOk;
}

bool TV2Login::LogOut(int module, const TV2User& user, bool startAdministrator, bool remindArchive,
                      const TV2Firm& firm)
{
    const QString code = ModuleCode(module);
    try {
        if (user.isSet())
            ad().exec(
                QStringLiteral("DELETE FROM D00011AD WHERE MODUL = :modul AND USERNAME = :user"),
                {{QStringLiteral("modul"), code}, {QStringLiteral("user"), user.Identyfikator}});
    } catch (const VornError&) {
        // A row that cannot be removed is cleared by the user's next login here.
    }
    if (m_reminderDays <= 0 || !remindArchive || !user.isSet() || !firm.isSet())
        return false;
    if (m_registry.Path(ModuleAD, pkRootPath).isEmpty()) {
        m_messages.error(
            QStringLiteral("Problem z rejestrem systemu dla modułu %1.\r\nSkontaktuj się "
                           "z administratorem.")
                .arg(ModuleCode(ModuleAD)),
            QStringLiteral("AD_0002"));
        return false;
    }
    QString question;
    try {
        const auto row = ad().firstRow(
            QStringLiteral("SELECT ARCHDATE FROM D00001AD WHERE MODULID = "
                           ":modul AND NUMER = :numer"),
            {{QStringLiteral("modul"), module}, {QStringLiteral("numer"), firm.Numer}});
        const QString tail =
            QStringLiteral("\r\n\r\nCzy chcesz po zakończeniu programu uruchomić moduł "
                           "\"Administrator\"\r\naby dokonać archiwizacji danych?");
        QDateTime reference;
        if (row && !row->isNull(QStringLiteral("ARCHDATE"))) {
            reference = row->value(QStringLiteral("ARCHDATE")).toDateTime();
        } else {
            // Never archived: counted from the date the module came into use, which the
            // administrator tool keeps as the module's row for firm number 0.
            const auto start = ad().firstRow(QStringLiteral("SELECT ARCHDATE FROM D00001AD WHERE "
                                                            "MODULID = :modul AND NUMER = 0"),
                                             {{QStringLiteral("modul"), module}});
            if (start && !start->isNull(QStringLiteral("ARCHDATE")))
                reference = start->value(QStringLiteral("ARCHDATE")).toDateTime();
        }
        if (!reference.isValid())
            return false;
        const int days = int(std::llround(double(reference.secsTo(now())) / 86400.0));
        if (days < m_reminderDays)
            return false;
        if (row && !row->isNull(QStringLiteral("ARCHDATE")))
            question =
                QStringLiteral("UWAGA !!!\r\nDane firmy \"%1\" w module %2 były po raz ostatni "
                               "archiwizowane\r\nponad %3 dni temu.")
                    .arg(firm.NazwaSkrocona, code)
                    .arg(days) +
                tail;
        else
            question = QStringLiteral("UWAGA !!!\r\nDane firmy \"%1\" w module %2 nie były jeszcze "
                                      "archiwizowane.")
                           .arg(firm.NazwaSkrocona, code) +
                       tail;
    } catch (const VornError&) {
        return false;
    }
    if (!m_messages.captionedQuestion(QStringLiteral("Przypomnienie"), question))
        return false;
    if (startAdministrator) {
        if (m_launcher)
            m_launcher->StartAdministrator(QStringLiteral("/ARCH"), {}, false);
        return false;
    }
    return true;
}

bool TV2Login::ChangeUser(int module, TV2User& user, TV2Firm& firm)
{
    const TV2User previousUser = user;
    const TV2Firm previousFirm = firm;
    LogOut(module, user, false, false, firm);
    TV2User newUser;
    TV2Firm newFirm;
    const int result = LogIn(module, newUser, false, true, false, true, newFirm);
    if (result == kLoginOk) {
        user = newUser;
        firm = newFirm;
        return true;
    }
    if (result != kLoginCancelled)
        m_messages.information(
            QStringLiteral("Próba zmiany aktywnego użytkownika nie powiodła się.\r\n"
                           "Nastąpi przywrócenie poprzedniego użytkownika."));
    user = previousUser;
    firm = previousFirm;
    if (registerLogin(module, user) == Registration::Done)
        storeFirmInRegistration(module, user, firm.Numer);
    return false;
}

bool TV2Login::ChangeFirm(int module, TV2User& user, bool checkVersion, bool onlyPermittedFirms,
                          TV2Firm& firm)
{
    const TV2User previousUser = user;
    auto fail = [&] {
        m_messages.information(
            QStringLiteral("Próba zmiany firmy nie powiodła się.\r\nNastąpi powrót "
                           "do poprzednio wybranej firmy."));
        user = previousUser;
        return false;
    };
    try {
        ad().scalar(QStringLiteral("SELECT COUNT(*) FROM D00012AD"));
    } catch (const VornError& e) {
        ShowCodedFailure(m_messages, QStringLiteral("AD_0019"), kAdNoAccess + QLatin1Char('.'),
                         e.message());
        return fail();
    }
    try {
        for (;;) {
            FirmChoice choice = firmDialog(module, user, onlyPermittedFirms, false, firm.ID);
            if (choice.outcome == FirmOutcome::Cancelled) {
                user = previousUser;
                return false;
            }
            if (choice.outcome != FirmOutcome::Chosen)
                return fail();
            if (choice.firm.ID == firm.ID)
                return true;
            bool askAgain = false;
            if (acceptFirm(module, user, choice.firm, &askAgain) == FirmOutcome::Chosen) {
                if (checkVersion)
                    checkDataVersion(module, choice.firm, false);
                storeLastFirm(module, user.ID, choice.firm.ID);
                storeFirmInRegistration(module, user, choice.firm.Numer);
                firm = choice.firm;
                return true;
            }
            if (!askAgain)
                return fail();
        }
    } catch (const VornError&) {
        return fail();
    }
}

int TV2Login::LastYear(int module, qint64 userId)
{
    try {
        const auto row =
            ad().firstRow(QStringLiteral("SELECT LASTROK FROM D00012AD WHERE MODULID=:MODUL "
                                         "AND UZYTKOWNIKID=:USER"),
                          {{QStringLiteral("MODUL"), module}, {QStringLiteral("USER"), userId}});
        if (!row || row->isNull(QStringLiteral("LASTROK")))
            return -1;
        return int(row->integer(QStringLiteral("LASTROK")));
    } catch (const VornError&) {
        return -1;
    }
}

bool TV2Login::SaveLastYear(int module, qint64 userId, int year)
{
    try {
        ad().exec(QStringLiteral("UPDATE D00012AD SET LASTROK=:VALUE WHERE MODULID=:MODUL AND "
                                 "UZYTKOWNIKID=:USER"),
                  {{QStringLiteral("VALUE"), year},
                   {QStringLiteral("MODUL"), module},
                   {QStringLiteral("USER"), userId}});
        return true;
    } catch (const VornError&) {
        return false;
    }
}

} // namespace vorn
