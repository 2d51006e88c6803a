#include "AdminCommands.h"

#include "ClassificationCsv.h"
#include "CommandLine.h"
#include "DemoInstallation.h"
#include "FirmRegister.h"
#include "Installation.h"
#include "InstallationSetup.h"
#include "Maintenance.h"
#include "RightsString.h"
#include "TableRows.h"
#include "UserRegister.h"
#include "common/Errors.h"
#include "common/Messages.h"
#include "shell/KstIni.h"
#include "shell/Modules.h"
#include "store/Database.h"

#include <QFile>
#include <QTextStream>

namespace vorn::admin {

namespace {

const QString kTable2000 = QStringLiteral("D00001ST");
const QString kTable2002 = QStringLiteral("D00005ST");

void print(const QStringList& lines)
{
    QTextStream out(stdout);
    for (const QString& line : lines)
        out << line << "\n";
}

QString rightsOption(const CommandArgs& args, const QString& fallback)
{
    const auto list = args.value(QStringLiteral("rights"));
    const auto digits = args.value(QStringLiteral("rights-string"));
    if (list && digits)
        throw UsageError{QStringLiteral("Opcje --rights i --rights-string wykluczają się.")};
    if (list)
        return RightsString::FromList(*list);
    if (digits)
        return RightsString::FromDigits(*digits);
    if (fallback.isNull())
        throw UsageError{QStringLiteral("Należy podać uprawnienia: --rights LISTA lub "
                                        "--rights-string CIĄG.")};
    return fallback;
}

QList<int> firmNumbers(const CommandArgs& args)
{
    QList<int> out;
    for (const QString& word : args.positional())
        out << ParseNumber(word, QStringLiteral("Numer firmy"), 1, 99999);
    return out;
}

// Both classification tables unless one is named.
QStringList classificationTables(const std::optional<QString>& choice)
{
    if (!choice)
        return {kTable2000, kTable2002};
    const QString c = choice->trimmed();
    if (c == QLatin1String("2000") || c == KstIni::kTable2000 ||
        c.compare(kTable2000, Qt::CaseInsensitive) == 0)
        return {kTable2000};
    if (c == QLatin1String("2002") || c == KstIni::kTable2002 ||
        c.compare(kTable2002, Qt::CaseInsensitive) == 0)
        return {kTable2002};
    throw UsageError{QStringLiteral("Nieznana tabela KŚT: %1 (dozwolone: 2000, 2002).").arg(c)};
}

QString readLineFromStdin()
{
    QTextStream in(stdin);
    return in.readLine();
}

// The password of --password or, with --password-stdin, the first line of the input (which
// keeps it out of the process list); empty when neither is given.
QString passwordOption(const CommandArgs& args)
{
    const auto given = args.value(QStringLiteral("password"));
    const bool fromInput = args.flag(QStringLiteral("password-stdin"));
    if (given && fromInput)
        throw UsageError{QStringLiteral("Opcje --password i --password-stdin wykluczają się.")};
    return fromInput ? readLineFromStdin() : given.value_or(QString());
}

QStringList fillShippedClassification(Database& global)
{
    QStringList done;
    const ClassificationFile shipped = ParseClassificationCsv(ShippedClassification());
    if (!shipped.errors.isEmpty())
        throw DataError(QStringLiteral("Wbudowany plik klasyfikacji jest uszkodzony: ") +
                        shipped.errors.first());
    for (const QString& table : {kTable2000, kTable2002}) {
        if (global.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt() > 0)
            continue;
        const ClassificationMerge merged = MergeClassification(global, table, shipped.entries);
        done << QStringLiteral("Tabela %1: %2 pozycji klasyfikacji środków trwałych.")
                    .arg(table)
                    .arg(merged.added);
    }
    return done;
}

// The date from which the module counts as in use, kept as the module's row for firm 0.
void recordModuleStart(Database& admin, const QDateTime& now)
{
    const QVariantMap key{{QStringLiteral("m"), int(ModuleST)}, {QStringLiteral("n"), 0}};
    if (admin
            .scalar(QStringLiteral("SELECT COUNT(*) FROM D00001AD WHERE MODULID=:m AND "
                                   "NUMER=:n"),
                    key)
            .toInt() > 0)
        return;
    QVariantMap row = key;
    row.insert(QStringLiteral("d"), now);
    admin.exec(QStringLiteral("INSERT INTO D00001AD (MODULID, NUMER, ARCHDATE) VALUES (:m, :n, "
                              ":d)"),
               row);
}

// The sub-command, checked before anything is opened: a wrong one is a usage error.
QString subCommand(const CommandArgs& args, const QString& command, const QStringList& known)
{
    const QString action = args.required(0, known.join(QStringLiteral(", ")));
    if (!known.contains(action))
        throw UsageError{QStringLiteral("Nieznane polecenie: %1 %2").arg(command, action)};
    return action;
}

int moduleNumber(const QString& code)
{
    for (int m = kFirstModule; m <= kLastModule; ++m)
        if (ModuleCode(m).compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return m;
    throw UsageError{QStringLiteral("Nieznany moduł: %1").arg(code)};
}

} // namespace

QString AdminCommands::Usage()
{
    return QStringLiteral(
        "Użycie: vornst-admin [--registry KATALOG] POLECENIE\n"
        "  init KATALOG [--demo]\n"
        "  firm add NUMER NAZWA [--short-name NAZWA] [--kst 2000|2002]\n"
        "  firm list\n"
        "  user add IDENTYFIKATOR NAZWA [--password HASŁO | --password-stdin] [--admin]\n"
        "           [--rights LISTA | --rights-string CIĄG]\n"
        "  user list\n"
        "  user set-password IDENTYFIKATOR [--password HASŁO | --password-stdin]\n"
        "  user check-password IDENTYFIKATOR        (hasło w pierwszym wierszu wejścia)\n"
        "  group add NUMER [--rights LISTA | --rights-string CIĄG]\n"
        "  group join IDENTYFIKATOR NUMER\n"
        "  grant (--user IDENTYFIKATOR | --group NUMER) --firm NUMER\n"
        "        (--rights LISTA | --rights-string CIĄG) [--module KOD]\n"
        "  kst import PLIK [--table 2000|2002]\n"
        "  archive [NUMER...]\n"
        "  export [NUMER...]\n"
        "  upgrade\n"
        "  /F /ST | /U /ST | /A /ST | /EST /ST | /ARCH | /UPGR_AD | /UZK | /FIRM\n"
        "LISTA: numery i zakresy uprawnień (np. 41,1-3) albo \"all\".\n");
}

int AdminCommands::run(const QStringList& args)
{
    try {
        return dispatch(args);
    } catch (const UsageError& e) {
        QTextStream(stderr) << e.text << "\n" << Usage();
        return 2;
    } catch (const VornError& e) {
        ConsoleMessages().error(e);
        return 1;
    } catch (const std::exception& e) {
        ConsoleMessages().error(QString::fromLocal8Bit(e.what()));
        return 1;
    }
}

int AdminCommands::dispatch(const QStringList& args)
{
    if (args.isEmpty())
        throw UsageError{QStringLiteral("Brak polecenia.")};
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command.startsWith(QLatin1Char('/')))
        return suiteSwitch(args);
    if (command == QLatin1String("init"))
        return init(rest);
    if (command == QLatin1String("firm"))
        return firm(rest);
    if (command == QLatin1String("user"))
        return user(rest);
    if (command == QLatin1String("group"))
        return group(rest);
    if (command == QLatin1String("grant"))
        return grant(rest);
    if (command == QLatin1String("kst"))
        return kst(rest);
    if (command == QLatin1String("archive"))
        return archive(rest);
    if (command == QLatin1String("export"))
        return exportOrders(rest);
    if (command == QLatin1String("upgrade"))
        return upgrade(rest);
    throw UsageError{QStringLiteral("Nieznane polecenie: %1").arg(command)};
}

int AdminCommands::init(const QStringList& words)
{
    const CommandArgs args(words, {QStringLiteral("demo")}, {});
    const QString root = args.required(0, QStringLiteral("KATALOG"));
    args.expectAtMost(1);

    InstallationSetup setup(m_store, root);
    QString error;
    if (!setup.run(&error) || !setup.installAdministratorTool(m_executable, &error))
        throw DataError(error);
    const Installation installation(setup.root());
    QStringList done{QStringLiteral("Utworzono instalację w %1.").arg(installation.root())};
    {
        auto admin = installation.openAdmin(true);
        recordModuleStart(*admin, m_now);
        auto global = installation.openGlobal(true);
        done << fillShippedClassification(*global);
    }
    // What is done is said even when the demo is refused after it.
    print(done);
    if (args.flag(QStringLiteral("demo")))
        print(DemoInstallation(installation, m_now.date()).create());
    return 0;
}

int AdminCommands::firm(const QStringList& words)
{
    const CommandArgs args(words, {}, {QStringLiteral("short-name"), QStringLiteral("kst")});
    const QString action =
        subCommand(args, QStringLiteral("firm"), {QStringLiteral("add"), QStringLiteral("list")});
    if (action == QLatin1String("list")) {
        args.expectAtMost(1);
        print(Maintenance(Installation::FromRegistry(m_store), m_now).listFirms());
        return 0;
    }
    const int number = ParseNumber(args.required(1, QStringLiteral("NUMER")),
                                   QStringLiteral("Numer firmy"), 1, 99999);
    const QString name = args.required(2, QStringLiteral("NAZWA"));
    args.expectAtMost(3);
    QString kstChoice;
    if (const auto kst = args.value(QStringLiteral("kst")))
        kstChoice = classificationTables(kst).first() == kTable2002 ? KstIni::kTable2002
                                                                    : KstIni::kTable2000;
    const Installation installation = Installation::FromRegistry(m_store);
    auto admin = installation.openAdmin();
    FirmRegister(installation, *admin)
        .add({number, name, args.value(QStringLiteral("short-name")).value_or(QString())});
    QStringList done{QStringLiteral("Utworzono firmę nr %1 z tabelami w %2.")
                         .arg(number)
                         .arg(installation.firmFolder(number))};
    if (!kstChoice.isEmpty()) {
        KstIni kst(installation.root(), number);
        kst.setTableChoice(kstChoice);
        done << QStringLiteral("Tabela KŚT firmy: \"%1\".").arg(kstChoice);
    }
    done << QStringLiteral("Uprawnienia do firmy nadaje polecenie grant.");
    print(done);
    return 0;
}

int AdminCommands::user(const QStringList& words)
{
    const CommandArgs args(
        words, {QStringLiteral("admin"), QStringLiteral("password-stdin")},
        {QStringLiteral("password"), QStringLiteral("rights"), QStringLiteral("rights-string")});
    const QString action =
        subCommand(args, QStringLiteral("user"),
                   {QStringLiteral("add"), QStringLiteral("list"), QStringLiteral("set-password"),
                    QStringLiteral("check-password")});
    if (action == QLatin1String("list")) {
        args.expectAtMost(1);
        print(Maintenance(Installation::FromRegistry(m_store), m_now).listUsers());
        return 0;
    }
    const QString id = args.required(1, QStringLiteral("IDENTYFIKATOR"));
    if (action == QLatin1String("check-password")) {
        args.expectAtMost(2);
        const QString typed = readLineFromStdin();
        auto admin = Installation::FromRegistry(m_store).openAdmin();
        if (!UserRegister(*admin).checkPassword(id, typed))
            throw ValidationError(QStringLiteral("Podane hasło jest nieprawidłowe."));
        print({QStringLiteral("Hasło jest prawidłowe.")});
        return 0;
    }
    if (action == QLatin1String("set-password")) {
        args.expectAtMost(2);
        const QString password = passwordOption(args);
        auto admin = Installation::FromRegistry(m_store).openAdmin();
        UserRegister(*admin).setPassword(id, password);
        print({password.trimmed().isEmpty()
                   ? QStringLiteral("Użytkownik %1 nie ma hasła.").arg(NormalizedIdentifier(id))
                   : QStringLiteral("Zmieniono hasło użytkownika %1.")
                         .arg(NormalizedIdentifier(id))});
        return 0;
    }
    const QString name = args.required(2, QStringLiteral("NAZWA"));
    args.expectAtMost(3);
    const QString password = passwordOption(args);
    const QString rights = rightsOption(args, RightsString::None());
    auto admin = Installation::FromRegistry(m_store).openAdmin();
    UserRegister users(*admin);
    users.addUser({id, name, password, args.flag(QStringLiteral("admin")), rights});
    QStringList done{QStringLiteral("Dodano użytkownika %1 (%2); uprawnienia modułów: %3.")
                         .arg(NormalizedIdentifier(id),
                              password.trimmed().isEmpty() ? QStringLiteral("bez hasła")
                                                           : QStringLiteral("z hasłem"),
                              RightsString::ToList(rights))};
    // With more than one user nobody gets in without the login dialog, and there an empty
    // password opens the account to anyone.
    if (users.users().size() > 1)
        for (const QString& open : users.withoutPassword())
            done << QStringLiteral("Uwaga: użytkownik %1 nie ma hasła (vornst-admin user "
                                   "set-password %1 --password-stdin).")
                        .arg(open);
    print(done);
    return 0;
}

int AdminCommands::group(const QStringList& words)
{
    const CommandArgs args(words, {}, {QStringLiteral("rights"), QStringLiteral("rights-string")});
    const QString action =
        subCommand(args, QStringLiteral("group"), {QStringLiteral("add"), QStringLiteral("join")});
    if (action == QLatin1String("add")) {
        const int group = ParseNumber(args.required(1, QStringLiteral("NUMER")),
                                      QStringLiteral("Numer grupy"), 1, 2147483647);
        args.expectAtMost(2);
        const QString rights = rightsOption(args, RightsString::None());
        auto admin = Installation::FromRegistry(m_store).openAdmin();
        UserRegister(*admin).addGroup(group, rights);
        print({QStringLiteral("Dodano grupę nr %1; uprawnienia modułów: %2.")
                   .arg(group)
                   .arg(RightsString::ToList(rights))});
        return 0;
    }
    const QString id = args.required(1, QStringLiteral("IDENTYFIKATOR"));
    const int group = ParseNumber(args.required(2, QStringLiteral("NUMER")),
                                  QStringLiteral("Numer grupy"), 1, 2147483647);
    args.expectAtMost(3);
    auto admin = Installation::FromRegistry(m_store).openAdmin();
    UserRegister(*admin).addMember(id, group);
    print({QStringLiteral("Użytkownik %1 należy do grupy nr %2.")
               .arg(NormalizedIdentifier(id))
               .arg(group)});
    return 0;
}

int AdminCommands::grant(const QStringList& words)
{
    const CommandArgs args(words, {},
                           {QStringLiteral("user"), QStringLiteral("group"), QStringLiteral("firm"),
                            QStringLiteral("rights"), QStringLiteral("rights-string"),
                            QStringLiteral("module")});
    args.expectAtMost(0);
    const auto userId = args.value(QStringLiteral("user"));
    const auto groupText = args.value(QStringLiteral("group"));
    if (bool(userId) == bool(groupText))
        throw UsageError{QStringLiteral("Należy podać --user albo --group.")};
    const auto firmText = args.value(QStringLiteral("firm"));
    if (!firmText)
        throw UsageError{QStringLiteral("Należy podać --firm NUMER.")};
    const int number = ParseNumber(*firmText, QStringLiteral("Numer firmy"), 1, 99999);
    const int module =
        moduleNumber(args.value(QStringLiteral("module")).value_or(ModuleCode(ModuleST)));
    const QString rights = rightsOption(args, QString());
    const int group =
        groupText ? ParseNumber(*groupText, QStringLiteral("Numer grupy"), 1, 2147483647) : 0;

    const Installation installation = Installation::FromRegistry(m_store);
    auto admin = installation.openAdmin();
    const int firmId =
        int(FirmRegister(installation, *admin).require(number).integer(QStringLiteral("ID")));
    UserRegister users(*admin);
    QString who;
    if (userId) {
        users.grantUser(*userId, module, firmId, rights);
        who = QStringLiteral("Użytkownik %1").arg(NormalizedIdentifier(*userId));
    } else {
        users.grantGroup(group, module, firmId, rights);
        who = QStringLiteral("Grupa nr %1").arg(group);
    }
    print({QStringLiteral("%1: uprawnienia w firmie nr %2, moduł %3: %4.")
               .arg(who)
               .arg(number)
               .arg(ModuleCode(module), RightsString::ToList(rights))});
    return 0;
}

int AdminCommands::kst(const QStringList& words)
{
    const CommandArgs args(words, {}, {QStringLiteral("table")});
    subCommand(args, QStringLiteral("kst"), {QStringLiteral("import")});
    const QString fileName = args.required(1, QStringLiteral("PLIK"));
    args.expectAtMost(2);
    const QStringList tables = classificationTables(args.value(QStringLiteral("table")));
    const Installation installation = Installation::FromRegistry(m_store);

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("Nie można otworzyć pliku: ") + fileName);
    const ClassificationFile parsed = ParseClassificationCsv(file.readAll());
    if (!parsed.errors.isEmpty())
        throw ValidationError(QStringLiteral("Plik %1 zawiera błędy:\n").arg(fileName) +
                              parsed.errors.join(QLatin1Char('\n')) +
                              QStringLiteral("\nNie zaimportowano żadnej pozycji; tabele "
                                             "klasyfikacji pozostały bez zmian."));
    if (parsed.entries.isEmpty())
        throw ValidationError(QStringLiteral("Plik %1 nie zawiera żadnej pozycji.").arg(fileName));
    auto global = installation.openGlobal();
    QStringList done;
    for (const QString& table : tables) {
        const ClassificationMerge merged = MergeClassification(*global, table, parsed.entries);
        done << QStringLiteral("Tabela %1: dodano %2, zmieniono %3 pozycji.")
                    .arg(table)
                    .arg(merged.added)
                    .arg(merged.updated);
    }
    print(done);
    return 0;
}

