#pragma once

#include "common/Row.h"

#include <QString>

namespace vorn {

class Database;
class UserMessages;

// Rights strings: 255 characters "0"/"1", character n is right n.
constexpr int kRightsLength = 255;
// The right to run this program.
constexpr int kRightRunModule = 41;

QString EmptyRights();
// Character-wise union: a "1" in either wins. Short or missing strings count as "0".
QString UniteRights(const QString& a, const QString& b);
bool RightSet(const QString& rights, int n);

// The logged-in user.
struct TV2User
{
    qint64 ID = 0;
    QString Identyfikator;
    QString Nazwa;
    bool CzyAdmin = false;
    QString ModuleRights = EmptyRights();
    QString FirmRights = EmptyRights();
    bool MayWorkOnFirm = false;
    int Module = 0;
    qint64 FirmID = 0;

    bool isSet() const { return ID != 0 || !Identyfikator.isEmpty(); }
    // Rights outside 1..255 are always granted. A missing right, with tell, shows
    // "Brak uprawnień" (code AD_0133 for module rights, AD_0134 for firm rights).
    bool HasModuleRight(int n, UserMessages* tell = nullptr) const;
    bool HasFirmRight(int n, UserMessages* tell = nullptr) const;
};

// The chosen firm: its identity and the register data printed on documents.
struct TV2Firm
{
    qint64 ID = 0;
    int Numer = 0;
    int Rodzaj = 0;
    QString NazwaPelna;
    QString NazwaSkrocona;
    Row data; // the whole row of D00002AD

    bool isSet() const { return ID != 0; }
};

// Reads the user by ID and his module rights (his own and his groups'). Throws DataError.
TV2User LoadUser(Database& ad, qint64 userId, int module);
// His rights to a firm in a module: his own and his groups'; MayWorkOnFirm when any row
// grants him the firm at all. Throws DataError.
void LoadFirmRights(Database& ad, TV2User& user, int module, qint64 firmId);
// The firm by ID; nothing when there is no such firm. Throws DataError.
std::optional<TV2Firm> LoadFirm(Database& ad, qint64 firmId);

} // namespace vorn
