#include "store/RepairChecks.h"

#include "common/Dates.h"
#include "common/Messages.h"
#include "common/Money.h"
#include "store/BitSelect.h"
#include "store/Database.h"
#include "store/KeyCheck.h"
#include "store/SaveOperation.h"

#include <QHash>

namespace vorn {

AssetScope AssetScope::of(bool allAssets, const TBitSelect& marked, qint64 currentAsset)
{
    AssetScope s;
    s.all = allAssets;
    if (allAssets)
        return s;
    for (int n : marked.Numbers())
        s.ids << n;
    if (s.ids.isEmpty() && currentAsset > 0)
        s.ids << currentAsset;
    return s;
}

QString AssetScope::condition(const QString& column) const
{
    if (all)
        return {};
    QStringList numbers;
    for (qint64 id : ids)
        numbers << QString::number(id);
    if (numbers.isEmpty())
        numbers << QStringLiteral("-1");
    return QStringLiteral(" AND ") + column + QStringLiteral(" in (") +
           numbers.join(QLatin1Char(',')) + QLatin1Char(')');
}

namespace {

const QString kBlanks = QStringLiteral("    ");

bool roundColumn(RowSet& set, int i, const QString& column)
{
    const Row& r = set.at(i);
    if (r.isNull(column))
        return false;
    const double value = r.num(column);
    const double rounded = RoundAmount(2, value);
    if (rounded == value)
        return false;
    set.setValue(i, column, rounded);
    return true;
}

// The plan check over one fiscal year.
class PlanCheck
{
public:
    PlanCheck(Database& db, const FiscalYearTable& years, int year, const AssetScope& scope)
        : m_db(db), m_years(years), m_year(year), m_scope(scope)
    {
    }

    int rowCount()
    {
        return m_db
            .scalar(QStringLiteral("select count(ID) as LICZBA from F00006ST where (ROK=:irok)") +
                        m_scope.condition(QStringLiteral("ID_SRODKA")),
                    {{QStringLiteral("irok"), m_year}})
            .toInt();
    }

    void run(ProgressSink* progress)
    {
        m_plans.load(m_db,
                     QStringLiteral("ROK = :irok") + m_scope.condition(QStringLiteral("ID_SRODKA")),
                     {{QStringLiteral("irok"), m_year}});
        for (int i = 0; i < m_plans.size(); ++i) {
            checkRow(i);
            if (progress)
                progress->step();
        }
    }

    QList<RowSet*> sets() { return {&m_plans, &m_lines, &m_events}; }
    QStringList faults, notes, events;

private:
    Row asset(qint64 id)
    {
        if (!m_assets.contains(id))
            m_assets.insert(id, m_db.firstRow(QStringLiteral("SELECT ID, OKRESLENIE, NUMER_EWID "
                                                             "FROM F00004ST WHERE ID = :id"),
                                              {{QStringLiteral("id"), id}})
                                    .value_or(Row()));
        return m_assets.value(id);
    }

    QString rowText(const Row& plan)
    {
        const qint64 id = plan.integer(QStringLiteral("ID_SRODKA"));
        const Row a = asset(id);
        return QString::number(id) + kBlanks + QLatin1Char('"') +
               a.str(QStringLiteral("OKRESLENIE")) + QLatin1Char('"') + kBlanks + QLatin1Char('"') +
               a.str(QStringLiteral("NUMER_EWID")) + QLatin1Char('"') + kBlanks +
               plan.str(QStringLiteral("MIESIAC")) + QLatin1Char('/') +
               plan.str(QStringLiteral("ROK"));
    }

    // The row must have the code; otherwise it is noted and set.
    void expect(int i, const QString& code)
    {
        const Row& plan = m_plans.at(i);
        const QString old = plan.str(QStringLiteral("UMORZENIE"));
        if (old == code)
            return;
        notes << rowText(plan) + kBlanks + plan.str(QStringLiteral("RODZAJ_AMORT")) + kBlanks +
                     old + QStringLiteral(" > ") + code;
        m_plans.setValue(i, QStringLiteral("UMORZENIE"), code);
    }

