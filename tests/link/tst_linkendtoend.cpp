#include "commandline.h"
#include "companionenvironment.h"
#include "doorunitdecoder.h"
#include "frames.h"
#include "portdoctor.h"
#include "portfactory.h"
#include "posixserialport.h"
#include "pseudoterminal.h"
#include "recordingserialport.h"
#include "sleepingpauser.h"
#include "uipauser.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <atomic>
#include <fcntl.h>
#include <netinet/in.h>
#include <numeric>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
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

Frame directoryOf(int rooms)
{
    frames::DirectorySequence sequence;
    Frame download = sequence.begin();
    for (int i = 1; i <= rooms; ++i) {
        download +=
            sequence.row(*frames::directoryRecord({QString::number(100 + i), "139", {}, {}}));
        if (sequence.batchFull() || i == rooms)
            download += sequence.endBatch();
    }
    return download + sequence.end();
}

quint16 freeTcpPort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    const bool bound = ::bind(s, reinterpret_cast<sockaddr*>(&a), size) == 0 &&
                       ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) == 0;
    ::close(s);
    return bound ? ntohs(a.sin_port) : 0;
}

// ser2net on 127.0.0.1 with the pseudo-terminal on its serial side.
struct DeviceServer
{
    QTemporaryDir dir;
    QProcess process;
    quint16 port = freeTcpPort();

    bool start(const QString& accepter, const QString& device, const QString& line)
    {
        QFile config(dir.filePath("ser2net.yaml"));
        if (!config.open(QIODevice::WriteOnly))
            return false;
        config.write(QStringLiteral("connection: &door\n  accepter: %1,127.0.0.1,%2\n"
                                    "  connector: serialdev,%3,%4,local\n"
                                    "  options:\n    kickolduser: true\n")
                         .arg(accepter)
                         .arg(port)
                         .arg(device, line)
                         .toUtf8());
        config.close();
        process.start("/usr/sbin/ser2net", {"-c", config.fileName(), "-n", "-d"});
        // Listening once /proc shows the socket (state 0A) on our port.
        const QByteArray listening = QStringLiteral(":%1 00000000:0000 0A")
                                         .arg(port, 4, 16, QLatin1Char('0'))
                                         .toUpper()
                                         .toLatin1();
        for (int i = 0; i < 100 && process.state() != QProcess::NotRunning; ++i, QTest::qWait(50))
            if (contents("/proc/net/tcp").contains(listening))
                return true;
        return false;
    }
};

// What arrives on the pty, with when: the pty takes bytes at once, so the
// batch pauses are measured on a modelled line at the door unit's rate after it, each byte
// leaving after the one before, as a door unit behind a real server sees them.
struct LineMonitor
{
    // ser2net passes bytes on a few milliseconds late, not always equally so.
    static constexpr int kDeliveryJitterMs = 10;
    explicit LineMonitor(int fd) : master(fd) {}
    ~LineMonitor() { finish(); }
    int master;
    std::atomic<bool> stop = false;
    QList<std::pair<qint64, QByteArray>> chunks;
    std::thread reader{[this] {
        QElapsedTimer clock;
        clock.start();
        char buffer[4096];
        while (!stop) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 20) > 0 && (p.revents & POLLIN)) {
                const ssize_t n = ::read(master, buffer, sizeof buffer);
                if (n > 0)
                    chunks.append({clock.nsecsElapsed(), QByteArray(buffer, n)});
            }
        }
    }};
    void finish()
    {
        stop = true;
        if (reader.joinable())
            reader.join();
    }
    QByteArray bytes() const
    {
        QByteArray all;
        for (const auto& chunk : chunks)
            all += chunk.second;
        return all;
    }
    QList<int> pausesMs() const
    {
        const qint64 byteNs = qint64(SerialPort::kBitsPerByte) * 1'000'000'000 / kDoorUnit.baud;
        QList<int> pauses;
        qint64 lineFree = 0, batchEnd = -1;
        for (const auto& [at, bytes] : chunks) {
            for (const char c : bytes) {
                const qint64 start = qMax(at, lineFree);
                if (batchEnd >= 0)
                    pauses << int((start - batchEnd) / 1'000'000);
                batchEnd = -1;
                lineFree = start + byteNs;
                if (c == ',')
                    batchEnd = lineFree;
            }
        }
        return pauses;
    }
};

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
    void throughTheMonitorProgram_data();
    void throughTheMonitorProgram();
    void framingErrors_data();
    void framingErrors();
    void monitorLink_data();
    void monitorLink();
    void monitorOptions_data();
    void monitorOptions();
    void deviceServer_data();
    void deviceServer();
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
// The companion sleeps its pauses out; the program waits in its event loop,
// a batch pause's 200 rounds at once.
void TestLinkEndToEnd::throughTheMonitorProgram_data()
{
    QTest::addColumn<bool>("eventLoop");
    QTest::newRow("sleeping") << false;
    QTest::newRow("event loop") << true;
}

