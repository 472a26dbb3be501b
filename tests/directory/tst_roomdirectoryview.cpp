#include "database.h"
#include "roomdirectoryview.h"
#include "roomtablemodel.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const TableSpec kRooms = schema::directoryTable();

QVariantList room(const QString& r, const QString& t1 = {}, const QString& t2 = {},
                  const QString& t3 = {})
{
    return {r, t1, t2, t3};
}

} // namespace

class TestRoomDirectoryView : public QObject
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
    QStringList stored(int row) { return testdb::rows(m_path, kRooms).value(row); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = database::pathIn(m_dir.path(), schema::kDirectoryFile);
        makeRooms({room("101", "111"), room("102", "222"), room("103", "333")});
    }

    void unusableFileOpensEmptyAndNamesTheFix_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("statement");
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("access file") << QByteArray("\0\1\0\0Standard Jet DB\0", 20) << QString();
        QTest::newRow("text file") << QByteArray("rooms\n") << QString();
        QTest::newRow("no table") << QByteArray() << QStringLiteral("CREATE TABLE other (x)");
        QTest::newRow("no TEL3") << QByteArray()
                                 << QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2)");
    }
    void unusableFileOpensEmptyAndNamesTheFix()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, statement);
        QFile::remove(m_path);
        if (!content.isEmpty()) {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        } else if (!statement.isEmpty()) {
            testdb::exec(m_path, statement);
        }
        const bool existed = QFile::exists(m_path);

        RoomDirectoryView view;
        QSignalSpy errors(&view, &RecordCursor::Error);
        QVERIFY(!view.openIn(m_dir.path()));
        QCOMPARE(errors.count(), 1);
        const QString description = errors.first().first().toString();
        QVERIFY2(description.contains(m_path), qPrintable(description));
        QVERIFY2(description.contains(QStringLiteral("quorvane-db")), qPrintable(description));
        QCOMPARE(view.absolutePosition(), RecordCursor::kEmpty);
        QVERIFY(view.eof());
        QCOMPARE(QFile::exists(m_path), existed);
        // Every later operation fails and says so.
        QVERIFY(!view.moveFirst());
        QVERIFY(!view.moveLast());
        QVERIFY(!view.deleteCurrent());
        QVERIFY(!view.updateAll());
        QVERIFY(!view.addNew());
        QVERIFY(!view.refresh());
    }

    void fileOnlyInTheWorkingDirectoryIsNotFound()
    {
        QTemporaryDir appDir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        RoomDirectoryView view;
        const Outcome opened = view.openIn(appDir.path());
        QDir::setCurrent(before);
        QVERIFY(!opened);
        QVERIFY(opened.description().contains(appDir.path()));
    }

    void addedRowStaysAtTheEndAndOthersAppearOnlyAfterRefresh()
    {
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel (Room) VALUES ('050')"));
        testdb::exec(m_path, QStringLiteral("UPDATE Room_tel SET TEL1='999' WHERE Room='103'"));
        QVERIFY(view.addNew());
        QVERIFY(view.setField(RoomDirectoryView::kRoom, QStringLiteral("104")));
        QVERIFY(view.moveFirst());
        QCOMPARE(view.rowCount(), 4);
        QCOMPARE(view.value(3, RoomDirectoryView::kRoom), QStringLiteral("104"));
        QCOMPARE(view.value(2, RoomDirectoryView::kTel1), QStringLiteral("333"));
        QVERIFY(view.refresh());
        QCOMPARE(view.rowCount(), 5);
        QCOMPARE(view.value(2, RoomDirectoryView::kTel1), QStringLiteral("999"));
        QCOMPARE(view.value(3, RoomDirectoryView::kRoom), QStringLiteral("050"));
        QCOMPARE(view.absolutePosition(), 1);
    }

    void overlongValuesAreRefusedEvenWithoutConstraints_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fits");
        QTest::newRow("room of 7") << 0 << QStringLiteral("1234567") << true;
        QTest::newRow("room of 8") << 0 << QStringLiteral("12345678") << false;
        QTest::newRow("room of 7 CJK") << 0 << QStringLiteral("一二三四五六七") << true;
        QTest::newRow("TEL1 of 11") << 1 << QStringLiteral("12345678901") << true;
        QTest::newRow("TEL1 of 12") << 1 << QStringLiteral("123456789012") << false;
        QTest::newRow("TEL3 of 12") << 3 << QStringLiteral("123456789012") << false;
    }
    void overlongValuesAreRefusedEvenWithoutConstraints()
    {
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(bool, fits);
        QFile::remove(m_path);
        testdb::exec(m_path, QStringLiteral("CREATE TABLE Room_tel (Room TEXT, TEL1 TEXT, TEL2 "
                                            "TEXT, TEL3 TEXT)"));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES ('1','2','3','4')"));
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        QVERIFY(view.setField(column, value));
        const Outcome written = view.updateAll();
        QCOMPARE(written.ok(), fits);
        const QStringList before{"1", "2", "3", "4"};
        QCOMPARE(stored(0).at(column), fits ? value : before.at(column));
        // A refused value stays in the view to be corrected.
        QCOMPARE(view.field(column), value);
        QCOMPARE(view.currentPending(), !fits);
    }

    void anotherProgramsChangeIsNeverOverwritten_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("deleting");
        QTest::newRow("changed, then written")
            << QStringLiteral("UPDATE Room_tel SET TEL2='777' WHERE Room='102'") << false;
        QTest::newRow("deleted, then written")
            << QStringLiteral("DELETE FROM Room_tel WHERE Room='102'") << false;
        QTest::newRow("changed, then deleted")
            << QStringLiteral("UPDATE Room_tel SET TEL2='777' WHERE Room='102'") << true;
    }
    void anotherProgramsChangeIsNeverOverwritten()
    {
        QFETCH(QString, other);
        QFETCH(bool, deleting);
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        QVERIFY(view.moveNext());
        testdb::exec(m_path, other);
        const auto theirs = testdb::rows(m_path, kRooms);
        Outcome outcome = Outcome::success();
        if (deleting) {
            outcome = view.deleteCurrent();
        } else {
            QVERIFY(view.setField(RoomDirectoryView::kTel1, QStringLiteral("555")));
            outcome = view.moveNext();
            QCOMPARE(view.absolutePosition(), 2);
            QCOMPARE(view.field(RoomDirectoryView::kTel1), QStringLiteral("555"));
        }
        QVERIFY(!outcome);
        QVERIFY2(outcome.description().contains(QStringLiteral("another program")),
                 qPrintable(outcome.description()));
        QCOMPARE(testdb::rows(m_path, kRooms), theirs);
        // Dropping the change shows the table as the other program left it.
        view.cancelBatch();
        QVERIFY(view.refresh());
        QCOMPARE(view.rowCount(), theirs.size());
    }

    void valuesAreMatchedAsReadWhateverTheirType_data()
    {
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("room");
        QTest::newRow("integers") << QStringLiteral("INSERT INTO Room_tel VALUES (101, 5551234, "
                                                    "NULL, 2.5)")
                                  << QStringLiteral("101");
        QTest::newRow("blob") << QStringLiteral("INSERT INTO Room_tel VALUES ('7', x'41', '', '')")
                              << QStringLiteral("7");
        QTest::newRow("very long text")
            << QStringLiteral("INSERT INTO Room_tel VALUES ('8', '', '', printf('%.70000c', 'x'))")
            << QStringLiteral("8");
    }
    void valuesAreMatchedAsReadWhateverTheirType()
    {
        QFETCH(QString, insert);
        QFETCH(QString, room);
        QFile::remove(m_path);
        testdb::exec(m_path, QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3)"));
        testdb::exec(m_path, insert);
        const QStringList before = stored(0);
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        QCOMPARE(view.currentRoom().Room, room);
        QCOMPARE(view.currentRoom().TEL3.size(), before.at(3).size());
        // The row is found as it was read, so the write goes through.
        QVERIFY(view.setField(RoomDirectoryView::kTel2, QStringLiteral("x")));
        const Outcome written = view.updateAll();
        QVERIFY2(written, qPrintable(written.description()));
        QCOMPARE(stored(0).at(2), QStringLiteral("x"));
        QCOMPARE(stored(0).at(0), before.at(0));
    }

    void cancelBatchDropsUnwrittenValuesAndNewRows()
    {
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        QVERIFY(view.addNew());
        QVERIFY(view.setField(RoomDirectoryView::kRoom, QStringLiteral("200")));
        QSignalSpy moves(&view, &RecordCursor::MoveComplete);
        view.cancelBatch();
        QCOMPARE(view.rowCount(), 3);
        QVERIFY(view.eof());
        QCOMPARE(moves.count(), 1);

        QVERIFY(view.moveFirst());
        QVERIFY(view.setField(RoomDirectoryView::kRoom, QStringLiteral("XXXXXXXXX")));
        view.cancelBatch();
        QCOMPARE(view.currentRoom().Room, QStringLiteral("101"));
        QVERIFY(!view.currentPending());
        QVERIFY(view.moveLast());
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 3);
        QCOMPARE(stored(0).first(), QStringLiteral("101"));
    }

    void refreshAfterAFailedOpenAnnouncesItsReset()
    {
        QFile::remove(m_path);
        RoomDirectoryView view;
        QVERIFY(!view.openIn(m_dir.path()));
        makeRooms({room("9")});
        QSignalSpy before(&view, &RecordCursor::aboutToReset);
        QSignalSpy after(&view, &RecordCursor::reset);
        QSignalSpy errors(&view, &RecordCursor::Error);
        QVERIFY(view.refresh());
        QCOMPARE(before.count(), 1);
        QCOMPARE(after.count(), 1);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(view.currentRoom().Room, QStringLiteral("9"));
    }

    void willMoveComesBeforeTheRowIsWritten()
    {
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        // A value handed over at WillMove is written by that very move.
        connect(&view, &RecordCursor::WillMove, &view,
                [&] { view.setField(RoomDirectoryView::kTel3, QStringLiteral("late")); });
        QVERIFY(view.moveNext());
        QCOMPARE(stored(0), (QStringList{"101", "111", "<NULL>", "late"}));
    }

    void operatorStepsStayOnTheRowsAndRaiseRefusals()
    {
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        QSignalSpy errors(&view, &RecordCursor::Error);
        QVERIFY(view.operatorStep(RoomDirectoryView::Step::Previous));
        QCOMPARE(view.absolutePosition(), 1);
        QVERIFY(view.operatorStep(RoomDirectoryView::Step::Last));
        QVERIFY(view.operatorStep(RoomDirectoryView::Step::Next));
        QCOMPARE(view.absolutePosition(), 3);
        QVERIFY(view.setField(RoomDirectoryView::kRoom, QStringLiteral("12345678")));
        QVERIFY(!view.operatorStep(RoomDirectoryView::Step::First));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(view.absolutePosition(), 3);
        QVERIFY(view.operatorMoveTo(view.rowCount()) == false);
        QCOMPARE(errors.count(), 2);
    }

    void modelShowsTheSnapshotAndANewRowLine()
    {
        RoomDirectoryView view;
        QVERIFY(view.openIn(m_dir.path()));
        RoomTableModel model(view);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("TEL1"));
        QCOMPARE(model.data(model.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("103"));
        QCOMPARE(model.data(model.index(3, 0), Qt::DisplayRole).toString(), QString());
        // Read once: another program's change shows only after Refresh.
        testdb::exec(m_path, QStringLiteral("UPDATE Room_tel SET Room='X' WHERE Room='103'"));
        QCOMPARE(model.data(model.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("103"));

        // An empty value on the new-row line creates nothing.
        QVERIFY(view.moveToEnd());
        QVERIFY(!model.setData(model.index(3, 1), QString(), Qt::EditRole));
        QCOMPARE(model.rowCount(), 4);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QVERIFY(model.setData(model.index(3, 1), QStringLiteral("888"), Qt::EditRole));
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(inserted.first().at(1).toInt(), 4);
        QCOMPARE(view.absolutePosition(), 4);
        QCOMPARE(model.data(model.index(3, 1), Qt::DisplayRole).toString(), QStringLiteral("888"));
        QVERIFY(view.moveFirst());
        QCOMPARE(stored(3), (QStringList{"<NULL>", "888", "<NULL>", "<NULL>"}));
    }
};

QTEST_GUILESS_MAIN(TestRoomDirectoryView)
#include "tst_roomdirectoryview.moc"
