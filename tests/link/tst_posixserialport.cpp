#include "frames.h"
#include "posixserialport.h"
#include "pseudoterminal.h"
#include "recordingserialport.h"
#include "seriallink.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

const SerialPort::LineSettings kDoorUnit{38400, 'n', 8, 1};

// Puts the device at 9600 baud, 2 stop bits, cooked, so that the settings the
// port must change start out different (a pty keeps 8 bits and no parity
// whatever it is told).
bool setEarlierSettings(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    t.c_cflag |= CSTOPB;
    t.c_lflag |= ICANON | ECHO;
    t.c_oflag |= OPOST | ONLCR;
    t.c_iflag |= IXON;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

class TestPosixSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void opensAtTheDoorUnitSettingsAndRestoresOnClose();
    void heldExclusivelyUntilClosed();
    void bytesGoOutUnchanged();
    void settingsNotTakenFailTheOpen();
    void openFailures_data();
    void openFailures();
    void discardDropsReceivedBytes();
    void linkFailsWhenNobodyReads();
    void linkFailsWhenTheDeviceGoesAway();
    void linkOpensThroughTheSettingsStore();
};

void TestPosixSerialPort::opensAtTheDoorUnitSettingsAndRestoresOnClose()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QVERIFY(setEarlierSettings(pty.watcher()));
    SerialPort::LineSettings seen;
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen));
    QCOMPARE(seen, (SerialPort::LineSettings{9600, 'n', 8, 2}));
    termios earlier{};
    QVERIFY(tcgetattr(pty.watcher(), &earlier) == 0);

    PosixSerialPort port;
    QCOMPARE(port.open(pty.devicePath(), kDoorUnit), 0);
    QVERIFY(port.isOpen());
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen));
    QCOMPARE(seen, kDoorUnit);
    termios t{};
    QVERIFY(tcgetattr(pty.watcher(), &t) == 0);
    QCOMPARE(cfgetispeed(&t), speed_t(B38400));
    QVERIFY(!(t.c_cflag & CRTSCTS));
    QVERIFY(!(t.c_iflag & (IXON | IXOFF)));
    QVERIFY(!(t.c_lflag & (ICANON | ECHO)));
    QVERIFY(!(t.c_oflag & OPOST));
    QCOMPARE(t.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));

    port.close();
    QVERIFY(!port.isOpen());
    QVERIFY(tcgetattr(pty.watcher(), &t) == 0);
    QCOMPARE(t.c_cflag, earlier.c_cflag);
    QCOMPARE(t.c_lflag, earlier.c_lflag);
    QCOMPARE(t.c_iflag, earlier.c_iflag);
    QCOMPARE(t.c_oflag, earlier.c_oflag);
    QCOMPARE(cfgetospeed(&t), speed_t(B9600));
}

void TestPosixSerialPort::heldExclusivelyUntilClosed()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    PosixSerialPort first;
    PosixSerialPort second;
    QCOMPARE(first.open(pty.devicePath(), kDoorUnit), 0);
    QCOMPARE(second.open(pty.devicePath(), kDoorUnit), EBUSY);
    QVERIFY(!second.isOpen());
    QCOMPARE(first.open(pty.devicePath(), kDoorUnit), EBUSY);
    QVERIFY(first.isOpen());
    first.close();
    // Nothing of the lock stays behind on a device another program keeps open.
    QCOMPARE(second.open(pty.devicePath(), kDoorUnit), 0);
    int exclusive = 0;
    QVERIFY(ioctl(pty.watcher(), TIOCGEXCL, &exclusive) == 0);
    QCOMPARE(exclusive, 1);
    second.close();
    QVERIFY(ioctl(pty.watcher(), TIOCGEXCL, &exclusive) == 0);
    QCOMPARE(exclusive, 0);
}

void TestPosixSerialPort::bytesGoOutUnchanged()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QVERIFY(setEarlierSettings(pty.watcher()));
    PosixSerialPort port;
    QCOMPARE(port.open(pty.devicePath(), kDoorUnit), 0);
    // A cooked line would turn \n into \r\n and eat 0x11/0x13.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QVERIFY(port.write(all));
    QVERIFY(port.drain(1000));
    QCOMPARE(port.queued(), 0);
    QCOMPARE(pty.readAll(), all);
}

// A pty keeps 8 bits and no parity whatever it is told, as some adapters
// ignore what they cannot do: only reading back shows it.
void TestPosixSerialPort::settingsNotTakenFailTheOpen()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QVERIFY(setEarlierSettings(pty.watcher()));
    PosixSerialPort port;
    QCOMPARE(port.open(pty.devicePath(), {38400, 'e', 7, 1}), EINVAL);
    QVERIFY(!port.isOpen());
    QCOMPARE(port.errorText(),
             QStringLiteral("the device did not take 38400,e,7,1; it runs at 38400,n,8,1"));
    SerialPort::LineSettings seen;
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen));
    QCOMPARE(seen, (SerialPort::LineSettings{9600, 'n', 8, 2}));
    QCOMPARE(port.open(pty.devicePath(), kDoorUnit), 0);
}

