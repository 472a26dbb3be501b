#include "commandline.h"
#include "companionenvironment.h"
#include "doorunitdecoder.h"
#include "frames.h"
#include "posixserialport.h"
#include "pseudoterminal.h"
#include "recordingserialport.h"
#include "sleepingpauser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <numeric>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

const SerialPort::LineSettings kDoorUnit = SerialLink::kDoorUnitSettings;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void mapCom(int number, const QString& device)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue(QStringLiteral("Ports/COM%1").arg(number), device);
}

} // namespace

// The serial device on a pseudo-terminal, and the door unit monitor program.
class TestLinkEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }
    void linkSetsTheLineAndRestoresItOnClose();
    void openRefusals();
    void linkFailsWhenNobodyReads();
    void throughTheMonitorProgram();
    void framingErrors_data();
    void framingErrors();
    void monitorLink_data();
    void monitorLink();
    void monitorOptions_data();
    void monitorOptions();
};

// The device starts at 9600 baud, 2 stop bits, cooked, so that what the port
// must change starts out different; closing puts it back.
void TestLinkEndToEnd::linkSetsTheLineAndRestoresItOnClose()
{
    PseudoTerminal pty;
    termios earlier{}, t{};
    QVERIFY(pty.isValid() && tcgetattr(pty.watcher(), &earlier) == 0);
    earlier.c_cflag |= CSTOPB;
    earlier.c_lflag |= ICANON | ECHO;
    earlier.c_oflag |= OPOST | ONLCR;
    earlier.c_iflag |= IXON;
    cfsetospeed(&earlier, B9600);
    QVERIFY(tcsetattr(pty.watcher(), TCSANOW, &earlier) == 0);
    QVERIFY(tcgetattr(pty.watcher(), &earlier) == 0);
    // Some adapters ignore what they cannot do (a pty keeps 8 bits and no
    // parity): only reading back shows it.
    PosixSerialPort probe;
    QCOMPARE(probe.open(pty.devicePath(), {38400, 'e', 7, 1}), EINVAL);
    QVERIFY(!probe.isOpen());
    mapCom(1, pty.devicePath());
    PosixSerialPort port;
    RecordingPauser pauser;
    SerialLink link(port, pauser);
    SerialPort::LineSettings seen{};
    link.configure(1);
    QCOMPARE(link.open(), 0);
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen) && seen == kDoorUnit);
    // A cooked line would turn \n into \r\n and eat 0x11/0x13.
    QByteArray all(256, 0);
    std::iota(all.begin(), all.end(), 0);
    QVERIFY(link.writeText(all) && link.waitUntilSent());
    QCOMPARE(pty.readAll(), all);
    link.close();
    QVERIFY(tcgetattr(pty.watcher(), &t) == 0);
    QVERIFY(t.c_cflag == earlier.c_cflag && t.c_lflag == earlier.c_lflag &&
            t.c_iflag == earlier.c_iflag && t.c_oflag == earlier.c_oflag);
}

// A missing device is told apart from other failures; a device another
// program holds is refused until it lets go, and nothing of the hold stays
// behind on a device another program keeps open.
void TestLinkEndToEnd::openRefusals()
{
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    PosixSerialPort first, second;
    QCOMPARE(first.open("/dev/quorvane-no-such-tty", kDoorUnit), int(SerialPort::kNoSuchPort));
    QCOMPARE(first.open("/dev/null", kDoorUnit), ENOTTY);
    QVERIFY(!first.isOpen() && !first.errorText().isEmpty() && !first.write("x"));
    QCOMPARE(first.open(pty.devicePath(), kDoorUnit), 0);
    QCOMPARE(second.open(pty.devicePath(), kDoorUnit), EBUSY);
    QCOMPARE(first.open(pty.devicePath(), kDoorUnit), EBUSY);
    first.close();
    QCOMPARE(second.open(pty.devicePath(), kDoorUnit), 0);
    int exclusive = 0;
    QVERIFY(ioctl(pty.watcher(), TIOCGEXCL, &exclusive) == 0 && exclusive == 1);
    second.close();
    QVERIFY(ioctl(pty.watcher(), TIOCGEXCL, &exclusive) == 0 && exclusive == 0);
}

// A device that takes no more data (nobody reads the other side, so the
// pty's buffer fills) ends in a link failure, not a hang.
void TestLinkEndToEnd::linkFailsWhenNobodyReads()
{
    PseudoTerminal pty;
    mapCom(1, pty.devicePath());
    PosixSerialPort port;
    RecordingPauser pauser;
    SerialLink link(port, pauser);
    link.configure(1);
    QCOMPARE(link.open(), 0);
    int sent = 0;
    while (sent < 64 && link.run({LinkStep::ofText(QByteArray(4096, '0')), LinkStep::drain()}))
        ++sent;
    QVERIFY2(sent < 64, "the device never stopped taking data");
    QVERIFY2(link.failureDescription().contains(" (the device took no data for "),
             qPrintable(link.failureDescription()));
    link.close();
    QVERIFY(!port.isOpen());
}

