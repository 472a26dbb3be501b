#include "doorunitdecoder.h"
#include "frames.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The texts of the events of one type, or of all events.
QStringList texts(const QList<DoorUnitDecoder::Event>& events, const QString& type = {})
{
    QStringList out;
    for (const auto& e : events) {
        if (type.isEmpty() || e.type == type)
            out << e.text;
    }
    return out;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

const QByteArray kRecord("0000101$12345678901@00000000000@00000000000#");

} // namespace

class TestDoorUnitDecoder : public QObject
{
    Q_OBJECT

private slots:
    void settings()
    {
        const QStringList names{"none", "Auto Answer", "Auto Open", "Auto Answer + Auto Open"};
        for (int mode : {0, 1, 2, 3, 9}) {
            DoorUnitDecoder d;
            QVERIFY(d.feed("\x94\x93\x02", 10).isEmpty());
            const auto events = d.feed(QByteArray("\x97") + char(mode), 311);
            QCOMPARE(texts(events, "settings"),
                     QStringList{QStringLiteral("settings: open time 2 s, auto mode %1 (%2)")
                                     .arg(mode)
                                     .arg(names.value(mode, "not a known mode"))});
            QCOMPARE(events[0].fields.value("pauseAfterOpenTimeMs").toLongLong(), 301);
        }
    }

    // Eleven rooms, whether the bytes come one at a time or all at once.
    void directoryByteByByte()
    {
        QByteArray bytes("\x95");
        for (int i = 1; i <= 11; ++i)
            bytes += *frames::directoryRecord({QString::number(100 + i), "139", "8765432", {}}) +
                     (i % 5 == 0 || i == 11 ? "," : "");
        DoorUnitDecoder whole;
        DoorUnitDecoder single;
        whole.feed(bytes + '.', 0);
        for (char b : bytes + '.')
            single.feed(QByteArray(1, b), 0);
        const auto& events = single.events();
        QCOMPARE(texts(events), texts(whole.events()));
        QCOMPARE(texts(events, "framingError"), QStringList());
        QCOMPARE(
            texts(events, "batchEnd"),
            (QStringList{"batch 1 end: 5 rooms", "batch 2 end: 5 rooms", "batch 3 end: 1 room"}));
        QCOMPARE(texts(events, "record").last(),
                 QStringLiteral("record 11: room 0000111  TEL1 13900000000  TEL2 87654320000  "
                                "TEL3 00000000000"));
        QCOMPARE(events.last().text, QStringLiteral("directory end: 11 rooms in 3 batches"));
    }

