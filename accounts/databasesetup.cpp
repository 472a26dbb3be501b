#include "dbcreate.h"

#include "database.h"
#include "dbfiles.h"
#include "dbprompt.h"
#include "dbsql.h"
#include "transferlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbtool {

namespace {

// The temporary files init builds its databases in: "." + name + "." and six
// characters from mkstemp. Their maker holds a lock on each while it lives.
QString temporaryPattern(const QString& fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".??????");
}

// Removes the temporary files of an init that was killed: those no living
// init holds a lock on, and journals an older companion left beside them.
void removeStaleTemporaries(const QString& directory, const QString& fileName)
{
    const QDir dir(directory);
    const QStringList found =
        dir.entryList({temporaryPattern(fileName)}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : found) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    for (const QString& name : dir.entryList({temporaryPattern(fileName) + "-journal"},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        if (!dir.exists(name.chopped(8)))
            ::unlink(QFile::encodeName(dir.filePath(name)).constData());
    }
}

// Moves the finished file to its name unless an entry of that name exists.
// Returns 0 or the errno of the failure.
int placeWithoutOverwrite(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system that cannot rename without replacing still refuses a hard
    // link over an existing name.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

void syncDirectory(const QString& directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

Outcome fillDatabase(const QString& path, const TableSpec& layout,
                     const std::optional<Operator>& first)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-create"));
    QString failure;
    {
        // The journal stays in memory: a file that is not finished is thrown
        // away, so a killed init leaves no journal to clean up.
        const QSqlError error = database::connect(path, connection, database::Access::Create);
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (error.isValid()) {
            failure = error.text();
        } else {
            QSqlQuery query(db);
            const auto run = [&](const QString& statement, const QVariantList& values = {}) {
                if (!failure.isEmpty())
                    return;
                query.prepare(statement);
                for (const QVariant& value : values)
                    query.addBindValue(value);
                if (!query.exec())
                    failure = query.lastError().text();
            };
            run(QStringLiteral("BEGIN"));
            run(schema::createStatement(layout));
            // The room file also keeps the history of what was sent from it.
            if (layout.table == schema::directoryTable().table) {
                for (const QString& statement : TransferLog::createStatements())
                    run(statement);
            }
            if (first)
                run(insertStatement(layout), {first->name, first->pin});
            run(QStringLiteral("COMMIT"));
            query = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        return Outcome::failure(failure);
    return Outcome::success();
}

} // namespace

Outcome createDatabase(const QString& directory, const QString& fileName, const TableSpec& layout,
                       const std::optional<Operator>& first)
{
    removeStaleTemporaries(directory, fileName);
    const QString finalPath = database::pathIn(directory, fileName);
    QByteArray temporary =
        QFile::encodeName(database::pathIn(directory, QLatin1Char('.') + fileName + ".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Outcome::failure(
            QStringLiteral("Cannot create a file in %1: %2").arg(directory, errnoText(errno)));
    }
    const auto fail = [&](const QString& description) {
        ::unlink(temporary.constData());
        ::close(fd);
        return Outcome::failure(description);
    };
    ::flock(fd, LOCK_EX);
    // mkstemp honours the umask, which could leave even the owner unable to write.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0)
        return fail(QStringLiteral("Cannot make a new file in %1 private: %2")
                        .arg(directory, errnoText(errno)));

    if (Outcome filled = fillDatabase(QFile::decodeName(temporary), layout, first); !filled)
        return fail(QStringLiteral("Cannot write %1: %2").arg(finalPath, filled.description()));
    // SQLite would roll a journal left by another file's write into this one.
    if (const QStringList left = sideFiles(finalPath); !left.isEmpty())
        return fail(QStringLiteral("%1 appeared while %2 was being prepared; nothing was put in "
                                   "its place.")
                        .arg(left.join(QStringLiteral(", ")), finalPath));
    if (const int error = placeWithoutOverwrite(temporary, QFile::encodeName(finalPath))) {
        if (error == EEXIST)
            return fail(
                QStringLiteral("%1 appeared while it was being prepared; it was left untouched.")
                    .arg(finalPath));
        return fail(QStringLiteral("Cannot put %1 in place: %2").arg(finalPath, errnoText(error)));
    }
    ::close(fd);
    syncDirectory(directory);
    return Outcome::success();
}

QStringList obstacles(const QString& path, const QString& directory)
{
    QStringList found;
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    const bool present = ::lstat(name.constData(), &st) == 0;
    if (present && ::stat(name.constData(), &st) != 0) {
        found << QStringLiteral("%1 is a symbolic link to %2, which does not exist, so Quorvane "
                                "could not open it. Point the link at the database file, or "
                                "remove it and run init again.")
                     .arg(path, QFileInfo(path).symLinkTarget());
    } else if (present && !S_ISREG(st.st_mode)) {
        found << QStringLiteral("%1 is %2, not a database file, so Quorvane could not open it. "
                                "Move it aside and run init again.")
                     .arg(path, S_ISDIR(st.st_mode) ? QStringLiteral("a directory")
                                                    : QStringLiteral("not a regular file"));
    }
    const QStringList left = sideFiles(path);
    if (left.isEmpty())
        return found;
    const QString files = left.join(QStringLiteral(", "));
    if (present) {
        found << QStringLiteral("%1 is left from a write to %2 that did not finish (or another "
                                "program is writing to it now). Complete the recovery with: %3")
                     .arg(files, path, database::checkCommand(directory));
    } else {
        found << QStringLiteral("%1 is left from a write that did not finish, to a database file "
                                "that is no longer at %2; a new file beside it would take that "
                                "write in and be damaged. Put the database file back and run: "
                                "%3. Or move %1 aside together with the file it belongs to.")
                     .arg(files, path, database::checkCommand(directory));
    }
    return found;
}

} // namespace dbtool
