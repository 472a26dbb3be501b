#include "frames.h"
#include "recordingserialport.h"
#include "seriallink.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

class TestSerialLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startsClosedOnCom1At9600();
    void configureSetsNumberAndDoorUnitSettings();
    void configureOnlyWhileClosed();
    void deviceFor_data();
    void deviceFor();
    void openFailures_data();
    void openFailures();
    void openingAnOpenPortFails();
    void runsSettingsStepsInOrder();
    void writeFailureStopsTheFrame();
    void failedLinkSendsNothingMoreUntilReopened();
    void drainFailureStopsTheFrame();
    void drainDeadline_data();
    void drainDeadline();
    void nothingGoesToAClosedPort();
    void discardOnlyWhileOpen();
    void directoryOfElevenRooms();

private:
    QTemporaryDir m_config;
    QStringList m_log;
};

void TestSerialLink::initTestCase()
{
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                       QStringLiteral("Quorvane"));
    settings.setValue(QStringLiteral("Ports/COM1"), QStringLiteral("/dev/ttyUSB0"));
    settings.setValue(QStringLiteral("Ports/COM4"),
                      QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"));
    settings.sync();
}

void TestSerialLink::init()
{
    m_log.clear();
}

void TestSerialLink::startsClosedOnCom1At9600()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    QCOMPARE(link.portNumber(), 1);
    QCOMPARE(link.lineSettings(), (SerialPort::LineSettings{9600, 'n', 8, 1}));
    QCOMPARE(link.state(), SerialLink::State::Closed);
    QVERIFY(!link.isOpen());
    QVERIFY(!link.portLocked());
    QCOMPARE(link.open(), 0);
    QCOMPARE(m_log, QStringList{"open /dev/ttyUSB0 9600,n,8,1"});
}

void TestSerialLink::configureSetsNumberAndDoorUnitSettings()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(3);
    QCOMPARE(link.portNumber(), 3);
    QCOMPARE(link.lineSettings(), (SerialPort::LineSettings{38400, 'n', 8, 1}));
    QCOMPARE(link.open(), 0);
    QCOMPARE(link.state(), SerialLink::State::Open);
    QVERIFY(link.isOpen());
    link.close();
    QVERIFY(!link.isOpen());
    QCOMPARE(m_log, (QStringList{"open /dev/ttyS2 38400,n,8,1", "close"}));
}

void TestSerialLink::configureOnlyWhileClosed()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(2);
    QCOMPARE(link.open(), 0);
    link.configure(5);
    QCOMPARE(link.portNumber(), 2);
    link.close();
    link.configure(0);
    link.configure(10);
    QCOMPARE(link.portNumber(), 2);
    link.configure(9);
    QCOMPARE(link.portNumber(), 9);
}

void TestSerialLink::deviceFor_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device");
    QTest::newRow("mapped COM1") << 1 << "/dev/ttyUSB0";
    QTest::newRow("unmapped COM2") << 2 << "/dev/ttyS1";
    QTest::newRow("mapped by id") << 4 << "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
    QTest::newRow("unmapped COM9") << 9 << "/dev/ttyS8";
}

void TestSerialLink::deviceFor()
{
    QFETCH(int, number);
    QFETCH(QString, device);
    QCOMPARE(SerialLink::deviceFor(number), device);
}

void TestSerialLink::openFailures_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("no such port") << int(SerialPort::kNoSuchPort);
    QTest::newRow("not permitted") << EACCES;
    QTest::newRow("held elsewhere") << EBUSY;
}

void TestSerialLink::openFailures()
{
    QFETCH(int, code);
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(2);
    port.setOpenResult(code);
    QCOMPARE(link.open(), code);
    QCOMPARE(link.state(), SerialLink::State::Closed);
    QVERIFY(!link.isOpen());
    QCOMPARE(link.failureDescription(),
             QStringLiteral("The serial device /dev/ttyS1 (COM2) could not be opened (refused by "
                            "the test)"));
    QVERIFY(!link.writeByte(0x90));
    QCOMPARE(port.written(), QByteArray());
}

void TestSerialLink::openingAnOpenPortFails()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    QCOMPARE(link.open(), 0);
    QCOMPARE(link.open(), SerialLink::kAlreadyOpen);
    QVERIFY(link.isOpen());
    QCOMPARE(m_log.size(), 1);
}

void TestSerialLink::runsSettingsStepsInOrder()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(1);
    QCOMPARE(link.open(), 0);
    m_log.clear();
    QVERIFY(link.run(frames::settingsSequence(2, 3)));
    QCOMPARE(m_log, (QStringList{"write 94", "drain", "write 93", "drain", "write 02", "pause 300",
                                 "write 97", "write 03"}));
    QCOMPARE(link.bytesWritten(), 5);
    QCOMPARE(link.state(), SerialLink::State::Open);
}

void TestSerialLink::writeFailureStopsTheFrame()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(1);
    QCOMPARE(link.open(), 0);
    m_log.clear();
    port.failWritesAfter(2);
    QVERIFY(!link.run(frames::settingsSequence(2, 3)));
    QCOMPARE(m_log, (QStringList{"write 94", "drain", "write 93", "drain", "write failed 02"}));
    QCOMPARE(link.state(), SerialLink::State::Failed);
    QVERIFY(!link.isOpen());
    QCOMPARE(link.failureDescription(),
             QStringLiteral("The serial device /dev/ttyUSB0 stopped accepting data (Input/output "
                            "error) after 2 bytes"));
}

