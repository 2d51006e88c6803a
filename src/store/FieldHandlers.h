#pragma once

#include "common/Row.h"

#include <QString>
#include <functional>
#include <optional>

namespace vorn {

class Database;

inline const QString kBadValue = QStringLiteral("Błędna wartość.");
inline const QString kNegativeValue = QStringLiteral("Ujemna wartość.");

// An amount typed into an amount field; an empty text clears the field (nothing).
// Anything else that is not a number throws ValidationError "Błędna wartość.".
std::optional<double> ParseAmountField(const QString& text);

// Before an asset row is written: the current values and accumulated depreciation of both
// kinds are rounded to the grosz.
void RoundAssetBeforePost(Row& asset);

// "Liniowa", "Degresywna", "Jednorazowa" for L, D, J; empty for anything else.
QString MethodName(const QString& code);
// The code stored when a method is typed: its first character. An empty text keeps the book
// method as it is and clears the tax method (an asset without tax depreciation).
QString MethodFromText(const QString& text, const QString& current, bool taxMethod);

// Names shown for numbers. The place and kind look-ups include deleted places.
enum class PlaceView
{
    EditedAsset, // "brak" when the place is missing or 0
    Browser      // empty when missing
};
QString PlaceName(Database& db, const QVariant& placeId, PlaceView view);
QString KindName(Database& db, const QVariant& kindId);

// "Tabela 2000" for 1, "Tabela 2002" for 2, "Nieznana" for anything else or nothing.
QString KstVersionText(const QVariant& version);

// The browser's state column: "U" fully depreciated, "P" accepted (replacing "U"), then
// " | Z" liquidated and " | S" sold appended (without the bar when the text is empty).
QString AssetStateText(const Row& asset);
// Both kinds' current value equals accumulated depreciation plus impairment write-downs,
// each amount rounded to the grosz.
bool IsFullyDepreciated(const Row& asset);

// The browser's lock columns: the kind of operation and the user who holds it.
struct LockColumns
{
    QString mode;
    QString user;
};
QString LockModeText(const QString& code);
LockColumns AssetLockColumns(Database& db, qint64 assetId);

// The browser's filter settings of the asset-state panel.
struct AssetFilterSettings
{
    bool browserOpen = true;
    bool all = true;             // "wszystkie"
    bool accepted = false;       // "Przyjęte"
    bool withPlans = false;      // "Z planami"
    bool withoutPlans = false;   // "Bez planów"
    bool showDepreciated = true; // "Pokazuj umorzone"
};
// Whether an asset has a book or tax plan in the fiscal year (plan events 2 and 3, found by
// their year in LONG3).
bool AssetHasPlan(Database& db, qint64 assetId, int fiscalYear);
// Whether the browser shows the row; hasPlan is asked only when the settings need it.
bool AcceptAssetRow(const Row& asset, const AssetFilterSettings& settings,
                    const std::function<bool(qint64 assetId)>& hasPlan);

} // namespace vorn
