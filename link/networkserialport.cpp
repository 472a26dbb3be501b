#include "networkserialport.h"

#include "gensiolibrary.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <gensio/gensio_err.h>
#include <pthread.h>

namespace {

// How long a connection may take to be made, and the COM-PORT-OPTION to be answered.
constexpr int kConnectMs = 10'000;
constexpr int kAnswerMs = 2'000;
// How long a raw connection is watched for a Telnet server's first words.
constexpr int kTelnetGreetingMs = 200;
constexpr unsigned char kTelnetIac = 0xFF;
// Stated allowance for the server's own handling after the line clock has run out.
constexpr qint64 kMarginMicroseconds = 5'000;

// gensio's functions; a port calls them only once open has loaded the library.
const libgensio::Functions& gensioApi()
{
    return **libgensio::functions();
}

gensio_time timeFromMs(qint64 ms)
{
    return gensio_time{ms / 1000, int((ms % 1000) * 1'000'000)};
}

int onEvent(gensio*, void*, int event, int, unsigned char*, gensiods*, const char* const*)
{
    // Bytes from the door unit are not read by the link; they are taken and dropped.
    return event == GENSIO_EVENT_READ ? 0 : GE_NOTSUP;
}

// One callback's outcome, waited for with a timeout.
struct Wait
{
    explicit Wait(gensio_os_funcs* funcs) : o(funcs) {}
    gensio_os_funcs* o;
    gensio_waiter* waiter = gensioApi().gensio_os_funcs_alloc_waiter(o);
    int err = 0;
    unsigned int value = 0;
    ~Wait() { gensioApi().gensio_os_funcs_free_waiter(o, waiter); }
    bool until(int ms)
    {
        gensio_time left = timeFromMs(ms);
        return gensioApi().gensio_os_funcs_wait(o, waiter, 1, &left) == 0;
    }
    static void done(gensio*, int err, void* data)
    {
        auto* w = static_cast<Wait*>(data);
        w->err = err;
        gensioApi().gensio_os_funcs_wake(w->o, w->waiter);
    }
    static void set(sergensio*, int err, unsigned int value, void* data)
    {
        auto* w = static_cast<Wait*>(data);
        w->err = err;
        w->value = value;
        gensioApi().gensio_os_funcs_wake(w->o, w->waiter);
    }
};

void sleepMicroseconds(qint64 us)
{
    timespec ts{time_t(us / 1'000'000), long(us % 1'000'000) * 1000};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

// Writes with SIGPIPE held back on this thread: a server that went away is a
// failed write, not the end of the program.
int writeQuietly(gensio* io, gensiods* count, const QByteArray& bytes, gensio_time* timeout)
{
    sigset_t pipe, earlier, pending;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &earlier);
    const int err =
        gensioApi().gensio_write_s(io, count, bytes.constData(), gensiods(bytes.size()), timeout);
    const timespec none{0, 0};
    if (sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1)
        sigtimedwait(&pipe, nullptr, &none);
    pthread_sigmask(SIG_SETMASK, &earlier, nullptr);
    return err;
}

} // namespace

std::optional<NetworkSerialPort::Address> NetworkSerialPort::parse(const QString& device)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^(tcp|rfc2217)://(\[([0-9A-Fa-f:.]+)\]|([^\[\]:/]+)):(\d{1,5})$)"));
    const QRegularExpressionMatch m = form.match(device.trimmed());
    if (!m.hasMatch() || m.captured(5).toInt() < 1 || m.captured(5).toInt() > 65535)
        return std::nullopt;
    return Address{m.captured(1) == QLatin1String("rfc2217"),
                   m.captured(3).isEmpty() ? m.captured(4) : m.captured(3), m.captured(5)};
}

bool NetworkSerialPort::isNetworkDevice(const QString& device)
{
    return device.startsWith(QLatin1String("tcp://")) ||
           device.startsWith(QLatin1String("rfc2217://"));
}

Outcome NetworkSerialPort::checkAddress(const QString& device)
{
    const QString text = device.trimmed();
    if (!text.contains(QLatin1String("://")) || parse(text))
        return Outcome::success();
    //: %1 the address as given
    return Outcome::failure(
        QCoreApplication::translate("NetworkSerialPort",
                                    "\"%1\" is not a network address: write "
                                    "tcp://HOST:PORT or rfc2217://HOST:PORT, with PORT from 1 "
                                    "to 65535 and an IPv6 address in brackets, such as "
                                    "rfc2217://[fd00::7]:2001")
            .arg(text));
}

QString NetworkSerialPort::sameServerKey(const QString& device)
{
    const std::optional<Address> address = parse(device);
    if (!address)
        return {};
    QString host = address->host.toLower();
    if (in6_addr bytes{}; inet_pton(AF_INET6, host.toLatin1().constData(), &bytes) == 1) {
        char shortest[INET6_ADDRSTRLEN] = {};
        inet_ntop(AF_INET6, &bytes, shortest, sizeof shortest);
        host = QStringLiteral("[%1]").arg(QString::fromLatin1(shortest));
    }
    return QStringLiteral("%1:%2").arg(host).arg(address->port.toInt());
}

