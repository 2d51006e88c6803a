#include "StoreTestEnv.h"

#include "store/RowSet.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vorn;
using namespace vorn::test;

namespace {

// The layout every scope must have, written out table by table as the documentation of the
// data gives it. "text" without a length accepts any length; "NAME1..8" stands for eight
// numbered columns.
struct ExpectedTable
{
    Scope scope;
    const char* name;
    const char* columns;
};

// clang-format off
const ExpectedTable kExpected[] = {
    {Scope::Firm, "F00001ST", "ID integer, ROK integer, DATA_POCZ date, DATA_KONCA date, ZAMKNIETYDO date"},
    {Scope::Firm, "F00002ST", "ID integer, ID_PARENT integer, NAZWA text(20), OPIS text(40)"},
    {Scope::Firm, "F00003ST", "ID integer, ID_PARENT integer, NAZWA text(70), OPIS text(70), USUNIETA text(1), NRANALIT text(16)"},
    {Scope::Firm, "F00017ST", "ID integer, ID_PARENT integer, NAZWA text(50), OPIS text(50), NRANALIT text(16)"},
    {Scope::Firm, "F00004ST",
     "ID integer, NR_ANALIT text(16), ID_GRUPY integer, NUMER_EWID text(20), NUMER_FABRYCZNY text(30), "
     "OKRESLENIE text(40), KRST text(4), DATA_NABYCIA date, DOWOD_NABYCIA text(20), IDUZYT integer, "
     "POCZ_AMORTYZACJI date, WARTOSC_POCZ float, WART_ZAKT float, DOTYCHCZAS_UMORZ float, ZAKTUAL_UMORZ float, "
     "METODA_AMORT text(1), STAWKA float, WSPOLCZYNNIK float, CZESTOTL_ODPISOW text(1), MIESIACE_UZYTK integer, "
     "POD_POCZ_AMORT date, POD_WARTOSC_POCZ float, POD_WARTOSC_ZAKT float, POD_DOT_UMORZ float, "
     "POD_ZAKTUAL_UMORZ float, POD_METODA_AMORT text(1), POD_STAWKA float, POD_WSPOLCZYNNIK float, "
     "POD_CZEST_ODPISOW text(1), POD_MIESIACE_UZYTK integer, DATA_LIKWIDACJI date, UWAGI text(100), KOD text(1), "
     "DATA_SPRZEDAZY date, ID_PRZYJ integer, BOB text(1), KWOTABOB float, BOP text(1), KWOTABOP float, "
     "DATA_PRZYJ date, IDRODZ integer, RODZ text(1), ILOSC integer, KOD_KR text(50), POCZ_AMORT_R date, "
     "POD_POCZ_AMORT_R date, ULGA float, ODPISY_AKT float, POD_ULGA float, POD_ODPISY_AKT float, KST_VER integer, "
     "ODPIS_JEDN float, POD_ODPIS_JEDN float, ODPIS_JEDN_TRYB integer, POD_ODPIS_JEDN_TRYB integer"},
    {Scope::Firm, "F00005ST", "ID integer, ID_S integer, ID_G integer"},
    {Scope::Firm, "F00013ST", "ID integer, NUMER integer"},
    {Scope::Firm, "F00018ST", "ID integer, ID_SRODKA integer, NUMER text, UWAGI text"},
    {Scope::Firm, "F00019st", "ID integer, ID_WYD integer, ZRODLO_NAB memo, ROK_PROD text(4), OSOBA text, CZAS_UZYT text, CHARAKT memo, ADNOT memo"},
    {Scope::Firm, "F00020st",
     "ID integer, ID_WYD integer, UZYW_OD date, UZYW_DO date, KOMISJA1..3 text, OSOBA text, WNIOSKI memo, "
     "PRZYCZYNY memo, ADNOT memo, DATA_PROP date, DECYZJA text, DATA_LIKW date, SPOSOB text"},
    {Scope::Firm, "F00021st",
     "ID integer, ID_WYD integer, NUMER text, OSOBA_ZDAJ text, OSOBA_PRZYJ text, KOMISJA1..2 text, "
     "DATA_PRZYJM date, ADNOT_KOM memo, ADNOT_KS memo"},
    {Scope::Firm, "F00006ST",
     "ID integer, ID_SRODKA integer, ROK integer, MIESIAC integer, ID_WYDARZENIE integer, KWOTA float, "
     "RODZAJ_AMORT text(1), UMORZENIE text(1)"},
    {Scope::Firm, "F00007ST",
     "ID integer, ID_SRODKA integer, TYP integer, KWOTA1..8 float, LONG1..4 integer, ID_OPERATOR text(8), "
     "KOMENTARZ text(255), KWOTA9..24 float, ZATWIERDZONY text(1), NAZWAOP text(30), DOKUMENT text(30), "
     "DATA date-time, DATA1..4 date-time"},
    {Scope::Firm, "F00022ST", "ID integer, ID_WYD integer, LONG1..4 integer, LONG6 integer, KWOTA1..30 float"},
    {Scope::Firm, "F00010ST", "ID integer, NUMERDOK text(20), NUMER integer, SYMBOL text(2), DATA date, DATAWYST date"},
    {Scope::Firm, "F00011ST", "ID integer, NUMERDOK text(20), NUMER integer, SYMBOL text(2), DATA date, DATAWYST date"},
    {Scope::Firm, "F00008ST",
     "ID integer, NUMERDOK text(20), DATAWYST date, DATAKSIEG date, IDFIRMY integer, IDUZYTK text(8), "
     "NUMER integer, ZAKSIEGOWANE text(1), NAZWAOP text(30), SYMBOL text(2)"},
    {Scope::Firm, "F00009ST",
     "ID integer, IDPK integer, OPERACJA text(30), KONTOWN text(20), KONTOMA text(20), KWOTA float, "
     "IDWYD integer, INFO1 text(1)"},
    {Scope::Firm, "F00014ST",
     "ID integer, KONTO_WINIEN text(20), KONTO_MA text(20), KWOTA text(1), MNOZNIK float, "
     "OPIS_OPERACJI text(40), ID_WZORCA integer, WYDARZENIE integer"},
    {Scope::Firm, "F00016ST", "ID integer, NAZWA_WZORCA text(20)"},
    {Scope::Firm, "F00015ST",
     "ID integer, SYMBOL text(3), NAZWA text(30), NUMERSTARTOWY integer, MASKADOKUMENTU text(20), "
     "NUMERAUTO text(1), NUMERNARAST text(1), WSZYSTKIE text(1), PKWSZYSTKIE text(1), PKPOTWIERDZ text(1)"},
    {Scope::Firm, "F00012ST", "ID integer, IDUZK text(8), IDSRODKA integer, KOD text(1), DATA date-time, NAZWAUZK text(20)"},
    {Scope::Firm, "verinf", "Wersja integer"},
    {Scope::Global, "D00001ST", "ID integer, IDParent integer, Symbol text, Nazwa text, StopOd float, StopDo float"},
    {Scope::Global, "D00005ST", "ID integer, IDParent integer, Symbol text, Nazwa text, StopOd float, StopDo float"},
    {Scope::Global, "D00002ST", "ID integer, NAZWA text(20)"},
    {Scope::Global, "D00003ST", "ID integer, ID_NAZWY integer, DATA_POCZ date, DATA_KONCA date"},
    {Scope::Global, "D00004ST", "ID integer, ID_PRZEDZIALU integer, KRST text(4), WSPOLCZ float"},
    {Scope::Admin, "D00013AD", "ID integer, IDENTYFIKATOR text(8), NAZWA text(40), HASLO text, CZYADMIN text, OPCJEAD text"},
    {Scope::Admin, "D00006AD", "uzytkid integer, grupaid integer"},
    {Scope::Admin, "D00005AD", "id integer, opcjead text"},
    {Scope::Admin, "D00003AD", "grupaid integer, modulid integer, firmaid integer, uprawnienia text"},
    {Scope::Admin, "D00008AD", "modulid integer, firmaid integer, uzytkownikid integer, uprawnienia text"},
    {Scope::Admin, "D00002AD",
     "ID integer, Numer integer, Rodzaj integer, NazwaPelna text(120), NazwaSkrocona text(100), MODULY text, "
     "NIP text, REGON text, KodEKD text, KodDokumentu text, SeriaDokumentu text, PESEL text, Nazwisko text, "
     "ImiePierwsze text, DataUrodzenia date, DataRozpoczeciaDzial date, Panstwo text, Wojewodztwo text, "
     "Powiat text, Gmina text, Ulica text, Dom text, Lokal text, KodPocztowy text, Miejscowosc text, Poczta text, "
     "SkrytkaPocztowa text, Telefon text, Teleks text, Faks text, BankNazwa text, BankOddzial text, "
     "BankUlica text, BankDom text, BankKodPocztowy text, BankMiasto text, BankRachunek text, USNazwa text, "
     "USNumer text, USUlica text, USDom text, USKodPocztowy text, USMiasto text, USBankNazwa text, "
     "USKonto_CIT text, USKonto_VAT text, USKonto_PIT text, USKonto_DJB text, USKonto_IND text, KOD_US text, "
     "ZUSNazwa text, ZUSOddzial text, ZUSAdres text, ZUSKodPocztowy text, ZUSMiasto text, ZUSTelefon text, "
     "ZUSNKP text, ZUSBankNazwa text, ZUSRachunek text, OrganRejestrowy text, NazwaRejestru text, "
     "DataRejestracji date, NumerRejestru text, PodatkiTyp integer, Dzialy text, OpcjeKR text, "
     "PlatnikVat text, CzySpolka text, MetodaKasowa text, RozlKwartalne text, RyczaltKwart text, "
     "Wlasc_Panstwo text, Wlasc_Faks text, LogoId integer"},
    {Scope::Admin, "D00011AD",
     "MODUL text, USERNAME text(8), LOGINTIME date-time, COMPUTERNAME text, IP text, NETFILEDIR text, "
     "LOCKMODUL integer, FIRM integer"},
    {Scope::Admin, "D00012AD", "MODULID integer, UZYTKOWNIKID integer, LASTFIRMAID integer, LASTROK integer"},
    {Scope::Admin, "D00001AD", "ARCHDATE date-time"},
};
// clang-format on

struct ExpectedColumn
{
    QString name;
    QString type;   // "integer", "text", "float", "date", "date-time", "memo"
    int length = 0; // text only; 0 = any
};

QList<ExpectedColumn> expand(const char* source)
{
    static const QRegularExpression range(QStringLiteral("^([A-Za-z_]+)(\\d+)\\.\\.(\\d+)$"));
    static const QRegularExpression text(QStringLiteral("^text\\((\\d+)\\)$"));
    QList<ExpectedColumn> out;
    for (const QString& part : QString::fromLatin1(source).split(QStringLiteral(", "))) {
        const QStringList w = part.split(QLatin1Char(' '));
        ExpectedColumn c{w[0], w[1], 0};
        if (const auto m = text.match(w[1]); m.hasMatch())
            c = {w[0], QStringLiteral("text"), m.captured(1).toInt()};
        if (const auto m = range.match(w[0]); m.hasMatch()) {
            for (int i = m.captured(2).toInt(); i <= m.captured(3).toInt(); ++i)
                out << ExpectedColumn{m.captured(1) + QString::number(i), c.type, c.length};
        } else
            out << c;
    }
    return out;
}

TEST(Schema, EveryTableAndColumnExistsWithItsType)
{
    for (Scope scope : {Scope::Firm, Scope::Global, Scope::Admin}) {
        auto db = FreshScope(scope, QStringLiteral("schema"));
        QSqlDatabase h = db->handle();
        for (const ExpectedTable& t : kExpected) {
            if (t.scope != scope)
                continue;
            SCOPED_TRACE(t.name);
            ASSERT_TRUE(db->hasTable(QString::fromLatin1(t.name)));
            const QList<ColumnInfo> actual = db->dialect().columns(h, QString::fromLatin1(t.name));
            for (const ExpectedColumn& e : expand(t.columns)) {
                SCOPED_TRACE(e.name.toStdString());
                auto it = std::find_if(actual.begin(), actual.end(), [&](const ColumnInfo& c) {
                    return c.name.compare(e.name, Qt::CaseInsensitive) == 0;
                });
                ASSERT_NE(it, actual.end()) << "missing column";
                EXPECT_EQ(ColumnTypeName(it->type), e.type);
                if (e.length > 0) {
                    EXPECT_EQ(it->length, e.length);
                }
                if (e.type == QLatin1String("text")) {
                    EXPECT_GT(it->length, 0);
                }
            }
        }
    }
}

TEST(Schema, FirmVersionRecordAndSchemaVersion)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("verinf"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT Wersja FROM verinf")).toInt(), 10);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM verinf")).toInt(), 1);
    EXPECT_EQ(StoredSchemaVersion(*db), LatestSchemaVersion(Scope::Firm));
    // A second upgrade finds nothing to do and keeps the data.
    UpgradeScopeSchema(*db);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM verinf")).toInt(), 1);
    EXPECT_THROW(CreateScopeSchema(*db), DataError);
}

