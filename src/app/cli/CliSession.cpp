#include "app/cli/CliSession.h"

#include "app/platform/QtWorkstation.h"
#include "common/Errors.h"
#include "shell/ConfigStore.h"
#include "shell/MemoryConfigStore.h"

namespace vorn::cli {

class CliSession::Prompt : public LoginPrompt
{
public:
    explicit Prompt(const Invocation& inv) : m_inv(inv) {}
    bool ask(QString* identifier, QString* password) override
    {
        // The credentials are given once; a second request means they were refused.
        if (m_asked || !m_inv.options.contains(QStringLiteral("--user")))
            return false;
        m_asked = true;
        *identifier = m_inv.options.value(QStringLiteral("--user"));
        *password = m_inv.options.value(QStringLiteral("--password"));
        return true;
    }

private:
    const Invocation& m_inv;
    bool m_asked = false;
};

class CliSession::Picker : public FirmPicker
{
public:
    Picker(const Invocation& inv, UserMessages& messages) : m_inv(inv), m_messages(messages) {}
    std::optional<qint64> pick(const QList<FirmListEntry>& firms, bool, const QString&,
                               qint64) override
    {
        bool ok = false;
        const int numer = m_inv.options.value(QStringLiteral("--firm")).toInt(&ok);
        if (ok) {
            for (const FirmListEntry& f : firms)
                if (f.numer == numer)
                    return f.id;
        }
        // Where the desktop program shows the chooser, say what can be chosen.
        QStringList listed;
        for (const FirmListEntry& f : firms)
            listed << QStringLiteral("%1 %2").arg(f.numer).arg(f.nazwaPelna);
        m_messages.information((ok ? QStringLiteral("Firma nr %1 nie jest dostępna.").arg(numer)
                                   : QStringLiteral("Należy wybrać firmę (--firm NUMER).")) +
                               QStringLiteral("\nDostępne firmy: ") +
                               listed.join(QStringLiteral(", ")));
        return std::nullopt;
    }

private:
    const Invocation& m_inv;
    UserMessages& m_messages;
};

class CliSession::Chooser : public YearChooser
{
public:
    explicit Chooser(const Invocation& inv) : m_inv(inv) {}
    std::optional<int> choose(int) override
    {
        bool ok = false;
        const int rok = m_inv.options.value(QStringLiteral("--year")).toInt(&ok);
        if (!ok || m_used)
            return std::nullopt;
        m_used = true;
        return rok;
    }

private:
    const Invocation& m_inv;
    bool m_used = false;
};

CliSession::CliSession(const Invocation& invocation, bool chooseYear)
    : m_inv(invocation),
      m_messages(invocation.options.contains(QStringLiteral("--yes")) ? ConsoleAnswers::Yes
                                                                      : ConsoleAnswers::No),
      m_prompt(std::make_unique<Prompt>(invocation)),
      m_picker(std::make_unique<Picker>(invocation, m_messages)),
      m_chooser(std::make_unique<Chooser>(invocation))
{
    const QString root = invocation.options.value(QStringLiteral("--root"));
    if (!root.isEmpty()) {
        auto memory = std::make_unique<MemoryConfigStore>();
        MemoryConfigStore::DescribeInstallation(*memory, root);
        m_config = std::move(memory);
    } else {
        m_config = OpenConfigStore(invocation.options.value(QStringLiteral("--registry")));
    }
    m_workstation = std::make_unique<QtWorkstation>();
    SessionOptions options;
    options.singleInstance = false;
    options.chooseYear = chooseYear;
    m_session = std::make_unique<Session>(*m_config,
                                          SessionUi{m_messages, *m_prompt, *m_picker, *m_chooser},
                                          *m_workstation, m_starter, options);
    // The year given on the command line wins over the user's last one.
    if (invocation.options.contains(QStringLiteral("--year")))
        m_session->setPreferChooser(true);
}

CliSession::~CliSession()
{
    m_session->Shutdown();
}

bool CliSession::open()
{
    return m_session->Start();
}

} // namespace vorn::cli
