#include "outputfile.h"

#include "datafolder.h"
#include "schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace outputfile {

namespace {

QString systemError()
{
    return qt_error_string(errno);
}

Outcome cannotWrite(const QString& path, const QString& why)
{
    return Outcome::failure(
        QCoreApplication::translate("outputfile", "%1 cannot be written: %2").arg(path, why));
}

// The standard output or error descriptor that already writes to st, or -1.
int standardStreamOf(const struct stat& st)
{
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat open;
        if (::fstat(fd, &open) == 0 && open.st_dev == st.st_dev && open.st_ino == st.st_ino)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

Outcome writeStraight(const QString& path, const struct stat& st, const QByteArray& bytes,
                      Reader reader)
{
    const bool fifo = S_ISFIFO(st.st_mode);
    const int flags =
        O_WRONLY | O_NOCTTY | O_CLOEXEC | (fifo && reader == Reader::Refuse ? O_NONBLOCK : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) {
        if (fifo && errno == ENXIO)
            return Outcome::failure(
                QCoreApplication::translate(
                    "outputfile", "%1 is a FIFO that no program reads; start the program that "
                                  "reads it first.")
                    .arg(path));
        return cannotWrite(path, systemError());
    }
    if (flags & O_NONBLOCK)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const bool written = writeAll(fd, bytes);
    const QString why = systemError();
    ::close(fd);
    return written ? Outcome::success() : cannotWrite(path, why);
}

// True when a regular file at path begins as every SQLite database does.
bool holdsDatabase(const QString& path, const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    static constexpr char kHeader[] = "SQLite format 3"; // with its terminating zero: 16 bytes
    char start[sizeof kHeader] = {};
    const ssize_t n = ::read(fd, start, sizeof start);
    ::close(fd);
    return n == ssize_t(sizeof kHeader) && std::memcmp(start, kHeader, sizeof kHeader) == 0;
}

// A database's name or the name of a file SQLite keeps beside one, in any
// folder: another data folder's files are no less precious than this one's.
QString databaseName(const QString& path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : path;
    for (const QString& file : {info.fileName(), QFileInfo(target).fileName(),
                                QFileInfo(info.canonicalFilePath()).fileName()}) {
        for (const QString& database : {schema::kDirectoryFile, schema::kOperatorFile}) {
            for (const QString& suffix : {QString(), QStringLiteral("-journal"),
                                          QStringLiteral("-wal"), QStringLiteral("-shm")}) {
                if (file.compare(database + suffix, Qt::CaseInsensitive) == 0)
                    return database + suffix;
            }
        }
    }
    return {};
}

} // namespace

Outcome check(const QString& path)
{
    if (const QString name = databaseName(path); !name.isEmpty())
        return Outcome::failure(
            //: %2 is a file name such as Inhabitant_telnum.mdb or user_password.mdb-journal.
            QCoreApplication::translate("outputfile",
                                        "%1 bears the name %2, which belongs to Quorvane's "
                                        "databases and the files SQLite keeps beside them; "
                                        "writing there could destroy a data folder's database. "
                                        "Nothing was written: name another file.")
                .arg(path, name));
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? Outcome::success() : cannotWrite(path, systemError());
    if (holdsDatabase(path, st))
        return Outcome::failure(
            QCoreApplication::translate("outputfile",
                                        "%1 holds a database; writing there would destroy it. "
                                        "Nothing was written: name another file.")
                .arg(path));
    if (S_ISDIR(st.st_mode))
        return Outcome::failure(
            QCoreApplication::translate(
                "outputfile", "%1 is a folder. Name a file to write to (in it, or elsewhere).")
                .arg(path));
    if (S_ISBLK(st.st_mode))
        return Outcome::failure(
            QCoreApplication::translate("outputfile",
                                        "%1 is a disk device; writing to it would destroy "
                                        "what it holds. Name a file to write to.")
                .arg(path));
    if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode))
        return Outcome::failure(
            QCoreApplication::translate("outputfile",
                                        "%1 is a socket, not a file. Name a file to write to.")
                .arg(path));
    return Outcome::success();
}

Outcome checkBeside(const QString& databaseFile, const QString& path)
{
    if (Outcome free = datafolder::refuseDatabaseFile(QFileInfo(databaseFile).absolutePath(), path);
        !free)
        return free;
    return check(path);
}

bool isStream(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 &&
           (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || standardStreamOf(st) >= 0);
}

Outcome write(const QString& path, const QByteArray& bytes, Reader reader)
{
    if (Outcome usable = check(path); !usable)
        return usable;
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))
            return writeStraight(path, st, bytes, reader);
        // A rename would take the file from under the shell's redirection
        // (and drop what >> kept there).
        if (const int fd = standardStreamOf(st); fd >= 0)
            return writeAll(fd, bytes) ? Outcome::success() : cannotWrite(path, systemError());
    }
    // Each step is checked before the new file takes the old one's place: a
    // full disk shows at a write or at the sync, and the old file stays whole.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return cannotWrite(path, out.errorString());
    if (!writeAll(out.handle(), bytes) || ::fsync(out.handle()) != 0) {
        const QString why = systemError();
        out.cancelWriting();
        return cannotWrite(path, why);
    }
    if (!out.commit())
        return cannotWrite(path, out.errorString());
    return Outcome::success();
}

} // namespace outputfile
