#include "database.h"
#include "recordcursor.h"
#include "testdatabase.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <sqlite3.h>

namespace {

const TableSpec kRooms = schema::directoryTable();

QVariantList room(const char* r, const char* t1 = "", const char* t2 = "", const char* t3 = "")
{
    return {QString::fromUtf8(r), QString::fromUtf8(t1), QString::fromUtf8(t2),
            QString::fromUtf8(t3)};
}

} // namespace

class TestRecordCursor : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    void makeRooms(const QList<QVariantList>& rows)
    {
        QFile::remove(m_path);
        testdb::create(m_path, kRooms, rows);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Inhabitant_telnum.mdb"));
        makeRooms({room("101", "12345678901"), room("102", "222"), room("103", "333")});
    }

    void opensOnFirstRowInTableOrder()
    {
        RecordCursor cursor(kRooms);
        QSignalSpy moves(&cursor, &RecordCursor::MoveComplete);
        QVERIFY(cursor.open(m_path));
        QCOMPARE(cursor.rowCount(), 3);
        QCOMPARE(cursor.absolutePosition(), 1);
        QCOMPARE(cursor.currentValues(), (QStringList{"101", "12345678901", "", ""}));
        QCOMPARE(moves.count(), 1);
    }

    void nullReadsAsEmptyText()
    {
        makeRooms({{QStringLiteral("7"), QVariant(), QVariant(), QVariant()}});
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QCOMPARE(cursor.currentValues(), (QStringList{"7", "", "", ""}));
    }

    void positionCodesAndFailedMoves()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.movePrevious());
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kBeforeFirst);
        QVERIFY(cursor.bof());
        QVERIFY(!cursor.movePrevious());
        QVERIFY(cursor.moveNext());
        QCOMPARE(cursor.absolutePosition(), 1);
        QVERIFY(cursor.moveLast());
        QCOMPARE(cursor.absolutePosition(), 3);
        QVERIFY(cursor.moveNext());
        QVERIFY(cursor.eof());
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kAfterLast);
        QCOMPARE(cursor.field(0), QString());
        const Outcome beyond = cursor.moveNext();
        QVERIFY(!beyond);
        QVERIFY(!beyond.description().isEmpty());
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kAfterLast);
        QVERIFY(cursor.movePrevious());
        QCOMPARE(cursor.field(0), QStringLiteral("103"));
    }

    void emptyTable()
    {
        makeRooms({});
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(cursor.eof());
        QVERIFY(!cursor.moveFirst());
        QVERIFY(!cursor.moveLast());
        QVERIFY(!cursor.moveNext());
        QVERIFY(!cursor.deleteCurrent());
        QVERIFY(!cursor.setField(0, QStringLiteral("1")));
    }

    void editIsWrittenWhenTheCursorLeavesTheRow()
    {
        makeRooms({{QStringLiteral("101"), QVariant(), QVariant(), QVariant()}, room("102")});
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.setField(1, QStringLiteral("555")));
        QCOMPARE(testdb::rows(m_path, kRooms)[0][1], QStringLiteral("<NULL>"));
        QVERIFY(cursor.moveNext());
        // Only the field typed into is written; the untouched NULLs stay NULL.
        QCOMPARE(testdb::rows(m_path, kRooms)[0], (QStringList{"101", "555", "<NULL>", "<NULL>"}));
        QVERIFY(!cursor.isPending(0));
    }

    void valuesAreStoredAsTyped()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        const QString tricky = QStringLiteral("1';--\"");
        QVERIFY(cursor.setField(0, tricky));
        QVERIFY(cursor.updateBatch());
        QCOMPARE(testdb::rows(m_path, kRooms)[0][0], tricky);
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 3);
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
        if (!constrained) {
            QFile::remove(m_path);
            testdb::exec(m_path,
                         QStringLiteral(
                             "CREATE TABLE Room_tel (Room TEXT, TEL1 TEXT, TEL2 TEXT, TEL3 TEXT)"));
            testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES ('101','1','','')"));
            testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES ('102','2','','')"));
        }
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.setField(2, QStringLiteral("123456789012")));
        const Outcome moved = cursor.moveNext();
        QVERIFY(!moved);
        QVERIFY2(moved.description().contains(QStringLiteral("TEL2")),
                 qPrintable(moved.description()));
        QVERIFY(moved.description().contains(QStringLiteral("11")));
        // The operator stays on the row with the value typed.
        QCOMPARE(cursor.absolutePosition(), 1);
        QCOMPARE(cursor.field(2), QStringLiteral("123456789012"));
        QVERIFY(!cursor.updateBatch());
        QCOMPARE(testdb::rows(m_path, kRooms)[0][2], QString());
        // Seven characters are counted as characters, not bytes.
        QVERIFY(cursor.setField(2, QString()));
        QVERIFY(cursor.setField(0, QStringLiteral("房间一二三四五")));
        QVERIFY(cursor.moveNext());
        QCOMPARE(testdb::rows(m_path, kRooms)[0][0], QStringLiteral("房间一二三四五"));
    }

    void anotherProgramsChangeIsNeverOverwritten_data()
    {
        QTest::addColumn<QString>("otherChange");
        QTest::newRow("changed") << QStringLiteral(
            "UPDATE Room_tel SET TEL1='999' WHERE Room='101'");
        QTest::newRow("deleted") << QStringLiteral("DELETE FROM Room_tel WHERE Room='101'");
        QTest::newRow("NULL made empty")
            << QStringLiteral("UPDATE Room_tel SET TEL3='' WHERE Room='101'");
    }

    void anotherProgramsChangeIsNeverOverwritten()
    {
        QFETCH(QString, otherChange);
        makeRooms({{QStringLiteral("101"), QStringLiteral("1"), QStringLiteral(""), QVariant()},
                   room("102")});
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        testdb::exec(m_path, otherChange);
        const auto before = testdb::rows(m_path, kRooms);

        QVERIFY(cursor.setField(2, QStringLiteral("mine")));
        const Outcome written = cursor.moveNext();
        QVERIFY(!written);
        QVERIFY2(written.description().contains(QStringLiteral("another program")),
                 qPrintable(written.description()));
        QVERIFY(cursor.refusedAsStale());
        QCOMPARE(testdb::rows(m_path, kRooms), before);
        QCOMPARE(cursor.field(2), QStringLiteral("mine"));

        // A delete over the changed row is refused the same way.
        QVERIFY(cursor.setField(2, QString()));
        QVERIFY(!cursor.deleteCurrent());
        QCOMPARE(testdb::rows(m_path, kRooms), before);
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
        RecordCursor cursor(layout);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.setField(1, QStringLiteral("x")));
        QVERIFY(cursor.moveNext());
        QVERIFY(cursor.deleteCurrent());
        // A row written through the cursor is matched as it was read back.
        QVERIFY(cursor.addNew());
        for (int i = 0; i < values.size(); ++i) {
            if (!values[i].isNull() || i == 0)
                QVERIFY(cursor.setField(i, QString()));
        }
        QVERIFY(cursor.moveFirst());
        QVERIFY(cursor.setField(0, QStringLiteral("y")));
        QVERIFY(cursor.moveLast());
        QVERIFY(cursor.setField(1, QString()));
        QVERIFY(cursor.setField(1, QStringLiteral("z")));
        QVERIFY(cursor.updateBatch());
        QVERIFY(cursor.deleteCurrent());
        const auto rows = testdb::rows(m_path, layout);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].mid(0, 2), (QStringList{"y", "x"}));
    }

    void refreshShowsOthersChangesAndWritesOwnEditFirst()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel (Room) VALUES ('104')"));
        testdb::exec(m_path, QStringLiteral("UPDATE Room_tel SET TEL1='x' WHERE Room='103'"));
        QCOMPARE(cursor.rowCount(), 3);
        QVERIFY(cursor.setField(1, QStringLiteral("own")));
        QVERIFY(cursor.refresh());
        QCOMPARE(cursor.rowCount(), 4);
        QCOMPARE(cursor.absolutePosition(), 1);
        QCOMPARE(cursor.field(1), QStringLiteral("own"));
        QCOMPARE(cursor.value(2, 1), QStringLiteral("x"));
        QCOMPARE(cursor.value(3, 0), QStringLiteral("104"));
    }

    void refreshReadsTheFileAtThePathNow()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        // A restore or a sync tool replaces the file by a rename.
        const QString restored = m_dir.filePath(QStringLiteral("restored.mdb"));
        testdb::create(restored, kRooms, {room("900")});
        QCOMPARE(std::rename(qPrintable(restored), qPrintable(m_path)), 0);
        QVERIFY(cursor.refresh());
        QCOMPARE(cursor.currentValues(), (QStringList{"900", "", "", ""}));
        // A table or file that is gone leaves no rows to walk or to write.
        testdb::exec(m_path, QStringLiteral("ALTER TABLE Room_tel RENAME TO old"));
        const Outcome noTable = cursor.refresh();
        QVERIFY2(noTable.description().contains(QStringLiteral("no table Room_tel")),
                 qPrintable(noTable.description()));
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(!cursor.moveFirst());
        QVERIFY(!cursor.addNew());
        QFile::remove(m_path);
        QVERIFY(cursor.refresh().description().contains(QStringLiteral("does not exist")));
    }

    void refreshKeepsAnEditThatIsRefused()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel (Room) VALUES ('104')"));
        QVERIFY(cursor.setField(0, QStringLiteral("12345678")));
        QVERIFY(!cursor.refresh());
        QCOMPARE(cursor.rowCount(), 3);
        QCOMPARE(cursor.field(0), QStringLiteral("12345678"));
    }

    void deletedRowStaysCurrentUntilTheCursorMoves()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.moveNext());
        QVERIFY(cursor.deleteCurrent());
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 2);
        QCOMPARE(cursor.absolutePosition(), 2);
        QVERIFY(cursor.isDeleted(1));
        QVERIFY(!cursor.deleteCurrent());
        QVERIFY(!cursor.setField(0, QStringLiteral("x")));
        QVERIFY(cursor.moveNext());
        QCOMPARE(cursor.field(0), QStringLiteral("103"));
        QCOMPARE(cursor.absolutePosition(), 2);
        QCOMPARE(cursor.rowCount(), 2);
    }

    void deleteLastThenOnlyRow()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.moveLast());
        QVERIFY(cursor.deleteCurrent());
        QVERIFY(cursor.moveNext());
        QVERIFY(cursor.eof());
        QVERIFY(cursor.moveLast());
        QCOMPARE(cursor.field(0), QStringLiteral("102"));

        makeRooms({room("only")});
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.deleteCurrent());
        QVERIFY(cursor.moveNext());
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(!cursor.moveLast());
        QVERIFY(testdb::rows(m_path, kRooms).isEmpty());
    }

    void newRowIsInsertedOnlyWhenTypedInto()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.addNew());
        QCOMPARE(cursor.absolutePosition(), 4);
        QVERIFY(cursor.moveFirst());
        QCOMPARE(cursor.rowCount(), 3);
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 3);

        QVERIFY(cursor.addNew());
        QVERIFY(cursor.setField(0, QStringLiteral("201")));
        QVERIFY(cursor.setField(1, QStringLiteral("5")));
        QVERIFY(cursor.moveFirst());
        QCOMPARE(testdb::rows(m_path, kRooms).last(),
                 (QStringList{"201", "5", "<NULL>", "<NULL>"}));
        // The written row keeps its place at the end and can be changed again.
        QVERIFY(cursor.moveLast());
        QVERIFY(cursor.setField(2, QStringLiteral("6")));
        QVERIFY(cursor.updateBatch());
        QCOMPARE(testdb::rows(m_path, kRooms).last(), (QStringList{"201", "5", "6", "<NULL>"}));
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 4);
    }

    void addNewOnEmptyTable()
    {
        makeRooms({});
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.addNew());
        QVERIFY(cursor.setField(0, QString()));
        QVERIFY(cursor.close());
        QCOMPARE(testdb::rows(m_path, kRooms),
                 (QList<QStringList>{{"", "<NULL>", "<NULL>", "<NULL>"}}));
    }

    void tableWithoutKeyColumnUsesRowid()
    {
        QFile::remove(m_path);
        testdb::exec(m_path, QStringLiteral("CREATE TABLE Room_tel (TEL3, Room, TEL1, TEL2)"));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES (NULL, '1', 'a', 'b')"));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES (NULL, '1', 'a', 'b')"));
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.moveNext());
        QVERIFY(cursor.setField(1, QStringLiteral("second")));
        QVERIFY(cursor.updateBatch());
        // Two identical rows: only the one the cursor stood on changes.
        QCOMPARE(testdb::rows(m_path, kRooms),
                 (QList<QStringList>{{"1", "a", "b", "<NULL>"}, {"1", "second", "b", "<NULL>"}}));
        QVERIFY(cursor.moveFirst());
        QVERIFY(cursor.deleteCurrent());
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 1);
    }

    void anyRoomTableWithTheFourFieldsIsWritten_data()
    {
        QTest::addColumn<QString>("create");
        QTest::newRow("text key") << QStringLiteral(
            "CREATE TABLE Room_tel (Room TEXT PRIMARY KEY, TEL1, TEL2, TEL3)");
        QTest::newRow("keyed on Room, no rowid") << QStringLiteral(
            "CREATE TABLE Room_tel (Room TEXT PRIMARY KEY, TEL1, TEL2, TEL3) WITHOUT ROWID");
        QTest::newRow("two-field key, no rowid")
            << QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3, "
                              "PRIMARY KEY (TEL1, Room)) WITHOUT ROWID");
    }

    void anyRoomTableWithTheFourFieldsIsWritten()
    {
        QFETCH(QString, create);
        QFile::remove(m_path);
        testdb::exec(m_path, create);
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel (Room, TEL1, TEL2) VALUES "
                                            "('1', 'a', 'b'), ('2', 'a', 'b')"));
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path));
        QVERIFY(cursor.moveNext());
        // The key itself changes, then the row is found again by its new key.
        QVERIFY(cursor.setField(0, QStringLiteral("3")));
        QVERIFY(cursor.updateBatch());
        QVERIFY(cursor.setField(1, QStringLiteral("c")));
        QVERIFY(cursor.updateBatch());
        QVERIFY(cursor.addNew());
        QVERIFY(cursor.setField(0, QStringLiteral("4")));
        QVERIFY(cursor.setField(1, QStringLiteral("d")));
        QVERIFY(cursor.moveFirst());
        QVERIFY(cursor.deleteCurrent());
        RecordCursor reread(kRooms);
        QVERIFY(reread.open(m_path));
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
            QVERIFY(wait.next());
            QCOMPARE(wait.value(0).toInt(), 30000);
        }
        database::close(name);
    }

    void closeWritesButTheDestructorDoesNot()
    {
        {
            RecordCursor cursor(kRooms);
            QVERIFY(cursor.open(m_path));
            QVERIFY(cursor.setField(1, QStringLiteral("closed")));
            QVERIFY(cursor.close());
        }
        {
            RecordCursor cursor(kRooms);
            QVERIFY(cursor.open(m_path));
            QVERIFY(cursor.setField(1, QStringLiteral("discarded")));
        }
        QCOMPARE(testdb::rows(m_path, kRooms)[0][1], QStringLiteral("closed"));
    }

    void engineFaultsAreToldInTheOperatorsWords_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("words");
        QTest::newRow("read-only") << SQLITE_READONLY << QStringLiteral("is read-only");
        QTest::newRow("locked") << SQLITE_BUSY << QStringLiteral("another program is holding");
    }

    void engineFaultsAreToldInTheOperatorsWords()
    {
        QFETCH(int, code);
        QFETCH(QString, words);
        const QString told =
            database::plainError(code, QStringLiteral("Unable to fetch row"), m_path);
        QVERIFY2(told.contains(words) && told.contains(m_path), qPrintable(told));
        QVERIFY(!told.contains(QStringLiteral("Unable")));
    }

    void unusableFilesOpenEmptyWithAClearError_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("access") << QByteArray("\0\1\0\0Standard Jet DB\0\0\0\0\0\0\0\0\0\0\0\0\0",
                                              32)
                                << QStringLiteral("Access database");
        QTest::newRow("garbage") << QByteArray("hello, not a database at all")
                                 << QStringLiteral("not an SQLite");
        QTest::newRow("no table") << QByteArray("sqlite")
                                  << QStringLiteral("has no table Room_tel");
        QTest::newRow("damaged") << QByteArray("damaged") << QStringLiteral("is damaged");
    }

    void unusableFilesOpenEmptyWithAClearError()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QFile::remove(m_path);
        if (content == "sqlite") {
            testdb::exec(m_path, QStringLiteral("CREATE TABLE other (x)"));
        } else if (content == "damaged") {
            makeRooms({room("101")});
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096));
            file.write(QByteArray(4096, '\x5a'));
        } else if (!content.isEmpty()) {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QByteArray before = [&] {
            QFile f(m_path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
        }();

        RecordCursor cursor(kRooms);
        QSignalSpy errors(&cursor, &RecordCursor::Error);
        const Outcome opened = cursor.open(m_path);
        QVERIFY(!opened);
        QCOMPARE(errors.count(), 1);
        const QString description = errors.first().first().toString();
        QVERIFY2(description.contains(expected), qPrintable(description));
        QVERIFY(description.contains(m_path));
        QVERIFY(description.contains(content == "damaged" ? QStringLiteral("quorvane-db check")
                                                          : QStringLiteral("quorvane-db init")));
        QVERIFY(!description.contains(QStringLiteral("Unable to")));
        QCOMPARE(cursor.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(!cursor.moveFirst());
        QVERIFY(!cursor.addNew());
        // Nothing is created or changed.
        QFile after(m_path);
        QCOMPARE(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray("<none>"), before);
    }
};

QTEST_GUILESS_MAIN(TestRecordCursor)
#include "tst_recordcursor.moc"
