// quorvane-link download of 100 rooms as a user types it, process start
// included, to door unit monitors behind ser2net on 127.0.0.1 (raw TCP, a
// pseudo-terminal on its serial side), beside the same download to a monitor
// on a local pseudo-terminal; then three units over the network at once
// (--all) beside one unit. Prints the wall and CPU time of each run, the
// batch pauses the monitors saw, and the ratios against their targets.
#include "doorunits.h"
#include "engine/databaseengine.h"
#include "schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRooms = 100;
constexpr int kUnits = 3;

struct Run
{
    double wallMs = 0;
    double cpuMs = 0;
    int status = -1;
    qint64 shortestPause = 0;
    qint64 longestPause = 0;
    int pauses = 0;
};

bool makeDirectory(const QString& path)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        ok = ok &&
             query.exec(schema::createStatement(schema::directoryTable(), engine::fileDialect()));
        for (int i = 1; ok && i <= kRooms; ++i) {
            query.prepare(QStringLiteral("INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) "
                                         "VALUES (?, ?, '', '')"));
            query.addBindValue(QString::number(100 + i));
            query.addBindValue(QStringLiteral("1391234%1").arg(i, 4, 10, QLatin1Char('0')));
            ok = query.exec();
        }
    }
    QSqlDatabase::removeDatabase("bench");
    return ok;
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

bool listening(quint16 port)
{
    QFile tcp("/proc/net/tcp");
    const QByteArray wanted = QStringLiteral(":%1 00000000:0000 0A")
                                  .arg(port, 4, 16, QLatin1Char('0'))
                                  .toUpper()
                                  .toLatin1();
    return tcp.open(QIODevice::ReadOnly) && tcp.readAll().contains(wanted);
}

// The companion run as typed; its own CPU time from wait4.
Run runLink(const QStringList& arguments)
{
    Run run;
    QList<QByteArray> args{QByteArray(LINK_PATH)};
    for (const QString& a : arguments)
        args << a.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::fflush(stdout); // not written twice through the child
    QElapsedTimer wall;
    wall.start();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wallMs = double(wall.nsecsElapsed()) / 1e6;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Monitors behind fixed names: unit1..unit3 behind ser2net, unit4 the local one.
std::vector<std::unique_ptr<QProcess>> startMonitors(const QDir& dir, const QList<int>& units)
{
    std::vector<std::unique_ptr<QProcess>> monitors;
    for (const int n : units) {
        const QString link = dir.filePath(QStringLiteral("unit%1").arg(n));
        QFile::remove(link);
        auto monitor = std::make_unique<QProcess>();
        monitor->start(DOORSIM_PATH, {"--link", link, "--exit-after-end", "--json",
                                      dir.filePath(QStringLiteral("unit%1.json").arg(n))});
        monitors.push_back(std::move(monitor));
        for (int i = 0; i < 500 && !QFile::exists(link); ++i)
            QThread::msleep(10);
    }
    return monitors;
}

void readPauses(const QDir& dir, const QList<int>& units, Run& run)
{
    for (const int n : units) {
        QFile file(dir.filePath(QStringLiteral("unit%1.json").arg(n)));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QJsonValue& e : QJsonDocument::fromJson(file.readAll())["events"].toArray()) {
            if (e["type"].toString() != QLatin1String("batchPause"))
                continue;
            const qint64 ms = e["pauseMs"].toInteger();
            run.shortestPause = run.pauses == 0 ? ms : qMin(run.shortestPause, ms);
            run.longestPause = qMax(run.longestPause, ms);
            ++run.pauses;
        }
    }
}