void TestSerialLink::failedLinkSendsNothingMoreUntilReopened()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(1);
    QCOMPARE(link.open(), 0);
    port.failWritesAfter(0);
    QVERIFY(!link.writeByte(0x90));
    const QString first = link.failureDescription();
    m_log.clear();
    // Later steps neither reach the device nor replace the first reason.
    QVERIFY(!link.writeText("abc"));
    QVERIFY(!link.waitUntilSent());
    QVERIFY(m_log.isEmpty());
    QCOMPARE(link.failureDescription(), first);

    port.failWritesAfter(-1);
    QCOMPARE(link.open(), 0);
    QCOMPARE(m_log, (QStringList{"close", "open /dev/ttyUSB0 38400,n,8,1"}));
    QCOMPARE(link.state(), SerialLink::State::Open);
    QVERIFY(link.failureDescription().isEmpty());
    QVERIFY(link.run(frames::loadDefault()));

    // Choosing another port after a failure lets go of the dead device.
    port.failWritesAfter(0);
    QVERIFY(!link.writeByte(0x90));
    link.configure(2);
    QCOMPARE(link.state(), SerialLink::State::Closed);
    QCOMPARE(link.portNumber(), 2);
    QVERIFY(!port.isOpen());
}

void TestSerialLink::drainFailureStopsTheFrame()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(1);
    QCOMPARE(link.open(), 0);
    m_log.clear();
    port.setDrainFails(true);
    QVERIFY(!link.run(frames::settingsSequence(2, 3)));
    QCOMPARE(m_log, (QStringList{"write 94", "drain"}));
    QCOMPARE(link.state(), SerialLink::State::Failed);
    QCOMPARE(link.failureDescription(),
             QStringLiteral("The serial device /dev/ttyUSB0 did not finish sending within 251 ms "
                            "(the transmit queue did not empty) after 1 bytes"));
}

void TestSerialLink::drainDeadline_data()
{
    QTest::addColumn<bool>("configured");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("queued");
    QTest::addColumn<int>("deadline");
    // Line time at 10 bits a byte, rounded up, plus 250 ms.
    QTest::newRow("nothing") << true << 0 << 0 << 250;
    QTest::newRow("one byte") << true << 1 << 0 << 251;
    QTest::newRow("record, device says 0") << true << 44 << 0 << 262;
    QTest::newRow("record at 9600") << false << 44 << 0 << 296;
    QTest::newRow("device holds more") << true << 1 << 4096 << 1317;
    QTest::newRow("device cannot tell") << true << 44 << -1 << 262;
}

void TestSerialLink::drainDeadline()
{
    QFETCH(bool, configured);
    QFETCH(int, written);
    QFETCH(int, queued);
    QFETCH(int, deadline);
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    if (configured)
        link.configure(1);
    QCOMPARE(link.open(), 0);
    QVERIFY(link.writeText(QByteArray(written, '0')));
    port.setQueued(queued);
    QVERIFY(link.waitUntilSent());
    QCOMPARE(port.drainDeadlines(), QList<int>{deadline});
    // Bytes drained once do not lengthen the next wait.
    port.setQueued(0);
    QVERIFY(link.waitUntilSent());
    QCOMPARE(port.drainDeadlines().last(), 250);
}

void TestSerialLink::nothingGoesToAClosedPort()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    QVERIFY(!link.run(frames::loadDefault()));
    QVERIFY(m_log.isEmpty());
    QCOMPARE(link.state(), SerialLink::State::Closed);
    QCOMPARE(link.failureDescription(), QStringLiteral("COM1 is not open"));
    QCOMPARE(link.transmitCount(), 0);
}

void TestSerialLink::discardOnlyWhileOpen()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.discardInput();
    QVERIFY(m_log.isEmpty());
    QCOMPARE(link.open(), 0);
    link.discardInput();
    QCOMPARE(m_log.last(), QStringLiteral("discard"));
}

void TestSerialLink::directoryOfElevenRooms()
{
    RecordingSerialPort port(&m_log);
    RecordingPauser pauser(&m_log);
    SerialLink link(port, pauser);
    link.configure(1);
    QCOMPARE(link.open(), 0);
    QList<QByteArray> records;
    QByteArray expected("\x95");
    for (int i = 0; i < 11; ++i) {
        records << *frames::directoryRecord({QString::number(i + 1), "139", {}, {}});
        expected += records.last();
        if (i % 5 == 4 || i == 10)
            expected += ',';
    }
    expected += '.';
    m_log.clear();
    QVERIFY(link.run(frames::directoryDownload(records)));
    QCOMPARE(port.written(), expected);
    QCOMPARE(pauser.totalMilliseconds(), 6000);
    // Each "," is sent, then the whole batch pause, before anything else.
    qsizetype at = 0;
    for (int batch = 0; batch < 3; ++batch) {
        at = m_log.indexOf(QStringLiteral("write 2c"), at);
        QVERIFY(at > 0);
        QCOMPARE(m_log.mid(at + 1, 200), QStringList(200, QStringLiteral("pause 10")));
        at += 201;
    }
    QCOMPARE(m_log.mid(at), QStringList{"write 2e"});
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
