#pragma once

#include "linkstep.h"
#include "pauser.h"
#include "serialport.h"
#include "transferlog.h"

#include <QString>

#include <limits>

// The one serial port to the door unit: its number (COM1..COM9), line
// settings, open state and the lock that the Connect dialog sets once the
// operator has chosen and opened it.
class SerialLink
{
public:
    enum class State { Closed, Open, Failed };
    // Whether a command may send now, in the order it is checked: another
    // command is sending; the operator has not chosen and opened a port in
    // the Connect dialog; the lock stands but the port was closed or failed.
    enum class Readiness { Busy, NotLocked, Closed, Failed, Ready };

    // "38400,n,8,1" once configured; 9600 8N1 before that.
    static constexpr SerialPort::LineSettings kDoorUnitSettings{38400, 'n', 8, 1};
    // open() on a port that is already open: the code of a busy device (EBUSY).
    static constexpr int kAlreadyOpen = 16;
    // Added to the line time of the queued bytes before a drain gives up.
    static constexpr int kDrainMarginMs = 250;

    SerialLink(SerialPort& port, Pauser& pauser);

    // Sets the port number (1..9) and the door unit's line settings; only
    // while the port is closed (a Failed link is closed first). Other numbers
    // change nothing.
    void configure(int portNumber);
    // The same for a device server reached directly at a network address,
    // with no COM number of its own.
    void configure(const QString& address);
    // 0 on success, else the failure code (8002: no such port, else the
    // errno: 13 not permitted, 16 held by another program). Opening an open
    // port fails with kAlreadyOpen; a Failed link is closed and reopened.
    int open();
    // Closes the device, restoring its earlier settings; also after a failure.
    void close();
    // Open and usable: false once a write or drain has failed.
    bool isOpen() const { return m_state == State::Open; }
    State state() const { return m_state; }
    Readiness readiness() const;

    int portNumber() const { return m_portNumber; }
    // The network address configured in place of a COM number; else empty.
    const QString& address() const { return m_address; }
    // "COM3", or the address.
    QString portName() const;
    // The device the next open() opens.
    QString deviceToOpen() const;
    SerialPort::LineSettings lineSettings() const { return m_settings; }
    // The device COMn maps to: [Ports] COMn in the settings store, else /dev/ttyS(n-1).
    static QString deviceFor(int portNumber);
    // The number of a port named "COM3", "com3" or "3"; 0 for anything else.
    static int numberOf(const QString& name);
    // What is wrong with a [Ports] entry that names no device ("COM6=").
    static QString emptyEntry(int portNumber);
    // The device of the last open().
    const QString& device() const { return m_device; }
    // How long a drain of that many queued bytes may take at the line speed.
    int drainDeadline(qint64 bytes) const;

    // A command holds the link while it sends, so no other command's bytes
    // can fall between its own; failure descriptions count its bytes only.
    class Transfer
    {
    public:
        explicit Transfer(SerialLink& link) : m_link(link)
        {
            m_link.m_busy = true;
            m_link.m_written = 0;
        }
        ~Transfer() { m_link.m_busy = false; }
        Q_DISABLE_COPY_MOVE(Transfer)

    private:
        SerialLink& m_link;
    };
    bool busy() const { return m_busy; }

    bool portLocked() const { return m_locked; }
    void setPortLocked(bool locked) { m_locked = locked; }

    // Where the commands over this link record their transfers.
    void setRecording(TransferTarget target) { m_recording = std::move(target); }
    const TransferTarget& recording() const { return m_recording; }

    // A false result is a link failure: the link goes to Failed and
    // failureDescription() says what happened.
    bool writeByte(quint8 byte);
    bool writeText(const QByteArray& text);
    // Waits until the transmit queue is empty, giving up after the time the
    // queued bytes need at the line speed plus a margin.
    bool waitUntilSent();
    void discardInput();
    void pause(int milliseconds);

    // Runs a frame's steps in order; false at the first link failure.
    bool run(const Frame& frame);

    // Why the link failed or the last open() did not succeed.
    const QString& failureDescription() const { return m_failure; }
    // Set when the link ended because a stop was asked for, not by a failure:
    // how it was asked (SerialPort::stopRequest).
    const QString& stopRequest() const { return m_stopRequest; }

private:
    bool usable();
    QString reason() const;
    void fail(const QString& description);

    SerialPort& m_port;
    Pauser& m_pauser;
    int m_portNumber = 1;
    QString m_address;
    SerialPort::LineSettings m_settings{};
    bool m_locked = false;
    bool m_busy = false;
    State m_state = State::Closed;
    QString m_failure;
    QString m_stopRequest;
    QString m_device;
    qint64 m_written = 0;
    qint64 m_sinceDrain = 0;
    TransferTarget m_recording;
};