    void framingErrors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("errors");
        // A bad record in a directory of one: its batch then holds no records.
        const auto badRecord = [](const char* name, const QByteArray& record, const QString& why) {
            QTest::newRow(name) << QByteArray("\x95") + record + ",."
                                << QStringList{"framing error: " + why,
                                               "framing error: a batch without records"};
        };
        const auto row = [](const char* name, const QByteArray& bytes, const QString& error) {
            QTest::newRow(name) << bytes << QStringList{"framing error: " + error};
        };
        QByteArray noDollar = kRecord;
        noDollar[7] = '0';
        QByteArray control = kRecord;
        control[3] = '\n';
        badRecord("short", "0000101$1@2@3#",
                  "bad record \"0000101$1@2@3#\": 14 characters instead of 44");
        badRecord("no $", noDollar, "bad record \"" + noDollar + "\": no \"$\" after the room");
        badRecord("control character", control,
                  "bad record \"000<0x0a>101$12345678901@00000000000@00000000000#\": byte 0x0a "
                  "is not printable");
        badRecord("cut by ,", "0000101$123",
                  "record cut short by \",\": \"0000101$123\" (11 characters)");
        row("unknown byte", "\x42\x90", "unknown byte 0x42");
        row("broken settings", "\x94\x90", "settings: 0x93 expected, 0x90 arrived");
        row("six in a batch", "\x95" + kRecord.repeated(6) + ",.",
            "batch 1 holds 6 records; the door unit takes 5");
        row("no , before .", "\x95" + kRecord + ".", "the last batch has no \",\" before \".\"");
        row("directory started over", "\x95" + kRecord + "\x95" + kRecord + ",.",
            "directory cut off after 1 room: 0x95 arrived");
        row("session ends mid-record", "\x95" + kRecord + "0000102$",
            "directory cut off after 1 room: the session ended, inside the record \"0000102$\"");
        row("session ends in settings", "\x94\x93", "the session ended inside the settings");
    }

    void framingErrors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, errors);
        DoorUnitDecoder d;
        d.feed(bytes, 0);
        d.finish(1);
        QCOMPARE(texts(d.events(), "framingError"), errors);
    }

    // Line settings are reported only when they change; batch pauses are
    // measured from the "," to what follows.
    void session()
    {
        DoorUnitDecoder d;
        QCOMPARE(texts(d.lineSettings(38400, 8, 'n', 1, 0)),
                 QStringList{"line: 38400 baud, 8 data bits, no parity, 1 stop bit"});
        QVERIFY(d.lineSettings(38400, 8, 'n', 1, 0).isEmpty());
        QCOMPARE(texts(d.lineSettings(9600, 7, 'e', 2, 0)),
                 QStringList{"line: 9600 baud, 7 data bits, even parity, 2 stop bits"});
        d.feed("\x95" + kRecord + ",", 12);
        d.feed(kRecord, 2015);
        d.feed(",", 2030);
        d.feed(".", 4031);
        d.feed("\x90", 4040);
        QCOMPARE(texts(d.events(), "batchPause"),
                 (QStringList{"pause after batch 1: 2003 ms", "pause after batch 2: 2001 ms"}));
        QCOMPARE(DoorUnitDecoder::timestamped(d.events().last()),
                 QStringLiteral("[   4.040 s] load default"));
    }

    // --link takes the place of an earlier link or of nothing, never of a
    // file; it removes only its own link at the end. Nothing is sent, so
    // --idle-exit must end the run by itself.
    void monitorLink_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::newRow("free name") << "";
        QTest::newRow("earlier link") << "link";
        QTest::newRow("database file") << "file";
        QTest::newRow("directory") << "directory";
        QTest::newRow("replaced while running") << "replaced";
    }
    void monitorLink()
    {
        QFETCH(QString, existing);
        QTemporaryDir dir;
        const QString path = dir.filePath("user_password.mdb");
        if (existing == "link")
            QVERIFY(QFile::link(dir.filePath("gone"), path));
        if (existing == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("rows") == 4);
        }
        if (existing == "directory")
            QVERIFY(QDir(dir.path()).mkdir("user_password.mdb"));
        const bool refused = existing == "file" || existing == "directory";
        QProcess monitor;
        monitor.start(QStringLiteral(DOORSIM_PATH),
                      {"--link", path, "--idle-exit", existing == "replaced" ? "600" : "0.2"});
        if (existing == "replaced") {
            QVERIFY(monitor.waitForReadyRead(10000));
            QVERIFY(QFile::remove(path) &&
                    QFile::copy(QFINDTESTDATA("tst_doorunitdecoder.cpp"), path));
            monitor.terminate();
        }
        QVERIFY(monitor.waitForFinished(10000));
        QCOMPARE(monitor.exitCode(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(monitor.readAllStandardError(),
                     "quorvane-doorsim: " + path.toLocal8Bit() +
                         " exists and is not a symbolic link; it is left as it is. Give --link a "
                         "name that is free or holds an earlier link.\n");
            QCOMPARE(QFileInfo(path).isDir(), existing == "directory");
            QVERIFY(existing == "directory" || contents(path) == "rows");
            return;
        }
        QVERIFY(monitor.readAllStandardOutput().contains(" on " + path.toLocal8Bit() + " "));
        if (existing == "replaced")
            QCOMPARE(contents(path), contents(QFINDTESTDATA("tst_doorunitdecoder.cpp")));
        else
            QVERIFY(!QFileInfo(path).isSymLink() && !QFileInfo::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestDoorUnitDecoder)
#include "tst_doorunitdecoder.moc"
