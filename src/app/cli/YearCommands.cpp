#include "app/cli/YearCommands.h"

#include "app/cli/CliSession.h"
#include "common/Dates.h"
#include "common/Errors.h"
#include "shell/FiscalYears.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vorn::cli {

namespace {

void write(QIODevice* device, const QString& text)
{
    device->write(text.toUtf8());
}

// The command's own "--name value" pairs; anything else is a usage error.
QMap<QString, QString> ownOptions(const QStringList& args, const QStringList& allowed)
{
    QMap<QString, QString> out;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!allowed.contains(a) || i + 1 >= args.size())
            throw ValidationError(QStringLiteral("niepoprawny argument \"%1\"").arg(a));
        out.insert(a, args.at(++i));
    }
    return out;
}

QJsonValue isoDate(const QDate& d)
{
    return d.isValid() ? QJsonValue(d.toString(Qt::ISODate)) : QJsonValue();
}

int listYears(const Invocation& inv)
{
    if (!inv.arguments.isEmpty())
        throw ValidationError(QStringLiteral("polecenie nie przyjmuje argumentów"));
    CliSession cli(inv, false);
    if (!cli.open())
        return ExitFailure;
    const auto years = cli.session().fiscalYears()->years();
    if (inv.options.contains(QStringLiteral("--json"))) {
        QJsonArray array;
        for (const FiscalYearRow& y : years)
            array.append(QJsonObject{{QStringLiteral("ROK"), y.rok},
                                     {QStringLiteral("DATA_POCZ"), isoDate(y.dataPocz)},
                                     {QStringLiteral("DATA_KONCA"), isoDate(y.dataKonca)},
                                     {QStringLiteral("ZAMKNIETYDO"), isoDate(y.zamknietyDo)}});
        inv.out->write(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return ExitOk;
    }
    write(inv.out, QStringLiteral("NUMER ROKU\tPOCZĄTEK ROKU\tKONIEC ROKU\tZAMKNIĘTY DO\n"));
    for (const FiscalYearRow& y : years)
        write(inv.out,
              QStringLiteral("%1\t%2\t%3\t%4\n")
                  .arg(y.rok)
                  .arg(FormatDate(y.dataPocz), FormatDate(y.dataKonca), FormatDate(y.zamknietyDo)));
    return ExitOk;
}

QDate dateArgument(const QMap<QString, QString>& opts, const QString& name)
{
    if (!opts.contains(name))
        return {};
    const QDate d = ParseDate(opts.value(name));
    if (!d.isValid())
        throw ValidationError(
            QStringLiteral("%1: niepoprawna data \"%2\" (dd-mm-rrrr)").arg(name, opts.value(name)));
    return d;
}

int addYear(const Invocation& inv)
{
    const auto opts = ownOptions(inv.arguments, {QStringLiteral("--rok"), QStringLiteral("--start"),
                                                 QStringLiteral("--end")});
    NewYearInput input;
    if (opts.contains(QStringLiteral("--rok"))) {
        bool ok = false;
        input.rok = opts.value(QStringLiteral("--rok")).toInt(&ok);
        if (!ok)
            throw ValidationError(QStringLiteral("--rok: oczekiwano liczby"));
    }
    input.start = dateArgument(opts, QStringLiteral("--start"));
    input.end = dateArgument(opts, QStringLiteral("--end"));

    CliSession cli(inv, false);
    if (!cli.open())
        return ExitFailure;
    if (!cli.session().state().user.HasFirmRight(kRightNewYear, &cli.messages()))
        return ExitFailure;
    FiscalYearService& years = *cli.session().fiscalYears();
    const NewYearProposal proposal = years.ProposeNewYear();
    // After the first year a year starts the day after the previous one ends.
    if (!proposal.startEditable) {
        if (input.start.isValid() && input.start != proposal.input.start)
            throw ValidationError(
                QStringLiteral("--start: rok musi się zaczynać %1, dzień po końcu "
                               "poprzedniego roku")
                    .arg(FormatDate(proposal.input.start)));
        input.start = proposal.input.start;
    }
    if (const auto refusal = years.CreateYear(input)) {
        if (refusal->error)
            cli.messages().error(refusal->message);
        else
            cli.messages().information(refusal->message);
        return ExitFailure;
    }
    write(inv.out, QStringLiteral("Założono rok %1.\n").arg(*input.rok));
    return ExitOk;
}

int deleteYear(const Invocation& inv)
{
    bool ok = false;
    const int rok = inv.arguments.size() == 1 ? inv.arguments.first().toInt(&ok) : 0;
    if (!ok)
        throw ValidationError(QStringLiteral("podaj numer roku do usunięcia"));
    CliSession cli(inv, false);
    if (!cli.open())
        return ExitFailure;
    if (!cli.session().state().user.HasFirmRight(kRightDeleteYear, &cli.messages()))
        return ExitFailure;
    if (!cli.session().fiscalYears()->DeleteYear(rok, cli.session().othersWorkOnFirm()))
        return ExitFailure;
    write(inv.out, QStringLiteral("Usunięto rok %1.\n").arg(rok));
    return ExitOk;
}

} // namespace

QList<Command> YearCommands()
{
    return {
        {{QStringLiteral("year"), QStringLiteral("list")},
         QStringLiteral("lata obrachunkowe firmy"),
         listYears},
        {{QStringLiteral("year"), QStringLiteral("add")},
         QStringLiteral("--rok N --start dd-mm-rrrr --end dd-mm-rrrr: założenie roku"),
         addYear},
        {{QStringLiteral("year"), QStringLiteral("delete")},
         QStringLiteral("ROK: usunięcie ostatniego roku"),
         deleteYear},
    };
}

} // namespace vorn::cli
