#include "mainwindow.h"
#include "placement.h"
#include "posixserialport.h"
#include "recordingmessagesink.h"
#include "shell.h"
#include "testdatabase.h"
#include "uipauser.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using Stored = QMap<QString, QString>;

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;

    void storePlacement(const QMap<QString, QString>& values)
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Quorvane"), QStringLiteral("Quorvane"));
        settings.clear();
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue(QStringLiteral("Settings/") + it.key(), it.value());
        settings.sync();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void init() { storePlacement({}); }

    void menuTree_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("mnufile") << "mnufile"
                                 << "File" << true;
        QTest::newRow("mnuNew") << "mnuNew"
                                << "New" << true;
        QTest::newRow("mnuDownload") << "mnuDownload"
                                     << "Down load file" << false;
        QTest::newRow("mnuExit") << "mnuExit"
                                 << "Exit" << true;
        QTest::newRow("mnuEdit") << "mnuEdit"
                                 << "Edit" << false;
        QTest::newRow("mnucopy") << "mnucopy"
                                 << "Copy" << false;
        QTest::newRow("mnuPaste") << "mnuPaste"
                                  << "Paste" << false;
        QTest::newRow("mnuDel") << "mnuDel"
                                << "Delete" << true;
        QTest::newRow("mnuEditR") << "mnuEditR"
                                  << "Edit Room" << true;
        QTest::newRow("mnuSet") << "mnuSet"
                                << "Setting" << true;
        QTest::newRow("mnuPCSecurity") << "mnuPCSecurity"
                                       << "User Password Set" << true;
        QTest::newRow("mnuAddUser") << "mnuAddUser"
                                    << "Add User" << true;
        QTest::newRow("mnuEU") << "mnuEU"
                               << "Edit User" << true;
        QTest::newRow("mnuLD") << "mnuLD"
                               << "Load Default" << true;
        QTest::newRow("mnuconnect") << "mnuconnect"
                                    << "Connect" << true;
    }

    void menuTree()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        MainWindow window;
        QAction* action = window.menuAction(name);
        QVERIFY2(action, qPrintable(name));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void menuOrderAndNesting()
    {
        MainWindow window;
        QStringList bar;
        for (QAction* a : window.menuBar()->actions())
            bar << a->objectName();
        QCOMPARE(bar, (QStringList{"mnufile", "mnuEdit", "mnuSet", "mnuconnect", "mnuTools"}));
        QVERIFY(!window.menuAction(QStringLiteral("mnuconnect"))->menu());
        QStringList file;
        for (QAction* a : window.menuAction(QStringLiteral("mnufile"))->menu()->actions())
            file << a->objectName();
        QCOMPARE(file, (QStringList{"mnuNew", "mnuDownload", "mnuExit"}));
        QStringList users;
        for (QAction* a : window.menuAction(QStringLiteral("mnuPCSecurity"))->menu()->actions())
            users << a->objectName();
        QCOMPARE(users, (QStringList{"mnuAddUser", "mnuEU"}));
        QCOMPARE(window.menuAction(QStringLiteral("mnuDownload"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+D")));
    }

    void ctrlDRunsTheDownloadOnlyAfterNew()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy download(&window, &MainWindow::downloadRequested);
        QSignalSpy opened(&window, &MainWindow::newRequested);
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(download.count(), 0);

        QVERIFY(window.titleBand()->isVisible());
        window.menuAction(QStringLiteral("mnuNew"))->trigger();
        QCOMPARE(opened.count(), 1);
        QVERIFY(!window.titleBand()->isVisible());
        // The child windows get the whole client area once the band is gone.
        QCOMPARE(window.mdiArea()->geometry(), window.centralWidget()->rect());
        QVERIFY(window.menuAction(QStringLiteral("mnuDownload"))->isEnabled());
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(download.count(), 1);
        // A modeless dialog's box keeps its own keys.
        QDialog dialog(&window);
        auto* box = new QLineEdit(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(box, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(download.count(), 1);

        window.menuAction(QStringLiteral("mnuNew"))->trigger();
        QVERIFY(!window.titleBand()->isVisible());
        QVERIFY(window.menuAction(QStringLiteral("mnuDownload"))->isEnabled());
    }

    void titleBandAndStatusBar()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* band = window.titleBand();
        QCOMPARE(band->objectName(), QStringLiteral("Picture1"));
        QCOMPARE(band->palette().color(QPalette::Window), QColor(128, 128, 255));
        QCOMPARE(band->width(), window.centralWidget()->width());
        QCOMPARE(band->height(), 705);
        window.resize(700, 500);
        QCOMPARE(band->width(), window.centralWidget()->width());
        // Both labels whole, in Arial's metrics (or the nearest to Arial Black).
        for (auto* label : band->findChildren<QLabel*>()) {
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
            const QRect needed = label->fontMetrics().boundingRect(label->text());
            QVERIFY(needed.width() <= label->width() && needed.height() <= label->height());
        }

        QStatusBar* bar = window.statusBar();
        QCOMPARE(bar->objectName(), QStringLiteral("sbStatusBar"));
        QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("sbPanel1"))->text(),
                 QStringLiteral("状态"));
        const QString date = bar->findChild<QLabel*>(QStringLiteral("sbPanel2"))->text();
        QCOMPARE(date, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!bar->findChild<QLabel*>(QStringLiteral("sbPanel3"))->text().isEmpty());
    }

    void placementFromTheSettingsStore_data()
    {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<QRect>("frame");
        const QRect defaults(67, 67, 433, 433);
        QTest::newRow("nothing stored") << Stored{} << defaults;
        QTest::newRow("width 9000") << Stored{{"MainWidth", "9000"}} << QRect(67, 67, 600, 433);
        QTest::newRow("all four") << Stored{{"MainLeft", "1500"},
                                            {"MainTop", "3000"},
                                            {"MainWidth", "7500"},
                                            {"MainHeight", "4500.4"}}
                                  << QRect(100, 200, 500, 300);
        QTest::newRow("not a number")
            << Stored{{"MainWidth", "wide"}, {"MainTop", "1500"}} << QRect(67, 100, 433, 433);
        QTest::newRow("off every screen") << Stored{{"MainLeft", "900000"}} << defaults;
        QTest::newRow("negative size") << Stored{{"MainHeight", "-20"}} << defaults;
        QTest::newRow("huge") << Stored{{"MainLeft", "1e30"}} << defaults;
        QTest::newRow("30 twips wide") << Stored{{"MainWidth", "30"}} << defaults;
        QTest::newRow("a few pixels on screen") << Stored{{"MainLeft", "28755"}} << defaults;
        QTest::newRow("mostly on screen")
            << Stored{{"MainLeft", "24000"}} << QRect(1600, 67, 433, 433);
    }

    void placementFromTheSettingsStore()
    {
        QFETCH(Stored, stored);
        QFETCH(QRect, frame);
        storePlacement(stored);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
        QCOMPARE(placement::resolve(placement::read(), screens), frame);
    }

    void windowOpensAtItsPlacement()
    {
        storePlacement({{"MainLeft", "1500"}, {"MainTop", "1500"}, {"MainWidth", "9000"}});
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(100, 100));
        QCOMPARE(window.frameGeometry().size(), QSize(600, 433));
    }

    // File, New from the keyboard: the directory window takes the focus on its
    // current cell, and all of it can be scrolled into sight.
    void newFromTheKeyboard()
    {
        QTemporaryDir dir;
        testdb::create(dir.filePath(schema::kDirectoryFile), schema::directoryTable(),
                       {{"101", "1", "2", "3"}});
        RecordingMessageSink messages;
        PosixSerialPort port;
        UiPauser pauser;
        Shell shell(dir.path(), messages, port, pauser);
        MainWindow& window = shell.mainWindow();
        shell.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Alt);
        QTest::keyClick(window.menuBar(), Qt::Key_Return);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        auto* grid = window.findChild<QTableView*>();
        QVERIFY(grid);
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        QVERIFY(grid->currentIndex().isValid());
        QMdiSubWindow* frame = window.mdiArea()->activeSubWindow();
        QVERIFY(frame->width() > window.mdiArea()->viewport()->width());
        QTRY_VERIFY(window.mdiArea()->horizontalScrollBar()->isVisible());
        QVERIFY(messages.messages.isEmpty());
    }

    void exitClosesTheWindow()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.menuAction(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
