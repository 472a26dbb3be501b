// Times quorvane-db import and export of a room list of 100,000 rows as a
// user runs them (each a process of its own, start-up included, on a fresh
// copy of a prepared data folder) beside the sqlite3 tool's .import and
// -csv SELECT of the same file and table, in the same run; then, as a
// breakdown, the import's steps inside one process, and the verdicts on
// 100,000 rows that all share one number (a caretaker's). Last, what the
// change record costs: a row write with its entry against one without, the
// import with its entries against one without, and listing one room's entries
// among 1,000,000. Build it in Release.

#include "bulkstatement.h"
#include "changelist.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "roomcsv.h"
#include "roomdirectoryview.h"
#include "roomimport.h"
#include "roomverdict.h"
#include "schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int kRooms = 100000;
constexpr int kRounds = 7;

bool createDirectory(const QString& path)
{
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(schema::createStatement(schema::directoryTable(),
                                                                     engine::fileDialect()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    return ok;
}

double ms(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Run
{
    bool ok = false;
    double wallMs = 0;
    double peakMb = 0;
};

// Runs a command as a shell would, its output to the file out, and measures
// the wall time from start to its end and its peak resident memory.
Run spawn(const std::vector<std::string>& command, const std::string& out)
{
    std::vector<char*> argv;
    for (const std::string& part : command)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    Run result;
    // Earlier rounds' writes go to the disk first, so that neither tool's
    // own sync waits behind them.
    ::sync();
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return result;
    clock_gettime(CLOCK_MONOTONIC, &end);
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.wallMs =
        double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6;
    result.peakMb = double(usage.ru_maxrss) / 1024;
    return result;
}

// A child's peak memory starts from that of the process that starts it, so
// the commands are started by a small process forked before anything else:
// it reads each command (its output file and words, each ended by a zero
// byte, then an empty word) from one pipe and answers on the other.
class Spawner
{
public:
    Spawner()
    {
        int requests[2];
        int answers[2];
        if (pipe(requests) != 0 || pipe(answers) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(requests[1]);
            close(answers[0]);
            serve(requests[0], answers[1]);
            _exit(0);
        }
        close(requests[0]);
        close(answers[1]);
        m_requests = requests[1];
        m_answers = answers[0];
    }
    ~Spawner()
    {
        close(m_requests);
        close(m_answers);
        if (m_pid > 0)
            waitpid(m_pid, nullptr, 0);
    }

    Run run(const QStringList& command, const QString& out)
    {
        QByteArray request = out.toLocal8Bit() + '\0';
        for (const QString& part : command)
            request += part.toLocal8Bit() + '\0';
        request += '\0';
        Run result;
        if (write(m_requests, request.constData(), size_t(request.size())) != request.size() ||
            read(m_answers, &result, sizeof result) != sizeof result)
            return {};
        return result;
    }

private:
    static void serve(int requests, int answers)
    {
        FILE* in = fdopen(requests, "r");
        for (;;) {
            std::vector<std::string> words;
            std::string word;
            for (int c = std::fgetc(in); c != EOF; c = std::fgetc(in)) {
                if (c != 0) {
                    word += char(c);
                    continue;
                }
                if (word.empty())
                    break;
                words.push_back(std::move(word));
                word.clear();
            }
            if (words.size() < 2)
                return;
            const std::string out = words.front();
            words.erase(words.begin());
            const Run result = spawn(words, out);
            if (write(answers, &result, sizeof result) != sizeof result)
                return;
        }
    }

    pid_t m_pid = -1;
    int m_requests = -1;
    int m_answers = -1;
};

struct Figures
{
    std::vector<double> ms;
    double peakMb = 0;

    void add(const Run& r)
    {
        ms.push_back(r.wallMs);
        peakMb = std::max(peakMb, r.peakMb);
    }
    double best() const { return *std::min_element(ms.begin(), ms.end()); }
    double median() const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

void print(const char* what, const Figures& ours, const Figures& theirs, double target)
{
    std::printf("%-7s quorvane-db best %4.0f ms, median %4.0f ms; sqlite3 best %4.0f ms, median "
                "%4.0f ms; ratio best %.2f, median %.2f [target <= %.1f]: %s\n",
                what, ours.best(), ours.median(), theirs.best(), theirs.median(),
                ours.best() / theirs.best(), ours.median() / theirs.median(), target,
                ours.median() / theirs.median() <= target ? "ok" : "MISSED");
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The mean of n row writes without and n with their entries, taken in turn
// on one view so that the disk's moods weigh on both alike: each a change of
// one room written by Update.
std::pair<double, double> rowWriteMs(const QString& folder, int n)
{
    RoomDirectoryView view;
    if (!view.openIn(folder))
        return {-1, -1};
    const auto recorder = std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Rooms, changerecord::Actor::here(QStringLiteral("bench")),
        view.layout().fieldNames());
    double total[2] = {0, 0};
    for (int i = 0; i < 2 * n; ++i) {
        const bool recorded = i % 2 == 1;
        view.setChangeRecorder(recorded ? recorder : nullptr);
        if (!view.moveTo(i) ||
            !view.setField(RoomDirectoryView::kTel3, QStringLiteral("0%1").arg(i)))
            return {-1, -1};
        QElapsedTimer timer;
        timer.start();
        if (!view.updateBatch())
            return {-1, -1};
        total[recorded] += ms(timer);
    }
    return {total[0] / n, total[1] / n};
}

// The change record's figures; false when one misses its target.
bool changeRecordFigures(const QString& empty, const QTemporaryDir& dir)
{
    const changerecord::Actor who = changerecord::Actor::here(QStringLiteral("bench"));
    QList<RoomRecord> rows;
    rows.reserve(kRooms);
    for (int i = 0; i < kRooms; ++i)
        rows << RoomRecord{QString::number(1000000 + i),
                           QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0')),
                           {},
                           {}};

    // The import into a fresh empty directory, best of three each way.
    double importMs[2] = {1e9, 1e9};
    for (int round = 0; round < 3; ++round) {
        for (const bool recorded : {false, true}) {
            const QString folder =
                dir.filePath(QStringLiteral("record-%1-%2").arg(round).arg(recorded));
            const QString database = database::pathIn(folder, schema::kDirectoryFile);
            if (!QDir().mkpath(folder) || !QFile::copy(empty, database))
                return false;
            QElapsedTimer timer;
            timer.start();
            if (!roomimport::write(database, rows, false, nullptr, recorded ? &who : nullptr))
                return false;
            importMs[recorded] = std::min(importMs[recorded], ms(timer));
        }
    }
    const bool importOk = importMs[1] <= 1.5 * importMs[0];
    std::printf("import of %d rows: %.0f ms without the change record, %.0f ms with its "
                "entries: %.2f x [target <= 1.5 x]: %s\n",
                kRooms, importMs[0], importMs[1], importMs[1] / importMs[0],
                importOk ? "ok" : "MISSED");

    // Row writes on the directory just imported, which holds its entries.
    const QString folder = dir.filePath(QStringLiteral("record-0-1"));
    constexpr int kWrites = 200;
    rowWriteMs(folder, 10); // warms the file cache
    const auto [plain, recorded] = rowWriteMs(folder, kWrites);
    const bool writeOk = plain >= 0 && recorded >= 0 && recorded - plain <= 1;
    std::printf("row write: %.3f ms without the change record, %.3f ms with its entry, mean of "
                "%d: %+.3f ms [target <= +1 ms]: %s\n",
                plain, recorded, kWrites, recorded - plain, writeOk ? "ok" : "MISSED");

    // 1,000,000 entries, ten for each room, then one room's listed.
    {
        const QString name = QStringLiteral("fill");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(database::pathIn(folder, schema::kDirectoryFile));
            if (!db.open() || !db.transaction())
                return false;
            if (!QSqlQuery(db).exec(schema::changeRecordStatements(engine::fileDialect()).first()))
                return false;
            BulkStatement entry(db, QStringLiteral("INSERT INTO change_record (happened, "
                                                   "operator, host, os_user, what, subject) "
                                                   "VALUES (?, ?, ?, ?, ?, ?)"));
            const QString at = timeText(QDateTime::currentDateTimeUtc());
            const QString what = changerecord::storedWord(changerecord::Kind::RoomChanged);
            for (int round = 0; round < 10; ++round) {
                for (int i = 0; i < kRooms; ++i) {
                    if (!entry.run(
                            {at, who.operatorName, who.host, who.osUser, what, rows[i].Room}))
                        return false;
                }
            }
            if (!db.commit())
                return false;
        }
        QSqlDatabase::removeDatabase(name);
    }
    double listMs = 1e9;
    qsizetype listed = 0;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const Expected<QList<changerecord::Entry>> entries =
            changelist::read(folder, {QStringLiteral("1050000"), {}, {}, {}, {}});
        if (!entries)
            return false;
        listMs = std::min(listMs, ms(timer));
        listed = entries->size();
    }
    const bool listOk = listMs <= 200;
    std::printf("one room's entries among 1,000,000: %lld listed in %.1f ms [target <= 200 ms]: "
                "%s\n",
                qlonglong(listed), listMs, listOk ? "ok" : "MISSED");
    return importOk && writeOk && listOk;
}

} // namespace

int main(int argc, char** argv)
{
    Spawner spawner;
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString tool = QStringLiteral(QUORVANE_DB_PATH);
    const QString csvPath = dir.filePath(QStringLiteral("rooms.csv"));
    QList<RoomRecord> rooms;
    rooms.reserve(kRooms);
    for (int i = 0; i < kRooms; ++i)
        rooms << RoomRecord{
            QString::number(1000000 + i), QStringLiteral("0139%1").arg(i, 7, 10, QLatin1Char('0')),
            QStringLiteral("+86%1").arg(i, 8, 10, QLatin1Char('0')),
            i % 3 == 0 ? QString() : QStringLiteral("0755%1").arg(i, 7, 10, QLatin1Char('0'))};
    const QByteArray bytes = roomcsv::write(rooms);
    {
        QFile out(csvPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) < 0)
            return 2;
    }
    const QString empty = dir.filePath(QStringLiteral("empty.mdb"));
    if (!createDirectory(empty))
        return 2;
    const QString select = QStringLiteral("SELECT Room, TEL1, TEL2, TEL3 FROM Room_tel");

    // Each round gets fresh copies of the empty directory; the two tools take
    // turns going first, so neither always meets a warm or a busy machine.
    Figures ourImport, theirImport, ourExport, theirExport;
    bool identical = true;
    for (int round = 0; round < kRounds; ++round) {
        const QString folder = dir.filePath(QStringLiteral("folder%1").arg(round));
        const QString ours = QDir(folder).filePath(schema::kDirectoryFile);
        const QString theirs = dir.filePath(QStringLiteral("plain%1.db").arg(round));
        if (!QDir().mkpath(folder) || !QFile::copy(empty, ours) || !QFile::copy(empty, theirs))
            return 2;
        const QString said = dir.filePath(QStringLiteral("said.txt"));
        const QStringList importOurs{tool, QStringLiteral("import"), folder, csvPath};
        // The table numbers its rows itself, so the shell takes the file into
        // a table of its own in memory and copies it over, as a user would.
        const QStringList importTheirs{
            QStringLiteral("sqlite3"), QStringLiteral("-cmd"),
            QStringLiteral(".import --csv --schema temp %1 staging").arg(csvPath), theirs,
            QStringLiteral("INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) SELECT * FROM "
                           "temp.staging")};
        const bool oursFirst = round % 2 == 0;
        const Run a = spawner.run(oursFirst ? importOurs : importTheirs, said);
        const Run b = spawner.run(oursFirst ? importTheirs : importOurs, said);
        const Run& ourRun = oursFirst ? a : b;
        const Run& theirRun = oursFirst ? b : a;
        if (!ourRun.ok || !theirRun.ok) {
            std::fprintf(stderr, "import failed in round %d\n", round);
            return 2;
        }
        ourImport.add(ourRun);
        theirImport.add(theirRun);

        const QString ourCsv = dir.filePath(QStringLiteral("ours.csv"));
        const QString theirCsv = dir.filePath(QStringLiteral("theirs.csv"));
        QFile::remove(ourCsv);
        const QStringList exportOurs{tool, QStringLiteral("export"), folder, ourCsv};
        const QStringList exportTheirs{QStringLiteral("sqlite3"), QStringLiteral("-csv"), theirs,
                                       select};
        const Run c =
            spawner.run(oursFirst ? exportTheirs : exportOurs, oursFirst ? theirCsv : said);
        const Run d =
            spawner.run(oursFirst ? exportOurs : exportTheirs, oursFirst ? said : theirCsv);
        const Run& ourExportRun = oursFirst ? d : c;
        const Run& theirExportRun = oursFirst ? c : d;
        if (!ourExportRun.ok || !theirExportRun.ok) {
            std::fprintf(stderr, "export failed in round %d\n", round);
            return 2;
        }
        ourExport.add(ourExportRun);
        theirExport.add(theirExportRun);
        identical = identical && contents(ourCsv) == bytes;
    }

    std::printf("rows: %d; %d rounds, each tool a process of its own on a fresh copy\n", kRooms,
                kRounds);
    print("import:", ourImport, theirImport, 1.5);
    const bool peakOk = ourImport.peakMb <= 48;
    std::printf("        peak memory: quorvane-db %.1f MB, sqlite3 %.1f MB [target <= 48 MB]: %s\n",
                ourImport.peakMb, theirImport.peakMb, peakOk ? "ok" : "MISSED");
    print("export:", ourExport, theirExport, 1.5);
    std::printf("        peak memory: quorvane-db %.1f MB, sqlite3 %.1f MB; byte-identical to "
                "the imported file: %s\n",
                ourExport.peakMb, theirExport.peakMb, identical ? "yes" : "NO");
    const bool importOk = ourImport.median() <= 1.5 * theirImport.median() && peakOk;
    const bool exportOk = ourExport.median() <= 1.5 * theirExport.median();

    // Where an import's time goes, inside one process: reading the file,
    // judging the rows, writing them.
    {
        const QString database = dir.filePath(QStringLiteral("inner.mdb"));
        if (!QFile::copy(empty, database))
            return 2;
        QElapsedTimer timer;
        timer.start();
        QByteArray read;
        roomcsv::CsvFile file;
        if (!roomcsv::readFile(csvPath, read) || !roomcsv::read(read, file))
            return 2;
        const double readMs = ms(timer);
        QList<RoomRecord> present;
        if (!roomimport::readDirectory(database, present))
            return 2;
        const QList<roomverdict::RowVerdict> verdicts =
            roomverdict::judge(file.rows, present, false);
        const double judgedMs = ms(timer);
        QList<RoomRecord> rows;
        rows.reserve(file.rows.size());
        for (const roomcsv::CsvRow& row : std::as_const(file.rows))
            rows << row.room;
        if (!roomimport::write(database, rows, false))
            return 2;
        const double writtenMs = ms(timer);
        QByteArray csv;
        if (!roomimport::exportCsv(database, csv))
            return 2;
        std::printf("breakdown in one process: read %.0f ms, verdicts %.0f ms, write %.0f ms; "
                    "export %.0f ms\n",
                    readMs, judgedMs - readMs, writtenMs - judgedMs, ms(timer) - writtenMs);
    }

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
    const bool recordOk = changeRecordFigures(empty, dir);
    return importOk && exportOk && identical && sharedOk && recordOk ? 0 : 1;
}
