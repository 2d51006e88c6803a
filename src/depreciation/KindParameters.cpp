#include "depreciation/KindParameters.h"

namespace vorn {

namespace {

char firstChar(const Row& row, const QString& column)
{
    const QChar c = row.chr(column);
    return c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
}

} // namespace

const KindColumns& KindColumns::of(Kind kind)
{
    static const KindColumns book{
        QStringLiteral("WART_ZAKT"),        QStringLiteral("ZAKTUAL_UMORZ"),
        QStringLiteral("ODPISY_AKT"),       QStringLiteral("METODA_AMORT"),
        QStringLiteral("STAWKA"),           QStringLiteral("WSPOLCZYNNIK"),
        QStringLiteral("CZESTOTL_ODPISOW"), QStringLiteral("MIESIACE_UZYTK"),
        QStringLiteral("POCZ_AMORTYZACJI"), QStringLiteral("ODPIS_JEDN"),
        QStringLiteral("ODPIS_JEDN_TRYB")};
    static const KindColumns tax{
        QStringLiteral("POD_WARTOSC_ZAKT"),   QStringLiteral("POD_ZAKTUAL_UMORZ"),
        QStringLiteral("POD_ODPISY_AKT"),     QStringLiteral("POD_METODA_AMORT"),
        QStringLiteral("POD_STAWKA"),         QStringLiteral("POD_WSPOLCZYNNIK"),
        QStringLiteral("POD_CZEST_ODPISOW"),  QStringLiteral("POD_MIESIACE_UZYTK"),
        QStringLiteral("POD_POCZ_AMORT"),     QStringLiteral("POD_ODPIS_JEDN"),
        QStringLiteral("POD_ODPIS_JEDN_TRYB")};
    return kind == Kind::Book ? book : tax;
}

KindParameters KindParameters::fromRow(const Row& asset, Kind kind)
{
    const KindColumns& c = KindColumns::of(kind);
    KindParameters p;
    p.grossValue = asset.num(c.grossValue);
    p.accumulated = asset.num(c.accumulated);
    p.writeDowns = asset.num(c.writeDowns);
    p.method = firstChar(asset, c.method);
    p.rate = asset.num(c.rate);
    p.coefficient = asset.num(c.coefficient);
    p.frequency = firstChar(asset, c.frequency);
    p.useMonths = static_cast<int>(asset.integer(c.useMonths));
    p.start = asset.date(c.start);
    p.oneOffAmount = asset.num(c.oneOffAmount);
    p.oneOffMode = static_cast<int>(asset.integer(c.oneOffMode));
    return p;
}

} // namespace vorn
