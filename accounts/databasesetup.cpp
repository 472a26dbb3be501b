#include "databasesetup.h"

#include "changerecord.h"
#include "connection.h"
#include "database.h"
#include "datafolder.h"
#include "engine/databaseengine.h"
#include "schema.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace databasesetup {

namespace {

// The temporary files creation builds its databases in: "." + name + "." and six
// characters from mkstemp. Their maker holds a lock on each while it lives.
QString temporaryPattern(const QString& fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".??????");
}

// Removes the temporary files of a creation that was killed: those no
// living creation holds a lock on, and journals an older companion left beside them.
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

} // namespace

changerecord::Entry firstOperatorEntry(const Operator& first)
{
    changerecord::Entry entry;
    entry.who = changerecord::Actor::here(changerecord::Actor::osUserName());
    entry.kind = changerecord::Kind::OperatorAdded;
    entry.subject = first.name;
    const QStringList name{schema::operatorTable().fields.first().name};
    entry.after = changerecord::valuesText(name, {first.name});
    entry.afterValues = changerecord::valuesOf(name, {first.name});
    entry.file = changerecord::Entry::File::Operators;
    return entry;
}

namespace {

Outcome fillDatabase(const QString& path, const TableSpec& layout,
                     const std::optional<Operator>& first)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-create"));
    QString failure;
    {
        // The journal stays in memory: a file that is not finished is thrown
        // away, so a killed creation leaves no journal to clean up.
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
            store::Transaction transaction(db);
            if (!transaction.active())
                failure = transaction.error().text();
            run(schema::createStatement(layout, engine::of(db)));
            // The room file also keeps the history of what was sent from it.
            if (layout.table == schema::directoryTable().table) {
                for (const QString& statement : schema::transferRecordStatements(engine::of(db)))
                    run(statement);
            }
            if (first) {
                run(insertStatement(layout), {first->name, first->pin});
                // The first operator is the change record's first entry.
                if (failure.isEmpty()) {
                    if (Outcome recorded =
                            changerecord::append(db, firstOperatorEntry(*first), path);
                        !recorded)
                        failure = recorded.description();
                }
            }
            if (failure.isEmpty()) {
                if (Outcome committed = transaction.commit(); !committed)
                    failure = committed.description();
            }
            transaction.rollback();
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
            QCoreApplication::translate("databasesetup", "Cannot create a file in %1: %2")
                .arg(directory, errnoText(errno)));
    }
    const auto fail = [&](const QString& description) {
        ::unlink(temporary.constData());
        ::close(fd);
        return Outcome::failure(description);
    };
    ::flock(fd, LOCK_EX);
    // mkstemp honours the umask, which could leave even the owner unable to write.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0)
        return fail(
            QCoreApplication::translate("databasesetup", "Cannot make a new file in %1 private: %2")
                .arg(directory, errnoText(errno)));

    if (Outcome filled = fillDatabase(QFile::decodeName(temporary), layout, first); !filled)
        return fail(QCoreApplication::translate("databasesetup", "Cannot write %1: %2")
                        .arg(finalPath, filled.description()));
    // SQLite would roll a journal left by another file's write into this one.
    if (const QStringList left = sideFiles(finalPath); !left.isEmpty())
        return fail(QCoreApplication::translate(
                        "databasesetup",
                        "%1 appeared while %2 was being prepared; nothing was put in "
                        "its place.")
                        .arg(left.join(QStringLiteral(", ")), finalPath));
    if (const int error = placeWithoutOverwrite(temporary, QFile::encodeName(finalPath))) {
        if (error == EEXIST)
            return fail(QCoreApplication::translate(
                            "databasesetup",
                            "%1 appeared while it was being prepared; it was left untouched.")
                            .arg(finalPath));
        return fail(QCoreApplication::translate("databasesetup", "Cannot put %1 in place: %2")
                        .arg(finalPath, errnoText(error)));
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
        found << QCoreApplication::translate(
                     "databasesetup",
                     "%1 is a symbolic link to %2, which does not exist, so Quorvane "
                     "could not open it. Point the link at the database file, or "
                     "remove it and run init again.")
                     .arg(path, QFileInfo(path).symLinkTarget());
    } else if (present && !S_ISREG(st.st_mode)) {
        found << QCoreApplication::translate(
                     "databasesetup",
                     "%1 is %2, not a database file, so Quorvane could not open it. "
                     "Move it aside and run init again.")
                     .arg(path,
                          S_ISDIR(st.st_mode)
                              ? QCoreApplication::translate("databasesetup", "a directory")
                              : QCoreApplication::translate("databasesetup", "not a regular file"));
    }
    const QStringList left = sideFiles(path);
    if (left.isEmpty())
        return found;
    const QString files = left.join(QStringLiteral(", "));
    if (present) {
        found << QCoreApplication::translate(
                     "databasesetup",
                     "%1 is left from a write to %2 that did not finish (or another "
                     "program is writing to it now). Complete the recovery with: %3")
                     .arg(files, path, database::checkCommand(directory));
    } else {
        found << QCoreApplication::translate(
                     "databasesetup",
                     "%1 is left from a write that did not finish, to a database file "
                     "that is no longer at %2; a new file beside it would take that "
                     "write in and be damaged. Put the database file back and run: "
                     "%3. Or move %1 aside together with the file it belongs to.")
                     .arg(files, path, database::checkCommand(directory));
    }
    return found;
}

