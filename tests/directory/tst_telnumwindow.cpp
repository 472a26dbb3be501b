#include "changerecordwindow.h"
#include "connectcontroller.h"
#include "database.h"
#include "datacontrol.h"
#include "doorunitstate.h"
#include "importpreview.h"
#include "importpreviewdialog.h"
#include "language.h"
#include "mainwindow.h"
#include "posixserialport.h"
#include "program.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "roomdirectoryview.h"
#include "roomgrid.h"
#include "roomimport.h"
#include "shell.h"
#include "telnumwindow.h"
#include "testdatabase.h"
#include "uipauser.h"
#include "windowtexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

const TableSpec kRooms = schema::directoryTable();

// The second program of the two-process cases: this executable run with
// "--edit <app dir> <row> <TEL1>" writes TEL1 of a row through its own view;
// with "--edit-on-cue" it reads first, says "read", and writes once a line
// comes in. Exit code 0 written, 2 refused, 1 could not open.
int editAsSecondProgram(const QStringList& args)
{
    RoomDirectoryView view;
    if (!view.openIn(args.at(2)) || !view.moveTo(args.at(3).toInt()) ||
        !view.setField(RoomDirectoryView::kTel1, args.at(4)))
        return 1;
    if (args.at(1) == QLatin1String("--edit-on-cue")) {
        QTextStream(stdout) << "read" << Qt::endl;
        QTextStream(stdin).readLine();
    }
    return view.updateAll() ? 0 : 2;
}

} // namespace

class TestTelNumWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    RecordingMessageSink m_sink;
    QPointer<TelNumWindow> m_window;

    // A window on a cursor of its own, which goes with it.
    void openWindow()
    {
        auto* rooms = new RoomDirectoryView;
        m_window = new TelNumWindow(*rooms, m_dir.path(), m_sink);
        connect(m_window, &TelNumWindow::released, this, [rooms] { delete rooms; });
        m_window->show();
    }
    QTableView* grid() { return m_window->findChild<QTableView*>(QStringLiteral("grdDataGrid")); }
    QString caption()
    {
        return m_window->findChild<DataControl*>(QStringLiteral("datPrimaryRS"))->caption();
    }
    void click(const char* name)
    {
        m_window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    }
    int gridRow() { return grid()->currentIndex().row(); }
    // Opens the editor of a cell and types into it, as the operator would.
    void type(int row, int column, const QString& text)
    {
        const QModelIndex index = grid()->model()->index(row, column);
        grid()->setCurrentIndex(index);
        grid()->edit(index);
        // An editor just closed lingers until deleted; the open one is shown.
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        QVERIFY(editor);
        editor->setText(text);
    }
    QList<QStringList> stored() { return testdb::rows(m_path, kRooms); }
    // The mark of a row's selector, as its tooltip says it.
    QString note(int row)
    {
        return grid()->model()->headerData(row, Qt::Vertical, Qt::ToolTipRole).toString();
    }
    QString said(int i = 0) { return m_sink.messages.value(i).text; }
    qsizetype told() { return m_sink.messages.size(); }

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
        m_sink.messages.clear();
    }
    void cleanup()
    {
        delete m_window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The record view without a window.
    void viewFindsItsFileOnlyBesideTheProgramAndWritesAValueHandedOverAtWillMove()
    {
        RoomDirectoryView view;
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QDir::setCurrent(m_dir.path());
        const Outcome notFound = view.openIn(elsewhere.path());
        QDir::setCurrent(before);
        QVERIFY(!notFound && notFound.description().contains(elsewhere.path()));
        QVERIFY(view.openIn(m_dir.path()));
        connect(&view, &RecordCursor::WillMove, &view,
                [&] { QVERIFY(view.setField(RoomDirectoryView::kTel3, QStringLiteral("late"))); });
        QVERIFY(view.moveNext());
        QCOMPARE(stored().first(), (QStringList{"101", "111", "<NULL>", "late"}));
    }

    void deleteOnTheLastRowThenWalkToTheEnd()
    {
        openWindow();
        click("cmdLast");
        click("cmdDelete");
        QCOMPARE(stored().size(), 2);
        QCOMPARE(m_window->boundFields().Room, QStringLiteral("102"));
        QCOMPARE(caption(), QStringLiteral("Record: 2"));
        QVERIFY(m_sink.messages.isEmpty());

        RoomDirectoryView& view = m_window->datPrimaryRS();
        QVERIFY(view.moveFirst());
        for (int row = 0; !view.eof(); ++row) {
            QCOMPARE(gridRow(), row);
            QCOMPARE(m_window->boundFields(), view.currentRoom());
            QCOMPARE(caption(), QStringLiteral("Record: %1").arg(row + 1));
            QVERIFY(view.moveNext());
        }
        QCOMPARE(caption(), QStringLiteral("Record: -3"));
        QVERIFY(!grid()->currentIndex().isValid());
        // The grid getting the focus back (the download's last message
        // closing) does not put the cursor on a row again.
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        grid()->clearFocus();
        grid()->setFocus(Qt::ActiveWindowFocusReason);
        QCOMPARE(caption(), QStringLiteral("Record: -3"));

        // Delete with no current row removes nothing.
        click("cmdDelete");
        QCOMPARE(told(), 1);
        QVERIFY(!said().startsWith(QStringLiteral("Data error")));
        QCOMPARE(stored().size(), 2);
    }

    void unreadableFileIsShownEmptyAndEveryButtonButCloseFails()
    {
        openWindow();
        // A Refresh that cannot read the table leaves nothing that looks like rooms.
        testdb::exec(m_path, QStringLiteral("ALTER TABLE Room_tel RENAME TO old"));
        click("cmdRefresh");
        QVERIFY(said().contains(QStringLiteral("no table Room_tel")));
        QCOMPARE(grid()->model()->rowCount(), 0);
        QVERIFY(m_window->grid()->placeholderText().contains(m_path));
        delete m_window;
        m_sink.messages.clear();

        QFile::remove(m_path);
        openWindow();
        QCOMPARE(grid()->model()->rowCount(), 0);
        QCOMPARE(told(), 1);
        QVERIFY(said().startsWith(QStringLiteral("Data error event hit err:The database file ")));
        QVERIFY(said().contains(m_path));
        QCOMPARE(m_sink.messages.first().title, QStringLiteral("Quorvane"));
        QCOMPARE(m_sink.messages.first().icon, MessageSink::Icon::None);
        QCOMPARE(caption(), QStringLiteral("Record: -1"));
        for (const char* name : {"cmdAdd", "cmdUpdate", "cmdDelete", "cmdRefresh"}) {
            const qsizetype before = told();
            click(name);
            QVERIFY2(told() == before + 1 && !said(before).isEmpty(), name);
        }
        QVERIFY(!QFile::exists(m_path));
        click("cmdClose");
        QVERIFY(m_window->isUnloaded());
    }

    void addOnAnEmptyDirectoryTypeInTheNewRowLineThenDeleteTheOnlyRow()
    {
        QFile::remove(m_path);
        testdb::create(m_path, kRooms);
        openWindow();
        QCOMPARE(caption(), QStringLiteral("Record: -1"));
        click("cmdAdd");
        QCOMPARE(told(), 1);
        QCOMPARE(said(), QStringLiteral("There is no last row: the table Room_tel holds no rows."));
        type(0, 0, QStringLiteral("301"));
        click("cmdUpdate");
        QCOMPARE(stored(), (QList<QStringList>{{"301", "<NULL>", "<NULL>", "<NULL>"}}));
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        // Deleting the only row ends with the failed MoveLast.
        click("cmdDelete");
        QVERIFY(stored().isEmpty());
        QCOMPARE(caption(), QStringLiteral("Record: -1"));
        QCOMPARE(told(), 2);
    }

    void addPutsTheCellCursorOnTheNewRowLineAndCloseWrites()
    {
        openWindow();
        QApplication::setActiveWindow(m_window);
        click("cmdAdd");
        QCOMPARE(gridRow(), 3);
        QVERIFY(grid()->hasFocus());
        // Leaving the line untouched creates nothing.
        QTest::keyClick(grid(), Qt::Key_Up);
        QCOMPARE(caption(), QStringLiteral("Record: 3"));
        QCOMPARE(grid()->model()->rowCount(), 4);
        QCOMPARE(stored().size(), 3);
        // Close writes an unwritten edit.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        type(2, 3, QStringLiteral("303"));
        click("cmdClose");
        QVERIFY(m_window->isUnloaded());
        QCOMPARE(stored().at(2), (QStringList{"103", "333", "<NULL>", "303"}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(m_sink.messages.isEmpty());
    }

    void overlongValueIsRefusedFromTheGridAndFromUpdate()
    {
        openWindow();
        type(0, 0, QStringLiteral("12345678"));
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(told(), 1);
        QVERIFY(said().startsWith(
            QStringLiteral("Data error event hit err:Room may hold at most 7 characters")));
        QCOMPARE(gridRow(), 0);
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(grid()->model()->index(0, 0).data().toString(), QStringLiteral("12345678"));
        QCOMPARE(stored().first().first(), QStringLiteral("101"));
        type(0, 0, QStringLiteral("1234567"));
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(gridRow(), 1);
        QCOMPARE(stored().first().first(), QStringLiteral("1234567"));
        // From Update the description shows alone.
        type(1, 1, QStringLiteral("123456789012"));
        click("cmdUpdate");
        QCOMPARE(told(), 2);
        QVERIFY(said(1).startsWith(QStringLiteral("TEL1 may hold at most 11")));
        QCOMPARE(stored().at(1).at(1), QStringLiteral("222"));
    }

    void anotherProgramsChangeIsRefusedThenShownAfterRefreshAndViceVersa_data()
    {
        QTest::addColumn<bool>("accessKey"); // Refresh pressed as Alt+R
        QTest::newRow("the button") << false;
        QTest::newRow("Alt+R") << true;
    }
    void anotherProgramsChangeIsRefusedThenShownAfterRefreshAndViceVersa()
    {
        QFETCH(bool, accessKey);
        openWindow();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const QString self = QCoreApplication::applicationFilePath();
        // Another program writes row 1 after this window read it.
        QCOMPARE(QProcess::execute(self, {"--edit", m_dir.path(), "0", "999"}), 0);
        type(0, 2, QStringLiteral("555"));
        click("cmdUpdate");
        QCOMPARE(told(), 1);
        QVERIFY(said().contains(QStringLiteral("another program")));
        QCOMPARE(stored().first(), (QStringList{"101", "999", "<NULL>", "<NULL>"}));
        // One message says what to do, and doing it drops the change.
        QVERIFY(said().endsWith(QStringLiteral("Press Refresh to drop your change and read the "
                                               "table as it is now.")));
        if (accessKey)
            QTest::keyClick(grid(), Qt::Key_R, Qt::AltModifier);
        else
            click("cmdRefresh");
        QCOMPARE(told(), 1);
        QCOMPARE(m_window->boundFields(), (RoomRecord{"101", "999", "", ""}));
        QCOMPARE(grid()->model()->index(0, 2).data().toString(), QString());
        // Moving on repeats nothing.
        grid()->setCurrentIndex(grid()->model()->index(1, 1));
        QCOMPARE(told(), 1);

        // The other program reads row 3, then this window writes it: the
        // other program is refused in turn.
        QProcess other;
        other.start(self, {"--edit-on-cue", m_dir.path(), "2", "000"});
        QVERIFY(other.waitForReadyRead());
        QCOMPARE(other.readLine(), QByteArray("read\n"));
        type(2, 1, QStringLiteral("3"));
        click("cmdUpdate");
        QCOMPARE(told(), 1);
        other.write("go\n");
        QVERIFY(other.waitForFinished());
        QCOMPARE(other.exitCode(), 2);
        QCOMPARE(stored().at(2).at(1), QStringLiteral("3"));
    }

    void refusedCloseNamesTheRowAndKeepsTheWindowOnce()
    {
        openWindow();
        type(1, 0, QStringLiteral("TOO-LONG"));
        QVERIFY(!m_window->close());
        QCOMPARE(told(), 1);
        QVERIFY2(said().startsWith(QStringLiteral("Row 2 (Room \"TOO-LONG\") was not saved")),
                 qPrintable(said()));
        QVERIFY(!m_window->isUnloaded());
        // Told once, the operator may close and drop the change.
        QVERIFY(m_window->close());
        QCOMPARE(stored().at(1).first(), QStringLiteral("102"));
    }

    // The panel and the row marks after a download, then after an edit.
    void doorUnitPanelAndMarksFollowDownloadAndEdit()
    {
        RecordingSerialPort port;
        RecordingPauser pauser;
        Program program(store::Location::folder(m_dir.path()), port, pauser);
        Shell shell(program, m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        const auto panel = [&] { return main.findChild<QLabel*>("sbDoorUnit")->text(); };
        const auto tip = [&] { return main.findChild<QLabel*>("sbDoorUnit")->toolTip(); };
        QCOMPARE(panel(), QStringLiteral("Door unit: never loaded from this PC"));
        QVERIFY(ConnectController(shell.serialLink()).toggle(QStringLiteral("COM1")).done());
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        main.menuAction(QStringLiteral("mnuDownload"))->trigger();
        QCOMPARE(panel(), QStringLiteral("Door unit: up to date"));
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        type(1, 2, QStringLiteral("999"));
        click("cmdUpdate");
        const QString downloaded = shownTime(TransferLog(m_path).history(1)->value(0).started);
        QCOMPARE(panel(),
                 QStringLiteral("Door unit: 1 change not sent (last download %1)").arg(downloaded));
        QCOMPARE(grid()->model()->headerData(1, Qt::Vertical, Qt::ToolTipRole).toString(),
                 QStringLiteral("TEL2 changed since the download of %1").arg(downloaded));
        // A value typed and not yet written is marked as unsaved, never counted.
        type(2, 1, QStringLiteral("77"));
        grid()->setCurrentIndex(grid()->model()->index(2, 2));
        QCOMPARE(note(2), QStringLiteral("typed here, not saved yet"));
        QVERIFY(panel().startsWith(QStringLiteral("Door unit: 1 change not sent")));
        // Written as the cursor leaves the row, it counts; a Room edit refused
        // keeps its value in the row and changes nothing stored.
        type(1, 0, QStringLiteral("12345678"));
        QCOMPARE(note(2), QStringLiteral("TEL1 changed since the download of %1").arg(downloaded));
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(told(), 2); // after the download's own
        QVERIFY(said(1).contains(QStringLiteral("Room may hold at most 7 characters")));
        QCOMPARE(grid()->model()->index(1, 0).data().toString(), QStringLiteral("12345678"));
        QVERIFY(panel().startsWith(QStringLiteral("Door unit: 2 changes not sent")));
        QVERIFY(!tip().contains(QStringLiteral("removed")));
        QCOMPARE(note(1), QStringLiteral("TEL2 changed since the download of %1\ntyped here, not "
                                         "saved yet")
                              .arg(downloaded));
        // A room given another number is a room the door unit does not hold.
        type(1, 0, QStringLiteral("999"));
        grid()->setCurrentIndex(grid()->model()->index(0, 0));
        QCOMPARE(note(1), QStringLiteral("not yet on the door unit"));
        QVERIFY(panel().startsWith(QStringLiteral("Door unit: 3 changes not sent")));
        QVERIFY(tip().endsWith(QStringLiteral("1 room removed since the last download: 102")));
        QCoreApplication::removePostedEvents(qApp);
        m_window = nullptr;
    }

    void roomsThatAreOneOnTheDoorUnit_data()
    {
        QTest::addColumn<QStringList>("rooms");
        QTest::addColumn<QString>("counted");  // the tooltip's line on the pairs
        QTest::addColumn<QString>("lastNote"); // of the last row
        const QString onePair = "\n1 pair of rows reaches the door unit as the same room (its "
                                "number padded with zeros to 7 characters)";
        QTest::newRow("zeros") << QStringList{"101", "0101", "00101"}
                               << "\n3 pairs of rows reach the door unit as the same room (its "
                                  "number padded with zeros to 7 characters)"
                               << "the door unit takes it for the same room, 0000101, as row 1 "
                                  "(Room \"101\"), row 2 (Room \"0101\")";
        QTest::newRow("the same text") << QStringList{"7", "102", "7"} << onePair
                                       << "the door unit takes it for the same room, 0000007, as "
                                          "row 1 (Room \"7\")";
        QTest::newRow("empty and zero") << QStringList{"", "0"} << onePair
                                        << "the door unit takes it for the same room, 0000000, "
                                           "as row 1 (Room \"\")";
        QTest::newRow("a blank is sent") << QStringList{"101", "101 ", " 101"} << ""
                                         << "";
        QTest::newRow("zeros inside") << QStringList{"1001", "101", "0110", "11"} << ""
                                      << "";
    }

    // Stored as typed, marked as the door unit will see them; the panel's
    // tooltip counts the pairs with the window closed and open alike.
    void roomsThatAreOneOnTheDoorUnit()
    {
        QFETCH(QStringList, rooms);
        QFETCH(QString, counted);
        QFETCH(QString, lastNote);
        testdb::exec(m_path, QStringLiteral("DELETE FROM Room_tel"));
        for (const QString& room : rooms)
            testdb::exec(m_path, QStringLiteral("INSERT INTO Room_tel (Room) VALUES (?)"), {room});
        PosixSerialPort port;
        UiPauser pauser;
        Program program(store::Location::folder(m_dir.path()), port, pauser);
        Shell shell(program, m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        const auto tip = [&] { return main.findChild<QLabel*>("sbDoorUnit")->toolTip(); };
        QCOMPARE(tip(), QStringLiteral("Door unit: never loaded from this PC") + counted);
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        // The rows are marked once the window has shown them.
        QTRY_COMPARE(note(int(rooms.size()) - 1), lastNote);
        QCOMPARE(tip(), QStringLiteral("Door unit: never loaded from this PC") + counted);
        // A room written with another number loses its mark.
        type(int(rooms.size()) - 1, 0, QStringLiteral("999"));
        click("cmdUpdate");
        QCOMPARE(note(int(rooms.size()) - 1), QString());
        QCOMPARE(stored().size(), rooms.size());
        QVERIFY(m_sink.messages.isEmpty());
        QCoreApplication::removePostedEvents(qApp);
        m_window = nullptr;
    }

    void transfersMadeElsewhereAreNoticed_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Refresh", "transfer history", "New again", "the file watched",
                                "Refresh, the change record refusing"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    // Another copy or quorvane-link downloads the directory while the window
    // is open: the panel and the marks follow the record.
    void transfersMadeElsewhereAreNoticed()
    {
        QFETCH(QString, how);
        PosixSerialPort port;
        UiPauser pauser;
        Program program(store::Location::folder(m_dir.path()), port, pauser);
        Shell shell(program, m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        const auto panel = [&] { return main.findChild<QLabel*>("sbDoorUnit")->text(); };
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        QCOMPARE(panel(), QStringLiteral("Door unit: never loaded from this PC"));
        {
            TransferLog log(m_path);
            TransferRecord r;
            r.started = QDateTime::currentDateTimeUtc();
            r.what = TransferRecord::What::Download;
            r.rooms = {{"101", "111", "", ""}, {"102", "222", "", ""}, {"103", "000", "", ""}};
            r.total = r.sent = 3;
            QVERIFY(log.start(r));
            r.ending = TransferRecord::Ending::Complete;
            r.finished = r.started;
            QVERIFY(log.finish(r));
        }
        if (how.startsWith(QLatin1String("Refresh"))) {
            // The table is read even when what another program changed
            // cannot be recorded: said in the status bar, in plain words.
            if (how != QLatin1String("Refresh")) {
                testdb::exec(m_path, "CREATE TRIGGER refuse BEFORE INSERT ON change_record "
                                     "BEGIN SELECT RAISE(ABORT, 'no room'); END");
                testdb::exec(m_path, "UPDATE Room_tel SET TEL1 = '334' WHERE Room = '103'");
            }
            click("cmdRefresh");
            const QString status = main.findChild<QLabel*>("sbPanel1")->text();
            QVERIFY2(how == QLatin1String("Refresh") ||
                         (status.contains(QStringLiteral("cannot be recorded")) &&
                          status.contains(m_path) && !status.contains(QStringLiteral("file:"))),
                     qPrintable(status));
        } else if (how == QLatin1String("transfer history")) {
            main.menuAction(QStringLiteral("mnuTransferHistory"))->trigger();
        } else if (how == QLatin1String("New again")) {
            click("cmdClose");
            main.menuAction(QStringLiteral("mnuNew"))->trigger();
            m_window = shell.loadDirectoryWindow();
            // The closed window is deleted after the new one opened: the
            // new window keeps its own rows.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(program.directory(), &m_window->datPrimaryRS());
            QCOMPARE(m_window->datPrimaryRS().rowCount(), 3);
        }
        // Seen at once, or once the file's change is heard of.
        if (how == QLatin1String("the file watched"))
            QTRY_VERIFY(panel().startsWith(QStringLiteral("Door unit: 1 change not sent")));
        QVERIFY2(panel().startsWith(QStringLiteral("Door unit: 1 change not sent")),
                 qPrintable(panel()));
        QTRY_VERIFY(note(2).startsWith(QStringLiteral("TEL1 changed since the download of")));
        QVERIFY(m_sink.messages.isEmpty());
        QCoreApplication::removePostedEvents(qApp);
        m_window = nullptr;
    }

    void anEditInHandOnAFileReplacedByARename_data()
    {
        QTest::addColumn<bool>("updateFirst");
        QTest::newRow("Refresh") << false;
        QTest::newRow("Update, then Refresh") << true;
    }

    // Another program moves a new file over the path: the edit goes into
    // neither file, and the window shows the new one.
    void anEditInHandOnAFileReplacedByARename()
    {
        QFETCH(bool, updateFirst);
        openWindow();
        const QString old = m_dir.filePath(QStringLiteral("old.mdb"));
        QFile::remove(old);
        QCOMPARE(::link(QFile::encodeName(m_path).constData(), QFile::encodeName(old).constData()),
                 0);
        const QString replacement = m_dir.filePath(QStringLiteral("new.mdb"));
        QFile::remove(replacement);
        testdb::create(replacement, kRooms, {{"201", "9", QString(), QString()}});
        type(1, 1, QStringLiteral("444"));
        QCOMPARE(std::rename(QFile::encodeName(replacement).constData(),
                             QFile::encodeName(m_path).constData()),
                 0);
        if (updateFirst) {
            click("cmdUpdate");
            QCOMPARE(told(), 1);
            QVERIFY(said().startsWith(QStringLiteral("Row 2 of Room_tel (Room \"102\") was not "
                                                     "saved: the database file %1 was replaced")
                                          .arg(m_path)));
            QVERIFY(said().endsWith(QStringLiteral("Press Refresh to drop your change and read "
                                                   "the table as it is now.")));
        }
        click("cmdRefresh");
        QCOMPARE(told(), 1);
        if (!updateFirst)
            QVERIFY2(said().startsWith(QStringLiteral("The database file %1 was replaced or "
                                                      "removed by another program after it was "
                                                      "read, so the change to Row 2 of Room_tel "
                                                      "(Room \"102\") was not saved")
                                           .arg(m_path)),
                     qPrintable(said()));
        QCOMPARE(grid()->model()->index(0, 0).data().toString(), QStringLiteral("201"));
        QCOMPARE(stored(), (QList<QStringList>{{"201", "9", "<NULL>", "<NULL>"}}));
        QCOMPARE(testdb::rows(old, kRooms).at(1).at(1), QStringLiteral("222"));
        QFile::remove(old);
    }

    // A write waits for a file another program holds, and shows it: a busy
    // cursor and the status bar's first panel, painted while the wait lasts.
    void aWriteWaitingForAHeldFileShowsTheWait()
    {
        PosixSerialPort port;
        UiPauser pauser;
        Program program(store::Location::folder(m_dir.path()), port, pauser);
        Shell shell(program, m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        const auto status = [&] { return main.findChild<QLabel*>("sbPanel1")->text(); };
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        m_window->datPrimaryRS().setBusyLimit(10000);
        type(0, 1, QStringLiteral("444"));
        QString shown;
        bool busy = false;
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
            holder.setDatabaseName(m_path);
            QVERIFY(holder.open());
            QVERIFY(QSqlQuery(holder).exec("BEGIN IMMEDIATE"));
            // Run only if the window handles events while it waits; it lets go.
            QTimer::singleShot(0, this, [&] {
                shown = status();
                busy = QApplication::overrideCursor() != nullptr;
                QSqlQuery(holder).exec("ROLLBACK");
            });
            click("cmdUpdate");
            holder.close();
        }
        QSqlDatabase::removeDatabase("holder");
        QCOMPARE(shown, QStringLiteral("Inhabitant_telnum.mdb is held by another program: waiting "
                                       "for it to let go"));
        QVERIFY(busy);
        QCOMPARE(status(), QStringLiteral("状态"));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(stored().first().at(1), QStringLiteral("444"));
        QVERIFY(m_sink.messages.isEmpty());
        QCoreApplication::removePostedEvents(qApp);
        m_window = nullptr;
    }

    // The directory window, the change record and the import preview in each
    // catalogue: a few texts, a message with its value, nothing Chinese left
    // in English and nothing cut short there, no English left in Chinese in
    // the windows added since (the directory window keeps its own English
    // buttons, the grids their field names).
    void languages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts");
        const QStringList english{
            "Add(&A)",
            "Record: 1",
            "Change record",
            "&Show",
            "2 entries",
            "import",
            "\"May 1\" is not a date: type it as YYYY-MM-DD, for example 2026-12-07.",
            "Import rooms from 2026.csv",
            "Replace the whole directory with this file",
            "1 error, 0 warnings, 1 ok"};
        QTest::newRow("none") << QString() << english;
        QTest::newRow("en") << "en" << english;
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList{
                                      "Add(&A)",
                                      "Record: 1",
                                      "修改记录",
                                      "显示(&S)",
                                      "2 条记录",
                                      "导入",
                                      "“May 1”不是日期：请按“年-月-日”输入，例如 2026-12-07。",
                                      "从 2026.csv 导入房间",
                                      "用此文件替换整个房间目录",
                                      "1 个错误，0 个警告，1 行正常"};
    }
    void languages()
    {
        QFETCH(QString, code);
        QVERIFY(code.isEmpty() || !language::install(code).isEmpty());
        const changerecord::Actor who{QStringLiteral("admin"), QStringLiteral("pc"), {}};
        QVERIFY(roomimport::write(m_path, QList<RoomRecord>{{"104", "444", "", ""}}, false, nullptr,
                                  &who));
        openWindow();
        ChangeRecordWindow record(m_dir.path(), m_sink);
        auto* show = record.findChild<QPushButton*>(QStringLiteral("cmdShow"));
        show->click();
        ImportPreview preview;
        QVERIFY(preview.load("201,1\n,2\n", {}).ok());
        ImportPreviewDialog dialog(preview, QStringLiteral("2026.csv"));
        record.show();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&record) && QTest::qWaitForWindowExposed(&dialog));
        const QStringList added = windowTexts(&record) + windowTexts(&dialog);
        const QStringList left = code == "en"      ? chineseTexts(windowTexts(m_window) + added)
                                 : code == "zh_CN" ? englishTexts(added, {"csv"})
                                                   : QStringList();
        const QStringList clipped =
            code == "en" ? clippedTexts(m_window) + clippedTexts(&record) + clippedTexts(&dialog)
                         : QStringList();
        record.findChild<QLineEdit*>(QStringLiteral("txtSince"))->setText(QStringLiteral("May 1"));
        show->click();
        const QStringList shown{
            m_window->findChild<QAbstractButton*>(QStringLiteral("cmdAdd"))->text(),
            caption(),
            record.windowTitle(),
            show->text(),
            record.findChild<QLabel*>(QStringLiteral("lblNote"))->text(),
            record.findChild<QTableWidget*>(QStringLiteral("grdChanges"))->item(0, 4)->text(),
            said(),
            dialog.windowTitle(),
            dialog.findChild<QCheckBox*>(QStringLiteral("chkReplace"))->text(),
            dialog.findChild<QLabel*>(QStringLiteral("lblCounts"))->text()};
        language::uninstall();
        QTEST(shown, "texts");
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('|'))));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('|'))));
    }

    void newTwiceShowsOneWindowOnItsRowAndExitStillEnds()
    {
        PosixSerialPort port;
        UiPauser pauser;
        Program program(store::Location::folder(m_dir.path()), port, pauser);
        Shell shell(program, m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        QVERIFY(m_window && m_window->isVisible());
        click("cmdLast");
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(main.findChild<TelNumWindow*>(QStringLiteral("tel_num")), m_window.data());
        QCOMPARE(caption(), QStringLiteral("Record: 3"));

        // Exit tells what could not be saved and still ends.
        type(2, 1, QStringLiteral("123456789012"));
        main.menuAction(QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(told(), 1);
        QVERIFY(said().contains(QStringLiteral("Row 3 (Room \"103\") was not saved")));
        QVERIFY(said().contains(QStringLiteral("The program ends")));
        QVERIFY(m_window->isUnloaded());
        // The queued end of the program must not end this test run.
        QCoreApplication::removePostedEvents(qApp);
        m_window = nullptr;
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 5 && args.at(1).startsWith(QLatin1String("--edit")))
        return editAsSecondProgram(args);
    TestTelNumWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_telnumwindow.moc"
