#include "LoginFixture.h"
#include "shell/Modules.h"
#include "shell/PasswordHash.h"
#include "store/Scope.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;
using Kind = ScriptedMessages::Kind;

namespace {

class LoginTest : public ::testing::Test, public LoginFixture
{
};

TEST_F(LoginTest, LonePasswordlessUserNeedsNoDialog)
{
    const qint64 admin = addUser(QStringLiteral("ADMIN"), QString());
    const qint64 firm = addFirm(1, QStringLiteral("Firma Demo"));
    grantFirm(admin, firm);
    setLastFirm(admin, firm);
    TV2User user;
    TV2Firm chosen;
    EXPECT_EQ(logIn(user, chosen), kLoginOk);
    EXPECT_EQ(prompt.shown, 0);
    EXPECT_TRUE(picker.shown.isEmpty()); // the last firm is taken without the chooser
    EXPECT_EQ(user.Identyfikator, QStringLiteral("ADMIN"));
    EXPECT_EQ(chosen.Numer, 1);
    EXPECT_TRUE(messages.messages().isEmpty());
    EXPECT_EQ(loggedInRows(QStringLiteral("ADMIN")), 1);
    EXPECT_EQ(ad().scalar(QStringLiteral("SELECT FIRM FROM D00011AD")).toInt(), 1);
}

TEST_F(LoginTest, ThreeWrongPasswordsEndTheLogin)
{
    addUser(QStringLiteral("JAN"), HashPassword(QStringLiteral("dobre")));
    addUser(QStringLiteral("EWA"), HashPassword(QStringLiteral("inne")));
    for (int i = 0; i < 3; ++i)
        prompt.add(QStringLiteral("jan"), QStringLiteral("zle"));
    messages.answers({true, true, true});
    TV2User user;
    TV2Firm firm;
    EXPECT_EQ(logIn(user, firm), kLoginTooManyAttempts);
    EXPECT_EQ(prompt.shown, 3);
    const auto errors = messages.ofKind(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].code, QStringLiteral("AD_0132"));
    EXPECT_TRUE(errors[0].text.endsWith(
        QStringLiteral("Przekroczono dopuszczalną liczbę prób wejścia do programu.")));
    EXPECT_EQ(
        messages.questions().first(),
        QStringLiteral("Podane hasło jest nieprawidłowe.\r\nCzy chcesz ponowić próbę logowania?"));
    EXPECT_FALSE(user.isSet());
}

TEST_F(LoginTest, FailedAttemptsAnsweredNoGiveTheirCodes)
{
    addUser(QStringLiteral("JAN"), HashPassword(QStringLiteral("dobre")));
    addUser(QStringLiteral("BEZ"), HashPassword(QStringLiteral("x")), RightsWith({1}));
    struct
    {
        const char* name;
        QString ident, password;
        int expected;
        QString question;
    } cases[] = {
        {"unknown", "NIKT", "x", kLoginUnknownUser,
         "Nie znaleziono użytkownika o identyfikatorze \"NIKT\".\r\nCzy chcesz ponowić próbę "
         "logowania?"},
        {"wrong password", "JAN", "zle", kLoginWrongPassword,
         "Podane hasło jest nieprawidłowe.\r\nCzy chcesz ponowić próbę logowania?"},
        {"no module right", "BEZ", "x", kLoginNoModuleRight,
         "Użytkownik o identyfikatorze \"BEZ\" nie ma uprawnień\r\ndo uruchamiania programu VORN "
         "2000 - ST.\r\n\r\nCzy chcesz ponowić próbę logowania?"},
    };
    for (const auto& c : cases) {
        messages.clear();
        prompt.add(c.ident, c.password);
        messages.answer(false);
        TV2User user;
        TV2Firm firm;
        EXPECT_EQ(logIn(user, firm), c.expected) << c.name;
        EXPECT_EQ(messages.questions(), QStringList{c.question}) << c.name;
    }
}

TEST_F(LoginTest, PlainTextPasswordIsAcceptedOnceAndRehashed)
{
    const qint64 jan = addUser(QStringLiteral("JAN"), QStringLiteral("stare"));
    addUser(QStringLiteral("EWA"), QString());
    const qint64 firm = addFirm(1, QStringLiteral("Firma"));
    grantFirm(jan, firm);
    setLastFirm(jan, firm);
    prompt.add(QStringLiteral("JAN"), QStringLiteral("stare"));
    TV2User user;
    TV2Firm chosen;
    ASSERT_EQ(logIn(user, chosen), kLoginOk);
    const QString stored = ad().scalar(QStringLiteral("SELECT HASLO FROM D00013AD WHERE ID = :id"),
                                       {{QStringLiteral("id"), jan}})
                               .toString();
    EXPECT_TRUE(IsPasswordDigest(stored));
    EXPECT_TRUE(VerifyPassword(stored, QStringLiteral("stare")).matches);
}

