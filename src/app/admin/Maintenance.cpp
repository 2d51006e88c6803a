#include "Maintenance.h"

#include "FirmRegister.h"
#include "Installation.h"
#include "RightsString.h"
#include "UserRegister.h"
#include "common/Errors.h"
#include "common/Paths.h"
#include "shell/Modules.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace vorn::admin {

namespace {

QString firmLabel(int number)
{
    return QStringLiteral("F%1").arg(number, 5, 10, QLatin1Char('0'));
}

QString cell(const QVariant& value)
{
    QString text = value.typeId() == QMetaType::QDate ? value.toDate().toString(u"dd-MM-yyyy")
                                                      : value.toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace

QList<int> Maintenance::firmsOrAll(const QList<int>& firms) const
{
    auto admin = m_installation.openAdmin();
    FirmRegister register_(m_installation, *admin);
    QList<int> out;
    if (firms.isEmpty()) {
        for (const Row& firm : register_.firmsOfModule())
            out << int(firm.integer(QStringLiteral("NUMER")));
    } else {
        for (int number : firms)
            out << int(register_.require(number).integer(QStringLiteral("NUMER")));
    }
    return out;
}

QStringList Maintenance::archive(const QList<int>& firms) const
{
    QStringList done;
    auto admin = m_installation.openAdmin();
    for (int number : firmsOrAll(firms)) {
        // Never over an earlier copy, even one made in the same second.
        const QString stamp = m_now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
        const QString base =
            JoinPath({m_installation.root(), QStringLiteral("ARCHIWUM"), firmLabel(number), stamp});
        QString target = base;
        for (int n = 2; QFileInfo::exists(target); ++n)
            target = base + QStringLiteral("-%1").arg(n);
        if (!QDir().mkpath(target))
            throw DataError(QStringLiteral("Nie można utworzyć katalogu: ") + target);
        const QString copy = JoinPath({target, ScopeFileName(Scope::Firm)});
        {
            auto firm = m_installation.openFirm(number);
            // A copy made by the database itself stays consistent while others write.
            try {
                firm->exec(QStringLiteral("VACUUM INTO :file"), {{QStringLiteral("file"), copy}});
            } catch (const SqlFailure& e) {
                throw DataError(QStringLiteral("Nie udało się wykonać kopii danych firmy nr %1 "
                                               "(%2).")
                                    .arg(number)
                                    .arg(e.message()));
            }
        }
        const QString ini =
            JoinPath({m_installation.firmFolder(number), QStringLiteral("KST.Ini")});
        if (QFileInfo::exists(ini))
            QFile::copy(ini, JoinPath({target, QStringLiteral("KST.Ini")}));

        const QVariantMap key{{QStringLiteral("m"), int(ModuleST)},
                              {QStringLiteral("n"), number},
                              {QStringLiteral("d"), m_now}};
        admin->beginWrite();
        try {
            admin->exec(QStringLiteral("DELETE FROM D00001AD WHERE MODULID=:m AND NUMER=:n"), key);
            admin->exec(QStringLiteral("INSERT INTO D00001AD (MODULID, NUMER, ARCHDATE) VALUES "
                                       "(:m, :n, :d)"),
                        key);
            admin->commit();
        } catch (...) {
            admin->rollback();
            throw;
        }
        done << QStringLiteral("Firma nr %1: kopia danych w %2; data archiwizacji: %3.")
                    .arg(number)
                    .arg(copy, m_now.toString(QStringLiteral("dd-MM-yyyy HH:mm")));
    }
    if (done.isEmpty())
        done << QStringLiteral("Brak firm do archiwizacji.");
    return done;
}

QStringList Maintenance::exportOrders(const QList<int>& firms) const
{
    QStringList done;
    const QString folder = JoinPath({m_installation.root(), QStringLiteral("EKSPORT")});
    for (int number : firmsOrAll(firms)) {
        auto firm = m_installation.openFirm(number);
        const QList<Row> orders =
            firm->rows(QStringLiteral("SELECT * FROM F00008ST WHERE ZAKSIEGOWANE IS NULL OR "
                                      "ZAKSIEGOWANE<>'T' ORDER BY DATAWYST, NUMER"));
        if (orders.isEmpty()) {
            done << QStringLiteral("Firma nr %1: brak niezaksięgowanych poleceń księgowania.")
                        .arg(number);
            continue;
        }
        if (!QDir().mkpath(folder))
            throw DataError(QStringLiteral("Nie można utworzyć katalogu: ") + folder);
        const QString file =
            JoinPath({folder, QStringLiteral("%1-PK-%2.txt")
                                  .arg(firmLabel(number),
                                       m_now.toString(QStringLiteral("yyyyMMdd-HHmmss")))});
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            throw DataError(QStringLiteral("Nie można zapisać pliku: ") + file);
        QTextStream text(&out);
        text << "NUMERDOK\tDATAWYST\tDATAKSIEG\tOPERACJA\tKONTOWN\tKONTOMA\tKWOTA\r\n";
        int lines = 0;
        for (const Row& order : orders) {
            for (const Row& line :
                 firm->rows(QStringLiteral("SELECT * FROM F00009ST WHERE IDPK=:id ORDER BY ID"),
                            {{QStringLiteral("id"), order.integer(QStringLiteral("ID"))}})) {
                text << cell(order.value(QStringLiteral("NUMERDOK"))) << '\t'
                     << cell(order.value(QStringLiteral("DATAWYST"))) << '\t'
                     << cell(order.value(QStringLiteral("DATAKSIEG"))) << '\t'
                     << cell(line.value(QStringLiteral("OPERACJA"))) << '\t'
                     << cell(line.value(QStringLiteral("KONTOWN"))) << '\t'
                     << cell(line.value(QStringLiteral("KONTOMA"))) << '\t'
                     << QString::number(line.num(QStringLiteral("KWOTA")), 'f', 2) << "\r\n";
                ++lines;
            }
        }
        text.flush();
        if (!out.commit())
            throw DataError(QStringLiteral("Nie można zapisać pliku: ") + file);
        done << QStringLiteral("Firma nr %1: %2 poleceń księgowania (%3 pozycji) zapisano w %4; "
                               "polecenia nie zostały oznaczone jako zaksięgowane.")
                    .arg(number)
                    .arg(orders.size())
                    .arg(lines)
                    .arg(file);
    }
    if (done.isEmpty())
        done << QStringLiteral("Brak firm w module ST.");
    return done;
}

QStringList Maintenance::upgrade() const
{
    QStringList done;
    const auto step = [&done](Database& db, const QString& what) {
        const int before = StoredSchemaVersion(db);
        UpgradeScopeSchema(db);
        const int after = StoredSchemaVersion(db);
        done << (before == after
                     ? QStringLiteral("%1: układ tabel aktualny (wersja %2).").arg(what).arg(after)
                     : QStringLiteral("%1: układ tabel uaktualniony z wersji %2 do %3.")
                           .arg(what)
                           .arg(before)
                           .arg(after));
    };
    step(*m_installation.openAdmin(), QStringLiteral("Baza modułu Administrator"));
    step(*m_installation.openGlobal(), QStringLiteral("Słowniki wspólne"));
    for (int number : firmsOrAll({})) {
        auto firm = m_installation.openFirm(number);
        const QString what = QStringLiteral("Firma nr %1").arg(number);
        step(*firm, what);
        const int version = firm->scalar(QStringLiteral("SELECT MAX(Wersja) FROM verinf")).toInt();
        if (version < kFirmDataVersion) {
            firm->beginWrite();
            try {
                firm->exec(QStringLiteral("DELETE FROM verinf"));
                firm->exec(QStringLiteral("INSERT INTO verinf (Wersja) VALUES (:w)"),
                           {{QStringLiteral("w"), kFirmDataVersion}});
                firm->commit();
            } catch (...) {
                firm->rollback();
                throw;
            }
            done << QStringLiteral("%1: wersja danych zmieniona z %2 na %3.")
                        .arg(what)
                        .arg(version)
                        .arg(kFirmDataVersion);
        } else if (version > kFirmDataVersion) {
            done << QStringLiteral("%1: wersja danych %2 jest nowsza niż wersja programu (%3); "
                                   "pozostawiono bez zmian.")
                        .arg(what)
                        .arg(version)
                        .arg(kFirmDataVersion);
        }
    }
    return done;
}

QStringList Maintenance::listFirms() const
{
    auto admin = m_installation.openAdmin();
    QStringList out;
    for (const Row& firm : FirmRegister(m_installation, *admin).firmsOfModule())
        out << QStringLiteral("%1\t%2\t%3")
                   .arg(firm.integer(QStringLiteral("NUMER")))
                   .arg(firm.str(QStringLiteral("NAZWASKROCONA")),
                        firm.str(QStringLiteral("NAZWAPELNA")));
    if (out.isEmpty())
        out << QStringLiteral("Brak firm w module ST.");
    return out;
}

QStringList Maintenance::listUsers() const
{
    auto admin = m_installation.openAdmin();
    QStringList out;
    for (const Row& user : UserRegister(*admin).users()) {
        QStringList firms;
        for (const Row& grant : admin->rows(
                 QStringLiteral("SELECT F.Numer AS NUMER FROM D00008AD R, D00002AD F WHERE "
                                "R.firmaid=F.ID AND R.modulid=:m AND R.uzytkownikid=:u ORDER "
                                "BY F.Numer"),
                 {{QStringLiteral("m"), int(ModuleST)},
                  {QStringLiteral("u"), user.integer(QStringLiteral("ID"))}}))
            firms << QString::number(grant.integer(QStringLiteral("NUMER")));
        out << QStringLiteral("%1\t%2\tadministrator: %3\tuprawnienia: %4\tfirmy: %5")
                   .arg(user.str(QStringLiteral("IDENTYFIKATOR")),
                        user.str(QStringLiteral("NAZWA")),
                        user.str(QStringLiteral("CZYADMIN")) == QLatin1String("T")
                            ? QStringLiteral("tak")
                            : QStringLiteral("nie"),
                        RightsString::ToList(user.str(QStringLiteral("OPCJEAD"))),
                        firms.isEmpty() ? QStringLiteral("brak") : firms.join(QLatin1Char(',')));
    }
    if (out.isEmpty())
        out << QStringLiteral("Brak użytkowników.");
    return out;
}

} // namespace vorn::admin
