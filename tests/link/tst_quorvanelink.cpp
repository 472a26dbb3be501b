#include "companionenvironment.h"
#include "doorunitdecoder.h"
#include "doorunits.h"
#include "language.h"
#include "linktool.h"
#include "portdoctor.h"
#include "posixserialport.h"
#include "pseudoterminal.h"
#include "recordingserialport.h"
#include "testdatabase.h"
#include "transferlog.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

// quorvane-link over a pseudo-terminal with the door unit decoder at the far
// end, its pauses recorded on a clock of their own; and the port doctor on a
// made-up system tree.
namespace {

// A socket on 127.0.0.1 at a port of the system's choice, listening or not.
int localSocket(bool listen)
{
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    if (listen)
        ::listen(s, 4);
    return s;
}

int localPort(int socket)
{
    sockaddr_in a{};
    socklen_t size = sizeof a;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&a), &size);
    return ntohs(a.sin_port);
}

} // namespace

class TestQuorvaneLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void everyUnitAtOnce();
    void signalsStopADownload_data();
    void signalsStopADownload();
    void keeperOnce_data();
    void keeperOnce();
    void keeperKeeps();
    void doctor();
    void doctorBehindAClosedFolder();
    void speaksTheChosenLanguage_data();
    void speaksTheChosenLanguage();
};

// As the companion under the C locale: the source texts, counts in their form.
void TestQuorvaneLink::initTestCase()
{
    language::install(QStringLiteral("C"));
}

void TestQuorvaneLink::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("badRoom");
    QTest::addColumn<int>("rooms");
    QTest::addColumn<int>("stopAtPause");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("heard"); // the decoder's lines; "record" for each room
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("pausedMs");
    QTest::addColumn<QString>("device");   // COM1's device; empty: the pseudo-terminal
    QTest::addColumn<QString>("recorded"); // the record: where, then how it ended

    const QStringList batch = QStringList(5, "record") << "batch 1 end: 5 rooms";
    QTest::newRow("settings") << QStringList{"send-settings", "--port", "COM1",
                                             "--open-time",   "4",      "--auto-open"}
                              << "" << 6 << 0 << 0
                              << QStringList{"settings: open time 4 s, auto mode 2 (Auto Open), "
                                             "then 300 ms"}
                              << "Settings sent to COM1" << 300 << ""
                              << "COM1 (%1) complete";
    QTest::newRow("load default") << QStringList{"load-default", "--port", "1"} << "" << 6 << 0 << 0
                                  << QStringList{"load default"} << "Load Default sent to COM1" << 0
                                  << ""
                                  << "COM1 (%1) complete";
    QTest::newRow("download") << QStringList{"download", "--port", "COM1"} << "" << 6 << 0 << 0
                              << (QStringList{"directory begin"} + batch +
                                  QStringList{"pause after batch 1: 2000 ms", "record",
                                              "batch 2 end: 1 room", "pause after batch 2: 2000 ms",
                                              "directory end: 6 rooms in 2 batches"})
                              << "Data download complete: 6 rooms sent to COM1" << 4000 << ""
                              << "COM1 (%1) complete";
    QTest::newRow("one room") << QStringList{"download", "--port", "COM1"} << "" << 1 << 0 << 0
                              << QStringList{"directory begin", "record", "batch 1 end: 1 room",
                                             "pause after batch 1: 2000 ms",
                                             "directory end: 1 room in 1 batch"}
                              << "Data download complete: 1 room sent to COM1" << 2000 << ""
                              << "COM1 (%1) complete";
    QTest::newRow("open time too long")
        << QStringList{"send-settings", "--port=COM1", "--open-time", "300"} << "" << 6 << 0 << 1
        << QStringList{} << "设置未发送" << 0 << ""
        << "no port refused: open time \"300\" is not 0 to 255 seconds";
    // Whole seconds only: nothing that reads as another time goes out.
    for (const char* time : {"nan", "inf", "2.5", "1e2", "-0"})
        QTest::newRow(qPrintable(QString("open time %1").arg(time)))
            << QStringList{"send-settings", "--port=COM1", "--open-time", time} << "" << 6 << 0 << 1
            << QStringList{} << "设置未发送" << 0 << ""
            << QString("no port refused: open time \"%1\" is not 0 to 255 seconds").arg(time);
    QTest::newRow("a room that cannot be sent")
        << QStringList{"download", "--port", "COM1"} << "1.2" << 6 << 0 << 1 << QStringList{}
        << "Nothing was sent to the door unit: 1 of the 6 rooms cannot be sent" << 0 << ""
        << "COM1 (%1) refused: 1 of 6 rooms cannot be sent as they are";
    QTest::newRow("stopped in the first batch pause")
        << QStringList{"download", "--port", "COM1"} << "" << 6 << 100 << 2
        << (QStringList{"directory begin"} + batch)
        << "Stopped by Ctrl+C (SIGINT) with 5 of 6 rooms sent; COM1" << 1000 << ""
        << "COM1 (%1) stopped after 5 of 6 rooms: stopped by the operator with Ctrl+C (SIGINT)";
    // Not sent to what the port doctor calls no serial line, nor to an entry
    // naming no device.
    QTest::newRow("not a serial port")
        << QStringList{"download", "--port", "COM1"} << "" << 6 << 0 << 1 << QStringList{}
        << "/dev/ptmx is a virtual terminal, not a serial port" << 0 << "/dev/ptmx"
        << "COM1 (/dev/ptmx) refused: COM1 did not open (code 25)";
    QTest::newRow("empty entry") << QStringList{"load-default", "--port", "COM1"} << "" << 6 << 0
                                 << 1 << QStringList{}
                                 << "COM1 names no device: the line \"COM1=\" under [Ports] in "
                                 << 0 << "none"
                                 << "COM1 refused: COM1 did not open (code 8002)";
}

