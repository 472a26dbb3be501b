#include "doorunits.h"
#include "doorunitwatch.h"
#include "downloadprogress.h"
#include "language.h"
#include "mainwindow.h"
#include "posixserialport.h"
#include "program.h"
#include "pseudoterminal.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "schema.h"
#include "seriallink.h"
#include "server.h"
#include "shell.h"
#include "telnumwindow.h"
#include "testdatabase.h"
#include "transferhistorywindow.h"
#include "transferlog.h"
#include "unitsprogress.h"
#include "windowtexts.h"

#include <QTest>
#include <QtWidgets>

namespace {

// The program's windows over a directory of six rooms, as after a login, on
// the recording port or the real device COM1 is mapped to.
struct Running
{
    QTemporaryDir dir;
    RecordingMessageSink messages;
    RecordingSerialPort port;
    RecordingPauser pauser;
    PosixSerialPort device;
    std::unique_ptr<Program> objects;
    std::unique_ptr<Shell> shell;
    // Whether a progress window was up while a message was, once the events
    // were run as a real message box runs them.
    bool progressWithMessage = false;

    explicit Running(bool onDevice = false)
    {
        QList<QVariantList> rooms;
        for (int i = 0; i < 6; ++i)
            rooms << QVariantList{QString::number(201 + i), "8765432", "", ""};
        testdb::create(dir.filePath(schema::kDirectoryFile), schema::directoryTable(), rooms);
        testdb::create(dir.filePath(schema::kOperatorFile), schema::operatorTable(),
                       testdb::operators({{"admin", "1234"}}));
        objects =
            std::make_unique<Program>(store::Location::folder(dir.path()),
                                      onDevice ? static_cast<SerialPort&>(device) : port, pauser);
        objects->setOperatorName(QStringLiteral("admin"));
        shell = std::make_unique<Shell>(*objects, messages);
        shell->show();
        messages.onShow = [this](const auto&) {
            QCoreApplication::processEvents();
            progressWithMessage |= !main().findChildren<QProgressDialog*>().isEmpty() &&
                                   main().findChild<QProgressDialog*>()->isVisible();
        };
    }
    // Nothing left on screen that holds the operator: the menus answer.
    bool usable()
    {
        QCoreApplication::processEvents();
        const auto progress = main().findChildren<QProgressDialog*>();
        return !QApplication::activeModalWidget() && !progressWithMessage &&
               std::none_of(progress.begin(), progress.end(),
                            [](auto* w) { return w->isVisible(); });
    }
    MainWindow& main() { return shell->mainWindow(); }
    void menu(const char* name) { main().menuAction(QString::fromLatin1(name))->trigger(); }
    void ctrlD()
    {
        // Ctrl+D belongs to the main window, which must be the active one.
        main().activateWindow();
        QApplication::setActiveWindow(&main());
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QTest::keyClick(&main(), Qt::Key_D, Qt::ControlModifier);
    }
    QWidget* linkDialog() { return main().findChild<QWidget*>(QStringLiteral("frmLink")); }
    template <typename T> T* inLink(const char* name)
    {
        return linkDialog()->findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* button) { inLink<QPushButton>(button)->click(); }
    // Connect, open COM1 and hide the dialog.
    void openPort()
    {
        menu("mnuconnect");
        inLink<QComboBox>("Combo1")->setCurrentText(QStringLiteral("COM1"));
        QTest::mouseClick(inLink<QPushButton>("Command3"), Qt::LeftButton);
        click("Command2");
    }
    QStringList texts()
    {
        QStringList all;
        for (const auto& m : messages.messages)
            all << m.text;
        return all;
    }
};

} // namespace

// The commands through the program's own windows and menus.
class TestLinkWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }
    void oneDialogAndOneLink();
    void faultsEndInOneMessage_data();
    void faultsEndInOneMessage();
    void sendersRefusedDuringADownload();
    void refusedDownloadRecorded();
    void everyDoorUnit();
    void languages_data();
    void languages();
    void buildingLabel();

