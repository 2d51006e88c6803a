#pragma once

#include "app/cli/Command.h"
#include "common/Messages.h"
#include "shell/AdministratorLauncher.h"
#include "shell/Session.h"

#include <memory>

namespace vorn {
class ConfigStore;
class Workstation;
} // namespace vorn

namespace vorn::cli {

// A session opened from the command line exactly as the desktop program opens one (same
// rights, same registration of the login, logout at the end), with the dialogs answered by
// the global options: --user/--password identify, --firm picks the firm, --year the year.
// Questions are answered No unless --yes was given.
class CliSession
{
public:
    explicit CliSession(const Invocation& invocation, bool chooseYear);
    ~CliSession();

    // Logs in and opens the firm; false when that failed (the reason is on stderr).
    bool open();
    Session& session() { return *m_session; }
    UserMessages& messages() { return m_messages; }

private:
    class Prompt;
    class Picker;
    class Chooser;

    const Invocation& m_inv;
    ConsoleMessages m_messages;
    std::unique_ptr<ConfigStore> m_config;
    std::unique_ptr<Workstation> m_workstation;
    QtProcessStarter m_starter;
    std::unique_ptr<Prompt> m_prompt;
    std::unique_ptr<Picker> m_picker;
    std::unique_ptr<Chooser> m_chooser;
    std::unique_ptr<Session> m_session;
};

} // namespace vorn::cli
