#include "frames.h"
#include "recordingserialport.h"
#include "seriallink.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

namespace {

// A link on a recording port and pauser sharing one log, configured to the
// given port (0: left at the defaults) and opened if asked; the log starts
// empty.
struct Rig : RecordedLink
{

    explicit Rig(int number, bool open = true)
    {
        if (number > 0)
            link.configure(number);
        if (open)
            link.open();
        log.clear();
    }
};

} // namespace

class TestSerialLink : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
        settings.setValue("Ports/COM1", "/dev/ttyUSB0");
    }

    // Nothing goes to a closed port; COM1 (mapped) at 9600 until configured;
    // configure takes 1..9 while closed and sets the door unit's 38400 8N1 on
    // /dev/ttyS(n-1) when unmapped; opening an open port fails.
    void defaultsAndConfigure()
    {
        Rig rig(0, false);
        rig.link.discardInput();
        QVERIFY(!rig.link.run(frames::loadDefault()));
        QCOMPARE(rig.link.failureDescription(), QStringLiteral("COM1 is not open"));
        QCOMPARE(rig.link.portNumber(), 1);
        QCOMPARE(rig.link.lineSettings(), (SerialPort::LineSettings{9600, 'n', 8, 1}));
        QCOMPARE(rig.link.open(), 0);
        rig.link.discardInput();
        QCOMPARE(rig.link.open(), SerialLink::kAlreadyOpen);
        rig.link.configure(3);
        rig.link.close();
        rig.link.configure(0);
        rig.link.configure(10);
        QCOMPARE(rig.link.portNumber(), 1);
        rig.link.configure(3);
        QCOMPARE(rig.link.lineSettings(), (SerialPort::LineSettings{38400, 'n', 8, 1}));
        QCOMPARE(rig.link.open(), 0);
        QCOMPARE(rig.link.state(), SerialLink::State::Open);
        QCOMPARE(rig.log, (QStringList{"open /dev/ttyUSB0 9600,n,8,1", "discard", "close",
                                       "open /dev/ttyS2 38400,n,8,1"}));
    }

    void openFailures()
    {
        for (int code : {int(SerialPort::kNoSuchPort), EACCES, EBUSY}) {
            Rig rig(2, false);
            rig.port.setOpenResult(code);
            QCOMPARE(rig.link.open(), code);
            QCOMPARE(rig.link.state(), SerialLink::State::Closed);
            QCOMPARE(rig.link.failureDescription(),
                     QStringLiteral("The serial device /dev/ttyS1 (COM2) could not be opened "
                                    "(refused by the test)"));
            QVERIFY(!rig.link.writeByte(0x90) && rig.port.written().isEmpty());
        }
    }

    // A failing write or drain stops the frame there.
    void frameFailure_data()
    {
        QTest::addColumn<bool>("drainFails");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("description");
        QTest::newRow("write") << false
                               << QStringList{"write 94", "drain", "write 93", "drain",
                                              "write failed 02"}
                               << "The serial device /dev/ttyUSB0 stopped accepting data "
                                  "(Input/output error) after 2 bytes";
        QTest::newRow("drain") << true << QStringList{"write 94", "drain"}
                               << "The serial device /dev/ttyUSB0 did not finish sending within "
                                  "251 ms (the transmit queue did not empty) after 1 bytes";
    }

    void frameFailure()
    {
        QFETCH(bool, drainFails);
        QFETCH(QStringList, log);
        QFETCH(QString, description);
        Rig rig(1);
        rig.port.failWritesAfter(drainFails ? -1 : 2);
        rig.port.setDrainFails(drainFails);
        QVERIFY(!rig.link.run(frames::settingsSequence(2, 3)));
        QCOMPARE(rig.link.state(), SerialLink::State::Failed);
        QVERIFY(!rig.link.isOpen());
        // Later steps neither reach the device nor replace the first reason.
        QVERIFY(!rig.link.writeText("abc") && !rig.link.waitUntilSent());
        QCOMPARE(rig.log, log);
        QCOMPARE(rig.link.failureDescription(), description);
    }

    void reopenAfterFailure()
    {
        Rig rig(1);
        rig.port.failWritesAfter(0);
        QVERIFY(!rig.link.writeByte(0x90));
        rig.port.failWritesAfter(-1);
        QCOMPARE(rig.link.open(), 0);
        QVERIFY(rig.link.failureDescription().isEmpty());
        QVERIFY(rig.link.run(frames::loadDefault()));
        QCOMPARE(rig.log, (QStringList{"write failed 90", "close", "open /dev/ttyUSB0 38400,n,8,1",
                                       "write 90", "drain"}));
        // Choosing another port after a failure lets go of the dead device.
        rig.port.failWritesAfter(0);
        QVERIFY(!rig.link.writeByte(0x90));
        rig.link.configure(2);
        QCOMPARE(rig.link.state(), SerialLink::State::Closed);
        QCOMPARE(rig.link.portNumber(), 2);
        QVERIFY(!rig.port.isOpen());
    }

    void drainDeadline()
    {
        // {port (0: 9600), written, queued (-1: cannot tell), deadline}: the
        // line time at 10 bits a byte, rounded up, plus 250 ms.
        const int cases[][4] = {
            {1, 1, 0, 251}, {0, 44, 0, 296}, {1, 1, 4096, 1317}, {1, 44, -1, 262}};
        for (const auto& c : cases) {
            Rig rig(c[0]);
            QVERIFY(rig.link.writeText(QByteArray(c[1], '0')));
            rig.port.setQueued(c[2]);
            QVERIFY(rig.link.waitUntilSent());
            // Bytes drained once do not lengthen the next wait.
            rig.port.setQueued(0);
            QVERIFY(rig.link.waitUntilSent());
            QCOMPARE(rig.port.drainDeadlines(), (QList<int>{c[3], 250}));
        }
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
