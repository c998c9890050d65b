#include "hostlookup.h"

#include <QHostAddress>
#include <QHostInfo>

QString SystemAddressResolver::localHostName() const
{
    return QHostInfo::localHostName();
}

QStringList SystemAddressResolver::ipv4AddressesOf(const QString &hostName) const
{
    QStringList result;
    if (hostName.isEmpty())
        return result;
    const QHostInfo info = QHostInfo::fromName(hostName);
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            result << address.toString();
    }
    return result;
}

QString SystemAddressResolver::hostNameOf(const QString &address) const
{
    QHostAddress numeric;
    if (!numeric.setAddress(address) || numeric.protocol() != QAbstractSocket::IPv4Protocol)
        return {};
    // A reverse look-up that finds no name gives back the address itself.
    const QHostInfo info = QHostInfo::fromName(numeric.toString());
    if (info.error() != QHostInfo::NoError || info.hostName() == numeric.toString())
        return {};
    return info.hostName();
}

namespace HostLookup {

QString localIpAddress(const AddressResolver &resolver)
{
    const QStringList addresses = resolver.ipv4AddressesOf(resolver.localHostName());
    return addresses.isEmpty() ? QString() : addresses.last();
}

QString hostNameOf(const AddressResolver &resolver, const QString &address)
{
    const QString name = address.isEmpty() ? QString() : resolver.hostNameOf(address);
    return name.isEmpty() ? kHostNotFound : name;
}

QString thisComputerMessage(const AddressResolver &resolver)
{
    const QString ip = localIpAddress(resolver);
    return QStringLiteral("IP deste computador: ") + ip + QLatin1Char('\n')
           + QStringLiteral("Nome do Host deste computador: ") + hostNameOf(resolver, ip);
}

} // namespace HostLookup