    int eventIndex(const Row& stored)
    {
        const qint64 id = stored.integer(QStringLiteral("ID"));
        int i = m_events.indexOfId(id);
        if (i < 0) {
            m_events.load(m_db, QStringLiteral("ID = :id"), {{QStringLiteral("id"), id}});
            i = m_events.indexOfId(id);
        }
        return i;
    }

    void checkRow(int i)
    {
        const Row plan = m_plans.at(i);
        if (plan.num(QStringLiteral("KWOTA")) == 0) {
            const QString code = plan.str(QStringLiteral("UMORZENIE"));
            if (code != QLatin1String("D") && code != QLatin1String("N"))
                faults << rowText(plan) + QStringLiteral("   ") + code;
            return;
        }
        const auto month =
            PeriodMonth(m_years, static_cast<int>(plan.integer(QStringLiteral("MIESIAC"))),
                        static_cast<int>(plan.integer(QStringLiteral("ROK"))));
        if (!month)
            return; // a period outside the firm's fiscal years: nothing to compare with
        const DateRange bounds = MonthBounds(QDate(month->year, month->month, 1));
        const bool book = plan.str(QStringLiteral("RODZAJ_AMORT")) == QLatin1String("B");
        const auto found = m_db.firstRow(
            QStringLiteral("select ID, LONG2, ID_SRODKA, KOMENTARZ from F00007ST where "
                           "(DATA1>=:idataod) AND (DATA1<=:idatado) AND (TYP=:ityp) AND "
                           "(ID_SRODKA=:iidsrodka) ORDER BY ID"),
            {{QStringLiteral("idataod"), bounds.first},
             {QStringLiteral("idatado"), bounds.last},
             {QStringLiteral("ityp"), book ? 4 : 5},
             {QStringLiteral("iidsrodka"), plan.integer(QStringLiteral("ID_SRODKA"))}});
        if (!found) {
            expect(i, QStringLiteral("U"));
            return;
        }
        const int e = eventIndex(*found);
        const Row event = m_events.at(e);
        const qint64 order = event.integer(QStringLiteral("LONG2"));
        if (order < 1) {
            expect(i, QStringLiteral("T"));
            return;
        }
        const auto posted =
            m_db.firstRow(QStringLiteral("select N.ZAKSIEGOWANE from F00008ST N, F00009ST P where "
                                         "(N.ID = P.IDPK) AND (P.IDWYD=:iidwyd)"),
                          {{QStringLiteral("iidwyd"), event.integer(QStringLiteral("ID"))}});
        if (!posted) {
            orderGone(e, order);
            m_plans.setValue(i, QStringLiteral("UMORZENIE"), QStringLiteral("T"));
            return;
        }
        expect(i, posted->str(QStringLiteral("ZAKSIEGOWANE")) == QLatin1String("T")
                      ? QStringLiteral("Z")
                      : QStringLiteral("T"));
    }

    // The event's order no longer holds it: the event loses the order number. The lines of
    // the order go only when its header is gone too; an order that still exists keeps the
    // lines it has for other events.
    void orderGone(int e, qint64 order)
    {
        const Row event = m_events.at(e);
        m_events.setValue(e, QStringLiteral("LONG2"), QVariant());
        const bool headerExists =
            m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM F00008ST WHERE ID = :id"),
                        {{QStringLiteral("id"), order}})
                .toInt() > 0;
        if (!headerExists) {
            RowSet lines(QStringLiteral("F00009ST"));
            lines.load(m_db, QStringLiteral("IDPK = :id"), {{QStringLiteral("id"), order}});
            for (const Row& r : lines.rows())
                if (m_lines.indexOfId(r.integer(QStringLiteral("ID"))) < 0)
                    m_lines.remove(m_lines.adopt(r));
        }
        events << event.str(QStringLiteral("ID")) + kBlanks +
                      event.str(QStringLiteral("ID_SRODKA")) + kBlanks + QLatin1Char('"') +
                      event.str(QStringLiteral("KOMENTARZ")) + QLatin1Char('"');
    }