namespace {

// An existing operator file is never changed here, so an operator given
// is not added: say so, and fail, since a script would otherwise take it
// that this operator can log in.
bool existingOperatorsUsable(const QString& operatorPath, const QString& directory,
                             const FirstOperator& first, const Say& say)
{
    const std::optional<int> count = operatorCount(operatorPath);
    bool allWell = true;
    if (first.given) {
        say(Channel::Problem,
            QCoreApplication::translate(
                "databasesetup",
                "No operator was added, since %1 already existed; to add one run: %2")
                .arg(operatorPath, database::addOperatorCommand(directory)));
        allWell = false;
    } else if (!count) {
        say(Channel::Problem,
            QCoreApplication::translate(
                "databasesetup", "%1 cannot be read as an operator file. To examine it run: %2")
                .arg(operatorPath, database::checkCommand(directory)));
        allWell = false;
    } else if (*count == 0) {
        say(Channel::Problem,
            QCoreApplication::translate(
                "databasesetup", "%1 holds no operator, so nobody can log in. Add one with: %2")
                .arg(operatorPath, database::addOperatorCommand(directory)));
        allWell = false;
    } else {
        say(Channel::Note,
            QCoreApplication::translate("databasesetup",
                                        "%1 holds %2, so no operator was asked for.")
                .arg(operatorPath, QCoreApplication::translate("databasesetup", "%n operators",
                                                               nullptr, *count)));
    }
    return allWell;
}

} // namespace

bool create(const QString& directory, const FirstOperator& first, const Say& say)
{
    const QString operatorPath = database::pathIn(directory, schema::kOperatorFile);
    const QString directoryPath = database::pathIn(directory, schema::kDirectoryFile);
    const QStringList blocked =
        obstacles(operatorPath, directory) + obstacles(directoryPath, directory);
    if (!blocked.isEmpty()) {
        for (const QString& obstacle : blocked)
            say(Channel::Problem, obstacle);
        say(Channel::Problem, QCoreApplication::translate("databasesetup", "Nothing was created."));
        return false;
    }
    const bool operatorExists = entryExists(operatorPath);
    const bool directoryExists = entryExists(directoryPath);
    for (const auto& [path, exists] :
         {std::pair{operatorPath, operatorExists}, std::pair{directoryPath, directoryExists}}) {
        if (exists)
            say(Channel::Note, QCoreApplication::translate(
                                   "databasesetup", "%1 already exists; it was left untouched.")
                                   .arg(path));
    }
    if (operatorExists && directoryExists) {
        say(Channel::Problem,
            QCoreApplication::translate(
                "databasesetup",
                "Both database files already exist; refusing to overwrite them, so "
                "nothing was created. To examine them run: %1 check %2")
                .arg(datafolder::companionCommand(), database::shellQuoted(directory)));
        return false;
    }
    const bool allWell =
        !operatorExists || existingOperatorsUsable(operatorPath, directory, first, say);

    // The operator is asked for before anything is written, so giving up
    // leaves the directory as it was.
    if (!operatorExists) {
        const std::optional<Operator> made = first.ask(say);
        if (!made) {
            say(Channel::Problem,
                QCoreApplication::translate("databasesetup", "Nothing was created."));
            return false;
        }
        if (Outcome written =
                createDatabase(directory, schema::kOperatorFile, schema::operatorTable(), made);
            !written) {
            say(Channel::Problem, written.description());
            say(Channel::Problem,
                QCoreApplication::translate("databasesetup", "Nothing was created."));
            return false;
        }
        say(Channel::Note,
            QCoreApplication::translate("databasesetup", "Created %1 with the operator \"%2\".")
                .arg(operatorPath, made->name));
    }
    if (!directoryExists) {
        if (Outcome written = createDatabase(directory, schema::kDirectoryFile,
                                             schema::directoryTable(), std::nullopt);
            !written) {
            say(Channel::Problem, written.description());
            return false;
        }
        say(Channel::Note,
            QCoreApplication::translate("databasesetup", "Created %1 with an empty room directory.")
                .arg(directoryPath));
    }
    return allWell;
}

bool entryExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

QStringList sideFiles(const QString& path)
{
    QStringList found;
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString side = path + QLatin1String(suffix);
        struct stat st;
        if (::lstat(QFile::encodeName(side).constData(), &st) == 0)
            found << side;
    }
    return found;
}

QString errnoText(int error)
{
    return qt_error_string(error);
}

QString insertStatement(const TableSpec& layout)
{
    QStringList columns;
    QStringList marks;
    for (const FieldSpec& f : layout.fields) {
        columns << database::quotedIdentifier(f.name);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(database::quotedIdentifier(layout.table), columns.join(QStringLiteral(", ")),
             marks.join(QStringLiteral(", ")));
}

std::optional<int> operatorCount(const QString& path)
{
    std::optional<int> count;
    if (database::probe(path) == database::FileKind::Sqlite) {
        const store::Connection connection(path, QStringLiteral("quorvane-db-count"),
                                           database::Access::ReadOnly);
        if (connection.ok()) {
            QSqlQuery query(connection.db());
            if (query.exec(QStringLiteral("SELECT count(*) FROM %1")
                               .arg(database::quotedIdentifier(schema::operatorTable().table))) &&
                query.next())
                count = query.value(0).toInt();
        }
    }
    return count;
}

} // namespace databasesetup
