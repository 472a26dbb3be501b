// The directory download as Down load file runs it: 25 rooms read through the
// record cursor, the progress window shown, the pauses waited out in the
// event loop, the bytes through a pseudo-terminal. Prints the wall time
// against the protocol's floor and the CPU time the process spends.
#include "directorydownload.h"
#include "downloadprogress.h"
#include "engine/databaseengine.h"
#include "frames.h"
#include "linkmessages.h"
#include "messagesink.h"
#include "posixserialport.h"
#include "recordcursor.h"
#include "schema.h"
#include "seriallink.h"
#include "songtifont.h"
#include "uipauser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRooms = 25;
constexpr double kLineBytesPerSecond = 38400.0 / 10.0;

double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// The door unit: a child process reads until the final "." and exits with 0
// when it got the expected number of bytes.
pid_t startReader(int master, qsizetype expected)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    qsizetype got = 0;
    char buffer[4096];
    for (;;) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 30'000) <= 0)
            _exit(2);
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            _exit(3);
        got += n;
        if (buffer[n - 1] == '.')
            _exit(got == expected ? 0 : 4);
    }
}

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
                                         "VALUES (?, ?, ?, '')"));
            query.addBindValue(QString::number(100 + i));
            query.addBindValue(QStringLiteral("1391234%1").arg(i, 4, 10, QLatin1Char('0')));
            query.addBindValue(QStringLiteral("8765432"));
            ok = query.exec();
        }
    }
    QSqlDatabase::removeDatabase("bench");
    return ok;
}

class QuietSink : public MessageSink
{
public:
    void show(const QString& text, const QString&, Icon) override { last = text; }
    QString last;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Down load file is a command of the link's window, which has long shown
    // its text in its own face when a download starts: a window like it is
    // shown first, so the fonts are found and loaded, as they are in the
    // program, before the CPU is counted.
    QLabel window(QStringLiteral("Quorvane 门禁"));
    window.setFont(songtiFont(9));
    window.show();
    QApplication::processEvents();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const QString path = dir.filePath(schema::kDirectoryFile);
    if (!makeDirectory(path)) {
        std::fprintf(stderr, "bench_download: cannot make %s\n", qPrintable(path));
        return 1;
    }

    const int batches = (kRooms + frames::kRowsPerBatch - 1) / frames::kRowsPerBatch;
    const qsizetype bytes = 1 + kRooms * frames::kRecordLength + batches + 1;
    const double lineMs = bytes / kLineBytesPerSecond * 1000.0;
    const double pauseMs = batches * 2000.0;
    const double floorMs = pauseMs + lineMs;
    std::printf("bench_download: %d rooms, %d batches, %lld bytes; floor %.1f ms (%.0f ms of "
                "batch pauses + %.1f ms line time at 38400 8N1)\n",
                kRooms, batches, qlonglong(bytes), floorMs, pauseMs, lineMs);

    bool allMet = true;
    for (int run = 1; run <= runs; ++run) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            std::perror("bench_download: pseudo-terminal");
            return 1;
        }
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
            .setValue("Ports/COM1", QString::fromLocal8Bit(ptsname(master)));
        const pid_t reader = startReader(master, bytes);

        PosixSerialPort port;
        UiPauser pauser;
        SerialLink link(port, pauser);
        link.configure(1);
        if (link.open() != 0) {
            std::fprintf(stderr, "bench_download: %s\n", qPrintable(link.failureDescription()));
            return 1;
        }
        link.setPortLocked(true);
        RecordCursor cursor(schema::directoryTable());
        if (!cursor.open(path)) {
            std::fprintf(stderr, "bench_download: cannot open the directory\n");
            return 1;
        }

        QuietSink messages;
        std::unique_ptr<DownloadProgress> progress;
        QElapsedTimer wall;
        const double cpuBefore = cpuMilliseconds();
        wall.start();
        const LinkResult result = DirectoryDownload(
                                      link, cursor,
                                      [&] {
                                          return RoomRecord{cursor.field(0), cursor.field(1),
                                                            cursor.field(2), cursor.field(3)};
                                      },
                                      [&](const DirectoryDownload::Progress& p) {
                                          if (p.finished) {
                                              progress->hide();
                                              return;
                                          }
                                          if (!progress) {
                                              progress = std::make_unique<DownloadProgress>(38400);
                                              progress->show();
                                          }
                                          progress->setRooms(p.sent, p.total);
                                      })
                                      .run();
        const double wallMs = wall.nsecsElapsed() / 1e6;
        const double cpuMs = cpuMilliseconds() - cpuBefore;
        link.close();

        int status = 0;
        waitpid(reader, &status, 0);
        ::close(master);
        showLinkResult(result, messages);
        if (!result.done() || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "bench_download: the download failed (%s, reader status %d)\n",
                         qPrintable(messages.last), status);
            return 1;
        }
        const double overPercent = (wallMs - floorMs) / floorMs * 100.0;
        const double cpuPercent = cpuMs / wallMs * 100.0;
        const bool met = overPercent <= 1.0 && cpuPercent <= 0.5;
        allMet = allMet && met;
        std::printf("run %d: wall %.1f ms (%+.2f %% against the floor, %+.1f ms over the batch "
                    "pauses alone), CPU %.1f ms = %.3f %% of wall; targets (<= 1 %% over, CPU <= "
                    "0.5 %%) %s\n",
                    run, wallMs, overPercent, wallMs - pauseMs, cpuMs, cpuPercent,
                    met ? "met" : "NOT met");
    }
    std::printf("note: the wall time includes reading the 25 rooms through the cursor once to "
                "check them and once to send them; a pseudo-terminal takes bytes at once, so the "
                "wall time can fall below the floor by up to its line time\n");
    return allMet ? 0 : 1;
}
