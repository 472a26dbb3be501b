#include "doorunits.h"
#include "doorunitstate.h"
#include "doorunitwatch.h"
#include "engine/databaseengine.h"
#include "keeper.h"
#include "language.h"
#include "linkmessages.h"
#include "loaddefault.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "schema.h"
#include "testdatabase.h"
#include "transferhistorywindow.h"
#include "transferlog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TransferRecord download(const QList<RoomRecord>& rooms)
{
    TransferRecord r;
    r.started = QDateTime::currentDateTimeUtc();
    r.what = TransferRecord::What::Download;
    r.rooms = rooms;
    r.total = int(rooms.size());
    return r;
}

} // namespace

// The transfer history in the room file, apart from the commands.
class TestTransferLog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    int m_files = 0;

private slots:
    // An older file gains the tables and keeps its rooms.
    void init()
    {
        m_path = m_dir.filePath(QString::number(++m_files));
        testdb::create(m_path, schema::directoryTable(), {{"101", "138", {}, {}}});
    }

    void messages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("none") << QString()
                              << QStringList{"stopped after 2 of 6 rooms: COM1 had failed: read: "
                                             "Input/output error",
                                             "download (6 rooms)",
                                             "Door unit: 3 changes not sent (last download 1 Dec "
                                             "2026 14:02)",
                                             "A door unit needs a name, such as \"Main gate\"."};
        QTest::newRow("en") << "en"
                            << QStringList{"stopped after 2 of 6 rooms: COM1 had failed: read: "
                                           "Input/output error",
                                           "download (6 rooms)",
                                           "Door unit: 3 changes not sent (last download 1 Dec "
                                           "2026 14:02)",
                                           "A door unit needs a name, such as \"Main gate\"."};
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList{"已停止，已发送 6 个房间中的 2 个：COM1 出错：read: "
                                              "Input/output error",
                                              "下载（6 个房间）",
                                              "门口机：3 处更改未发送（上次下载 2026-12-01 14:02）",
                                              "门口机需要一个名称，例如“正门”。"};
    }

    // What the history, the panel and the unit list say, in the catalogue's
    // language; a reason is kept in the record's own words, shown in the
    // catalogue's with its values as they were.
    void messages()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, texts);
        QVERIFY(code.isEmpty() || !language::install(code).isEmpty());
        TransferRecord r = download({});
        r.ending = TransferRecord::Ending::Stopped;
        r.sent = 2;
        r.total = 6;
        r.reason = "COM1 had failed: read: Input/output error";
        DoorUnitState state;
        state.kind = DoorUnitState::Kind::ChangesNotSent;
        state.changes = 3;
        state.downloaded = QDateTime(QDate(2026, 12, 1), QTime(14, 2)).toUTC();
        const QStringList shown{r.outcomeText(), r.whatDetail(), state.text(),
                                doorunits::add(m_path, " ", 2).description()};
        language::uninstall();
        QCOMPARE(shown, texts);
    }

    // A program killed mid-download leaves a record that reads as unfinished.
    void killedDownloadReadsUnfinished()
    {
        const pid_t child = fork();
        if (child == 0) {
            TransferLog log(m_path);
            TransferRecord r = download({{"101", "138", "", ""}});
            if (log.start(r))
                ::kill(::getpid(), SIGKILL);
            _exit(1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        TransferLog log(m_path);
        const QList<TransferRecord> records = log.history().value();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].ending, TransferRecord::Ending::Unfinished);
        QVERIFY(!records[0].finished.isValid());
        // Never taken for what the door unit holds.
        const Expected<DirectoryReport> report = DirectoryReport::read(m_path);
        QVERIFY(!report->latest.download);
        QVERIFY(report->state.text().startsWith("Door unit: may hold part of a directory (the "));
        QCOMPARE(testdb::rows(m_path, schema::directoryTable()).size(), 1);
    }

    void changes_data()
    {
        QTest::addColumn<QStringList>("now"); // Room:TEL1:TEL2:TEL3
        QTest::addColumn<QString>("marks");   // per room: + added, digits changed TELs
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("history");     // the history window's Now column
        QTest::addColumn<QStringList>("outside"); // entries recorded, as subject: detail
        QTest::addColumn<QString>("by");       // who sent the download: an operator or the keeper
        QTest::addColumn<QStringList>("sent"); // the download's rooms, as now
        const QStringList sent{"101:1::", "102:2::", "101:3::"};
        const QString at = QStringLiteral(" (last download %1)");
        QTest::newRow("same") << QStringList{"101:1::", "102:2::", "101:3::"} << "..." << 0
                              << "Door unit: up to date"
                              << ";;" << QStringList{} << "ann" << sent;
        // The keeper's download, and when it said it sends next.
        QTest::newRow("kept by the keeper")
            << QStringList{"101:1::", "102:2::", "101:3::"} << "..." << 0
            << "Door unit: up to date · kept by the keeper on PC office-2 · the keeper sends next "
               "at %1"
            << ";;" << QStringList{} << "quorvane-keep@office-2" << sent;
        QTest::newRow("added") << QStringList{"101:1::", "102:2::", "101:3::", "103:4::"} << "...+"
                               << 0 << "Door unit: 1 change not sent" + at << ";;;added since"
                               << QStringList{"103: added"} << "ann" << sent;
        QTest::newRow("edited") << QStringList{"101:1::", "102:2:5:", "101:3::9"}
                                << ".2"
                                   "3"
                                << 0 << "Door unit: 2 changes not sent" + at
                                << ";TEL2 changed since;TEL3 changed since"
                                << QStringList{"102: changed", "101: changed"} << "ann" << sent;
        QTest::newRow("deleted and moved")
            << QStringList{"101:3::", "102:2::"} << "1." << 1
            << "Door unit: 2 changes not sent" + at << "TEL1 changed since;;removed since"
            << QStringList{"101: changed", "101: deleted"} << "ann" << sent;
        // Rooms and numbers in other scripts than ASCII, as a download keeps them.
        const QStringList wide{"101:1::", "东102:电话:+86 ２:", "101:3::"};
        QTest::newRow("not ASCII")
            << QStringList{"101:1::", "东102:电话:+86 ２:", "101:3::9", "东103:1::"} << "..3+" << 0
            << "Door unit: 2 changes not sent" + at << ";;TEL3 changed since;added since"
            << QStringList{"101: changed", "东103: added"} << "ann" << wide;
    }

    // Rooms matched by number, a repeated number occurrence by occurrence:
    // the panel's comparison with the file, and the history window's with
    // the download.
    void changes()
    {
        QFETCH(QStringList, now);
        QFETCH(QString, marks);
        QFETCH(int, removed);
        QFETCH(QString, state);
        QFETCH(QString, history);
        QFETCH(QStringList, outside);
        QFETCH(QString, by);
        QFETCH(QStringList, sent);
        TransferLog log(m_path);
        QList<RoomRecord> rooms;
        for (const QString& room : sent)
            rooms.append({room.section(u':', 0, 0), room.section(u':', 1, 1),
                          room.section(u':', 2, 2), room.section(u':', 3, 3)});
        TransferRecord r = download(rooms);
        r.operatorName = by;
        if (by != "ann")
            QVERIFY(keeper::writePlan(m_path, {"office-2", 42, r.started}));
        QVERIFY(log.start(r));
        r.ending = TransferRecord::Ending::Complete;
        r.finished = r.started;
        QVERIFY(log.finish(r));
        testdb::exec(m_path, "DELETE FROM Room_tel");
        for (const QString& room : now)
            testdb::exec(m_path, "INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) VALUES (?,?,?,?)",
                         {room.section(u':', 0, 0), room.section(u':', 1, 1),
                          room.section(u':', 2, 2), room.section(u':', 3, 3)});
        DoorUnitWatch watch(m_path);
        watch.recordAs({"ann", "pc1", "ann"});
        watch.update();
        // Another program's changes are recorded as such, once however often looked at.
        watch.update();
        DoorUnitWatch(m_path).update();
        watch.recordAs({"bob", "pc2", "bob"});
        watch.reload();
        QStringList recorded;
        if (!outside.isEmpty()) {
            const TableSpec entry{"change_record", {{"subject"}, {"detail"}, {"what"}}};
            for (const QStringList& row : testdb::rows(m_path, entry)) {
                if (row[2] == changerecord::storedWord(changerecord::Kind::Outside))
                    recorded << row[0] + ": " + row[1].section(u';', 0, 0);
            }
        }
        QCOMPARE(recorded.join(u'|'), outside.join(u'|'));
        const DirectoryChanges& c = watch.changes();
        QString shown;
        for (const quint8 mark : c.marks)
            shown += mark == DirectoryChanges::Added ? QStringLiteral("+")
                     : mark == DirectoryChanges::Same
                         ? QStringLiteral(".")
                         : DirectoryChanges::fieldNames(mark).remove("TEL");
        QCOMPARE(shown, marks);
        QCOMPARE(c.removed.size(), removed);
        QCOMPARE(watch.text(), state.contains('%') ? state.arg(shownTime(r.started)) : state);
        if (marks == ".23")
            QCOMPARE(DirectoryChanges::markText(c.marks[1], r.started),
                     "TEL2 changed since the download of " + shownTime(r.started));

        TransferHistoryWindow window(m_path);
        window.reload();
        window.differences()->setChecked(true);
        QStringList noted;
        for (int row = 0; row < window.rooms()->rowCount(); ++row)
            noted << window.rooms()->item(row, 4)->text();
        QCOMPARE(noted.join(u';'), history);
        QCOMPARE(window.records()->item(0, 1)->text(),
                 by == "ann" ? by : "kept by the keeper on PC office-2");
        QCOMPARE(window.findChild<QLabel*>("lblNote")->text().isEmpty(), by == "ann");
    }

    // What went out is in the change record too, naming its transfer
    // record; a transfer refused before sending is not.
    void transfersAreInTheChangeRecord_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("detail"); // kept in the program's own words in any language
        QTest::newRow("settings") << int(TransferRecord::What::Settings) << false << "settings sent"
                                  << "settings (open time 4 s, auto mode 1) on "
                                     "COM2 (/dev/ttyS1)";
        QTest::newRow("download") << int(TransferRecord::What::Download) << false << "download"
                                  << "download (1 room) on COM2 (/dev/ttyS1)";
        QTest::newRow("load default")
            << int(TransferRecord::What::LoadDefault) << false << "load default"
            << "load default on COM2 (/dev/ttyS1)";
        QTest::newRow("refused") << int(TransferRecord::What::Download) << true << ""
                                 << "";
    }
    void transfersAreInTheChangeRecord()
    {
        QFETCH(int, what);
        QFETCH(bool, refused);
        QFETCH(QString, entry);
        QFETCH(QString, detail);
        QVERIFY(!language::install("zh_CN").isEmpty());
        TransferLog log(m_path);
        TransferRecord r = download({{"101", "138", "", ""}});
        r.what = TransferRecord::What(what);
        r.operatorName = QStringLiteral("ann");
        r.port = "COM2";
        r.device = "/dev/ttyS1";
        r.openTime = 4;
        r.autoMode = 1;
        const bool written = refused ? log.refused(r).ok() : log.start(r).ok();
        language::uninstall();
        QVERIFY(written);
        for (const QString& statement : schema::changeRecordStatements(engine::fileDialect()))
            testdb::exec(m_path, statement);
        const TableSpec columns{"change_record",
                                {{"what"}, {"operator"}, {"transfer"}, {"detail"}}};
        QList<QStringList> expected;
        if (!refused)
            expected << QStringList{entry, "ann", QString::number(r.id), detail};
        QCOMPARE(testdb::rows(m_path, columns), expected);
    }

    // Each door unit has its own record and marks: a record made before
    // there were units belongs to the first, a removed unit's stay, and the
    // panel counts the units up to date only when there are several.
    void perUnit()
    {
        // Written as a program of one unit wrote it, without the unit column.
        for (const QString& statement : schema::transferRecordStatements(engine::fileDialect()))
            testdb::exec(m_path, statement);
        testdb::exec(m_path, "INSERT INTO transfer_log (started, finished, what, sent, total, "
                             "outcome) VALUES ('2026-12-01T10:00:00.000Z', "
                             "'2026-12-01T10:00:09.000Z', 'download', 1, 1, 'complete')");
        testdb::exec(m_path, "INSERT INTO transfer_room VALUES (1, 0, '101', '138', '', '')");
        DoorUnitWatch watch(m_path);
        watch.update();
        QCOMPARE(watch.text(), QString("Door unit: up to date"));

        QVERIFY(doorunits::add(m_path, "East", 2));
        QVERIFY(doorunits::rename(m_path, "door unit", "Main gate"));
        const Outcome samePort = doorunits::add(m_path, "West", 1);
        QCOMPARE(samePort.description(),
                 QString("\"Main gate\" and \"West\" would both be on COM1; "
                         "one port reaches one door unit. Give one of "
                         "them another port."));
        watch.recheck();
        QCOMPARE(watch.text(), QString("Door units: 1 of 2 up to date"));
        QVERIFY2(watch.toolTip().contains("\nMain gate (COM1): up to date\nEast (COM2): never "
                                          "loaded from this PC"),
                 qPrintable(watch.toolTip()));

        // East gets the rooms with a changed number: its marks differ from the first unit's.
        TransferLog log(m_path);
        TransferRecord east = download({{"101", "139", "", ""}});
        east.unit = 2;
        QVERIFY(log.start(east));
        east.ending = TransferRecord::Ending::Complete;
        QVERIFY(log.finish(east));
        watch.reload();
        QCOMPARE(watch.text(), QString("Door units: 1 of 2 up to date"));
        QCOMPARE(DirectoryReport::read(m_path, 2)->changes.marks,
                 std::vector<quint8>{DirectoryChanges::Tel1});
        QCOMPARE(DirectoryReport::read(m_path, 1)->changes.marks,
                 std::vector<quint8>{DirectoryChanges::Same});
        QCOMPARE(log.history(0, 2)->size(), 1);
        QCOMPARE(log.history(0, 1)->value(0).unit, doorunits::kFirstUnit);

        // The history window names each record's unit and shows one unit's on request.
        TransferHistoryWindow window(m_path);
        window.reload();
        QCOMPARE(window.records()->rowCount(), 2);
        QCOMPARE(window.records()->item(0, 1)->text(), QString("East"));
        window.unitFilter()->setCurrentIndex(1);
        emit window.unitFilter()->activated(1);
        QCOMPARE(window.records()->rowCount(), 1);
        QCOMPARE(window.records()->item(0, 1)->text(), QString("Main gate"));

        QVERIFY(doorunits::remove(m_path, "Main gate"));
        watch.recheck();
        QCOMPARE(watch.text(), QString("Door unit: 1 change not sent (last download %1)")
                                   .arg(shownTime(east.started)));
        const QList<DoorUnit> all = doorunits::read(m_path, true).value();
        QCOMPARE(all.size(), 2);
        QVERIFY(all[0].removed && all[0].name == "Main gate");
        QCOMPARE(log.history()->size(), 2);
    }

    // Two copies sharing the file both record, read in time order; one
    // holding the file makes the other's record fail quickly, and the
    // transfer stands, told in one message after its own.
    void twoCopies()
    {
        TransferLog first(m_path);
        TransferLog second(m_path);
        TransferRecord a = download({});
        TransferRecord b = download({});
        b.started = a.started.addSecs(-1);
        QVERIFY(first.start(a));
        QVERIFY(second.start(b));
        QCOMPARE(first.history().value().value(1).id, b.id);

        RecordedLink rig;
        rig.link.setRecording({m_path, QStringLiteral("ann")});
        rig.link.configure(1);
        QCOMPARE(rig.link.open(), 0);
        rig.link.setPortLocked(true);
        testdb::exec(m_path, "SELECT 1"); // the tables exist
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
        holder.setDatabaseName(m_path);
        QVERIFY(holder.open());
        QSqlQuery(holder).exec("BEGIN EXCLUSIVE");
        const LinkResult result = loadDefault(rig.link);
        QSqlQuery(holder).exec("ROLLBACK");
        holder.close();
        QVERIFY(result.done());
        QCOMPARE(rig.port.written, QByteArray("\x90"));
        RecordingMessageSink sink;
        showLinkResult(result, sink);
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY(sink.messages[0].text.contains("another program is holding the database file"));
        QCOMPARE(first.history().value().size(), 2);
    }

    // Rows another program changed so that they cannot be what a transfer
    // wrote: the record is called damaged, never read as something sent.
    void damaged_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("found");
        QTest::newRow("rooms gone") << "DELETE FROM transfer_room"
                                    << "record 1 lists 2 rooms but holds 0 in their order";
        QTest::newRow("a room gone") << "DELETE FROM transfer_room WHERE position = 0"
                                     << "record 1 lists 2 rooms but holds 1 in their order";
        QTest::newRow("absurd count") << "UPDATE transfer_log SET sent = 99999999999, total = "
                                         "99999999999"
                                      << "record 1 counts 99999999999 of 99999999999 rooms";
        QTest::newRow("negative count") << "UPDATE transfer_log SET sent = -1"
                                        << "record 1 counts -1 of 2 rooms";
        QTest::newRow("unknown outcome") << "UPDATE transfer_log SET outcome = 'done'"
                                         << "record 1 is of no known kind";
        QTest::newRow("no start") << "UPDATE transfer_log SET started = 'yesterday'"
                                  << "record 1 has no start time";
        QTest::newRow("no such unit") << "UPDATE transfer_log SET unit = 7"
                                      << "record 1 names door unit 7, which the file does not "
                                         "list";
        QTest::newRow("table gone") << "DROP TABLE transfer_room"
                                    << "the table transfer_room is missing";
    }

    void damaged()
    {
        QFETCH(QString, statement);
        QFETCH(QString, found);
        TransferLog log(m_path);
        TransferRecord r = download({{"101", "1", "", ""}, {"102", "2", "", ""}});
        QVERIFY(log.start(r));
        r.ending = TransferRecord::Ending::Complete;
        r.sent = 2;
        r.finished = r.started;
        QVERIFY(log.finish(r));
        testdb::exec(m_path, statement);
        const auto history = TransferLog(m_path).history(0);
        QVERIFY(!history);
        const QString error = history.error();
        const QString damaged =
            QStringLiteral("The transfer record in %1 is damaged: %2").arg(m_path, found);
        QVERIFY2(error.startsWith(damaged), qPrintable(error));
        QVERIFY2(error.endsWith("quorvane-db check '" + m_dir.path() + "'"), qPrintable(error));
        DoorUnitWatch watch(m_path);
        watch.update();
        QCOMPARE(watch.text(), "Door unit: cannot be compared");
        QVERIFY2(watch.toolTip().startsWith(damaged), qPrintable(watch.toolTip()));
    }

    // A room file that cannot take a record: the command's own result only,
    // and the panel says once that transfers are not being recorded.
    void notRecorded_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << true << "the room file %1 is missing";
        QTest::newRow("read-only") << false << "the room file %1 is read-only for you (mode 444)";
        // Held by another program from the first pause on: the start is
        // written, the end is not, and the message says what the history shows.
        QTest::newRow("held at the end") << false << QString();
    }

    void notRecorded()
    {
        QFETCH(bool, missing);
        QFETCH(QString, why);
        if (why.isEmpty()) {
            struct HeldPort : RecordingSerialPort
            {
                std::function<void()> onWrite;
                bool write(const QByteArray& bytes) override
                {
                    onWrite();
                    return RecordingSerialPort::write(bytes);
                }
            } port;
            RecordingPauser pauser;
            SerialLink link{port, pauser};
            link.setRecording({m_path, QStringLiteral("ann")});
            link.configure(1);
            QCOMPARE(link.open(), 0);
            link.setPortLocked(true);
            QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "tst-holder");
            holder.setDatabaseName(m_path);
            port.onWrite = [&] {
                if (!holder.isOpen())
                    QVERIFY(holder.open() && QSqlQuery(holder).exec("BEGIN EXCLUSIVE"));
            };
            const LinkResult result = loadDefault(link);
            QSqlQuery(holder).exec("ROLLBACK");
            holder.close();
            holder = QSqlDatabase();
            QSqlDatabase::removeDatabase("tst-holder");
            QVERIFY2(result.recordFailure.endsWith(
                         "The transfer history will go on showing this transfer as unfinished, "
                         "started " +
                         QLocale().toString(
                             TransferLog(m_path).history()->value(0).started.toLocalTime(),
                             QLocale::ShortFormat) +
                         '.'),
                     qPrintable(result.recordFailure));
            QCOMPARE(TransferLog(m_path).history()->value(0).ending,
                     TransferRecord::Ending::Unfinished);
            return;
        }
        if (missing)
            QVERIFY(QFile::remove(m_path));
        else if (::geteuid() == 0)
            QSKIP("root writes to a file whatever its mode");
        else
            QVERIFY(::chmod(QFile::encodeName(m_path).constData(), 0444) == 0);
        RecordedLink rig;
        rig.link.setRecording({m_path, QStringLiteral("ann")});
        rig.link.configure(1);
        QCOMPARE(rig.link.open(), 0);
        rig.link.setPortLocked(true);
        const LinkResult result = loadDefault(rig.link);
        QVERIFY(result.done() && result.recordFailure.isEmpty());
        RecordingMessageSink sink;
        showLinkResult(result, sink);
        QVERIFY(sink.messages.isEmpty());
        DoorUnitWatch watch(m_path);
        watch.update();
        QVERIFY2(watch.text().endsWith(" · transfers not recorded"), qPrintable(watch.text()));
        QVERIFY2(watch.toolTip().endsWith("\nTransfers to the door unit are not being recorded: " +
                                          why.arg(m_path) + '.'),
                 qPrintable(watch.toolTip()));
    }
};

QTEST_MAIN(TestTransferLog)
#include "tst_transferlog.moc"
