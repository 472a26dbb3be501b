#include "portfactory.h"

#include "networkserialport.h"
#include "posixserialport.h"

std::unique_ptr<SerialPort> newSerialPort()
{
    return std::make_unique<ChoosingSerialPort>();
}

Expected<PortChoice> choosePort(const QString& text)
{
    QString digits = text.trimmed();
    if (NetworkSerialPort::parse(digits))
        return PortChoice{0, digits};
    if (Outcome address = NetworkSerialPort::checkAddress(digits); !address)
        return address;
    if (digits.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive))
        digits = digits.mid(3);
    if (digits.size() == 1 && digits[0] >= u'1' && digits[0] <= u'9')
        return PortChoice{digits[0].unicode() - u'0', {}};
    return PortChoice{};
}

int ChoosingSerialPort::open(const QString& device, const LineSettings& settings)
{
    if (isOpen())
        return m_port->open(device, settings); // refuses as the open port does
    const bool network = NetworkSerialPort::isNetworkDevice(device.trimmed());
    if (!m_port || network != m_network) {
        m_port.reset();
        if (network)
            m_port = std::make_unique<NetworkSerialPort>();
        else
            m_port = std::make_unique<PosixSerialPort>();
        m_network = network;
    }
    return m_port->open(device, settings);
}

void ChoosingSerialPort::close()
{
    if (m_port)
        m_port->close();
}

bool ChoosingSerialPort::write(const QByteArray& bytes)
{
    return m_port && m_port->write(bytes);
}

bool ChoosingSerialPort::drain(int deadlineMs)
{
    return m_port && m_port->drain(deadlineMs);
}

void ChoosingSerialPort::discardInput()
{
    if (m_port)
        m_port->discardInput();
}
