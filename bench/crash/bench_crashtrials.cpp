// Crash trials: a child process writes rooms through the record cursor, as
// the directory window does, and is killed (SIGKILL) at a random moment.
// After each kill the companion's check must find the file sound or recover
// it, PRAGMA integrity_check must say ok, and every row must hold the values
// of one write, never a mix of two.
//
//   bench_crashtrials [TRIALS [SEED]]     (200 trials by default)
//
// Every value the writer stores is "k:G": the field number k and a stamp G
// that grows with every pass, so a row whose three numbers carry different
// stamps is a mix, and a row older than it was is a lost write. Every write
// is recorded in the change record, so each room's newest entry must hold
// the values the room holds: a write without its entry, or an entry without
// its write, shows as a room that differs from its entry.

#include "changerecord.h"
#include "database.h"
#include "dbtool.h"
#include "recordcursor.h"
#include "schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSeedRooms = 20;
constexpr int kPassesPerTrial = 1000;
constexpr int kMaxTrials = 999; // a new room's name "N" + stamp fits 7 characters
constexpr int kLongestWaitMs = 200;

QString stamped(int field, int stamp)
{
    return QStringLiteral("%1:%2").arg(field).arg(stamp);
}

void record(RecordCursor& cursor)
{
    cursor.setChangeRecorder(std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Rooms, changerecord::Actor::here(QStringLiteral("trial")),
        schema::directoryTable().fieldNames()));
}

// The writer: rewrites every row pass after pass, and adds a room before
// each pass, until it is killed.
[[noreturn]] void writeUntilKilled(const QString& path, int trial)
{
    RecordCursor cursor(schema::directoryTable());
    record(cursor);
    Outcome step = cursor.open(path);
    for (int pass = 0; step; ++pass) {
        const int stamp = trial * kPassesPerTrial + std::min(pass, kPassesPerTrial - 1);
        step = cursor.addNew();
        for (int field = 0; step && field < 4; ++field)
            step = cursor.setField(field, field == 0 ? QStringLiteral("N%1").arg(stamp)
                                                     : stamped(field, stamp));
        if (step)
            step = cursor.moveFirst();
        while (step && !cursor.eof()) {
            for (int field = 1; step && field < 4; ++field)
                step = cursor.setField(field, stamped(field, stamp));
            if (step)
                step = cursor.moveNext();
        }
    }
    std::fprintf(stderr, "writer stopped: %s\n", qPrintable(step.description()));
    ::_exit(2);
}

struct Tally
{
    int trials = 0;
    int writesReached = 0;
    int journalsLeft = 0;
    int sound = 0;
    int recovered = 0;
    int checkFailed = 0;
    int integrityOk = 0;
    int mixedRows = 0;
    int lostRows = 0;
    int writerFailed = 0;
    int unrecorded = 0;
};

QString integrity(const QString& path)
{
    const QString name = database::uniqueConnectionName(QStringLiteral("trial-integrity"));
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
            result = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// Compares the rows with the stamps seen after the last trial; returns false
// when a row is a mix, older than before, or gone.
bool rowsHold(const QString& path, int trial, QHash<QString, int>& stamps, Tally& tally,
              bool& written)
{
    const QString name = database::uniqueConnectionName(QStringLiteral("trial-rows"));
    bool sound = true;
    QHash<QString, int> seen;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (!db.open() ||
            !query.exec(QStringLiteral("SELECT Room, TEL1, TEL2, TEL3 FROM Room_tel")))
            sound = false;
        while (query.next()) {
            const QString room = query.value(0).toString();
            int stamp = -1;
            bool oneWrite = true;
            for (int field = 1; field < 4; ++field) {
                const QStringList parts = query.value(field).toString().split(QLatin1Char(':'));
                const int value = parts.value(1).toInt();
                oneWrite = oneWrite && parts.size() == 2 && parts[0].toInt() == field &&
                           (stamp < 0 || value == stamp);
                stamp = value;
            }
            const bool fresh = stamp >= trial * kPassesPerTrial;
            const bool known = stamps.contains(room);
            if (!oneWrite || (!fresh && (!known || stamps.value(room) != stamp))) {
                std::fprintf(stderr, "trial %d: room %s holds %s, %s, %s\n", trial,
                             qPrintable(room), qPrintable(query.value(1).toString()),
                             qPrintable(query.value(2).toString()),
                             qPrintable(query.value(3).toString()));
                ++tally.mixedRows;
                sound = false;
            }
            written = written || fresh;
            seen.insert(room, stamp);
        }
    }
    QSqlDatabase::removeDatabase(name);
    for (auto it = stamps.cbegin(); it != stamps.cend(); ++it) {
        if (!seen.contains(it.key())) {
            std::fprintf(stderr, "trial %d: room %s is gone\n", trial, qPrintable(it.key()));
            ++tally.lostRows;
            sound = false;
        }
    }
    stamps = seen;
    return sound;
}