void TestPosixSerialPort::openFailures_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("code");
    QTest::newRow("no such device") << "/dev/quorvane-no-such-tty" << int(SerialPort::kNoSuchPort);
    QTest::newRow("not a terminal") << "/dev/null" << ENOTTY;
    QTest::newRow("a directory") << "/dev" << EISDIR;
}

void TestPosixSerialPort::openFailures()
{
    QFETCH(QString, device);
    QFETCH(int, code);
    PosixSerialPort port;
    QCOMPARE(port.open(device, kDoorUnit), code);
    QVERIFY(!port.isOpen());
    QVERIFY(!port.errorText().isEmpty());
    QVERIFY(!port.write("x"));
}

void TestPosixSerialPort::discardDropsReceivedBytes()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    PosixSerialPort port;
    QCOMPARE(port.open(pty.devicePath(), kDoorUnit), 0);
    QCOMPARE(::write(pty.master(), "E\r\n", 3), ssize_t(3));
    int waiting = 0;
    for (int i = 0; i < 100 && waiting == 0; ++i) {
        QTest::qWait(5);
        ioctl(pty.watcher(), FIONREAD, &waiting);
    }
    QCOMPARE(waiting, 3);
    port.discardInput();
    ioctl(pty.watcher(), FIONREAD, &waiting);
    QCOMPARE(waiting, 0);
}

// A device that takes no more data (here: nobody reads the other side, so
// the pty's buffer fills) ends in a link failure, not a hang.
void TestPosixSerialPort::linkFailsWhenNobodyReads()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    PosixSerialPort port;
    RecordingPauser pauser;
    SerialLink link(port, pauser);
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", pty.devicePath());
    link.configure(1);
    QCOMPARE(link.open(), 0);
    const QByteArray chunk(4096, '0');
    int sent = 0;
    while (sent < 64 && link.run({LinkStep::ofText(chunk), LinkStep::drain()}))
        ++sent;
    QVERIFY2(sent < 64, "the device never stopped taking data");
    QCOMPARE(link.state(), SerialLink::State::Failed);
    QVERIFY2(link.failureDescription().startsWith(
                 QStringLiteral("The serial device %1 stopped accepting data (the device took no "
                                "data for ")
                     .arg(pty.devicePath())),
             qPrintable(link.failureDescription()));
    QVERIFY(!link.isOpen());
    link.close();
    QVERIFY(!port.isOpen());
}

void TestPosixSerialPort::linkFailsWhenTheDeviceGoesAway()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM2", pty.devicePath());
    PosixSerialPort port;
    RecordingPauser pauser;
    SerialLink link(port, pauser);
    link.configure(2);
    QCOMPARE(link.open(), 0);
    QVERIFY(link.run(frames::loadDefault()));
    pty.closeMaster(); // the adapter is unplugged
    QVERIFY(!link.run(frames::settingsSequence(2, 3)));
    QCOMPARE(link.state(), SerialLink::State::Failed);
    QCOMPARE(link.failureDescription(),
             QStringLiteral("The serial device %1 stopped accepting data (Input/output error) "
                            "after 1 bytes")
                 .arg(pty.devicePath()));
}

void TestPosixSerialPort::linkOpensThroughTheSettingsStore()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QVERIFY(setEarlierSettings(pty.watcher()));
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", pty.devicePath());
    PosixSerialPort port;
    RecordingPauser pauser;
    SerialLink link(port, pauser);
    // Before any configure the device runs at the stored defaults.
    QCOMPARE(link.open(), 0);
    SerialPort::LineSettings seen;
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen));
    QCOMPARE(seen, (SerialPort::LineSettings{9600, 'n', 8, 1}));
    link.close();
    link.configure(1);
    QCOMPARE(link.open(), 0);
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen));
    QCOMPARE(seen, kDoorUnit);
    QVERIFY(link.run(frames::settingsSequence(2, 3)));
    QCOMPARE(pty.readAll(), QByteArray("\x94\x93\x02\x97\x03"));
    QCOMPARE(pauser.pauses(), QList<int>{300});
    link.close();
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen));
    QCOMPARE(seen, (SerialPort::LineSettings{9600, 'n', 8, 2}));
}

QTEST_GUILESS_MAIN(TestPosixSerialPort)
#include "tst_posixserialport.moc"