    Database& m_db;
    const FiscalYearTable& m_years;
    int m_year;
    AssetScope m_scope;
    RowSet m_plans{QStringLiteral("F00006ST")};
    RowSet m_lines{QStringLiteral("F00009ST")};
    RowSet m_events{QStringLiteral("F00007ST")};
    QHash<qint64, Row> m_assets;
};

QStringList amountColumns(const char* prefix, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QString::fromLatin1(prefix) + QString::number(i);
    return out;
}

void roundAll(RowSet& set, const QStringList& columns)
{
    for (int i = 0; i < set.size(); ++i)
        for (const QString& c : columns)
            roundColumn(set, i, c);
}

QString idList(const QList<qint64>& ids)
{
    QStringList out;
    for (qint64 id : ids)
        out << QString::number(id);
    return out.join(QLatin1Char(','));
}

} // namespace

std::optional<CheckReport> CheckPlans(Database& db, UserMessages& messages,
                                      const FiscalYearTable& years, int fiscalYear,
                                      const AssetScope& scope, const ReportHeader& header,
                                      ProgressSink* progress)
{
    if (!messages.question(kPlansCheckQuestion))
        return std::nullopt;
    PlanCheck check(db, years, fiscalYear, scope);
    const int count = check.rowCount();
    if (progress)
        progress->start(kCheckProgressCaption,
                        QStringLiteral("Trwa sprawdzanie poprawności planów amortyzacji...") +
                            QStringLiteral("   (") + QString::number(count) + QLatin1Char(')'),
                        count);
    check.run(progress);
    if (progress)
        progress->finish();
    if (!SaveOperation(db, check.sets(), true, false, messages))
        return std::nullopt;

    CheckReport report;
    report.addHeader(QStringLiteral("Poprawność planów amortyzacji."), header);
    if (check.faults.isEmpty() && check.notes.isEmpty() && check.events.isEmpty()) {
        report.add(QStringLiteral("Nie wykryto żadnych błędów w planach amortyzacji."),
                   ReportStyle::Good);
        return report;
    }
    if (!check.faults.isEmpty())
        report.addSection(QStringLiteral("Błędy wymagające interwencji serwisu"), check.faults,
                          ReportStyle::Fault);
    if (!check.notes.isEmpty())
        report.addSection(QStringLiteral("Błędy poprawione"), check.notes, ReportStyle::Good);
    if (!check.events.isEmpty())
        report.addSection(QStringLiteral("Poprawione wydarzenia"), check.events, ReportStyle::Good);
    return report;
}

bool CheckWriteOffAmounts(Database& db, UserMessages& messages, const AssetScope& scope,
                          ProgressSink* progress)
{
    if (!messages.question(kAloneCheckQuestion))
        return false;
    const auto say = [&](const QString& text) {
        if (progress)
            progress->setText(text);
    };
    if (progress)
        progress->start(kCheckProgressCaption,
                        QStringLiteral("Trwa sprawdzanie poprawności kwot odpisów..."), 0);

    RowSet assets(QStringLiteral("F00004ST"));
    QString sql = QStringLiteral("select ID, OKRESLENIE, DOTYCHCZAS_UMORZ, ZAKTUAL_UMORZ, "
                                 "POD_DOT_UMORZ, POD_ZAKTUAL_UMORZ, ODPIS_JEDN, POD_ODPIS_JEDN "
                                 "from F00004ST");
    if (!scope.all)
        sql += QStringLiteral(" where ID in (%1)")
                   .arg(scope.ids.isEmpty() ? QStringLiteral("-1") : idList(scope.ids));
    for (const Row& r : db.rows(sql + QStringLiteral(" ORDER BY ID")))
        assets.adopt(r);
    const QStringList assetAmounts{"DOTYCHCZAS_UMORZ",  "ZAKTUAL_UMORZ", "POD_DOT_UMORZ",
                                   "POD_ZAKTUAL_UMORZ", "ODPIS_JEDN",    "POD_ODPIS_JEDN"};
    QList<qint64> changed;
    for (int i = 0; i < assets.size(); ++i) {
        bool any = false;
        for (const QString& c : assetAmounts)
            any = roundColumn(assets, i, c) || any;
        if (any)
            changed << assets.at(i).integer(QStringLiteral("ID"));
    }

    RowSet plans(QStringLiteral("F00006ST"));
    RowSet events(QStringLiteral("F00007ST"));
    RowSet lines(QStringLiteral("F00009ST"));
    RowSet snapshots(QStringLiteral("F00022ST"));
    if (!changed.isEmpty()) {
        const QString inChanged = QStringLiteral("ID_SRODKA in (%1)").arg(idList(changed));
        say(QStringLiteral("Kontrola planów amortyzacji..."));
        plans.load(db, inChanged);
        roundAll(plans, {QStringLiteral("KWOTA")});

        say(QStringLiteral("Kontrola kwot odpisów amortyzacyjnych..."));
        events.load(db, inChanged);
        const QStringList eventAmounts = amountColumns("KWOTA", 24);
        for (int i = 0; i < events.size(); ++i) {
            const qint64 type = events.at(i).integer(QStringLiteral("TYP"));
            for (const QString& c : eventAmounts) {
                if (c == QLatin1String("KWOTA14") && (type == 2 || type == 3))
                    continue;
                roundColumn(events, i, c);
            }
            const QString k14 = QStringLiteral("KWOTA14");
            const Row& e = events.at(i);
            if ((type == 2 || type == 3) && !e.isNull(k14) &&
                RoundAmount(2, e.num(k14)) != e.num(k14))
                events.setValue(
                    i, k14,
                    RoundAmount(2, static_cast<long double>(e.num(QStringLiteral("KWOTA11"))) -
                                       e.num(QStringLiteral("KWOTA12"))));
        }

        say(QStringLiteral("Kontrola poleceń księgowania..."));
        lines.load(db);
        roundAll(lines, {QStringLiteral("KWOTA")});

        say(QStringLiteral("Kontrola kwot odpisów aktualizujących..."));
        snapshots.load(db);
        roundAll(snapshots, amountColumns("KWOTA", 30));
    }
    if (progress)
        progress->finish();
    return SaveOperation(db, {&assets, &plans, &events, &lines, &snapshots}, true, false, messages);
}