// The rooms whose newest entry in the change record holds other values than
// the room: a write and its entry that did not land together.
int unrecordedRooms(const QString& path, int trial)
{
    const QString name = database::uniqueConnectionName(QStringLiteral("trial-entries"));
    int differing = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery rooms(db);
        QSqlQuery newest(db);
        if (!db.open() ||
            !rooms.exec(QStringLiteral("SELECT Room, TEL1, TEL2, TEL3 FROM Room_tel")) ||
            !newest.prepare(QStringLiteral("SELECT new_values FROM change_record WHERE subject = "
                                           "? ORDER BY happened DESC, id DESC LIMIT 1")))
            return -1;
        while (rooms.next()) {
            QStringList values;
            for (int field = 0; field < 4; ++field)
                values << rooms.value(field).toString();
            newest.addBindValue(values[0]);
            const QString entry =
                newest.exec() && newest.next() ? newest.value(0).toString() : QString();
            if (entry != changerecord::valuesText(schema::directoryTable().fieldNames(), values)) {
                std::fprintf(stderr, "trial %d: room %s differs from its entry %s\n", trial,
                             qPrintable(values[0]), qPrintable(entry));
                ++differing;
            }
            newest.finish();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return differing;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int trials = std::clamp(arguments.value(1, QStringLiteral("200")).toInt(), 1, kMaxTrials);
    const unsigned seed = arguments.size() > 2 ? arguments[2].toUInt() : std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> wait(0, kLongestWaitMs * 1000);

    QTemporaryDir dir;
    QString none;
    QTextStream quiet(&none);
    dbtool::Console console{quiet, quiet, quiet, false, {}};
    if (!dir.isValid() ||
        dbtool::init(store::Location::folder(dir.path()),
                     {QStringLiteral("trial"), QStringLiteral("1")}, console) != 0) {
        std::fprintf(stderr, "cannot prepare the database files: %s\n", qPrintable(none));
        return 1;
    }
    const QString path = database::pathIn(dir.path(), schema::kDirectoryFile);
    QHash<QString, int> stamps;
    {
        RecordCursor cursor(schema::directoryTable());
        record(cursor);
        Outcome made = cursor.open(path);
        for (int i = 1; made && i <= kSeedRooms; ++i) {
            stamps.insert(QStringLiteral("R%1").arg(i), 0);
            made = cursor.addNew();
            for (int field = 0; made && field < 4; ++field)
                made = cursor.setField(field, field == 0 ? QStringLiteral("R%1").arg(i)
                                                         : stamped(field, 0));
        }
        if (made)
            made = cursor.close();
        if (!made) {
            std::fprintf(stderr, "cannot seed the rooms: %s\n", qPrintable(made.description()));
            return 1;
        }
    }

    Tally tally;
    for (int trial = 1; trial <= trials; ++trial) {
        ++tally.trials;
        const int waitUs = wait(random);
        const pid_t child = ::fork();
        if (child == 0)
            writeUntilKilled(path, trial);
        std::this_thread::sleep_for(std::chrono::microseconds(waitUs));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFSIGNALED(status))
            ++tally.writerFailed;
        // A journal SQLite would roll back: its header is written.
        QFile journal(path + QStringLiteral("-journal"));
        char first = 0;
        if (journal.open(QIODevice::ReadOnly) && journal.getChar(&first) && first != 0)
            ++tally.journalsLeft;
        journal.close();

        QString report;
        QTextStream out(&report);
        dbtool::Console checking{quiet, out, out, false, {}};
        bool trialSound = true;
        if (dbtool::check(dir.path(), checking) != 0) {
            ++tally.checkFailed;
            trialSound = false;
        } else if (report.contains(QStringLiteral("recovered"))) {
            ++tally.recovered;
        } else {
            ++tally.sound;
        }
        if (const QString verdict = integrity(path); verdict == QLatin1String("ok")) {
            ++tally.integrityOk;
        } else {
            std::fprintf(stderr, "trial %d: integrity_check: %s\n", trial, qPrintable(verdict));
            trialSound = false;
        }
        bool written = false;
        trialSound = rowsHold(path, trial, stamps, tally, written) && trialSound;
        if (const int differing = unrecordedRooms(path, trial); differing != 0) {
            tally.unrecorded += std::max(differing, 1);
            trialSound = false;
        }
        tally.writesReached += written ? 1 : 0;
        if (!trialSound)
            std::fprintf(stderr, "trial %d (killed after %d us) failed; check said:\n%s", trial,
                         waitUs, qPrintable(report));
    }

    std::printf("crash trials: %d (seed %u), each writer killed 0 to %d ms after it started\n",
                tally.trials, seed, kLongestWaitMs);
    std::printf("writes reached the file in %d trials; the kill left a journal in %d\n",
                tally.writesReached, tally.journalsLeft);
    std::printf("check: %d sound, %d recovered, %d not ok\n", tally.sound, tally.recovered,
                tally.checkFailed);
    std::printf("integrity_check ok: %d of %d\n", tally.integrityOk, tally.trials);
    std::printf("rows: %d mixed or stale, %d lost, %lld at the end\n", tally.mixedRows,
                tally.lostRows, static_cast<long long>(stamps.size()));
    std::printf("change record: %d rooms whose write and entry did not land together\n",
                tally.unrecorded);
    std::printf("writers that stopped before the kill: %d\n", tally.writerFailed);
    const bool passed = tally.checkFailed == 0 && tally.integrityOk == tally.trials &&
                        tally.mixedRows == 0 && tally.lostRows == 0 && tally.writerFailed == 0 &&
                        tally.unrecorded == 0;
    std::printf("%s\n", passed ? "all trials passed" : "FAILED");
    return passed ? 0 : 1;
}
