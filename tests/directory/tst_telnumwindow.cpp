#include "database.h"
#include "datacontrol.h"
#include "mainwindow.h"
#include "recordingmessagesink.h"
#include "roomdirectoryview.h"
#include "shell.h"
#include "telnumwindow.h"
#include "testdatabase.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const TableSpec kRooms = schema::directoryTable();

QVariantList room(const char* r, const char* t1 = "")
{
    return {QString::fromUtf8(r), QString::fromUtf8(t1), QString(), QString()};
}

// The second program of the two-process cases: this executable run with
// "--edit <app dir> <row> <TEL1>" writes TEL1 of a row through its own view;
// with "--edit-on-cue" it reads first, says "read", and writes once a line
// comes in. Exit code 0 written, 2 refused, 1 could not open.
int editAsSecondProgram(const QStringList& args)
{
    RoomDirectoryView view;
    if (!view.openIn(args.at(2)))
        return 1;
    if (!view.moveTo(args.at(3).toInt()) || !view.setField(RoomDirectoryView::kTel1, args.at(4)))
        return 1;
    if (args.at(1) == QLatin1String("--edit-on-cue")) {
        QFile out;
        QFile in;
        if (!out.open(stdout, QIODevice::WriteOnly) || !in.open(stdin, QIODevice::ReadOnly))
            return 1;
        out.write("read\n");
        out.flush();
        in.readLine();
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

    void makeRooms(const QList<QVariantList>& rows)
    {
        QFile::remove(m_path);
        testdb::create(m_path, kRooms, rows);
    }
    TelNumWindow* openWindow()
    {
        m_window = new TelNumWindow(m_dir.path(), m_sink);
        m_window->show();
        return m_window;
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
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible())
                editor = e;
        }
        QVERIFY(editor);
        editor->setText(text);
    }
    QList<QStringList> stored() { return testdb::rows(m_path, kRooms); }
    QStringList lastMessages(int n)
    {
        QStringList texts;
        for (int i = std::max<qsizetype>(0, m_sink.messages.size() - n); i < m_sink.messages.size();
             ++i)
            texts << m_sink.messages.at(i).text;
        return texts;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = database::pathIn(m_dir.path(), schema::kDirectoryFile);
        makeRooms({room("101", "111"), room("102", "222"), room("103", "333")});
        m_sink.messages.clear();
        m_sink.onShow = nullptr;
    }
    void cleanup()
    {
        delete m_window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void controlsAsDesigned()
    {
        openWindow();
        QCOMPARE(m_window->objectName(), QStringLiteral("tel_num"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Room_tel"));
        QCOMPARE(m_window->size(), twips::size(10020, 5790));
        QCOMPARE(grid()->geometry(), QRect(0, 0, twips::toPixels(10020), twips::toPixels(5130)));
        QCOMPARE(grid()->font().families().first(), QStringLiteral("宋体"));
        QCOMPARE(grid()->font().pointSize(), 9);
        QCOMPARE(grid()->columnWidth(0), twips::toPixels(1094.74));
        QCOMPARE(grid()->columnWidth(3), twips::toPixels(1454.74));
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << grid()->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"Room", "TEL1", "TEL2", "TEL3"}));
        auto* bar = m_window->findChild<QWidget*>(QStringLiteral("datPrimaryRS"));
        QCOMPARE(bar->height(), twips::toPixels(330));
        auto* strip = m_window->findChild<QWidget*>(QStringLiteral("picButtons"));
        QCOMPARE(strip->geometry().bottom(), m_window->height() - 1);

        const QList<std::pair<const char*, QString>> buttons{{"cmdAdd", "Add(&A)"},
                                                             {"cmdUpdate", "Update(&U)"},
                                                             {"cmdDelete", "Delete(&D)"},
                                                             {"cmdRefresh", "Refresh(&R)"},
                                                             {"cmdClose", "Close(&C)"}};
        QStringList tabOrder;
        for (QWidget* w = grid()->nextInFocusChain(); w != grid(); w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && w->isVisible() && m_window->isAncestorOf(w))
                tabOrder << w->objectName();
        }
        QStringList expected;
        for (int i = 0; i < buttons.size(); ++i) {
            auto* b = m_window->findChild<QPushButton*>(QString::fromLatin1(buttons[i].first));
            QCOMPARE(b->text(), buttons[i].second);
            QCOMPARE(b->geometry(), twips::rect(1200 * i, 0, 1095, 300));
            expected << QString::fromLatin1(buttons[i].first);
        }
        QCOMPARE(tabOrder.mid(0, 5), expected);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!m_window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i))->isVisible());
        QCOMPARE(m_window->boundFields(), (RoomRecord{"101", "111", "", ""}));
    }

    void resizeKeepsTheGridWhenTooSmall()
    {
        openWindow();
        m_window->resize(twips::size(10020, 7290));
        QCOMPARE(grid()->height(), twips::toPixels(7290 - 660));
        m_window->resize(twips::size(10020, 450));
        QCOMPARE(grid()->height(), twips::toPixels(7290 - 660));
    }

    void navigationStaysOnTheRowsAndCaptionsFollow()
    {
        openWindow();
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(gridRow(), 0);
        const QList<std::pair<const char*, int>> steps{
            {"cmdPrevious", 1}, {"cmdNext", 2}, {"cmdLast", 3}, {"cmdNext", 3}, {"cmdFirst", 1}};
        for (const auto& [name, position] : steps) {
            click(name);
            QCOMPARE(caption(), QStringLiteral("Record: %1").arg(position));
            QCOMPARE(gridRow(), position - 1);
            QCOMPARE(m_window->boundFields().Room, QStringLiteral("10%1").arg(position));
        }
    }

    void walkingTheViewMovesTheGrid()
    {
        openWindow();
        RoomDirectoryView& view = m_window->datPrimaryRS();
        QVERIFY(view.moveFirst());
        int count = 0;
        while (!view.eof()) {
            QCOMPARE(gridRow(), count);
            QCOMPARE(m_window->boundFields(), view.currentRoom());
            QCOMPARE(caption(), QStringLiteral("Record: %1").arg(++count));
            QVERIFY(view.moveNext());
        }
        QCOMPARE(count, 3);
        QCOMPARE(caption(), QStringLiteral("Record: -3"));
        QVERIFY(!grid()->currentIndex().isValid());
        QCOMPARE(m_window->boundFields(), RoomRecord{});
        // The grid getting the focus back (the download's last message
        // closing) does not put the cursor on a row again.
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        grid()->clearFocus();
        grid()->setFocus(Qt::ActiveWindowFocusReason);
        QCOMPARE(caption(), QStringLiteral("Record: -3"));
        QVERIFY(view.eof());

        // Delete with no current row removes nothing.
        click("cmdDelete");
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(!m_sink.messages.first().text.startsWith(QStringLiteral("Data error")));
        QCOMPARE(stored().size(), 3);
    }

    void missingFileIsReportedAndEveryButtonButCloseFails()
    {
        QFile::remove(m_path);
        openWindow();
        QCOMPARE(m_sink.messages.size(), 1);
        const RecordingMessageSink::Message first = m_sink.messages.first();
        QVERIFY(
            first.text.startsWith(QStringLiteral("Data error event hit err:The database file ")));
        QVERIFY(first.text.contains(m_path));
        QCOMPARE(first.title, QStringLiteral("Quorvane"));
        QCOMPARE(first.icon, MessageSink::Icon::None);
        QCOMPARE(caption(), QStringLiteral("Record: -1"));
        QCOMPARE(grid()->model()->rowCount(), 1);
        for (const char* name : {"cmdAdd", "cmdUpdate", "cmdDelete", "cmdRefresh"}) {
            const qsizetype before = m_sink.messages.size();
            click(name);
            QVERIFY2(m_sink.messages.size() == before + 1, name);
            QVERIFY(!m_sink.messages.last().text.isEmpty());
        }
        QVERIFY(!QFile::exists(m_path));
        click("cmdClose");
        QVERIFY(m_window->isUnloaded());
    }

    void addOnAnEmptyDirectoryThenTypeInTheNewRowLine()
    {
        makeRooms({});
        openWindow();
        QCOMPARE(caption(), QStringLiteral("Record: -1"));
        click("cmdAdd");
        QCOMPARE(m_sink.messages.size(), 1);
        QCOMPARE(m_sink.messages.first().text, QStringLiteral("There is no last row: the table "
                                                              "Room_tel holds no rows."));
        QVERIFY(!grid()->hasFocus());
        type(0, 0, QStringLiteral("301"));
        click("cmdUpdate");
        QCOMPARE(stored(), (QList<QStringList>{{"301", "<NULL>", "<NULL>", "<NULL>"}}));
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(grid()->model()->rowCount(), 2);
    }

    void addPutsTheCellCursorOnTheNewRowLine()
    {
        openWindow();
        QApplication::setActiveWindow(m_window);
        click("cmdAdd");
        QCOMPARE(gridRow(), 3);
        QVERIFY(grid()->hasFocus());
        // Leaving the line untouched creates nothing.
        QTest::keyClick(grid(), Qt::Key_Up);
        QCOMPARE(gridRow(), 2);
        QCOMPARE(caption(), QStringLiteral("Record: 3"));
        QCOMPARE(grid()->model()->rowCount(), 4);
        QCOMPARE(stored().size(), 3);

        click("cmdAdd");
        type(3, 0, QStringLiteral("104"));
        QTest::keyClick(grid(), Qt::Key_Tab);
        type(3, 1, QStringLiteral("444"));
        QTest::keyClick(grid(), Qt::Key_Up);
        QCOMPARE(stored().last(), (QStringList{"104", "444", "<NULL>", "<NULL>"}));
        QCOMPARE(caption(), QStringLiteral("Record: 3"));
        QCOMPARE(grid()->model()->rowCount(), 5);
        QVERIFY(m_sink.messages.isEmpty());
    }

    void deleteMovesOnOrBack_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("captionAfter");
        QTest::newRow("middle") << 3 << 1 << QStringLiteral("103") << QStringLiteral("Record: 2");
        QTest::newRow("last") << 3 << 2 << QStringLiteral("102") << QStringLiteral("Record: 2");
        QTest::newRow("only") << 1 << 0 << QString() << QStringLiteral("Record: -1");
    }
    void deleteMovesOnOrBack()
    {
        QFETCH(int, rows);
        QFETCH(int, from);
        QFETCH(QString, current);
        QFETCH(QString, captionAfter);
        if (rows == 1)
            makeRooms({room("101", "111")});
        openWindow();
        QVERIFY(m_window->datPrimaryRS().moveTo(from));
        click("cmdDelete");
        QCOMPARE(stored().size(), rows - 1);
        QCOMPARE(m_window->boundFields().Room, current);
        QCOMPARE(caption(), captionAfter);
        // Only the delete of the only row ends with the failed MoveLast.
        QCOMPARE(m_sink.messages.size(), rows == 1 ? 1 : 0);
        QCOMPARE(grid()->model()->rowCount(), rows);
    }

    void overlongValueFromTheGridKeepsTheOperatorOnTheRow()
    {
        openWindow();
        type(0, 0, QStringLiteral("12345678"));
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(m_sink.messages.first().text.startsWith(
            QStringLiteral("Data error event hit err:Room may hold at most 7 characters")));
        QCOMPARE(gridRow(), 0);
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(grid()->model()->index(0, 0).data().toString(), QStringLiteral("12345678"));
        QCOMPARE(m_window->boundFields().Room, QStringLiteral("12345678"));
        QCOMPARE(stored().first().first(), QStringLiteral("101"));
        // Nor does the refused row's neighbour take typing.
        grid()->edit(grid()->model()->index(1, 0));
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>())
            QVERIFY(!e->isVisible());

        type(0, 0, QStringLiteral("1234567"));
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(gridRow(), 1);
        QCOMPARE(stored().first().first(), QStringLiteral("1234567"));
    }

    void overlongValueFromUpdateShowsTheDescriptionAlone()
    {
        openWindow();
        type(1, 1, QStringLiteral("123456789012"));
        click("cmdUpdate");
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(
            m_sink.messages.first().text.startsWith(QStringLiteral("TEL1 may hold at most 11")));
        QCOMPARE(m_sink.messages.first().title, QStringLiteral("Quorvane"));
        QCOMPARE(stored().at(1).at(1), QStringLiteral("222"));
        QCOMPARE(caption(), QStringLiteral("Record: 2"));
    }

    void anotherConnectionsChangeIsRefusedThenShownAfterRefresh()
    {
        openWindow();
        testdb::exec(m_path, QStringLiteral("UPDATE Room_tel SET TEL1='999' WHERE Room='101'"));
        type(0, 2, QStringLiteral("555"));
        click("cmdUpdate");
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(m_sink.messages.first().text.contains(QStringLiteral("another program")));
        QCOMPARE(stored().first(), (QStringList{"101", "999", "<NULL>", "<NULL>"}));

        // The first Refresh keeps the change, the second drops it.
        click("cmdRefresh");
        QCOMPARE(m_sink.messages.size(), 2);
        QVERIFY(m_sink.messages.last().text.contains(QStringLiteral("Press Refresh again")));
        QCOMPARE(grid()->model()->index(0, 2).data().toString(), QStringLiteral("555"));
        click("cmdRefresh");
        QCOMPARE(m_sink.messages.size(), 2);
        QCOMPARE(m_window->boundFields(), (RoomRecord{"101", "999", "", ""}));
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(stored().first(), (QStringList{"101", "999", "<NULL>", "<NULL>"}));
    }

    void twoProgramsOnOneFile()
    {
        openWindow();
        const QString self = QCoreApplication::applicationFilePath();
        // The other program writes row 2 after this window read it.
        QCOMPARE(QProcess::execute(self, {"--edit", m_dir.path(), "1", "888"}), 0);
        type(1, 1, QStringLiteral("777"));
        QTest::keyClick(grid(), Qt::Key_Up);
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(
            m_sink.messages.first().text.startsWith(QStringLiteral("Data error event hit err:")));
        QVERIFY(m_sink.messages.first().text.contains(QStringLiteral("another program")));
        QCOMPARE(gridRow(), 1);
        QCOMPARE(stored().at(1).at(1), QStringLiteral("888"));

        // The other program reads row 3, then this window writes it: the
        // other program is refused in turn.
        QProcess other;
        other.start(self, {"--edit-on-cue", m_dir.path(), "2", "000"});
        QVERIFY(other.waitForReadyRead());
        QCOMPARE(other.readLine(), QByteArray("read\n"));
        click("cmdRefresh");
        click("cmdRefresh");
        QCOMPARE(stored().at(1).at(1), QStringLiteral("888"));
        const qsizetype told = m_sink.messages.size();
        type(2, 1, QStringLiteral("3"));
        click("cmdUpdate");
        QCOMPARE(m_sink.messages.size(), told);
        QCOMPARE(stored().at(2).at(1), QStringLiteral("3"));
        other.write("go\n");
        QVERIFY(other.waitForFinished());
        QCOMPARE(other.exitCode(), 2);
        QCOMPARE(stored().at(2).at(1), QStringLiteral("3"));
    }

    void closeWritesAnUnwrittenEdit()
    {
        openWindow();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        type(2, 3, QStringLiteral("303"));
        click("cmdClose");
        QVERIFY(m_window->isUnloaded());
        QCOMPARE(stored().at(2), (QStringList{"103", "333", "<NULL>", "303"}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(m_sink.messages.isEmpty());
    }

    void refusedCloseNamesTheRowAndKeepsTheWindowOnce()
    {
        openWindow();
        type(1, 0, QStringLiteral("TOO-LONG"));
        QVERIFY(!m_window->close());
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY2(m_sink.messages.first().text.startsWith(
                     QStringLiteral("Row 2 (Room \"TOO-LONG\") was not saved")),
                 qPrintable(m_sink.messages.first().text));
        QVERIFY(!m_window->isUnloaded());
        QCOMPARE(grid()->model()->index(1, 0).data().toString(), QStringLiteral("TOO-LONG"));
        // Told once, the operator may close and drop the change.
        QVERIFY(m_window->close());
        QVERIFY(m_window->isUnloaded());
        QCOMPARE(stored().at(1).first(), QStringLiteral("102"));
    }

    void newTwiceShowsOneWindowOnItsRow()
    {
        Shell shell(m_dir.path(), m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        QVERIFY(m_window && m_window->isVisible());
        QVERIFY(main.titleBand()->isHidden());
        QVERIFY(main.menuAction(QStringLiteral("mnuDownload"))->isEnabled());
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(m_window->size(), twips::size(10020, 5790));
        click("cmdLast");
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(main.findChild<TelNumWindow*>(QStringLiteral("tel_num")), m_window.data());
        QCOMPARE(caption(), QStringLiteral("Record: 3"));

        // Closed, the band stays hidden and the download enabled; the
        // download's reference loads a fresh window without showing it.
        click("cmdClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window);
        QVERIFY(main.titleBand()->isHidden());
        QVERIFY(main.menuAction(QStringLiteral("mnuDownload"))->isEnabled());
        m_window = shell.loadDirectoryWindow();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(caption(), QStringLiteral("Record: 1"));
        QCOMPARE(shell.loadDirectoryWindow(), m_window.data());
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        QVERIFY(m_window->isVisible());
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        m_window = nullptr;
    }

    void exitTellsWhatCouldNotBeSavedAndStillEnds()
    {
        Shell shell(m_dir.path(), m_sink);
        MainWindow& main = shell.mainWindow();
        shell.show();
        main.menuAction(QStringLiteral("mnuNew"))->trigger();
        m_window = main.findChild<TelNumWindow*>(QStringLiteral("tel_num"));
        type(0, 1, QStringLiteral("123456789012"));
        main.menuAction(QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(m_sink.messages.size(), 1);
        QVERIFY(m_sink.messages.first().text.contains(
            QStringLiteral("Row 1 (Room \"101\") was not saved")));
        QVERIFY(m_sink.messages.first().text.contains(QStringLiteral("The program ends")));
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
