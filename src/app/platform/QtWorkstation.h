#pragma once

#include "shell/LoginInterfaces.h"

namespace vorn {

// The workstation's computer name and its first non-loopback IPv4 address (empty when the
// machine has none), read once.
class QtWorkstation : public Workstation
{
public:
    QtWorkstation();
    QString computerName() const override { return m_name; }
    QString ipAddress() const override { return m_ip; }

private:
    QString m_name;
    QString m_ip;
};

} // namespace vorn
