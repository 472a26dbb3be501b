#include "connectcontroller.h"
#include "connectsettings.h"
#include "directorydownload.h"
#include "frames.h"
#include "linkmessages.h"
#include "loaddefault.h"
#include "recordcursor.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "schema.h"
#include "testdatabase.h"
#include "transferlog.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Kind = LinkResult::Kind;
using Command = LinkResult::Command;

// Every link command over a recording link: what it returns, sends and leaves.
class TestLinkCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void commands_data()
    {
        // The name is "command state input open accepted": toggle, ok, ld or
        // download; the link before (unlocked, locked, closed or failed); the
        // list entry, open time or rooms[:bad row]; the result of the next
        // open(); the bytes the port takes before failing (-1: all).
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("written"); // by this command
        QTest::addColumn<bool>("lockedAfter");
        const auto row = [](const char* setup, Kind kind, const QByteArray& written, bool locked) {
            QTest::newRow(setup) << int(kind) << written << locked;
        };
        const QByteArray download = "\x95"
                                    "0000101$13800000000@00000000000@00000000000#,.";
        row("toggle unlocked COM1 0 -1", Kind::Done, {}, true);
        row("toggle locked COM1 0 -1", Kind::Done, {}, false);
        row("toggle unlocked COM 0 -1", Kind::NoEntry, {}, false);
        row("toggle unlocked COM9 8002 -1", Kind::NoSuchPort, {}, false);
        row("toggle unlocked COM1 13 -1", Kind::OpenFailed, {}, false);
        row("ok locked 3.5 0 -1", Kind::Done, QByteArray::fromHex("94930497") + '\3', true);
        row("ok unlocked 2 0 -1", Kind::NotLocked, {}, false);
        row("ok closed 256 0 -1", Kind::BadOpenTime, {}, true);
        row("ok closed 2 0 -1", Kind::PortClosed, {}, true);
        row("ok locked 2 0 2", Kind::LinkFailed, "\x94\x93", true);
        row("ld locked - 0 -1", Kind::Done, "\x90", true);
        row("ld unlocked - 0 -1", Kind::NotLocked, {}, false);
        row("ld failed - 0 -1", Kind::PortFailed, {}, true);
        row("ld locked - 0 0", Kind::LinkFailed, {}, true);
        row("download locked 1 0 -1", Kind::Done, download, true);
        row("download failed 1 0 -1", Kind::Done, download, true); // opened afresh
        row("download unlocked 1 0 -1", Kind::NotLocked, {}, false);
        row("download locked 0 0 -1", Kind::Empty, {}, true);
        row("download locked 7:5 0 -1", Kind::BadRows, {}, true);
        row("download locked 3:gone 0 -1", Kind::Unreadable, {}, true);
        row("download closed 1 8002 -1", Kind::NoSuchPort, {}, true);
        row("download locked 11 0 266", Kind::LinkFailed,
            "\x95"
            "0",
            true);
    }

    void commands()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, written);
        QFETCH(bool, lockedAfter);
        const QStringList setup = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        const QString &command = setup[0], &state = setup[1], &input = setup[2];
        const qint64 accepted = setup[4].toLongLong();
        RecordedLink rig;
        ConnectController controller(rig.link);
        if (state != "unlocked")
            QVERIFY(controller.toggle(QStringLiteral("COM1")).done());
        if (state == "closed")
            rig.link.close();
        rig.port.writeLimit = state == "failed" ? 0 : -1;
        QCOMPARE(rig.link.writeText("0000"), state == "locked"); // not counted in this command
        rig.port.openResult = setup[3].toInt();
        rig.port.writeLimit = accepted;
        const qsizetype before = rig.port.written.size();

        const QString path = m_dir.filePath(QTest::currentDataTag());
        QList<QVariantList> rows;
        for (int i = 0; i < input.section(u':', 0, 0).toInt(); ++i)
            rows << QVariantList{QString::number(101 + i), "138", "", QVariant()};
        const bool gone = input.endsWith(QStringLiteral(":gone"));
        if (input.contains(u':') && !gone)
            rows[input.section(u':', 1).toInt() - 1][0] = QStringLiteral("1.5");
        testdb::create(path, schema::directoryTable(), rows);
        RecordCursor cursor(schema::directoryTable());
        QVERIFY(cursor.open(path));
        if (gone) { // a Refresh that failed leaves no rows to send
            testdb::exec(path, QStringLiteral("ALTER TABLE Room_tel RENAME TO old"));
            QVERIFY(!cursor.refresh());
        }
        rig.link.setRecording({path, QStringLiteral("ann")});
        static_cast<void>(cursor.moveLast()); // a download starts from the first row
        const auto run = [&] {
            if (command == "toggle")
                return controller.toggle(input);
            if (command == "ok")
                return controller.sendSettings(input, Qt::Checked, Qt::Checked);
            if (command == "ld")
                return loadDefault(rig.link);
            return DirectoryDownload(rig.link, cursor,
                                     [&] {
                                         return RoomRecord{cursor.field(0), cursor.field(1),
                                                           cursor.field(2), cursor.field(3)};
                                     })
                .run();
        };
        const LinkResult result = run();
        QCOMPARE(int(result.kind), kind);
        const QByteArray sent = rig.port.written.mid(before);
        QCOMPARE(accepted < 0 ? sent : sent.left(2), written);
        QCOMPARE(rig.link.portLocked(), lockedAfter);
        QCOMPARE(rig.link.isOpen(), lockedAfter && result.kind != Kind::LinkFailed &&
                                        (result.done() || state == "locked"));
        if (result.kind == Kind::LinkFailed) // the bytes of this command only
            QVERIFY(result.detail.endsWith(QStringLiteral(" after %1 bytes").arg(accepted)));
        if (command == "download" && result.kind == Kind::LinkFailed)
            QCOMPARE(result.sent, 6);
        if (result.kind == Kind::BadRows)
            QCOMPARE(result.detail.left(20), QStringLiteral("Row 5, room \"1.5\": R"));

        // The history: nothing for the open/close button; a refusal before
        // the first byte, or how the transfer ended and what went out.
        TransferLog log(path);
        const QList<TransferRecord> records = log.history().value();
        QCOMPARE(records.size(), command == "toggle" ? 0 : 1);
        if (records.isEmpty())
            return;
        const TransferRecord& r = records.first();
        QCOMPARE(r.ending, result.done()                     ? TransferRecord::Ending::Complete
                           : result.kind == Kind::LinkFailed ? TransferRecord::Ending::Stopped
                                                             : TransferRecord::Ending::Refused);
        // A port is named only when one was chosen and opened.
        QCOMPARE(r.operatorName + ' ' + r.portText(),
                 state == "unlocked" ? QStringLiteral("ann no port")
                                     : QStringLiteral("ann COM1 (/dev/ttyS0)"));
        QVERIFY(r.finished >= r.started);
        QCOMPARE(r.reason.isEmpty(), result.done());
        if (command == "ok" && result.done())
            QCOMPARE(QList<int>({r.openTime, r.autoMode}), QList<int>({4, 3}));
        if (command == "download" && r.ending != TransferRecord::Ending::Refused) {
            QCOMPARE(r.outcomeText().left(27),
                     result.done() ? QStringLiteral("complete") : "stopped after 6 of 11 rooms");
            QCOMPARE(log.rooms(r.id).value().value(r.total - 1).Room,
                     QString::number(100 + r.total));
        }
    }

    // The open time as the door unit takes it, and the auto mode byte.
    void settings()
    {
        const QList<std::pair<QString, int>> times = {
            {"2.5", 2},   {"3.5", 4},   {".5", 0},     {"abc", 0},   {"7 s", 7},   {"3,5", 3},
            {"15D-1", 2}, {"255", 255}, {"255.5", -1}, {" -1 ", -1}, {"1e999", -1}};
        for (const auto& [text, seconds] : times)
            QCOMPARE(connectsettings::openTime(text) ? int(*connectsettings::openTime(text)) : -1,
                     seconds);
        const Qt::CheckState off = Qt::Unchecked, on = Qt::Checked, grey = Qt::PartiallyChecked;
        QCOMPARE(
            (QList<int>{connectsettings::autoMode(off, off), connectsettings::autoMode(on, off),
                        connectsettings::autoMode(off, on), connectsettings::autoMode(on, on),
                        connectsettings::autoMode(grey, off)}),
            (QList<int>{0, 1, 2, 3, 3}));
    }

    // The rules of the message table: values put in, a failed port told as a
    // closed one and why, the titles and icons of each kind.
    void messages_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown"); // text|title|icon; empty: no message
        const auto row = [](const char* name, Command c, Kind k, const QString& shown) {
            QTest::newRow(name) << int(c) << int(k) << shown;
        };
        row("toggle done", Command::Connect, Kind::Done, {});
        row("no such port", Command::Connect, Kind::NoSuchPort,
            "无效的串口号！\r\n错误代码：8002\r\n错误原因：缺少硬件|串口错误|1");
        row("other error", Command::Download, Kind::OpenFailed, "其它错误。错误号:8002|串口错误|1");
        row("ld not locked", Command::LoadDefault, Kind::NotLocked, "串口未选择|出错|2");
        row("ok not locked", Command::Settings, Kind::NotLocked, "串口未选择并打开|出错|2");
        row("download not locked", Command::Download, Kind::NotLocked, "COM not selected|Error|2");
        row("ok failed", Command::Settings, Kind::PortFailed,
            "串口 COM3 未打开，设置未发送。\r\n请按串口列表旁的按钮两次重新打开串口，再按 "
            "OK。\r\n\r\n{why}|Quorvane|2");
        row("download stopped", Command::Download, Kind::LinkFailed,
            "The download stopped: the link to the door unit failed after 6 of 11 rooms were "
            "sent.\n{why}\n\nThe door unit may now hold only part of the directory. Check the "
            "cable and the port, then download again.|Quorvane|1");
        row("download changed", Command::Download, Kind::Changed,
            "The download stopped after 6 of 11 rooms: room 7 changed while it was sent and can "
            "no longer be sent as it is.|Quorvane|1");
        row("download complete", Command::Download, Kind::Done, "Data download complete|OK|3");
    }

    void messages()
    {
        QFETCH(int, command);
        QFETCH(int, kind);
        QFETCH(QString, shown);
        LinkResult result = LinkResult::of(Command(command), Kind(kind), "{why}");
        result.code = 8002;
        result.port = 3;
        result.sent = 6;
        result.total = 11;
        RecordingMessageSink sink;
        showLinkResult(result, sink);
        QStringList all;
        for (const auto& m : sink.messages)
            all << m.text + u'|' + m.title + u'|' + QString::number(int(m.icon));
        QCOMPARE(all.join(u'\n'), shown);
    }

    void timeLeft()
    {
        // 45 bytes (a record and its share of markers) take 11.7 ms at 38400 baud.
        QCOMPARE(DirectoryDownload::millisecondsLeft(0, 11, 38400), 3 * 2000 + 128);
        QCOMPARE(DirectoryDownload::millisecondsLeft(5, 11, 38400), 3 * 2000 + 70);
        QCOMPARE(DirectoryDownload::millisecondsLeft(6, 11, 38400), 2 * 2000 + 58);
        QCOMPARE(DirectoryDownload::millisecondsLeft(11, 11, 38400), 2000);
    }

    // A failing write or drain stops the frame there: later steps reach
    // nothing and the first reason stands. The link can be opened afresh,
    // and choosing another port lets go of the dead device.
    void linkFailure()
    {
        for (const bool drainFails : {false, true}) {
            RecordedLink rig;
            rig.link.configure(1);
            QCOMPARE(rig.link.open(), 0);
            rig.port.writeLimit = drainFails ? -1 : 2;
            rig.port.drainFails = drainFails;
            QVERIFY(!rig.link.run(frames::settingsSequence(2, 3)));
            QVERIFY(!rig.link.isOpen() && !rig.link.writeText("abc") && !rig.link.waitUntilSent());
            QCOMPARE(rig.port.written, drainFails ? "\x94" : "\x94\x93");
            QCOMPARE(rig.link.failureDescription(),
                     drainFails ? "The serial device /dev/ttyS0 did not finish sending within 251 "
                                  "ms (Input/output error) after 1 bytes"
                                : "The serial device /dev/ttyS0 stopped accepting data "
                                  "(Input/output error) after 2 bytes");
            rig.port.writeLimit = -1;
            rig.port.drainFails = false;
            QCOMPARE(rig.link.open(), 0);
            QVERIFY(rig.link.failureDescription().isEmpty() && rig.link.run(frames::loadDefault()));
            rig.port.writeLimit = 0;
            QVERIFY(!rig.link.writeByte(0x90));
            rig.link.configure(2);
            QVERIFY(rig.link.portNumber() == 2 && !rig.port.isOpen());
        }
    }

    void drainDeadline()
    {
        // {port (0: 9600), written, queued (-1: cannot tell), deadline}: the
        // line time at 10 bits a byte, rounded up, plus 250 ms.
        const int cases[][4] = {
            {1, 1, 0, 251}, {0, 44, 0, 296}, {1, 1, 4096, 1317}, {1, 44, -1, 262}};
        for (const auto& c : cases) {
            RecordedLink rig;
            rig.link.configure(c[0]);
            QCOMPARE(rig.link.open(), 0);
            QVERIFY(rig.link.writeText(QByteArray(c[1], '0')));
            rig.port.queuedBytes = c[2];
            QVERIFY(rig.link.waitUntilSent());
            // Bytes drained once do not lengthen the next wait.
            rig.port.queuedBytes = 0;
            QVERIFY(rig.link.waitUntilSent());
            QCOMPARE(rig.port.drainDeadlines, (QList<int>{c[3], 250}));
        }
    }
};

QTEST_GUILESS_MAIN(TestLinkCommands)
#include "tst_linkcommands.moc"
