#pragma once

#include "seriallink.h"
#include "serialport.h"

#include <cerrno>
#include <functional>

// A serial port that sends nothing: it keeps the bytes it accepted and the
// deadlines it was given, and fails where the test asks it to.
class RecordingSerialPort : public SerialPort
{
public:
    QByteArray written;
    QList<int> drainDeadlines;
    int openResult = 0;      // of the next open()
    qint64 writeLimit = -1;  // bytes taken before writes fail as an unplugged adapter's
    bool drainFails = false; // as a transmitter that never empties
    int queuedBytes = 0;     // what queued() reports; -1: the device cannot tell

    int open(const QString&, const LineSettings&) override
    {
        if (m_open || openResult != 0)
            return m_open ? EBUSY : openResult;
        return m_open = true, 0;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override
    {
        if (!m_open || (writeLimit >= 0 && bytes.size() > writeLimit))
            return false;
        written += bytes;
        writeLimit -= writeLimit >= 0 ? bytes.size() : 0;
        return true;
    }
    int queued() override { return queuedBytes; }
    bool drain(int deadlineMs) override
    {
        drainDeadlines << deadlineMs;
        return m_open && !drainFails;
    }
    void discardInput() override {}
    QString errorText() const override { return QStringLiteral("Input/output error"); }

private:
    bool m_open = false;
};

// Pauses that take no time; onPause runs inside each, given how many there
// have been, as what the event loop delivers during a real pause would.
struct RecordingPauser : Pauser
{
    QList<int> pauses;
    std::function<void(qsizetype)> onPause;
    void pause(int milliseconds) override
    {
        pauses << milliseconds;
        if (onPause)
            onPause(pauses.size());
    }
};

struct RecordedLink
{
    RecordingSerialPort port;
    RecordingPauser pauser;
    SerialLink link{port, pauser};
};
