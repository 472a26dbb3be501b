#pragma once

#include "outcome.h"
#include "serialport.h"

#include <memory>

// The one place that decides what a device name opens: a network address
// (tcp://HOST:PORT, rfc2217://HOST:PORT) a device server, anything else the
// local serial device. The port it gives chooses when it is opened, so the
// same port serves whatever device a COM entry names at the time.
std::unique_ptr<SerialPort> newSerialPort();

// A port as the operator names it: one of COM1 to COM9, or the address of a
// device server reached directly.
struct PortChoice
{
    int number = 0;  // 1..9, or 0 for an address
    QString address; // tcp://HOST:PORT or rfc2217://HOST:PORT
};
// "COM3", "com3", "3" or a network address; a choice of neither when the
// text is no port at all, and why when it is a network address written wrong.
Expected<PortChoice> choosePort(const QString& text);

// A port that opens the right kind of port for each device it is given.
class ChoosingSerialPort : public SerialPort
{
public:
    int open(const QString& device, const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return m_port && m_port->isOpen(); }
    bool write(const QByteArray& bytes) override;
    int queued() override { return m_port ? m_port->queued() : -1; }
    bool drain(int deadlineMs) override;
    void discardInput() override;
    QString errorText() const override { return m_port ? m_port->errorText() : QString(); }

private:
    std::unique_ptr<SerialPort> m_port;
    bool m_network = false;
};
