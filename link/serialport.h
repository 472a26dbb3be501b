#pragma once

#include <QByteArray>
#include <QString>

// The operating system's serial device, behind an interface so tests can
// put a recording fake in its place.
class SerialPort
{
public:
    // Returned by open() for a device that does not exist.
    static constexpr int kNoSuchPort = 8002;

    struct LineSettings
    {
        int baud = 9600;
        char parity = 'n';
        int dataBits = 8;
        int stopBits = 1;

        bool operator==(const LineSettings&) const = default;
    };

    // Bits on the wire per byte at 8N1: start, eight data bits, stop.
    static constexpr int kBitsPerByte = 10;

    virtual ~SerialPort() = default;

    // 0 on success; kNoSuchPort, or the errno of the failure.
    virtual int open(const QString& device, const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues bytes for sending; false when the device refused them.
    virtual bool write(const QByteArray& bytes) = 0;
    // Bytes queued but not yet on the wire; -1 when the device cannot tell.
    virtual int queued() = 0;
    // Blocks, without spinning, until the queue is empty or deadlineMs passes.
    // False for a failure or a passed deadline.
    virtual bool drain(int deadlineMs) = 0;
    virtual void discardInput() = 0;
    // Why the last open, write or drain failed, in words ("Input/output
    // error"); empty when the port cannot tell.
    virtual QString errorText() const { return {}; }
    // When the last write was refused because a stop was asked for, not
    // because the device failed: how it was asked ("SIGTERM"); else empty.
    virtual QString stopRequest() const { return {}; }
};