TEST_F(LoginTest, StaleRegistrationOfThisWorkstationIsReplaced)
{
    addUserWithLastFirm(QStringLiteral("JAN"));
    addLoggedIn(QStringLiteral("JAN"), QStringLiteral("STACJA1"), QStringLiteral("10.0.0.1"),
                root + QStringLiteral("/NET"));
    TV2User user;
    TV2Firm chosen;
    EXPECT_EQ(logIn(user, chosen), kLoginOk);
    EXPECT_EQ(loggedInRows(QStringLiteral("JAN")), 1);
    const auto row = ad().firstRow(QStringLiteral("SELECT LOGINTIME FROM D00011AD"));
    EXPECT_GT(row->value(QStringLiteral("LOGINTIME")).toDateTime().date().year(), 2020);
}

TEST_F(LoginTest, UserWorkingOnAnotherComputerIsRefused)
{
    addUser(QStringLiteral("JAN"), QString());
    addLoggedIn(QStringLiteral("JAN"), QStringLiteral("STACJA2"), QStringLiteral("10.0.0.2"),
                root + QStringLiteral("/NET"));
    TV2User user;
    TV2Firm firm;
    EXPECT_EQ(logIn(user, firm), kLoginAlreadyLoggedIn);
    ASSERT_EQ(messages.ofKind(Kind::Information).size(), 1);
    EXPECT_EQ(messages.ofKind(Kind::Information)[0].text,
              QStringLiteral("Użytkownik \"JAN\" jest już zalogowany."));
    EXPECT_EQ(loggedInRows(QStringLiteral("JAN")), 1); // the other workstation's row stays
}

TEST_F(LoginTest, UncPathAgainstMappedDriveIsRefused)
{
    addUser(QStringLiteral("JAN"), QString());
    addLoggedIn(QStringLiteral("EWA"), QStringLiteral("STACJA2"), QStringLiteral("10.0.0.2"),
                QStringLiteral("N:\\VORN\\NET"));
    setOwnNetFileDir(QStringLiteral("\\\\SERWER\\VORN\\NET"));
    TV2User user;
    TV2Firm firm;
    EXPECT_EQ(logIn(user, firm), kLoginRegistryFault);
    const auto errors = messages.ofKind(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].code, QStringLiteral("AD_0021"));
    EXPECT_TRUE(errors[0].text.contains(
        QStringLiteral("• \"NetFileDir\" lokalny: \\\\SERWER\\VORN\\NET\r\n")));
    EXPECT_TRUE(
        errors[0].text.contains(QStringLiteral("użytkownika \"EWA\"\r\njest nieprawidłowy")));
    EXPECT_EQ(loggedInRows(QStringLiteral("JAN")), 0);
}

TEST_F(LoginTest, MappedDriveAgainstUncPathMayTakeTheOtherPath)
{
    addUserWithLastFirm(QStringLiteral("JAN"));
    addLoggedIn(QStringLiteral("EWA"), QStringLiteral("STACJA2"), QStringLiteral("10.0.0.2"),
                QStringLiteral("\\\\SERWER\\VORN\\NET"));
    setOwnNetFileDir(QStringLiteral("N:\\VORN\\NET"));
    messages.answer(true);
    TV2User user;
    TV2Firm chosen;
    EXPECT_EQ(logIn(user, chosen), kLoginOk);
    ASSERT_EQ(messages.ofKind(Kind::Question).size(), 1);
    const auto q = messages.ofKind(Kind::Question)[0];
    EXPECT_EQ(q.defaultAnswer, DefaultAnswer::No);
    EXPECT_TRUE(q.text.endsWith(QStringLiteral(
        "Czy chcesz przejąć ustawienia rejestrowe innego użytkownika i uruchomić program?")));
    EXPECT_EQ(registry->Path(ModuleST, pkNetFileDir), QStringLiteral("\\\\SERWER\\VORN\\NET"));
    EXPECT_EQ(store
                  ->read(Hive::LocalMachine, TV2Registry::ModuleKey(ModuleST),
                         QStringLiteral("NetFileDir"))
                  .value(),
              QStringLiteral("\\\\SERWER\\VORN\\NET"));
}

