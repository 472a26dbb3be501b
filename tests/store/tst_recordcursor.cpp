#include "database.h"
#include "datafolder.h"
#include "engine/databaseengine.h"
#include "language.h"
#include "recordcursor.h"
#include "testdatabase.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

#include <sqlite3.h>

namespace {

const TableSpec kRooms = schema::directoryTable();
const QString kNull = QStringLiteral("<NULL>");

QVariantList room(const char* r, const char* t1 = "")
{
    return {QString::fromUtf8(r), QString::fromUtf8(t1), QStringLiteral(""), QStringLiteral("")};
}

std::shared_ptr<changerecord::RowRecorder> recorder(const char* name)
{
    return std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Rooms,
        changerecord::Actor{QString::fromLatin1(name), QStringLiteral("pc1"), QStringLiteral("os")},
        kRooms.fieldNames());
}

QString shown(const char* r, const char* t1, const char* t2 = "")
{
    return changerecord::valuesText(kRooms.fieldNames(), {r, t1, t2, ""});
}

} // namespace

// Every case runs once with each engine that reads the snapshot.
class TestRecordCursor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<RecordCursor> m_cursor;

    // A cursor reading with this run's engine, opened on m_path.
    RecordCursor& open(const TableSpec& layout = kRooms)
    {
        QFETCH_GLOBAL(SnapshotEngine, engine);
        m_cursor = std::make_unique<RecordCursor>(layout);
        m_cursor->setSnapshotEngine(engine);
        const Outcome opened = m_cursor->open(m_path);
        if (opened && engine != m_cursor->usedSnapshotEngine())
            qWarning("Qt's driver does not share this program's SQLite: one engine only");
        return *m_cursor;
    }
    void makeTable(const QString& create, const QString& insert = {})
    {
        QFile::remove(m_path);
        testdb::exec(m_path, create);
        if (!insert.isEmpty())
            testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES ") + insert);
    }
    QList<QStringList> stored() { return testdb::rows(m_path, kRooms); }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<SnapshotEngine>("engine");
        QTest::newRow("SQLite's interface") << SnapshotEngine::EngineApi;
        QTest::newRow("Qt's driver") << SnapshotEngine::QtDriver;
    }

    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("Inhabitant_telnum.mdb"));
        QFile::remove(m_path);
        testdb::create(m_path, kRooms, {room("101", "12345678901"), room("102"), room("103")});
    }

    void positionCodesAtTheTablesEdges()
    {
        RecordCursor& c = open();
        QCOMPARE(c.currentValues(), (QStringList{"101", "12345678901", "", ""}));
        QVERIFY(c.movePrevious());
        QCOMPARE(c.absolutePosition(), RecordCursor::kBeforeFirst);
        QVERIFY(!c.movePrevious());
        QVERIFY(c.moveNext() && c.absolutePosition() == 1);
        QVERIFY(c.moveLast() && c.absolutePosition() == 3);
        QSignalSpy moves(&c, &RecordCursor::MoveComplete);
        QVERIFY(c.moveNext());
        QVERIFY(c.eof() && c.field(0).isNull());
        QCOMPARE(c.absolutePosition(), RecordCursor::kAfterLast);
        QVERIFY(!c.moveNext());
        QCOMPARE(c.absolutePosition(), RecordCursor::kAfterLast);
        QCOMPARE(moves.count(), 1);
        QVERIFY(c.movePrevious() && c.field(0) == QStringLiteral("103"));

        testdb::exec(m_path, QStringLiteral("DELETE FROM Room_tel"));
        QVERIFY(c.open(m_path));
        QCOMPARE(c.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(c.eof() && !c.moveFirst() && !c.moveLast() && !c.moveNext());
        QVERIFY(!c.deleteCurrent() && !c.setField(0, QStringLiteral("1")));
        // A new row holding only an empty text is stored as '', not NULL.
        QVERIFY(c.addNew() && c.setField(0, QString()));
        QVERIFY(c.close());
        QCOMPARE(stored(), (QList<QStringList>{{"", kNull, kNull, kNull}}));
    }

    void nullReadsAsEmptyTextAndOnlyTypedFieldsAreWritten()
    {
        makeTable(QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3)"),
                  QStringLiteral("('7', NULL, NULL, ''), ('8', '', '', '')"));
        RecordCursor& c = open();
        QCOMPARE(c.currentValues(), (QStringList{"7", "", "", ""}));
        QVERIFY(c.setField(1, QStringLiteral("555")));
        QCOMPARE(stored()[0][1], kNull);
        QVERIFY(c.moveNext());
        QCOMPARE(stored()[0], (QStringList{"7", "555", kNull, ""}));
        QVERIFY(!c.isPending(0));
    }

    void valuesOfAnyTypeAreMatchedAsRead_data()
    {
        QTest::addColumn<QString>("values");
        QTest::newRow("integers") << QStringLiteral("(101, 5551234, NULL, 2.5)");
        QTest::newRow("blob") << QStringLiteral("('7', x'41', '', '')");
        QTest::newRow("non-ASCII") << QStringLiteral("('房间', 'é', '', NULL)");
        QTest::newRow("very long text") << QStringLiteral("('8', '', '', printf('%.70000c', 'x'))");
    }
    void valuesOfAnyTypeAreMatchedAsRead()
    {
        QFETCH(QString, values);
        makeTable(QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3)"), values);
        const QStringList before = stored()[0];
        RecordCursor& c = open();
        QCOMPARE(c.field(0), before[0]);
        QCOMPARE(c.field(3).size(), before[3] == kNull ? 0 : before[3].size());
        QVERIFY(c.setField(2, QStringLiteral("x")));
        QVERIFY(c.updateBatch());
        QCOMPARE(stored()[0][2], QStringLiteral("x"));
    }

    void overLongValueIsRefusedAndKept_data()
    {
        QTest::addColumn<bool>("constrained");
        QTest::newRow("table with width checks") << true;
        QTest::newRow("table made without them") << false;
    }
    void overLongValueIsRefusedAndKept()
    {
        QFETCH(bool, constrained);
        if (!constrained)
            makeTable(QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3)"),
                      QStringLiteral("('101','1','',''), ('102','2','','')"));
        RecordCursor& c = open();
        QVERIFY(c.setField(2, QStringLiteral("123456789012")));
        const Outcome moved = c.moveNext();
        QVERIFY2(moved.description().startsWith(QStringLiteral("TEL2 may hold at most 11")),
                 qPrintable(moved.description()));
        // The operator stays on the row with the value typed.
        QCOMPARE(c.absolutePosition(), 1);
        QCOMPARE(c.field(2), QStringLiteral("123456789012"));
        QVERIFY(!c.updateBatch());
        QCOMPARE(stored()[0][2], QString());
        // Seven characters are counted as characters, not bytes; a quote is a character.
        QVERIFY(c.setField(2, QString()) && c.setField(0, QStringLiteral("房间\"';--")));
        QVERIFY(c.moveNext());
        QCOMPARE(stored()[0][0], QStringLiteral("房间\"';--"));
    }

    void anotherProgramsChangeIsNeverOverwritten_data()
    {
        QTest::addColumn<QString>("otherChange");
        QTest::newRow("changed") << QStringLiteral("UPDATE Room_tel SET TEL1='9' WHERE Room='101'");
        QTest::newRow("deleted") << QStringLiteral("DELETE FROM Room_tel WHERE Room='101'");
        QTest::newRow("empty made NULL")
            << QStringLiteral("UPDATE Room_tel SET TEL3=NULL WHERE Room='101'");
    }
    void anotherProgramsChangeIsNeverOverwritten()
    {
        QFETCH(QString, otherChange);
        RecordCursor& c = open();
        testdb::exec(m_path, otherChange);
        const auto before = stored();
        QVERIFY(c.setField(2, QStringLiteral("mine")));
        const Outcome written = c.moveNext();
        QVERIFY2(written.description().contains(QStringLiteral("another program")),
                 qPrintable(written.description()));
        QVERIFY(c.refusedAsStale());
        QCOMPARE(stored(), before);
        QCOMPARE(c.field(2), QStringLiteral("mine"));
        // A delete over the changed row is refused the same way.
        QVERIFY(c.setField(2, QString()));
        QVERIFY(!c.deleteCurrent() && c.refusedAsStale());
        QCOMPARE(stored(), before);
    }

    void rowsOfEmptyTextsAndNullsCanBeChangedAndDeleted_data()
    {
        QTest::addColumn<bool>("operators");
        QTest::addColumn<QVariantList>("values");
        const QString e = QStringLiteral("");
        QTest::newRow("rooms, empty texts") << false << QVariantList{e, e, e, e};
        QTest::newRow("rooms, NULLs") << false << QVariantList{{}, {}, {}, {}};
        QTest::newRow("rooms, mixed") << false << QVariantList{e, {}, e, {}};
        QTest::newRow("operators, empty texts") << true << QVariantList{e, e};
        QTest::newRow("operators, mixed") << true << QVariantList{{}, e};
    }
    void rowsOfEmptyTextsAndNullsCanBeChangedAndDeleted()
    {
        QFETCH(bool, operators);
        QFETCH(QVariantList, values);
        const TableSpec layout = operators ? schema::operatorTable() : kRooms;
        QFile::remove(m_path);
        testdb::create(m_path, layout, {values, values});
        RecordCursor& c = open(layout);
        QVERIFY(c.setField(1, QStringLiteral("x")));
        QVERIFY(c.moveNext());
        QVERIFY(c.deleteCurrent());
        // A row written through the cursor is matched as it was read back.
        QVERIFY(c.addNew());
        for (int i = 0; i < values.size(); ++i) {
            if (!values[i].isNull() || i == 0)
                QVERIFY(c.setField(i, QString()));
        }
        QVERIFY(c.moveFirst() && c.setField(0, QStringLiteral("y")));
        QVERIFY(c.moveLast() && c.setField(1, QString()) && c.setField(1, QStringLiteral("z")));
        QVERIFY(c.updateBatch());
        QVERIFY(c.deleteCurrent());
        const auto rows = testdb::rows(m_path, layout);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].mid(0, 2), (QStringList{"y", "x"}));
    }

    void refreshWritesFirstThenReadsTheFileAtThePathNow()
    {
        RecordCursor& c = open();
        testdb::exec(m_path, QStringLiteral("UPDATE Room_tel SET TEL1='x' WHERE Room='103'"));
        // A refused edit is kept and nothing is read.
        QVERIFY(c.setField(0, QStringLiteral("12345678")));
        QVERIFY(!c.refresh());
        QCOMPARE(c.value(2, 1), QString());
        QVERIFY(c.setField(0, QStringLiteral("own")));
        QVERIFY(c.refresh());
        QCOMPARE(c.absolutePosition(), 1);
        QCOMPARE(c.field(0), QStringLiteral("own"));
        QCOMPARE(c.value(2, 1), QStringLiteral("x"));
        // A restore or a sync tool replaces the file by a rename.
        const QString restored = m_dir.filePath(QStringLiteral("restored.mdb"));
        testdb::create(restored, kRooms, {room("900")});
        QCOMPARE(std::rename(qPrintable(restored), qPrintable(m_path)), 0);
        QVERIFY(c.refresh());
        QCOMPARE(c.currentValues(), (QStringList{"900", "", "", ""}));
        // A table or file that is gone leaves no rows to walk or to write.
        testdb::exec(m_path, QStringLiteral("ALTER TABLE Room_tel RENAME TO old"));
        QVERIFY(c.refresh().description().contains(QStringLiteral("no table Room_tel")));
        QCOMPARE(c.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(!c.moveFirst() && !c.addNew());
        QFile::remove(m_path);
        QVERIFY(c.refresh().description().contains(QStringLiteral("does not exist")));
    }

    // A write and its entry in the change record land together or not at all.
    void changesAreRecordedInTheirWritesTransaction_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("entry"); // what, subject, before, after; empty: none
        const QString none = kNull;
        const QString r101 = shown("101", "12345678901");
        QTest::newRow("added") << "add"
                               << "" << QStringList{"room added", "104", none, shown("104", "5")};
        QTest::newRow("changed") << "change"
                                 << ""
                                 << QStringList{"room changed", "101", r101,
                                                shown("101", "12345678901", "7")};
        QTest::newRow("deleted") << "delete"
                                 << "" << QStringList{"room deleted", "101", r101, none};
        for (const char* change : {"add", "change", "delete"}) {
            QTest::addRow("%s, entry refused", change) << change << "entry" << QStringList{};
            if (change != QLatin1String("add"))
                QTest::addRow("%s, row changed by another program", change)
                    << change << "stale" << QStringList{};
        }
    }
    void changesAreRecordedInTheirWritesTransaction()
    {
        QFETCH(QString, change);
        QFETCH(QString, fault);
        QFETCH(QStringList, entry);
        for (const QString& statement : schema::changeRecordStatements(engine::fileDialect()))
            testdb::exec(m_path, statement);
        RecordCursor& c = open();
        c.setChangeRecorder(recorder("alice"));
        if (fault == "entry")
            testdb::exec(m_path, "CREATE TRIGGER refuse BEFORE INSERT ON change_record "
                                 "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        if (fault == "stale")
            testdb::exec(m_path, "UPDATE Room_tel SET TEL3 = '9'");
        const auto before = stored();
        Outcome done = Outcome::success();
        if (change == "add") {
            QVERIFY(c.addNew() && c.setField(0, "104") && c.setField(1, "5"));
            done = c.updateBatch();
        } else if (change == "change") {
            QVERIFY(c.setField(2, "7"));
            done = c.updateBatch();
        } else {
            done = c.deleteCurrent();
        }
        const auto entries = testdb::rows(m_path, testdb::changeRecord());
        QCOMPARE(done.ok(), !entry.isEmpty());
        QCOMPARE(stored() != before, !entry.isEmpty());
        QCOMPARE(entries.size(), entry.isEmpty() ? 0 : 1);
        if (!entry.isEmpty()) {
            QCOMPARE(entries[0].mid(0, 4), entry);
            QCOMPARE(entries[0].mid(4, 3), (QStringList{"alice", "pc1", "os"}));
        } else {
            // A refused write leaves nothing open on the file: the next one lands.
            c.cancelBatch();
            c.setChangeRecorder(nullptr);
            QVERIFY(c.addNew() && c.setField(0, "105"));
            QVERIFY(c.updateBatch());
        }
    }

    // What another program changed is recorded by the first Refresh that
    // meets it, whichever copy of the program that is; a copy's own write is not.
    void anotherProgramsChangeIsRecordedOnce()
    {
        RecordCursor& c = open();
        c.setChangeRecorder(recorder("alice"));
        RecordCursor other(kRooms);
        other.setChangeRecorder(recorder("bob"));
        QVERIFY(other.open(m_path) && other.moveLast() && other.setField(1, "8"));
        QVERIFY(other.updateBatch());
        testdb::exec(m_path, "UPDATE Room_tel SET TEL1 = '9' WHERE Room = '101'");
        testdb::exec(m_path, "INSERT INTO Room_tel (Room) VALUES ('104')");
        testdb::exec(m_path, "DELETE FROM Room_tel WHERE Room = '102'");
        // A release that words its values otherwise still explains its change.
        const QString words = "Room=103 TEL1=8 TEL2=6";
        testdb::exec(m_path, "UPDATE Room_tel SET TEL2 = '6' WHERE Room = '103'");
        testdb::exec(m_path,
                     "INSERT INTO change_record (happened, operator, host, os_user, what, "
                     "subject, new_values, change_values) VALUES (?, 'carol', 'pc2', 'os', "
                     "'room changed', '103', ?, ?)",
                     {timeText(QDateTime::currentDateTimeUtc()), words,
                      R"({"after":{"Room":"103","TEL1":"8","TEL2":"6","TEL3":""}})"});
        QVERIFY(c.refresh() && c.refresh() && other.refresh());
        QList<QStringList> outside;
        for (const QStringList& e : testdb::rows(m_path, testdb::changeRecord()))
            outside << e.mid(0, 4);
        QCOMPARE(outside, (QList<QStringList>{
                              {"room changed", "103", shown("103", ""), shown("103", "8")},
                              {"room changed", "103", kNull, words},
                              {changerecord::storedWord(changerecord::Kind::Outside), "101",
                               shown("101", "12345678901"), shown("101", "9")},
                              {changerecord::storedWord(changerecord::Kind::Outside), "104", kNull,
                               shown("104", "")},
                              {changerecord::storedWord(changerecord::Kind::Outside), "102",
                               shown("102", ""), kNull},
                          }));
    }

    void deletedRowStaysCurrentUntilTheCursorMoves()
    {
        RecordCursor& c = open();
        QVERIFY(c.moveNext() && c.deleteCurrent());
        QCOMPARE(stored().size(), 2);
        QVERIFY(c.isDeleted(1) && c.absolutePosition() == 2);
        QVERIFY(!c.deleteCurrent() && !c.setField(0, QStringLiteral("x")));
        QVERIFY(c.moveNext());
        QCOMPARE(c.field(0), QStringLiteral("103"));
        QVERIFY(c.absolutePosition() == 2 && c.rowCount() == 2);
        // Moving to a row after a deleted one lands on that row.
        QVERIFY(c.moveFirst() && c.deleteCurrent() && c.moveTo(1));
        QCOMPARE(c.field(0), QStringLiteral("103"));
        // The last row deleted, Next leaves the rows; then the view is empty.
        QVERIFY(c.deleteCurrent() && c.moveNext() && c.eof());
        QCOMPARE(c.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(!c.moveLast() && stored().isEmpty());
    }

    void newRowIsInsertedOnlyWhenTypedIntoAndStaysAtTheEnd()
    {
        RecordCursor& c = open();
        QVERIFY(c.addNew() && c.absolutePosition() == 4);
        QVERIFY(c.moveFirst());
        QVERIFY(c.rowCount() == 3 && stored().size() == 3);
        QVERIFY(c.addNew() && c.setField(0, QStringLiteral("201")));
        QVERIFY(c.moveFirst());
        QCOMPARE(stored().last(), (QStringList{"201", kNull, kNull, kNull}));
        QVERIFY(c.moveLast() && c.setField(2, QStringLiteral("6")) && c.updateBatch());
        QCOMPARE(stored().last(), (QStringList{"201", kNull, "6", kNull}));
        QCOMPARE(c.value(3, 0), QStringLiteral("201"));
        // Dropping what is unwritten drops new rows and typed values.
        QVERIFY(c.addNew() && c.setField(0, QStringLiteral("200")));
        QSignalSpy moves(&c, &RecordCursor::MoveComplete);
        c.cancelBatch();
        QVERIFY(c.rowCount() == 4 && c.eof() && moves.count() == 1);
        QVERIFY(c.moveFirst() && c.setField(0, QStringLiteral("XXXXXXXXX")));
        c.cancelBatch();
        QVERIFY(c.field(0) == QStringLiteral("101") && c.moveLast());
        QCOMPARE(stored().size(), 4);
    }

    void anyRoomTableWithTheFourFieldsIsWritten_data()
    {
        QTest::addColumn<QString>("create");
        QTest::addColumn<QString>("then");  // run after the create, when given
        QTest::addColumn<QString>("first"); // the first row's Room
        QTest::newRow("rowid, fields in another order and case")
            << QStringLiteral("CREATE TABLE Room_tel (tel3, room, Tel1, TEL2)") << ""
            << "1";
        QTest::newRow("text key")
            << QStringLiteral("CREATE TABLE Room_tel (Room TEXT PRIMARY KEY, TEL1, TEL2, TEL3)")
            << ""
            << "1";
        QTest::newRow("text key of letters")
            << QStringLiteral(
                   "CREATE TABLE Room_tel (Room TEXT PRIMARY KEY, TEL1, TEL2, TEL3) WITHOUT ROWID")
            << ""
            << "A-1";
        QTest::newRow("keyed on Room, no rowid")
            << QStringLiteral(
                   "CREATE TABLE Room_tel (Room TEXT PRIMARY KEY, TEL1, TEL2, TEL3) WITHOUT ROWID")
            << ""
            << "1";
        QTest::newRow("key named with quotes")
            << QStringLiteral("CREATE TABLE Room_tel (\"No \"\"1\"\"\" INTEGER PRIMARY KEY, Room, "
                              "TEL1, TEL2, TEL3)")
            << ""
            << "1";
        QTest::newRow("two-field key, no rowid")
            << QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3, "
                              "PRIMARY KEY (TEL1, Room)) WITHOUT ROWID")
            << ""
            << "1";
        QTest::newRow("key beyond 32 bits")
            << QStringLiteral(
                   "CREATE TABLE Room_tel (ID INTEGER PRIMARY KEY AUTOINCREMENT, Room, TEL1, TEL2, "
                   "TEL3)")
            << "INSERT INTO sqlite_sequence (name, seq) VALUES ('Room_tel', 5000000000)"
            << "1";
    }
    void anyRoomTableWithTheFourFieldsIsWritten()
    {
        QFETCH(QString, create);
        QFETCH(QString, then);
        QFETCH(QString, first);
        makeTable(create);
        if (!then.isEmpty())
            testdb::exec(m_path, then);
        testdb::exec(m_path,
                     QStringLiteral("INSERT INTO Room_tel (Room, TEL1, TEL2) VALUES "
                                    "(?, 'a', 'b'), ('2', 'a', 'b')"),
                     {first});
        RecordCursor& c = open();
        QVERIFY(c.moveNext());
        // The key itself changes, then the row is found again by its new key.
        QVERIFY(c.setField(0, QStringLiteral("3")) && c.updateBatch());
        QVERIFY(c.setField(1, QStringLiteral("c")) && c.updateBatch());
        QVERIFY(c.addNew() && c.setField(0, QStringLiteral("4")) &&
                c.setField(1, QStringLiteral("d")));
        QVERIFY(c.moveFirst() && c.deleteCurrent());
        RecordCursor& reread = open();
        QCOMPARE(reread.rowCount(), 2);
        QCOMPARE(reread.currentValues(), (QStringList{"3", "c", "b", ""}));
        QCOMPARE(reread.value(1, 1), QStringLiteral("d"));
    }

    void busyWaitsAreFifteenSecondsToOpenAndThirtyForStatements()
    {
        const QString name = database::uniqueConnectionName(QStringLiteral("busy"));
        QVERIFY(database::open(m_path, name));
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            QVERIFY(db.connectOptions().contains(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000")));
            QSqlQuery wait(QStringLiteral("PRAGMA busy_timeout"), db);
            QVERIFY(wait.next() && wait.value(0).toInt() == 30000);
        }
        database::close(name);
        // Close writes what is unwritten; a cursor merely destroyed does not.
        QVERIFY(open().setField(1, QStringLiteral("closed")) && m_cursor->close());
        QVERIFY(open().setField(1, QStringLiteral("discarded")));
        m_cursor.reset();
        QCOMPARE(stored()[0][1], QStringLiteral("closed"));
    }

    void engineFaultsAreToldInTheOperatorsWords()
    {
        // Extended codes as the connections report them: a lock is told as a lock.
        for (const auto& [code, words] :
             {std::pair{SQLITE_READONLY, "is read-only"},
              std::pair{SQLITE_BUSY, "another program is holding"},
              std::pair{SQLITE_LOCKED_SHAREDCACHE, "another program is holding"},
              std::pair{SQLITE_BUSY_SNAPSHOT, "another program is holding"},
              std::pair{SQLITE_IOERR_LOCK, "another program is holding"},
              std::pair{SQLITE_IOERR_RDLOCK, "another program is holding"},
              std::pair{SQLITE_IOERR_WRITE, "the disk or the file system failed"}}) {
            const QString told = database::plainError(code, QStringLiteral("Unable to"), m_path);
            QVERIFY2(told.contains(QString::fromLatin1(words)) && told.contains(m_path) &&
                         !told.contains(QStringLiteral("Unable")),
                     qPrintable(told));
        }
    }

    // A data folder's refusal, an engine fault and a refused row, as each
    // catalogue tells them (PATH stands for the file's path).
    void messagesInTheOperatorsLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("en") << "en"
                            << QStringList{
                                   "The data folder PATH is not a folder but a file. Move it "
                                   "aside, or name another folder with --data.",
                                   "the database file PATH is read-only, so nothing can be saved "
                                   "to it. Let this user write the file and its folder, then try "
                                   "again.",
                                   "Row 1 of Room_tel (Room \"101\") was not saved: another "
                                   "program changed or deleted it after it was read. Your values "
                                   "are kept.",
                               };
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList{
                                      "数据文件夹 PATH 不是文件夹，而是一个文件。请把它移到别处，"
                                      "或用 --data 指定另一个文件夹。",
                                      "数据库文件 PATH 是只读的，无法保存任何内容。请让当前用户可以"
                                      "写入该文件及其文件夹，然后再试。",
                                      "Room_tel 的第 1 行（Room“101”） 没有保存：读取之后，其他程序"
                                      "修改或删除了它。您输入的值仍然保留。",
                                  };
    }
    void messagesInTheOperatorsLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, texts);
        QVERIFY(!language::install(code).isEmpty());
        RecordCursor& c = open();
        testdb::exec(m_path, QStringLiteral("DELETE FROM Room_tel WHERE Room='101'"));
        QVERIFY(c.setField(1, QStringLiteral("9")));
        const QStringList shown{
            datafolder::checkUsable({m_path, datafolder::Rule::Option}).description(),
            database::plainError(SQLITE_READONLY, QString(), m_path),
            c.moveNext().description(),
        };
        language::uninstall();
        QCOMPARE(shown, texts.replaceInStrings(QStringLiteral("PATH"), m_path));
    }

    void unusableFilesOpenEmptyWithAClearError_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("access") << QByteArray("\0\1\0\0Standard Jet DB\0\0\0\0\0\0\0\0\0\0\0\0\0",
                                              32)
                                << QStringLiteral("Access database");
        QTest::newRow("garbage") << QByteArray("not a database") << QStringLiteral("not an SQLite");
        QTest::newRow("no table") << QByteArray("sqlite")
                                  << QStringLiteral("has no table Room_tel");
        QTest::newRow("damaged") << QByteArray("damaged") << QStringLiteral("is damaged");
        QTest::newRow("damaged after its first rows")
            << QByteArray("damaged late") << QStringLiteral("is damaged");
    }
    void unusableFilesOpenEmptyWithAClearError()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QFile file(m_path);
        if (content == "sqlite") {
            makeTable(QStringLiteral("CREATE TABLE other (x)"));
        } else if (content.startsWith("damaged")) {
            if (content == "damaged late") // the last page of many
                testdb::exec(m_path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 200 UNION ALL "
                                                    "SELECT i + 1 FROM n WHERE i < 2000) INSERT "
                                                    "INTO Room_tel (Room) SELECT i FROM n"));
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.seek(content == "damaged" ? 4096 : file.size() - 4096));
            file.write(QByteArray(4096, '\x5a'));
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            if (content.isEmpty())
                file.remove();
        }
        file.close();
        const QByteArray before =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
        file.close();

        RecordCursor& c = open();
        QSignalSpy errors(&c, &RecordCursor::error);
        const Outcome opened = c.open(m_path);
        QCOMPARE(errors.count(), 0); // reported once, by the caller
        const QString description = opened.description();
        QVERIFY2(!opened && description.contains(expected), qPrintable(description));
        QVERIFY(description.contains(m_path));
        QVERIFY(description.contains(content.startsWith("damaged")
                                         ? QStringLiteral("quorvane-db check")
                                         : QStringLiteral("quorvane-db init")));
        QCOMPARE(c.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(!c.moveFirst() && !c.addNew());
        // Nothing is created or changed.
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>"), before);
    }
};

QTEST_GUILESS_MAIN(TestRecordCursor)
#include "tst_recordcursor.moc"
