#include "frames.h"
#include "posixserialport.h"
#include "seriallink.h"
#include "sleepingpauser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// Real time, as an operator runs it: the link and its pauses at work on the
// monitor program's pseudo-terminal, decoded there as the door unit would see
// it. The monitor prints the device to map, keeps the line up, and writes the
// decoded session for us.
class TestLinkEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void throughTheMonitorProgram();
};

void TestLinkEndToEnd::throughTheMonitorProgram()
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
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
        // Another speed first, as a device left behind by some other program
        // (a pty starts at 38400), so the check of the line can fail.
        const int fd = ::open(qPrintable(device), O_RDWR | O_NOCTTY);
        termios t{};
        QVERIFY(fd >= 0 && tcgetattr(fd, &t) == 0);
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
        QVERIFY(tcsetattr(fd, TCSANOW, &t) == 0);
        ::close(fd);
    }
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM4", device);

    PosixSerialPort port;
    SleepingPauser pauser;
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
        const int held = ::open(qPrintable(device), O_RDWR | O_NOCTTY);
        QVERIFY(held >= 0);
        QVERIFY(ioctl(held, TIOCEXCL) == 0);
        int exclusive = 1;
        for (int i = 0; i < 60 && exclusive; ++i) {
            QTest::qWait(50);
            QVERIFY(ioctl(held, TIOCGEXCL, &exclusive) == 0);
        }
        ::close(held);
        QCOMPARE(exclusive, 0);
    }
    QCOMPARE(link.open(), 0);
    QList<RoomRecord> rooms;
    QList<QByteArray> records;
    for (int i = 1; i <= 11; ++i) {
        rooms << RoomRecord{QString::number(100 + i),
                            QStringLiteral("1391234%1").arg(i, 4, 10, QLatin1Char('0')),
                            i % 2 ? QString() : QStringLiteral("8765432"),
                            {}};
        records << *frames::directoryRecord(rooms.last());
    }
    // The directory as the download feeds it, a row at a time.
    frames::DirectorySequence sequence;
    Frame download = sequence.begin();
    for (qsizetype i = 0; i < records.size(); ++i) {
        download += sequence.row(records[i]);
        if (sequence.batchFull() || i + 1 == records.size())
            download += sequence.endBatch();
    }
    download += sequence.end();
    QVERIFY2(link.run(frames::settingsSequence(2, 3)) && link.run(download),
             qPrintable(link.failureDescription()));
    // Exit code 2 would mean a framing error.
    QVERIFY(monitor.waitForFinished(5000));
    QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor.exitCode(), 0);
    link.close();

    QFile file(json);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray events = QJsonDocument::fromJson(file.readAll()).object()["events"].toArray();
    QStringList types;
    QStringList expected{"lineSettings", "loadDefault", "settings", "directoryBegin"};
    for (int size : {5, 5, 1})
        expected << QStringList(size, "record") << "batchEnd"
                 << "batchPause";
    expected << "directoryEnd";
    int index = 0;
    for (const auto& value : events) {
        const QJsonObject e = value.toObject();
        types << e["type"].toString();
        if (types.last() == QLatin1String("settings")) {
            QCOMPARE(
                e["text"].toString(),
                QStringLiteral("settings: open time 2 s, auto mode 3 (Auto Answer + Auto Open)"));
            const int pause = e["pauseAfterOpenTimeMs"].toInt();
            QVERIFY2(pause >= 290 && pause < 1000, qPrintable(QString::number(pause)));
        } else if (types.last() == QLatin1String("batchPause")) {
            // The measured 2 s, with room for a busy machine.
            const int pause = e["pauseMs"].toInt();
            QVERIFY2(pause >= 1900 && pause <= 3000, qPrintable(QString::number(pause)));
        } else if (types.last() == QLatin1String("record")) {
            const RoomRecord r = rooms.value(index++);
            QCOMPARE(e["room"].toString(), r.Room.rightJustified(7, u'0'));
            QCOMPARE(e["tel1"].toString(), r.TEL1.leftJustified(11, u'0'));
            QCOMPARE(e["tel2"].toString(), r.TEL2.leftJustified(11, u'0'));
            QCOMPARE(e["tel3"].toString(), QStringLiteral("00000000000"));
        }
    }
    QCOMPARE(types, expected);
    QCOMPARE(events[0].toObject()["text"].toString(),
             QStringLiteral("line: 38400 baud, 8 data bits, no parity, 1 stop bit"));
    seen += QString::fromUtf8(monitor.readAllStandardOutput());
    QVERIFY2(seen.contains("directory end: 11 rooms in 3 batches"), qPrintable(seen));
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_linkendtoend.moc"