void TestQuorvaneLink::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, badRoom);
    QFETCH(int, rooms);
    QFETCH(int, stopAtPause);
    QFETCH(int, status);
    QFETCH(QStringList, heard);
    QFETCH(QString, said);
    QFETCH(int, pausedMs);
    QFETCH(QString, device);
    QFETCH(QString, recorded);

    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", device.isEmpty()   ? pty.devicePath()
                                : device == "none" ? QString()
                                                   : device);
    QList<QVariantList> directory;
    for (int i = 1; i <= rooms; ++i)
        directory << QVariantList{i == 3 && !badRoom.isEmpty() ? badRoom : QString::number(100 + i),
                                  "13912345678", QVariant(), ""};
    testdb::create(dir.filePath("Inhabitant_telnum.mdb"), schema::directoryTable(), directory);

    // Bytes reach the decoder at each pause, timed by the pauses before it.
    DoorUnitDecoder decoder;
    PosixSerialPort port;
    RecordingPauser pauser;
    volatile std::sig_atomic_t stop = 0;
    const auto hear = [&] {
        decoder.feed(pty.readAll(2),
                     std::accumulate(pauser.pauses.begin(), pauser.pauses.end(), 0));
    };
    pauser.onPause = [&](qsizetype n) {
        decoder.feed(pty.readAll(2),
                     std::accumulate(pauser.pauses.begin(), pauser.pauses.end(), 0) -
                         pauser.pauses.last());
        if (n == stopAtPause)
            stop = SIGINT;
    };
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    linktool::Console console{outStream, errStream, false};
    linktool::Environment environment{port, pauser, &stop, "ana"};
    QCOMPARE(linktool::run(arguments << dir.path(), console, environment), status);
    hear();
    // Every command recorded, refusals too; a port named only when one was in use.
    const TransferRecord record =
        TransferLog(dir.filePath("Inhabitant_telnum.mdb")).history(1).value().value(0);
    QCOMPARE(record.portText() + ' ' + record.outcomeText(),
             recorded.contains("%1") ? recorded.arg(pty.devicePath()) : recorded);

    QStringList lines;
    for (const DoorUnitDecoder::Event& e : decoder.events())
        lines << (e.type == QLatin1String("record") ? e.type
                  : e.type == QLatin1String("settings")
                      ? e.text +
                            QString(", then %1 ms").arg(e.fields["pauseAfterOpenTimeMs"].toInt())
                      : e.text);
    QCOMPARE(lines, heard);
    QVERIFY2(err.contains(said), qPrintable(err));
    QCOMPARE(std::accumulate(pauser.pauses.begin(), pauser.pauses.end(), 0), pausedMs);
    // Released: the device can be held again at once.
    PosixSerialPort again;
    QCOMPARE(again.open(pty.devicePath(), {}), 0);
}

