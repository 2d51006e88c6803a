#include "ui/main/MainCommands.h"

#include "common/Messages.h"
#include "shell/AdministratorLauncher.h"
#include "shell/Login.h"
#include "shell/Modules.h"
#include "shell/Session.h"
#include "store/Database.h"
#include "store/FirmFiscalYears.h"
#include "store/KeyCheck.h"
#include "store/OperationLocks.h"
#include "store/RepairChecks.h"
#include "ui/main/CommandBinder.h"
#include "ui/main/DesktopTools.h"
#include "ui/main/HelpWindow.h"
#include "ui/main/InfoBands.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SmallDialogs.h"
#include "ui/reports/ProgressBox.h"

#include <QDateTime>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vorn {

MainCommands::MainCommands(TfrmMainST& window, Services services)
    : QObject(&window), m_window(window), m_services(std::move(services))
{
    bindWindows();
    bindHelp();
    bindUserTools();
    bindSessionChanges();
    bindAdministrator();
    bindChecks();
}

void MainCommands::bindWindows()
{
    CommandDispatcher& d = m_window.dispatcher();
    QMdiArea& area = m_window.area();
    d.bind(QStringLiteral("kaskada"), [&area] { area.cascadeSubWindows(); });
    d.bind(QStringLiteral("sasiadujaco"), [&area] { area.tileSubWindows(); });
    d.bind(QStringLiteral("zamknijOkna"), [this] { m_window.closeAllChildren(); });
    d.bind(QStringLiteral("koniec"), [this] { m_window.close(); });
}

void MainCommands::bindHelp()
{
    CommandDispatcher& d = m_window.dispatcher();
    d.bind(QStringLiteral("pomocZawartosc"), [this] {
        TfrmPomoc help(&m_window);
        help.exec();
    });
    d.bind(QStringLiteral("pomocSzukaj"), [this] {
        TfrmPomoc help(&m_window);
        help.focusSearch();
        help.exec();
    });
    d.bind(QStringLiteral("oProgramie"), [this] {
        TfrmOProgramie about(m_services.fullVersion, &m_window);
        about.exec();
    });
}

void MainCommands::bindUserTools()
{
    CommandDispatcher& d = m_window.dispatcher();
    UserMessages& messages = m_window.messages();
    d.bind(QStringLiteral("kalkulator"),
           [&messages] { StartDesktopProgram(CalculatorProgram(), messages); });
    d.bind(QStringLiteral("notes"),
           [&messages] { StartDesktopProgram(EditorProgram(), messages); });
    d.bind(QStringLiteral("drukarka"), [this, &messages] { PrinterSetup(&m_window, messages); });
    d.bind(QStringLiteral("kalendarz"), [this] {
        TfrmKalendarz calendar(&m_window);
        calendar.exec();
    });
    d.bind(QStringLiteral("opcje"), [this] {
        TfrmOpcje options(m_colourMarks, &m_window);
        if (options.exec() != QDialog::Accepted)
            return;
        m_colourMarks = options.colourMarks();
        if (onColourMarksChanged)
            onColourMarksChanged(m_colourMarks);
    });
}

void MainCommands::bindSessionChanges()
{
    CommandDispatcher& d = m_window.dispatcher();
    d.bind(QStringLiteral("zmianaFirmy"), [this] { changeFirm(); });
    if (m_services.years)
        d.bind(QStringLiteral("zmianaRoku"), [this] { changeYear(); });
    d.bind(QStringLiteral("wejdzJako"), [this] { changeUser(); });
    m_window.bands().onFirmDoubleClick = [this] { runFromBand(QStringLiteral("zmianaFirmy")); };
    m_window.bands().onYearDoubleClick = [this] { runFromBand(QStringLiteral("zmianaRoku")); };
}

void MainCommands::runFromBand(const QString& id)
{
    m_window.commands().updateStates();
    m_window.dispatcher().run(id, m_window.commandContext(), m_window.state().user,
                              m_window.messages());
    m_window.commands().updateStates();
}

void MainCommands::changeFirm()
{
    if (m_window.commandContext().anyChildOpen) {
        m_window.messages().information(
            QStringLiteral("Przed zmianą firmy należy zamknąć wszystkie aktywne okna programu."));
        return;
    }
    Session& session = *m_services.session;
    SessionState& state = session.state();
    const qint64 previous = state.firm.ID;
    if (!session.login()->ChangeFirm(ModuleST, state.user, true, true, state.firm))
        return;
    if (state.firm.ID != previous)
        session.OpenFirmAndChooseYear(true, false);
    m_window.showSession();
}

void MainCommands::changeYear()
{
    if (FiscalYearService* years = m_services.session->fiscalYears())
        years->ChooseYear(false, true, *m_services.years);
    m_window.showSession();
}