NetworkSerialPort::NetworkSerialPort()
{
    m_clock.start();
}

NetworkSerialPort::~NetworkSerialPort()
{
    close();
    if (m_os)
        gensioApi().gensio_os_funcs_free(m_os);
    if (m_selector)
        gensioApi().sel_free_selector(m_selector);
}

bool NetworkSerialPort::haveEventLoop()
{
    // Each port has its own gensio handler, run only inside this port's own
    // blocking calls and on one thread at a time: it needs no wake-up signal,
    // and Qt's event loop never sees it.
    if (!m_os && gensioApi().sel_alloc_selector_nothread(&m_selector) == 0 &&
        gensioApi().gensio_unix_funcs_alloc(m_selector, 0, &m_os) != 0)
        m_os = nullptr;
    return m_os != nullptr;
}

int NetworkSerialPort::refuse(int error, const QString& text)
{
    m_error = text;
    close();
    return error;
}

int NetworkSerialPort::open(const QString& device, const LineSettings& settings)
{
    if (m_io)
        return m_error =
                   QCoreApplication::translate("NetworkSerialPort", "the port is already open"),
               EBUSY;
    m_error.clear();
    m_device = device.trimmed();
    const std::optional<Address> address = parse(device);
    if (!address)
        return refuse(EINVAL, QCoreApplication::translate(
                                  "NetworkSerialPort",
                                  "%1 is not a network address; write tcp://HOST:PORT or "
                                  "rfc2217://HOST:PORT")
                                  .arg(m_device));
    if (const Expected<const libgensio::Functions*> library = libgensio::functions(); !library)
        return refuse(ELIBACC, library.error());
    if (!haveEventLoop())
        return refuse(ENOMEM, QCoreApplication::translate("NetworkSerialPort",
                                                          "the network could not be set up"));
    if (const int error = connectTo(*address); error != 0)
        return error;
    if (address->rfc2217) {
        if (const int error = setLine(settings); error != 0)
            return error;
    }
    // From here on the port's calls block, as a local port's do.
    gensioApi().gensio_set_sync(m_io);
    // A Telnet server opens by asking for its options; a raw port says nothing.
    if (!address->rfc2217) {
        unsigned char first = 0;
        gensiods count = 0;
        gensio_time wait = timeFromMs(kTelnetGreetingMs);
        if (gensioApi().gensio_read_s(m_io, &count, &first, 1, &wait) == 0 && count == 1 &&
            first == kTelnetIac)
            return refuse(EPROTO, QCoreApplication::translate(
                                      "NetworkSerialPort",
                                      "%1 answers as Telnet with RFC 2217, not as a raw TCP "
                                      "port; name it rfc2217://%2")
                                      .arg(m_device, m_device.section(QLatin1String("://"), 1)));
    }
    m_baud = settings.baud;
    m_lineEndUs = 0;
    return 0;
}

