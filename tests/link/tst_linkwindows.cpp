#include "mainwindow.h"
#include "posixserialport.h"
#include "pseudoterminal.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "schema.h"
#include "seriallink.h"
#include "shell.h"
#include "telnumwindow.h"
#include "testdatabase.h"
#include "transferlog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Icon = MessageSink::Icon;

namespace {

QList<QVariantList> rooms(int count)
{
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i)
        rows << QVariantList{QString::number(201 + i), QStringLiteral("8765432"), QString(),
                             QString()};
    return rows;
}

QByteArray records(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes +=
            QStringLiteral("0000%1$87654320000@00000000000@00000000000#").arg(201 + i).toLatin1();
    return bytes;
}

// The program's windows over a directory of `count` rooms, as after a login.
struct Program
{
    QTemporaryDir dir;
    RecordingMessageSink messages;
    QStringList log;
    RecordingSerialPort recordingPort{&log};
    RecordingPauser pauser{&log};
    PosixSerialPort devicePort;
    std::unique_ptr<Shell> shell;
    // Whether a progress window was up while a message was, once the events
    // were run as a real message box runs them.
    bool progressWithMessage = false;

    // Over the recording port, or the real device with `device`.
    explicit Program(int count, bool device = false)
    {
        testdb::create(dir.filePath(schema::kDirectoryFile), schema::directoryTable(),
                       rooms(count));
        testdb::create(dir.filePath(schema::kOperatorFile), schema::operatorTable(),
                       testdb::operators({{"admin", "1234"}}));
        shell = std::make_unique<Shell>(
            dir.path(), messages, device ? static_cast<SerialPort&>(devicePort) : recordingPort,
            pauser);
        shell->setOperatorName(QStringLiteral("admin"));
        shell->show();
        messages.onShow = [this](const auto&) {
            QCoreApplication::processEvents();
            progressWithMessage |= progressShown();
        };
    }
    bool progressShown()
    {
        const auto all = main().findChildren<QProgressDialog*>();
        return std::any_of(all.begin(), all.end(), [](QWidget* w) { return w->isVisible(); });
    }
    // Nothing left on screen that holds the operator: the menus answer.
    bool usable()
    {
        QCoreApplication::processEvents();
        return !QApplication::activeModalWidget() && !progressShown() && !progressWithMessage;
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
    void click(const char* button)
    {
        QTest::mouseClick(linkDialog()->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Connect, choose the entry and open it; then the given button of the dialog.
    void openPort(const QString& entry, const char* then = "Command2")
    {
        menu("mnuconnect");
        inLink<QComboBox>("Combo1")->setCurrentText(entry);
        click("Command3");
        click(then);
    }
    QList<TelNumWindow*> directoryWindows()
    {
        return main().findChildren<TelNumWindow*>(QStringLiteral("tel_num"));
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
    void downloadOnlyAfterNewAndOnlyWithAPort();
    void failureAnywhereEndsInOneMessage_data();
    void failureAnywhereEndsInOneMessage();
    void sendersRefusedDuringADownload();
    void connectAndLoadDefaultShareOneDialog();
    void linkFaultsOverAPty_data();
    void linkFaultsOverAPty();

private:
    QTemporaryDir m_config;
};

void TestLinkWindows::downloadOnlyAfterNewAndOnlyWithAPort()
{
    Program program(6);
    QStringList& log = program.log;
    auto& port = program.recordingPort;
    auto& pauser = program.pauser;

    program.ctrlD();
    QVERIFY(log.isEmpty());
    QVERIFY(program.messages.messages.isEmpty());
    QVERIFY(!program.linkDialog());

    program.menu("mnuNew");
    program.ctrlD(); // no port: refused
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(log, QStringList{QStringLiteral("pause 100")}); // the dialog's load, nothing sent
    QVERIFY(program.linkDialog()->isHidden());

    program.openPort(QStringLiteral("COM1"));
    program.messages.messages.clear();
    program.ctrlD();
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].icon, Icon::Information);
    const QByteArray download = "\x95" + records(5) + "," + records(6).mid(5 * 44) + ",.";
    QCOMPARE(port.written(), download);
    QCOMPARE(pauser.totalMilliseconds(), 100 + 4000);
    QVERIFY(program.usable());
    QCOMPARE(program.directoryWindows().size(), 1);
    QCOMPARE(program.directoryWindows()[0]->datPrimaryRS().absolutePosition(),
             RecordCursor::kAfterLast);

    // With the directory window closed, the download loads it without showing it.
    for (QMdiSubWindow* frame : program.main().mdiArea()->subWindowList())
        frame->close();
    QTRY_VERIFY(program.directoryWindows().isEmpty());
    program.ctrlD();
    QCOMPARE(port.written(), download + download);
    QCOMPARE(program.directoryWindows().size(), 1);
    QVERIFY(!program.directoryWindows()[0]->isVisible());
}

void TestLinkWindows::failureAnywhereEndsInOneMessage_data()
{
    QTest::addColumn<qint64>("acceptedBytes"); // -1: writes fail only from failAtPause on
    QTest::addColumn<int>("failAtPause");      // counting the dialog's load pause; 0: none
    QTest::addColumn<bool>("drainsFail");      // at that pause drains fail, not writes
    QTest::addColumn<int>("sent");
    QTest::newRow("before the first byte") << qint64(0) << 0 << false << 0;
    QTest::newRow("on the first room") << qint64(1) << 0 << false << 0;
    QTest::newRow("inside a batch") << qint64(1 + 2 * 44) << 0 << false << 2;
    QTest::newRow("in a batch pause") << qint64(-1) << 1 + 100 << false << 5;
    QTest::newRow("in the final drain") << qint64(-1) << 1 + 400 << true << 6;
}

void TestLinkWindows::failureAnywhereEndsInOneMessage()
{
    QFETCH(qint64, acceptedBytes);
    QFETCH(int, failAtPause);
    QFETCH(bool, drainsFail);
    QFETCH(int, sent);
    Program program(6);
    auto& port = program.recordingPort;
    auto& pauser = program.pauser;
    program.menu("mnuNew");
    program.openPort(QStringLiteral("COM1"));
    port.failWritesAfter(acceptedBytes);
    pauser.onPause = [&](qsizetype n) {
        if (n == failAtPause && drainsFail)
            port.setDrainFails(true);
        else if (n == failAtPause)
            port.failWritesAfter(0);
    };
    program.ctrlD();

    QCOMPARE(program.messages.messages.size(), 1);
    QVERIFY(program.messages.messages[0].text.startsWith(
        QStringLiteral("The download stopped: the link to the door unit failed after %1 of 6 "
                       "rooms were sent.")
            .arg(sent)));
    QVERIFY(program.usable());
    program.menu("mnuLD"); // the menus answer
    QCOMPARE(program.messages.messages.size(), 2);
}

// Routes the modal progress window does not block (a timer, an accessibility
// action) reach every sender during a batch pause: each is refused and the
// download's bytes go out unbroken.
void TestLinkWindows::sendersRefusedDuringADownload()
{
    Program program(6);
    auto& port = program.recordingPort;
    auto& pauser = program.pauser;
    program.menu("mnuNew");
    program.openPort(QStringLiteral("COM1"));
    QWidget* dialog = program.linkDialog();
    pauser.onPause = [&](qsizetype n) {
        if (n != 1 + 100)
            return;
        program.menu("mnuconnect");
        program.inLink<QPushButton>("Command1")->click();
        program.inLink<QPushButton>("Command3")->click();
        program.menu("mnuLD");
        program.menu("mnuDownload");
        dialog->close();
    };
    program.ctrlD();

    QCOMPARE(port.written(), "\x95" + records(5) + "," + records(6).mid(5 * 44) + ",.");
    const QString zh = QStringLiteral("另一个命令正在向门口机发送数据，本次未发送。\r\n"
                                      "请等它完成后再试。");
    const QString en = QStringLiteral("Another command is still sending to the door unit, so "
                                      "nothing was sent. Try again when it has finished.");
    QStringList texts;
    for (const auto& m : program.messages.messages)
        texts << m.text;
    QCOMPARE(texts, (QStringList{zh, zh, zh, en, zh, QStringLiteral("Data download complete")}));
    QCOMPARE(program.linkDialog(), dialog);
    QVERIFY(program.shell->serialLink().portLocked() && program.shell->serialLink().isOpen());
}

void TestLinkWindows::connectAndLoadDefaultShareOneDialog()
{
    Program program(1);
    auto& port = program.recordingPort;
    auto& pauser = program.pauser;

    program.menu("mnuLD"); // no port: refused
    QCOMPARE(program.messages.messages.size(), 1);
    QVERIFY(port.written().isEmpty());
    QWidget* dialog = program.linkDialog();
    QVERIFY(dialog->isHidden()); // loaded by the reference, not shown

    program.menu("mnuconnect");
    QCOMPARE(program.linkDialog(), dialog);
    QVERIFY(dialog->isVisible() && !dialog->isModal()); // the main window stays usable
    QCOMPARE(program.main().findChildren<QDialog*>(QStringLiteral("frmLink")).size(), 1);
    program.openPort(QStringLiteral("COM1"));
    program.menu("mnuLD");
    program.menu("mnuLD");
    QCOMPARE(port.written(), QByteArray::fromHex("9090"));
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(pauser.pauses(), QList<int>{100}); // loaded once

    // The frame's close box discards the dialog with its link and closes the
    // port; the next reference loads a fresh one, as at the start.
    program.menu("mnuconnect");
    program.inLink<QLineEdit>("Text1")->setText(QStringLiteral("9"));
    program.inLink<QCheckBox>("Check2")->setChecked(true);
    QPointer<QWidget> old(dialog);
    QVERIFY(dialog->close());
    QVERIFY(!port.isOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    program.menu("mnuLD");
    QCOMPARE(program.messages.messages.size(), 2); // unlocked: refused
    QCOMPARE(pauser.pauses(), (QList<int>{100, 100}));
    program.menu("mnuconnect");
    QCOMPARE(program.inLink<QLineEdit>("Text1")->text(), QStringLiteral("2"));
    QVERIFY(!program.inLink<QCheckBox>("Check2")->isChecked());
    QCOMPARE(program.inLink<QComboBox>("Combo1")->currentIndex(), -1);
    QCOMPARE(program.shell->serialLink().lineSettings(), SerialPort::LineSettings{});
}

void TestLinkWindows::linkFaultsOverAPty_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message"); // how the last message starts
    QTest::addColumn<QString>("history"); // newest first
    const QString stopped = QStringLiteral("The download stopped: the link to the door unit "
                                           "failed after %1 of 6 rooms were sent.");
    QTest::newRow("hang-up before a download")
        << "before" << stopped.arg(0) << "download stopped after 0 of 6 rooms";
    QTest::newRow("hang-up during a download")
        << "during" << stopped.arg(5) << "download stopped after 5 of 6 rooms";
    QTest::newRow("hang-up after a download")
        << "after" << QStringLiteral("恢复默认设置的命令未能发送到门口机：\r\n")
        << "load default stopped;download complete";
    QTest::newRow("hang-up while the dialog holds the port")
        << "dialog" << QStringLiteral("设置未能完整发送到门口机：\r\n") << "settings stopped";
    QTest::newRow("port held by another program")
        << "held" << QStringLiteral("其它错误。错误号:16") << "";
}

// The door unit's side of the line goes away (the monitor restarted, the
// adapter pulled), or another program holds the device.
void TestLinkWindows::linkFaultsOverAPty()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(QString, history);
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM3", pty.devicePath());
    PosixSerialPort other;
    if (fault == "held")
        QCOMPARE(other.open(pty.devicePath(), SerialLink::kDoorUnitSettings), 0);

    Program program(6, true);
    auto& pauser = program.pauser;
    program.menu("mnuNew");
    program.openPort(QStringLiteral("COM3"));
    if (fault == "held") {
        QCOMPARE(program.messages.messages.size(), 1);
    } else if (fault == "dialog") {
        pty.closeMaster();
        program.menu("mnuconnect");
        program.click("Command1");
    } else {
        if (fault == "before")
            pty.closeMaster();
        pauser.onPause = [&](qsizetype n) {
            if (fault == "during" && n == 1 + 100)
                pty.closeMaster();
        };
        program.ctrlD();
        if (fault == "after") {
            QCOMPARE(program.messages.messages.value(0).text,
                     QStringLiteral("Data download complete"));
            pty.closeMaster();
            program.menu("mnuLD");
        }
    }
    QCOMPARE(program.messages.messages.size(), fault == "after" ? 2 : 1);
    const QString text = program.messages.messages.last().text;
    QVERIFY2(text.startsWith(message), qPrintable(text));
    QVERIFY(program.usable());

    QStringList records;
    const QList<TransferRecord> all =
        TransferLog(program.dir.filePath(schema::kDirectoryFile)).history().value();
    for (const TransferRecord& r : all) {
        QCOMPARE(r.operatorName + ' ' + r.port + ' ' + r.device, "admin COM3 " + pty.devicePath());
        records << TransferRecord::whatText(r.what) + ' ' + r.outcomeText().section(u':', 0, 0);
    }
    QCOMPARE(records.join(u';'), history);
}

QTEST_MAIN(TestLinkWindows)
#include "tst_linkwindows.moc"
