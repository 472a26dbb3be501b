#include "connectcontroller.h"
#include "directorydownload.h"
#include "frames.h"
#include "recordcursor.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "schema.h"
#include "seriallink.h"
#include "testdatabase.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Icon = MessageSink::Icon;
using Result = DirectoryDownload::Result;

namespace {

// Rooms 101, 102, ... with a first telephone number and the others empty.
QList<QVariantList> rooms(int count)
{
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i)
        rows << QVariantList{QString::number(101 + i),
                             QStringLiteral("1380000%1").arg(i, 4, 10, QChar(u'0')), QString(),
                             QVariant()};
    return rows;
}

QString hex(const QByteArray& bytes)
{
    return QStringLiteral("write ") + QString::fromLatin1(bytes.toHex(' '));
}

// A port whose nth drain fails, as an adapter pulled out at that moment.
class FailingDrainPort : public RecordingSerialPort
{
public:
    using RecordingSerialPort::RecordingSerialPort;
    int failAt = 0;

    bool drain(int deadlineMs) override
    {
        if (++m_drains == failAt)
            return false;
        return RecordingSerialPort::drain(deadlineMs);
    }

private:
    int m_drains = 0;
};

// A directory file, a cursor over it, the port and everything the download
// uses, with the port opened and locked and a clean log.
struct Rig
{
    QTemporaryDir dir;
    QStringList log;
    FailingDrainPort port{&log};
    RecordingPauser pauser{&log};
    SerialLink link{port, pauser};
    RecordingMessageSink messages;
    RecordCursor cursor{schema::directoryTable()};
    QList<DirectoryDownload::Progress> progress;

    explicit Rig(const QList<QVariantList>& rows, bool locked = true)
    {
        const QString path = dir.filePath(schema::kDirectoryFile);
        testdb::create(path, schema::directoryTable(), rows);
        if (!cursor.open(path))
            qFatal("cannot open the test directory");
        if (locked) {
            ConnectController(link, messages).toggle(QStringLiteral("COM1"));
            if (!link.portLocked())
                qFatal("cannot lock the test port");
        }
        log.clear();
    }

    Result run()
    {
        DirectoryDownload download(
            link, cursor,
            [this] {
                return RoomRecord{cursor.field(0), cursor.field(1), cursor.field(2),
                                  cursor.field(3)};
            },
            messages, [this](const DirectoryDownload::Progress& p) { progress << p; });
        return download.run();
    }
};

} // namespace

// The messages shown, each as "text|title|icon".
QString shown(const RecordingMessageSink& sink)
{
    QStringList all;
    for (const auto& m : sink.messages)
        all << m.text + u'|' + m.title + u'|' + QString::number(int(m.icon));
    return all.join(u'\n');
}

class TestDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }
    void sendsBatchesOfFive_data();
    void sendsBatchesOfFive();
    void refusedWithoutPortOrRooms();
    void badRowsSendNothing();
    void portThatDoesNotOpenSendsNothing();
    void linkFailureStopsAndSaysHowFar_data();
    void linkFailureStopsAndSaysHowFar();
    void timeLeft_data();
    void timeLeft();

private:
    QTemporaryDir m_config;
};

void TestDownload::sendsBatchesOfFive_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("batches");
    QTest::newRow("1") << 1 << QList<int>{1};
    QTest::newRow("5") << 5 << QList<int>{5};
    QTest::newRow("6") << 6 << QList<int>{5, 1};
    QTest::newRow("11") << 11 << QList<int>{5, 5, 1};
}