private:
    QTemporaryDir m_config;
};

// Referred to first by Load Default, the dialog loads hidden (100 ms) and is
// the one Connect shows, modeless. The download loads a closed directory
// window without showing it. The frame's close box discards the dialog with
// its link and closes the port; the next reference loads a fresh one.
void TestLinkWindows::oneDialogAndOneLink()
{
    Running program;
    program.menu("mnuLD");
    QWidget* dialog = program.linkDialog();
    QVERIFY(dialog->isHidden());
    program.menu("mnuconnect");
    QVERIFY(program.linkDialog() == dialog && dialog->isVisible() && !dialog->isModal());
    program.openPort();
    program.menu("mnuLD");
    program.menu("mnuLD");
    QCOMPARE(program.port.written, QByteArray::fromHex("9090"));

    program.menu("mnuNew");
    for (QMdiSubWindow* frame : program.main().mdiArea()->subWindowList())
        frame->close();
    QTRY_VERIFY(program.main().findChildren<TelNumWindow*>().isEmpty());
    program.ctrlD();
    QCOMPARE(program.port.written.size(), 2 + 1 + 6 * 44 + 3);
    const auto windows = program.main().findChildren<TelNumWindow*>();
    QVERIFY(windows.size() == 1 && !windows[0]->isVisible());
    QCOMPARE(windows[0]->datPrimaryRS().absolutePosition(), RecordCursor::kAfterLast);

    program.menu("mnuconnect");
    program.inLink<QLineEdit>("Text1")->setText(QStringLiteral("9"));
    program.inLink<QCheckBox>("Check2")->setChecked(true);
    QPointer<QWidget> old(dialog);
    QVERIFY(dialog->close() && !program.port.isOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    program.menu("mnuLD");
    program.menu("mnuconnect");
    QCOMPARE(program.inLink<QLineEdit>("Text1")->text(), QStringLiteral("2"));
    QVERIFY(!program.inLink<QCheckBox>("Check2")->isChecked());
    QCOMPARE(program.inLink<QComboBox>("Combo1")->currentIndex(), -1);
    QCOMPARE(program.shell->serialLink().lineSettings(), SerialPort::LineSettings{});
    QCOMPARE(program.pauser.pauses.count(100), 2); // loaded twice
    QCOMPARE(program.texts(), (QStringList{"串口未选择", "Data download complete", "串口未选择"}));
}

void TestLinkWindows::faultsEndInOneMessage_data()
{
    // On the recording port: "bytes:n" takes n bytes, "drain:n" fails drains
    // from the nth pause (the dialog's load is the first). On a pty, the door
    // unit's side hangs up before, during (hangup:n) or after a download, or
    // while the dialog holds the port; or another program holds the device.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message"); // how the first message starts
    const QString stopped = QStringLiteral("The download stopped: the link to the door unit "
                                           "failed after %1 of 6 rooms were sent.");
    QTest::addColumn<QString>("record"); // how the history tells it
    const QString after = QStringLiteral("stopped after %1 of 6 rooms");
    QTest::newRow("on the first room") << "bytes:1" << stopped.arg(0) << after.arg(0);
    QTest::newRow("inside a batch") << "bytes:89" << stopped.arg(2) << after.arg(2);
    QTest::newRow("in the final drain") << "drain:401" << stopped.arg(6) << after.arg(6);
    QTest::newRow("hang-up before the first byte") << "hangup:0" << stopped.arg(0) << after.arg(0);
    QTest::newRow("hang-up in a batch pause") << "hangup:101" << stopped.arg(5) << after.arg(5);
    // Another PC adds a room, announced in a batch pause: the rooms checked go out.
    QTest::newRow("room added in a batch pause") << "added:101"
                                                 << "Data download complete"
                                                 << "complete";
    QTest::newRow("hang-up after a download") << "after:0"
                                              << "Data download complete"
                                              << "complete";
    QTest::newRow("hang-up while the dialog holds the port") << "dialog:0"
                                                             << "设置未能完整发送到门口机：\r\n"
                                                             << "stopped";
    QTest::newRow("port held by another program") << "held:0"
                                                  << "其它错误。错误号:16"
                                                  << "";
}

// Each ends in one message the operator can dismiss, no progress window left
// behind, and menus that answer: Load Default then gives one message more.
void TestLinkWindows::faultsEndInOneMessage()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(QString, record);
    const QString how = fault.section(u':', 0, 0);
    const int at = fault.section(u':', 1).toInt();
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", pty.devicePath());
    PosixSerialPort other;
    if (how == "held")
        QCOMPARE(other.open(pty.devicePath(), SerialLink::kDoorUnitSettings), 0);
    Running program(how != "bytes" && how != "drain");
    program.menu("mnuNew");
    program.openPort();
    program.port.writeLimit = how == "bytes" ? at : -1;
    if (how == "dialog" || fault == "hangup:0")
        pty.closeMaster();
    program.pauser.onPause = [&](qsizetype n) {
        if (n == at && how == "drain")
            program.port.drainFails = true;
        else if (n == at && how == "hangup")
            pty.closeMaster();
        else if (n == at && how == "added") {
            testdb::exec(program.dir.filePath(schema::kDirectoryFile),
                         "INSERT INTO Room_tel (Room, TEL1) VALUES ('207', '1')");
            QVERIFY(program.objects->directory()->merge());
        }
    };
    if (how == "dialog") {
        program.menu("mnuconnect");
        program.click("Command1");
    } else if (how != "held") {
        program.ctrlD();
    }
    if (how == "after")
        pty.closeMaster();
    QCOMPARE(program.messages.messages.size(), 1);
    QVERIFY2(program.texts()[0].startsWith(message), qPrintable(program.texts()[0]));
    const QList<TransferRecord> history =
        TransferLog(program.dir.filePath(schema::kDirectoryFile)).history().value();
    QCOMPARE(history.isEmpty() ? QString() : history.first().outcomeText().left(record.size()),
             record);
    if (how == "added") {
        QCOMPARE(pty.readAll().count('$'), 6);
        QCOMPARE(history.first().sent, 6);
        QCOMPARE(TransferLog(program.dir.filePath(schema::kDirectoryFile))
                     .rooms(history.first().id)
                     ->size(),
                 6);
        QCOMPARE(program.objects->directory()->rowCount(), 7); // merged once it ended
        QVERIFY(program.usable());
        return;
    }
    QVERIFY(program.usable());
    program.menu("mnuLD");
    QCOMPARE(program.messages.messages.size(), 2);
    QVERIFY(program.usable());
}