namespace {

// The device of one door unit, whose monitor hangs up once `hangUpAfter` bytes went out.
class HangingPort : public PosixSerialPort
{
public:
    std::function<void()> hangUp;
    qint64 hangUpAfter = -1;
    bool write(const QByteArray& bytes) override
    {
        if (hangUpAfter >= 0 && (hangUpAfter -= bytes.size()) < 0 && hangUp)
            std::exchange(hangUp, {})();
        return PosixSerialPort::write(bytes);
    }
};

class SharedPauser : public Pauser
{
public:
    explicit SharedPauser(Pauser& inner) : m_inner(inner) {}
    void pause(int milliseconds) override { m_inner.pause(milliseconds); }

private:
    Pauser& m_inner;
};

} // namespace

// Three door units at once, the monitor of the second hanging up in its
// second batch: the others get the whole directory with their own pauses,
// the second stops with the device's message, and each record says which.
void TestQuorvaneLink::everyUnitAtOnce()
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    PseudoTerminal ptys[3];
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
    for (int i = 0; i < 3; ++i) {
        QVERIFY(ptys[i].isValid());
        settings.setValue(QString("Ports/COM%1").arg(i + 1), ptys[i].devicePath());
    }
    settings.sync();
    const QString roomFile = dir.filePath("Inhabitant_telnum.mdb");
    QList<QVariantList> rooms;
    for (int i = 1; i <= 12; ++i)
        rooms << QVariantList{QString::number(100 + i), "13912345678", "", ""};
    testdb::create(roomFile, schema::directoryTable(), rooms);
    QVERIFY(doorunits::add(roomFile, "East", 2));
    QVERIFY(doorunits::add(roomFile, "West", 3));

    RecordingPauser pausers[3];
    volatile std::sig_atomic_t stop = 0;
    PosixSerialPort unused;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    linktool::Console console{outStream, errStream, false};
    linktool::Environment environment{unused, pausers[0], &stop, "ana"};
    environment.newPort = [&](int n) {
        auto port = std::make_unique<HangingPort>();
        if (n == 2) {
            port->hangUpAfter = 1 + 7 * 45;
            port->hangUp = [&ptys] { ptys[1].closeMaster(); };
        }
        return port;
    };
    environment.newPauser = [&](int n) { return std::make_unique<SharedPauser>(pausers[n - 1]); };
    QCOMPARE(linktool::run({"download", dir.path(), "--all"}, console, environment), 2);

    for (int i : {0, 2}) {
        DoorUnitDecoder decoder;
        decoder.feed(ptys[i].readAll(), 0);
        QCOMPARE(decoder.events().last().text, QString("directory end: 12 rooms in 3 batches"));
        QCOMPARE(pausers[i].pauses.size(), 600); // 200 of 10 ms after each batch
    }
    QVERIFY2(err.contains("East: The download stopped: the link to the door unit failed after 7 "
                          "of 12 rooms were sent.\nThe serial device " +
                          ptys[1].devicePath() + " stopped accepting data (Input/output error)"),
             qPrintable(err));
    QStringList ended;
    const QList<TransferRecord> records = TransferLog(roomFile).history().value();
    for (const TransferRecord& r : records)
        ended << QString("%1 %2").arg(r.unit).arg(r.outcomeText().section(':', 0, 0));
    ended.sort();
    QCOMPARE(ended, QStringList({"1 complete", "2 stopped after 7 of 12 rooms", "3 complete"}));

    // Two ports leading to one device, one through a link: named before anything is sent.
    QVERIFY(QFile::link(ptys[0].devicePath(), dir.filePath("com3")));
    settings.setValue("Ports/COM3", dir.filePath("com3"));
    settings.sync();
    err.clear();
    QCOMPARE(linktool::run({"download", dir.path(), "--all"}, console, environment), 1);
    QVERIFY2(err.contains("Door unit (COM1) and West (COM3) both lead to the device " +
                          QFileInfo(ptys[0].devicePath()).canonicalFilePath()),
             qPrintable(err));
    QVERIFY(ptys[0].readAll().isEmpty());
    // One device server however its address is written: refused before any connection.
    settings.setValue("Ports/COM1", "tcp://Door-7.invalid:02001");
    settings.setValue("Ports/COM3", "rfc2217://door-7.INVALID:2001");
    settings.sync();
    err.clear();
    QCOMPARE(linktool::run({"download", dir.path(), "--all"}, console, environment), 1);
    QVERIFY2(err.contains("Door unit (COM1) and West (COM3) both lead to the device "
                          "rfc2217://door-7.INVALID:2001"),
             qPrintable(err));
    QCOMPARE(TransferLog(roomFile).history()->size(), 3);
}

