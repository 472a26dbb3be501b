#include "seriallink.h"

#include "networkserialport.h"
#include "settingsstore.h"

#include <QCoreApplication>

#include <cerrno>
#include <iterator>

SerialLink::SerialLink(SerialPort& port, Pauser& pauser) : m_port(port), m_pauser(pauser) {}

void SerialLink::configure(int portNumber)
{
    if (isOpen() || portNumber < 1 || portNumber > 9)
        return;
    if (m_state == State::Failed)
        close(); // a dead device is let go before another is chosen
    m_portNumber = portNumber;
    m_address.clear();
    m_settings = kDoorUnitSettings;
}

void SerialLink::configure(const QString& address)
{
    if (isOpen() || address.isEmpty())
        return;
    if (m_state == State::Failed)
        close();
    m_address = address;
    m_settings = kDoorUnitSettings;
}

QString SerialLink::portName() const
{
    return m_address.isEmpty() ? QStringLiteral("COM%1").arg(m_portNumber) : m_address;
}

QString SerialLink::deviceToOpen() const
{
    return m_address.isEmpty() ? deviceFor(m_portNumber) : m_address;
}

QString SerialLink::deviceFor(int portNumber)
{
    return settingsstore::read(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(portNumber),
                               QStringLiteral("/dev/ttyS%1").arg(portNumber - 1));
}

int SerialLink::numberOf(const QString& name)
{
    const QStringView digit = name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)
                                  ? QStringView(name).mid(3)
                                  : QStringView(name);
    return digit.size() == 1 && digit[0] >= u'1' && digit[0] <= u'9' ? digit[0].unicode() - u'0'
                                                                     : 0;
}

QString SerialLink::emptyEntry(int portNumber)
{
    return QCoreApplication::translate(
               "SerialLink",
               "names no device: the line \"COM%1=\" under [Ports] in %2 is empty; put "
               "the device after it, or remove the line to use /dev/ttyS%3")
        .arg(portNumber)
        .arg(settingsstore::fileName())
        .arg(portNumber - 1);
}

int SerialLink::open()
{
    if (m_state != State::Closed) {
        // A link that failed keeps its device open; opening it again starts afresh.
        if (m_state != State::Failed)
            return kAlreadyOpen;
        m_port.close();
    }
    m_device = deviceToOpen();
    m_written = 0;
    m_sinceDrain = 0;
    m_stopRequest.clear();
    if (m_device.isEmpty()) {
        m_state = State::Closed;
        m_failure = QStringLiteral("COM%1 %2").arg(m_portNumber).arg(emptyEntry(m_portNumber));
        return SerialPort::kNoSuchPort;
    }
    const int code = m_port.open(m_device, m_settings);
    if (code != 0) {
        m_state = State::Closed;
        const QString why = m_port.errorText();
        if (!m_address.isEmpty()) {
            //: %1 the device server's address, %2 why it could not be used
            m_failure = QCoreApplication::translate("SerialLink",
                                                    "The device server %1 could not be used (%2)")
                            .arg(m_address, why);
            return code;
        }
        if (NetworkSerialPort::isNetworkDevice(m_device)) {
            //: %1 the device server's address the port is mapped to, %2 the port's number,
            //: %3 why it could not be used
            m_failure = QCoreApplication::translate(
                            "SerialLink", "The device server %1 (COM%2) could not be used (%3)")
                            .arg(m_device, QString::number(m_portNumber), why);
            return code;
        }
        //: %1 the device, %2 the port's number, %3 why the system refused it
        m_failure = why.isEmpty()
                        ? QCoreApplication::translate(
                              "SerialLink", "The serial device %1 (COM%2) could not be opened")
                              .arg(m_device)
                              .arg(m_portNumber)
                        : QCoreApplication::translate(
                              "SerialLink", "The serial device %1 (COM%2) could not be opened (%3)")
                              .arg(m_device)
                              .arg(m_portNumber)
                              .arg(why);
        return code;
    }
    m_state = State::Open;
    m_failure.clear();
    return 0;
}

void SerialLink::close()
{
    m_port.close();
    m_state = State::Closed;
}