void TestLinkEndToEnd::throughTheMonitorProgram()
{
    QFETCH(bool, eventLoop);
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
    SleepingPauser sleeping;
    UiPauser looping;
    SerialLink link(port, eventLoop ? static_cast<Pauser&>(looping) : sleeping);
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

// A door unit behind ser2net, raw and over RFC 2217: the bytes are a local
// port's, the line is set, and every batch pause counts from when the last
// byte has left the server's line. Each fault is told with the address.
void TestLinkEndToEnd::deviceServer_data()
{
    QTest::addColumn<QString>("accepter");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said");
    const QString rfc2217 = "telnet(rfc2217),tcp";
    QTest::newRow("raw") << "tcp"
                         << "tcp://127.0.0.1:%1" << 0 << QString();
    QTest::newRow("rfc2217") << rfc2217 << "rfc2217://127.0.0.1:%1" << 0 << QString();
    QTest::newRow("ser2net stopped mid-download")
        << "tcp"
        << "tcp://127.0.0.1:%1" << 0
        << "(the device server at tcp://127.0.0.1:%1 closed the connection) after ";
    QTest::newRow("rfc2217 at a raw port")
        << "tcp"
        << "rfc2217://127.0.0.1:%1" << EPROTO
        << "(rfc2217://127.0.0.1:%1 answers as a raw TCP port, not as RFC 2217; name it "
           "tcp://127.0.0.1:%1)";
    QTest::newRow("raw at an rfc2217 port")
        << rfc2217 << "tcp://127.0.0.1:%1" << EPROTO
        << "(tcp://127.0.0.1:%1 answers as Telnet with RFC 2217, not as a raw TCP port; name it "
           "rfc2217://127.0.0.1:%1)";
    QTest::newRow("refused") << QString() << "tcp://127.0.0.1:%1" << ECONNREFUSED
                             << "(the device server at 127.0.0.1:%1 refused the connection";
    QTest::newRow("unknown host") << QString() << "rfc2217://no-such-host.invalid:2001"
                                  << EHOSTUNREACH
                                  << "(the device server no-such-host.invalid is unknown";
}

void TestLinkEndToEnd::deviceServer()
{
    QFETCH(QString, accepter);
    QFETCH(QString, device);
    QFETCH(int, code);
    QFETCH(QString, said);
    if (!accepter.isEmpty() && !QFileInfo::exists("/usr/sbin/ser2net"))
        QSKIP("needs ser2net (Debian package ser2net)");
    PseudoTerminal pty;
    DeviceServer server;
    QVERIFY(pty.isValid() && server.port != 0);
    // The serial side starts elsewhere than the door unit's line, so only an
    // RFC 2217 open can have set it.
    const QString line = accepter == "tcp" ? "38400n81" : "9600n81";
    QVERIFY(accepter.isEmpty() || server.start(accepter, pty.devicePath(), line));
    device.replace("%1", QString::number(server.port));
    said.replace("%1", QString::number(server.port));
    mapCom(2, device);
    const std::unique_ptr<SerialPort> port = newSerialPort();
    const bool stopped = QTest::currentDataTag() == QLatin1String("ser2net stopped mid-download");
    RecordingPauser instant;
    instant.onPause = [&](qsizetype) { server.process.kill(), server.process.waitForFinished(); };
    SleepingPauser sleeping;
    SerialLink link(*port, stopped ? static_cast<Pauser&>(instant) : sleeping);
    link.configure(2);
    QCOMPARE(link.open(), code);
    if (code != 0) {
        QVERIFY2(link.failureDescription().startsWith("The device server " + device +
                                                      " (COM2) could not be used (") &&
                     link.failureDescription().contains(said),
                 qPrintable(link.failureDescription()));
        // The port doctor tells the same.
        const QString told = portdoctor::describeNetwork(device, true).what;
        QVERIFY2(told.contains(said.mid(1).remove(u')')), qPrintable(told));
        return;
    }
    const Frame download = directoryOf(stopped ? 40 : 6);
    RecordedLink local;
    local.link.configure(1);
    QVERIFY(local.link.open() == 0 && local.link.run(download));
    LineMonitor monitor(pty.master());
    QCOMPARE(link.run(download), !stopped);
    QTest::qWait(300); // what ser2net still passes on
    monitor.finish();
    if (stopped) {
        QVERIFY2(link.failureDescription().contains(said), qPrintable(link.failureDescription()));
        QVERIFY(monitor.bytes().size() < local.port.written.size());
        return;
    }
    QCOMPARE(monitor.bytes(), local.port.written);
    SerialPort::LineSettings seen{};
    QVERIFY(PosixSerialPort::readSettings(pty.watcher(), seen) && seen == kDoorUnit);
    link.close();
    const QString told = portdoctor::describeNetwork(device, true).what;
    QVERIFY2(told.contains(accepter == "tcp" ? "raw TCP" : "answers the COM-PORT-OPTION"),
             qPrintable(told));
    const QList<int> pauses = monitor.pausesMs();
    qInfo() << "batch pauses on the line after the server (ms):" << pauses;
    QCOMPARE(pauses.size(), 2);
    for (int pause : pauses)
        QVERIFY2(pause >= 2000 - LineMonitor::kDeliveryJitterMs && pause <= 3000,
                 qPrintable(QString::number(pause)));
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_linkendtoend.moc"