void TestQuorvaneLink::signalsStopADownload_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("how");
    // The locale, the progress line waited for and what the operator is told.
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("progress");
    QTest::addColumn<QString>("told");
    const QString sent = " rooms sent, about ";
    QTest::newRow("terminal closed")
        << int(SIGHUP) << "SIGHUP (the terminal was closed)"
        << "C.UTF-8" << sent << "Stopped by SIGHUP (the terminal was closed) with ";
    QTest::newRow("SIGTERM") << int(SIGTERM) << "SIGTERM"
                             << "C.UTF-8" << sent << "Stopped by SIGTERM with ";
    // Told in Chinese; the record keeps the words every language reads it in.
    QTest::newRow("terminal closed, Chinese") << int(SIGHUP) << "SIGHUP (the terminal was closed)"
                                              << "zh_CN.UTF-8"
                                              << " 个房间，约剩 "
                                              << "后被 SIGHUP（终端已关闭） 停止；";
}

// The program itself, stopped by a signal in the pause after its first
// batch: the port is released, and the record tells who stopped it.
void TestQuorvaneLink::signalsStopADownload()
{
    QFETCH(int, signalNumber);
    QFETCH(QString, how);
    QFETCH(QString, lang);
    QFETCH(QString, progress);
    QFETCH(QString, told);
    QTemporaryDir dir;
    PseudoTerminal pty;
    QVERIFY(pty.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", pty.devicePath());
    QList<QVariantList> rooms;
    for (int i = 1; i <= 20; ++i)
        rooms << QVariantList{QString::number(100 + i), "13912345678", "", ""};
    const QString roomFile = dir.filePath("Inhabitant_telnum.mdb");
    testdb::create(roomFile, schema::directoryTable(), rooms);

    QProcess link;
    QProcessEnvironment env = companionEnvironment(lang);
    env.insert("XDG_CONFIG_HOME", dir.path());
    link.setProcessEnvironment(env);
    link.setReadChannel(QProcess::StandardError);
    link.start(LINK_PATH, {"download", dir.path(), "--port", "COM1"});
    QString err;
    while (!err.contains(progress) && link.waitForReadyRead(10000))
        err += QString::fromUtf8(link.readAllStandardError());
    QVERIFY2(err.contains(progress), qPrintable(err));
    QCOMPARE(::kill(pid_t(link.processId()), signalNumber), 0);
    QVERIFY(link.waitForFinished(10000));
    err += QString::fromUtf8(link.readAllStandardError());
    QCOMPARE(link.exitStatus(), QProcess::NormalExit);
    QCOMPARE(link.exitCode(), 2);
    QVERIFY2(err.contains(told), qPrintable(err));
    const QString outcome = TransferLog(roomFile).history(1).value().value(0).outcomeText();
    QVERIFY2(QRegularExpression("^stopped after \\d+ of 20 rooms: stopped by the operator with " +
                                QRegularExpression::escape(how) + "$")
                 .match(outcome)
                 .hasMatch(),
             qPrintable(outcome));
    PosixSerialPort again;
    QCOMPARE(again.open(pty.devicePath(), {}), 0);
}

namespace {

// A folder of six rooms whose first door unit is on a pseudo-terminal, for the keeper.
struct KeeperRig
{
    QTemporaryDir dir;
    PseudoTerminal pty;
    QString roomFile = dir.filePath("Inhabitant_telnum.mdb");

    KeeperRig()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
        settings.setValue("Ports/COM1", pty.devicePath());
        settings.setValue("Ports/COM2", dir.filePath("no-such-device"));
        settings.sync();
        QList<QVariantList> rooms;
        for (int i = 1; i <= 6; ++i)
            rooms << QVariantList{QString::number(100 + i), "13912345678", "", ""};
        testdb::create(roomFile, schema::directoryTable(), rooms);
    }
    void start(QProcess& link, const QStringList& arguments)
    {
        QProcessEnvironment env = companionEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path());
        link.setProcessEnvironment(env);
        link.start(LINK_PATH, QStringList{"keep", dir.path()} + arguments);
    }
    // Each record as "unit by: outcome".
    QStringList records() const
    {
        QStringList said;
        const QList<TransferRecord> history = TransferLog(roomFile).history().value();
        for (const TransferRecord& r : history)
            said.prepend(QString("%1 %2: %3").arg(r.unit).arg(r.byText(), r.outcomeText()));
        return said;
    }
};

