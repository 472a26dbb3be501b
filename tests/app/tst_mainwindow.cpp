#include "changerecordwindow.h"
#include "doorunits.h"
#include "firststart.h"
#include "firststartdialog.h"
#include "language.h"
#include "linkmessages.h"
#include "logindialog.h"
#include "placement.h"
#include "program.h"
#include "recordingmessagesink.h"
#include "roomdirectoryview.h"
#include "shellrig.h"
#include "stringtable.h"
#include "testdatabase.h"
#include "windowtexts.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using Stored = QMap<QString, QString>;

static QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settingsDir;

    static void storePlacement(const Stored& values)
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
        settings.clear();
        for (auto it = values.begin(); it != values.end(); ++it)
            settings.setValue("Settings/" + it.key(), it.value());
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    // Twips on a 1920 x 1080 screen; a window too small to use, or mostly off
    // the screen, falls back to the default placement.
    void placement_data()
    {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<QRect>("frame");
        const QRect defaults(67, 67, 433, 433);
        QTest::newRow("nothing stored") << Stored{} << defaults;
        QTest::newRow("all four") << Stored{{"MainLeft", "1500"},
                                            {"MainTop", "3000"},
                                            {"MainWidth", "7500"},
                                            {"MainHeight", "4500.4"}}
                                  << QRect(100, 200, 500, 300);
        QTest::newRow("not a number")
            << Stored{{"MainWidth", "wide"}, {"MainTop", "1500"}} << QRect(67, 100, 433, 433);
        QTest::newRow("negative size") << Stored{{"MainHeight", "-20"}} << defaults;
        QTest::newRow("huge") << Stored{{"MainLeft", "1e30"}} << defaults;
        QTest::newRow("hugely negative") << Stored{{"MainTop", "-1e9"}} << defaults;
        QTest::newRow("30 twips wide") << Stored{{"MainWidth", "30"}} << defaults;
        QTest::newRow("a few pixels on screen") << Stored{{"MainLeft", "28755"}} << defaults;
        QTest::newRow("a third on screen") << Stored{{"MainLeft", "26300"}} << defaults;
        QTest::newRow("mostly on screen")
            << Stored{{"MainLeft", "24000"}} << QRect(1600, 67, 433, 433);
    }

    void placement()
    {
        QFETCH(Stored, stored);
        QFETCH(QRect, frame);
        storePlacement(stored);
        QCOMPARE(placement::resolve(placement::read(), {QRect(0, 0, 1920, 1080)}), frame);
    }

    // The stored size is the outer size; Ctrl+D works once New has enabled
    // the download, in the main window only; the band labels show whole in
    // their own faces.
    void mainWindow()
    {
        storePlacement({{"MainLeft", "1500"}, {"MainTop", "1500"}, {"MainWidth", "9000"}});
        MainWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.frameGeometry(), QRect(100, 100, 600, 433));
        for (auto* label : window.titleBand()->findChildren<QLabel*>()) {
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
            QVERIFY(label->font() != window.font());
            const QSize needed = label->fontMetrics().boundingRect(label->text()).size();
            QCOMPARE(label->size().expandedTo(needed), label->size());
        }
        QSignalSpy download(&window, &MainWindow::downloadRequested);
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        window.menuAction("mnuNew")->trigger();
        QVERIFY(!window.titleBand()->isVisible());
        QCOMPARE(window.mdiArea()->geometry(), window.centralWidget()->rect());
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(download.count(), 1);
        QDialog dialog(&window);
        auto* box = new QLineEdit(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(box, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(download.count(), 1);
    }

    // Each catalogue, and none: the windows show the catalogue's texts, the
    // old system's own where there is none.
    void languages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts");
        // Menus, status panel, login title and label, first-start title and
        // button, string table 1000 and 1029, a port error with its code.
        QTest::newRow("none") << QString()
                              << QStringList{
                                     "File",      "Connect",
                                     "Tools",     "Transfer history…",
                                     "状态",      "User log in",
                                     "User(&U):", "Quorvane — first start",
                                     "&Create",   "文件(&F)",
                                     "关于(&A) ", "其它错误。错误号:8003",
                                 };
        QTest::newRow("en") << "en"
                            << QStringList{
                                   "File",      "Connect",
                                   "Tools",     "Transfer history…",
                                   "Status",    "User log in",
                                   "User(&U):", "Quorvane — first start",
                                   "&Create",   "&File",
                                   "&About ",   "Other error. Error number: 8003",
                               };
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList{
                                      "File",      "Connect",
                                      "工具",      "传输记录…",
                                      "状态",      "User log in",
                                      "User(&U):", "Quorvane — 首次启动",
                                      "创建(&C)",  "文件(&F)",
                                      "关于(&A) ", "其它错误。错误号:8003",
                                  };
    }

    void languages()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, texts);
        const QString file = code.isEmpty() ? QString() : language::install(code);
        QCOMPARE(QFileInfo(file).fileName(),
                 code.isEmpty() ? QString() : QStringLiteral("quorvane_%1.qm").arg(code));
        MainWindow window;
        RecordingMessageSink messages;
        LoginDialog login(store::Location::folder(m_settingsDir.path()), messages);
        FirstStart start(store::Location::folder(m_settingsDir.path()));
        FirstStartDialog first(start);
        LinkResult portError =
            LinkResult::of(LinkResult::Command::Connect, LinkResult::Kind::OpenFailed);
        portError.code = 8003;
        const QStringList shown{
            window.menuAction("mnufile")->text(),
            window.menuAction("mnuconnect")->text(),
            window.menuAction("mnuTools")->text(),
            window.menuAction("mnuTransferHistory")->text(),
            window.statusBar()->findChild<QLabel*>("sbPanel1")->text(),
            login.windowTitle(),
            login.findChild<QLabel*>("Label1")->text(),
            first.windowTitle(),
            first.findChild<QPushButton*>("cmdCreate")->text(),
            *stringtable::loadString(1000),
            *stringtable::loadString(1029),
            linkResultText(portError),
        };
        // Nothing Chinese is left in English, nor English in the first start's Chinese.
        const QStringList left =
            code == "en"
                ? chineseTexts(windowTexts(&window) + windowTexts(&login) + windowTexts(&first))
            : code == "zh_CN" ? englishTexts(windowTexts(&first))
                              : QStringList();
        language::uninstall();
        QCOMPARE(shown, texts);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('|'))));
    }

    // In English no label of the login or first-start dialog is cut short.
    void englishLabelsFit()
    {
        QVERIFY(!language::install("en").isEmpty());
        RecordingMessageSink messages;
        LoginDialog login(store::Location::folder(m_settingsDir.path()), messages);
        FirstStart start(store::Location::folder(m_settingsDir.path()));
        FirstStartDialog first(start);
        for (QDialog* dialog : {static_cast<QDialog*>(&login), static_cast<QDialog*>(&first)}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QStringList clipped = clippedTexts(dialog);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('|'))));
        }
        language::uninstall();
    }

    void everyWindowInEachLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << "en";
        QTest::newRow("zh_CN") << "zh_CN";
    }

    // Every window and dialog the menus open, and the messages they raise:
    // nothing Chinese left in English, no text cut short there, and in
    // Chinese no English but the old windows' own words.
    void everyWindowInEachLanguage()
    {
        QFETCH(QString, code);
        QVERIFY(!language::install(code).isEmpty());
        storePlacement({});
        ShellRig rig;
        const QString roomFile = rig.dir.filePath(schema::kDirectoryFile);
        testdb::create(roomFile, schema::directoryTable(), {{"101", "1", "2", "3"}});
        testdb::create(rig.dir.filePath(schema::kOperatorFile), schema::operatorTable(),
                       testdb::operators({{"anna", "1"}}));
        QVERIFY(doorunits::add(roomFile, "East", 2));
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
        settings.setValue("Ports/COM1", rig.dir.filePath("no-such-device"));
        settings.setValue("Ports/COM2", rig.dir.filePath("no-such-device"));
        settings.sync();
        const QString csv = rig.dir.filePath("rooms.csv");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Room,TEL1,TEL2,TEL3\n102,5,,\n"));
        file.close();
        rig.start().show();
        rig.program->setOperatorName("anna");

        // The old system's windows keep its English words.
        const QStringList oldWindows{"frmMain", "tel_num", "frmLink", "frmUserADD", "frmLogchg"};
        const QStringList oldWords =
            QStringLiteral("File New Down load file Exit Edit Copy Paste Delete Room Setting User "
                           "Password Set Add Load Default Connect Version Teluvo Update Refresh "
                           "Close Record Data Controler Linking PORT Open Time Auto Answer "
                           "Cancel ADD Client Name Next Change COM not selected Error tel")
                .split(' ');
        // The unit, the file and the ports are named by the operator, in any language.
        QStringList names{"East", "rooms", "csv"};
        for (int n = 1; n <= 9; ++n)
            names << QStringLiteral("COM%1").arg(n);
        const auto english = [&](const QStringList& texts, const QStringList& kept) {
            return englishTexts(texts, names + kept);
        };
        QStringList left;
        QList<const QWidget*> seen;
        const auto read = [&](QWidget* window) {
            seen << window;
            QCoreApplication::sendPostedEvents();
            const QStringList texts = windowTexts(window);
            const QString name = window->objectName();
            left << (code == "en"
                         ? chineseTexts(texts) + clippedTexts(window)
                         : english(texts, oldWindows.contains(name) ? oldWords : QStringList()))
                        .replaceInStrings(QRegularExpression("^"), name + ": ");
        };
        // A file dialog is given the rooms to import; any other modal dialog is read and closed.
        QTimer modal;
        connect(&modal, &QTimer::timeout, &modal, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                files->selectFile(csv);
                static_cast<QDialog*>(files)->accept();
            } else if (dialog && !seen.contains(dialog)) {
                read(dialog);
                dialog->reject();
            }
        });
        modal.start(10);
        read(&rig.window());
        for (const char* item :
             {"mnuNew", "mnuDownload", "mnuconnect", "mnuAddUser", "mnuEU", "mnuLD",
              "mnuTransferHistory", "mnuChangeRecord", "mnuImportRooms", "mnuDownloadAll"}) {
            QVERIFY2(rig.window().menuAction(item)->isVisible(), item);
            // The download's own modal window stays up while it works.
            if (qstrcmp(item, "mnuDownloadAll") == 0)
                modal.stop();
            rig.choose(item);
            for (QWidget* window : rig.window().findChildren<QWidget*>()) {
                if ((window->isWindow() || window->objectName() == "tel_num") &&
                    window->isVisible() && !seen.contains(window))
                    read(window);
            }
        }
        for (const RecordingMessageSink::Message& message : rig.messages.messages) {
            const QStringList texts{message.text, message.title};
            left << (code == "en" ? chineseTexts(texts) : english(texts, oldWords))
                        .replaceInStrings(QRegularExpression("^"), "message: ");
        }
        settings.remove("Ports");
        language::uninstall();
        QVERIFY(seen.size() >= 9 && rig.messages.messages.size() >= 2);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }

    void newFromTheKeyboard_data()
    {
        QTest::addColumn<QList<QVariantList>>("rooms");
        QTest::newRow("rooms") << QList<QVariantList>{{"101", "1", "2", "3"}};
        QTest::newRow("no rooms") << QList<QVariantList>{};
    }

    // File, New from the keyboard: the directory window takes the focus on its
    // current cell (the new-row line when there are no rooms), typing goes
    // there, and all of it can be scrolled into sight.
    void newFromTheKeyboard()
    {
        QFETCH(QList<QVariantList>, rooms);
        storePlacement({});
        ShellRig rig;
        testdb::create(rig.dir.filePath(schema::kDirectoryFile), schema::directoryTable(), rooms);
        rig.start().show();
        MainWindow& window = rig.window();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Alt);
        QTest::keyClick(window.menuBar(), Qt::Key_Return);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        auto* grid = window.findChild<QTableView*>();
        QVERIFY(grid);
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
        QTest::keyClick(grid, '3');
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("01"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The editor hands its text over once the key has been handled.
        QTRY_COMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("301"));
        QVERIFY(window.mdiArea()->activeSubWindow()->width() >
                window.mdiArea()->viewport()->width());
        QTRY_VERIFY(window.mdiArea()->horizontalScrollBar()->isVisible());
        QVERIFY(rig.messages.messages.isEmpty());
    }

    // Tools, Export rooms… and (with no printer) Print room list… given a
    // database in the file dialog, by name or through a link, or another
    // folder's: refused, the file as it was.
    void toolsLeaveTheDatabasesAlone_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("database");
        QTest::newRow("export") << "mnuExportRooms" << schema::kDirectoryFile
                                << " is (or leads to) the room database";
        QTest::newRow("print, through a link") << "mnuPrintRooms"
                                               << "list.pdf"
                                               << " is (or leads to) the operator database";
        QTest::newRow("export over another folder's operators")
            << "mnuExportRooms"
            << "d2/" + schema::kOperatorFile << " bears the name " + schema::kOperatorFile;
    }

    void toolsLeaveTheDatabasesAlone()
    {
        QFETCH(QString, item);
        QFETCH(QString, chosen);
        QFETCH(QString, database);
        if (item == "mnuPrintRooms" && !QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is set up, so the list is not saved as a PDF");
        ShellRig rig;
        const QString rooms = rig.dir.filePath(schema::kDirectoryFile);
        const QString operators = rig.dir.filePath(schema::kOperatorFile);
        testdb::create(rooms, schema::directoryTable(), {{"101", "1", "2", "3"}});
        testdb::create(operators, schema::operatorTable(), testdb::operators({{"anna", "1"}}));
        QVERIFY(QFile::link(operators, rig.dir.filePath("list.pdf")));
        QVERIFY(QDir(rig.dir.path()).mkdir("d2") &&
                QFile::copy(operators, rig.dir.filePath("d2/" + schema::kOperatorFile)));
        rig.start().show();
        const QByteArray before = contents(rooms) + contents(operators) +
                                  contents(rig.dir.filePath("d2/" + schema::kOperatorFile));
        const QString path = rig.dir.filePath(chosen);
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        rig.window().menuAction(item)->trigger();
        QCOMPARE(rig.messages.messages.size(), 1);
        QVERIFY2(rig.messages.messages[0].text.startsWith(path + database),
                 qPrintable(rig.messages.messages[0].text));
        QCOMPARE(contents(rooms) + contents(operators) +
                     contents(rig.dir.filePath("d2/" + schema::kOperatorFile)),
                 before);
    }

    // Tools, Change record…: the grid's changes as the operator logged in,
    // newest first, one room's alone, and the list exported, never over a
    // database.
    void changeRecordWindow_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("export") << "changes.csv";
        QTest::newRow("export over the room database") << schema::kDirectoryFile;
    }
    void changeRecordWindow()
    {
        QFETCH(QString, chosen);
        ShellRig rig;
        const QString rooms = rig.dir.filePath(schema::kDirectoryFile);
        testdb::create(rooms, schema::directoryTable(),
                       {{"101", "1", "", ""}, {"102", "", "", ""}});
        rig.start().show();
        rig.program->setOperatorName("anna");
        rig.choose("mnuNew");
        RoomDirectoryView& view = *rig.program->directory();
        QVERIFY(view.setField(1, "555") && view.moveNext() && view.deleteCurrent());
        rig.choose("mnuChangeRecord");
        auto* window = rig.window().findChild<ChangeRecordWindow*>("frmChangeRecord");
        QVERIFY(window && window->isVisible());
        auto* list = window->findChild<QTableWidget*>("grdChanges");
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(0, 4)->text(), QStringLiteral("room deleted"));
        window->findChild<QLineEdit*>("txtRoom")->setText("101");
        window->findChild<QPushButton*>("cmdShow")->click();
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(
            list->item(0, 1)->text() + ' ' + list->item(0, 4)->text() + ' ' +
                list->item(0, 7)->text(),
            QStringLiteral("anna room changed Room \"101\", TEL1 \"555\", TEL2 \"\", TEL3 \"\""));

        const QString path = rig.dir.filePath(chosen);
        const QByteArray before = contents(rooms);
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        window->findChild<QPushButton*>("cmdExport")->click();
        QCOMPARE(rig.messages.messages.size(), 1);
        if (chosen == schema::kDirectoryFile) {
            QVERIFY2(rig.messages.messages[0].text.startsWith(path + " is (or leads to) "),
                     qPrintable(rig.messages.messages[0].text));
            QCOMPARE(contents(rooms), before);
        } else {
            const QList<QByteArray> lines = contents(path).split('\n');
            QCOMPARE(lines.size(), 3);
            QVERIFY(lines[1].contains("\"anna\"") && lines[1].contains("\"room changed\""));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
