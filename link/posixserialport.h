#pragma once

#include "serialport.h"

#include <termios.h>

// The serial device of a POSIX system through termios. The device is held
// exclusively while open (TIOCEXCL and flock, no lock files), runs raw with no
// flow control, and gets back the settings it had before when it is closed.
class PosixSerialPort : public SerialPort
{
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    int open(const QString& device, const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return m_fd >= 0; }
    bool write(const QByteArray& bytes) override;
    int queued() override;
    bool drain(int deadlineMs) override;
    void discardInput() override;
    QString errorText() const override { return m_error; }

    // The settings as the device reports them, for a check after open.
    static bool readSettings(int fd, LineSettings& settings);

private:
    bool fail(int error);
    bool fail(const QString& text);
    // Time the bytes need on the wire at the open speed.
    qint64 lineMicroseconds(qint64 bytes) const;

    int m_fd = -1;
    int m_baud = 9600;
    termios m_earlier{};
    QString m_error;
};