// Reads the keeper's standard output until it holds text count times.
bool readUntil(QProcess& link, QString& out, const QString& text, int count = 1)
{
    while (out.count(text) < count && link.waitForReadyRead(30000))
        out += QString::fromUtf8(link.readAllStandardOutput());
    return out.count(text) >= count;
}

} // namespace

// The keeper once, as cron runs it: within its hours it sends, outside them not.
void TestQuorvaneLink::keeperOnce_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("status");
    const QTime now = QTime::currentTime();
    const auto at = [](const QTime& t) { return t.toString("HH:mm"); };
    const QString kept = "1 kept by the keeper on PC " + QSysInfo::machineHostName();
    QTest::newRow("within the hours")
        << at(now.addSecs(-3600)) + "-" + at(now.addSecs(3600)) << QStringList{kept + ": complete"}
        << "Door unit (COM1): 6 rooms sent." << 0;
    QTest::newRow("outside the hours")
        << at(now.addSecs(3600)) + "-" + at(now.addSecs(7200)) << QStringList{}
        << "Outside the hours it sends in: nothing was sent." << 0;
    QTest::newRow("hours not understood")
        << "25:00-01:00" << QStringList{}
        << "The hours \"25:00-01:00\" are neither FROM-TO, such as 22:00-06:00, nor any." << 64;
    QTest::newRow("hours that end where they begin")
        << "22:00-22:00" << QStringList{}
        << "The hours \"22:00-22:00\" end where they begin, so nothing would ever be sent; give "
           "a span such as 22:00-06:00, or any."
        << 64;
}

void TestQuorvaneLink::keeperOnce()
{
    QFETCH(QString, hours);
    QFETCH(QStringList, records);
    QFETCH(QString, said);
    QFETCH(int, status);
    KeeperRig rig;
    QProcess link;
    link.setProcessChannelMode(QProcess::MergedChannels);
    rig.start(link, {"--once", "--hours", hours});
    QVERIFY(link.waitForFinished(30000));
    const QString out = QString::fromUtf8(link.readAllStandardOutput());
    QCOMPARE(link.exitCode(), status);
    QVERIFY2(out.contains(said), qPrintable(out));
    QCOMPARE(rig.records(), records);
}

