#include "posixserialport.h"

#include "portdoctor.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr qint64 kMarginMicroseconds = 250'000;
// A drain looks at the queue at least this often, and at most this often.
constexpr qint64 kLongestPollMicroseconds = 10'000;
constexpr qint64 kShortestPollMicroseconds = 500;

struct Speed
{
    int baud;
    speed_t code;
};

constexpr Speed kSpeeds[] = {{1200, B1200},   {2400, B2400},     {4800, B4800},
                             {9600, B9600},   {19200, B19200},   {38400, B38400},
                             {57600, B57600}, {115200, B115200}, {230400, B230400}};

speed_t speedCode(int baud)
{
    for (const Speed& s : kSpeeds) {
        if (s.baud == baud)
            return s.code;
    }
    return B0;
}

int baudOf(speed_t code)
{
    for (const Speed& s : kSpeeds) {
        if (s.code == code)
            return s.baud;
    }
    return 0;
}

tcflag_t sizeFlag(int dataBits)
{
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

// Whether the size, stop bits and parity are ones a serial line can run at.
bool supported(const SerialPort::LineSettings& s)
{
    return s.dataBits >= 5 && s.dataBits <= 8 && (s.stopBits == 1 || s.stopBits == 2) &&
           QByteArrayView("noe").contains(s.parity);
}

// The line as it was, made raw at the settings: bytes pass as they are, with
// no flow control and no wait for a byte.
termios rawLine(const termios& earlier, const SerialPort::LineSettings& settings, speed_t speed)
{
    termios t = earlier;
    cfmakeraw(&t);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | sizeFlag(settings.dataBits);
    if (settings.parity != 'n')
        t.c_cflag |= PARENB | (settings.parity == 'o' ? PARODD : 0);
    if (settings.stopBits == 2)
        t.c_cflag |= CSTOPB;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    return t;
}

QString settingsText(const SerialPort::LineSettings& s)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(s.baud)
        .arg(QLatin1Char(s.parity))
        .arg(s.dataBits)
        .arg(s.stopBits);
}

void sleepMicroseconds(qint64 us)
{
    timespec ts{time_t(us / 1'000'000), long(us % 1'000'000) * 1000};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

} // namespace

PosixSerialPort::~PosixSerialPort()
{
    close();
}

bool PosixSerialPort::readSettings(int fd, LineSettings& settings)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    settings.baud = baudOf(cfgetospeed(&t));
    switch (t.c_cflag & CSIZE) {
    case CS5:
        settings.dataBits = 5;
        break;
    case CS6:
        settings.dataBits = 6;
        break;
    case CS7:
        settings.dataBits = 7;
        break;
    default:
        settings.dataBits = 8;
        break;
    }
    settings.parity = !(t.c_cflag & PARENB) ? 'n' : (t.c_cflag & PARODD) ? 'o' : 'e';
    settings.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    return true;
}

int PosixSerialPort::open(const QString& device, const LineSettings& settings)
{
    if (m_fd >= 0) {
        m_error = QCoreApplication::translate("PosixSerialPort", "the port is already open");
        return EBUSY;
    }
    m_error.clear();
    const speed_t speed = speedCode(settings.baud);
    if (speed == B0 || !supported(settings)) {
        m_error = QCoreApplication::translate("PosixSerialPort", "unsupported line settings %1")
                      .arg(settingsText(settings));
        return EINVAL;
    }

    // A console or a file takes the bytes and tells nothing; only a serial
    // line reaches a door unit.
    if (const QString what = portdoctor::notSerialLine(device); !what.isEmpty()) {
        m_error = QStringLiteral("%1 is %2").arg(device, what);
        return ENOTTY;
    }
    const QByteArray path = device.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        m_error = qt_error_string(error);
        return (error == ENOENT || error == ENXIO || error == ENODEV) ? kNoSuchPort : error;
    }
    const auto refuse = [&](int error, const QString& text) {
        m_error = text.isEmpty() ? qt_error_string(error) : text;
        ::close(fd);
        return error;
    };

    // flock also keeps out a second opener running as root, which TIOCEXCL lets through.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        return refuse(error, error == EBUSY ? QCoreApplication::translate("PosixSerialPort",
                                                                          "held by another program")
                                            : "");
    }
    termios earlier{};
    if (tcgetattr(fd, &earlier) != 0)
        return refuse(errno, {});
    if (ioctl(fd, TIOCEXCL) != 0)
        return refuse(errno, {});

    const termios t = rawLine(earlier, settings, speed);
    const auto giveBack = [&](int error, const QString& text) {
        tcsetattr(fd, TCSANOW, &earlier);
        ioctl(fd, TIOCNXCL);
        return refuse(error, text);
    };
    if (tcsetattr(fd, TCSANOW, &t) != 0)
        return giveBack(errno, {});
    // tcsetattr succeeds when any one change was taken; only reading back
    // shows whether the device runs at what the door unit expects.
    termios check{};
    LineSettings taken;
    if (tcgetattr(fd, &check) != 0 || !readSettings(fd, taken))
        return giveBack(errno, {});
    if (!(taken == settings) || cfgetispeed(&check) != speed || (check.c_cflag & CRTSCTS) ||
        (check.c_iflag & (IXON | IXOFF)))
        return giveBack(EINVAL, QCoreApplication::translate(
                                    "PosixSerialPort", "the device did not take %1; it runs at %2")
                                    .arg(settingsText(settings), settingsText(taken)));

    m_fd = fd;
    m_baud = settings.baud;
    m_earlier = earlier;
    return 0;
}

