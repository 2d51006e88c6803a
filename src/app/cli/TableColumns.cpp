#include "app/cli/TableColumns.h"

#include <initializer_list>

namespace vorn::cli {

namespace {

void add(TableColumns& t, ColumnType type, std::initializer_list<const char*> names)
{
    for (const char* n : names)
        t.insert(QString::fromLatin1(n), type);
}

} // namespace

const TableColumns& AssetColumns()
{
    static const TableColumns columns = [] {
        TableColumns t;
        add(t, ColumnType::Integer,
            {"ID", "ID_GRUPY", "IDUZYT", "MIESIACE_UZYTK", "POD_MIESIACE_UZYTK", "ID_PRZYJ",
             "IDRODZ", "ILOSC", "KST_VER", "ODPIS_JEDN_TRYB", "POD_ODPIS_JEDN_TRYB"});
        add(t, ColumnType::Float, {"WARTOSC_POCZ",      "WART_ZAKT",        "DOTYCHCZAS_UMORZ",
                                   "ZAKTUAL_UMORZ",     "STAWKA",           "WSPOLCZYNNIK",
                                   "POD_WARTOSC_POCZ",  "POD_WARTOSC_ZAKT", "POD_DOT_UMORZ",
                                   "POD_ZAKTUAL_UMORZ", "POD_STAWKA",       "POD_WSPOLCZYNNIK",
                                   "KWOTABOB",          "KWOTABOP",         "ULGA",
                                   "ODPISY_AKT",        "POD_ULGA",         "POD_ODPISY_AKT",
                                   "ODPIS_JEDN",        "POD_ODPIS_JEDN"});
        add(t, ColumnType::Text,
            {"NR_ANALIT", "NUMER_EWID", "NUMER_FABRYCZNY", "OKRESLENIE", "KRST", "DOWOD_NABYCIA",
             "METODA_AMORT", "CZESTOTL_ODPISOW", "POD_METODA_AMORT", "POD_CZEST_ODPISOW", "UWAGI",
             "KOD", "BOB", "BOP", "RODZ", "KOD_KR"});
        add(t, ColumnType::Date,
            {"DATA_NABYCIA", "POCZ_AMORTYZACJI", "POD_POCZ_AMORT", "DATA_LIKWIDACJI",
             "DATA_SPRZEDAZY", "DATA_PRZYJ", "POCZ_AMORT_R", "POD_POCZ_AMORT_R"});
        return t;
    }();
    return columns;
}

const TableColumns& EventColumns()
{
    static const TableColumns columns = [] {
        TableColumns t;
        add(t, ColumnType::Integer, {"ID", "ID_SRODKA", "TYP", "LONG1", "LONG2", "LONG3", "LONG4"});
        for (int i = 1; i <= 24; ++i)
            t.insert(QStringLiteral("KWOTA%1").arg(i), ColumnType::Float);
        add(t, ColumnType::Text,
            {"ID_OPERATOR", "KOMENTARZ", "ZATWIERDZONY", "NAZWAOP", "DOKUMENT"});
        add(t, ColumnType::DateTime, {"DATA", "DATA1", "DATA2", "DATA3", "DATA4"});
        return t;
    }();
    return columns;
}

const TableColumns& FiscalYearColumns()
{
    static const TableColumns columns = [] {
        TableColumns t;
        add(t, ColumnType::Integer, {"ID", "ROK"});
        add(t, ColumnType::Date, {"DATA_POCZ", "DATA_KONCA", "ZAMKNIETYDO"});
        return t;
    }();
    return columns;
}

} // namespace vorn::cli
