#pragma once

#include "seriallink.h"
#include "serialport.h"

#include <QList>
#include <QStringList>

#include <functional>

// A serial port that sends nothing and keeps a log of what it was asked to do,
// one entry per call: "open /dev/ttyS0 38400,n,8,1", "write 94",
// "write 30 30 24", "drain", "discard", "close". A RecordingPauser given the
// same log adds "pause 10" entries, so the order of bytes and waits shows.
class RecordingSerialPort : public SerialPort
{
public:
    explicit RecordingSerialPort(QStringList* log = nullptr);

    int open(const QString& device, const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override;
    int queued() override;
    bool drain(int deadlineMs) override;
    void discardInput() override;
    QString errorText() const override { return m_errorText; }

    // Every byte accepted by write(), in order.
    const QByteArray& written() const { return m_written; }
    const QList<int>& drainDeadlines() const { return m_drainDeadlines; }
    QString lastDevice() const { return m_device; }

    // The next open() fails with this code (0: opens).
    void setOpenResult(int code) { m_openResult = code; }
    // write() accepts this many more bytes, then fails as an unplugged
    // adapter does (-1: no limit).
    void failWritesAfter(qint64 bytes) { m_writeLimit = bytes; }
    // drain() fails as a transmitter that never empties does.
    void setDrainFails(bool fails) { m_drainFails = fails; }
    // What queued() reports; -1 as a device that cannot tell.
    void setQueued(int bytes) { m_queued = bytes; }

private:
    QStringList m_ownLog;
    QStringList* m_log;
    bool m_open = false;
    QString m_device;
    QByteArray m_written;
    QList<int> m_drainDeadlines;
    QString m_errorText;
    int m_openResult = 0;
    qint64 m_writeLimit = -1;
    bool m_drainFails = false;
    int m_queued = 0;
};

// Pauses that take no time: each is recorded, in the port's log too when
// given the same one.
class RecordingPauser : public Pauser
{
public:
    explicit RecordingPauser(QStringList* log = nullptr) : m_log(log) {}

    void pause(int milliseconds) override;

    const QList<int>& pauses() const { return m_pauses; }
    // Runs inside each pause, given how many pauses there have been, as
    // anything the event loop delivers during a real pause would.
    std::function<void(qsizetype)> onPause;
    int totalMilliseconds() const;

private:
    QStringList* m_log;
    QList<int> m_pauses;
};

// A link on a recording port and pauser that write into one log.
struct RecordedLink
{
    QStringList log;
    RecordingSerialPort port{&log};
    RecordingPauser pauser{&log};
    SerialLink link{port, pauser};
};
