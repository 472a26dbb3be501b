#pragma once

#include "outcome.h"
#include "serialport.h"

#include <QElapsedTimer>

#include <optional>

struct gensio;
struct gensio_os_funcs;
struct selector_s;

// A door unit behind a serial device server, reached over TCP through gensio:
// "tcp://HOST:PORT" sends the bytes as they are (the server sets the line),
// "rfc2217://HOST:PORT" speaks Telnet with the COM-PORT-OPTION and sets the
// line as a local port would. A write returns once the server has the bytes;
// a line clock tells when the last of them can have left its serial line.
class NetworkSerialPort : public SerialPort
{
public:
    struct Address
    {
        bool rfc2217 = false;
        QString host;
        QString port;
    };
    // The address a device names, or nothing when it names no network port.
    static std::optional<Address> parse(const QString& device);
    static bool isNetworkDevice(const QString& device);
    // Refuses a text that begins as a network address but is not one, in
    // the operator's words; one that is, or does not begin as one, passes.
    static Outcome checkAddress(const QString& device);
    // One text for one device server however its address is written: the
    // host without regard to case, an IPv6 literal in its shortest form, the
    // port as a number, either protocol. Empty when it names no network port.
    static QString sameServerKey(const QString& device);

    NetworkSerialPort();
    ~NetworkSerialPort() override;
    NetworkSerialPort(const NetworkSerialPort&) = delete;
    NetworkSerialPort& operator=(const NetworkSerialPort&) = delete;

    int open(const QString& device, const LineSettings& settings) override;
    void close() override;
    bool isOpen() const override { return m_io != nullptr; }
    bool write(const QByteArray& bytes) override;
    int queued() override;
    bool drain(int deadlineMs) override;
    void discardInput() override;
    QString errorText() const override { return m_error; }

private:
    bool haveEventLoop();
    int connectTo(const Address& address);
    int setLine(const LineSettings& settings);
    int refuse(int error, const QString& text);
    qint64 lineMicroseconds(qint64 bytes) const;

    selector_s* m_selector = nullptr;
    gensio_os_funcs* m_os = nullptr;
    gensio* m_io = nullptr;
    QString m_device;
    QString m_error;
    int m_baud = 9600;
    QElapsedTimer m_clock;
    // When, on m_clock, the last byte written can have left the server's line.
    qint64 m_lineEndUs = 0;
};