// The keeper running: the directory as it starts is sent once after the
// quiet time, and a change made while it sends once more; a unit that fails is tried again; a
// second keeper is refused, naming the first; a change is sent again, and SIGTERM in its pause ends
// the batch with the record saying how far it got.
void TestQuorvaneLink::keeperKeeps()
{
    KeeperRig rig;
    QProcess link;
    rig.start(link, {"--quiet", "1s", "--hours", "any"});
    // A change made while the first round sends is sent in a round of its own.
    pollfd sending{rig.pty.master(), POLLIN, 0};
    QVERIFY(poll(&sending, 1, 30000) == 1);
    testdb::exec(rig.roomFile, "UPDATE Room_tel SET TEL2 = '13911111111' WHERE Room = '102'");
    QString out;
    QVERIFY2(readUntil(link, out, "Door unit (COM1): 6 rooms sent.", 2), qPrintable(out));
    QVERIFY(doorunits::add(rig.roomFile, "East", 2));
    QVERIFY2(readUntil(link, out, "Tried again after", 2), qPrintable(out));
    QVERIFY(!rig.pty.readAll().isEmpty());
    const QString kept = "kept by the keeper on PC " + QSysInfo::machineHostName();
    QStringList records = rig.records();
    QCOMPARE(records.count("1 " + kept + ": complete"), 2);
    QVERIFY(records.filter("2 " + kept + ": refused: ").size() >= 2);

    QProcess second;
    rig.start(second, {"--once"});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 1);
    const QString refusal = QString::fromUtf8(second.readAllStandardError());
    QVERIFY2(refusal.contains(QString("is kept already, by process %1 on PC %2.")
                                  .arg(link.processId())
                                  .arg(QSysInfo::machineHostName())),
             qPrintable(refusal));

    testdb::exec(rig.roomFile, "UPDATE Room_tel SET TEL1 = '13900000000' WHERE Room = '101'");
    // The download has begun: the signal meets it part-way.
    pollfd first{rig.pty.master(), POLLIN, 0};
    QVERIFY(poll(&first, 1, 30000) == 1);
    QCOMPARE(::kill(pid_t(link.processId()), SIGTERM), 0);
    QVERIFY(link.waitForFinished(30000));
    out += QString::fromUtf8(link.readAllStandardOutput());
    QCOMPARE(link.exitCode(), 2);
    QVERIFY2(
        out.contains(QRegularExpression("Door unit \\(COM1\\): stopped by SIGTERM with [0-5] of "
                                        "6 rooms sent\\.")),
        qPrintable(out.right(800)));
    records = rig.records();
    QCOMPARE(records.filter("1 " + kept).size(), 3);
    QVERIFY2(!records
                  .filter(QRegularExpression(
                      "^1 " + kept +
                      ": stopped after [0-5] of 6 rooms: stopped by the operator with SIGTERM$"))
                  .isEmpty(),
             qPrintable(records.join('\n')));
}

