#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vorn {

class TV2Registry;
class UserMessages;

class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class QtProcessStarter : public ProcessStarter
{
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// Hands control to the administrator tool with one of the suite's switches ("/F /ST",
// "/ARCH", ...). The program is RootPath of AD + "/BIN/AD/" + the tool's file name.
class AdministratorLauncher
{
public:
    static inline const QString kInstanceName = QStringLiteral("VORNAD");

    AdministratorLauncher(const TV2Registry& registry, UserMessages& messages,
                          ProcessStarter& starter);

    // closeWindow, when given, marks the main window as closing without a question and
    // closes it; it runs before the single-instance check, as the suite does.
    bool StartAdministrator(const QString& switches, const std::function<void()>& closeWindow,
                            bool ask);

    static QString ProgramFileName();
    QString programPath() const;

private:
    const TV2Registry& m_registry;
    UserMessages& m_messages;
    ProcessStarter& m_starter;
};

} // namespace vorn