int AdminCommands::archive(const QStringList& words)
{
    const CommandArgs args(words, {}, {});
    const QList<int> firms = firmNumbers(args);
    print(Maintenance(Installation::FromRegistry(m_store), m_now).archive(firms));
    return 0;
}

int AdminCommands::exportOrders(const QStringList& words)
{
    const CommandArgs args(words, {}, {});
    const QList<int> firms = firmNumbers(args);
    print(Maintenance(Installation::FromRegistry(m_store), m_now).exportOrders(firms));
    return 0;
}

int AdminCommands::upgrade(const QStringList& words)
{
    const CommandArgs args(words, {}, {});
    args.expectAtMost(0);
    print(Maintenance(Installation::FromRegistry(m_store), m_now).upgrade());
    return 0;
}

int AdminCommands::suiteSwitch(const QStringList& args)
{
    QStringList upper;
    for (const QString& a : args)
        upper << a.toUpper();
    const QString first = upper.first();
    // "/F /ST" and the like name the calling module; only this program's is known here.
    const QStringList known{QStringLiteral("/F"),    QStringLiteral("/U"),
                            QStringLiteral("/A"),    QStringLiteral("/EST"),
                            QStringLiteral("/ARCH"), QStringLiteral("/UPGR_AD"),
                            QStringLiteral("/UZK"),  QStringLiteral("/FIRM")};
    if (!known.contains(first) || upper.size() > 2 ||
        (upper.size() == 2 && upper.at(1) != QLatin1String("/ST")))
        throw UsageError{
            QStringLiteral("Nieznany przełącznik: %1").arg(args.join(QLatin1Char(' ')))};

    const Installation installation = Installation::FromRegistry(m_store);
    const Maintenance maintenance(installation, m_now);
    QStringList done;
    if (first == QLatin1String("/F") || first == QLatin1String("/FIRM")) {
        done << QStringLiteral("Firmy modułu ST (numer, nazwa skrócona, nazwa pełna):")
             << maintenance.listFirms()
             << QStringLiteral("Nową firmę dodaje polecenie: vornst-admin firm add NUMER NAZWA");
    } else if (first == QLatin1String("/U") || first == QLatin1String("/UZK")) {
        done << QStringLiteral("Użytkownicy:") << maintenance.listUsers()
             << QStringLiteral("Użytkowników dodaje polecenie vornst-admin user add, "
                               "uprawnienia do firm: vornst-admin grant.");
    } else if (first == QLatin1String("/A") || first == QLatin1String("/ARCH")) {
        done << maintenance.archive({});
    } else if (first == QLatin1String("/EST")) {
        done << maintenance.exportOrders({});
    } else {
        done << maintenance.upgrade();
    }
    print(done);
    return 0;
}

} // namespace vorn::admin