void PosixSerialPort::close()
{
    if (m_fd < 0)
        return;
    // The earlier speed must not apply to bytes still on their way out; what
    // cannot leave in time is dropped rather than waited for.
    const int left = queued();
    if (left != 0 && !drain(int((lineMicroseconds(qMax(left, 0)) + kMarginMicroseconds) / 1000)))
        tcflush(m_fd, TCOFLUSH);
    tcsetattr(m_fd, TCSANOW, &m_earlier);
    // The device outlives us when another program holds it open too (a
    // monitor on a pseudo-terminal): it must not stay exclusive.
    ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
}

qint64 PosixSerialPort::lineMicroseconds(qint64 bytes) const
{
    return bytes * kBitsPerByte * 1'000'000 / m_baud;
}

bool PosixSerialPort::fail(int error)
{
    m_error = qt_error_string(error);
    return false;
}

bool PosixSerialPort::fail(const QString& text)
{
    m_error = text;
    return false;
}

bool PosixSerialPort::write(const QByteArray& bytes)
{
    if (m_fd < 0)
        return fail(EBADF);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return fail(errno);
        // The device's queue is full: wait for room as long as what it holds
        // and what is left would take on the wire, plus a margin.
        const qint64 waitUs =
            lineMicroseconds(qMax(queued(), 0) + (bytes.size() - done)) + kMarginMicroseconds;
        pollfd p{m_fd, POLLOUT, 0};
        int ready;
        do {
            ready = poll(&p, 1, int((waitUs + 999) / 1000));
        } while (ready < 0 && errno == EINTR);
        if (ready < 0)
            return fail(errno);
        if (ready == 0)
            return fail(
                QCoreApplication::translate("PosixSerialPort", "the device took no data for %1 ms")
                    .arg(waitUs / 1000));
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL))
            return fail(EIO);
    }
    return true;
}

int PosixSerialPort::queued()
{
    int count = 0;
    if (m_fd < 0 || ioctl(m_fd, TIOCOUTQ, &count) != 0)
        return -1;
    return count;
}

bool PosixSerialPort::drain(int deadlineMs)
{
    if (m_fd < 0)
        return fail(EBADF);
    QElapsedTimer clock;
    clock.start();
    const qint64 deadlineUs = qint64(deadlineMs) * 1000;
    for (;;) {
        int count = 0;
        if (ioctl(m_fd, TIOCOUTQ, &count) != 0)
            return fail(errno);
        if (count == 0)
            return true;
        const qint64 leftUs = deadlineUs - clock.nsecsElapsed() / 1000;
        if (leftUs <= 0)
            return fail(
                QCoreApplication::translate("PosixSerialPort", "%1 bytes still queued after %2 ms")
                    .arg(count)
                    .arg(deadlineMs));
        // Sleep about as long as the queue needs, so a drain costs a few
        // wake-ups rather than a core.
        const qint64 napUs =
            qBound(kShortestPollMicroseconds, lineMicroseconds(count), kLongestPollMicroseconds);
        sleepMicroseconds(qMin(napUs, leftUs));
    }
}

void PosixSerialPort::discardInput()
{
    if (m_fd >= 0)
        tcflush(m_fd, TCIFLUSH);
}