TEST(Schema, LookupIndexesExist)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("idx"));
    auto indexColumns = [&](const QString& index) {
        QStringList cols;
        for (const Row& r : db->rows(QStringLiteral("SELECT name FROM pragma_index_info(:i)"),
                                     {{QStringLiteral("i"), index}}))
            cols << r.str(QStringLiteral("NAME"));
        return cols.join(QLatin1Char(','));
    };
    EXPECT_EQ(indexColumns(QStringLiteral("F00007ST_IDXSRTYPLONG3")), "ID_SRODKA,TYP,LONG3");
    EXPECT_EQ(indexColumns(QStringLiteral("F00002ST_IDXNAZWA")), "NAZWA");
    EXPECT_EQ(indexColumns(QStringLiteral("F00006ST_IDXSRRAROK")), "ID_SRODKA,RODZAJ_AMORT,ROK");
    EXPECT_EQ(indexColumns(QStringLiteral("F00006ST_IDXROKSRRA")), "ROK,ID_SRODKA,RODZAJ_AMORT");
    EXPECT_EQ(indexColumns(QStringLiteral("F00006ST_IDXSRUM")), "ID_SRODKA,UMORZENIE");
    EXPECT_EQ(indexColumns(QStringLiteral("F00006ST_IDXSRUMRA")),
              "ID_SRODKA,UMORZENIE,RODZAJ_AMORT");

    // The group-symbol index ignores case: the planner uses it for a case-blind look-up.
    InsertRow(*db, QStringLiteral("F00002ST"),
              {{QStringLiteral("ID"), 1}, {QStringLiteral("NAZWA"), QStringLiteral("Komputery")}});
    const QString plan =
        db->rows(QStringLiteral("EXPLAIN QUERY PLAN SELECT ID FROM F00002ST WHERE NAZWA = :n "
                                "COLLATE NOCASE"),
                 {{QStringLiteral("n"), QStringLiteral("KOMPUTERY")}})
            .first()
            .str(QStringLiteral("DETAIL"));
    EXPECT_TRUE(plan.contains(QStringLiteral("F00002ST_IDXNAZWA"))) << plan.toStdString();
}