// Routes the modal progress window does not block (a timer, an accessibility
// action) reach every sender during a batch pause: each is refused and the
// download's bytes go out unbroken.
void TestLinkWindows::sendersRefusedDuringADownload()
{
    Running program;
    program.menu("mnuNew");
    program.openPort();
    QWidget* dialog = program.linkDialog();
    program.pauser.onPause = [&](qsizetype n) {
        if (n != 1 + 100)
            return;
        program.menu("mnuconnect");
        program.click("Command1");
        program.click("Command3");
        program.menu("mnuLD");
        program.menu("mnuDownload");
        dialog->close();
    };
    program.ctrlD();

    QCOMPARE(program.port.written.size(), 1 + 6 * 44 + 3);
    QVERIFY(!program.port.written.contains('\x90') && !program.port.written.contains('\x94'));
    const QString zh = QStringLiteral("另一个命令正在向门口机发送数据，本次未发送。\r\n"
                                      "请等它完成后再试。");
    const QString en = QStringLiteral("Another command is still sending to the door unit, so "
                                      "nothing was sent. Try again when it has finished.");
    QCOMPARE(program.texts(), (QStringList{zh, zh, zh, en, zh, "Data download complete"}));
    QCOMPARE(program.linkDialog(), dialog);
    QVERIFY(program.shell->serialLink().portLocked() && program.shell->serialLink().isOpen());
}

