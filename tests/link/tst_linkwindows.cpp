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
#include "uipauser.h"

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

#include <atomic>
#include <poll.h>
#include <thread>
#include <unistd.h>

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
    void ctrlD() { QTest::keyClick(&main(), Qt::Key_D, Qt::ControlModifier); }
    QWidget* linkDialog() { return main().findChild<QWidget*>(QStringLiteral("frmLink")); }
    template <typename T> T* inLink(const char* name)
    {
        return linkDialog()->findChild<T*>(QString::fromLatin1(name));
    }
    // Connect, choose the entry, open it and hide the dialog with Cancel.
    void openPort(const QString& entry)
    {
        menu("mnuconnect");
        inLink<QComboBox>("Combo1")->setCurrentText(entry);
        QTest::mouseClick(inLink<QPushButton>("Command3"), Qt::LeftButton);
        QTest::mouseClick(inLink<QPushButton>("Command2"), Qt::LeftButton);
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
    void initTestCase();
    void downloadOnlyAfterNewAndOnlyWithAPort();
    void downloadLoadsAClosedDirectoryWindowWithoutShowingIt();
    void connectShowsOneDialogThatKeepsItsValues();
    void loadDefaultFromTheMenu();
    void uiPauserKeepsTheEventLoopRunning();
    void realPortAndPauses();

private:
    QTemporaryDir m_config;
};

void TestLinkWindows::initTestCase()
{
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

void TestLinkWindows::downloadOnlyAfterNewAndOnlyWithAPort()
{
    Program program(6);
    QStringList log;
    RecordingSerialPort port(&log);
    RecordingPauser pauser(&log);
    program.shell->useLinkDevices(port, pauser);
    program.shell->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.main()));

    program.ctrlD();
    QVERIFY(log.isEmpty());
    QVERIFY(program.messages.messages.isEmpty());
    QVERIFY(!program.linkDialog());

    program.menu("mnuNew");
    program.ctrlD();
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].text, QStringLiteral("COM not selected"));
    QCOMPARE(program.messages.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(program.messages.messages[0].icon, Icon::Exclamation);
    QCOMPARE(log, QStringList{QStringLiteral("pause 100")}); // the dialog's load, nothing sent
    QVERIFY(program.linkDialog()->isHidden());

    program.openPort(QStringLiteral("COM1"));
    QVERIFY(program.linkDialog()->isHidden());
    program.messages.messages.clear();
    port.clearLog();
    bool progressShownAtTheEnd = true;
    int progressValue = -1;
    program.messages.onShow = [&](const RecordingMessageSink::Message&) {
        auto* progress = program.main().findChild<QProgressDialog*>("downloadProgress");
        progressShownAtTheEnd = progress && progress->isVisible();
        progressValue = progress ? progress->value() : -1;
    };
    program.ctrlD();

    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].text, QStringLiteral("Data download complete"));
    QCOMPARE(program.messages.messages[0].title, QStringLiteral("OK"));
    QCOMPARE(program.messages.messages[0].icon, Icon::Information);
    QVERIFY(!progressShownAtTheEnd);
    QCOMPARE(progressValue, 6);
    QCOMPARE(port.written(), "\x95" + records(5) + "," + records(6).mid(5 * 44) + ",.");
    QCOMPARE(pauser.totalMilliseconds(), 100 + 4000);
    QVERIFY(!program.main().findChild<QProgressDialog*>("downloadProgress"));

    const QList<TelNumWindow*> windows = program.directoryWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows[0]->datPrimaryRS().absolutePosition(), RecordCursor::kAfterLast);
    QVERIFY(port.isOpen());
}

void TestLinkWindows::downloadLoadsAClosedDirectoryWindowWithoutShowingIt()
{
    Program program(2);
    RecordingSerialPort port;
    RecordingPauser pauser;
    program.shell->useLinkDevices(port, pauser);
    program.shell->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.main()));
    program.menu("mnuNew");
    program.openPort(QStringLiteral("COM2"));
    for (QMdiSubWindow* frame : program.main().mdiArea()->subWindowList())
        frame->close();
    QTRY_VERIFY(program.directoryWindows().isEmpty());

    program.ctrlD();
    QCOMPARE(program.messages.messages.last().text, QStringLiteral("Data download complete"));
    QCOMPARE(port.written(), "\x95" + records(2) + ",.");
    const QList<TelNumWindow*> windows = program.directoryWindows();
    QCOMPARE(windows.size(), 1);
    QVERIFY(!windows[0]->isVisible());
}

