#include "app/cli/PlanComputeCommand.h"

#include "app/cli/JsonInput.h"
#include "common/Errors.h"
#include "depreciation/KindParameters.h"
#include "depreciation/YearPlan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vorn::cli {

namespace {

using J = JsonInput;

void requireValue(const Row& row, const char* column, const QString& where)
{
    if (row.isNull(QString::fromLatin1(column)))
        throw ValidationError(
            where + QStringLiteral(": brak wartości pola \"%1\"").arg(QString::fromLatin1(column)));
}

QList<FiscalYearRow> fiscalYears(const QJsonValue& value)
{
    const QJsonArray rows = J::array(value, QStringLiteral("fiscal_years"));
    QList<FiscalYearRow> out;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString at = QStringLiteral("fiscal_years[%1]").arg(i);
        const Row row = J::row(rows.at(i), FiscalYearColumns(), at);
        for (const char* column : {"ROK", "DATA_POCZ", "DATA_KONCA"})
            requireValue(row, column, at);
        FiscalYearRow fy{static_cast<int>(row.integer(QStringLiteral("ROK"))),
                         row.date(QStringLiteral("DATA_POCZ")),
                         row.date(QStringLiteral("DATA_KONCA")),
                         row.date(QStringLiteral("ZAMKNIETYDO"))};
        if (fy.dataKonca < fy.dataPocz)
            throw ValidationError(at + QStringLiteral(": DATA_KONCA przed DATA_POCZ"));
        if (FiscalYearContext::fromRow(fy).MonthCount > MaxPeriods)
            throw ValidationError(at + QStringLiteral(": rok obrotowy dłuższy niż 24 miesiące"));
        out.append(fy);
    }
    return out;
}

Kind kindOf(const QJsonValue& value)
{
    const QString k = J::text(value, QStringLiteral("kind"));
    if (k == QLatin1String("B"))
        return Kind::Book;
    if (k == QLatin1String("P"))
        return Kind::Tax;
    throw ValidationError(QStringLiteral("kind: oczekiwano \"B\" albo \"P\""));
}

// The columns a plan of the kind cannot do without.
void requireKindColumns(const QJsonObject& asset, Kind kind, const QString& where)
{
    const KindColumns& c = KindColumns::of(kind);
    for (const QString* column :
         {&c.grossValue, &c.method, &c.rate, &c.coefficient, &c.frequency, &c.useMonths, &c.start})
        J::required(asset, *column, where);
}

QList<Row> events(const QJsonValue& value)
{
    const QJsonArray rows = J::array(value, QStringLiteral("events"));
    QList<Row> out;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString at = QStringLiteral("events[%1]").arg(i);
        const Row row = J::row(rows.at(i), EventColumns(), at);
        for (const char* column : {"ID", "TYP", "DATA1"})
            requireValue(row, column, at);
        out.append(row);
    }
    return out;
}

QJsonObject planJson(const YearPlan& plan)
{
    QJsonArray amounts;
    for (int i = 1; i <= plan.monthCount; ++i)
        amounts.append(plan.amount(i));
    QJsonObject o;
    o.insert(QStringLiteral("ID_SRODKA"), static_cast<double>(plan.assetId));
    o.insert(QStringLiteral("ROK"), plan.rok);
    o.insert(QStringLiteral("KWOTA"), amounts);
    o.insert(QStringLiteral("SUMA"), plan.sum());
    o.insert(QStringLiteral("MIESAMORT"), plan.marksText());
    o.insert(QStringLiteral("DO_UMORZ"), plan.remaining);
    o.insert(QStringLiteral("WARTOSC_ZAKT"), plan.grossValue);
    o.insert(QStringLiteral("start_accumulated"), plan.startAccumulated);
    o.insert(QStringLiteral("year_total"), plan.yearTotal);
    o.insert(QStringLiteral("end_accumulated"), plan.endAccumulated);
    return o;
}

} // namespace

QByteArray ComputePlanJson(const QByteArray& input)
{
    const QJsonObject o = J::parseObject(input);
    const QString top;
    const QList<FiscalYearRow> years =
        fiscalYears(J::required(o, QStringLiteral("fiscal_years"), top));
    const int rok = J::integer(J::required(o, QStringLiteral("year"), top), QStringLiteral("year"));
    const Kind kind = kindOf(J::required(o, QStringLiteral("kind"), top));
    const QDate operationDate = J::date(J::required(o, QStringLiteral("operation_date"), top),
                                        QStringLiteral("operation_date"));
    const QJsonValue assetValue = J::required(o, QStringLiteral("asset"), top);
    const Row asset = J::row(assetValue, AssetColumns(), QStringLiteral("asset"));
    requireKindColumns(assetValue.toObject(), kind, QStringLiteral("asset"));
    Row stored = asset;
    if (o.contains(QStringLiteral("stored_asset")))
        stored = J::row(o.value(QStringLiteral("stored_asset")), AssetColumns(),
                        QStringLiteral("stored_asset"));
    const QList<Row> history = events(J::required(o, QStringLiteral("events"), top));
    double opening = 0.0;
    if (o.contains(QStringLiteral("opening_adjustment")))
        opening = J::number(o.value(QStringLiteral("opening_adjustment")),
                            QStringLiteral("opening_adjustment"));

    const PlanYear year = PlanYear::make(years, rok, operationDate);
    AssetKindInput in = AssetKindInput::fromRows(asset, stored, history, kind);
    in.openingAdjustment = opening;
    return QJsonDocument(planJson(ComputeYearPlan(year, in))).toJson(QJsonDocument::Indented);
}

Command PlanComputeCommand()
{
    return {{QStringLiteral("plan"), QStringLiteral("compute")},
            QStringLiteral("plan roczny środka z danych JSON podanych na wejściu"),
            [](const Invocation& inv) {
                if (!inv.arguments.isEmpty())
                    throw ValidationError(QStringLiteral("plan compute nie przyjmuje argumentów"));
                inv.out->write(ComputePlanJson(inv.in->readAll()));
                return ExitOk;
            }};
}

} // namespace vorn::cli
