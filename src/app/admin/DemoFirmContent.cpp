#include "DemoFirmContent.h"

#include "FirmCounters.h"
#include "TableRows.h"
#include "common/Errors.h"
#include "store/Database.h"

#include <QVariantMap>
#include <algorithm>

namespace vorn::admin {

namespace {

QString yes(bool value)
{
    return value ? QStringLiteral("T") : QStringLiteral("N");
}

struct DemoAsset
{
    const char* name;
    const char* inventoryNumber;
    const char* symbol; // present in the shipped classification
    double rate;
    double value;
    int kind;
    int place;
    int group;
    int acquiredDay; // day of the year
    const char* document;
};

} // namespace

void DemoFirmContent::fill(Database& firm) const
{
    if (firm.scalar(QStringLiteral("SELECT COUNT(*) FROM F00001ST")).toInt() > 0 ||
        firm.scalar(QStringLiteral("SELECT COUNT(*) FROM F00004ST")).toInt() > 0)
        throw DataError(QStringLiteral("Firma zawiera już dane; dane demonstracyjne nie zostały "
                                       "dodane."));
    firm.beginWrite();
    try {
        fiscalYear(firm);
        numbering(firm);
        postingScheme(firm);
        kinds(firm);
        places(firm);
        groups(firm);
        assets(firm);
        firm.commit();
    } catch (...) {
        firm.rollback();
        throw;
    }
}

void DemoFirmContent::fiscalYear(Database& firm) const
{
    const QDate start(year(), 1, 1);
    FirmCounters counters(firm);
    InsertRow(firm, QStringLiteral("F00001ST"),
              {{QStringLiteral("ID"),
                counters.next(FirmCounters::FiscalYears, QStringLiteral("F00001ST"))},
               {QStringLiteral("ROK"), year()},
               {QStringLiteral("DATA_POCZ"), start},
               {QStringLiteral("DATA_KONCA"), QDate(year(), 12, 31)},
               // The first year of a firm: nothing closed yet.
               {QStringLiteral("ZAMKNIETYDO"), start.addDays(-1)}});
}

void DemoFirmContent::numbering(Database& firm) const
{
    int id = NextFreeId(firm, QStringLiteral("F00015ST"));
    for (const char* code : {"PK", "OT", "LT"}) {
        const QString symbol = QString::fromLatin1(code);
        const bool orders = symbol == QLatin1String("PK");
        InsertRow(firm, QStringLiteral("F00015ST"),
                  {{QStringLiteral("ID"), id++},
                   {QStringLiteral("SYMBOL"), symbol},
                   {QStringLiteral("NAZWA"), symbol},
                   {QStringLiteral("NUMERSTARTOWY"), 1},
                   {QStringLiteral("MASKADOKUMENTU"),
                    QStringLiteral("$$$$/@@/%%/") + symbol + QStringLiteral("/####")},
                   {QStringLiteral("NUMERAUTO"), QStringLiteral("A")},
                   {QStringLiteral("NUMERNARAST"), QStringLiteral("M")},
                   {QStringLiteral("WSZYSTKIE"), yes(false)},
                   {QStringLiteral("PKWSZYSTKIE"), yes(false)},
                   {QStringLiteral("PKPOTWIERDZ"), yes(orders)}});
    }
}

void DemoFirmContent::postingScheme(Database& firm) const
{
    struct Line
    {
        int event;
        const char* amount;
        const char* debit;
        const char* credit;
        const char* description;
    };
    // A common Polish chart of accounts: 010 fixed assets, 071 their depreciation, 080
    // assets under construction, 401 depreciation costs, 761 other operating costs, 803
    // revaluation reserve; $ the kind's analytic, & and % the new and previous place's.
    static const Line lines[] = {
        {1, "P", "010-$$$", "080", "Przyjęcie środka @"},
        {5, "U", "401-$$$", "071-$$$", "Umorzenie księgowe środka #"},
        {6, "A", "010-$$$", "803", "Aktualizacja wartości środka @"},
        {6, "K", "803", "071-$$$", "Aktualizacja umorzenia środka @"},
        {7, "Z", "010-$$$", "080", "Zmiana wartości początkowej środka @"},
        {9, "N", "761", "010-$$$", "Likwidacja środka @ - wartość netto"},
        {9, "D", "071-$$$", "010-$$$", "Likwidacja środka @ - umorzenie"},
        {10, "G", "761", "010-$$$", "Sprzedaż środka @ - wartość netto"},
        {10, "Q", "071-$$$", "010-$$$", "Sprzedaż środka @ - umorzenie"},
        {11, "O", "010-&&&", "010-%%%", "Zmiana miejsca środka @"},
        {11, "H", "071-%%%", "071-&&&", "Zmiana miejsca środka @ - umorzenie"},
    };
    FirmCounters counters(firm);
    const int scheme = counters.next(FirmCounters::Schemes, QStringLiteral("F00016ST"));
    InsertRow(firm, QStringLiteral("F00016ST"),
              {{QStringLiteral("ID"), scheme},
               {QStringLiteral("NAZWA_WZORCA"), QStringLiteral("PODSTAWOWY")}});
    for (const Line& l : lines)
        InsertRow(firm, QStringLiteral("F00014ST"),
                  {{QStringLiteral("ID"),
                    counters.next(FirmCounters::Templates, QStringLiteral("F00014ST"))},
                   {QStringLiteral("ID_WZORCA"), scheme},
                   {QStringLiteral("WYDARZENIE"), l.event},
                   {QStringLiteral("KWOTA"), QString::fromLatin1(l.amount)},
                   {QStringLiteral("KONTO_WINIEN"), QString::fromLatin1(l.debit)},
                   {QStringLiteral("KONTO_MA"), QString::fromLatin1(l.credit)},
                   {QStringLiteral("MNOZNIK"), 1.0},
                   {QStringLiteral("OPIS_OPERACJI"), QString::fromUtf8(l.description)}});
}

void DemoFirmContent::kinds(Database& firm) const
{
    struct Kind
    {
        int id;
        int parent;
        const char* name;
        const char* analytic;
    };
    // The top kinds 1, 2 and 3 give an asset's class "R", "W" and "N".
    static const Kind kinds[] = {
        {1, -1, "RZECZOWY MAJĄTEK TRWAŁY", "1"},
        {2, -1, "WARTOŚCI NIEMATERIALNE I PRAWNE", "2"},
        {3, -1, "NISKOCENNE SKŁADNIKI MAJĄTKU", "3"},
        {4, 1, "Budynki i lokale", "11"},
        {5, 1, "Maszyny i urządzenia", "14"},
        {6, 1, "Wyposażenie", "18"},
        {7, 2, "Licencje i oprogramowanie", "21"},
    };
    for (const Kind& k : kinds)
        InsertRow(firm, QStringLiteral("F00017ST"),
                  {{QStringLiteral("ID"), k.id},
                   {QStringLiteral("ID_PARENT"), k.parent},
                   {QStringLiteral("NAZWA"), QString::fromUtf8(k.name)},
                   {QStringLiteral("OPIS"), QString::fromUtf8(k.name)},
                   {QStringLiteral("NRANALIT"), QString::fromLatin1(k.analytic)}});
    FirmCounters(firm).catchUp(FirmCounters::Kinds, QStringLiteral("F00017ST"));
}

void DemoFirmContent::places(Database& firm) const
{
    struct Place
    {
        int id;
        int parent;
        const char* name;
        const char* analytic;
    };
    static const Place places[] = {
        {0, -1, "MIEJSCA UŻYTKOWANIA", "0"},
        {1, 0, "Biuro", "1"},
        {2, 0, "Magazyn", "2"},
        {3, 0, "Hala produkcyjna", "3"},
    };
    for (const Place& p : places)
        InsertRow(firm, QStringLiteral("F00003ST"),
                  {{QStringLiteral("ID"), p.id},
                   {QStringLiteral("ID_PARENT"), p.parent},
                   {QStringLiteral("NAZWA"), QString::fromUtf8(p.name)},
                   {QStringLiteral("OPIS"), QString::fromUtf8(p.name)},
                   {QStringLiteral("USUNIETA"), yes(false)},
                   {QStringLiteral("NRANALIT"), QString::fromLatin1(p.analytic)}});
    FirmCounters(firm).catchUp(FirmCounters::Places, QStringLiteral("F00003ST"));
}

void DemoFirmContent::groups(Database& firm) const
{
    struct Group
    {
        int id;
        int parent;
        const char* name;
        const char* description;
    };
    static const Group groups[] = {
        {0, -1, "GRUPY", "Wszystkie grupy"},
        {1, 0, "BIURO", "Wyposażenie biura"},
        {2, 0, "MAGAZYN", "Wyposażenie magazynu"},
        {3, 0, "NIERUCHOMOŚCI", "Budynki i lokale"},
    };
    for (const Group& g : groups)
        InsertRow(firm, QStringLiteral("F00002ST"),
                  {{QStringLiteral("ID"), g.id},
                   {QStringLiteral("ID_PARENT"), g.parent},
                   {QStringLiteral("NAZWA"), QString::fromUtf8(g.name)},
                   {QStringLiteral("OPIS"), QString::fromUtf8(g.description)}});
    FirmCounters(firm).catchUp(FirmCounters::Groups, QStringLiteral("F00002ST"));
}

void DemoFirmContent::assets(Database& firm) const
{
    static const DemoAsset assets[] = {
        {"Budynek biurowy ul. Polna 5", "ST/0001", "105", 2.5, 850000.00, 4, 1, 3, 10, "AN 125/2"},
        {"Kserokopiarka wielofunkcyjna", "ST/0002", "803", 14.0, 8500.00, 5, 1, 1, 20, "FV 34/01"},
        {"Centrala telefoniczna", "ST/0003", "62", 10.0, 6200.00, 5, 1, 1, 25, "FV 51/01"},
        {"Regały magazynowe", "ST/0004", "809", 20.0, 12400.00, 6, 2, 2, 40, "FV 7/02"},
    };
    FirmCounters counters(firm);
    int document = NextFreeId(firm, QStringLiteral("F00018ST"));
    for (const DemoAsset& a : assets) {
        // Acquired early in the year, never after today.
        const QDate acquired = std::min(QDate(year(), 1, 1).addDays(a.acquiredDay - 1), m_today);
        const QDate start = acquired.addMonths(1).addDays(1 - acquired.addMonths(1).day());
        const int id = counters.next(FirmCounters::Assets, QStringLiteral("F00004ST"));
        const QString proof = QString::fromLatin1(a.document);
        QVariantMap row{
            {QStringLiteral("ID"), id},
            {QStringLiteral("NR_ANALIT"), QString::number(id)},
            {QStringLiteral("ID_GRUPY"), a.group},
            {QStringLiteral("NUMER_EWID"), QString::fromLatin1(a.inventoryNumber)},
            {QStringLiteral("OKRESLENIE"), QString::fromUtf8(a.name)},
            {QStringLiteral("KRST"), QString::fromLatin1(a.symbol)},
            {QStringLiteral("KST_VER"), 2},
            {QStringLiteral("DATA_NABYCIA"), acquired},
            {QStringLiteral("DOWOD_NABYCIA"), proof},
            {QStringLiteral("IDUZYT"), a.place},
            {QStringLiteral("IDRODZ"), a.kind},
            {QStringLiteral("RODZ"), QStringLiteral("R")},
            {QStringLiteral("ILOSC"), 1},
            {QStringLiteral("KOD"), QString()},
            {QStringLiteral("BOB"), yes(false)},
            {QStringLiteral("KWOTABOB"), 0.0},
            {QStringLiteral("BOP"), yes(false)},
            {QStringLiteral("KWOTABOP"), 0.0},
            {QStringLiteral("UWAGI"), QStringLiteral("Środek demonstracyjny")},
        };
        // Book and tax alike: linear, monthly, every month, from the month after acquisition.
        for (const QString& p : {QString(), QStringLiteral("POD_")}) {
            const bool book = p.isEmpty();
            row.insert(book ? QStringLiteral("POCZ_AMORTYZACJI") : QStringLiteral("POD_POCZ_AMORT"),
                       start);
            row.insert(p + QStringLiteral("POCZ_AMORT_R"), start);
            row.insert(book ? QStringLiteral("WARTOSC_POCZ") : QStringLiteral("POD_WARTOSC_POCZ"),
                       a.value);
            row.insert(book ? QStringLiteral("WART_ZAKT") : QStringLiteral("POD_WARTOSC_ZAKT"),
                       a.value);
            row.insert(book ? QStringLiteral("DOTYCHCZAS_UMORZ") : QStringLiteral("POD_DOT_UMORZ"),
                       0.0);
            row.insert(p + QStringLiteral("ZAKTUAL_UMORZ"), 0.0);
            row.insert(p + QStringLiteral("METODA_AMORT"), QStringLiteral("L"));
            row.insert(p + QStringLiteral("STAWKA"), a.rate);
            row.insert(p + QStringLiteral("WSPOLCZYNNIK"), 1.0);
            row.insert(book ? QStringLiteral("CZESTOTL_ODPISOW")
                            : QStringLiteral("POD_CZEST_ODPISOW"),
                       QStringLiteral("M"));
            row.insert(p + QStringLiteral("MIESIACE_UZYTK"), 4095);
            row.insert(p + QStringLiteral("ULGA"), 0.0);
            row.insert(p + QStringLiteral("ODPISY_AKT"), 0.0);
            row.insert(p + QStringLiteral("ODPIS_JEDN"), 0.0);
            row.insert(p + QStringLiteral("ODPIS_JEDN_TRYB"), 0);
        }
        InsertRow(firm, QStringLiteral("F00004ST"), row);
        InsertRow(firm, QStringLiteral("F00005ST"),
                  {{QStringLiteral("ID"),
                    counters.next(FirmCounters::GroupMembers, QStringLiteral("F00005ST"))},
                   {QStringLiteral("ID_S"), id},
                   {QStringLiteral("ID_G"), a.group}});
        InsertRow(firm, QStringLiteral("F00018ST"),
                  {{QStringLiteral("ID"), document++},
                   {QStringLiteral("ID_SRODKA"), id},
                   {QStringLiteral("NUMER"), proof},
                   {QStringLiteral("UWAGI"), QString()}});
    }
}

} // namespace vorn::admin