TEST(Schema, OpeningFailsOnTheFirstMissingTable)
{
    const QString folder = FreshDir(QStringLiteral("missing"));
    try {
        OpenScope(Scope::Firm, folder, TestOptions(false));
        FAIL() << "opened a folder without a database";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), "Błąd podczas otwierania tabeli\r\nOpis: F00001ST");
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(ScopeFileName(Scope::Firm))));

    {
        auto db = OpenScope(Scope::Firm, folder, TestOptions(true));
        db->exec(QStringLiteral("DROP TABLE F00013ST"));
    }
    try {
        OpenScope(Scope::Firm, folder, TestOptions(false));
        FAIL() << "opened a firm without its counters";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), "Błąd podczas otwierania tabeli\r\nOpis: F00013ST");
    }
}

TEST(Schema, JournalModeAndFirmVersion)
{
    const QString folder = FreshDir(QStringLiteral("journal"));
    EXPECT_EQ(FirmDataVersion(folder), -1);
    {
        auto db = OpenScope(Scope::Firm, folder, TestOptions(true));
        // Several workstations on a shared folder: the rollback journal.
        EXPECT_EQ(db->scalar(QStringLiteral("PRAGMA journal_mode")).toString(), "delete");
    }
    EXPECT_EQ(FirmDataVersion(folder), 10);
    OpenOptions local = TestOptions(false);
    local.writeAheadLog = true;
    {
        auto db = OpenScope(Scope::Firm, folder, local);
        EXPECT_EQ(db->scalar(QStringLiteral("PRAGMA journal_mode")).toString(), "wal");
        db->exec(QStringLiteral("DELETE FROM verinf"));
    }
    EXPECT_EQ(FirmDataVersion(folder), -1);
}

