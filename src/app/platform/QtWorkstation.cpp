#include "app/platform/QtWorkstation.h"

#include <QNetworkInterface>
#include <QSysInfo>

namespace vorn {

QtWorkstation::QtWorkstation() : m_name(QSysInfo::machineHostName().toUpper())
{
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol) {
            m_ip = address.toString();
            break;
        }
    }
}

} // namespace vorn
