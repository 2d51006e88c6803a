#include "store/NamedQueries.h"

#include "common/Errors.h"
#include "store/Database.h"

namespace vorn {

namespace {

struct NamedQuery
{
    const char* name;
    const char* table; // the table of a live query's rows, else nullptr
    const char* sql;
};

// clang-format off
const NamedQuery kQueries[] = {
    {"qryWydarzenia", "F00007ST",
     "SELECT * FROM F00007ST WHERE ID_SRODKA = :IdSrodka AND TYP = :typ ORDER BY ID"},
    {"qryCzyIstniejeSrodek", nullptr, "SELECT * FROM F00004ST WHERE OKRESLENIE = :NazwaBiezaca"},
    {"qryKasujRelacje", "F00005ST", "SELECT * FROM F00005ST WHERE ID_S = :Ident"},
    {"qryKasujSrodki", "F00004ST", "SELECT * FROM F00004ST WHERE ID = :Ident"},
    {"qryZnajdzRodzica", nullptr, "SELECT ID_PARENT FROM F00002ST WHERE ID = :BiezaceID"},
    {"qrySzukajDzieci", nullptr, "SELECT ID FROM F00002ST WHERE ID_PARENT = :BiezID_G"},
    {"qrySzukajSrodki", nullptr, "SELECT ID_S FROM F00005ST"},
    {"qryPK", nullptr, "SELECT * FROM F00009ST WHERE IDPK = :id"},
    {"qryPlanyAm", "F00006ST", "SELECT * FROM F00006ST WHERE ID_SRODKA = :Id_S AND RODZAJ_AMORT = :Ram"},
    {"qryPlanAmortyzacji", nullptr,
     "SELECT ID, MIESIAC, KWOTA, UMORZENIE FROM F00006ST WHERE ID_SRODKA = :ids AND ROK = :irok "
     "AND RODZAJ_AMORT = :iramort ORDER BY ID"},
    {"qryMiesiacPlanUmorz", nullptr,
     "SELECT MIESIAC, ROK FROM F00006ST WHERE ID_SRODKA = :ids AND RODZAJ_AMORT = :iramort AND UMORZENIE = 'U'"},
    {"qryMiesUmorz", nullptr,
     "SELECT * FROM F00006ST WHERE ID_SRODKA = :ids AND RODZAJ_AMORT = :iramort AND MIESIAC = :imiesiac "
     "AND ROK = :irok AND UMORZENIE = :iumorzenie"},
    // An asset without a state (entered, not accepted) is neither sold nor liquidated.
    {"qryMiesiacZakoncz", nullptr,
     "SELECT P.ID FROM F00006ST P, F00004ST S WHERE P.ID_SRODKA = S.ID AND P.ROK = :rok AND "
     "P.MIESIAC = :miesiac AND COALESCE(S.KOD, '') NOT IN ('S', 'L') AND P.KWOTA >= 0 AND P.UMORZENIE = 'U'"},
    {"qryPrzeliczPlanOSB", "F00006ST",
     "SELECT * FROM F00006ST WHERE ID_SRODKA = :ids AND RODZAJ_AMORT = 'B' AND ROK = :r"},
    {"qryPrzeliczPlanOSP", "F00006ST",
     "SELECT * FROM F00006ST WHERE ID_SRODKA = :ids AND RODZAJ_AMORT = 'P' AND ROK = :r"},
    {"qrySumUmorzen", nullptr, "SELECT ID FROM F00006ST WHERE ID < -1"},
    {"qryZnajdzAktZm", nullptr,
     "SELECT TYP, KWOTA1, KWOTA2, KWOTA3, KWOTA7, KWOTA8, KWOTA9, KWOTA10, KWOTA15, KWOTA16, KWOTA18, "
     "KWOTA19, KWOTA20, DATA1, DATA2 FROM F00007ST WHERE ID_SRODKA = :Ids AND TYP IN (6, 7) AND "
     "DATA2 >= :p AND DATA2 <= :k ORDER BY DATA2"},
    {"qryZnajdzOdpisStorno", nullptr,
     "SELECT ID, TYP, KWOTA1, KWOTA2, KWOTA3, KWOTA5, KWOTA7, KWOTA8, KWOTA9, KWOTA10, KWOTA15, KWOTA16, "
     "KWOTA17, KWOTA19, KWOTA20, DATA1, DATA2 FROM F00007ST WHERE ID_SRODKA = :Ids AND TYP IN (14, 15) "
     "AND DATA1 >= :p AND DATA1 <= :k ORDER BY ID"},
    {"qrySumaKorekt", nullptr, nullptr}, // built below
    {"qryOdlacz", "F00005ST", "SELECT * FROM F00005ST"},
    {"qryUsunSr", "F00003ST", "SELECT * FROM F00003ST"},
};
// clang-format on

QString sumaKorektSql()
{
    QStringList sums;
    for (int i = 1; i <= 24; ++i)
        sums << QStringLiteral("SUM(KWOTA%1) AS K%1").arg(i);
    return QStringLiteral("SELECT ") + sums.join(QStringLiteral(", ")) +
           QStringLiteral(" FROM F00007ST WHERE ID_SRODKA = :Ids AND TYP = :Typ AND "
                          "DATA1 >= :DataOd AND DATA1 <= :DataDo");
}

const NamedQuery& find(const QString& name)
{
    for (const NamedQuery& q : kQueries)
        if (name == QLatin1String(q.name))
            return q;
    throw DataError(QStringLiteral("Nieznane zapytanie: ") + name);
}

} // namespace

QStringList NamedQueryNames()
{
    QStringList out;
    for (const NamedQuery& q : kQueries)
        out << QString::fromLatin1(q.name);
    return out;
}

QString NamedQuerySql(const QString& name)
{
    const NamedQuery& q = find(name);
    return q.sql ? QString::fromLatin1(q.sql) : sumaKorektSql();
}

bool NamedQueryIsLive(const QString& name)
{
    return find(name).table != nullptr;
}

QList<Row> RunNamedQuery(Database& db, const QString& name, const QVariantMap& params)
{
    const NamedQuery& q = find(name);
    return db.rows(NamedQuerySql(name), params,
                   q.table ? FindTable(QString::fromLatin1(q.table)) : nullptr);
}

RowSet LoadNamedRowSet(Database& db, const QString& name, const QVariantMap& params)
{
    const NamedQuery& q = find(name);
    if (!q.table)
        throw DataError(QStringLiteral("Zapytanie %1 nie zapisuje zmian.").arg(name));
    RowSet set(QString::fromLatin1(q.table));
    for (const Row& r : RunNamedQuery(db, name, params))
        set.adopt(r);
    return set;
}

QString LineQuery::sql() const
{
    QStringList used;
    for (const QString& l : m_lines)
        if (!l.trimmed().isEmpty())
            used << l;
    return used.join(QLatin1Char('\n'));
}

LineQuery SrodkiFiltrQuery()
{
    QStringList lines{
        QStringLiteral("SELECT distinct S.*"), QStringLiteral("FROM"), QStringLiteral("F00004ST S"),
        QStringLiteral("WHERE"), QStringLiteral("(DATA_NABYCIA<=:data1)"),
        // Null-safe: an asset without a state or without a sale date is never left out here.
        QStringLiteral("AND NOT ((COALESCE(KOD,'')='S') AND (DATA_SPRZEDAZY IS NOT NULL) AND "
                       "(DATA_SPRZEDAZY<:data2)) AND NOT ((COALESCE(KOD,'')='L') AND "
                       "(DATA_LIKWIDACJI IS NOT NULL) AND (DATA_LIKWIDACJI<:data2))"),
        QString(), QString(), QString(), QString(), QStringLiteral("ORDER BY OKRESLENIE")};
    while (lines.size() < 25)
        lines << QString();
    return LineQuery(lines);
}

LineQuery JestWydarzenieQuery()
{
    return LineQuery({QStringLiteral("SELECT"), QStringLiteral("*"), QStringLiteral("FROM"),
                      QStringLiteral("F00007ST"), QStringLiteral("WHERE"),
                      QStringLiteral("ID_SRODKA=:Ids AND TYP=:Typ"), QString()});
}

} // namespace vorn