// A download the program refuses before it loads the directory window is
// recorded as every other refusal, naming no port when none was chosen.
void TestLinkWindows::refusedDownloadRecorded()
{
    Running program;
    emit program.main().downloadRequested();
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].text, "COM not selected");
    const QList<TransferRecord> records =
        TransferLog(program.dir.filePath(schema::kDirectoryFile)).history().value();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records[0].portText() + ' ' + records[0].outcomeText(),
             "no port refused: no port chosen and opened in the Connect dialog");
}

QTEST_MAIN(TestLinkWindows)
#include "tst_linkwindows.moc"

// One unit: no unit list and no Tools item, as ever. Three: the Connect
// dialog's port follows the unit chosen, and the download to every unit
// sends to each pseudo-terminal at once while the unit whose device is
// missing fails alone with the port's message; the panel counts them.
void TestLinkWindows::everyDoorUnit()
{
    Running program;
    QVERIFY(!program.main().menuAction(QStringLiteral("mnuDownloadAll"))->isVisible());
    program.menu("mnuconnect");
    QVERIFY(!program.inLink<QComboBox>("cboUnit"));
    program.click("Command2");

    PseudoTerminal ptys[2];
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
    settings.setValue("Ports/COM1", ptys[0].devicePath());
    settings.setValue("Ports/COM2", ptys[1].devicePath());
    settings.setValue("Ports/COM3", program.dir.filePath("no-such-device"));
    settings.sync();
    const QString roomFile = program.dir.filePath(schema::kDirectoryFile);
    QVERIFY(doorunits::add(roomFile, "East", 2));
    QVERIFY(doorunits::add(roomFile, "West", 3));
    program.objects->doorUnit().reload();
    QVERIFY(program.main().menuAction(QStringLiteral("mnuDownloadAll"))->isVisible());
    auto* unit = program.inLink<QComboBox>("cboUnit");
    QVERIFY(unit && unit->isVisibleTo(program.linkDialog()));
    emit unit->activated(1);
    QCOMPARE(program.inLink<QComboBox>("Combo1")->currentText(), QStringLiteral("COM2"));
    QCOMPARE(program.objects->unit(), 2);

    program.menu("mnuDownloadAll");
    auto* window = program.main().findChild<QDialog*>(QStringLiteral("unitsProgress"));
    QVERIFY(window);
    QStringList lines;
    for (int i = 1; i <= 3; ++i)
        lines << window->findChild<QLabel*>(QString("unitLine%1").arg(i))->text();
    settings.remove("Ports");
    QCOMPARE(lines.mid(0, 2), (QStringList{"Door unit (COM1): complete, 6 rooms sent",
                                           "East (COM2): complete, 6 rooms sent"}));
    QVERIFY2(lines[2].startsWith("West (COM3): nothing sent: 无效的串口号！"),
             qPrintable(lines[2]));
    for (PseudoTerminal& pty : ptys)
        QCOMPARE(pty.readAll().size(), 1 + 6 * 44 + 3);
    auto* panel = program.main().findChild<QLabel*>(QStringLiteral("sbDoorUnit"));
    QCOMPARE(panel->text(), QStringLiteral("Door units: 2 of 3 up to date"));
    QVERIFY2(panel->toolTip().contains("\nWest (COM3): never loaded from this PC"),
             qPrintable(panel->toolTip()));
}

void TestLinkWindows::languages_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("line");
    QTest::newRow("en") << "en"
                        << "Door units: 0 of 3 up to date"
                        << "East (COM2): 2 of 6 rooms sent, about 5 s left";
    QTest::newRow("zh_CN") << "zh_CN"
                           << "门口机：3 台中 0 台已是最新"
                           << "East (COM2)：已发送 2/6 个房间，约剩 5 秒";
}