// Real time, as an operator runs it, decoded as the door unit would see it.
// The monitor prints the device to map, keeps the line up, and writes the
// decoded session for us.
void TestLinkEndToEnd::throughTheMonitorProgram()
{
    const QString json = m_config.filePath("session.json");
    QProcess monitor;
    monitor.setProcessEnvironment(companionEnvironment());
    monitor.start(QStringLiteral(DOORSIM_PATH), {"--json", json, "--exit-after-end"});
    QVERIFY(monitor.waitForStarted() && monitor.waitForReadyRead(5000));
    const QString banner = QString::fromUtf8(monitor.readLine()).trimmed();
    const QString device = banner.section(QStringLiteral("[Ports] COM1="), 1);
    QVERIFY2(banner.startsWith("Door unit monitor listening on " + device), qPrintable(banner));
    mapCom(4, device);
    PosixSerialPort port;
    SleepingPauser pauser;
    SerialLink link(port, pauser);
    link.configure(4);
    QCOMPARE(link.open(), 0);
    QVERIFY(link.run(frames::loadDefault()));
    // The monitor reads the line settings when data arrives; closing restores
    // the earlier ones, so let it see the byte first.
    QString seen;
    while (!seen.contains(QStringLiteral("load default")) && monitor.waitForReadyRead(5000))
        seen += QString::fromUtf8(monitor.readAllStandardOutput());
    link.close();
    // A holder killed before it could let go leaves the device exclusive; the
    // monitor clears that once nobody holds the device's lock.
    const int held = ::open(qPrintable(device), O_RDWR | O_NOCTTY);
    int exclusive = 1;
    QVERIFY(held >= 0 && ioctl(held, TIOCEXCL) == 0);
    for (int i = 0; i < 60 && exclusive; ++i, QTest::qWait(50))
        QVERIFY(ioctl(held, TIOCGEXCL, &exclusive) == 0);
    ::close(held);
    QCOMPARE(exclusive, 0);

    QCOMPARE(link.open(), 0);
    frames::DirectorySequence sequence;
    Frame download = sequence.begin();
    for (int i = 1; i <= 11; ++i) {
        download +=
            sequence.row(*frames::directoryRecord({QString::number(100 + i), "139", {}, {}}));
        if (sequence.batchFull() || i == 11)
            download += sequence.endBatch();
    }
    download += sequence.end();
    QVERIFY2(link.run(frames::settingsSequence(2, 3)) && link.run(download),
             qPrintable(link.failureDescription()));
    // Exit code 2 would mean a framing error.
    QVERIFY(monitor.waitForFinished(5000));
    QCOMPARE(monitor.exitCode(), 0);
    link.close();

    QStringList types;
    QStringList expected{"line: 38400 baud, 8 data bits, no parity, 1 stop bit", "loadDefault",
                         "settings: open time 2 s, auto mode 3 (Auto Answer + Auto Open)",
                         "directoryBegin"};
    for (int size : {5, 5, 1})
        expected << QStringList(size, "record") << "batchEnd"
                 << "batchPause";
    expected << "directory end: 11 rooms in 3 batches";
    const QJsonDocument session = QJsonDocument::fromJson(contents(json));
    for (const auto& value : session.object()["events"].toArray()) {
        const QJsonObject e = value.toObject();
        const QString type = e["type"].toString();
        types << (QStringList{"lineSettings", "settings", "directoryEnd"}.contains(type)
                      ? e["text"].toString()
                      : type);
        // The measured pauses, with room for a busy machine.
        const int pause = e[type == "settings" ? "pauseAfterOpenTimeMs" : "pauseMs"].toInt();
        if (type == "settings" || type == "batchPause")
            QVERIFY2(pause >= (type == "settings" ? 290 : 1900) && pause <= 3000,
                     qPrintable(QString::number(pause)));
    }
    QCOMPARE(types, expected);
}

// Bytes the door unit would misread are flagged.
void TestLinkEndToEnd::framingErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("errors");
    const QByteArray r = "0000101$12345678901@00000000000@00000000000#";
    QTest::newRow("short") << QByteArray("\x95"
                                         "0000101$1@2@3#,.")
                           << "bad record \"0000101$1@2@3#\": 14 characters instead of 44|a batch "
                              "without records";
    QTest::newRow("cut by ,") << QByteArray("\x95"
                                            "0000101$123,.")
                              << "record cut short by \",\": \"0000101$123\" (11 characters)|a "
                                 "batch without records";
    QTest::newRow("unknown byte") << QByteArray("\x42\x90") << "unknown byte 0x42";
    QTest::newRow("six in a batch") << "\x95" + r.repeated(6) + ",."
                                    << "batch 1 holds 6 records; the door unit takes 5";
    QTest::newRow("session ends mid-record")
        << "\x95" + r + "0000102$"
        << "directory cut off after 1 room: the session ended, inside the record \"0000102$\"";
}

