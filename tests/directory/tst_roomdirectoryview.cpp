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
} // namespace

class TestRoomDirectoryView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    RoomDirectoryView* m_view = nullptr;

    QStringList stored(int row) { return testdb::rows(m_path, kRooms).value(row); }
    Outcome open() { return m_view->openIn(m_dir.path()); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = database::pathIn(m_dir.path(), schema::kDirectoryFile);
        QFile::remove(m_path);
        testdb::create(m_path, kRooms,
                       {{"101", "111", QString(), QString()},
                        {"102", "222", QString(), QString()},
                        {"103", "333", QString(), QString()}});
        m_view = new RoomDirectoryView;
    }
    void cleanup() { delete m_view; }

    void fileOnlyInTheWorkingDirectoryIsNotFound()
    {
        QTemporaryDir appDir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const Outcome opened = m_view->openIn(appDir.path());
        QDir::setCurrent(before);
        QVERIFY(!opened);
        QVERIFY(opened.description().contains(appDir.path()));
    }

    void addedRowStaysAtTheEndAndOthersAppearOnlyAfterRefresh()
    {
        QVERIFY(open());
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel (Room) VALUES ('050')"));
        testdb::exec(m_path, QStringLiteral("UPDATE Room_tel SET TEL1='999' WHERE Room='103'"));
        QVERIFY(m_view->addNew());
        QVERIFY(m_view->setField(RoomDirectoryView::kRoom, QStringLiteral("104")));
        QVERIFY(m_view->moveFirst());
        QCOMPARE(m_view->value(3, RoomDirectoryView::kRoom), QStringLiteral("104"));
        QCOMPARE(m_view->value(2, RoomDirectoryView::kTel1), QStringLiteral("333"));
        QVERIFY(m_view->refresh());
        QCOMPARE(m_view->value(2, RoomDirectoryView::kTel1), QStringLiteral("999"));
        QCOMPARE(m_view->value(3, RoomDirectoryView::kRoom), QStringLiteral("050"));
    }

    void valuesAreMatchedAsReadWhateverTheirType_data()
    {
        QTest::addColumn<QString>("values");
        QTest::newRow("integers") << QStringLiteral("101, 5551234, NULL, 2.5");
        QTest::newRow("blob") << QStringLiteral("'7', x'41', '', ''");
        QTest::newRow("very long text") << QStringLiteral("'8', '', '', printf('%.70000c', 'x')");
    }
    void valuesAreMatchedAsReadWhateverTheirType()
    {
        QFETCH(QString, values);
        QFile::remove(m_path);
        testdb::exec(m_path, QStringLiteral("CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3)"));
        testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel VALUES (%1)").arg(values));
        const QStringList before = stored(0);
        QVERIFY(open());
        QCOMPARE(m_view->currentRoom().Room, before.at(0));
        QCOMPARE(m_view->currentRoom().TEL3.size(), before.at(3).size());
        // The row is found as it was read, so the write goes through.
        QVERIFY(m_view->setField(RoomDirectoryView::kTel2, QStringLiteral("x")));
        QVERIFY(m_view->updateAll());
        QCOMPARE(stored(0).at(2), QStringLiteral("x"));
    }

    void willMoveComesBeforeTheRowIsWritten()
    {
        QVERIFY(open());
        // A value handed over at WillMove is written by that very move.
        connect(m_view, &RecordCursor::WillMove, m_view,
                [this] { m_view->setField(RoomDirectoryView::kTel3, QStringLiteral("late")); });
        QVERIFY(m_view->moveNext());
        QCOMPARE(stored(0), (QStringList{"101", "111", "<NULL>", "late"}));
    }

    void cancelBatchDropsUnwrittenValuesAndNewRows()
    {
        QVERIFY(open());
        QVERIFY(m_view->addNew());
        QVERIFY(m_view->setField(RoomDirectoryView::kRoom, QStringLiteral("200")));
        QSignalSpy moves(m_view, &RecordCursor::MoveComplete);
        m_view->cancelBatch();
        QCOMPARE(m_view->rowCount(), 3);
        QVERIFY(m_view->eof());
        QCOMPARE(moves.count(), 1);

        QVERIFY(m_view->moveFirst());
        QVERIFY(m_view->setField(RoomDirectoryView::kRoom, QStringLiteral("XXXXXXXXX")));
        m_view->cancelBatch();
        QCOMPARE(m_view->currentRoom().Room, QStringLiteral("101"));
        QVERIFY(m_view->moveLast());
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 3);
        QCOMPARE(stored(0).first(), QStringLiteral("101"));
    }

    void modelShowsANewRowLine()
    {
        QVERIFY(open());
        RoomTableModel model(*m_view);
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.data(model.index(3, 0), Qt::DisplayRole).toString(), QString());
        // An empty value on the new-row line creates nothing.
        QVERIFY(m_view->moveToEnd());
        QVERIFY(!model.setData(model.index(3, 1), QString(), Qt::EditRole));
        QCOMPARE(model.rowCount(), 4);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QVERIFY(model.setData(model.index(3, 1), QStringLiteral("888"), Qt::EditRole));
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(inserted.first().at(1).toInt(), 4);
        QVERIFY(m_view->moveFirst());
        QCOMPARE(stored(3), (QStringList{"<NULL>", "888", "<NULL>", "<NULL>"}));
    }
};

QTEST_GUILESS_MAIN(TestRoomDirectoryView)
#include "tst_roomdirectoryview.moc"