// The transfer history, both progress windows and the door unit panel with
// its tooltip speak the catalogue's language; in English nothing is cut short.
void TestLinkWindows::languages()
{
    QFETCH(QString, code);
    QFETCH(QString, panel);
    QFETCH(QString, line);
    Running program;
    const QString roomFile = program.dir.filePath(schema::kDirectoryFile);
    QVERIFY(doorunits::add(roomFile, "East", 2));
    QVERIFY(doorunits::add(roomFile, "West", 3));
    QVERIFY(doorunits::rename(roomFile, doorunits::kFirstName, "大门", 1));
    QVERIFY(!language::install(code).isEmpty());
    program.objects->doorUnit().reload();
    auto* label = program.main().findChild<QLabel*>(QStringLiteral("sbDoorUnit"));
    QTRY_COMPARE(label->text(), panel);
    const QList<DoorUnit> units = *doorunits::read(roomFile);
    TransferHistoryWindow history(roomFile);
    history.reload();
    UnitsProgress each(units);
    QList<UnitsDownload::Line> lines(3);
    for (int i = 0; i < 3; ++i)
        lines[i].unit = units[i];
    lines[1].started = true;
    lines[1].sent = 2;
    lines[1].total = 6;
    each.showLines(lines, false);
    QCOMPARE(each.findChild<QLabel*>(QStringLiteral("unitLine2"))->text(), line);
    DownloadProgress one(9600);
    one.setRooms(2, 6);
    const QStringList texts = windowTexts(&history) + windowTexts(&each) + windowTexts(&one)
                              << label->text() << label->toolTip();
    // The units' own names are the operator's, in any language.
    const QStringList left = code == "en"
                                 ? chineseTexts(QStringList(texts).replaceInStrings("大门", "Gate"))
                                 : englishTexts(texts, {"East", "West", "COM1", "COM2", "COM3"});
    QStringList clipped;
    for (QWidget* window : {static_cast<QWidget*>(&history), static_cast<QWidget*>(&each),
                            static_cast<QWidget*>(&one)}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        clipped << (code == "en" ? clippedTexts(window) : QStringList());
    }
    language::uninstall();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('|'))));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('|'))));
}

// Last, since a server once chosen stays chosen: the building's panel and
// its tooltip in each language.
void TestLinkWindows::buildingLabel()
{
    Running program;
    const Expected<server::Place> place =
        server::parse("host=db.example dbname=quorvane", "Tower 7, east wing");
    QVERIFY(place);
    // A server whose changes cannot be heard: the status bar says so, and why.
    Program onServer(store::Location::building(*place), program.port, program.pauser);
    const QList<std::pair<QString, QString>> rows{{"en", "Building: Tower 7, east wing"},
                                                  {"zh_CN", "楼栋：Tower 7, east wing"}};
    for (const auto& [code, text] : rows) {
        QVERIFY(!language::install(code).isEmpty());
        Shell shell(onServer, program.messages);
        const auto* label = shell.mainWindow().statusBar()->findChild<QLabel*>("sbBuilding");
        const QStringList shown{label->text(), label->toolTip()};
        language::uninstall();
        QCOMPARE(shown[0], text);
        QVERIFY2(code == "en" ? chineseTexts(shown).isEmpty() : shown[1].endsWith("的房间目录。"),
                 qPrintable(shown[1]));
    }
    Shell shell(onServer, program.messages);
    const auto* live = shell.mainWindow().statusBar()->findChild<QLabel*>("sbLiveUpdates");
    QVERIFY(live && !live->isHidden());
    QVERIFY2(live->text().startsWith("Live updates are off: the database server db.example:"),
             qPrintable(live->text()));
    // A name longer than the status bar leaves room for ends with "…", never
    // cut off unseen, so that "Tower 7" is not taken for "Tower 7, east wing".
    shell.mainWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&shell.mainWindow()));
    const QStringList clipped = clippedTexts(&shell.mainWindow());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('|'))));
    QRect taken;
    for (const char* name : {"sbDoorUnit", "sbBuilding", "sbLiveUpdates"}) {
        const QRect at = shell.mainWindow().statusBar()->findChild<QLabel*>(name)->geometry();
        QVERIFY2(!at.intersects(taken), name);
        taken = taken.united(at);
    }
}
