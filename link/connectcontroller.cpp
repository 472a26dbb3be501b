#include "connectcontroller.h"

#include "connectsettings.h"
#include "frames.h"
#include "networkserialport.h"
#include "seriallink.h"
#include "transferrecorder.h"

using Command = LinkResult::Command;
using Kind = LinkResult::Kind;

ConnectController::ConnectController(SerialLink& link) : m_link(link) {}

bool ConnectController::locked() const
{
    return m_link.portLocked();
}

LinkResult ConnectController::toggle(const QString& listText)
{
    if (m_link.busy())
        return LinkResult::of(Command::Connect, Kind::Busy);
    // A device server may be named by its address where a COM port is listed.
    const bool address = NetworkSerialPort::parse(listText).has_value();
    const int number = address ? 0 : SerialLink::numberOf(listText);
    if (number == 0 && !address)
        return LinkResult::of(Command::Connect, Kind::NoEntry);
    const auto configure = [&] {
        address ? m_link.configure(listText.trimmed()) : m_link.configure(number);
    };
    if (!m_link.isOpen()) {
        configure();
    } else if (m_link.portName() !=
               (address ? listText.trimmed() : QStringLiteral("COM%1").arg(number))) {
        m_link.close();
        configure();
    }

    if (std::optional<LinkResult> failed = openLink(m_link, Command::Connect)) {
        m_link.setPortLocked(false);
        return *failed;
    }
    if (!m_link.portLocked()) {
        m_link.setPortLocked(true);
        return LinkResult::of(Command::Connect);
    }
    // A press while locked always ends with the port closed.
    m_link.setPortLocked(false);
    m_link.close();
    return LinkResult::of(Command::Connect);
}

LinkResult ConnectController::sendSettings(const QString& openTimeText, Qt::CheckState autoAnswer,
                                           Qt::CheckState autoOpen)
{
    // The open time is one byte on the wire: a value that does not fit is
    // refused rather than sent as another time. A closed port is told only
    // for a time that could go out.
    TransferRecorder recorder(m_link, TransferRecord::What::Settings);
    std::optional<LinkResult> refused = refusal(m_link, Command::Settings);
    if (refused && (refused->kind == Kind::Busy || refused->kind == Kind::NotLocked))
        return recorder.refused(*refused);
    const std::optional<quint8> openTime = connectsettings::openTime(openTimeText);
    if (!openTime)
        return recorder.refused(
            LinkResult::of(Command::Settings, Kind::BadOpenTime, openTimeText.trimmed()));
    const quint8 mode = connectsettings::autoMode(autoAnswer, autoOpen);
    recorder.record().openTime = *openTime;
    recorder.record().autoMode = mode;
    if (refused)
        return recorder.refused(*refused);
    SerialLink::Transfer transfer(m_link);
    recorder.start();
    if (!m_link.run(frames::settingsSequence(*openTime, mode)))
        return recorder.finish(
            LinkResult::of(Command::Settings, Kind::LinkFailed, m_link.failureDescription()));
    return recorder.finish(LinkResult::of(Command::Settings));
}