SerialLink::Readiness SerialLink::readiness() const
{
    if (m_busy)
        return Readiness::Busy;
    if (!m_locked)
        return Readiness::NotLocked;
    switch (m_state) {
    case State::Closed:
        return Readiness::Closed;
    case State::Failed:
        return Readiness::Failed;
    case State::Open:
        break;
    }
    return Readiness::Ready;
}

bool SerialLink::usable()
{
    if (m_state == State::Failed)
        return false; // the first failure's description stands
    if (!isOpen()) {
        m_failure =
            m_address.isEmpty()
                ? QCoreApplication::translate("SerialLink", "COM%1 is not open").arg(m_portNumber)
                : QCoreApplication::translate("SerialLink", "%1 is not open").arg(m_address);
        return false;
    }
    return true;
}

bool SerialLink::writeByte(quint8 byte)
{
    return writeText(QByteArray(1, char(byte)));
}

bool SerialLink::writeText(const QByteArray& text)
{
    m_pauser.startAfresh();
    if (!usable())
        return false;
    if (!m_port.write(text)) {
        if (m_stopRequest = m_port.stopRequest(); !m_stopRequest.isEmpty()) {
            fail(QCoreApplication::translate("SerialLink", "Stopped on request (%1) after %2 bytes")
                     .arg(m_stopRequest)
                     .arg(m_written));
            return false;
        }
        fail(QCoreApplication::translate(
                 "SerialLink", "The serial device %1 stopped accepting data (%2) after %3 bytes")
                 .arg(m_device, reason())
                 .arg(m_written));
        return false;
    }
    m_written += text.size();
    m_sinceDrain += text.size();
    return true;
}

int SerialLink::drainDeadline(qint64 bytes) const
{
    const qint64 lineMs =
        (bytes * SerialPort::kBitsPerByte * 1000 + m_settings.baud - 1) / m_settings.baud;
    return int(qMin<qint64>(lineMs + kDrainMarginMs, std::numeric_limits<int>::max()));
}

bool SerialLink::waitUntilSent()
{
    m_pauser.startAfresh();
    if (!usable())
        return false;
    // Bytes written since the last drain bound what can be queued, also when
    // the device cannot say how many it still holds.
    const qint64 bytes = qMax<qint64>(m_port.queued(), m_sinceDrain);
    const int deadline = drainDeadline(bytes);
    if (!m_port.drain(deadline)) {
        fail(QCoreApplication::translate(
                 "SerialLink",
                 "The serial device %1 did not finish sending within %2 ms (%3) after "
                 "%4 bytes")
                 .arg(m_device)
                 .arg(deadline)
                 .arg(reason())
                 .arg(m_written));
        return false;
    }
    m_sinceDrain = 0;
    return true;
}

void SerialLink::discardInput()
{
    m_pauser.startAfresh();
    if (isOpen())
        m_port.discardInput();
}

void SerialLink::pause(int milliseconds)
{
    m_pauser.pause(milliseconds);
}

bool SerialLink::run(const Frame& frame)
{
    for (auto it = frame.begin(); it != frame.end(); ++it) {
        const LinkStep& step = *it;
        switch (step.kind) {
        case LinkStep::Kind::Byte:
            if (!writeByte(step.byte))
                return false;
            break;
        case LinkStep::Kind::Text:
            if (!writeText(step.text))
                return false;
            break;
        case LinkStep::Kind::Drain:
            if (!waitUntilSent())
                return false;
            break;
        case LinkStep::Kind::Pause: {
            // Pauses of one length back to back (a batch pause is 200 of
            // 10 ms) go to the pauser as rounds of one pause.
            int rounds = 1;
            for (; std::next(it) != frame.end() && std::next(it)->kind == LinkStep::Kind::Pause &&
                   std::next(it)->milliseconds == step.milliseconds;
                 ++it)
                ++rounds;
            m_pauser.pauseRounds(rounds, step.milliseconds);
            break;
        }
        }
    }
    return true;
}

QString SerialLink::reason() const
{
    const QString why = m_port.errorText();
    return why.isEmpty() ? QCoreApplication::translate("SerialLink", "no reason given") : why;
}

void SerialLink::fail(const QString& description)
{
    m_state = State::Failed;
    m_failure = description;
}
