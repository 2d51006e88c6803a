#include "store/OperationChecks.h"

#include "common/Dates.h"
#include "common/Errors.h"
#include "common/FiscalYear.h"
#include "common/Messages.h"
#include "common/Money.h"
#include "store/BitSelect.h"
#include "store/Database.h"
#include "store/TableDef.h"

namespace vorn {

bool CheckDialogDate(const QDate& date, bool strict, const FiscalYearContext& year,
                     UserMessages& messages, QDate* lastOperationDate)
{
    if (!date.isValid()) {
        if (strict)
            messages.error(QStringLiteral("Błędna data."));
        return false;
    }
    if (strict) {
        if (date < year.StartDate || date > year.EndDate) {
            messages.error(QStringLiteral("Data spoza bieżącego roku obrachunkowego."));
            return false;
        }
        if (year.ClosedTo.isValid() && date <= year.ClosedTo) {
            messages.error(QStringLiteral("Data z zamkniętego miesiąca."));
            return false;
        }
    }
    if (lastOperationDate)
        *lastOperationDate = date;
    return true;
}

OperationChecks::OperationChecks(Database& db, const FiscalYearTable& years, UserMessages& messages)
    : m_db(db), m_years(years), m_messages(messages)
{
}

bool OperationChecks::refuse(DateCheckCollector* collect, qint64 asset, const QString& name,
                             const QString& line, const QString& message)
{
    if (collect) {
        collect->lines << name + line;
        if (collect->errors)
            collect->errors->Set(int(asset), 1);
    } else {
        m_messages.error(message);
    }
    return false;
}

bool OperationChecks::CheckOperationDate(qint64 asset, bool operation, DateCheckCollector* collect,
                                         const QDate& date)
{
    const TableDef* assets = FindTable(QStringLiteral("F00004ST"));
    const auto row = m_db.firstRow(QStringLiteral("SELECT * FROM F00004ST WHERE ID = :id"),
                                   {{QStringLiteral("id"), asset}}, assets);
    if (!row)
        throw DataError(QStringLiteral("Nie znaleziono środka."));
    const QString name = row->str(QStringLiteral("OKRESLENIE"));
    const QVariantMap byAsset{{QStringLiteral("id"), asset}};

    if (!operation) {
        const auto first =
            m_db.firstRow(QStringLiteral("SELECT DATA1 FROM F00007ST WHERE ID_SRODKA = "
                                         ":id ORDER BY ID"),
                          byAsset);
        if (first && first->date(QStringLiteral("DATA1")) > date)
            return refuse(collect, asset, name,
                          QStringLiteral("- błąd daty wydarzenia - kolejne operacje dokonane"),
                          QStringLiteral("Data wydarzenia poprzedza datę przyjęcia środka do "
                                         "użytkowania.\r\nData przyjęcia : ") +
                              FormatDate(first->date(QStringLiteral("DATA1"))));
    } else {
        // Any event of any type strictly after the date.
        const auto later =
            m_db.firstRow(QStringLiteral("SELECT DATA1 FROM F00007ST WHERE ID_SRODKA = "
                                         ":id AND DATA1 > :data ORDER BY DATA1 DESC, ID DESC"),
                          {{QStringLiteral("id"), asset}, {QStringLiteral("data"), date}});
        if (later)
            return refuse(collect, asset, name,
                          QStringLiteral("- błąd daty operacji - kolejne operacje dokonane"),
                          QStringLiteral("Data operacji poprzedza daty kolejnych wydarzeń.\r\nData "
                                         "ostatniej operacji : ") +
                              FormatDate(later->date(QStringLiteral("DATA1"))));
    }

    const bool hasPlan =
        m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM F00007ST WHERE ID_SRODKA = :id "
                                   "AND TYP IN (2, 3)"),
                    byAsset)
            .toInt() > 0;
    const QString mode = operation ? QStringLiteral("operacji") : QStringLiteral("wydarzenia");
    if (hasPlan) {
        const auto next = NextWriteOffExceeded(asset, date);
        if (!next)
            return true;
        if (collect)
            return refuse(collect, asset, name,
                          QStringLiteral("- błąd daty %1 - przekracza datę kolejnego planowanego "
                                         "umorzenia")
                              .arg(mode),
                          {});
        const QString subject =
            operation ? QStringLiteral("Data operacji") : QStringLiteral("Data wydarzenia");
        return m_messages.question(
            subject +
            QStringLiteral(" przekracza datę kolejnego planowanego umorzenia.\r\n"
                           "Data kolejnego umorzenia : ") +
            FormatDate(*next) + QStringLiteral("\r\n") +
            QStringLiteral("Czy chcesz kontynuować ?"));
    }
    const QDate book = row->date(QStringLiteral("POCZ_AMORTYZACJI"));
    const QDate tax = row->date(QStringLiteral("POD_POCZ_AMORT"));
    if (book.isValid() && book >= date && (!tax.isValid() || tax >= date))
        return true;
    return refuse(
        collect, asset, name,
        QStringLiteral("- błąd daty %1 - przekracza daty rozpoczęcia amortyzacji").arg(mode),
        QStringLiteral("Data przekracza daty rozpoczęcia amortyzacji."));
}

