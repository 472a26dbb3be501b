#include "doorunitdecoder.h"
#include "frames.h"
#include "posixserialport.h"
#include "pseudoterminal.h"
#include "seriallink.h"
#include "sleepingpauser.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

QList<RoomRecord> elevenRooms()
{
    QList<RoomRecord> rooms;
    for (int i = 1; i <= 11; ++i)
        rooms << RoomRecord{QString::number(100 + i),
                            QStringLiteral("1391234%1").arg(i, 4, 10, QLatin1Char('0')),
                            i % 2 ? QString() : QStringLiteral("8765432"),
                            {}};
    return rooms;
}

// The download as the program sends it: rows fed one at a time.
bool download(SerialLink& link, const QList<RoomRecord>& rooms)
{
    frames::DirectorySequence sequence;
    if (!link.run(sequence.begin()))
        return false;
    for (qsizetype i = 0; i < rooms.size(); ++i) {
        if (!link.run(sequence.row(*frames::directoryRecord(rooms[i]))))
            return false;
        if ((sequence.batchFull() || i + 1 == rooms.size()) && !link.run(sequence.endBatch()))
            return false;
    }
    return link.run(sequence.end());
}

bool setSpeed9600(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

QStringList ofType(const QList<DoorUnitDecoder::Event>& events, const QString& type)
{
    QStringList out;
    for (const auto& e : events) {
        if (e.type == type)
            out << e.text;
    }
    return out;
}

} // namespace

// Real time: the link and its pauses at work on a pseudo-terminal, decoded on
// the other side as the door unit would see it.
class TestLinkEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void settingsDirectoryAndLoadDefault();
    void throughTheMonitorProgram();

private:
    QTemporaryDir m_config;
};