void TestDownload::sendsBatchesOfFive()
{
    QFETCH(int, count);
    QFETCH(QList<int>, batches);
    Rig rig(rooms(count));
    rig.cursor.moveLast(); // the download starts from the first row wherever the view stands
    rig.log.clear();
    qsizetype logAtMessage = -1;
    rig.messages.onShow = [&](const auto&) { logAtMessage = rig.log.size(); };

    QCOMPARE(rig.run(), Result::Complete);

    QStringList expected{QStringLiteral("discard"), hex("\x95"), QStringLiteral("drain")};
    int room = 0;
    for (int inBatch : batches) {
        for (int i = 0; i < inBatch; ++i, ++room)
            expected << QStringLiteral("drain")
                     << hex(QStringLiteral("0000%1$1380000%2@00000000000@00000000000#")
                                .arg(101 + room)
                                .arg(room, 4, 10, QChar(u'0'))
                                .toLatin1());
        expected << QStringLiteral("drain") << hex(",");
        for (int i = 0; i < 200; ++i)
            expected << QStringLiteral("pause 10");
    }
    expected << hex(".") << QStringLiteral("drain");
    QCOMPARE(rig.log, expected);
    QCOMPARE(logAtMessage, rig.log.size()); // complete only once every byte has left

    QCOMPARE(rig.cursor.absolutePosition(), RecordCursor::kAfterLast);
    QVERIFY(rig.link.isOpen() && rig.link.portLocked());
    QCOMPARE(shown(rig.messages),
             QStringLiteral("Data download complete|OK|%1").arg(int(Icon::Information)));
    QCOMPARE(rig.progress.size(), count + 2);
    QCOMPARE(rig.progress[count].sent, count);
    QVERIFY(!rig.progress[count].finished && rig.progress.last().finished);
}

void TestDownload::refusedWithoutPortOrRooms()
{
    Rig rig(rooms(3), false);
    rig.cursor.moveLast();
    QCOMPARE(rig.run(), Result::NotLocked);
    QCOMPARE(rig.cursor.absolutePosition(), 3); // the view not moved
    QCOMPARE(shown(rig.messages),
             QStringLiteral("COM not selected|Error|%1").arg(int(Icon::Exclamation)));

    Rig empty({});
    QCOMPARE(empty.run(), Result::Empty);
    QCOMPARE(shown(empty.messages), QStringLiteral("The room directory holds no rooms, so "
                                                   "nothing was sent to the door unit.|%1|%2")
                                        .arg(kApplicationTitle)
                                        .arg(int(Icon::Exclamation)));
    QVERIFY(rig.log.isEmpty() && empty.log.isEmpty());
    QVERIFY(rig.progress.isEmpty() && empty.progress.isEmpty());
}

void TestDownload::badRowsSendNothing()
{
    QList<QVariantList> rows = rooms(7);
    rows[1][0] = QStringLiteral("1０2");      // a full-width digit
    rows[4][2] = QStringLiteral("139\t1234"); // a tab in TEL2
    Rig rig(rows);
    QCOMPARE(rig.run(), Result::BadRows);
    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.progress.isEmpty());
    const QString text = rig.messages.messages.value(0).text;
    QVERIFY2(text.startsWith(QStringLiteral("Nothing was sent to the door unit: 2 of the 7 rooms "
                                            "cannot be sent as they are and must be corrected "
                                            "first.")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Row 2, room \"1０2\": ")));
    QVERIFY(text.contains(QStringLiteral("Row 5, room \"105\": TEL2")));
    QVERIFY(!text.contains(QStringLiteral("Row 1,")));
    QCOMPARE(rig.messages.messages.value(0).icon, Icon::Exclamation);
}

void TestDownload::portThatDoesNotOpenSendsNothing()
{
    Rig rig(rooms(2));
    rig.link.close();
    rig.port.setOpenResult(SerialPort::kNoSuchPort);
    QCOMPARE(rig.run(), Result::OpenFailed);
    QVERIFY(rig.port.written().isEmpty());
    QVERIFY(rig.progress.isEmpty());
    // The same message as the Connect dialog's button shows for this port.
    Rig other({}, false);
    other.port.setOpenResult(SerialPort::kNoSuchPort);
    ConnectController(other.link, other.messages).toggle(QStringLiteral("COM1"));
    QCOMPARE(shown(rig.messages), shown(other.messages));

    // With the device there, the download opens the closed port itself.
    rig.port.setOpenResult(0);
    rig.log.clear();
    QCOMPARE(rig.run(), Result::Complete);
    QCOMPARE(rig.log.mid(0, 2), (QStringList{"open /dev/ttyS0 38400,n,8,1", hex("\x95")}));
    QVERIFY(rig.link.portLocked());
}

