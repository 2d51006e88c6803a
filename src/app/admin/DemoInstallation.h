#pragma once

#include <QDate>
#include <QStringList>

namespace vorn::admin {

class Installation;

// The demo on a new installation: firm 1 with its tables and example content, and one
// user "ADMIN" with every right and no password, so that the program opens the firm at once
// (a lone user without a password needs no login dialog).
class DemoInstallation
{
public:
    static constexpr int kFirmNumber = 1;
    static inline const QString kUser = QStringLiteral("ADMIN");

    DemoInstallation(const Installation& installation, QDate today)
        : m_installation(installation), m_today(today)
    {
    }

    // Refused on an installation that already has firm 1 or any user: a password-less user
    // with every right is only safe as the single user of a demo.
    QStringList create() const;

private:
    const Installation& m_installation;
    QDate m_today;
};

} // namespace vorn::admin