void TestLinkEndToEnd::initTestCase()
{
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

void TestLinkEndToEnd::settingsDirectoryAndLoadDefault()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    // A pty starts at 38400: another speed first, so the check below can fail.
    QVERIFY(setSpeed9600(pty.watcher()));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", pty.devicePath());

    DoorUnitDecoder decoder;
    std::atomic<bool> stop{false};
    std::thread reader([&] {
        QElapsedTimer clock;
        clock.start();
        while (!stop) {
            pollfd p{pty.master(), POLLIN, 0};
            if (poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            char buffer[4096];
            const ssize_t n = ::read(pty.master(), buffer, sizeof buffer);
            if (n <= 0)
                continue;
            SerialPort::LineSettings line;
            if (PosixSerialPort::readSettings(pty.watcher(), line))
                decoder.lineSettings(line.baud, line.dataBits, line.parity, line.stopBits,
                                     clock.elapsed());
            decoder.feed(QByteArray(buffer, n), clock.elapsed());
        }
    });

    PosixSerialPort port;
    SleepingPauser pauser;
    SerialLink link(port, pauser);
    link.configure(1);
    const int opened = link.open();
    const bool sent = opened == 0 && link.run(frames::settingsSequence(2, 3)) &&
                      download(link, elevenRooms()) && link.run(frames::loadDefault());
    QTest::qWait(100);
    stop = true;
    reader.join();
    QCOMPARE(opened, 0);
    QVERIFY2(sent, qPrintable(link.failureDescription()));
    link.close();

    const auto& events = decoder.events();
    QCOMPARE(ofType(events, "framingError"), QStringList());
    QCOMPARE(ofType(events, "lineSettings"),
             QStringList{"line: 38400 baud, 8 data bits, no parity, 1 stop bit"});
    QCOMPARE(ofType(events, "settings"),
             QStringList{"settings: open time 2 s, auto mode 3 (Auto Answer + Auto Open)"});
    QCOMPARE(ofType(events, "batchEnd"),
             (QStringList{"batch 1 end: 5 rooms", "batch 2 end: 5 rooms", "batch 3 end: 1 room"}));
    QCOMPARE(ofType(events, "directoryEnd"), QStringList{"directory end: 11 rooms in 3 batches"});
    QCOMPARE(ofType(events, "loadDefault").size(), 1);

    const QList<RoomRecord> rooms = elevenRooms();
    int index = 0;
    for (const auto& e : events) {
        if (e.type == QLatin1String("settings")) {
            const qint64 pause = e.fields.value("pauseAfterOpenTimeMs").toLongLong();
            QVERIFY2(pause >= 290 && pause < 1000, qPrintable(QString::number(pause)));
        } else if (e.type == QLatin1String("batchPause")) {
            // The decoder's measurement of the 2 s, with room for a busy machine.
            const qint64 pause = e.fields.value("pauseMs").toLongLong();
            QVERIFY2(pause >= 1900 && pause <= 3000, qPrintable(QString::number(pause)));
        } else if (e.type == QLatin1String("record")) {
            const RoomRecord& r = rooms[index++];
            QCOMPARE(e.fields.value("room").toString(), r.Room.rightJustified(7, u'0'));
            QCOMPARE(e.fields.value("tel1").toString(), r.TEL1.leftJustified(11, u'0'));
            QCOMPARE(e.fields.value("tel2").toString(), r.TEL2.leftJustified(11, u'0'));
            QCOMPARE(e.fields.value("tel3").toString(), QStringLiteral("00000000000"));
        }
    }
    QCOMPARE(index, 11);
    QCOMPARE(ofType(events, "batchPause").size(), 3);
}

// The monitor as an operator runs it: it prints the device to map, keeps the
// line up, and writes the decoded session for us.
void TestLinkEndToEnd::throughTheMonitorProgram()
{
    QTemporaryDir dir;
    const QString json = dir.filePath("session.json");
    QProcess monitor;
    monitor.start(QStringLiteral(DOORSIM_PATH), {"--json", json, "--exit-after-end"});
    QVERIFY(monitor.waitForStarted());
    QVERIFY(monitor.waitForReadyRead(5000));
    const QString banner = QString::fromUtf8(monitor.readLine()).trimmed();
    const QString marker = QStringLiteral("[Ports] COM1=");
    QVERIFY2(banner.contains(marker), qPrintable(banner));
    const QString device = banner.mid(banner.indexOf(marker) + marker.size());
    QVERIFY2(banner.startsWith(QStringLiteral("Door unit monitor listening on %1").arg(device)),
             qPrintable(banner));

    {
        // Another speed first, as a device left behind by some other program.
        const int fd = ::open(qPrintable(device), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        QVERIFY(setSpeed9600(fd));
        ::close(fd);
    }
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM4", device);

    PosixSerialPort port;
    // Pauses are not what this test is about: the one above measures them.
    struct NoPause : Pauser
    {
        void pause(int) override {}
    } pauser;
    SerialLink link(port, pauser);
    link.configure(4);
    QCOMPARE(link.open(), 0);
    QVERIFY(link.run(frames::loadDefault()));
    // The monitor reads the line settings when data arrives; closing restores
    // the earlier ones, so let it see the byte first.
    QString seen;
    while (!seen.contains(QStringLiteral("load default")) && monitor.waitForReadyRead(5000))
        seen += QString::fromUtf8(monitor.readAllStandardOutput());
    QVERIFY2(seen.contains(QStringLiteral("load default")), qPrintable(seen));
    // The program may close and open again between commands; the line stays up.
    link.close();
    {
        // A holder killed before it could let go leaves the device exclusive;
        // the monitor clears that once nobody holds the device's lock.
        const int fd = ::open(qPrintable(device), O_RDWR | O_NOCTTY);
        QVERIFY(fd >= 0);
        QVERIFY(ioctl(fd, TIOCEXCL) == 0);
        int exclusive = 1;
        for (int i = 0; i < 60 && exclusive; ++i) {
            QTest::qWait(50);
            QVERIFY(ioctl(fd, TIOCGEXCL, &exclusive) == 0);
        }
        ::close(fd);
        QCOMPARE(exclusive, 0);
    }
    QCOMPARE(link.open(), 0);
    QVERIFY(download(link, elevenRooms().mid(0, 6)));
    QVERIFY(monitor.waitForFinished(5000));
    QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor.exitCode(), 0);
    link.close();

    QFile file(json);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray events = QJsonDocument::fromJson(file.readAll()).object()["events"].toArray();
    QStringList types;
    for (const auto& e : events)
        types << e.toObject()["type"].toString();
    const QStringList expected{"lineSettings", "loadDefault", "directoryBegin", "record",
                               "record",       "record",      "record",         "record",
                               "batchEnd",     "batchPause",  "record",         "batchEnd",
                               "batchPause",   "directoryEnd"};
    QCOMPARE(types.join(' '), expected.join(' '));
    QCOMPARE(events[0].toObject()["baud"].toInt(), 38400);
    QCOMPARE(events[3].toObject()["room"].toString(), QStringLiteral("0000101"));
    QCOMPARE(events[10].toObject()["tel2"].toString(), QStringLiteral("87654320000"));

    seen += QString::fromUtf8(monitor.readAllStandardOutput());
    QVERIFY2(seen.contains("directory end: 6 rooms in 2 batches"), qPrintable(seen));
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_linkendtoend.moc"
