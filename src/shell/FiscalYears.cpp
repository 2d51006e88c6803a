#include "shell/FiscalYears.h"

#include "common/Dates.h"
#include "common/Errors.h"
#include "common/Messages.h"
#include "shell/SessionState.h"
#include "store/Counters.h"
#include "store/Database.h"
#include "store/FirmFiscalYears.h"
#include "store/RowSet.h"
#include "store/SaveOperation.h"

namespace vorn {

namespace {

constexpr int kFiscalYearCounter = 18;
const QString kDeleteCaption = QStringLiteral("Usuwanie roku obrachunkowego");

} // namespace

FiscalYearService::FiscalYearService(Database& firmDb, SessionState& session,
                                     UserMessages& messages, LastYearStore& lastYear)
    : m_db(firmDb), m_session(session), m_messages(messages), m_lastYear(lastYear)
{
}

QList<FiscalYearRow> FiscalYearService::years() const
{
    return FirmFiscalYears(m_db).fiscalYears();
}

std::optional<FiscalYearRow> FiscalYearService::find(int rok) const
{
    for (const FiscalYearRow& row : years())
        if (row.rok == rok)
            return row;
    return std::nullopt;
}

void FiscalYearService::ApplyYear(const FiscalYearRow& row)
{
    m_session.year = FiscalYearContext::fromRow(row);
    m_session.yearLabel = QString::number(row.rok);
    m_session.browserData1 = row.dataKonca;
    m_session.browserData2 = row.dataPocz;
}

void FiscalYearService::ChooserCancelled()
{
    if (!m_session.yearOpen()) {
        m_session.yearLabel = kNoneLabel;
    } else {
        bool ok = false;
        const int rok = m_session.yearLabel.toInt(&ok);
        if (!ok || !find(rok))
            m_session.yearLabel = kNoneLabel;
    }
    if (!m_session.yearOpen()) {
        m_session.year = FiscalYearContext{};
        m_lastYear.saveLastYear(-1);
    }
}

bool FiscalYearService::ChooseYear(bool useLast, bool alwaysAsk, YearChooser& chooser)
{
    QList<FiscalYearRow> rows = years();
    int rok = -1;
    if (useLast && !rows.isEmpty())
        rok = m_lastYear.lastYear();
    for (;;) {
        std::optional<FiscalYearRow> row;
        if (rok == -1) {
            if (!alwaysAsk && rows.size() == 1) {
                row = rows.first();
                m_lastYear.saveLastYear(row->rok);
            } else {
                const int current = m_session.yearOpen() ? m_session.year.Year : -1;
                const auto chosen = chooser.choose(current);
                if (!chosen) {
                    ChooserCancelled();
                    if (m_session.yearOpen())
                        return false;
                    m_messages.information(
                        QStringLiteral("Nie wybrano roku. Nastąpi zamknięcie programu."));
                    m_session.terminateRequested = true;
                    return false;
                }
                rok = *chosen;
                rows = years();
            }
        }
        if (!row) {
            row = find(rok);
            if (!row) {
                rok = -1;
                continue;
            }
        }
        ApplyYear(*row);
        if (!m_opener || m_opener(*row)) {
            m_lastYear.saveLastYear(row->rok);
            return true;
        }
        m_session.firmLabel = kNoneLabel;
        m_session.yearLabel = kNoneLabel;
        rok = -1;
        rows = years();
        alwaysAsk = true; // the year that failed to open is not taken again without asking
    }
}

NewYearProposal FiscalYearService::ProposeNewYear(const QDate& today) const
{
    const QList<FiscalYearRow> rows = years();
    NewYearProposal p;
    if (rows.isEmpty()) {
        p.input.rok = today.year();
        p.input.start = QDate(today.year(), 1, 1);
        p.input.end = QDate(today.year(), 12, 31);
        return p;
    }
    const FiscalYearRow& last = rows.last();
    p.input.start = last.dataKonca.addDays(1);
    p.input.rok = last.rok + 1;
    p.input.end = QDate(p.input.start.year(), 12, 31);
    p.startEditable = false;
    return p;
}

std::optional<YearRefusal> FiscalYearService::ValidateNewYear(const NewYearInput& input) const
{
    const QList<FiscalYearRow> rows = years();
    if (!input.rok)
        return YearRefusal{QStringLiteral("Musisz wypełnić pozycję ROK OBRACHUNKOWY."), false,
                           YearField::Rok};
    int largest = std::numeric_limits<int>::min();
    for (const FiscalYearRow& row : rows) {
        if (row.rok == *input.rok)
            return YearRefusal{QStringLiteral("Rok o takim numerze już istnieje."), false,
                               YearField::Rok};
        largest = std::max(largest, row.rok);
    }
    if (!rows.isEmpty() && *input.rok <= largest)
        return YearRefusal{
            QStringLiteral("Numer roku musi być większy od numeru ostatniego zdefiniowanego roku."),
            false, YearField::Rok};
    if (!input.start.isValid())
        return YearRefusal{QStringLiteral("Błędna data."), true, YearField::Start};
    if (!input.end.isValid())
        return YearRefusal{QStringLiteral("Błędna data."), true, YearField::End};
    const int span = MonthSpan(input.start, input.end);
    if (span < 0 || span > 24)
        return YearRefusal{QStringLiteral("Niepoprawna data końca roku obrachunkowego."), false,
                           YearField::End};
    if (MonthBounds(input.end).last != input.end)
        return YearRefusal{QStringLiteral("Data końca roku musi być datą końca miesiąca."), false,
                           YearField::End};
    return std::nullopt;
}

std::optional<YearRefusal> FiscalYearService::CreateYear(const NewYearInput& input)
{
    if (auto refusal = ValidateNewYear(input))
        return refusal;
    const QList<FiscalYearRow> rows = years();
    try {
        // A new year is as closed as the year before it; the first one has nothing closed.
        const QDate closedTo = rows.isEmpty() ? input.start.addDays(-1) : rows.last().zamknietyDo;
        RowSet set(QStringLiteral("F00001ST"));
        Row row;
        row.set(QStringLiteral("ID"), NextNumber(m_db, kFiscalYearCounter));
        row.set(QStringLiteral("ROK"), *input.rok);
        row.set(QStringLiteral("DATA_POCZ"), input.start);
        row.set(QStringLiteral("DATA_KONCA"), input.end);
        row.set(QStringLiteral("ZAMKNIETYDO"),
                closedTo.isValid() ? QVariant(closedTo) : QVariant());
        set.append(row);
        ApplyChanges(m_db, {&set});
    } catch (const VornError&) {
        throw DataError(QStringLiteral("Błąd podczas zapisu danych."));
    }
    return std::nullopt;
}

bool FiscalYearService::DeleteYear(int rok, bool othersWorking)
{
    if (othersWorking) {
        m_messages.information(QStringLiteral("Nie jesteś jedynym użytkownikiem roku."));
        return false;
    }
    const QList<FiscalYearRow> rows = years();
    if (rows.isEmpty() || rows.last().rok != rok) {
        m_messages.information(QStringLiteral("Usunąć można jedynie ostatnią pozycję."));
        return false;
    }
    const FiscalYearRow year = rows.last();
    if (year.zamknietyDo.isValid() && year.dataPocz <= year.zamknietyDo) {
        m_messages.information(QStringLiteral("Rok zawiera zamknięte miesiące."));
        return false;
    }
    const QVariantMap bounds{{QStringLiteral("DataOd"), year.dataPocz},
                             {QStringLiteral("DataDo"), year.dataKonca}};
    QStringList lines;
    for (const Row& r : m_db.rows(
             QStringLiteral("SELECT DISTINCT S.OKRESLENIE, S.ID, W.ID_SRODKA FROM F00004ST S, "
                            "F00007ST W WHERE (S.ID=W.ID_SRODKA) AND (W.DATA1 >= :DataOd) AND "
                            "(W.DATA1 <= :DataDo) ORDER BY S.OKRESLENIE"),
             bounds))
        lines << r.str(QStringLiteral("OKRESLENIE")) +
                     QStringLiteral("  -  środek posiada wydarzenia w wybranym roku");
    if (lines.isEmpty()) {
        for (const Row& r :
             m_db.rows(QStringLiteral("SELECT OKRESLENIE FROM F00004ST WHERE "
                                      "(DATA_NABYCIA >= :DataOd) AND (DATA_NABYCIA <= "
                                      ":DataDo) ORDER BY OKRESLENIE"),
                       bounds))
            lines << r.str(QStringLiteral("OKRESLENIE")) +
                         QStringLiteral("  -  środek został nabyty w wybranym roku");
    }
    if (!lines.isEmpty()) {
        InfoWindowRequest request;
        request.caption = kDeleteCaption;
        request.text = QStringLiteral("Usunięcie wybranego roku obrachunkowego nie było możliwe.");
        request.info = lines;
        request.iconType = IconType::itInformation;
        m_messages.infoWindow(request);
        return false;
    }
    if (!m_messages.question(QStringLiteral("Czy chcesz usunąć rok \"%1\" ?").arg(rok),
                             DefaultAnswer::No))
        return false;
    RowSet set(QStringLiteral("F00001ST"));
    set.load(m_db, QStringLiteral("ROK = :rok"), {{QStringLiteral("rok"), rok}});
    for (int i = set.size() - 1; i >= 0; --i)
        set.remove(i);
    if (!SaveOperation(m_db, {&set}, true, false, m_messages))
        return false;
    return true;
}

} // namespace vorn
