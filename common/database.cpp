#include "database.h"

#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

#include <sqlite3.h>

namespace database {

namespace {

QString advice(const QString& path)
{
    const QString dir = QFileInfo(path).absolutePath();
    return QStringLiteral("Move the file aside and prepare a new one with:\n%1")
        .arg(initCommand(dir));
}

} // namespace

FileKind probe(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
    const QByteArray head = file.read(32);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileKind::Sqlite;
    // Access and Jet files carry their engine's name from the fifth byte on.
    const QByteArray engine = head.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return FileKind::AccessJet;
    return FileKind::Other;
}

QString pathIn(const QString& directory, const QString& fileName)
{
    return QDir(directory).filePath(fileName);
}

QString quotedIdentifier(const QString& identifier)
{
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString shellQuoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString initCommand(const QString& directory)
{
    return datafolder::companionCommand() + QStringLiteral(" init ") + shellQuoted(directory);
}

QString addOperatorCommand(const QString& directory)
{
    return datafolder::companionCommand() + QStringLiteral(" add-operator ") +
           shellQuoted(directory);
}

QString checkCommand(const QString& directory)
{
    // The companion is named in one place, initCommand; check is named the same way.
    const QString tail = QStringLiteral(" init ") + shellQuoted(directory);
    QString command = initCommand(directory);
    if (command.endsWith(tail))
        command.chop(tail.size());
    return command + QStringLiteral(" check ") + shellQuoted(directory);
}

QString plainError(int sqliteCode, const QString& engineText, const QString& path)
{
    switch (sqliteCode & 0xff) {
    case SQLITE_READONLY:
        return QStringLiteral("the database file %1 is read-only, so nothing can be saved to it. "
                              "Let this user write the file and its folder, then try again.")
            .arg(path);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("another program is holding the database file %1. Try again in a "
                              "moment.")
            .arg(path);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("the database file %1 is damaged. Find out what can be saved of it "
                              "with:\n%2")
            .arg(path, checkCommand(QFileInfo(path).absolutePath()));
    case SQLITE_FULL:
        return QStringLiteral("the disk that holds the database file %1 is full.").arg(path);
    case SQLITE_IOERR:
        return QStringLiteral("the database file %1 could not be read or written: the disk or "
                              "the file system failed.")
            .arg(path);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("the database file %1 cannot be opened: check that it is a file "
                              "and that you may read and write it and its folder.")
            .arg(path);
    case SQLITE_CONSTRAINT:
        return QStringLiteral("the table in %1 refused the value (%2).").arg(path, engineText);
    default:
        return QStringLiteral("the database file %1 could not be used (%2).")
            .arg(path, engineText.isEmpty() ? QStringLiteral("no reason given") : engineText);
    }
}

QString plainError(const QSqlError& error, const QString& path)
{
    return plainError(error.nativeErrorCode().toInt(), error.databaseText(), path);
}

QSqlError connect(const QString& path, const QString& connectionName, Access access)
{
    // The companion's own files wait 5 s for a busy file.
    static constexpr int kOpenWaitMs = 15000;
    static constexpr int kCompanionWaitMs = 5000;
    const char* mode = access == Access::ReadWrite  ? "rw"
                       : access == Access::ReadOnly ? "ro"
                                                    : "rwc";
    QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1")
                          .arg(access == Access::ReadWrite ? kOpenWaitMs : kCompanionWaitMs);
    QStringList pragmas;
    switch (access) {
    case Access::ReadWrite:
        pragmas = {QStringLiteral("PRAGMA journal_mode=DELETE"),
                   QStringLiteral("PRAGMA synchronous=FULL"),
                   QStringLiteral("PRAGMA busy_timeout=%1").arg(kStatementWaitMs)};
        break;
    case Access::ReadOnly:
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        break;
    case Access::Create:
        pragmas = {QStringLiteral("PRAGMA journal_mode=MEMORY"),
                   QStringLiteral("PRAGMA synchronous=FULL")};
        break;
    }
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        // mode=rw opens an existing file only: the program never creates a database.
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=") + QLatin1String(mode));
        db.setConnectOptions(options);
        if (!db.open()) {
            error = db.lastError();
        } else {
            QSqlQuery pragma(db);
            for (const QString& statement : pragmas) {
                if (!pragma.exec(statement)) {
                    error = pragma.lastError();
                    break;
                }
            }
            if (error.isValid()) {
                pragma = QSqlQuery();
                db.close();
            }
        }
    }
    if (error.isValid())
        QSqlDatabase::removeDatabase(connectionName);
    return error;
}

Outcome open(const QString& path, const QString& connectionName)
{
    const QString dir = QFileInfo(path).absolutePath();
    switch (probe(path)) {
    case FileKind::Missing:
        return Outcome::failure(
            QStringLiteral("The database file %1 does not exist. Prepare it with:\n%2")
                .arg(path, initCommand(dir)));
    case FileKind::Unreadable:
        return Outcome::failure(
            QStringLiteral("The database file %1 cannot be read: check that it is a file and "
                           "that you may read and write it.")
                .arg(path));
    case FileKind::AccessJet:
        return Outcome::failure(
            QStringLiteral("The database file %1 is an Access database from an older system; "
                           "this program keeps its data in SQLite databases. %2")
                .arg(path, advice(path)));
    case FileKind::Other:
        return Outcome::failure(QStringLiteral("The database file %1 is not an SQLite database. %2")
                                    .arg(path, advice(path)));
    case FileKind::Sqlite:
        break;
    }

    if (const QSqlError error = connect(path, connectionName, Access::ReadWrite); error.isValid())
        return Outcome::failure(
            QStringLiteral("The database cannot be opened: %1").arg(plainError(error, path)));
    return Outcome::success();
}

Outcome checkTable(const QSqlDatabase& db, const TableSpec& layout, const QString& path)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    query.addBindValue(layout.table);
    if (!query.exec())
        return Outcome::failure(QStringLiteral("The table %1 cannot be read: %2")
                                    .arg(layout.table, plainError(query.lastError(), path)));
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    QStringList missing;
    for (const QString& field : layout.fieldNames()) {
        if (!present.contains(field, Qt::CaseInsensitive))
            missing << field;
    }
    if (present.isEmpty())
        return Outcome::failure(QStringLiteral("The database file %1 has no table %2. %3")
                                    .arg(path, layout.table, advice(path)));
    if (!missing.isEmpty())
        return Outcome::failure(
            QStringLiteral("The table %1 in %2 lacks the field(s) %3. %4")
                .arg(layout.table, path, missing.join(QStringLiteral(", ")), advice(path)));
    return Outcome::success();
}

QStringList rowKey(const QList<KeyPart>& primaryKey, bool hasRowid)
{
    if (primaryKey.size() == 1 &&
        primaryKey.first().type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
        return {primaryKey.first().name};
    if (hasRowid)
        return {QStringLiteral("rowid")};
    QStringList names;
    for (const KeyPart& part : primaryKey)
        names << part.name;
    return names;
}

QStringList rowKey(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name, type FROM pragma_table_info(?) WHERE pk > 0 "
                                 "ORDER BY pk"));
    query.addBindValue(table);
    QList<KeyPart> key;
    if (query.exec()) {
        while (query.next())
            key << KeyPart{query.value(0).toString(), query.value(1).toString()};
    }
    QSqlQuery rowid(db);
    return rowKey(
        key,
        rowid.exec(QStringLiteral("SELECT rowid FROM %1 LIMIT 0").arg(quotedIdentifier(table))));
}

void close(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QString uniqueConnectionName(const QString& prefix)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("%1-%2").arg(prefix).arg(++counter);
}

} // namespace database
