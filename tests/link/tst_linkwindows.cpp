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

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
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
    std::unique_ptr<Shell> shell;

    explicit Program(int count)
    {
        testdb::create(dir.filePath(schema::kDirectoryFile), schema::directoryTable(),
                       rooms(count));
        testdb::create(dir.filePath(schema::kOperatorFile), schema::operatorTable(),
                       testdb::operators({{"admin", "1234"}}));
        shell = std::make_unique<Shell>(dir.path(), messages);
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
    // The recording devices instead of the real ones, the windows shown.
    void record(SerialPort& port, Pauser& pauser)
    {
        shell->useLinkDevices(port, pauser);
        shell->show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
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
    void connectAndLoadDefaultShareOneDialog();
    void realPortAndPauses();

private:
    QTemporaryDir m_config;
};

void TestLinkWindows::downloadOnlyAfterNewAndOnlyWithAPort()
{
    Program program(6);
    QStringList log;
    RecordingSerialPort port(&log);
    RecordingPauser pauser(&log);
    program.record(port, pauser);

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
    bool progressShownAtTheEnd = true;
    int progressValue = -1;
    program.messages.onShow = [&](const RecordingMessageSink::Message&) {
        auto* progress = program.main().findChild<QProgressDialog*>("downloadProgress");
        progressShownAtTheEnd = progress && progress->isVisible();
        progressValue = progress ? progress->value() : -1;
    };
    program.ctrlD();
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].icon, Icon::Information);
    QVERIFY(!progressShownAtTheEnd);
    QCOMPARE(progressValue, 6);
    const QByteArray download = "\x95" + records(5) + "," + records(6).mid(5 * 44) + ",.";
    QCOMPARE(port.written(), download);
    QCOMPARE(pauser.totalMilliseconds(), 100 + 4000);
    QVERIFY(!program.main().findChild<QProgressDialog*>("downloadProgress"));
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

void TestLinkWindows::connectAndLoadDefaultShareOneDialog()
{
    Program program(1);
    RecordingSerialPort port;
    RecordingPauser pauser;
    program.record(port, pauser);

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
}

// Real time, on a pseudo-terminal with the program's own pauser: what the
// operator does from the menus reaches the door unit's side intact.
void TestLinkWindows::realPortAndPauses()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM3", pty.devicePath());

    Program program(3);
    program.shell->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.main()));
    program.menu("mnuNew");
    program.menu("mnuconnect");
    program.inLink<QAbstractButton>("Check1")->setChecked(true);
    program.openPort(QStringLiteral("COM3"), "Command1");
    SerialPort::LineSettings line;
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), line));
    QCOMPARE(line, SerialLink::kDoorUnitSettings);
    QVERIFY(program.linkDialog()->isHidden());

    // The progress window is up and the clock keeps ticking during the pauses,
    // which are never shorter than asked.
    int ticksWithProgress = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        auto* progress = program.main().findChild<QProgressDialog*>("downloadProgress");
        if (progress && progress->isVisible() && progress->isModal())
            ++ticksWithProgress;
    });
    watch.start(100);
    QElapsedTimer clock;
    clock.start();
    program.ctrlD();
    const qint64 downloadMs = clock.elapsed();
    watch.stop();
    program.menu("mnuLD");
    const QByteArray received = pty.readAll();

    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].icon, Icon::Information);
    QVERIFY(ticksWithProgress > 0);
    QVERIFY2(downloadMs >= 2000, qPrintable(QString::number(downloadMs))); // the batch pause
    QCOMPARE(received, QByteArray::fromHex("9493029701") + "\x95" + records(3) + ",." +
                           QByteArray::fromHex("90"));
}

QTEST_MAIN(TestLinkWindows)
#include "tst_linkwindows.moc"
