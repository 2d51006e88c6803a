#include "store/FieldHandlers.h"

#include "common/Errors.h"
#include "common/Money.h"
#include "store/Database.h"

namespace vorn {

std::optional<double> ParseAmountField(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    double value = 0;
    if (!ParseAmount(text.trimmed(), &value))
        throw ValidationError(kBadValue);
    return value;
}

void RoundAssetBeforePost(Row& asset)
{
    for (const char* column :
         {"WART_ZAKT", "POD_WARTOSC_ZAKT", "ZAKTUAL_UMORZ", "POD_ZAKTUAL_UMORZ"}) {
        const QString c = QString::fromLatin1(column);
        if (!asset.isNull(c))
            asset.set(c, RoundAmount(2, asset.num(c)));
    }
}

QString MethodName(const QString& code)
{
    if (code == QLatin1String("L"))
        return QStringLiteral("Liniowa");
    if (code == QLatin1String("D"))
        return QStringLiteral("Degresywna");
    if (code == QLatin1String("J"))
        return QStringLiteral("Jednorazowa");
    return {};
}

QString MethodFromText(const QString& text, const QString& current, bool taxMethod)
{
    if (text.isEmpty())
        return taxMethod ? QString() : current;
    return text.left(1);
}

QString PlaceName(Database& db, const QVariant& placeId, PlaceView view)
{
    const QString none = view == PlaceView::EditedAsset ? QStringLiteral("brak") : QString();
    if (placeId.isNull() || placeId.toLongLong() == 0)
        return none;
    const QVariant name = db.scalar(QStringLiteral("SELECT NAZWA FROM F00003ST WHERE ID = :id"),
                                    {{QStringLiteral("id"), placeId.toLongLong()}});
    return name.isValid() ? name.toString() : none;
}

QString KindName(Database& db, const QVariant& kindId)
{
    if (kindId.isNull())
        return {};
    return db
        .scalar(QStringLiteral("SELECT NAZWA FROM F00017ST WHERE ID = :id"),
                {{QStringLiteral("id"), kindId.toLongLong()}})
        .toString();
}

QString KstVersionText(const QVariant& version)
{
    if (!version.isNull()) {
        bool ok = false;
        const int v = version.toInt(&ok);
        if (ok && v == 1)
            return QStringLiteral("Tabela 2000");
        if (ok && v == 2)
            return QStringLiteral("Tabela 2002");
    }
    return QStringLiteral("Nieznana");
}

bool IsFullyDepreciated(const Row& a)
{
    const auto r = [&](const char* c) { return RoundAmount(2, a.num(QString::fromLatin1(c))); };
    return r("WART_ZAKT") ==
               RoundAmount(2, static_cast<long double>(r("ZAKTUAL_UMORZ")) + r("ODPISY_AKT")) &&
           r("POD_WARTOSC_ZAKT") ==
               RoundAmount(2,
                           static_cast<long double>(r("POD_ZAKTUAL_UMORZ")) + r("POD_ODPISY_AKT"));
}

QString AssetStateText(const Row& asset)
{
    QString text;
    if (IsFullyDepreciated(asset))
        text = QStringLiteral("U");
    const QString kod = asset.str(QStringLiteral("KOD"));
    if (kod == QLatin1String("P"))
        text = QStringLiteral("P");
    const auto append = [&](const QString& mark) {
        text = text.isEmpty() ? mark : text + QStringLiteral(" | ") + mark;
    };
    if (kod == QLatin1String("L"))
        append(QStringLiteral("Z"));
    if (kod == QLatin1String("S"))
        append(QStringLiteral("S"));
    return text;
}

QString LockModeText(const QString& code)
{
    static const QList<QPair<QString, QString>> texts{
        {"A", "Aktualizacja"},
        {"B", "Edycja planów"},
        {"P", "Edycja planów"},
        {"D", "Usuwanie środka"},
        {"E", "Edycja"},
        {"J", "Dokonywane przyjęcie"},
        {"L", "Likwidacja"},
        {"M", "Zmiana miejsca użytkowania"},
        {"S", "Sprzedaż"},
        {"U", "Dokonywane umorzenia"},
        {"X", "Sporządzany wydruk"},
        {"Z", "Zmiana wartości"},
    };
    for (const auto& [c, t] : texts)
        if (c == code)
            return t;
    return {};
}

LockColumns AssetLockColumns(Database& db, qint64 assetId)
{
    const auto lock = db.firstRow(
        QStringLiteral("SELECT KOD, NAZWAUZK FROM F00012ST WHERE IDSRODKA = :ids ORDER BY ID"),
        {{QStringLiteral("ids"), assetId}});
    if (!lock)
        return {};
    return {LockModeText(lock->str(QStringLiteral("KOD"))), lock->str(QStringLiteral("NAZWAUZK"))};
}

bool AssetHasPlan(Database& db, qint64 assetId, int fiscalYear)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM F00007ST WHERE ID_SRODKA = :ids AND "
                                    "TYP IN (2, 3) AND LONG3 = :rok"),
                     {{QStringLiteral("ids"), assetId}, {QStringLiteral("rok"), fiscalYear}})
               .toInt() > 0;
}

bool AcceptAssetRow(const Row& asset, const AssetFilterSettings& s,
                    const std::function<bool(qint64)>& hasPlan)
{
    if (!s.browserOpen)
        return true;
    bool accepted = true;
    if (!s.all && s.accepted && !(s.withPlans && s.withoutPlans) &&
        (s.withPlans || s.withoutPlans)) {
        const bool plan = hasPlan(asset.integer(QStringLiteral("ID")));
        const bool notAccepted = asset.str(QStringLiteral("KOD")) != QLatin1String("P");
        accepted = s.withPlans ? (plan || notAccepted) : (!plan || notAccepted);
    }
    if (accepted && !s.showDepreciated)
        accepted =
            asset.num(QStringLiteral("ZAKTUAL_UMORZ")) != asset.num(QStringLiteral("WART_ZAKT")) ||
            asset.num(QStringLiteral("POD_ZAKTUAL_UMORZ")) !=
                asset.num(QStringLiteral("POD_WARTOSC_ZAKT"));
    return accepted;
}

} // namespace vorn