void TestLinkEndToEnd::framingErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, errors);
    DoorUnitDecoder d;
    d.feed(bytes, 0);
    d.finish(1);
    QStringList seen;
    for (const auto& e : d.events())
        if (e.type == "framingError")
            seen << e.text.mid(QStringLiteral("framing error: ").size());
    QCOMPARE(seen.join(u'|'), errors);
}

// --link takes the place of an earlier link or of nothing, never of a file;
// it removes only its own link at the end. Nothing is sent, so --idle-exit
// must end the run by itself.
void TestLinkEndToEnd::monitorLink_data()
{
    QTest::addColumn<QString>("existing");
    for (const char* existing : {"free name", "link", "file", "directory", "replaced"})
        QTest::newRow(existing) << existing;
}

void TestLinkEndToEnd::monitorLink()
{
    QFETCH(QString, existing);
    QTemporaryDir dir;
    const QString path = dir.filePath("user_password.mdb");
    QFile file(path);
    QVERIFY(existing != "link" || QFile::link(dir.filePath("gone"), path));
    QVERIFY(existing != "file" || (file.open(QIODevice::WriteOnly) && file.write("rows") == 4));
    file.close();
    QVERIFY(existing != "directory" || QDir(dir.path()).mkdir("user_password.mdb"));
    const bool refused = existing == "file" || existing == "directory";
    QProcess monitor;
    monitor.setProcessEnvironment(companionEnvironment());
    monitor.start(QStringLiteral(DOORSIM_PATH),
                  {"--link", path, "--idle-exit", existing == "replaced" ? "600" : "0.2"});
    if (existing == "replaced") {
        QVERIFY(monitor.waitForReadyRead(10000));
        QVERIFY(QFile::remove(path) && QFile::copy(QFINDTESTDATA("tst_linkendtoend.cpp"), path));
        monitor.terminate();
    }
    QVERIFY(monitor.waitForFinished(10000));
    QCOMPARE(monitor.exitCode(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(monitor.readAllStandardError(),
                 "quorvane-doorsim: " + path.toLocal8Bit() +
                     " exists and is not a symbolic link; it is left as it is. Give --link a "
                     "name that is free or holds an earlier link.\n");
        QVERIFY(existing == "directory" ? QFileInfo(path).isDir() : contents(path) == "rows");
        return;
    }
    QVERIFY(monitor.readAllStandardOutput().contains(" on " + path.toLocal8Bit() + " "));
    QCOMPARE(contents(path), existing == "replaced"
                                 ? contents(QFINDTESTDATA("tst_linkendtoend.cpp"))
                                 : QByteArray("(unreadable)"));
    QVERIFY(existing == "replaced" || !QFileInfo(path).isSymLink());
}

// What the monitor is given to write and wait for: a folder or an endless
// wait is refused up front; a FIFO gets the session and stays a FIFO.
void TestLinkEndToEnd::monitorOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("refusal");
    const QString idle = "quorvane-doorsim: --idle-exit takes 0 to 86400 seconds (0: never end "
                         "for lack of data), not ";
    QTest::newRow("--json a folder") << QStringList{"--json", "%1", "--idle-exit", "0.2"}
                                     << "quorvane-doorsim: --json: %1 is a folder. Name a file";
    for (const char* seconds : {"inf", "1e308", "nan", "-1"})
        QTest::newRow(seconds) << QStringList{"--idle-exit", seconds} << idle + seconds;
    QTest::newRow("unknown") << QStringList{"-json", "x"}
                             << "quorvane-doorsim: Unknown option 'json'.";
    QTest::newRow("no value") << QStringList{"--link"}
                              << "quorvane-doorsim: The option --link needs a value.";
    QTest::newRow("--json a FIFO")
        << QStringList{"--json", "%1/fifo", "--idle-exit", "0.2"} << QString();
}

void TestLinkEndToEnd::monitorOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo"));
    int reader = -1, keep = -1;
    if (refusal.isEmpty()) {
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        keep = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        QVERIFY(reader >= 0 && keep >= 0);
    }
    QProcess monitor;
    monitor.setProcessEnvironment(companionEnvironment());
    monitor.start(QStringLiteral(DOORSIM_PATH), arguments.replaceInStrings("%1", dir.path()));
    QVERIFY(monitor.waitForFinished(10000));
    if (!refusal.isEmpty()) {
        // Options it cannot use are a usage error; a file it cannot write is not.
        QCOMPARE(monitor.exitCode(), refusal.contains("--json:") ? 1 : commandline::kUsageError);
        const QString said = QString::fromLocal8Bit(monitor.readAllStandardError());
        QVERIFY2(said.startsWith(refusal.replace("%1", dir.path())), qPrintable(said));
        return;
    }
    QCOMPARE(monitor.exitCode(), 0);
    ::close(keep);
    QByteArray arrived(65536, '\0');
    const ssize_t n = ::read(reader, arrived.data(), size_t(arrived.size()));
    ::close(reader);
    QVERIFY(n > 0);
    arrived.truncate(n);
    QVERIFY2(QJsonDocument::fromJson(arrived).object().contains("events"), arrived.constData());
    struct stat st;
    QVERIFY(::stat(fifo.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_linkendtoend.moc"