Run measure(const QDir& dir, const QList<int>& units, const QStringList& arguments)
{
    auto monitors = startMonitors(dir, units);
    Run run = runLink(arguments);
    for (auto& monitor : monitors) {
        if (!monitor->waitForFinished(10'000))
            monitor->kill();
    }
    readPauses(dir, units, run);
    return run;
}

void print(const QString& what, const Run& run)
{
    std::printf("%-44s %8.0f ms wall, CPU %5.0f ms (%.2f%% of wall), exit %d, %d batch pauses "
                "%lld-%lld ms\n",
                qPrintable(what), run.wallMs, run.cpuMs, 100.0 * run.cpuMs / run.wallMs, run.status,
                run.pauses, run.shortestPause, run.longestPause);
}

double best(const std::vector<Run>& runs)
{
    double wall = runs.front().wallMs;
    for (const Run& r : runs)
        wall = std::min(wall, r.wallMs);
    return wall;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    if (!QFile::exists(SER2NET_PATH)) {
        std::fprintf(stderr, "bench_network: needs %s (Debian package ser2net)\n", SER2NET_PATH);
        return 1;
    }
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString roomFile = dir.filePath(QString(schema::kDirectoryFile));
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QDir().mkpath(dir.filePath("config/Quorvane"));
    QFile conf(dir.filePath("config/Quorvane/Quorvane.conf"));
    QFile yaml(dir.filePath("ser2net.yaml"));
    if (!conf.open(QIODevice::WriteOnly) || !yaml.open(QIODevice::WriteOnly) ||
        !makeDirectory(roomFile)) {
        std::fprintf(stderr, "bench_network: cannot prepare %s\n", qPrintable(dir.path()));
        return 1;
    }
    // COM1..COM3: the units behind ser2net, one TCP port each; COM4: the local monitor.
    QStringList addresses;
    conf.write("[Ports]\n");
    for (int n = 1; n <= kUnits; ++n) {
        const quint16 port = freeTcpPort();
        addresses << QStringLiteral("tcp://127.0.0.1:%1").arg(port);
        conf.write(QStringLiteral("COM%1=%2\n").arg(n).arg(addresses.last()).toUtf8());
        yaml.write(QStringLiteral("connection: &unit%1\n  accepter: tcp,127.0.0.1,%2\n"
                                  "  connector: serialdev,%3,38400n81,local\n")
                       .arg(n)
                       .arg(port)
                       .arg(dir.filePath(QStringLiteral("unit%1").arg(n)))
                       .toUtf8());
    }
    conf.write(QStringLiteral("COM4=%1\n").arg(dir.filePath("unit4")).toUtf8());
    conf.close();
    yaml.close();
    if (!doorunits::add(roomFile, "East", 2) || !doorunits::add(roomFile, "West", 3)) {
        std::fprintf(stderr, "bench_network: cannot name the units\n");
        return 1;
    }
    QProcess ser2net;
    ser2net.start(SER2NET_PATH, {"-c", yaml.fileName(), "-n", "-d"});
    bool up = false;
    for (int i = 0; i < 200 && !up && ser2net.state() != QProcess::NotRunning; ++i) {
        QThread::msleep(25);
        up = listening(quint16(addresses.last().section(u':', -1).toUInt()));
    }
    if (!up) {
        std::fprintf(stderr, "bench_network: ser2net did not start\n");
        return 1;
    }

    std::printf("%d rooms; ser2net %s on 127.0.0.1 in raw TCP, door unit monitors on "
                "pseudo-terminals; %d rounds\n",
                kRooms, SER2NET_PATH, rounds);
    std::vector<Run> local, network, one, all;
    for (int round = 1; round <= rounds; ++round) {
        local.push_back(measure(dir, {4}, {"download", dir.path(), "--port", "COM4"}));
        print(QStringLiteral("local pty (--port COM4), round %1").arg(round), local.back());
        network.push_back(measure(dir, {1}, {"download", dir.path(), "--port", addresses.first()}));
        print(QStringLiteral("ser2net (--port %1), round %2").arg(addresses.first()).arg(round),
              network.back());
    }
    one.push_back(measure(dir, {1}, {"download", dir.path(), "--unit", "Door unit"}));
    print(QStringLiteral("one unit over ser2net (--unit)"), one.back());
    all.push_back(measure(dir, {1, 2, 3}, {"download", dir.path(), "--all"}));
    print(QStringLiteral("three units over ser2net (--all)"), all.back());
    ser2net.terminate();
    ser2net.waitForFinished(5'000);

    const double networkRatio = best(network) / best(local);
    double worstCpu = 0;
    for (const std::vector<Run>* runs : {&network, &one, &all})
        for (const Run& r : *runs)
            worstCpu = std::max(worstCpu, 100.0 * r.cpuMs / r.wallMs);
    const double allRatio = all.front().wallMs / one.front().wallMs;
    std::printf("network / local (best of each) %.4f (target at most 1.02); three / one %.4f "
                "(target at most 1.02); CPU at most %.2f%% of wall over the network (target at "
                "most 1%%)\n",
                networkRatio, allRatio, worstCpu);
    bool ok = true;
    for (const std::vector<Run>* runs : {&local, &network, &one, &all})
        for (const Run& r : *runs)
            ok = ok && r.status == 0;
    const bool met = ok && networkRatio <= 1.02 && allRatio <= 1.02 && worstCpu <= 1.0;
    std::printf("%s\n", met ? "met" : ok ? "NOT met" : "NOT met: a download failed");
    return met ? 0 : 1;
}