void MainCommands::changeUser()
{
    if (m_window.commandContext().anyChildOpen) {
        m_window.messages().information(
            QStringLiteral("Proszę zamknąć wszystkie aktywne okna i ponowić próbę."));
        return;
    }
    if (!m_services.session)
        return;
    Session& session = *m_services.session;
    SessionState& state = session.state();
    const qint64 previous = state.user.ID;
    if (!session.login()->ChangeUser(ModuleST, state.user, state.firm) || state.user.ID == previous)
        return;
    state.firmLabel = kNoneLabel;
    state.yearLabel = kNoneLabel;
    m_window.showSession();
    if (!session.OpenSession()) {
        m_window.messages().information(QStringLiteral("Koniec pracy w programie."));
        state.terminateRequested = true;
        m_window.setTag(1);
        m_window.close();
        return;
    }
    m_window.loadLayout();
    releaseOwnLocks();
    m_window.showSession();
}

void MainCommands::releaseOwnLocks()
{
    Session* session = m_services.session;
    if (!session || !session->firmDb())
        return;
    const TV2User& user = session->state().user;
    try {
        OperationLocks(*session->firmDb(), LockOwner{user.Identyfikator, user.Nazwa})
            .ReleaseLocks(-1, QLatin1Char('W'));
    } catch (const VornError& failure) {
        m_window.messages().error(failure);
    }
}

void MainCommands::bindAdministrator()
{
    if (!m_services.launcher)
        return;
    const QList<QPair<QString, QString>> handOvers{
        {QStringLiteral("admFirmy"), QStringLiteral("/F /ST")},
        {QStringLiteral("admUzytkownicy"), QStringLiteral("/U /ST")},
        {QStringLiteral("admArchiwizacja"), QStringLiteral("/A /ST")},
        {QStringLiteral("admEksport"), QStringLiteral("/EST /ST")},
        {QStringLiteral("admNaprawa"), QStringLiteral("/R /ST")}};
    for (const auto& [id, switches] : handOvers) {
        const QString sw = switches;
        m_window.dispatcher().bind(id, [this, sw] {
            m_services.launcher->StartAdministrator(
                sw,
                [this] {
                    m_window.setTag(1);
                    m_window.close();
                },
                true);
        });
    }
}

void MainCommands::setClassificationTableDialog(std::function<void()> dialog)
{
    m_window.dispatcher().bind(QStringLiteral("wyborKst"), [this, dialog] {
        if (!m_window.messages().question(kClassificationChoiceQuestion))
            return;
        if (m_window.commandContext().anyChildOpen) {
            m_window.messages().information(QStringLiteral(
                "Przed wyborem tabeli KŚT należy zamknąć wszystkie aktywne okna programu."));
            return;
        }
        dialog();
    });
}

void MainCommands::bindChecks()
{
    Session* session = m_services.session;
    ReportViewer* viewer = m_services.reports;
    if (!session || !viewer)
        return;
    CommandDispatcher& d = m_window.dispatcher();
    const auto header = [this, session] {
        return ReportHeader{m_window.windowTitle(), session->state().firm.Numer,
                            QDateTime::currentDateTime(), session->state().user.Identyfikator};
    };
    d.bind(QStringLiteral("kontrolaKluczy"), [this, session, viewer, header] {
        if (!session->firmDb() || !m_window.messages().question(kPlansCheckQuestion))
            return;
        ProgressBox progress(&m_window);
        const CheckReport report = CheckPrimaryKeys(*session->firmDb(), header(), &progress);
        progress.finish();
        viewer->show(report);
    });
    // The checks of all assets; those of the marked assets come with the asset browser,
    // which owns the marks.
    d.bind(QStringLiteral("kontrolaPlanowWsz"), [this, session, viewer, header] {
        if (!session->firmDb())
            return;
        ProgressBox progress(&m_window);
        FirmFiscalYears years(*session->firmDb());
        const std::optional<CheckReport> report =
            CheckPlans(*session->firmDb(), m_window.messages(), years, session->state().year.Year,
                       AssetScope{}, header(), &progress);
        progress.finish();
        if (report)
            viewer->show(*report);
    });
    d.bind(QStringLiteral("kontrolaKwotWsz"), [this, session] {
        if (!session->firmDb())
            return;
        ProgressBox progress(&m_window);
        CheckWriteOffAmounts(*session->firmDb(), m_window.messages(), AssetScope{}, &progress);
    });
    d.bind(QStringLiteral("kontrolaUmorzWsz"), [this, session] {
        if (!session->firmDb())
            return;
        ProgressBox progress(&m_window);
        CheckAccumulatedDepreciation(*session->firmDb(), m_window.messages(), AssetScope{},
                                     &progress);
    });
}

} // namespace vorn
