#include "outputfile.h"

#include "datafolder.h"

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

} // namespace

Outcome check(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? Outcome::success() : cannotWrite(path, systemError());
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
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return cannotWrite(path, out.errorString());
    return Outcome::success();
}

} // namespace outputfile