bool CheckAccumulatedDepreciation(Database& db, UserMessages& messages, const AssetScope& scope,
                                  ProgressSink* progress)
{
    if (!messages.question(kAloneCheckQuestion))
        return false;
    RowSet assets(QStringLiteral("F00004ST"));
    QString sql =
        QStringLiteral("select ID, OKRESLENIE, ZAKTUAL_UMORZ, DOTYCHCZAS_UMORZ, "
                       "POD_ZAKTUAL_UMORZ, POD_DOT_UMORZ, KWOTABOB, KWOTABOP from F00004ST");
    if (!scope.all)
        sql += QStringLiteral(" where ID in (%1)")
                   .arg(scope.ids.isEmpty() ? QStringLiteral("-1") : idList(scope.ids));
    for (const Row& r : db.rows(sql + QStringLiteral(" ORDER BY ID")))
        assets.adopt(r);
    if (progress)
        progress->start(kCheckProgressCaption, QString(), assets.size());

    const auto writeOffs = [&](qint64 id, int type) {
        return db
            .scalar(QStringLiteral("select SUM(KWOTA1) as SUMA_UMORZEN from F00007st where "
                                   "(ID_SRODKA=:iId) and (TYP=:iTyp)"),
                    {{QStringLiteral("iId"), id}, {QStringLiteral("iTyp"), type}})
            .toDouble(); // a null sum adds nothing
    };
    for (int i = 0; i < assets.size(); ++i) {
        const Row a = assets.at(i);
        if (progress)
            progress->setText(a.str(QStringLiteral("OKRESLENIE")));
        const qint64 id = a.integer(QStringLiteral("ID"));
        const double book = RoundAmount(
            2, static_cast<long double>(a.num(QStringLiteral("KWOTABOB"))) + writeOffs(id, 4));
        const double tax = RoundAmount(
            2, static_cast<long double>(a.num(QStringLiteral("KWOTABOP"))) + writeOffs(id, 5));
        assets.setValue(i, QStringLiteral("ZAKTUAL_UMORZ"), book);
        assets.setValue(i, QStringLiteral("DOTYCHCZAS_UMORZ"), book);
        assets.setValue(i, QStringLiteral("POD_ZAKTUAL_UMORZ"), tax);
        assets.setValue(i, QStringLiteral("POD_DOT_UMORZ"), tax);
        if (progress)
            progress->step();
    }
    if (progress)
        progress->finish();
    return SaveOperation(db, {&assets}, true, false, messages);
}

} // namespace vorn