void TestLinkWindows::connectShowsOneDialogThatKeepsItsValues()
{
    Program program(1);
    RecordingSerialPort port;
    RecordingPauser pauser;
    program.shell->useLinkDevices(port, pauser);
    program.shell->show();
    program.menu("mnuconnect");
    QWidget* dialog = program.linkDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(!program.main().isHidden()); // modeless: the main window stays usable
    program.inLink<QComboBox>("Combo1")->setCurrentText(QStringLiteral("COM4"));
    dialog->close();
    program.menu("mnuconnect");
    QCOMPARE(program.linkDialog(), dialog);
    QCOMPARE(program.main().findChildren<QDialog*>(QStringLiteral("frmLink")).size(), 1);
    QCOMPARE(program.inLink<QComboBox>("Combo1")->currentText(), QStringLiteral("COM4"));
    QCOMPARE(pauser.pauses(), QList<int>{100});
}

void TestLinkWindows::loadDefaultFromTheMenu()
{
    Program program(1);
    RecordingSerialPort port;
    RecordingPauser pauser;
    program.shell->useLinkDevices(port, pauser);
    program.shell->show();

    program.menu("mnuLD");
    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].text, QStringLiteral("串口未选择"));
    QCOMPARE(program.messages.messages[0].title, QStringLiteral("出错"));
    QVERIFY(port.written().isEmpty());
    QVERIFY(program.linkDialog()->isHidden()); // loaded by the reference, not shown

    program.openPort(QStringLiteral("COM1"));
    program.menu("mnuLD");
    program.menu("mnuLD");
    QCOMPARE(port.written(), QByteArray::fromHex("9090"));
    QCOMPARE(program.messages.messages.size(), 1);
}

void TestLinkWindows::uiPauserKeepsTheEventLoopRunning()
{
    UiPauser pauser;
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        pauser.pause(10);
    // Never shorter than asked; timers ran meanwhile, as the windows' painting does.
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(ticks > 0);
}

// Real time, on a pseudo-terminal with the program's own pauser: what the
// operator does from the menus reaches the door unit's side intact.
void TestLinkWindows::realPortAndPauses()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM3", pty.devicePath());

    QByteArray received;
    std::atomic<bool> stop{false};
    std::thread reader([&] {
        while (!stop) {
            pollfd p{pty.master(), POLLIN, 0};
            if (poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            char buffer[4096];
            const ssize_t n = ::read(pty.master(), buffer, sizeof buffer);
            if (n > 0)
                received.append(buffer, n);
        }
    });

    Program program(3);
    program.shell->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.main()));
    program.menu("mnuNew");
    program.menu("mnuconnect");
    program.inLink<QComboBox>("Combo1")->setCurrentText(QStringLiteral("COM3"));
    QTest::mouseClick(program.inLink<QPushButton>("Command3"), Qt::LeftButton);
    SerialPort::LineSettings line;
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), line));
    QCOMPARE(line, SerialLink::kDoorUnitSettings);
    program.linkDialog()->findChild<QAbstractButton*>("Check1")->setChecked(true);
    QTest::mouseClick(program.inLink<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(program.linkDialog()->isHidden());

    // The progress window is up and the clock keeps ticking during the pauses.
    int ticksWithProgress = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        auto* progress = program.main().findChild<QProgressDialog*>("downloadProgress");
        if (progress && progress->isVisible() && progress->isModal())
            ++ticksWithProgress;
    });
    watch.start(100);
    program.ctrlD();
    watch.stop();
    program.menu("mnuLD");
    QTest::qWait(100);
    stop = true;
    reader.join();

    QCOMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].text, QStringLiteral("Data download complete"));
    QVERIFY(ticksWithProgress > 0);
    QCOMPARE(received, QByteArray::fromHex("9493029701") + "\x95" + records(3) + ",." +
                           QByteArray::fromHex("90"));
}

QTEST_MAIN(TestLinkWindows)
#include "tst_linkwindows.moc"
