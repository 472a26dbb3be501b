#include "networkserialport.h"
#include "portdoctor.h"
#include "seriallink.h"

#include <QCoreApplication>

namespace portdoctor {

// A door unit behind a device server: whether its name resolves, whether the
// server takes a connection, and, for RFC 2217, whether it answers the
// COM-PORT-OPTION. Only a probe connects.
Device describeNetwork(const QString& path, bool probe)
{
    Device d;
    d.path = path;
    d.node = path;
    const std::optional<NetworkSerialPort::Address> address = NetworkSerialPort::parse(path);
    if (!address) {
        d.what = QCoreApplication::translate(
            "portdoctor", "is not a network address; write tcp://HOST:PORT or rfc2217://HOST:PORT");
        return d;
    }
    if (probe) {
        NetworkSerialPort port;
        if (port.open(path, SerialLink::kDoorUnitSettings) != 0) {
            d.what = port.errorText();
            return d;
        }
    }
    d.exists = true;
    d.serialLine = true;
    d.mayOpen = true;
    d.what = address->rfc2217 && !probe
                 ? QCoreApplication::translate("portdoctor",
                                               "a device server over the network, RFC 2217: the "
                                               "line is set from here")
             : address->rfc2217
                 ? QCoreApplication::translate("portdoctor",
                                               "a device server over the network that answers "
                                               "the COM-PORT-OPTION (RFC 2217): the line is set "
                                               "from here")
                 : QCoreApplication::translate("portdoctor",
                                               "a device server over the network, raw TCP: the "
                                               "server sets the line itself");
    d.access = probe
                   ? QCoreApplication::translate("portdoctor",
                                                 "its name resolves and it takes a connection")
                   : QCoreApplication::translate("portdoctor", "not tried: only a probe connects");
    return d;
}

} // namespace portdoctor
