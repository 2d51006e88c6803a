#include "shell/AdministratorLauncher.h"

#include "common/Messages.h"
#include "common/Paths.h"
#include "shell/Registry.h"
#include "shell/SingleInstance.h"

#include <QFileInfo>
#include <QProcess>

namespace vorn {

bool QtProcessStarter::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

AdministratorLauncher::AdministratorLauncher(const TV2Registry& registry, UserMessages& messages,
                                             ProcessStarter& starter)
    : m_registry(registry), m_messages(messages), m_starter(starter)
{
}

QString AdministratorLauncher::ProgramFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("vornst-admin.exe");
#else
    return QStringLiteral("vornst-admin");
#endif
}

QString AdministratorLauncher::programPath() const
{
    return JoinPath({m_registry.Path(ModuleAD, pkRootPath), QStringLiteral("BIN"),
                     QStringLiteral("AD"), ProgramFileName()});
}

bool AdministratorLauncher::StartAdministrator(const QString& switches,
                                               const std::function<void()>& closeWindow, bool ask)
{
    if (ask && !m_messages.question(
                   QStringLiteral("Uwaga!\n\rZa chwilę nastąpi zamknięcie bieżącego programu i "
                                  "uruchomienie \n\rprogramu Vorn 2000 - Administrator.\n\r\n\rCzy "
                                  "chcesz kontynuować?"),
                   DefaultAnswer::Yes, QuestionIcon::Exclamation))
        return false;
    if (closeWindow)
        closeWindow();
    if (SingleInstance::IsHeldElsewhere(kInstanceName)) {
        m_messages.error(QStringLiteral(
            "Program VORN 2000 Administrator jest już uruchomiony na tym stanowisku."));
        return false;
    }
    const QString program = programPath();
    if (!QFileInfo(program).isFile()) {
        m_messages.error(QStringLiteral("Nie znaleziono programu: ") + program);
        return false;
    }
    return m_starter.startDetached(program, switches.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

} // namespace vorn