TEST_F(LoginTest, LastFirmWithoutItsFolderLeadsToTheChooser)
{
    const qint64 jan = addUser(QStringLiteral("JAN"), QString());
    const qint64 gone = addFirm(1, QStringLiteral("Zlikwidowana"));
    const qint64 other = addFirm(2, QStringLiteral("Druga"));
    grantFirm(jan, gone);
    grantFirm(jan, other);
    setLastFirm(jan, gone);
    QDir(FirmFolder(root, 1)).removeRecursively();
    picker.script.push_back(2);
    TV2User user;
    TV2Firm chosen;
    EXPECT_EQ(logIn(user, chosen), kLoginOk);
    ASSERT_EQ(picker.shown.size(), 1);
    EXPECT_EQ(picker.shown[0].size(), 2);
    EXPECT_EQ(chosen.Numer, 2);
    EXPECT_EQ(ad().scalar(QStringLiteral("SELECT LASTFIRMAID FROM D00012AD")).toLongLong(), other);
}

TEST_F(LoginTest, ChooserListsOnlyPermittedFirms)
{
    const qint64 jan = addUser(QStringLiteral("JAN"), QString());
    const qint64 a = addFirm(1, QStringLiteral("Pierwsza"));
    addFirm(2, QStringLiteral("Cudza"));
    const qint64 c = addFirm(3, QStringLiteral("Grupowa"));
    grantFirm(jan, a);
    ad().exec(QStringLiteral("INSERT INTO D00006AD (uzytkid, grupaid) VALUES (:u, 7)"),
              {{QStringLiteral("u"), jan}});
    ad().exec(
        QStringLiteral(
            "INSERT INTO D00003AD (grupaid, modulid, firmaid, uprawnienia) VALUES (7, 8, :f, '1')"),
        {{QStringLiteral("f"), c}});
    TV2User user;
    TV2Firm firm;
    EXPECT_EQ(logIn(user, firm), kLoginCancelled); // the chooser is cancelled
    ASSERT_EQ(picker.shown.size(), 1);
    QList<int> numbers;
    for (const auto& f : picker.shown[0])
        numbers << f.numer;
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(numbers, (QList<int>{1, 3}));
    EXPECT_EQ(loggedInRows(QStringLiteral("JAN")), 0); // cancelling logs out
}

TEST_F(LoginTest, DataVersionChecks)
{
    struct
    {
        const char* name;
        int version;
        int expected;
        QString fragment;
        Kind kind;
    } cases[] = {
        {"newer", 11, kLoginOk, "w wersji nowszej niż wymagana", Kind::Warning},
        {"older", 9, kLoginOk, "w wersji starszej niż wymagana", Kind::Warning},
        {"missing", 0, -1, "Wystąpił błąd podczas odczytu wersji bazy danych modułu ST.",
         Kind::Error},
    };
    int numer = 1;
    for (const auto& c : cases) {
        LoginFixture f;
        const qint64 jan = f.addUser(QStringLiteral("JAN"), QString());
        const qint64 firm = f.addFirm(numer, QStringLiteral("Firma"), c.version);
        if (c.version == 0)
            QDir().mkpath(FirmFolder(f.root, numer)); // a folder without data
        f.grantFirm(jan, firm);
        f.setLastFirm(jan, firm);
        TV2User user;
        TV2Firm chosen;
        EXPECT_EQ(f.logIn(user, chosen), c.expected) << c.name;
        const auto shown = f.messages.ofKind(c.kind);
        ASSERT_EQ(shown.size(), 1) << c.name;
        EXPECT_TRUE(shown[0].text.contains(c.fragment)) << c.name;
    }
}

TEST_F(LoginTest, ModuleHeldExclusivelyStopsTheLogin)
{
    addUser(QStringLiteral("JAN"), QString());
    ad().exec(QStringLiteral(
        "INSERT INTO D00011AD (MODUL, USERNAME, LOCKMODUL) VALUES ('ST', 'EWA', 1)"));
    TV2User user;
    TV2Firm firm;
    EXPECT_EQ(logIn(user, firm), kLoginModuleLocked);
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(messages.messages()[0].code, QStringLiteral("AD_0014"));
    EXPECT_TRUE(messages.messages()[0].text.contains(
        QStringLiteral("Użytkownik \"EWA\" wykonuje operacje")));
}

