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

SerialPort::LineSettings settingsOf(const PseudoTerminal& pty)
{
    SerialPort::LineSettings seen{};
    PosixSerialPort::readSettings(pty.watcher(), seen);
    return seen;
}

// A link on the pty through the settings store's [Ports] COM1.
struct PtyLink
{
    PosixSerialPort port;
    RecordingPauser pauser;
    SerialLink link{port, pauser};

    explicit PtyLink(const PseudoTerminal& pty)
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
            .setValue("Ports/COM1", pty.devicePath());
    }
};

} // namespace

class TestPosixSerialPort : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }

    void linkSetsTheLineAndRestoresItOnClose()
    {
        // The device starts at 9600 baud, 2 stop bits, cooked, so that what the
        // port must change starts out different.
        PseudoTerminal pty;
        termios earlier{};
        QVERIFY(pty.isValid() && tcgetattr(pty.watcher(), &earlier) == 0);
        earlier.c_cflag |= CSTOPB;
        earlier.c_lflag |= ICANON | ECHO;
        earlier.c_oflag |= OPOST | ONLCR;
        earlier.c_iflag |= IXON;
        cfsetispeed(&earlier, B9600);
        cfsetospeed(&earlier, B9600);
        QVERIFY(tcsetattr(pty.watcher(), TCSANOW, &earlier) == 0);
        QVERIFY(tcgetattr(pty.watcher(), &earlier) == 0);
        // Some adapters ignore what they cannot do (a pty keeps 8 bits and no
        // parity): only reading back shows it.
        PosixSerialPort probe;
        QCOMPARE(probe.open(pty.devicePath(), {38400, 'e', 7, 1}), EINVAL);
        QVERIFY(!probe.isOpen());
        QCOMPARE(probe.errorText(),
                 QStringLiteral("the device did not take 38400,e,7,1; it runs at 38400,n,8,1"));
        QCOMPARE(settingsOf(pty), (SerialPort::LineSettings{9600, 'n', 8, 2}));
        PtyLink rig(pty);
        // Before any configure the device runs at the stored defaults.
        QCOMPARE(rig.link.open(), 0);
        QCOMPARE(settingsOf(pty), (SerialPort::LineSettings{9600, 'n', 8, 1}));
        rig.link.close();
        rig.link.configure(1);
        QCOMPARE(rig.link.open(), 0);
        QCOMPARE(settingsOf(pty), kDoorUnit);
        termios t{};
        QVERIFY(tcgetattr(pty.watcher(), &t) == 0);
        QCOMPARE(cfgetispeed(&t), speed_t(B38400));
        QVERIFY(!(t.c_cflag & CRTSCTS));
        QVERIFY(!(t.c_iflag & (IXON | IXOFF)));
        QVERIFY(!(t.c_lflag & (ICANON | ECHO)));
        QVERIFY(!(t.c_oflag & OPOST));
        QCOMPARE(t.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));

        QVERIFY(rig.link.run(frames::settingsSequence(2, 3)));
        QCOMPARE(pty.readAll(), QByteArray("\x94\x93\x02\x97\x03"));
        QCOMPARE(rig.pauser.pauses(), QList<int>{300});
        // A cooked line would turn \n into \r\n and eat 0x11/0x13.
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QVERIFY(rig.link.writeText(all) && rig.link.waitUntilSent());
        QCOMPARE(pty.readAll(), all);

        rig.link.close();
        QVERIFY(tcgetattr(pty.watcher(), &t) == 0);
        QVERIFY(t.c_cflag == earlier.c_cflag && t.c_lflag == earlier.c_lflag &&
                t.c_iflag == earlier.c_iflag && t.c_oflag == earlier.c_oflag);
        QCOMPARE(cfgetospeed(&t), speed_t(B9600));
    }

    void openFailures()
    {
        PosixSerialPort port;
        QCOMPARE(port.open("/dev/quorvane-no-such-tty", kDoorUnit), int(SerialPort::kNoSuchPort));
        QCOMPARE(port.open("/dev/null", kDoorUnit), ENOTTY);
        QVERIFY(!port.isOpen() && !port.errorText().isEmpty() && !port.write("x"));
    }

    void heldExclusivelyUntilClosed()
    {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        PosixSerialPort first;
        PosixSerialPort second;
        QCOMPARE(first.open(pty.devicePath(), kDoorUnit), 0);
        QCOMPARE(second.open(pty.devicePath(), kDoorUnit), EBUSY);
        QVERIFY(!second.isOpen());
        QCOMPARE(first.open(pty.devicePath(), kDoorUnit), EBUSY);
        // Bytes the door unit sent are dropped on request.
        QCOMPARE(::write(pty.master(), "E\r\n", 3), ssize_t(3));
        int waiting = 0;
        for (int i = 0; i < 100 && waiting == 0; ++i) {
            QTest::qWait(5);
            ioctl(pty.watcher(), FIONREAD, &waiting);
        }
        QCOMPARE(waiting, 3);
        first.discardInput();
        ioctl(pty.watcher(), FIONREAD, &waiting);
        QCOMPARE(waiting, 0);
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

    // A device that takes no more data (here: nobody reads the other side, so
    // the pty's buffer fills) ends in a link failure, not a hang.
    void linkFailsWhenNobodyReads()
    {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        PtyLink rig(pty);
        rig.link.configure(1);
        QCOMPARE(rig.link.open(), 0);
        const QByteArray chunk(4096, '0');
        int sent = 0;
        while (sent < 64 && rig.link.run({LinkStep::ofText(chunk), LinkStep::drain()}))
            ++sent;
        QVERIFY2(sent < 64, "the device never stopped taking data");
        QCOMPARE(rig.link.state(), SerialLink::State::Failed);
        QVERIFY2(rig.link.failureDescription().startsWith(
                     QStringLiteral("The serial device %1 stopped accepting data (the device took "
                                    "no data for ")
                         .arg(pty.devicePath())),
                 qPrintable(rig.link.failureDescription()));
        rig.link.close();
        QVERIFY(!rig.port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestPosixSerialPort)
#include "tst_posixserialport.moc"
