#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray out;
    QString err;
};

CliRun RunCli(const QStringList& arguments, const QByteArray& input)
{
    // The build folder from the test environment; the path known at build time otherwise.
    const QString binaryDir = qEnvironmentVariable("VORN_TEST_BINARY_DIR");
    const QString program = binaryDir.isEmpty()
                                ? QStringLiteral(VORN_CLI_PROGRAM)
                                : binaryDir + QStringLiteral("/src/app/cli/vornst-cli");
    QProcess p;
    p.start(program, arguments);
    EXPECT_TRUE(p.waitForStarted(10000)) << program.toStdString();
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.exitStatus(), p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QJsonObject FiscalYear(int rok, const char* first, const char* last)
{
    return QJsonObject{
        {"ROK", rok}, {"DATA_POCZ", first}, {"DATA_KONCA", last}, {"ZAMKNIETYDO", QJsonValue()}};
}

// The machine of the worked example: 12 000,00 at 10 % x 1,2 from 1 March 2024.
QJsonObject Input()
{
    const QJsonObject asset{{"ID", 7},
                            {"OKRESLENIE", "Tokarka"},
                            {"WART_ZAKT", 12000.0},
                            {"ZAKTUAL_UMORZ", 0.0},
                            {"METODA_AMORT", "L"},
                            {"STAWKA", 10.0},
                            {"WSPOLCZYNNIK", 1.2},
                            {"CZESTOTL_ODPISOW", "M"},
                            {"MIESIACE_UZYTK", 4095},
                            {"POCZ_AMORTYZACJI", "2024-03-01"},
                            {"POD_METODA_AMORT", QJsonValue()}};
    return QJsonObject{{"fiscal_years", QJsonArray{FiscalYear(2023, "2023-01-01", "2023-12-31"),
                                                   FiscalYear(2024, "2024-01-01", "2024-12-31")}},
                       {"year", 2024},
                       {"kind", "B"},
                       {"operation_date", "2024-03-05"},
                       {"asset", asset},
                       {"events", QJsonArray{}}};
}

QByteArray Text(const QJsonObject& o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

QJsonObject Output(const CliRun& run)
{
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

TEST(PlanComputeCli, PrintsTheYearPlan)
{
    QJsonObject input = Input();
    QJsonObject stored = input.value("asset").toObject();
    stored.insert("ZAKTUAL_UMORZ", 150.004);
    input.insert("stored_asset", stored);
    const QJsonObject out = Output(RunCli({"plan", "compute"}, Text(input)));

    const QJsonArray amounts = out.value("KWOTA").toArray();
    ASSERT_EQ(amounts.size(), 12);
    EXPECT_EQ(amounts.at(0).toDouble(), 0.0);
    EXPECT_EQ(amounts.at(1).toDouble(), 0.0);
    for (int i = 2; i < 12; ++i)
        EXPECT_DOUBLE_EQ(amounts.at(i).toDouble(), 120.0) << i;
    EXPECT_DOUBLE_EQ(out.value("SUMA").toDouble(), 1200.0);
    EXPECT_EQ(out.value("MIESAMORT").toString(), QStringLiteral("NNTTTTTTTTTTNNNNNNNNNNNN"));
    EXPECT_DOUBLE_EQ(out.value("DO_UMORZ").toDouble(), 12000.0);
    EXPECT_DOUBLE_EQ(out.value("WARTOSC_ZAKT").toDouble(), 12000.0);
    EXPECT_DOUBLE_EQ(out.value("start_accumulated").toDouble(), 150.0);
    EXPECT_DOUBLE_EQ(out.value("year_total").toDouble(), 1200.0);
    EXPECT_DOUBLE_EQ(out.value("end_accumulated").toDouble(), 1350.0);
}

TEST(PlanComputeCli, FollowsEventsAndLongFiscalYears)
{
    // An 18-month fiscal year; a plan of 2023 already spent the one-off write-off.
    QJsonObject input = Input();
    input.insert("fiscal_years", QJsonArray{FiscalYear(2023, "2023-01-01", "2023-12-31"),
                                            FiscalYear(2024, "2024-01-01", "2025-06-30")});
    QJsonObject asset = input.value("asset").toObject();
    asset.insert("WSPOLCZYNNIK", 1.0);
    asset.insert("POCZ_AMORTYZACJI", "2023-01-01");
    asset.insert("ODPIS_JEDN", 3000.0);
    asset.insert("ODPIS_JEDN_TRYB", 1);
    input.insert("asset", asset);
    input.insert("events",
                 QJsonArray{QJsonObject{
                     {"ID", 1}, {"ID_SRODKA", 7}, {"TYP", 2}, {"DATA1", "2023-01-10T09:30:00"}}});
    const QJsonObject out = Output(RunCli({"--root", "/nowhere", "plan", "compute"}, Text(input)));
    const QJsonArray amounts = out.value("KWOTA").toArray();
    ASSERT_EQ(amounts.size(), 18);
    EXPECT_DOUBLE_EQ(amounts.at(0).toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(amounts.at(17).toDouble(), 100.0);
    EXPECT_DOUBLE_EQ(out.value("year_total").toDouble(), 1800.0);
}

struct BadCase
{
    const char* name;
    std::function<QByteArray()> input;
    const char* message;
};

void PrintTo(const BadCase& c, std::ostream* os)
{
    *os << c.name;
}

QByteArray Changed(const std::function<void(QJsonObject&)>& change)
{
    QJsonObject o = Input();
    change(o);
    return Text(o);
}

QByteArray AssetChanged(const char* column, const QJsonValue& value)
{
    return Changed([=](QJsonObject& o) {
        QJsonObject asset = o.value("asset").toObject();
        if (value.isUndefined())
            asset.remove(column);
        else
            asset.insert(column, value);
        o.insert("asset", asset);
    });
}

class PlanComputeBadInput : public ::testing::TestWithParam<BadCase>
{
};

TEST_P(PlanComputeBadInput, ExitsWithTwoAndAMessage)
{
    const CliRun run = RunCli({"plan", "compute"}, GetParam().input());
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(GetParam().message))) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanComputeBadInput,
    ::testing::Values(
        BadCase{"not_json", [] { return QByteArray("{\"year\": 2024,"); }, "niepoprawny JSON"},
        BadCase{"not_an_object", [] { return QByteArray("[1, 2]"); }, "jednego obiektu"},
        BadCase{"missing_asset", [] { return Changed([](QJsonObject& o) { o.remove("asset"); }); },
                "brak pola \"asset\""},
        BadCase{"missing_kind_column",
                [] { return AssetChanged("STAWKA", QJsonValue(QJsonValue::Undefined)); },
                "asset: brak pola \"STAWKA\""},
        BadCase{"rate_as_text", [] { return AssetChanged("STAWKA", "10"); },
                "asset.STAWKA: oczekiwano liczby"},
        BadCase{"unknown_column", [] { return AssetChanged("STAWK", 10); }, "nieznana kolumna"},
        BadCase{"impossible_date", [] { return AssetChanged("POCZ_AMORTYZACJI", "2024-02-30"); },
                "niemożliwa data"},
        BadCase{"date_in_local_form", [] { return AssetChanged("POCZ_AMORTYZACJI", "01-03-2024"); },
                "rrrr-mm-dd"},
        BadCase{"fractional_year",
                [] { return Changed([](QJsonObject& o) { o.insert("year", 2024.5); }); },
                "year: oczekiwano liczby całkowitej"},
        BadCase{"unknown_kind",
                [] { return Changed([](QJsonObject& o) { o.insert("kind", "X"); }); }, "kind"},
        BadCase{"year_not_in_table",
                [] { return Changed([](QJsonObject& o) { o.insert("year", 2030); }); },
                "Brak roku obrotowego 2030"},
        BadCase{"fiscal_year_over_24_months",
                [] {
                    return Changed([](QJsonObject& o) {
                        o.insert("fiscal_years",
                                 QJsonArray{FiscalYear(2024, "2024-01-01", "2026-01-31")});
                    });
                },
                "dłuższy niż 24 miesiące"},
        BadCase{"event_without_date",
                [] {
                    return Changed([](QJsonObject& o) {
                        o.insert("events", QJsonArray{QJsonObject{{"ID", 1}, {"TYP", 4}}});
                    });
                },
                "events[0]: brak wartości pola \"DATA1\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlanComputeCli, RefusesUnknownCommandsAndOptions)
{
    const CliRun command = RunCli({"plan", "erase"}, {});
    EXPECT_EQ(command.exitCode, 2);
    EXPECT_TRUE(command.err.contains("nieznane polecenie")) << command.err.toStdString();
    const CliRun option = RunCli({"--colour", "plan", "compute"}, Text(Input()));
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_TRUE(option.err.contains("nieznana opcja --colour"));
    EXPECT_TRUE(option.out.isEmpty());
}

} // namespace
