// quorvane-link download to one door unit, then --all to three, each unit a
// door unit monitor on a pseudo-terminal, 100 rooms. Prints the wall time of
// both, how much longer three take than one, the shortest and longest batch
// pause any monitor saw, and the companion's CPU time against its wall time.
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

#include <cstdio>
#include <memory>
#include <sys/resource.h>
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

// The companion run as a user runs it; its own CPU time from wait4.
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
    QElapsedTimer wall;
    wall.start();
    const pid_t pid = fork();
    if (pid == 0) {
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

// The monitors, each behind a fixed name that [Ports] maps COM1..COMn to.
std::vector<std::unique_ptr<QProcess>> startMonitors(const QDir& dir, int count)
{
    std::vector<std::unique_ptr<QProcess>> monitors;
    for (int n = 1; n <= count; ++n) {
        QFile::remove(dir.filePath(QStringLiteral("unit%1").arg(n)));
        auto monitor = std::make_unique<QProcess>();
        monitor->start(DOORSIM_PATH,
                       {"--link", dir.filePath(QStringLiteral("unit%1").arg(n)), "--exit-after-end",
                        "--json", dir.filePath(QStringLiteral("unit%1.json").arg(n))});
        monitors.push_back(std::move(monitor));
    }
    for (int n = 1; n <= count; ++n) {
        for (int i = 0; i < 500 && !QFile::exists(dir.filePath(QStringLiteral("unit%1").arg(n)));
             ++i)
            QThread::msleep(10);
    }
    return monitors;
}

void readPauses(const QDir& dir, int count, Run& run)
{
    for (int n = 1; n <= count; ++n) {
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

Run measure(const QDir& dir, int units, const QStringList& arguments)
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

void print(const char* what, const Run& run)
{
    std::printf("%-34s %8.0f ms wall, CPU %6.0f ms (%.2f%% of wall), exit %d, %d batch pauses "
                "%lld-%lld ms\n",
                what, run.wallMs, run.cpuMs, 100.0 * run.cpuMs / run.wallMs, run.status, run.pauses,
                run.shortestPause, run.longestPause);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const QString roomFile = dir.filePath(QString(schema::kDirectoryFile));
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QDir().mkpath(dir.filePath("config/Quorvane"));
    QFile conf(dir.filePath("config/Quorvane/Quorvane.conf"));
    if (!conf.open(QIODevice::WriteOnly) || !makeDirectory(roomFile)) {
        std::fprintf(stderr, "bench_units: cannot prepare %s\n", qPrintable(dir.path()));
        return 1;
    }
    conf.write("[Ports]\n");
    for (int n = 1; n <= kUnits; ++n)
        conf.write(QStringLiteral("COM%1=%2\n")
                       .arg(n)
                       .arg(dir.filePath(QStringLiteral("unit%1").arg(n)))
                       .toUtf8());
    conf.close();
    if (!doorunits::add(roomFile, "East", 2) || !doorunits::add(roomFile, "West", 3)) {
        std::fprintf(stderr, "bench_units: cannot name the units\n");
        return 1;
    }

    std::printf("%d rooms, %d door unit monitors on pseudo-terminals\n", kRooms, kUnits);
    const Run one = measure(dir, 1, {"download", dir.path(), "--unit", "Door unit"});
    print("one unit (--unit)", one);
    const Run all = measure(dir, kUnits, {"download", dir.path(), "--all"});
    print("three units at once (--all)", all);
    const double over = 100.0 * (all.wallMs - one.wallMs) / one.wallMs;
    std::printf("three units take %.2f%% longer than one (target at most 2%%); pauses "
                "%lld-%lld ms (target 2000-2050); CPU %.2f%% of wall (target at most 2%%)\n",
                over, qMin(one.shortestPause, all.shortestPause),
                qMax(one.longestPause, all.longestPause), 100.0 * all.cpuMs / all.wallMs);
    const bool met = one.status == 0 && all.status == 0 && over <= 2.0 &&
                     all.shortestPause >= 2000 && all.longestPause <= 2050 &&
                     all.cpuMs <= 0.02 * all.wallMs;
    std::printf("%s\n", met ? "met" : "NOT met");
    return met ? 0 : 1;
}