std::optional<QDate> OperationChecks::NextWriteOffExceeded(qint64 asset, const QDate& date)
{
    const auto row =
        m_db.firstRow(QStringLiteral("SELECT * FROM F00004ST WHERE ID = :id"),
                      {{QStringLiteral("id"), asset}}, FindTable(QStringLiteral("F00004ST")));
    if (!row)
        return std::nullopt;
    // The last day of the month of the first planned (not written-off) row, of a kind or any.
    auto nextPlanned = [&](const QString& kindCondition) -> std::optional<QDate> {
        const auto plan =
            m_db.firstRow(QStringLiteral("SELECT ROK, MIESIAC FROM F00006ST WHERE ID_SRODKA = "
                                         ":id AND UMORZENIE = 'U'") +
                              kindCondition + QStringLiteral(" ORDER BY ID"),
                          {{QStringLiteral("id"), asset}});
        if (!plan)
            return std::nullopt;
        const auto ym = PeriodMonth(m_years, int(plan->integer(QStringLiteral("MIESIAC"))),
                                    int(plan->integer(QStringLiteral("ROK"))));
        if (!ym)
            return std::nullopt;
        return MonthBounds(QDate(ym->year, ym->month, 1)).last;
    };
    const auto any = nextPlanned({});
    if (any && date > *any &&
        RoundAmount(2, row->num(QStringLiteral("ZAKTUAL_UMORZ"))) !=
            RoundAmount(2, row->num(QStringLiteral("WART_ZAKT"))))
        return any;
    if (row->date(QStringLiteral("POD_POCZ_AMORT")).isValid()) {
        const auto tax = nextPlanned(QStringLiteral(" AND RODZAJ_AMORT = 'P'"));
        if (tax && date > *tax &&
            RoundAmount(2, row->num(QStringLiteral("POD_ZAKTUAL_UMORZ"))) !=
                RoundAmount(2, row->num(QStringLiteral("POD_WARTOSC_ZAKT"))))
            return tax;
    }
    return std::nullopt;
}

QDate OperationChecks::LastOperationDate(const QList<qint64>& assets, const FiscalYearContext& year)
{
    if (assets.isEmpty())
        return year.StartDate;
    QStringList ids;
    for (qint64 id : assets)
        ids << QString::number(id); // numbers only: safe inside the statement
    try {
        const QVariant last = m_db.scalar(
            QStringLiteral(
                "select max(DATA1) as OST_OPER from F00007ST where\r\n(DATA1 >= :pocz and "
                "DATA1 <= :koniec) and ID_SRODKA in (%1)")
                .arg(ids.join(QLatin1Char(','))),
            {{QStringLiteral("pocz"), year.StartDate}, {QStringLiteral("koniec"), year.EndDate}});
        if (last.isNull())
            return year.StartDate;
        const QDate d = QDate::fromString(last.toString().left(10), Qt::ISODate);
        return d.isValid() ? d : year.StartDate;
    } catch (const VornError&) {
        m_messages.error(QStringLiteral("Błąd podczas ustalania daty operacji."));
        return QDate::currentDate();
    }
}

} // namespace vorn
