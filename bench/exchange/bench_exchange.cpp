// Imports a room list of 100,000 rows with their verdicts into an empty
// directory and exports it again, and times the import against the sqlite3
// tool's .import of the same file in the same run; then times the verdicts on
// 100,000 rows that all share one number (a caretaker's). Build it in Release.

#include "roomcsv.h"
#include "roomimport.h"
#include "roomverdict.h"
#include "schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include <sys/resource.h>

namespace {

constexpr int kRooms = 100000;

bool createDirectory(const QString& path)
{
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(schema::createStatement(schema::directoryTable()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    return ok;
}

double ms(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Processor time, which other work on a busy machine does not inflate as it
// does the wall clock: this process's own, and that of its finished children.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("rooms.csv"));
    QList<RoomRecord> rooms;
    rooms.reserve(kRooms);
    for (int i = 0; i < kRooms; ++i)
        rooms << RoomRecord{
            QString::number(1000000 + i), QStringLiteral("0139%1").arg(i, 7, 10, QLatin1Char('0')),
            QStringLiteral("+86%1").arg(i, 8, 10, QLatin1Char('0')),
            i % 3 == 0 ? QString() : QStringLiteral("0755%1").arg(i, 7, 10, QLatin1Char('0'))};
    {
        QFile out(csvPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(roomcsv::write(rooms)) < 0)
            return 2;
    }

    // Each figure is the best of three rounds, each into a fresh database, so
    // other work on the machine weighs on neither side.
    double sqliteMs = 1e9, readMs = 1e9, judgeMs = 1e9, writeMs = 1e9, importMs = 1e9,
           exportMs = 1e9, sqliteCpu = 1e9, importCpu = 1e9, exportCpu = 1e9;
    roomverdict::Counts counts;
    bool identical = true;
    for (int round = 0; round < 3; ++round) {
        const QString database = dir.filePath(QStringLiteral("round%1.mdb").arg(round));
        if (!createDirectory(database))
            return 2;
        QElapsedTimer timer;
        timer.start();
        const double childrenBefore = childrenCpuMs();
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"),
                     {dir.filePath(QStringLiteral("plain%1.db").arg(round))});
        sqlite.write(QStringLiteral(".mode csv\n.import %1 imported\n").arg(csvPath).toUtf8());
        sqlite.closeWriteChannel();
        if (!sqlite.waitForFinished(60000) || sqlite.exitCode() != 0) {
            std::fprintf(stderr, "sqlite3 failed: %s\n", sqlite.readAllStandardError().constData());
            return 2;
        }
        sqliteMs = std::min(sqliteMs, ms(timer));
        sqliteCpu = std::min(sqliteCpu, childrenCpuMs() - childrenBefore);

        timer.restart();
        double cpu = cpuMs();
        QFile in(csvPath);
        if (!in.open(QIODevice::ReadOnly))
            return 2;
        const QByteArray bytes = in.readAll();
        roomcsv::CsvFile file;
        if (!roomcsv::read(bytes, file))
            return 2;
        const double read = ms(timer);
        QList<RoomRecord> present;
        if (!roomimport::readDirectory(database, present))
            return 2;
        const QList<roomverdict::RowVerdict> verdicts =
            roomverdict::judge(file.rows, present, false);
        const double judged = ms(timer);
        counts = roomverdict::count(verdicts);
        QList<RoomRecord> rows;
        rows.reserve(file.rows.size());
        for (const roomcsv::CsvRow& row : std::as_const(file.rows))
            rows << row.room;
        roomimport::Written written;
        const Outcome done = roomimport::write(database, rows, false, &written);
        const double total = ms(timer);
        importCpu = std::min(importCpu, cpuMs() - cpu);
        if (!done || written.added != kRooms || counts.errors != 0) {
            std::fprintf(stderr, "import failed: %s\n", qPrintable(done.description()));
            return 2;
        }
        if (total < importMs) {
            importMs = total;
            readMs = read;
            judgeMs = judged - read;
            writeMs = total - judged;
        }

        timer.restart();
        cpu = cpuMs();
        QByteArray csv;
        const Outcome exported = roomimport::exportCsv(database, csv);
        QFile out(dir.filePath(QStringLiteral("export.csv")));
        if (!exported || !out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size())
            return 2;
        out.close();
        exportMs = std::min(exportMs, ms(timer));
        exportCpu = std::min(exportCpu, cpuMs() - cpu);
        identical = identical && csv == bytes;
    }

    const bool importOk = importMs <= 2000 && importMs <= 4 * sqliteMs;
    const bool exportOk = exportMs <= 1000;
    const bool importCpuOk = importCpu <= 2000 && importCpu <= 4 * sqliteCpu;
    std::printf("rows: %d (%d ok, %d warnings); best of 3 rounds\n", kRooms, counts.ok,
                counts.warnings);
    std::printf("sqlite3 .import: %.0f ms wall, %.0f ms processor\n", sqliteMs, sqliteCpu);
    std::printf("import: %.0f ms wall (read %.0f, verdicts %.0f, write %.0f) = %.2f x sqlite3; "
                "%.0f ms processor = %.2f x [target <= 2000 ms and <= 4 x]: wall %s, "
                "processor %s\n",
                importMs, readMs, judgeMs, writeMs, importMs / sqliteMs, importCpu,
                importCpu / sqliteCpu, importOk ? "ok" : "MISSED", importCpuOk ? "ok" : "MISSED");
    std::printf("export: %.0f ms wall, %.0f ms processor [target <= 1000 ms]: %s; "
                "byte-identical to the imported file: %s\n",
                exportMs, exportCpu, exportOk ? "ok" : "MISSED", identical ? "yes" : "NO");

    // Every row names the same TEL2, so each is told of the others.
    QList<roomcsv::CsvRow> shared(kRooms);
    for (int i = 0; i < kRooms; ++i) {
        shared[i].line = i + 1;
        shared[i].room =
            RoomRecord{QString::number(1000000 + i), {}, QStringLiteral("01391234567"), {}};
    }
    double sharedMs = 1e9;
    roomverdict::Counts sharedCounts;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        sharedCounts = roomverdict::count(roomverdict::judge(shared, {}, false));
        sharedMs = std::min(sharedMs, ms(timer));
    }
    const bool sharedOk = sharedMs <= 1000 && sharedCounts.warnings == kRooms;
    std::printf("verdicts on %d rows sharing one TEL2: %.0f ms, %d warnings [target <= 1000 ms]: "
                "%s\n",
                kRooms, sharedMs, sharedCounts.warnings, sharedOk ? "ok" : "MISSED");
    return importOk && exportOk && identical && sharedOk ? 0 : 1;
}
