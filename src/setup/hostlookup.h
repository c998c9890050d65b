#pragma once

#include <QString>
#include <QStringList>

// The name service of this computer's network.
class AddressResolver
{
public:
    virtual ~AddressResolver() = default;
    virtual QString localHostName() const = 0;
    // The IPv4 addresses (dotted decimal) a name resolves to, in the
    // resolver's order; empty when the name does not resolve.
    virtual QStringList ipv4AddressesOf(const QString &hostName) const = 0;
    // The host name registered for an IPv4 address; empty when there is none
    // or the text is not an address.
    virtual QString hostNameOf(const QString &address) const = 0;
};

// The operating system's resolver. Blocks while it asks.
class SystemAddressResolver : public AddressResolver
{
public:
    QString localHostName() const override;
    QStringList ipv4AddressesOf(const QString &hostName) const override;
    QString hostNameOf(const QString &address) const override;
};

// What the set-up wizard tells about this computer, so the other
// workstations can be pointed at it.
namespace HostLookup {

inline const QString kHostNotFound = QStringLiteral("Host inválido ou não encontrado");

// The last address this computer's name resolves to; empty if none.
QString localIpAddress(const AddressResolver &resolver);
// The name registered for the address, or "Host inválido ou não encontrado".
QString hostNameOf(const AddressResolver &resolver, const QString &address);
// "IP deste computador: <ip>\nNome do Host deste computador: <name>".
QString thisComputerMessage(const AddressResolver &resolver);

} // namespace HostLookup
