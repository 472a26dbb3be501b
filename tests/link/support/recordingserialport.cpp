#include "recordingserialport.h"

#include <cerrno>

RecordingSerialPort::RecordingSerialPort(QStringList* log) : m_log(log ? log : &m_ownLog) {}

int RecordingSerialPort::open(const QString& device, const LineSettings& settings)
{
    m_log->append(QStringLiteral("open %1 %2,%3,%4,%5")
                      .arg(device)
                      .arg(settings.baud)
                      .arg(QLatin1Char(settings.parity))
                      .arg(settings.dataBits)
                      .arg(settings.stopBits));
    m_device = device;
    if (m_open)
        return EBUSY;
    if (m_openResult != 0) {
        m_errorText = QStringLiteral("refused by the test");
        return m_openResult;
    }
    m_open = true;
    return 0;
}

void RecordingSerialPort::close()
{
    m_log->append(QStringLiteral("close"));
    m_open = false;
}

bool RecordingSerialPort::write(const QByteArray& bytes)
{
    const QString hex = QString::fromLatin1(bytes.toHex(' '));
    if (!m_open) {
        m_log->append(QStringLiteral("write failed %1").arg(hex));
        m_errorText = QStringLiteral("Bad file descriptor");
        return false;
    }
    if (m_writeLimit >= 0 && bytes.size() > m_writeLimit) {
        m_written += bytes.left(m_writeLimit);
        m_writeLimit = 0;
        m_log->append(QStringLiteral("write failed %1").arg(hex));
        m_errorText = QStringLiteral("Input/output error");
        return false;
    }
    if (m_writeLimit >= 0)
        m_writeLimit -= bytes.size();
    m_written += bytes;
    m_log->append(QStringLiteral("write %1").arg(hex));
    return true;
}

int RecordingSerialPort::queued()
{
    return m_queued;
}

bool RecordingSerialPort::drain(int deadlineMs)
{
    m_log->append(QStringLiteral("drain"));
    m_drainDeadlines.append(deadlineMs);
    if (m_drainFails) {
        m_errorText = QStringLiteral("the transmit queue did not empty");
        return false;
    }
    return m_open;
}

void RecordingSerialPort::discardInput()
{
    m_log->append(QStringLiteral("discard"));
}

void RecordingPauser::pause(int milliseconds)
{
    m_pauses.append(milliseconds);
    if (m_log)
        m_log->append(QStringLiteral("pause %1").arg(milliseconds));
    if (onPause)
        onPause(m_pauses.size());
}

int RecordingPauser::totalMilliseconds() const
{
    int total = 0;
    for (int ms : m_pauses)
        total += ms;
    return total;
}