TEST_F(LoginTest, LogOutRemovesRegistrationAndRemindsOfArchiving)
{
    addUserWithLastFirm(QStringLiteral("JAN"));
    TV2User user;
    TV2Firm chosen;
    ASSERT_EQ(logIn(user, chosen), kLoginOk);
    ad().exec(QStringLiteral("INSERT INTO D00001AD (MODULID, NUMER, ARCHDATE) VALUES (8, 1, :d)"),
              {{QStringLiteral("d"), QDateTime(QDate(2026, 1, 1), QTime(12, 0))}});
    login->setClock([] { return QDateTime(QDate(2026, 1, 11), QTime(12, 0)); });
    messages.answer(true);
    EXPECT_TRUE(login->LogOut(ModuleST, user, false, true, chosen));
    EXPECT_EQ(loggedInRows(QStringLiteral("JAN")), 0);
    const auto q = messages.ofKind(Kind::Question);
    ASSERT_EQ(q.size(), 1);
    EXPECT_EQ(q[0].caption, QStringLiteral("Przypomnienie"));
    EXPECT_TRUE(q[0].text.startsWith(
        QStringLiteral("UWAGA !!!\r\nDane firmy \"Firma\" w module ST były po raz "
                       "ostatni archiwizowane\r\nponad 10 dni temu.")));

    // Six days after archiving there is nothing to remind of.
    messages.clear();
    login->setClock([] { return QDateTime(QDate(2026, 1, 7), QTime(12, 0)); });
    EXPECT_FALSE(login->LogOut(ModuleST, user, false, true, chosen));
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST_F(LoginTest, LastYearIsKeptPerUser)
{
    const qint64 jan = addUser(QStringLiteral("JAN"), QString());
    EXPECT_EQ(login->LastYear(ModuleST, jan), -1);
    setLastFirm(jan, 1);
    EXPECT_EQ(login->LastYear(ModuleST, jan), -1);
    EXPECT_TRUE(login->SaveLastYear(ModuleST, jan, 2026));
    EXPECT_EQ(login->LastYear(ModuleST, jan), 2026);
}

TEST(Rights, UnionAndRangeRules)
{
    TV2User user;
    user.ModuleRights = UniteRights(QStringLiteral("100"), QStringLiteral("001"));
    EXPECT_TRUE(user.HasModuleRight(1));
    EXPECT_FALSE(user.HasModuleRight(2));
    EXPECT_TRUE(user.HasModuleRight(3));
    EXPECT_TRUE(user.HasModuleRight(0)); // outside 1..255: always allowed
    EXPECT_TRUE(user.HasModuleRight(256));
    ScriptedMessages m;
    EXPECT_FALSE(user.HasModuleRight(41, &m));
    EXPECT_FALSE(user.HasFirmRight(81, &m));
    ASSERT_EQ(m.messages().size(), 2);
    EXPECT_EQ(m.messages()[0].code, QStringLiteral("AD_0133"));
    EXPECT_EQ(m.messages()[1].code, QStringLiteral("AD_0134"));
    EXPECT_TRUE(m.messages()[1].text.endsWith(QStringLiteral("Brak uprawnień")));
}

} // namespace

namespace {

TEST_F(LoginTest, NeverArchivedFirmCountsFromTheModulesStart)
{
    addUserWithLastFirm(QStringLiteral("JAN"));
    TV2User user;
    TV2Firm chosen;
    ASSERT_EQ(logIn(user, chosen), kLoginOk);
    login->setClock([] { return QDateTime(QDate(2026, 1, 20), QTime(12, 0)); });
    // No start recorded: nothing to count from, no reminder.
    EXPECT_FALSE(login->LogOut(ModuleST, user, false, true, chosen));
    EXPECT_TRUE(messages.messages().isEmpty());

    ad().exec(QStringLiteral("INSERT INTO D00001AD (MODULID, NUMER, ARCHDATE) VALUES (8, 0, :d)"),
              {{QStringLiteral("d"), QDateTime(QDate(2026, 1, 1), QTime(12, 0))}});
    messages.answer(false);
    EXPECT_FALSE(login->LogOut(ModuleST, user, false, true, chosen));
    ASSERT_EQ(messages.questions().size(), 1);
    EXPECT_TRUE(messages.questions()[0].startsWith(QStringLiteral(
        "UWAGA !!!\r\nDane firmy \"Firma\" w module ST nie były jeszcze archiwizowane.")));
}

} // namespace
