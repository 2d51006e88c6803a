#include "shell/Session.h"

#include "common/Errors.h"
#include "common/Messages.h"
#include "common/Paths.h"
#include "shell/AdConnect.h"
#include "shell/AdministratorLauncher.h"
#include "shell/Login.h"
#include "shell/LoginSupport.h"
#include "shell/Modules.h"
#include "shell/Registry.h"
#include "shell/SingleInstance.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Scope.h"

#include <QFileInfo>

namespace vorn {

class Session::LastYearAdapter : public LastYearStore
{
public:
    explicit LastYearAdapter(Session& session) : m_session(session) {}
    int lastYear() override
    {
        return m_session.m_login ? m_session.m_login->LastYear(ModuleST, m_session.m_state.user.ID)
                                 : -1;
    }
    void saveLastYear(int rok) override
    {
        if (m_session.m_login)
            m_session.m_login->SaveLastYear(ModuleST, m_session.m_state.user.ID, rok);
    }

private:
    Session& m_session;
};

Session::Session(ConfigStore& config, SessionUi ui, const Workstation& workstation,
                 ProcessStarter& starter, SessionOptions options)
    : m_config(config), m_ui(ui), m_workstation(workstation), m_starter(starter), m_options(options)
{
}

Session::~Session()
{
    Shutdown();
}

bool Session::Start()
{
    m_instance = std::make_unique<SingleInstance>(kInstanceName);
    if (m_options.singleInstance && !m_instance->tryAcquire()) {
        m_ui.messages.error(QStringLiteral("Program VORN 2000 Ewidencja i Amortyzacja Srodków "
                                           "Trwałych\r\njest już uruchomiony na tym stanowisku."));
        m_shutdownFrom = 11;
        return false;
    }
    m_registry = std::make_unique<TV2Registry>(m_config, m_ui.messages);
    m_registry->SetMode(1, 0);
    if (!m_registry->Load()) {
        m_shutdownFrom = 6;
        return false;
    }
    m_connect = std::make_unique<TADConnect>(*m_registry, m_ui.messages);
    m_connect->Connect(QStringLiteral("ssnSTLog"), QStringLiteral("dbSTLog"), true,
                       QStringLiteral("ST_LOG"));
    m_launcher = std::make_unique<AdministratorLauncher>(*m_registry, m_ui.messages, m_starter);
    m_login = std::make_unique<TV2Login>(*m_registry, *m_connect, m_ui.messages, m_ui.prompt,
                                         m_ui.picker, m_workstation, m_launcher.get());
    m_shutdownFrom = 1;
    if (m_login->LogIn(ModuleST, m_state.user, true, true, false, true, m_state.firm) != kLoginOk)
        return false;
    if (m_ui.splash)
        m_ui.splash->show();
    const bool opened = OpenSession();
    if (m_ui.splash)
        m_ui.splash->close();
    return opened;
}

bool Session::OpenSession()
{
    m_paths.netFileDir = m_registry->Path(ModuleST, pkNetFileDir);
    m_paths.rootPath = m_registry->Path(ModuleST, pkRootPath);
    if (m_paths.netFileDir.isEmpty() || m_paths.rootPath.isEmpty()) {
        m_ui.messages.error(QStringLiteral("Problemy z odczytem rejestru.\r\nProgram nie zostanie "
                                           "uruchomiony."));
        return false;
    }
    m_paths.helpFile =
        JoinPath({m_paths.rootPath, QStringLiteral("Help"), QStringLiteral("VornSt.HLP")});
    const QString temp = m_registry->TempDir();
    m_paths.tempTables = JoinPath({temp, QStringLiteral("ST")});
    m_paths.privateGlobal = JoinPath({m_paths.tempTables, QStringLiteral("S1")});
    m_paths.privateFirm = JoinPath({m_paths.tempTables, QStringLiteral("S2")});
    for (const QString& folder : {m_paths.privateGlobal, m_paths.privateFirm}) {
        if (!ResetPrivateFolder(folder)) {
            m_ui.messages.error(QStringLiteral("Błąd tworzenia katalogów dla sesji programu.") +
                                folder);
            return false;
        }
    }
    m_firmDb.reset();
    try {
        if (!OpenGlobalDatabase() || !OpenFirmDatabase())
            return false;
        m_lastYear = std::make_unique<LastYearAdapter>(*this);
        m_years =
            std::make_unique<FiscalYearService>(*m_firmDb, m_state, m_ui.messages, *m_lastYear);
        return !m_options.chooseYear ||
               m_years->ChooseYear(!m_preferChooser, m_preferChooser, m_ui.years);
    } catch (const VornError&) {
        m_ui.messages.error(QStringLiteral("Błąd przy odczycie danych stałych modułu."));
        return false;
    }
}

bool Session::OpenGlobalDatabase()
{
    m_globalDb.reset();
    m_paths.globalFolder = GlobalFolder(m_paths.rootPath);
    const auto dialect = DefaultDialect();
    // No dictionaries database at all: the program ends without a word.
    if (!QFileInfo::exists(
            dialect->databaseName(m_paths.globalFolder, ScopeFileName(Scope::Global))))
        return false;
    m_globalDb = OpenScope(Scope::Global, m_paths.globalFolder);
    return true;
}

bool Session::OpenFirmDatabase()
{
    m_paths.firmFolder = FirmFolder(m_paths.rootPath, m_state.firm.Numer);
    if (!QFileInfo(m_paths.firmFolder).isDir())
        return false;
    m_state.firmLabel = m_state.firm.NazwaSkrocona;
    m_years.reset();
    m_firmDb.reset();
    try {
        m_firmDb = OpenScope(Scope::Firm, m_paths.firmFolder);
    } catch (const VornError&) {
        m_state.firmLabel = kNoneLabel;
        m_state.yearLabel = kNoneLabel;
        throw;
    }
    return true;
}

bool Session::OpenFirmAndChooseYear(bool useLast, bool alwaysAsk)
{
    m_state.yearLabel = kNoneLabel;
    try {
        if (!OpenFirmDatabase())
            return false;
    } catch (const VornError& failure) {
        m_ui.messages.error(failure);
        return false;
    }
    m_lastYear = std::make_unique<LastYearAdapter>(*this);
    m_years = std::make_unique<FiscalYearService>(*m_firmDb, m_state, m_ui.messages, *m_lastYear);
    return m_years->ChooseYear(useLast, alwaysAsk, m_ui.years);
}

bool Session::othersWorkOnFirm()
{
    if (!m_connect || !m_connect->connected())
        return false;
    try {
        return m_connect->db()
                   .scalar(QStringLiteral("SELECT COUNT(*) FROM D00011AD WHERE MODUL = :modul AND "
                                          "FIRM = :firm AND USERNAME <> :user"),
                           {{QStringLiteral("modul"), ModuleCode(ModuleST)},
                            {QStringLiteral("firm"), m_state.firm.Numer},
                            {QStringLiteral("user"), m_state.user.Identyfikator}})
                   .toInt() > 0;
    } catch (const VornError&) {
        return true; // unknown counts as not alone
    }
}

void Session::Shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    auto step = [&](int n, auto&& action) {
        if (n < m_shutdownFrom)
            return;
        action();
        m_shutdownSteps << n;
    };
    step(1, [&] {
        if (m_login)
            m_login->LogOut(ModuleST, m_state.user, true, true, m_state.firm);
    });
    step(2, [&] { m_state.user = TV2User{}; });
    step(3, [&] { m_state.firm = TV2Firm{}; });
    step(4, [&] { m_login.reset(); });
    step(5, [&] {
        if (m_connect)
            m_connect->Disconnect();
        m_connect.reset();
    });
    step(6, [&] {
        m_launcher.reset();
        m_registry.reset();
    });
    step(7, [&] {});
    step(8, [&] {
        m_years.reset();
        m_lastYear.reset();
        m_firmDb.reset();
    });
    step(9, [&] { m_globalDb.reset(); });
    step(10, [&] {});
    step(11, [&] { m_instance.reset(); });
}

} // namespace vorn
