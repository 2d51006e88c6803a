#include "shell/UserAndFirm.h"

#include "common/Messages.h"
#include "store/Database.h"

namespace vorn {

QString EmptyRights()
{
    return QString(kRightsLength, QLatin1Char('0'));
}

QString UniteRights(const QString& a, const QString& b)
{
    QString out = EmptyRights();
    for (int i = 0; i < kRightsLength; ++i) {
        const bool set = (i < a.size() && a.at(i) == QLatin1Char('1')) ||
                         (i < b.size() && b.at(i) == QLatin1Char('1'));
        if (set)
            out[i] = QLatin1Char('1');
    }
    return out;
}

bool RightSet(const QString& rights, int n)
{
    if (n < 1 || n > kRightsLength)
        return true;
    return n <= rights.size() && rights.at(n - 1) == QLatin1Char('1');
}

namespace {

bool checkRight(const QString& rights, int n, UserMessages* tell, const QString& code)
{
    if (RightSet(rights, n))
        return true;
    if (tell)
        tell->error(QStringLiteral("Brak uprawnień"), code);
    return false;
}

} // namespace

bool TV2User::HasModuleRight(int n, UserMessages* tell) const
{
    return checkRight(ModuleRights, n, tell, QStringLiteral("AD_0133"));
}

bool TV2User::HasFirmRight(int n, UserMessages* tell) const
{
    return checkRight(FirmRights, n, tell, QStringLiteral("AD_0134"));
}

TV2User LoadUser(Database& ad, qint64 userId, int module)
{
    const auto row =
        ad.firstRow(QStringLiteral("SELECT ID, IDENTYFIKATOR, NAZWA, CZYADMIN, OPCJEAD "
                                   "FROM D00013AD WHERE ID = :id"),
                    {{QStringLiteral("id"), userId}});
    if (!row)
        throw DataError(QStringLiteral("Nie znaleziono użytkownika."), QStringLiteral("AD_0004"));
    TV2User user;
    user.ID = row->integer(QStringLiteral("ID"));
    user.Identyfikator = row->str(QStringLiteral("IDENTYFIKATOR")).trimmed();
    user.Nazwa = row->str(QStringLiteral("NAZWA"));
    user.CzyAdmin = row->str(QStringLiteral("CZYADMIN")) == QStringLiteral("T");
    user.Module = module;
    user.ModuleRights = UniteRights(row->str(QStringLiteral("OPCJEAD")), {});
    const auto groups =
        ad.rows(QStringLiteral("SELECT G.opcjead AS OPCJEAD FROM D00005AD G, "
                               "D00006AD R WHERE G.id = R.grupaid AND R.uzytkid = :id"),
                {{QStringLiteral("id"), userId}});
    for (const Row& g : groups)
        user.ModuleRights = UniteRights(user.ModuleRights, g.str(QStringLiteral("OPCJEAD")));
    return user;
}

void LoadFirmRights(Database& ad, TV2User& user, int module, qint64 firmId)
{
    const QVariantMap params{{QStringLiteral("modul"), module},
                             {QStringLiteral("firma"), firmId},
                             {QStringLiteral("user"), user.ID}};
    const auto own = ad.rows(QStringLiteral("SELECT uprawnienia AS UPRAWNIENIA FROM D00008AD WHERE "
                                            "modulid = :modul AND firmaid = :firma AND "
                                            "uzytkownikid = :user"),
                             params);
    const auto groups =
        ad.rows(QStringLiteral("SELECT G.uprawnienia AS UPRAWNIENIA FROM D00003AD G, "
                               "D00006AD R WHERE G.modulid = :modul AND G.firmaid = "
                               ":firma AND G.grupaid = R.grupaid AND R.uzytkid = :user"),
                params);
    user.FirmRights = EmptyRights();
    for (const Row& r : own)
        user.FirmRights = UniteRights(user.FirmRights, r.str(QStringLiteral("UPRAWNIENIA")));
    for (const Row& r : groups)
        user.FirmRights = UniteRights(user.FirmRights, r.str(QStringLiteral("UPRAWNIENIA")));
    user.MayWorkOnFirm = !own.isEmpty() || !groups.isEmpty();
    user.FirmID = firmId;
}

std::optional<TV2Firm> LoadFirm(Database& ad, qint64 firmId)
{
    const auto row = ad.firstRow(QStringLiteral("SELECT * FROM D00002AD WHERE ID = :id"),
                                 {{QStringLiteral("id"), firmId}});
    if (!row)
        return std::nullopt;
    TV2Firm firm;
    firm.data = *row;
    // Column names come back in the table's own spelling, upper-cased by the store.
    firm.ID = row->integer(QStringLiteral("ID"));
    firm.Numer = int(row->integer(QStringLiteral("NUMER")));
    firm.Rodzaj = int(row->integer(QStringLiteral("RODZAJ")));
    firm.NazwaPelna = row->str(QStringLiteral("NAZWAPELNA"));
    firm.NazwaSkrocona = row->str(QStringLiteral("NAZWASKROCONA"));
    return firm;
}

} // namespace vorn
