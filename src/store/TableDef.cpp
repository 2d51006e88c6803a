#include "store/TableDef.h"

#include "common/Errors.h"

#include <QHash>
#include <QRegularExpression>

namespace vorn {

namespace {

struct TableSource
{
    const char* name;
    Scope scope;
    const char* columns; // "NAME type; NAME1..8 type; ..."; types int, float, date, datetime,
                         // memo, text(n)
    const char* primaryKey;
    QList<IndexDef> indexes;
};

ColumnDef parseColumn(const QString& name, const QString& type)
{
    static const QRegularExpression text(QStringLiteral("^text\\((\\d+)\\)$"));
    ColumnDef c{name, ColumnType::Integer, 0};
    if (type == QLatin1String("int"))
        c.type = ColumnType::Integer;
    else if (type == QLatin1String("float"))
        c.type = ColumnType::Float;
    else if (type == QLatin1String("date"))
        c.type = ColumnType::Date;
    else if (type == QLatin1String("datetime"))
        c.type = ColumnType::DateTime;
    else if (type == QLatin1String("memo"))
        c.type = ColumnType::Memo;
    else if (const auto m = text.match(type); m.hasMatch()) {
        c.type = ColumnType::Text;
        c.length = m.captured(1).toInt();
    } else
        throw DataError(QStringLiteral("Nieznany typ kolumny: ") + type);
    return c;
}

QList<ColumnDef> parseColumns(const QString& source)
{
    static const QRegularExpression range(QStringLiteral("^([A-Za-z_]+)(\\d+)\\.\\.(\\d+)$"));
    QList<ColumnDef> out;
    for (const QString& part : source.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(QLatin1Char(' '));
        if (words.size() != 2)
            throw DataError(QStringLiteral("Błędny opis kolumny: ") + part);
        if (const auto m = range.match(words[0]); m.hasMatch()) {
            for (int i = m.captured(2).toInt(), last = m.captured(3).toInt(); i <= last; ++i)
                out << parseColumn(m.captured(1) + QString::number(i), words[1]);
        } else
            out << parseColumn(words[0], words[1]);
    }
    return out;
}

// clang-format off
const TableSource kTables[] = {
    // Firm tables.
    {"F00001ST", Scope::Firm, "ID int; ROK int; DATA_POCZ date; DATA_KONCA date; ZAMKNIETYDO date", "ID", {}},
    {"F00002ST", Scope::Firm, "ID int; ID_PARENT int; NAZWA text(20); OPIS text(40)", "ID",
     {{"F00002ST_IDXNAZWA", {"NAZWA"}, true}, {"F00002ST_IDXPARENT", {"ID_PARENT"}}}},
    {"F00003ST", Scope::Firm, "ID int; ID_PARENT int; NAZWA text(70); OPIS text(70); USUNIETA text(1); NRANALIT text(16)", "ID",
     {{"F00003ST_IDXPARENT", {"ID_PARENT"}}}},
    {"F00004ST", Scope::Firm,
     "ID int; NR_ANALIT text(16); ID_GRUPY int; NUMER_EWID text(20); NUMER_FABRYCZNY text(30); OKRESLENIE text(40);"
     "KRST text(4); DATA_NABYCIA date; DOWOD_NABYCIA text(20); IDUZYT int; POCZ_AMORTYZACJI date; WARTOSC_POCZ float;"
     "WART_ZAKT float; DOTYCHCZAS_UMORZ float; ZAKTUAL_UMORZ float; METODA_AMORT text(1); STAWKA float;"
     "WSPOLCZYNNIK float; CZESTOTL_ODPISOW text(1); MIESIACE_UZYTK int; POD_POCZ_AMORT date; POD_WARTOSC_POCZ float;"
     "POD_WARTOSC_ZAKT float; POD_DOT_UMORZ float; POD_ZAKTUAL_UMORZ float; POD_METODA_AMORT text(1); POD_STAWKA float;"
     "POD_WSPOLCZYNNIK float; POD_CZEST_ODPISOW text(1); POD_MIESIACE_UZYTK int; DATA_LIKWIDACJI date; UWAGI text(100);"
     "KOD text(1); DATA_SPRZEDAZY date; ID_PRZYJ int; BOB text(1); KWOTABOB float; BOP text(1); KWOTABOP float;"
     "DATA_PRZYJ date; IDRODZ int; RODZ text(1); ILOSC int; KOD_KR text(50); POCZ_AMORT_R date; POD_POCZ_AMORT_R date;"
     "ULGA float; ODPISY_AKT float; POD_ULGA float; POD_ODPISY_AKT float; KST_VER int; ODPIS_JEDN float;"
     "POD_ODPIS_JEDN float; ODPIS_JEDN_TRYB int; POD_ODPIS_JEDN_TRYB int", "ID",
     {{"F00004ST_IDXOKRESLENIE", {"OKRESLENIE"}}, {"F00004ST_IDXUZYT", {"IDUZYT"}}, {"F00004ST_IDXRODZ", {"IDRODZ"}}}},
    {"F00005ST", Scope::Firm, "ID int; ID_S int; ID_G int", "ID",
     {{"F00005ST_IDXS", {"ID_S"}}, {"F00005ST_IDXG", {"ID_G"}}}},
    {"F00006ST", Scope::Firm,
     "ID int; ID_SRODKA int; ROK int; MIESIAC int; ID_WYDARZENIE int; KWOTA float; RODZAJ_AMORT text(1); UMORZENIE text(1)", "ID",
     {{"F00006ST_IDXSRRAROK", {"ID_SRODKA", "RODZAJ_AMORT", "ROK"}},
      {"F00006ST_IDXROKSRRA", {"ROK", "ID_SRODKA", "RODZAJ_AMORT"}},
      {"F00006ST_IDXSRUM", {"ID_SRODKA", "UMORZENIE"}},
      {"F00006ST_IDXSRUMRA", {"ID_SRODKA", "UMORZENIE", "RODZAJ_AMORT"}}}},
    {"F00007ST", Scope::Firm,
     "ID int; ID_SRODKA int; TYP int; KWOTA1..8 float; LONG1..4 int; ID_OPERATOR text(8); KOMENTARZ text(255);"
     "KWOTA9..24 float; ZATWIERDZONY text(1); NAZWAOP text(30); DOKUMENT text(30); DATA datetime; DATA1..4 datetime", "ID",
     {{"F00007ST_IDXSRTYPLONG3", {"ID_SRODKA", "TYP", "LONG3"}},
      {"F00007ST_IDXSRTYPDATA1", {"ID_SRODKA", "TYP", "DATA1"}}}},
    {"F00008ST", Scope::Firm,
     "ID int; NUMERDOK text(20); DATAWYST date; DATAKSIEG date; IDFIRMY int; IDUZYTK text(8); NUMER int;"
     "ZAKSIEGOWANE text(1); NAZWAOP text(30); SYMBOL text(2)", "ID", {}},
    {"F00009ST", Scope::Firm,
     "ID int; IDPK int; OPERACJA text(30); KONTOWN text(20); KONTOMA text(20); KWOTA float; IDWYD int; INFO1 text(1)", "ID",
     {{"F00009ST_IDXPK", {"IDPK"}}, {"F00009ST_IDXWYD", {"IDWYD"}}}},
    {"F00010ST", Scope::Firm, "ID int; NUMERDOK text(20); NUMER int; SYMBOL text(2); DATA date; DATAWYST date", "ID", {}},
    {"F00011ST", Scope::Firm, "ID int; NUMERDOK text(20); NUMER int; SYMBOL text(2); DATA date; DATAWYST date", "ID", {}},
    {"F00012ST", Scope::Firm, "ID int; IDUZK text(8); IDSRODKA int; KOD text(1); DATA datetime; NAZWAUZK text(20)", "ID",
     {{"F00012ST_IDXSRKOD", {"IDSRODKA", "KOD"}}, {"F00012ST_IDXUZK", {"IDUZK"}}}},
    {"F00013ST", Scope::Firm, "ID int; NUMER int", "ID", {}},
    {"F00014ST", Scope::Firm,
     "ID int; KONTO_WINIEN text(20); KONTO_MA text(20); KWOTA text(1); MNOZNIK float; OPIS_OPERACJI text(40);"
     "ID_WZORCA int; WYDARZENIE int", "ID",
     {{"F00014ST_IDXWYDKW", {"WYDARZENIE", "KWOTA"}}}},
    {"F00015ST", Scope::Firm,
     "ID int; SYMBOL text(3); NAZWA text(30); NUMERSTARTOWY int; MASKADOKUMENTU text(20); NUMERAUTO text(1);"
     "NUMERNARAST text(1); WSZYSTKIE text(1); PKWSZYSTKIE text(1); PKPOTWIERDZ text(1)", "ID",
     {{"F00015ST_IDXNAZWA", {"NAZWA"}}}},
    {"F00016ST", Scope::Firm, "ID int; NAZWA_WZORCA text(20)", "ID",
     {{"F00016ST_IDXNAZWA", {"NAZWA_WZORCA"}}}},
    {"F00017ST", Scope::Firm, "ID int; ID_PARENT int; NAZWA text(50); OPIS text(50); NRANALIT text(16)", "ID",
     {{"F00017ST_IDXPARENT", {"ID_PARENT"}}}},
    {"F00018ST", Scope::Firm, "ID int; ID_SRODKA int; NUMER text(20); UWAGI text(100)", "ID",
     {{"F00018ST_IDXSRODKA", {"ID_SRODKA"}}}},
    {"F00019st", Scope::Firm,
     "ID int; ID_WYD int; ZRODLO_NAB memo; ROK_PROD text(4); OSOBA text(60); CZAS_UZYT text(30); CHARAKT memo; ADNOT memo", "ID",
     {{"F00019st_IDXWYD", {"ID_WYD"}}}},
    {"F00020st", Scope::Firm,
     "ID int; ID_WYD int; UZYW_OD date; UZYW_DO date; KOMISJA1..3 text(60); OSOBA text(60); WNIOSKI memo;"
     "PRZYCZYNY memo; ADNOT memo; DATA_PROP date; DECYZJA text(100); DATA_LIKW date; SPOSOB text(100)", "ID",
     {{"F00020st_IDXWYD", {"ID_WYD"}}}},
    {"F00021st", Scope::Firm,
     "ID int; ID_WYD int; NUMER text(30); OSOBA_ZDAJ text(60); OSOBA_PRZYJ text(60); KOMISJA1..2 text(60);"
     "DATA_PRZYJM date; ADNOT_KOM memo; ADNOT_KS memo", "ID",
     {{"F00021st_IDXWYD", {"ID_WYD"}}}},
    {"F00022ST", Scope::Firm, "ID int; ID_WYD int; LONG1..4 int; LONG6 int; KWOTA1..30 float", "ID",
     {{"F00022ST_IDXWYDL1", {"ID_WYD", "LONG1"}}, {"F00022ST_IDXWYDL6", {"ID_WYD", "LONG6"}}}},
    {"verinf", Scope::Firm, "Wersja int", "", {}},
    // Dictionaries shared by all firms.
    {"D00001ST", Scope::Global, "ID int; IDParent int; Symbol text(10); Nazwa text(255); StopOd float; StopDo float", "ID",
     {{"D00001ST_IDXSYMBOL", {"Symbol"}}}},
    {"D00005ST", Scope::Global, "ID int; IDParent int; Symbol text(10); Nazwa text(255); StopOd float; StopDo float", "ID",
     {{"D00005ST_IDXSYMBOL", {"Symbol"}}}},
    {"D00002ST", Scope::Global, "ID int; NAZWA text(20)", "ID", {}},
    {"D00003ST", Scope::Global, "ID int; ID_NAZWY int; DATA_POCZ date; DATA_KONCA date", "ID",
     {{"D00003ST_IDXNAZWY", {"ID_NAZWY"}}}},
    {"D00004ST", Scope::Global, "ID int; ID_PRZEDZIALU int; KRST text(4); WSPOLCZ float", "ID",
     {{"D00004ST_IDXPRZEDZIALU", {"ID_PRZEDZIALU"}}}},
    // Tables of the Administrator module.
    {"D00001AD", Scope::Admin, "MODULID int; NUMER int; ARCHDATE datetime", "MODULID,NUMER", {}},
    {"D00002AD", Scope::Admin,
     "ID int; Numer int; Rodzaj int; NazwaPelna text(120); NazwaSkrocona text(100); MODULY text(20);"
     "NIP text(13); REGON text(14); KodEKD text(10); KodDokumentu text(10); SeriaDokumentu text(20); PESEL text(11);"
     "Nazwisko text(40); ImiePierwsze text(30); DataUrodzenia date; DataRozpoczeciaDzial date;"
     "Panstwo text(30); Wojewodztwo text(30); Powiat text(30); Gmina text(30); Ulica text(40); Dom text(10);"
     "Lokal text(10); KodPocztowy text(6); Miejscowosc text(40); Poczta text(40); SkrytkaPocztowa text(10);"
     "Telefon text(20); Teleks text(20); Faks text(20);"
     "BankNazwa text(60); BankOddzial text(60); BankUlica text(40); BankDom text(10); BankKodPocztowy text(6);"
     "BankMiasto text(40); BankRachunek text(40);"
     "USNazwa text(60); USNumer text(10); USUlica text(40); USDom text(10); USKodPocztowy text(6); USMiasto text(40);"
     "USBankNazwa text(60); USKonto_CIT text(40); USKonto_VAT text(40); USKonto_PIT text(40); USKonto_DJB text(40);"
     "USKonto_IND text(40); KOD_US text(4);"
     "ZUSNazwa text(60); ZUSOddzial text(60); ZUSAdres text(60); ZUSKodPocztowy text(6); ZUSMiasto text(40);"
     "ZUSTelefon text(20); ZUSNKP text(20); ZUSBankNazwa text(60); ZUSRachunek text(40);"
     "OrganRejestrowy text(100); NazwaRejestru text(100); DataRejestracji date; NumerRejestru text(30);"
     "PodatkiTyp int; Dzialy text(20); OpcjeKR text(20); PlatnikVat text(1); CzySpolka text(1); MetodaKasowa text(1);"
     "RozlKwartalne text(1); RyczaltKwart text(1);"
     "Wlasc_Panstwo text(30); Wlasc_Wojewodztwo text(30); Wlasc_Powiat text(30); Wlasc_Gmina text(30);"
     "Wlasc_Ulica text(40); Wlasc_Dom text(10); Wlasc_Lokal text(10); Wlasc_KodPocztowy text(6);"
     "Wlasc_Miejscowosc text(40); Wlasc_Poczta text(40); Wlasc_SkrytkaPocztowa text(10); Wlasc_Telefon text(20);"
     "Wlasc_Teleks text(20); Wlasc_Faks text(20); LogoId int", "ID",
     {{"D00002AD_IDXNUMER", {"Numer"}}}},
    {"D00003AD", Scope::Admin, "grupaid int; modulid int; firmaid int; uprawnienia text(255)", "grupaid,modulid,firmaid", {}},
    {"D00005AD", Scope::Admin, "id int; opcjead text(255)", "id", {}},
    {"D00006AD", Scope::Admin, "uzytkid int; grupaid int", "uzytkid,grupaid", {}},
    {"D00008AD", Scope::Admin, "modulid int; firmaid int; uzytkownikid int; uprawnienia text(255)",
     "modulid,firmaid,uzytkownikid", {}},
    {"D00011AD", Scope::Admin,
     "MODUL text(2); USERNAME text(8); LOGINTIME datetime; COMPUTERNAME text(64); IP text(45); NETFILEDIR text(255);"
     "LOCKMODUL int; FIRM int", "MODUL,USERNAME", {}},
    {"D00012AD", Scope::Admin, "MODULID int; UZYTKOWNIKID int; LASTFIRMAID int; LASTROK int", "MODULID,UZYTKOWNIKID", {}},
    {"D00013AD", Scope::Admin,
     "ID int; IDENTYFIKATOR text(8); NAZWA text(40); HASLO text(20); CZYADMIN text(1); OPCJEAD text(255)", "ID",
     {{"D00013AD_IDXIDENT", {"IDENTYFIKATOR"}}}},
};
// clang-format on

QList<TableDef> buildTables()
{
    QList<TableDef> out;
    for (const TableSource& s : kTables) {
        TableDef t;
        t.name = QString::fromLatin1(s.name);
        t.scope = s.scope;
        t.columns = parseColumns(QString::fromLatin1(s.columns));
        t.primaryKey =
            QString::fromLatin1(s.primaryKey).split(QLatin1Char(','), Qt::SkipEmptyParts);
        t.indexes = s.indexes;
        out << t;
    }
    return out;
}

} // namespace

const ColumnDef* TableDef::column(const QString& name) const
{
    for (const ColumnDef& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QStringList TableDef::columnNames() const
{
    QStringList out;
    for (const ColumnDef& c : columns)
        out << c.name;
    return out;
}

const QList<TableDef>& BaseTables()
{
    static const QList<TableDef> tables = buildTables();
    return tables;
}

const TableDef* FindTable(const QString& name)
{
    for (const TableDef& t : BaseTables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QList<const TableDef*> ScopeTables(Scope scope)
{
    QList<const TableDef*> out;
    for (const TableDef& t : BaseTables())
        if (t.scope == scope)
            out << &t;
    return out;
}

bool IsDateColumnName(const QString& column)
{
    static const QHash<QString, bool> dates = [] {
        QHash<QString, bool> out;
        for (const TableDef& t : BaseTables())
            for (const ColumnDef& c : t.columns)
                if (c.type == ColumnType::Date || c.type == ColumnType::DateTime)
                    out.insert(c.name.toUpper(), true);
        return out;
    }();
    return dates.contains(column.toUpper());
}

QString ColumnTypeName(ColumnType type)
{
    switch (type) {
    case ColumnType::Integer:
        return QStringLiteral("integer");
    case ColumnType::Text:
        return QStringLiteral("text");
    case ColumnType::Float:
        return QStringLiteral("float");
    case ColumnType::Date:
        return QStringLiteral("date");
    case ColumnType::DateTime:
        return QStringLiteral("date-time");
    case ColumnType::Memo:
        return QStringLiteral("memo");
    }
    return {};
}

} // namespace vorn