void TestQuorvaneLink::doctor()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root);
    PseudoTerminal pty;
    QVERIFY(QFile::link(pty.devicePath(), root + "/doorunit"));
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane");
    settings.setValue("Ports/COM1", root + "/doorunit");
    settings.setValue("Ports/COM2", "/dev/ttyACM0");
    // A loop of links, an entry naming nothing, a device only its owner may open.
    settings.setValue("Ports/COM4", root + "/loop-a");
    settings.setValue("Ports/COM5", "");
    settings.setValue("Ports/COM6", "/dev/ttyS5");
    QVERIFY(QFile::link(root + "/loop-b", root + "/loop-a") &&
            QFile::link(root + "/loop-a", root + "/loop-b"));
    // Network ports: one that takes connections without speaking RFC 2217,
    // one nothing listens on.
    const int listening = localSocket(true), closed = localSocket(false);
    const QString up = QStringLiteral("127.0.0.1:%1").arg(localPort(listening));
    const QString down = QStringLiteral("127.0.0.1:%1").arg(localPort(closed));
    settings.setValue("Ports/COM7", "tcp://" + up);
    settings.setValue("Ports/COM8", "rfc2217://" + up);
    settings.setValue("Ports/COM9", "tcp://" + down);
    settings.sync();

    const auto write = [&](const QString& path, const QByteArray& text, mode_t mode = 0644) {
        QVERIFY(QDir().mkpath(QFileInfo(root + path).path()));
        QFile file(root + path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) >= 0);
        QVERIFY(::chmod(qPrintable(root + path), mode) == 0);
    };
    const auto link = [&](const QString& target, const QString& path) {
        QVERIFY(QDir().mkpath(QFileInfo(root + path).path()) && QFile::link(target, root + path));
    };
    // An FTDI adapter as sysfs shows it, and its stable name.
    const QString usb = "/sys/devices/usb1/1-1";
    const QStringList names{"idVendor", "0403",    "idProduct",       "6001",   "manufacturer",
                            "FTDI",     "product", "FT232R USB UART", "serial", "A50285BI"};
    for (qsizetype i = 0; i < names.size(); i += 2)
        write(usb + "/" + names[i], names[i + 1].toUtf8());
    QVERIFY(QDir().mkpath(root + usb + "/1-1:1.0/ttyUSB0"));
    link("../../../devices/usb1/1-1/1-1:1.0/ttyUSB0", "/sys/class/tty/ttyUSB0/device");
    const QString byId = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    link("../../ttyUSB0", byId);
    // Tests run as root, who may open anything: the doctor judges a user of
    // uid 1000 by the mode bits instead, against a device of group 20 only.
    write("/dev/ttyUSB0", {}, 0660);
    QVERIFY(::chown(qPrintable(root + "/dev/ttyUSB0"), 0, 20) == 0);
    // Another program with COM2's device open.
    write("/dev/ttyACM0", {}, 0666);
    write("/dev/ttyS5", {}, 0600);
    write("/proc/4242/comm", "minicom\n");
    link(root + "/dev/ttyACM0", "/proc/4242/fd/3");

    const portdoctor::Roots roots{root + "/sys", root + "/dev", root + "/proc"};
    const portdoctor::Identity ana{1000, {1000}, "ana", false};
    const QString text = portdoctor::reportText(portdoctor::examine(roots, ana));
    const group* g = ::getgrgid(20);
    const QString group = g ? QString::fromLocal8Bit(g->gr_name) : QStringLiteral("gid 20");
    for (const QString& expected :
         {QString("COM1  %1/doorunit  ([Ports])\n      %2: a pseudo-terminal")
              .arg(root, pty.devicePath()),
          QString("COM2  /dev/ttyACM0  ([Ports])\n      %1/dev/ttyACM0: not a device\n      "
                  "you may open it\n      open in minicom (pid 4242)")
              .arg(root),
          QString("COM3  /dev/ttyS2  (default)  does not exist\n"),
          QString("%1%2\n      %1/dev/ttyUSB0: USB serial adapter FTDI FT232R USB UART "
                  "(0403:6001), serial number A50285BI\n      you may not open it: join the "
                  "group %3 (sudo usermod -aG %3 ana)")
              .arg(root, byId, group),
          QString("under [Ports]: COM3=%1%2\n").arg(root, byId),
          QString("COM4  %1/loop-a  ([Ports])  cannot be reached: it is a link that leads round "
                  "in a loop (%1/loop-a leads to %1/loop-b)")
              .arg(root),
          QString("COM5    ([Ports])  names no device: the line \"COM5=\" under [Ports] in %1 is "
                  "empty")
              .arg(settings.fileName()),
          QString("you may not open it: only its owner %1 may (mode 600)")
              .arg(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name))})
        QVERIFY2(text.contains(expected), qPrintable(text));
    for (const QString& expected :
         {"COM7  tcp://" + up + "  ([Ports])\n      a device server over the network, raw TCP: " +
              "the server sets the line itself\n      its name resolves and it takes a connection",
          "COM8  rfc2217://" + up + "  ([Ports])  rfc2217://" + up +
              " answers as a raw TCP port, not as RFC 2217; name it tcp://" + up,
          "COM9  tcp://" + down + "  ([Ports])  the device server at " + down +
              " refused the connection"})
        QVERIFY2(text.contains(expected), qPrintable(text));
    ::close(listening);
    ::close(closed);
}

