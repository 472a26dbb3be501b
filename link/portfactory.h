#pragma once

#include "serialport.h"

#include <memory>

// The one place that decides what a device name opens: a network address
// (tcp://HOST:PORT, rfc2217://HOST:PORT) a device server, anything else the
// local serial device. The port it gives chooses when it is opened, so the
// same port serves whatever device a COM entry names at the time.
std::unique_ptr<SerialPort> newSerialPort();

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