TEST(Schema, TextColumnsHoldAtMostTheirLength)
{
    RowSet groups(QStringLiteral("F00002ST"));
    groups.append(Row({{"ID", 1},
                       {"NAZWA", QString(25, QLatin1Char('x'))},
                       {"OPIS", QString(300, QLatin1Char('y'))}}));
    EXPECT_EQ(groups.at(0).str("NAZWA").size(), 20);
    EXPECT_EQ(groups.at(0).str("OPIS").size(), 40);
    RowSet details(QStringLiteral("F00019st"));
    details.append(Row({{"ID", 1}, {"ADNOT", QString(5000, QLatin1Char('z'))}})); // memo
    EXPECT_EQ(details.at(0).str("ADNOT").size(), 5000);
}

TEST(Schema, ScopeFolders)
{
    EXPECT_EQ(FirmFolder(QStringLiteral("/srv/vorn/ST/"), 12), "/srv/vorn/ST/DATA/F00012/ST");
    EXPECT_EQ(GlobalFolder(QStringLiteral("/srv/vorn/ST")), "/srv/vorn/ST/Data/ST");
}

TEST(Schema, DatesKeepTheirOrderAgainstWholeDays)
{
    auto db = FreshScope(Scope::Firm, QStringLiteral("dates"));
    const QDate day(2024, 1, 31);
    InsertRow(*db, QStringLiteral("F00007ST"),
              {{QStringLiteral("ID"), 1},
               {QStringLiteral("DATA1"), QDateTime(day, QTime(0, 0))},
               {QStringLiteral("DATA"), QDateTime(day, QTime(10, 15))}});
    const auto count = [&](const QString& cond, const QVariant& v) {
        return db
            ->scalar(QStringLiteral("SELECT COUNT(*) FROM F00007ST WHERE ") + cond,
                     {{QStringLiteral("d"), v}})
            .toInt();
    };
    // A whole-day event date is within a month given by its first and last day.
    EXPECT_EQ(count(QStringLiteral("DATA1 <= :d"), day), 1);
    EXPECT_EQ(count(QStringLiteral("DATA1 >= :d"), QDate(2024, 1, 1)), 1);
    // A time of day lies after the day's midnight and before the next day.
    EXPECT_EQ(count(QStringLiteral("DATA <= :d"), day), 0);
    EXPECT_EQ(count(QStringLiteral("DATA < :d"), day.addDays(1)), 1);

    const Row r = db->firstRow(QStringLiteral("SELECT * FROM F00007ST"), {},
                               FindTable(QStringLiteral("F00007ST")))
                      .value();
    EXPECT_EQ(r.value(QStringLiteral("DATA")).toDateTime(), QDateTime(day, QTime(10, 15)));
    EXPECT_EQ(r.date(QStringLiteral("DATA1")), day);
    EXPECT_TRUE(r.isNull(QStringLiteral("DATA2")));
}

} // namespace