// A folder the user may not enter hides what lies in it: the doctor says so
// rather than that the device does not exist.
void TestQuorvaneLink::doctorBehindAClosedFolder()
{
    if (::geteuid() == 0)
        QSKIP("root enters every folder, whatever its mode");
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("closed")));
    QFile(dir.filePath("closed/ttyUSB0")).open(QIODevice::WriteOnly);
    QVERIFY(::chmod(QFile::encodeName(dir.filePath("closed")).constData(), 0) == 0);
    const portdoctor::Device d =
        portdoctor::describe(dir.filePath("closed/ttyUSB0"), portdoctor::Roots{},
                             portdoctor::Identity::current(), false);
    ::chmod(QFile::encodeName(dir.filePath("closed")).constData(), 0700);
    QCOMPARE(d.what, "cannot be examined: you may not enter the folder " + dir.filePath("closed") +
                         " that leads to it");
}

// The built companion refuses in the locale's language, or the one
// --language names; the C locale keeps the source text.
void TestQuorvaneLink::speaksTheChosenLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // what it begins with, on stdout or else stderr
    const QStringList wrongPort{"download", "--port", "COM12"};
    const int usage = linktool::kUsage;
    const QString english = "quorvane-link: The port \"COM12\" is not one of COM1 to COM9.\n"
                            "Try 'quorvane-link --help' for more information.\n";
    QTest::newRow("C") << "C.UTF-8" << QStringList{} << wrongPort << usage << english;
    QTest::newRow("English") << "en_US.UTF-8" << QStringList{} << wrongPort << usage << english;
    QTest::newRow("Chinese") << "zh_CN.UTF-8" << QStringList{} << wrongPort << usage
                             << "quorvane-link: 串口“COM12”不在 COM1 至 COM9 之中。\n"
                                "请运行“quorvane-link --help”了解更多信息。\n";
    QTest::newRow("a network address without its port")
        << "C.UTF-8" << QStringList{} << QStringList{"download", "--port", "tcp://door-7"} << usage
        << "quorvane-link: \"tcp://door-7\" is not a network address: write tcp://HOST:PORT or "
           "rfc2217://HOST:PORT, with PORT from 1 to 65535";
    QTest::newRow("--language en under Chinese")
        << "zh_CN.UTF-8" << QStringList{"--language", "en"} << wrongPort << usage << english;
    // Each command answers --help (or -h) with its own help, wherever it stands.
    QTest::newRow("download --help")
        << "C.UTF-8" << QStringList{} << QStringList{"download", "--port", "COM12", "--help"} << 0
        << "Usage of quorvane-link download:\n  download [DIR] --port PORT | --unit NAME | --all\n";
    QTest::newRow("ports -h, Chinese")
        << "zh_CN.UTF-8" << QStringList{} << QStringList{"ports", "-h"} << 0
        << "quorvane-link ports 的用法：\n  ports\n";
}

void TestQuorvaneLink::speaksTheChosenLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, language);
    QFETCH(QStringList, command);
    QFETCH(int, status);
    QFETCH(QString, says);
    QProcess link;
    link.setProcessEnvironment(companionEnvironment(lang));
    link.start(LINK_PATH, language + command);
    QVERIFY(link.waitForFinished());
    QCOMPARE(link.exitCode(), status);
    const QByteArray out = link.readAllStandardOutput();
    const QString said = QString::fromUtf8(out.isEmpty() ? link.readAllStandardError() : out);
    QVERIFY2(said.startsWith(says), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestQuorvaneLink)
#include "tst_quorvanelink.moc"