int NetworkSerialPort::connectTo(const Address& address)
{
    // gensio names a connection as its layers, the outermost first.
    const QString chain = QStringLiteral("%1tcp,%2,%3")
                              .arg(address.rfc2217 ? QStringLiteral("telnet(rfc2217),") : QString(),
                                   address.host, address.port);
    const QString where =
        (address.host.contains(u':') ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2"))
            .arg(address.host, address.port);
    const QString unknown =
        QCoreApplication::translate(
            "NetworkSerialPort", "the device server %1 is unknown: no host of that name is found")
            .arg(address.host);
    if (gensioApi().str_to_gensio(chain.toUtf8().constData(), m_os, onEvent, this, &m_io) != 0) {
        m_io = nullptr;
        return refuse(EHOSTUNREACH, unknown);
    }
    Wait opened(m_os);
    if (gensioApi().gensio_open(m_io, Wait::done, &opened) != 0 || !opened.until(kConnectMs)) {
        return refuse(ETIMEDOUT,
                      QCoreApplication::translate(
                          "NetworkSerialPort", "the device server at %1 did not answer within %2 s")
                          .arg(where)
                          .arg(kConnectMs / 1000));
    }
    switch (opened.err) {
    case 0:
        break;
    case GE_CONNREFUSE:
        return refuse(ECONNREFUSED,
                      QCoreApplication::translate(
                          "NetworkSerialPort",
                          "the device server at %1 refused the connection: nothing listens "
                          "on that port")
                          .arg(where));
    case GE_NOTFOUND:
    case GE_NAME_ERROR:
    case GE_NAME_INVALID:
    case GE_UNKNOWN_NAME_ERROR:
    case GE_NAME_SERVER_FAILURE:
        return refuse(EHOSTUNREACH, unknown);
    case GE_TIMEDOUT:
        return refuse(ETIMEDOUT,
                      QCoreApplication::translate(
                          "NetworkSerialPort", "the device server at %1 did not answer within %2 s")
                          .arg(where)
                          .arg(kConnectMs / 1000));
    default:
        return refuse(
            EIO, QCoreApplication::translate("NetworkSerialPort",
                                             "the device server at %1 could not be reached: %2")
                     .arg(where, QString::fromUtf8(gensioApi().gensio_err_to_str(opened.err))));
    }
    // Telnet answers arrive only while reading is on.
    gensioApi().gensio_set_read_callback_enable(m_io, true);
    return 0;
}

int NetworkSerialPort::setLine(const LineSettings& s)
{
    sergensio* sio = gensioApi().gensio_to_sergensio(m_io);
    const unsigned parity = s.parity == 'o'   ? SERGENSIO_PARITY_ODD
                            : s.parity == 'e' ? SERGENSIO_PARITY_EVEN
                                              : SERGENSIO_PARITY_NONE;
    using Setter = int (*)(sergensio*, unsigned int, sergensio_done, void*);
    const std::pair<Setter, unsigned> steps[] = {
        {gensioApi().sergensio_baud, unsigned(s.baud)},
        {gensioApi().sergensio_datasize, unsigned(s.dataBits)},
        {gensioApi().sergensio_parity, parity},
        {gensioApi().sergensio_stopbits, unsigned(s.stopBits)},
        {gensioApi().sergensio_flowcontrol, SERGENSIO_FLOWCONTROL_NONE}};
    for (const auto& [setter, value] : steps) {
        Wait answer(m_os);
        if (!sio || setter(sio, value, Wait::set, &answer) != 0 || !answer.until(kAnswerMs))
            return refuse(EPROTO, QCoreApplication::translate(
                                      "NetworkSerialPort",
                                      "%1 answers as a raw TCP port, not as RFC 2217; name it "
                                      "tcp://%2")
                                      .arg(m_device, m_device.section(QLatin1String("://"), 1)));
        if (answer.err != 0 || answer.value != value)
            return refuse(EINVAL,
                          QCoreApplication::translate(
                              "NetworkSerialPort",
                              "the device server at %1 did not take the line settings %2,%3,%4,%5")
                              .arg(m_device)
                              .arg(s.baud)
                              .arg(QLatin1Char(s.parity))
                              .arg(s.dataBits)
                              .arg(s.stopBits));
    }
    return 0;
}

void NetworkSerialPort::close()
{
    if (!m_io)
        return;
    // Bytes the server still holds go out at the line rate; a close waits for them.
    const qint64 leftUs = m_lineEndUs - m_clock.nsecsElapsed() / 1000;
    if (leftUs > 0)
        sleepMicroseconds(leftUs + kMarginMicroseconds);
    gensioApi().gensio_close_s(m_io);
    gensioApi().gensio_free(m_io);
    m_io = nullptr;
}

qint64 NetworkSerialPort::lineMicroseconds(qint64 bytes) const
{
    return bytes * kBitsPerByte * 1'000'000 / m_baud;
}

bool NetworkSerialPort::write(const QByteArray& bytes)
{
    if (!m_io)
        return m_error = qt_error_string(EBADF), false;
    const qint64 nowUs = m_clock.nsecsElapsed() / 1000;
    const qint64 startUs = qMax(nowUs, m_lineEndUs);
    gensio_time timeout =
        timeFromMs((startUs - nowUs + lineMicroseconds(bytes.size())) / 1000 + kConnectMs);
    gensiods count = 0;
    const int err = writeQuietly(m_io, &count, bytes, &timeout);
    m_lineEndUs = startUs + lineMicroseconds(qint64(count));
    if (err == 0 && count == gensiods(bytes.size()))
        return true;
    m_error = err == 0 || err == GE_TIMEDOUT
                  ? QCoreApplication::translate("NetworkSerialPort",
                                                "the device server at %1 took no data for %2 s")
                        .arg(m_device)
                        .arg(kConnectMs / 1000)
                  : QCoreApplication::translate("NetworkSerialPort",
                                                "the device server at %1 closed the connection")
                        .arg(m_device);
    return false;
}

int NetworkSerialPort::queued()
{
    if (!m_io)
        return -1;
    const qint64 leftUs = m_lineEndUs - m_clock.nsecsElapsed() / 1000;
    return leftUs <= 0 ? 0
                       : int((leftUs * m_baud + kBitsPerByte * 1'000'000 - 1) /
                             (qint64(kBitsPerByte) * 1'000'000));
}

bool NetworkSerialPort::drain(int deadlineMs)
{
    if (!m_io)
        return m_error = qt_error_string(EBADF), false;
    const qint64 nowUs = m_clock.nsecsElapsed() / 1000;
    const qint64 waitUs = qMax<qint64>(m_lineEndUs - nowUs, 0) + kMarginMicroseconds;
    if (waitUs > qint64(deadlineMs) * 1000) {
        sleepMicroseconds(qint64(deadlineMs) * 1000);
        m_error =
            QCoreApplication::translate("NetworkSerialPort", "%1 bytes still queued after %2 ms")
                .arg(queued())
                .arg(deadlineMs);
        return false;
    }
    sleepMicroseconds(waitUs);
    return true;
}

void NetworkSerialPort::discardInput()
{
    if (!m_io)
        return;
    char buffer[256];
    gensiods count = 0;
    gensio_time none{0, 0};
    while (gensioApi().gensio_read_s(m_io, &count, buffer, sizeof buffer, &none) == 0 && count > 0)
        none = {0, 0};
}
