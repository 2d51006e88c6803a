#include "shell/Commands.h"

#include "common/Messages.h"
#include "shell/SessionState.h"
#include "shell/UserAndFirm.h"

namespace vorn {

bool CommandContext::yearChosen() const
{
    return !yearLabel.isEmpty() && yearLabel != kNoneLabel;
}

bool CommandContext::assetContext() const
{
    return yearChosen() && active == ActiveWindow::AssetBrowser && !activeMinimized &&
           assetCount > 0;
}

bool CommandContext::eventsContext() const
{
    return active == ActiveWindow::EventsBrowser && !activeMinimized && eventCount > 0;
}

bool RuleAllows(EnableRule rule, const CommandContext& c)
{
    switch (rule) {
    case EnableRule::Always:
        return true;
    case EnableRule::YearChosen:
        return c.yearChosen();
    case EnableRule::AssetContext:
        return c.assetContext();
    case EnableRule::SingleAssetContext:
        return c.singleAssetContext();
    case EnableRule::AssetBrowserActive:
        return c.assetBrowserExists && c.active == ActiveWindow::AssetBrowser;
    case EnableRule::AcceptanceDocument:
        // An acceptance document belongs to one asset, or to an acceptance event that
        // carries its document number.
        if (c.assetContext())
            return c.markedCount == 0;
        return c.eventsContext() && c.currentEventType == 1 && c.currentEventLong4 != 0;
    case EnableRule::LiquidationDocument:
        if (c.assetContext())
            return c.markedCount == 0;
        return c.eventsContext() && c.currentEventType == 8;
    case EnableRule::HandOverProtocol:
        return c.eventsContext();
    }
    return false;
}

namespace {

const QString kEvents = QStringLiteral("Wydarzenia");
const QString kFiles = QStringLiteral("Kartoteki");
const QString kReports = QStringLiteral("Zestawienia");
const QString kUser = QStringLiteral("Użytkownik");
const QString kAdmin = QStringLiteral("Administrator");
const QString kBook = QStringLiteral("Amortyzacja księgowa");
const QString kTax = QStringLiteral("Amortyzacja podatkowa");

CommandDef item(QString id, QString path, QString text, QString hint, QString tab, int right,
                EnableRule rule)
{
    CommandDef d;
    d.id = std::move(id);
    d.menuPath = std::move(path);
    d.text = std::move(text);
    d.hint = std::move(hint);
    d.tab = std::move(tab);
    d.right = right;
    d.rule = rule;
    return d;
}

// A report with a book and a tax variant: two items under one sub-menu.
void bookAndTax(QList<CommandDef>& t, const QString& id, const QString& path, EnableRule rule)
{
    t << item(id + QStringLiteral("B"), path, kBook, {}, {}, 0, rule)
      << item(id + QStringLiteral("P"), path, kTax, {}, {}, 0, rule);
}

QList<CommandDef> buildTable()
{
    using R = EnableRule;
    QList<CommandDef> t;

    t << item(QStringLiteral("przyjecie"), kEvents,
              QStringLiteral("&Przyjęcie środka trwałego do programu"),
              QStringLiteral("Przyjęcie środka do programu"), kEvents, 11, R::AssetContext)
      << item(QStringLiteral("planWyznaczenie"), kEvents,
              QStringLiteral("&Wyznaczenie planu amortyazcji"),
              QStringLiteral("Wyznaczenie planu amortyzacji"), kEvents, 12, R::AssetContext)
      << item(QStringLiteral("planKorekta"), kEvents, QStringLiteral("&Korekta planu amortyazcji"),
              QStringLiteral("Korekta planu amortyzacji"), kEvents, 13, R::AssetContext)
      << item(QStringLiteral("umorzenie"), kEvents, QStringLiteral("&Umorzenie miesięczne"),
              QStringLiteral("Umorzenie miesięczne"), kEvents, 14, R::AssetContext)
      << item(QStringLiteral("aktualizacja"), kEvents, QStringLiteral("&Aktualizacja wartości"),
              QStringLiteral("Aktualizacja wartości"), kEvents, 15, R::AssetContext)
      << item(QStringLiteral("zmianaWartosci"), kEvents,
              QStringLiteral("&Zmiana wartości początkowej"),
              QStringLiteral("Zmiana wartości początkowej"), kEvents, 16, R::SingleAssetContext)
      << item(QStringLiteral("acnOdpisAkt"), kEvents, QStringLiteral("Odpis aktualizujący"),
              QStringLiteral("Odpis aktualizujący"), kEvents, 0, R::SingleAssetContext)
      << item(QStringLiteral("acnStornoOdp"), kEvents, QStringLiteral("Storno odpisu"),
              QStringLiteral("Storno odpisu"), kEvents, 0, R::SingleAssetContext)
      << item(QStringLiteral("likwidacja"), kEvents, QStringLiteral("&Likwidacja środka"),
              QStringLiteral("Likwidacja środka"), kEvents, 17, R::SingleAssetContext)
      << item(QStringLiteral("sprzedaz"), kEvents, QStringLiteral("&Sprzedaż środka"),
              QStringLiteral("Sprzedaż środka"), kEvents, 18, R::SingleAssetContext)
      << item(QStringLiteral("zmianaMiejsca"), kEvents,
              QStringLiteral("Zmiana &miejsca użytkowania"),
              QStringLiteral("Zmiana miejsca użytkowania"), kEvents, 19, R::AssetContext);

    t << item(QStringLiteral("srodkiTrwale"), kFiles, QStringLiteral("Środki trwałe"),
              QStringLiteral("Kartoteka środków trwałych"), kFiles, 0, R::YearChosen)
      << item(QStringLiteral("kst"), kFiles, QStringLiteral("KŚT"),
              QStringLiteral("Klasyfikacja środków trwałych (KŚT)"), kFiles, 0, R::Always)
      << item(QStringLiteral("tabeleAktualizacji"), kFiles, QStringLiteral("Tabele aktualizacji"),
              QStringLiteral("Tabele aktualizacji"), kFiles, 0, R::Always)
      << item(QStringLiteral("wydarzenia"), kFiles, QStringLiteral("Wydarzenia"),
              QStringLiteral("Wydarzenia"), kFiles, 0, R::YearChosen)
      << item(QStringLiteral("polecenia"), kFiles, QStringLiteral("Polecenia księgowania"),
              QStringLiteral("Polecenia księgowania"), kFiles, 0, R::Always);
    CommandDef templates =
        item(QStringLiteral("wzorce"), kFiles, QStringLiteral("Wzorce księgowań"),
             QStringLiteral("Wzorce księgowań"), kFiles, 73, R::Always);
    templates.rightInRule = true;
    t << templates;

    const auto sub = [](const QString& name) { return kReports + QLatin1Char('|') + name; };
    bookAndTax(t, QStringLiteral("kartaSrodka"), sub(QStringLiteral("&Karta środka trwałego")),
               R::AssetContext);
    for (const QString& kind : {QStringLiteral("Roczny"), QStringLiteral("Globalny")}) {
        const QString path = sub(QStringLiteral("&Plan amortyzacji|") + kind);
        const QString id = QStringLiteral("plan") + kind;
        bookAndTax(t, id, path, R::AssetContext);
        t << item(id + QStringLiteral("BW"), path, QStringLiteral("Amortyzacja księgowa wykonana"),
                  {}, {}, 0, R::AssetContext)
          << item(id + QStringLiteral("PW"), path, QStringLiteral("Amortyzacja podatkowa wykonana"),
                  {}, {}, 0, R::AssetContext);
    }
    t << item(QStringLiteral("historia"), kReports, QStringLiteral("&Historia środka trwałego"), {},
              {}, 0, R::AssetContext);
    bookAndTax(t, QStringLiteral("ewidencja"), sub(QStringLiteral("Ewidencja środków &trwałych")),
               R::AssetContext);
    bookAndTax(t, QStringLiteral("ewidencjaFin"),
               sub(QStringLiteral("Ewidencja &finansowa majątku trwałego")), R::AssetContext);
    bookAndTax(t, QStringLiteral("ewidencjaKpir"),
               sub(QStringLiteral("Ewidencja dla podatkowej księgi przychodów i &rozchodów")),
               R::AssetContext);
    bookAndTax(t, QStringLiteral("lista"), sub(QStringLiteral("&Lista środków trwałych")),
               R::AssetContext);
    t << item(QStringLiteral("ewidencjaOper"), kReports,
              QStringLiteral("Ewidencja &operacyjna środka trwałego"), {}, {}, 0, R::AssetContext)
      << item(QStringLiteral("spis"), kReports, QStringLiteral("&Spis inwentaryzacyjny"), {}, {}, 0,
              R::AssetContext)
      << item(QStringLiteral("umorzenieDokonane"), sub(QStringLiteral("&Umorzenie za okres")),
              QStringLiteral("Umorzenia &dokonane"), {}, {}, 0, R::AssetContext)
      << item(QStringLiteral("umorzeniePlanowane"), sub(QStringLiteral("&Umorzenie za okres")),
              QStringLiteral("Umorzenia &planowane"), {}, {}, 0, R::AssetContext);
    bookAndTax(t, QStringLiteral("zmianyUmorzenia"),
               sub(QStringLiteral("Zestawienie zmian umorz&enia")), R::Always);
    bookAndTax(t, QStringLiteral("zmianyWartosci"),
               sub(QStringLiteral("Zestawienie zmian wartoś&ci")), R::Always);
    t << item(QStringLiteral("dowodPrzyjecia"), kReports, QStringLiteral("Dowód przy&jęcia"),
              QStringLiteral("Dowód przyjęcia"), kReports, 0, R::AcceptanceDocument)
      << item(QStringLiteral("protokol"), kReports, QStringLiteral("Protokół &zdawczo-odbiorczy"),
              QStringLiteral("Protokół zdawczo-odbiorczy"), kReports, 0, R::HandOverProtocol)
      << item(QStringLiteral("dowodLikwidacji"), kReports,
              QStringLiteral("Dowód lik&widacji środka trwałego"),
              QStringLiteral("Dowód likwidacji środka trwałego"), kReports, 0,
              R::LiquidationDocument);

    const QString change = kUser + QStringLiteral("|&Zmiana");
    const QString tools = kUser + QStringLiteral("|&Narzędzia");
    t << item(QStringLiteral("zmianaFirmy"), change, QStringLiteral("&Firmy"),
              QStringLiteral("Zmiana firmy"), kUser, 0, R::Always)
      << item(QStringLiteral("zmianaRoku"), change, QStringLiteral("&Roku"),
              QStringLiteral("Zmiana roku"), kUser, 0, R::Always)
      << item(QStringLiteral("kalkulator"), tools, QStringLiteral("Kalkulator"),
              QStringLiteral("Uruchom kalkulator"), kUser, 0, R::Always)
      << item(QStringLiteral("kalendarz"), tools, QStringLiteral("Ka&lendarz"),
              QStringLiteral("Uruchom kalendarz"), kUser, 0, R::Always)
      << item(QStringLiteral("notes"), tools, QStringLiteral("&Notes"), QStringLiteral("Notes"),
              kUser, 0, R::Always)
      << item(QStringLiteral("drukarka"), tools, QStringLiteral("Drukarka"),
              QStringLiteral("Ustawienia drukarek"), kUser, 0, R::Always);
    CommandDef options =
        item(QStringLiteral("opcje"), kUser, QStringLiteral("&Opcje"), {}, {}, 0, R::Always);
    options.hidden = true;
    t << options
      << item(QStringLiteral("wejdzJako"), kUser, QStringLiteral("&Wejdź jako ..."),
              QStringLiteral("Wejdź jako"), kUser, 0, R::Always);

    const QString checks = kAdmin + QStringLiteral("|&Kontrola poprawności");
    const QString plans = checks + QStringLiteral("|&Planów amortyzacji");
    const QString amounts = checks + QStringLiteral("|&Kwot odpisów");
    const QString accumulated = checks + QStringLiteral("|Wartości umorzenia");
    const QString marked = QStringLiteral("Dla &zaznaczonych środków trwałych");
    const QString all = QStringLiteral("Dla &wszystkich środków trwałych");
    t << item(QStringLiteral("admFirmy"), kAdmin, QStringLiteral("&Firmy"),
              QStringLiteral("Konfiguracja firm"), kAdmin, 0, R::Always)
      << item(QStringLiteral("admUzytkownicy"), kAdmin, QStringLiteral("&Użytkownicy"),
              QStringLiteral("Konfiguracja użytkowników"), kAdmin, 0, R::Always)
      << item(QStringLiteral("admArchiwizacja"), kAdmin, QStringLiteral("&Archiwizacja"),
              QStringLiteral("Archiwizacja"), kAdmin, 0, R::Always)
      << item(QStringLiteral("admEksport"), kAdmin, QStringLiteral("&Eksport do VORN-FK"),
              QStringLiteral("Eksport do programu VORN FK"), kAdmin, 0, R::Always)
      << item(QStringLiteral("admNaprawa"), kAdmin, QStringLiteral("&Naprawa baz danych"),
              QStringLiteral("Naprawa baz danych"), kAdmin, 0, R::Always)
      << item(QStringLiteral("kontrolaKluczy"), checks, QStringLiteral("&Kluczy głównych"), {}, {},
              0, R::Always)
      << item(QStringLiteral("kontrolaPlanowZazn"), plans, marked, {}, {}, 0, R::AssetBrowserActive)
      << item(QStringLiteral("kontrolaPlanowWsz"), plans, all, {}, {}, 0, R::AssetBrowserActive)
      << item(QStringLiteral("kontrolaKwotZazn"), amounts, marked, {}, {}, 0, R::AssetBrowserActive)
      << item(QStringLiteral("kontrolaKwotWsz"), amounts, all, {}, {}, 0, R::AssetBrowserActive)
      << item(QStringLiteral("kontrolaUmorzWsz"), accumulated, all, {}, {}, 0, R::Always)
      << item(QStringLiteral("kontrolaUmorzZazn"), accumulated, marked, {}, {}, 0, R::Always)
      << item(QStringLiteral("wyborKst"), kAdmin, QStringLiteral("&Wybór tabeli KŚT"),
              QStringLiteral("Wybór tabeli KŚT"), kAdmin, 0, R::Always);
    CommandDef parameters =
        item(QStringLiteral("parametry"), kAdmin, QStringLiteral("&Parametry programu"),
             QStringLiteral("Parametry programu"), kAdmin, 51, R::YearChosen);
    parameters.rightInRule = true;
    CommandDef closing =
        item(QStringLiteral("zamkniecie"), kAdmin, QStringLiteral("&Zamknięcie miesiąca"),
             QStringLiteral("Zamknięcie miesiąca"), kAdmin, 72, R::YearChosen);
    closing.rightInRule = true;
    t << parameters << closing;

    const QString windows = QStringLiteral("Okna");
    CommandDef cascade =
        item(QStringLiteral("kaskada"), windows, QStringLiteral("&Kaskada"), {}, {}, 0, R::Always);
    cascade.shortcut = QStringLiteral("Shift+F5");
    CommandDef tile = item(QStringLiteral("sasiadujaco"), windows, QStringLiteral("&Sąsiadująco"),
                           {}, {}, 0, R::Always);
    tile.shortcut = QStringLiteral("Shift+F4");
    t << cascade << tile
      << item(QStringLiteral("zamknijOkna"), windows, QStringLiteral("&Zamknij okna"), {}, {}, 0,
              R::Always);

    const QString help = QStringLiteral("Pomoc");
    CommandDef contents = item(QStringLiteral("pomocZawartosc"), help, QStringLiteral("&Zawartość"),
                               QStringLiteral("Pomoc (F1)"), {}, 0, R::Always);
    contents.shortcut = QStringLiteral("F1");
    t << contents
      << item(QStringLiteral("pomocSzukaj"), help, QStringLiteral("&Szukaj ..."), {}, {}, 0,
              R::Always)
      << item(QStringLiteral("oProgramie"), help, QStringLiteral("&O programie ..."), {}, {}, 0,
              R::Always)
      << item(QStringLiteral("koniec"), QStringLiteral("="), QStringLiteral("Koniec"),
              QStringLiteral("Koniec programu"), {}, 0, R::Always);
    return t;
}

} // namespace

const QList<CommandDef>& CommandTable()
{
    static const QList<CommandDef> table = buildTable();
    return table;
}

std::optional<CommandDef> FindCommand(const QString& id)
{
    for (const CommandDef& d : CommandTable())
        if (d.id == id)
            return d;
    return std::nullopt;
}

void CommandDispatcher::bind(const QString& id, Handler handler)
{
    for (auto& entry : m_handlers)
        if (entry.first == id) {
            entry.second = std::move(handler);
            return;
        }
    m_handlers.append({id, std::move(handler)});
}

const CommandDispatcher::Handler* CommandDispatcher::handler(const QString& id) const
{
    for (const auto& entry : m_handlers)
        if (entry.first == id && entry.second)
            return &entry.second;
    return nullptr;
}

bool CommandDispatcher::isBound(const QString& id) const
{
    return handler(id) != nullptr;
}

bool CommandDispatcher::enabled(const CommandDef& command, const CommandContext& context,
                                const TV2User& user) const
{
    if (!isBound(command.id) || !RuleAllows(command.rule, context))
        return false;
    return !command.rightInRule || user.HasFirmRight(command.right);
}

bool CommandDispatcher::run(const QString& id, const CommandContext& context, const TV2User& user,
                            UserMessages& messages) const
{
    const std::optional<CommandDef> command = FindCommand(id);
    if (!command || !enabled(*command, context, user))
        return false;
    if (command->right != 0 && !user.HasFirmRight(command->right, &messages))
        return false;
    (*handler(id))();
    return true;
}

} // namespace vorn