void TestDownload::linkFailureStopsAndSaysHowFar_data()
{
    QTest::addColumn<qint64>("acceptedBytes"); // -1: no write fails
    QTest::addColumn<int>("failingDrain");     // 0: no drain fails
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("endSent");
    QTest::addColumn<int>("bytes"); // of this download when it failed
    // byte 95, five records and "," are 222 bytes; the seventh record fails.
    QTest::newRow("write of the seventh room")
        << qint64(1 + 5 * 44 + 1 + 44) << 0 << 6 << false << 1 + 5 * 44 + 1 + 44;
    QTest::newRow("first byte") << qint64(0) << 0 << 0 << false << 0;
    // Drains: after 95, before each of 11 records, before each of 3 ",", after ".".
    QTest::newRow("drain before the third room") << qint64(-1) << 4 << 2 << false << 1 + 2 * 44;
    QTest::newRow("drain after the end") << qint64(-1) << 16 << 11 << true << 1 + 11 * 44 + 4;
}

void TestDownload::linkFailureStopsAndSaysHowFar()
{
    QFETCH(qint64, acceptedBytes);
    QFETCH(int, failingDrain);
    QFETCH(int, sent);
    QFETCH(bool, endSent);
    QFETCH(int, bytes);
    Rig rig(rooms(11));
    QVERIFY(rig.link.writeText("0000")); // an earlier command on the same open port
    rig.port.failWritesAfter(acceptedBytes);
    rig.port.failAt = failingDrain;

    QCOMPARE(rig.run(), Result::LinkFailed);
    QCOMPARE(rig.port.written().endsWith('.'), endSent);
    const auto& m = rig.messages.messages.value(0);
    QVERIFY2(m.text.startsWith(QStringLiteral("The download stopped: the link to the door unit "
                                              "failed after %1 of 11 rooms were sent.\n")
                                   .arg(sent)),
             qPrintable(m.text));
    QVERIFY(m.text.contains(rig.link.failureDescription()));
    QVERIFY2(m.text.contains(QStringLiteral(" after %1 bytes").arg(bytes)), qPrintable(m.text));
    QCOMPARE(m.icon, Icon::Critical);
    QCOMPARE(rig.progress.last().sent, sent);

    // With the adapter back, the next download reopens the failed link and
    // sends the whole directory from its start.
    rig.port.failWritesAfter(-1);
    rig.log.clear();
    QCOMPARE(rig.run(), Result::Complete);
    QCOMPARE(rig.log.mid(0, 3), (QStringList{"close", "open /dev/ttyS0 38400,n,8,1", hex("\x95")}));
}

void TestDownload::timeLeft_data()
{
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("ms");
    // 45 bytes (a record and its share of markers) take 11.7 ms at 38400 baud.
    QTest::newRow("before the first room") << 0 << 11 << 3 * 2000 + 128;
    QTest::newRow("fifth room sent, its pause ahead") << 5 << 11 << 3 * 2000 + 70;
    QTest::newRow("sixth room sent") << 6 << 11 << 2 * 2000 + 58;
    QTest::newRow("all sent, last pause ahead") << 11 << 11 << 2000;
}

void TestDownload::timeLeft()
{
    QFETCH(int, sent);
    QFETCH(int, total);
    QFETCH(int, ms);
    QCOMPARE(DirectoryDownload::millisecondsLeft(sent, total, 38400), ms);
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
