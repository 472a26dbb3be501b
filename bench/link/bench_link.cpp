// A download of 25 rooms through a pseudo-terminal, as the program sends it:
// the wall time against the protocol's floor (2 s a batch plus the line time)
// and the CPU time the sending process spends on it.
#include "frames.h"
#include "posixserialport.h"
#include "seriallink.h"
#include "sleepingpauser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
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

// The door unit: a child process reads the other side until the final "."
// and exits with 0 when it got the expected number of bytes.
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());

    QList<QByteArray> records;
    for (int i = 1; i <= kRooms; ++i)
        records << *frames::directoryRecord(
            {QString::number(100 + i),
             QStringLiteral("1391234%1").arg(i, 4, 10, QLatin1Char('0')),
             QStringLiteral("8765432"),
             {}});
    const int batches = (kRooms + frames::kRowsPerBatch - 1) / frames::kRowsPerBatch;
    // 95, the records, a "," per batch and the final ".".
    const qsizetype bytes = 1 + kRooms * frames::kRecordLength + batches + 1;
    const double lineMs = bytes / kLineBytesPerSecond * 1000.0;
    const double pauseMs = batches * 2000.0;
    const double floorMs = pauseMs + lineMs;

    std::printf("bench_link: %d rooms, %d batches, %lld bytes; floor %.1f ms (%.0f ms of batch "
                "pauses + %.1f ms line time at 38400 8N1)\n",
                kRooms, batches, qlonglong(bytes), floorMs, pauseMs, lineMs);
    bool allMet = true;
    for (int run = 1; run <= runs; ++run) {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            std::perror("bench_link: pseudo-terminal");
            return 1;
        }
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
            .setValue("Ports/COM1", QString::fromLocal8Bit(ptsname(master)));
        const pid_t reader = startReader(master, bytes);

        PosixSerialPort port;
        SleepingPauser pauser;
        SerialLink link(port, pauser);
        link.configure(1);
        if (link.open() != 0) {
            std::fprintf(stderr, "bench_link: %s\n", qPrintable(link.failureDescription()));
            return 1;
        }

        QElapsedTimer wall;
        const double cpuBefore = cpuMilliseconds();
        wall.start();
        frames::DirectorySequence sequence;
        bool ok = link.run(sequence.begin());
        for (int i = 0; ok && i < kRooms; ++i) {
            ok = link.run(sequence.row(records[i]));
            if (ok && (sequence.batchFull() || i + 1 == kRooms))
                ok = link.run(sequence.endBatch());
        }
        ok = ok && link.run(sequence.end());
        const double wallMs = wall.nsecsElapsed() / 1e6;
        const double cpuMs = cpuMilliseconds() - cpuBefore;
        link.close();

        int status = 0;
        waitpid(reader, &status, 0);
        ::close(master);
        if (!ok || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "bench_link: the download failed (%s, reader status %d)\n",
                         qPrintable(link.failureDescription()), status);
            return 1;
        }
        const double overPercent = (wallMs - floorMs) / floorMs * 100.0;
        const double cpuPercent = cpuMs / wallMs * 100.0;
        const bool met = overPercent <= 1.0 && cpuPercent <= 2.0;
        allMet = allMet && met;
        std::printf("run %d: wall %.1f ms (%+.2f %% against the floor, %+.1f ms over the batch "
                    "pauses alone), CPU %.1f ms = %.3f %% of wall; targets (<= 1 %% over, CPU <= "
                    "2 %%) %s\n",
                    run, wallMs, overPercent, wallMs - pauseMs, cpuMs, cpuPercent,
                    met ? "met" : "NOT met");
    }
    std::printf("note: a pseudo-terminal takes bytes at once rather than at the line speed, so "
                "the wall time can fall below the floor by up to its line time\n");
    return allMet ? 0 : 1;
}
